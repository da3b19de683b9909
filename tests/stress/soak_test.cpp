// Long runs of the engine's work that count objects and check state only, so they may run
// beside other tests: attaching and destroying the whole form, painting every kind, and the
// way from the login dialog to the main window and out.
#include "app/forms.h"
#include "app/login_form.h"
#include "platform/browser.h"
#include "platform/message_loop.h"
#include "skin/core/skin_state.h"
#include "skin/engine/attach.h"
#include "tests/stress/stress_fixture.h"
#include "tests/support/quiet_browser.h"

namespace {

using namespace skin;

stress::FixtureForm f;  // the form the paints go to

const stress::Run SoakRuns[] = {
    {"AttachDestroyCycles", 60, [] {},
     [](int) {
       const stress::FixtureForm own = stress::CreateFixtureForm();
       const bool attached = SkinWindow(own.form) == 1 && SkinnedWindowCount == stress::FixtureWindows;
       DestroyWindow(own.form);
       return attached && SkinnedWindowCount == 0 && !SkinInitialized;
     },
     [] {}},
    {"PaintsOfEveryKind", 2000,
     [] {
       f = stress::CreateFixtureForm(true);
       SkinWindow(f.form);
     },
     [](int i) {
       const std::vector<HWND> all = f.All();
       return RedrawWindow(all[static_cast<size_t>(i) % all.size()], nullptr, nullptr,
                           RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW) != FALSE;
     },
     [] { DestroyWindow(f.form); }},
    // The engine is released with the dialog and built again for the main window each time.
    {"LoginToMainWindowTransitions", 40, [] { platform::SetBrowserFactory(test::QuietBrowser::Make); },
     [](int) {
       app::Form1().Show();
       SetWindowTextW(app::Form1().Control(L"txtPassword"), app::LoginPassword);
       SendMessageW(app::Form1().Control(L"cmdOK"), BM_CLICK, 0, 0);
       const bool shown = app::soft().IsLoaded();
       app::soft().Unload();
       platform::ProcessPendingMessages();
       return shown && !app::Form1().IsLoaded() && platform::LoadedFormCount() == 0 &&
              SkinnedWindowCount == 0 && !SkinInitialized;
     },
     [] { platform::SetBrowserFactory({}); }},
};

using stress::Runs;
TEST_P(Runs, KeepNothing) { stress::RunAndCount(GetParam()); }
INSTANTIATE_TEST_SUITE_P(Soak, Runs, testing::ValuesIn(SoakRuns), stress::RunName);

}  // namespace
