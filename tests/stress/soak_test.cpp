// Long runs of the engine's work with every GDI object counted: the process's free GDI
// capacity before and after must be the same (Wine's GetGuiResources returns 0).
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "app/forms.h"
#include "app/login_form.h"
#include "platform/browser.h"
#include "platform/message_loop.h"
#include "skin/core/skin_state.h"
#include "skin/engine/attach.h"
#include "tests/stress/fixture_form.h"
#include "tests/stress/stress_settings.h"
#include "tests/support/quiet_browser.h"

namespace {

using namespace skin;

// The form, its 17 controls and the editable combo's own edit field.
constexpr LONG FixtureWindows = 19;

TEST(Soak, AttachAndDestroyCyclesKeepNothing) {
  stress::WarmUp();
  EXPECT_EQ(stress::LeakedOver("attach/destroy cycles", stress::Scaled(60), [](int i) {
    stress::FixtureForm f = stress::CreateFixtureForm();
    EXPECT_EQ(SkinWindow(f.form), 1);
    EXPECT_EQ(SkinnedWindowCount, FixtureWindows);
    DestroyWindow(f.form);
    EXPECT_EQ(SkinnedWindowCount, 0);
    EXPECT_FALSE(SkinInitialized);
    if (i % 20 == 0) test::PumpMessages();
  }), 0);
}

TEST(Soak, PaintsOfEveryKindKeepNothing) {
  stress::WarmUp();
  stress::FixtureForm f = stress::CreateFixtureForm(true);
  SkinWindow(f.form);
  const std::vector<HWND> all = f.All();
  EXPECT_EQ(stress::LeakedOver("paints", stress::Scaled(2000), [&](int i) {
    RedrawWindow(all[static_cast<size_t>(i) % all.size()], nullptr, nullptr,
                 RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
  }), 0);
  DestroyWindow(f.form);
}

// From the login dialog to the main window and out: the engine is released with the dialog
// and built again for the main window each time.
TEST(Soak, LoginToMainWindowTransitionsKeepNothing) {
  platform::SetBrowserFactory(test::QuietBrowser::Make);
  int failed = 0;
  EXPECT_EQ(stress::LeakedOver("login-to-main-window transitions", stress::Scaled(40), [&](int) {
    app::Form1().Show();
    SetWindowTextW(app::Form1().Control(L"txtPassword"), app::LoginPassword);
    SendMessageW(app::Form1().Control(L"cmdOK"), BM_CLICK, 0, 0);
    failed += !app::soft().IsLoaded();
    app::soft().Unload();
    platform::ProcessPendingMessages();
    failed += app::Form1().IsLoaded() || SkinnedWindowCount != 0 || SkinInitialized;
  }), 0);
  EXPECT_EQ(failed, 0);
  EXPECT_EQ(platform::LoadedFormCount(), 0);
  platform::SetBrowserFactory({});
}

}  // namespace
