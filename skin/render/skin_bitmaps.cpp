#include "skin/render/skin_bitmaps.h"

#include <initializer_list>

#include "skin/core/skin_state.h"
#include "skin/render/memory_dc.h"
#include "skin/render/skin_bitmap_tables.h"

namespace skin {

namespace {

// Writes every pixel of a table into its surface, row by row from the top, each row from
// left to right. Nothing of the new bitmap's unspecified content survives. A null surface
// makes every write a no-op.
template <size_t Height, size_t Width>
void PaintPixels(HDC surface, const COLORREF (&pixels)[Height][Width]) {
  for (size_t y = 0; y < Height; ++y) {
    for (size_t x = 0; x < Width; ++x) {
      SetPixel(surface, static_cast<int>(x), static_cast<int>(y), pixels[y][x]);
    }
  }
}

}  // namespace

void BuildSkinBitmaps() {
  ButtonBitmap = CreateMemoryDC(ButtonBitmapSize.cx, ButtonBitmapSize.cy);
  ComboBitmap = CreateMemoryDC(ComboBitmapSize.cx, ComboBitmapSize.cy);
  CheckBitmap = CreateMemoryDC(CheckBitmapSize.cx, CheckBitmapSize.cy);
  GlyphBitmap = CreateMemoryDC(GlyphBitmapSize.cx, GlyphBitmapSize.cy);
  HeaderBitmap = CreateMemoryDC(HeaderBitmapSize.cx, HeaderBitmapSize.cy);

  PaintPixels(ButtonBitmap, ButtonPixels);
  PaintPixels(ComboBitmap, ComboPixels);
  PaintPixels(CheckBitmap, CheckPixels);
  PaintPixels(GlyphBitmap, GlyphPixels);
  PaintPixels(HeaderBitmap, HeaderPixels);
}

void ReleaseSkinBitmaps() {
  for (HDC* surface : {&ButtonBitmap, &ComboBitmap, &CheckBitmap, &GlyphBitmap, &HeaderBitmap}) {
    DeleteMemoryDC(*surface);
    *surface = nullptr;
  }
}

}  // namespace skin
