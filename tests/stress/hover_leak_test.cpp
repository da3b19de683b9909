// No handle leaks over a long run of hovers, presses, releases and leaves, each fade run
// to its end. It moves the cursor, so it runs alone.
#include <gtest/gtest.h>
#include <windows.h>

#include "skin/core/attach.h"
#include "skin/core/skin_state.h"
#include "skin/core/window_props.h"
#include "skin/interaction/fade.h"
#include "tests/stress/fixture_form.h"
#include "tests/stress/leak_support.h"
#include "tests/stress/stress_settings.h"
#include "tests/support/gdi_capacity.h"
#include "tests/support/pump.h"

namespace {

using namespace skin;

int RunFade(HWND button) {
  int steps = 0;
  while (ReadIntProp(button, PropTimerId) != 0 && steps < 1000) {
    SendMessageW(button, WM_TIMER, FadeTimerId, 0);
    ++steps;
  }
  return steps;
}

TEST(Leaks, HoverPressReleaseLeaveCyclesWithTheirFades) {
  stress::WarmUp();
  stress::FixtureForm f = stress::CreateFixtureForm();
  SkinWindow(f.form);
  test::PumpMessages();
  HWND button = f.buttons[0];
  POINT centre{50, 15};
  ClientToScreen(button, &centre);
  const int cycles = stress::Scaled(2000);
  int steps = 0;
  int leaked = test::GdiObjectsLeakedBy([&] {
    for (int i = 0; i < cycles; ++i) {
      SetCursorPos(centre.x, centre.y);
      SendMessageW(button, WM_MOUSEMOVE, 0, MAKELPARAM(50, 15));
      steps += RunFade(button);
      SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 15));
      SendMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(50, 15));
      steps += RunFade(button);
      SendMessageW(button, WM_MOUSEMOVE, 0, MAKELPARAM(51, 15));
      SendMessageW(button, WM_MOUSELEAVE, 0, 0);
      steps += RunFade(button);
    }
    test::PumpMessages();
  });
  stress::Report("hover/press/release/leave cycles", cycles, leaked);
  std::printf("[ figures ] fade steps run: %d\n", steps);
  // Hover from 0, normal from 60 after the release, normal from 0 after the leave.
  EXPECT_EQ(steps, cycles * (86 + 66 + 86));
  EXPECT_EQ(leaked, 0);
  DestroyWindow(f.form);
}

}  // namespace
