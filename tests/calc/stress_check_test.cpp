// The SAE stress check: stresses, the derived hub outside diameter, crowned teeth, the checks
// against the allowable stresses and the guarded divisions.
#include "calc/stress_check.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "calc/spline_calculation.h"
#include "support/calc_reference.h"
#include "support/calc_state.h"

namespace kv9 {
namespace {

constexpr Real kPiRef = 3.14159265358979323846264338327950288L;

class StressCheckTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::ApplyInputs(ds, {.pitch_index = 7, .N = 20});
    ds.torque = 500;
    ds.sac = 1000, ds.sas = 1000;
    SplineCalculation(s.calcContext());
    ASSERT_FALSE(s.fatal_flag);
  }
  bool HasMessage(const std::string& text) const { return test::HasMessage(s, text); }
  test::CalcState t;
  test::CalcState& s = t;
  SplineDataSet& ds = t.ds;
};

TEST_F(StressCheckTest, StressesOfASolidShaftAndADerivedHub) {
  const Real T = 500, D = 50.8L, N = 20, b = ds.b;
  // the tips as the toolkit left them: shortened (kmn > 0), so Do max and -Di min
  ASSERT_GT(ds.kmn[0], 0);
  EXPECT_NEAR(ds.H, (ds.Do_max - ds.Di_min) / 2, 1e-12L);
  EXPECT_NEAR(ds.Sc, 2000 * T / (N * D * b * ds.H), 1e-9L);
  EXPECT_NEAR(ds.Ss, 2000 * T / (D * (N / 2) * b * kPiRef * 2.54L / 2), 1e-9L);
  // OD 0 became 1.1 Dri + H and stays in the data set
  EXPECT_NEAR(ds.od, 1.1L * ds.Dri + ds.H, 1e-12L);
  const Real tw = (ds.od - ds.Dri) / 2;
  EXPECT_NEAR(ds.Sh, 1000 * T * std::tan(test::RefRad(30)) / (kPiRef * D * tw * b), 1e-9L);
  EXPECT_NEAR(ds.Sb[0], 3 * ds.Sb[1], 1e-9L);
  // din = 0: 16000 T / (pi Dre³) Kt1
  EXPECT_NEAR(ds.St[0], 16000 * T / (kPiRef * std::pow(ds.Dre, 3)) * ds.Kt[0], 1e-9L);
  EXPECT_NEAR(ds.Kt[0], 1 + 0.5L * std::sqrt(((ds.da[0] - ds.df[0]) / 2) / ds.rhoaP0[0]), 1e-12L);
  EXPECT_NEAR(ds.Se[1], std::hypot(ds.Sh + ds.Sb[1], std::sqrt(3.0L) * ds.St[1]), 1e-9L);

  // a hollow shaft carries more torsional stress; a bore reaching Dre counts as solid
  const Real solid = ds.St[0];
  ds.din = 0.5L * ds.Dre;
  SplineCalculation(s.calcContext());
  EXPECT_NEAR(ds.St[0], solid / (1 - std::pow(0.5L, 4)), 1e-9L);
  ds.din = ds.Dre;
  SplineCalculation(s.calcContext());
  EXPECT_TRUE(HasMessage("Fehler : Din >= Dre !"));
  EXPECT_NEAR(ds.St[0], solid, 1e-9L);
  // an OD above Dri is kept
  ds.od = 80;
  SplineCalculation(s.calcContext());
  EXPECT_EQ(ds.od, 80);
}

TEST_F(StressCheckTest, ZeroTorqueGivesNoStressAndNoMessage) {
  ds.torque = 0;
  ds.sas = 0;  // would fail every check under load
  SplineCalculation(s.calcContext());
  for (Real v : {ds.Sc, ds.Ss, ds.Sh, ds.Sb[0], ds.Sb[1], ds.St[0], ds.St[1], ds.Se[0], ds.Se[1]})
    EXPECT_EQ(v, 0);
  EXPECT_TRUE(s.messages.entries.empty());
  EXPECT_EQ(ds.ratio_equivalent, (Pair<Real>{0, 0}));  // reset, not left from the last run
}

TEST_F(StressCheckTest, ChecksAgainstTheReducedAllowables) {
  EXPECT_TRUE(s.messages.entries.empty());
  EXPECT_GT(ds.ratio_compressive, 1);
  ds.sac = 0.5L * ds.Sc;
  ds.sas = 0.1L * ds.Ss;
  SplineCalculation(s.calcContext());
  EXPECT_TRUE(HasMessage("Fehler : Sc>Sac*Lw/KoKm"));
  EXPECT_TRUE(HasMessage("Fehler : Ss>Sas*Lf/KoKm"));
  EXPECT_TRUE(HasMessage("Fehler : Se>Sas*2Lf/KoKm (1)"));
  EXPECT_TRUE(HasMessage("Fehler : Se>Sas*2Lf/KoKm (2)"));
  EXPECT_FALSE(s.fatal_flag);
  // Ko = 0: no ratio can be formed, no check fails and nothing is infinite
  ds.ko = 0;
  SplineCalculation(s.calcContext());
  EXPECT_EQ(ds.ratio_compressive, 999999);
  EXPECT_EQ(ds.ratio_shear, 999999);
  EXPECT_EQ(ds.ratio_equivalent[0], 999999);
  EXPECT_TRUE(s.messages.entries.empty());
}

// Worked by hand: T = 500 N m, D = 50.8 mm, N = 20 (Ne = 10), b = 20 mm, P = 10 so
// t = pi 2.54/2 = 3.98982 mm: Ss = 1e6/(50.8 10 20 3.98982) = 24.669 N/mm2. An allowable of 18
// lies between Ss/2 and Ss: it fails the shear check, which the whole-pitch divisor passed.
TEST_F(StressCheckTest, ShearAtThePitchLineUsesTheToothThickness) {
  ds.b = 20;
  ds.lf = ds.ko = ds.km = 1;
  ds.sas = 18;
  SplineCalculation(s.calcContext());
  EXPECT_NEAR(ds.Ss, 24.66907L, 5e-5L);
  EXPECT_NEAR(ds.ratio_shear, 18 / 24.66907L, 1e-5L);
  EXPECT_TRUE(HasMessage("Fehler : Ss>Sas*Lf/KoKm"));
  ds.sas = 30;
  SplineCalculation(s.calcContext());
  EXPECT_FALSE(HasMessage("Fehler : Ss>Sas*Lf/KoKm"));
}

TEST_F(StressCheckTest, CrownedTeethOnlyWithMaterialAndMisalignment) {
  for (auto [mat, mis] : {std::pair{0, 2}, std::pair{1, 0}}) {
    ds.mat_index = mat, ds.misalign_index = mis;
    SplineCalculation(s.calcContext());
    EXPECT_EQ(ds.B, 0);
    EXPECT_EQ(ds.Sc_crowned, 0);
  }
  ds.mat_index = 1, ds.misalign_index = 2;
  SplineCalculation(s.calcContext());
  const Real b = ds.b;
  EXPECT_EQ(ds.B, 0.002L);
  EXPECT_NEAR(ds.A, 0.002L * b / 2, 1e-15L);
  EXPECT_NEAR(ds.R, b * b / (8 * ds.A), 1e-9L);
  const Real t_lbfin = 500 * 8.850749005255468L;
  const Real psi =
      2290 * std::sqrt(2 * t_lbfin / ((50.8L / 25.4L) * 20 * (ds.H / 25.4L) * (ds.R / 25.4L)));
  EXPECT_NEAR(ds.Sc_crowned, psi / 145.037L, 1e-9L);
}

TEST_F(StressCheckTest, DegenerateDivisorsAndToolRadius) {
  ds.da[1] = -ds.da[0];  // no tip overlap: H = 0
  StressCheck(s.calcContext());
  EXPECT_EQ(ds.Sc, 0);
  EXPECT_TRUE(HasMessage("Fehler : Sc Divisor = 0 !"));
  EXPECT_EQ(ds.ratio_compressive, 999999);

  SplineCalculation(s.calcContext());
  ds.rhoaP0[0] = 0;
  StressCheck(s.calcContext());
  EXPECT_EQ(ds.Kt[0], 99);
  EXPECT_GT(ds.St[0], 10 * ds.St[1]);
}

}  // namespace
}  // namespace kv9
