// Colour management measured against data no one here wrote: the FOGRA39 press
// measurements and published Lab values of the sRGB primaries.
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

// Each patch against its measurement; the data rows of the .ti3 file (SAMPLE_ID, CMYK_C..K,
// XYZ_X..Z, LAB_L..B) are its only lines that read as a name and ten numbers.
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
  std::printf("FOGRA39 patches through the print profile (absolute colorimetric), CIEDE2000: median %.3f, "
              "95th percentile %.3f, maximum %.3f\n",
              median, errors[errors.size() * 95 / 100], errors.back());
  EXPECT_LE(median, 0.5);
  EXPECT_LE(errors.back(), 2.0);
}

// Inks are not the screen's primaries and paper is white; screen colours survive the trip to
// ink and back closely; a whole chart converts as one by one.
TEST(PrintProfile, InksOnScreenAndScreenColoursOnPress) {
  const std::pair<Cmyk, Rgb8> inks[] = {
      {{100, 0, 0, 0}, {0, 255, 255}}, {{0, 100, 0, 0}, {255, 0, 255}}, {{0, 0, 0, 100}, {0, 0, 0}}};
  for (const auto& [cmyk, naive] : inks) {
    const double apart = DeltaE2000(SrgbToLab(CmykToScreen(cmyk)), SrgbToLab(naive));
    EXPECT_GT(apart, 5.0) << "cmyk " << cmyk.c << "," << cmyk.m << "," << cmyk.k;
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

// sRGB in CIE Lab relative to D50 (Bradford adaptation), as published in the colour science
// references for the ICC connection space; 8-bit and double input agree.
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
