#include "gui/cad_settings_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include "gui/text_convert.h"
#include "toothform/cad_settings_form.h"

namespace kv9 {

namespace {

QCheckBox* MakeCheckBox(const char* cp850, const char* object_name, QWidget* parent, bool* target) {
  auto* box = new QCheckBox(FromCp850(cp850), parent);
  box->setObjectName(object_name);
  QObject::connect(box, &QCheckBox::toggled, parent, [target](bool on) { *target = on; });
  return box;
}

void ShowChecked(QCheckBox* box, bool on) {
  QSignalBlocker block(box);
  box->setChecked(on);
}

}  // namespace

TForm_kv7config::TForm_kv7config(QWidget* parent, CadSettingsForm& form, const HelpCallbacks& help)
    : FormDialog(parent, form) {
  auto* grid = new QGridLayout;
  layout_->addLayout(grid);

  QLabel* points_label = MakeLabel("Anzahl der Punkte f\x81r die Evolvente", this);
  SetTooltip(help, form.tooltips, CadSettingsForm::kTooltipPoints, points_label);
  points_ = MakeSpin(this, "edit_anzevolvpoints", CadSettingsForm::kMinPoints,
                     CadSettingsForm::kMaxPoints, &form.points);
  grid->addWidget(points_label, 0, 0);
  grid->addWidget(points_, 0, 1);

  polyline_ = MakeCheckBox("Evolvente als Polylinie ?", "CheckBox_polyline", this, &form.polyline);
  SetTooltip(help, form.tooltips, CadSettingsForm::kTooltipPolyline, polyline_);
  grid->addWidget(polyline_, 1, 0, 1, 2);

  QLabel* xe_label = MakeLabel("Erzeug.Prof.versch.faktor xe", this);
  SetTooltip(help, form.tooltips, CadSettingsForm::kTooltipXe, xe_label);
  xe_ = MakeEdit(this, "Edit_xe", &form.xe.text);
  grid->addWidget(xe_label, 2, 0);
  grid->addWidget(xe_, 2, 1);
  auto* xe_buttons = new QHBoxLayout;
  xe_buttons->addWidget(
      MakeButton("<", "Button_xe", this, then_refill(&CadSettingsForm::proposeXe)));
  xe_buttons->addWidget(
      MakeButton("< max", "Button_xemax", this, then_refill(&CadSettingsForm::proposeXeMax)));
  xe_buttons->addWidget(
      MakeButton("< min", "Button_xemin", this, then_refill(&CadSettingsForm::proposeXeMin)));
  grid->addLayout(xe_buttons, 2, 2);

  diameters_ = MakeCheckBox("Durchmesser einzeichnen ?", "CheckBox_durchmesser_anzeigen", this,
                            &form.diameters);
  trochoid_ = MakeCheckBox("Tooth Root Trochoide", "CheckBox_fussausrundung_zeichnen", this,
                           &form.trochoid);
  grid->addWidget(diameters_, 3, 0, 1, 2);
  grid->addWidget(trochoid_, 4, 0, 1, 2);

  ButtonRow buttons(this);
  buttons.addButton("&Hilfe", "Button_help", [this, help] {
    form_.help();
    if (help.help_text) help.help_text();
  });
  layout_->addLayout(buttons.layout());
  refill();
}

void TForm_kv7config::refill() {
  ShowNumber(points_, form_.points);
  ShowChecked(polyline_, form_.polyline);
  ShowText(xe_, form_.xe.text);
  ShowChecked(diameters_, form_.diameters);
  ShowChecked(trochoid_, form_.trochoid);
}

bool RunCadSettingsDialog(QWidget* parent, CadSettingsForm& form, const HelpCallbacks& help) {
  return RunFormDialog<TForm_kv7config>(parent, form, help);
}

}  // namespace kv9
