#include "gui/quality_dialog.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "calc/input_forms.h"
#include "gui/text_convert.h"

namespace kv9 {

TForm_kv9tol::TForm_kv9tol(QWidget* parent, QualityForm& form, const HelpCallbacks& help)
    : FormDialog(parent, form) {
  standard_ = MakeRadioChoice(this, "Quality Standard", form.standard, "RadioGroup_standard");
  connect(standard_.group, &QButtonGroup::idClicked, this,
          then_refill(&QualityForm::onStandardChanged));
  layout_->addWidget(standard_.box);

  auto* runouts = new QGridLayout;
  const struct {
    const char* label;
    const char* name;
    NumberField* field;
    QLineEdit** edit;
  } rows[] = {
      {"Centerline runout (diametral) of external part  COe", "Edit_coe", &form.coe, &coe_},
      {"Centerline runout (diametral) of internal part  COi", "Edit_coi", &form.coi, &coi_},
  };
  for (int row = 0; row < 2; ++row) {
    runouts->addWidget(MakeLabel(rows[row].label, this), row, 0);
    *rows[row].edit = MakeEdit(this, rows[row].name, &rows[row].field->text);
    runouts->addWidget(*rows[row].edit, row, 1);
    runouts->addWidget(new QLabel("in", this), row, 2);
  }
  layout_->addLayout(runouts);

  auto* classes = new QHBoxLayout;
  tolerance_class_ =
      MakeRadioChoice(this, "Spline Tolerance Class", form.tolerance_class, "RadioGroup_class");
  connect(tolerance_class_.group, &QButtonGroup::idClicked, this,
          [this](int pos) { form_.tolerance_class.pos = pos; });
  fit_class_ = MakeRadioChoice(this, "Fit Class", form.fit_class, "RadioGroup_fitclass");
  connect(fit_class_.group, &QButtonGroup::idClicked, this,
          [this](int pos) { form_.fit_class.pos = pos; });
  classes->addWidget(tolerance_class_.box);
  classes->addWidget(fit_class_.box);
  layout_->addLayout(classes);
  auto* d = new QLabel(FromDisplay(form.d_label), this);
  d->setObjectName("Label_d");
  layout_->addWidget(d);

  auto* points_row = new QHBoxLayout;
  QLabel* points_label = MakeLabel("Anzahl der Punkte f\x81r die Evolvente", this);
  SetTooltip(help, form.tooltips, QualityForm::kTooltipPoints, points_label);
  points_ = MakeSpin(this, "SpinEdit_points", QualityForm::kMinPoints, QualityForm::kMaxPoints,
                     &form.points);
  points_row->addWidget(points_label);
  points_row->addWidget(points_);
  points_row->addWidget(
      MakeButton("<", "Button_points", this, then_refill(&QualityForm::proposePoints)));
  points_row->addStretch();
  layout_->addLayout(points_row);

  ButtonRow buttons(this);
  buttons.addHelpText(help);
  layout_->addLayout(buttons.layout());
  refill();
}

void TForm_kv9tol::refill() {
  ShowChoice(standard_, form_.standard);
  ShowChoice(tolerance_class_, form_.tolerance_class);
  ShowChoice(fit_class_, form_.fit_class);
  ShowText(coe_, form_.coe.text);
  ShowText(coi_, form_.coi.text);
  ShowNumber(points_, form_.points);
}

bool RunQualityDialog(QWidget* parent, QualityForm& form, const HelpCallbacks& help) {
  return RunFormDialog<TForm_kv9tol>(parent, form, help);
}

}  // namespace kv9
