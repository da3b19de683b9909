// Pointing, selecting, copying and scrolling in the chart view.
#include "tests/site/view_fixture.h"

namespace {

using site::SwatchRef;
using test::ChartViewTest;

constexpr wchar_t Rgb216[] = L"/soft/qovu/rgb-color.html";
constexpr wchar_t Cmyk[] = L"/soft/qovu/cmyk-color.html";
constexpr wchar_t Common[] = L"/soft/qovu/jdcolor.html";

// Pointing shows a swatch's values in the status line; a click selects it and takes the
// focus; Ctrl+C (not C alone) copies its hex code in place of whatever the clipboard held.
// A double click selects and copies the swatch under the pointer and says so, until the
// pointer moves to another swatch. Where a short row ends, nothing is pointed at or
// selected. Start-page cards open charts.
TEST_F(ChartViewTest, PointSelectAndCopy) {
  Open(Rgb216);
  HWND pane = view_->Pane();
  const SwatchRef blue = Find(L"#336699");
  auto statusLine = [&] {
    UpdateWindow(view_->Window());
    const test::Pixels frame = test::ReadWindow(view_->Window());
    return frame.Crop(0, frame.height() - site::StatusLineHeight, frame.width(), site::StatusLineHeight);
  };
  const test::Pixels hint = statusLine();
  Point(blue);
  EXPECT_EQ(view_->Hover(), blue);
  EXPECT_NE(view_->StatusText().find(L"#336699"), std::wstring::npos);
  EXPECT_GT(statusLine().Differences(hint), 0) << "the status line shows the new text";
  Click(blue);
  EXPECT_EQ(view_->Selection(), blue);
  EXPECT_EQ(GetFocus(), pane);
  const UINT stale = test::StaleClipboard();
  Key(pane, 'C');
  EXPECT_EQ(test::ClipboardText(), L"");
  Key(pane, 'C', true);
  EXPECT_EQ(test::ClipboardText(), L"#336699");
  EXPECT_FALSE(IsClipboardFormatAvailable(stale)) << "a copy replaces what was there";
  EXPECT_EQ(view_->StatusText(), L"Copied #336699 to the clipboard.");

  for (const wchar_t* hex : {L"#000000", L"#0099CC"}) {
    const SwatchRef ref = Find(hex);
    Click(ref, true);
    EXPECT_EQ(view_->Selection(), ref);
    EXPECT_EQ(test::ClipboardText(), hex);
    EXPECT_EQ(view_->StatusText(), L"Copied " + std::wstring(hex) + L" to the clipboard.");
  }
  const SwatchRef black = Find(L"#000000");
  Point(black);
  EXPECT_EQ(view_->StatusText(), Swatch(black).status);

  // Past the end of a short last row there is nothing to point at or select.
  Open(Common);
  const SwatchRef last = EndOfAShortRow();
  ASSERT_TRUE(last.valid());
  view_->Select(last);
  const RECT cell = view_->CellOnScreen(last);
  const LPARAM past = test::At(cell.right + (cell.right - cell.left) / 2, cell.top + 2);
  SendMessageW(pane, WM_MOUSEMOVE, 0, past);
  SendMessageW(pane, WM_LBUTTONDOWN, MK_LBUTTON, past);
  EXPECT_FALSE(view_->Hover().valid());
  EXPECT_EQ(view_->Selection(), last);

  // A card opens when the button comes up on it, not elsewhere. A double click whose first
  // click opened a chart is a fresh press there: nothing is copied.
  Open(L"/b");
  const SwatchRef card = Find(L"RGB 颜色表");
  SendMessageW(pane, WM_LBUTTONDOWN, MK_LBUTTON, CellCentre(card));
  SendMessageW(pane, WM_LBUTTONUP, 0, test::At(1, 1));
  EXPECT_EQ(Page().id, site::PageId::Start);
  const UINT untouched = test::StaleClipboard();
  Click(card, true);
  EXPECT_EQ(Page().id, site::PageId::Rgb216);
  EXPECT_TRUE(IsClipboardFormatAvailable(untouched));
}

TEST_F(ChartViewTest, ArrowKeysMoveTheSelectionAcrossRowsAndSections) {
  Open(Rgb216);  // six slices of 6 × 6
  HWND pane = view_->Pane();
  SetFocus(pane);
  const struct {
    SwatchRef from;
    WPARAM key;
    SwatchRef to;
  } moves[] = {
      {{0, 0}, VK_RIGHT, {0, 1}},   {{0, 5}, VK_RIGHT, {0, 6}},   {{0, 6}, VK_LEFT, {0, 5}},
      {{0, 2}, VK_DOWN, {0, 8}},    {{0, 8}, VK_UP, {0, 2}},      {{0, 32}, VK_DOWN, {1, 2}},
      {{1, 3}, VK_UP, {0, 33}},     {{0, 35}, VK_RIGHT, {1, 0}},  {{1, 0}, VK_LEFT, {0, 35}},
      {{0, 0}, VK_LEFT, {0, 0}},    {{0, 1}, VK_UP, {0, 1}},      {{5, 35}, VK_RIGHT, {5, 35}},
      {{5, 34}, VK_DOWN, {5, 34}},
  };
  for (const auto& move : moves) {
    view_->Select(move.from);
    Key(pane, move.key);
    EXPECT_EQ(view_->Selection(), move.to)
        << move.from.section << "/" << move.from.index << " key " << move.key;
  }
  // A selection moved out of sight scrolls into view.
  view_->Select({0, 0});
  for (int i = 0; i < 40; ++i) Key(pane, VK_DOWN);
  const RECT cell = view_->CellOnScreen(view_->Selection());
  RECT client{};
  GetClientRect(pane, &client);
  EXPECT_GT(view_->ScrollPosition(), 0);
  EXPECT_GE(cell.top, 0);
  EXPECT_LE(cell.bottom, client.bottom);
  // Down from above the gap at the end of a short last row lands on the row's last swatch.
  Open(Common);
  const SwatchRef end = EndOfAShortRow();
  const int columns = Page().sections[static_cast<size_t>(end.section)].columns;
  view_->Select({end.section, end.index - (end.index + 1) % columns});
  Key(pane, VK_DOWN);
  EXPECT_EQ(view_->Selection(), end);
}

// The keys scroll the view and its scroll bar alike; the wheel by whole notches, however
// they come. (What a scroll step leaves on screen: view_scroll_test.cpp.)
TEST_F(ChartViewTest, KeysAndWheelScroll) {
  Open(Cmyk);
  HWND pane = view_->Pane();
  SetFocus(pane);
  RECT client{};
  GetClientRect(pane, &client);
  const int body = client.bottom;
  ASSERT_GT(view_->MaxScroll(), body);
  const struct {
    WPARAM key;
    int expected;  // -1: the end of the page
  } steps[] = {{VK_DOWN, 40}, {VK_DOWN, 80}, {VK_UP, 40},   {VK_NEXT, body}, {VK_PRIOR, 40},
               {VK_END, -1},  {VK_DOWN, -1}, {VK_HOME, 0},  {VK_UP, 0}};
  for (const auto& step : steps) {
    Key(pane, step.key);
    int expected = step.expected < 0 ? view_->MaxScroll() : step.expected;
    EXPECT_EQ(view_->ScrollPosition(), expected) << "key " << step.key;
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_POS;
    GetScrollInfo(pane, SB_VERT, &info);
    EXPECT_EQ(info.nPos, expected) << "scroll bar, key " << step.key;
  }
  // One notch towards the user scrolls down; three notches' worth in parts does the same.
  auto wheel = [](int delta) { return static_cast<WPARAM>(static_cast<WORD>(delta)) << 16; };
  SendMessageW(pane, WM_MOUSEWHEEL, wheel(-WHEEL_DELTA), 0);
  const int notch = view_->ScrollPosition();
  EXPECT_GT(notch, 0);
  for (int i = 0; i < 3; ++i) SendMessageW(pane, WM_MOUSEWHEEL, wheel(-WHEEL_DELTA / 3), 0);
  EXPECT_EQ(view_->ScrollPosition(), 2 * notch);
}

}  // namespace
