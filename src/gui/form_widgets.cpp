#include "gui/form_widgets.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include "calc/input_forms.h"
#include "gui/text_convert.h"

namespace kv9 {

QPushButton* MakeButton(const QString& caption, const char* object_name, QWidget* parent,
                        std::function<void()> clicked) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(object_name);
  button->setAutoDefault(false);
  QObject::connect(button, &QPushButton::clicked, parent, [clicked = std::move(clicked)] {
    if (clicked) clicked();
  });
  return button;
}

ButtonRow::ButtonRow(QDialog* dialog, bool with_cancel)
    : dialog_(dialog), layout_(new QHBoxLayout), cancel_(nullptr) {
  ok_ = MakeButton("OK", "Button_ok", dialog, nullptr);
  ok_->setDefault(true);
  QObject::connect(ok_, &QPushButton::clicked, dialog, &QDialog::accept);
  layout_->addWidget(ok_);
  if (!with_cancel) return;
  cancel_ = MakeButton("Abbrechen", "Button_cancel", dialog, nullptr);
  QObject::connect(cancel_, &QPushButton::clicked, dialog, &QDialog::reject);
  layout_->addWidget(cancel_);
}

QPushButton* ButtonRow::addButton(const QString& caption, const char* object_name,
                                  std::function<void()> clicked) {
  QPushButton* button = MakeButton(caption, object_name, dialog_, std::move(clicked));
  layout_->addWidget(button);
  return button;
}

QPushButton* ButtonRow::addHelpText(const HelpCallbacks& help, const char* caption) {
  return addButton(FromCp850(caption), "Button_help", help.help_text);
}

QPushButton* ButtonRow::addHelpPicture(const HelpCallbacks& help) {
  return addButton("Hilfe&bild", "Button_helppicture", help.help_picture);
}

QLineEdit* MakeEdit(QWidget* parent, const char* object_name, std::string* target) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(object_name);
  QObject::connect(edit, &QLineEdit::textEdited, parent,
                   [target](const QString& text) { *target = ToDisplay(text); });
  return edit;
}

QSpinBox* MakeSpin(QWidget* parent, const char* object_name, int min, int max, int* target) {
  auto* spin = new QSpinBox(parent);
  spin->setObjectName(object_name);
  spin->setRange(min, max);
  QObject::connect(spin, &QSpinBox::valueChanged, parent, [target](int n) { *target = n; });
  return spin;
}

QComboBox* MakeCombo(QWidget* parent, const char* object_name, const FormChoice& choice) {
  auto* combo = new QComboBox(parent);
  combo->setObjectName(object_name);
  FillChoice(combo, choice);
  return combo;
}

QLabel* MakeLabel(const char* cp850, QWidget* parent) {
  return new QLabel(FromCp850(cp850), parent);
}

RadioChoice MakeRadioChoice(QWidget* parent, const QString& title, const FormChoice& choice,
                            const char* object_name) {
  auto* box = new QGroupBox(title, parent);
  box->setObjectName(object_name);
  auto* layout = new QVBoxLayout(box);
  auto* group = new QButtonGroup(box);
  for (int i = 0; i < static_cast<int>(choice.items.size()); ++i) {
    auto* radio = new QRadioButton(FromDisplay(choice.items[i]), box);
    group->addButton(radio, i);
    layout->addWidget(radio);
  }
  RadioChoice radios{box, group};
  ShowChoice(radios, choice);
  return radios;
}

void ShowChoice(const RadioChoice& radios, const FormChoice& choice) {
  if (QAbstractButton* button = radios.group->button(choice.pos)) {
    QSignalBlocker block(radios.group);
    button->setChecked(true);
  }
  radios.box->setEnabled(choice.enabled);
}

void ShowText(QLineEdit* edit, const std::string& utf8) {
  const QString text = FromDisplay(utf8);
  if (edit->text() == text) return;
  QSignalBlocker block(edit);
  edit->setText(text);
}

void ShowNumber(QSpinBox* spin, int value) {
  if (spin->value() == value) return;
  QSignalBlocker block(spin);
  spin->setValue(value);
}

void ShowChoice(QComboBox* combo, const FormChoice& choice) {
  QSignalBlocker block(combo);
  if (combo->currentIndex() != choice.pos) combo->setCurrentIndex(choice.pos);
  combo->setEnabled(choice.enabled);
}

void FillChoice(QComboBox* combo, const FormChoice& choice) {
  {
    QSignalBlocker block(combo);
    combo->clear();
    combo->addItems(FromDisplay(choice.items));
  }
  ShowChoice(combo, choice);
}

void SetTooltip(const HelpCallbacks& help, bool enabled, int topic, QWidget* widget) {
  if (!enabled || !help.tooltip) return;
  const QString text = help.tooltip(topic);
  if (!text.isEmpty()) widget->setToolTip(text);
}

}  // namespace kv9
