#include "calc/spline_geometry.h"

#include <cmath>
#include <string>

#include "calc/calc_context.h"
#include "calc/calc_support.h"
#include "calc/involute_toolkit.h"
#include "calc/tolerances.h"
#include "core/guarded_math.h"

namespace kv9 {

using calc::Quotient;

namespace {

constexpr Real kPressureAngles[3] = {30.0L, 37.5L, 45.0L};

void Fatal(const CalcContext& s, const char* text) {
  s.fatal_flag = true;
  MessageAdd(s.messages, text);
}

}  // namespace

Real PitchOfIndex(int pitch_index) {
  if (pitch_index < 1 || pitch_index > 17) return 0;
  // tenths divided by 10 give the table's decimal value exactly rounded (2.5, not 2.5000..1)
  return static_cast<Real>(kPitchTenths[pitch_index - 1]) / 10;
}

Real PressureAngleOfIndex(int alpha_index) {
  if (alpha_index < 1 || alpha_index > 3) return 0;
  return kPressureAngles[alpha_index - 1];
}

int PressureAngleRow(const SplineDataSet& ds) {
  if (ds.alpha_index >= 1 && ds.alpha_index <= 3) return ds.alpha_index;
  for (int row = 1; row <= 3; ++row)
    if (std::fabs(ds.phi_d - kPressureAngles[row - 1]) < 1e-9L) return row;
  return 0;
}

bool SplineBasicData(const CalcContext& s) {
  auto& ds = s.ds;
  // The angle and the pitch are committed only once P is usable: P = 0 changes nothing at all.
  Real phi = ds.phi_d;
  if (ds.alpha_index >= 1 && ds.alpha_index <= 3) phi = PressureAngleOfIndex(ds.alpha_index);
  Real P = ds.P;
  if (ds.pitch_index >= 1 && ds.pitch_index <= 17) P = PitchOfIndex(ds.pitch_index);
  if (P == 0) {
    Fatal(s, "Fatal  : P = 0 !");
    return false;
  }
  ds.phi_d = phi;
  ds.alpha = DegToRad(phi);
  ds.beta = 0;
  ds.beta_b = 0;
  ds.a = 0;
  ds.z = {ds.N, calc::Negated(ds.N)};
  ds.P = P;

  // Profile shift: 2 x1 tan alpha is the standard's 0, 0.1 or 0.2 in the space width.
  const Real tan_alpha = SafeTan(s.messages, ds.alpha);
  switch (PressureAngleRow(ds)) {
    case 1:
      ds.x[0] = 0;
      break;
    case 2:
      ds.x[0] = Quotient(0.1L, 2 * tan_alpha);
      break;
    case 3:
      ds.x[0] = Quotient(0.2L, 2 * tan_alpha);
      break;
    default:
      break;  // an angle outside the table keeps the previous x1
  }
  ds.x[1] = -ds.x[0];

  if (ds.N == 0) {
    Fatal(s, "Fatal  : z = 0 !");
    return false;
  }
  if (ds.N < 0) {  // a hub with positive teeth would mirror every result
    Fatal(s, "Fatal  : z < 0 !");
    return false;
  }
  const Real D1 = kInch * ds.N / P;
  ds.D = {D1, -D1};
  ds.mn = D1 / ds.N;

  if (std::fabs(ds.b) < 0.00001L) ds.b = 0.4L * D1;
  if (ds.b1 == 0) ds.b1 = ds.b;
  if (ds.b2 == 0) ds.b2 = ds.b;
  return true;
}

void SplineDiameters(const CalcContext& s) {
  auto& ds = s.ds;
  const Real P = ds.P;
  const Real N = ds.N;
  const Real D1 = ds.D[0];
  const Real tan_alpha = SafeTan(s.messages, ds.alpha);
  const Real cos_alpha = std::cos(ds.alpha);
  const int row = PressureAngleRow(ds);
  const bool b1b = ds.quality_standard == kStandardB921b;
  const int fit = ds.fit_index;

  ds.lambda = VariationAllowance(P, ds.N);
  ds.m = MachiningTolerance(P, ds.N);
  // radial allowance, without the class factor
  const Real l = Quotient(2 * kInch * (ds.lambda + ds.m), tan_alpha);

  if (fit == kFitSideFlat) {
    ds.Dri = kInch * ((N + 1.35L) / P + 0.004L);
  } else if (fit == kFitMajor) {
    ds.Dri = kInch * (N + 1) / P;
  } else if (fit == kFitSideFillet && row != 0) {
    constexpr Real c[3] = {1.9L, 1.7L, 1.5L};
    ds.Dri = kInch * (N + c[row - 1]) / P + l;
  }

  if (ds.quality_standard == kStandardB921)
    ds.cf = ClampReal(0.001L * D1, kInch * 0.002L, kInch * 0.010L);
  else if (b1b)
    ds.cf = kInch * 0.1L / P;

  ToleranceValues(s);

  if (fit == kFitSideFlat || fit == kFitSideFillet)
    ds.DFi = kInch * (N + 1) / P + 2 * ds.cf;
  else if (fit == kFitMajor)
    ds.DFi = kInch * ((N + 0.8L) / P - 0.004L) + 2 * ds.cf;

  constexpr Real minor_teeth[3] = {1.0L, 0.8L, 0.6L};  // N - c for 30°, 37.5°, 45°
  if (row != 0) ds.Di_min = kInch * (N - minor_teeth[row - 1]) / P;

  if (b1b)
    ds.Do_max = kInch * ((N + 1) / P - Quotient(ds.es, tan_alpha));
  else if (fit == kFitSideFlat || fit == kFitSideFillet)
    ds.Do_max = kInch * (N + 1) / P;
  else if (fit == kFitMajor)
    ds.Do_max = kInch * ((N + 1) / P - 0.0001L);

  if (row != 0) {
    ds.DFe = kInch * (N - minor_teeth[row - 1]) / P - 2 * ds.cf;
    if (b1b) ds.DFe -= kInch * ds.es * cos_alpha;
  }

  ds.Db[0] = D1 * cos_alpha;

  // Lower bound of DFe: the base circle plus a margin, and the form diameter a rack generates.
  Real w = ds.Db[0] + kInch * (PitchClass(P) > 20 ? 0.006L : 0.010L);
  if (fit == kFitSideFlat || fit == kFitMajor) {
    Real t = N - 0.016L * P - 4.5L;
    w = MaxReal(w, kInch * std::sqrt(t * t + 3 * N * N) / (2 * P));
  } else if (fit == kFitSideFillet) {
    Real t = N - 5.359L;
    w = MaxReal(w, kInch * std::sqrt(t * t + 3 * N * N) / (2 * P));
  }
  if (ds.DFe < w) ds.DFe = w;

  ds.Di_min = MaxReal(ds.Di_min, ds.DFe + ds.cf);

  bool dre_known = true;
  Real dre = 0;
  if (row == 1 && (fit == kFitSideFlat || fit == kFitMajor))
    dre = kInch * ((N - 1.35L) / P - 0.004L) - l;
  else if (row == 1 && fit == kFitSideFillet)
    dre = kInch * (N - (P > 12 ? 2.1L : 1.9L)) / P - l;
  else if (row == 2)
    dre = kInch * (N - 1.4L) / P - l;
  else if (row == 3)
    dre = kInch * (N - 1.1L) / P - l;
  else
    dre_known = false;
  if (dre_known) ds.Dre = b1b ? dre - kInch * Quotient(ds.es, tan_alpha) : dre;

  ds.Di_max = ds.Di_min + kInch * ds.TDII;
  ds.Do_min = ds.Do_max - kInch * ds.TDEE;

  const std::string class_number = std::to_string(ToleranceClassNumber(ds.tolerance_class));
  if (b1b) {
    ds.class_title = "SPLINE TO ANSI B92.1b - CLASS " + class_number;
    if (ds.fit_class >= 1 && ds.fit_class <= 4)
      ds.class_title += kFitClassLetters[ds.fit_class - 1];
  } else {
    ds.class_title = "SPLINE TO ANSI B92.1 - CLASS " + class_number;
  }

  ds.reference_diameter = (2 * ds.x[0] + N + 1.1L) * ds.mn;
}

bool SplineModuleAndAngleValid(const CalcContext& s) {
  if (s.ds.mn == 0) {
    Fatal(s, "Fatal  : mn = 0 !");
    return false;
  }
  if (s.ds.alpha == 0) {
    Fatal(s, "Fatal  : alpha = 0 !");
    return false;
  }
  return true;
}

void EquivalentGearInputs(const CalcContext& s) {
  auto& ds = s.ds;
  const Real D1 = ds.D[0];
  const Real C = 2 * ds.mn;
  const Real x1 = ds.x[0], x2 = ds.x[1];
  const bool major = ds.fit_index == kFitMajor;

  // The shaft's theoretical tip reaches Dri + 2 cf (major fit) or DFi, its generated root lies
  // midway between Dre and DFe; the hub's theoretical tip reaches DFe.
  ds.hfp0_mn[0] = (major ? (ds.Dri - D1 + 2 * ds.cf) : (ds.DFi - D1)) / C - x1;
  ds.hap0_mn[0] = (D1 - (ds.Dre + ds.DFe) / 2) / C + x1;
  ds.hfp0_mn[1] = (D1 - ds.DFe) / C - x2;
  const Real hub_root = major ? ds.Dri : (ds.Dri + ds.DFi) / 2;
  ds.hap0_mn[1] = x2 + (hub_root - D1) / C;
  ds.rhoap0_mn[0] = MinReal((ds.DFe - ds.Dre) / C, 0.15L);
  ds.rhoap0_mn[1] = MinReal((ds.Dri - ds.DFi) / C, 0.15L);

  ToothThicknessDeviations(s);

  // The tool tip rounding must fit on the tool tooth.
  const Real sin_alpha = std::sin(ds.alpha), cos_alpha = std::cos(ds.alpha);
  for (int i = 0; i < 2; ++i) {
    Real rho_max = Quotient(kPi / 4 * cos_alpha - sin_alpha * ds.hap0_mn[i], 1 - sin_alpha);
    if (ds.rhoap0_mn[i] > rho_max) ds.rhoap0_mn[i] = 0.6L * rho_max;
    if (ds.rhoap0_mn[i] < 0) ds.rhoap0_mn[i] = 0.01L;
    ds.rhoaP0[i] = ds.rhoap0_mn[i] * ds.mn;
  }

  ds.prP0 = {0, 0};
  ds.alpha_prP0 = {0, 0};
  ds.alpha_kP0 = {ds.phi_d, ds.phi_d};
  ds.hFfP0_mn = ds.hfp0_mn;
  ds.da = {ds.Do_max, -ds.Di_min};
}

void LimitHubToolTipRadius(const CalcContext& s) {
  auto& ds = s.ds;
  const Real half_tip = ds.sa[1] / 2;
  if (!(ds.rhoaP0[1] > half_tip)) return;
  ds.rhoap0_mn[1] = Quotient(half_tip, ds.mn);
  if (ds.rhoap0_mn[1] < 0) ds.rhoap0_mn[1] = 0.01L;
  ds.rhoaP0[1] = ds.rhoap0_mn[1] * ds.mn;
  GearSetup(s);
  PairGeometry(s);
  ToothDimensions(s);
}

void SpaceWidthsAndToothThicknesses(const CalcContext& s) {
  auto& ds = s.ds;
  const Real mf = kInch * ds.m * ClassFactor(ds.tolerance_class);
  ds.Sv_min = ds.pn - ds.sn_max[1];
  ds.Sv_max = ds.Sv_min + mf;
  ds.S_max = ds.pn - ds.sn_min[1];
  ds.S_min = ds.S_max - mf;
  ds.tv_max = ds.sn_max[0];
  ds.tv_min = ds.tv_max - mf;
  ds.t_min = ds.sn_min[0];
  ds.t_max = ds.t_min + mf;
  ds.cv_max = ds.Sv_max - ds.tv_min;
}

}  // namespace kv9
