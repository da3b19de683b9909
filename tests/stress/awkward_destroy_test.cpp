// Skinned windows destroyed at the worst moments: mid-fade, pressed with the mouse held,
// from inside their own click handler, and a form with its message box open. Each time the
// count follows, the faces are freed, and at the end the engine is released with nothing
// leaked.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <vector>

#include "skin/core/skin_state.h"
#include "skin/core/window_props.h"
#include "skin/engine/attach.h"
#include "skin/interaction/fade.h"
#include "skin/render/skin_bitmaps.h"
#include "tests/stress/fixture_form.h"
#include "tests/stress/stress_settings.h"
#include "tests/support/message_box_watcher.h"
#include "tests/support/recorder.h"

namespace {

using namespace skin;

// The form each scenario destroys a window of.
stress::FixtureForm f;
bool boxWasSkinned = false;

void DestroyMidFade(HWND button) {
  WriteProp(button, PropAlphaLevel, 30);
  ASSERT_NE(StartTimer(button), 0u);
  SendMessageW(button, WM_TIMER, FadeTimerId, 0);
  DestroyWindow(button);
}

void DestroyPressed(HWND button) {
  SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  ASSERT_EQ(GetCapture(), button);
  DestroyWindow(button);
  EXPECT_NE(GetCapture(), button);
}

void DestroyFromItsClick(HWND button) {
  test::Recorder::SetHook([=](HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT&) {
    if (hwnd == f.form && message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED &&
        reinterpret_cast<HWND>(lParam) == button)
      DestroyWindow(button);
    return false;
  });
  SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  test::Recorder::SetHook({});
}

// While the box runs its modal loop, the form goes, and with it the box it owns.
void DestroyWithItsMessageBoxOpen(HWND) {
  SetForegroundWindow(f.form);
  boxWasSkinned = false;
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) {
    if (HWND box = FindWindowW(L"#32770", L"Destroy")) boxWasSkinned = IsSkinned(box);
    if (IsWindow(f.form)) DestroyWindow(f.form);
  });
  MessageBoxW(f.form, L"The form goes while this is open.", L"Destroy", MB_OK);
  KillTimer(nullptr, timer);
  EXPECT_TRUE(boxWasSkinned);
}

TEST(AwkwardDestroy, AtTheWorstMomentsNothingIsLeftBehind) {
  stress::WarmUp();
  {
    // The platform loads what its message boxes need on first use, and keeps it.
    test::MessageBoxWatcher closer;
    MessageBoxW(nullptr, L"warm-up", L"warm-up", MB_OK);
  }
  const std::function<void(HWND)> scenarios[] = {DestroyMidFade, DestroyPressed, DestroyFromItsClick,
                                                 DestroyWithItsMessageBoxOpen};
  const int leaked = test::GdiObjectsLeakedBy([&] {
    f = stress::CreateFixtureForm();
    ASSERT_EQ(SkinWindow(f.form), 1);
    for (size_t i = 0; i < std::size(scenarios); ++i) {
      HWND button = f.buttons[i];
      std::vector<HGDIOBJ> faces;
      for (int n = 0; n < FaceCount; ++n) faces.push_back(FaceDc(button, n));
      const LONG before = SkinnedWindowCount;
      scenarios[i](button);
      SCOPED_TRACE(testing::Message() << "scenario " << i);
      EXPECT_FALSE(IsWindow(button));
      if (IsWindow(f.form)) {
        EXPECT_EQ(SkinnedWindowCount, before - 1);
      }
      for (HGDIOBJ face : faces) EXPECT_EQ(GetObjectType(face), 0u);
      // Nothing of its fade outlives it, and the rest of the form goes on working.
      MSG msg{};
      EXPECT_FALSE(PeekMessageW(&msg, button, WM_TIMER, WM_TIMER, PM_NOREMOVE));
      if (IsWindow(f.form)) {
        HWND next = f.buttons[i + 1];
        SendMessageW(next, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        SendMessageW(next, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        EXPECT_EQ(ReadIntProp(next, PropAlphaLevel), 60);
        StopTimer(next);
      }
    }
    test::PumpMessages();
  });
  EXPECT_EQ(SkinnedWindowCount, 0);
  EXPECT_FALSE(SkinInitialized);
  for (const SkinBitmap& bitmap : SkinBitmaps) EXPECT_EQ(*bitmap.surface, nullptr);
  EXPECT_EQ(leaked, 0);
}

}  // namespace
