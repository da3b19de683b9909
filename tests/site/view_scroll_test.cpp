// Scroll steps that come while parts of the pane wait to be painted: the pixels on screen
// move at once, and what waited is painted later both where it is and where its stale
// pixels were carried.
#include <vector>

#include "tests/site/view_fixture.h"

namespace {

using test::ChartViewTest;

constexpr wchar_t Cmyk[] = L"/soft/qovu/cmyk-color.html";
constexpr POINT SelectAt{150, 200};  // pane pixels: a swatch of the CMYK chart at any scroll

LPARAM At(POINT p) { return MAKELPARAM(p.x, p.y); }

TEST_F(ChartViewTest, StepsOverWaitingPaintsEndAsAFreshPaint) {
  const struct {
    const char* name;
    int linesDown;            // where the steps start
    std::vector<WORD> steps;  // sent one after another, a new swatch pointed at before each
  } cases[] = {
      {"a line down", 10, {SB_LINEDOWN}},
      {"down and back", 10, {SB_LINEDOWN, SB_LINEDOWN, SB_LINEUP}},
      {"up", 20, {SB_LINEUP, SB_LINEUP, SB_LINEUP}},
      {"a page down, a line up", 10, {SB_PAGEDOWN, SB_LINEUP}},
  };
  for (const auto& c : cases) {
    Open(Cmyk);
    HWND pane = view_->Pane();
    for (int i = 0; i < c.linesDown; ++i) SendMessageW(pane, WM_VSCROLL, SB_LINEDOWN, 0);
    Settle();
    UpdateWindow(pane);
    // A selection and a hover change wait to be painted when each step comes.
    SendMessageW(pane, WM_LBUTTONDOWN, MK_LBUTTON, At(SelectAt));
    SendMessageW(pane, WM_LBUTTONUP, 0, At(SelectAt));
    ASSERT_TRUE(view_->Selection().valid()) << c.name;
    for (size_t i = 0; i < c.steps.size(); ++i) {
      SendMessageW(pane, WM_MOUSEMOVE, 0, At(POINT{300 + 60 * static_cast<int>(i), 150}));
      SendMessageW(pane, WM_VSCROLL, c.steps[i], 0);
    }
    Settle();
    UpdateWindow(pane);
    test::Pixels scrolled = PanePixels();
    InvalidateRect(pane, nullptr, FALSE);
    UpdateWindow(pane);
    EXPECT_EQ(scrolled.Differences(PanePixels()), 0) << c.name;
  }
}

}  // namespace
