// Destroying skinned windows at the worst moments: mid-fade, pressed with the capture
// held, from inside their own click handler, and a form with its message box open.
#include <gtest/gtest.h>
#include <windows.h>

#include "skin/core/attach.h"
#include "skin/core/skin_state.h"
#include "skin/core/window_props.h"
#include "skin/interaction/fade.h"
#include "tests/stress/fixture_form.h"
#include "tests/support/gdi_capacity.h"
#include "tests/support/message_box_watcher.h"
#include "tests/support/pump.h"
#include "tests/support/recorder.h"

namespace {

using namespace skin;

class AwkwardDestroy : public ::testing::Test {
 protected:
  void SetUp() override {
    // Warm the display up, so that the capacity measurement sees only what the test leaks.
    stress::FixtureForm warm = stress::CreateFixtureForm();
    SkinWindow(warm.form);
    test::PumpMessages();
    {
      // The platform loads what its message boxes need on first use, and keeps it.
      test::MessageBoxWatcher closer;
      MessageBoxW(warm.form, L"warm-up", L"warm-up", MB_OK);
    }
    DestroyWindow(warm.form);
    test::PumpMessages();
    capacity_ = test::MeasureGdiCapacity();
    f_ = stress::CreateFixtureForm();
    ASSERT_EQ(SkinWindow(f_.form), 1);
    test::PumpMessages();
  }
  void TearDown() override {
    test::Recorder::SetHook({});
    if (IsWindow(f_.form)) DestroyWindow(f_.form);
    test::PumpMessages();
    EXPECT_EQ(SkinnedWindowCount, 0);
    EXPECT_FALSE(SkinInitialized);
    for (HDC surface : {ButtonBitmap, ComboBitmap, CheckBitmap, GlyphBitmap, HeaderBitmap})
      EXPECT_EQ(surface, nullptr);
    EXPECT_EQ(capacity_ - test::MeasureGdiCapacity(), 0) << "GDI objects leaked";
  }
  // Face buffers and bitmaps of a button, to check afterwards that they are gone.
  static std::vector<HGDIOBJ> FacesOf(HWND button) {
    std::vector<HGDIOBJ> faces;
    for (int n = 0; n < FaceCount; ++n) {
      faces.push_back(reinterpret_cast<HGDIOBJ>(ReadProp(button, FaceDcPropName(n))));
      faces.push_back(reinterpret_cast<HGDIOBJ>(ReadProp(button, FaceBitmapPropName(n))));
    }
    return faces;
  }
  static void ExpectFreed(const std::vector<HGDIOBJ>& faces) {
    for (HGDIOBJ face : faces) EXPECT_EQ(GetObjectType(face), 0u);
  }
  stress::FixtureForm f_;
  int capacity_ = 0;
};

TEST_F(AwkwardDestroy, MidFadeWithTheTimerRunning) {
  HWND button = f_.buttons[3];
  WriteProp(button, PropAlphaLevel, 30);
  ASSERT_NE(StartTimer(button), 0u);
  SendMessageW(button, WM_TIMER, FadeTimerId, 0);
  std::vector<HGDIOBJ> faces = FacesOf(button);
  const LONG before = SkinnedWindowCount;
  DestroyWindow(button);
  EXPECT_EQ(SkinnedWindowCount, before - 1);
  ExpectFreed(faces);
  // Nothing of its fade outlives it: no timer message is left for it.
  test::PumpFor(60);
  MSG msg{};
  EXPECT_FALSE(PeekMessageW(&msg, button, WM_TIMER, WM_TIMER, PM_NOREMOVE));
}

TEST_F(AwkwardDestroy, PressedWithTheCaptureHeld) {
  HWND button = f_.buttons[0];
  SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  ASSERT_EQ(GetCapture(), button);
  std::vector<HGDIOBJ> faces = FacesOf(button);
  DestroyWindow(button);
  EXPECT_NE(GetCapture(), button);
  ExpectFreed(faces);
  // The rest of the form goes on working.
  SendMessageW(f_.buttons[1], WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageW(f_.buttons[1], WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(ReadIntProp(f_.buttons[1], PropAlphaLevel), 60);
}

TEST_F(AwkwardDestroy, FromInsideItsOwnClickHandler) {
  HWND button = f_.buttons[5];
  std::vector<HGDIOBJ> faces = FacesOf(button);
  bool clicked = false;
  test::Recorder::SetHook([&](HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT&) {
    if (hwnd == f_.form && message == WM_COMMAND && reinterpret_cast<HWND>(lParam) == button &&
        HIWORD(wParam) == BN_CLICKED) {
      clicked = true;
      DestroyWindow(button);
    }
    return false;
  });
  const LONG before = SkinnedWindowCount;
  SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_TRUE(clicked);
  EXPECT_FALSE(IsWindow(button));
  EXPECT_EQ(SkinnedWindowCount, before - 1);
  ExpectFreed(faces);
}

TEST_F(AwkwardDestroy, AFormWithItsMessageBoxOpen) {
  SetForegroundWindow(f_.form);
  static HWND form = nullptr;
  static bool boxWasSkinned = false;
  form = f_.form;
  boxWasSkinned = false;
  // While the box runs its modal loop, the form goes, and with it the box it owns.
  UINT_PTR timer = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) {
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND hwnd, LPARAM) -> BOOL {
          wchar_t cls[16] = {};
          GetClassNameW(hwnd, cls, 16);
          if (lstrcmpW(cls, L"#32770") == 0) boxWasSkinned = IsSkinned(hwnd);
          return TRUE;
        },
        0);
    if (IsWindow(form)) DestroyWindow(form);
  });
  MessageBoxW(f_.form, L"The form goes while this is open.", L"Destroy", MB_OK);
  KillTimer(nullptr, timer);
  EXPECT_TRUE(boxWasSkinned);
  EXPECT_FALSE(IsWindow(f_.form));
}

}  // namespace
