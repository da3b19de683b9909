#pragma once
#include <windows.h>

namespace skin {

// A progress bar's position as a fraction of the skin's full scale (30000), whatever the
// bar's own range; above 1 it fills beyond the bar's end, which the drawing clips.
float ProgressFraction(HWND progressBar);

}  // namespace skin
