#include "gui/change_dialogs.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "gui/text_convert.h"

namespace kv9 {

namespace {

QLineEdit* Field(QWidget* parent, const char* name, std::string* field, int length) {
  QLineEdit* edit = MakeEdit(parent, name, field);
  edit->setMaxLength(length);
  edit->setText(FromDisplay(*field));
  edit->setMinimumWidth(edit->fontMetrics().averageCharWidth() * (length + 2));
  return edit;
}

// A dialog over a copy of its form: OK hands the copy back.
template <class Form>
class CopyDialog : public PlacedDialog {
 public:
  CopyDialog(QWidget* parent, Form& form) : PlacedDialog(parent), form_(form), typed_(form) {}
  void accept() override {
    form_ = typed_;
    QDialog::accept();
  }

 protected:
  Form& form_;
  Form typed_;
};

class ChangeRecordDialog : public CopyDialog<ChangeRecordForm> {
 public:
  ChangeRecordDialog(QWidget* parent, ChangeRecordForm& form, const HelpCallbacks& help)
      : CopyDialog(parent, form) {
    setWindowTitle(FromDisplay(typed_.caption));
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    grid->addWidget(MakeLabel("\x8Enderungstext", this), 0, 0);
    grid->addWidget(Field(this, "Edit_aenderung", &typed_.change_text, kChangeTextLength), 0, 1);
    grid->addWidget(MakeLabel("Datum", this), 1, 0);
    QLineEdit* date = Field(this, "Edit_datum", &typed_.date, kChangeDateLength);
    grid->addWidget(date, 1, 1);
    grid->addWidget(MakeButton("<" + FromDisplay(typed_.today), "Button_heute", this,
                               [this, date] {
                                 typed_.takeToday();
                                 ShowText(date, typed_.date);
                               }),
                    1, 2);
    grid->addWidget(MakeLabel("Bearbeiter", this), 2, 0);
    grid->addWidget(Field(this, "Edit_bearbeiter", &typed_.editor, kChangeEditorLength), 2, 1);
    grid->addWidget(MakeLabel("Beschreibung", this), 3, 0, Qt::AlignTop);
    auto* description = new QPlainTextEdit(FromDisplay(typed_.description), this);
    description->setObjectName("Memo_beschreibung");
    connect(description, &QPlainTextEdit::textChanged, this,
            [this, description] { typed_.description = ToDisplay(description->toPlainText()); });
    grid->addWidget(description, 3, 1, 1, 2);
    layout->addLayout(grid);
    ButtonRow buttons(this);
    buttons.addHelpText(help);
    buttons.layout()->addStretch();
    layout->addLayout(buttons.layout());
  }
};

class DrawingInfoDialog : public CopyDialog<DrawingInfoForm> {
 public:
  DrawingInfoDialog(QWidget* parent, DrawingInfoForm& form, const HelpCallbacks& help)
      : CopyDialog(parent, form) {
    setWindowTitle(DrawingInfoForm::kCaption);
    auto* layout = new QVBoxLayout(this);
    auto* top = new QGridLayout;
    top->addWidget(MakeLabel("Ersatz f\x81r", this), 0, 0);
    top->addWidget(Field(this, "Edit_ersatzfuer", &typed_.replaces, kReplacementLength), 0, 1);
    top->addWidget(MakeLabel("Ersetzt durch", this), 1, 0);
    top->addWidget(Field(this, "Edit_ersetztdurch", &typed_.replaced_by, kReplacementLength), 1, 1);
    layout->addLayout(top);

    grid_ = new QTableWidget(4, 2, this);
    grid_->setObjectName("StringGrid_schriftfeld");
    grid_->setHorizontalHeaderLabels({"Datum", "Name"});
    QStringList rows;
    for (const std::string& label : typed_.row_labels) rows << FromDisplay(label);
    grid_->setVerticalHeaderLabels(rows);
    auto* grid_row = new QHBoxLayout;
    grid_row->addWidget(grid_);
    auto* today_buttons = new QVBoxLayout;
    for (int row = 0; row < 4; ++row) {
      grid_->setItem(row, 0, new QTableWidgetItem(FromDisplay(typed_.dates[row])));
      grid_->setItem(row, 1, new QTableWidgetItem(FromDisplay(typed_.names[row])));
      today_buttons->addWidget(
          MakeButton("< " + FromDisplay(typed_.today), "Button_heute", this, [this, row] {
            typed_.takeToday(row);
            grid_->item(row, 0)->setText(FromDisplay(typed_.dates[row]));
          }));
    }
    grid_row->addLayout(today_buttons);
    layout->addLayout(grid_row);

    texts_ = new QTableWidget(kMaxDrawingTexts, DrawingInfoForm::kTextColumns, this);
    texts_->setObjectName("StringGrid_texte");
    texts_->setHorizontalHeaderLabels({"x", "y", "h", "phi", "Text"});
    texts_->horizontalHeader()->setStretchLastSection(true);
    for (int row = 0; row < kMaxDrawingTexts; ++row)
      for (int col = 0; col < DrawingInfoForm::kTextColumns; ++col)
        texts_->setItem(row, col, new QTableWidgetItem(FromDisplay(typed_.texts[row][col])));
    texts_->setMinimumWidth(560);
    layout->addWidget(texts_);

    ButtonRow buttons(this);
    buttons.addHelpText(help);
    buttons.layout()->addStretch();
    layout->addLayout(buttons.layout());
  }

  void accept() override {
    for (int row = 0; row < 4; ++row) {
      typed_.dates[row] = ToDisplay(grid_->item(row, 0)->text());
      typed_.names[row] = ToDisplay(grid_->item(row, 1)->text());
    }
    for (int row = 0; row < kMaxDrawingTexts; ++row)
      for (int col = 0; col < DrawingInfoForm::kTextColumns; ++col)
        typed_.texts[row][col] = ToDisplay(texts_->item(row, col)->text());
    CopyDialog::accept();
  }

 private:
  QTableWidget* grid_;
  QTableWidget* texts_;
};

}  // namespace

bool RunChangeRecordDialog(QWidget* parent, ChangeRecordForm& form, const HelpCallbacks& help) {
  ChangeRecordDialog dialog(parent, form, help);
  return dialog.exec() == QDialog::Accepted;
}

bool RunDrawingInfoDialog(QWidget* parent, DrawingInfoForm& form, const HelpCallbacks& help) {
  DrawingInfoDialog dialog(parent, form, help);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace kv9
