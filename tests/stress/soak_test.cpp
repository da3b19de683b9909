// Long runs that count objects and check state only, so they may run beside other tests.
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

const stress::Run SoakRuns[] = {
    // Each kind attached, painted whole and destroyed with its form, again and again.
    {"AttachPaintDestroyCycles", 60, nullptr,
     [](int) {
       const stress::FixtureForm f = stress::CreateFixtureForm(true);
       bool ok = SkinWindow(f.form()) == 1 && SkinnedWindowCount == stress::AllKindsWindows;
       for (HWND w : f.all)
         ok = ok && RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
       DestroyWindow(f.form());
       return ok && SkinnedWindowCount == 0 && !SkinInitialized;
     },
     nullptr},
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
INSTANTIATE_TEST_SUITE_P(Soak, Runs, testing::ValuesIn(SoakRuns), stress::RunName);

}  // namespace
