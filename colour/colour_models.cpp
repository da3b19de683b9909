// Conversions that need no colour profile: 8-bit and double sRGB, the cylindrical HSV and
// HSL forms, and the CIEDE2000 colour difference.
#include "colour/colour_models.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace colour {
namespace {

constexpr double ChannelMax = 255.0;
constexpr double PercentScale = 100.0;
constexpr double FullTurn = 360.0;
constexpr double HueSector = 60.0;  // the hexagon of hue has six sectors of 60 degrees
constexpr double DegreesPerRadian = 180.0 / std::numbers::pi;

// Channel in 0..1; NaN counts as 0 so that no arithmetic slip can reach a conversion to an
// integer with an undefined result.
double Clamp01(double x) { return x >= 0.0 ? std::min(x, 1.0) : 0.0; }

std::uint8_t ToByte(double x) {
  return static_cast<std::uint8_t>(std::lround(Clamp01(x) * ChannelMax));
}

// Degrees brought into [0, 360).
double WrapHue(double h) {
  double wrapped = std::fmod(h, FullTurn);
  if (wrapped < 0.0) wrapped += FullTurn;
  return wrapped >= FullTurn ? 0.0 : wrapped;
}

// Hue in degrees of a colour with the given largest channel and chroma (largest minus
// smallest); 0 for greys, where hue is undefined.
double HueOf(const RgbD& c, double largest, double chroma) {
  if (chroma <= 0.0) return 0.0;
  double sector;
  if (largest == c.r) {
    sector = (c.g - c.b) / chroma;
  } else if (largest == c.g) {
    sector = (c.b - c.r) / chroma + 2.0;
  } else {
    sector = (c.r - c.g) / chroma + 4.0;
  }
  return WrapHue(sector * HueSector);
}

// An RGB colour from hue, chroma and the amount added to every channel.
RgbD FromHueChroma(double hueDegrees, double chroma, double offset) {
  const double sector = WrapHue(hueDegrees) / HueSector;
  const double second = chroma * (1.0 - std::fabs(std::fmod(sector, 2.0) - 1.0));
  double r = 0, g = 0, b = 0;
  switch (static_cast<int>(sector)) {
    case 0: r = chroma; g = second; break;
    case 1: r = second; g = chroma; break;
    case 2: g = chroma; b = second; break;
    case 3: g = second; b = chroma; break;
    case 4: r = second; b = chroma; break;
    default: r = chroma; b = second; break;
  }
  return {Clamp01(r + offset), Clamp01(g + offset), Clamp01(b + offset)};
}

double Square(double x) { return x * x; }
double Pow7(double x) { return Square(Square(x) * x) * x; }
double ToRadians(double degrees) { return degrees / DegreesPerRadian; }

}  // namespace

RgbD ToDouble(const Rgb8& rgb) {
  return {rgb.r / ChannelMax, rgb.g / ChannelMax, rgb.b / ChannelMax};
}

Rgb8 ToRgb8(const RgbD& rgb) { return {ToByte(rgb.r), ToByte(rgb.g), ToByte(rgb.b)}; }

Hsv ToHsv(const RgbD& rgb) {
  const RgbD c{Clamp01(rgb.r), Clamp01(rgb.g), Clamp01(rgb.b)};
  const double largest = std::max({c.r, c.g, c.b});
  const double chroma = largest - std::min({c.r, c.g, c.b});
  const double saturation = largest > 0.0 ? chroma / largest : 0.0;
  return {HueOf(c, largest, chroma), saturation * PercentScale, largest * PercentScale};
}

Hsl ToHsl(const RgbD& rgb) {
  const RgbD c{Clamp01(rgb.r), Clamp01(rgb.g), Clamp01(rgb.b)};
  const double largest = std::max({c.r, c.g, c.b});
  const double smallest = std::min({c.r, c.g, c.b});
  const double chroma = largest - smallest;
  const double lightness = (largest + smallest) / 2.0;
  const double spread = 1.0 - std::fabs(2.0 * lightness - 1.0);
  const double saturation = spread > 0.0 ? std::min(chroma / spread, 1.0) : 0.0;
  return {HueOf(c, largest, chroma), saturation * PercentScale, lightness * PercentScale};
}

RgbD FromHsv(const Hsv& hsv) {
  const double value = Clamp01(hsv.v / PercentScale);
  const double chroma = value * Clamp01(hsv.s / PercentScale);
  return FromHueChroma(hsv.h, chroma, value - chroma);
}

RgbD FromHsl(const Hsl& hsl) {
  const double lightness = Clamp01(hsl.l / PercentScale);
  const double chroma = (1.0 - std::fabs(2.0 * lightness - 1.0)) * Clamp01(hsl.s / PercentScale);
  return FromHueChroma(hsl.h, chroma, lightness - chroma / 2.0);
}

// CIEDE2000 with the parametric factors kL = kC = kH = 1, term by term as the formula is
// published (Sharma, Wu and Dalal 2005); the numeric coefficients below are the formula's
// own. The hue terms take care of the 360-degree wrap and of neutral colours.
double DeltaE2000(const Lab& x, const Lab& y) {
  constexpr double k25Pow7 = 6103515625.0;  // 25^7
  constexpr double HalfTurn = 180.0;

  const double chromaMean = (std::hypot(x.a, x.b) + std::hypot(y.a, y.b)) / 2.0;
  const double g = 0.5 * (1.0 - std::sqrt(Pow7(chromaMean) / (Pow7(chromaMean) + k25Pow7)));
  const double a1 = (1.0 + g) * x.a;
  const double a2 = (1.0 + g) * y.a;
  const double c1 = std::hypot(a1, x.b);
  const double c2 = std::hypot(a2, y.b);
  const auto hueDegrees = [](double b, double a) {
    return (a == 0.0 && b == 0.0) ? 0.0 : WrapHue(std::atan2(b, a) * DegreesPerRadian);
  };
  const double h1 = hueDegrees(x.b, a1);
  const double h2 = hueDegrees(y.b, a2);

  const double deltaL = y.L - x.L;
  const double deltaC = c2 - c1;
  double deltaHue = 0.0;
  if (c1 * c2 != 0.0) {
    deltaHue = h2 - h1;
    if (deltaHue > HalfTurn) deltaHue -= FullTurn;
    if (deltaHue < -HalfTurn) deltaHue += FullTurn;
  }
  const double deltaH = 2.0 * std::sqrt(c1 * c2) * std::sin(ToRadians(deltaHue / 2.0));

  const double meanL = (x.L + y.L) / 2.0;
  const double meanC = (c1 + c2) / 2.0;
  double meanHue = h1 + h2;
  if (c1 * c2 != 0.0) {
    if (std::fabs(h1 - h2) <= HalfTurn) {
      meanHue /= 2.0;
    } else {
      meanHue = (meanHue < FullTurn ? meanHue + FullTurn : meanHue - FullTurn) / 2.0;
    }
  }

  const double t = 1.0 - 0.17 * std::cos(ToRadians(meanHue - 30.0)) +
                   0.24 * std::cos(ToRadians(2.0 * meanHue)) +
                   0.32 * std::cos(ToRadians(3.0 * meanHue + 6.0)) -
                   0.20 * std::cos(ToRadians(4.0 * meanHue - 63.0));
  const double deltaTheta = 30.0 * std::exp(-Square((meanHue - 275.0) / 25.0));
  const double rC = 2.0 * std::sqrt(Pow7(meanC) / (Pow7(meanC) + k25Pow7));
  const double sL = 1.0 + 0.015 * Square(meanL - 50.0) / std::sqrt(20.0 + Square(meanL - 50.0));
  const double sC = 1.0 + 0.045 * meanC;
  const double sH = 1.0 + 0.015 * meanC * t;
  const double rT = -std::sin(ToRadians(2.0 * deltaTheta)) * rC;

  const double termL = deltaL / sL;
  const double termC = deltaC / sC;
  const double termH = deltaH / sH;
  return std::sqrt(Square(termL) + Square(termC) + Square(termH) + rT * termC * termH);
}

}  // namespace colour
