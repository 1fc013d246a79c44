#include "gui/material_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "calc/input_forms.h"
#include "gui/text_convert.h"

namespace kv9 {

TForm_kv9mat::TForm_kv9mat(QWidget* parent, StressForm& form, const HelpCallbacks& help)
    : FormDialog(parent, form) {
  auto* columns = new QHBoxLayout;
  layout_->addLayout(columns);

  auto* selections = new QGridLayout;
  const struct {
    const char* label;
    FormChoice* choice;
  } choices[] = {
      {"Spline", &form.spline},
      {"Material", &form.material},
      {"Revolutions", &form.revolutions},
      {"Torque cycles", &form.torque_cycles},
      {"Torque cycles", &form.cycle_type},
      {"Power Source", &form.power_source},
      {"Load intermittent", &form.load},
      {"Misalignment", &form.misalignment},
      {"Misalignment face width", &form.face_width},
  };
  int row = 0;
  for (const auto& c : choices) {
    selections->addWidget(MakeLabel(c.label, this), row, 0);
    QComboBox* combo = MakeCombo(this, ("ComboBox_" + std::to_string(row)).c_str(), *c.choice);
    FormChoice* choice = c.choice;
    connect(combo, &QComboBox::currentIndexChanged, this, [this, choice](int pos) {
      form_.choose(*choice, pos);
      refill();
    });
    selections->addWidget(combo, row++, 1);
  }
  columns->addLayout(selections);

  auto* values = new QGridLayout;
  const struct {
    const char* label;
    const char* name;
    NumberField* field;
    QLabel** unit;
  } rows[] = {
      {"Shaft Torque , T", "Edit_torque", &form.torque, &torque_unit_},
      {"Maximum allowable shear stress, Sas", "Edit_sas", &form.sas, &sas_unit_},
      {"Maximum allowable compressive stress, Sac", "Edit_sac", &form.sac, &sac_unit_},
      {"Wear life factor, Lw", "Edit_lw", &form.lw, nullptr},
      {"Fatigue life factor, Lf", "Edit_lf", &form.lf, nullptr},
      {"Spline overload factor, Ko", "Edit_ko", &form.ko, nullptr},
      {"Misalignment factor, Km", "Edit_km", &form.km, nullptr},
  };
  row = 0;
  for (const auto& r : rows) {
    values->addWidget(MakeLabel(r.label, this), row, 0);
    QLineEdit* edit = MakeEdit(this, r.name, &r.field->text);
    values_.emplace_back(edit, r.field);
    values->addWidget(edit, row, 1);
    if (r.unit) {
      *r.unit = new QLabel(this);
      values->addWidget(*r.unit, row, 2);
    }
    ++row;
  }
  columns->addLayout(values);

  ButtonRow buttons(this);
  buttons.addHelpText(help);
  unit_button_ =
      buttons.addButton(QString(), "Button_unit", then_refill(&StressForm::onUnitToggle));
  layout_->addLayout(buttons.layout());
  refill();
}

void TForm_kv9mat::refill() {
  for (auto& [edit, field] : values_) ShowText(edit, field->text);
  torque_unit_->setText(FromDisplay(form_.torque_unit));
  sas_unit_->setText(FromDisplay(form_.stress_unit));
  sac_unit_->setText(FromDisplay(form_.stress_unit));
  unit_button_->setText(FromDisplay(form_.unit_button));
}

bool RunMaterialDialog(QWidget* parent, StressForm& form, const HelpCallbacks& help) {
  return RunFormDialog<TForm_kv9mat>(parent, form, help);
}

}  // namespace kv9
