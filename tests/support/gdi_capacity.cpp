#include "tests/support/gdi_capacity.h"

namespace test {

namespace {

// Creates small bitmaps until the process can make no more.
std::vector<HBITMAP> TakeAll() {
  std::vector<HBITMAP> bitmaps;
  bitmaps.reserve(70000);
  while (HBITMAP bitmap = CreateBitmap(1, 1, 1, 1, nullptr)) bitmaps.push_back(bitmap);
  return bitmaps;
}

}  // namespace

int MeasureGdiCapacity() {
  std::vector<HBITMAP> bitmaps = TakeAll();
  for (HBITMAP bitmap : bitmaps) DeleteObject(bitmap);
  return static_cast<int>(bitmaps.size());
}

GdiHog::GdiHog(int spare) : held_(TakeAll()) {
  for (; spare > 0 && !held_.empty(); --spare) {
    DeleteObject(held_.back());
    held_.pop_back();
  }
}

GdiHog::~GdiHog() {
  for (HBITMAP bitmap : held_) DeleteObject(bitmap);
}

}  // namespace test
