#include "skin/core/skin_kind.h"

#include <array>

#include "platform/form_class.h"

namespace skin {

namespace {

struct KindName {
  const wchar_t* name;
  SkinKind kind;
};

// Exact names, in the order in which they are tried; the grid prefix is tried last. Each is
// compared lower-cased, as the class name is.
constexpr auto KindNames = std::to_array<KindName>({
    {L"#32770", SkinKind::Form},
    {L"thunderformdc", SkinKind::Form},
    {L"thunderrt6formdc", SkinKind::Form},
    {platform::FormClassName, SkinKind::Form},
    {L"thundercommandbutton", SkinKind::CommandButton},
    {L"thunderrt6commandbutton", SkinKind::CommandButton},
    {L"button", SkinKind::CommandButton},
    {L"thundercombobox", SkinKind::ComboBox},
    {L"thunderrt6combobox", SkinKind::ComboBox},
    {L"combo", SkinKind::ComboBox},
    {L"combobox", SkinKind::ComboBox},
    {L"thunderdrivelistbox", SkinKind::DriveList},
    {L"thunderrt6drivelistbox", SkinKind::DriveList},
    {L"thundercheckbox", SkinKind::CheckBox},
    {L"thunderrt6checkbox", SkinKind::CheckBox},
    {L"thunderoptionbutton", SkinKind::OptionButton},
    {L"thunderrt6optionbutton", SkinKind::OptionButton},
    {L"progressbar20wndclass", SkinKind::ProgressBar},
    {L"progressbarwndclass", SkinKind::ProgressBar},
    {L"msvb_lib_header", SkinKind::Header},
    {L"sysheader32", SkinKind::Header},
    {L"datalistwndclass", SkinKind::DataList},
    {L"dblistwndclass", SkinKind::DataList},
    {L"combolbox", SkinKind::ComboList},
});

constexpr std::wstring_view GridPrefix = L"apexgrid";

// Class names are ASCII in practice; CharLowerBuffW also lowers anything else sensibly.
std::wstring Lowered(std::wstring_view text) {
  std::wstring lower(text);
  if (!lower.empty()) CharLowerBuffW(lower.data(), static_cast<DWORD>(lower.size()));
  return lower;
}

// The names of the table are ASCII: lowering them needs no platform call.
bool EqualsLowered(std::wstring_view lowered, std::wstring_view name) {
  if (lowered.size() != name.size()) return false;
  for (size_t i = 0; i < name.size(); ++i) {
    const wchar_t c = name[i];
    if (lowered[i] != (c >= L'A' && c <= L'Z' ? c - L'A' + L'a' : c)) return false;
  }
  return true;
}

}  // namespace

std::wstring WindowClassName(HWND hwnd) {
  // Class names are at most 256 characters including the terminator.
  wchar_t buffer[256] = {};
  int length = GetClassNameW(hwnd, buffer, static_cast<int>(std::size(buffer)));
  if (length <= 0) return std::wstring();
  return std::wstring(buffer, static_cast<size_t>(length));
}

SkinKind ClassifyClassName(std::wstring_view className) {
  const std::wstring lower = Lowered(className);
  for (const KindName& entry : KindNames) {
    if (EqualsLowered(lower, entry.name)) return entry.kind;
  }
  if (lower.compare(0, GridPrefix.size(), GridPrefix) == 0) return SkinKind::Grid;
  return SkinKind::Other;
}

SkinKind KindOf(HWND hwnd) { return ClassifyClassName(WindowClassName(hwnd)); }

}  // namespace skin
