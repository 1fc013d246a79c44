// The Ui of the batch runs: messages go to standard error, every question answers Cancel,
// text screens go to standard output.
#pragma once

#include <iosfwd>

#include "core/ui.h"

namespace kv9 {

class ConsoleUi : public Ui {
 public:
  ConsoleUi();
  ConsoleUi(std::ostream& out, std::ostream& err) : out_(out), err_(err) {}

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
  void beep() override {}
  void setWaitCursor(bool) override {}

#define KV9_CONSOLE_FORM(Type, method) \
  bool method(Type&) override {        \
    return false;                      \
  }
  KV9_UI_FORMS(KV9_CONSOLE_FORM)
#undef KV9_CONSOLE_FORM

  void showTextFile(const std::string& path, std::string_view title) override;
  bool openUrl(std::string_view url) override;
  bool printTextFile(const std::string& path) override;
  bool printDisplayList(const DisplayList&) override {
    return false;
  }
  void refreshGraphics() override {}
  ScreenSize screenSize() override {
    return {};
  }

  // Whether anything printed so far failed to reach standard output or standard error (a full
  // disk, a closed stream); flushes both first.
  bool outputFailed();

 private:
  void unanswered(std::string_view kind, std::string_view text);
  std::ostream& out_;
  std::ostream& err_;
};

}  // namespace kv9
