#include "gui/document_setup_dialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/dialog_placement.h"
#include "gui/text_convert.h"

namespace kv9 {

namespace {

class DocumentSetupDialog : public PlacedDialog {
 public:
  DocumentSetupDialog(QWidget* parent, DocumentSetupForm& form, Ui& ui, const HelpCallbacks& help)
      : PlacedDialog(parent), form_(form), typed_(form) {
    setWindowTitle(DocumentSetupForm::kCaption);
    auto* layout = new QVBoxLayout(this);
    for (int slot = 0; slot < kDocumentCount; ++slot) {
      const QString n = QString::number(slot + 1);
      auto* box = new QGroupBox(" Document " + n + " ", this);
      auto* grid = new QGridLayout(box);
      addRow(grid, 0, "Program " + n, "Edit_program" + n, &typed_.program[slot],
             DocumentSetupForm::kProgramTooltip, help,
             [this, &ui, slot] { typed_.chooseProgram(ui, slot); });
      addRow(grid, 1, "File " + n, "Edit_file" + n, &typed_.file[slot],
             DocumentSetupForm::kFileTooltip, help,
             [this, &ui, slot] { typed_.chooseFile(ui, slot); });
      layout->addWidget(box);
    }
    ButtonRow buttons(this);
    buttons.addHelpText(help);
    buttons.layout()->addStretch();
    layout->addLayout(buttons.layout());
  }
  void accept() override {
    form_ = typed_;
    QDialog::accept();
  }

 private:
  void addRow(QGridLayout* grid, int row, const QString& label, const QString& name,
              std::string* field, int tooltip, const HelpCallbacks& help,
              std::function<void()> choose) {
    auto* text = new QLabel(label, grid->parentWidget());
    SetTooltip(help, true, tooltip, text);
    grid->addWidget(text, row, 0);
    QLineEdit* edit = MakeEdit(grid->parentWidget(), name.toLatin1().constData(), field);
    edit->setText(FromDisplay(*field));
    edit->setMinimumWidth(edit->fontMetrics().averageCharWidth() * (kDocumentPathLength + 2));
    grid->addWidget(edit, row, 1);
    grid->addWidget(MakeButton("...", "Button_choose", grid->parentWidget(),
                               [edit, field, choose] {
                                 choose();
                                 ShowText(edit, *field);
                               }),
                    row, 2);
  }

  DocumentSetupForm& form_;
  DocumentSetupForm typed_;
};

}  // namespace

bool RunDocumentSetupDialog(QWidget* parent, DocumentSetupForm& form, Ui& ui,
                            const HelpCallbacks& help) {
  DocumentSetupDialog dialog(parent, form, ui, help);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace kv9
