#include "gui/animation_step_dialog.h"

#include <QHBoxLayout>
#include <QPushButton>

#include "gui/form_widgets.h"

namespace kv9 {

TForm_anistep::TForm_anistep(QWidget* parent) : PlacedDialog(parent) {
  setWindowTitle("Animation");
  auto* layout = new QHBoxLayout(this);
  QPushButton* next = MakeButton("+", "Button_next", this, nullptr);
  next->setDefault(true);
  QPushButton* to_end = MakeButton("++", "Button_end", this, nullptr);
  connect(next, &QPushButton::clicked, this, &QDialog::accept);
  connect(to_end, &QPushButton::clicked, this, &QDialog::reject);
  layout->addWidget(next);
  layout->addWidget(to_end);
}

AnimationStep RunAnimationStep(QWidget* parent) {
  TForm_anistep dialog(parent);
  return dialog.exec() == QDialog::Accepted ? AnimationStep::Next : AnimationStep::RunToEnd;
}

}  // namespace kv9
