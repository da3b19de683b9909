// The skin's mirror of its window properties under strain: a handle that comes to name a new
// window after the old one is gone, and two threads each working their own skinned windows.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <cstdio>
#include <thread>

#include "skin/core/skin_state.h"
#include "skin/core/visual_state.h"
#include "skin/core/window_props.h"
#include "skin/engine/attach.h"
#include "skin/engine/detach.h"
#include "skin/engine/skin_wndproc.h"
#include "tests/stress/stress_fixture.h"
#include "tests/support/pump.h"

namespace {

using namespace skin;

// Wine gives the slot of the window freed last to the next window, in the handle's low word,
// with a generation one higher in its high word: the same value comes round after about
// 65,500 windows. The slots are the window server's, shared by every process using it.
constexpr int MaxWindowsUntilReuse = 70000;
constexpr DWORD WaitMs = 120000;  // an upper bound only

WORD SlotOf(HWND hwnd) { return LOWORD(reinterpret_cast<UINT_PTR>(hwnd)); }

// Buttons inside a hidden window: a child costs far less to make than a top-level window.
HWND MakeButton() {
  static const HWND parent =
      CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
  return CreateWindowExW(0, L"Button", L"", WS_CHILD | BS_PUSHBUTTON, 0, 0, 75, 23, parent, nullptr, nullptr,
                         nullptr);
}

// A subclass over the skin that keeps WM_DESTROY from it: the skin sees only WM_NCDESTROY.
LRESULT CALLBACK KeepDestroyFromSkin(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return message == WM_DESTROY ? 0 : CallWindowProcW(SkinWndProc, hwnd, message, wParam, lParam);
}

class HandleReuse : public ::testing::TestWithParam<bool> {};

TEST_P(HandleReuse, ANewWindowUnderAnOldHandleReadsNothingOfTheOldOne) {
  const bool destroyKeptFromSkin = GetParam();
  stress::WarmUp();  // the windows a process makes for itself once are made before
  const HWND old = MakeButton();
  ASSERT_EQ(SkinWindow(old), 1);
  WriteProp(old, PropOldState, StateHover);
  if (destroyKeptFromSkin)
    SetWindowLongPtrW(old, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&KeepDestroyFromSkin));
  DestroyWindow(old);
  // Nothing took that window off the count when the skin never saw its WM_DESTROY.
  if (destroyKeptFromSkin) --SkinnedWindowCount;

  HWND reused = nullptr;
  int made = 0;
  while (!reused && made++ < MaxWindowsUntilReuse) {
    const HWND w = MakeButton();
    if (w == old) {
      reused = w;
    } else {
      DestroyWindow(w);
      if (SlotOf(w) != SlotOf(old)) GTEST_SKIP() << "another window took the old one's place";
    }
  }
  std::printf("[ figures ] the handle came round after %d windows\n", made);
  if (!reused) GTEST_SKIP() << "no handle value came round in " << MaxWindowsUntilReuse << " windows";
  EXPECT_FALSE(IsSkinned(reused));
  EXPECT_EQ(ReadProp(reused, PropOldState), 0);
  EXPECT_TRUE(MirrorAgrees(reused)) << "the mirror holds something of the old window";
  EXPECT_EQ(SkinWindow(reused), 1) << "attached like any new window";
  DestroyWindow(reused);
  EXPECT_EQ(SkinnedWindowCount, 0);
}

INSTANTIATE_TEST_SUITE_P(OldWindow, HandleReuse, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "DestroyKeptFromSkin" : "Destroyed"; });

// Routed messages to every window of a form, again and again.
void Work(const stress::FixtureForm& f, int rounds) {
  const UINT messages[] = {WM_MOUSEMOVE, WM_TIMER,     WM_MOUSELEAVE, WM_KEYDOWN, WM_KEYUP,
                           WM_SETFOCUS,  WM_KILLFOCUS, WM_NCPAINT,    WM_APP};
  for (int round = 0; round < rounds; ++round) {
    for (HWND w : f.All())
      for (UINT m : messages) SendMessageW(w, m, m == WM_KEYDOWN || m == WM_KEYUP ? VK_SPACE : 1, 0);
    test::PumpMessages();
  }
}

// Each thread skins and works a form of its own side by side with the other; neither holds
// the other's windows, nor attaches or detaches them. (Attachments and removals themselves
// take turns: the engine's count and bitmaps belong to the process.)
TEST(MirrorStress, TwoThreadsWorkTheirOwnSkinnedWindowsSideBySide) {
  const int rounds = stress::Scaled(20);
  stress::FixtureForm ours = stress::CreateFixtureForm();
  ASSERT_EQ(SkinWindow(ours.form), 1);
  std::atomic<int> stage{0};  // 1: theirs skinned, 2: ours looked at theirs, 3: theirs gone
  HWND theirs = nullptr;
  bool theyAgree = false, theyHoldOurs = true;
  std::thread other([&] {
    stress::FixtureForm f = stress::CreateFixtureForm();
    SkinWindow(f.form);
    theirs = f.buttons[0];
    stage = 1;
    test::PumpUntil(WaitMs, [&] { return stage == 2; });
    Work(f, rounds);
    theyAgree = MirrorAgrees(nullptr);
    theyHoldOurs = ReadProp(ours.buttons[0], PropProcAddr) != 0;
    DestroyWindow(f.form);
    test::PumpMessages();
    stage = 3;
  });
  test::PumpUntil(WaitMs, [&] { return stage >= 1; });
  EXPECT_TRUE(IsSkinned(theirs));
  EXPECT_EQ(ReadProp(theirs, PropProcAddr), 0);
  EXPECT_EQ(AttachSkin(theirs), 0);
  EXPECT_EQ(DetachSkin(theirs), 0);
  stage = 2;
  Work(ours, rounds);
  test::PumpUntil(WaitMs, [&] { return stage == 3; });
  other.join();
  EXPECT_TRUE(theyAgree);
  EXPECT_FALSE(theyHoldOurs);
  EXPECT_TRUE(MirrorAgrees(nullptr));
  DestroyWindow(ours.form);
  test::PumpMessages();
  EXPECT_EQ(SkinnedWindowCount, 0);
}

}  // namespace
