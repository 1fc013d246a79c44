#include "core/scripted_ui.h"

#include <charconv>

namespace kv9 {

std::optional<std::string> ScriptedUi::next() {
  if (answers.empty()) {
    ++unanswered;
    return std::nullopt;
  }
  auto a = std::move(answers.front());
  answers.pop_front();
  return a;
}

std::vector<std::string> ScriptedUi::texts(std::string_view kind) const {
  std::vector<std::string> out;
  for (const auto& e : events)
    if (e.kind == kind) out.push_back(e.text);
  return out;
}

bool ScriptedUi::saw(std::string_view kind, std::string_view text) const {
  for (const auto& e : events)
    if (e.kind == kind && e.text == text) return true;
  return false;
}

std::optional<int> ScriptedUi::chooseFromList(std::string_view prompt,
                                              const std::vector<std::string>& choices,
                                              int preselected, bool as_list) {
  events.push_back(
      {as_list ? "choose" : "choose-radio", "", std::string(prompt), choices, preselected});
  auto a = next();
  if (!a) return std::nullopt;
  int n = 0;
  std::from_chars(a->data(), a->data() + a->size(), n);
  return n;
}

std::optional<bool> ScriptedUi::askYesNo(std::string_view prompt, bool yes_preselected) {
  events.push_back({"yesno", "", std::string(prompt), {}, yes_preselected ? 1 : 2});
  auto a = next();
  if (!a) return std::nullopt;
  return !(*a == "N" || *a == "n");
}

std::optional<std::string> ScriptedUi::inputText(std::string_view prompt, std::string_view text,
                                                 int max_length) {
  events.push_back({"input", std::string(text), std::string(prompt), {}, max_length});
  auto a = next();
  // An edit field holds max_length characters, not bytes of their UTF-8 form.
  if (a && max_length > 0) {
    int chars = 0;
    for (std::size_t i = 0; i < a->size(); ++i) {
      if ((static_cast<unsigned char>((*a)[i]) & 0xC0) == 0x80) continue;
      if (++chars > max_length) {
        a->resize(i);
        break;
      }
    }
  }
  return a;
}

std::optional<std::string> ScriptedUi::chooseDirectory(std::string_view dir) {
  events.push_back({"directory", "", std::string(dir), {}, 0});
  return next();
}

void ScriptedUi::showScreen(std::string_view title, const std::vector<std::string>& lines) {
  events.push_back({"screen", std::string(title), "", lines, 0});
}

YesNoCancel ScriptedUi::askYesNoCancel(std::string_view caption, std::string_view question) {
  events.push_back({"yesnocancel", std::string(caption), std::string(question), {}, 0});
  auto a = next();
  if (!a) return YesNoCancel::Cancel;
  if (*a == "Y" || *a == "y" || *a == "J" || *a == "j") return YesNoCancel::Yes;
  if (*a == "N" || *a == "n") return YesNoCancel::No;
  return YesNoCancel::Cancel;
}

void ScriptedUi::showMessage(MessageBoxKind kind, std::string_view caption, std::string_view text) {
  static constexpr const char* kKinds[] = {"error", "note", "help", "titled", "plain"};
  events.push_back(
      {kKinds[static_cast<int>(kind)], std::string(caption), std::string(text), {}, 0});
}

std::optional<std::string> ScriptedUi::chooseOpenFile(std::string_view dir,
                                                      std::string_view filter) {
  events.push_back({"open", std::string(filter), std::string(dir), {}, 0});
  return next();
}

std::optional<std::string> ScriptedUi::chooseSaveFile(std::string_view dir,
                                                      std::string_view filter) {
  events.push_back({"save", std::string(filter), std::string(dir), {}, 0});
  return next();
}

StartResult ScriptedUi::startProgram(const std::string& command_line, bool visible) {
  events.push_back({"start", visible ? "visible" : "hidden", command_line, {}, 0});
  return start_result;
}

void ScriptedUi::showTextFile(const std::string& path, std::string_view title) {
  events.push_back({"textfile", std::string(title), path, {}, 0});
}

bool ScriptedUi::openUrl(std::string_view url) {
  events.push_back({"url", "", std::string(url), {}, 0});
  return true;
}

bool ScriptedUi::printTextFile(const std::string& path) {
  events.push_back({"print", "", path, {}, 0});
  return true;
}

bool ScriptedUi::printDisplayList(const DisplayList&) {
  events.push_back({"printlist", "", "", {}, 0});
  return true;
}

}  // namespace kv9
