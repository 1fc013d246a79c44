#include "report/message_dialogs.h"

#include <fcntl.h>
#include <unistd.h>

#include "app/session.h"
#include "core/command_options.h"
#include "core/file_util.h"
#include "core/generic_dialogs.h"
#include "core/message_list.h"
#include "core/text.h"
#include "model/data_file.h"
#include "report/error_file.h"
#include "report/message_description_form.h"
#include "report/report_messages.h"
#include "report/report_output.h"

namespace kv9 {

namespace {

constexpr int kListHelpTopic = 1210;

void FileMissing(Session& s, const std::string& path) {
  ShowError(s, "Datei " + Utf8ToCp850(path) + " nicht gefunden oder kein Zugriffsrecht !");
}

// A multi-line field of the dialog stays one line of the file: its line breaks become blanks.
std::string OneLine(std::string_view text) {
  std::string out;
  bool in_break = false;
  for (char c : text) {
    bool is_break = c == '\r' || c == '\n';
    if (is_break && !in_break) out += ' ';
    if (!is_break) out += c;
    in_break = is_break;
  }
  return out;
}

bool WriteCopy(const std::string& path, const std::string& content) {
  int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW, 0644);
  if (fd < 0) return false;
  bool ok = write(fd, content.data(), content.size()) == static_cast<ssize_t>(content.size());
  return close(fd) == 0 && ok;
}

}  // namespace

void MessageShowList(Session& s) {
  if (HasNoGuiOption(s.args)) return;
  int n = MessageCount(s);
  if (n == 0) {
    ShowNote(s, kNoMessages);
    return;
  }
  int last = n + 1;
  int preselected = s.cfg.help_level < 2 ? last : 1;
  for (;;) {
    for (int i = 1; i <= n; ++i) s.screen_lines[i - 1] = MessageText(s, i);
    s.screen_lines[n] =
        "Weiter/zur\x81"
        "ck...";
    s.help_topic = kListHelpTopic;
    int chosen = ChooseFromList(
        s, "Berechnungsmodul meldet Warnungen oder Fehler, siehe Ursache und Abhilfe.", last,
        preselected);
    if (s.abort_flag || chosen == last) return;
    if (MessageDescriptionDialog(s, chosen) == DescriptionResult::Aborted) return;
    preselected = chosen + 1;
    if (preselected == last) return;
  }
}

DescriptionResult MessageDescriptionDialog(Session& s, int i) {
  std::string path = ErrorFilePath(s);
  if (!FileReadable(path)) {
    FileMissing(s, path);
    return DescriptionResult::Aborted;
  }
  std::string message = MessageText(s, i);
  ErrorDescription d = SearchErrorFile(path, message);
  if (!d.matched) {
    ShowTitled(s, "Meldung", kNoDescription);
    return DescriptionResult::NoDescription;
  }
  MessageDescriptionForm form;
  form.message = Cp850ToDisplay(s, message);
  form.cause = Cp850ToDisplay(s, d.cause);
  form.remedy = Cp850ToDisplay(s, d.remedy);
  form.onShow();
  if (!s.ui->messageDescriptionForm(form)) return DescriptionResult::Aborted;
  if (form.changed() && s.ui->askYesNo("Save Changes ?", true).value_or(false))
    SaveErrorDescription(s, message, form.cause, form.remedy);
  return DescriptionResult::Shown;
}

bool SaveErrorDescription(Session& s, std::string_view message, std::string_view cause,
                          std::string_view remedy) {
  std::string source = ErrorFilePath(s);
  std::string copy = ReportTempFolder(s) + FileNamePart(source);
  if (UpperAscii(source) == UpperAscii(copy)) return false;
  std::string content;
  if (!ReadWholeFile(source, content)) {
    FileMissing(s, source);
    return false;
  }
  std::string_view key = message.substr(0, kErrorKeyLength);
  LineReader in(content);
  LineWriter out(StyleOf(s));
  std::string line;
  bool found = false;
  while (in.text(line, std::string::npos)) {
    out.raw(line);
    if (std::string_view(line).substr(0, kErrorKeyLength) == key) {
      found = true;
      break;
    }
  }
  if (!found) {
    ShowError(s, std::string(message) + " not found.");
    return false;
  }
  in.skip(2);  // the old cause and remedy
  out.raw(DisplayToCp850(OneLine(cause)));
  out.raw(DisplayToCp850(OneLine(remedy)));
  while (in.text(line, std::string::npos)) out.raw(line);
  if (!WriteCopy(copy, out.content()) || WriteFileReplacing(source, out.content()) != 0) {
    ShowError(s, "Datei " + Utf8ToCp850(source) + " kann nicht erstellt werden");
    s.abort_flag = true;
    return false;
  }
  return true;
}

}  // namespace kv9
