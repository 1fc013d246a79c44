#include "gui/texts_dialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/program_info.h"
#include "gui/form_widgets.h"
#include "gui/text_convert.h"
#include "model/spline_data_set.h"

namespace kv9 {

namespace {

QLineEdit* TextEdit(QWidget* parent, const char* name, std::string* field, int length) {
  QLineEdit* edit = MakeEdit(parent, name, field);
  edit->setMaxLength(length);
  edit->setText(FromDisplay(*field));
  // wide enough for the whole text in an average font
  edit->setMinimumWidth(edit->fontMetrics().averageCharWidth() * (length + 2));
  return edit;
}

}  // namespace

TForm_kveingabetext::TForm_kveingabetext(QWidget* parent, TextsForm& fields)
    : PlacedDialog(parent), fields_(fields), typed_(fields) {
  setWindowTitle(FromDisplay(ProgramTitle()));
  auto* layout = new QVBoxLayout(this);
  const char* group_names[2] = {"GroupBox_welle", "GroupBox_nabe"};
  const char* group_titles[2] = {" Innenteil (IT) ",
                                 " Au\xE1"
                                 "enteil (AT) "};
  auto* groups = new QHBoxLayout;
  for (int part = 0; part < 2; ++part) {
    auto* box = new QGroupBox(FromCp850(group_titles[part]), this);
    box->setObjectName(group_names[part]);
    auto* grid = new QGridLayout(box);
    const QString suffix = part == 0 ? "_welle" : "_nabe";
    const struct {
      const char* label;
      QString name;
      std::string* field;
      int length;
    } rows[] = {
        {"Zeichnungsname", "Edit_name" + suffix, &typed_.drawing_name[part], kDrawingNameLength},
        {"Zeichnungsnummer", "Edit_number" + suffix, &typed_.drawing_number[part],
         kDrawingNumberLength},
        {"2.Zeichnungsname", "Edit_name2" + suffix, &typed_.drawing_name2[part], kDrawingName2Length},
    };
    int row = 0;
    for (const auto& r : rows) {
      grid->addWidget(MakeLabel(r.label, box), row, 0);
      grid->addWidget(TextEdit(box, r.name.toLatin1().constData(), r.field, r.length), row++, 1);
    }
    groups->addWidget(box);
  }
  layout->addLayout(groups);

  auto* infos = new QGridLayout;
  infos->addWidget(MakeLabel("Text 1", this), 0, 0);
  infos->addWidget(TextEdit(this, "Edit_info1", &typed_.info1, kInfoLength), 0, 1);
  infos->addWidget(MakeLabel("Text 2", this), 1, 0);
  infos->addWidget(TextEdit(this, "Edit_info2", &typed_.info2, kInfoLength), 1, 1);
  layout->addLayout(infos);

  ButtonRow buttons(this);
  buttons.layout()->addStretch();
  layout->addLayout(buttons.layout());
}

void TForm_kveingabetext::accept() {
  fields_ = typed_;
  QDialog::accept();
}

bool RunTextsDialog(QWidget* parent, TextsForm& fields) {
  TForm_kveingabetext dialog(parent, fields);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace kv9
