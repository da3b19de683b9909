// No handle leaks, counted exactly: the process's free GDI capacity (small bitmaps it can
// still create) before and after long runs of the engine's work.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>

#include "app/forms.h"
#include "platform/browser.h"
#include "platform/message_loop.h"
#include "skin/core/attach.h"
#include "skin/core/skin_state.h"
#include "skin/core/window_props.h"
#include "tests/stress/fixture_form.h"
#include "tests/stress/leak_support.h"
#include "tests/stress/stress_settings.h"
#include "tests/support/gdi_capacity.h"
#include "tests/support/pump.h"
#include "tests/support/quiet_browser.h"

namespace {

using namespace skin;

TEST(Leaks, AttachAndDestroyCycles) {
  stress::WarmUp();
  const int cycles = stress::Scaled(1000);
  int leaked = test::GdiObjectsLeakedBy([&] {
    for (int i = 0; i < cycles; ++i) {
      stress::FixtureForm f = stress::CreateFixtureForm();
      ASSERT_EQ(SkinWindow(f.form), 1);
      // The form, its 17 controls and the editable combo's own edit field.
      ASSERT_EQ(SkinnedWindowCount, 19);
      DestroyWindow(f.form);
      ASSERT_EQ(SkinnedWindowCount, 0);
      ASSERT_FALSE(SkinInitialized);
      if (i % 50 == 0) test::PumpMessages();
    }
    test::PumpMessages();
  });
  stress::Report("attach/destroy cycles", cycles, leaked);
  EXPECT_EQ(leaked, 0);
}

TEST(Leaks, PaintsOfEveryKind) {
  stress::WarmUp();
  stress::FixtureForm f = stress::CreateFixtureForm(true);
  SkinWindow(f.form);
  test::PumpMessages();
  const std::vector<HWND> all = f.All();
  const int paints = stress::Scaled(20000);
  int leaked = test::GdiObjectsLeakedBy([&] {
    for (int i = 0; i < paints; ++i) {
      HWND w = all[static_cast<size_t>(i) % all.size()];
      RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
    }
    test::PumpMessages();
  });
  stress::Report("paints", paints, leaked);
  EXPECT_EQ(leaked, 0);
  DestroyWindow(f.form);
}

TEST(Leaks, LoginToMainWindowTransitions) {
  platform::SetBrowserFactory(test::QuietBrowser::Make);
  auto transition = [] {
    app::Form1().Show();
    SetWindowTextW(app::Form1().Control(L"txtPassword"), app::LoginPassword);
    HWND ok = app::Form1().Control(L"cmdOK");
    SendMessageW(ok, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(ok, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    if (!app::soft().IsLoaded()) return false;
    app::soft().Unload();
    platform::ProcessPendingMessages();
    return !app::Form1().IsLoaded() && SkinnedWindowCount == 0 && !SkinInitialized;
  };
  ASSERT_TRUE(transition());  // warm-up
  const int cycles = stress::Scaled(1000);
  int failed = 0;
  int leaked = test::GdiObjectsLeakedBy([&] {
    for (int i = 0; i < cycles; ++i) failed += transition() ? 0 : 1;
  });
  stress::Report("login-to-main-window transitions", cycles, leaked);
  EXPECT_EQ(failed, 0);
  EXPECT_EQ(leaked, 0);
  EXPECT_EQ(platform::LoadedFormCount(), 0);
  platform::SetBrowserFactory({});
}

}  // namespace
