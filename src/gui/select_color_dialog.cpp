#include "gui/select_color_dialog.h"

#include <QIcon>
#include <QListWidget>
#include <QPixmap>
#include <QVBoxLayout>

#include "gui/display_painter_qt.h"
#include "gui/form_widgets.h"
#include "gui/text_convert.h"

namespace kv9 {

TForm_selectcolor::TForm_selectcolor(QWidget* parent, SelectColorForm& form)
    : PlacedDialog(parent), form_(form), list_(new QListWidget(this)) {
  setWindowTitle(FromDisplay(form.caption));
  list_->setObjectName("ListBox_colors");
  for (int i = 0; i < int(form.items.size()); ++i) {
    QPixmap swatch(16, 16);
    swatch.fill(PaletteColour(PaletteOfColour(i + 1)));
    list_->addItem(new QListWidgetItem(QIcon(swatch), FromDisplay(form.items[i])));
  }
  list_->setCurrentRow(std::clamp(form.colour, 1, 16) - 1);
  // every colour in view
  list_->setMinimumHeight(list_->sizeHintForRow(0) * list_->count() + 2 * list_->frameWidth());
  connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_);
  ButtonRow buttons(this);
  layout->addLayout(buttons.layout());
}

void TForm_selectcolor::accept() {
  if (list_->currentRow() >= 0) form_.colour = list_->currentRow() + 1;
  form_.accept();
  QDialog::accept();
}

void TForm_selectcolor::reject() {
  form_.cancel();
  QDialog::reject();
}

bool RunSelectColorDialog(QWidget* parent, SelectColorForm& form) {
  TForm_selectcolor dialog(parent, form);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace kv9
