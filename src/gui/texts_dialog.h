// The text dialog TForm_kveingabetext: the drawing names and numbers of shaft and hub and the
// two info texts. It binds to TextsDialogFields until the core's text form model takes its
// place; the fields are UTF-8 as the widgets show them, converting and cutting them for the
// data set is the caller's part.
#pragma once

#include <array>
#include <string>

#include "gui/dialog_placement.h"

namespace kv9 {

struct TextsDialogFields {
  static constexpr int kNameLength = 25, kNumberLength = 18, kName2Length = 30, kInfoLength = 65;
  std::string caption;  // the program title
  // [0] the shaft ("Innenteil"), [1] the hub ("Außenteil")
  std::array<std::string, 2> drawing_name, drawing_number, drawing_name2;
  std::string info1, info2;
};

class TForm_kveingabetext : public PlacedDialog {
 public:
  TForm_kveingabetext(QWidget* parent, TextsDialogFields& fields);
  void accept() override;  // the typed fields replace `fields`

 private:
  TextsDialogFields& fields_;
  TextsDialogFields typed_;
};

// True with OK; Cancel leaves the fields as they were.
bool RunTextsDialog(QWidget* parent, TextsDialogFields& fields);

}  // namespace kv9
