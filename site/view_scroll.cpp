// Scrolling the page pane: the pixels already drawn move, and only the strip they uncover
// is painted. The range comes from the page's height alone.
#include <algorithm>

#include "site/chart_view.h"
#include "site/page_layout.h"
#include "skin/render/gdi_guard.h"

namespace site {

namespace {

constexpr int LineStep = 40;         // pixels for an arrow key or a scroll-bar arrow
constexpr int DefaultWheelLines = 3;  // when the system setting cannot be read
constexpr int WheelLineStep = LineStep / 2;
constexpr int KeepInView = 8;        // pixels kept above or below a swatch scrolled to
// The scroll bar's thumb follows a burst of steps this long after its first: drawing the
// scroll bar costs several times a step's own work under some themes.
constexpr UINT ThumbDelayMs = 30;

}  // namespace

int ChartView::BodyHeight() const {
  RECT client{};
  if (pane_) GetClientRect(pane_, &client);
  return client.bottom - client.top;
}

void ChartView::UpdateScrollBar() {
  if (!pane_) return;
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
  info.nMin = 0;
  info.nMax = std::max(page_.height - 1, 0);
  info.nPage = static_cast<UINT>(std::max(BodyHeight(), 0));
  info.nPos = scroll_;
  SetScrollInfo(pane_, SB_VERT, &info, TRUE);
}

void ChartView::ScrollTo(int position) {
  position = std::clamp(position, 0, MaxScroll());
  const int dy = scroll_ - position;
  if (dy == 0 || !pane_) return;
  scroll_ = position;
  if (controls_) {
    // The page's controls ride along with the pixels.
    ScrollWindowEx(pane_, 0, dy, nullptr, nullptr, nullptr, nullptr,
                   SW_INVALIDATE | SW_SCROLLCHILDREN);
    UpdateWindow(pane_);
  } else if (MovePixels(dy)) {
    movedLow_ = std::min(movedLow_, scroll_);
    movedHigh_ = std::max(movedHigh_, scroll_);
  } else {
    // Nothing on screen to move: the whole pane is painted at the new position.
    InvalidateRect(pane_, nullptr, FALSE);
    UpdateWindow(pane_);
  }
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_POS | SIF_DISABLENOSCROLL;
  info.nPos = scroll_;
  SetScrollInfo(pane_, SB_VERT, &info, FALSE);
  if (!thumbPending_) thumbPending_ = SetTimer(pane_, ThumbTimerId, ThumbDelayMs, nullptr) != 0;
}

// Moves the pane's pixels on its own device context and paints what that uncovers there
// and then. ScrollWindowEx would make the same move, then invalidate the strip, offset the
// waiting update region and have a paint message draw the strip: each of those is a round
// trip to the server under Wine, together several times the move itself, and more when the
// machine is busy. Here the update region stays where it is; PaintPane makes up for that.
// False when the pane shows nothing to move.
bool ChartView::MovePixels(int dy) {
  if (!IsWindowVisible(pane_) || !back_ || !*back_) return false;
  skin::ClientDc dc(pane_);
  if (!dc) return false;
  RECT client{};
  GetClientRect(pane_, &client);
  // The bounds of all the pixels the move could not fill: the strip it uncovered, and on a
  // pane partly covered by another window, what the covered part would have brought.
  RECT uncovered{};
  if (!ScrollDC(dc, 0, dy, &client, &client, nullptr, &uncovered)) return false;
  ShowPart(dc, uncovered);
  return true;
}

void ChartView::DrawThumb() {
  KillTimer(pane_, ThumbTimerId);
  thumbPending_ = false;
  // The whole non-client area: the scroll bar at its present position.
  SendMessageW(pane_, WM_NCPAINT, 1, 0);
}

void ChartView::OnVScroll(WORD request) {
  const int page = std::max(BodyHeight() - LineStep, LineStep);
  switch (request) {
    case SB_LINEUP:
      ScrollTo(scroll_ - LineStep);
      break;
    case SB_LINEDOWN:
      ScrollTo(scroll_ + LineStep);
      break;
    case SB_PAGEUP:
      ScrollTo(scroll_ - page);
      break;
    case SB_PAGEDOWN:
      ScrollTo(scroll_ + page);
      break;
    case SB_TOP:
      ScrollTo(0);
      break;
    case SB_BOTTOM:
      ScrollTo(MaxScroll());
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
      // The 32-bit track position; the message's own is 16 bits.
      SCROLLINFO info{};
      info.cbSize = sizeof(info);
      info.fMask = SIF_TRACKPOS;
      GetScrollInfo(pane_, SB_VERT, &info);
      ScrollTo(info.nTrackPos);
      break;
    }
    default:
      break;
  }
}

void ChartView::OnMouseWheel(short delta) {
  UINT lines = DefaultWheelLines;
  if (!SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0)) lines = DefaultWheelLines;
  if (lines == WHEEL_PAGESCROLL) {
    OnVScroll(delta > 0 ? SB_PAGEUP : SB_PAGEDOWN);
    return;
  }
  // Fine-grained wheels send parts of a notch: keep what is left for the next message.
  wheelRemainder_ += delta;
  const int notches = wheelRemainder_ / WHEEL_DELTA;
  wheelRemainder_ -= notches * WHEEL_DELTA;
  ScrollTo(scroll_ - notches * static_cast<int>(lines) * WheelLineStep);
}

bool ChartView::OnScrollKey(WPARAM key) {
  switch (key) {
    case VK_PRIOR:
      OnVScroll(SB_PAGEUP);
      return true;
    case VK_NEXT:
      OnVScroll(SB_PAGEDOWN);
      return true;
    case VK_HOME:
      OnVScroll(SB_TOP);
      return true;
    case VK_END:
      OnVScroll(SB_BOTTOM);
      return true;
    case VK_UP:
      OnVScroll(SB_LINEUP);
      return true;
    case VK_DOWN:
      OnVScroll(SB_LINEDOWN);
      return true;
    default:
      return false;
  }
}

void ChartView::ScrollIntoView(SwatchRef ref) {
  if (!SwatchAt(page_, ref)) return;
  RECT cell = CellRect(page_.sections[static_cast<size_t>(ref.section)], ref.index);
  if (cell.top - KeepInView < scroll_) {
    ScrollTo(cell.top - KeepInView);
  } else if (cell.bottom + KeepInView > scroll_ + BodyHeight()) {
    ScrollTo(cell.bottom + KeepInView - BodyHeight());
  }
}

}  // namespace site
