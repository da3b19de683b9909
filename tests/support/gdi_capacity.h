#pragma once
// Wine's GetGuiResources returns 0, so leaks are counted as lost capacity instead: the
// number of small bitmaps the process can still create before creation fails.
namespace test {

int MeasureGdiCapacity();

// Objects leaked by fn, measured as capacity before minus capacity after.
template <typename Fn>
int GdiObjectsLeakedBy(Fn fn) {
  int before = MeasureGdiCapacity();
  fn();
  int after = MeasureGdiCapacity();
  return before - after;
}

}  // namespace test
