// The colour chooser TForm_selectcolor: the 16 colours of the colour form model, the current
// one selected; OK takes the selection, Abbrechen sets the form's abort flag.
#pragma once

#include "gui/dialog_placement.h"
#include "model/config_form.h"

class QListWidget;

namespace kv9 {

class TForm_selectcolor : public PlacedDialog {
 public:
  TForm_selectcolor(QWidget* parent, SelectColorForm& form);
  void accept() override;
  void reject() override;

 private:
  SelectColorForm& form_;
  QListWidget* list_;
};

bool RunSelectColorDialog(QWidget* parent, SelectColorForm& form);

}  // namespace kv9
