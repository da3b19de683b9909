#include "skin/kinds/kind_table.h"

#include <array>
#include <string>

#include "platform/form_class.h"
#include "skin/interaction/fade.h"
#include "skin/kinds/check_and_option.h"
#include "skin/kinds/combo_and_drive_list.h"
#include "skin/kinds/command_button.h"
#include "skin/kinds/framed.h"
#include "skin/kinds/header.h"
#include "skin/kinds/hover_control.h"
#include "skin/kinds/progress_bar.h"

namespace skin {

namespace {

// Class names, lower case except the form runtime's own, which is compared lower-cased too.
constexpr const wchar_t* FormNames[] = {L"#32770", L"thunderformdc", L"thunderrt6formdc",
                                        platform::FormClassName};
constexpr const wchar_t* CommandButtonNames[] = {L"thundercommandbutton",
                                                 L"thunderrt6commandbutton", L"button"};
constexpr const wchar_t* ComboBoxNames[] = {L"thundercombobox", L"thunderrt6combobox", L"combo",
                                            L"combobox"};
constexpr const wchar_t* DriveListNames[] = {L"thunderdrivelistbox", L"thunderrt6drivelistbox"};
constexpr const wchar_t* CheckBoxNames[] = {L"thundercheckbox", L"thunderrt6checkbox"};
constexpr const wchar_t* OptionButtonNames[] = {L"thunderoptionbutton",
                                                L"thunderrt6optionbutton"};
constexpr const wchar_t* ProgressBarNames[] = {L"progressbar20wndclass", L"progressbarwndclass"};
constexpr const wchar_t* HeaderNames[] = {L"msvb_lib_header", L"sysheader32"};
constexpr const wchar_t* DataListNames[] = {L"datalistwndclass", L"dblistwndclass"};
constexpr const wchar_t* ComboListNames[] = {L"combolbox"};

constexpr auto Kinds = std::to_array<KindRow>({
    {.kind = SkinKind::Form,
     .classNames = FormNames,
     .descendantsFirst = true,
     .nonClientPaint = FlatClientEdge},
    {.kind = SkinKind::CommandButton,
     .classNames = CommandButtonNames,
     .attach = CommandButtonAttach,
     .detach = CommandButtonDetach,
     .paint = CommandButtonPaint,
     .nonClientPaint = FlatClientEdge,
     .size = CommandButtonSize,
     .input = CommandButtonInput,
     .leave = CommandButtonLeave,
     .enable = CommandButtonEnable,
     .focus = CommandButtonFocus,
     .timer = StepFade},
    {.kind = SkinKind::ComboBox,
     .classNames = ComboBoxNames,
     .attach = HoverControlAttach,
     .detach = HoverControlDetach,
     .paint = ComboBoxPaint,
     .nonClientPaint = FlatClientEdge,
     .input = ComboBoxInput,
     .leave = ComboBoxLeave,
     .position = ComboBoxPosition},
    {.kind = SkinKind::DriveList,
     .classNames = DriveListNames,
     .attach = HoverControlAttach,
     .detach = HoverControlDetach,
     .paint = DriveListPaint,
     .nonClientPaint = FlatClientEdge,
     .input = DriveListInput,
     .leave = ComboBoxLeave,
     .position = ComboBoxPosition},
    {.kind = SkinKind::CheckBox,
     .classNames = CheckBoxNames,
     .attach = HoverControlAttach,
     .detach = HoverControlDetach,
     .paint = CheckBoxPaint,
     .nonClientPaint = FlatClientEdge,
     .input = CheckBoxInput,
     .leave = CheckBoxLeave,
     .refresh = CheckBoxRefresh},
    {.kind = SkinKind::OptionButton,
     .classNames = OptionButtonNames,
     .attach = HoverControlAttach,
     .detach = HoverControlDetach,
     .paint = OptionButtonPaint,
     .nonClientPaint = FlatClientEdge,
     .input = OptionButtonInput,
     .leave = OptionButtonLeave,
     .focus = OptionButtonFocus,
     .refresh = OptionButtonRefresh},
    {.kind = SkinKind::ProgressBar,
     .classNames = ProgressBarNames,
     .paint = ProgressBarPaint,
     .nonClientPaint = ProgressBarNonClientPaint},
    {.kind = SkinKind::Header,
     .classNames = HeaderNames,
     .attach = HeaderAttach,
     .detach = HeaderDetach,
     .paint = HeaderPaint,
     .nonClientPaint = FlatClientEdge,
     .input = HeaderInput,
     .leave = HeaderLeave},
    // A data list's own frame stays as its procedure draws it.
    {.kind = SkinKind::DataList, .classNames = DataListNames, .paint = FramedListPaint},
    {.kind = SkinKind::ComboList,
     .classNames = ComboListNames,
     .paint = FramedListPaint,
     .nonClientPaint = FlatClientEdge},
    {.kind = SkinKind::Grid,
     .classPrefix = L"apexgrid",
     .paint = GridPaint,
     .nonClientPaint = FlatClientEdge},
    // Text boxes, picture boxes, labels and everything else: a client edge drawn flat.
    {.kind = SkinKind::Other, .nonClientPaint = FlatClientEdge},
});

constexpr bool OneRowPerKindInOrder() {
  for (size_t i = 0; i < Kinds.size(); ++i) {
    if (Kinds[i].kind != static_cast<SkinKind>(i)) return false;
  }
  return Kinds.size() == static_cast<size_t>(SkinKind::Other) + 1;
}
static_assert(OneRowPerKindInOrder(), "every SkinKind needs its row in Kinds, in enum order");

// Class names are ASCII in practice; CharLowerBuffW also lowers anything else sensibly.
std::wstring Lowered(std::wstring_view text) {
  std::wstring lower(text);
  if (!lower.empty()) CharLowerBuffW(lower.data(), static_cast<DWORD>(lower.size()));
  return lower;
}

// The table's names are ASCII: lowering them needs no platform call.
bool EqualsLowered(std::wstring_view lowered, std::wstring_view name) {
  if (lowered.size() != name.size()) return false;
  for (size_t i = 0; i < name.size(); ++i) {
    const wchar_t c = name[i];
    if (lowered[i] != (c >= L'A' && c <= L'Z' ? c - L'A' + L'a' : c)) return false;
  }
  return true;
}

}  // namespace

const KindRow& KindRowOf(SkinKind kind) { return Kinds[static_cast<size_t>(kind)]; }

SkinKind ClassifyClassName(std::wstring_view className) {
  const std::wstring lower = Lowered(className);
  for (const KindRow& row : Kinds) {
    for (const wchar_t* name : row.classNames) {
      if (EqualsLowered(lower, name)) return row.kind;
    }
  }
  for (const KindRow& row : Kinds) {
    if (!row.classPrefix.empty() && lower.starts_with(row.classPrefix)) return row.kind;
  }
  return SkinKind::Other;
}

SkinKind KindOf(HWND hwnd) { return ClassifyClassName(WindowClassName(hwnd)); }

}  // namespace skin
