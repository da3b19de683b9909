#include "tests/support/gdi_capacity.h"

namespace test {

GdiHog::GdiHog(int spare) {
  held_.reserve(70000);
  while (HBITMAP bitmap = CreateBitmap(1, 1, 1, 1, nullptr)) held_.push_back(bitmap);
  for (; spare > 0 && !held_.empty(); --spare) {
    DeleteObject(held_.back());
    held_.pop_back();
  }
}

GdiHog::~GdiHog() {
  for (HBITMAP bitmap : held_) DeleteObject(bitmap);
}

std::size_t HeapBytesInUse() {
  std::vector<HANDLE> heaps(GetProcessHeaps(0, nullptr) + 16);
  heaps.resize(GetProcessHeaps(static_cast<DWORD>(heaps.size()), heaps.data()));
  std::size_t inUse = 0;
  for (HANDLE heap : heaps) {
    if (!HeapLock(heap)) continue;
    PROCESS_HEAP_ENTRY entry{};
    while (HeapWalk(heap, &entry))
      if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) inUse += entry.cbData;
    HeapUnlock(heap);
  }
  return inUse;
}

}  // namespace test
