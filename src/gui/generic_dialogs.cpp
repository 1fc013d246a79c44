#include "gui/generic_dialogs.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "calc/input_forms.h"
#include "gui/text_convert.h"

namespace kv9 {

namespace {

constexpr int kPromptHeight = 39;
constexpr int kShortPromptHeight = 33;

// The caption and the word-wrapped prompt at the top; the body and AddButtons follow.
QVBoxLayout* StandardLayout(QDialog* dialog, const QString& caption, const QString& prompt,
                            int prompt_width, int prompt_height) {
  dialog->setWindowTitle(caption);
  auto* layout = new QVBoxLayout(dialog);
  auto* label = new QLabel(prompt, dialog);
  label->setObjectName("Label_prompt");
  label->setWordWrap(true);
  label->setMinimumHeight(prompt_height);
  if (prompt_width > 0) label->setMinimumWidth(prompt_width);
  layout->addWidget(label);
  return layout;
}

void AddButtons(QDialog* dialog, QVBoxLayout* layout, const HelpCallbacks& help) {
  ButtonRow buttons(dialog);
  buttons.addHelpText(help);
  buttons.addHelpPicture(help);
  layout->addLayout(buttons.layout());
}

// 1-based preselection; anything outside the choices preselects the first.
int PreselectedRow(int preselected, qsizetype count) {
  return preselected >= 1 && preselected <= count ? preselected - 1 : 0;
}

QButtonGroup* RadioGroup(QDialog* dialog, QVBoxLayout* layout, const QString& title,
                         const QStringList& choices, int checked_row) {
  FormChoice choice{{}, checked_row, true};
  for (const QString& c : choices) choice.items.push_back(ToDisplay(c));
  RadioChoice radios = MakeRadioChoice(dialog, title, choice, "RadioGroup");
  layout->addWidget(radios.box);
  return radios.group;
}

template <class Dialog, class Result>
auto RunModal(Dialog& dialog, Result result) -> std::optional<decltype(result())> {
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return result();
}

}  // namespace

Tin_codedialog::Tin_codedialog(QWidget* parent, const QString& prompt, const QStringList& choices,
                               int preselected, const HelpCallbacks& help)
    : PlacedDialog(parent) {
  QVBoxLayout* layout = StandardLayout(this, "Auswahl", prompt, 0, kPromptHeight);
  list_ = new QListWidget(this);
  list_->setObjectName("ListBox");
  list_->addItems(choices);
  if (!choices.isEmpty()) list_->setCurrentRow(PreselectedRow(preselected, choices.size()));
  // a list as wide as its longest choice and about ten rows high
  list_->setMinimumWidth(std::min(list_->sizeHintForColumn(0) + 40, 700));
  if (!choices.isEmpty())
    list_->setMinimumHeight(list_->sizeHintForRow(0) * std::min<int>(10, choices.size() + 1));
  connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
  layout->addWidget(list_);
  AddButtons(this, layout, help);
}

int Tin_codedialog::chosen() const {
  return list_->currentRow() + 1;
}

Tin_radiodialog::Tin_radiodialog(QWidget* parent, const QString& prompt, const QStringList& choices,
                                 int preselected, const HelpCallbacks& help)
    : PlacedDialog(parent) {
  QVBoxLayout* layout = StandardLayout(this, "Auswahl", prompt, 0, kPromptHeight);
  group_ =
      RadioGroup(this, layout, QString(), choices, PreselectedRow(preselected, choices.size()));
  AddButtons(this, layout, help);
}

int Tin_radiodialog::chosen() const {
  return group_->checkedId() + 1;  // 0 when none is checked
}

Tin_janeindialog::Tin_janeindialog(QWidget* parent, const QString& prompt, bool yes_preselected,
                                   const HelpCallbacks& help)
    : PlacedDialog(parent) {
  QVBoxLayout* layout = StandardLayout(this, "Eingabe", prompt, 250, kShortPromptHeight);
  group_ = RadioGroup(this, layout, "Auswahl", {"&Ja", "&Nein"}, yes_preselected ? 0 : 1);
  AddButtons(this, layout, help);
}

bool Tin_janeindialog::yes() const {
  return group_->checkedId() == 0;
}

Tin_textdialog::Tin_textdialog(QWidget* parent, const QString& prompt, const QString& text,
                               int max_length, const HelpCallbacks& help)
    : PlacedDialog(parent, false) {
  QVBoxLayout* layout = StandardLayout(this, "Eingabe", prompt, 300, kShortPromptHeight);
  edit_ = new QLineEdit(this);
  edit_->setObjectName("EditEinText");
  if (max_length > 0) edit_->setMaxLength(max_length);
  edit_->setText(text);
  edit_->selectAll();
  layout->addWidget(edit_);
  AddButtons(this, layout, help);
  setSizeGripEnabled(true);
}

QString Tin_textdialog::text() const {
  return edit_->text();
}

TForm_selectDir::TForm_selectDir(QWidget* parent, const QString& dir) : PlacedDialog(parent) {
  setWindowTitle("Select Directory");
  auto* layout = new QVBoxLayout(this);
  drives_ = new QComboBox(this);
  drives_->setObjectName("DriveList");
  for (const QFileInfo& root : QDir::drives()) drives_->addItem(root.absoluteFilePath());
  drives_->addItem(QDir::homePath());
  path_ = new QLabel(this);
  path_->setObjectName("Label_directory");
  folders_ = new QListWidget(this);
  folders_->setObjectName("DirectoryList");
  folders_->setMinimumSize(320, 240);
  layout->addWidget(drives_);
  layout->addWidget(path_);
  layout->addWidget(folders_);
  ButtonRow buttons(this);
  layout->addLayout(buttons.layout());

  connect(drives_, &QComboBox::activated, this,
          [this](int i) { openDirectory(drives_->itemText(i)); });
  connect(folders_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
    openDirectory(QDir(dir_).absoluteFilePath(item->text()));
  });
  openDirectory(dir.isEmpty() ? QDir::currentPath() : dir);
}

void TForm_selectDir::openDirectory(const QString& dir) {
  QDir d(dir);
  if (!d.exists() || !d.isReadable()) return;
  dir_ = QDir::cleanPath(d.absolutePath());
  path_->setText(dir_);
  folders_->clear();
  if (!d.isRoot()) folders_->addItem("..");
  folders_->addItems(
      d.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name | QDir::IgnoreCase));
}

TShowScreen::TShowScreen(QWidget* parent, const QString& title, const QStringList& lines)
    : PlacedDialog(parent) {
  setWindowTitle(title);
  auto* layout = new QVBoxLayout(this);
  text_ = new QPlainTextEdit(this);
  text_->setObjectName("Memo_screen");
  text_->setReadOnly(true);
  text_->setLineWrapMode(QPlainTextEdit::NoWrap);
  QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  fixed.setPointSizeF(font().pointSizeF() > 0 ? font().pointSizeF() : fixed.pointSizeF());
  text_->setFont(fixed);
  text_->setPlainText(lines.join('\n'));
  // room for the 22 lines of 65 characters
  QFontMetrics m(fixed);
  text_->setMinimumSize(m.horizontalAdvance(QString(67, 'M')) + 24, m.lineSpacing() * 22 + 16);
  layout->addWidget(text_);
  auto* ok = MakeButton("OK", "Button_ok", this, nullptr);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  layout->addWidget(ok, 0, Qt::AlignHCenter);
}

std::optional<int> RunChoiceDialog(QWidget* parent, std::string_view prompt,
                                   const std::vector<std::string>& choices, int preselected,
                                   bool as_list, const HelpCallbacks& help) {
  if (as_list) {
    Tin_codedialog dialog(parent, FromDisplay(prompt), FromDisplay(choices), preselected, help);
    return RunModal(dialog, [&] { return dialog.chosen(); });
  }
  Tin_radiodialog dialog(parent, FromDisplay(prompt), FromDisplay(choices), preselected, help);
  return RunModal(dialog, [&] { return dialog.chosen(); });
}

std::optional<bool> RunYesNoDialog(QWidget* parent, std::string_view prompt, bool yes_preselected,
                                   const HelpCallbacks& help) {
  Tin_janeindialog dialog(parent, FromDisplay(prompt), yes_preselected, help);
  return RunModal(dialog, [&] { return dialog.yes(); });
}

std::optional<std::string> RunTextDialog(QWidget* parent, std::string_view prompt,
                                         std::string_view text, int max_length,
                                         const HelpCallbacks& help) {
  Tin_textdialog dialog(parent, FromDisplay(prompt), FromDisplay(text), max_length, help);
  return RunModal(dialog, [&] { return ToDisplay(dialog.text()); });
}

std::optional<std::string> RunSelectDirDialog(QWidget* parent, std::string_view dir) {
  TForm_selectDir dialog(parent, FromDisplay(dir));
  return RunModal(dialog, [&] { return ToDisplay(dialog.directory()); });
}

void RunShowScreen(QWidget* parent, std::string_view title, const std::vector<std::string>& lines) {
  TShowScreen dialog(parent, FromDisplay(title), FromDisplay(lines));
  dialog.exec();
}

void ShowMessageBox(QWidget* parent, MessageBoxKind kind, std::string_view caption,
                    std::string_view text) {
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  if (kind == MessageBoxKind::Error) icon = QMessageBox::Critical;
  if (kind == MessageBoxKind::Note || kind == MessageBoxKind::Help) icon = QMessageBox::Information;
  QMessageBox box(icon, FromDisplay(caption), FromDisplay(text), QMessageBox::Ok, parent);
  if (kind == MessageBoxKind::Error) box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}

YesNoCancel AskYesNoCancelBox(QWidget* parent, std::string_view caption,
                              std::string_view question) {
  QMessageBox box(QMessageBox::Question, FromDisplay(caption), FromDisplay(question),
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
  box.setEscapeButton(QMessageBox::Cancel);
  switch (box.exec()) {
    case QMessageBox::Yes:
      return YesNoCancel::Yes;
    case QMessageBox::No:
      return YesNoCancel::No;
    default:
      return YesNoCancel::Cancel;
  }
}

}  // namespace kv9
