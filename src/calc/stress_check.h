// The SAE stress check of the spline connection: compressive stress (also for crowned teeth),
// shear at the pitch line, hoop stress in the hub, bending and torsional shear in shaft and
// hub, the equivalent stress and the three checks against the reduced allowable stresses.
// Stresses in N/mm², torque in N·m, lengths in mm.
#pragma once

#include "core/real.h"

namespace kv9 {

struct CalcContext;
struct SplineDataSet;

// The limits the checks compare with (N/mm²): Sac Lw / (Ko Km) for the compressive stress,
// Sas Lf / (Ko Km) for the shear stress and twice that for the equivalent stress.
struct StressLimits {
  Real compressive = 0, shear = 0, equivalent = 0;
};
// False when Ko Km = 0: then there is no limit to compare with.
bool StressCheckLimits(const SplineDataSet& ds, StressLimits& limits);
// A check ratio (limit / stress) fails at 1 and below; 0 means no check was made.
inline bool StressCheckFails(Real ratio) {
  return ratio > 0 && ratio <= 1;
}

// Runs every step on the data set as the toolkit left it (tip and root diameters, tool tip
// radii). A hub outside diameter not above Dri becomes 1.1 Dri + H in the data set.
void StressCheck(const CalcContext& s);

}  // namespace kv9
