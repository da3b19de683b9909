// Re-entrancy: the skin is entered again from its own sends, from previous procedures
// that send routed messages back, from forms inside forms, and it meets a window that
// someone subclassed after it.
#include <gtest/gtest.h>
#include <windows.h>

#include "skin/core/attach.h"
#include "skin/core/detach.h"
#include "skin/core/skin_state.h"
#include "skin/core/skin_wndproc.h"
#include "skin/core/window_props.h"
#include "tests/support/pump.h"
#include "tests/support/recorder.h"

namespace {

using namespace skin;

constexpr wchar_t FormClass[] = L"ThunderRT6FormDC";

class Reentrancy : public ::testing::Test {
 protected:
  void SetUp() override { test::Recorder::Clear(); }
  void TearDown() override {
    test::Recorder::SetHook({});
    if (IsWindow(form_)) DestroyWindow(form_);
    test::PumpMessages();
    EXPECT_EQ(SkinnedWindowCount, 0);
    EXPECT_FALSE(SkinInitialized);
  }
  HWND form_ = nullptr;
};

TEST_F(Reentrancy, AttachingAgainFromTheNonClientPaintItSends) {
  form_ = test::CreateRecordingWindow(FormClass, nullptr, WS_POPUP | WS_VISIBLE, 20, 20, 300, 200);
  HWND late = test::CreateRecordingWindow(L"TintoraTestLate", form_);
  HWND button = CreateWindowExW(0, L"Button", L"b", WS_CHILD | WS_VISIBLE, 5, 5, 60, 20, form_,
                                nullptr, nullptr, nullptr);
  int nested = 0;
  test::Recorder::SetHook([&](HWND hwnd, UINT message, WPARAM, LPARAM, LRESULT&) {
    if (message == WM_NCPAINT && hwnd == form_) {
      nested += AttachSkin(form_);  // itself: already skinned by now
      nested += SkinWindow(form_);
      nested += AttachSkin(late);   // a child the enumeration reached already
    }
    return false;
  });
  ASSERT_EQ(SkinWindow(form_), 1);
  EXPECT_EQ(nested, 0);
  EXPECT_EQ(SkinnedWindowCount, 3);
  EXPECT_EQ(ReadProp(form_, PropProcAddr), reinterpret_cast<LONG_PTR>(&test::RecordingProc));
  EXPECT_NE(ReadProp(button, PropProcAddr), reinterpret_cast<LONG_PTR>(&SkinWndProc));
}

TEST_F(Reentrancy, AWindowAttachedAgainWhileItIsBeingAttached) {
  form_ = test::CreateRecordingWindow(FormClass, nullptr, WS_POPUP | WS_VISIBLE, 20, 20, 300, 200);
  HWND button = CreateWindowExW(0, L"Button", L"b", WS_CHILD | WS_VISIBLE, 5, 5, 60, 20, form_,
                                nullptr, nullptr, nullptr);
  const LONG_PTR original = GetWindowLongPtrW(button, GWLP_WNDPROC);
  test::InstallRecordingSubclass(button);
  const LONG_PTR recording = GetWindowLongPtrW(button, GWLP_WNDPROC);
  // The button's own procedure attaches the skin to it again from the caption request
  // that rendering its faces makes, before the first attachment has finished.
  int inner = 0;
  test::Recorder::SetHook([&](HWND hwnd, UINT message, WPARAM, LPARAM, LRESULT&) {
    if (hwnd == button && message == WM_GETTEXTLENGTH && inner == 0) {
      inner = 1;
      inner += AttachSkin(button);
    }
    return false;
  });
  ASSERT_EQ(AttachSkin(form_) + 0, 1);
  test::Recorder::SetHook({});
  EXPECT_EQ(inner, 1);  // the inner attachment was refused
  // One attachment in the end: counted once, chained to the button's own procedure, not
  // to the skin itself (which would send every message round in circles).
  EXPECT_EQ(SkinnedWindowCount, 2);
  EXPECT_EQ(ReadProp(button, PropProcAddr), recording);
  EXPECT_EQ(GetWindowLongPtrW(button, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&SkinWndProc));
  SendMessageW(button, WM_NULL, 0, 0);  // reaches the end of the chain
  EXPECT_EQ(GetPropW(button, PropAttaching), nullptr);
  DestroyWindow(button);
  EXPECT_EQ(SkinnedWindowCount, 1);
  (void)original;
}

TEST_F(Reentrancy, AWindowDetachedAgainWhileItIsBeingDetached) {
  form_ = test::CreateRecordingWindow(FormClass, nullptr, WS_POPUP | WS_VISIBLE, 20, 20, 300, 200);
  HWND first = CreateWindowExW(0, L"Button", L"a", WS_CHILD | WS_VISIBLE, 5, 5, 60, 20, form_,
                               nullptr, nullptr, nullptr);
  HWND second = CreateWindowExW(0, L"Button", L"b", WS_CHILD | WS_VISIBLE, 5, 40, 60, 20, form_,
                                nullptr, nullptr, nullptr);
  test::InstallRecordingSubclass(first);
  ASSERT_EQ(SkinWindow(form_), 1);
  ASSERT_EQ(SkinnedWindowCount, 3);
  // The button's own procedure removes the skin itself when the removal restores its style.
  int inner = 0;
  test::Recorder::SetHook([&](HWND hwnd, UINT message, WPARAM, LPARAM, LRESULT&) {
    if (hwnd == first && message == WM_STYLECHANGED && inner == 0) {
      inner = 1;
      inner += DetachSkin(first);
    }
    return false;
  });
  EXPECT_EQ(DetachSkin(first), 0);  // the inner removal did the work and the counting
  EXPECT_EQ(inner, 2);
  EXPECT_FALSE(IsSkinned(first));
  EXPECT_EQ(SkinnedWindowCount, 2);
  EXPECT_TRUE(SkinInitialized);
  EXPECT_TRUE(IsSkinned(second));
}

TEST_F(Reentrancy, APreviousProcedureThatSendsRoutedMessagesBack) {
  form_ = test::CreateRecordingWindow(FormClass, nullptr, WS_POPUP | WS_VISIBLE, 20, 20, 300, 200);
  HWND echo = test::CreateRecordingWindow(L"TintoraTestEcho", form_, 0, 10, 10, 100, 40);
  ASSERT_EQ(SkinWindow(form_), 1);
  int depth = 0;
  int deepest = 0;
  test::Recorder::SetHook([&](HWND hwnd, UINT message, WPARAM, LPARAM, LRESULT&) {
    if (hwnd != echo || depth >= 3) return false;
    ++depth;
    deepest = depth > deepest ? depth : deepest;
    // Each routed message answers with other routed messages to itself.
    if (message == WM_PAINT) SendMessageW(hwnd, WM_SIZE, 0, MAKELPARAM(100, 40));
    if (message == WM_SIZE) SendMessageW(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    if (message == WM_MOUSEMOVE) SendMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    if (message == WM_LBUTTONUP) SendMessageW(hwnd, WM_ACTIVATE, WA_ACTIVE, reinterpret_cast<LPARAM>(form_));
    --depth;
    return false;
  });
  test::Recorder::Clear();
  RedrawWindow(echo, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_EQ(deepest, 3);
  // Every message reached the previous procedure exactly once per send.
  EXPECT_EQ(test::Recorder::Count(WM_PAINT), 1);
  EXPECT_EQ(test::Recorder::Count(WM_SIZE), 1);
  EXPECT_EQ(test::Recorder::Count(WM_MOUSEMOVE), 1);
  EXPECT_EQ(SkinnedWindowCount, 2);
  EXPECT_EQ(ReadProp(echo, PropProcAddr), reinterpret_cast<LONG_PTR>(&test::RecordingProc));
}

TEST_F(Reentrancy, FormsInsideFormsInsideForms) {
  form_ = test::CreateRecordingWindow(FormClass, nullptr, WS_POPUP | WS_VISIBLE, 20, 20, 300, 200);
  HWND parent = form_;
  const int depth = 6;
  for (int i = 0; i < depth; ++i) {
    parent = test::CreateRecordingWindow(i % 2 ? L"#32770" : FormClass, parent,
                                         WS_CHILD | WS_VISIBLE, 2, 2, 250 - 20 * i, 150 - 20 * i);
    CreateWindowExW(0, L"Button", L"b", WS_CHILD | WS_VISIBLE, 1, 1, 30, 15, parent, nullptr,
                    nullptr, nullptr);
  }
  ASSERT_EQ(SkinWindow(form_), 1);
  EXPECT_EQ(SkinnedWindowCount, 1 + 2 * depth);
  // Skinning an inner form again, or announcing it, changes nothing.
  EXPECT_EQ(AttachSkin(parent), 0);
  SendMessageW(form_, WM_ENTERIDLE, MSGF_DIALOGBOX, reinterpret_cast<LPARAM>(parent));
  EXPECT_EQ(SkinnedWindowCount, 1 + 2 * depth);
}

// A window subclassed by someone else after the skin, then destroyed: the skin comes off
// at WM_DESTROY and puts back the procedure it saved, which replaces the later subclass
// too; messages that still reach the skin's procedure after that get default handling.
// Nothing crashes and the count is right.
TEST_F(Reentrancy, AWindowSubclassedAgainAfterTheSkin) {
  form_ = test::CreateRecordingWindow(FormClass, nullptr, WS_POPUP | WS_VISIBLE, 20, 20, 300, 200);
  HWND target = test::CreateRecordingWindow(L"TintoraTestTarget", form_);
  ASSERT_EQ(SkinWindow(form_), 1);

  static WNDPROC skinProcedure = nullptr;
  static int laterSubclassCalls = 0;
  laterSubclassCalls = 0;
  skinProcedure = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
      target, GWLP_WNDPROC,
      reinterpret_cast<LONG_PTR>(+[](HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
        ++laterSubclassCalls;
        return CallWindowProcW(skinProcedure, hwnd, message, wParam, lParam);
      })));
  ASSERT_EQ(skinProcedure, &SkinWndProc);
  SendMessageW(target, WM_NULL, 0, 0);
  EXPECT_EQ(laterSubclassCalls, 1);

  // The skin's removal (here through the target's own WM_DESTROY, reached through the
  // later subclass) puts back the original procedure: the later subclass is gone too.
  SendMessageW(target, WM_DESTROY, 0, 0);
  EXPECT_FALSE(IsSkinned(target));
  EXPECT_EQ(GetWindowLongPtrW(target, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&test::RecordingProc));
  EXPECT_EQ(SkinnedWindowCount, 1);
  const int calls = laterSubclassCalls;
  SendMessageW(target, WM_NULL, 0, 0);
  EXPECT_EQ(laterSubclassCalls, calls);

  // Had the later subclass put the skin's procedure back, the skin would answer with the
  // default handling only.
  SetWindowLongPtrW(target, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SkinWndProc));
  test::Recorder::Clear();
  SetWindowTextW(target, L"default");
  EXPECT_EQ(test::Recorder::Log().size(), 0u);
  DestroyWindow(target);
  EXPECT_EQ(SkinnedWindowCount, 1);
}

}  // namespace
