#pragma once
// Leaks counted as lost capacity (Wine's GetGuiResources returns 0): bitmaps still creatable.
#include <windows.h>

#include <vector>

namespace test {

// Takes all of the process's free GDI capacity but `spare` objects while it lives, so that
// what the code under test creates meanwhile fails as it would in a process at its limit.
class GdiHog {
 public:
  explicit GdiHog(int spare);
  ~GdiHog();
  GdiHog(const GdiHog&) = delete;
  GdiHog& operator=(const GdiHog&) = delete;
  int held() const { return static_cast<int>(held_.size()); }

 private:
  std::vector<HBITMAP> held_;
};

inline int MeasureGdiCapacity() { return GdiHog(0).held(); }

// Objects leaked by fn: capacity before minus capacity after.
template <typename Fn>
int GdiObjectsLeakedBy(Fn fn) {
  const int before = MeasureGdiCapacity();
  fn();
  return before - MeasureGdiCapacity();
}

// The bytes of every busy block in every heap of the process (the C runtime's included).
std::size_t HeapBytesInUse();

}  // namespace test
