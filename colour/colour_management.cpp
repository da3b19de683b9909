#include "colour/colour_management.h"

#include <lcms2.h>

#include <algorithm>
#include <cmath>

#include "colour/print_profile.h"

namespace colour {

namespace {

// The transforms are made once, when first asked for, and kept for the process: making
// one costs far more than converting a whole chart with it. lcms2 keeps a one-colour
// cache inside each transform; it is switched off so that threads may share them.
constexpr cmsUInt32Number SharedFlags = cmsFLAGS_NOCACHE;

struct Transforms {
  cmsHTRANSFORM cmykToScreen = nullptr;    // relative colorimetric, black-point compensated
  cmsHTRANSFORM screenToCmyk = nullptr;    // perceptual
  cmsHTRANSFORM srgb8ToLab = nullptr;
  cmsHTRANSFORM srgbDoubleToLab = nullptr;
  cmsHTRANSFORM labToSrgb = nullptr;
  cmsHTRANSFORM cmykToLabAbsolute = nullptr;

  Transforms() {
    cmsHPROFILE srgb = cmsCreate_sRGBProfile();
    cmsHPROFILE lab = cmsCreateLab4Profile(nullptr);  // D50
    std::span<const std::byte> bytes = PrintProfileBytes();
    cmsHPROFILE press = bytes.empty() ? nullptr
                                      : cmsOpenProfileFromMem(bytes.data(),
                                                              static_cast<cmsUInt32Number>(bytes.size()));
    srgb8ToLab = cmsCreateTransform(srgb, TYPE_RGB_8, lab, TYPE_Lab_DBL,
                                    INTENT_RELATIVE_COLORIMETRIC, SharedFlags);
    srgbDoubleToLab = cmsCreateTransform(srgb, TYPE_RGB_DBL, lab, TYPE_Lab_DBL,
                                         INTENT_RELATIVE_COLORIMETRIC, SharedFlags);
    labToSrgb = cmsCreateTransform(lab, TYPE_Lab_DBL, srgb, TYPE_RGB_DBL,
                                   INTENT_RELATIVE_COLORIMETRIC, SharedFlags);
    if (press) {
      cmykToScreen = cmsCreateTransform(press, TYPE_CMYK_DBL, srgb, TYPE_RGB_8,
                                        INTENT_RELATIVE_COLORIMETRIC,
                                        SharedFlags | cmsFLAGS_BLACKPOINTCOMPENSATION);
      screenToCmyk = cmsCreateTransform(srgb, TYPE_RGB_8, press, TYPE_CMYK_DBL,
                                        INTENT_PERCEPTUAL, SharedFlags);
      cmykToLabAbsolute = cmsCreateTransform(press, TYPE_CMYK_DBL, lab, TYPE_Lab_DBL,
                                             INTENT_ABSOLUTE_COLORIMETRIC, SharedFlags);
    }
    // A transform keeps what it needs of its profiles.
    if (press) cmsCloseProfile(press);
    cmsCloseProfile(lab);
    cmsCloseProfile(srgb);
  }
  ~Transforms() {
    for (cmsHTRANSFORM t : {cmykToScreen, screenToCmyk, srgb8ToLab, srgbDoubleToLab, labToSrgb,
                            cmykToLabAbsolute}) {
      if (t) cmsDeleteTransform(t);
    }
  }
  Transforms(const Transforms&) = delete;
  Transforms& operator=(const Transforms&) = delete;
};

const Transforms& Shared() {
  static const Transforms transforms;
  return transforms;
}

// Converts count values through transform, or leaves out as it was when there is none
// (the executable carries no print profile).
template <typename In, typename Out>
void Run(cmsHTRANSFORM transform, const In* in, Out* out, std::size_t count) {
  if (transform && count) {
    cmsDoTransform(transform, in, out, static_cast<cmsUInt32Number>(count));
  }
}

double WholePercent(double value) { return std::clamp(std::round(value), 0.0, 100.0); }

constexpr double ChannelMax = 255.0;

}  // namespace

Rgb8 CmykToScreen(const Cmyk& cmyk) {
  Rgb8 rgb;
  CmykToScreen(&cmyk, &rgb, 1);
  return rgb;
}

void CmykToScreen(const Cmyk* cmyk, Rgb8* rgb, std::size_t count) {
  static_assert(sizeof(Cmyk) == 4 * sizeof(double) && sizeof(Rgb8) == 3,
                "the arrays are handed to the transform as packed channels");
  Run(Shared().cmykToScreen, cmyk, rgb, count);
}

Cmyk ScreenToCmyk(const Rgb8& rgb) {
  Cmyk cmyk;
  Run(Shared().screenToCmyk, &rgb, &cmyk, 1);
  return {WholePercent(cmyk.c), WholePercent(cmyk.m), WholePercent(cmyk.y), WholePercent(cmyk.k)};
}

std::wstring_view ScreenToCmykIntentName() { return L"perceptual"; }

Lab SrgbToLab(const Rgb8& rgb) {
  Lab lab;
  Run(Shared().srgb8ToLab, &rgb, &lab, 1);
  return lab;
}

Lab SrgbToLab(const RgbD& rgb) {
  Lab lab;
  Run(Shared().srgbDoubleToLab, &rgb, &lab, 1);
  return lab;
}

Rgb8 LabToSrgb(const Lab& lab) {
  RgbD rgb;
  Run(Shared().labToSrgb, &lab, &rgb, 1);
  auto channel = [](double v) {
    return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0, 1.0) * ChannelMax));
  };
  return {channel(rgb.r), channel(rgb.g), channel(rgb.b)};
}

Lab CmykToLabAbsolute(const Cmyk& cmyk) {
  Lab lab;
  Run(Shared().cmykToLabAbsolute, &cmyk, &lab, 1);
  return lab;
}

}  // namespace colour
