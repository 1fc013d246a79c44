#include "core/generic_dialogs.h"

#include <fcntl.h>
#include <unistd.h>

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

int ChooseFromList(Session& s, std::string_view prompt, int n, int current) {
  std::vector<std::string> choices;
  for (int i = 0; i < n && i < kScreenLineCount; ++i)
    choices.push_back(Shown(s, s.screen_lines[i]));
  int pre = current < 1 || current > n ? 1 : current;
  auto chosen = s.ui->chooseFromList(Shown(s, prompt), choices, pre, n > 7);
  if (!chosen || *chosen < 1 || *chosen > n) {
    s.abort_flag = true;
    return current;
  }
  s.abort_flag = false;
  return *chosen;
}

std::string AskYesNo(Session& s, std::string_view prompt, std::string_view current) {
  bool no = current == "N" || current == "n";
  auto answer = s.ui->askYesNo(Shown(s, prompt), !no);
  if (!answer) {
    s.abort_flag = true;
    return std::string(current);
  }
  s.abort_flag = false;
  return *answer ? "J" : "N";
}

bool AskYesNoBool(Session& s, std::string_view prompt, bool current) {
  return AskYesNo(s, prompt, current ? "J" : "N") != "N";
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
  s.ui->showMessage(MessageBoxKind::Error, "Fehler : ", Shown(s, text));
}

void ShowErrorIfAllowed(Session& s, std::string_view text) {
  if (s.show_errors) ShowError(s, text);
}

void ShowNote(Session& s, std::string_view text) {
  s.ui->showMessage(MessageBoxKind::Note, "Meldung:", Shown(s, text));
}

void ShowHelpNote(Session& s, std::string_view text) {
  s.ui->showMessage(MessageBoxKind::Help, "Hilfe", Shown(s, text));
}

void ShowTitled(Session& s, std::string_view caption, std::string_view text) {
  s.ui->showMessage(MessageBoxKind::Titled, Shown(s, caption), Shown(s, text));
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
  std::string out;
  while (!content.empty()) {
    auto end = content.find('\n');
    std::string_view line = content.substr(0, end);
    content = end == std::string_view::npos ? std::string_view() : content.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    out += Cp850ToDisplay(s, line);
    out += '\n';
  }
  return out;
}

bool ConvertTextFile(Session& s, const std::string& source, const std::string& target) {
  std::string content;
  int fd = -1;
  if (FileReadable(source) && ReadWholeFile(source, content) && !NameHasNul(target))
    fd = open(target.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW, 0644);
  if (fd < 0) {
    s.abort_flag = true;
    return false;
  }
  const std::string out = DisplayText(s, content);
  std::size_t done = 0;
  bool ok = true;
  while (ok && done < out.size()) {
    ssize_t n = write(fd, out.data() + done, out.size() - done);
    if (n < 0 && errno == EINTR) continue;
    ok = n > 0;
    if (ok) done += static_cast<std::size_t>(n);
  }
  ok = close(fd) == 0 && ok;
  if (!ok) s.abort_flag = true;
  return ok;
}

void ReportWriteError(Session& s, int error_number) {
  const char* text = error_number == 100   ? "Lesefehler"
                     : error_number == 101 ? "Diskette/Platte voll"
                     : error_number == 106 ? "Falsches numerisches Format"
                                           : "Fehler bei Zugriff auf Diskette/Platte";
  ShowError(s, text);
  s.abort_flag = true;
}

void ReportCloseError(Session& s, int error_number) {
  ShowError(s, error_number == 101 ? "Diskette/Platte voll"
                                   : "Fehler beim Schlie\xE1"
                                     "en einer Datei");
  s.abort_flag = true;
}

void ReportCreateError(Session& s, int error_number) {
  ShowError(s, error_number == 101 ? "Diskette/Platte voll" : "file write error");
  s.abort_flag = true;
}

void ReportFileError(Session& s, const std::string& name, WritePhase phase, int error) {
  std::string file = "Datei " + Utf8ToCp850(name);
  if (error == ENOSPC)
    ShowError(s, file + ": Diskette/Platte voll");
  else if (phase == WritePhase::Create)
    ShowError(s, file + " kann nicht erstellt werden");
  else if (phase == WritePhase::Write)
    ShowError(s, file + ": Fehler bei Zugriff auf Diskette/Platte");
  else
    ShowError(s, file +
                     ": Fehler beim Schlie\xE1"
                     "en einer Datei");
  s.abort_flag = true;
}

void ReportReadOnlyFile(Session& s, const std::string& name) {
  ShowError(s, "Datei " + Utf8ToCp850(name) + " ist schreibgesch\x81tzt");
  s.abort_flag = true;
}

}  // namespace kv9
