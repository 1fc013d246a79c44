// Drawing geometry of shaft and hub teeth and the involute of one flank.
#include "toothform/tooth_geometry.h"

#include <cmath>

#include "calc/meshing_geometry.h"
#include "core/message_list.h"
#include "toothform/tooth_form_context.h"

namespace kv9 {

namespace {

Real Involute(Real a) {
  return std::tan(a) - a;
}

}  // namespace

Real AcosOrZero(Real c) {
  return c >= -1 && c <= 1 ? std::acos(c) : 0;  // NaN gives 0 as well
}

ToothFormGeometry MakeToothFormGeometry(const ToothFormContext& s) {
  const auto& ds = s.ds;
  // The drawing shift already says which tooth is drawn (a mean tooth has the mean shift), so
  // the meshing geometry runs without its mean-tolerance switch, on the nominal centre distance.
  MeshingGeometry m = ComputeMeshingGeometry(s.calc(), s.toothform.xe);
  ToothFormGeometry g;
  g.ok = m.ok;
  g.a = ds.a;
  for (int i = 0; i < 2; ++i) {
    WheelGeometry& w = g.wheel[i];
    w.wheel = i + 1;
    w.z = ds.z[i];
    w.d = ds.D[i];
    w.db = ds.Db[i];
    w.df = m.df[i];
    w.da = m.da[i];
    w.dw = m.dw[i];
    w.s = m.s[i];
    w.dFa = ds.dFa[i];
    w.dNf = ds.dNf[i];
    w.da_input = ds.da[i];
    w.x = s.toothform.xe[i];
    w.mn = ds.mn;
    w.alpha_n = ds.alpha;
    w.alpha_t = ds.alpha_t;
    w.beta = ds.beta * kPi / 180;
    w.haP0 = ds.haP0[i];
    w.hfP0 = ds.hfP0[i];
    w.rhoaP0 = ds.rhoaP0[i];
    w.hFfP0 = ds.hFfP0[i];
    w.haP0_mn = ds.hap0_mn[i];
    w.hfP0_mn = ds.hfp0_mn[i];
    w.rhoaP0_mn = ds.rhoap0_mn[i];
    w.hFfP0_mn = ds.hFfP0_mn[i];
    // The generating tool of a spline has a sharp root: no root radius is calculated.
    w.rhofP0 = w.rhofP0_mn = 0;
    w.alpha_kP0_deg = ds.alpha_kP0[i];
    w.chamfer = std::fabs(ds.alpha_kP0[i] - ds.phi_d) >= 0.001L;
  }
  return g;
}

InvolutePointResult InvolutePoint(const ToothFormContext& s, const WheelGeometry& w, Real dy) {
  InvolutePointResult p;
  if (dy == 0) {
    MessageAdd(s.messages, "Fatal  : d = 0 !");
    return p;
  }
  const Real alpha_y = AcosOrZero(w.db / dy);
  p.psi = w.s / std::cos(w.beta) / w.d + Involute(w.alpha_t) - Involute(alpha_y);
  p.x = dy / 2 * std::sin(p.psi);
  p.y = dy / 2 * std::cos(p.psi);
  return p;
}

Real RoundingEndDiameter(const WheelGeometry& w) {
  return w.df + 2 * w.rhoaP0 * (1 - std::sin(w.alpha_n));
}

Real FilletEndDiameter(const WheelGeometry& w) {
  const Real dff = RoundingEndDiameter(w);
  if (w.z > 0 && dff <= w.db) return w.db;
  return dff;
}

bool InvoluteReachesBaseCircle(const WheelGeometry& w) {
  return w.z >= 0 && RoundingEndDiameter(w) <= w.db;
}

}  // namespace kv9
