// Pieces every dialog of the program shares: the help callbacks, the button row, and setters
// that refill a widget from its form model without firing the widget's own signals (so a
// refill never reaches the model again, and a field being typed in keeps its cursor).
#pragma once

#include <QString>
#include <functional>
#include <string>

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QDialog;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QWidget;

namespace kv9 {

struct FormChoice;

// What the help buttons and tooltips do. An empty callback does nothing; a tooltip callback
// that returns an empty text leaves the widget without tooltip.
struct HelpCallbacks {
  std::function<void()> help_text;     // "&Hilfetext" (or "&Hilfe")
  std::function<void()> help_picture;  // "Hilfe&bild"
  std::function<QString(int topic)> tooltip;
};

// The button row at the bottom of a dialog: "OK" (default, accepts) and "Abbrechen" (rejects);
// further buttons are added with addButton, the help buttons with addHelpText / addHelpPicture.
class ButtonRow {
 public:
  // Without `with_cancel` the row has no "Abbrechen" (cancel() is then null).
  explicit ButtonRow(QDialog* dialog, bool with_cancel = true);
  QHBoxLayout* layout() const { return layout_; }
  QPushButton* ok() const { return ok_; }
  QPushButton* cancel() const { return cancel_; }
  QPushButton* addButton(const QString& caption, const char* object_name,
                         std::function<void()> clicked);
  // `caption` in code page 850, as the dialog names the button.
  QPushButton* addHelpText(const HelpCallbacks& help, const char* caption = "&Hilfetext");
  QPushButton* addHelpPicture(const HelpCallbacks& help);

 private:
  QDialog* dialog_;
  QHBoxLayout* layout_;
  QPushButton* ok_;
  QPushButton* cancel_;
};

// A button that calls `clicked` (which may be empty).
QPushButton* MakeButton(const QString& caption, const char* object_name, QWidget* parent,
                        std::function<void()> clicked);

// An edit field whose typing goes straight into `target` (a form model's text, UTF-8).
QLineEdit* MakeEdit(QWidget* parent, const char* object_name, std::string* target);
// A spin field whose changes go straight into `target`.
QSpinBox* MakeSpin(QWidget* parent, const char* object_name, int min, int max, int* target);
// A selection list filled from `choice`.
QComboBox* MakeCombo(QWidget* parent, const char* object_name, const FormChoice& choice);
// A label from a code page 850 text.
QLabel* MakeLabel(const char* cp850, QWidget* parent);

// A selection shown as a group of radio buttons; the button ids are the 0-based positions.
struct RadioChoice {
  QGroupBox* box;
  QButtonGroup* group;
};
RadioChoice MakeRadioChoice(QWidget* parent, const QString& title, const FormChoice& choice,
                            const char* object_name);

// Refills: the widget is changed only when it differs, with its signals blocked.
void ShowText(QLineEdit* edit, const std::string& utf8);
void ShowNumber(QSpinBox* spin, int value);
void ShowChoice(QComboBox* combo, const FormChoice& choice);
void ShowChoice(const RadioChoice& radios, const FormChoice& choice);
void FillChoice(QComboBox* combo, const FormChoice& choice);  // items, then the position

// The tooltip of help text `topic` on each widget, when `enabled`.
void SetTooltip(const HelpCallbacks& help, bool enabled, int topic, QWidget* widget);

}  // namespace kv9
