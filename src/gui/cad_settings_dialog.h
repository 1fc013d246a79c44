// The CAD drawing settings of a tooth profile, TForm_kv7config, over its form model.
#pragma once

#include "gui/form_dialog.h"

class QCheckBox;
class QLineEdit;
class QSpinBox;

namespace kv9 {

class CadSettingsForm;

class TForm_kv7config : public FormDialog<CadSettingsForm> {
 public:
  TForm_kv7config(QWidget* parent, CadSettingsForm& form, const HelpCallbacks& help);

 private:
  void refill() override;
  QSpinBox* points_;
  QCheckBox *polyline_, *diameters_, *trochoid_;
  QLineEdit* xe_;
};

bool RunCadSettingsDialog(QWidget* parent, CadSettingsForm& form, const HelpCallbacks& help);

}  // namespace kv9
