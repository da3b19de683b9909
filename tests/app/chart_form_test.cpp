// The colour-chart main window, with a browser that records what it is asked for, and on
// the built-in chart site: the chart view in the browser's place, its cards, and the keys
// it needs getting past the form.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/forms.h"
#include "app/login_form.h"
#include "platform/message_loop.h"
#include "site/chart_view.h"
#include "site/site_address.h"
#include "skin/core/skin_kind.h"
#include "skin/core/skin_state.h"
#include "skin/core/window_props.h"
#include "skin/kinds/kind_table.h"
#include "skin/render/primitives.h"
#include "tests/support/quiet_browser.h"

namespace {

using app::Form2;
using app::soft;

using Request = test::QuietBrowser::Request;
std::vector<Request>& requests = test::QuietBrowser::Requests();

class ChartWindow : public ::testing::Test {
 protected:
  // The recording browser, or the one the program makes: the chart view.
  virtual bool OnTheChartSite() const { return false; }
  void SetUp() override {
    requests.clear();
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
    if (!OnTheChartSite()) platform::SetBrowserFactory(test::QuietBrowser::Make);
    soft().Show();
    ASSERT_TRUE(soft().IsLoaded());
    SetForegroundWindow(soft().hwnd());
    platform::ProcessPendingMessages();
  }
  void TearDown() override {
    Form2().Unload();
    soft().Unload();
    app::Form1().Unload();
    platform::ProcessPendingMessages();
    platform::SetBrowserFactory({});
    EXPECT_EQ(platform::LoadedFormCount(), 0);
    EXPECT_EQ(skin::SkinnedWindowCount, 0);
  }
  static std::wstring Address(const wchar_t* path) { return std::wstring(app::ChartSiteBase) + path; }
  static HWND Button(int number) { return soft().Control(L"Command" + std::to_wstring(number)); }
  static RECT Placed(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    MapWindowPoints(nullptr, soft().hwnd(), reinterpret_cast<POINT*>(&r), 2);
    return r;
  }
  // A click through the skinned button's procedures, or on the picture, a windowless control.
  static void Click(HWND button) {
    SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
    SendMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
  }
  static void ClickPicture() {
    const RECT image = soft().ControlRect(L"Image1");
    SendMessageW(soft().hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(image.left + 5, image.top + 5));
    SendMessageW(soft().hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(image.left + 5, image.top + 5));
  }
  // A key as the message loop delivers it: the form sees it first.
  static void Press(HWND target, WPARAM key) {
    PostMessageW(target, WM_KEYDOWN, key, 1);
    PostMessageW(target, WM_KEYUP, key, 1);
    platform::ProcessPendingMessages();
  }
};

class ChartSite : public ChartWindow {
 protected:
  bool OnTheChartSite() const override { return true; }
  void SetUp() override {
    ChartWindow::SetUp();
    view_ = dynamic_cast<site::ChartView*>(soft().WebBrowser1());
    ASSERT_NE(view_, nullptr);
  }
  std::wstring Shown() const { return skin::WindowText(view_->Window()); }
  site::ChartView* view_ = nullptr;
};

// The start page is asked for before the skin is attached; each button then loads its page
// and nothing else, every click again, by the mouse or the button message alike.
TEST_F(ChartWindow, OpensOnTheStartPageAndEachButtonLoadsItsPageOnEveryClick) {
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].address, L"https://www.tintora.example/b");
  EXPECT_FALSE(requests[0].parentSkinned);
  EXPECT_TRUE(skin::IsSkinned(soft().hwnd()));
  EXPECT_EQ(skin::SkinnedWindowCount, 14);  // the form, its twelve buttons and the browser
  const wchar_t* pages[12] = {
      L"/soft/qovu/cmyk-color.html",  L"/soft/qovu/rgb-color.html", L"/soft/qovu/PANTONE CU.htm",
      L"/soft/qovu/PANTONE U.htm",    L"/soft/qovu/PANTONE C.htm",  L"/soft/qovu/new_page_RAL.htm",
      L"/soft/qovu/new_page_512.htm", L"/soft/qovu/jdcolor.html",   L"/soft/qovu/zywdzcolor.html",
      L"/soft/qovu/txonlecolor.html", L"/soft/qovu/ysdmcolor.html", L"/soft/qovu/fool.htm"};
  for (int number = 1; number <= 12; ++number) {
    requests.clear();
    Click(Button(number));
    Click(Button(number));
    SendMessageW(Button(number), BM_CLICK, 0, 0);
    EXPECT_TRUE(skin::IsSkinned(Button(number)));
    ASSERT_EQ(requests.size(), 3u) << "Command" << number;
    for (const Request& r : requests) EXPECT_EQ(r.address, Address(pages[number - 1])) << "Command" << number;
  }
  EXPECT_FALSE(Form2().IsLoaded());
}

// A fixed window of 711 x 655 client pixels, the browser over its top (its window skinned,
// of no kind of its own), twelve buttons 33 pixels high whose upper row reads in screen order
// 1, 2, 5, 4, 3, 6 while Tab follows the numbers, and the picture right of the client area.
TEST_F(ChartWindow, TheBrowserAndTheButtonsSitInPlaceAndTabFollowsTheNumbers) {
  RECT client{};
  GetClientRect(soft().hwnd(), &client);
  EXPECT_EQ(client.right * 1000 + client.bottom, 711 * 1000 + 655);
  EXPECT_EQ(soft().BackColor(), 0xCA8E28u);
  const LONG_PTR style = GetWindowLongPtrW(soft().hwnd(), GWL_STYLE);
  EXPECT_TRUE(style & WS_CAPTION);
  EXPECT_FALSE(style & WS_THICKFRAME);
  HWND browser = soft().WebBrowser1()->Window();
  const RECT b = Placed(browser);
  EXPECT_TRUE(b.left == 0 && b.top == 0 && b.right == 713 && b.bottom == 569);
  EXPECT_TRUE(skin::IsSkinned(browser));
  EXPECT_EQ(skin::KindOf(browser), skin::SkinKind::Other);
  EXPECT_GE(soft().ControlRect(L"Image1").left, client.right);
  int lastLeft = -1;
  for (int number : {1, 2, 5, 4, 3, 6}) {
    const RECT r = Placed(Button(number));
    EXPECT_GT(r.left, lastLeft) << "Command" << number;
    lastLeft = r.left;
  }
  SetFocus(Button(1));
  for (int number = 2; number <= 12; ++number) {
    EXPECT_EQ(Placed(Button(number)).bottom - Placed(Button(number)).top, 33) << "Command" << number;
    PostMessageW(GetFocus(), WM_KEYDOWN, VK_TAB, 1);
    platform::ProcessPendingMessages();
    EXPECT_EQ(GetFocus(), Button(number));
  }
}

// The picture opens Form2, unowned, 312 x 213, not centred; activated from the main window
// it is skinned then; closing the main window with Form2 open keeps the program alive.
TEST_F(ChartWindow, ThePictureOpensForm2SkinnedOnActivationAndTheProgramLivesOnWithIt) {
  const LONG before = skin::SkinnedWindowCount;
  ClickPicture();
  platform::ProcessPendingMessages();
  ASSERT_TRUE(Form2().IsLoaded());
  EXPECT_TRUE(IsWindowVisible(Form2().hwnd()));
  EXPECT_EQ(GetWindow(Form2().hwnd(), GW_OWNER), nullptr);
  RECT client{};
  GetClientRect(Form2().hwnd(), &client);
  EXPECT_EQ(client.right * 1000 + client.bottom, 312 * 1000 + 213);
  RECT placed{};  // where the platform puts new windows, not centred as the main window is
  GetWindowRect(Form2().hwnd(), &placed);
  EXPECT_NE(placed.left, (GetSystemMetrics(SM_CXSCREEN) - (placed.right - placed.left)) / 2);
  EXPECT_EQ(requests.size(), 1u);  // only the start page
  EXPECT_EQ(GetActiveWindow(), Form2().hwnd());
  EXPECT_TRUE(skin::IsSkinned(Form2().hwnd()));
  EXPECT_EQ(skin::SkinnedWindowCount, before + 1);
  SendMessageW(soft().hwnd(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(soft().IsLoaded());
  EXPECT_EQ(platform::LoadedFormCount(), 1);
  SendMessageW(Form2().hwnd(), WM_CLOSE, 0, 0);
  EXPECT_EQ(platform::LoadedFormCount(), 0);
}

// A form whose creation fails after its first message (its WM_CREATE refused) was never
// loaded: the count of loaded forms, which keeps the process alive, stays as it was.
TEST_F(ChartWindow, AFormThatFailsToBeCreatedLeavesTheLoadedFormsAsTheyWere) {
  static WNDPROC formProcedure = nullptr;
  const HHOOK hook = SetWindowsHookExW(
      WH_CBT,
      [](int code, WPARAM wParam, LPARAM lParam) -> LRESULT {
        auto created = reinterpret_cast<HWND>(wParam);
        if (code == HCBT_CREATEWND && skin::WindowClassName(created) == platform::Form::WindowClass) {
          formProcedure = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
              created, GWLP_WNDPROC,
              reinterpret_cast<LONG_PTR>(+[](HWND hwnd, UINT m, WPARAM w, LPARAM l) -> LRESULT {
                return m == WM_CREATE ? -1 : CallWindowProcW(formProcedure, hwnd, m, w, l);
              })));
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
      },
      nullptr, GetCurrentThreadId());
  Form2().Show();
  UnhookWindowsHookEx(hook);
  EXPECT_FALSE(Form2().IsLoaded());
  EXPECT_EQ(platform::LoadedFormCount(), 1);
  EXPECT_TRUE(soft().IsLoaded());
}

// The start page in the browser's place, skinned; each of its cards opens the address its
// button asks for.
TEST_F(ChartSite, EachCardOfTheStartPageOpensTheAddressItsButtonAsksFor) {
  EXPECT_EQ(skin::WindowClassName(view_->Window()), site::ChartViewClassName);
  EXPECT_EQ(Shown(), std::wstring(app::ChartSiteBase) + app::StartPagePath);
  EXPECT_EQ(view_->CurrentPage().id, site::PageId::Start);
  EXPECT_TRUE(skin::IsSkinned(view_->Pane()));
  for (const app::ChartButton& button : app::ChartButtons) {
    SendMessageW(soft().Control(button.name), BM_CLICK, 0, 0);
    const std::wstring fromButton = Shown();
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
    EXPECT_EQ(Shown(), fromButton) << button.name;
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
