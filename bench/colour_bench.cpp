// Prints what the colour engine's conversions cost on this machine: making the transforms,
// one colour each way, and a whole chart's worth of CMYK swatches converted to screen.
#include <lcms2.h>

#include <chrono>
#include <cstdio>
#include <vector>

#include "colour/colour_management.h"
#include "colour/print_profile.h"

namespace {

using Clock = std::chrono::steady_clock;

double MicrosecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
}

// Runs body count times and returns the mean in microseconds.
template <typename Body>
double MeanMicroseconds(int count, Body body) {
  Clock::time_point start = Clock::now();
  for (int i = 0; i < count; ++i) body(i);
  return MicrosecondsSince(start) / count;
}

volatile int Sink;  // keeps results alive so the loops are not optimised away

constexpr int SingleRuns = 20000;
constexpr int ChartRuns = 200;
constexpr int CreateRuns = 20;
constexpr std::size_t ChartSwatches = 1000;

}  // namespace

int main() {
  // The engine's first call makes all of its transforms.
  Clock::time_point first = Clock::now();
  colour::Rgb8 warm = colour::CmykToScreen(colour::Cmyk{10, 20, 30, 0});
  std::printf("first conversion (makes every transform once): %.0f us\n", MicrosecondsSince(first));
  Sink = warm.r;

  // One transform of the kind the chart pages use, made and dropped again and again.
  std::span<const std::byte> bytes = colour::PrintProfileBytes();
  double create = MeanMicroseconds(CreateRuns, [&](int) {
    cmsHPROFILE press = cmsOpenProfileFromMem(bytes.data(), static_cast<cmsUInt32Number>(bytes.size()));
    cmsHPROFILE srgb = cmsCreate_sRGBProfile();
    cmsHTRANSFORM t = cmsCreateTransform(press, TYPE_CMYK_DBL, srgb, TYPE_RGB_8,
                                         INTENT_RELATIVE_COLORIMETRIC,
                                         cmsFLAGS_NOCACHE | cmsFLAGS_BLACKPOINTCOMPENSATION);
    cmsDeleteTransform(t);
    cmsCloseProfile(srgb);
    cmsCloseProfile(press);
  });
  std::printf("one CMYK->screen transform, profiles opened and transform made: %.0f us\n", create);

  double toScreen = MeanMicroseconds(SingleRuns, [](int i) {
    Sink = colour::CmykToScreen(colour::Cmyk{double(i % 101), 40, 20, 10}).g;
  });
  double toPress = MeanMicroseconds(SingleRuns, [](int i) {
    Sink = int(colour::ScreenToCmyk(colour::Rgb8{std::uint8_t(i), 120, 200}).c);
  });
  double toLab = MeanMicroseconds(SingleRuns, [](int i) {
    Sink = int(colour::SrgbToLab(colour::Rgb8{std::uint8_t(i), 120, 200}).L);
  });
  double fromLab = MeanMicroseconds(SingleRuns, [](int i) {
    Sink = colour::LabToSrgb(colour::Lab{50, double(i % 100) - 50, 20}).r;
  });
  std::printf("one colour: CMYK->screen %.2f us, screen->CMYK %.2f us, sRGB->Lab %.2f us, Lab->sRGB %.2f us\n",
              toScreen, toPress, toLab, fromLab);

  std::vector<colour::Cmyk> chart;
  for (std::size_t i = 0; i < ChartSwatches; ++i)
    chart.push_back({double(i % 11 * 10), double(i / 11 % 11 * 10), double(i / 121 % 11 * 10), 20});
  std::vector<colour::Rgb8> screen(chart.size());
  double page = MeanMicroseconds(ChartRuns, [&](int) {
    colour::CmykToScreen(chart.data(), screen.data(), chart.size());
  });
  Sink = screen[ChartSwatches / 2].b;
  std::printf("%zu CMYK swatches to screen in one call: %.3f ms (target <= 5 ms)\n", ChartSwatches,
              page / 1000.0);
  return 0;
}
