// Fatal conditions of the calculation (what they report and what they leave alone), and data
// that a file can carry but no dialog produces.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "calc/spline_calculation.h"
#include "support/bad_inputs.h"
#include "support/calc_reference.h"
#include "support/calc_state.h"

namespace kv9 {
namespace {

using Messages = std::vector<std::string>;

class CalculationFailureTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::ApplyInputs(ds, {.pitch_index = 7, .N = 20});
    ds.torque = 100;
    SplineCalculation(s.calcContext());
    ASSERT_FALSE(s.fatal_flag);
    before = ds;
  }
  test::CalcState t;
  test::CalcState& s = t;
  SplineDataSet& ds = t.ds;
  SplineDataSet before;
};

// The results of the geometry, the toolkit, the measurement and the stress check unchanged.
void ExpectResultsUnchanged(const SplineDataSet& a, const SplineDataSet& b) {
  EXPECT_EQ(a.D, b.D);
  EXPECT_EQ(a.mn, b.mn);
  EXPECT_EQ(a.Dri, b.Dri);
  EXPECT_EQ(a.Dre, b.Dre);
  EXPECT_EQ(a.DFe, b.DFe);
  EXPECT_EQ(a.cf, b.cf);
  EXPECT_EQ(a.m, b.m);
  EXPECT_EQ(a.df, b.df);
  EXPECT_EQ(a.sn_max, b.sn_max);
  EXPECT_EQ(a.Sv_min, b.Sv_min);
  EXPECT_EQ(a.MdR, b.MdR);
  EXPECT_EQ(a.Sc, b.Sc);
  EXPECT_EQ(a.Se, b.Se);
  EXPECT_EQ(a.class_title, b.class_title);
}

TEST_F(CalculationFailureTest, PZeroChangesNothing) {
  ds.pitch_index = 0;
  ds.P = 0;
  ds.alpha_index = 3;  // would change phi D if the run went on
  SplineCalculation(s.calcContext());
  EXPECT_TRUE(s.fatal_flag);
  EXPECT_EQ(s.messages.entries, Messages{"Fatal  : P = 0 !"});
  EXPECT_EQ(ds.phi_d, 30);
  EXPECT_EQ(ds.x, before.x);
  EXPECT_EQ(ds.z, before.z);
  ExpectResultsUnchanged(ds, before);
}

TEST_F(CalculationFailureTest, NoTeethStopsBeforeTheDiameters) {
  ds.N = 0;
  SplineCalculation(s.calcContext());
  EXPECT_TRUE(s.fatal_flag);
  EXPECT_EQ(s.messages.entries, Messages{"Fatal  : z = 0 !"});
  ExpectResultsUnchanged(ds, before);

  ds.N = -20;  // a file can carry it; a hub with positive teeth would mirror every result
  SplineCalculation(s.calcContext());
  EXPECT_TRUE(s.fatal_flag);
  EXPECT_EQ(s.messages.entries, Messages{"Fatal  : z < 0 !"});
  ExpectResultsUnchanged(ds, before);
}

TEST_F(CalculationFailureTest, ToolkitFatalStopsAfterTheStandardDiameters) {
  ds.N = 1;
  SplineCalculation(s.calcContext());
  EXPECT_TRUE(s.fatal_flag);
  EXPECT_FALSE(s.abort_flag);
  // the gear setup stops, every later toolkit operation only reports that it did nothing
  EXPECT_EQ(s.messages.entries,
            (Messages{"Fatal  : z1 < 2!", "Fatal  : KV9", "Fatal  : Unit0", "Fatal  : Unit2"}));
  EXPECT_NEAR(ds.Dri, 25.4L * (2.35L / 10 + 0.004L), 1e-12L);  // computed for N = 1
  EXPECT_EQ(ds.df, before.df);
  EXPECT_EQ(ds.sn_max, before.sn_max);
  EXPECT_EQ(ds.Sv_min, before.Sv_min);
  EXPECT_EQ(ds.MdR, before.MdR);
  EXPECT_EQ(ds.Sc, before.Sc);

  ds.N = 20;
  ds.b = -5;
  SplineCalculation(s.calcContext());
  EXPECT_TRUE(s.fatal_flag);
  EXPECT_EQ(s.messages.entries.front(), "Fatal  : b <= 0!");
  EXPECT_EQ(ds.Sv_min, before.Sv_min);
}

TEST_F(CalculationFailureTest, ZeroPressureAngleFromAFileStopsWithoutTrapping) {
  // phi D 0 reaches the radial allowance and the B92.1b terms, which divide by tan alpha
  ds.alpha_index = 0;
  ds.phi_d = 0;
  ds.quality_standard = 2;
  ds.fit_class = 1;
  SplineCalculation(s.calcContext());
  EXPECT_TRUE(s.fatal_flag);
  EXPECT_EQ(s.messages.entries, Messages{"Fatal  : alpha = 0 !"});
  EXPECT_TRUE(std::isfinite(ds.Dri) && std::isfinite(ds.Do_max) && std::isfinite(ds.Dre));
  EXPECT_EQ(ds.sn_max, before.sn_max);
  EXPECT_EQ(ds.MdR, before.MdR);

  ds.phi_d = 45.01L;  // outside the toolkit's range
  SplineCalculation(s.calcContext());
  EXPECT_TRUE(s.fatal_flag);
  EXPECT_EQ(s.messages.entries.front(), "Fatal  : alpha !");
}

TEST_F(CalculationFailureTest, NegativePitchReachesTheToolkitCheck) {
  ds.pitch_index = 0;
  ds.P = -8;
  SplineCalculation(s.calcContext());
  EXPECT_TRUE(s.fatal_flag);
  // the diameter tolerance's power of a negative P reports itself on the way
  ASSERT_GE(s.messages.entries.size(), 2u);
  EXPECT_EQ(s.messages.entries[0], "TDII (pow)");
  EXPECT_EQ(s.messages.entries[1], "Fatal  : mn <= 0!");
  EXPECT_EQ(ds.sn_max, before.sn_max);
}

TEST_F(CalculationFailureTest, ZeroModuleIsFatal) {
  ds.pitch_index = 0;
  ds.P = std::numeric_limits<Real>::infinity();
  SplineCalculation(s.calcContext());
  EXPECT_TRUE(s.fatal_flag);
  EXPECT_EQ(s.messages.entries.front(), "Fatal  : mn = 0 !");
  EXPECT_EQ(ds.sn_max, before.sn_max);
}

// The values the report, the drawings and the data table print.
std::vector<Real> PrintedValues(const SplineDataSet& d) {
  std::vector<Real> v = {d.P,      d.phi_d, d.mn,     d.b,          d.b1,     d.b2,
                         d.od,     d.Dri,   d.DFi,    d.Di_min,     d.Di_max, d.Do_max,
                         d.Do_min, d.DFe,   d.Dre,    d.cf,         d.Sv_min, d.Sv_max,
                         d.S_max,  d.S_min, d.tv_max, d.tv_min,     d.t_min,  d.t_max,
                         d.cv_max, d.m,     d.lambda, d.cv_min,     d.es,     d.es_rqd,
                         d.F_beta, d.Ffp,   d.Ffm,    d.Fp,         d.TDEE,   d.TDII,
                         d.jtmin,  d.jtmax, d.pn,     d.H,          d.Ne,     d.Sc,
                         d.B,      d.A,     d.R,      d.Sc_crowned, d.Sh,     d.reference_diameter};
  for (const Pair<Real>& p :
       {d.D,      d.Db,     d.x,       d.df,      d.dfB,       d.kmn,  d.ck,   d.da_th,  d.da0,
        d.da,     d.h,      d.hfp0_mn, d.hap0_mn, d.rhoap0_mn, d.hfP0, d.haP0, d.rhoaP0, d.sn_th,
        d.sn_max, d.sn_min, d.en,      d.Ase_Aei, d.Asi_Aee,   d.T,    d.MdR,  d.MdRmin, d.MdRmax,
        d.xemax,  d.xemin,  d.Kt,      d.Sb,      d.St,        d.Se,   d.dFf,  d.dNf,    d.dw})
    v.insert(v.end(), p.begin(), p.end());
  return v;
}

TEST_F(CalculationFailureTest, HostileDataEndsInMessagesAndFiniteNumbers) {
  const Real inf = std::numeric_limits<Real>::infinity();
  const Real nan = std::numeric_limits<Real>::quiet_NaN();
  const test::BadValues hostile{{0, 1, 2, 3, 6, 600, 100000, INT_MAX, -3, INT_MIN},
                                {0, -8, 1e-30L, 1e30L, inf, nan, 0.5L},
                                {0, -30, 4, 90, 1000, nan},
                                {0, -1, 1e-300L, 1e300L, 1e4000L, nan, inf},
                                {0, -100, 1e30L, 1e4000L, nan},
                                {-1, 0, 1, 2, 3, 4, 5, 9, 1000}};
  std::mt19937 rng(7);
  for (int run = 0; run < 3000; ++run) {
    ds = SplineDataSet{};
    test::PickBadInputs(ds, hostile, rng);
    SplineCalculation(s.calcContext());
    const auto values = PrintedValues(ds);
    for (size_t i = 0; i < values.size(); ++i)
      ASSERT_TRUE(std::isfinite(values[i])) << "value " << i << " in run " << run;
    EXPECT_LE(s.messages.entries.size(), 11u);
  }
}

// Zeros, negatives and out-of-table indexes of ordinary size: every division the calculation can
// meet is guarded where it happens, so the last-resort range check never has to step in.
TEST_F(CalculationFailureTest, OrdinaryBadValuesNeedNoRangeRepair) {
  const test::BadValues values = test::OrdinaryBadValues();
  std::mt19937 rng(11);
  for (int run = 0; run < 3000; ++run) {
    ds = before;
    test::PickBadInputs(ds, values, rng);
    SplineCalculation(s.calcContext());
    ASSERT_FALSE(test::HasMessage(s, "Fehler : Zahlenbereich !"))
        << "run " << run << ": N " << ds.N << " P " << static_cast<double>(ds.P) << " phi "
        << static_cast<double>(ds.phi_d) << " b " << static_cast<double>(ds.b) << " dm "
        << static_cast<double>(ds.dm1) << "/" << static_cast<double>(ds.dm2);
  }
}

TEST_F(CalculationFailureTest, SampleOfBadInputsEachReports) {
  struct Case {
    const char* what;
    void (*apply)(SplineDataSet&);
    const char* message;
  };
  const Case cases[] = {
      {"N = 0", [](SplineDataSet& d) { d.N = 0; }, "Fatal  : z = 0 !"},
      {"N = 1", [](SplineDataSet& d) { d.N = 1; }, "Fatal  : z1 < 2!"},
      {"b < 0", [](SplineDataSet& d) { d.b = -1; }, "Fatal  : b <= 0!"},
      {"dm = 0", [](SplineDataSet& d) { d.dm1 = 0; }, "Fehler : Dm ball !  (1)"},
      {"huge torque", [](SplineDataSet& d) { d.torque = 1e4000L; }, "Fehler : Zahlenbereich !"},
      {"NaN width", [](SplineDataSet& d) { d.b = std::nanl(""); }, "Fatal  : b <= 0!"},
      {"bore too big", [](SplineDataSet& d) { d.din = 1000; }, "Fehler : Din >= Dre !"},
  };
  for (const auto& c : cases) {
    ds = before;
    c.apply(ds);
    SplineCalculation(s.calcContext());
    bool found = false;
    for (const auto& m : s.messages.entries) found = found || m == c.message;
    EXPECT_TRUE(found) << c.what;
  }
  // a negative torque computes negative stresses and reports nothing
  ds = before;
  ds.torque = -100;
  SplineCalculation(s.calcContext());
  EXPECT_LT(ds.Sc, 0);
  EXPECT_FALSE(s.fatal_flag);
}

}  // namespace
}  // namespace kv9
