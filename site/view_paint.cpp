// Painting the chart view: the pane draws only the part that is exposed, composed off
// screen in a buffer the pane's size; the frame draws the status line.
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
  // Pixels moved since the last paint took the stale pixels of what waited to be painted
  // with them, anywhere within the distance scrolled (the update region itself stays put):
  // those places are painted again as well.
  RECT waiting{};
  if (movedLow_ != movedHigh_ && GetUpdateRect(pane_, &waiting, FALSE)) {
    RECT reach{waiting.left, waiting.top + movedLow_ - scroll_, waiting.right,
               waiting.bottom + movedHigh_ - scroll_};
    InvalidateRect(pane_, &reach, FALSE);
  }
  movedLow_ = movedHigh_ = scroll_;
  platform::PaintScope paint(pane_);
  if (paint.dc()) ShowPart(paint.dc(), paint.dirty());
}

void ChartView::ShowPart(HDC target, const RECT& part) {
  const int width = part.right - part.left;
  const int height = part.bottom - part.top;
  if (width <= 0 || height <= 0 || !back_ || !*back_) return;
  HDC back = *back_;
  // Only the part is painted, where it lies in the pane: the buffer's pixels are page
  // pixels shifted up by the scroll, and the page is clipped to the part.
  POINT oldOrigin{};
  SetViewportOrgEx(back, 0, -scroll_, &oldOrigin);
  RECT clip = part;
  OffsetRect(&clip, 0, scroll_);
  HRGN strip = CreateRectRgnIndirect(&part);
  SelectClipRgn(back, strip);
  DeleteObject(strip);
  PaintPage(back, page_, clip, fonts_, Highlight{hover_, selected_});
  SelectClipRgn(back, nullptr);
  SetViewportOrgEx(back, oldOrigin.x, oldOrigin.y, nullptr);
  BitBlt(target, part.left, part.top, width, height, back, part.left, part.top, SRCCOPY);
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
