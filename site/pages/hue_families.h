#pragma once
// The named colours grouped the way designers look for them: by hue family.
#include <span>
#include <string_view>

namespace site {

struct HueFamily {
  const wchar_t* title;
  std::span<const std::wstring_view> names;  // CSS names, darkest to lightest, roughly
};

std::span<const HueFamily> HueFamilies();

// The family a CSS name belongs to, or nullptr for a name in no family.
const HueFamily* FamilyOf(std::wstring_view name);

}  // namespace site
