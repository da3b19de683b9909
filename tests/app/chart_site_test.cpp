// The main window on the built-in chart site: the chart view in the browser's place, its
// cards, and the keys it needs getting past the form.
#include <gtest/gtest.h>

#include <string>

#include "app/forms.h"
#include "platform/message_loop.h"
#include "site/chart_view.h"
#include "site/site_address.h"
#include "skin/core/skin_state.h"
#include "skin/core/window_props.h"

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
  std::wstring Address() const {
    wchar_t text[512] = {};
    GetWindowTextW(view_->Window(), text, 512);
    return text;
  }
  // A key as the message loop delivers it: the form sees it first.
  static void Press(HWND target, WPARAM key) {
    PostMessageW(target, WM_KEYDOWN, key, 1);
    PostMessageW(target, WM_KEYUP, key, 1);
    platform::ProcessPendingMessages();
  }
  site::ChartView* view_ = nullptr;
};

TEST_F(ChartSite, TheDefaultSiteIsDrawnInTheBrowsersPlace) {
  wchar_t className[64] = {};
  GetClassNameW(view_->Window(), className, 64);
  EXPECT_STREQ(className, site::ChartViewClassName);
  EXPECT_EQ(Address(), std::wstring(app::ChartSiteBase) + app::StartPagePath);
  EXPECT_EQ(view_->CurrentPage().id, site::PageId::Start);
  EXPECT_TRUE(skin::IsSkinned(view_->Pane()));
}

TEST_F(ChartSite, EachCardOpensTheAddressItsButtonAsksFor) {
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
    RECT card = view_->CellOnScreen({0, index});
    LPARAM centre = MAKELPARAM((card.left + card.right) / 2, (card.top + card.bottom) / 2);
    SendMessageW(view_->Pane(), WM_LBUTTONDOWN, MK_LBUTTON, centre);
    SendMessageW(view_->Pane(), WM_LBUTTONUP, 0, centre);
    EXPECT_EQ(Address(), fromButton) << button.name;
  }
}

TEST_F(ChartSite, TabReachesTheViewAndThePagesOwnControls) {
  HWND last = soft().Control(L"Command12");
  SetFocus(last);
  Press(last, VK_TAB);
  EXPECT_EQ(GetFocus(), view_->Pane());
  Press(view_->Pane(), VK_TAB);
  EXPECT_EQ(GetFocus(), soft().Control(L"Command1"));

  SendMessageW(soft().Control(L"Command12"), BM_CLICK, 0, 0);  // the converter
  SetFocus(view_->Pane());
  Press(view_->Pane(), VK_TAB);
  HWND input = GetFocus();
  wchar_t className[16] = {};
  GetClassNameW(input, className, 16);
  EXPECT_STREQ(className, L"Edit");
  EXPECT_EQ(GetParent(input), view_->Pane());
  Press(input, VK_TAB);  // the Convert button, then the chart buttons
  Press(GetFocus(), VK_TAB);
  EXPECT_EQ(GetFocus(), soft().Control(L"Command1"));
}

TEST_F(ChartSite, TheFormLeavesTheViewItsKeys) {
  SendMessageW(soft().Control(L"Command1"), BM_CLICK, 0, 0);  // CMYK, a long page
  SetFocus(view_->Pane());
  Press(view_->Pane(), VK_NEXT);
  EXPECT_GT(view_->ScrollPosition(), 0);
  Press(view_->Pane(), VK_HOME);
  EXPECT_EQ(view_->ScrollPosition(), 0);
  view_->Select({0, 0});
  Press(view_->Pane(), VK_RIGHT);
  EXPECT_EQ(view_->Selection(), (site::SwatchRef{0, 1}));

  // Enter in the converter's text box converts; the form has no default button to take it.
  SendMessageW(soft().Control(L"Command12"), BM_CLICK, 0, 0);
  SetFocus(view_->Pane());
  Press(view_->Pane(), VK_TAB);
  HWND input = GetFocus();
  SetWindowTextW(input, L"#663399");
  const size_t before = view_->CurrentPage().sections.size();
  Press(input, VK_RETURN);
  EXPECT_GT(view_->CurrentPage().sections.size(), before);
}

}  // namespace
