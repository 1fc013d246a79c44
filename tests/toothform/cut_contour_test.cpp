// The cut contour chain: copies turned tooth by tooth, joined on shared points, closed, and
// free of zero-length segments.
#include "toothform/cut_contour.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kv9 {
namespace {

OutlineVertex Polar(Real r, Real angle, Real arc = 0) {
  return {r * std::cos(angle), r * std::sin(angle), arc};
}

// A tooth about the +y axis (z > 0) or the -y axis (z < 0) from gap middle to gap middle.
std::vector<OutlineVertex> Tooth(int z) {
  const Real h = kPi / z, axis = z > 0 ? kPi / 2 : -kPi / 2;
  return {Polar(1, axis - h, 0.05L), Polar(1.3L, axis - h / 3, 0.2L), Polar(1.3L, axis + h / 3),
          Polar(1, axis + h)};
}

TEST(CutContour, CopiesAreTurnedByOnePitchAndShareTheirJoints) {
  for (int z : {7, -7}) {
    const auto tooth = Tooth(z);
    const auto chain = CutContour(tooth, z, 1e-9L);
    ASSERT_EQ(chain.size(), 7u * 3) << z;
    for (int k = 0; k < 7; ++k) {
      const Real c = std::cos(2 * kPi * k / z), s = std::sin(2 * kPi * k / z);
      // i = 3, the end of copy k, is where copy k + 1 (or, for the last, the chain) starts.
      for (size_t i = 0; i < tooth.size(); ++i) {
        const OutlineVertex& got = chain[(k * 3 + i) % chain.size()];
        EXPECT_NEAR(got.x, c * tooth[i].x - s * tooth[i].y, 1e-15L) << z << " " << k << " " << i;
        EXPECT_NEAR(got.y, s * tooth[i].x + c * tooth[i].y, 1e-15L) << z << " " << k << " " << i;
        if (i < 3) EXPECT_EQ(got.angle, tooth[i].angle);
      }
    }
  }
}

TEST(CutContour, PointsWithinTheToleranceBecomeOneKeepingTheArcThatGoesOn) {
  auto tooth = Tooth(5);
  // A fillet of no size: its two touching points fall together, the second starts the arc;
  // and the tooth's own end lies a hair beside the next copy's start.
  tooth.insert(tooth.begin() + 2, {tooth[1].x + 4e-7L, tooth[1].y - 4e-7L, -0.3L});
  tooth.back().x += 5e-7L;
  const auto chain = CutContour(tooth, 5, 1e-6L);
  ASSERT_EQ(chain.size(), 5u * 3);
  for (size_t i = 0; i < chain.size(); i += 3) EXPECT_EQ(chain[i + 1].angle, -0.3L) << i;
  tooth[2].x = tooth[1].x + 2e-6L;  // apart by more than the tolerance in one coordinate
  EXPECT_EQ(CutContour(tooth, 5, 1e-6L).size(), 5u * 4);
  // A last copy that ends on the first vertex leaves no closing segment of zero length.
  EXPECT_EQ(CutContour({Polar(1, 0), Polar(1, 1e-8L), Polar(1, kPi)}, 1, 1e-6L).size(), 1u);
  EXPECT_TRUE(CutContour(tooth, 0, 1e-6L).empty());
}

}  // namespace
}  // namespace kv9
