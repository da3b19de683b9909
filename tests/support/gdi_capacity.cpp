#include "tests/support/gdi_capacity.h"

#include <windows.h>

#include <vector>

namespace test {

int MeasureGdiCapacity() {
  std::vector<HBITMAP> bitmaps;
  bitmaps.reserve(70000);
  for (;;) {
    HBITMAP bitmap = CreateBitmap(1, 1, 1, 1, nullptr);
    if (!bitmap) break;
    bitmaps.push_back(bitmap);
  }
  for (HBITMAP bitmap : bitmaps) DeleteObject(bitmap);
  return static_cast<int>(bitmaps.size());
}

}  // namespace test
