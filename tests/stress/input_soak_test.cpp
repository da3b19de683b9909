// Long runs that move the cursor, need the activation or open message boxes, so they run
// alone: fades, wrong passwords, destruction at the worst moments, the chart view's pages.
#include <string>

#include "app/forms.h"
#include "app/login_form.h"
#include "platform/browser.h"
#include "platform/message_loop.h"
#include "site/catalogue.h"
#include "site/chart_view.h"
#include "skin/engine/attach.h"
#include "skin/interaction/fade.h"
#include "tests/stress/stress_fixture.h"
#include "tests/support/message_box_watcher.h"
#include "tests/support/quiet_browser.h"
#include "tests/support/skin_test.h"

namespace {

using namespace skin;

stress::FixtureForm f;  // the form a run works on
int windowsBefore = 0;
LONG skinnedBefore = 0;
bool boxWasSkinned = false;

std::vector<std::wstring> pages;  // the start page, a missing one and every chart

bool Visit(size_t page) {
  auto* view = dynamic_cast<site::ChartView*>(app::soft().WebBrowser1());
  if (!view) return false;
  view->Navigate(pages[page % pages.size()]);
  UpdateWindow(view->Pane());
  UpdateWindow(view->Window());
  return true;
}

int ThreadWindows() {
  int count = 0;
  // The callback's result is the count so far, never 0: the enumeration goes through them all.
  EnumThreadWindows(
      GetCurrentThreadId(), [](HWND, LPARAM n) -> BOOL { return ++*reinterpret_cast<int*>(n); },
      reinterpret_cast<LPARAM>(&count));
  return count;
}

void Click(HWND button) {
  SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, test::At(5, 5));
  SendMessageW(button, WM_LBUTTONUP, 0, test::At(5, 5));
}

// Destroys a skinned button mid-fade, pressed with the mouse held, from inside its own click
// handler, or the whole form while its message box is open (the box it owns goes with it).
void DestroyAtAnAwkwardMoment(int scenario, HWND button) {
  switch (scenario) {
    case 0:
      WriteProp(button, PropAlphaLevel, 30);
      StartTimer(button);
      SendMessageW(button, WM_TIMER, FadeTimerId, 0);
      DestroyWindow(button);
      break;
    case 1:
      SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, test::At(5, 5));
      DestroyWindow(button);
      break;
    case 2:
      test::Recorder::SetHook([=](HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT&) {
        if (hwnd == f.form() && message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED &&
            reinterpret_cast<HWND>(lParam) == button)
          DestroyWindow(button);
        return false;
      });
      Click(button);
      test::Recorder::SetHook({});
      break;
    default:
      SetForegroundWindow(f.form());
      boxWasSkinned = false;
      const UINT_PTR timer = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) {
        if (HWND box = FindWindowW(L"#32770", L"Destroy")) boxWasSkinned = IsSkinned(box);
        if (IsWindow(f.form())) DestroyWindow(f.form());
      });
      MessageBoxW(f.form(), L"The form goes while this is open.", L"Destroy", MB_OK);
      KillTimer(nullptr, timer);
  }
}

const stress::Run InputRuns[] = {
    // Hover from 0, normal from 60 after the release, normal from 0 after the leave.
    {"HoverPressReleaseLeaveCycles", 100,
     [] {
       f = stress::CreateFixtureForm();
       SkinWindow(f.form());
       test::PointAt(f.button(0), 50, 15);
     },
     [](int) {
       HWND button = f.button(0);
       SendMessageW(button, WM_MOUSEMOVE, 0, test::At(50, 15));
       const int hover = test::RunFade(button);
       SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, test::At(50, 15));
       SendMessageW(button, WM_LBUTTONUP, 0, test::At(50, 15));
       const int release = test::RunFade(button);
       SendMessageW(button, WM_MOUSEMOVE, 0, test::At(51, 15));
       SendMessageW(button, WM_MOUSELEAVE, 0, 0);
       return hover == 86 && release == 66 && test::RunFade(button) == 86;
     },
     [] { DestroyWindow(f.form()); }},
    // Each wrong password gives its message box; the dialog stays as it was and nothing grows.
    {"WrongPasswords", 60,
     [] {
       platform::SetBrowserFactory(test::QuietBrowser::Make);
       app::Form1().Show();
       SetForegroundWindow(app::Form1().hwnd());
     },
     [](int i) {
       SetWindowTextW(app::Form1().Control(L"txtPassword"), (L"wrong " + std::to_wstring(i)).c_str());
       test::MessageBoxWatcher watcher(10);
       SendMessageW(app::Form1().Control(L"cmdOK"), BM_CLICK, 0, 0);
       platform::ProcessPendingMessages();
       if (i == 0) {
         windowsBefore = ThreadWindows();
         skinnedBefore = SkinnedWindowCount;
       }
       return watcher.seen().size() == 1 && watcher.seen()[0].text == app::WrongPasswordText &&
              ThreadWindows() == windowsBefore && SkinnedWindowCount == skinnedBefore &&
              platform::LoadedFormCount() == 1;
     },
     [] {
       app::Form1().Unload();
       platform::ProcessPendingMessages();
       platform::SetBrowserFactory({});
     }},
    // Each time the count follows, the faces are freed and no timer is left; while the form
    // lives, the next button is pressed and released as usual.
    {"DestroysAtAwkwardMoments", 8,
     [] {
       test::MessageBoxWatcher closer;  // what message boxes need is loaded on first use, and kept
       MessageBoxW(nullptr, L"warm-up", L"warm-up", MB_OK);
     },
     [](int i) {
       f = stress::CreateFixtureForm();
       SkinWindow(f.form());
       const int scenario = i % 4;
       HWND button = f.button(scenario), next = f.button(scenario + 1);
       HDC faces[FaceCount];
       for (int n = 0; n < FaceCount; ++n) faces[n] = FaceDc(button, n);
       DestroyAtAnAwkwardMoment(scenario, button);
       MSG msg{};
       bool ok = GetCapture() != button && !IsWindow(button) &&
                 !PeekMessageW(&msg, button, WM_TIMER, WM_TIMER, PM_NOREMOVE);
       for (HDC face : faces) ok = ok && GetObjectType(face) == 0;
       if (!IsWindow(f.form())) return ok && boxWasSkinned && SkinnedWindowCount == 0;
       Click(next);
       ok = ok && ReadIntProp(next, PropAlphaLevel) == 60 && SkinnedWindowCount == stress::FixtureWindows - 1;
       StopTimer(next);
       DestroyWindow(f.form());
       return ok && SkinnedWindowCount == 0;
     },
     nullptr},
    // A thousand page switches, each there and back to the first page: GDI objects and heap
    // memory come back to where they started. Every page is seen once before counting.
    {"PageSwitches", 500,
     [] {
       app::soft().Show();
       const std::wstring base = app::ChartSiteBase;
       pages = {base + site::StartPagePath, base + L"/soft/qovu/none.htm"};
       for (const site::ChartEntry& chart : site::Charts()) pages.push_back(base + chart.path);
       for (size_t page = 0; page < pages.size(); ++page) Visit(page);
     },
     [](int i) { return Visit(static_cast<size_t>(i)) && Visit(0); },
     [] {
       app::soft().Unload();
       platform::ProcessPendingMessages();
     },
     true},
};

using stress::Runs;
INSTANTIATE_TEST_SUITE_P(Input, Runs, testing::ValuesIn(InputRuns), stress::RunName);

}  // namespace
