// Fixed-point CAD numbers: the double shortcut must print exactly what the extended conversion
// prints, ties, long numbers and values a double cannot hold included.
#include "cad/cad_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <vector>

namespace kv9 {
namespace {

std::string Printf(Real x, int decimals) {
  std::vector<char> text(6000);
  std::snprintf(text.data(), text.size(), "%.*Lf", decimals, x);
  return text.data();
}

TEST(CadNumbers, FixedPrintsAsPrintfDoesForEveryKindOfValue) {
  CadNumbers n;
  const Real not_a_double = 1 + std::ldexp(1.0L, -60);
  for (const auto& [x, decimals] : std::vector<std::pair<Real, int>>{
           {0.125L, 2}, {0.375L, 2}, {2.5L, 0}, {-1.25L, 1}, {123.4567890123L, 6},
           {1e300L, 3}, {not_a_double, 20}, {-not_a_double * 1e5L, 9}, {1.0L / 3, 32}})
    EXPECT_EQ(n.fixed(x, decimals), Printf(x, decimals)) << decimals;
  EXPECT_EQ(n.fixed(-0.0004L, 3), "0.000");
}

}  // namespace
}  // namespace kv9
