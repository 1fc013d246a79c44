// The text dialog's model: the drawing names and numbers of shaft and hub and the two info
// texts, as the widgets show them (display character set). Nothing reaches the data set before
// accept(); cancel() only sets the abort flag.
#pragma once

#include <array>
#include <string>

namespace kv9 {

class Session;

class TextsForm {
 public:
  // Longest texts the data set keeps, in code page 850 characters.
  static constexpr int kNameLength = 25, kNumberLength = 18, kName2Length = 30, kInfoLength = 65;

  explicit TextsForm(Session& s);

  std::string caption;  // the program title
  // [0] the shaft (group "Innenteil"), [1] the hub (group "Außenteil")
  std::array<std::string, 2> drawing_name, drawing_number, drawing_name2;
  std::string info1, info2;

  void accept();  // converts every field back, cuts it to its length, stores it
  void cancel();

 private:
  Session& s_;
};

// The text dialog through the Ui: true and the data set written on OK, false with the abort
// flag on Cancel.
bool ShowTextsForm(Session& s);

}  // namespace kv9
