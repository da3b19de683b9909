// The skin's mirror of its window properties under strain: a handle that comes to name a new
// window after the old one is gone, and two threads each working their own skinned windows.
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

// Wine gives the slot (low word) freed last to the next window, its generation (high word)
// one higher: a handle comes round after about 65,500 windows of the same window server.
constexpr int MaxWindowsUntilReuse = 70000;
constexpr DWORD WaitMs = 120000;  // an upper bound only

// Buttons inside a hidden window: a child costs far less to make than a top-level window.
HWND MakeButton() {
  static const HWND parent =
      CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
  return CreateWindowExW(0, L"Button", L"", WS_CHILD | BS_PUSHBUTTON, 0, 0, 75, 23, parent, nullptr, nullptr,
                         nullptr);
}

// With the parameter, a subclass over the skin keeps WM_DESTROY from it (so nothing takes the
// window off the count): the skin sees only WM_NCDESTROY.
class HandleReuse : public ::testing::TestWithParam<bool> {};

TEST_P(HandleReuse, ANewWindowUnderAnOldHandleReadsNothingOfTheOldOne) {
  stress::WarmUp();  // the windows a process makes for itself once are made before
  const HWND old = MakeButton();
  ASSERT_EQ(SkinWindow(old), 1);
  WriteProp(old, PropOldState, StateHover);
  if (GetParam()) {
    const WNDPROC keepDestroy = [](HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
      return message == WM_DESTROY ? 0 : CallWindowProcW(SkinWndProc, hwnd, message, wParam, lParam);
    };
    SetWindowLongPtrW(old, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(keepDestroy));
  }
  DestroyWindow(old);
  if (GetParam()) --SkinnedWindowCount;
  HWND reused = nullptr;
  int made = 0;
  while (made++ < MaxWindowsUntilReuse && (reused = MakeButton()) != old) {
    DestroyWindow(reused);
    if (LOWORD(reused) != LOWORD(old)) GTEST_SKIP() << "another window took the old one's place";
  }
  std::printf("[ figures ] the handle came round after %d windows\n", made);
  if (reused != old) GTEST_SKIP() << "no handle value came round in " << MaxWindowsUntilReuse << " windows";
  EXPECT_FALSE(IsSkinned(reused));
  EXPECT_EQ(ReadProp(reused, PropOldState), 0);
  EXPECT_TRUE(MirrorAgrees(reused)) << "the mirror holds something of the old window";
  EXPECT_EQ(SkinWindow(reused), 1) << "attached like any new window";
  DestroyWindow(reused);
  EXPECT_EQ(SkinnedWindowCount, 0);
}

INSTANTIATE_TEST_SUITE_P(OldWindow, HandleReuse, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "DestroyKeptFromSkin" : "Destroyed"; });

void Work(const stress::FixtureForm& f, int rounds) {
  for (int round = 0; round < rounds; ++round) {
    for (HWND w : f.all)
      for (UINT m : {WM_MOUSEMOVE, WM_TIMER, WM_MOUSELEAVE, WM_KEYDOWN, WM_KEYUP, WM_SETFOCUS, WM_KILLFOCUS,
                     WM_NCPAINT, WM_APP})
        SendMessageW(w, m, m == WM_KEYDOWN || m == WM_KEYUP ? VK_SPACE : 1, 0);
    test::PumpMessages();
  }
}

// Each thread skins and works a form of its own beside the other's; neither holds, attaches nor
// detaches the other's windows. (Attachments and removals take turns: the engine is the process's.)
TEST(MirrorStress, TwoThreadsWorkTheirOwnSkinnedWindowsSideBySide) {
  const int rounds = stress::Scaled(20);
  stress::FixtureForm ours = stress::CreateFixtureForm();
  ASSERT_EQ(SkinWindow(ours.form()), 1);
  std::atomic<int> stage{0};  // 1: theirs skinned, 2: ours looked at theirs, 3: theirs gone
  HWND theirs = nullptr;
  bool theyAgree = false, theyHoldOurs = true;
  std::thread other([&] {
    stress::FixtureForm f = stress::CreateFixtureForm();
    SkinWindow(f.form());
    theirs = f.button(0);
    stage = 1;
    test::PumpUntil(WaitMs, [&] { return stage == 2; });
    Work(f, rounds);
    theyAgree = MirrorAgrees(nullptr);
    theyHoldOurs = ReadProp(ours.button(0), PropProcAddr) != 0;
    DestroyWindow(f.form());
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
  DestroyWindow(ours.form());
  test::PumpMessages();
  EXPECT_EQ(SkinnedWindowCount, 0);
}

}  // namespace
