#pragma once
// A chart view of the browser's size in a visible, skinned form, and short ways to drive it.
#include <algorithm>
#include <functional>
#include <memory>

#include "site/catalogue.h"
#include "site/chart_view.h"
#include "site/site_address.h"
#include "tests/support/skin_test.h"

namespace test {

inline constexpr RECT ViewBounds{0, 0, 713, 569};  // the browser's rectangle in the main window
inline constexpr int ChipInside = 2;                 // past a chip's one-pixel edge

inline COLORREF Rgb(unsigned hex) { return RGB(hex >> 16, (hex >> 8) & 0xFF, hex & 0xFF); }

inline std::wstring ClipboardText() {
  std::wstring text;
  if (!OpenClipboard(nullptr)) return text;
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  if (auto* chars = data ? static_cast<const wchar_t*>(GlobalLock(data)) : nullptr) {
    text = chars;
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

// Leaves only a format of the tests' own on the clipboard, which a copy must remove; returns it.
inline UINT StaleClipboard() {
  const UINT stale = RegisterClipboardFormatW(L"Tintora test: stale");
  if (!OpenClipboard(nullptr)) return stale;
  EmptyClipboard();
  SetClipboardData(stale, GlobalAlloc(GMEM_MOVEABLE, 1));
  CloseClipboard();
  return stale;
}

class ChartViewTest : public SkinTest {
 protected:
  void SetUp() override {
    SkinTest::SetUp();  // the pointer off the view: a real hover would change what tests read
    view_ = std::make_unique<site::ChartView>(form({ViewBounds.right, ViewBounds.bottom}), ViewBounds);
    ASSERT_NE(view_->Pane(), nullptr);
    Skin();
  }
  void Open(std::wstring_view path) {
    view_->Navigate(std::wstring(site::BuiltInOrigin) + std::wstring(path));
    PaintPending();
  }
  // What is queued, then the pane's pending paint (the base's Repaint(HWND) invalidates first).
  void PaintPending() {
    Settle();
    UpdateWindow(view_->Pane());
  }
  void Open(site::PageId chart) { Open(site::ChartFor(chart)->path); }
  const site::Page& Page() const { return view_->CurrentPage(); }
  const site::Swatch& Swatch(site::SwatchRef ref) const { return *site::SwatchAt(Page(), ref); }
  site::SwatchRef Find(const std::function<bool(const site::Swatch&)>& test) const {
    for (size_t s = 0; s < Page().sections.size(); ++s) {
      const auto& swatches = Page().sections[s].swatches;
      for (size_t i = 0; i < swatches.size(); ++i)
        if (test(swatches[i])) return {static_cast<int>(s), static_cast<int>(i)};
    }
    return {};
  }
  // The first swatch whose label lines begin with these.
  site::SwatchRef Find(const std::vector<std::wstring>& lines) const {
    return Find([&](const site::Swatch& s) {
      return s.lines.size() >= lines.size() && std::equal(lines.begin(), lines.end(), s.lines.begin());
    });
  }
  site::SwatchRef FindCopy(std::wstring_view copy) const {
    return Find([&](const site::Swatch& s) { return s.copy == copy; });
  }
  // The last swatch of the first section whose last row is short.
  site::SwatchRef EndOfAShortRow() const {
    for (size_t s = 0; s < Page().sections.size(); ++s) {
      const site::Section& section = Page().sections[s];
      if (section.swatches.size() % static_cast<size_t>(section.columns) != 0)
        return {static_cast<int>(s), static_cast<int>(section.swatches.size()) - 1};
    }
    return {};
  }
  RECT Chip(site::SwatchRef ref) const {
    RECT chip = Page().sections[static_cast<size_t>(ref.section)].style->chip;
    const RECT cell = view_->CellOnScreen(ref);
    OffsetRect(&chip, cell.left, cell.top);
    return chip;
  }
  // The colour inside a swatch's chip on screen (selecting it brings it into view), or CLR_INVALID.
  COLORREF ChipOnScreen(site::SwatchRef ref) {
    if (!site::SwatchAt(Page(), ref)) return CLR_INVALID;
    view_->Select(ref);
    PaintPending();
    const RECT chip = Chip(ref);
    const Pixels pixels = PanePixels();
    const int x = chip.left + ChipInside, y = chip.top + ChipInside;
    if (x < 0 || y < 0 || x >= pixels.width() || y >= pixels.height()) return CLR_INVALID;
    return pixels.at(x, y);
  }
  Pixels PanePixels() const { return ReadWindow(view_->Pane()); }
  // The value of a notation row ("Hex", "RGB" ...) of the converter or the mixer, or nothing.
  std::wstring Notation(const wchar_t* name) const {
    const site::SwatchRef row = Find({name});
    return row.valid() ? Swatch(row).lines[1] : std::wstring();
  }
  // A key as the keyboard sends it to the focused window, Ctrl held when asked.
  void Key(HWND target, WPARAM key, bool control = false) {
    BYTE keys[256] = {};
    keys[VK_CONTROL] = control ? 0x80 : 0;
    SetKeyboardState(keys);
    SendMessageW(target, WM_KEYDOWN, key, 1);
    SendMessageW(target, WM_KEYUP, key, 1);
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
    Settle();
  }
  // A text typed into a box, then Enter.
  void Enter(HWND box, const wchar_t* text) {
    SetWindowTextW(box, text);
    Key(box, VK_RETURN);
  }
  // The mouse over a swatch's centre: its position, moved there, a click or a double click.
  LPARAM CellCentre(site::SwatchRef ref) const {
    const RECT cell = view_->CellOnScreen(ref);
    return At((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2);
  }
  void Point(site::SwatchRef ref) { SendMessageW(view_->Pane(), WM_MOUSEMOVE, 0, CellCentre(ref)); }
  void Click(site::SwatchRef ref, bool twice = false) {
    const LPARAM at = CellCentre(ref);
    for (UINT down : {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK}) {
      SendMessageW(view_->Pane(), down, MK_LBUTTON, at);
      SendMessageW(view_->Pane(), WM_LBUTTONUP, 0, at);
      if (!twice) return;
    }
  }

  std::unique_ptr<site::ChartView> view_;
};

}  // namespace test
