// The Ui of the desktop: every question and service of the core as a Qt dialog or a Qt call.
// Texts arrive in the display set (UTF-8) and are converted to QString at the dialogs.
#pragma once

#include <QPointer>
#include <QString>
#include <memory>

#include "core/ui.h"
#include "gui/form_widgets.h"
#include "gui/text_window.h"

class QPrinter;
class QWidget;

namespace kv9 {

struct Config;
struct HelpContext;
class TFtavigra;

// A Qt file-dialog filter from the core's "description|mask" ("Data (*.kv9)"); masks the core
// separates with ";" are separated by blanks.
QString QtFileFilter(std::string_view filter);

class QtUi : public Ui {
 public:
  // Dialogs open over `window` once it is set (and centre over it).
  void setParentWindow(QWidget* window) { parent_ = window; }
  void setGraphics(TFtavigra* graphics) { graphics_ = graphics; }
  // The help buttons and tooltips look up the current help number through `help`; without it,
  // or for a number without entry, they show nothing.
  void setHelp(HelpContext* help) { help_ = help; }
  TextWindowSettings& textWindowSettings() { return text_window_; }
  // The print settings (font, lines per page, scales ...) come from `config` once it is set.
  void setConfig(const Config* config) { config_ = config; }
  // What the dialogs get as their help buttons and tooltips.
  HelpCallbacks helpCallbacks();

  std::optional<int> chooseFromList(std::string_view prompt,
                                    const std::vector<std::string>& choices, int preselected,
                                    bool as_list) override;
  std::optional<bool> askYesNo(std::string_view prompt, bool yes_preselected) override;
  std::optional<std::string> inputText(std::string_view prompt, std::string_view text,
                                       int max_length) override;
  std::optional<std::string> chooseDirectory(std::string_view dir) override;
  void showScreen(std::string_view title, const std::vector<std::string>& lines) override;
  YesNoCancel askYesNoCancel(std::string_view caption, std::string_view question) override;
  void showMessage(MessageBoxKind kind, std::string_view caption, std::string_view text) override;
  std::optional<std::string> chooseOpenFile(std::string_view dir, std::string_view filter) override;
  std::optional<std::string> chooseSaveFile(std::string_view dir, std::string_view filter) override;
  void beep() override;
  void setWaitCursor(bool on) override;

#define KV9_QT_UI_FORM(Type, method) bool method(Type& form) override;
  KV9_UI_FORMS(KV9_QT_UI_FORM)
#undef KV9_QT_UI_FORM

  void showTextFile(const std::string& path, std::string_view title) override;
  bool openUrl(std::string_view url) override;
  bool printTextFile(const std::string& path) override;
  bool printDisplayList(const DisplayList& list) override;
  void refreshGraphics() override;
  ScreenSize screenSize() override;

 private:
  void showHelp(int mode);
  QPrinter& printer();  // the current printer of the run, made on first use

  QPointer<QWidget> parent_;
  TFtavigra* graphics_ = nullptr;
  HelpContext* help_ = nullptr;
  const Config* config_ = nullptr;
  std::shared_ptr<QPrinter> printer_;
  bool print_fit_ = false;  // "anpassen" of the last printout dialog
  TextWindowSettings text_window_;
  int wait_depth_ = 0;  // setWaitCursor(true) calls not yet ended
};

}  // namespace kv9
