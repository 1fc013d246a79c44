// Fixed-point CAD numbers: the double shortcut prints exactly what printf prints for the
// extended value, ties, long numbers and values no double holds included.
#include "cad/cad_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <vector>

namespace kv9 {
namespace {

TEST(CadNumbers, FixedPrintsAsPrintfDoesForEveryKindOfValue) {
  CadNumbers n;
  const Real not_a_double = 1 + std::ldexp(1.0L, -60);
  for (const auto& [x, decimals] : std::vector<std::pair<Real, int>>{{0.125L, 2},
                                                                     {0.375L, 2},
                                                                     {2.5L, 0},
                                                                     {-1.25L, 1},
                                                                     {123.4567890123L, 6},
                                                                     {1e300L, 3},
                                                                     {not_a_double, 20},
                                                                     {-not_a_double * 1e5L, 9},
                                                                     {1.0L / 3, 32}}) {
    std::vector<char> text(400);
    std::snprintf(text.data(), text.size(), "%.*Lf", decimals, x);
    EXPECT_EQ(n.fixed(x, decimals), text.data()) << decimals;
  }
}

}  // namespace
}  // namespace kv9
