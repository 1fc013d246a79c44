// The Ui of the tests: answers come from a queue, every prompt and message is recorded, so a
// test can assert what the user was asked and saw.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/ui.h"

namespace kv9 {

class ScriptedUi : public Ui {
 public:
  // One recorded interaction: kind is "choose", "yesno", "input", "directory", "screen",
  // "yesnocancel", "error", "note", "help", "titled", "plain", "open", "save", "beep",
  // "form:<name>", "start", "textfile", "url", "print", "printlist", "refresh".
  struct Event {
    std::string kind;
    std::string caption;
    std::string text;
    std::vector<std::string> lines;  // choices of a list, lines of a screen
    int preselected = 0;
  };

  // Answers, consumed in order by the questions. nullopt answers Cancel. A question asked with
  // an empty queue answers Cancel and is counted in `unanswered`.
  // chooseFromList: "3"; askYesNo: "J" / "N"; askYesNoCancel: "Y" / "N"; inputText and file
  // choices: the text.
  std::deque<std::optional<std::string>> answers;
  void answer(std::string text) { answers.emplace_back(std::move(text)); }
  void cancel() { answers.emplace_back(std::nullopt); }

  std::vector<Event> events;
  int unanswered = 0;

  // Texts of all recorded events of one kind, in order.
  std::vector<std::string> texts(std::string_view kind) const;
  bool saw(std::string_view kind, std::string_view text) const;

  // Form hooks: a test sets on_<form>(model) to edit the model and return OK (true) or Cancel.
  // Without a hook a form answers Cancel.
#define KV9_SCRIPTED_FORM(Type, method)                 \
  std::function<bool(Type&)> on_##method;               \
  bool method(Type& form) override {                    \
    events.push_back({"form:" #method, "", "", {}, 0}); \
    return on_##method ? on_##method(form) : false;     \
  }
  KV9_UI_FORMS(KV9_SCRIPTED_FORM)
#undef KV9_SCRIPTED_FORM

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
  void beep() override {
    events.push_back({"beep", "", "", {}, 0});
  }
  void setWaitCursor(bool) override {}

  // Programs are not started; the command line is recorded and `start_result` returned.
  StartResult start_result;
  StartResult startProgram(const std::string& command_line, bool visible) override;
  void showTextFile(const std::string& path, std::string_view title) override;
  bool openUrl(std::string_view url) override;
  bool printTextFile(const std::string& path) override;
  bool printDisplayList(const DisplayList&) override;
  void refreshGraphics() override {
    events.push_back({"refresh", "", "", {}, 0});
  }
  ScreenSize screen_size;
  ScreenSize screenSize() override {
    return screen_size;
  }

 private:
  std::optional<std::string> next();
};

}  // namespace kv9
