// The routing window procedure and the removal of the skin.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

#include "skin/core/attach.h"
#include "skin/core/detach.h"
#include "skin/core/skin_state.h"
#include "skin/core/skin_wndproc.h"
#include "skin/core/window_props.h"
#include "tests/support/pump.h"
#include "tests/support/recorder.h"

namespace {

using namespace skin;

constexpr wchar_t TestFormClass[] = L"ThunderRT6FormDC";
constexpr wchar_t TestOtherClass[] = L"TintoraTestOther";
constexpr UINT Marker = WM_APP + 7;
constexpr LRESULT MarkerResult = 0x5A5A;

class Routing : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(SkinnedWindowCount, 0);
    test::Recorder::Clear();
    test::Recorder::SetHook({});
    form_ = test::CreateRecordingWindow(TestFormClass, nullptr, WS_POPUP, 0, 0, 200, 200);
  }
  void TearDown() override {
    test::Recorder::SetHook({});
    if (IsWindow(form_)) DestroyWindow(form_);
    EXPECT_EQ(SkinnedWindowCount, 0);
    EXPECT_FALSE(SkinInitialized);
  }
  HWND form_ = nullptr;
};

TEST_F(Routing, UnroutedMessagesReachThePreviousProcedureUnchanged) {
  HWND other = test::CreateRecordingWindow(TestOtherClass, form_);
  ASSERT_EQ(SkinWindow(form_), 1);
  test::Recorder::SetHook([](HWND, UINT message, WPARAM, LPARAM, LRESULT& result) {
    if (message != Marker && message != WM_CHAR) return false;
    result = MarkerResult;
    return true;
  });
  test::Recorder::Clear();
  const LPARAM bigLParam = static_cast<LPARAM>(0x7FFF1234);
  EXPECT_EQ(SendMessageW(other, Marker, 42, bigLParam), MarkerResult);
  EXPECT_EQ(SendMessageW(other, WM_CHAR, L'x', 0x001E0001), MarkerResult);
  ASSERT_EQ(test::Recorder::Log().size(), 2u);
  EXPECT_EQ(test::Recorder::Log()[0].message, Marker);
  EXPECT_EQ(test::Recorder::Log()[0].wParam, 42u);
  EXPECT_EQ(test::Recorder::Log()[0].lParam, bigLParam);
  EXPECT_EQ(test::Recorder::Log()[1].wParam, static_cast<WPARAM>(L'x'));
  EXPECT_EQ(test::Recorder::Log()[1].lParam, 0x001E0001);
}

// Each routed message reaches the previous procedure once and its answer comes back, for a
// window of no kind and for a command button alike; only a button's paint is the skin's
// alone. WM_DESTROY comes last: it removes the skin.
TEST_F(Routing, EveryRoutedMessageReachesThePreviousProcedureOnceAndReturnsItsResult) {
  HWND other = test::CreateRecordingWindow(TestOtherClass, form_);
  HWND button = CreateWindowExW(0, L"Button", L"OK", WS_CHILD | WS_VISIBLE, 5, 5, 75, 23, form_,
                                nullptr, nullptr, nullptr);
  test::InstallRecordingSubclass(button);
  ASSERT_EQ(SkinWindow(form_), 1);
  const UINT routed[] = {WM_SIZE,         WM_ACTIVATE,   WM_SETFOCUS,    WM_KILLFOCUS,
                         WM_ENABLE,       WM_PAINT,      WM_WINDOWPOSCHANGED, WM_NCPAINT,
                         WM_KEYDOWN,      WM_KEYUP,      WM_TIMER,       WM_ENTERIDLE,
                         WM_CTLCOLORLISTBOX, WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP,
                         WM_LBUTTONDBLCLK, WM_MOUSELEAVE, WM_DESTROY};
  auto answer = [](UINT message) { return static_cast<LRESULT>(0x5A0000 + message); };
  test::Recorder::SetHook([&](HWND, UINT message, WPARAM, LPARAM, LRESULT& result) {
    if (std::find(std::begin(routed), std::end(routed), message) == std::end(routed)) return false;
    result = answer(message);
    return true;
  });
  for (UINT message : routed) {
    for (HWND w : {other, button}) {
      const bool paintedWhole = w == button && message == WM_PAINT;
      test::Recorder::Clear();
      EXPECT_EQ(SendMessageW(w, message, 0, 0), paintedWhole ? 0 : answer(message))
          << std::hex << "message 0x" << message << (w == button ? " to the button" : "");
      EXPECT_EQ(test::Recorder::Count(message), paintedWhole ? 0 : 1)
          << std::hex << "message 0x" << message << (w == button ? " to the button" : "");
    }
  }
  EXPECT_EQ(SkinnedWindowCount, 1);
}

TEST_F(Routing, AMessageForAWindowWithoutItsPreviousProcedureGetsDefaultHandling) {
  HWND other = test::CreateRecordingWindow(TestOtherClass, form_);
  // A window that reaches the skin's procedure without being skinned.
  SetWindowLongPtrW(other, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SkinWndProc));
  test::Recorder::Clear();
  SetWindowTextW(other, L"default");
  wchar_t text[16] = {};
  GetWindowTextW(other, text, 16);
  EXPECT_STREQ(text, L"default");  // DefWindowProc kept the text
  EXPECT_EQ(test::Recorder::Log().size(), 0u);
  EXPECT_EQ(SkinWndProc(nullptr, Marker, 1, 2), 0);
  SetWindowLongPtrW(other, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&test::RecordingProc));
}

TEST_F(Routing, DestroyRemovesTheSkinBeforeTheWindowsOwnProcedureSeesIt) {
  HWND other = test::CreateRecordingWindow(TestOtherClass, form_);
  ASSERT_EQ(SkinWindow(form_), 1);
  bool skinnedAtDestroy = true;
  LONG_PTR procedureAtDestroy = 0;
  test::Recorder::SetHook([&](HWND hwnd, UINT message, WPARAM, LPARAM, LRESULT&) {
    if (hwnd == other && message == WM_DESTROY) {
      skinnedAtDestroy = IsSkinned(hwnd);
      procedureAtDestroy = GetWindowLongPtrW(hwnd, GWLP_WNDPROC);
    }
    return false;
  });
  DestroyWindow(form_);
  EXPECT_FALSE(skinnedAtDestroy);
  EXPECT_EQ(procedureAtDestroy, reinterpret_cast<LONG_PTR>(&test::RecordingProc));
}

TEST_F(Routing, ButtonDestroyRestoresEverythingAndFreesItsFaces) {
  HWND button = CreateWindowExW(0, L"Button", L"OK", WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON,
                                5, 5, 75, 23, form_, nullptr, nullptr, nullptr);
  LONG_PTR procedure = GetWindowLongPtrW(button, GWLP_WNDPROC);
  LONG_PTR style = GetWindowLongPtrW(button, GWL_STYLE);
  ASSERT_EQ(SkinWindow(form_), 1);
  ASSERT_EQ(SkinnedWindowCount, 2);
  HGDIOBJ faces[8];
  for (int n = 0; n < FaceCount; ++n) {
    faces[2 * n] = reinterpret_cast<HGDIOBJ>(ReadProp(button, FaceDcPropName(n)));
    faces[2 * n + 1] = reinterpret_cast<HGDIOBJ>(ReadProp(button, FaceBitmapPropName(n)));
    ASSERT_NE(GetObjectType(faces[2 * n]), 0u);
    ASSERT_NE(GetObjectType(faces[2 * n + 1]), 0u);
  }

  SendMessageW(button, WM_DESTROY, 0, 0);

  EXPECT_EQ(SkinnedWindowCount, 1);
  EXPECT_EQ(GetWindowLongPtrW(button, GWLP_WNDPROC), procedure);
  EXPECT_EQ(GetWindowLongPtrW(button, GWL_STYLE), style);
  for (const wchar_t* name : {PropProcAddr, PropOldStyle, PropMouseFlag, PropTimerId,
                              PropOldState, PropAlphaLevel, PropHdIndex, PropHmIndex})
    EXPECT_EQ(GetPropW(button, name), nullptr);
  for (int n = 0; n < FaceCount; ++n) {
    EXPECT_EQ(GetPropW(button, FaceDcPropName(n)), nullptr);
    EXPECT_EQ(GetPropW(button, FaceBitmapPropName(n)), nullptr);
  }
  for (HGDIOBJ face : faces) EXPECT_EQ(GetObjectType(face), 0u) << "face buffer still alive";
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(button, region), ERROR);
  DeleteObject(region);
  EXPECT_EQ(DetachSkin(button), 0);  // not skinned any more
  EXPECT_EQ(DetachSkin(nullptr), 0);
}

TEST_F(Routing, TheLastWindowReleasesTheEngineAndTheNextSkinBuildsItAgain) {
  ASSERT_EQ(SkinWindow(form_), 1);
  HDC first[] = {ButtonBitmap, ComboBitmap, CheckBitmap, GlyphBitmap, HeaderBitmap};
  for (HDC surface : first) ASSERT_EQ(GetObjectType(surface), static_cast<DWORD>(OBJ_MEMDC));
  DestroyWindow(form_);
  EXPECT_EQ(SkinnedWindowCount, 0);
  EXPECT_FALSE(SkinInitialized);
  for (HDC surface : first) EXPECT_EQ(GetObjectType(surface), 0u);
  for (HDC surface : {ButtonBitmap, ComboBitmap, CheckBitmap, GlyphBitmap, HeaderBitmap})
    EXPECT_EQ(surface, nullptr);

  form_ = test::CreateRecordingWindow(TestFormClass, nullptr, WS_POPUP, 0, 0, 200, 200);
  ASSERT_EQ(SkinWindow(form_), 1);
  EXPECT_TRUE(SkinInitialized);
  for (HDC surface : {ButtonBitmap, ComboBitmap, CheckBitmap, GlyphBitmap, HeaderBitmap})
    EXPECT_EQ(GetObjectType(surface), static_cast<DWORD>(OBJ_MEMDC));
}

TEST_F(Routing, AListAnnouncedByColourRequestIsAttachedOnce) {
  ASSERT_EQ(SkinWindow(form_), 1);
  HWND list = CreateWindowExW(0, L"ComboLBox", L"", WS_POPUP, 0, 0, 50, 50, form_, nullptr,
                              nullptr, nullptr);
  ASSERT_NE(list, nullptr);
  const auto brush = reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
  test::Recorder::SetHook([&](HWND, UINT message, WPARAM, LPARAM, LRESULT& result) {
    if (message != WM_CTLCOLORLISTBOX) return false;
    result = brush;
    return true;
  });
  EXPECT_EQ(SendMessageW(form_, WM_CTLCOLORLISTBOX, 0, reinterpret_cast<LPARAM>(list)), brush);
  EXPECT_TRUE(IsSkinned(list));
  EXPECT_EQ(SkinnedWindowCount, 2);
  EXPECT_EQ(SendMessageW(form_, WM_CTLCOLORLISTBOX, 0, reinterpret_cast<LPARAM>(list)), brush);
  EXPECT_EQ(SkinnedWindowCount, 2);
  DestroyWindow(list);
  EXPECT_EQ(SkinnedWindowCount, 1);
}

TEST_F(Routing, AnIdleDialogIsAttachedWithItsControls) {
  ASSERT_EQ(SkinWindow(form_), 1);
  test::Recorder::Clear();
  SendMessageW(form_, WM_ENTERIDLE, MSGF_DIALOGBOX, 0);
  EXPECT_EQ(test::Recorder::Count(WM_ENTERIDLE), 1);
  EXPECT_EQ(SkinnedWindowCount, 1);

  HWND dialog = test::CreateRecordingWindow(TestFormClass, nullptr, WS_POPUP, 0, 0, 100, 100);
  HWND ok = CreateWindowExW(0, L"Button", L"OK", WS_CHILD, 0, 0, 60, 20, dialog, nullptr,
                            nullptr, nullptr);
  SendMessageW(form_, WM_ENTERIDLE, MSGF_DIALOGBOX, reinterpret_cast<LPARAM>(dialog));
  EXPECT_TRUE(IsSkinned(dialog));
  EXPECT_TRUE(IsSkinned(ok));
  EXPECT_EQ(SkinnedWindowCount, 3);
  SendMessageW(form_, WM_ENTERIDLE, MSGF_DIALOGBOX, reinterpret_cast<LPARAM>(dialog));
  EXPECT_EQ(SkinnedWindowCount, 3);
  DestroyWindow(dialog);
  EXPECT_EQ(SkinnedWindowCount, 1);
}

TEST_F(Routing, DestroyingAFormDetachesItsDescendantsFirst) {
  HWND child = test::CreateRecordingWindow(TestOtherClass, form_);
  ASSERT_EQ(SkinWindow(form_), 1);
  bool childSkinnedWhenFormDestroyed = true;
  test::Recorder::SetHook([&](HWND hwnd, UINT message, WPARAM, LPARAM, LRESULT&) {
    if (hwnd == form_ && message == WM_DESTROY) childSkinnedWhenFormDestroyed = IsSkinned(child);
    return false;
  });
  DestroyWindow(form_);
  EXPECT_FALSE(childSkinnedWhenFormDestroyed);
}

}  // namespace
