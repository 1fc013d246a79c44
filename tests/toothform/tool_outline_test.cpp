// The generating tool outline: tip line and rounding, flanks at the pressure angle through the
// datum line, root lines, the chamfer and root rounding variants, the transverse section and
// the annotation texts.
#include <gtest/gtest.h>

#include <cmath>

#include "app/session.h"
#include "support/toothform_support.h"
#include "toothform/tool_outline.h"

namespace kv9::test {
namespace {

struct Line {
  Real x1, y1, x2, y2;
};

std::vector<Line> Lines(const RecordingCadWriter& w) {
  std::vector<Line> lines;
  for (const CadCall& c : w.of("line")) lines.push_back({c.v[0], c.v[1], c.v[2], c.v[3]});
  return lines;
}

// The calls between the first "layer n" and the next layer change.
RecordingCadWriter OnLayer(const RecordingCadWriter& w, int n) {
  RecordingCadWriter part;
  bool on = false;
  for (const CadCall& c : w.calls) {
    if (c.op == "layer")
      on = c.v[0] == n;
    else if (on)
      part.calls.push_back(c);
  }
  return part;
}

bool HasLine(const std::vector<Line>& lines, Real x1, Real y1, Real x2, Real y2) {
  for (const Line& l : lines)
    if (std::fabs(l.x1 - x1) < 1e-12L && std::fabs(l.y1 - y1) < 1e-12L &&
        std::fabs(l.x2 - x2) < 1e-12L && std::fabs(l.y2 - y2) < 1e-12L)
      return true;
  return false;
}

// Distance of p from the line through a and b.
Real DistanceToLine(Real px, Real py, const Line& l) {
  const Real dx = l.x2 - l.x1, dy = l.y2 - l.y1;
  return std::fabs(dx * (py - l.y1) - dy * (px - l.x1)) / std::hypot(dx, dy);
}

TEST(ToolOutline, ToothAndRootOfTheShaftTool) {
  ToothFormSession t;
  const WheelGeometry w = MakeToothFormGeometry(t.s.toothFormContext()).shaft();
  const ToolProfile p = MakeToolProfile(w);
  const RecordingCadWriter rec =
      t.record([&] { DrawToolOutline(t.s.toothFormContext(), w, true, false); });
  ASSERT_GT(rec.calls.size(), 2u);
  EXPECT_EQ(rec.calls[0].op, "layer");
  EXPECT_EQ(rec.calls[0].v[0], 3);
  const Real mn = w.mn, alpha = w.alpha_n;

  // The tool tip line lies on the gear's root circle; the datum line is the profile shift above
  // the reference line.
  EXPECT_NEAR(p.hf, w.haP0 - w.x * mn, 1e-12L);
  EXPECT_NEAR(p.y_datum, w.x * mn, 1e-12L);
  const auto lines = Lines(rec);
  EXPECT_TRUE(HasLine(lines, p.xc, -p.hf, -p.xc, -p.hf));

  // The flank at the pressure angle to the y axis, half a tooth thickness of the rack (pi mn / 4)
  // from the centre on the datum line, up to the root line.
  const Line flank{p.flank_low.x, p.flank_low.y, p.flank_high.x, p.flank_high.y};
  EXPECT_TRUE(HasLine(lines, flank.x1, flank.y1, flank.x2, flank.y2));
  EXPECT_TRUE(HasLine(lines, -flank.x1, flank.y1, -flank.x2, flank.y2));
  EXPECT_NEAR((flank.x2 - flank.x1) / (flank.y2 - flank.y1), std::tan(alpha), 1e-12L);
  EXPECT_NEAR(flank.x1 + (p.y_datum - flank.y1) * std::tan(alpha), kPi * mn / 4, 1e-12L);
  EXPECT_NEAR(flank.y2, w.haP0 + w.hfP0 - p.hf, 1e-12L);
  EXPECT_TRUE(HasLine(lines, flank.x2, flank.y2, kPi * mn / 2, flank.y2));

  // The tip rounding touches the tip line and the flank and ends where the flank begins.
  const auto arcs = rec.of("arc");
  ASSERT_EQ(arcs.size(), 2u);
  const auto& right = arcs[0].v;  // x, y, start, end, r
  EXPECT_EQ(right[2], 270);
  EXPECT_NEAR(right[3], 360 - alpha * 180 / kPi, 1e-12L);
  EXPECT_NEAR(right[4], w.rhoaP0, 1e-12L);
  EXPECT_NEAR(right[1] - right[4], -p.hf, 1e-12L);
  EXPECT_NEAR(DistanceToLine(right[0], right[1], flank), w.rhoaP0, 1e-12L);
  const Real end = right[3] * kPi / 180;
  EXPECT_NEAR(right[0] + right[4] * std::cos(end), flank.x1, 1e-12L);
  EXPECT_NEAR(right[1] + right[4] * std::sin(end), flank.y1, 1e-12L);
  // and its mirror image on the left
  const auto& left = arcs[1].v;
  EXPECT_NEAR(left[0], -right[0], 1e-12L);
  EXPECT_NEAR(left[2], 180 - right[3], 1e-12L);
  EXPECT_NEAR(left[3], 180 - right[2], 1e-12L);
  EXPECT_EQ(rec.count("text"), 0);
}

TEST(ToolOutline, AnnotationLinesAndDataOfTheShaftTool) {
  ToothFormSession t;
  const WheelGeometry w = MakeToothFormGeometry(t.s.toothFormContext()).shaft();
  const ToolProfile p = MakeToolProfile(w);
  const RecordingCadWriter rec =
      t.record([&] { DrawToolOutline(t.s.toothFormContext(), w, true, true); });
  const Real mn = w.mn;
  const auto centre = Lines(OnLayer(rec, 1));
  ASSERT_EQ(centre.size(), 2u);
  EXPECT_TRUE(HasLine(centre, 0, -p.hf - 0.1L * mn, 0, p.y_root + 0.1L * mn));
  EXPECT_TRUE(HasLine(centre, -mn, p.y_datum, mn, p.y_datum));

  const auto texts = OnLayer(rec, 4).of("text");
  std::vector<std::string> shown;
  for (const CadCall& c : texts) shown.push_back(c.text);
  const std::vector<std::string> expected = {t.s.ds.drawing_number_shaft,
                                             t.s.ds.drawing_name_shaft,
                                             "(Tool)",
                                             "Rad 1",
                                             "hfP0 = 0.524 * mn = 1.109 mm",
                                             "haP0 = 0.644 * mn = 1.364 mm",
                                             "raP0 = 0.15 * mn = 0.317 mm"};
  EXPECT_EQ(shown, expected);
  ASSERT_EQ(texts.size(), expected.size());
  EXPECT_NEAR(texts[0].v[0], 0.05L * mn, 1e-12L);
  EXPECT_NEAR(texts[0].v[1], p.y_datum + 0.03L * mn, 1e-12L);
  EXPECT_NEAR(texts[2].v[1], p.y_datum + 0.03L * mn - 2 * 1.6L * 0.08L * mn, 1e-12L);
  EXPECT_NEAR(texts[3].v[0], 1.5L * mn, 1e-12L);
  EXPECT_NEAR(texts[3].v[1], p.y_root - 0.15L * mn, 1e-12L);
  EXPECT_NEAR(texts[3].style.height, 0.08L * mn, 1e-12L);
}

TEST(ToolOutline, HubToolDataInInches) {
  ToothFormSession t;
  t.s.cfg.unit_flag = 1;
  const WheelGeometry w = MakeToothFormGeometry(t.s.toothFormContext()).hub();
  const RecordingCadWriter rec =
      t.record([&] { DrawToolOutline(t.s.toothFormContext(), w, true, true); });
  std::vector<std::string> shown;
  for (const CadCall& c : rec.of("text")) shown.push_back(c.text);
  ASSERT_EQ(shown.size(), 7u);
  EXPECT_EQ(shown[0], t.s.ds.drawing_number_hub);
  EXPECT_EQ(shown[1], t.s.ds.drawing_name_hub);
  EXPECT_EQ(shown[3], "Rad 2");
  EXPECT_EQ(shown[5], "haP0 = 0.611 * mn = 0.0510 in");
  // The hub's tool cuts the hub's root: its tip line lies on it as well.
  const ToolProfile p = MakeToolProfile(w);
  EXPECT_NEAR(p.hf, (std::fabs(w.df) - std::fabs(w.d)) / 2, 1e-12L);
  EXPECT_GT(p.hf, 0);
}

TEST(ToolOutline, ChamferAndRootRounding) {
  ToothFormSession t;
  WheelGeometry w = MakeToothFormGeometry(t.s.toothFormContext()).shaft();
  w.chamfer = true;
  w.alpha_kP0_deg = 40;
  w.hFfP0_mn = w.hfP0_mn / 2;
  w.hFfP0 = w.hfP0 / 2;
  w.rhofP0_mn = 0.1L;
  w.rhofP0 = 0.1L * w.mn;
  const ToolProfile p = MakeToolProfile(w);
  const RecordingCadWriter rec =
      t.record([&] { DrawToolOutline(t.s.toothFormContext(), w, false, true); });
  const auto lines = Lines(OnLayer(rec, 3));
  // flank to the chamfer start, the chamfer at 40 degrees to the rounding
  EXPECT_TRUE(HasLine(lines, p.flank_low.x, p.flank_low.y, p.flank_high.x, p.flank_high.y));
  EXPECT_NEAR(p.flank_high.y, p.y_root - w.hfP0 + w.hFfP0, 1e-12L);
  EXPECT_TRUE(HasLine(lines, p.flank_high.x, p.flank_high.y, p.root_touch.x, p.root_touch.y));
  const Line chamfer{p.flank_high.x, p.flank_high.y, p.corner.x, p.corner.y};
  EXPECT_NEAR((chamfer.x2 - chamfer.x1) / (chamfer.y2 - chamfer.y1), std::tan(40 * kPi / 180),
              1e-12L);
  EXPECT_NEAR(p.corner.y, p.y_root, 1e-12L);
  // The root rounding touches the chamfer and the root line, which starts above its centre.
  const auto arcs = OnLayer(rec, 3).of("arc");
  ASSERT_EQ(arcs.size(), 4u);
  const auto& round = arcs[2].v;
  EXPECT_EQ(round[2], 90);
  EXPECT_NEAR(round[3], 140, 1e-12L);
  EXPECT_NEAR(round[4], w.rhofP0, 1e-12L);
  EXPECT_NEAR(round[1], p.y_root - w.rhofP0, 1e-12L);
  EXPECT_NEAR(DistanceToLine(round[0], round[1], chamfer), w.rhofP0, 1e-12L);
  EXPECT_TRUE(HasLine(lines, round[0], p.y_root, kPi * w.mn / 2, p.y_root));
  const Real end = round[3] * kPi / 180;
  EXPECT_NEAR(round[0] + round[4] * std::cos(end), p.root_touch.x, 1e-12L);
  EXPECT_NEAR(round[1] + round[4] * std::sin(end), p.root_touch.y, 1e-12L);

  std::vector<std::string> shown;
  for (const CadCall& c : OnLayer(rec, 4).of("text")) shown.push_back(c.text);
  ASSERT_EQ(shown.size(), 10u);
  EXPECT_EQ(shown[7], "rfP0 = 0.1 * mn = 0.212 mm");
  EXPECT_EQ(shown[8].rfind("hFfP0 = ", 0), 0u);
  EXPECT_EQ(shown[9], "alpha kP0 = 40\xF8");
  t.s.cfg.plain_text_mode = 1;
  const RecordingCadWriter plain =
      t.record([&] { DrawToolOutline(t.s.toothFormContext(), w, false, true); });
  EXPECT_EQ(plain.of("text").back().text, "alpha kP0 = 40deg");
}

TEST(ToolOutline, TransverseSectionOfAHelicalToolIsStretched) {
  ToothFormSession t;
  WheelGeometry w = MakeToothFormGeometry(t.s.toothFormContext()).shaft();
  w.beta = 20 * kPi / 180;
  const ToolProfile p = MakeToolProfile(w);
  const Real q = std::cos(w.beta);
  const RecordingCadWriter transverse =
      t.record([&] { DrawToolOutline(t.s.toothFormContext(), w, true, false); });
  EXPECT_TRUE(HasLine(Lines(transverse), p.xc / q, -p.hf, -p.xc / q, -p.hf));
  // the roundings become elliptical polylines; no circular arcs are left
  EXPECT_EQ(transverse.count("arc"), 0);
  EXPECT_EQ(transverse.count("polylineBegin"), 2);
  const RecordingCadWriter normal =
      t.record([&] { DrawToolOutline(t.s.toothFormContext(), w, false, false); });
  EXPECT_TRUE(HasLine(Lines(normal), p.xc, -p.hf, -p.xc, -p.hf));
  EXPECT_EQ(normal.count("arc"), 2);
}

TEST(ToolOutline, NothingWhileAborted) {
  ToothFormSession t;
  const WheelGeometry w = MakeToothFormGeometry(t.s.toothFormContext()).shaft();
  const RecordingCadWriter rec = t.record([&] {
    t.s.abort_flag = true;
    DrawToolOutline(t.s.toothFormContext(), w, true, true);
  });
  EXPECT_EQ(rec.count("line") + rec.count("arc") + rec.count("text"), 0);
}

TEST(ToolOutline, TextRightEndCoversTheLongestDataLine) {
  ToothFormSession t;
  const WheelGeometry w = MakeToothFormGeometry(t.s.toothFormContext()).shaft();
  // "hfP0 = 0.524 * mn = 1.109 mm": 28 characters of 0.06 mn from 1.5 mn
  EXPECT_NEAR(ToolTextRight(t.s.toothFormContext(), w), 1.5L * w.mn + 28 * 0.06L * w.mn, 1e-12L);
}

}  // namespace
}  // namespace kv9::test
