#include "calc/pin_measurement.h"

#include <cmath>
#include <string>

#include "calc/calc_context.h"
#include "calc/calc_support.h"
#include "calc/involute_inverse.h"
#include "core/guarded_math.h"
#include "core/number_format.h"

namespace kv9 {

using calc::Quotient;

Real BallDimension(const CalcContext& s, int member, Real x, Real dm) {
  auto& ds = s.ds;
  const int z = ds.z[member];
  const Real db = ds.Db[member];
  const Real tan_alpha = SafeTan(s.messages, ds.alpha);
  const Real eta = Quotient(kPi - 4 * x * tan_alpha, 2.0L * z);
  const Real inv_ball =
      Quotient(dm, db * std::cos(ds.beta_b)) - (eta - Inv(s.messages, ds.alpha_t));
  const Real alpha_ball = InverseInvolute(s, inv_ball);
  if (alpha_ball < 0)
    MessageAdd(s.messages, "Fehler : Dm ball !  (" + calc::MemberText(member) + ")");
  const Real centres = db / std::cos(alpha_ball);  // diameter through the ball centres
  if (IsEven(z)) return centres + dm;
  // an odd spline has no two opposite spaces: the balls sit half a pitch apart
  return centres * std::cos(kPi / (2.0L * z)) + dm;
}

int SpanCountFormula(const CalcContext& s, int member, Real x, std::string_view acos_name) {
  auto& ds = s.ds;
  const int z = ds.z[member];
  const Real d = z * ds.mn;
  const Real dy = d + 2 * x * ds.mn;
  const Real ratio = dy != 0 ? std::cos(ds.alpha) * d / dy : 2;  // 2: out of range
  const Real alpha_y = ArcCosMsg(s.messages, acos_name, ratio);
  return TruncToInt(z * alpha_y / kPi + 1);
}

int SpanCountProposal(const CalcContext& s, int member, Real x) {
  if (s.ds.z[member] == 0) {
    s.fatal_flag = true;
    MessageAdd(s.messages, "Fatal  : z = 0 !");
    return 0;
  }
  return SpanCountFormula(s, member, x, "Fehler : kmess");
}

Real ProposedBallDiameter(const CalcContext& s, int member, Real x) {
  auto& ds = s.ds;
  const Real cos_beta = std::cos(DegToRad(ds.beta));
  const Real zn = ds.z[member] / std::pow(cos_beta, 3.3L);
  const Real tan_alpha = SafeTan(s.messages, ds.alpha);
  const Real ratio = (zn + 2 * x) != 0 ? std::cos(ds.alpha) * zn / (zn + 2 * x) : 2;
  const Real alpha_m = ArcCosMsg(s.messages, "Fehler : DmMess", ratio);
  if (alpha_m == 0) {
    MessageAdd(s.messages, "Fatal  : Kugelma\xE1 DmMess !");
    return 0;
  }
  const Real tan_m = SafeTan(s.messages, alpha_m);
  const Real c = tan_m - Inv(s.messages, ds.alpha) + Quotient(kPi - 4 * x * tan_alpha, 2 * zn);
  return ds.mn * zn * std::cos(ds.alpha) * (SafeTan(s.messages, c) - tan_m);
}

Real RoundBallDiameter(bool inch, Real dm) {
  if (inch) return RoundTo(3, dm / kInch) * kInch;
  return RoundTo(1, dm);
}

void MeasurementStep(const CalcContext& s) {
  auto& ds = s.ds;
  int* k[2] = {&ds.k1, &ds.k2};
  const Pair<Real> dm = {ds.dm1, ds.dm2};
  for (int i = 0; i < 2; ++i) {
    if (s.fatal_flag) return;
    if (*k[i] == 0) *k[i] = SpanCountFormula(s, i, ds.x[i], "Fatal  : Zahnweite !");
    if (s.fatal_flag) return;
    ds.MdRmin[i] = BallDimension(s, i, ds.xemin[i], dm[i]);
    if (s.fatal_flag) return;
    ds.MdRmax[i] = BallDimension(s, i, ds.xemax[i], dm[i]);
    if (s.fatal_flag) return;
    ds.MdR[i] = BallDimension(s, i, ds.x[i], dm[i]);
  }
}

}  // namespace kv9
