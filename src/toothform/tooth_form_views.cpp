// The tooth-form views: view list, drawing windows, tooth and wheel blocks and their placement.
#include "toothform/tooth_form_views.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <vector>

#include "cad/cad_driver.h"
#include "cad/cad_state.h"
#include "core/generic_dialogs.h"
#include "core/number_format.h"
#include "geometry/plane_geometry.h"
#include "model/config.h"
#include "report/message_dialogs.h"
#include "toothform/cad_settings_form.h"
#include "toothform/diameter_marks.h"
#include "toothform/tool_outline.h"
#include "toothform/tooth_form_config.h"
#include "toothform/tooth_form_context.h"
#include "toothform/tooth_outline.h"

namespace kv9 {

namespace {

// The view list (code page 850).
constexpr const char* kViewEntries[8] = {"Zeichnung Welle",
                                         "Zeichnung Nabe",
                                         "Zeichnung Welle+Nabe",
                                         "Werkzeug (Welle)",
                                         "Werkzeug (Nabe)",
                                         "Zahneingriff",
                                         "Config",
                                         "zur\x81"
                                         "ck .."};
constexpr int kBackEntry = 8;

std::string ToothBlock(int wheel) {
  return "EVOLV" + std::to_string(wheel);
}
std::string WheelBlock(int wheel) {
  return "RAD" + std::to_string(wheel);
}

// The meshing view's text unit: the band of data texts is 9.5 of them high.
Real TextUnit(const DrawingWindow& window) {
  return window.xmax / 22;
}

void RunChoice(const ToothFormContext& s, int kind, int choice) {
  switch (choice) {
    case 1:
      ToothFormDrawing(s, kind, 1, ToothFormView::Wheel);
      break;
    case 2:
      ToothFormDrawing(s, kind, 2, ToothFormView::Wheel);
      break;
    case 3:
      ToothFormDrawing(s, kind, 1, ToothFormView::Pair);
      break;
    case 4:
      ToothFormDrawing(s, kind, 1, ToothFormView::Tool);
      break;
    case 5:
      ToothFormDrawing(s, kind, 2, ToothFormView::Tool);
      break;
    case 6:
      ToothFormDrawing(s, kind, 1, ToothFormView::Meshing);
      break;
    case 7:
      ToothFormDrawing(s, kind, 1, ToothFormView::Config);
      break;
    default:
      break;
  }
}

void MeshingTexts(const ToothFormContext& s, const ToothFormGeometry& g, Real phi1,
                  const DrawingWindow& win) {
  const Real w = win.xmax, u = TextUnit(win);
  CadLayer(s, 3);
  CadRectangle(s, -w, win.ymin, w, win.ymax);
  CadRectangle(s, -w, win.ymax - 9.5L * u, w, win.ymax);
  CadTextStyle(s, 2, 0, u, 0.8L * u);
  auto column = [&](Real x, const std::vector<std::string>& lines) {
    Real y = win.ymax - 1.5L * u;
    for (const std::string& line : lines) {
      CadText(s, line, x, y);
      y -= 1.5L * u;
    }
  };
  const std::string deg = DegreeUnit(UnitsOf(s.cfg));
  column(-w + u, {"mn = " + FormatLength(UnitsOf(s.cfg), g.shaft().mn),
                  "alpha= " + FormatShort(StyleOf(s.cfg), s.ds.phi_d) + deg,
                  "beta = " + FormatShort(StyleOf(s.cfg), s.ds.beta) + deg,
                  "a = " + FormatLength(UnitsOf(s.cfg), g.a),
                  "x1 = " + FormatDecimals(StyleOf(s.cfg), 4, s.ds.x[0]),
                  "phi = " + FormatShort(StyleOf(s.cfg), phi1) + deg});
  for (const WheelGeometry& wg : g.wheel) {
    const std::string n = std::to_string(wg.wheel);
    column(wg.wheel == 1 ? -w / 3 : w / 3,
           {"z" + n + "  = " + std::to_string(std::abs(wg.z)),
            "dw" + n + " = " + FormatLength(UnitsOf(s.cfg), std::fabs(wg.dw)),
            "df" + n + " = " + FormatLength(UnitsOf(s.cfg), std::fabs(wg.df)),
            "da" + n + " = " + FormatLength(UnitsOf(s.cfg), std::fabs(wg.da)),
            "db" + n + " = " + FormatLength(UnitsOf(s.cfg), std::fabs(wg.db)),
            "xe" + n + " = " + FormatDecimals(StyleOf(s.cfg), 4, wg.x)});
  }
}

void DefineBlocks(const ToothFormContext& s, const ToothFormGeometry& g, int wheel,
                  ToothFormView view, bool& lost) {
  auto block = [&](const std::string& name, auto&& body) {
    CadBlockBegin(s, name);
    body();
    // A block whose file could not be written is lost; the driver clears the flag at its end.
    if (s.abort_flag) lost = true;
    CadBlockEnd(s);
  };
  switch (view) {
    case ToothFormView::Wheel:
      block(ToothBlock(wheel), [&] { DrawToothOutline(s, g.wheel[wheel - 1]); });
      break;
    case ToothFormView::Pair:
    case ToothFormView::Meshing:
      for (const WheelGeometry& w : g.wheel)
        block(ToothBlock(w.wheel), [&] { DrawToothOutline(s, w); });
      if (view == ToothFormView::Pair)
        for (const WheelGeometry& w : g.wheel)
          block(WheelBlock(w.wheel), [&] { DrawGearFromTeeth(s, w); });
      break;
    default:
      break;
  }
}

}  // namespace

DrawingWindow WheelWindow(const WheelGeometry& w) {
  const Real half = std::max(std::fabs(w.da), std::fabs(w.df)) / 2 + 1.5L * w.mn;
  return {-half, -half, half, half};
}

DrawingWindow MeshingWindow(const ToothFormContext& s, const ToothFormGeometry& g) {
  // The extent of the teeth the view shows at angle 0.
  Real xmax = 0, ymin = 0, ymax = 0;
  bool first = true;
  // Each wheel's outline is worked out once and turned to the positions that bound the view.
  auto extend = [&](const WheelGeometry& w, Real cy, std::initializer_list<Real> angles_deg) {
    const auto outline = ToothOutlineVertices(s, w, InvolutePointCount(s));
    for (Real angle_deg : angles_deg) {
      for (const OutlineVertex& v : outline) {
        const Point p = RotatePoint({v.x, v.y}, {0, 0}, angle_deg * kPi / 180);
        xmax = first ? std::fabs(p.x) : std::max(xmax, std::fabs(p.x));
        ymin = first ? p.y + cy : std::min(ymin, p.y + cy);
        ymax = first ? p.y + cy : std::max(ymax, p.y + cy);
        first = false;
      }
    }
  };
  const WheelGeometry &w1 = g.shaft(), &w2 = g.hub();
  extend(w1, 0, {360.0L / w1.z, 0});
  const Real tau2 = 360.0L / w2.z;
  extend(w2, g.a, {180 - 1.5L * tau2, 180 - 0.5L * tau2});
  const Real mn = w1.mn, margin = 0.3L * mn;
  DrawingWindow win{-(xmax + margin), ymin - margin, xmax + margin, ymax + margin};
  // A base circle just below the teeth (a small pressure angle) gets room for its labelled arc.
  const Real rb = std::fabs(w2.db) / 2 + g.a;
  if (rb >= ymin - 0.5L * mn) win.ymin = std::min(win.ymin, rb - 0.5L * mn);
  if (s.toothform.meshing_texts) win.ymax += 9.5L * TextUnit(win);
  return win;
}

void DrawGearFromTeeth(const ToothFormContext& s, const WheelGeometry& w) {
  const int n = std::abs(w.z);
  for (int i = 0; i < n && !s.abort_flag; ++i) {
    CadLayer(s, 0);
    CadInsert(s, ToothBlock(w.wheel), 0, 0, 180.0L / w.z + 360 - i * 360.0L / w.z, 1, 1);
  }
}

void DrawWheelPair(const ToothFormContext& s, const ToothFormGeometry& g) {
  const WheelGeometry &w1 = g.shaft(), &w2 = g.hub();
  CadLayer(s, 0);
  CadInsert(s, WheelBlock(2), 0, 0, 0, 1, 1);
  // On the circle of radius (d1 + d2) / 2, which is 0 for a coaxial spline: nothing rolls.
  CadInsert(s, WheelBlock(1), 0, (w1.d + w2.d) / 2, 180 - 180.0L / w1.z, 1, 1);
}

void DrawMeshing(const ToothFormContext& s, const ToothFormGeometry& g, Real phi1,
                 const DrawingWindow& window) {
  const WheelGeometry &w1 = g.shaft(), &w2 = g.hub();
  const Real phi2 = -phi1 * w1.z / w2.z;
  const Real tau1 = 360.0L / w1.z, tau2 = 360.0L / w2.z;
  CadLayer(s, 0);
  for (Real angle : {phi1, phi1 + tau1, phi1 - tau1})
    CadInsert(s, ToothBlock(1), 0, 0, angle, 1, 1);
  for (int k = 0; k < 2; ++k) {
    CadInsert(s, ToothBlock(2), 0, g.a, 180 + 0.5L * tau2 + k * tau2 + phi2, 1, 1);
    CadInsert(s, ToothBlock(2), 0, g.a, 180 - 0.5L * tau2 - k * tau2 + phi2, 1, 1);
  }
  Real top = window.ymax;
  if (s.toothform.meshing_texts) {
    MeshingTexts(s, g, phi1, window);
    top -= 9.5L * TextUnit(window);
  }
  CadLayer(s, 1);
  CadLine(s, 0, window.ymin, 0, top);  // line of centres

  const bool shown = s.toothform.showDiameters();
  DiameterArcOptions hub;
  hub.marks = kMarkDw | kMarkD | kMarkDb | kMarkDf | (shown ? kMarkDFa | kMarkDNf : 0u);
  hub.limit_to_window = true;
  hub.window_bottom = window.ymin;
  DrawDiameterArcs(s, w2, 0, g.a, 180, hub);  // the hub's arcs lie opposite: above the centre
  if (shown) {
    DiameterArcOptions shaft = hub;
    shaft.marks = kMarkDFa | kMarkDNf;
    shaft.label_end = -1;
    DrawDiameterArcs(s, w1, 0, 0, 0, shaft);
  }
}

void ToothFormDrawing(const ToothFormContext& s, int kind, int wheel, ToothFormView view) {
  if (s.fatal_flag) {
    MessageShowList(s.report);
    return;
  }
  if (view != ToothFormView::Config && !CadTeethDrawable(s, s.ds.N)) return;
  const ToothFormGeometry g = MakeToothFormGeometry(s);
  if (!g.ok) {
    MessageShowList(s.report);
    return;
  }
  if (view == ToothFormView::Config) {
    ToothFormConfig(s);
    return;
  }
  wheel = wheel == 2 ? 2 : 1;
  const WheelGeometry& w = g.wheel[wheel - 1];

  // A writer handed in by CadOpenWriter takes the drawing as it is (tests, geometry users).
  if (!(kind == kCadWriterHook && CadIsOpen(s))) CadOpen(s, kind);
  if (s.abort_flag || !CadIsOpen(s)) return;
  DrawingWindow window;
  switch (view) {
    case ToothFormView::Wheel:
      window = WheelWindow(w);
      break;
    case ToothFormView::Pair:
      window = WheelWindow(g.hub());
      break;
    case ToothFormView::Tool: {
      const Real mn = w.mn;
      window = {-2 * mn, -2 * mn, 2 * mn, 2 * mn};
      // The tool data stand right of the tool space; the window reaches past them.
      window.xmax = std::max(window.xmax, ToolTextRight(s, w) + 0.1L * mn);
      break;
    }
    default:
      window = MeshingWindow(s, g);
      break;
  }
  CadLimits(s, window.xmin, window.ymin, window.xmax, window.ymax);
  if (s.abort_flag) {
    CadClose(s);
    return;
  }
  // The extents leave the layer at 29, which the five-layer table does not list: the block
  // headers go on layer 0.
  CadLayer(s, 0);
  // The meshing view always has its hub arcs on layers 17 and above.
  const bool high_layers = s.toothform.showDiameters() || view == ToothFormView::Meshing;
  CadTables(s, high_layers ? 2 : 0);
  CadBlocksBegin(s);
  bool lost = false;
  DefineBlocks(s, g, wheel, view, lost);
  CadSectionEnd(s);
  if (lost) {
    ShowError(DialogsOf(s), "file write error  -  temporary path !");
    CadClose(s);
    s.abort_flag = true;
    return;
  }
  if (!CadIsOpen(s)) return;

  CadEntitiesBegin(s);
  switch (view) {
    case ToothFormView::Wheel:
      DrawGearFromTeeth(s, w);
      if (s.toothform.showDiameters())
        DrawDiameterCircles(s, w, 0, 0, std::max(std::fabs(w.da), std::fabs(w.df)));
      break;
    case ToothFormView::Pair:
      DrawWheelPair(s, g);
      if (s.toothform.showDiameters())
        DrawDiameterCircles(s, g.shaft(), 0, 0,
                            std::max(std::fabs(g.shaft().da), std::fabs(g.shaft().df)));
      break;
    case ToothFormView::Tool:
      DrawToolOutline(s, w, true, true);
      break;
    default:
      DrawMeshing(s, g, s.toothform.shaft_angle, window);
      break;
  }
  CadSectionEnd(s);
  CadClose(s);
}

void ToothFormMenu(const ToothFormContext& s, int kind, int choice) {
  if (choice != 0) {
    RunChoice(s, kind, choice);
    return;
  }
  int current = 1;
  for (;;) {
    const std::vector<std::string> views(kViewEntries, kViewEntries + kBackEntry);
    const int chosen = ChooseFromList(DialogsOf(s), "Bitte w\x84hlen ..", views, current);
    if (s.abort_flag || chosen == kBackEntry) return;
    current = chosen;
    RunChoice(s, kind, chosen);
  }
}

void ToothProfileToCad(const ToothFormContext& s, int part) {
  if (!ShowCadSettingsForm(s, part)) return;
  ToothFormMenu(s, kCadChoose, part == 2 ? 2 : 1);
}

}  // namespace kv9
