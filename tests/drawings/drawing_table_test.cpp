// The "Involute Spline Data" tables: rows, texts and values of shaft and hub, and the ruling.
#include "drawings/spline_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "core/message_list.h"
#include "support/drawing_record.h"

namespace kv9 {
namespace {

using test::Drawn;
using test::DrawnItems;
using test::HasLine;
using test::Only;

std::string Fixed(int decimals, Real x) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*Lf", decimals, static_cast<long double>(x));
  return buffer;
}

struct Row {
  std::string label, value;
};

std::vector<Row> Texts(const std::vector<SplineTableRow>& rows) {
  std::vector<Row> out;
  for (const auto& r : rows) out.push_back({r.label, r.value});
  return out;
}

void ExpectRows(const std::vector<SplineTableRow>& rows, const std::vector<Row>& expected) {
  ASSERT_EQ(rows.size(), expected.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(rows[i].label, expected[i].label) << "row " << i + 1;
    EXPECT_EQ(rows[i].value, expected[i].value) << "row " << i + 1;
  }
}

TEST(SplineTable, ShaftRowsInMillimetres) {
  test::DrawingSession t("start");
  ASSERT_TRUE(t.loaded);
  const SplineDataSet& d = t.s.ds;
  // 38 teeth, P = 2.5/in, 30 degrees: D = 38 / 2.5 in.
  const Real D = 38 / 2.5L * 25.4L;
  EXPECT_EQ(SplineTableHeading(t.s.drawingContext(), 1), " External Involute Spline Data   000000");
  ExpectRows(SplineTableRows(t.s.drawingContext(), 1),
             {{"SPLINE TO ANSI B92.1 - CLASS 4", ""},
              {"Flat Root Side Fit (flankenzentriert)", ""},
              {"Z\x84hnezahl", "38"},
              {"Diametral pitch", "  2.5 / 5"},
              {"Eingriffswinkel", "  30 deg"},
              {"Grundkreisdurchmesser", Fixed(6, D * std::cos(kPi / 6)) + " ref"},
              {"Pitch diameter", "386.080000 ref"},
              {"Major diameter", Fixed(3, d.Do_min) + " / " + Fixed(3, d.Do_max)},
              {"Form diameter", Fixed(3, d.DFe)},
              {"Minor diameter", Fixed(3, d.Dre) + " min"},
              {"Circular tooth thickness", ""},
              {"  Max effective", Fixed(4, d.tv_max)},
              {"  Min actual", Fixed(4, d.t_min)},
              {"Measurement over two pins", Fixed(4, d.MdRmin[0]) + " / " + Fixed(4, d.MdRmax[0])},
              {"Pin Diameter", "6.0000"}});
  // The limits come in their natural order.
  EXPECT_LT(d.Do_min, d.Do_max);
  EXPECT_LT(d.MdRmin[0], d.MdRmax[0]);  // over pins: minimum first
}

TEST(SplineTable, HubRowsShowThePinMaximumFirst) {
  test::DrawingSession t("b92_1b_fit_f");
  ASSERT_TRUE(t.loaded);
  const SplineDataSet& d = t.s.ds;
  t.s.ds.drawing_number_hub = "KV-2-N";
  EXPECT_EQ(SplineTableHeading(t.s.drawingContext(), 2), " Internal Involute Spline Data   KV-2-N");
  // Between pins the hub's values are negative; the larger dimension comes from xemin.
  ASSERT_LT(d.MdRmin[1], 0);
  const Real large = std::fabs(d.MdRmin[1]), small = std::fabs(d.MdRmax[1]);
  ASSERT_GT(large, small);
  auto rows = SplineTableRows(t.s.drawingContext(), 2);
  ASSERT_EQ(rows.size(), 15u);
  EXPECT_EQ(rows[0].label, d.class_title);
  EXPECT_EQ(rows[0].label.rfind("SPLINE TO ANSI B92.1b - CLASS ", 0), 0u);
  EXPECT_EQ(rows[6].value, Fixed(6, std::fabs(d.D[1])) + " ref");
  EXPECT_EQ(rows[5].value, Fixed(6, std::fabs(d.Db[1])) + " ref");
  const std::vector<Row> all = Texts(rows);
  const std::vector<Row> tail(all.begin() + 7, all.end());
  std::vector<Row> expected = {
      {"Major diameter", Fixed(3, d.Dri) + " max"},
      {"Form diameter", Fixed(3, d.DFi)},
      {"Minor diameter", Fixed(3, d.Di_min) + " / " + Fixed(3, d.Di_max)},
      {"Circular space width", ""},
      {"  Min effective", Fixed(4, d.Sv_min)},
      {"  Max actual", Fixed(4, d.S_max)},
      {"Measurement between two pins", Fixed(4, large) + " / " + Fixed(4, small)},
      {"Pin Diameter", Fixed(4, d.dm2)}};
  ASSERT_EQ(tail.size(), expected.size());
  for (std::size_t i = 0; i < tail.size(); ++i) {
    EXPECT_EQ(tail[i].label, expected[i].label);
    EXPECT_EQ(tail[i].value, expected[i].value) << expected[i].label;
  }
}

TEST(SplineTable, InchValuesCarryOneMoreDecimal) {
  test::DrawingSession t("start", 1);
  ASSERT_TRUE(t.loaded);
  auto rows = SplineTableRows(t.s.drawingContext(), 1);
  EXPECT_EQ(rows[6].value, "15.2000000 ref");  // 38 / 2.5 in
  EXPECT_EQ(rows[14].value, Fixed(5, 6 / 25.4L));
  EXPECT_EQ(rows[9].value, Fixed(4, t.s.ds.Dre / 25.4L) + " min");
  EXPECT_EQ(rows[3].value, "  2.5 / 5");  // the pitch has no unit
}

TEST(SplineTable, FitTypeTextFollowsTheFitSelection) {
  test::DrawingSession t("major_diameter_fit");
  ASSERT_TRUE(t.loaded);
  EXPECT_EQ(SplineTableRows(t.s.drawingContext(), 1)[1].label, "Flat Root Major Diameter Fit");
  test::DrawingSession f("fillet_root_45");
  EXPECT_EQ(SplineTableRows(f.s.drawingContext(), 2)[1].label,
            "Fillet Root Side Fit (flankenzentriert)");
  EXPECT_EQ(SplineTableRows(f.s.drawingContext(), 2)[4].value, "  45 deg");
}

TEST(SplineTable, RulingAndTextPlacement) {
  test::DrawingSession t("start");
  const Real x0 = 10, y0 = 200, mid = x0 + 78.75L, end = x0 + 122.85L;
  t.record([&] { DrawSplineTable(t.s.drawingContext(), 1, x0, y0); });
  auto items = DrawnItems(t.rec);
  auto lines = Only(items, "line");
  for (const Drawn& l : lines) EXPECT_EQ(l.layer, 17);

  // The heading: a closed box with the middle boundary.
  EXPECT_TRUE(HasLine(items, x0, y0, end, y0, 17));
  EXPECT_TRUE(HasLine(items, x0, y0 - 7, end, y0 - 7, 17));
  EXPECT_TRUE(HasLine(items, mid, y0, mid, y0 - 7, 17));
  auto rows = SplineTableRows(t.s.drawingContext(), 1);
  int expected_lines = 5;
  for (std::size_t k = 1; k <= rows.size(); ++k) {
    Real top = y0 - 7 * static_cast<Real>(k), bottom = top - 7;
    bool middle = k >= 3;                      // designation and fit type span the table
    bool rule = k != 1 && k != 11 && k != 12;  // none below designation and thickness rows
    EXPECT_EQ(rows[k - 1].middle_boundary, middle) << k;
    EXPECT_EQ(rows[k - 1].rule_below, rule) << k;
    EXPECT_TRUE(HasLine(items, x0, top, x0, bottom, 17)) << k;
    EXPECT_TRUE(HasLine(items, end, top, end, bottom, 17)) << k;
    EXPECT_EQ(HasLine(items, mid, top, mid, bottom, 17), middle) << k;
    EXPECT_EQ(HasLine(items, x0, bottom, end, bottom, 17), rule) << k;
    expected_lines += 2 + (middle ? 1 : 0) + (rule ? 1 : 0);
  }
  EXPECT_EQ(static_cast<int>(lines.size()), expected_lines);
  EXPECT_NEAR(SplineTableHeight(t.s.drawingContext(), 1), 7 * 16, 1e-12);

  // Texts: one blank at the column boundary, 1.75 above the row's bottom, on layer 18.
  auto texts = Only(items, "text");
  ASSERT_EQ(texts.size(), 1 + rows.size() + 12);  // heading, labels, values
  EXPECT_EQ(texts[0].text, " External Involute Spline Data   000000");
  EXPECT_NEAR(texts[0].v[0], x0, 1e-12);
  EXPECT_NEAR(texts[0].v[1], y0 - 7 + 1.75L, 1e-12);
  std::size_t i = 1;
  for (std::size_t k = 1; k <= rows.size(); ++k) {
    Real base = y0 - 7 * static_cast<Real>(k + 1) + 1.75L;
    EXPECT_EQ(texts[i].text, " " + rows[k - 1].label);
    EXPECT_NEAR(texts[i].v[0], x0, 1e-12);
    EXPECT_NEAR(texts[i].v[1], base, 1e-12);
    ++i;
    if (rows[k - 1].value.empty()) continue;
    EXPECT_EQ(texts[i].text, " " + rows[k - 1].value);
    EXPECT_NEAR(texts[i].v[0], mid, 1e-12);
    EXPECT_NEAR(texts[i].v[1], base, 1e-12);
    ++i;
  }
  for (const Drawn& d : texts) {
    EXPECT_EQ(d.layer, 18);
    EXPECT_NEAR(d.style.height, 3.5L, 1e-12);
    EXPECT_NEAR(d.style.width_factor, 0.75L, 1e-12);
  }
}

TEST(SplineTable, OtherPartNumbersReportAndDrawNothing) {
  test::DrawingSession t("start");
  MessageClear(t.s.messages, t.s.fatal_flag);
  for (int part : {0, 3}) {
    t.rec.calls.clear();
    t.record([&] { DrawSplineTable(t.s.drawingContext(), part, 0, 0); });
    EXPECT_TRUE(DrawnItems(t.rec).empty()) << part;
    EXPECT_TRUE(SplineTableRows(t.s.drawingContext(), part).empty());
  }
  EXPECT_EQ(MessageCount(t.s.messages), 1);  // repeats are dropped
  EXPECT_EQ(MessageText(t.s.messages, 1), "Error Radnr !");
}

}  // namespace
}  // namespace kv9
