#include "help/help_texts.h"

#include "core/file_util.h"
#include "core/text.h"
#include "core/ui.h"
#include "help/hpgl.h"
#include "screen/display_list.h"

namespace kv9 {

namespace {

// A number line starts with four decimal digits.
bool NumberOf(const std::string& line, int& number) {
  if (line.size() < 4) return false;
  number = 0;
  for (int i = 0; i < 4; ++i) {
    if (line[i] < '0' || line[i] > '9') return false;
    number = number * 10 + (line[i] - '0');
  }
  return true;
}

std::string PictureOf(const std::string& number_line) {
  auto colon = number_line.find(':');
  if (colon == std::string::npos) return "";
  std::string name = Trim(number_line.substr(colon + 1));
  return name == "NULL" ? "" : name;
}

}  // namespace

std::string HelpFilePath(const std::string& plt_dir, int n) {
  return FindFileNoCase(plt_dir, n < kFirstOwnHelpNumber ? kCommonHelpFile : kOwnHelpFile);
}

HelpEntry FindHelpEntry(std::string_view content, int n) {
  const std::vector<std::string> lines = HelpFileLines(content);
  std::size_t i = 0;
  auto next_line = [&] { return i < lines.size() ? lines[i++] : std::string(); };
  while (i < lines.size()) {
    int m = -1;
    const std::string& line = lines[i++];
    const bool number_line = NumberOf(line, m);
    if (!number_line || m != n) {
      if (number_line) ++i;  // the text line of another entry's number line
      continue;
    }
    HelpEntry e;
    e.found = true;
    e.picture = PictureOf(line);
    e.lines.push_back(next_line());
    for (int k = 1; k < kHelpEntryLines && i < lines.size(); ++k) {
      const std::string& more = lines[i++];
      int sub = -1;
      if (!NumberOf(more, sub)) {
        e.lines.push_back(more);
        continue;
      }
      if (sub % 5 == 0) break;
      std::string text = next_line();
      if (sub == n + k) e.lines.push_back(text);
    }
    return e;
  }
  return {};
}

HelpEntry LookupHelp(const std::string& plt_dir, int n) {
  const std::string path = HelpFilePath(plt_dir, n);
  std::string content;
  if (!FileReadable(path) || !ReadWholeFile(path, content)) return {false, {FileNotFoundText(path)}, ""};
  HelpEntry e = FindHelpEntry(content, n);
  if (!e.found) e.lines = {"Hilfetext Nr " + std::to_string(n) + ": keine Hilfe vorhanden."};
  return e;
}

void SetHelpNumber(HelpContext& h, int n) {
  h.help_topic = n;
}

void ShowHelp(HelpContext& h, int n, int mode) {
  if (n == 0) n = h.help_topic;
  const HelpEntry e = LookupHelp(h.plt_dir, n);
  if (mode == kHelpTextAndPicture || mode == kHelpTextOnly) {
    std::string paragraph;
    for (const auto& line : e.lines) paragraph += line + " ";
    h.ui.showMessage(MessageBoxKind::Titled, "HILFETEXT Nr." + std::to_string(n),
                     h.shown(paragraph));
  }
  if (mode == kHelpTextAndPicture || mode == kHelpPictureOnly) {
    if (e.picture.empty()) {
      PrepareHelpWindow(h.display);
      h.ui.refreshGraphics();
    } else {
      ShowPictureFile(h, HelpPicturePath(h.plt_dir, e.picture));
    }
  }
  h.abort_flag = false;
}

void ShowPictureFile(HelpContext& h, const std::string& file) {
  if (!DrawHelpPicture(h.display, file)) help_dialog::Error(h, FileNotFoundText(file));
  h.ui.refreshGraphics();
}

std::string HelpPicturePath(const std::string& plt_dir, const std::string& name) {
  return FindFileNoCase(plt_dir, name + ".plt");
}

std::string HelpText(const std::string& plt_dir, int n, const DisplayConversion& shown) {
  const std::vector<std::string> lines = LookupHelp(plt_dir, n).lines;
  std::string joined;
  for (std::size_t i = 0; i < lines.size(); ++i) joined += (i > 0 ? " " : "") + lines[i];
  return shown(joined);
}

}  // namespace kv9
