// Long runs that move the cursor, need the activation or open message boxes, or must have the
// window server's handles to themselves, so they run alone.
#include <atomic>
#include <cstdio>
#include <string>
#include <thread>

#include "app/forms.h"
#include "app/login_form.h"
#include "platform/browser.h"
#include "platform/message_loop.h"
#include "site/catalogue.h"
#include "site/chart_view.h"
#include "skin/engine/attach.h"
#include "skin/engine/detach.h"
#include "skin/engine/skin_wndproc.h"
#include "skin/interaction/fade.h"
#include "tests/stress/stress_fixture.h"
#include "tests/support/message_box_watcher.h"
#include "tests/support/pump.h"
#include "tests/support/quiet_browser.h"
#include "tests/support/skin_test.h"

namespace {

using namespace skin;

stress::FixtureForm f;  // the form a run works on
int windowsBefore = 0;
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
  // The count so far is the callback's result: never 0, so the enumeration goes on.
  EnumThreadWindows(
      GetCurrentThreadId(), [](HWND, LPARAM n) -> BOOL { return ++*reinterpret_cast<int*>(n); },
      reinterpret_cast<LPARAM>(&count));
  return count;
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
      test::Recorder::SetHook([=](HWND, UINT message, WPARAM wParam, LPARAM lParam, LRESULT&) {
        if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED && reinterpret_cast<HWND>(lParam) == button)
          DestroyWindow(button);
        return false;
      });
      SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, test::At(5, 5));
      SendMessageW(button, WM_LBUTTONUP, 0, test::At(5, 5));
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

// Fades to hover from 0, to normal from 60 after the release and from 0 after the leave.
bool HoverPressReleaseLeave(HWND button) {
  test::PointAt(button, 50, 15);
  SendMessageW(button, WM_MOUSEMOVE, 0, test::At(50, 15));
  const int hover = test::RunFade(button);
  SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, test::At(50, 15));
  SendMessageW(button, WM_LBUTTONUP, 0, test::At(50, 15));
  const int release = test::RunFade(button);
  SendMessageW(button, WM_MOUSEMOVE, 0, test::At(51, 15));
  SendMessageW(button, WM_MOUSELEAVE, 0, 0);
  return hover == 86 && release == 66 && test::RunFade(button) == 86;
}

const stress::Run SerialRuns[] = {
    // A wrong password changes nothing but a message box; the engine goes with the main window.
    {"Logins", 40, [] { platform::SetBrowserFactory(test::QuietBrowser::Make); },
     [](int i) {
       app::Form1().Show();
       SetForegroundWindow(app::Form1().hwnd());
       HWND password = app::Form1().Control(L"txtPassword"), ok = app::Form1().Control(L"cmdOK");
       SetWindowTextW(password, (L"wrong " + std::to_wstring(i)).c_str());
       test::MessageBoxWatcher watcher(10);
       SendMessageW(ok, BM_CLICK, 0, 0);
       platform::ProcessPendingMessages();
       const bool refused = watcher.seen().size() == 1 && watcher.seen()[0].text == app::WrongPasswordText &&
                            platform::LoadedFormCount() == 1;
       SetWindowTextW(password, app::LoginPassword);
       SendMessageW(ok, BM_CLICK, 0, 0);
       const bool shown = app::soft().IsLoaded() && !app::Form1().IsLoaded();
       app::soft().Unload();
       platform::ProcessPendingMessages();
       if (i == 0) windowsBefore = ThreadWindows();
       return refused && shown && ThreadWindows() == windowsBefore && platform::LoadedFormCount() == 0 &&
              SkinnedWindowCount == 0 && !SkinInitialized;
     },
     [] { platform::SetBrowserFactory({}); }},
    // One button faded through again and again: nothing it takes per step may stay behind.
    {"HoverPressReleaseLeaveCycles", 100,
     [] {
       f = stress::CreateFixtureForm();
       SkinWindow(f.form());
     },
     [](int) { return HoverPressReleaseLeave(f.button(0)); }, [] { DestroyWindow(f.form()); }},
    // Every kind attached and painted whole; the count follows, the faces go and no timer is
    // left; the next button fades as usual.
    {"DestroysAtAwkwardMoments", 8,
     [] {
       test::MessageBoxWatcher closer;  // what message boxes need is loaded on first use, and kept
       MessageBoxW(nullptr, L"warm-up", L"warm-up", MB_OK);
     },
     [](int i) {
       f = stress::CreateFixtureForm(true);
       SkinWindow(f.form());
       for (HWND w : f.all) RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
       const int path = (i + 3) % 4;  // the uncounted step 0 opens the box: its first use keeps objects
       HWND button = f.button(path);
       HDC faces[FaceCount];
       for (int n = 0; n < FaceCount; ++n) faces[n] = FaceDc(button, n);
       DestroyAtAnAwkwardMoment(path, button);
       MSG msg{};
       bool ok = GetCapture() != button && !IsWindow(button) &&
                 !PeekMessageW(&msg, button, WM_TIMER, WM_TIMER, PM_NOREMOVE);
       for (HDC face : faces) ok = ok && GetObjectType(face) == 0;
       if (!IsWindow(f.form())) return ok && boxWasSkinned && SkinnedWindowCount == 0;
       ok = ok && SkinnedWindowCount == stress::AllKindsWindows - 1 && HoverPressReleaseLeave(f.button(4));
       DestroyWindow(f.form());
       return ok && SkinnedWindowCount == 0;
     },
     nullptr},
    // Page switches, there and back to the first page, after every page was seen once.
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
INSTANTIATE_TEST_SUITE_P(Serial, Runs, testing::ValuesIn(SerialRuns), stress::RunName);

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

// With the parameter, a subclass over the skin keeps WM_DESTROY from it: the skin sees only
// WM_NCDESTROY, and the window stays counted.
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

void Work(const stress::FixtureForm& form, int rounds) {
  for (int round = 0; round < rounds; ++round) {
    for (HWND w : form.all)
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
  bool theyAgree = false;
  std::thread other([&] {
    stress::FixtureForm form = stress::CreateFixtureForm();
    SkinWindow(form.form());
    theirs = form.button(0);
    stage = 1;
    test::PumpUntil(WaitMs, [&] { return stage == 2; });
    Work(form, rounds);
    theyAgree = MirrorAgrees(nullptr);
    DestroyWindow(form.form());
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
  EXPECT_TRUE(MirrorAgrees(nullptr));
  DestroyWindow(ours.form());
  test::PumpMessages();
  EXPECT_EQ(SkinnedWindowCount, 0);
}

}  // namespace
