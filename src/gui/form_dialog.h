// The common ground of the dialogs that bind a form model: the model's caption, OK hands over
// to the model's accept(), Cancel, Esc and closing to its cancel(), and every model event is
// followed by a refill of the widgets from the model.
#pragma once

#include <QVBoxLayout>
#include <functional>

#include "gui/dialog_placement.h"
#include "gui/form_widgets.h"
#include "gui/text_convert.h"

namespace kv9 {

template <class Form>
class FormDialog : public PlacedDialog {
 public:
  FormDialog(QWidget* parent, Form& form)
      : PlacedDialog(parent), form_(form), layout_(new QVBoxLayout(this)) {
    setWindowTitle(FromDisplay(form.caption));
  }
  void accept() override {
    form_.accept();
    QDialog::accept();
  }
  void reject() override {
    form_.cancel();
    QDialog::reject();
  }

 protected:
  // Shows every field of the model again (the model does not tell what an event changed).
  virtual void refill() = 0;
  // A slot that runs `model_event`, then refills.
  template <class Event>
  std::function<void()> then_refill(Event model_event) {
    return [this, model_event] {
      model_event();
      refill();
    };
  }
  std::function<void()> then_refill(void (Form::*model_event)()) {
    return then_refill([this, model_event] { (form_.*model_event)(); });
  }
  std::function<void(int)> then_refill(void (Form::*model_event)(int)) {
    return [this, model_event](int value) {
      (form_.*model_event)(value);
      refill();
    };
  }

  Form& form_;
  QVBoxLayout* layout_;  // the dialog's rows from top to bottom
};

// Shows the dialog modally; true when it ended with OK.
template <class Dialog, class Form>
bool RunFormDialog(QWidget* parent, Form& form, const HelpCallbacks& help) {
  Dialog dialog(parent, form, help);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace kv9
