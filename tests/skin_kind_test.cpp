// Classification of windows by class name.
#include <gtest/gtest.h>

#include "skin/core/skin_kind.h"

using skin::ClassifyClassName;
using skin::SkinKind;

TEST(SkinKind, EveryListedNameInAnyCase) {
  struct Case {
    const wchar_t* name;
    SkinKind kind;
  };
  const Case cases[] = {
      {L"#32770", SkinKind::Form},
      {L"ThunderFormDC", SkinKind::Form},
      {L"ThunderRT6FormDC", SkinKind::Form},
      {L"Form", SkinKind::Form},
      {L"ThunderCommandButton", SkinKind::CommandButton},
      {L"ThunderRT6CommandButton", SkinKind::CommandButton},
      {L"Button", SkinKind::CommandButton},
      {L"BUTTON", SkinKind::CommandButton},
      {L"ThunderComboBox", SkinKind::ComboBox},
      {L"ThunderRT6ComboBox", SkinKind::ComboBox},
      {L"Combo", SkinKind::ComboBox},
      {L"ComboBox", SkinKind::ComboBox},
      {L"ThunderDriveListBox", SkinKind::DriveList},
      {L"ThunderRT6DriveListBox", SkinKind::DriveList},
      {L"ThunderCheckBox", SkinKind::CheckBox},
      {L"ThunderRT6CheckBox", SkinKind::CheckBox},
      {L"ThunderOptionButton", SkinKind::OptionButton},
      {L"ThunderRT6OptionButton", SkinKind::OptionButton},
      {L"ProgressBar20WndClass", SkinKind::ProgressBar},
      {L"ProgressBarWndClass", SkinKind::ProgressBar},
      {L"MSVB_Lib_Header", SkinKind::Header},
      {L"SysHeader32", SkinKind::Header},
      {L"DataListWndClass", SkinKind::DataList},
      {L"DBListWndClass", SkinKind::DataList},
      {L"ComboLBox", SkinKind::ComboList},
      {L"ApexGridOleDB32", SkinKind::Grid},
      {L"APEXGRID", SkinKind::Grid},
      {L"apexgridx", SkinKind::Grid},
  };
  for (const Case& c : cases) EXPECT_EQ(ClassifyClassName(c.name), c.kind) << c.name;
}

TEST(SkinKind, NearMissesAreOther) {
  for (const wchar_t* name : {L"", L"Edit", L"Static", L"Buttons", L"xbutton", L"apexgri",
                              L"ComboBoxEx32", L"SysHeader", L"ThunderRT6TextBox",
                              L"msctls_progress32", L"xapexgrid"}) {
    EXPECT_EQ(ClassifyClassName(name), SkinKind::Other) << name;
  }
}

TEST(SkinKind, ReadsTheClassOfRealWindows) {
  HWND button = CreateWindowW(L"Button", L"b", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                              nullptr, nullptr);
  HWND edit = CreateWindowW(L"Edit", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                            nullptr);
  EXPECT_EQ(skin::KindOf(button), SkinKind::CommandButton);
  EXPECT_EQ(skin::KindOf(edit), SkinKind::Other);
  EXPECT_EQ(skin::WindowClassName(button), L"Button");
  DestroyWindow(button);
  DestroyWindow(edit);
  // A handle that names no window has no class name and counts as other.
  EXPECT_EQ(skin::WindowClassName(button), L"");
  EXPECT_EQ(skin::KindOf(button), SkinKind::Other);
}
