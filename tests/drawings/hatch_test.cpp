#include "drawings/hatch.h"

#include <gtest/gtest.h>

#include <cmath>

#include "cad/cad_driver.h"
#include "cad/recording_writer.h"
#include "support/test_session.h"

namespace kv9 {
namespace {

struct Hatching : test::TestSession {
  RecordingCadWriter rec;
  Hatching() { CadOpenWriter(s.cadContext(), rec); }
  void polygon(std::initializer_list<Point> points) {
    ResetHatchPolygon(s.drawingContext());
    for (const Point& p : points) AddHatchPoint(s.drawingContext(), p.x, p.y);
  }
};

TEST(Hatch, RectangleAt45DegreesWithAutomaticSpacingGivesNineLines) {
  Hatching t;
  t.polygon({{0, 0}, {10, 0}, {10, 5}, {0, 5}});
  SetHatchPen(t.s.drawingContext(), 1);
  EXPECT_EQ(Hatch(t.s.drawingContext(), 4, 45, 0), 9);
  auto lines = t.rec.of("line");
  ASSERT_EQ(lines.size(), 9u);
  for (const auto& l : lines) {
    // Each hatch line runs at 45 degrees and ends on the outline.
    EXPECT_NEAR(static_cast<double>((l.v[3] - l.v[1]) / (l.v[2] - l.v[0])), 1, 1e-12);
    for (int i : {0, 2}) EXPECT_TRUE(l.v[i] >= -1e-12 && l.v[i] <= 10 + 1e-12);
  }
  // Pen 1: the outline on layer 5 as a closed polyline, the hatch on layer 3.
  auto layers = t.rec.of("layer");
  ASSERT_EQ(layers.size(), 2u);
  EXPECT_EQ(layers[0].v[0], 5);
  EXPECT_EQ(layers[1].v[0], 3);
  EXPECT_EQ(t.rec.count("vertex"), 5);
}

TEST(Hatch, LinesThroughVerticesMayMissTheirPair) {
  Hatching t;
  t.polygon({{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}});
  SetHatchPen(t.s.drawingContext(), 2);
  EXPECT_EQ(Hatch(t.s.drawingContext(), 5, 45, 0),
            8);                          // the diagonal through two corners is left out
  EXPECT_EQ(t.rec.count("vertex"), 0);   // pen 2: no outline
  EXPECT_EQ(Hatch(t.s.drawingContext(), 5, 0, 2.5L), 3);  // horizontal lines 2.5 apart
}

TEST(Hatch, TooManyPointsAndTooManyCrossings) {
  Hatching t;
  ResetHatchPolygon(t.s.drawingContext());
  for (int i = 0; i < 51; ++i) AddHatchPoint(t.s.drawingContext(), i, i % 2);
  EXPECT_EQ(t.s.cad.hatch.points.size(), 50u);
  EXPECT_EQ(t.s.messages.entries.back(), "Schraffurfehler");
  EXPECT_EQ(Hatch(t.s.drawingContext(), 51, 0, 0), 0);
  EXPECT_EQ(t.s.messages.entries.back(), "Fatal  : n schraff !");
  EXPECT_EQ(t.rec.calls.size(), 0u);

  // A comb whose teeth cross each hatch line 12 times.
  std::vector<Point> comb;
  for (int i = 0; i < 6; ++i) {
    comb.push_back({i * 2.0L, 0});
    comb.push_back({i * 2.0L + 0.5L, 10});
    comb.push_back({i * 2.0L + 1, 0.5L});
  }
  comb.push_back({12, -2});
  comb.push_back({-1, -2});
  ResetHatchPolygon(t.s.drawingContext());
  for (const Point& p : comb) AddHatchPoint(t.s.drawingContext(), p.x, p.y);
  SetHatchPen(t.s.drawingContext(), 2);
  Hatch(t.s.drawingContext(), static_cast<int>(comb.size()), 0, 1);
  EXPECT_TRUE(t.s.abort_flag);
  EXPECT_EQ(t.s.messages.entries.back(), "Fatal  : schraff schnittp");
}

TEST(BreakLine, SixSegmentsFromStartToEndIntoTheHatchPolygon) {
  Hatching t;
  ResetHatchPolygon(t.s.drawingContext());
  BreakLine(t.s.drawingContext(), {0, 0}, {60, 0}, 1, true);
  auto lines = t.rec.of("line");
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[0].v[0], 0);
  EXPECT_EQ(lines[5].v[2], 60);
  for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
    EXPECT_EQ(lines[i].v[2], 10 * (i + 1.0L));  // evenly along the line
    EXPECT_LE(std::fabs(static_cast<double>(lines[i].v[3])), 2.0);
  }
  EXPECT_EQ(t.s.cad.hatch.points.size(), 7u);
  // The same seed draws the same line.
  Hatching u;
  BreakLine(u.s.drawingContext(), {0, 0}, {60, 0}, 1, false);
  EXPECT_EQ(u.rec.of("line")[2].v, lines[2].v);
  EXPECT_TRUE(u.s.cad.hatch.points.empty());
}

}  // namespace
}  // namespace kv9
