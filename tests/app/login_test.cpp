// The login dialog, driven through its real windows and the form runtime's message loop.
#include <gtest/gtest.h>

#include "app/forms.h"
#include "platform/message_loop.h"
#include "platform/twips.h"
#include "skin/core/skin_state.h"
#include "skin/core/window_props.h"
#include "tests/support/message_box_watcher.h"
#include "tests/support/pixels.h"
#include "tests/support/pump.h"

namespace {

using app::Form1;
using app::soft;

class LoginDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    Form1().Show();
    ASSERT_TRUE(Form1().IsLoaded());
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
  // Runs the form runtime's loop until done() holds, for at most a few seconds.
  template <typename Done>
  static bool PumpUntil(Done done) {
    DWORD start = GetTickCount();
    while (!done()) {
      if (GetTickCount() - start > 5000) return false;
      platform::ProcessPendingMessages();
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
  }
  static HWND dialog() { return Form1().hwnd(); }
  static HWND password() { return Form1().Control(L"txtPassword"); }
  static HWND user() { return Form1().Control(L"txtUserName"); }

  void TypeInto(HWND edit, const wchar_t* text) { SetWindowTextW(edit, text); }
  // A real click on a command button: press and release go through its procedures.
  void Click(const wchar_t* name) {
    HWND button = Form1().Control(name);
    SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  }
  // Posts a key as the keyboard would and lets the runtime's loop handle it.
  void PressKey(HWND target, WPARAM vk) {
    SetFocus(target);
    PostMessageW(target, WM_KEYDOWN, vk, 1);
    PostMessageW(target, WM_KEYUP, vk, 0xC0000001);
    Pump();
  }
  bool PasswordSelectedWhole() {
    DWORD start = 0, end = 0;
    SendMessageW(password(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    return start == 0 && end == static_cast<DWORD>(GetWindowTextLengthW(password()));
  }
};

TEST_F(LoginDialog, IsShapedBorderlessCentredAndSkinned) {
  COLORREF key = 0;
  BYTE alpha = 0;
  DWORD flags = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(dialog(), &key, &alpha, &flags));
  EXPECT_EQ(key, 0xFF0000u);
  EXPECT_EQ(flags, static_cast<DWORD>(LWA_COLORKEY));
  EXPECT_EQ(Form1().BackColor(), 0xFF0000u);
  LONG_PTR style = GetWindowLongPtrW(dialog(), GWL_STYLE);
  EXPECT_FALSE(style & WS_CAPTION);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_TRUE(GetWindowLongPtrW(dialog(), GWL_EXSTYLE) & WS_EX_APPWINDOW);
  RECT client{};
  GetClientRect(dialog(), &client);
  EXPECT_EQ(client.right, 259);
  EXPECT_EQ(client.bottom, 432);
  RECT window{};
  GetWindowRect(dialog(), &window);
  EXPECT_EQ(window.left, (GetSystemMetrics(SM_CXSCREEN) - 259) / 2);
  EXPECT_EQ(window.top, (GetSystemMetrics(SM_CYSCREEN) - 432) / 2);
  // The dialog, its two text boxes and its two buttons.
  EXPECT_EQ(skin::SkinnedWindowCount, 5);
  for (HWND hwnd : {dialog(), user(), password(), Form1().Control(L"cmdOK"),
                    Form1().Control(L"cmdCancel")})
    EXPECT_TRUE(skin::IsSkinned(hwnd));
}

TEST_F(LoginDialog, ControlsSitWhereTheTableSaysInTabOrder) {
  struct Expected {
    const wchar_t* name;
    RECT rect;  // client pixels: twips / 15, rounded
  };
  const Expected expected[] = {
      {L"txtUserName", {88, 288, 243, 311}},
      {L"txtPassword", {88, 320, 243, 343}},
      {L"cmdOK", {96, 360, 164, 386}},
      {L"cmdCancel", {176, 360, 244, 386}},
  };
  for (const Expected& e : expected) {
    RECT r{};
    HWND control = Form1().Control(e.name);
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, dialog(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_TRUE(EqualRect(&r, &e.rect)) << "control " << e.name;
  }
  // Scriptlet-sized rounding: 5435 twips is 362.33 pixels.
  EXPECT_EQ(platform::TwipsToPixels(5435), 362);
  wchar_t text[32] = {};
  GetWindowTextW(Form1().Control(L"cmdOK"), text, 32);
  EXPECT_STREQ(text, L"Login\r\n");
  EXPECT_EQ(SendMessageW(password(), EM_GETPASSWORDCHAR, 0, 0), L'*');

  // Tab walks the tab indexes 0 to 3 and wraps; the skinned buttons stay owner-drawn.
  SetFocus(user());
  const wchar_t* order[] = {L"txtPassword", L"cmdOK", L"cmdCancel", L"txtUserName"};
  for (const wchar_t* next : order) {
    PressKey(GetFocus(), VK_TAB);
    EXPECT_EQ(GetFocus(), Form1().Control(next)) << "after tab, expected " << next;
  }
  for (const wchar_t* name : {L"cmdOK", L"cmdCancel"})
    EXPECT_EQ(GetWindowLongPtrW(Form1().Control(name), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
}

TEST_F(LoginDialog, WrongEmptyAndPaddedPasswordsAreRefused) {
  for (const wchar_t* attempt : {L"", L"12345", L" 583172946", L"583172946 ", L"5831729460"}) {
    TypeInto(password(), attempt);
    test::MessageBoxWatcher watcher;
    Click(L"cmdOK");
    ASSERT_EQ(watcher.seen().size(), 1u) << "no message box for '" << attempt << "'";
    const test::SeenMessageBox& box = watcher.seen()[0];
    EXPECT_EQ(box.text, L"无效的密码，请重试!");
    EXPECT_EQ(box.title, L"登录");
    EXPECT_EQ(box.owner, dialog());
    ASSERT_EQ(box.buttons.size(), 1u);
    EXPECT_FALSE(box.iconShown);
    EXPECT_TRUE(Form1().IsLoaded());
    EXPECT_FALSE(soft().IsLoaded());
    EXPECT_EQ(GetFocus(), password());
    EXPECT_TRUE(PumpUntil([&] { return PasswordSelectedWhole(); }))
        << "password not selected after '" << attempt << "'";
  }
}

TEST_F(LoginDialog, TypingAfterARefusalReplacesTheWholePassword) {
  TypeInto(password(), L"wrong-password");
  {
    test::MessageBoxWatcher watcher;
    Click(L"cmdOK");
  }
  ASSERT_TRUE(PumpUntil([&] { return PasswordSelectedWhole(); }));
  SendMessageW(password(), WM_CHAR, L'7', 1);
  EXPECT_EQ(Form1().Text(L"txtPassword"), L"7");
}

TEST_F(LoginDialog, TheRightPasswordWithAnyUserNameOpensTheMainWindow) {
  for (const wchar_t* name : {L"", L"anyone", L"用户"}) {
    if (!Form1().IsLoaded()) Form1().Show();
    TypeInto(user(), name);
    TypeInto(password(), L"583172946");
    Click(L"cmdOK");
    EXPECT_FALSE(Form1().IsLoaded()) << "user '" << name << "'";
    ASSERT_TRUE(soft().IsLoaded());
    EXPECT_TRUE(IsWindowVisible(soft().hwnd()));
    wchar_t caption[64] = {};
    GetWindowTextW(soft().hwnd(), caption, 64);
    EXPECT_STREQ(caption, L"Tintora - Halvek");
    EXPECT_EQ(platform::LoadedFormCount(), 1);
    EXPECT_TRUE(skin::IsSkinned(soft().hwnd()));
    soft().Unload();
    EXPECT_EQ(platform::LoadedFormCount(), 0);
  }
}

TEST_F(LoginDialog, EnterInEitherTextBoxLogsIn) {
  for (HWND box : {user(), password()}) {
    if (!Form1().IsLoaded()) Form1().Show();
    TypeInto(password(), L"583172946");
    PressKey(box == user() ? user() : password(), VK_RETURN);
    EXPECT_FALSE(Form1().IsLoaded());
    EXPECT_TRUE(soft().IsLoaded());
    soft().Unload();
  }
}

TEST_F(LoginDialog, EnterOnAFocusedButtonClicksThatButton) {
  TypeInto(password(), L"583172946");
  PressKey(Form1().Control(L"cmdCancel"), VK_RETURN);
  EXPECT_FALSE(Form1().IsLoaded());
  EXPECT_FALSE(soft().IsLoaded());  // Exit, not Login
}

TEST_F(LoginDialog, EscAndExitEndTheProgram) {
  PressKey(user(), VK_ESCAPE);
  EXPECT_FALSE(Form1().IsLoaded());
  EXPECT_EQ(platform::LoadedFormCount(), 0);
  EXPECT_EQ(skin::SkinnedWindowCount, 0);
  EXPECT_FALSE(skin::SkinInitialized);

  Form1().Show();
  Click(L"cmdCancel");
  EXPECT_FALSE(Form1().IsLoaded());
  EXPECT_EQ(platform::LoadedFormCount(), 0);
}

TEST_F(LoginDialog, AccessKeysMoveTheFocus) {
  SetFocus(Form1().Control(L"cmdOK"));
  PostMessageW(GetFocus(), WM_SYSKEYDOWN, 'P', 0x20000001);
  Pump();
  EXPECT_EQ(GetFocus(), password());
  PostMessageW(GetFocus(), WM_SYSKEYDOWN, 'U', 0x20000001);
  Pump();
  EXPECT_EQ(GetFocus(), user());
}

// The window jumps once, at the release, by the distance from the press (20 x 10 pixels are
// 300 x 150 twips), and only for a press on its own surface that kept the mouse until then.
TEST_F(LoginDialog, ADragMovesTheWindowOnceAtReleaseAfterAPressThatKeptTheMouse) {
  RECT label = Form1().ControlRect(L"lblLabels", 0);
  const POINT panel{150, 200}, onLabel{label.left + 2, label.top + 2};
  const struct {
    const char* what;
    bool press;
    POINT at;
    bool captureLost;
    int dx, dy;
  } drags[] = {
      {"press on the panel", true, panel, false, 20, 10},
      {"no press", false, panel, false, 0, 0},
      {"press on a label", true, onLabel, false, 0, 0},
      {"press that lost the mouse", true, panel, true, 0, 0},
  };
  for (const auto& d : drags) {
    SCOPED_TRACE(d.what);
    RECT start{}, during{}, after{};
    GetWindowRect(dialog(), &start);
    if (d.press) SendMessageW(dialog(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(d.at.x, d.at.y));
    SendMessageW(dialog(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(d.at.x + 10, d.at.y + 5));
    GetWindowRect(dialog(), &during);
    EXPECT_TRUE(EqualRect(&during, &start)) << "the window must not follow the mouse";
    if (d.captureLost) SetCapture(user());
    SendMessageW(dialog(), WM_LBUTTONUP, 0, MAKELPARAM(d.at.x + 20, d.at.y + 10));
    ReleaseCapture();
    GetWindowRect(dialog(), &after);
    EXPECT_EQ(after.left - start.left, d.dx);
    EXPECT_EQ(after.top - start.top, d.dy);
  }
}

TEST_F(LoginDialog, TheHotSpotOverTheEmblemMinimises) {
  RECT spot = Form1().ControlRect(L"Label3");
  EXPECT_EQ(spot.left, 112);
  EXPECT_EQ(spot.top, 0);
  SendMessageW(dialog(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(spot.left + 10, spot.top + 20));
  SendMessageW(dialog(), WM_LBUTTONUP, 0, MAKELPARAM(spot.left + 10, spot.top + 20));
  EXPECT_TRUE(IsIconic(dialog()));
  ShowWindow(dialog(), SW_RESTORE);
  EXPECT_FALSE(IsIconic(dialog()));
}

TEST_F(LoginDialog, TheUncoveredStripsAreOfTheKeyColour) {
  RedrawWindow(dialog(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  test::Pixels pixels = test::ReadWindow(dialog());
  ASSERT_EQ(pixels.width(), 259);
  ASSERT_EQ(pixels.height(), 432);
  // Right of the 255 x 430 backdrop and below it.
  EXPECT_EQ(pixels.Count(0xFF0000, 255, 0, 4, 432), 4 * 432);
  EXPECT_EQ(pixels.Count(0xFF0000, 0, 430, 259, 2), 259 * 2);
  // The panel itself is opaque: none of its pixels is the key.
  EXPECT_EQ(pixels.Count(0xFF0000, 10, 160, 235, 100), 0);
  // Above and beside the emblem the backdrop is see-through.
  EXPECT_EQ(pixels.at(2, 2), 0xFF0000u);
}

}  // namespace
