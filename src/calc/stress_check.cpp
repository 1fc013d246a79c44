#include "calc/stress_check.h"

#include <cmath>
#include <string>

#include "calc/calc_context.h"
#include "calc/calc_support.h"
#include "calc/stress_tables.h"
#include "core/guarded_math.h"
#include "core/number_format.h"

namespace kv9 {

namespace {

constexpr Real kNoRatio = 999999;  // a ratio that cannot be formed never fails its check

// A stress num / den; a zero divisor gives 0 and, when there is a load to carry, a message
// naming the stress.
Real Stress(const CalcContext& s, const char* name, Real num, Real den) {
  if (den != 0) return num / den;
  if (num != 0) MessageAdd(s.messages, std::string("Fehler : ") + name + " Divisor = 0 !");
  return 0;
}

}  // namespace

bool StressCheckLimits(const SplineDataSet& ds, StressLimits& limits) {
  // Ko Km = 0 exactly when Ko or Km is 0 (or their product underflows)
  const Real load_factors = ds.ko * ds.km;
  if (load_factors == 0) return false;
  limits.compressive = ds.sac * ds.lw / load_factors;
  limits.shear = ds.sas * ds.lf / load_factors;
  limits.equivalent = 2 * ds.sas * ds.lf / load_factors;
  return true;
}

void StressCheck(const CalcContext& s) {
  auto& ds = s.ds;
  const Real T = ds.torque;
  const Real D = ds.D[0];
  const Real N = ds.N;
  const Real b = ds.b;
  StressLimits limits;
  const bool limited = StressCheckLimits(ds, limits);
  ds.ratio_compressive = 0;
  ds.ratio_shear = 0;
  ds.ratio_equivalent = {0, 0};

  ds.H = (ds.da[0] + ds.da[1]) / 2;  // da2 is negative: the overlap of the tips

  for (int i = 0; i < 2; ++i) {
    if (ds.rhoaP0[i] > 0) {
      const Real depth = (ds.da[i] - ds.df[i]) / 2;
      ds.Kt[i] = 1 + 0.5L * SqrtMsg(s.messages, "Fehler : Kt", depth / ds.rhoaP0[i]);
    } else {
      ds.Kt[i] = 99;
    }
  }

  ds.Sc = Stress(s, "Sc", 2000 * T, N * D * b * ds.H);

  ds.B = ds.A = ds.R = ds.Sc_crowned = 0;
  const auto misalignment = MaxMisalignment(ds.misalign_index);
  if (misalignment && ds.mat_index > 0) {
    ds.B = *misalignment;
    ds.A = ds.B * b / 2;
    ds.R = b * b / (8 * ds.A);
    // the crowned-tooth formula is in inch units and psi
    const Real T_lbfin = T * kNmToLbfin;
    const Real radicand =
        Stress(s, "Sc crowned", 2 * T_lbfin, (D / kInch) * N * (ds.H / kInch) * (ds.R / kInch));
    ds.Sc_crowned = 2290 * SqrtMsg(s.messages, "Fehler : Sc crowned", radicand) * kPsiToMpa;
  }

  ds.ratio_compressive = ds.Sc != 0 && limited ? limits.compressive / ds.Sc : kNoRatio;

  // Shear at the pitch line: half the teeth carry the load, each over its basic circular
  // thickness t = pn/2 (the published SAE formula Ss = 4 T Km/(D N Le t)).
  ds.Ne = N / 2;
  const Real t = ds.pn / 2;
  ds.Ss = Stress(s, "Ss", 2000 * T, D * ds.Ne * b * t);
  ds.ratio_shear = ds.Ss != 0 && limited ? limits.shear / ds.Ss : kNoRatio;

  if (!(ds.od > ds.Dri)) ds.od = 1.1L * ds.Dri + ds.H;
  ds.tw = (ds.od - ds.Dri) / 2;
  ds.Sh = Stress(s, "Sh", 1000 * T * SafeTan(s.messages, ds.alpha), kPi * D * ds.tw * b);

  ds.Sb[0] = Stress(s, "Sb", 2000 * T, 0.5L * D * D * b * ds.Ne);
  ds.Sb[1] = Stress(s, "Sb", 2000 * T, 1.5L * D * D * b * ds.Ne);

  // hollow shaft with bore din; a bore reaching the minor diameter leaves no wall to compute,
  // so the shaft counts as solid after the message
  Real bore = ds.din;
  if (bore != 0 && std::fabs(bore) >= ds.Dre) {
    MessageAdd(s.messages, "Fehler : Din >= Dre !");
    bore = 0;
  }
  const Real dre4 = IntPower(4, ds.Dre), bore4 = IntPower(4, bore);
  ds.St[0] = Stress(s, "St1", 16000 * T * ds.Dre, kPi * (dre4 - bore4)) * ds.Kt[0];
  const Real od4 = IntPower(4, ds.od), dri4 = IntPower(4, ds.Dri);
  ds.St[1] = Stress(s, "St2", 16000 * T * ds.od, kPi * (od4 - dri4)) * ds.Kt[1];

  for (int i = 0; i < 2; ++i) {
    const Real bending = ds.Sh + ds.Sb[i];
    ds.Se[i] = std::sqrt(bending * bending + 3 * ds.St[i] * ds.St[i]);
    if (ds.Se[i] > 0) ds.ratio_equivalent[i] = limited ? limits.equivalent / ds.Se[i] : kNoRatio;
    if (StressCheckFails(ds.ratio_equivalent[i]))
      MessageAdd(s.messages, "Fehler : Se>Sas*2Lf/KoKm (" + calc::MemberText(i) + ")");
  }
  if (StressCheckFails(ds.ratio_compressive)) MessageAdd(s.messages, "Fehler : Sc>Sac*Lw/KoKm");
  if (StressCheckFails(ds.ratio_shear)) MessageAdd(s.messages, "Fehler : Ss>Sas*Lf/KoKm");
}

}  // namespace kv9
