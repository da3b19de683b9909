#pragma once
// Colour-managed conversions between screen sRGB, CIE Lab (D50) and press CMYK (coated
// offset print, characterised from the FOGRA39 measurements). Each transform is made once,
// on first use, and reused for every call after; the array forms convert a whole chart in
// one call.
#include <cstddef>
#include <string_view>

#include "colour/colour_types.h"

namespace colour {

// Press CMYK as it looks on screen: relative colorimetric with black-point compensation.
Rgb8 CmykToScreen(const Cmyk& cmyk);
void CmykToScreen(const Cmyk* cmyk, Rgb8* rgb, std::size_t count);

// Screen colour to press CMYK, perceptual intent; whole percent.
Cmyk ScreenToCmyk(const Rgb8& rgb);
// The rendering intent ScreenToCmyk uses, as the conversion tool names it.
std::wstring_view ScreenToCmykIntentName();

// sRGB and Lab D50 through the built-in sRGB profile (relative colorimetric).
Lab SrgbToLab(const Rgb8& rgb);
Lab SrgbToLab(const RgbD& rgb);
// Lab to the nearest 8-bit sRGB; colours outside sRGB are clipped.
Rgb8 LabToSrgb(const Lab& lab);

// What the press prints, measured with the paper: absolute colorimetric Lab D50.
Lab CmykToLabAbsolute(const Cmyk& cmyk);

}  // namespace colour
