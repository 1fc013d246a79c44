// The gear-pair toolkit on the spline's equivalent pair: limits, the sign convention of the
// internal pair, tip shortening, interference, warnings and the drawing-side geometry.
#include "calc/involute_toolkit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "calc/involute_inverse.h"
#include "calc/meshing_geometry.h"
#include "calc/spline_calculation.h"
#include "calc/spline_geometry.h"
#include "core/guarded_math.h"
#include "support/calc_reference.h"
#include "support/calc_state.h"

namespace kv9 {
namespace {

using Messages = std::vector<std::string>;

class ToolkitTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::ApplyInputs(ds, {.pitch_index = 7, .N = 20});
    SplineCalculation(s.calcContext());
    ASSERT_FALSE(s.fatal_flag);
    MessageClear(s.messages, s.fatal_flag);
  }
  bool HasMessage(const std::string& text) const { return test::HasMessage(s, text); }
  test::CalcState t;
  test::CalcState& s = t;
  SplineDataSet& ds = t.ds;
};

TEST_F(ToolkitTest, GearSetupPressureAngleLimits) {
  for (Real phi : {5.0L, 30.0L, 37.5L, 45.0L}) {
    ds.phi_d = phi;
    GearSetup(s.calcContext());
    EXPECT_FALSE(s.fatal_flag) << phi;
  }
  for (Real phi : {4.99L, 45.01L}) {
    MessageClear(s.messages, s.fatal_flag);
    ds.phi_d = phi;
    GearSetup(s.calcContext());
    EXPECT_TRUE(s.fatal_flag) << phi;
    EXPECT_EQ(s.messages.entries, Messages{"Fatal  : alpha !"});
  }
}

TEST_F(ToolkitTest, HelixAndRootChecks) {
  ds.beta = 50;  // reported, not fatal
  GearSetup(s.calcContext());
  EXPECT_FALSE(s.fatal_flag);
  EXPECT_EQ(s.messages.entries, Messages{"Fatal  : beta > 45!"});
  ds.beta = 0;
  GearSetup(s.calcContext());

  MessageClear(s.messages, s.fatal_flag);
  const auto hub_root = ds.df[1];
  ds.hap0_mn[0] = 20;  // a tool addendum that cuts below the centre
  PairGeometry(s.calcContext());
  EXPECT_TRUE(s.fatal_flag);
  EXPECT_FALSE(s.abort_flag);
  EXPECT_EQ(s.messages.entries, Messages{"Fatal  : df <=0 ! (1)"});
  EXPECT_EQ(ds.df[1], hub_root);  // the loop stopped at the shaft
}

TEST_F(ToolkitTest, OperationsDoNothingAfterAFatalMessage) {
  const auto before = ds;
  ds.b1 = 1;  // the setup would raise it to b
  s.fatal_flag = true;
  GearSetup(s.calcContext());
  PairGeometry(s.calcContext());
  ToothDimensions(s.calcContext());
  EXPECT_EQ(s.messages.entries, (Messages{"Fatal  : Unit0", "Fatal  : KV9", "Fatal  : Unit2"}));
  EXPECT_EQ(ds.b1, 1);
  EXPECT_EQ(ds.df, before.df);
  EXPECT_EQ(ds.sa, before.sa);
}

TEST_F(ToolkitTest, InverseInvolute) {
  const Real inv30 = Inv(s.messages, test::RefRad(30));
  EXPECT_NEAR(inv30, 0.0537515L, 1e-7L);
  EXPECT_NEAR(InverseInvolute(s.calcContext(), inv30), 0.5235988L, 1e-7L);
  for (Real a : {-1.2L, -0.3L, 1e-4L, 0.3L, 0.5235988L, 1.0L, 1.5L}) {
    const Real v = Inv(s.messages, a);
    const Real got = InverseInvolute(s.calcContext(), v);
    EXPECT_LT(std::fabs(Inv(s.messages, got) - v), 1e-15L) << a;
    // near 0 inv is flat and the common acceptance test leaves the angle loose
    if (std::fabs(a) > 0.1L) {
      EXPECT_NEAR(got, ArcInv(s.messages, v), 1e-12L) << a;
    }
  }
  EXPECT_EQ(InverseInvolute(s.calcContext(), 0), 0);
  EXPECT_TRUE(s.messages.entries.empty());
  // beyond the interval the bisection's failure and message stand
  EXPECT_EQ(InverseInvolute(s.calcContext(), 5000), 0);
  EXPECT_EQ(s.messages.entries, Messages{"Error: ArcInv in unit math"});
}

TEST_F(ToolkitTest, WorkingPressureAngleNotFoundSetsTheAbortFlag) {
  ds.alpha_t = 0;  // inv alpha wt = 0 has the angle 0
  PairGeometry(s.calcContext());
  EXPECT_TRUE(s.fatal_flag);
  EXPECT_TRUE(s.abort_flag);
  EXPECT_EQ(s.messages.entries, Messages{"Fatal  : alpha wt !"});
}

TEST_F(ToolkitTest, SplinePairIsAnInternalPairWithoutCentreDistance) {
  EXPECT_EQ(ds.z, (Pair<int>{20, -20}));
  EXPECT_NEAR(ds.alpha_wt, ds.alpha, 1e-15L);
  EXPECT_NEAR(ds.alpha_t, ds.alpha, 1e-15L);
  EXPECT_NEAR(ds.a, 0, 1e-12L);
  for (int i = 0; i < 2; ++i) EXPECT_NEAR(ds.dw[i], ds.D[i], 1e-12L);
  EXPECT_NEAR(ds.Db[1], -ds.Db[0], 1e-12L);
  EXPECT_NEAR(ds.jtmin, 25.4L * ds.cv_min, 1e-15L);
  // the usable root diameters are reached by the mating tips
  EXPECT_NEAR(ds.dNf[0], ds.Di_min, 1e-9L);
  EXPECT_NEAR(ds.dNf[1], -ds.Do_max, 1e-9L);
  EXPECT_EQ(ds.da_eff, ds.da);
  // the theoretical tips reach DFi (shaft) and DFe (hub)
  EXPECT_NEAR(ds.da_th[0], ds.DFi, 1e-9L);
  EXPECT_NEAR(ds.da_th[1], -ds.DFe, 1e-9L);
  // Y = db/2 (inv alpha a1 - inv alpha a2), positive while Di min < Do max
  const Real db = ds.Db[0];
  const Real y =
      db / 2 * (test::RefInv(std::acos(db / ds.da[0])) - test::RefInv(std::acos(db / -ds.da[1])));
  EXPECT_NEAR(ds.Y, y, 1e-12L);
  EXPECT_GT(ds.Y, 0);
  // the hub's root form diameter lies inward of its root, outside the base circle
  EXPECT_GT(ds.dFf[1], ds.df[1]);
  EXPECT_LT(ds.dFf[1], ds.Db[1]);
  EXPECT_GE(ds.dFf[0], ds.Db[0]);
}

// Values of the calculation, checked by hand against dFf = max(db, df + 2 rhoaP0 (1 - sin alpha))
// (for the hub with its negative diameters, the smaller signed value); in all three the end of
// the tool tip rounding lies outside the base circle.
TEST(RootFormDiameter, ValuesOfThreeConnections) {
  struct Case {
    test::RefInputs inputs;
    Real shaft, hub;
  };
  const Case cases[] = {
      {{.alpha_index = 1, .pitch_index = 7, .N = 20, .fit = kFitSideFlat},
       47.961157965L,
       -53.505100000L},
      {{.alpha_index = 2, .pitch_index = 5, .N = 31, .fit = kFitMajor},
       126.763721436L,
       -135.198355255L},
      {{.alpha_index = 3, .pitch_index = 10, .N = 12, .fit = kFitSideFillet},
       14.154541116L,
       -16.833458884L},
  };
  for (const Case& c : cases) {
    test::CalcState t;
    test::ApplyInputs(t.ds, c.inputs);
    SplineCalculation(t.calcContext());
    ASSERT_FALSE(t.fatal_flag) << c.inputs.N;
    EXPECT_NEAR(t.ds.dFf[0], c.shaft, 1e-8L) << c.inputs.N;
    EXPECT_NEAR(t.ds.dFf[1], c.hub, 1e-8L) << c.inputs.N;
  }
}

TEST_F(ToolkitTest, TipShorteningWithinOneMicronIsDropped) {
  ds.da[0] = ds.da0[0] - 0.0015L;  // kmn = 0.00075 mm
  ToothDimensions(s.calcContext());
  EXPECT_EQ(ds.kmn[0], 0);
  EXPECT_EQ(ds.da[0], ds.da0[0]);
  ds.da[0] = ds.da0[0] + 0.01L;  // kmn = -0.005 mm
  ToothDimensions(s.calcContext());
  EXPECT_NEAR(ds.kmn[0], -0.005L, 1e-12L);
  EXPECT_TRUE(HasMessage("Fehler : kmn < 0 !  (1)"));
}

TEST_F(ToolkitTest, HubMinorDiameterBelowTheShaftBaseCircle) {
  ds.da[1] = -(ds.Db[0] - 0.5L);
  ToothDimensions(s.calcContext());
  EXPECT_TRUE(HasMessage("Fehler : Eingr.st\x94r. da2 !"));
  EXPECT_NEAR(ds.da_eff[1], -ds.Db[0], 1e-12L);
  // a hub minor diameter above the shaft major diameter: negative Y, the warning follows
  MessageClear(s.messages, s.fatal_flag);
  ds.da[1] = -(ds.Do_max + 0.5L);
  ToothDimensions(s.calcContext());
  EXPECT_LT(ds.Y, 0);
  PlausibilityWarnings(s.calcContext());
  EXPECT_TRUE(HasMessage("Eingriffst\x94rungen !"));
}

TEST_F(ToolkitTest, TipInsideTheBaseCircleNamesTheMember) {
  // The shaft's tip circle inside its base circle: no tip pressure angle, no involute on the
  // tip, and the hub root the shaft tip reaches cannot be found (messages cut to 36 characters).
  ds.da[0] = ds.Db[0] - 0.5L;
  ToothDimensions(s.calcContext());
  EXPECT_EQ(s.messages.entries,
            (Messages{"Fatal  : ArcCos(cos(alpha t)*d/da)>1", "Fehler : db > da  (1) !",
                      "Fehler : dnf2 (sqrt)", "Fatal  : db > da  (1) (acos)"}));
  // the hub's minor circle inside its base circle (a smaller magnitude): the same for member 2
  SplineCalculation(s.calcContext());
  MessageClear(s.messages, s.fatal_flag);
  ds.da[1] = ds.Db[1] + 0.5L;
  ToothDimensions(s.calcContext());
  EXPECT_TRUE(HasMessage("Fehler : db > da  (2) !"));
  EXPECT_TRUE(HasMessage("Fatal  : db > da  (2) (acos)"));
  EXPECT_FALSE(HasMessage("Fehler : db > da  (1) !"));
}

TEST_F(ToolkitTest, PlausibilityWarningsNameTheMember) {
  PlausibilityWarnings(s.calcContext());
  // the start ball diameters 6 and 5.25 mm are within 50 % of the proposals at P = 10
  EXPECT_TRUE(s.messages.entries.empty());

  ds.sa[0] = 0.1L * ds.mn;
  ds.x[1] = -1.6L;
  ds.ck[1] = -0.01L;
  ds.dm1 = 20;
  ds.k2 = 10;
  PlausibilityWarnings(s.calcContext());
  EXPECT_EQ(
      s.messages.entries,
      (Messages{"Warnung: Spitzzahn ! (1)", "Fehler : Zahnspiel < 0 ! (2)",
                "Messkugeldurchmesser 1 !", "Warnung: x > 1.5   (2) !", "Messzaehnezahl 2 !"}));
}

TEST(ToolkitUndercut, FewTeethAtThirtyDegrees) {
  // x min = 5/6 - z sin²(30°)/2 is above x = 0 for 6 teeth, below it for 7
  for (int N : {6, 7}) {
    test::CalcState t;
    test::ApplyInputs(t.ds, {.pitch_index = 7, .N = N});
    SplineCalculation(t.calcContext());
    EXPECT_NEAR(t.ds.x_min[0], 5.0L / 6 - N / 8.0L, 1e-15L);
    bool warned = false;
    for (const auto& m : t.messages.entries) warned = warned || m == "Warnung: Unterschnitt ! (1)";
    EXPECT_EQ(warned, N == 6) << N;
  }
}

TEST_F(ToolkitTest, MeshingGeometryKeepsTheResults) {
  const auto before = ds;
  const Pair<Real> xs = {0.1L, -0.1L};
  MeshingGeometry g = ComputeMeshingGeometry(s.calcContext(), xs);
  ASSERT_TRUE(g.ok);
  const Real tan_a = std::tan(ds.alpha);
  for (int i = 0; i < 2; ++i) {
    EXPECT_NEAR(g.s[i], (3.14159265358979323846L / 2 + 2 * xs[i] * tan_a) * ds.mn, 1e-12L);
    EXPECT_NEAR(g.df[i], ds.D[i] - 2 * ds.haP0[i] + 2 * xs[i] * ds.mn, 1e-12L);
    EXPECT_NEAR(g.dw[i], ds.D[i], 1e-12L);
  }
  // the tips are shortened (kmn > 0) here, so the calculated tips stay
  ASSERT_NE(ds.kmn[0], 0);
  EXPECT_EQ(g.da, ds.da);
  EXPECT_NEAR(g.alpha_w, ds.alpha_t, 1e-15L);
  EXPECT_EQ(ds.df, before.df);
  EXPECT_EQ(ds.sn_th, before.sn_th);

  // unshortened tips follow the shift; the mean tolerance takes the generating shifts
  ds.kmn = {0, 0};
  g = ComputeMeshingGeometry(s.calcContext(), xs, {.mean_tolerance = {1, 0}});
  EXPECT_NEAR(g.df[0], ds.D[0] - 2 * ds.haP0[0] + (ds.xemin[0] + ds.xemax[0]) * ds.mn, 1e-12L);
  EXPECT_NEAR(g.da[0], 2 * ds.hfP0[0] + ds.D[0] + (ds.xemin[0] + ds.xemax[0]) * ds.mn, 1e-12L);
  EXPECT_NEAR(g.da[1], 2 * ds.hfP0[1] + ds.D[1] + 2 * xs[1] * ds.mn, 1e-12L);

  // a coaxial pair has no other centre distance
  g = ComputeMeshingGeometry(s.calcContext(), xs, {.centre_distance = 5});
  EXPECT_FALSE(g.ok);
  EXPECT_TRUE(s.fatal_flag);
  EXPECT_TRUE(HasMessage("Fatal  : Achsabstand !"));
}

}  // namespace
}  // namespace kv9
