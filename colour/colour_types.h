#pragma once
// The colour values the engine speaks: screen sRGB, its cylindrical forms, the print
// connection space and press CMYK. Plain aggregates; every conversion is a free function.
#include <compare>
#include <cstdint>

namespace colour {

// sRGB, 8 bits a channel: what a screen pixel and a hex code hold.
struct Rgb8 {
  std::uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const Rgb8&, const Rgb8&) = default;
};

// sRGB with channels in 0..1, encoded (not linear).
struct RgbD {
  double r = 0, g = 0, b = 0;
  friend bool operator==(const RgbD&, const RgbD&) = default;
};

// Hue in degrees [0, 360); saturation and value (brightness) in percent 0..100.
struct Hsv {
  double h = 0, s = 0, v = 0;
  friend bool operator==(const Hsv&, const Hsv&) = default;
};

// Hue in degrees [0, 360); saturation and lightness in percent 0..100.
struct Hsl {
  double h = 0, s = 0, l = 0;
  friend bool operator==(const Hsl&, const Hsl&) = default;
};

// CIE L*a*b* relative to D50, the connection space of colour profiles.
struct Lab {
  double L = 0, a = 0, b = 0;
  friend bool operator==(const Lab&, const Lab&) = default;
};

// Ink coverage of the four process inks, in percent 0..100.
struct Cmyk {
  double c = 0, m = 0, y = 0, k = 0;
  friend bool operator==(const Cmyk&, const Cmyk&) = default;
};

}  // namespace colour
