// The part views of the spline drawings: the side view of the shaft end with its spline and the
// conventional break symbol at its left end, and the half section of the hub with hatched walls
// and freehand break lines. Drawn through the CAD output operations.
#pragma once

#include "core/real.h"

namespace kv9 {

struct DrawingContext;

// The sizes the views are drawn with, from the last calculation. Diameters are magnitudes;
// a face width of 0 is replaced by the common face width (or 0.4 of the pitch diameter when
// that is 0 too), as the calculation does.
struct SplineViewSizes {
  Real mn = 0;
  Real b1 = 0, b2 = 0;
  Real reference_diameter = 0;
  Real shaft_pitch = 0, shaft_major = 0, shaft_minor = 0;
  Real hub_pitch = 0, hub_minor = 0, hub_major = 0;
};
SplineViewSizes ViewSizes(const DrawingContext& s);

// The points of the break symbol of a shaft of diameter d, in block coordinates: the closed
// lobe of 47 points from x = 0 to x = d/2 and across ±0.075 d.
struct BreakSymbolPoint {
  Real x, y;
};
void BreakSymbolLobe(Real d, BreakSymbolPoint (&points)[47]);

// The contents of the block "WLSTUMP": the hatched lobe and the mirrored edge of the break.
void DrawShaftBreakSymbol(const DrawingContext& s, Real d);

// The shaft end along +x with its left end at (x0, y0); it inserts "WLSTUMP", which must be
// defined in the blocks section. `sheet_scale` is the scale a sheet inserts the view with, 0 for
// a view drawn alone: on a sheet the designation is at least 2.5 mm high on the paper and moved
// left where it would then run past the view.
void DrawShaftView(const DrawingContext& s, Real x0, Real y0, Real sheet_scale = 0);

// The hub over its face width along +x from (x0, y0), both walls sectioned; `sheet_scale` as for
// the shaft.
void DrawHubView(const DrawingContext& s, Real x0, Real y0, Real sheet_scale = 0);

// The hub wall thickness shown: min(0.25 reference diameter, 4 mn).
Real HubWallThickness(const SplineViewSizes& v);

}  // namespace kv9
