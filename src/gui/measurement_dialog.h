// The measurement dialog TForm_messen over its form model.
#pragma once

#include "gui/form_dialog.h"

class QLineEdit;
class QPushButton;

namespace kv9 {

class MeasurementForm;

class TForm_messen : public FormDialog<MeasurementForm> {
 public:
  TForm_messen(QWidget* parent, MeasurementForm& form, const HelpCallbacks& help);

 private:
  void refill() override;
  QLineEdit* k_[2];
  QLineEdit* dm_[2];
  QPushButton* unit_button_;
};

bool RunMeasurementDialog(QWidget* parent, MeasurementForm& form, const HelpCallbacks& help);

}  // namespace kv9
