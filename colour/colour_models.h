#pragma once
// Conversions that need no colour profile: 8-bit and double sRGB, HSV and HSL, and the
// CIEDE2000 colour difference.
#include "colour/colour_types.h"

namespace colour {

RgbD ToDouble(const Rgb8& rgb);
// Rounds each channel to the nearest of 0..255, clamping.
Rgb8 ToRgb8(const RgbD& rgb);

Hsv ToHsv(const RgbD& rgb);
Hsl ToHsl(const RgbD& rgb);
RgbD FromHsv(const Hsv& hsv);
RgbD FromHsl(const Hsl& hsl);

// CIEDE2000 difference between two Lab colours (kL = kC = kH = 1).
double DeltaE2000(const Lab& x, const Lab& y);

}  // namespace colour
