// The involute gear-pair toolkit over the data set: the spline is treated as a straight
// internal pair, shaft z1 = N and hub z2 = -N with negative diameters and x2 = -x1, cut by a
// rack tool whose dimensions the spline geometry derives. Every operation reads and writes the
// data set and reports through the message list; the first three only add their own fatal
// message and return when the fatal flag is already set.
#pragma once

namespace kv9 {

struct CalcContext;

// Plausibility limits (phi D, helix, mn, b, |z|), face widths raised to b (b1, b2 change in
// the data set), tool angles, alpha, alpha t, mt, d and x min.
void GearSetup(const CalcContext& s);
// Deviations, absolute tool values, working pressure angle (a failure sets the fatal and the
// abort flag), backlash, generating profile shifts, dw, df, dfB, da th, da0, db and the pitches.
void PairGeometry(const CalcContext& s);
// Tip shortening (da = da0 when |kmn| < 0.001), tip clearance, tooth heights, tooth
// thicknesses, tip thicknesses, form and usable root diameters, mating tip limits and the tip
// interference value Y of the internal pair.
void ToothDimensions(const CalcContext& s);
// The warnings about pointed teeth, undercut, tip clearance, interference, profile shift, tool
// angles, ball diameter, span count and deviations; run after the measurement step.
void PlausibilityWarnings(const CalcContext& s);

}  // namespace kv9
