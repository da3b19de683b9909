// Colour management measured against data no one here wrote: the FOGRA39 press
// measurements, published Lab values of the sRGB primaries, and a full sRGB round trip.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "colour/colour_management.h"
#include "colour/colour_models.h"

namespace colour {
namespace {

// Debian's icc-profiles-free, installed by the setup script, seen through Wine's Z: drive.
constexpr char MeasurementsPath[] = "Z:/usr/share/color/icc/FOGRA39L.ti3";
constexpr std::size_t Fogra39PatchCount = 1617;

struct Patch {
  Cmyk cmyk;
  Lab measured;
};

// The data rows of a CGATS .ti3 file with fields SAMPLE_ID, CMYK_C..K, XYZ_X..Z, LAB_L..B:
// the only lines that read as a name and ten numbers.
std::vector<Patch> ReadMeasurements() {
  std::ifstream file(MeasurementsPath);
  std::vector<Patch> patches;
  for (std::string line; std::getline(file, line);) {
    std::istringstream fields(line);
    std::string id;
    Patch p;
    double x, y, z;
    if (fields >> id >> p.cmyk.c >> p.cmyk.m >> p.cmyk.y >> p.cmyk.k >> x >> y >> z >>
        p.measured.L >> p.measured.a >> p.measured.b) {
      patches.push_back(p);
    }
  }
  return patches;
}

TEST(PrintProfile, ReproducesEveryFogra39MeasurementWithThePaper) {
  std::vector<Patch> patches = ReadMeasurements();
  ASSERT_EQ(patches.size(), Fogra39PatchCount) << "reading " << MeasurementsPath;
  std::vector<double> errors;
  for (const Patch& p : patches) errors.push_back(DeltaE2000(CmykToLabAbsolute(p.cmyk), p.measured));
  std::sort(errors.begin(), errors.end());
  double median = errors[errors.size() / 2];
  double mean = 0;
  for (double e : errors) mean += e;
  mean /= errors.size();
  std::printf("FOGRA39 patches through the print profile (absolute colorimetric), CIEDE2000: "
              "median %.3f, mean %.3f, 95th percentile %.3f, maximum %.3f\n",
              median, mean, errors[errors.size() * 95 / 100], errors.back());
  EXPECT_LE(median, 0.5);
  EXPECT_LE(errors.back(), 2.0);
}

// 100 % cyan prints a mid blue, not (0, 255, 255); the press's black is not (0, 0, 0); paper
// with no ink is screen white under relative colorimetric rendering. In-gamut screen colours
// survive the trip to ink and back to within a small difference (perceptual one way,
// relative colorimetric back, ink in whole percent). A whole chart converts as one by one.
TEST(PrintProfile, InksOnScreenAndScreenColoursOnPress) {
  const struct {
    Cmyk cmyk;
    Rgb8 naive;
  } inks[] = {{{100, 0, 0, 0}, {0, 255, 255}}, {{0, 100, 0, 0}, {255, 0, 255}}, {{0, 0, 0, 100}, {0, 0, 0}}};
  for (const auto& ink : inks) {
    const double apart = DeltaE2000(SrgbToLab(CmykToScreen(ink.cmyk)), SrgbToLab(ink.naive));
    EXPECT_GT(apart, 5.0) << "cmyk " << ink.cmyk.c << "," << ink.cmyk.m << "," << ink.cmyk.k;
  }
  EXPECT_EQ(CmykToScreen(Cmyk{0, 0, 0, 0}), (Rgb8{255, 255, 255}));
  for (const Rgb8& rgb : {Rgb8{128, 128, 128}, Rgb8{200, 150, 100}, Rgb8{60, 90, 140}, Rgb8{230, 220, 200}}) {
    const double apart = DeltaE2000(SrgbToLab(CmykToScreen(ScreenToCmyk(rgb))), SrgbToLab(rgb));
    EXPECT_LT(apart, 4.0) << int(rgb.r) << "," << int(rgb.g) << "," << int(rgb.b);
  }
  std::vector<Cmyk> chart;
  for (int c = 0; c <= 100; c += 25)
    for (int k = 0; k <= 100; k += 50) chart.push_back({double(c), 100.0 - c, 30, double(k)});
  std::vector<Rgb8> screen(chart.size());
  CmykToScreen(chart.data(), screen.data(), chart.size());
  for (std::size_t i = 0; i < chart.size(); ++i) EXPECT_EQ(screen[i], CmykToScreen(chart[i]));
}

TEST(Srgb, LabRoundTripReturnsEveryGridColour) {
  constexpr int Levels = 33;
  int worst = 0;
  for (int r = 0; r < Levels; ++r)
    for (int g = 0; g < Levels; ++g)
      for (int b = 0; b < Levels; ++b) {
        auto level = [](int i) { return static_cast<std::uint8_t>(std::lround(i * 255.0 / (Levels - 1))); };
        Rgb8 rgb{level(r), level(g), level(b)};
        Rgb8 back = LabToSrgb(SrgbToLab(rgb));
        worst = std::max({worst, std::abs(back.r - rgb.r), std::abs(back.g - rgb.g),
                          std::abs(back.b - rgb.b)});
      }
  EXPECT_LE(worst, 1);
}

TEST(Srgb, PublishedLabValuesOfWhiteBlackAndPrimaries) {
  // sRGB in CIE Lab relative to D50 (Bradford adaptation), as published in the colour
  // science references for the ICC connection space.
  struct Case {
    Rgb8 rgb;
    Lab lab;
  } cases[] = {
      {{255, 255, 255}, {100.0, 0.0, 0.0}},
      {{0, 0, 0}, {0.0, 0.0, 0.0}},
      {{255, 0, 0}, {54.29, 80.80, 69.89}},
      {{0, 255, 0}, {87.82, -79.29, 80.99}},
      {{0, 0, 255}, {29.57, 68.30, -112.03}},
  };
  for (const Case& c : cases) {
    Lab lab = SrgbToLab(c.rgb);
    EXPECT_NEAR(lab.L, c.lab.L, 0.5);
    EXPECT_NEAR(lab.a, c.lab.a, 1.0);
    EXPECT_NEAR(lab.b, c.lab.b, 1.0);
    Lab fromDouble = SrgbToLab(ToDouble(c.rgb));
    EXPECT_NEAR(fromDouble.L, lab.L, 0.01) << "8-bit and double input disagree";
  }
}

}  // namespace
}  // namespace colour
