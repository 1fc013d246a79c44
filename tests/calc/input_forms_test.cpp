// The input-form models: what each dialog shows, its rules and buttons, unit toggles and what
// OK and Cancel leave in the data set.
#include "calc/input_forms.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "calc/spline_calculation.h"
#include "core/number_format.h"
#include "core/scripted_ui.h"
#include "support/calc_reference.h"
#include "support/calc_state.h"
#include "model/config.h"

namespace kv9::test {
// The input forms work on the settings too.
struct FormState : CalcState {
  Config cfg;
  FormContext formContext() { return {calcContext(), cfg}; }
};
}  // namespace kv9::test

namespace kv9 {
namespace {

class FormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    s.cfg.unit_flag = 0;
    test::ApplyInputs(ds, {.pitch_index = 7, .N = 20});
    SplineCalculation(s.calcContext());
    MessageClear(s.messages, s.fatal_flag);
  }
  // The dialogs answer from a script; their help topic is kept here.
  struct DialogState : test::FormState {
    ScriptedUi ui;
    int help_topic = 0;
  };
  DialogState t;
  DialogState& s = t;
  SplineDataSet& ds = t.ds;
};

// --- dimensions ---

TEST_F(FormTest, PressureAngleRulesOfTheFitList) {
  DimensionsForm f(s.formContext());
  EXPECT_EQ(f.caption, "KV9 - SAE Zahnwellenverbindung Abmessungen");
  EXPECT_EQ(f.pitch.items[0], "2.5 / 5");
  EXPECT_EQ(f.pitch.items[16], "128 / 256");
  EXPECT_TRUE(f.fit.enabled);
  EXPECT_EQ(f.fit.pos, 0);
  f.onAlphaChanged(2);  // 45°
  EXPECT_EQ(f.fit.pos, 2);
  EXPECT_FALSE(f.fit.enabled);
  f.onAlphaChanged(0);  // back to 30°: enabled again, the fillet root stays
  EXPECT_TRUE(f.fit.enabled);
  EXPECT_EQ(f.fit.pos, 2);
  f.accept();
  EXPECT_EQ(ds.alpha_index, 1);
  EXPECT_EQ(ds.fit_index, 3);
  EXPECT_FALSE(s.abort_flag);
}

TEST_F(FormTest, PitchDiameterAndFaceWidthProposals) {
  DimensionsForm f(s.formContext());
  EXPECT_EQ(f.d_text, "50.8");
  f.proposeB1();  // 0.4 x 50.8 = 20.32, whole millimetres
  EXPECT_EQ(f.b1.text, "20");
  f.b2.text = "15";
  f.proposeB();
  EXPECT_EQ(f.b.text, "15");
  f.b1.text = "30";
  f.proposeB2();
  EXPECT_EQ(f.b2.text, "30");
  f.proposeAllWidths();
  EXPECT_EQ(f.b1.text, "20");
  EXPECT_EQ(f.b2.text, "20");
  EXPECT_EQ(f.b.text, "20");
  f.onPitchChanged(0);  // P = 2.5
  f.onTeethChanged(3);  // below the spin range
  EXPECT_EQ(f.teeth, 6);
  EXPECT_EQ(f.d_text, "60.96");
  f.accept();
  EXPECT_EQ(ds.pitch_index, 1);
  EXPECT_EQ(ds.N, 6);
  EXPECT_EQ(ds.b, 20);
  EXPECT_NEAR(ds.D[0], 60.96L, 1e-12L);

  s.cfg.unit_flag = 1;  // inch: d = N/P, b1 to tenths of an inch
  test::ApplyInputs(ds, {.pitch_index = 7, .N = 20});
  DimensionsForm g(s.formContext());
  EXPECT_EQ(g.d_text, "2");
  g.proposeB1();
  EXPECT_EQ(g.b1.text, "0.8");
  g.accept();
  EXPECT_NEAR(ds.b1, 20.32L, 1e-12L);
}

TEST_F(FormTest, OdProposalCalculatesOnACopy) {
  const auto before = ds;
  DimensionsForm f(s.formContext());
  f.onTeethChanged(30);
  f.od.text = "123";
  f.proposeOd();

  test::FormState ref;  // the same connection with 30 teeth, calculated on its own
  ref.cfg.unit_flag = 0;
  ref.ds = before;
  ref.ds.N = 30;
  ref.ds.od = 0;
  SplineCalculation(ref.calcContext());
  const Real od = 1.1L * ref.ds.Dri + ref.ds.H;
  EXPECT_NEAR(ReadFieldNumber(f.od.text), od, 1e-3L);
  EXPECT_EQ(f.teeth, 30);

  // nothing reached the data set or the message list; Cancel leaves it so
  EXPECT_EQ(ds.N, 20);
  EXPECT_EQ(ds.od, before.od);
  EXPECT_EQ(ds.Dri, before.Dri);
  EXPECT_TRUE(s.messages.entries.empty());
  f.cancel();
  EXPECT_TRUE(s.abort_flag);
  EXPECT_EQ(ds.N, 20);

  f.accept();  // the derived value itself, not its shortened text
  EXPECT_NEAR(ds.od, od, 1e-12L);
}

TEST_F(FormTest, DimensionsUnitToggleAndUnreadableNumbers) {
  ds.b = 20.32L;
  DimensionsForm f(s.formContext());
  EXPECT_EQ(f.b.text, "20.32");
  EXPECT_EQ(f.unit_button, "inch");
  f.onUnitToggle();
  EXPECT_EQ(s.cfg.unit_flag, 1);
  EXPECT_EQ(f.b.text, "0.8");
  EXPECT_EQ(f.length_unit, "in");
  EXPECT_EQ(f.unit_button, "mm");
  f.din.text = "1";  // typed in inches
  f.onUnitToggle();
  EXPECT_EQ(f.b.text, "20.32");
  EXPECT_EQ(f.din.text, "25.4");
  f.b1.text = "abc";
  f.b2.text = "inf";
  f.od.text = "61,5";
  f.accept();
  EXPECT_EQ(ds.b, 20.32L);  // exactly: the shown texts were not edited
  EXPECT_EQ(ds.b1, 0);
  EXPECT_EQ(ds.b2, 0);
  EXPECT_EQ(ds.od, 61.5L);
  EXPECT_EQ(ds.din, 25.4L);
}

TEST_F(FormTest, DimensionsDialogThroughTheUi) {
  t.ui.on_dimensionsForm = [](DimensionsForm& f) {
    f.onTeethChanged(30);
    return true;
  };
  EXPECT_TRUE(ShowDimensionsForm(s.formContext(), s.ui, s.help_topic));
  EXPECT_EQ(ds.N, 30);
  EXPECT_FALSE(s.abort_flag);
  EXPECT_EQ(s.help_topic, 5030);
  t.ui.on_dimensionsForm = [](DimensionsForm& f) {
    f.onTeethChanged(40);
    return false;
  };
  EXPECT_FALSE(ShowDimensionsForm(s.formContext(), s.ui, s.help_topic));
  EXPECT_TRUE(s.abort_flag);
  EXPECT_EQ(ds.N, 30);
  EXPECT_EQ(t.ui.texts("form:dimensionsForm").size(), 2u);
}

// --- quality ---

TEST_F(FormTest, AnsiB921ForcesFitClassH) {
  ds.quality_standard = 2;
  ds.fit_class = 1;
  QualityForm f(s.formContext());
  EXPECT_TRUE(f.fit_class.enabled);
  EXPECT_EQ(f.fit_class.pos, 0);
  f.onStandardChanged(0);
  EXPECT_FALSE(f.fit_class.enabled);
  EXPECT_EQ(f.fit_class.pos, 3);
  f.accept();
  EXPECT_EQ(ds.quality_standard, 1);
  EXPECT_EQ(ds.fit_class, 4);

  ds.fit_class = 2;  // from a file: ANSI B92.1 with fit class e
  QualityForm g(s.formContext());
  EXPECT_EQ(g.fit_class.pos, 3);
  g.fit_class.pos = 1;  // even if a binding selected one
  g.accept();
  EXPECT_EQ(ds.fit_class, 4);
}

TEST_F(FormTest, FitClassTextsShowTheLastCalculation) {
  QualityForm f(s.formContext());  // D = 2 in
  EXPECT_EQ(f.fit_class.items[0], "d (es = 0.00357\")");
  EXPECT_EQ(f.fit_class.items[3], "h (es = 0)");
  EXPECT_EQ(f.d_label, "D = 2.0000\"");
  EXPECT_EQ(f.tolerance_class.items[0], "4  (f=0.71)");
  ds.N = 40;  // changed, not calculated yet
  QualityForm g(s.formContext());
  EXPECT_EQ(g.fit_class.items, f.fit_class.items);
}

TEST_F(FormTest, RunoutsInInchesAndInvolutePoints) {
  QualityForm f(s.formContext());
  f.coe.text = "0.002";
  f.coi.text = "x";
  f.points = 300;
  f.accept();
  EXPECT_NEAR(ds.coe, 0.0508L, 1e-15L);  // inches in mm mode too
  EXPECT_EQ(ds.coi, 0);
  EXPECT_EQ(ds.involute_points, 200);
  QualityForm g(s.formContext());
  EXPECT_EQ(g.coe.text, "0.002");
  g.points = 7;
  g.proposePoints();
  EXPECT_EQ(g.points, 20);
}

// --- measurement ---

TEST_F(FormTest, MeasurementProposalsUseTheMinimumTooth) {
  const Real alpha = test::RefRad(30);
  MeasurementForm f(s.formContext());
  EXPECT_EQ(f.caption,
            "KV9 - SAE Zahnwellenverbindung  Messzaehnezahl, Kugel-und Rollendurchmesser");
  f.proposeBall();
  for (int i = 0; i < 2; ++i) {
    const int z = i == 0 ? 20 : -20;
    const Real want = std::nearbyint(10 * test::RefBallProposal(z, 2.54L, alpha, ds.xemin[i])) / 10;
    EXPECT_NEAR(f.dm[i].value(), want, 1e-12L) << i;
    EXPECT_NEAR(ReadFieldNumber(f.dm[i].text), want, 1e-12L) << i;
  }
  f.proposeSpanCounts();
  const Real ratio = std::cos(alpha) * 20 / (20 + 2 * ds.xemin[0]);
  EXPECT_EQ(f.k_text[0],
            std::to_string(static_cast<int>(20 * std::acos(ratio) / 3.14159265358979L + 1)));
  f.accept();
  EXPECT_EQ(ds.k1, std::stoi(f.k_text[0]));

  s.cfg.unit_flag = 1;  // thousandths of an inch, shown with 4 decimals
  MeasurementForm g(s.formContext());
  g.proposeBall();
  const Real inch =
      std::nearbyint(1000 * test::RefBallProposal(20, 2.54L, alpha, ds.xemin[0]) / 25.4L) / 1000;
  EXPECT_EQ(g.dm[0].text, FormatFixed(StyleOf(s.cfg), 0, 4, inch));
  EXPECT_NEAR(g.dm[0].value(), inch * 25.4L, 1e-12L);
}

TEST_F(FormTest, MeasurementUnitToggleAndTypedCounts) {
  ds.dm1 = 6;
  MeasurementForm f(s.formContext());
  EXPECT_EQ(f.dm[0].text, "6");
  EXPECT_EQ(f.unit_button, "mm");
  f.onUnitToggle();
  EXPECT_EQ(f.dm[0].text, "0.2362");
  EXPECT_EQ(f.unit_button, "in");
  f.onUnitToggle();
  EXPECT_EQ(f.dm[0].text, "6");
  f.k_text = {"3.6", "zwei"};
  f.dm[1].text = "5,5";
  f.accept();
  EXPECT_EQ(ds.dm1, 6);
  EXPECT_EQ(ds.dm2, 5.5L);
  EXPECT_EQ(ds.k1, 4);
  EXPECT_EQ(ds.k2, 0);
}

// --- stress ---

TEST_F(FormTest, FixedSplineSetsSacAndLwOverTypedValues) {
  s.cfg.unit_flag = 1;
  StressForm f(s.formContext());
  f.lw.text = "2.5";
  f.sac.text = "123";
  f.choose(f.spline, 0);  // self-defined: the typed values stay
  EXPECT_EQ(f.lw.text, "2.5");
  f.choose(f.revolutions, 3);
  f.choose(f.material, 1);  // Carburized, Rc58
  EXPECT_EQ(f.sac.text, "123");
  EXPECT_EQ(f.sas.text, "50000");
  f.choose(f.spline, 2);  // Fixed Spline
  EXPECT_EQ(f.sac.text, "20000");
  EXPECT_EQ(f.lw.text, "1");
  f.accept();
  EXPECT_NEAR(ds.sac, 20000 / 145.037L, 1e-9L);
  EXPECT_EQ(ds.lw, 1.0L);
  EXPECT_EQ(ds.spline_index, 2);
  EXPECT_EQ(ds.mat_index, 1);
  EXPECT_EQ(ds.revolution_index, 3);
}

TEST_F(FormTest, NitridedInMmModeWritesConvertedShearStress) {
  StressForm f(s.formContext());
  EXPECT_EQ(f.stress_unit, "MPa");
  f.choose(f.material, 3);
  EXPECT_EQ(f.sas.text, "275.79");
  f.accept();
  EXPECT_NEAR(ds.sas, 275.79L, 0.005L);
  EXPECT_NEAR(ds.sas, 40000 * 0.006894792363327978L, 1e-12L);
}

TEST_F(FormTest, StressTablesAppliedOnShow) {
  ds.misalign_index = 3, ds.facewidth_index = 2;  // 0.004 in./in., 1 in.
  ds.powersource_index = 2, ds.load_index = 3;    // light, shock
  ds.torques_index = 3, ds.cycletype_index = 2;   // 100 000, fully reversed
  ds.km = 9, ds.ko = 9, ds.lf = 9;
  ds.spline_index = 1, ds.revolution_index = 2;  // flexible, 0.10 million
  StressForm f(s.formContext());
  EXPECT_EQ(f.km.text, "1.5");
  EXPECT_EQ(f.ko.text, "1.8");
  EXPECT_EQ(f.lf.text, "0.4");
  EXPECT_EQ(f.lw.text, "2.8");
}

TEST_F(FormTest, StressUnitToggleAndCancel) {
  ds.torque = 100;
  StressForm f(s.formContext());
  EXPECT_EQ(f.torque.text, "100.00");
  f.onUnitToggle();
  EXPECT_EQ(f.torque.text, "885.1");
  EXPECT_EQ(f.torque_unit, "lbfin");
  f.onUnitToggle();
  EXPECT_EQ(f.torque.text, "100.00");
  f.ko.text = "?";
  f.accept();
  EXPECT_EQ(ds.torque, 100);
  EXPECT_EQ(ds.ko, 0);

  t.ui.on_stressForm = [](StressForm& g) {
    g.torque.text = "5";
    return false;
  };
  EXPECT_FALSE(ShowStressForm(s.formContext(), s.ui, s.help_topic));
  EXPECT_TRUE(s.abort_flag);
  EXPECT_EQ(ds.torque, 100);
  EXPECT_EQ(s.help_topic, 5500);
}

}  // namespace
}  // namespace kv9
