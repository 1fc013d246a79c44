// The quality dialog TForm_kv9tol over its form model.
#pragma once

#include "gui/form_dialog.h"

class QLabel;
class QLineEdit;
class QSpinBox;

namespace kv9 {

class QualityForm;

class TForm_kv9tol : public FormDialog<QualityForm> {
 public:
  TForm_kv9tol(QWidget* parent, QualityForm& form, const HelpCallbacks& help);

 private:
  void refill() override;
  RadioChoice standard_, tolerance_class_, fit_class_;
  QLineEdit *coe_, *coi_;
  QSpinBox* points_;
};

bool RunQualityDialog(QWidget* parent, QualityForm& form, const HelpCallbacks& help);

}  // namespace kv9
