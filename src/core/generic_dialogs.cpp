#include "core/generic_dialogs.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <vector>

#include "app/session.h"
#include "core/file_util.h"
#include "core/number_format.h"
#include "core/text.h"

namespace kv9 {

namespace {

std::string Shown(const Session& s, std::string_view text) {
  return Cp850ToDisplay(s, text);
}

// The range message of the number dialogs.
void RangeError(Session& s, const std::string& low, const std::string& high) {
  s.ui->beep();
  ShowError(s, "G\x81ltiger Wertebereich: " + low + " .. " + high + " !");
}

}  // namespace

DialogContext DialogsOf(Session& s) {
  return {*s.ui, s.cfg.plain_text_mode == 1, s.abort_flag};
}

int ChooseFromList(Session& s, std::string_view prompt, int n, int current) {
  std::vector<std::string> lines(s.screen_lines.begin(),
                                 s.screen_lines.begin() + std::clamp(n, 0, kScreenLineCount));
  return ChooseFromList(DialogsOf(s), prompt, lines, current);
}

int ChooseFromList(const DialogContext& d, std::string_view prompt,
                   const std::vector<std::string>& lines, int current) {
  int n = static_cast<int>(lines.size());
  std::vector<std::string> choices;
  for (const auto& line : lines) choices.push_back(Cp850ToDisplay(d.plain_text, line));
  int pre = current < 1 || current > n ? 1 : current;
  auto chosen = d.ui.chooseFromList(Cp850ToDisplay(d.plain_text, prompt), choices, pre, n > 7);
  if (!chosen || *chosen < 1 || *chosen > n) {
    d.abort_flag = true;
    return current;
  }
  d.abort_flag = false;
  return *chosen;
}

std::string AskYesNo(Session& s, std::string_view prompt, std::string_view current) {
  return AskYesNo(DialogsOf(s), prompt, current);
}

std::string AskYesNo(const DialogContext& d, std::string_view prompt, std::string_view current) {
  bool no = current == "N" || current == "n";
  auto answer = d.ui.askYesNo(Cp850ToDisplay(d.plain_text, prompt), !no);
  if (!answer) {
    d.abort_flag = true;
    return std::string(current);
  }
  d.abort_flag = false;
  return *answer ? "J" : "N";
}

bool AskYesNoBool(Session& s, std::string_view prompt, bool current) {
  return AskYesNoBool(DialogsOf(s), prompt, current);
}

bool AskYesNoBool(const DialogContext& d, std::string_view prompt, bool current) {
  return AskYesNo(d, prompt, current ? "J" : "N") != "N";
}

std::string InputText(Session& s, std::string_view prompt, std::string_view text, int max_length) {
  auto typed = s.ui->inputText(Shown(s, prompt), Shown(s, text), max_length);
  if (!typed) {
    s.abort_flag = true;
    return std::string(text);
  }
  s.abort_flag = false;
  std::string result = DisplayToCp850(*typed);
  if (max_length > 0 && static_cast<int>(result.size()) > max_length) result.resize(max_length);
  return result;
}

Real InputReal(Session& s, std::string_view prompt, Real value, Real low, Real high) {
  // The field shows the last typed value again after a range message; Cancel still returns the
  // value the dialog was opened with, so an out-of-range value never gets out.
  Real shown_value = value;
  for (;;) {
    std::string shown = FormatShort(s, shown_value);
    std::string typed = InputText(s, prompt, shown, 30);
    if (s.abort_flag) return value;
    // An unchanged text keeps the value exactly, not its formatted and re-read form.
    Real v = typed == shown ? shown_value : ParseReal(typed);
    if (v >= low && v <= high) return v;
    RangeError(s, FormatShort(s, low), FormatShort(s, high));
    shown_value = v;
  }
}

Real InputLength(Session& s, std::string_view prompt, Real value, Real low, Real high) {
  if (InchMode(s)) {
    Real inches = value / kInch;
    Real v = InputReal(s, std::string(prompt) + " [inch]", inches, low / kInch, high / kInch);
    if (s.abort_flag || v == inches) return value;  // unchanged: the millimetres exactly
    return v * kInch;
  }
  return InputReal(s, std::string(prompt) + " [mm]", value, low, high);
}

long long InputInt(Session& s, std::string_view prompt, long long value, long long low,
                   long long high) {
  if (low > high) std::swap(low, high);
  long long shown_value = value;
  for (;;) {
    std::string shown = FormatInt(shown_value);
    std::string typed = InputText(s, prompt, shown, 12);
    if (s.abort_flag) return value;
    long long v = typed == shown ? shown_value : ParseInt(typed);
    if (v >= low && v <= high) return v;
    RangeError(s, FormatInt(low), FormatInt(high));
    shown_value = v;
  }
}

std::string ChooseDirectory(Session& s, std::string_view dir) {
  std::string start = DirReachable(std::string(dir)) ? std::string(dir) : CurrentDirectory();
  auto chosen = s.ui->chooseDirectory(start);
  s.abort_flag = false;
  return chosen ? *chosen : std::string(dir);
}

void ShowScreen(Session& s) {
  ShowScreen(s, kScreenLineCount);
}

void ShowScreen(Session& s, int line_count) {
  std::vector<std::string> lines;
  for (int i = 0; i < line_count && i < kScreenLineCount; ++i)
    lines.push_back(Shown(s, s.screen_lines[i]));
  s.ui->showScreen(kProductName, lines);
}

YesNoCancel AskYesNoCancel3(Session& s, std::string_view question) {
  YesNoCancel answer = s.ui->askYesNoCancel(Shown(s, ProgramTitle()), Shown(s, question));
  if (answer == YesNoCancel::Cancel) s.abort_flag = true;
  return answer;
}

bool AskYesNoCancel(Session& s, std::string_view question) {
  return AskYesNoCancel3(s, question) == YesNoCancel::Yes;
}

void ShowError(Session& s, std::string_view text) {
  ShowError(DialogsOf(s), text);
}

void ShowError(const DialogContext& d, std::string_view text) {
  d.ui.showMessage(MessageBoxKind::Error, "Fehler : ", Cp850ToDisplay(d.plain_text, text));
}

void ShowErrorIfAllowed(Session& s, std::string_view text) {
  if (s.show_errors) ShowError(s, text);
}

void ShowNote(Session& s, std::string_view text) {
  ShowNote(DialogsOf(s), text);
}

void ShowNote(const DialogContext& d, std::string_view text) {
  d.ui.showMessage(MessageBoxKind::Note, "Meldung:", Cp850ToDisplay(d.plain_text, text));
}

void ShowHelpNote(Session& s, std::string_view text) {
  s.ui->showMessage(MessageBoxKind::Help, "Hilfe", Shown(s, text));
}

void ShowTitled(Session& s, std::string_view caption, std::string_view text) {
  ShowTitled(DialogsOf(s), caption, text);
}

void ShowTitled(const DialogContext& d, std::string_view caption, std::string_view text) {
  d.ui.showMessage(MessageBoxKind::Titled, Cp850ToDisplay(d.plain_text, caption),
                   Cp850ToDisplay(d.plain_text, text));
}

void ShowPlain(Session& s, std::string_view text) {
  s.ui->showMessage(MessageBoxKind::Plain, "", Shown(s, text));
}

bool CheckReadable(Session& s, const std::string& name) {
  if (FileReadable(name)) return true;  // a folder opens on Linux but is no readable file
  ShowErrorIfAllowed(
      s, "Datei " + Utf8ToCp850(Trim(name)) + " nicht gefunden oder kein Zugriffsrecht !");
  s.abort_flag = true;
  return false;
}

std::string DisplayText(const Session& s, std::string_view content) {
  return DisplayText(s.cfg.plain_text_mode == 1, content);
}

std::string DisplayText(bool plain_text, std::string_view content) {
  std::string out;
  while (!content.empty()) {
    auto end = content.find('\n');
    std::string_view line = content.substr(0, end);
    content = end == std::string_view::npos ? std::string_view() : content.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    out += Cp850ToDisplay(plain_text, line);
    out += '\n';
  }
  return out;
}

bool ConvertTextFile(Session& s, const std::string& source, const std::string& target) {
  return ConvertTextFile(DialogsOf(s), source, target);
}

bool ConvertTextFile(const DialogContext& d, const std::string& source, const std::string& target) {
  std::string content;
  int fd = -1;
  if (FileReadable(source) && ReadWholeFile(source, content) && !NameHasNul(target))
    fd = open(target.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW, 0644);
  if (fd < 0) {
    d.abort_flag = true;
    return false;
  }
  const std::string out = DisplayText(d.plain_text, content);
  std::size_t done = 0;
  bool ok = true;
  while (ok && done < out.size()) {
    ssize_t n = write(fd, out.data() + done, out.size() - done);
    if (n < 0 && errno == EINTR) continue;
    ok = n > 0;
    if (ok) done += static_cast<std::size_t>(n);
  }
  ok = close(fd) == 0 && ok;
  if (!ok) d.abort_flag = true;
  return ok;
}

void ReportWriteError(Session& s, int error_number) {
  ReportWriteError(DialogsOf(s), error_number);
}

void ReportCloseError(Session& s, int error_number) {
  ReportCloseError(DialogsOf(s), error_number);
}

void ReportCreateError(Session& s, int error_number) {
  ReportCreateError(DialogsOf(s), error_number);
}

void ReportFileError(Session& s, const std::string& name, WritePhase phase, int error) {
  ReportFileError(DialogsOf(s), name, phase, error);
}

void ReportReadOnlyFile(Session& s, const std::string& name) {
  ReportReadOnlyFile(DialogsOf(s), name);
}

void ReportWriteError(const DialogContext& d, int error_number) {
  const char* text = error_number == 100   ? "Lesefehler"
                     : error_number == 101 ? "Diskette/Platte voll"
                     : error_number == 106 ? "Falsches numerisches Format"
                                           : "Fehler bei Zugriff auf Diskette/Platte";
  ShowError(d, text);
  d.abort_flag = true;
}

void ReportCloseError(const DialogContext& d, int error_number) {
  ShowError(d, error_number == 101 ? "Diskette/Platte voll"
                                   : "Fehler beim Schlie\xE1"
                                     "en einer Datei");
  d.abort_flag = true;
}

void ReportCreateError(const DialogContext& d, int error_number) {
  ShowError(d, error_number == 101 ? "Diskette/Platte voll" : "file write error");
  d.abort_flag = true;
}

void ReportFileError(const DialogContext& d, const std::string& name, WritePhase phase, int error) {
  std::string file = "Datei " + Utf8ToCp850(name);
  if (error == ENOSPC)
    ShowError(d, file + ": Diskette/Platte voll");
  else if (phase == WritePhase::Create)
    ShowError(d, file + " kann nicht erstellt werden");
  else if (phase == WritePhase::Write)
    ShowError(d, file + ": Fehler bei Zugriff auf Diskette/Platte");
  else
    ShowError(d, file +
                     ": Fehler beim Schlie\xE1"
                     "en einer Datei");
  d.abort_flag = true;
}

void ReportReadOnlyFile(const DialogContext& d, const std::string& name) {
  ShowError(d, "Datei " + Utf8ToCp850(name) + " ist schreibgesch\x81tzt");
  d.abort_flag = true;
}

}  // namespace kv9
