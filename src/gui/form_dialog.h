// The common ground of the dialogs that bind a form model: OK hands over to the model's
// accept(), Cancel, Esc and closing to its cancel().
#pragma once

#include "gui/dialog_placement.h"
#include "gui/form_widgets.h"

namespace kv9 {

template <class Form>
class FormDialog : public PlacedDialog {
 public:
  FormDialog(QWidget* parent, Form& form) : PlacedDialog(parent), form_(form) {}
  void accept() override {
    form_.accept();
    QDialog::accept();
  }
  void reject() override {
    form_.cancel();
    QDialog::reject();
  }

 protected:
  Form& form_;
};

// Shows the dialog modally; true when it ended with OK.
template <class Dialog, class Form>
bool RunFormDialog(QWidget* parent, Form& form, const HelpCallbacks& help) {
  Dialog dialog(parent, form, help);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace kv9
