// The drawings of the spline connection: shaft and hub views, their data tables and the drawing
// sheets that combine frame, table and scaled view, chosen from a list of nine entries. Every
// drawing goes through the CAD output operations, so it works on every output kind.
#pragma once

#include "core/real.h"

namespace kv9 {

struct DrawingContext;

enum SplineDrawing : int {
  kDrawShaftView = 1,
  kDrawHubView = 2,
  kDrawShaftTable = 3,
  kDrawHubTable = 4,
  kDrawShaftSheet = 5,
  kDrawHubSheet = 6,
  kDrawBothTables = 7,
  kDrawBothSheets = 8,
  kDrawBack = 9,  // "zurück .."
};

struct DrawingExtents {
  Real xmin = 0, ymin = 0, xmax = 0, ymax = 0;
};
// The extents entry 1..8 announces with CadLimits.
DrawingExtents SplineDrawingLimits(const DrawingContext& s, int entry);

// Scales of the views on the sheets: min(90 / da1, 100 / (10 mn + b1)) for the shaft and
// min(90 / (1.5 reference diameter), 100 / b2) for the hub (1 when a size is 0).
Real ShaftSheetScale(const DrawingContext& s);
Real HubSheetScale(const DrawingContext& s);
// The hub sheet of the double sheet stands this far right of the shaft sheet.
inline constexpr Real kSheetOffset = 220;

// Drawing `entry` (1..8) on the output that is open: extents, blocks, entities, CadClose.
void EmitSplineDrawing(const DrawingContext& s, int entry);
// Makes drawing `entry` (1..8) on output kind `kind` (0: the user chooses). Other entries
// draw nothing. A cancelled output choice sets the abort flag and draws nothing.
void DrawSplineDrawing(const DrawingContext& s, int kind, int entry);

// The drawing choice "Bitte wählen ..": choice 0 shows the list and draws the chosen entries
// until "zurück .." or Cancel; 1..8 draw that entry once. With a fatal calculation the message
// list is shown instead and nothing is drawn.
void SplineDrawingMenu(const DrawingContext& s, int kind, int choice);

}  // namespace kv9
