// The SAE stress check of the spline connection: compressive stress (also for crowned teeth),
// shear at the pitch line, hoop stress in the hub, bending and torsional shear in shaft and
// hub, the equivalent stress and the three checks against the reduced allowable stresses.
// Stresses in N/mm², torque in N·m, lengths in mm.
#pragma once

namespace kv9 {

struct CalcContext;

// Runs every step on the data set as the toolkit left it (tip and root diameters, tool tip
// radii). A hub outside diameter not above Dri becomes 1.1 Dri + H in the data set.
void StressCheck(const CalcContext& s);

}  // namespace kv9
