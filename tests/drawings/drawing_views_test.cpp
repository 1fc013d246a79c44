// The shaft view with its break symbol and the hub half section.
#include "drawings/spline_views.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/drawing_record.h"

namespace kv9 {
namespace {

using test::Drawn;
using test::DrawnItems;
using test::HasLine;
using test::Only;

TEST(BreakSymbol, LobePoints) {
  BreakSymbolPoint p[47];
  BreakSymbolLobe(100, p);
  const Real w = 7.5L;  // 0.15 · D / 2
  EXPECT_EQ(p[0].x, 0);
  EXPECT_EQ(p[0].y, 0);
  EXPECT_NEAR(p[11].x, 30.9L, 1e-12);
  EXPECT_NEAR(p[11].y, 10.5L * w / 11, 1e-12);
  EXPECT_NEAR(p[12].x, 35.7L, 1e-12);
  EXPECT_NEAR(p[12].y, w, 1e-12);
  EXPECT_NEAR(p[13].y, p[11].y, 1e-12);  // the upper edge falls as it rose
  EXPECT_NEAR(p[23].x, 50, 1e-12);
  EXPECT_NEAR(p[23].y, w / 11, 1e-12);
  // The lower edge runs back with the rising part's heights below the axis.
  EXPECT_NEAR(p[24].x, 49.82L, 1e-12);
  EXPECT_EQ(p[24].y, 0);
  EXPECT_NEAR(p[35].x, p[11].x, 1e-12);
  EXPECT_NEAR(p[35].y, -p[11].y, 1e-12);
  EXPECT_EQ(p[46].x, 0);
  EXPECT_NEAR(p[46].y, -2 * w / 11, 1e-12);
  for (const auto& q : p) {
    EXPECT_GE(q.x, 0);
    EXPECT_LE(q.x, 50);
    EXPECT_LE(std::fabs(q.y), w + 1e-12L);
  }
}

TEST(BreakSymbol, HatchedLobeAndItsMirroredEdge) {
  test::DrawingSession t("start");
  t.record([&] { DrawShaftBreakSymbol(t.s.drawingContext(), 100); });
  auto items = DrawnItems(t.rec);
  auto lines = Only(items, "line");
  int hatch = 0, mirror = 0, outline = 0;
  for (const Drawn& l : lines) {
    if (l.layer == 3) {
      ++hatch;
      for (int i : {0, 2}) {
        EXPECT_GE(l.v[i], -1e-9L);
        EXPECT_LE(l.v[i], 50 + 1e-9L);
        EXPECT_LE(std::fabs(l.v[i + 1]), 7.5L + 1e-9L);
      }
    } else if (l.layer == 5 && (l.v[0] < 0 || l.v[2] < 0)) {
      ++mirror;
      EXPECT_LE(l.v[0], 0);
      EXPECT_LE(l.v[2], 0);
      EXPECT_GE(l.v[1], 0);  // the mirrored edge keeps the upper heights
    } else {
      EXPECT_EQ(l.layer, 5);
      ++outline;
    }
  }
  EXPECT_GE(hatch, 5);
  EXPECT_EQ(mirror, 23);
  EXPECT_EQ(outline, 47);  // the closed lobe
  // The mirrored edge ends at the outline, as the lobe's upper edge does.
  EXPECT_TRUE(HasLine(items, -49.82L, 2 * 7.5L / 11, -50, 7.5L / 11, 5));
}

struct ShaftView : ::testing::Test {
  test::DrawingSession t{"side_fit_30"};
  SplineViewSizes v = ViewSizes(t.s.drawingContext());
};

TEST_F(ShaftView, SizesOfTheView) {
  ASSERT_TRUE(t.loaded);
  EXPECT_LT(v.shaft_minor, v.shaft_pitch);
  EXPECT_LT(v.shaft_pitch, v.shaft_major);
  EXPECT_NEAR(v.shaft_major, t.s.ds.Do_max, 1e-9L);
  EXPECT_LT(v.hub_minor, v.hub_pitch);
  EXPECT_LT(v.hub_pitch, v.hub_major);
  EXPECT_NEAR(v.hub_minor, t.s.ds.Di_min, 1e-9L);
  EXPECT_GT(v.b1, 0);
  EXPECT_GT(v.b2, 0);
}

TEST_F(ShaftView, OutlinePitchAndRootLines) {
  const Real x0 = 5, y0 = 7, mn = v.mn, b1 = v.b1;
  const Real ra = v.shaft_major / 2, rr = v.shaft_minor / 2, rp = v.shaft_pitch / 2;
  t.record([&] { DrawShaftView(t.s.drawingContext(), x0, y0); });
  auto items = DrawnItems(t.rec);
  auto inserts = Only(items, "insert");
  ASSERT_EQ(inserts.size(), 1u);
  EXPECT_EQ(t.rec.of("insert")[0].text, "WLSTUMP");
  EXPECT_EQ(inserts[0].v, (std::vector<Real>{x0, y0, 90, 1, 1}));

  EXPECT_TRUE(HasLine(items, x0, y0, x0 + 11 * mn + b1, y0, 1));
  for (Real side : {1.0L, -1.0L}) {
    EXPECT_TRUE(HasLine(items, x0 + 9 * mn, y0 + side * rp, x0 + 11 * mn + b1, y0 + side * rp, 1));
    EXPECT_TRUE(HasLine(items, x0 + 10 * mn, y0 + side * rr, x0 + 10 * mn + b1, y0 + side * rr, 2));
    EXPECT_TRUE(HasLine(items, x0, y0 + side * ra, x0 + 9 * mn + b1, y0 + side * ra, 5));
    EXPECT_TRUE(
        HasLine(items, x0 + 9 * mn + b1, y0 + side * ra, x0 + 10 * mn + b1, y0 + side * rr, 5));
  }
  EXPECT_TRUE(HasLine(items, x0 + 10 * mn, y0 - ra, x0 + 10 * mn, y0 + ra, 5));
  EXPECT_TRUE(HasLine(items, x0 + 9 * mn + b1, y0 - ra, x0 + 9 * mn + b1, y0 + ra, 5));
  EXPECT_TRUE(HasLine(items, x0 + 10 * mn + b1, y0 - rr, x0 + 10 * mn + b1, y0 + rr, 5));
  EXPECT_EQ(Only(items, "line").size(), 12u);

  auto texts = Only(items, "text");
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].text, t.s.ds.class_title);
  EXPECT_NEAR(texts[0].v[0], x0 + 11 * mn, 1e-12);
  EXPECT_NEAR(texts[0].v[1], y0 + 0.02L * v.reference_diameter, 1e-12);
  EXPECT_NEAR(texts[0].style.height, 0.05L * b1, 1e-12);
}

TEST_F(ShaftView, FaceWidthsOfZeroAreDerived) {
  t.s.ds.b1 = 0;
  t.s.ds.b2 = 0;
  t.s.ds.b = 31;
  EXPECT_EQ(ViewSizes(t.s.drawingContext()).b1, 31);
  EXPECT_EQ(ViewSizes(t.s.drawingContext()).b2, 31);
  t.s.ds.b = 0;
  EXPECT_NEAR(ViewSizes(t.s.drawingContext()).b1, 0.4L * std::fabs(t.s.ds.D[0]), 1e-12);
  EXPECT_NEAR(ViewSizes(t.s.drawingContext()).b2, 0.4L * std::fabs(t.s.ds.D[0]), 1e-12);
}

TEST(HubView, SectionedWallsBetweenBoreAndBreakLines) {
  test::DrawingSession t("side_fit_30");
  const SplineViewSizes v = ViewSizes(t.s.drawingContext());
  const Real x0 = -3, y0 = 4, b2 = v.b2, mn = v.mn;
  const Real rb = v.hub_minor / 2, rm = v.hub_major / 2, rp = v.hub_pitch / 2;
  const Real e = HubWallThickness(v), outer = rb + e;
  EXPECT_NEAR(e, std::min(0.25L * v.reference_diameter, 4 * mn), 1e-12);
  t.record([&] { DrawHubView(t.s.drawingContext(), x0, y0); });
  auto items = DrawnItems(t.rec);

  EXPECT_TRUE(HasLine(items, x0 - mn, y0, x0 + b2 + mn, y0, 1));
  for (Real side : {1.0L, -1.0L}) {
    EXPECT_TRUE(HasLine(items, x0 - 2 * mn, y0 + side * rp, x0 + b2 + 2 * mn, y0 + side * rp, 1));
    EXPECT_TRUE(HasLine(items, x0, y0 + side * rb, x0 + b2, y0 + side * rb, 5));
    EXPECT_TRUE(HasLine(items, x0, y0 + side * rm, x0 + b2, y0 + side * rm, 5));
  }
  for (Real x : {x0, x0 + b2}) EXPECT_TRUE(HasLine(items, x, y0 - outer, x, y0 + outer, 5));

  // Each wall's outer edge: a freehand line of six segments from the right end face to the
  // left one, within the amplitude of 0.2 e (offsets up to twice that).
  std::vector<Drawn> breaks;
  for (const Drawn& l : Only(items, "line"))
    if (l.layer == 2) breaks.push_back(l);
  ASSERT_EQ(breaks.size(), 12u);
  for (int wall = 0; wall < 2; ++wall) {
    Real side = wall == 0 ? 1 : -1;
    const Drawn& first = breaks[6 * wall];
    const Drawn& last = breaks[6 * wall + 5];
    EXPECT_NEAR(first.v[0], x0 + b2, 1e-12);
    EXPECT_NEAR(first.v[1], y0 + side * outer, 1e-12);
    EXPECT_NEAR(last.v[2], x0, 1e-12);
    EXPECT_NEAR(last.v[3], y0 + side * outer, 1e-12);
    for (int i = 0; i < 6; ++i)
      EXPECT_LE(std::fabs(breaks[6 * wall + i].v[3] - (y0 + side * outer)), 0.4L * e + 1e-12L);
  }
  // Hatching at 45 degrees only inside the walls.
  int hatch = 0;
  for (const Drawn& l : Only(items, "line")) {
    if (l.layer != 3) continue;
    ++hatch;
    EXPECT_NEAR(l.v[3] - l.v[1], l.v[2] - l.v[0], 1e-9L);
    for (int i : {0, 2}) {
      EXPECT_GE(l.v[i], x0 - 1e-9L);
      EXPECT_LE(l.v[i], x0 + b2 + 1e-9L);
      Real r = std::fabs(l.v[i + 1] - y0);
      EXPECT_GE(r, rb - 1e-9L);
      EXPECT_LE(r, outer + 0.4L * e + 1e-9L);
    }
  }
  EXPECT_GE(hatch, 10);

  auto texts = Only(items, "text");
  ASSERT_EQ(texts.size(), 1u);
  const Real refd = v.reference_diameter;
  EXPECT_NEAR(texts[0].style.height, 0.05L * refd, 1e-12);
  EXPECT_NEAR(texts[0].v[0], x0 + 0.05L * refd, 1e-12);
  EXPECT_NEAR(texts[0].v[1], y0 + 0.02L * refd, 1e-12);
}

// On a sheet the designation is at least 2.5 mm high on the paper; it moves left so that it
// ends where its view ends, or is centred on a view shorter than itself.
TEST(SheetViews, DesignationsAreReadableAndStayInTheirViews) {
  test::DrawingSession t("side_fit_30");
  const SplineViewSizes v = ViewSizes(t.s.drawingContext());
  const Real n = static_cast<Real>(t.s.ds.class_title.size()), mn = v.mn;
  auto designation = [&](bool hub, Real scale) {
    t.rec.calls.clear();
    t.record([&] {
      hub ? DrawHubView(t.s.drawingContext(), 0, 0, scale)
          : DrawShaftView(t.s.drawingContext(), 0, 0, scale);
    });
    return Only(DrawnItems(t.rec), "text").at(0);
  };
  auto expected_x = [&](const Drawn& text, Real left, Real right) {
    const Real length = n * text.style.height * text.style.width_factor;
    return length > right - left ? (left + right - length) / 2 : right - length;
  };
  const Real shaft_end = 11 * mn + v.b1, hub_start = -2 * mn, hub_end = v.b2 + 2 * mn;
  for (Real scale : {0.02L, 2.0L}) {  // the shaft's text longer than its view, then shorter
    const Real h = 2.5L / scale;
    Drawn shaft = designation(false, scale), hub = designation(true, scale);
    EXPECT_NEAR(shaft.style.height, h, 1e-9) << scale;
    EXPECT_NEAR(shaft.v[0], expected_x(shaft, 0, shaft_end), 1e-9) << scale;
    EXPECT_NEAR(hub.style.height, std::max(h, 0.05L * v.reference_diameter), 1e-9) << scale;
    EXPECT_NEAR(hub.v[0], expected_x(hub, hub_start, hub_end), 1e-9) << scale;
    EXPECT_NEAR(hub.v[1], 0.02L * v.reference_diameter, 1e-12);  // moved along its line only
  }
  // Large enough on the paper and inside the view: as drawn alone.
  Drawn shaft = designation(false, 100);
  EXPECT_NEAR(shaft.style.height, 0.05L * v.b1, 1e-12);
  EXPECT_NEAR(shaft.v[0], 11 * mn, 1e-12);
  EXPECT_NEAR(designation(true, 100).style.height, 0.05L * v.reference_diameter, 1e-12);
}

TEST(HubView, BreakLinesFollowTheSessionsRandomNumbers) {
  auto break_points = [](unsigned seed) {
    test::DrawingSession t("start");
    t.s.rng.seed(seed);
    t.record([&] { DrawHubView(t.s.drawingContext(), 0, 0); });
    std::vector<Real> ys;
    for (const Drawn& l : Only(DrawnItems(t.rec), "line"))
      if (l.layer == 2) ys.push_back(l.v[3]);
    return ys;
  };
  EXPECT_EQ(break_points(7), break_points(7));
  EXPECT_NE(break_points(7), break_points(8));
}

}  // namespace
}  // namespace kv9
