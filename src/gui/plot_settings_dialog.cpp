#include "gui/plot_settings_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "gui/dialog_placement.h"
#include "gui/text_convert.h"

namespace kv9 {

namespace {

class TForm_confrixtran : public PlacedDialog {
 public:
  TForm_confrixtran(QWidget* parent, PlotSettingsForm& form, Ui& ui, const HelpCallbacks& help)
      : PlacedDialog(parent), form_(form), help_(help) {
    setWindowTitle(PlotSettingsForm::kCaption);
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    int row = 0;

    grid->addWidget(MakeLabel(PlotSettingsForm::kLabelProgram, this), row, 0);
    program_ = edit("Edit_program", PlotField::Program);
    grid->addWidget(program_, row, 1);
    grid->addWidget(MakeButton("...", "Button_program", this,
                               [this, &ui] { event([&] { form_.chooseProgram(ui); }); }),
                    row++, 2);

    auto* folder_row = new QHBoxLayout;
    folder_row->addWidget(MakeButton("Dir...", "Button_dir", this,
                                     [this, &ui] { event([&] { form_.chooseFolder(ui); }); }));
    folder_ = edit("Edit_folder", PlotField::Folder);
    folder_row->addWidget(folder_);
    folder_row->addWidget(
        MakeButton("<", "Button_tempdir", this, [this] { event([&] { form_.resetFolder(); }); }));
    grid->addLayout(folder_row, row++, 0, 1, 3);

    auto* choices = new QHBoxLayout;
    format_ = radios(
        FromCp850(PlotSettingsForm::kLabelFormat), "RadioGroup_format",
        {PlotSettingsForm::kFormatItems.begin(), PlotSettingsForm::kFormatItems.end()},
        [this](int id) { form_.setFormat(id + 1); }, PlotField::Format);
    choices->addWidget(format_box_);
    interface_ = radios(
        FromCp850(PlotSettingsForm::kLabelInterface), "RadioGroup_interface",
        {PlotSettingsForm::kInterfaceItems.begin(), PlotSettingsForm::kInterfaceItems.end()},
        [this](int id) { form_.setInterface(id + 1); }, PlotField::Interface);
    choices->addWidget(interface_box_);
    grid->addLayout(choices, row++, 0, 1, 3);

    auto add_field = [&](const char* label, const char* name, PlotField field) {
      grid->addWidget(MakeLabel(label, this), row, 0);
      QLineEdit* e = edit(name, field);
      grid->addWidget(e, row++, 1);
      return e;
    };
    com_ = add_field("COM", "Edit_com", PlotField::Com);
    lpt_ = add_field("LPT", "Edit_lpt", PlotField::Lpt);
    scale_ = add_field(PlotSettingsForm::kLabelScale, "Edit_scale", PlotField::Scale);
    grid->addWidget(new QLabel(": 1", this), row - 1, 2);
    fit_ = check(PlotSettingsForm::kLabelFit, "CheckBox_fit", PlotField::FitToPaper,
                 [this](bool on) { form_.setFitToPaper(on); });
    grid->addWidget(fit_, row++, 0, 1, 3);
    rotate_ = check(PlotSettingsForm::kLabelRotate, "CheckBox_rotate", PlotField::Rotate,
                    [this](bool on) { form_.setRotate(on); });
    grid->addWidget(rotate_, row++, 0, 1, 3);
    shift_x_ = add_field(PlotSettingsForm::kLabelShiftX, "Edit_shiftx", PlotField::ShiftX);
    shift_y_ = add_field(PlotSettingsForm::kLabelShiftY, "Edit_shifty", PlotField::ShiftY);
    width_ = add_field(PlotSettingsForm::kLabelWidthFactor, "Edit_width", PlotField::WidthFactor);

    grid->addWidget(MakeLabel(PlotSettingsForm::kLabelFont, this), row, 0);
    font_ = new QComboBox(this);
    font_->setObjectName("ComboBox_font");
    font_->setEditable(true);
    for (const std::string& f : PlotSettingsForm::PostScriptFonts()) font_->addItem(FromDisplay(f));
    font_->setCurrentText(FromDisplay(form_.font));
    connect(font_, &QComboBox::currentTextChanged, this, [this](const QString& text) {
      event([&] { form_.setText(PlotField::Font, ToDisplay(text)); });
    });
    SetTooltip(help_, form_.tooltipTopic(PlotField::Font) != 0, form_.tooltipTopic(PlotField::Font),
               font_);
    grid->addWidget(font_, row++, 1);
    layout->addLayout(grid);

    layout->addWidget(MakeLabel(PlotSettingsForm::kLabelCommandLine, this));
    line_ = new QLabel(this);
    line_->setObjectName("Label_commandline");
    line_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    line_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(line_);

    ButtonRow buttons(this);
    buttons.addHelpText(help_, "&Hilfe");
    buttons.layout()->addStretch();
    layout->addLayout(buttons.layout());
    refill();
  }

 private:
  // A model event, then the widgets shown again from the model.
  template <class Event>
  void event(Event model_event) {
    model_event();
    refill();
  }

  void tooltip(PlotField field, QWidget* widget) {
    const int topic = form_.tooltipTopic(field);
    SetTooltip(help_, topic != 0, topic, widget);
  }

  QLineEdit* edit(const char* name, PlotField field) {
    auto* e = new QLineEdit(this);
    e->setObjectName(name);
    connect(e, &QLineEdit::textEdited, this, [this, field](const QString& text) {
      event([&] { form_.setText(field, ToDisplay(text)); });
    });
    tooltip(field, e);
    return e;
  }

  QCheckBox* check(const char* label, const char* name, PlotField field,
                   std::function<void(bool)> set) {
    auto* box = new QCheckBox(FromCp850(label), this);
    box->setObjectName(name);
    connect(box, &QCheckBox::toggled, this, [this, set](bool on) { event([&] { set(on); }); });
    tooltip(field, box);
    return box;
  }

  QButtonGroup* radios(const QString& title, const char* name, std::vector<const char*> items,
                       std::function<void(int)> set, PlotField field) {
    auto* box = new QGroupBox(title, this);
    box->setObjectName(name);
    auto* column = new QVBoxLayout(box);
    auto* group = new QButtonGroup(box);
    for (int i = 0; i < static_cast<int>(items.size()); ++i) {
      auto* radio = new QRadioButton(FromCp850(items[i]), box);
      group->addButton(radio, i);
      column->addWidget(radio);
    }
    connect(group, &QButtonGroup::idClicked, this,
            [this, set](int id) { event([&] { set(id); }); });
    tooltip(field, box);
    (field == PlotField::Format ? format_box_ : interface_box_) = box;
    return group;
  }

  static void Check(QButtonGroup* group, int id) {
    if (QAbstractButton* b = group->button(id)) {
      QSignalBlocker block(group);
      b->setChecked(true);
    }
  }
  static void Check(QCheckBox* box, bool on) {
    QSignalBlocker block(box);
    box->setChecked(on);
  }

  void refill() {
    ShowText(program_, form_.program);
    ShowText(folder_, form_.folder);
    ShowText(com_, form_.com);
    ShowText(lpt_, form_.lpt);
    ShowText(scale_, form_.scale);
    ShowText(shift_x_, form_.shift_x);
    ShowText(shift_y_, form_.shift_y);
    ShowText(width_, form_.width_factor);
    Check(format_, form_.format - 1);
    Check(interface_, form_.interface - 1);
    Check(fit_, form_.fit_to_paper);
    Check(rotate_, form_.rotate);
    com_->setEnabled(form_.comEnabled());
    lpt_->setEnabled(form_.lptEnabled());
    folder_->setEnabled(form_.folderEnabled());
    scale_->setEnabled(form_.scaleEnabled());
    font_->setEnabled(form_.fontEnabled());
    line_->setText(FromDisplay(form_.label()));
  }

  PlotSettingsForm& form_;
  HelpCallbacks help_;
  QLineEdit *program_, *folder_, *com_, *lpt_, *scale_, *shift_x_, *shift_y_, *width_;
  QGroupBox* format_box_ = nullptr;
  QGroupBox* interface_box_ = nullptr;
  QButtonGroup *format_, *interface_;
  QCheckBox *fit_, *rotate_;
  QComboBox* font_;
  QLabel* line_;
};

}  // namespace

bool RunPlotSettingsDialog(QWidget* parent, PlotSettingsForm& form, Ui& ui,
                           const HelpCallbacks& help) {
  TForm_confrixtran dialog(parent, form, ui, help);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace kv9
