#pragma once
// The pixels of the five built-in skin bitmaps as COLORREF (0x00BBGGRR), one table row per
// bitmap row. BuildSkinBitmaps writes them with SetPixel, row by row, left to right.
#include <windows.h>

#include "skin/render/skin_bitmaps.h"

namespace skin {

// Four command-button faces of 7 x 21, stacked: normal, hover, pressed, disabled.
extern const COLORREF ButtonPixels[ButtonBitmapSize.cy][ButtonBitmapSize.cx];
// Drop-button faces (hover at x 0-3, pressed at x 4-7) and the arrows (x 8-14).
extern const COLORREF ComboPixels[ComboBitmapSize.cy][ComboBitmapSize.cx];
// Check mark, indeterminate square and option dot, enabled on the left, disabled on the right.
extern const COLORREF CheckPixels[CheckBitmapSize.cy][CheckBitmapSize.cx];
// Four option-button circles of 13 x 13, stacked: normal, hover, pressed, disabled.
extern const COLORREF GlyphPixels[GlyphBitmapSize.cy][GlyphBitmapSize.cx];
// Three header-item faces of 3 x 20, side by side: normal, hover, pressed.
extern const COLORREF HeaderPixels[HeaderBitmapSize.cy][HeaderBitmapSize.cx];

}  // namespace skin
