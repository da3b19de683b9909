#include "tests/stress/stress_fixture.h"

#include <commctrl.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>

#include "app/gallery/kind_classes.h"
#include "skin/core/skin_state.h"
#include "skin/core/window_props.h"
#include "skin/engine/attach.h"
#include "skin/engine/skin_wndproc.h"
#include "tests/support/gdi_capacity.h"
#include "tests/support/pump.h"
#include "tests/support/recorder.h"

namespace stress {

namespace {

// A page's worth: Wine's bookkeeping moves by a few bytes, anything kept per step by far more.
constexpr long long HeapNoiseBytes = 2048;
// All of the thread's windows after every message would take far too long under Wine.
constexpr long FullCheckEvery = 20000;
std::atomic<long> messagesChecked{0};

void CheckMirror(HWND hwnd, UINT message) {
  const long n = ++messagesChecked;
  if (!skin::MirrorAgrees(hwnd) || (n % FullCheckEvery == 0 && !skin::MirrorAgrees(nullptr)))
    ADD_FAILURE() << "the mirror disagrees with the properties after message 0x" << std::hex << message
                  << " to window " << hwnd;
}
[[maybe_unused]] const bool mirrorChecked = (skin::AfterMessageCheck = CheckMirror, true);

// A control at x, y, width, height (the RECT's four fields).
HWND Add(FixtureForm& f, const wchar_t* cls, DWORD style, RECT at, DWORD exStyle = 0) {
  HWND child = CreateWindowExW(exStyle, cls, L"Item", WS_CHILD | WS_VISIBLE | style, at.left, at.top,
                               at.right, at.bottom, f.form(), nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  f.all.push_back(child);
  return child;
}

}  // namespace

FixtureForm CreateFixtureForm(bool allKinds) {
  gallery::RegisterKindClasses();
  FixtureForm f;
  f.all = {test::CreateRecordingWindow(L"ThunderRT6FormDC", nullptr, WS_POPUP | WS_VISIBLE, 30, 30, 760,
                                       400)};
  for (int i = 0; i < 12; ++i)
    Add(f, L"Button", BS_PUSHBUTTON | WS_TABSTOP, {8 + (i % 6) * 120, 8 + (i / 6) * 40, 113, 33});
  Add(f, gallery::CheckBoxClass, BS_AUTOCHECKBOX, {8, 100, 110, 21});
  Add(f, gallery::OptionButtonClass, BS_AUTORADIOBUTTON, {128, 100, 110, 21});
  HWND combo = Add(f, L"ComboBox", CBS_DROPDOWN | WS_VSCROLL, {248, 100, 120, 120});
  SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"one"));
  HWND header = Add(f, WC_HEADERW, HDS_BUTTONS, {8, 140, 360, 20});
  HDITEMW item{};
  item.mask = HDI_TEXT | HDI_WIDTH;
  item.cxy = 100;
  item.pszText = const_cast<wchar_t*>(L"Column");
  for (int i = 0; i < 3; ++i) SendMessageW(header, HDM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
  HWND progress = Add(f, gallery::ProgressBarClass, WS_BORDER, {8, 170, 200, 18});
  SendMessageW(progress, PBM_SETRANGE32, 0, 30000);
  SendMessageW(progress, PBM_SETPOS, 12000, 0);
  if (!allKinds) return f;
  f.listCombo = Add(f, L"ComboBox", CBS_DROPDOWNLIST | WS_VSCROLL, {378, 100, 120, 120});
  Add(f, L"ComboBox", CBS_SIMPLE, {508, 100, 120, 80});
  Add(f, gallery::DriveListClass, CBS_DROPDOWNLIST | WS_VSCROLL, {378, 140, 120, 120});
  Add(f, gallery::DataListClass, WS_BORDER, {8, 200, 120, 80});
  Add(f, gallery::GridClass, WS_BORDER, {140, 200, 120, 80});
  Add(f, L"Edit", ES_AUTOHSCROLL, {270, 200, 120, 24}, WS_EX_CLIENTEDGE);
  return f;
}

int Scaled(int count) {
  const char* text = std::getenv("TINTORA_STRESS_SCALE");
  return count * std::max(text ? std::atoi(text) : 1, 1);
}

void WarmUp() {
  FixtureForm warm = CreateFixtureForm(true);
  skin::SkinWindow(warm.form());
  test::PumpMessages();
  DestroyWindow(warm.form());
  test::PumpMessages();
}

GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(Runs);  // the fuzzing binary has no runs

TEST_P(Runs, KeepNothing) {
  const stress::Run& run = GetParam();
  WarmUp();
  const int count = Scaled(run.count);
  int wrong = 0;
  long long heapGrowth = 0;
  if (run.start) run.start();
  wrong += !run.step(0);
  const int leaked = test::GdiObjectsLeakedBy([&] {
    heapGrowth = -static_cast<long long>(test::HeapBytesInUse());
    for (int i = 1; i <= count; ++i) wrong += !run.step(i);
    test::PumpMessages();
    heapGrowth += static_cast<long long>(test::HeapBytesInUse());
  });
  if (run.end) run.end();
  std::printf("[ figures ] %s: %d steps, GDI objects leaked: %d, heap bytes %+lld, mirror checks %ld\n",
              run.name, count, leaked, heapGrowth, messagesChecked.load());
  std::fflush(stdout);
  EXPECT_EQ(wrong, 0);
  EXPECT_EQ(leaked, 0);
  EXPECT_TRUE(!run.heapCounted || heapGrowth <= HeapNoiseBytes) << heapGrowth << " bytes more in use";
  EXPECT_EQ(skin::SkinnedWindowCount, 0);
  EXPECT_FALSE(skin::SkinInitialized);
}

}  // namespace stress
