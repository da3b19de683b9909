#include "skin/render/skin_bitmaps.h"

#include "skin/render/memory_dc.h"

namespace skin {

void BuildSkinBitmaps() {
  for (const SkinBitmap& bitmap : SkinBitmaps)
    *bitmap.surface = CreateMemoryDC(bitmap.size.cx, bitmap.size.cy);
  // Row by row from the top, each row from left to right. Nothing of a new bitmap's
  // unspecified content survives; a null surface makes every write a no-op.
  for (const SkinBitmap& bitmap : SkinBitmaps) {
    for (int y = 0; y < bitmap.size.cy; ++y) {
      for (int x = 0; x < bitmap.size.cx; ++x) SetPixel(*bitmap.surface, x, y, bitmap.Pixel(x, y));
    }
  }
}

void ReleaseSkinBitmaps() {
  for (const SkinBitmap& bitmap : SkinBitmaps) {
    DeleteMemoryDC(*bitmap.surface);
    *bitmap.surface = nullptr;
  }
}

}  // namespace skin
