#include "gui/message_dialogs.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "gui/text_convert.h"
#include "report/message_description_form.h"

namespace kv9 {

namespace {

QPlainTextEdit* DescriptionEdit(QWidget* parent, const char* name, const std::string& text) {
  auto* edit = new QPlainTextEdit(FromDisplay(text), parent);
  edit->setObjectName(name);
  edit->setMinimumWidth(edit->fontMetrics().averageCharWidth() * 60);
  edit->setMaximumHeight(edit->fontMetrics().lineSpacing() * 4 + 12);
  return edit;
}

}  // namespace

MessageDescriptionDialog::MessageDescriptionDialog(QWidget* parent, MessageDescriptionForm& form,
                                                   const HelpCallbacks& help)
    : PlacedDialog(parent), form_(form) {
  setWindowTitle(FromDisplay(form.caption));
  auto* layout = new QVBoxLayout(this);
  auto* grid = new QGridLayout;
  layout->addLayout(grid);
  auto* message = new QLineEdit(FromDisplay(form.message), this);
  message->setObjectName("Edit_message");
  message->setReadOnly(true);
  QPlainTextEdit* cause = DescriptionEdit(this, "Memo_cause", form.cause);
  QPlainTextEdit* remedy = DescriptionEdit(this, "Memo_remedy", form.remedy);
  grid->addWidget(MakeLabel("Fehlermeldung", this), 0, 0);
  grid->addWidget(message, 0, 1);
  grid->addWidget(MakeLabel("Ursache", this), 1, 0, Qt::AlignTop);
  grid->addWidget(cause, 1, 1);
  grid->addWidget(MakeLabel("Abhilfe", this), 2, 0, Qt::AlignTop);
  grid->addWidget(remedy, 2, 1);
  // connected after filling, so that only the user's editing marks the dialog as changed
  connect(cause, &QPlainTextEdit::textChanged, this,
          [this, cause] { form_.onCauseEdited(ToDisplay(cause->toPlainText())); });
  connect(remedy, &QPlainTextEdit::textChanged, this,
          [this, remedy] { form_.onRemedyEdited(ToDisplay(remedy->toPlainText())); });

  ButtonRow buttons(this, false);
  buttons.addHelpText(help, "&Hilfe");
  buttons.layout()->addStretch();
  layout->addLayout(buttons.layout());
}

void MessageDescriptionDialog::showEvent(QShowEvent* event) {
  form_.onShow();
  PlacedDialog::showEvent(event);
}

bool RunMessageDescriptionDialog(QWidget* parent, MessageDescriptionForm& form,
                                 const HelpCallbacks& help) {
  MessageDescriptionDialog dialog(parent, form, help);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace kv9
