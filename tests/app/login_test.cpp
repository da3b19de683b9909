// The login dialog, driven through its real windows and the form runtime's message loop.
#include <gtest/gtest.h>

#include <string>

#include "app/forms.h"
#include "app/login_form.h"
#include "platform/message_loop.h"
#include "skin/core/skin_state.h"
#include "skin/core/window_props.h"
#include "skin/render/skin_bitmaps.h"
#include "tests/support/message_box_watcher.h"
#include "tests/support/pixels.h"

namespace {

using app::Form1;
using app::soft;

class LoginDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    Form1().Show();
    SetForegroundWindow(dialog());
    Pump();
  }
  void TearDown() override {
    soft().Unload();
    Form1().Unload();
    Pump();
    EXPECT_EQ(platform::LoadedFormCount(), 0);
    EXPECT_EQ(skin::SkinnedWindowCount, 0);
  }
  static void Pump() { platform::ProcessPendingMessages(); }
  static HWND dialog() { return Form1().hwnd(); }
  static HWND Control(const wchar_t* name) { return Form1().Control(name); }
  // A click through the button's own procedures.
  static void Click(const wchar_t* name) {
    SendMessageW(Control(name), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(Control(name), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  }
  // A key posted to the focused window as the keyboard would, through the runtime's loop.
  static void Press(const wchar_t* focus, UINT message, WPARAM key) {
    SetFocus(Control(focus));
    PostMessageW(GetFocus(), message, key, message == WM_SYSKEYDOWN ? 0x20000001 : 1);
    Pump();
  }
  static bool PasswordSelectedWhole() {
    DWORD start = 1, end = 0;
    SendMessageW(Control(L"txtPassword"), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    return start == 0 && end == static_cast<DWORD>(GetWindowTextLengthW(Control(L"txtPassword")));
  }
};

// Borderless and centred, 259 x 432 pixels, its blue back colour the transparency key; the
// strips the 255 x 430 backdrop leaves uncovered and the corners above it show the key, the
// panel none. The dialog, its text boxes and buttons are skinned; the controls sit at their
// twips rounded to pixels.
TEST_F(LoginDialog, IsAShapedCentredSkinnedDialogWithItsControlsInPlace) {
  COLORREF key = 0;
  BYTE alpha = 0;
  DWORD flags = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(dialog(), &key, &alpha, &flags));
  EXPECT_EQ(key, app::LoginKeyColor);
  EXPECT_EQ(flags, static_cast<DWORD>(LWA_COLORKEY));
  EXPECT_EQ(Form1().BackColor(), app::LoginKeyColor);
  EXPECT_FALSE(GetWindowLongPtrW(dialog(), GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME));
  // A taskbar button of its own, from which the minimised dialog is restored.
  EXPECT_TRUE(GetWindowLongPtrW(dialog(), GWL_EXSTYLE) & WS_EX_APPWINDOW);
  RECT window{};
  GetWindowRect(dialog(), &window);
  EXPECT_EQ(window.left, (GetSystemMetrics(SM_CXSCREEN) - 259) / 2);
  EXPECT_EQ(window.top, (GetSystemMetrics(SM_CYSCREEN) - 432) / 2);
  RedrawWindow(dialog(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  const test::Pixels pixels = test::ReadWindow(dialog());
  ASSERT_EQ(pixels.width() * 1000 + pixels.height(), 259 * 1000 + 432);
  EXPECT_EQ(pixels.Count(key, 255, 0, 4, 432) + pixels.Count(key, 0, 430, 259, 2), 4 * 432 + 259 * 2);
  EXPECT_EQ(pixels.Count(key, 10, 160, 235, 100), 0);
  EXPECT_EQ(pixels.at(2, 2), key);

  EXPECT_EQ(skin::SkinnedWindowCount, 5);
  const struct {
    const wchar_t* name;
    RECT rect;
  } controls[] = {{L"txtUserName", {88, 288, 243, 311}}, {L"txtPassword", {88, 320, 243, 343}},
                  {L"cmdOK", {96, 360, 164, 386}}, {L"cmdCancel", {176, 360, 244, 386}}};
  for (const auto& c : controls) {
    RECT r{};
    GetWindowRect(Control(c.name), &r);
    MapWindowPoints(nullptr, dialog(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_TRUE(EqualRect(&r, &c.rect)) << c.name;
    EXPECT_TRUE(skin::IsSkinned(Control(c.name))) << c.name;
  }
  EXPECT_EQ(Form1().Text(L"cmdOK"), L"Login\r\n");
  EXPECT_EQ(SendMessageW(Control(L"txtPassword"), EM_GETPASSWORDCHAR, 0, 0), L'*');
}

// Every wrong password, the empty one, one padded with blanks and the strange alike, gives
// the message box (its text, its title, the dialog its owner, one button, no icon), leaves
// the dialog as it was and selects the whole password, so that typing replaces it.
TEST_F(LoginDialog, AWrongPasswordGivesTheMessageBoxAndSelectsThePassword) {
  const std::wstring attempts[] = {
      L"", L"12345", L" 583172946", L"583172946 ", L"5831729460", std::wstring(100000, L'7'),
      L"\t\x01\x1b\x7f" L"583172946", L"583172946\x200B",
      L"\xFF15\xFF18\xFF13\xFF11\xFF17\xFF12\xFF19\xFF14\xFF16", L"\xD83D\xDE00\xD834\xDD1E\xFFFF"};
  for (const std::wstring& attempt : attempts) {
    SCOPED_TRACE(testing::Message() << "a password of " << attempt.size() << " characters");
    SetWindowTextW(Control(L"txtPassword"), attempt.c_str());
    test::MessageBoxWatcher watcher;
    Click(L"cmdOK");
    ASSERT_EQ(watcher.seen().size(), 1u);
    const test::SeenMessageBox& box = watcher.seen()[0];
    EXPECT_EQ(box.text, app::WrongPasswordText);
    EXPECT_EQ(box.title, app::WrongPasswordTitle);
    EXPECT_EQ(box.owner, dialog());
    EXPECT_EQ(box.buttons, 1);
    EXPECT_FALSE(box.iconShown);
    EXPECT_TRUE(Form1().IsLoaded());
    EXPECT_FALSE(soft().IsLoaded());
    EXPECT_EQ(GetFocus(), Control(L"txtPassword"));
    const DWORD start = GetTickCount();
    while (!PasswordSelectedWhole() && GetTickCount() - start < 5000) Pump();
    EXPECT_TRUE(PasswordSelectedWhole());
  }
  SendMessageW(Control(L"txtPassword"), WM_CHAR, L'7', 1);
  EXPECT_EQ(Form1().Text(L"txtPassword"), L"7");
}

// With the right password typed: Tab walks the tab order and wraps, Alt with an access key
// focuses its text box; Enter in either text box or a click on Login logs in with any user
// name (the engine's artwork goes with the dialog and is built again for the main window,
// skinned); Enter on the focused Exit button, Esc anywhere and a click on Exit exit, and
// the process would end with the engine released.
TEST_F(LoginDialog, KeysAndClicksMoveTheFocusLogInAndExitAsTheDialogSays) {
  enum Outcome { Focus, LoggedIn, Exited };
  const struct {
    const wchar_t* focus;
    UINT message;  // 0: a click on the focus
    WPARAM key;
    Outcome outcome;
    const wchar_t* then;  // focused afterwards, or the user name typed
  } steps[] = {{L"txtUserName", WM_KEYDOWN, VK_TAB, Focus, L"txtPassword"},
               {L"txtPassword", WM_KEYDOWN, VK_TAB, Focus, L"cmdOK"},
               {L"cmdOK", WM_KEYDOWN, VK_TAB, Focus, L"cmdCancel"},
               {L"cmdCancel", WM_KEYDOWN, VK_TAB, Focus, L"txtUserName"},
               {L"cmdOK", WM_SYSKEYDOWN, 'P', Focus, L"txtPassword"},
               {L"cmdOK", WM_SYSKEYDOWN, 'U', Focus, L"txtUserName"},
               {L"cmdOK", 0, 0, LoggedIn, L""},
               {L"txtUserName", WM_KEYDOWN, VK_RETURN, LoggedIn, L"anyone"},
               {L"txtPassword", WM_KEYDOWN, VK_RETURN, LoggedIn, L"用户"},
               {L"cmdCancel", WM_KEYDOWN, VK_RETURN, Exited, L""},
               {L"txtUserName", WM_KEYDOWN, VK_ESCAPE, Exited, L""},
               {L"cmdCancel", 0, 0, Exited, L""}};
  for (const auto& step : steps) {
    SCOPED_TRACE(testing::Message() << "key " << step.key << " in " << step.focus);
    Form1().Show();
    const HDC dialogArtwork = skin::ButtonBitmap;
    if (step.outcome != Focus) SetWindowTextW(Control(L"txtUserName"), step.then);
    SetWindowTextW(Control(L"txtPassword"), app::LoginPassword);
    if (step.message) {
      Press(step.focus, step.message, step.key);
    } else {
      Click(step.focus);
    }
    if (step.outcome == Focus) {
      EXPECT_EQ(GetFocus(), Control(step.then));
      continue;
    }
    EXPECT_FALSE(Form1().IsLoaded());
    EXPECT_EQ(soft().IsLoaded(), step.outcome == LoggedIn);
    EXPECT_EQ(platform::LoadedFormCount(), step.outcome == LoggedIn ? 1 : 0);
    EXPECT_EQ(GetObjectType(dialogArtwork), 0u);
    EXPECT_EQ(skin::SkinInitialized, step.outcome == LoggedIn);
    if (step.outcome == Exited) continue;
    EXPECT_TRUE(IsWindowVisible(soft().hwnd()));
    EXPECT_TRUE(skin::IsSkinned(soft().hwnd()));
    EXPECT_EQ(GetObjectType(skin::ButtonBitmap), static_cast<DWORD>(OBJ_MEMDC));
    soft().Unload();
  }
}

// The window jumps once, at the release, by the distance from the press (20 x 10 pixels are
// 300 x 150 twips), and only for a press on its own surface that kept the mouse until then.
// A click on the hot spot over the emblem minimises it.
TEST_F(LoginDialog, ADragMovesTheWindowOnceAtReleaseAndTheHotSpotMinimises) {
  RECT label = Form1().ControlRect(L"lblLabels", 0);
  const POINT panel{150, 200}, onLabel{label.left + 2, label.top + 2};
  const struct {
    const char* what;
    bool press;
    POINT at;
    bool captureLost;
    int dx, dy;
  } drags[] = {{"press on the panel", true, panel, false, 20, 10},
               {"no press", false, panel, false, 0, 0},
               {"press on a label", true, onLabel, false, 0, 0},
               {"press that lost the mouse", true, panel, true, 0, 0}};
  for (const auto& d : drags) {
    SCOPED_TRACE(d.what);
    RECT start{}, during{}, after{};
    GetWindowRect(dialog(), &start);
    if (d.press) SendMessageW(dialog(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(d.at.x, d.at.y));
    SendMessageW(dialog(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(d.at.x + 10, d.at.y + 5));
    GetWindowRect(dialog(), &during);
    EXPECT_TRUE(EqualRect(&during, &start)) << "the window must not follow the mouse";
    if (d.captureLost) SetCapture(Control(L"txtUserName"));
    SendMessageW(dialog(), WM_LBUTTONUP, 0, MAKELPARAM(d.at.x + 20, d.at.y + 10));
    ReleaseCapture();
    GetWindowRect(dialog(), &after);
    EXPECT_EQ(after.left - start.left, d.dx);
    EXPECT_EQ(after.top - start.top, d.dy);
  }
  const RECT spot = Form1().ControlRect(L"Label3");
  EXPECT_EQ(spot.left * 1000 + spot.top, 112 * 1000);
  SendMessageW(dialog(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(spot.left + 10, spot.top + 20));
  SendMessageW(dialog(), WM_LBUTTONUP, 0, MAKELPARAM(spot.left + 10, spot.top + 20));
  EXPECT_TRUE(IsIconic(dialog()));
  ShowWindow(dialog(), SW_RESTORE);
}

}  // namespace
