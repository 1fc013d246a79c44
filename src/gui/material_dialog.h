// The stress dialog TForm_kv9mat ("Material Data") over its form model: every change of a
// selection applies the stress tables again.
#pragma once

#include <vector>

#include "gui/form_dialog.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kv9 {

class StressForm;
class NumberField;

class TForm_kv9mat : public FormDialog<StressForm> {
 public:
  TForm_kv9mat(QWidget* parent, StressForm& form, const HelpCallbacks& help);

 private:
  void refill() override;
  std::vector<std::pair<QLineEdit*, NumberField*>> values_;
  QLabel *torque_unit_, *sas_unit_, *sac_unit_;
  QPushButton* unit_button_;
};

bool RunMaterialDialog(QWidget* parent, StressForm& form, const HelpCallbacks& help);

}  // namespace kv9
