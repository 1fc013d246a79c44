// The text dialog TForm_kveingabetext: the drawing names and numbers of shaft and hub and the
// two info texts, bound to the text form model (UTF-8 fields; the model converts and cuts them
// for the data set).
#pragma once

#include "gui/dialog_placement.h"
#include "model/texts_form.h"

namespace kv9 {

class TForm_kveingabetext : public PlacedDialog {
 public:
  TForm_kveingabetext(QWidget* parent, TextsForm& fields);
  void accept() override;  // the typed fields replace `fields`

 private:
  TextsForm& fields_;
  TextsForm typed_;
};

// True with OK; Cancel leaves the fields as they were.
bool RunTextsDialog(QWidget* parent, TextsForm& fields);

}  // namespace kv9
