// The input dialogs bound to their form models: filled from the data set, typing and OK write
// it, Cancel changes nothing, and the buttons refill what their model event changed.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include "app/data_file_commands.h"
#include "calc/form_field.h"
#include "calc/input_forms.h"
#include "calc/spline_geometry.h"
#include "core/number_format.h"
#include "gui/cad_settings_dialog.h"
#include "gui/dimensions_dialog.h"
#include "gui/material_dialog.h"
#include "gui/measurement_dialog.h"
#include "gui/quality_dialog.h"
#include "gui/text_convert.h"
#include "gui_support.h"
#include "model/data_file.h"
#include "support/examples.h"
#include "toothform/cad_settings_form.h"

namespace kv9 {
namespace {

using test::Find;

struct InputDialogs : ::testing::Test {
  test::TestSession t;
  Session& s = t.s;
  InputDialogs() {
    s.cfg.unit_flag = 0;  // millimetres
    EXPECT_TRUE(LoadDataFile(s, test::ExamplePath("side_fit_30")));
  }
  static void type(QLineEdit* edit, const char* text) {
    edit->selectAll();
    QTest::keyClicks(edit, text);
  }
  static void click(QWidget* dialog, const char* button) {
    Find<QPushButton>(dialog, button)->click();
  }
};

TEST_F(InputDialogs, DimensionsTypedAndOkWriteTheDataSetUntouchedFieldsExactly) {
  s.ds.b2 = 12.34567890123L;  // shown rounded, must come back unrounded
  DimensionsForm form(s.formContext());
  TForm_kv9abmessungen dialog(nullptr, form, {});
  auto* b1 = Find<QLineEdit>(&dialog, "Edit_b1");
  EXPECT_EQ(b1->text(), FromDisplay(form.b1.text));
  EXPECT_EQ(Find<QLineEdit>(&dialog, "Edit_b2")->text(), FromDisplay(form.b2.text));
  EXPECT_EQ(Find<QComboBox>(&dialog, "ComboBox_pitch")->currentIndex(), s.ds.pitch_index - 1);
  auto* teeth = Find<QSpinBox>(&dialog, "SpinEdit_teeth");
  EXPECT_EQ(teeth->value(), s.ds.N);

  type(b1, "31,5");
  teeth->setValue(40);
  EXPECT_EQ(
      Find<QLabel>(&dialog, "Label_d")->text(),
      FromDisplay(FormatFieldNumber(StyleOf(s.cfg), kInch * 40 / PitchOfIndex(s.ds.pitch_index))));
  click(&dialog, "Button_ok");
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(s.ds.b1, 31.5L);
  EXPECT_EQ(s.ds.N, 40);
  EXPECT_EQ(s.ds.b2, 12.34567890123L);
  EXPECT_FALSE(s.abort_flag);
}

TEST_F(InputDialogs, CancelChangesNothingAndSetsTheAbortFlag) {
  const SplineDataSet before = s.ds;
  DimensionsForm form(s.formContext());
  TForm_kv9abmessungen dialog(nullptr, form, {});
  type(Find<QLineEdit>(&dialog, "Edit_b1"), "99");
  Find<QSpinBox>(&dialog, "SpinEdit_teeth")->setValue(7);
  click(&dialog, "Button_cancel");
  EXPECT_EQ(s.ds.b1, before.b1);
  EXPECT_EQ(s.ds.N, before.N);
  EXPECT_TRUE(s.abort_flag);
}

TEST_F(InputDialogs, PressureAngleEnablesTheFitListAndProposalsRefillTheirFields) {
  DimensionsForm form(s.formContext());
  TForm_kv9abmessungen dialog(nullptr, form, {});
  auto* alpha = Find<QComboBox>(&dialog, "ComboBox_alpha");
  auto* fit = Find<QComboBox>(&dialog, "ComboBox_fit");
  alpha->setCurrentIndex(2);  // 45°
  EXPECT_FALSE(fit->isEnabled());
  EXPECT_EQ(fit->currentIndex(), kFitSideFillet - 1);
  alpha->setCurrentIndex(0);  // back at 30° the list opens and keeps the fillet root fit
  EXPECT_TRUE(fit->isEnabled());
  EXPECT_EQ(fit->currentIndex(), kFitSideFillet - 1);

  auto* b1 = Find<QLineEdit>(&dialog, "Edit_b1");
  auto* b2 = Find<QLineEdit>(&dialog, "Edit_b2");
  auto* b = Find<QLineEdit>(&dialog, "Edit_b");
  type(b1, "21");
  type(b2, "15");
  click(&dialog, "Edit_b_propose");
  EXPECT_EQ(b->text(), "15");
  click(&dialog, "Edit_b2_propose");
  EXPECT_EQ(b2->text(), "21");
  click(&dialog, "Edit_b1_propose_all");
  const QString proposed = b1->text();
  EXPECT_NE(proposed, "21");
  EXPECT_EQ(b2->text(), proposed);
  EXPECT_EQ(b->text(), proposed);

  auto* od = Find<QLineEdit>(&dialog, "Edit_od");
  type(od, "0");
  click(&dialog, "Edit_od_propose");  // the calculation derives OD
  EXPECT_GT(ReadFieldNumber(ToDisplay(od->text())), 0);
  click(&dialog, "Edit_din_propose");
  EXPECT_EQ(Find<QLineEdit>(&dialog, "Edit_din")->text(), "0");

  const QString mm_b1 = b1->text();
  click(&dialog, "Button_unit");
  EXPECT_EQ(Find<QPushButton>(&dialog, "Button_unit")->text(), "mm");
  EXPECT_NE(b1->text(), mm_b1);  // now in inches
}

TEST_F(InputDialogs, QualityStandardB921ForcesFitClassH) {
  s.ds.quality_standard = 2;
  s.ds.fit_class = 1;
  QualityForm form(s.formContext());
  TForm_kv9tol dialog(nullptr, form, {});
  auto* fit_classes = Find<QGroupBox>(&dialog, "RadioGroup_fitclass");
  auto fit_buttons = fit_classes->findChildren<QAbstractButton*>();
  ASSERT_EQ(fit_buttons.size(), 4);
  EXPECT_TRUE(fit_buttons[0]->isChecked());
  EXPECT_TRUE(fit_classes->isEnabled());
  Find<QGroupBox>(&dialog, "RadioGroup_standard")->findChildren<QAbstractButton*>()[0]->click();
  EXPECT_FALSE(fit_classes->isEnabled());
  EXPECT_TRUE(fit_buttons[3]->isChecked());
  type(Find<QLineEdit>(&dialog, "Edit_coe"), "0.002");
  Find<QSpinBox>(&dialog, "SpinEdit_points")->setValue(50);
  click(&dialog, "Button_points");
  click(&dialog, "Button_ok");
  EXPECT_EQ(s.ds.quality_standard, 1);
  EXPECT_EQ(s.ds.fit_class, 4);
  EXPECT_EQ(s.ds.coe, 0.002L * kInch);
  EXPECT_EQ(s.ds.involute_points, 20);
}

TEST_F(InputDialogs, MeasurementTypedAndUnitToggled) {
  MeasurementForm form(s.formContext());
  TForm_messen dialog(nullptr, form, {});
  auto* k1 = Find<QLineEdit>(&dialog, "Edit_k1");
  auto* dm1 = Find<QLineEdit>(&dialog, "Edit_dm1");
  EXPECT_EQ(k1->text(), QString::number(s.ds.k1));
  type(k1, "4.6");  // rounded
  type(dm1, "7,5");
  click(&dialog, "Button_unit");
  EXPECT_EQ(Find<QPushButton>(&dialog, "Button_unit")->text(), "in");
  EXPECT_EQ(dm1->text(), "0.2953");
  EXPECT_EQ(k1->text(), "5");
  click(&dialog, "Button_ok");
  EXPECT_EQ(s.ds.k1, 5);
  EXPECT_EQ(s.ds.dm1, 7.5L);  // the toggle kept the typed millimetres, not the shown inches
}

TEST_F(InputDialogs, StressTablesApplyOnEverySelectionChange) {
  s.cfg.unit_flag = 1;  // psi
  StressForm form(s.formContext());
  TForm_kv9mat dialog(nullptr, form, {});
  auto combo = [&](int row) {
    return Find<QComboBox>(&dialog, QString("ComboBox_%1").arg(row).toLatin1().constData());
  };
  auto* sac = Find<QLineEdit>(&dialog, "Edit_sac");
  auto* lw = Find<QLineEdit>(&dialog, "Edit_lw");
  combo(0)->setCurrentIndex(0);  // "Lw (and Sac) self-defined..."
  combo(2)->setCurrentIndex(1);  // 0.01 million revolutions
  type(sac, "123");
  type(lw, "2.5");
  combo(1)->setCurrentIndex(1);  // "Carburized, Rc58": Sac still waits for the spline
  EXPECT_EQ(sac->text(), "123");
  EXPECT_EQ(lw->text(), "2.5");
  combo(0)->setCurrentIndex(2);  // "Fixed Spline"
  EXPECT_EQ(sac->text(), "20000");
  EXPECT_EQ(lw->text(), "1");
  click(&dialog, "Button_ok");
  EXPECT_NEAR(static_cast<double>(s.ds.sac), 20000 * static_cast<double>(kPsiToMpa), 1e-9);
  EXPECT_EQ(s.ds.spline_index, 2);
  EXPECT_EQ(s.ds.mat_index, 1);
}

TEST_F(InputDialogs, CadSettingsProposalsAndOk) {
  CadSettingsForm form(s.toothFormContext(), 1);
  TForm_kv7config dialog(nullptr, form, {});
  EXPECT_EQ(Find<QSpinBox>(&dialog, "edit_anzevolvpoints")->value(), form.points);
  auto* xe = Find<QLineEdit>(&dialog, "Edit_xe");
  click(&dialog, "Button_xemax");
  EXPECT_EQ(xe->text(), FromDisplay(FormatFieldNumber(StyleOf(s.cfg), s.ds.xemax[0])));
  Find<QCheckBox>(&dialog, "CheckBox_polyline")->setChecked(!s.cad.polyline_output);
  const bool polyline = !s.cad.polyline_output;
  click(&dialog, "Button_ok");
  EXPECT_EQ(s.toothform.xe[0], s.ds.xemax[0]);  // exactly, not the shown digits
  EXPECT_EQ(s.cad.polyline_output, polyline);
}

TEST_F(InputDialogs, RunReturnsWhetherOkEndedTheDialog) {
  bool helped = false;
  HelpCallbacks help;
  help.help_text = [&] { helped = true; };
  DimensionsForm form(s.formContext());
  test::WhenModal([](QWidget* dialog) {
    Find<QPushButton>(dialog, "Button_help")->click();
    Find<QPushButton>(dialog, "Button_ok")->click();
  });
  EXPECT_TRUE(RunDimensionsDialog(nullptr, form, help));
  EXPECT_TRUE(helped);
  test::WhenModal([](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
  StressForm stress(s.formContext());
  EXPECT_FALSE(RunMaterialDialog(nullptr, stress, {}));
  EXPECT_TRUE(s.abort_flag);
}

TEST_F(InputDialogs, TooltipsOnlyWhenTheHelpLevelAsksForThem) {
  HelpCallbacks help;
  help.tooltip = [](int topic) { return topic == 5110 ? QString("Zähne") : QString(); };
  DimensionsForm form(s.formContext());
  form.tooltips = true;
  TForm_kv9abmessungen with(nullptr, form, help);
  QStringList tips;
  for (QLabel* label : with.findChildren<QLabel*>())
    if (!label->toolTip().isEmpty()) tips << label->text();
  EXPECT_EQ(tips, QStringList{FromCp850("Z\x84hnezahl N")});
  form.tooltips = false;
  TForm_kv9abmessungen without(nullptr, form, help);
  for (QLabel* label : without.findChildren<QLabel*>()) EXPECT_TRUE(label->toolTip().isEmpty());
}

}  // namespace
}  // namespace kv9
