#include "colour/convert.h"

#include "colour/colour_management.h"
#include "colour/colour_models.h"

namespace colour {

namespace {

struct ScreenOf {
  Rgb8 operator()(const Rgb8& rgb) const { return rgb; }
  Rgb8 operator()(const Hsl& hsl) const { return ToRgb8(FromHsl(hsl)); }
  Rgb8 operator()(const Hsv& hsv) const { return ToRgb8(FromHsv(hsv)); }
  Rgb8 operator()(const Cmyk& cmyk) const { return CmykToScreen(cmyk); }
  Rgb8 operator()(const Lab& lab) const { return LabToSrgb(lab); }
};

}  // namespace

Rgb8 ToScreen(const ParsedColour& colour) { return std::visit(ScreenOf{}, colour.value); }

}  // namespace colour
