#include "skin/core/skin_state.h"

namespace skin {

bool SkinInitialized = false;
bool HasTrackMouseEvent = false;
HDC ButtonBitmap = nullptr;
HDC ComboBitmap = nullptr;
HDC CheckBitmap = nullptr;
HDC GlyphBitmap = nullptr;
HDC HeaderBitmap = nullptr;
LONG SkinnedWindowCount = 0;

}  // namespace skin
