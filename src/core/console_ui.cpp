#include "core/console_ui.h"

#include <iostream>

namespace kv9 {

ConsoleUi::ConsoleUi() : out_(std::cout), err_(std::cerr) {}

bool ConsoleUi::outputFailed() {
  out_.flush();
  err_.flush();
  return out_.fail() || err_.fail();
}

void ConsoleUi::unanswered(std::string_view kind, std::string_view text) {
  err_ << kind << ": " << text << " -> Cancel\n";
}

std::optional<int> ConsoleUi::chooseFromList(std::string_view prompt,
                                             const std::vector<std::string>&, int, bool) {
  unanswered("choice", prompt);
  return std::nullopt;
}

std::optional<bool> ConsoleUi::askYesNo(std::string_view prompt, bool) {
  unanswered("question", prompt);
  return std::nullopt;
}

std::optional<std::string> ConsoleUi::inputText(std::string_view prompt, std::string_view, int) {
  unanswered("input", prompt);
  return std::nullopt;
}

std::optional<std::string> ConsoleUi::chooseDirectory(std::string_view dir) {
  unanswered("directory", dir);
  return std::nullopt;
}

void ConsoleUi::showScreen(std::string_view, const std::vector<std::string>& lines) {
  for (const auto& line : lines) out_ << line << '\n';
  out_.flush();
}

YesNoCancel ConsoleUi::askYesNoCancel(std::string_view, std::string_view question) {
  unanswered("question", question);
  return YesNoCancel::Cancel;
}

void ConsoleUi::showMessage(MessageBoxKind kind, std::string_view caption, std::string_view text) {
  switch (kind) {
    case MessageBoxKind::Error:
      err_ << "Fehler : " << text << '\n';
      break;
    case MessageBoxKind::Note:
      err_ << "Meldung: " << text << '\n';
      break;
    case MessageBoxKind::Help:
      err_ << "Hilfe: " << text << '\n';
      break;
    case MessageBoxKind::Titled:
      err_ << caption << ": " << text << '\n';
      break;
    case MessageBoxKind::Plain:
      err_ << text << '\n';
      break;
  }
  err_.flush();
}

std::optional<std::string> ConsoleUi::chooseOpenFile(std::string_view dir, std::string_view) {
  unanswered("open file", dir);
  return std::nullopt;
}

std::optional<std::string> ConsoleUi::chooseSaveFile(std::string_view dir, std::string_view) {
  unanswered("save file", dir);
  return std::nullopt;
}

void ConsoleUi::showTextFile(const std::string& path, std::string_view) {
  err_ << "text file: " << path << '\n';
}

bool ConsoleUi::openUrl(std::string_view url) {
  err_ << "url: " << url << '\n';
  return false;
}

bool ConsoleUi::printTextFile(const std::string& path) {
  err_ << "print: " << path << " (no printer in batch mode)\n";
  return false;
}

}  // namespace kv9
