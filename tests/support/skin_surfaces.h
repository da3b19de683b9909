#pragma once
// Source surfaces for drawing tests: memory surfaces in the display's format whose pixels
// the test chooses, and pixels that say where they came from.
#include <windows.h>

#include "skin/render/gdi_guard.h"
#include "tests/support/pixels.h"

namespace test {

// A colour that encodes its source position: red = x + 1, green = y + 1, a fixed blue.
// Never the key colour, never black, never white; exact at 24 and 32 bits per pixel.
inline constexpr BYTE PositionBlue = 0x5A;
inline COLORREF PositionColour(int x, int y) {
  return RGB(static_cast<BYTE>(x + 1), static_cast<BYTE>(y + 1), PositionBlue);
}
inline int PositionX(COLORREF colour) { return GetRValue(colour) - 1; }
inline int PositionY(COLORREF colour) { return GetGValue(colour) - 1; }

// Fills every pixel of a w x h surface with its position colour.
inline void PaintPositions(HDC surface, int w, int h) {
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) SetPixel(surface, x, y, PositionColour(x, y));
}

// The whole of a w x h memory surface.
inline Pixels ReadSurface(HDC surface, int w, int h) { return ReadDc(surface, 0, 0, w, h); }

// Pixels of a larger snapshot, from (x, y), w x h.
inline Pixels Crop(const Pixels& pixels, int x, int y, int w, int h) {
  Pixels piece(w, h);
  for (int row = 0; row < h; ++row)
    for (int col = 0; col < w; ++col) piece.at(col, row) = pixels.at(x + col, y + row);
  return piece;
}

// Number of positions where two equally sized snapshots differ.
inline int CountDifferences(const Pixels& a, const Pixels& b) {
  int differences = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (a.at(x, y) != b.at(x, y)) ++differences;
  return differences;
}

}  // namespace test
