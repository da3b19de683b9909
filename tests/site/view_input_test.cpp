// Pointing, selecting, copying and scrolling in the chart view.
#include "tests/site/view_fixture.h"

namespace {

using namespace site;
using test::ChartViewTest;


// Pointing shows a swatch's values in the status line; a click selects it and takes the focus;
// Ctrl+C (not C) or a double click copies its hex code over the clipboard, and says so.
TEST_F(ChartViewTest, PointSelectAndCopy) {
  Open(PageId::Rgb216);
  HWND pane = view_->Pane();
  const SwatchRef blue = Find({L"#336699"});
  Point(blue);
  EXPECT_EQ(view_->Hover(), blue);
  EXPECT_TRUE(GetUpdateRect(view_->Window(), nullptr, FALSE)) << "the status line is to be painted anew";
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
  const SwatchRef black = Find({L"#000000"});
  Click(black, true);
  EXPECT_EQ(view_->Selection(), black);
  EXPECT_EQ(test::ClipboardText(), L"#000000");
  EXPECT_EQ(view_->StatusText(), L"Copied #000000 to the clipboard.");
  Point(black);
  EXPECT_EQ(view_->StatusText(), Swatch(black).status);

  // Past the end of a short last row there is nothing to point at or select.
  Open(PageId::Common);
  const SwatchRef last = EndOfAShortRow();
  ASSERT_TRUE(last.valid());
  view_->Select(last);
  const RECT cell = view_->CellOnScreen(last);
  const LPARAM past = test::At(cell.right + (cell.right - cell.left) / 2, cell.top + 2);
  SendMessageW(pane, WM_MOUSEMOVE, 0, past);
  SendMessageW(pane, WM_LBUTTONDOWN, MK_LBUTTON, past);
  EXPECT_FALSE(view_->Hover().valid());
  EXPECT_EQ(view_->Selection(), last);

  // A card opens on release over it; a double click whose first click opened a chart copies nothing.
  Open(L"/b");
  const SwatchRef card = Find({L"RGB 颜色表"});
  SendMessageW(pane, WM_LBUTTONDOWN, MK_LBUTTON, CellCentre(card));
  SendMessageW(pane, WM_LBUTTONUP, 0, test::At(1, 1));
  EXPECT_EQ(Page().id, PageId::Start);
  const UINT untouched = test::StaleClipboard();
  Click(card, true);
  EXPECT_EQ(Page().id, PageId::Rgb216);
  EXPECT_TRUE(IsClipboardFormatAvailable(untouched));
}

// Arrows move the selection, in view; without one keys scroll view and bar, the wheel by notches.
TEST_F(ChartViewTest, KeysMoveTheSelectionOrScroll) {
  Open(PageId::Rgb216);  // six slices of 6 × 6
  HWND pane = view_->Pane();
  SetFocus(pane);
  const std::tuple<SwatchRef, WPARAM, SwatchRef> moves[] = {
      {{0, 5}, VK_RIGHT, {0, 6}},  {{0, 6}, VK_LEFT, {0, 5}},    {{0, 2}, VK_DOWN, {0, 8}},
      {{0, 8}, VK_UP, {0, 2}},     {{0, 32}, VK_DOWN, {1, 2}},   {{1, 3}, VK_UP, {0, 33}},
      {{0, 35}, VK_RIGHT, {1, 0}}, {{1, 0}, VK_LEFT, {0, 35}},   {{0, 0}, VK_LEFT, {0, 0}},
      {{0, 1}, VK_UP, {0, 1}},     {{5, 35}, VK_RIGHT, {5, 35}}, {{5, 34}, VK_DOWN, {5, 34}},
  };
  for (const auto& [from, key, to] : moves) {
    view_->Select(from);
    Key(pane, key);
    EXPECT_EQ(view_->Selection(), to) << from.section << "/" << from.index << ", key " << key;
  }
  RECT client{};
  GetClientRect(pane, &client);
  view_->Select({0, 0});
  for (int i = 0; i < 40; ++i) Key(pane, VK_DOWN);
  const RECT cell = view_->CellOnScreen(view_->Selection());
  EXPECT_GT(view_->ScrollPosition(), 0);
  EXPECT_TRUE(cell.top >= 0 && cell.bottom <= client.bottom);

  Open(PageId::Cmyk);
  ASSERT_GT(view_->MaxScroll(), client.bottom);
  const std::pair<WPARAM, int> steps[] = {  // -1: the end of the page
      {VK_DOWN, 40}, {VK_DOWN, 80}, {VK_UP, 40},  {VK_NEXT, client.bottom}, {VK_PRIOR, 40},
      {VK_END, -1},  {VK_DOWN, -1}, {VK_HOME, 0}, {VK_UP, 0}};
  for (const auto& [key, position] : steps) {
    Key(pane, key);
    const int expected = position < 0 ? view_->MaxScroll() : position;
    EXPECT_EQ(view_->ScrollPosition(), expected) << "key " << key;
    EXPECT_EQ(GetScrollPos(pane, SB_VERT), expected) << "scroll bar, key " << key;
  }
  // One notch towards the user scrolls down; three notches' worth in parts does the same.
  auto wheel = [](int delta) { return static_cast<WPARAM>(static_cast<WORD>(delta)) << 16; };
  SendMessageW(pane, WM_MOUSEWHEEL, wheel(-WHEEL_DELTA), 0);
  const int notch = view_->ScrollPosition();
  EXPECT_GT(notch, 0);
  for (int i = 0; i < 3; ++i) SendMessageW(pane, WM_MOUSEWHEEL, wheel(-WHEEL_DELTA / 3), 0);
  EXPECT_EQ(view_->ScrollPosition(), 2 * notch);

  // Down from above the gap at the end of a short last row lands on the row's last swatch.
  Open(PageId::Common);
  const SwatchRef end = EndOfAShortRow();
  const int columns = Page().sections[static_cast<size_t>(end.section)].columns;
  view_->Select({end.section, end.index - (end.index + 1) % columns});
  Key(pane, VK_DOWN);
  EXPECT_EQ(view_->Selection(), end);
}

// Steps over paints still waiting move the pixels; what waited is painted where its pixels went too.
TEST_F(ChartViewTest, StepsOverWaitingPaintsEndAsAFreshPaint) {
  const LPARAM selectAt = test::At(150, 200);  // a swatch of the CMYK chart at any scroll
  // From ten lines down, steps with a new swatch pointed at before each.
  const std::vector<WORD> cases[] = {{SB_LINEDOWN, SB_LINEDOWN, SB_LINEUP}, {SB_PAGEDOWN, SB_LINEUP}};
  for (const std::vector<WORD>& steps : cases) {
    Open(PageId::Cmyk);
    HWND pane = view_->Pane();
    for (int i = 0; i < 10; ++i) SendMessageW(pane, WM_VSCROLL, SB_LINEDOWN, 0);
    PaintPending();
    SendMessageW(pane, WM_LBUTTONDOWN, MK_LBUTTON, selectAt);
    SendMessageW(pane, WM_LBUTTONUP, 0, selectAt);
    ASSERT_TRUE(view_->Selection().valid());
    for (size_t i = 0; i < steps.size(); ++i) {
      SendMessageW(pane, WM_MOUSEMOVE, 0, test::At(300 + 60 * static_cast<int>(i), 150));
      SendMessageW(pane, WM_VSCROLL, steps[i], 0);
    }
    PaintPending();
    const test::Pixels scrolled = PanePixels();
    InvalidateRect(pane, nullptr, FALSE);
    UpdateWindow(pane);
    EXPECT_EQ(scrolled.Differences(PanePixels()), 0) << steps.size() << " steps";
  }
}

}  // namespace
