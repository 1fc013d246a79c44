// The "Involute Spline Data" table of the shaft (part 1) or the hub (part 2): a heading and two
// columns of label and value, drawn through the CAD output operations with its top left corner
// at a given point.
#pragma once

#include <string>
#include <vector>

#include "core/real.h"

namespace kv9 {

struct DrawingContext;

// Geometry of the table, in drawing units.
inline constexpr Real kTableTextHeight = 3.5L;
inline constexpr Real kTableRowHeight = 2 * kTableTextHeight;
inline constexpr Real kTableLabelWidth = 25 * 0.9L * kTableTextHeight;  // 78.75
inline constexpr Real kTableValueWidth = 14 * 0.9L * kTableTextHeight;  // 44.1
inline constexpr Real kTableWidth = kTableLabelWidth + kTableValueWidth;

// One row below the heading: its texts (code page 850, without the leading blank each cell
// gets), whether the middle boundary is drawn and whether a line closes the row below.
struct SplineTableRow {
  std::string label;
  std::string value;
  bool middle_boundary = true;
  bool rule_below = true;
};

// The heading text and the rows of part 1 or 2, values formatted in the data set's unit. Any
// other part gives an empty heading and no rows.
std::string SplineTableHeading(const DrawingContext& s, int part);
std::vector<SplineTableRow> SplineTableRows(const DrawingContext& s, int part);

// Draws the table with its top left corner at (x0, y0); rows go downwards. Any other part
// than 1 or 2 adds "Error Radnr !" to the message list and draws nothing.
void DrawSplineTable(const DrawingContext& s, int part, Real x0, Real y0);

// The height of the whole table of a part, heading included.
Real SplineTableHeight(const DrawingContext& s, int part);

}  // namespace kv9
