#pragma once
// A chart view in a visible, skinned form of the main window's browser size, with short
// ways to open pages, find swatches, read their pixels back, click and press keys.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "site/chart_view.h"
#include "site/site_address.h"
#include "tests/support/pixels.h"
#include "tests/support/skin_test.h"

namespace test {

// The browser's rectangle in the main window, in pixels.
inline constexpr RECT ViewBounds{0, 0, 713, 569};

class ChartViewTest : public SkinTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  void Open(std::wstring_view path);
  const site::Page& Page() const { return view_->CurrentPage(); }
  const site::Swatch& Swatch(site::SwatchRef ref) const { return *site::SwatchAt(Page(), ref); }
  // The first swatch that passes the test, or an invalid reference.
  site::SwatchRef Find(const std::function<bool(const site::Swatch&)>& test) const;
  // The first swatch whose label line `line` reads text, or whose copy text is it.
  site::SwatchRef Find(std::wstring_view text, size_t line = 0) const;
  site::SwatchRef FindCopy(std::wstring_view copy) const;
  // The last swatch of the first section whose last row is short.
  site::SwatchRef EndOfAShortRow() const;
  // The colour on screen inside a swatch's chip, after bringing it into view.
  COLORREF ChipOnScreen(site::SwatchRef ref);
  // The pane's pixels as they are on screen.
  Pixels PanePixels() const { return ReadWindow(view_->Pane()); }
  // A key as the keyboard sends it to the focused window, Ctrl held when asked.
  void Key(HWND target, WPARAM key, bool control = false);
  // The mouse over a swatch's centre: its position, moved there, or a click (a double click
  // when asked).
  LPARAM CellCentre(site::SwatchRef ref) const;
  void Point(site::SwatchRef ref);
  void Click(site::SwatchRef ref, bool twice = false);

  std::unique_ptr<site::ChartView> view_;
};

// Text on the clipboard, empty when there is none.
std::wstring ClipboardText();
// Leaves nothing on the clipboard but a format of the tests' own, which a copy must remove;
// returns that format.
UINT StaleClipboard();

inline COLORREF Rgb(unsigned hex) { return RGB(hex >> 16, (hex >> 8) & 0xFF, hex & 0xFF); }

}  // namespace test
