// Labelled diameter arcs and diameter circles of the tooth-form views.
#include "toothform/diameter_marks.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "cad/cad_driver.h"
#include "core/guarded_math.h"
#include "core/message_list.h"
#include "core/number_format.h"
#include "model/config.h"
#include "toothform/tooth_form_context.h"

namespace kv9 {

namespace {

struct Mark {
  DiameterMark bit;
  const char* name;
  Real diameter;
  int layer;
  bool wide;  // the label would meet its neighbour's
};

std::vector<Mark> ArcMarks(const WheelGeometry& w) {
  const Real mn = w.mn, dff = FilletEndDiameter(w);
  std::vector<Mark> marks = {
      {kMarkDw, "dw", w.dw, 18, false},
      {kMarkD, "d", w.d, 17, std::fabs(w.d - w.dw) < 0.1L * mn},
      {kMarkDb, "db", w.db, 25, false},
      {kMarkDf, "df", w.df, 19, false},
      {kMarkDa, "da", w.da, 21, false},
      {kMarkDFf, "dFf", dff, 20, std::fabs(dff - w.db) < 0.1L * mn},
  };
  // A tip form circle below the tip (a shortened tooth) says nothing.
  if (w.dFa >= w.da_input) marks.push_back({kMarkDFa, "dFa", w.dFa, 29, false});
  marks.push_back({kMarkDNf, "dNf", w.dNf, 24,
                   std::fabs(w.dNf - w.db) < 0.15L * mn || std::fabs(w.dNf - w.d) < 0.15L * mn});
  return marks;
}

}  // namespace

void DrawDiameterArcs(const ToothFormContext& s, const WheelGeometry& w, Real cx, Real cy,
                      Real direction_deg, const DiameterArcOptions& options) {
  if (s.abort_flag) return;
  const Real mn = w.mn;
  // One angular pitch: the arcs end on the middle of the neighbouring tooth, where their labels
  // stand clear of the flanks (at 0.75 pitch the flanks of shaft and hub meet).
  const Real half_span = 2 * 180.0L / std::abs(w.z);
  const Real height = 0.1L * mn, width = 0.08L * mn;
  for (const Mark& m : ArcMarks(w)) {
    if (!(options.marks & m.bit) || m.diameter == 0) continue;
    const Real r = std::fabs(m.diameter) / 2;
    Real dir = std::fmod(m.diameter < 0 ? direction_deg + 180 : direction_deg, 360);
    if (dir > 180) dir -= 360;
    if (dir <= -180) dir += 360;
    // Labels stand inside their arc; the hub's root label on the hub body beyond it, and a label
    // that would meet its neighbour's on the other side of the arc.
    bool outside = options.label_outside != (m.bit == kMarkDf && w.z < 0);
    if (m.wide) outside = !outside;
    Real span = half_span;
    if (options.limit_to_window) {
      // A label inside the arc needs its own height above the window edge.
      const Real room = outside ? 0.1L * mn : 0.3L * mn;
      const Real c = (options.window_bottom + room - cy) / r;
      if (c > 1 || c < -1) {
        // The whole arc lies below the window: it would only cross the frame.
        MessageAdd(s.messages, "Warnung: ArcLimit (acos)");
        continue;
      }
      span = std::min(span, std::acos(c) * 180 / kPi);
    }
    // Directions run clockwise from +y; CAD angles counter-clockwise from +x.
    const Real end_dir = dir + options.label_end * span;
    CadLayer(s, m.layer);
    CadTextStyle(s, 2, -end_dir, height, width);  // along the arc at its end
    CadArc(s, cx, cy, 90 - dir - span, 90 - dir + span, r);

    // The label is centred on the arc end.
    const std::string label = m.name + std::to_string(w.wheel);
    const Real length = label.size() * width * s.cfg.cad_text_width_factor;
    const Real rl = outside ? r + 0.05L * mn : r - 0.12L * mn;
    const Real end = DegToRad(end_dir);
    const Real x = cx + rl * std::sin(end) - length / 2 * std::cos(end);
    const Real y = cy + rl * std::cos(end) + length / 2 * std::sin(end);
    CadText(s, label, x, y);
  }
  CadLayer(s, 0);
}

void DrawDiameterCircles(const ToothFormContext& s, const WheelGeometry& w, Real x, Real y,
                         Real reference) {
  if (s.abort_flag) return;
  struct Circle {
    const char* label;
    Real diameter;
    int layer;
  };
  const Real dff = FilletEndDiameter(w);
  std::vector<Circle> circles = {{"dw = ", w.dw, 18},
                                 {"d = ", w.d, 17},
                                 {"db = ", w.db, 29},
                                 {"df = ", w.df, 19},
                                 {"da = ", w.da, 21}};
  if (dff != w.db) circles.push_back({"dFf = ", dff, 20});
  circles.push_back({"dFa = ", w.dFa, 29});
  circles.push_back({"dNf = ", w.dNf, 24});

  const Real h = 0.04L * reference, cw = 0.02857L * reference;
  std::vector<std::string> texts;
  std::size_t longest = 0;
  for (const Circle& c : circles) {
    texts.push_back(c.label + FormatLength(UnitsOf(s.cfg), std::fabs(c.diameter)));
    longest = std::max(longest, texts.back().size());
  }
  // The list is centred on the wheel centre, inside the root circle.
  const Real block = (texts.size() - 1) * 1.6L * h + h;
  CadTextStyle(s, 2, 0, h, cw);
  CadMoveTo(s, x - longest * cw * s.cfg.cad_text_width_factor / 2, y + block / 2 - h);
  for (std::size_t i = 0; i < circles.size(); ++i) {
    CadLayer(s, circles[i].layer);
    CadCircle(s, x, y, std::fabs(circles[i].diameter) / 2);
    CadTextLine(s, texts[i]);
  }
  CadLayer(s, 0);
}

}  // namespace kv9
