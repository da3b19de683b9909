// Timers that cannot be set, leave notifications without an entry, and a user32 without
// TrackMouseEvent.
#include <gtest/gtest.h>
#include <windows.h>

#include "platform/window_services.h"
#include "skin/core/attach.h"
#include "skin/core/skin_state.h"
#include "skin/core/window_props.h"
#include "skin/interaction/fade.h"
#include "skin/render/visual_state.h"
#include "tests/stress/fixture_form.h"
#include "tests/support/pixels.h"
#include "tests/support/pump.h"

namespace {

using namespace skin;

class TimerAndLeave : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::Services() = platform::DefaultServices();
    // Away from the form, so that no real mouse move makes an entry before the test does.
    SetCursorPos(1200, 1000);
    f_ = stress::CreateFixtureForm();
    SetForegroundWindow(f_.form);
    ASSERT_EQ(SkinWindow(f_.form), 1);
    test::PumpMessages();
  }
  void TearDown() override {
    platform::Services() = platform::DefaultServices();
    HasTrackMouseEvent = true;
    DestroyWindow(f_.form);
    test::PumpMessages();
    EXPECT_EQ(SkinnedWindowCount, 0);
  }
  stress::FixtureForm f_;
};

TEST_F(TimerAndLeave, ATimerThatCannotBeSetLeavesTheRightFaceForTheNextPaint) {
  platform::Services().setTimer = [](HWND, UINT_PTR, UINT, TIMERPROC) -> UINT_PTR { return 0; };
  HWND button = f_.buttons[2];
  POINT p{20, 10};
  ClientToScreen(button, &p);
  SetCursorPos(p.x, p.y);
  SendMessageW(button, WM_MOUSEMOVE, 0, MAKELPARAM(20, 10));
  EXPECT_EQ(ReadIntProp(button, PropTimerId), 0);
  EXPECT_EQ(ReadIntProp(button, PropOldState), StateHover);
  test::PumpFor(50);  // no fade runs
  RedrawWindow(button, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_EQ(test::ReadWindow(button).at(10, 1), GetPixel(ButtonBitmap, 3, 21 + 1));
  SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 10));
  SendMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(20, 10));
  RedrawWindow(button, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_EQ(test::ReadWindow(button).at(10, 1), GetPixel(ButtonBitmap, 3, 1));
  SetCursorPos(1200, 1000);
}

TEST_F(TimerAndLeave, ALeaveWithoutAnEntryEndsAtRest) {
  for (HWND w : {f_.buttons[1], f_.check, f_.option, f_.combo, f_.header}) {
    SendMessageW(w, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(ReadIntProp(w, PropMouseFlag), 0);
  }
  HWND button = f_.buttons[1];
  EXPECT_EQ(ReadIntProp(button, PropOldState), StateNormal);
  int steps = 0;
  while (ReadIntProp(button, PropTimerId) != 0 && steps < 1000) {
    SendMessageW(button, WM_TIMER, FadeTimerId, 0);
    ++steps;
  }
  EXPECT_EQ(steps, 86);
  EXPECT_EQ(ReadIntProp(f_.header, PropHdIndex), -1);
  EXPECT_EQ(ReadIntProp(f_.header, PropHmIndex), -1);
}

TEST_F(TimerAndLeave, WithoutTrackMouseEventInUser32TheCommonControlsDeliverTheLeave) {
  HasTrackMouseEvent = false;
  static int user32Calls = 0;
  static int commonCalls = 0;
  user32Calls = commonCalls = 0;
  platform::Services().trackMouseEvent = [](LPTRACKMOUSEEVENT) -> BOOL {
    ++user32Calls;
    return FALSE;
  };
  platform::Services().commonTrackMouseEvent = [](LPTRACKMOUSEEVENT request) -> BOOL {
    ++commonCalls;
    return platform::DefaultServices().commonTrackMouseEvent(request);
  };
  for (HWND w : {f_.buttons[0], f_.check}) {
    ASSERT_EQ(ReadIntProp(w, PropMouseFlag), 0);
    POINT p{5, 5};
    ClientToScreen(w, &p);
    SetCursorPos(p.x, p.y);
    SendMessageW(w, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    SetCursorPos(1200, 1000);
    EXPECT_TRUE(test::PumpUntil(3000, [&] { return ReadIntProp(w, PropMouseFlag) == 0; }))
        << "no leave came";
  }
  EXPECT_EQ(user32Calls, 0);
  EXPECT_EQ(commonCalls, 2);
}

}  // namespace
