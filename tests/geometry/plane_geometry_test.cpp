#include "geometry/plane_geometry.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/test_session.h"

namespace kv9 {
namespace {

using test::TestSession;

double D(Real x) {
  return static_cast<double>(x);
}

TEST(PlaneGeometry, SystemsAndIntersections) {
  Real x, y;
  EXPECT_TRUE(Solve2(2, 1, 5, 1, -1, 1, x, y));
  EXPECT_EQ(x, 2);
  EXPECT_EQ(y, 1);
  EXPECT_FALSE(Solve2(1, 2, 3, 2, 4, 5, x, y));
  EXPECT_EQ(x, 0);
  EXPECT_EQ(y, 0);
  Point p = IntersectLines({0, 0}, {2, 2}, {0, 2}, {2, 0});
  EXPECT_EQ(p.x, 1);
  EXPECT_EQ(p.y, 1);
  Point parallel = IntersectLines({0, 0}, {1, 0}, {0, 1}, {1, 1});
  EXPECT_EQ(parallel.x, 0);
  Point q = IntersectLinesAngle({0, 1}, 0, {3, 0}, kPi / 2);
  EXPECT_NEAR(D(q.x), 3, 1e-15);
  EXPECT_NEAR(D(q.y), 1, 1e-15);
}

TEST(PlaneGeometry, RotationsAnglesAndTheCosineLaw) {
  Point r = RotatePoint({2, 1}, {1, 1}, kPi / 2);
  EXPECT_NEAR(D(r.x), 1, 1e-15);
  EXPECT_NEAR(D(r.y), 2, 1e-15);
  Point pp = PolarPoint({1, 1}, 2, 1, 90);
  EXPECT_NEAR(D(pp.x), 0, 1e-15);
  EXPECT_NEAR(D(pp.y), 3, 1e-15);
  EXPECT_NEAR(D(CosineLawAngle(5, 3, 4)), D(kPi / 2), 1e-15);
  EXPECT_EQ(CosineLawAngle(1, 0, 1), 0);
  EXPECT_EQ(CosineLawAngle(10, 1, 1), kPi);  // a triangle that does not close: no NaN
  EXPECT_NEAR(D(ReverseAngle(1.5L * kPi)), D(kPi / 2), 1e-15);
  EXPECT_EQ(ReverseAngle(kPi / 2), 1.5L * kPi);
  EXPECT_EQ(ArcTan2(-1, 0), -kPi / 2);
  EXPECT_NEAR(D(ArcTan2(-1, -1)), D(1.25L * kPi), 1e-15);
}

TEST(GetArcCenter, CentreRadiusAndAnglesForBothDirections) {
  TestSession t;
  auto ccw = GetArcCenter(t.s.messages, PointStyle(t.s.cfg), {1, 0}, {-1, 0}, kPi / 2);
  ASSERT_TRUE(ccw);
  EXPECT_NEAR(D(ccw->centre.x), 0, 1e-15);
  EXPECT_NEAR(D(ccw->centre.y), -1, 1e-15);
  EXPECT_NEAR(D(ccw->radius), std::sqrt(2.0), 1e-15);
  EXPECT_NEAR(D(ccw->start_angle), D(kPi / 4), 1e-15);
  EXPECT_NEAR(D(ccw->end_angle), D(0.75L * kPi), 1e-15);
  auto cw = GetArcCenter(t.s.messages, PointStyle(t.s.cfg), {1, 0}, {-1, 0}, -kPi / 2);
  ASSERT_TRUE(cw);
  EXPECT_NEAR(D(cw->centre.y), 1, 1e-15);
  EXPECT_NEAR(D(cw->start_angle), D(1.25L * kPi), 1e-15);  // swapped: still counter-clockwise
  EXPECT_NEAR(D(cw->end_angle), D(-kPi / 4), 1e-15);
  auto half = GetArcCenter(t.s.messages, PointStyle(t.s.cfg), {0, 0}, {10, 0}, kPi);
  ASSERT_TRUE(half);
  EXPECT_NEAR(D(half->centre.x), 5, 1e-15);
  EXPECT_NEAR(D(half->centre.y), 0, 1e-15);
  EXPECT_TRUE(t.s.messages.entries.empty());
}

TEST(GetArcCenter, AngleWithoutHalfSineAndZeroChordAreReported) {
  TestSession t;
  EXPECT_FALSE(GetArcCenter(t.s.messages, PointStyle(t.s.cfg), {0, 0}, {1, 0}, 0));
  EXPECT_FALSE(GetArcCenter(t.s.messages, PointStyle(t.s.cfg), {0, 0}, {1, 0}, 2 * kPi));
  ASSERT_EQ(t.s.messages.entries.size(), 2u);
  EXPECT_EQ(t.s.messages.entries[0], "Fehler in GetArcCenter (dphi = 0 ! ");
  EXPECT_EQ(t.s.messages.entries[1], "Fehler in GetArcCenter (dphi = 6.283");  // cut to 36
  auto point = GetArcCenter(t.s.messages, PointStyle(t.s.cfg), {2, 3}, {2, 3}, 1);
  ASSERT_TRUE(point);
  EXPECT_EQ(point->centre.x, 2);
  EXPECT_EQ(point->radius, 0);
  EXPECT_EQ(t.s.messages.entries.back(), "GetArcCenter l12=0");
}

TEST(CornerFillet, TouchPointsCentreAndASweepThatIsNeverNegative) {
  Fillet left = CornerFillet(2, {0, 0}, 0, kPi / 2);  // along +x, then turning up
  EXPECT_NEAR(D(left.centre.x), -2, 1e-15);
  EXPECT_NEAR(D(left.centre.y), 2, 1e-15);
  EXPECT_NEAR(D(left.touch1.x), -2, 1e-15);
  EXPECT_NEAR(D(left.touch1.y), 0, 1e-15);
  EXPECT_NEAR(D(left.touch2.x), 0, 1e-15);
  EXPECT_NEAR(D(left.touch2.y), 2, 1e-15);
  EXPECT_NEAR(D(left.sweep), D(kPi / 2), 1e-15);
  for (Real a2 = -3; a2 <= 3; a2 += 0.25L) {
    Fillet f = CornerFillet(1, {5, 5}, 0.3L, a2);
    EXPECT_GE(f.sweep, 0) << a2;
    EXPECT_LT(f.sweep, 2 * kPi) << a2;
  }
  Fillet right = CornerFillet(1, {0, 0}, 0, -kPi / 2);
  EXPECT_NEAR(D(right.sweep), D(1.5L * kPi), 1e-15);  // counter-clockwise from touch1
  Fillet none = CornerFillet(1, {3, 3}, 0.5L, 0.5L);
  EXPECT_EQ(none.centre.x, 0);
  EXPECT_EQ(none.sweep, 0);
}

TEST(SortIntersections, OrdersByValueAndRefusesMoreThanTen) {
  TestSession t;
  std::vector<Real> v = {5, -1, 3, 3, 0, 9, 2};
  std::vector<int> order = SortIntersections(t.s.messages, t.s.abort_flag, v);
  std::vector<Real> sorted;
  for (int i : order) sorted.push_back(v[i]);
  EXPECT_EQ(sorted, (std::vector<Real>{-1, 0, 2, 3, 3, 5, 9}));
  EXPECT_EQ(SortIntersections(t.s.messages, t.s.abort_flag, std::vector<Real>(10, 1)).size(), 10u);
  EXPECT_FALSE(t.s.abort_flag);
  EXPECT_TRUE(SortIntersections(t.s.messages, t.s.abort_flag, std::vector<Real>(11, 1)).empty());
  EXPECT_TRUE(t.s.abort_flag);
  EXPECT_EQ(t.s.messages.entries.back(), "Fatal  : QSORT2 error");
}

}  // namespace
}  // namespace kv9
