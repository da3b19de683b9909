// sRGB to HSL/HSV and back, 8-bit rounding, and the CIEDE2000 difference.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "colour/colour_models.h"

using colour::Hsl;
using colour::Hsv;
using colour::Lab;
using colour::Rgb8;

namespace {

// 128/255 as a percentage: the lightness and value of #808080.
constexpr double Grey128 = 50.19607843137255;
constexpr double Tolerance = 1e-9;

// HSL and HSV of the primaries, secondaries and greys as CSS's colour module and the
// definitions of the two models give them.
struct Reference {
  Rgb8 rgb;
  Hsl hsl;
  Hsv hsv;
};
const Reference References[] = {
    {{255, 0, 0}, {0, 100, 50}, {0, 100, 100}},
    {{0, 255, 0}, {120, 100, 50}, {120, 100, 100}},
    {{0, 0, 255}, {240, 100, 50}, {240, 100, 100}},
    {{255, 255, 0}, {60, 100, 50}, {60, 100, 100}},
    {{0, 255, 255}, {180, 100, 50}, {180, 100, 100}},
    {{255, 0, 255}, {300, 100, 50}, {300, 100, 100}},
    {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}},
    {{255, 255, 255}, {0, 0, 100}, {0, 0, 100}},
    {{128, 128, 128}, {0, 0, Grey128}, {0, 0, Grey128}},
    {{128, 0, 0}, {0, 100, Grey128 / 2}, {0, 100, Grey128}},
    {{255, 128, 128}, {0, 100, 75.09803921568627}, {0, 100 - Grey128, 100}},
};

}  // namespace

TEST(ColourModels, PublishedHslAndHsvBothWays) {
  for (const Reference& ref : References) {
    const Hsl hsl = colour::ToHsl(colour::ToDouble(ref.rgb));
    const Hsv hsv = colour::ToHsv(colour::ToDouble(ref.rgb));
    SCOPED_TRACE(testing::Message() << int(ref.rgb.r) << "," << int(ref.rgb.g) << ","
                                    << int(ref.rgb.b));
    EXPECT_NEAR(hsl.h, ref.hsl.h, Tolerance);
    EXPECT_NEAR(hsl.s, ref.hsl.s, Tolerance);
    EXPECT_NEAR(hsl.l, ref.hsl.l, Tolerance);
    EXPECT_NEAR(hsv.h, ref.hsv.h, Tolerance);
    EXPECT_NEAR(hsv.s, ref.hsv.s, Tolerance);
    EXPECT_NEAR(hsv.v, ref.hsv.v, Tolerance);
    EXPECT_EQ(colour::ToRgb8(colour::FromHsl(ref.hsl)), ref.rgb);
    EXPECT_EQ(colour::ToRgb8(colour::FromHsv(ref.hsv)), ref.rgb);
  }
}

TEST(ColourModels, HueWrapsAroundTheCircle) {
  const Rgb8 red{255, 0, 0}, blue{0, 0, 255};
  EXPECT_EQ(colour::ToRgb8(colour::FromHsl({360, 100, 50})), red);
  EXPECT_EQ(colour::ToRgb8(colour::FromHsl({-120, 100, 50})), blue);
  EXPECT_EQ(colour::ToRgb8(colour::FromHsv({600, 100, 100})), blue);
  // Just below red on the circle: magenta-ish red, hue close to 360, never 360 itself.
  const Hsl below = colour::ToHsl(colour::ToDouble({255, 0, 1}));
  EXPECT_GT(below.h, 359.0);
  EXPECT_LT(below.h, 360.0);
  // A hair below red, where 360 minus the hair rounds to 360 itself: the hue is 0.
  EXPECT_EQ(colour::ToHsv({1, 0, 1e-17}).h, 0.0);
}

TEST(ColourModels, EightBitRoundsAndClamps) {
  const struct {
    double channel;
    std::uint8_t expected;
  } cases[] = {
      {0.0, 0},           {1.0, 255},         {127.4 / 255, 127},
      {127.6 / 255, 128}, {-0.2, 0},          {1.5, 255},
      {std::numeric_limits<double>::quiet_NaN(), 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(colour::ToRgb8({c.channel, c.channel, c.channel}),
              (Rgb8{c.expected, c.expected, c.expected}))
        << c.channel;
  }
}

// The published CIEDE2000 test data: Sharma, Wu and Dalal, "The CIEDE2000 color-difference
// formula: implementation notes, supplementary test data, and mathematical observations",
// Color Research and Application 30 (2005), table 1, all 34 pairs, typed from the paper.
TEST(ColourModels, DeltaE2000MatchesPublishedPairs) {
  const struct {
    Lab x, y;
    double deltaE;
  } pairs[] = {
      {{50.0000, 2.6772, -79.7751}, {50.0000, 0.0000, -82.7485}, 2.0425},
      {{50.0000, 3.1571, -77.2803}, {50.0000, 0.0000, -82.7485}, 2.8615},
      {{50.0000, 2.8361, -74.0200}, {50.0000, 0.0000, -82.7485}, 3.4412},
      {{50.0000, -1.3802, -84.2814}, {50.0000, 0.0000, -82.7485}, 1.0000},
      {{50.0000, -1.1848, -84.8006}, {50.0000, 0.0000, -82.7485}, 1.0000},
      {{50.0000, -0.9009, -85.5211}, {50.0000, 0.0000, -82.7485}, 1.0000},
      {{50.0000, 0.0000, 0.0000}, {50.0000, -1.0000, 2.0000}, 2.3669},
      {{50.0000, -1.0000, 2.0000}, {50.0000, 0.0000, 0.0000}, 2.3669},
      {{50.0000, 2.4900, -0.0010}, {50.0000, -2.4900, 0.0009}, 7.1792},
      {{50.0000, 2.4900, -0.0010}, {50.0000, -2.4900, 0.0010}, 7.1792},
      {{50.0000, 2.4900, -0.0010}, {50.0000, -2.4900, 0.0011}, 7.2195},
      {{50.0000, 2.4900, -0.0010}, {50.0000, -2.4900, 0.0012}, 7.2195},
      {{50.0000, -0.0010, 2.4900}, {50.0000, 0.0009, -2.4900}, 4.8045},
      {{50.0000, -0.0010, 2.4900}, {50.0000, 0.0010, -2.4900}, 4.8045},
      {{50.0000, -0.0010, 2.4900}, {50.0000, 0.0011, -2.4900}, 4.7461},
      {{50.0000, 2.5000, 0.0000}, {50.0000, 0.0000, -2.5000}, 4.3065},
      {{50.0000, 2.5000, 0.0000}, {73.0000, 25.0000, -18.0000}, 27.1492},
      {{50.0000, 2.5000, 0.0000}, {61.0000, -5.0000, 29.0000}, 22.8977},
      {{50.0000, 2.5000, 0.0000}, {56.0000, -27.0000, -3.0000}, 31.9030},
      {{50.0000, 2.5000, 0.0000}, {58.0000, 24.0000, 15.0000}, 19.4535},
      {{50.0000, 2.5000, 0.0000}, {50.0000, 3.1736, 0.5854}, 1.0000},
      {{50.0000, 2.5000, 0.0000}, {50.0000, 3.2972, 0.0000}, 1.0000},
      {{50.0000, 2.5000, 0.0000}, {50.0000, 1.8634, 0.5757}, 1.0000},
      {{50.0000, 2.5000, 0.0000}, {50.0000, 3.2592, 0.3350}, 1.0000},
      {{60.2574, -34.0099, 36.2677}, {60.4626, -34.1751, 39.4387}, 1.2644},
      {{63.0109, -31.0961, -5.8663}, {62.8187, -29.7946, -4.0864}, 1.2630},
      {{61.2901, 3.7196, -5.3901}, {61.4292, 2.2480, -4.9620}, 1.8731},
      {{35.0831, -44.1164, 3.7933}, {35.0232, -40.0716, 1.5901}, 1.8645},
      {{22.7233, 20.0904, -46.6940}, {23.0331, 14.9730, -42.5619}, 2.0373},
      {{36.4612, 47.8580, 18.3852}, {36.2715, 50.5065, 21.2231}, 1.4146},
      {{90.8027, -2.0831, 1.4410}, {91.1528, -1.6435, 0.0447}, 1.4441},
      {{90.9257, -0.5406, -0.9208}, {88.6381, -0.8985, -0.7239}, 1.5381},
      {{6.7747, -0.2908, -2.4247}, {5.8714, -0.0985, -2.2286}, 0.6377},
      {{2.0776, 0.0795, -1.1350}, {0.9033, -0.0636, -0.5514}, 0.9082},
  };
  constexpr double PublishedPrecision = 0.00005;  // the paper gives four decimals
  int pair = 0;
  for (const auto& p : pairs) {
    ++pair;
    EXPECT_NEAR(colour::DeltaE2000(p.x, p.y), p.deltaE, PublishedPrecision) << "pair " << pair;
    EXPECT_NEAR(colour::DeltaE2000(p.y, p.x), p.deltaE, PublishedPrecision) << "pair " << pair;
  }
  EXPECT_EQ(colour::DeltaE2000({50, 10, -20}, {50, 10, -20}), 0.0);
}
