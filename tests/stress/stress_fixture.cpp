#include "tests/stress/stress_fixture.h"

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/gallery/kind_classes.h"
#include "skin/core/skin_state.h"
#include "skin/engine/attach.h"
#include "tests/support/gdi_capacity.h"
#include "tests/support/pump.h"
#include "tests/support/recorder.h"

namespace stress {

namespace {

// Wine's own bookkeeping moves by a few bytes between runs; a page's worth of anything left
// behind a thousand times over is far more.
constexpr long long HeapNoiseBytes = 2048;

HWND Add(HWND parent, const wchar_t* cls, DWORD style, int x, int y, int w, int h, DWORD exStyle = 0) {
  HWND child = CreateWindowExW(exStyle, cls, L"Item", WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  return child;
}

}  // namespace

std::vector<HWND> FixtureForm::All() const {
  std::vector<HWND> all{form};
  all.insert(all.end(), buttons.begin(), buttons.end());
  for (HWND w : {check, option, combo, header, progress, listCombo, simpleCombo, drive, dataList, grid, edit})
    if (w) all.push_back(w);
  return all;
}

FixtureForm CreateFixtureForm(bool allKinds) {
  gallery::RegisterKindClasses();
  FixtureForm f;
  f.form = test::CreateRecordingWindow(L"ThunderRT6FormDC", nullptr, WS_POPUP | WS_VISIBLE, 30, 30, 760, 400);
  for (int i = 0; i < 12; ++i)
    f.buttons.push_back(
        Add(f.form, L"Button", BS_PUSHBUTTON | WS_TABSTOP, 8 + (i % 6) * 120, 8 + (i / 6) * 40, 113, 33));
  f.check = Add(f.form, gallery::CheckBoxClass, BS_AUTOCHECKBOX, 8, 100, 110, 21);
  f.option = Add(f.form, gallery::OptionButtonClass, BS_AUTORADIOBUTTON, 128, 100, 110, 21);
  f.combo = Add(f.form, L"ComboBox", CBS_DROPDOWN | WS_VSCROLL, 248, 100, 120, 120);
  SendMessageW(f.combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"one"));
  f.header = Add(f.form, WC_HEADERW, HDS_BUTTONS, 8, 140, 360, 20);
  for (int i = 0; i < 3; ++i) {
    HDITEMW item{};
    item.mask = HDI_TEXT | HDI_WIDTH;
    item.cxy = 100;
    item.pszText = const_cast<wchar_t*>(L"Column");
    SendMessageW(f.header, HDM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
  }
  f.progress = Add(f.form, gallery::ProgressBarClass, WS_BORDER, 8, 170, 200, 18);
  SendMessageW(f.progress, PBM_SETRANGE32, 0, 30000);
  SendMessageW(f.progress, PBM_SETPOS, 12000, 0);
  if (allKinds) {
    f.listCombo = Add(f.form, L"ComboBox", CBS_DROPDOWNLIST | WS_VSCROLL, 378, 100, 120, 120);
    f.simpleCombo = Add(f.form, L"ComboBox", CBS_SIMPLE, 508, 100, 120, 80);
    f.drive = Add(f.form, gallery::DriveListClass, CBS_DROPDOWNLIST | WS_VSCROLL, 378, 140, 120, 120);
    f.dataList = Add(f.form, gallery::DataListClass, WS_BORDER, 8, 200, 120, 80);
    f.grid = Add(f.form, gallery::GridClass, WS_BORDER, 140, 200, 120, 80);
    f.edit = Add(f.form, L"Edit", ES_AUTOHSCROLL, 270, 200, 120, 24, WS_EX_CLIENTEDGE);
  }
  return f;
}

int Scaled(int count) {
  const char* text = std::getenv("TINTORA_STRESS_SCALE");
  const int scale = text ? std::atoi(text) : 1;
  return count * (scale > 0 ? scale : 1);
}

std::uint32_t FuzzSeed(std::uint32_t fallback) {
  const char* text = std::getenv("TINTORA_FUZZ_SEED");
  return text ? static_cast<std::uint32_t>(std::strtoul(text, nullptr, 0)) : fallback;
}

void WarmUp() {
  FixtureForm warm = CreateFixtureForm(true);
  skin::SkinWindow(warm.form);
  test::PumpMessages();
  DestroyWindow(warm.form);
  test::PumpMessages();
}

void RunAndCount(const Run& run) {
  WarmUp();
  const int count = Scaled(run.count);
  int wrong = 0;
  size_t heapBefore = 0, heapAfter = 0;
  run.start();
  wrong += !run.step(0);
  const int leaked = test::GdiObjectsLeakedBy([&] {
    heapBefore = test::HeapBytesInUse();
    for (int i = 1; i <= count; ++i) wrong += !run.step(i);
    test::PumpMessages();
    heapAfter = test::HeapBytesInUse();
  });
  run.end();
  const long long heapGrowth = static_cast<long long>(heapAfter) - static_cast<long long>(heapBefore);
  std::printf("[ figures ] %s: %d, GDI objects leaked: %d, heap bytes in use: %zu -> %zu (%+lld)\n", run.name,
              count, leaked, heapBefore, heapAfter, heapGrowth);
  std::fflush(stdout);
  EXPECT_EQ(wrong, 0);
  EXPECT_EQ(leaked, 0);
  EXPECT_TRUE(!run.heapCounted || heapGrowth <= HeapNoiseBytes) << heapGrowth << " bytes more in use";
  EXPECT_EQ(skin::SkinnedWindowCount, 0);
  EXPECT_FALSE(skin::SkinInitialized);
}

std::string RunName(const ::testing::TestParamInfo<Run>& info) { return info.param.name; }

}  // namespace stress
