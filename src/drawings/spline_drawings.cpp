#include "drawings/spline_drawings.h"

#include <algorithm>

#include "cad/cad_driver.h"
#include "cad/cad_state.h"
#include "cad/drawing_context.h"
#include "core/generic_dialogs.h"
#include "drawings/drawing_frame.h"
#include "drawings/spline_table.h"
#include "drawings/spline_views.h"
#include "report/message_dialogs.h"

namespace kv9 {

namespace {

constexpr const char* kChoiceTexts[9] = {"Zeichnung Welle",
                                         "Zeichnung Nabe",
                                         "Tabelle Welle",
                                         "Tabelle Nabe",
                                         "Zeichnung Welle",
                                         "Zeichnung Nabe",
                                         "Tabelle Welle + Nabe",
                                         "Zeichnung Welle + Nabe",
                                         "zur\x81"
                                         "ck .."};

// Top left corners of the tables: one table alone and inside the sheet's "TABELLE" block, and
// the two tables side by side.
constexpr Real kTableY = 125;
constexpr Real kBothTablesY = 150;
constexpr Real kHubTableX = 130;
// Where the blocks go on the sheets.
constexpr Real kSheetTableX = 45, kSheetTableY = 50, kDoubleSheetTableY = 170;
constexpr Real kViewCentreX = 100, kViewY = 235;

template <class Body>
void Block(const DrawingContext& s, const char* name, Body body) {
  CadBlockBegin(s, name);
  if (!s.abort_flag) body();
  CadBlockEnd(s);
}

void ShaftFrame(const DrawingContext& s, const char* name) {
  const SplineDataSet& d = s.ds;
  Block(s, name,
        [&] { DrawFrame(s, d.drawing_name_shaft, d.drawing_name2_shaft, d.drawing_number_shaft); });
}

void HubFrame(const DrawingContext& s, const char* name) {
  const SplineDataSet& d = s.ds;
  Block(s, name,
        [&] { DrawFrame(s, d.drawing_name_hub, d.drawing_name2_hub, d.drawing_number_hub); });
}

void ShaftBlocks(const DrawingContext& s) {
  Block(s, "WLSTUMP", [&] { DrawShaftBreakSymbol(s, ViewSizes(s).shaft_major); });
  Block(s, "WELLE", [&] { DrawShaftView(s, 0, 0, ShaftSheetScale(s)); });
}

void Blocks(const DrawingContext& s, int entry) {
  switch (entry) {
    case kDrawShaftView:
      Block(s, "WLSTUMP", [&] { DrawShaftBreakSymbol(s, ViewSizes(s).shaft_major); });
      break;
    case kDrawShaftSheet:
      ShaftFrame(s, "FRAME_1");
      ShaftBlocks(s);
      Block(s, "TABELLE", [&] { DrawSplineTable(s, 1, 0, kTableY); });
      break;
    case kDrawHubSheet:
      HubFrame(s, "FRAME_1");
      Block(s, "NABE", [&] { DrawHubView(s, 0, 0, HubSheetScale(s)); });
      Block(s, "TABELLE", [&] { DrawSplineTable(s, 2, 0, kTableY); });
      break;
    case kDrawBothSheets:
      ShaftFrame(s, "FRAME_1");
      HubFrame(s, "FRAME_2");
      ShaftBlocks(s);
      Block(s, "TABELL1", [&] { DrawSplineTable(s, 1, 0, 0); });
      Block(s, "NABE", [&] { DrawHubView(s, 0, 0, HubSheetScale(s)); });
      Block(s, "TABELL2", [&] { DrawSplineTable(s, 2, 0, 0); });
      break;
    default:
      break;
  }
}

void InsertShaftView(const DrawingContext& s, Real sheet_x) {
  Real scale = ShaftSheetScale(s);
  CadInsert(s, "WELLE", sheet_x + kViewCentreX - 0.5L * ViewSizes(s).b1 * scale, kViewY, 0, scale,
            scale);
}

void InsertHubView(const DrawingContext& s, Real sheet_x) {
  Real scale = HubSheetScale(s);
  CadInsert(s, "NABE", sheet_x + kViewCentreX - 0.5L * ViewSizes(s).b2 * scale, kViewY, 0, scale,
            scale);
}

void Entities(const DrawingContext& s, int entry) {
  switch (entry) {
    case kDrawShaftView:
      DrawShaftView(s, 0, 0);
      break;
    case kDrawHubView:
      DrawHubView(s, 0, 0);
      break;
    case kDrawShaftTable:
      DrawSplineTable(s, 1, 0, kTableY);
      break;
    case kDrawHubTable:
      DrawSplineTable(s, 2, 0, kTableY);
      break;
    case kDrawBothTables:
      DrawSplineTable(s, 1, 0, kBothTablesY);
      DrawSplineTable(s, 2, kHubTableX, kBothTablesY);
      break;
    case kDrawShaftSheet:
    case kDrawHubSheet:
      CadLayer(s, 0);
      CadInsert(s, "FRAME_1", 0, 0, 0, 1, 1);
      CadInsert(s, "TABELLE", kSheetTableX, kSheetTableY, 0, 1, 1);
      if (entry == kDrawShaftSheet)
        InsertShaftView(s, 0);
      else
        InsertHubView(s, 0);
      break;
    case kDrawBothSheets:
      CadLayer(s, 0);
      CadInsert(s, "FRAME_1", 0, 0, 0, 1, 1);
      CadInsert(s, "FRAME_2", kSheetOffset, 0, 0, 1, 1);
      CadInsert(s, "TABELL1", kSheetTableX, kDoubleSheetTableY, 0, 1, 1);
      InsertShaftView(s, 0);
      CadInsert(s, "TABELL2", kSheetOffset + kSheetTableX, kDoubleSheetTableY, 0, 1, 1);
      InsertHubView(s, kSheetOffset);
      break;
    default:
      break;
  }
}

}  // namespace

DrawingExtents SplineDrawingLimits(const DrawingContext& s, int entry) {
  const SplineViewSizes v = ViewSizes(s);
  switch (entry) {
    case kDrawShaftView: {
      // The view reaches 11 mn + b1; a small reference diameter would cut its right end off.
      Real xmax = std::max(0.5L * v.reference_diameter + v.b1, 12 * v.mn + v.b1);
      return {-5 * v.mn, -0.6L * v.shaft_major, xmax, 0.6L * v.shaft_major};
    }
    case kDrawHubView:
      return {-5 * v.mn, -1.1L * v.reference_diameter, 5 * v.mn + v.b2,
              1.1L * v.reference_diameter};
    case kDrawShaftTable:
    case kDrawHubTable:
      return {-5, -5, 130, 130};
    case kDrawShaftSheet:
    case kDrawHubSheet:
      return {-5, -5, 225, 310};
    case kDrawBothTables:
      return {-5, -5, 260, 160};
    case kDrawBothSheets:
      return {-5, -5, 435, 310};
    default:
      return {};
  }
}

Real ShaftSheetScale(const DrawingContext& s) {
  const SplineViewSizes v = ViewSizes(s);
  Real length = 10 * v.mn + v.b1;
  if (!(v.shaft_major > 0) || !(length > 0)) return 1;
  return std::min(90 / v.shaft_major, 100 / length);
}

Real HubSheetScale(const DrawingContext& s) {
  const SplineViewSizes v = ViewSizes(s);
  if (!(v.reference_diameter > 0) || !(v.b2 > 0)) return 1;
  return std::min(90 / (1.5L * v.reference_diameter), 100 / v.b2);
}

void EmitSplineDrawing(const DrawingContext& s, int entry) {
  CadLayer(s, 0);
  DrawingExtents e = SplineDrawingLimits(s, entry);
  CadLimits(s, e.xmin, e.ymin, e.xmax, e.ymax);
  CadTables(s, 2);
  CadBlocksBegin(s);
  Blocks(s, entry);
  CadSectionEnd(s);
  // A drawing that stopped still closes its output, so that no file is left open; the abort
  // flag stays set for the caller.
  if (!s.abort_flag) {
    CadEntitiesBegin(s);
    Entities(s, entry);
    CadSectionEnd(s);
  }
  CadClose(s);
}

void DrawSplineDrawing(const DrawingContext& s, int kind, int entry) {
  if (entry < kDrawShaftView || entry > kDrawBothSheets || !CadTeethDrawable(s, s.ds.N)) return;
  CadOpen(s, kind);
  if (s.abort_flag || !CadIsOpen(s)) return;
  EmitSplineDrawing(s, entry);
}

void SplineDrawingMenu(const DrawingContext& s, int kind, int choice) {
  if (s.fatal_flag) {
    MessageShowList(s.report);
    return;
  }
  if (choice != 0) {
    DrawSplineDrawing(s, kind, choice);
    return;
  }
  int current = 1;
  for (;;) {
    const std::vector<std::string> choices(std::begin(kChoiceTexts), std::end(kChoiceTexts));
    int chosen = ChooseFromList(DialogsOf(s), "Bitte w\x84hlen ..", choices, current);
    if (s.abort_flag || chosen == kDrawBack) return;
    DrawSplineDrawing(s, kind, chosen);
    s.abort_flag = false;
    current = chosen;
  }
}

}  // namespace kv9
