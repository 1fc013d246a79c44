// Inspection dimensions over (shaft) and between (hub) two balls or pins, the span count and
// the proposed ball diameter. Members are 0 (shaft) and 1 (hub); the hub's values keep the
// internal-gear signs (its dimension between balls is negative).
#pragma once

#include <string_view>

#include "core/real.h"

namespace kv9 {

struct CalcContext;

// Dimension over or between balls of diameter dm for the profile shift x (M of the member).
Real BallDimension(const CalcContext& s, int member, Real x, Real dm);
// The span count formula: trunc(z alpha y / pi + 1), 0 or negative for the hub. An arccos
// argument out of range adds `acos_name` + " (acos)" and gives 1.
int SpanCountFormula(const CalcContext& s, int member, Real x, std::string_view acos_name);
// The span count proposed by the "<" button and checked by the warnings: z = 0 adds
// "Fatal  : z = 0 !", sets the fatal flag and gives 0; out of range "Fehler : kmess (acos)".
int SpanCountProposal(const CalcContext& s, int member, Real x);
// The proposed ball diameter for the profile shift x, unrounded (0 when no ball angle exists).
Real ProposedBallDiameter(const CalcContext& s, int member, Real x);
// A ball diameter rounded as the display unit shows it: 0.1 mm, or 0.001 in (halves to even).
Real RoundBallDiameter(bool inch, Real dm);
// The measurement step of the calculation: span counts of 0 filled in, then MdRmin, MdRmax
// and MdR of both members. Does nothing while the fatal flag is set.
void MeasurementStep(const CalcContext& s);

}  // namespace kv9
