// One tooth of the shaft or the hub as a closed-form outline: root, both involute flanks and the
// tip arc as one polyline on layer 5, and the root trochoid of the tool tip rounding. Everything
// goes through the CAD output operations, in the tooth frame (centre line on +y, or on -y for
// the hub through its negative diameters).
#pragma once

#include <vector>

#include "core/real.h"
#include "toothform/tooth_geometry.h"

namespace kv9 {

struct ToothFormContext;

struct OutlineVertex {
  Real x = 0, y = 0;
  Real angle = 0;  // included angle of the segment to the next vertex, radians, + = CCW
};

// The number of involute points a tooth is drawn with: the setting, 20 for a stored 0, and
// never fewer than the two ends of a flank.
int InvolutePointCount(const ToothFormContext& s);

// The vertices of the tooth polyline, from the gap middle on the right (x > 0) over the right
// flank, the tip and the left flank to the mirrored gap middle. A shaft whose involute reaches
// the base circle starts and ends on the base circle instead, unless `close_root` asks for the
// rounding arc there too (a cut contour needs a root under every flank).
std::vector<OutlineVertex> ToothOutlineVertices(const ToothFormContext& s, const WheelGeometry& w,
                                                int n, bool close_root = false);
// The path of the tool tip rounding relative to the gear while the rack rolls on the reference
// circle. Side 1 is the left fillet with the root chord from the neighbouring tooth, side 2 the
// right fillet. Only the points inside the usable root circle are kept.
std::vector<OutlineVertex> TrochoidVertices(const ToothFormContext& s, const WheelGeometry& w,
                                            int side);

// The tooth polyline on layer 5; with the trochoid setting, for a shaft whose involute reaches
// the base circle, the two trochoids close the root (after the tooth centre line on layer 1 when
// the diameters are shown). Nothing while the abort flag is set.
void DrawToothOutline(const ToothFormContext& s, const WheelGeometry& w);
void DrawRootTrochoid(const ToothFormContext& s, const WheelGeometry& w, int side);

}  // namespace kv9
