// The model of the description dialog "Fehlermeldung": the message (read only), its cause and
// remedy (editable, UTF-8 as the widgets show them) and whether the user changed them.
#pragma once

#include <string>

namespace kv9 {

class MessageDescriptionForm {
 public:
  std::string caption = "Fehlermeldung";
  std::string message;  // read only
  std::string cause;
  std::string remedy;
  int help_topic = 1970;  // "&Hilfe"

  // Showing the dialog clears the mark; editing a field sets it.
  void onShow() { changed_ = false; }
  void onCauseEdited(std::string text) {
    cause = std::move(text);
    changed_ = true;
  }
  void onRemedyEdited(std::string text) {
    remedy = std::move(text);
    changed_ = true;
  }
  bool changed() const { return changed_; }

 private:
  bool changed_ = false;
};

}  // namespace kv9
