#pragma once
// The named colours of the CSS colour module, each with its common Simplified Chinese name.
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

#include "colour/colour_types.h"

namespace colour {

struct NamedColour {
  std::wstring_view english;  // lower case, as CSS writes it
  std::wstring_view chinese;
  Rgb8 rgb;
};

inline constexpr std::size_t NamedColourCount = 148;

// All 148, in CSS's alphabetical order.
std::span<const NamedColour> NamedColours();

// Case-insensitive English name, or exact Chinese name; nullptr when unknown.
const NamedColour* FindNamedColour(std::wstring_view name);

struct NearestNamed {
  const NamedColour* colour;
  double deltaE;  // CIEDE2000
};
// The named colour closest to rgb by CIEDE2000 (in Lab D50 through the sRGB profile).
NearestNamed NearestNamedColour(const Rgb8& rgb);

}  // namespace colour
