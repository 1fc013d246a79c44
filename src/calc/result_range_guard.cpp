#include "calc/result_range_guard.h"

#include <cmath>

#include "calc/calc_context.h"

namespace kv9 {

namespace {

// Calls f on every real the calculation writes (results, derived values, the widths and the
// outside diameter it may replace).
template <class F>
void ForEachCalculatedReal(SplineDataSet& d, F&& f) {
  auto pair = [&](Pair<Real>& p) {
    f(p[0]);
    f(p[1]);
  };
  for (Real* v : {&d.Dri,
                  &d.DFi,
                  &d.Di_min,
                  &d.Di_max,
                  &d.Do_max,
                  &d.Do_min,
                  &d.DFe,
                  &d.Dre,
                  &d.cf,
                  &d.Sv_min,
                  &d.Sv_max,
                  &d.S_max,
                  &d.S_min,
                  &d.tv_max,
                  &d.tv_min,
                  &d.t_min,
                  &d.t_max,
                  &d.cv_max,
                  &d.m,
                  &d.lambda,
                  &d.cv_min,
                  &d.es,
                  &d.es_rqd,
                  &d.F_beta,
                  &d.Ffp,
                  &d.Ffm,
                  &d.Fp,
                  &d.TDEE,
                  &d.TDII,
                  &d.jtmin,
                  &d.jtmax,
                  &d.alpha,
                  &d.alpha_t,
                  &d.alpha_wt,
                  &d.a,
                  &d.beta,
                  &d.beta_b,
                  &d.mt,
                  &d.pn,
                  &d.pt,
                  &d.pbt,
                  &d.Y,
                  &d.H,
                  &d.Ne,
                  &d.Sc,
                  &d.B,
                  &d.A,
                  &d.R,
                  &d.Sc_crowned,
                  &d.Ss,
                  &d.Sh,
                  &d.tw,
                  &d.ratio_compressive,
                  &d.ratio_shear,
                  &d.P,
                  &d.phi_d,
                  &d.mn,
                  &d.reference_diameter,
                  &d.b,
                  &d.b1,
                  &d.b2,
                  &d.od})
    f(*v);
  for (Pair<Real>* p : {&d.D,        &d.Db,      &d.Ase_Aei,    &d.Asi_Aee,
                        &d.T,        &d.x_min,   &d.xemax,      &d.xemin,
                        &d.da,       &d.da_th,   &d.da0,        &d.df,
                        &d.dfB,      &d.dw,      &d.dFa,        &d.dFf,
                        &d.dNf,      &d.da_eff,  &d.kmn,        &d.ck,
                        &d.h,        &d.sn_th,   &d.sn_max,     &d.sn_min,
                        &d.en,       &d.sa,      &d.sa_max,     &d.sa_min,
                        &d.hfP0,     &d.haP0,    &d.rhoaP0,     &d.hFfP0,
                        &d.hFfP0_mn, &d.prP0,    &d.alpha_prP0, &d.alpha_kP0,
                        &d.MdR,      &d.MdRmin,  &d.MdRmax,     &d.Kt,
                        &d.Sb,       &d.St,      &d.Se,         &d.ratio_equivalent,
                        &d.x,        &d.hap0_mn, &d.hfp0_mn,    &d.rhoap0_mn})
    pair(*p);
}

}  // namespace

bool GuardResultRange(const CalcContext& s) {
  bool all_finite = true;
  ForEachCalculatedReal(s.ds, [&](Real& v) {
    if (!std::isfinite(v)) {
      v = 0;
      all_finite = false;
    }
  });
  if (!all_finite) MessageAdd(s.messages, "Fehler : Zahlenbereich !");
  return all_finite;
}

}  // namespace kv9
