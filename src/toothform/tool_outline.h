// The generating tool (basic rack) of the shaft or the hub: one tool tooth with the adjoining
// root on layer 3, and with the annotation its centre and datum lines and its data texts.
#pragma once

#include "core/real.h"
#include "geometry/plane_geometry.h"
#include "toothform/tooth_geometry.h"

namespace kv9 {

struct ToothFormContext;

// The outline points of the right half of the tool tooth, in the gear's frame: y = 0 on the
// gear's reference line, the tool tip line at y = -hf. x values are not yet divided for the
// transverse section.
struct ToolProfile {
  Real hf = 0;             // (d - df) / 2
  Real xc = 0, yc = 0;     // tip rounding centre
  Point flank_low;         // where the tip rounding meets the flank
  Real y_root = 0;         // tool root line
  Real y_datum = 0;        // tool datum line
  Point flank_high;        // top of the straight flank (chamfer start with a chamfer)
  Point corner;            // flank or chamfer on the root line, before any rounding
  Real top_angle_deg = 0;  // angle of the last flank piece to the y axis
  Real root_centre_x = 0;  // root rounding centre (with rhofP0 > 0), at y_root - rhofP0
  Point root_touch;        // where the root rounding meets the flank or chamfer
  Real space_middle = 0;   // x of the middle of the tool space
};
ToolProfile MakeToolProfile(const WheelGeometry& w);

// transverse: x divided by cos beta (an elliptical root rounding when beta is not 0).
// annotate: centre and datum lines on layer 1, the drawing number and name with "(Tool)", and
// the tool data of the wheel on layer 4.
void DrawToolOutline(const ToothFormContext& s, const WheelGeometry& w, bool transverse,
                     bool annotate);

// The right end of the data texts of DrawToolOutline with annotation, for the drawing window.
Real ToolTextRight(const ToothFormContext& s, const WheelGeometry& w);

}  // namespace kv9
