// The number type of the data set and the calculation: x86-64 extended precision.
#pragma once

#include <array>
#include <climits>
#include <cmath>

namespace kv9 {

using Real = long double;

// Per-member values: index 0 the shaft (external spline, member 1), index 1 the hub (member 2).
template <class T>
using Pair = std::array<T, 2>;

inline constexpr Real kPi = 3.14159265358979323846264338327950288L;
inline constexpr Real kInch = 25.4L;  // mm per inch, exact

// Whole numbers of reals, clamped to the int range; NaN gives 0.
inline int TruncToInt(Real v) {
  if (!(v == v)) return 0;
  if (v >= static_cast<Real>(INT_MAX)) return INT_MAX;
  if (v <= static_cast<Real>(INT_MIN)) return INT_MIN;
  return static_cast<int>(std::trunc(v));
}

// The nearest int, halves to the even neighbour (the "round" of the standard's tables).
inline int RoundToInt(Real v) {
  return TruncToInt(std::nearbyint(v));
}

}  // namespace kv9
