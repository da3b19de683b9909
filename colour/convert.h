#pragma once
// A parsed colour on screen, whatever it was written in.
#include "colour/colour_types.h"
#include "colour/notation.h"

namespace colour {

// CMYK through the print profile (relative colorimetric, black-point compensation), Lab
// through the sRGB profile, the rest by formula.
Rgb8 ToScreen(const ParsedColour& colour);

}  // namespace colour
