// The number type of the data set and the calculation: x86-64 extended precision.
#pragma once

#include <array>

namespace kv9 {

using Real = long double;

// Per-member values: index 0 the shaft (external spline, member 1), index 1 the hub (member 2).
template <class T>
using Pair = std::array<T, 2>;

inline constexpr Real kPi = 3.14159265358979323846264338327950288L;
inline constexpr Real kInch = 25.4L;  // mm per inch, exact

}  // namespace kv9
