// Colour models and colour management against data no one here wrote: published values, press measurements.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <limits>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "colour/colour_management.h"
#include "colour/colour_models.h"

namespace colour {
namespace {

// 128/255 as a percentage: the lightness and value of #808080.
constexpr double Grey128 = 50.19607843137255;
constexpr double Tolerance = 1e-9;

// HSL and HSV of primaries, secondaries and greys as the CSS colour module and the models give them.
TEST(ColourModels, PublishedHslAndHsvBothWays) {
  const std::tuple<Rgb8, Hsl, Hsv> references[] = {
      {{255, 0, 0}, {0, 100, 50}, {0, 100, 100}},       {{0, 255, 0}, {120, 100, 50}, {120, 100, 100}},
      {{0, 0, 255}, {240, 100, 50}, {240, 100, 100}},   {{255, 255, 0}, {60, 100, 50}, {60, 100, 100}},
      {{0, 255, 255}, {180, 100, 50}, {180, 100, 100}}, {{255, 0, 255}, {300, 100, 50}, {300, 100, 100}},
      {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}},                {{255, 255, 255}, {0, 0, 100}, {0, 0, 100}},
      {{128, 128, 128}, {0, 0, Grey128}, {0, 0, Grey128}},
      {{128, 0, 0}, {0, 100, Grey128 / 2}, {0, 100, Grey128}},
      {{255, 128, 128}, {0, 100, 75.09803921568627}, {0, 100 - Grey128, 100}},
  };
  for (const auto& [rgb, hsl, hsv] : references) {
    SCOPED_TRACE(testing::Message() << int(rgb.r) << "," << int(rgb.g) << "," << int(rgb.b));
    const Hsl l = ToHsl(ToDouble(rgb));
    const Hsv v = ToHsv(ToDouble(rgb));
    for (const auto& [got, want] :
         {std::pair{l.h, hsl.h}, {l.s, hsl.s}, {l.l, hsl.l}, {v.h, hsv.h}, {v.s, hsv.s}, {v.v, hsv.v}})
      EXPECT_NEAR(got, want, Tolerance);
    EXPECT_EQ(ToRgb8(FromHsl(hsl)), rgb);
    EXPECT_EQ(ToRgb8(FromHsv(hsv)), rgb);
  }
}

TEST(ColourModels, HueWrapsAroundTheCircle) {
  EXPECT_EQ(ToRgb8(FromHsl({360, 100, 50})), (Rgb8{255, 0, 0}));
  EXPECT_EQ(ToRgb8(FromHsl({-120, 100, 50})), (Rgb8{0, 0, 255}));
  // Just below red on the circle: magenta-ish red, hue close to 360, never 360 itself.
  const Hsl below = ToHsl(ToDouble({255, 0, 1}));
  EXPECT_TRUE(below.h > 359.0 && below.h < 360.0) << below.h;
  // A hair below red, where 360 minus the hair rounds to 360 itself: the hue is 0.
  EXPECT_EQ(ToHsv({1, 0, 1e-17}).h, 0.0);
}

TEST(ColourModels, EightBitRoundsAndClamps) {
  constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
  const std::pair<double, std::uint8_t> cases[] = {
      {127.4 / 255, 127}, {127.6 / 255, 128}, {-0.2, 0}, {1.5, 255}, {NaN, 0}};
  for (const auto& [channel, expected] : cases)
    EXPECT_EQ(ToRgb8({channel, channel, channel}), (Rgb8{expected, expected, expected})) << channel;
}

// Pairs (numbered as there) from table 1 of Sharma, Wu and Dalal, "The CIEDE2000 color-difference
// formula: implementation notes, supplementary test data, and mathematical observations", Color
// Research and Application 30 (2005), one for each branch: the rotation term near 275°, a neutral
// colour, hues half a turn apart, a large difference, a measured pair near black.
TEST(ColourModels, DeltaE2000MatchesPublishedPairs) {
  const std::tuple<int, Lab, Lab, double> pairs[] = {
      {1, {50.0000, 2.6772, -79.7751}, {50.0000, 0.0000, -82.7485}, 2.0425},
      {7, {50.0000, 0.0000, 0.0000}, {50.0000, -1.0000, 2.0000}, 2.3669},
      {11, {50.0000, 2.4900, -0.0010}, {50.0000, -2.4900, 0.0011}, 7.2195},
      {15, {50.0000, -0.0010, 2.4900}, {50.0000, 0.0011, -2.4900}, 4.7461},
      {16, {50.0000, 2.5000, 0.0000}, {50.0000, 0.0000, -2.5000}, 4.3065},
      {17, {50.0000, 2.5000, 0.0000}, {73.0000, 25.0000, -18.0000}, 27.1492},
      {34, {2.0776, 0.0795, -1.1350}, {0.9033, -0.0636, -0.5514}, 0.9082},
  };
  constexpr double PublishedPrecision = 0.00005;  // the paper gives four decimals
  for (const auto& [number, x, y, deltaE] : pairs) {
    EXPECT_NEAR(DeltaE2000(x, y), deltaE, PublishedPrecision) << "pair " << number;
    EXPECT_NEAR(DeltaE2000(y, x), deltaE, PublishedPrecision) << "pair " << number;
  }
  EXPECT_EQ(DeltaE2000({50, 10, -20}, {50, 10, -20}), 0.0);
}

// Debian's icc-profiles-free, installed by the setup script, seen through Wine's Z: drive.
constexpr char MeasurementsPath[] = "Z:/usr/share/color/icc/FOGRA39L.ti3";
constexpr std::size_t Fogra39PatchCount = 1617;

// The .ti3 file's data rows (SAMPLE_ID, CMYK, XYZ, Lab) are its only lines of a name and ten numbers.
TEST(PrintProfile, ReproducesEveryFogra39MeasurementWithThePaper) {
  std::ifstream file(MeasurementsPath);
  std::vector<double> errors;
  for (std::string line; std::getline(file, line);) {
    std::istringstream fields(line);
    std::string id;
    Cmyk cmyk;
    Lab measured;
    double x, y, z;
    if (fields >> id >> cmyk.c >> cmyk.m >> cmyk.y >> cmyk.k >> x >> y >> z >> measured.L >> measured.a >>
        measured.b)
      errors.push_back(DeltaE2000(CmykToLabAbsolute(cmyk), measured));
  }
  ASSERT_EQ(errors.size(), Fogra39PatchCount) << "reading " << MeasurementsPath;
  std::sort(errors.begin(), errors.end());
  const double median = errors[errors.size() / 2];
  std::printf("FOGRA39 through the print profile, CIEDE2000: median %.3f, 95th percentile %.3f, max %.3f\n",
              median, errors[errors.size() * 95 / 100], errors.back());
  EXPECT_LE(median, 0.5);
  EXPECT_LE(errors.back(), 2.0);
}

// Inks are not the screen's primaries, paper is white, screen colours go to whole percents of ink
// and survive ink and back closely.
// (A whole chart converted at once: the CMYK chart's tints in the chart view tests.)
TEST(PrintProfile, InksOnScreenAndScreenColoursOnPress) {
  const std::pair<Cmyk, Rgb8> inks[] = {
      {{100, 0, 0, 0}, {0, 255, 255}}, {{0, 100, 0, 0}, {255, 0, 255}}, {{0, 0, 0, 100}, {0, 0, 0}}};
  for (const auto& [cmyk, naive] : inks) {
    const double apart = DeltaE2000(SrgbToLab(CmykToScreen(cmyk)), SrgbToLab(naive));
    EXPECT_GT(apart, 5.0) << "cmyk " << cmyk.c << "," << cmyk.m << "," << cmyk.k;
  }
  EXPECT_EQ(CmykToScreen(Cmyk{0, 0, 0, 0}), (Rgb8{255, 255, 255}));
  for (const Rgb8& rgb : {Rgb8{128, 128, 128}, Rgb8{200, 150, 100}, Rgb8{60, 90, 140}, Rgb8{230, 220, 200}}) {
    const Cmyk cmyk = ScreenToCmyk(rgb);
    for (double ink : {cmyk.c, cmyk.m, cmyk.y, cmyk.k}) EXPECT_EQ(ink, std::round(ink));  // whole percents
    const double apart = DeltaE2000(SrgbToLab(CmykToScreen(cmyk)), SrgbToLab(rgb));
    EXPECT_LT(apart, 4.0) << int(rgb.r) << "," << int(rgb.g) << "," << int(rgb.b);
  }
}

// sRGB in Lab D50 (Bradford) as the references for the ICC connection space publish it.
TEST(Srgb, PublishedLabValuesOfWhiteBlackAndPrimaries) {
  const std::pair<Rgb8, Lab> cases[] = {{{255, 255, 255}, {100.0, 0.0, 0.0}}, {{0, 0, 0}, {0.0, 0.0, 0.0}},
                                         {{255, 0, 0}, {54.29, 80.80, 69.89}},
                                         {{0, 255, 0}, {87.82, -79.29, 80.99}},
                                         {{0, 0, 255}, {29.57, 68.30, -112.03}}};
  for (const auto& [rgb, published] : cases) {
    const Lab lab = SrgbToLab(rgb);
    EXPECT_NEAR(lab.L, published.L, 0.5);
    EXPECT_NEAR(lab.a, published.a, 1.0);
    EXPECT_NEAR(lab.b, published.b, 1.0);
    EXPECT_NEAR(SrgbToLab(ToDouble(rgb)).L, lab.L, 0.01);
  }
}

}  // namespace
}  // namespace colour
