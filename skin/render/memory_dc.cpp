#include "skin/render/memory_dc.h"

#include "skin/render/gdi_guard.h"

namespace skin {

HDC CreateMemoryDC(int width, int height) {
  // No bitmap has an empty or negative extent. CreateCompatibleBitmap would not say so:
  // it hands out a 1 x 1 monochrome stock bitmap for a zero extent, and Wine makes one of
  // the absolute size for a negative extent.
  if (width <= 0 || height <= 0) return nullptr;
  ScreenDc display;
  if (!display) return nullptr;
  HDC surface = CreateCompatibleDC(display);
  if (!surface) return nullptr;
  // Compatible with the display, not with the new memory context, whose initial bitmap
  // is a 1 x 1 monochrome placeholder.
  HBITMAP bitmap = CreateCompatibleBitmap(display, width, height);
  if (!bitmap) {
    DeleteDC(surface);
    return nullptr;
  }
  // The placeholder is a stock object: deleting it is a harmless no-op, done for symmetry
  // with the face buffers, which release whatever their selection replaced.
  DeleteObject(SelectObject(surface, bitmap));
  // From here on the surface owns the bitmap: DeleteMemoryDC finds it as the current bitmap.
  return surface;
}

void DeleteMemoryDC(HDC surface) {
  if (!surface) return;
  HGDIOBJ bitmap = GetCurrentObject(surface, OBJ_BITMAP);
  DeleteDC(surface);
  if (bitmap) DeleteObject(bitmap);
}

}  // namespace skin
