#pragma once
// Centring in the skin divides by 2 in floating point and rounds to the nearest integer,
// ties to the even one: 5.5 -> 6, 6.5 -> 6, 7.5 -> 8.
#include <cmath>

namespace skin {

inline int RoundHalfEven(double value) {
  double floor = std::floor(value);
  double fraction = value - floor;
  if (fraction > 0.5) return static_cast<int>(floor) + 1;
  if (fraction < 0.5) return static_cast<int>(floor);
  long long whole = static_cast<long long>(floor);
  return static_cast<int>(whole % 2 == 0 ? whole : whole + 1);
}

// Half of a value, rounded as above: the offset that centres a piece in a larger space.
inline int HalfRounded(double value) { return RoundHalfEven(value / 2.0); }

}  // namespace skin
