// The description dialog of a calculation message ("Fehlermeldung") over its form model: the
// message read only, cause and remedy editable. Whether the edited description is saved is
// asked and done by the core after OK; the list of messages itself is the generic choice
// dialog.
#pragma once

#include "gui/dialog_placement.h"
#include "gui/form_widgets.h"

class QLineEdit;
class QPlainTextEdit;

namespace kv9 {

class MessageDescriptionForm;

class MessageDescriptionDialog : public PlacedDialog {
 public:
  MessageDescriptionDialog(QWidget* parent, MessageDescriptionForm& form,
                           const HelpCallbacks& help);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  MessageDescriptionForm& form_;
};

// True with OK; closing the window otherwise (Esc, the window's close button) gives false.
bool RunMessageDescriptionDialog(QWidget* parent, MessageDescriptionForm& form,
                                 const HelpCallbacks& help);

}  // namespace kv9
