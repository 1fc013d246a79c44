// The cutting contour of a whole shaft or hub: one tooth outline turned about the centre once
// per tooth and joined into one closed chain.
#pragma once

#include <vector>

#include "core/real.h"
#include "toothform/tooth_outline.h"

namespace kv9 {

// `tooth` runs from one gap middle to the next, which lies one pitch (2 pi / z) further about
// the origin: what ToothOutlineVertices gives. The result holds |z| copies turned by k 2 pi / z;
// each copy's last vertex is left out, since the next copy starts there, and the last copy's
// end is the first vertex, so the chain is closed without repeating it. Consecutive vertices
// closer than `tolerance` in both coordinates count as one (the later one's arc is kept, as it
// starts the segment that goes on). Empty for z = 0 or fewer than two vertices.
std::vector<OutlineVertex> CutContour(const std::vector<OutlineVertex>& tooth, int z,
                                      Real tolerance);

}  // namespace kv9
