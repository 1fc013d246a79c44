// The drawing geometry of the tooth forms: per wheel the values the outlines are built from,
// taken from the calculated pair and the drawing profile shifts, and the involute and fillet
// functions of one tooth. The tooth frame has its origin at the gear centre and the tooth
// centre line on the +y axis; the hub keeps its negative z and diameters, so its tooth comes out
// below the centre with the internal form.
#pragma once

#include "core/real.h"

namespace kv9 {

struct ToothFormContext;

struct WheelGeometry {
  int wheel = 1;  // 1 shaft (external), 2 hub (internal)
  int z = 0;      // negative for the hub
  // Diameters, signed (the hub's are negative). df, da, dw and s follow the drawing shift.
  Real d = 0, db = 0, df = 0, da = 0, dw = 0;
  Real dFa = 0, dNf = 0;
  Real da_input = 0;  // the calculated tip diameter (Do max, -Di min)
  Real s = 0;         // tooth thickness on the reference circle
  Real x = 0;         // profile shift factor of the drawing
  Real mn = 0;
  Real alpha_n = 0, alpha_t = 0, beta = 0;  // radians
  // Tool, absolute lengths and their factors of mn.
  Real haP0 = 0, hfP0 = 0, rhoaP0 = 0, rhofP0 = 0, hFfP0 = 0;
  Real haP0_mn = 0, hfP0_mn = 0, rhoaP0_mn = 0, rhofP0_mn = 0, hFfP0_mn = 0;
  Real alpha_kP0_deg = 0;
  bool chamfer = false;  // tool angle differs from the pressure angle by 0.001° or more
};

struct ToothFormGeometry {
  bool ok = false;  // false when the meshing geometry could not be formed (fatal message)
  Pair<WheelGeometry> wheel;
  Real a = 0;  // centre distance (0 for a spline)
  const WheelGeometry& shaft() const { return wheel[0]; }
  const WheelGeometry& hub() const { return wheel[1]; }
};

// The geometry of both wheels for the drawing shifts s.toothform.xe. It never writes into the
// calculated results.
ToothFormGeometry MakeToothFormGeometry(const ToothFormContext& s);

struct InvolutePointResult {
  Real x = 0, y = 0;
  Real psi = 0;  // angle of the point from the tooth centre line
};

// The point of the right flank at diameter dy. dy = 0 adds "Fatal  : d = 0 !" and gives zeros;
// inside the base circle the point keeps the angle of the involute's start.
InvolutePointResult InvolutePoint(const ToothFormContext& s, const WheelGeometry& w, Real dy);
// Where the tool tip's rounding ends, df + 2 rhoaP0 (1 - sin alpha n), base circle or not.
Real RoundingEndDiameter(const WheelGeometry& w);
// Where the root rounding made by the tool tip ends: RoundingEndDiameter, but never below the
// shaft's base circle.
Real FilletEndDiameter(const WheelGeometry& w);
// True for a shaft whose fillet would end at or inside the base circle.
bool InvoluteReachesBaseCircle(const WheelGeometry& w);

// Arc cosine that gives 0 for an argument beyond ±1 (the calculation reported such data).
Real AcosOrZero(Real c);

}  // namespace kv9
