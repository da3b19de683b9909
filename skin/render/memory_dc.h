#pragma once
// Memory surfaces: off-screen device contexts that own a display-compatible bitmap.
#include <windows.h>

namespace skin {

// A new memory surface of width x height in the display's colour format, or null when
// the display context, the memory context or the bitmap cannot be made. Its pixels are
// not cleared. Release it with DeleteMemoryDC.
HDC CreateMemoryDC(int width, int height);

// Releases a memory surface together with the bitmap selected into it. DeleteDC alone
// would leave the bitmap behind. A null handle does nothing.
void DeleteMemoryDC(HDC surface);

}  // namespace skin
