// The dimensions dialog TForm_kv9abmessungen over its form model.
#pragma once

#include "gui/form_dialog.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace kv9 {

class DimensionsForm;

class TForm_kv9abmessungen : public FormDialog<DimensionsForm> {
 public:
  TForm_kv9abmessungen(QWidget* parent, DimensionsForm& form, const HelpCallbacks& help);

 private:
  void refill() override;
  QComboBox *alpha_, *pitch_, *fit_;
  QSpinBox* teeth_;
  QLabel *d_, *degree_unit_;
  QLineEdit *b1_, *b2_, *b_, *od_, *din_;
  std::vector<QLabel*> length_units_;
  QPushButton* unit_button_;
};

bool RunDimensionsDialog(QWidget* parent, DimensionsForm& form, const HelpCallbacks& help);

}  // namespace kv9
