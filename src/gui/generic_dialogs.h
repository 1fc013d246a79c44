// The generic dialogs and message boxes as Qt forms. Each function takes the texts in the
// display set (UTF-8) and answers as the core's Ui expects (nullopt = Cancel or Esc), so the
// Qt Ui forwards each call in one line. The dialog classes are public so that a test can fill
// one and accept it without exec().
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/ui.h"
#include "gui/dialog_placement.h"
#include "gui/form_widgets.h"

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;

namespace kv9 {

// A choice from a list box ("Auswahl"); Enter or a double click chooses.
class Tin_codedialog : public PlacedDialog {
 public:
  Tin_codedialog(QWidget* parent, const QString& prompt, const QStringList& choices,
                 int preselected, const HelpCallbacks& help);
  int chosen() const;  // 1-based, 0 without a selection

 private:
  QListWidget* list_;
};

// The same choice as radio buttons.
class Tin_radiodialog : public PlacedDialog {
 public:
  Tin_radiodialog(QWidget* parent, const QString& prompt, const QStringList& choices,
                  int preselected, const HelpCallbacks& help);
  int chosen() const;  // 1-based

 private:
  QButtonGroup* group_;
};

// "&Ja" or "&Nein".
class Tin_janeindialog : public PlacedDialog {
 public:
  Tin_janeindialog(QWidget* parent, const QString& prompt, bool yes_preselected,
                   const HelpCallbacks& help);
  bool yes() const;

 private:
  QButtonGroup* group_;
};

// One line of text (EditEinText), preselected; the window can be resized.
class Tin_textdialog : public PlacedDialog {
 public:
  Tin_textdialog(QWidget* parent, const QString& prompt, const QString& text, int max_length,
                 const HelpCallbacks& help);
  QString text() const;

 private:
  QLineEdit* edit_;
};

// "Select Directory": the roots ("drives") and the folders of the current directory; a double
// click opens a folder, OK returns the directory that is open.
class TForm_selectDir : public PlacedDialog {
 public:
  TForm_selectDir(QWidget* parent, const QString& dir);
  QString directory() const { return dir_; }
  void openDirectory(const QString& dir);

 private:
  QComboBox* drives_;
  QLabel* path_;
  QListWidget* folders_;
  QString dir_;
};

// The text screen: lines in a fixed-width font, read only, "OK".
class TShowScreen : public PlacedDialog {
 public:
  TShowScreen(QWidget* parent, const QString& title, const QStringList& lines);

 private:
  QPlainTextEdit* text_;
};

std::optional<int> RunChoiceDialog(QWidget* parent, std::string_view prompt,
                                   const std::vector<std::string>& choices, int preselected,
                                   bool as_list, const HelpCallbacks& help);
std::optional<bool> RunYesNoDialog(QWidget* parent, std::string_view prompt, bool yes_preselected,
                                   const HelpCallbacks& help);
std::optional<std::string> RunTextDialog(QWidget* parent, std::string_view prompt,
                                         std::string_view text, int max_length,
                                         const HelpCallbacks& help);
std::optional<std::string> RunSelectDirDialog(QWidget* parent, std::string_view dir);
void RunShowScreen(QWidget* parent, std::string_view title, const std::vector<std::string>& lines);

// Message boxes. Errors are modal for the whole program.
void ShowMessageBox(QWidget* parent, MessageBoxKind kind, std::string_view caption,
                    std::string_view text);
YesNoCancel AskYesNoCancelBox(QWidget* parent, std::string_view caption, std::string_view question);

}  // namespace kv9
