#pragma once
// Form and control positions are in twips: 15 twips make one pixel at 96 dpi.
#include <cmath>

namespace platform {

inline constexpr int TwipsPerPixel = 15;

// The nearest whole pixel (e.g. 5435 twips -> 362 pixels).
inline int TwipsToPixels(double twips) {
  return static_cast<int>(std::lround(twips / TwipsPerPixel));
}

inline double PixelsToTwips(int pixels) { return static_cast<double>(pixels) * TwipsPerPixel; }

}  // namespace platform
