// The CAD drawing settings form, the tooth-form configuration list and the drawing profile
// shift, which changes the drawn tooth but never the calculated results.
#include <gtest/gtest.h>

#include <cmath>

#include "app/session.h"
#include "calc/spline_calculation.h"
#include "support/toothform_support.h"
#include "toothform/cad_settings_form.h"
#include "toothform/tooth_form_config.h"

namespace kv9::test {
namespace {

TEST(CadSettingsForm, FillsFromTheSessionForEitherPart) {
  ToothFormSession t;
  t.s.ds.involute_points = 0;  // a stored 0 is shown as the 20 it draws with
  t.s.cad.polyline_output = true;
  t.s.toothform.diameters_shown = 2;
  t.s.toothform.xe = {0.125L, -0.25L};
  CadSettingsForm shaft(t.s.toothFormContext(), 1);
  EXPECT_EQ(shaft.caption, "KV9 - SAE Zahnwellenverbindung CAD Welle");
  EXPECT_EQ(shaft.points, 20);
  EXPECT_TRUE(shaft.polyline);
  EXPECT_TRUE(shaft.diameters);
  EXPECT_FALSE(shaft.trochoid);
  EXPECT_EQ(shaft.xe.text, "0.125");
  CadSettingsForm hub(t.s.toothFormContext(), 2);
  EXPECT_EQ(hub.caption, "KV9 - SAE Zahnwellenverbindung CAD Nabe");
  EXPECT_EQ(hub.xe.text, "-0.25");
  t.s.ds.involute_points = 900;
  EXPECT_EQ(CadSettingsForm(t.s.toothFormContext(), 1).points, CadSettingsForm::kMaxPoints);
}

TEST(CadSettingsForm, ProposalsAndAcceptStoreOnlyThePartsShift) {
  ToothFormSession t;
  const auto& ds = t.s.ds;
  CadSettingsForm form(t.s.toothFormContext(), 2);
  form.proposeXeMax();
  EXPECT_EQ(form.xe.text, FormatFieldNumber(StyleOf(t.s.cfg), ds.xemax[1]));
  form.proposeXeMin();
  EXPECT_EQ(form.xe.text, FormatFieldNumber(StyleOf(t.s.cfg), ds.xemin[1]));
  form.xe.text = "0,05";  // typed with a comma
  form.proposeXe();
  EXPECT_EQ(form.xe.text, FormatFieldNumber(StyleOf(t.s.cfg), t.s.toothform.xe[1]));
  form.xe.text = "0,05";
  form.points = 3;
  form.polyline = true;
  form.diameters = true;
  form.trochoid = true;
  t.s.abort_flag = true;
  const Real shaft_xe = t.s.toothform.xe[0];
  form.accept();
  EXPECT_FALSE(t.s.abort_flag);
  EXPECT_EQ(t.s.toothform.xe[1], 0.05L);
  EXPECT_EQ(t.s.toothform.xe[0], shaft_xe);
  EXPECT_EQ(ds.involute_points, CadSettingsForm::kMinPoints);
  EXPECT_TRUE(t.s.cad.polyline_output);
  EXPECT_EQ(t.s.toothform.diameters_shown, 2);
  EXPECT_TRUE(t.s.toothform.trochoid);
}

TEST(CadSettingsForm, UntouchedShiftKeepsItsExactValue) {
  ToothFormSession t;
  t.s.toothform.xe[0] = 1.0L / 3;
  CadSettingsForm form(t.s.toothFormContext(), 1);
  form.accept();
  EXPECT_EQ(t.s.toothform.xe[0], 1.0L / 3);
}

TEST(CadSettingsForm, CancelChangesNothingAndHelpClearsTheAbortFlag) {
  ToothFormSession t;
  t.s.toothform.xe = {0.1L, -0.1L};
  t.ui.on_cadSettingsForm = [](CadSettingsForm& form) {
    form.xe.text = "0.9";
    form.trochoid = true;
    form.points = 50;
    return false;
  };
  EXPECT_FALSE(ShowCadSettingsForm(t.s.toothFormContext(), 1));
  EXPECT_TRUE(t.s.abort_flag);
  EXPECT_EQ(t.s.toothform.xe[0], 0.1L);
  EXPECT_FALSE(t.s.toothform.trochoid);
  EXPECT_EQ(t.s.ds.involute_points, 20);
  EXPECT_EQ(t.s.help_topic, CadSettingsForm::kHelpTopic);

  CadSettingsForm form(t.s.toothFormContext(), 1);
  t.s.help_topic = 0;
  form.help();
  EXPECT_EQ(t.s.help_topic, 1000);
  EXPECT_FALSE(t.s.abort_flag);
}

TEST(CadSettingsForm, MaxFollowedByOkDrawsTheMaximumMaterialTooth) {
  ToothFormSession t("b92_1b_fit_f");  // fit class f: the maximum tooth is below nominal
  t.ui.on_cadSettingsForm = [](CadSettingsForm& form) {
    form.proposeXeMax();
    return true;
  };
  ASSERT_TRUE(ShowCadSettingsForm(t.s.toothFormContext(), 1));
  const auto& ds = t.s.ds;
  const WheelGeometry w = MakeToothFormGeometry(t.s.toothFormContext()).shaft();
  EXPECT_NEAR(w.s, ds.sn_max[0], 1e-12L);
  EXPECT_NEAR(w.df, ds.D[0] - 2 * ds.haP0[0] + 2 * ds.xemax[0] * ds.mn, 1e-12L);
  EXPECT_LT(w.s, ds.sn_th[0]);
  EXPECT_GT(w.s, ds.sn_min[0]);
}

TEST(DrawingShift, ChangesTheDrawnToothButNotTheResults) {
  ToothFormSession t;
  const Real df = t.s.ds.df[0], sn = t.s.ds.sn_th[0], da = t.s.ds.da[0];
  const WheelGeometry nominal = MakeToothFormGeometry(t.s.toothFormContext()).shaft();
  t.s.toothform.xe[0] += 0.2L;
  const WheelGeometry shifted = MakeToothFormGeometry(t.s.toothFormContext()).shaft();
  EXPECT_NEAR(shifted.df - nominal.df, 0.4L * t.s.ds.mn, 1e-12L);
  EXPECT_NEAR(shifted.s - nominal.s, 0.4L * std::tan(t.s.ds.alpha) * t.s.ds.mn, 1e-12L);
  EXPECT_EQ(t.s.ds.df[0], df);
  EXPECT_EQ(t.s.ds.sn_th[0], sn);
  EXPECT_EQ(t.s.ds.da[0], da);
  // the next calculation starts the drawings from the calculated shift again
  SplineCalculation(t.s.calcContext());
  EXPECT_EQ(t.s.toothform.xe[0], t.s.ds.x[0]);
}

TEST(ToothFormConfig, DrawnToothChoicesSetBothShifts) {
  ToothFormSession t("b92_1b_fit_f");  // with a fit allowance all four teeth differ
  const auto& ds = t.s.ds;
  EXPECT_EQ(CurrentDrawnTooth(t.s.toothFormContext()), DrawnTooth::Nominal);
  SetDrawnTooth(t.s.toothFormContext(), DrawnTooth::MinBacklash);
  EXPECT_EQ(t.s.toothform.xe, ds.xemax);
  EXPECT_EQ(CurrentDrawnTooth(t.s.toothFormContext()), DrawnTooth::MinBacklash);
  SetDrawnTooth(t.s.toothFormContext(), DrawnTooth::MaxBacklash);
  EXPECT_EQ(t.s.toothform.xe, ds.xemin);
  SetDrawnTooth(t.s.toothFormContext(), DrawnTooth::Mean);
  EXPECT_EQ(t.s.toothform.xe[1], (ds.xemin[1] + ds.xemax[1]) / 2);
  EXPECT_EQ(CurrentDrawnTooth(t.s.toothFormContext()), DrawnTooth::Mean);
  t.s.toothform.xe[0] = 0.3L;  // one member set in the CAD drawing settings
  EXPECT_EQ(CurrentDrawnTooth(t.s.toothFormContext()), DrawnTooth::Other);
  SetDrawnTooth(t.s.toothFormContext(), DrawnTooth::Other);
  EXPECT_EQ(t.s.toothform.xe[0], 0.3L);
}

TEST(ToothFormConfig, EveryEntryChangesItsSetting) {
  ToothFormSession t("b92_1b_fit_f");
  for (const char* a : {"1", "3", "2", "12.5", "3", "4", "5", "6", "2", "5", "7", "15", "8", "9"})
    t.ui.answer(a);
  ToothFormConfig(t.s.toothFormContext());
  EXPECT_EQ(t.ui.unanswered, 0);
  const auto& tf = t.s.toothform;
  EXPECT_EQ(tf.xe, t.s.ds.xemax);
  EXPECT_EQ(tf.shaft_angle, 12.5L);
  EXPECT_EQ(tf.diameters_shown, 2);
  EXPECT_TRUE(tf.trochoid);
  EXPECT_TRUE(t.s.cad.polyline_output);
  EXPECT_EQ(t.s.ds.involute_points, 5);  // 2 is below the range the settings form allows too
  EXPECT_EQ(t.ui.texts("error").size(), 1u);
  EXPECT_EQ(tf.trochoid_steps, 15);
  EXPECT_FALSE(tf.meshing_texts);
  // the last list shows the values as they are now
  const auto& lines = t.ui.events.back().lines;
  ASSERT_EQ(lines.size(), 9u);
  EXPECT_EQ(lines[0], "Erzeug.Prof.versch.faktor xe: Spiel min. (xe max)");
  EXPECT_EQ(lines[1], "Drehwinkel Rad 1 [Grad]: 12.5");
  EXPECT_EQ(lines[2], "Durchmesser einzeichnen ?  Ja");
  EXPECT_EQ(lines[5], "Anzahl der Punkte für die Evolvente: 5");
  EXPECT_EQ(lines[8], "zurück ..");
  EXPECT_EQ(t.ui.events.back().preselected, 8);
}

TEST(ToothFormConfig, AngleOutsideItsRangeIsAskedAgainAndCancelLeaves) {
  ToothFormSession t;
  t.ui.answer("2");
  t.ui.answer("200");
  t.ui.answer("-30");
  t.ui.cancel();
  ToothFormConfig(t.s.toothFormContext());
  EXPECT_EQ(t.s.toothform.shaft_angle, -30);
  ASSERT_EQ(t.ui.texts("error").size(), 1u);
  EXPECT_NE(t.ui.texts("error")[0].find("180"), std::string::npos);
  EXPECT_TRUE(t.s.abort_flag);
}

}  // namespace
}  // namespace kv9::test
