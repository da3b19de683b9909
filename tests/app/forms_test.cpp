// The login dialog and the main window, through their real windows and the form runtime's loop.
#include <gtest/gtest.h>

#include <string>

#include "app/forms.h"
#include "app/login_form.h"
#include "platform/message_loop.h"
#include "site/chart_view.h"
#include "skin/core/skin_state.h"
#include "skin/core/window_props.h"
#include "skin/core/skin_kind.h"
#include "tests/support/message_box_watcher.h"
#include "tests/support/pixels.h"
#include "tests/support/pump.h"
#include "tests/support/quiet_browser.h"
#include "tests/support/recorder.h"

namespace {

using namespace app;

std::vector<test::QuietBrowser::Request>& requests = test::QuietBrowser::Requests();

// Every form is gone after each test, and with them every skinned window.
class Forms : public ::testing::Test {
 protected:
  void TearDown() override {
    Form2().Unload();
    soft().Unload();
    Form1().Unload();
    platform::ProcessPendingMessages();
    platform::SetBrowserFactory({});
    EXPECT_EQ(platform::LoadedFormCount(), 0);
    EXPECT_EQ(skin::SkinnedWindowCount, 0);
  }
  static void Show(platform::Form& form) {
    form.Show();
    ASSERT_TRUE(form.IsLoaded());
    SetForegroundWindow(form.hwnd());
    platform::ProcessPendingMessages();
  }
  // A click through the window's own procedures: a skinned button's, or the form's.
  static void Click(HWND hwnd, POINT at) {
    SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    SendMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
  }
  // A key to a window given the focus, through the message loop: the form sees it first.
  static void Press(HWND target, WPARAM key, UINT message = WM_KEYDOWN) {
    SetFocus(target);
    PostMessageW(target, message, key, message == WM_SYSKEYDOWN ? 0x20000001 : 1);  // Alt held
    platform::ProcessPendingMessages();
  }
};

class LoginDialog : public Forms {
 protected:
  void SetUp() override { Show(Form1()); }
  static HWND dialog() { return Form1().hwnd(); }
  static HWND Control(const wchar_t* name) { return Form1().Control(name); }
};

// The key colour shows where the 255 x 430 backdrop leaves strips of the 259 x 432 window.
TEST_F(LoginDialog, IsAShapedCentredSkinnedDialogThatADragMovesAndTheHotSpotMinimises) {
  COLORREF key = 0;
  DWORD flags = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(dialog(), &key, nullptr, &flags));
  EXPECT_EQ(key, app::LoginKeyColor);
  EXPECT_EQ(flags, static_cast<DWORD>(LWA_COLORKEY));
  EXPECT_TRUE(GetWindowLongPtrW(dialog(), GWL_EXSTYLE) & WS_EX_APPWINDOW);
  EXPECT_EQ(Form1().Left(), (GetSystemMetrics(SM_CXSCREEN) - 259) / 2 * 15);
  EXPECT_EQ(Form1().Top(), (GetSystemMetrics(SM_CYSCREEN) - 432) / 2 * 15);
  RedrawWindow(dialog(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  const test::Pixels pixels = test::ReadWindow(dialog());
  ASSERT_EQ(pixels.width() * 1000 + pixels.height(), 259 * 1000 + 432);
  EXPECT_EQ(pixels.Count(key, 255, 0, 4, 432) + pixels.Count(key, 0, 430, 259, 2),
            4 * 432 + 259 * 2);
  EXPECT_EQ(pixels.Count(key, 10, 160, 235, 100), 0);
  EXPECT_EQ(skin::SkinnedWindowCount, 5);
  const std::pair<const wchar_t*, RECT> controls[] = {
      {L"txtUserName", {88, 288, 243, 311}}, {L"txtPassword", {88, 320, 243, 343}},
      {L"cmdOK", {96, 360, 164, 386}}, {L"cmdCancel", {176, 360, 244, 386}}};
  for (const auto& [name, rect] : controls) {
    const RECT placed = Form1().ControlRect(name);
    EXPECT_TRUE(EqualRect(&placed, &rect)) << testing::PrintToString(std::wstring(name));
  }
  EXPECT_EQ(SendMessageW(Control(L"txtPassword"), EM_GETPASSWORDCHAR, 0, 0), L'*');
  // Only a press on the form's own surface that kept the mouse moves it, once, at the release.
  const RECT label = Form1().ControlRect(L"lblLabels", 0);
  const POINT panel{150, 200}, onLabel{label.left + 2, label.top + 2};
  const struct {
    bool press;
    POINT at;
    bool captureLost;  // another window takes the mouse in the middle
    int dx, dy;
  } drags[] = {{true, panel, false, 20, 10},
               {false, panel, false, 0, 0},
               {true, onLabel, false, 0, 0},
               {true, panel, true, 0, 0}};
  for (const auto& d : drags) {
    SCOPED_TRACE(testing::Message() << "press " << d.press << " lost " << d.captureLost);
    const float left = Form1().Left(), top = Form1().Top();
    if (d.press) SendMessageW(dialog(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(d.at.x, d.at.y));
    SendMessageW(dialog(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(d.at.x + 10, d.at.y + 5));
    EXPECT_EQ(Form1().Top(), top) << "the window must not follow the mouse";
    if (d.captureLost) SetCapture(Control(L"txtUserName"));
    SendMessageW(dialog(), WM_LBUTTONUP, 0, MAKELPARAM(d.at.x + 20, d.at.y + 10));
    ReleaseCapture();
    EXPECT_EQ(Form1().Left() - left, d.dx * 15);
    EXPECT_EQ(Form1().Top() - top, d.dy * 15);
  }
  Click(dialog(), {Form1().ControlRect(L"Label3").left + 10, 20});  // the hot spot
  EXPECT_TRUE(IsIconic(dialog()));
}

// One wrong password of each kind (empty, padded, extended, long, look-alike digits), then the
// keys and clicks that move the focus, log in and exit.
TEST_F(LoginDialog, AWrongPasswordGivesTheMessageBoxAndKeysAndClicksActAsTheDialogSays) {
  HWND password = Control(L"txtPassword");
  const auto selectedWhole = [password] {
    DWORD start = 1, end = 0;
    SendMessageW(password, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    return start == 0 && end == static_cast<DWORD>(GetWindowTextLengthW(password));
  };
  const std::wstring attempts[] = {L"", L" 583172946", L"5831729460", std::wstring(100000, L'7'),
                                   L"\xFF15\xFF18\xFF13\xFF11\xFF17\xFF12\xFF19\xFF14\xFF16"};
  for (const std::wstring& attempt : attempts) {
    SCOPED_TRACE(testing::Message() << "a password of " << attempt.size() << " characters");
    SetWindowTextW(password, attempt.c_str());
    test::MessageBoxWatcher watcher;
    Click(Control(L"cmdOK"), {5, 5});
    ASSERT_EQ(watcher.seen().size(), 1u);
    EXPECT_EQ(watcher.seen()[0].text, app::WrongPasswordText);
    EXPECT_EQ(watcher.seen()[0].title, app::WrongPasswordTitle);
    EXPECT_EQ(watcher.seen()[0].owner, dialog());
    EXPECT_FALSE(watcher.seen()[0].iconShown);
    EXPECT_TRUE(test::PumpUntil(5000, selectedWhole));  // selected by keys sent as input
  }
  // Enter logs in from a text box (the default button's) but exits on Exit (the focused one).
  enum Outcome { Focus, LoggedIn, Exited };
  const struct {
    const wchar_t* focus;
    UINT message;
    WPARAM key;
    Outcome outcome;
    const wchar_t* then;  // focused afterwards, or the user name typed
  } steps[] = {{L"txtPassword", WM_KEYDOWN, VK_TAB, Focus, L"cmdOK"},
               {L"cmdCancel", WM_KEYDOWN, VK_TAB, Focus, L"txtUserName"},
               {L"cmdOK", WM_SYSKEYDOWN, 'P', Focus, L"txtPassword"},
               {L"txtUserName", WM_KEYDOWN, VK_RETURN, LoggedIn, L"用户"},
               {L"cmdCancel", WM_KEYDOWN, VK_RETURN, Exited, L""},
               {L"txtUserName", WM_KEYDOWN, VK_ESCAPE, Exited, L""}};
  for (const auto& step : steps) {
    SCOPED_TRACE(testing::Message() << "key " << step.key << " in " << step.focus);
    Show(Form1());
    SetWindowTextW(Control(L"txtUserName"), step.then);
    SetWindowTextW(Control(L"txtPassword"), app::LoginPassword);
    Press(Control(step.focus), step.key, step.message);
    if (step.outcome == Focus) {
      EXPECT_EQ(GetFocus(), Control(step.then));
      continue;
    }
    EXPECT_EQ(platform::LoadedFormCount(), step.outcome == LoggedIn ? 1 : 0);
    EXPECT_EQ(skin::SkinInitialized, step.outcome == LoggedIn);
    EXPECT_EQ(soft().IsLoaded() && skin::IsSkinned(soft().hwnd()), step.outcome == LoggedIn);
    soft().Unload();
  }
}

class ChartWindow : public Forms {
 protected:
  void SetUp() override {
    requests.clear();
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
    platform::SetBrowserFactory(test::QuietBrowser::Make);
    Show(soft());
  }
  static HWND Button(int number) { return soft().Control(L"Command" + std::to_wstring(number)); }
  static RECT ButtonRect(int n) { return soft().ControlRect(L"Command" + std::to_wstring(n)); }
};

// The start page is asked for before the skin is attached; every click loads a page again. A
// 711 x 655 client area in the form's colour; twelve buttons 33 pixels high, the upper row
// reading 1, 2, 5, 4, 3, 6 on screen while Tab follows the numbers.
TEST_F(ChartWindow, OpensOnTheStartPageAndTheButtonsSitInPlaceLoadTheirPagesAndFollowTab) {
  RECT browser{}, client{};
  GetWindowRect(soft().WebBrowser1()->Window(), &browser);
  MapWindowPoints(nullptr, soft().hwnd(), reinterpret_cast<POINT*>(&browser), 2);
  EXPECT_TRUE(browser.left == 0 && browser.top == 0 && browser.right == 713 && browser.bottom == 569);
  GetClientRect(soft().hwnd(), &client);
  EXPECT_EQ(client.right * 1000 + client.bottom, 711 * 1000 + 655);
  EXPECT_EQ(soft().BackColor(), 0xCA8E28u);
  EXPECT_EQ(skin::SkinnedWindowCount, 14);  // the form, its twelve buttons and the browser
  const std::wstring base = app::ChartSiteBase;
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].address, base + app::StartPagePath);
  EXPECT_FALSE(requests[0].parentSkinned);
  int lastLeft = -1;
  for (int number : {1, 2, 5, 4, 3, 6}) {
    EXPECT_GT(ButtonRect(number).left, lastLeft) << number;
    lastLeft = ButtonRect(number).left;
  }
  const wchar_t* pages[12] = {
      L"cmyk-color.html",  L"rgb-color.html",   L"PANTONE CU.htm",   L"PANTONE U.htm",
      L"PANTONE C.htm",    L"new_page_RAL.htm", L"new_page_512.htm", L"jdcolor.html",
      L"zywdzcolor.html",  L"txonlecolor.html", L"ysdmcolor.html",   L"fool.htm"};
  SetFocus(Button(1));
  for (int number = 1; number <= 12; ++number) {
    EXPECT_EQ(ButtonRect(number).bottom - ButtonRect(number).top, 33) << number;
    EXPECT_EQ(GetFocus(), Button(number));  // before the clicks, which may take the focus
    requests.clear();
    Click(Button(number), {4, 4});
    SendMessageW(Button(number), BM_CLICK, 0, 0);
    ASSERT_EQ(requests.size(), 2u) << "Command" << number;
    for (const auto& r : requests)
      EXPECT_EQ(r.address, base + L"/soft/qovu/" + pages[number - 1]) << "Command" << number;
    Press(Button(number), VK_TAB);
  }
}

// A Form2 whose WM_CREATE fails was never loaded: the count that keeps the process alive stays.
// Then the picture opens it unowned, skinned when activated, keeping the program alive on its own.
TEST_F(ChartWindow, AFailedForm2IsNotLoadedAndThePictureOpensItSkinnedAndOnItsOwn) {
  test::Recorder::SetHook([](HWND, UINT message, WPARAM, LPARAM, LRESULT& result) {
    result = -1;
    return message == WM_CREATE;
  });
  const HHOOK hook = SetWindowsHookExW(
      WH_CBT,
      [](int code, WPARAM wParam, LPARAM lParam) -> LRESULT {
        auto created = reinterpret_cast<HWND>(wParam);
        if (code == HCBT_CREATEWND && skin::WindowClassName(created) == platform::Form::WindowClass)
          test::InstallRecordingSubclass(created);
        return CallNextHookEx(nullptr, code, wParam, lParam);
      },
      nullptr, GetCurrentThreadId());
  Form2().Show();
  UnhookWindowsHookEx(hook);
  test::Recorder::SetHook({});
  EXPECT_FALSE(Form2().IsLoaded());
  EXPECT_EQ(platform::LoadedFormCount(), 1);
  const RECT image = soft().ControlRect(L"Image1");
  Click(soft().hwnd(), {image.left + 5, image.top + 5});
  platform::ProcessPendingMessages();
  ASSERT_TRUE(Form2().IsLoaded());
  EXPECT_EQ(GetWindow(Form2().hwnd(), GW_OWNER), nullptr);
  RECT client{}, placed{};
  GetClientRect(Form2().hwnd(), &client);
  EXPECT_EQ(client.right * 1000 + client.bottom, 312 * 1000 + 213);
  GetWindowRect(Form2().hwnd(), &placed);
  EXPECT_NE(placed.left, (GetSystemMetrics(SM_CXSCREEN) - (placed.right - placed.left)) / 2);
  EXPECT_EQ(requests.size(), 1u);  // only the start page
  EXPECT_EQ(skin::SkinnedWindowCount, 15);  // with the main window's fourteen
  SendMessageW(soft().hwnd(), WM_CLOSE, 0, 0);
  EXPECT_EQ(platform::LoadedFormCount(), 1);
}

// On the built-in site, Tab goes round the buttons, the chart view and its page's controls.
TEST_F(ChartWindow, OnTheChartSiteTheFormLeavesTheViewAndThePagesControlsTheirKeys) {
  soft().Unload();
  platform::SetBrowserFactory({});
  Show(soft());
  auto* view = dynamic_cast<site::ChartView*>(soft().WebBrowser1());
  ASSERT_NE(view, nullptr);
  EXPECT_EQ(GetFocus(), view->Pane());
  Press(Button(12), VK_TAB);
  EXPECT_EQ(GetFocus(), view->Pane());
  Press(view->Pane(), VK_TAB);
  EXPECT_EQ(GetFocus(), Button(1));
  SendMessageW(Button(12), BM_CLICK, 0, 0);  // the converter
  Press(view->Pane(), VK_TAB);
  HWND input = GetFocus();
  ASSERT_EQ(GetParent(input), view->Pane());
  SetWindowTextW(input, L"#663399");
  const size_t before = view->CurrentPage().sections.size();
  Press(input, VK_RETURN);
  EXPECT_GT(view->CurrentPage().sections.size(), before);
  Press(input, VK_TAB);  // the Convert button, then the chart buttons
  Press(GetFocus(), VK_TAB);
  EXPECT_EQ(GetFocus(), Button(1));
}

}  // namespace
