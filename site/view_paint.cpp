// Painting the chart view: the pane draws only the part that is exposed, composed off
// screen in a buffer the size of that part; the frame draws the status line.
#include "site/chart_view.h"
#include "site/page_colours.h"
#include "skin/render/gdi_guard.h"
#include "platform/paint_scope.h"

namespace site {

namespace {

constexpr int StatusTextInset = 8;  // pixels from the left edge

}  // namespace

void ChartView::MakeBackBuffer() {
  RECT client{};
  if (pane_) GetClientRect(pane_, &client);
  back_.reset();
  if (client.right > 0 && client.bottom > 0)
    back_ = std::make_unique<skin::MemorySurface>(client.right, client.bottom);
}

void ChartView::PaintPane() {
  platform::PaintScope paint(pane_);
  if (!paint.dc()) return;
  const RECT dirty = paint.dirty();
  const int width = dirty.right - dirty.left;
  const int height = dirty.bottom - dirty.top;
  if (width <= 0 || height <= 0 || !back_ || !*back_) return;
  HDC back = *back_;
  // Only the strip is painted, where it lies in the pane: the buffer's pixels are page
  // pixels shifted up by the scroll, and the page is clipped to the strip.
  POINT oldOrigin{};
  SetViewportOrgEx(back, 0, -scroll_, &oldOrigin);
  RECT clip = dirty;
  OffsetRect(&clip, 0, scroll_);
  HRGN strip = CreateRectRgnIndirect(&dirty);
  SelectClipRgn(back, strip);
  DeleteObject(strip);
  PaintPage(back, page_, clip, fonts_, Highlight{hover_, selected_});
  SelectClipRgn(back, nullptr);
  SetViewportOrgEx(back, oldOrigin.x, oldOrigin.y, nullptr);
  BitBlt(paint.dc(), dirty.left, dirty.top, width, height, back, dirty.left, dirty.top, SRCCOPY);
}

void ChartView::PaintStatusLine() {
  platform::PaintScope paint(frame_);
  if (!paint.dc()) return;
  RECT client{};
  GetClientRect(frame_, &client);
  RECT line{0, client.bottom - StatusLineHeight, client.right, client.bottom};
  const int width = line.right - line.left;
  skin::MemorySurface buffer(width, StatusLineHeight);
  if (!buffer) return;
  RECT all{0, 0, width, StatusLineHeight};
  SetDCBrushColor(buffer, StatusFill);
  FillRect(buffer, &all, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
  RECT rule{0, 0, width, 1};
  SetDCBrushColor(buffer, RuleColour);
  FillRect(buffer, &rule, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
  RECT text{StatusTextInset, 1, width - StatusTextInset, StatusLineHeight};
  skin::Selected font(buffer, fonts_.body());
  SetBkMode(buffer, TRANSPARENT);
  SetTextColor(buffer, Ink);
  DrawTextW(buffer, status_.c_str(), static_cast<int>(status_.size()), &text,
            DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
  BitBlt(paint.dc(), line.left, line.top, width, StatusLineHeight, buffer, 0, 0, SRCCOPY);
}

}  // namespace site
