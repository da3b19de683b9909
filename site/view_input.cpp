// The chart view's mouse and keyboard: hover, selection, copying and the start page's cards.
#include <algorithm>
#include <string>

#include "site/chart_view.h"
#include "site/clipboard.h"
#include "site/hit_test.h"
#include "site/page_layout.h"
#include "site/site_address.h"

namespace site {

namespace {

constexpr wchar_t SwatchHint[] =
    L"Point at a colour to see its values; click to select it, then Ctrl+C or a double click "
    L"copies it.";
constexpr wchar_t CardHint[] = L"Click a card to open its chart.";

bool IsCard(const Swatch* swatch) { return swatch && !swatch->link.empty(); }

bool Selectable(const Section& section) {
  return section.style && section.selectable && !section.swatches.empty();
}

}  // namespace

SwatchRef ChartView::HitAt(POINT client) const {
  return HitTest(page_, POINT{client.x, client.y + scroll_});
}

void ChartView::InvalidateSwatch(SwatchRef ref) {
  if (!pane_ || !SwatchAt(page_, ref)) return;
  RECT cell = CellOnScreen(ref);
  InvalidateRect(pane_, &cell, FALSE);
}

void ChartView::RefreshStatus() {
  std::wstring next;
  if (!message_.empty()) {
    next = message_;
  } else if (const Swatch* hovered = SwatchAt(page_, hover_)) {
    next = hovered->status;
  } else if (const Swatch* selected = SwatchAt(page_, selected_)) {
    next = selected->status;
  } else {
    for (const Section& section : page_.sections) {
      if (!Selectable(section)) continue;
      next = IsCard(&section.swatches.front()) ? CardHint : SwatchHint;
      break;
    }
  }
  if (next == status_) return;
  status_ = std::move(next);
  if (!frame_) return;
  RECT client{};
  GetClientRect(frame_, &client);
  RECT line{0, client.bottom - StatusLineHeight, client.right, client.bottom};
  InvalidateRect(frame_, &line, FALSE);
}

void ChartView::SetHover(SwatchRef ref) {
  if (ref == hover_) return;
  InvalidateSwatch(hover_);
  hover_ = ref;
  InvalidateSwatch(hover_);
  message_.clear();
  RefreshStatus();
}

void ChartView::Select(SwatchRef ref) {
  if (ref != selected_) {
    InvalidateSwatch(selected_);
    selected_ = ref;
    InvalidateSwatch(selected_);
  }
  message_.clear();
  ScrollIntoView(ref);
  RefreshStatus();
}

void ChartView::CopySelection() {
  const Swatch* swatch = SwatchAt(page_, selected_);
  if (!swatch || swatch->copy.empty()) return;
  message_ = CopyTextToClipboard(pane_, swatch->copy)
                 ? L"Copied " + swatch->copy + L" to the clipboard."
                 : std::wstring(L"The clipboard is busy: nothing was copied.");
  RefreshStatus();
}

void ChartView::OpenCard(SwatchRef ref) {
  const Swatch* card = SwatchAt(page_, ref);
  if (!IsCard(card)) return;
  std::wstring_view origin = OriginOf(address_);
  // The same address the chart's button asks for: the site's base and the chart's path.
  Navigate(std::wstring(origin.empty() ? std::wstring_view(BuiltInOrigin) : origin) + card->link);
}

void ChartView::OnMouseMove(POINT client) {
  if (!trackingLeave_) {
    TRACKMOUSEEVENT track{};
    track.cbSize = sizeof(track);
    track.dwFlags = TME_LEAVE;
    track.hwndTrack = pane_;
    trackingLeave_ = TrackMouseEvent(&track) != FALSE;
  }
  SetHover(HitAt(client));
}

void ChartView::OnMouseLeave() {
  trackingLeave_ = false;
  SetHover(SwatchRef{});
}

void ChartView::OnLButtonDown(POINT client) {
  SetFocus(pane_);
  downAt_ = navigations_;
  SwatchRef hit = HitAt(client);
  if (IsCard(SwatchAt(page_, hit))) {
    pressed_ = hit;  // opened when the button comes up on the same card
    Select(hit);
  } else if (hit.valid()) {
    Select(hit);
  }
}

void ChartView::OnLButtonUp(POINT client) {
  SwatchRef pressed = pressed_;
  pressed_ = SwatchRef{};
  if (pressed.valid() && HitAt(client) == pressed) OpenCard(pressed);
}

void ChartView::OnLButtonDblClk(POINT client) {
  // The first click of the pair opened another page: this is a fresh press there.
  if (downAt_ != navigations_) {
    OnLButtonDown(client);
    return;
  }
  SwatchRef hit = HitAt(client);
  if (IsCard(SwatchAt(page_, hit))) {
    pressed_ = hit;
    return;
  }
  if (!hit.valid()) return;
  Select(hit);
  CopySelection();
}

bool ChartView::MoveSelection(WPARAM key) {
  const Section& section = page_.sections[static_cast<size_t>(selected_.section)];
  const int count = static_cast<int>(section.swatches.size());
  const int columns = section.columns;
  int s = selected_.section;
  int index = selected_.index;
  const int sections = static_cast<int>(page_.sections.size());
  auto previous = [&](int from) {
    for (int p = from - 1; p >= 0; --p)
      if (Selectable(page_.sections[static_cast<size_t>(p)])) return p;
    return -1;
  };
  auto next = [&](int from) {
    for (int n = from + 1; n < sections; ++n)
      if (Selectable(page_.sections[static_cast<size_t>(n)])) return n;
    return -1;
  };
  auto size = [&](int of) { return static_cast<int>(page_.sections[static_cast<size_t>(of)].swatches.size()); };
  switch (key) {
    case VK_LEFT:
      if (index > 0) {
        --index;
      } else if (int p = previous(s); p >= 0) {
        s = p;
        index = size(p) - 1;
      }
      break;
    case VK_RIGHT:
      if (index + 1 < count) {
        ++index;
      } else if (int n = next(s); n >= 0) {
        s = n;
        index = 0;
      }
      break;
    case VK_UP:
      if (index >= columns) {
        index -= columns;
      } else if (int p = previous(s); p >= 0) {
        // The same column in the last row of the section above.
        const Section& above = page_.sections[static_cast<size_t>(p)];
        int lastRow = (size(p) - 1) / above.columns;
        int column = std::min(index % columns, above.columns - 1);
        s = p;
        index = std::min(lastRow * above.columns + column, size(p) - 1);
      }
      break;
    case VK_DOWN:
      if (index + columns < count) {
        index += columns;
      } else if (index / columns < (count - 1) / columns) {
        index = count - 1;  // a short last row
      } else if (int n = next(s); n >= 0) {
        const Section& below = page_.sections[static_cast<size_t>(n)];
        s = n;
        index = std::min(std::min(index % columns, below.columns - 1), size(n) - 1);
      }
      break;
    default:
      return false;
  }
  Select(SwatchRef{s, index});
  return true;
}

void ChartView::OnKeyDown(WPARAM key) {
  // Only C asks for the Ctrl key's state: reading it is a round trip to the server under
  // Wine, which every arrow and page key of a scroll would otherwise pay.
  if (key == 'C' && GetKeyState(VK_CONTROL) < 0) {
    CopySelection();
    return;
  }
  if (key == VK_RETURN) {
    OpenCard(selected_);
    return;
  }
  const bool arrow = key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN;
  if (arrow && SwatchAt(page_, selected_)) {
    MoveSelection(key);
    return;
  }
  OnScrollKey(key);
}

}  // namespace site
