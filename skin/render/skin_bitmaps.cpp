#include "skin/render/skin_bitmaps.h"

#include <initializer_list>

#include "skin/core/skin_state.h"
#include "skin/render/memory_dc.h"

namespace skin {

void BuildSkinBitmaps() {
  ButtonBitmap = CreateMemoryDC(ButtonBitmapSize.cx, ButtonBitmapSize.cy);
  ComboBitmap = CreateMemoryDC(ComboBitmapSize.cx, ComboBitmapSize.cy);
  CheckBitmap = CreateMemoryDC(CheckBitmapSize.cx, CheckBitmapSize.cy);
  GlyphBitmap = CreateMemoryDC(GlyphBitmapSize.cx, GlyphBitmapSize.cy);
  HeaderBitmap = CreateMemoryDC(HeaderBitmapSize.cx, HeaderBitmapSize.cy);
}

void ReleaseSkinBitmaps() {
  for (HDC* surface : {&ButtonBitmap, &ComboBitmap, &CheckBitmap, &GlyphBitmap, &HeaderBitmap}) {
    DeleteMemoryDC(*surface);
    *surface = nullptr;
  }
}

}  // namespace skin
