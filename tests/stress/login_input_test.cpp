// Bad input in the login dialog: whatever is typed or pasted, a wrong password gives the
// message box and the dialog stays as it was; nothing grows with the attempts.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>

#include "app/forms.h"
#include "platform/browser.h"
#include "platform/message_loop.h"
#include "skin/core/skin_state.h"
#include "tests/stress/stress_settings.h"
#include "tests/support/gdi_capacity.h"
#include "tests/support/message_box_watcher.h"
#include "tests/support/quiet_browser.h"

namespace {

using app::Form1;
using app::soft;

constexpr UINT FastWatchMs = 10;

int ThreadWindowCount() {
  int count = 0;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND, LPARAM data) -> BOOL {
        ++*reinterpret_cast<int*>(data);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&count));
  return count;
}

class LoginInput : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::SetBrowserFactory(test::QuietBrowser::Make);
    Form1().Show();
    SetForegroundWindow(Form1().hwnd());
    platform::ProcessPendingMessages();
  }
  void TearDown() override {
    soft().Unload();
    Form1().Unload();
    platform::ProcessPendingMessages();
    platform::SetBrowserFactory({});
    EXPECT_EQ(skin::SkinnedWindowCount, 0);
  }
  // One attempt through a real click of the Login button; true when a message box came.
  bool Attempt(const std::wstring& password) {
    HWND box = Form1().Control(L"txtPassword");
    SetWindowTextW(box, password.c_str());
    test::MessageBoxWatcher watcher(FastWatchMs);
    HWND ok = Form1().Control(L"cmdOK");
    SendMessageW(ok, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(ok, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    platform::ProcessPendingMessages();
    return watcher.seen().size() == 1 && watcher.seen()[0].text == app::WrongPasswordText;
  }
};

TEST_F(LoginInput, StrangePasswordsAreRefusedAndTheRightOneStillWorks) {
  const std::wstring strange[] = {
      std::wstring(100000, L'7'),                     // far longer than a text box takes
      std::wstring(L"\t\x01\x1b\x7f" L"583172946"),   // control characters
      std::wstring(L"583172946\x200B"),               // a zero-width space after it
      std::wstring(L"583172946\x00A0"),               // a no-break space after it
      std::wstring(L"\xFF15\xFF18\xFF13\xFF11\xFF17\xFF12\xFF19\xFF14\xFF16"),  // full-width digits
      std::wstring(L"\x0665\x0668\x0663\x0661\x0667\x0662\x0669\x0664\x0666"),  // Arabic-Indic
      std::wstring(L"\xD83D\xDE00\xD834\xDD1E\xFFFF"),  // outside any code page
      std::wstring(L"58317294"),
  };
  for (const std::wstring& password : strange) {
    EXPECT_TRUE(Attempt(password)) << "no message box for a password of " << password.size()
                                   << " characters";
    EXPECT_TRUE(Form1().IsLoaded());
    EXPECT_FALSE(soft().IsLoaded());
  }
  // A pasted one takes the same way.
  if (OpenClipboard(Form1().hwnd())) {
    EmptyClipboard();
    const std::wstring pasted(100000, L'9');
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (pasted.size() + 1) * sizeof(wchar_t));
    memcpy(GlobalLock(memory), pasted.c_str(), (pasted.size() + 1) * sizeof(wchar_t));
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
    HWND box = Form1().Control(L"txtPassword");
    SetWindowTextW(box, L"");
    SendMessageW(box, WM_PASTE, 0, 0);
    EXPECT_GT(GetWindowTextLengthW(box), 0);
    test::MessageBoxWatcher watcher(FastWatchMs);
    HWND ok = Form1().Control(L"cmdOK");
    SendMessageW(ok, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(ok, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(watcher.seen().size(), 1u);
    // The clipboard is the whole session's: leave it empty.
    if (OpenClipboard(Form1().hwnd())) {
      EmptyClipboard();
      CloseClipboard();
    }
  }
  SetWindowTextW(Form1().Control(L"txtPassword"), app::LoginPassword);
  SendMessageW(Form1().Control(L"cmdOK"), BM_CLICK, 0, 0);
  EXPECT_TRUE(soft().IsLoaded());
  EXPECT_FALSE(Form1().IsLoaded());
}

TEST_F(LoginInput, AThousandWrongAttemptsInARowGrowNothing) {
  ASSERT_TRUE(Attempt(L"warm-up"));  // the first box loads what boxes need
  const int attempts = stress::Scaled(1000);
  const int windows = ThreadWindowCount();
  const LONG skinned = skin::SkinnedWindowCount;
  const int capacity = test::MeasureGdiCapacity();
  int boxes = 0;
  for (int i = 0; i < attempts; ++i) boxes += Attempt(L"wrong " + std::to_wstring(i)) ? 1 : 0;
  const int leaked = capacity - test::MeasureGdiCapacity();
  std::printf("[ figures ] wrong attempts: %d, message boxes: %d, GDI objects leaked: %d\n",
              attempts, boxes, leaked);
  EXPECT_EQ(boxes, attempts);
  EXPECT_EQ(leaked, 0);
  EXPECT_EQ(ThreadWindowCount(), windows);
  EXPECT_EQ(skin::SkinnedWindowCount, skinned);
  EXPECT_EQ(platform::LoadedFormCount(), 1);
  SetWindowTextW(Form1().Control(L"txtPassword"), app::LoginPassword);
  SendMessageW(Form1().Control(L"cmdOK"), BM_CLICK, 0, 0);
  EXPECT_TRUE(soft().IsLoaded());
}

}  // namespace
