// Outline and data of the generating tool of shaft or hub.
#include "toothform/tool_outline.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "cad/cad_driver.h"
#include "core/number_format.h"
#include "model/config.h"
#include "toothform/tooth_form_context.h"

namespace kv9 {

namespace {

constexpr Real kEllipseStepDeg = 5;

// Draws in the transverse section: x divided by q, circular arcs become elliptical.
struct ToolPen {
  const ToothFormContext& s;
  Real q;
  void line(Point a, Point b) const {
    CadLine(s, a.x / q, a.y, b.x / q, b.y);
    CadLine(s, -a.x / q, a.y, -b.x / q, b.y);
  }
  // The arc about (cx, cy) counter-clockwise from a0 to a1 degrees, and its mirror.
  void arc(Real cx, Real cy, Real a0, Real a1, Real r) const {
    if (q == 1) {
      CadArc(s, cx, cy, a0, a1, r);
      CadArc(s, -cx, cy, 180 - a1, 180 - a0, r);
    } else {
      CadEllipseArc(s, cx / q, cy, a0, a1, r, 1 / q, 1, kEllipseStepDeg);
      CadEllipseArc(s, -cx / q, cy, 180 - a1, 180 - a0, r, 1 / q, 1, kEllipseStepDeg);
    }
  }
};

std::vector<std::string> DataLines(const ToothFormContext& s, const WheelGeometry& w) {
  const std::string unit = LengthUnit(UnitsOf(s.cfg));
  auto value = [&](const char* name, Real factor, Real length) {
    return std::string(name) + FormatShort(StyleOf(s.cfg), factor) +
           " * mn = " + FormatLength(UnitsOf(s.cfg), length) + " " + unit;
  };
  std::vector<std::string> lines = {
      "Rad " + std::to_string(w.wheel), value("hfP0 = ", w.hfP0_mn, w.hfP0),
      value("haP0 = ", w.haP0_mn, w.haP0), value("raP0 = ", w.rhoaP0_mn, w.rhoaP0)};
  if (w.rhofP0_mn > 0) lines.push_back(value("rfP0 = ", w.rhofP0_mn, w.rhofP0));
  if (w.chamfer) {
    lines.push_back(value("hFfP0 = ", w.hFfP0_mn, w.hFfP0));
    lines.push_back("alpha kP0 = " + FormatShort(StyleOf(s.cfg), w.alpha_kP0_deg) +
                    DegreeUnit(UnitsOf(s.cfg)));
  }
  return lines;
}

Real TextHeight(const WheelGeometry& w) {
  return 0.08L * w.mn;
}
Real TextWidth(const WheelGeometry& w) {
  return 0.06L * w.mn;
}

}  // namespace

ToolProfile MakeToolProfile(const WheelGeometry& w) {
  ToolProfile p;
  const Real mn = w.mn, rho = w.rhoaP0;
  const Real ta = std::tan(w.alpha_n);
  p.hf = (w.d - w.df) / 2;
  p.xc = mn * kPi / 4 - ta * (w.haP0 - rho) - rho / std::cos(w.alpha_n);
  p.yc = rho - p.hf;
  p.flank_low = {p.xc + rho * std::cos(w.alpha_n), p.yc - rho * std::sin(w.alpha_n)};
  p.y_root = w.haP0 + w.hfP0 - p.hf;
  p.y_datum = w.haP0 - p.hf;
  p.space_middle = mn * kPi / 2;
  if (w.chamfer) {
    p.flank_high = {mn * kPi / 4 + ta * w.hFfP0, p.y_root - w.hfP0 + w.hFfP0};
    p.top_angle_deg = w.alpha_kP0_deg;
    const Real tk = std::tan(w.alpha_kP0_deg * kPi / 180);
    p.corner = {p.flank_high.x + tk * (w.hfP0 - w.hFfP0), p.y_root};
  } else {
    p.flank_high = {mn * kPi / 4 + ta * w.hfP0, p.y_root};
    p.top_angle_deg = w.alpha_n * 180 / kPi;
    p.corner = p.flank_high;
  }
  // The root rounding touches the root line from below and the last flank piece from the space.
  const Real t = p.top_angle_deg * kPi / 180, rf = w.rhofP0;
  p.root_centre_x = p.corner.x + rf * (1 - std::sin(t)) / std::cos(t);
  p.root_touch = {p.root_centre_x - rf * std::cos(t), p.y_root - rf + rf * std::sin(t)};
  if (!(rf > 0)) {
    p.root_centre_x = p.corner.x;
    p.root_touch = p.corner;
  }
  return p;
}

void DrawToolOutline(const ToothFormContext& s, const WheelGeometry& w, bool transverse,
                     bool annotate) {
  if (s.abort_flag) return;
  const ToolProfile p = MakeToolProfile(w);
  const Real q = transverse ? std::cos(w.beta) : 1;
  const ToolPen pen{s, q};
  const Real mn = w.mn;

  CadLayer(s, 3);
  CadLine(s, p.xc / q, -p.hf, -p.xc / q, -p.hf);  // tip line
  pen.arc(p.xc, p.yc, 270, 360 - w.alpha_n * 180 / kPi, w.rhoaP0);
  if (w.chamfer) {
    pen.line(p.flank_low, p.flank_high);
    pen.line(p.flank_high, p.root_touch);
  } else {
    pen.line(p.flank_low, p.root_touch);
  }
  if (w.rhofP0 > 0)
    pen.arc(p.root_centre_x, p.y_root - w.rhofP0, 90, 180 - p.top_angle_deg, w.rhofP0);
  pen.line({p.root_centre_x, p.y_root}, {p.space_middle, p.y_root});

  if (!annotate) return;
  CadLayer(s, 1);
  CadLine(s, 0, -p.hf - 0.1L * mn, 0, p.y_root + 0.1L * mn);  // centre line of the tool tooth
  CadLine(s, -mn, p.y_datum, mn, p.y_datum);                  // datum line
  CadLayer(s, 4);
  CadTextStyle(s, 2, 0, TextHeight(w), TextWidth(w));
  const auto& ds = s.ds;
  CadMoveTo(s, 0.05L * mn, p.y_datum + 0.03L * mn);
  CadTextLine(s, w.wheel == 1 ? ds.drawing_number_shaft : ds.drawing_number_hub);
  CadTextLine(s, w.wheel == 1 ? ds.drawing_name_shaft : ds.drawing_name_hub);
  CadTextLine(s, "(Tool)");
  CadMoveTo(s, 1.5L * mn, p.y_root - 0.15L * mn);
  for (const std::string& line : DataLines(s, w)) CadTextLine(s, line);
}

Real ToolTextRight(const ToothFormContext& s, const WheelGeometry& w) {
  std::size_t longest = 0;
  for (const std::string& line : DataLines(s, w)) longest = std::max(longest, line.size());
  return 1.5L * w.mn + longest * TextWidth(w) * s.cfg.cad_text_width_factor;
}

}  // namespace kv9
