// The main window on the built-in chart site: the chart view in the browser's place, its
// cards, and the keys it needs getting past the form.
#include <gtest/gtest.h>

#include <string>

#include "app/forms.h"
#include "platform/message_loop.h"
#include "site/chart_view.h"
#include "site/site_address.h"
#include "skin/core/skin_kind.h"
#include "skin/core/skin_state.h"
#include "skin/core/window_props.h"
#include "skin/render/primitives.h"

namespace {

using app::soft;

class ChartSite : public ::testing::Test {
 protected:
  void SetUp() override {
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
    soft().Show();
    ASSERT_TRUE(soft().IsLoaded());
    view_ = dynamic_cast<site::ChartView*>(soft().WebBrowser1());
    ASSERT_NE(view_, nullptr);
    SetForegroundWindow(soft().hwnd());
    platform::ProcessPendingMessages();
  }
  void TearDown() override {
    soft().Unload();
    platform::ProcessPendingMessages();
    EXPECT_EQ(skin::SkinnedWindowCount, 0);
  }
  std::wstring Address() const { return skin::WindowText(view_->Window()); }
  // A key as the message loop delivers it: the form sees it first.
  static void Press(HWND target, WPARAM key) {
    PostMessageW(target, WM_KEYDOWN, key, 1);
    PostMessageW(target, WM_KEYUP, key, 1);
    platform::ProcessPendingMessages();
  }
  site::ChartView* view_ = nullptr;
};

// The start page in the browser's place, skinned; each of its cards opens the address its
// button asks for.
TEST_F(ChartSite, EachCardOfTheStartPageOpensTheAddressItsButtonAsksFor) {
  EXPECT_EQ(skin::WindowClassName(view_->Window()), site::ChartViewClassName);
  EXPECT_EQ(Address(), std::wstring(app::ChartSiteBase) + app::StartPagePath);
  EXPECT_EQ(view_->CurrentPage().id, site::PageId::Start);
  EXPECT_TRUE(skin::IsSkinned(view_->Pane()));
  for (const app::ChartButton& button : app::ChartButtons) {
    SendMessageW(soft().Control(button.name), BM_CLICK, 0, 0);
    const std::wstring fromButton = Address();
    view_->Navigate(std::wstring(app::ChartSiteBase) + app::StartPagePath);
    UpdateWindow(view_->Pane());
    const site::Section& cards = view_->CurrentPage().sections.at(0);
    int index = -1;
    for (size_t i = 0; i < cards.swatches.size(); ++i)
      if (cards.swatches[i].lines.at(0) == button.caption) index = static_cast<int>(i);
    ASSERT_GE(index, 0) << button.name;
    const RECT card = view_->CellOnScreen({0, index});
    const LPARAM centre = MAKELPARAM((card.left + card.right) / 2, (card.top + card.bottom) / 2);
    SendMessageW(view_->Pane(), WM_LBUTTONDOWN, MK_LBUTTON, centre);
    SendMessageW(view_->Pane(), WM_LBUTTONUP, 0, centre);
    EXPECT_EQ(Address(), fromButton) << button.name;
  }
}

// The view, first in the tab order, has the focus when the window opens; Tab reaches it
// after the last button and the page's own controls after it; the scroll and arrow keys
// reach it, and Enter in the converter's text box converts (the form has no default button
// to take it).
TEST_F(ChartSite, TheFormLeavesTheViewAndThePagesControlsTheirKeys) {
  EXPECT_EQ(GetFocus(), view_->Pane());
  SetFocus(soft().Control(L"Command12"));
  Press(GetFocus(), VK_TAB);
  EXPECT_EQ(GetFocus(), view_->Pane());
  Press(view_->Pane(), VK_TAB);
  EXPECT_EQ(GetFocus(), soft().Control(L"Command1"));

  SendMessageW(soft().Control(L"Command1"), BM_CLICK, 0, 0);  // CMYK, a long page
  SetFocus(view_->Pane());
  Press(view_->Pane(), VK_NEXT);
  EXPECT_GT(view_->ScrollPosition(), 0);
  Press(view_->Pane(), VK_HOME);
  EXPECT_EQ(view_->ScrollPosition(), 0);
  view_->Select({0, 0});
  Press(view_->Pane(), VK_RIGHT);
  EXPECT_EQ(view_->Selection(), (site::SwatchRef{0, 1}));

  SendMessageW(soft().Control(L"Command12"), BM_CLICK, 0, 0);  // the converter
  SetFocus(view_->Pane());
  Press(view_->Pane(), VK_TAB);
  HWND input = GetFocus();
  EXPECT_EQ(skin::WindowClassName(input), L"Edit");
  EXPECT_EQ(GetParent(input), view_->Pane());
  SetWindowTextW(input, L"#663399");
  const size_t before = view_->CurrentPage().sections.size();
  Press(input, VK_RETURN);
  EXPECT_GT(view_->CurrentPage().sections.size(), before);
  Press(input, VK_TAB);  // the Convert button, then the chart buttons
  Press(GetFocus(), VK_TAB);
  EXPECT_EQ(GetFocus(), soft().Control(L"Command1"));
}

}  // namespace
