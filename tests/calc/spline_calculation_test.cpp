// The concrete numbers of the ANSI B92.1 calculation: diameters, widths, tolerance values and
// the readings where the standard's formulas leave room.
#include "calc/spline_calculation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "calc/spline_geometry.h"
#include "support/calc_reference.h"
#include "support/calc_state.h"

namespace kv9 {
namespace {

using test::RefInputs;

constexpr Real kPiRef = 3.14159265358979323846264338327950288L;

class SplineCalculationTest : public ::testing::Test {
 protected:
  void Run(const RefInputs& in) {
    test::ApplyInputs(ds, in);
    SplineCalculation(s.calcContext());
  }
  bool HasMessage(const std::string& text) const { return test::HasMessage(s, text); }
  test::CalcState t;
  test::CalcState& s = t;
  SplineDataSet& ds = t.ds;
};

TEST_F(SplineCalculationTest, ThirtyDegreesP10N20Class5) {
  Run({.alpha_index = 1, .pitch_index = 7, .N = 20, .fit = 1, .tolerance_class = 2});
  ASSERT_FALSE(s.fatal_flag);
  EXPECT_NEAR(ds.D[0], 50.8L, 1e-12L);
  EXPECT_NEAR(ds.D[1], -50.8L, 1e-12L);
  EXPECT_NEAR(ds.mn, 2.54L, 1e-15L);
  EXPECT_NEAR(ds.Sv_min, 3.9898L, 5e-5L);
  EXPECT_NEAR(ds.Sv_min, 25.4L * kPiRef / 20, 1e-12L);
  EXPECT_EQ(ds.cv_min, 0);
  EXPECT_NEAR(ds.tv_max, ds.Sv_min, 1e-12L);
  EXPECT_EQ(ds.class_title, "SPLINE TO ANSI B92.1 - CLASS 5");

  // the diameters of the flat root side fit
  const Real cf = 0.0508L;  // 0.001 D = 0.0508 mm, the lower limit of 0.002 in
  EXPECT_NEAR(ds.cf, cf, 1e-15L);
  EXPECT_NEAR(ds.Dri, 25.4L * (21.35L / 10 + 0.004L), 1e-12L);
  EXPECT_NEAR(ds.DFi, 25.4L * 21 / 10 + 2 * cf, 1e-12L);
  EXPECT_NEAR(ds.Do_max, 25.4L * 21 / 10, 1e-12L);
  EXPECT_NEAR(ds.DFe, 25.4L * 19 / 10 - 2 * cf, 1e-12L);
  EXPECT_NEAR(ds.Di_min, 25.4L * 19 / 10, 1e-12L);
  EXPECT_NEAR(ds.Db[0], 50.8L * std::cos(test::RefRad(30)), 1e-12L);
  EXPECT_NEAR(ds.Di_max, ds.Di_min + 25.4L * 360 / std::pow(10.0L, 0.667L) * 1e-4L, 1e-12L);
  EXPECT_NEAR(ds.reference_diameter, (20 + 1.1L) * 2.54L, 1e-12L);
  // the drawings start from the calculated profile shifts
  EXPECT_EQ(s.drawing_shift, ds.x);
}

TEST_F(SplineCalculationTest, ProfileShiftMakesTheStandardSpaceWidth) {
  const Real P = 8;
  for (int a = 1; a <= 3; ++a) {
    Run({.alpha_index = a, .pitch_index = 6, .N = 30, .fit = 3});
    const Real alpha = test::RefRad(test::kRefAngle[a - 1]);
    const Real expected_x = a == 1 ? 0 : (a == 2 ? 0.1L : 0.2L) / (2 * std::tan(alpha));
    EXPECT_NEAR(ds.x[0], expected_x, 1e-15L) << a;
    EXPECT_EQ(ds.x[1], -ds.x[0]);
    EXPECT_NEAR(ds.Sv_min, 25.4L * (kPiRef / 2 + (a - 1) * 0.1L) / P, 1e-12L) << a;
  }
  Run({.alpha_index = 2, .pitch_index = 6, .N = 30, .fit = 3});
  EXPECT_NEAR(ds.x[0], 0.06516L, 5e-6L);
  Run({.alpha_index = 3, .pitch_index = 6, .N = 30, .fit = 3});
  EXPECT_NEAR(ds.x[0], 0.1L, 1e-15L);
}

TEST_F(SplineCalculationTest, FaceWidthsDerivedAndRaisedInTheDataSet) {
  ds.b = 0, ds.b1 = 0, ds.b2 = 0;
  Run({.pitch_index = 7, .N = 20});
  EXPECT_NEAR(ds.b, 0.4L * 50.8L, 1e-12L);
  EXPECT_EQ(ds.b1, ds.b);
  EXPECT_EQ(ds.b2, ds.b);

  // a member narrower than the common width is widened to it; a wider one stays
  ds.b = 25, ds.b1 = 10, ds.b2 = 30;
  SplineCalculation(s.calcContext());
  EXPECT_EQ(ds.b, 25);
  EXPECT_EQ(ds.b1, 25);
  EXPECT_EQ(ds.b2, 30);
}

TEST_F(SplineCalculationTest, FitClassEsAndRequiredClearance) {
  // D = 2 in
  Run({.pitch_index = 7, .N = 20, .tolerance_class = 2, .standard = 2, .fit_class = 1});
  EXPECT_NEAR(ds.es, 0.003570L, 5e-7L);
  EXPECT_NEAR(ds.es, std::pow(2.0L, 0.44L) / 380, 1e-15L);
  EXPECT_NEAR(ds.tv_max, ds.Sv_min - 25.4L * ds.es, 1e-12L);
  EXPECT_NEAR(ds.jtmin, 25.4L * ds.es, 1e-12L);
  EXPECT_NEAR(ds.Do_max, 25.4L * (21.0L / 10 - ds.es / std::tan(test::RefRad(30))), 1e-12L);
  EXPECT_EQ(ds.class_title, "SPLINE TO ANSI B92.1b - CLASS 5d");
  EXPECT_FALSE(HasMessage("Fehler : es < es reqd !"));

  // runouts of 0.1 mm each need 2 (0.2 mm) / cos 30° = 0.0182 in
  ds.coe = ds.coi = 0.1L;
  SplineCalculation(s.calcContext());
  EXPECT_NEAR(ds.es_rqd, 0.4L / std::cos(test::RefRad(30)) / 25.4L, 1e-15L);
  EXPECT_TRUE(HasMessage("Fehler : es < es reqd !"));
  EXPECT_FALSE(s.fatal_flag);
  EXPECT_GT(ds.MdR[0], 0);  // the calculation went on

  // fit class h: es = 0, and the message only with a runout
  ds.fit_class = 4, ds.coe = ds.coi = 0;
  SplineCalculation(s.calcContext());
  EXPECT_EQ(ds.es, 0);
  EXPECT_FALSE(HasMessage("Fehler : es < es reqd !"));
  ds.coi = 0.01L;
  SplineCalculation(s.calcContext());
  EXPECT_TRUE(HasMessage("Fehler : es < es reqd !"));
  EXPECT_EQ(ds.class_title, "SPLINE TO ANSI B92.1b - CLASS 5h");
}

TEST_F(SplineCalculationTest, FitClassHKeepsTheB921Formulas) {
  for (int fit : {1, 3}) {
    Run({.pitch_index = 7, .N = 20, .fit = fit, .standard = 1});
    const Real do_max = ds.Do_max, dre = ds.Dre;
    Run({.pitch_index = 7, .N = 20, .fit = fit, .standard = 2, .fit_class = 4});
    EXPECT_NEAR(ds.Do_max, do_max, 1e-12L) << fit;
    EXPECT_NEAR(ds.Dre, dre, 1e-12L) << fit;
    // the B92.1b form clearance 0.1/P in, without an es term, bounded below by the form
    // diameter the rack generates
    const Real t = fit == 1 ? 20 - 0.016L * 10 - 4.5L : 20 - 5.359L;
    const Real rack = 25.4L * std::sqrt(t * t + 3 * 20 * 20) / 20;
    const Real table = 25.4L * 19 / 10 - 2 * 25.4L * 0.1L / 10;
    EXPECT_NEAR(ds.DFe, std::max(table, rack), 1e-12L) << fit;
    EXPECT_GT(rack, table);
  }
}

TEST_F(SplineCalculationTest, LeadVariationAtOneInchAndJustUnder) {
  ds.b = 25.4L;
  Run({.pitch_index = 7, .N = 20});
  EXPECT_NEAR(ds.F_beta, 0.0004L, 1e-18L);  // exactly 1 in: the "at least 1 in" branch
  ds.b = 25.39L;
  SplineCalculation(s.calcContext());
  EXPECT_NEAR(ds.F_beta, 0.00041L, 2e-7L);
  EXPECT_NEAR(ds.F_beta, (2.7L * 25.39L / 25.4L + 1.4L) * 1e-4L, 1e-18L);
  EXPECT_NEAR(ds.Fp, 5.0L / 3 * ds.lambda - 2 * ds.Ffp - ds.F_beta, 1e-18L);
}

TEST_F(SplineCalculationTest, MajorDiameterFitClearanceAcrossPitchClasses) {
  const int N = 40;
  for (int p = 1; p <= 17; ++p) {
    Run({.pitch_index = p, .N = N, .fit = 2, .standard = 1});
    const Real P = test::kRefPitch[p - 1];
    EXPECT_NEAR(ds.cv_min, test::RefMajorCvMin(P, N), 1e-18L) << P;
    if (P >= 16 && P <= 40) {
      EXPECT_NEAR(ds.cv_min, 0.000015L, 1e-18L) << P;
    }
    if (P >= 48) {
      EXPECT_EQ(ds.cv_min, 0) << P;
    }
    EXPECT_NEAR(ds.tv_max, ds.Sv_min - 25.4L * ds.cv_min, 1e-12L) << P;
  }
  Run({.pitch_index = 7, .N = N, .fit = 2});  // P = 10: the row 10 .. 12
  EXPECT_NEAR(ds.cv_min, (14 + 0.07L * N) * 1e-4L, 1e-18L);
  Run({.pitch_index = 1, .N = N, .fit = 2});  // P = 2.5 rounds to 2: the first row
  EXPECT_NEAR(ds.cv_min, (18 + 0.20L * N) * 1e-4L, 1e-18L);
  // other fits and ANSI B92.1b have none
  Run({.pitch_index = 1, .N = N, .fit = 1});
  EXPECT_EQ(ds.cv_min, 0);
  Run({.pitch_index = 1, .N = N, .fit = 2, .standard = 2, .fit_class = 4});
  EXPECT_EQ(ds.cv_min, 0);
}

TEST_F(SplineCalculationTest, PitchClassRoundsHalvesToEven) {
  // P = 2.5 takes the first rows, like P = 3
  Run({.pitch_index = 1, .N = 38});
  EXPECT_NEAR(ds.m, (14 + 0.18L * 38) * 1e-4L, 1e-18L);
  EXPECT_NEAR(ds.lambda, (20 + 0.35L * 38) * 1e-4L, 1e-18L);

  // The lower bound of DFe for few teeth is the base circle plus 0.010 in up to P class 20
  // and 0.006 in above: P = 20.5 rounds to 20, P = 21.5 to 22.
  auto dfe_margin = [&](int pitch_index, Real P) {
    ds.pitch_index = pitch_index;
    ds.P = P;
    Run({.pitch_index = pitch_index, .N = 6, .fit = 1});
    return ds.DFe - ds.Db[0];
  };
  EXPECT_NEAR(dfe_margin(10, 0), 25.4L * 0.010L, 1e-12L);  // P = 20
  EXPECT_NEAR(dfe_margin(11, 0), 25.4L * 0.006L, 1e-12L);  // P = 24
  EXPECT_NEAR(dfe_margin(0, 20.5L), 25.4L * 0.010L, 1e-12L);
  EXPECT_NEAR(dfe_margin(0, 21.5L), 25.4L * 0.006L, 1e-12L);
  // and the raised DFe lifts Di min to DFe + cf
  EXPECT_NEAR(ds.Di_min, ds.DFe + ds.cf, 1e-12L);
  EXPECT_GT(ds.Di_min, 25.4L * 5 / 21.5L);
}

TEST_F(SplineCalculationTest, FilletRootMinorDiameterSwitchesAboveP12) {
  const int N = 24;
  for (int p : {8, 9}) {  // P = 12, P = 16
    Run({.alpha_index = 1, .pitch_index = p, .N = N, .fit = 3});
    const Real P = test::kRefPitch[p - 1];
    const Real l = 2 * 25.4L * (test::RefVariation(P, N) + test::RefMachining(P, N)) /
                   std::tan(test::RefRad(30));
    const Real teeth = P > 12 ? N - 2.1L : N - 1.9L;
    EXPECT_NEAR(ds.Dre, 25.4L * teeth / P - l, 1e-12L) << P;
    EXPECT_NEAR(ds.Dri, 25.4L * (N + 1.9L) / P + l, 1e-12L) << P;
  }
}

TEST_F(SplineCalculationTest, OddResultsTheStandardGivesAreKept) {
  // fine-pitch flat-root side fits with many teeth have DFi above Dri
  Run({.pitch_index = 11, .N = 300, .fit = 1});
  EXPECT_GT(ds.DFi, ds.Dri);
  // the major diameter fit at P = 2.5 shortens the shaft tip negatively from N = 493 on
  Run({.pitch_index = 1, .N = 492, .fit = 2, .standard = 1});
  EXPECT_FALSE(HasMessage("Fehler : kmn < 0 !  (1)"));
  EXPECT_EQ(ds.kmn[0], 0);  // within 0.001 mm: printed as 0, da = da0
  EXPECT_EQ(ds.da[0], ds.da0[0]);
  Run({.pitch_index = 1, .N = 493, .fit = 2, .standard = 1});
  EXPECT_TRUE(HasMessage("Fehler : kmn < 0 !  (1)"));
  EXPECT_LT(ds.kmn[0], -0.001L);
  EXPECT_EQ(ds.da[0], ds.Do_max);  // da changes only by the tip-shortening rule
  EXPECT_FALSE(s.fatal_flag);
}

TEST_F(SplineCalculationTest, HubToolTipRadiusLimitedToHalfTheTipThickness) {
  Run({.pitch_index = 7, .N = 20});
  const Real mn = ds.mn;
  ds.sa[1] = 0.2L;  // as if the hub tip were 0.2 mm thick
  LimitHubToolTipRadius(s.calcContext());
  EXPECT_NEAR(ds.rhoap0_mn[1], 0.1L / mn, 1e-15L);
  EXPECT_NEAR(ds.rhoaP0[1], 0.1L, 1e-15L);
  EXPECT_GT(ds.sa[1], 0.2L);  // the toolkit ran again and recomputed it
  ds.sa[1] = -1;
  LimitHubToolTipRadius(s.calcContext());
  EXPECT_EQ(ds.rhoap0_mn[1], 0.01L);
}

TEST_F(SplineCalculationTest, AbortFlagIsClearedAtTheStart) {
  s.abort_flag = true;
  Run({.pitch_index = 7, .N = 20});
  EXPECT_FALSE(s.abort_flag);
  EXPECT_GT(ds.Sv_min, 0);
}

}  // namespace
}  // namespace kv9
