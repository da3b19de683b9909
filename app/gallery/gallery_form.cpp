#include "app/gallery/gallery_form.h"

#include <windows.h>

#include <commctrl.h>

#include <string_view>

#include "app/gallery/kind_classes.h"
#include "app/resource_ids.h"
#include "platform/message_box.h"
#include "platform/twips.h"
#include "skin/core/visual_state.h"
#include "skin/core/window_props.h"
#include "skin/engine/attach.h"

namespace gallery {

namespace {

using platform::ControlKind;
using platform::ControlDesign;
using platform::TwipsToPixels;

constexpr int Column = 2100;  // twips between the columns of a row
constexpr int RowStart = 1500;  // twips: where the first column starts, after the row's label
constexpr int ButtonWidth = 1500;
constexpr int ButtonHeight = 375;

const platform::FormDesign GalleryDesign{
    .caption = L"Tintora skin gallery",
    .border = platform::BorderStyle::FixedSingle,
    .clientWidth = 14400,
    .clientHeight = 8400,
    .centred = true,
    .backColor = 0xF4EBE2,
    .iconId = IDI_TINTORA,
};

ControlDesign RowLabel(const wchar_t* text, int top) {
  return {.name = L"RowLabel", .kind = ControlKind::Label, .text = text, .left = 120,
          .top = top + 60, .width = RowStart - 180, .height = 255};
}

ControlDesign Button(const wchar_t* name, const wchar_t* text, int column, int top, int tab,
                   bool isDefault = false) {
  return {.name = name, .kind = ControlKind::CommandButton, .text = text,
          .left = RowStart + column * Column, .top = top, .width = ButtonWidth,
          .height = ButtonHeight, .tabIndex = tab, .isDefault = isDefault};
}

std::vector<ControlDesign> GalleryControls() {
  return {
      RowLabel(L"Buttons", 120),
      Button(L"Normal", L"Normal", 0, 120, 0),
      Button(L"Hover", L"Hover", 1, 120, 1),
      Button(L"Pressed", L"Pressed", 2, 120, 2),
      Button(L"Disabled", L"Disabled", 3, 120, 3),
      Button(L"Default", L"Default", 4, 120, 4, true),
      Button(L"Focused", L"Focused", 5, 120, 5),
      RowLabel(L"Check boxes", 720),
      RowLabel(L"Options", 1260),
      RowLabel(L"Combo boxes", 1800),
      RowLabel(L"Progress", 2700),
      RowLabel(L"Header", 4560),
      RowLabel(L"Frames", 5280),
      RowLabel(L"Windows", 7560),
      Button(L"MessageBox", L"Message box...", 0, 7560, 20),
      Button(L"SecondForm", L"Second form...", 1, 7560, 21),
  };
}

HWND Child(HWND parent, HFONT font, const wchar_t* cls, DWORD style, int x, int y, int w, int h,
           const wchar_t* text = L"", DWORD exStyle = 0) {
  HWND child = CreateWindowExW(exStyle, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h,
                               parent, nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return child;
}

void AddItems(HWND control, UINT message, std::initializer_list<const wchar_t*> items) {
  for (const wchar_t* item : items) SendMessageW(control, message, 0, reinterpret_cast<LPARAM>(item));
}

}  // namespace

GalleryForm::GalleryForm() : platform::Form(GalleryDesign, GalleryControls()) {}

void GalleryForm::CreateOtherControls() {
  RegisterKindClasses();
  HWND form = hwnd();
  // The font the form gave the controls of its table.
  const HFONT font = reinterpret_cast<HFONT>(SendMessageW(Control(L"Normal"), WM_GETFONT, 0, 0));
  const int x0 = TwipsToPixels(RowStart);
  const int step = TwipsToPixels(Column);

  // Check boxes: unchecked, checked, indeterminate, disabled.
  const int checkTop = TwipsToPixels(720);
  const wchar_t* checks[] = {L"Unchecked", L"Checked", L"Indeterminate", L"Disabled"};
  for (int i = 0; i < 4; ++i) {
    HWND box = Child(form, font, CheckBoxClass, BS_AUTO3STATE | WS_TABSTOP, x0 + i * step, checkTop,
                     step - 10, 21, checks[i]);
    SendMessageW(box, BM_SETCHECK, i == 0 ? BST_UNCHECKED : i == 2 ? BST_INDETERMINATE : BST_CHECKED, 0);
    if (i == 3) EnableWindow(box, FALSE);
  }
  // Option buttons: selected, not selected, disabled (selected, in a group of its own).
  const int optionTop = TwipsToPixels(1260);
  const wchar_t* options[] = {L"Selected", L"Not selected", L"Disabled"};
  for (int i = 0; i < 3; ++i) {
    HWND option = Child(form, font, OptionButtonClass,
                        BS_AUTORADIOBUTTON | (i != 1 ? WS_GROUP : 0), x0 + i * step, optionTop,
                        step - 10, 21, options[i]);
    if (i != 1) SendMessageW(option, BM_SETCHECK, BST_CHECKED, 0);
    if (i == 2) EnableWindow(option, FALSE);
  }
  // Combo boxes of the three styles and a drive list.
  const int comboTop = TwipsToPixels(1800);
  // The simple one's list fills its height, so no unpainted strip shows under it.
  const DWORD comboStyles[] = {CBS_DROPDOWN, CBS_DROPDOWNLIST, CBS_SIMPLE | CBS_NOINTEGRALHEIGHT};
  for (int i = 0; i < 3; ++i) {
    HWND combo = Child(form, font, L"ComboBox", comboStyles[i] | WS_VSCROLL | WS_TABSTOP,
                       x0 + i * step, comboTop, step - 10, i == 2 ? 56 : 120);
    AddItems(combo, CB_ADDSTRING, {L"CMYK", L"RGB", L"PANTONE"});
    SendMessageW(combo, CB_SETCURSEL, i, 0);
  }
  HWND drive = Child(form, font, DriveListClass, CBS_DROPDOWNLIST | WS_VSCROLL, x0 + 3 * step, comboTop,
                     step - 10, 120);
  AddItems(drive, CB_ADDSTRING, {L"c: [System]", L"d: [Data]"});
  SendMessageW(drive, CB_SETCURSEL, 0, 0);

  // Progress bars: horizontal at several positions, vertical and smooth vertical.
  const int progressTop = TwipsToPixels(2700);
  const int fullScale = 30000;
  const int positions[] = {0, 7500, 18000, 30000};
  for (int i = 0; i < 4; ++i) {
    HWND bar = Child(form, font, ProgressBarClass, WS_BORDER, x0, progressTop + i * 24, 2 * step - 10, 18);
    SendMessageW(bar, PBM_SETRANGE32, 0, fullScale);
    SendMessageW(bar, PBM_SETPOS, positions[i], 0);
  }
  const DWORD verticals[] = {PBS_VERTICAL, PBS_VERTICAL, PBS_VERTICAL | PBS_SMOOTH};
  const int verticalPositions[] = {9000, 21000, 15000};
  for (int i = 0; i < 3; ++i) {
    HWND bar = Child(form, font, ProgressBarClass, WS_BORDER | verticals[i], x0 + 2 * step + i * 40,
                     progressTop, 24, 92);
    SendMessageW(bar, PBM_SETRANGE32, 0, fullScale);
    SendMessageW(bar, PBM_SETPOS, verticalPositions[i], 0);
  }

  // A header with four items: the second hovered, the third pressed.
  header_ = Child(form, font, WC_HEADERW, HDS_BUTTONS, x0, TwipsToPixels(4560), 4 * step, 22);
  const wchar_t* columns[] = {L"Colour", L"Hover", L"Pressed", L"CMYK"};
  for (int i = 0; i < 4; ++i) {
    HDITEMW item{};
    item.mask = HDI_TEXT | HDI_WIDTH;
    item.cxy = step;
    item.pszText = const_cast<wchar_t*>(columns[i]);
    SendMessageW(header_, HDM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
  }

  // A list and a text box with a client edge; grids with and without a border.
  const int frameTop = TwipsToPixels(5280);
  HWND list = Child(form, font, L"ListBox", WS_VSCROLL, x0, frameTop, step - 10, 100, L"",
                    WS_EX_CLIENTEDGE);
  AddItems(list, LB_ADDSTRING, {L"PANTONE CU", L"PANTONE U", L"PANTONE C", L"RAL"});
  Child(form, font, L"Edit", ES_AUTOHSCROLL, x0 + step, frameTop, step - 10, 23, L"Text box",
        WS_EX_CLIENTEDGE);
  Child(form, font, L"Edit", ES_AUTOHSCROLL | WS_DISABLED, x0 + step, frameTop + 40, step - 10, 23,
        L"Disabled", WS_EX_CLIENTEDGE);
  Child(form, font, GridClass, WS_BORDER, x0 + 2 * step, frameTop, step - 10, 100);
  Child(form, font, GridClass, 0, x0 + 3 * step, frameTop, step - 10, 100);
  Child(form, font, DataListClass, WS_BORDER, x0 + 4 * step, frameTop, step - 10, 100);
}

void GalleryForm::Form_Load() {
  skin::SkinWindow(hwnd());
  // States that persist once set: button faces by OLDSTATE, header items by index.
  skin::WriteProp(Control(L"Hover"), skin::PropOldState, skin::StateHover);
  skin::WriteProp(Control(L"Pressed"), skin::PropOldState, skin::StatePressed);
  EnableWindow(Control(L"Disabled"), FALSE);
  skin::WriteProp(header_, skin::PropHmIndex, 1);
  skin::WriteProp(header_, skin::PropHdIndex, 2);
  SetFocusTo(L"Focused");
  InvalidateRect(hwnd(), nullptr, TRUE);
}

void GalleryForm::Control_Click(const platform::ControlDesign& control) {
  std::wstring_view name = control.name;
  if (name == L"MessageBox") {
    platform::MsgBox(hwnd(), L"A message box of a skinned form: its buttons are skinned too.",
                     L"Tintora skin gallery", MB_OKCANCEL);
  } else if (name == L"SecondForm") {
    static SecondGalleryForm second;
    second.Show();
  }
}

namespace {

const platform::FormDesign SecondDesign{
    .caption = L"Second form",
    .border = platform::BorderStyle::Sizable,
    .clientWidth = 4680,
    .clientHeight = 3195,
    .backColor = 0xF4EBE2,
    .iconId = IDI_TINTORA,
};

}  // namespace

SecondGalleryForm::SecondGalleryForm()
    : platform::Form(SecondDesign,
                     {{.name = L"Close", .kind = ControlKind::CommandButton, .text = L"OK",
                       .left = 1680, .top = 2400, .width = 1320, .height = 375,
                       .isDefault = true, .isCancel = true}}) {}

}  // namespace gallery
