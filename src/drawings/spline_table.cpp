#include "drawings/spline_table.h"

#include <algorithm>
#include <cmath>

#include "cad/cad_driver.h"
#include "cad/drawing_context.h"
#include "core/message_list.h"
#include "core/number_format.h"
#include "model/config.h"

namespace kv9 {

namespace {

constexpr int kLineLayer = 17;
constexpr int kTextLayer = 18;

std::string Length(const DrawingContext& s, int decimals, Real x) {
  return FormatLengthDecimals(UnitsOf(s.cfg), decimals, std::fabs(x));
}

std::string LengthPair(const DrawingContext& s, int decimals, Real a, Real b) {
  return Length(s, decimals, a) + " / " + Length(s, decimals, b);
}

// A row whose text spans the table: only the outer boundaries.
SplineTableRow Spanning(std::string text, bool rule_below) {
  return {std::move(text), "", false, rule_below};
}

}  // namespace

std::string SplineTableHeading(const DrawingContext& s, int part) {
  if (part == 1) return " External Involute Spline Data   " + s.ds.drawing_number_shaft;
  if (part == 2) return " Internal Involute Spline Data   " + s.ds.drawing_number_hub;
  return "";
}

std::vector<SplineTableRow> SplineTableRows(const DrawingContext& s, int part) {
  if (part != 1 && part != 2) return {};
  const SplineDataSet& d = s.ds;
  const int m = part - 1;
  const int fit = std::clamp(d.fit_index, 1, 3);
  std::vector<SplineTableRow> rows;
  rows.push_back(Spanning(d.class_title, false));
  rows.push_back(Spanning(kFitTexts[fit - 1], true));
  rows.push_back({"Z\x84hnezahl", FormatInt(d.N)});
  rows.push_back({"Diametral pitch", "  " + FormatShort(StyleOf(s.cfg), d.P) + " / " +
                                         FormatShort(StyleOf(s.cfg), 2 * d.P)});
  rows.push_back({"Eingriffswinkel", "  " + FormatShort(StyleOf(s.cfg), d.phi_d) + " deg"});
  rows.push_back({"Grundkreisdurchmesser", Length(s, 6, d.Db[m]) + " ref"});
  rows.push_back({"Pitch diameter", Length(s, 6, d.D[m]) + " ref"});

  // The measured dimension is the magnitude; the hub's between-pins values are negative.
  Real pins_small = std::min(std::fabs(d.MdRmin[m]), std::fabs(d.MdRmax[m]));
  Real pins_large = std::max(std::fabs(d.MdRmin[m]), std::fabs(d.MdRmax[m]));
  if (part == 2) {
    rows.push_back({"Major diameter", Length(s, 3, d.Dri) + " max"});
    rows.push_back({"Form diameter", Length(s, 3, d.DFi)});
    rows.push_back({"Minor diameter", LengthPair(s, 3, d.Di_min, d.Di_max)});
    rows.push_back({"Circular space width", "", true, false});
    rows.push_back({"  Min effective", Length(s, 4, d.Sv_min), true, false});
    rows.push_back({"  Max actual", Length(s, 4, d.S_max)});
    rows.push_back({"Measurement between two pins", LengthPair(s, 4, pins_large, pins_small)});
    rows.push_back({"Pin Diameter", Length(s, 4, d.dm2)});
  } else {
    rows.push_back({"Major diameter", LengthPair(s, 3, d.Do_min, d.Do_max)});
    rows.push_back({"Form diameter", Length(s, 3, d.DFe)});
    rows.push_back({"Minor diameter", Length(s, 3, d.Dre) + " min"});
    rows.push_back({"Circular tooth thickness", "", true, false});
    rows.push_back({"  Max effective", Length(s, 4, d.tv_max), true, false});
    rows.push_back({"  Min actual", Length(s, 4, d.t_min)});
    rows.push_back({"Measurement over two pins", LengthPair(s, 4, pins_small, pins_large)});
    rows.push_back({"Pin Diameter", Length(s, 4, d.dm1)});
  }
  return rows;
}

Real SplineTableHeight(const DrawingContext& s, int part) {
  return kTableRowHeight * static_cast<Real>(SplineTableRows(s, part).size() + 1);
}

void DrawSplineTable(const DrawingContext& s, int part, Real x0, Real y0) {
  if (part != 1 && part != 2) {
    MessageAdd(s.messages, "Error Radnr !");
    return;
  }
  const Real h = kTableTextHeight;
  const Real x_mid = x0 + kTableLabelWidth, x_end = x0 + kTableWidth;
  CadLayer(s, 4);
  CadTextStyle(s, 2, 0, h, 0.75L * h);
  // Every cell text starts with one blank at its column's left boundary, on the base line half
  // a text height above the row's bottom. The heading carries its blank already.
  auto texts = [&](Real bottom, const std::string& label, const std::string& value) {
    CadLayer(s, kTextLayer);
    CadText(s, label, x0, bottom + 0.5L * h);
    if (!value.empty()) CadText(s, " " + value, x_mid, bottom + 0.5L * h);
  };

  Real top = y0, bottom = y0 - kTableRowHeight;
  CadLayer(s, kLineLayer);
  CadRectangle(s, x0, top, x_end, bottom);
  CadLine(s, x_mid, top, x_mid, bottom);
  texts(bottom, SplineTableHeading(s, part), "");

  for (const SplineTableRow& row : SplineTableRows(s, part)) {
    top = bottom;
    bottom = top - kTableRowHeight;
    CadLayer(s, kLineLayer);
    CadLine(s, x0, top, x0, bottom);
    if (row.middle_boundary) CadLine(s, x_mid, top, x_mid, bottom);
    CadLine(s, x_end, top, x_end, bottom);
    if (row.rule_below) CadLine(s, x0, bottom, x_end, bottom);
    texts(bottom, " " + row.label, row.value);
  }
}

}  // namespace kv9
