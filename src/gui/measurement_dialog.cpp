#include "gui/measurement_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "calc/input_forms.h"
#include "gui/text_convert.h"

namespace kv9 {

TForm_messen::TForm_messen(QWidget* parent, MeasurementForm& form, const HelpCallbacks& help)
    : FormDialog(parent, form) {
  auto* grid = new QGridLayout;
  layout_->addLayout(grid);
  grid->addWidget(new QLabel("External", this), 0, 1);
  grid->addWidget(new QLabel("Internal Spline", this), 0, 2);
  grid->addWidget(MakeLabel("Messzaehnezahl k", this), 1, 0);
  grid->addWidget(MakeLabel("Kugel-und Rollendurchmesser DM", this), 2, 0);
  const char* k_names[2] = {"Edit_k1", "Edit_k2"};
  const char* dm_names[2] = {"Edit_dm1", "Edit_dm2"};
  for (int i = 0; i < 2; ++i) {
    k_[i] = MakeEdit(this, k_names[i], &form.k_text[i]);
    dm_[i] = MakeEdit(this, dm_names[i], &form.dm[i].text);
    grid->addWidget(k_[i], 1, i + 1);
    grid->addWidget(dm_[i], 2, i + 1);
  }
  grid->addWidget(
      MakeButton("<", "Button_k", this, then_refill(&MeasurementForm::proposeSpanCounts)), 1, 4);
  unit_button_ =
      MakeButton(QString(), "Button_unit", this, then_refill(&MeasurementForm::onUnitToggle));
  grid->addWidget(unit_button_, 2, 3);
  grid->addWidget(MakeButton("<", "Button_dm", this, then_refill(&MeasurementForm::proposeBall)), 2,
                  4);

  ButtonRow buttons(this);
  buttons.addHelpText(help, "&Hilfe");
  buttons.addHelpPicture(help);
  layout_->addLayout(buttons.layout());
  refill();
}

void TForm_messen::refill() {
  for (int i = 0; i < 2; ++i) {
    ShowText(k_[i], form_.k_text[i]);
    ShowText(dm_[i], form_.dm[i].text);
  }
  unit_button_->setText(FromDisplay(form_.unit_button));
}

bool RunMeasurementDialog(QWidget* parent, MeasurementForm& form, const HelpCallbacks& help) {
  return RunFormDialog<TForm_messen>(parent, form, help);
}

}  // namespace kv9
