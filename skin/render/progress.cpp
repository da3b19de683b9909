#include "skin/render/progress.h"

#include <windows.h>

#include <commctrl.h>

namespace skin {

namespace {
constexpr double ProgressFullScale = 30000.0;
}  // namespace

float ProgressFraction(HWND progressBar) {
  const auto position = static_cast<int>(SendMessageW(progressBar, PBM_GETPOS, 0, 0));
  // Divided in double precision, held in single precision.
  return static_cast<float>(position / ProgressFullScale);
}

}  // namespace skin
