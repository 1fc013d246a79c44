#include "help/help_context.h"

#include "core/number_format.h"
#include "core/text.h"
#include "core/ui.h"

namespace kv9 {

std::string PlainDisplayConversion(std::string_view text) {
  return Cp850ToUtf8(text);
}

std::vector<std::string> HelpFileLines(std::string_view content) {
  std::vector<std::string> lines;
  while (!content.empty()) {
    auto end = content.find('\n');
    std::string_view line = content.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.emplace_back(line);
    content = end == std::string_view::npos ? std::string_view() : content.substr(end + 1);
  }
  return lines;
}

std::string FileNotFoundText(const std::string& path) {
  return "Datei " + Utf8ToCp850(path) + " nicht gefunden !";
}

namespace help_dialog {

namespace {

template <typename T>
std::optional<T> Answered(HelpContext& h, std::optional<T> answer) {
  h.abort_flag = !answer;
  return answer;
}

}  // namespace

void Error(HelpContext& h, std::string_view text) {
  h.ui.showMessage(MessageBoxKind::Error, "Fehler : ", h.shown(text));
}

void Note(HelpContext& h, std::string_view text) {
  h.ui.showMessage(MessageBoxKind::Note, "Meldung:", h.shown(text));
}

int Choose(HelpContext& h, std::string_view prompt, const std::vector<std::string>& items,
           int current) {
  std::vector<std::string> shown;
  for (const auto& item : items) shown.push_back(h.shown(item));
  int n = static_cast<int>(items.size());
  int pre = current < 1 || current > n ? 1 : current;
  auto chosen = Answered(h, h.ui.chooseFromList(h.shown(prompt), shown, pre, n > 7));
  if (chosen && (*chosen < 1 || *chosen > n)) h.abort_flag = true;
  return h.abort_flag ? 0 : *chosen;
}

std::optional<bool> AskYesNo(HelpContext& h, std::string_view prompt, bool yes) {
  return Answered(h, h.ui.askYesNo(h.shown(prompt), yes));
}

std::optional<std::string> Input(HelpContext& h, std::string_view prompt, std::string_view text,
                                 int max_length) {
  auto typed = Answered(h, h.ui.inputText(h.shown(prompt), h.shown(text), max_length));
  if (!typed) return std::nullopt;
  std::string result = Utf8ToCp850(*typed);
  if (max_length > 0 && static_cast<int>(result.size()) > max_length) result.resize(max_length);
  return result;
}

std::optional<int> InputInt(HelpContext& h, std::string_view prompt, int value, int low,
                            int high) {
  std::string text = std::to_string(value);
  for (;;) {
    auto typed = Input(h, prompt, text, 12);
    if (!typed) return std::nullopt;
    long long v = ParseInt(*typed);
    if (v >= low && v <= high) return static_cast<int>(v);
    h.ui.beep();
    Error(h, "G\x81ltiger Wertebereich: " + std::to_string(low) + " .. " + std::to_string(high) +
                 " !");
    text = *typed;
  }
}

std::optional<std::string> ChooseFile(HelpContext& h, const std::string& dir,
                                      std::string_view mask) {
  std::string m(mask);
  auto chosen = h.ui.chooseOpenFile(dir, m + "|" + m);
  if (chosen && chosen->empty()) chosen.reset();
  return Answered(h, chosen);
}

}  // namespace help_dialog

}  // namespace kv9
