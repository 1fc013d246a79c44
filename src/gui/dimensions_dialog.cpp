#include "gui/dimensions_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "calc/input_forms.h"
#include "gui/text_convert.h"

namespace kv9 {

TForm_kv9abmessungen::TForm_kv9abmessungen(QWidget* parent, DimensionsForm& form,
                                           const HelpCallbacks& help)
    : FormDialog(parent, form) {
  auto* grid = new QGridLayout;
  layout_->addLayout(grid);
  auto row_label = [&](int row, const char* cp850, int tooltip) {
    QLabel* label = MakeLabel(cp850, this);
    grid->addWidget(label, row, 0);
    SetTooltip(help, form.tooltips, tooltip, label);
  };
  auto length_unit = [&](int row) {
    auto* unit = new QLabel(this);
    grid->addWidget(unit, row, 2);
    length_units_.push_back(unit);
  };

  row_label(0, "Eingriffswinkel alpha", DimensionsForm::kTooltipAngle);
  alpha_ = MakeCombo(this, "ComboBox_alpha", form.alpha);
  grid->addWidget(alpha_, 0, 1);
  degree_unit_ = new QLabel(this);
  grid->addWidget(degree_unit_, 0, 2);
  connect(alpha_, &QComboBox::currentIndexChanged, this,
          then_refill(&DimensionsForm::onAlphaChanged));

  row_label(1, "Normalteilung P", 0);
  pitch_ = MakeCombo(this, "ComboBox_pitch", form.pitch);
  grid->addWidget(pitch_, 1, 1);
  grid->addWidget(new QLabel("1/in", this), 1, 2);
  connect(pitch_, &QComboBox::currentIndexChanged, this,
          then_refill(&DimensionsForm::onPitchChanged));

  row_label(2, "Fit type", 0);
  fit_ = MakeCombo(this, "ComboBox_fit", form.fit);
  grid->addWidget(fit_, 2, 1, 1, 4);
  connect(fit_, &QComboBox::currentIndexChanged, this, [this](int pos) { form_.fit.pos = pos; });

  row_label(3, "Z\x84hnezahl N", DimensionsForm::kTooltipTeeth);
  teeth_ = new QSpinBox(this);
  teeth_->setObjectName("SpinEdit_teeth");
  teeth_->setRange(DimensionsForm::kMinTeeth, DimensionsForm::kMaxTeeth);
  teeth_->setStyleSheet("color: red");
  grid->addWidget(teeth_, 3, 1);
  connect(teeth_, &QSpinBox::valueChanged, this, then_refill(&DimensionsForm::onTeethChanged));
  auto* d_row = new QHBoxLayout;
  d_row->addWidget(new QLabel("d =", this));
  d_ = new QLabel(this);
  d_->setObjectName("Label_d");
  d_row->addWidget(d_);
  auto* d_unit = new QLabel(this);
  length_units_.push_back(d_unit);
  d_row->addWidget(d_unit);
  d_row->addStretch();
  grid->addLayout(d_row, 3, 2, 1, 3);

  struct WidthRow {
    const char* label;
    const char* name;
    NumberField* field;
    QLineEdit** edit;
    int tooltip;
    void (DimensionsForm::*propose)();
  };
  const WidthRow rows[] = {
      {"Zahnbreite Welle bi", "Edit_b1", &form.b1, &b1_, DimensionsForm::kTooltipWidths,
       &DimensionsForm::proposeB1},
      {"Zahnbreite Nabe bo", "Edit_b2", &form.b2, &b2_, DimensionsForm::kTooltipWidths,
       &DimensionsForm::proposeB2},
      {"gemeinsame (\x81"
       "berlappende) Zahnbreite b",
       "Edit_b", &form.b, &b_, DimensionsForm::kTooltipWidths, &DimensionsForm::proposeB},
      {"Hub Outside diameter OD", "Edit_od", &form.od, &od_, DimensionsForm::kTooltipOd,
       &DimensionsForm::proposeOd},
      {"Shaft inside diameter  Din", "Edit_din", &form.din, &din_, DimensionsForm::kTooltipDin,
       &DimensionsForm::proposeDin},
  };
  int row = 4;
  for (const WidthRow& r : rows) {
    row_label(row, r.label, r.tooltip);
    *r.edit = MakeEdit(this, r.name, &r.field->text);
    grid->addWidget(*r.edit, row, 1);
    length_unit(row);
    grid->addWidget(
        MakeButton("<", (std::string(r.name) + "_propose").c_str(), this, then_refill(r.propose)),
        row, 3);
    ++row;
  }
  grid->addWidget(
      MakeButton("<", "Edit_b1_propose_all", this, then_refill(&DimensionsForm::proposeAllWidths)),
      4, 4);

  ButtonRow buttons(this);
  buttons.addHelpText(help, "&Hilfe");
  buttons.addHelpPicture(help);
  unit_button_ =
      buttons.addButton(QString(), "Button_unit", then_refill(&DimensionsForm::onUnitToggle));
  layout_->addLayout(buttons.layout());
  refill();
}

void TForm_kv9abmessungen::refill() {
  ShowChoice(alpha_, form_.alpha);
  ShowChoice(pitch_, form_.pitch);
  ShowChoice(fit_, form_.fit);
  ShowNumber(teeth_, form_.teeth);
  d_->setText(FromDisplay(form_.d_text));
  degree_unit_->setText(FromDisplay(form_.degree_unit));
  for (QLabel* unit : length_units_) unit->setText(FromDisplay(form_.length_unit));
  ShowText(b1_, form_.b1.text);
  ShowText(b2_, form_.b2.text);
  ShowText(b_, form_.b.text);
  ShowText(od_, form_.od.text);
  ShowText(din_, form_.din.text);
  unit_button_->setText(FromDisplay(form_.unit_button));
}

bool RunDimensionsDialog(QWidget* parent, DimensionsForm& form, const HelpCallbacks& help) {
  return RunFormDialog<TForm_kv9abmessungen>(parent, form, help);
}

}  // namespace kv9
