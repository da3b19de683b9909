#include "tests/stress/fixture_form.h"

#include <windows.h>

#include <commctrl.h>

#include "app/gallery/kind_classes.h"
#include "skin/engine/attach.h"
#include "tests/support/pump.h"
#include "tests/support/recorder.h"

namespace stress {

namespace {

HWND Add(HWND parent, const wchar_t* cls, DWORD style, int x, int y, int w, int h,
         DWORD exStyle = 0) {
  HWND child = CreateWindowExW(exStyle, cls, L"Item", WS_CHILD | WS_VISIBLE | style, x, y, w, h,
                               parent, nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  return child;
}

}  // namespace

std::vector<HWND> FixtureForm::All() const {
  std::vector<HWND> all{form};
  all.insert(all.end(), buttons.begin(), buttons.end());
  for (HWND w : {check, option, combo, header, progress, listCombo, simpleCombo, drive, dataList,
                 grid, edit})
    if (w) all.push_back(w);
  return all;
}

FixtureForm CreateFixtureForm(bool allKinds) {
  gallery::RegisterKindClasses();
  FixtureForm f;
  f.form = test::CreateRecordingWindow(L"ThunderRT6FormDC", nullptr, WS_POPUP | WS_VISIBLE, 30, 30,
                                       760, 400);
  for (int i = 0; i < 12; ++i)
    f.buttons.push_back(Add(f.form, L"Button", BS_PUSHBUTTON | WS_TABSTOP, 8 + (i % 6) * 120,
                            8 + (i / 6) * 40, 113, 33));
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

void WarmUp() {
  FixtureForm f = CreateFixtureForm(true);
  skin::SkinWindow(f.form);
  test::PumpMessages();
  DestroyWindow(f.form);
  test::PumpMessages();
}

}  // namespace stress
