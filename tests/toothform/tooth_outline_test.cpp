// The tooth outlines of shaft and hub as the recording writer sees them: flanks on the involute,
// tip arc on the tip circle, root arcs touching the root circle, the hub's internal form, the
// base-circle case with and without the trochoid, and the number of involute points.
#include <gtest/gtest.h>

#include <cmath>

#include "app/session.h"
#include "geometry/plane_geometry.h"
#include "support/toothform_support.h"
#include "toothform/tooth_outline.h"

namespace kv9::test {
namespace {

constexpr Real kAngleTolerance = 1e-9L;

// A shaft whose fillet ends inside the base circle: a deeper tool cuts its root below it.
WheelGeometry ShaftReachingBaseCircle(const WheelGeometry& shaft) {
  WheelGeometry w = shaft;
  const Real fillet_end = w.df + 2 * w.rhoaP0 * (1 - std::sin(w.alpha_n));
  const Real deeper = (fillet_end - w.db) / 2 + 0.1L;
  w.haP0 += deeper;
  w.df -= 2 * deeper;
  return w;
}

TEST(ToothOutline, ShaftFlankVerticesLieOnTheInvoluteOfEveryExample) {
  for (const std::string& example : ExampleNames()) {
    SCOPED_TRACE(example);
    ToothFormSession t(example);
    ASSERT_TRUE(t.loaded);
    const WheelGeometry w = MakeToothFormGeometry(t.s.toothFormContext()).shaft();
    const auto lines = Polylines(t.record([&] { DrawToothOutline(t.s.toothFormContext(), w); }));
    ASSERT_EQ(lines.size(), 1u);
    const auto& v = lines[0];
    const int n = InvolutePointCount(t.s.toothFormContext());
    // gap middle, root touch and fillet end on each side, n flank points each
    ASSERT_EQ(v.size(), static_cast<size_t>(2 * n + 4));
    const Real start = FilletEndDiameter(w) / 2;
    int flank_points = 0;
    Real last_radius = 0;
    for (int i = 2; i < 2 + n; ++i) {
      const Real r = Radius(v[i]);
      EXPECT_GT(r, last_radius);  // climbing the flank
      last_radius = r;
      const Real angle = AngleFromCentreLine(v[i].x, v[i].y, false);
      EXPECT_NEAR(angle, InvoluteHalfAngle(w, r), kAngleTolerance) << "vertex " << i;
      EXPECT_NEAR(angle, InvolutePoint(t.s.toothFormContext(), w, 2 * r).psi, kAngleTolerance)
          << "vertex " << i;
      // the left flank is the mirror image, run downwards
      const Vertex& m = v[v.size() - 1 - i];
      EXPECT_NEAR(m.x, -v[i].x, 1e-12L);
      EXPECT_NEAR(m.y, v[i].y, 1e-12L);
      ++flank_points;
    }
    EXPECT_EQ(flank_points, n);
    EXPECT_NEAR(Radius(v[2]), start, 1e-12L);
    EXPECT_NEAR(last_radius, w.da / 2, 1e-12L);
  }
}

TEST(ToothOutline, ShaftTipArcEndsOnTheTipCircle) {
  ToothFormSession t;
  const WheelGeometry w = MakeToothFormGeometry(t.s.toothFormContext()).shaft();
  const auto v = Polylines(t.record([&] { DrawToothOutline(t.s.toothFormContext(), w); }))[0];
  const size_t tip = v.size() / 2 - 1;
  const Vertex &a = v[tip], &b = v[tip + 1];
  EXPECT_NEAR(Radius(a), w.da / 2, 1e-12L);
  EXPECT_NEAR(Radius(b), w.da / 2, 1e-12L);
  EXPECT_GT(a.angle, 0);  // counter-clockwise from the right flank to the left one
  EXPECT_NEAR(a.angle, 2 * InvoluteHalfAngle(w, w.da / 2), kAngleTolerance);
  const auto [cx, cy] = ArcCentre(a, b, a.angle);
  EXPECT_NEAR(cx, 0, 1e-9L);
  EXPECT_NEAR(cy, 0, 1e-9L);
  EXPECT_NEAR(ArcRadius(a, b, a.angle), w.da / 2, 1e-9L);
}

TEST(ToothOutline, ShaftRootArcRunsOnTheRootCircleAndTheRoundingTouchesIt) {
  ToothFormSession t;
  const WheelGeometry w = MakeToothFormGeometry(t.s.toothFormContext()).shaft();
  ASSERT_FALSE(InvoluteReachesBaseCircle(w));
  const auto v = Polylines(t.record([&] { DrawToothOutline(t.s.toothFormContext(), w); }))[0];
  const Real rf = w.df / 2, h = kPi / w.z;
  // It begins and ends on the gap middles.
  EXPECT_NEAR(Radius(v.front()), rf, 1e-12L);
  EXPECT_NEAR(AngleFromCentreLine(v.front().x, v.front().y, false), h, 1e-12L);
  EXPECT_NEAR(AngleFromCentreLine(v.back().x, v.back().y, false), -h, 1e-12L);

  // Gap middle to the touching point: an arc of the root circle itself.
  const Vertex &g = v[0], &touch = v[1], &fillet_end = v[2];
  EXPECT_GT(g.angle, 0);
  EXPECT_NEAR(Radius(touch), rf, 1e-12L);
  auto [gx, gy] = ArcCentre(g, touch, g.angle);
  EXPECT_NEAR(gx, 0, 1e-9L);
  EXPECT_NEAR(gy, 0, 1e-9L);
  // The rounding of radius rhoaP0 from there to the flank, centred rhoaP0 outside the root
  // circle on the same ray: it touches the root circle at that point.
  EXPECT_LT(touch.angle, 0);
  EXPECT_NEAR(ArcRadius(touch, fillet_end, touch.angle), w.rhoaP0, 1e-9L);
  auto [cx, cy] = ArcCentre(touch, fillet_end, touch.angle);
  EXPECT_NEAR(std::hypot(cx, cy), rf + w.rhoaP0, 1e-9L);
  EXPECT_NEAR(std::atan2(cx, cy), std::atan2(touch.x, touch.y), 1e-9L);

  // The left root is the mirror image with the same included angles.
  const size_t last = v.size() - 1;
  EXPECT_EQ(v[last - 2].angle, touch.angle);
  EXPECT_EQ(v[last - 1].angle, g.angle);
  EXPECT_EQ(v[last].angle, 0);
}

TEST(ToothOutline, HubLiesBelowTheCentreWithTheInternalForm) {
  for (const std::string& example : ExampleNames()) {
    SCOPED_TRACE(example);
    ToothFormSession t(example);
    const WheelGeometry w = MakeToothFormGeometry(t.s.toothFormContext()).hub();
    ASSERT_LT(w.z, 0);
    const auto lines = Polylines(t.record([&] { DrawToothOutline(t.s.toothFormContext(), w); }));
    ASSERT_EQ(lines.size(), 1u);
    const auto& v = lines[0];
    const int n = InvolutePointCount(t.s.toothFormContext());
    ASSERT_EQ(v.size(), static_cast<size_t>(2 * n + 4));
    for (const Vertex& p : v) EXPECT_LT(p.y, 0);

    // From the root (outside) inwards to the tip: the tooth narrows towards the centre.
    Real last_radius = std::fabs(w.df) / 2, last_angle = 1e9;
    for (int i = 3; i < 2 + n; ++i) {
      const Real r = Radius(v[i]);
      const Real angle = AngleFromCentreLine(v[i].x, v[i].y, true);
      EXPECT_LT(r, last_radius);
      EXPECT_LT(angle, last_angle);
      last_radius = r;
      last_angle = angle;
      EXPECT_NEAR(angle, InvoluteHalfAngle(w, r), kAngleTolerance) << "vertex " << i;
      EXPECT_NEAR(-InvolutePoint(t.s.toothFormContext(), w, -2 * r).psi, angle, kAngleTolerance);
    }
    EXPECT_NEAR(last_radius, std::fabs(w.da) / 2, 1e-12L);
    // The tip arc runs clockwise about the centre, below it.
    const Vertex& tip = v[n + 1];
    EXPECT_LT(tip.angle, 0);
    auto [cx, cy] = ArcCentre(tip, v[n + 2], tip.angle);
    EXPECT_NEAR(cx, 0, 1e-9L);
    EXPECT_NEAR(cy, 0, 1e-9L);
  }
}

TEST(ToothOutline, HubRootIsACornerFilletBetweenTheRootChordAndTheFlankTangent) {
  ToothFormSession t;
  const WheelGeometry w = MakeToothFormGeometry(t.s.toothFormContext()).hub();
  const auto v = Polylines(t.record([&] { DrawToothOutline(t.s.toothFormContext(), w); }))[0];
  const Vertex &g = v[0], &b = v[1], &a = v[2];
  const Real rf = std::fabs(w.df) / 2;
  EXPECT_NEAR(Radius(g), rf, 1e-12L);
  EXPECT_NEAR(AngleFromCentreLine(g.x, g.y, true), kPi / std::abs(w.z), 1e-12L);
  // The flank foot on the root circle, and the involute tangent there.
  const Real foot_angle = InvoluteHalfAngle(w, rf);
  const Point p1{rf * std::sin(foot_angle), -rf * std::cos(foot_angle)};
  const Real inner = 0.99999L * rf;
  const Real inner_angle = InvoluteHalfAngle(w, inner);
  const Point p2{inner * std::sin(inner_angle), -inner * std::cos(inner_angle)};
  auto cross = [](Point o, Point d, const Vertex& q) {
    const Real len = std::hypot(d.x - o.x, d.y - o.y);
    return ((d.x - o.x) * (q.y - o.y) - (d.y - o.y) * (q.x - o.x)) / len;
  };
  // B lies on the chord between the gap middle and the foot; A on the tangent above the foot.
  EXPECT_NEAR(cross(p1, {g.x, g.y}, b), 0, 1e-9L);
  EXPECT_GT(b.x, p1.x);
  EXPECT_LT(b.x, g.x);
  EXPECT_NEAR(cross(p1, p2, a), 0, 1e-9L);
  EXPECT_LT(Radius(a), rf);
  // The fillet turns clockwise from the chord to the flank with the tool tip radius, touching
  // both lines.
  EXPECT_LT(b.angle, 0);
  EXPECT_NEAR(ArcRadius(b, a, b.angle), w.rhoaP0, 1e-9L);
  auto [cx, cy] = ArcCentre(b, a, b.angle);
  const Vertex c{cx, cy, 0};
  EXPECT_NEAR(std::fabs(cross(p1, {g.x, g.y}, c)), w.rhoaP0, 1e-9L);
  EXPECT_NEAR(std::fabs(cross(p1, p2, c)), w.rhoaP0, 1e-9L);
}

TEST(ToothOutline, FilletEndAtOrBelowTheBaseCircle) {
  WheelGeometry w;
  w.z = 6;
  w.db = 10;
  w.alpha_n = 30 * kPi / 180;
  // rho 0 and the root on the base circle: the fillet ends exactly on it
  w.df = 10;
  EXPECT_TRUE(InvoluteReachesBaseCircle(w));
  EXPECT_EQ(FilletEndDiameter(w), 10);
  w.rhoaP0 = 0.5L;  // 2 rho (1 - sin alpha) = 0.5
  w.df = 9.4L;
  EXPECT_TRUE(InvoluteReachesBaseCircle(w));
  EXPECT_EQ(FilletEndDiameter(w), 10);
  w.df = 9.6L;
  EXPECT_FALSE(InvoluteReachesBaseCircle(w));
  EXPECT_NEAR(FilletEndDiameter(w), 10.1L, 1e-15L);
  // the hub never reaches it and keeps its own fillet end
  w.z = -6;
  w.db = -10;
  w.df = -11;
  EXPECT_FALSE(InvoluteReachesBaseCircle(w));
  EXPECT_NEAR(FilletEndDiameter(w), -10.5L, 1e-15L);
}

TEST(ToothOutline, ShaftReachingTheBaseCircleWithoutTrochoidDrawsNoRoot) {
  ToothFormSession t;
  const WheelGeometry w =
      ShaftReachingBaseCircle(MakeToothFormGeometry(t.s.toothFormContext()).shaft());
  ASSERT_TRUE(InvoluteReachesBaseCircle(w));
  const auto lines = Polylines(t.record([&] { DrawToothOutline(t.s.toothFormContext(), w); }));
  ASSERT_EQ(lines.size(), 1u);
  const auto& v = lines[0];
  ASSERT_EQ(v.size(), static_cast<size_t>(2 * InvolutePointCount(t.s.toothFormContext())));
  EXPECT_NEAR(Radius(v.front()), w.db / 2, 1e-12L);
  EXPECT_NEAR(Radius(v.back()), w.db / 2, 1e-12L);
  for (const Vertex& p : v) EXPECT_GE(Radius(p), w.db / 2 - 1e-12L);
  for (size_t i = 0; i + 1 < v.size() / 2; ++i)
    EXPECT_NEAR(AngleFromCentreLine(v[i].x, v[i].y, false), InvoluteHalfAngle(w, Radius(v[i])),
                kAngleTolerance);
}

TEST(ToothOutline, ShaftReachingTheBaseCircleGetsTheRootWhenAskedToClose) {
  ToothFormSession t;
  const WheelGeometry w =
      ShaftReachingBaseCircle(MakeToothFormGeometry(t.s.toothFormContext()).shaft());
  const int n = InvolutePointCount(t.s.toothFormContext());
  const auto v = ToothOutlineVertices(t.s.toothFormContext(), w, n, true);
  // Gap middle and touching point on the root circle, then the involute from the base circle.
  ASSERT_EQ(v.size(), static_cast<size_t>(2 * n + 4));
  for (size_t i : {size_t{0}, size_t{1}, v.size() - 2, v.size() - 1})
    EXPECT_NEAR(std::hypot(v[i].x, v[i].y), w.df / 2, 1e-9L) << i;
  EXPECT_NEAR(std::atan2(v[0].x, v[0].y), kPi / w.z, 1e-12L);
  EXPECT_NEAR(std::hypot(v[2].x, v[2].y), w.db / 2, 1e-9L);
}

TEST(ToothOutline, ShaftReachingTheBaseCircleWithTrochoidClosesTheRoot) {
  ToothFormSession t;
  t.s.toothform.trochoid = true;
  t.s.toothform.diameters_shown = 2;
  const WheelGeometry w =
      ShaftReachingBaseCircle(MakeToothFormGeometry(t.s.toothFormContext()).shaft());
  const RecordingCadWriter rec = t.record([&] { DrawToothOutline(t.s.toothFormContext(), w); });
  const auto lines = Polylines(rec);
  ASSERT_EQ(lines.size(), 3u);
  const auto &side1 = lines[1], &side2 = lines[2];
  ASSERT_GE(side1.size(), 3u);
  // Side 1 starts with the root chord from the neighbouring tooth's root point.
  const Real rf = w.df / 2;
  EXPECT_NEAR(Radius(side1[0]), rf, 1e-9L);
  EXPECT_NEAR(Radius(side1[1]), rf, 1e-9L);
  const Point neighbour = RotatePoint({-side1[1].x, side1[1].y}, {0, 0}, 2 * kPi / w.z);
  EXPECT_NEAR(side1[0].x, neighbour.x, 1e-12L);
  EXPECT_NEAR(side1[0].y, neighbour.y, 1e-12L);
  EXPECT_LT(side1[1].x, 0);  // the left fillet
  // Side 2 is its mirror image without the chord.
  ASSERT_EQ(side2.size() + 1, side1.size());
  for (size_t i = 0; i < side2.size(); ++i) {
    EXPECT_NEAR(side2[i].x, -side1[i + 1].x, 1e-12L);
    EXPECT_NEAR(side2[i].y, side1[i + 1].y, 1e-12L);
  }
  // The fillet climbs from the root to the base circle, where the involute starts.
  EXPECT_GE(Radius(side1.back()), w.db / 2);
  EXPECT_LT(Radius(side1[side1.size() - 2]), w.db / 2);
  for (size_t i = 2; i < side1.size(); ++i) EXPECT_GT(Radius(side1[i]), Radius(side1[i - 1]));
  // With the diameters shown the tooth centre line comes first, on layer 1.
  const auto centre = rec.of("line");
  ASSERT_EQ(centre.size(), 1u);
  const Real ht = (w.da - w.df) / 2;
  EXPECT_EQ(centre[0].v[0], 0);
  EXPECT_NEAR(centre[0].v[1], w.da / 2 + 0.2L * ht, 1e-12L);
  EXPECT_NEAR(centre[0].v[3], w.df / 2 - 0.2L * ht, 1e-12L);
}

TEST(ToothOutline, TrochoidKeepsOnlyPointsInsideTheUsableRootCircle) {
  ToothFormSession t;
  WheelGeometry w = ShaftReachingBaseCircle(MakeToothFormGeometry(t.s.toothFormContext()).shaft());
  const auto all = TrochoidVertices(t.s.toothFormContext(), w, 2);
  w.dNf = (w.df + w.db) / 2;  // half way up the fillet
  const auto kept = TrochoidVertices(t.s.toothFormContext(), w, 2);
  EXPECT_LT(kept.size(), all.size());
  EXPECT_GT(kept.size(), 1u);
  // the loop still ran to the base circle: the kept points are the first ones
  for (size_t i = 0; i < kept.size(); ++i) {
    EXPECT_EQ(kept[i].x, all[i].x);
    EXPECT_EQ(kept[i].y, all[i].y);
  }
  // fewer rolling steps give fewer points; a stored 0 counts as 30
  t.s.toothform.trochoid_steps = 0;
  const auto default_steps = TrochoidVertices(t.s.toothFormContext(), w, 2);
  t.s.toothform.trochoid_steps = 30;
  EXPECT_EQ(TrochoidVertices(t.s.toothFormContext(), w, 2).size(), default_steps.size());
  t.s.toothform.trochoid_steps = 10;
  EXPECT_LT(TrochoidVertices(t.s.toothFormContext(), w, 2).size(), default_steps.size());
}

TEST(ToothOutline, HubAndFilletAboveBaseNeverGetTheTrochoid) {
  ToothFormSession t;
  t.s.toothform.trochoid = true;
  const ToothFormGeometry g = MakeToothFormGeometry(t.s.toothFormContext());
  for (const WheelGeometry& w : g.wheel) {
    ASSERT_FALSE(InvoluteReachesBaseCircle(w));
    EXPECT_EQ(Polylines(t.record([&] { DrawToothOutline(t.s.toothFormContext(), w); })).size(), 1u);
  }
}

TEST(ToothOutline, InvolutePointCounts) {
  ToothFormSession t;
  const ToothFormGeometry g = MakeToothFormGeometry(t.s.toothFormContext());
  const WheelGeometry reaching = ShaftReachingBaseCircle(g.shaft());
  auto vertices = [&](const WheelGeometry& w, int n) {
    t.s.ds.involute_points = n;
    return Polylines(t.record([&] { DrawToothOutline(t.s.toothFormContext(), w); }))[0];
  };
  // n = 2: each flank is its two ends
  EXPECT_EQ(vertices(g.shaft(), 2).size(), 8u);
  EXPECT_EQ(vertices(g.hub(), 2).size(), 8u);
  const auto two = vertices(reaching, 2);
  ASSERT_EQ(two.size(), 4u);
  EXPECT_NEAR(Radius(two[0]), reaching.db / 2, 1e-12L);
  EXPECT_NEAR(Radius(two[1]), reaching.da / 2, 1e-12L);
  // a stored 0 behaves as 20, vertex for vertex
  for (const WheelGeometry& w : {g.shaft(), g.hub(), reaching}) {
    const auto zero = vertices(w, 0), twenty = vertices(w, 20);
    ASSERT_EQ(zero.size(), twenty.size());
    EXPECT_EQ(zero.size(), InvoluteReachesBaseCircle(w) ? 40u : 44u);
    for (size_t i = 0; i < zero.size(); ++i) {
      EXPECT_EQ(zero[i].x, twenty[i].x);
      EXPECT_EQ(zero[i].angle, twenty[i].angle);
    }
  }
  // one point (or a negative count) cannot span a flank: it is drawn with two
  EXPECT_EQ(vertices(g.shaft(), 1).size(), 8u);
  EXPECT_EQ(vertices(g.shaft(), -5).size(), 8u);
  EXPECT_EQ(vertices(g.shaft(), 200).size(), 404u);
}

TEST(ToothOutline, NothingWhileAborted) {
  ToothFormSession t;
  t.s.toothform.trochoid = true;
  const ToothFormGeometry g = MakeToothFormGeometry(t.s.toothFormContext());
  const RecordingCadWriter rec = t.record([&] {
    t.s.abort_flag = true;
    DrawToothOutline(t.s.toothFormContext(), g.shaft());
    DrawRootTrochoid(t.s.toothFormContext(), ShaftReachingBaseCircle(g.shaft()), 1);
  });
  EXPECT_EQ(rec.count("vertex"), 0);
  EXPECT_EQ(rec.count("layer"), 0);
}

TEST(InvolutePoint, ZeroDiameterIsReportedAndGivesTheCentre) {
  ToothFormSession t;
  const WheelGeometry w = MakeToothFormGeometry(t.s.toothFormContext()).shaft();
  MessageClear(t.s.messages, t.s.fatal_flag);
  const InvolutePointResult p = InvolutePoint(t.s.toothFormContext(), w, 0);
  EXPECT_EQ(p.x, 0);
  EXPECT_EQ(p.y, 0);
  EXPECT_EQ(p.psi, 0);
  ASSERT_EQ(MessageCount(t.s.messages), 1);
  EXPECT_EQ(MessageText(t.s.messages, 1), "Fatal  : d = 0 !");
  // inside the base circle the angle stays that of the base circle
  const InvolutePointResult base = InvolutePoint(t.s.toothFormContext(), w, w.db);
  const InvolutePointResult inside = InvolutePoint(t.s.toothFormContext(), w, 0.9L * w.db);
  EXPECT_EQ(inside.psi, base.psi);
  EXPECT_NEAR(std::hypot(inside.x, inside.y), 0.45L * w.db, 1e-12L);
  EXPECT_EQ(MessageCount(t.s.messages), 1);
}

}  // namespace
}  // namespace kv9::test
