// Hatching of a closed polygon and the freehand break line, drawn through the CAD output
// driver. The polygon is collected point by point in s.cad.hatch.
#pragma once

#include "core/real.h"
#include "geometry/plane_geometry.h"

namespace kv9 {

struct DrawingContext;

void ResetHatchPolygon(const DrawingContext& s);
// A 51st point adds "Schraffurfehler" to the message list and is dropped.
void AddHatchPoint(const DrawingContext& s, Real x, Real y);
// 0 outline and hatch in the current layer, 1 outline on layer 5 and hatch on layer 3, 2 hatch
// only, on layer 3.
void SetHatchPen(const DrawingContext& s, int pen);
// Hatches the first n points of the polygon with lines at angle_deg, `spacing` apart (0: a tenth
// of the polygon's extent across the lines). More than 50 points add "Fatal  : n schraff !" and
// draw nothing; more than 10 crossings of one hatch line add "Fatal  : schraff schnittp", set
// the abort flag and stop. Returns the number of hatch lines drawn.
int Hatch(const DrawingContext& s, int n, Real angle_deg, Real spacing);
// A freehand line of six segments from a to b, wavering up to 2·amplitude across; the points go
// into the hatch polygon as well when add_to_hatch is set. Random numbers from s.rng.
void BreakLine(const DrawingContext& s, Point a, Point b, Real amplitude, bool add_to_hatch);

}  // namespace kv9
