// Long runs of input: hovers, presses, releases and leaves with every fade run to its end,
// and wrong passwords in a row. They move the cursor and open message boxes, so they run
// alone.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "app/forms.h"
#include "app/login_form.h"
#include "platform/browser.h"
#include "platform/message_loop.h"
#include "skin/core/skin_state.h"
#include "skin/core/window_props.h"
#include "skin/engine/attach.h"
#include "skin/interaction/fade.h"
#include "tests/stress/fixture_form.h"
#include "tests/stress/stress_settings.h"
#include "tests/support/message_box_watcher.h"
#include "tests/support/quiet_browser.h"

namespace {

using namespace skin;

int RunFade(HWND button) {
  int steps = 0;
  for (; ReadIntProp(button, PropTimerId) != 0 && steps < 1000; ++steps)
    SendMessageW(button, WM_TIMER, FadeTimerId, 0);
  return steps;
}

TEST(InputSoak, HoverPressReleaseLeaveCyclesKeepNothingAndEveryFadeEnds) {
  stress::WarmUp();
  stress::FixtureForm f = stress::CreateFixtureForm();
  SkinWindow(f.form);
  HWND button = f.buttons[0];
  POINT centre{50, 15};
  ClientToScreen(button, &centre);
  const int cycles = stress::Scaled(100);
  int steps = 0;
  EXPECT_EQ(stress::LeakedOver("hover/press/release/leave cycles", cycles, [&](int i) {
    SetCursorPos(centre.x, centre.y);
    SendMessageW(button, WM_MOUSEMOVE, 0, MAKELPARAM(50, 15));
    const int hover = RunFade(button);
    SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 15));
    SendMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(50, 15));
    const int release = RunFade(button);
    SendMessageW(button, WM_MOUSEMOVE, 0, MAKELPARAM(51, 15));
    SendMessageW(button, WM_MOUSELEAVE, 0, 0);
    const int leave = RunFade(button);
    // Hover from 0, normal from 60 after the release, normal from 0 after the leave.
    steps += i > 0 && hover == 86 && release == 66 && leave == 86;
  }), 0);
  EXPECT_EQ(steps, cycles);
  DestroyWindow(f.form);
}

// Each wrong password gives its message box; the dialog stays as it was and nothing grows:
// no window, no skinned window, no GDI object.
TEST(InputSoak, WrongPasswordsInARowGrowNothing) {
  platform::SetBrowserFactory(test::QuietBrowser::Make);
  app::Form1().Show();
  SetForegroundWindow(app::Form1().hwnd());
  auto windows = [] {
    int count = 0;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND, LPARAM n) -> BOOL {
          ++*reinterpret_cast<int*>(n);
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count;
  };
  int boxes = 0, windowsBefore = 0;
  const LONG skinned = SkinnedWindowCount;
  const int attempts = stress::Scaled(60);
  EXPECT_EQ(stress::LeakedOver("wrong attempts", attempts, [&](int i) {
    if (i == 1) windowsBefore = windows();
    SetWindowTextW(app::Form1().Control(L"txtPassword"), (L"wrong " + std::to_wstring(i)).c_str());
    test::MessageBoxWatcher watcher(10);
    SendMessageW(app::Form1().Control(L"cmdOK"), BM_CLICK, 0, 0);
    platform::ProcessPendingMessages();
    boxes += i > 0 && watcher.seen().size() == 1 && watcher.seen()[0].text == app::WrongPasswordText;
  }), 0);
  EXPECT_EQ(boxes, attempts);
  EXPECT_EQ(windows(), windowsBefore);
  EXPECT_EQ(SkinnedWindowCount, skinned);
  EXPECT_EQ(platform::LoadedFormCount(), 1);
  app::Form1().Unload();
  platform::ProcessPendingMessages();
  platform::SetBrowserFactory({});
}

}  // namespace
