#pragma once
// Wine's GetGuiResources returns 0, so leaks are counted as lost capacity instead: the
// number of small bitmaps the process can still create before creation fails.
#include <windows.h>

#include <cstddef>
#include <vector>

namespace test {

int MeasureGdiCapacity();

// Memory in use, counted exactly: the bytes of every busy block in every heap of the process
// (the C runtime's included), walked with HeapWalk.
std::size_t HeapBytesInUse();

// Objects leaked by fn, measured as capacity before minus capacity after.
template <typename Fn>
int GdiObjectsLeakedBy(Fn fn) {
  int before = MeasureGdiCapacity();
  fn();
  int after = MeasureGdiCapacity();
  return before - after;
}

// Takes all of the process's free GDI capacity but `spare` objects while it lives, so that
// what the code under test creates meanwhile fails as it would in a process at its limit.
class GdiHog {
 public:
  explicit GdiHog(int spare);
  ~GdiHog();
  GdiHog(const GdiHog&) = delete;
  GdiHog& operator=(const GdiHog&) = delete;

 private:
  std::vector<HBITMAP> held_;
};

}  // namespace test
