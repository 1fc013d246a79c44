#include "calc/involute_toolkit.h"

#include <cmath>
#include <string>

#include "calc/calc_context.h"
#include "calc/calc_support.h"
#include "calc/involute_inverse.h"
#include "calc/pin_measurement.h"
#include "calc/tolerances.h"
#include "core/guarded_math.h"

namespace kv9 {

using calc::MemberText;
using calc::Quotient;
using calc::SignOf;

namespace {

void Fatal(const CalcContext& s, const std::string& text) {
  s.fatal_flag = true;
  MessageAdd(s.messages, text);
}

Real Square(Real v) {
  return v * v;
}

}  // namespace

void GearSetup(const CalcContext& s) {
  if (s.fatal_flag) {
    MessageAdd(s.messages, "Fatal  : Unit0");
    return;
  }
  auto& ds = s.ds;
  // written as negations so that a NaN from a file fails the checks as well
  if (!(ds.phi_d >= 5 && ds.phi_d <= 45)) return Fatal(s, "Fatal  : alpha !");
  if (std::fabs(ds.beta) > 45) MessageAdd(s.messages, "Fatal  : beta > 45!");
  if (!(ds.mn > 0)) return Fatal(s, "Fatal  : mn <= 0!");
  if (!(ds.b > 0)) return Fatal(s, "Fatal  : b <= 0!");
  for (int i = 0; i < 2; ++i)
    if (std::llabs(ds.z[i]) < 2) return Fatal(s, "Fatal  : z" + MemberText(i) + " < 2!");

  // A member narrower than the common width is widened to it; the data set keeps the value.
  if (!(ds.b1 >= ds.b)) ds.b1 = ds.b;
  if (!(ds.b2 >= ds.b)) ds.b2 = ds.b;

  for (int i = 0; i < 2; ++i) {
    if (ds.alpha_kP0[i] == 0) ds.alpha_kP0[i] = ds.phi_d;
    if (ds.alpha_kP0[i] == ds.phi_d) ds.hFfP0_mn[i] = ds.hfp0_mn[i];
  }

  ds.alpha = DegToRad(ds.phi_d);
  const Real beta = DegToRad(ds.beta);
  const Real cos_beta = std::cos(beta);
  ds.mt = ds.mn / cos_beta;
  for (int i = 0; i < 2; ++i) ds.D[i] = ds.z[i] * ds.mt;
  ds.alpha_t = std::atan(SafeTan(s.messages, ds.alpha) / cos_beta);
  const Real sin_alpha = std::sin(ds.alpha);
  for (int i = 0; i < 2; ++i)
    ds.x_min[i] = 5.0L / 6.0L - ds.z[i] * Square(sin_alpha) / (2 * cos_beta * cos_beta * cos_beta);
}

void PairGeometry(const CalcContext& s) {
  if (s.fatal_flag) {
    MessageAdd(s.messages, "Fatal  : KV9");
    return;
  }
  auto& ds = s.ds;
  ToothThicknessDeviations(s);

  // the plain tool: no protuberance
  for (int i = 0; i < 2; ++i) {
    ds.prP0[i] = 0;
    ds.alpha_prP0[i] = 0;
    if (std::fabs(ds.alpha_kP0[i] - ds.phi_d) < 0.001L) ds.hFfP0_mn[i] = ds.hfp0_mn[i];
    ds.hfP0[i] = ds.hfp0_mn[i] * ds.mn;
    ds.haP0[i] = ds.hap0_mn[i] * ds.mn;
    ds.rhoaP0[i] = ds.rhoap0_mn[i] * ds.mn;
    ds.hFfP0[i] = ds.hFfP0_mn[i] * ds.mn;
  }

  const Real beta = DegToRad(ds.beta);
  const Real cos_beta = std::cos(beta);
  const Real tan_alpha = SafeTan(s.messages, ds.alpha);
  ds.beta_b = std::atan(std::tan(beta) * std::cos(ds.alpha_t));

  const long long z_sum = static_cast<long long>(ds.z[0]) + ds.z[1];
  Real inv_alpha_wt = Inv(s.messages, ds.alpha_t);
  if (z_sum != 0) inv_alpha_wt += 2 * tan_alpha * (ds.x[0] + ds.x[1]) / z_sum;
  ds.alpha_wt = InverseInvolute(s, inv_alpha_wt);
  if (ds.alpha_wt == 0) {
    s.abort_flag = true;
    return Fatal(s, "Fatal  : alpha wt !");
  }

  // centre-distance allowances are 0
  ds.jtmin = -(ds.Ase_Aei[0] + ds.Ase_Aei[1]) / cos_beta;
  ds.jtmax = -(ds.Asi_Aee[0] + ds.Asi_Aee[1]) / cos_beta;
  for (int i = 0; i < 2; ++i) {
    ds.xemin[i] = ds.x[i] + Quotient(ds.Asi_Aee[i], 2 * ds.mn * tan_alpha);
    ds.xemax[i] = ds.x[i] + Quotient(ds.Ase_Aei[i], 2 * ds.mn * tan_alpha);
  }

  const Real cos_alpha_t = std::cos(ds.alpha_t);
  for (int i = 0; i < 2; ++i) {
    const Real d = ds.D[i];
    ds.dw[i] = cos_alpha_t * d / std::cos(ds.alpha_wt);
    ds.df[i] = d - 2 * ds.haP0[i] + 2 * ds.xemax[i] * ds.mn;
    if (ds.z[i] > 0 && ds.df[i] < 0) {
      Fatal(s, "Fatal  : df <=0 ! (" + MemberText(i) + ")");
      break;
    }
    ds.dfB[i] = d - 2 * ds.haP0[i] + 2 * ds.xemin[i] * ds.mn;
    ds.da_th[i] = d + 2 * (ds.x[i] * ds.mn + ds.hfP0[i]);
    ds.da0[i] = ds.df[i] + 2 * (ds.hfP0[i] + ds.haP0[i]);
    ds.Db[i] = d * cos_alpha_t;
  }

  ds.pn = kPi * ds.mn;
  ds.pt = ds.pn / cos_beta;
  ds.pbt = ds.pt * cos_alpha_t;
  ds.a = (ds.dw[0] + ds.dw[1]) / 2;
}

void ToothDimensions(const CalcContext& s) {
  if (s.fatal_flag) {
    MessageAdd(s.messages, "Fatal  : Unit2");
    return;
  }
  auto& ds = s.ds;
  const Real cos_beta = std::cos(DegToRad(ds.beta));
  const Real tan_alpha = SafeTan(s.messages, ds.alpha);
  const Real inv_alpha_t = Inv(s.messages, ds.alpha_t);
  const Real cos_alpha_t = std::cos(ds.alpha_t);
  const Real mn = ds.mn;

  for (int i = 0; i < 2; ++i) {
    const int j = 1 - i;
    ds.kmn[i] = (ds.da0[i] - ds.da[i]) / 2;
    if (std::fabs(ds.kmn[i]) < 0.001L) {
      ds.kmn[i] = 0;
      ds.da[i] = ds.da0[i];
    }
    if (ds.kmn[i] < 0) MessageAdd(s.messages, "Fehler : kmn < 0 !  (" + MemberText(i) + ")");
    ds.ck[i] = ds.a - (ds.da[i] + ds.df[j]) / 2;
    ds.h[i] = (ds.da[i] - ds.df[i]) / 2;
    ds.sn_th[i] = (kPi / 2 + 2 * ds.x[i] * tan_alpha) * mn;
    ds.sn_max[i] = (kPi / 2 + 2 * ds.xemax[i] * tan_alpha) * mn;
    ds.sn_min[i] = (kPi / 2 + 2 * ds.xemin[i] * tan_alpha) * mn;
    ds.en[i] = (ds.pt - ds.sn_th[i] / cos_beta) * cos_beta;
    ds.dFa[i] = ds.da[i];

    // tooth thickness on the tip circle (signed values also give the internal tooth)
    const Real d = ds.D[i];
    const Real cos_ratio = ds.da[i] != 0 ? cos_alpha_t * d / ds.da[i] : 2;  // 2: out of range
    const Real alpha_a = ArcCosMsg(s.messages, "Fatal  : ArcCos(cos(alpha t)*d/da)>1 !", cos_ratio);
    const Real inv_alpha_a = Inv(s.messages, alpha_a);
    auto tip_thickness = [&](Real sn) {
      return ds.da[i] * (inv_alpha_t + Quotient(sn, d * cos_beta) - inv_alpha_a);
    };
    ds.sa[i] = tip_thickness(ds.sn_th[i]);
    ds.sa_max[i] = tip_thickness(ds.sn_max[i]);
    ds.sa_min[i] = tip_thickness(ds.sn_min[i]);
  }

  const Real sin_alpha = std::sin(ds.alpha);
  const Real sin_wt = std::sin(ds.alpha_wt), cos_wt = std::cos(ds.alpha_wt);
  for (int i = 0; i < 2; ++i) {
    const int j = 1 - i;
    // Root form diameter: the end of the tool tip rounding, never inside the base circle. For
    // the hub (negative values) the rounding ends inward of the root, so "inside" means a
    // larger signed value.
    const Real fillet_end = ds.df[i] + 2 * ds.rhoaP0[i] * (1 - sin_alpha);
    ds.dFf[i] = ds.z[i] > 0 ? MaxReal(ds.Db[i], fillet_end) : MinReal(ds.Db[i], fillet_end);

    // how far the mating tip may reach
    Real limit = ds.da[j];
    if (ds.z[i] >= 0) {
      const Real rb = ds.Db[i] / 2;
      limit = SignOf(ds.z[j]) * 2 * std::sqrt(Square(ds.a - rb * cos_wt) + Square(rb * sin_wt));
    }
    if (limit < ds.da[j]) {
      MessageAdd(s.messages, "Fehler : Eingr.st\x94r. da" + MemberText(j) + " !");
      ds.da_eff[j] = limit;
    } else {
      ds.da_eff[j] = MinReal(limit, ds.da[j]);
    }
    if (!(Quotient(ds.dFa[i], ds.Db[i]) > 1))
      MessageAdd(s.messages, "Fehler : db > da  (" + MemberText(i) + ") !");
  }

  // usable root diameters, reached by the mating (effective) tips
  for (int i = 0; i < 2; ++i) {
    const int j = 1 - i;
    const std::string name = "Fehler : dnf" + MemberText(i);
    const Real mate = SqrtMsg(s.messages, name, Square(ds.da_eff[j]) - Square(ds.Db[j]));
    const Real reach = 2 * ds.a * sin_wt - SignOf(ds.z[j]) * mate;
    ds.dNf[i] = SignOf(ds.z[i]) * SqrtMsg(s.messages, name, Square(ds.Db[i]) + Square(reach));
  }

  // a pair with z1 + z2 = 0 has no specific sliding
  if (s.fatal_flag) MessageAdd(s.messages, "Fatal  : spez.Gleiten !");

  ds.Y = 0;
  if (ds.z[1] < 0) {
    const Real inv_wt = Inv(s.messages, ds.alpha_wt);
    Pair<Real> inv_tip{};
    for (int i = 0; i < 2; ++i) {
      const Real ratio = ds.da[i] != 0 ? ds.Db[i] / ds.da[i] : 2;
      inv_tip[i] = Inv(s.messages,
                       ArcCosMsg(s.messages, "Fatal  : db > da  (" + MemberText(i) + ")", ratio));
    }
    Pair<Real> f{0, 0};
    if (ds.a != 0) {
      const Real ra1 = ds.da[0] / 2, ra2 = ds.da[1] / 2, a = ds.a;
      const char* name = "Fatal  : Eingr.st\x94r. Y !";
      f[0] = ArcCosMsg(s.messages, name, Quotient(ra1 * ra1 + a * a - ra2 * ra2, 2 * a * ra1));
      f[1] = ArcCosMsg(s.messages, name, Quotient(ra2 * ra2 + a * a - ra1 * ra1, 2 * a * ra2));
    }
    ds.Y =
        (inv_tip[0] + f[0] - inv_wt) * ds.Db[0] / 2 + (inv_tip[1] + f[1] - inv_wt) * ds.Db[1] / 2;
    if (s.fatal_flag) MessageAdd(s.messages, "Fatal: Y St\x94r !");
  }
}

void PlausibilityWarnings(const CalcContext& s) {
  auto& ds = s.ds;
  const Real mn = ds.mn;
  const Real beta = DegToRad(ds.beta);
  for (int i = 0; i < 2; ++i) {
    const std::string member = MemberText(i);
    const Real beta_a = std::atan(std::tan(beta) * Quotient(ds.da[i], ds.D[i]));
    const Real sa_normal = ds.sa[i] * std::cos(beta_a);
    if (ds.sa[i] <= 0.15L * mn || sa_normal <= 0.15L * mn)
      MessageAdd(s.messages, "Warnung: Spitzzahn ! (" + member + ")");
    if (ds.z[i] > 0 && ds.x[i] < ds.x_min[i])
      MessageAdd(s.messages, "Warnung: Unterschnitt ! (" + member + ")");
    if (ds.ck[i] < 0) MessageAdd(s.messages, "Fehler : Zahnspiel < 0 ! (" + member + ")");
  }
  if (ds.z[1] < 0 && ds.Y < 0) MessageAdd(s.messages, "Eingriffst\x94rungen !");

  const Pair<Real> dm = {ds.dm1, ds.dm2};
  const Pair<int> k = {ds.k1, ds.k2};
  for (int i = 0; i < 2; ++i) {
    const std::string member = MemberText(i);
    if (std::fabs(ds.x[i]) > 1.5L) MessageAdd(s.messages, "Warnung: x > 1.5   (" + member + ") !");
    if (ds.alpha_prP0[i] > ds.phi_d) MessageAdd(s.messages, "alfa prP0 > alfa !");
    if (ds.alpha_kP0[i] < ds.phi_d) MessageAdd(s.messages, "alfa kP0 < alfa !");
    if (PercentDiff(dm[i], ProposedBallDiameter(s, i, ds.xemax[i])) > 50)
      MessageAdd(s.messages, "Messkugeldurchmesser " + member + " !");
    if (PercentDiff(k[i], SpanCountProposal(s, i, ds.xemax[i])) > 50)
      MessageAdd(s.messages, "Messzaehnezahl " + member + " !");
    if (ds.Ase_Aei[i] > 0) MessageAdd(s.messages, "Warnung: Asne < Aau !  (" + member + ")");
  }
}

}  // namespace kv9
