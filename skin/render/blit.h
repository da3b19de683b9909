#pragma once
// Nine-slice and colour-keyed copies of skin artwork.
#include <windows.h>

#include <optional>

namespace skin {

// Draws the source rectangle into the destination rectangle as a nine-slice: corners
// copied, edges stretched along their length, centre stretched both ways (never tiled).
// The margins apply to source and destination alike. With a key colour the composed
// image is laid on with that colour left transparent. Returns 0 when a size is zero;
// otherwise the final copy's result without a key, 1 with one.
int DrawSkinPart(HDC hdcDest, int xDest, int yDest, int cxDest, int cyDest,
                 HDC hdcSrc, int xSrc, int ySrc, int cxSrc, int cySrc,
                 int marginLeft, int marginTop, int marginRight, int marginBottom,
                 std::optional<COLORREF> transparentColor = std::nullopt);

// Copies a cx x cy piece, leaving every source pixel of the key colour out so that the
// destination shows through. hPalette 0 makes a halftone palette for the call.
void DrawTransparent(HDC hdcDest, int xDest, int yDest, int cx, int cy,
                     HDC hdcSrc, int xSrc, int ySrc, COLORREF transparentColor,
                     HPALETTE hPalette);

}  // namespace skin
