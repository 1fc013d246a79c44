#include "calc/tolerances.h"

#include <cmath>

#include "calc/calc_context.h"
#include "calc/calc_support.h"
#include "core/guarded_math.h"

namespace kv9 {

Real ClassFactor(int index) {
  switch (index) {
    case 1:
      return 0.71L;
    case 2:
      return 1.0L;
    case 3:
      return 1.4L;
    case 4:
      return 2.0L;
    default:
      return 1.0L;
  }
}

int ToleranceClassNumber(int index) {
  return index + 3;
}

int PitchClass(Real P) {
  return RoundToInt(P);
}

// The tables give their values in units of 0.0001 in as a + c N.
namespace {
constexpr Real kTenThousandth = 0.0001L;
Real Linear(Real a, Real c, int N) {
  return (a + c * N) * kTenThousandth;
}
}  // namespace

Real MachiningTolerance(Real P, int N) {
  int r = PitchClass(P);
  if (r <= 3) return Linear(14, 0.18L, N);
  if (r <= 5) return Linear(13, 0.15L, N);
  if (r <= 8) return Linear(11, 0.15L, N);
  if (r <= 12) return Linear(11, 0.10L, N);
  if (r <= 48) return Linear(11, 0.07L, N);
  if (r <= 80) return Linear(9, 0.06L, N);
  return Linear(9, 0.05L, N);
}

Real VariationAllowance(Real P, int N) {
  int r = PitchClass(P);
  if (r <= 3) return Linear(20, 0.35L, N);
  if (r <= 5) return Linear(18, 0.23L, N);
  if (r <= 8) return Linear(15, 0.20L, N);
  if (r <= 12) return Linear(14, 0.17L, N);
  if (r <= 20) return Linear(13, 0.12L, N);
  if (r <= 48) return Linear(11, 0.12L, N);
  if (r <= 80) return Linear(10, 0.10L, N);
  return Linear(9, 0.08L, N);
}

Real MajorFitMinClearance(Real P, int N) {
  int r = PitchClass(P);
  if (r >= 1 && r <= 3) return Linear(18, 0.20L, N);
  if (r >= 4 && r <= 5) return Linear(16, 0.15L, N);
  if (r >= 6 && r <= 8) return Linear(14, 0.10L, N);
  if (r >= 10 && r <= 12) return Linear(14, 0.07L, N);
  if (r >= 16 && r <= 46) return 0.15L * kTenThousandth;
  return 0;  // 9, 13 .. 15, 47 and above
}

Real FitClassEs(const CalcContext& s, int fit_class_index, Real d_inch) {
  switch (fit_class_index) {
    case 1:
      return PowerMsg(s.messages, "es", 0.44L, d_inch) / 380;
    case 2:
      return PowerMsg(s.messages, "es", 0.41L, d_inch) / 610;
    case 3:
      return PowerMsg(s.messages, "es", 0.41L, d_inch) / 1220;
    default:
      return 0;  // h
  }
}

Real LeadVariation(Real b_mm) {
  // b = 25.4 mm is exactly 1 in and takes the "at least 1 in" branch.
  Real L = b_mm / kInch;
  return L >= 1 ? (L + 3) * kTenThousandth : (2.7L * L + 1.4L) * kTenThousandth;
}

Real ProfileVariationPlus(Real P) {
  return (calc::Quotient(14.7L, P) + 2.2L) * kTenThousandth;
}

Real ProfileVariationMinus(Real P) {
  return -(calc::Quotient(17, P) + 4) * kTenThousandth;
}

Real DiameterTolerance(const CalcContext& s, Real P) {
  return calc::Quotient(360, PowerMsg(s.messages, "TDII", 0.667L, P)) * kTenThousandth;
}

void ToleranceValues(const CalcContext& s) {
  auto& ds = s.ds;
  const bool b1b = ds.quality_standard == kStandardB921b;
  ds.cv_min = (!b1b && ds.fit_index == 2) ? MajorFitMinClearance(ds.P, ds.N) : 0;
  ds.es = b1b ? FitClassEs(s, ds.fit_class, ds.D[0] / kInch) : 0;
  if (b1b) {
    // runouts in mm, es rqd in inches
    ds.es_rqd = calc::Quotient(2 * (ds.coe + ds.coi), std::cos(ds.alpha)) / kInch;
    if (ds.es_rqd > 0 && ds.es < ds.es_rqd) MessageAdd(s.messages, "Fehler : es < es reqd !");
  }
  ds.F_beta = LeadVariation(ds.b);
  ds.Ffp = ProfileVariationPlus(ds.P);
  ds.Ffm = ProfileVariationMinus(ds.P);
  ds.Fp = 5.0L / 3.0L * ds.lambda - 2 * ds.Ffp - ds.F_beta;
  ds.TDII = DiameterTolerance(s, ds.P);
  ds.TDEE = ds.TDII;
}

void ToothThicknessDeviations(const CalcContext& s) {
  auto& ds = s.ds;
  const Real clearance = ds.quality_standard == kStandardB921b ? ds.es : ds.cv_min;
  const Real T = kInch * (ds.m + ds.lambda) * ClassFactor(ds.tolerance_class);
  ds.Ase_Aei = {-kInch * clearance, 0};
  ds.T = {T, T};
  for (int i = 0; i < 2; ++i) ds.Asi_Aee[i] = ds.Ase_Aei[i] - ds.T[i];
}

}  // namespace kv9
