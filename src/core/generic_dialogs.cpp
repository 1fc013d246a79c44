#include "core/generic_dialogs.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <vector>

#include "core/file_util.h"
#include "core/number_format.h"
#include "core/program_info.h"
#include "core/text.h"

namespace kv9 {

namespace {

std::string Shown(const DialogContext& d, std::string_view text) {
  return Cp850ToDisplay(d.plain_text, text);
}

// The range message of the number dialogs.
void RangeError(const DialogContext& d, const std::string& low, const std::string& high) {
  d.ui.beep();
  ShowError(d, "G\x81ltiger Wertebereich: " + low + " .. " + high + " !");
}

}  // namespace

int ChooseFromList(const DialogContext& d, std::string_view prompt,
                   std::span<const std::string> lines, int current) {
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

bool AskYesNoBool(const DialogContext& d, std::string_view prompt, bool current) {
  return AskYesNo(d, prompt, current ? "J" : "N") != "N";
}

std::string InputText(const DialogContext& d, std::string_view prompt, std::string_view text,
                      int max_length) {
  auto typed = d.ui.inputText(Shown(d, prompt), Shown(d, text), max_length);
  if (!typed) {
    d.abort_flag = true;
    return std::string(text);
  }
  d.abort_flag = false;
  std::string result = DisplayToCp850(*typed);
  if (max_length > 0 && static_cast<int>(result.size()) > max_length) result.resize(max_length);
  return result;
}

Real InputReal(const DialogContext& d, const NumberStyle& st, std::string_view prompt, Real value,
               Real low, Real high) {
  // The field shows the last typed value again after a range message; Cancel still returns the
  // value the dialog was opened with, so an out-of-range value never gets out.
  Real shown_value = value;
  for (;;) {
    std::string shown = FormatShort(st, shown_value);
    std::string typed = InputText(d, prompt, shown, 30);
    if (d.abort_flag) return value;
    // An unchanged text keeps the value exactly, not its formatted and re-read form.
    Real v = typed == shown ? shown_value : ParseReal(typed);
    if (v >= low && v <= high) return v;
    RangeError(d, FormatShort(st, low), FormatShort(st, high));
    shown_value = v;
  }
}

Real InputLength(const DialogContext& d, const UnitStyle& u, std::string_view prompt, Real value,
                 Real low, Real high) {
  if (u.inch) {
    Real inches = value / kInch;
    Real v =
        InputReal(d, u.number, std::string(prompt) + " [inch]", inches, low / kInch, high / kInch);
    if (d.abort_flag || v == inches) return value;  // unchanged: the millimetres exactly
    return v * kInch;
  }
  return InputReal(d, u.number, std::string(prompt) + " [mm]", value, low, high);
}

long long InputInt(const DialogContext& d, std::string_view prompt, long long value, long long low,
                   long long high) {
  if (low > high) std::swap(low, high);
  long long shown_value = value;
  for (;;) {
    std::string shown = FormatInt(shown_value);
    std::string typed = InputText(d, prompt, shown, 12);
    if (d.abort_flag) return value;
    long long v = typed == shown ? shown_value : ParseInt(typed);
    if (v >= low && v <= high) return v;
    RangeError(d, FormatInt(low), FormatInt(high));
    shown_value = v;
  }
}

std::string ChooseDirectory(const DialogContext& d, std::string_view dir) {
  std::string start = DirReachable(std::string(dir)) ? std::string(dir) : CurrentDirectory();
  auto chosen = d.ui.chooseDirectory(start);
  d.abort_flag = false;
  return chosen ? *chosen : std::string(dir);
}

void ShowScreen(const DialogContext& d, std::span<const std::string> lines) {
  std::vector<std::string> shown;
  for (const std::string& line : lines.first(std::min<std::size_t>(lines.size(), kScreenLineCount)))
    shown.push_back(Shown(d, line));
  d.ui.showScreen(kProductName, shown);
}

YesNoCancel AskYesNoCancel3(const DialogContext& d, std::string_view question) {
  YesNoCancel answer = d.ui.askYesNoCancel(Shown(d, ProgramTitle()), Shown(d, question));
  if (answer == YesNoCancel::Cancel) d.abort_flag = true;
  return answer;
}

bool AskYesNoCancel(const DialogContext& d, std::string_view question) {
  return AskYesNoCancel3(d, question) == YesNoCancel::Yes;
}

void ShowError(const DialogContext& d, std::string_view text) {
  d.ui.showMessage(MessageBoxKind::Error, "Fehler : ", Cp850ToDisplay(d.plain_text, text));
}

void ShowErrorIfAllowed(const DialogContext& d, std::string_view text) {
  if (d.show_errors) ShowError(d, text);
}

void ShowNote(const DialogContext& d, std::string_view text) {
  d.ui.showMessage(MessageBoxKind::Note, "Meldung:", Cp850ToDisplay(d.plain_text, text));
}

void ShowHelpNote(const DialogContext& d, std::string_view text) {
  d.ui.showMessage(MessageBoxKind::Help, "Hilfe", Shown(d, text));
}

void ShowTitled(const DialogContext& d, std::string_view caption, std::string_view text) {
  d.ui.showMessage(MessageBoxKind::Titled, Cp850ToDisplay(d.plain_text, caption),
                   Cp850ToDisplay(d.plain_text, text));
}

void ShowPlain(const DialogContext& d, std::string_view text) {
  d.ui.showMessage(MessageBoxKind::Plain, "", Shown(d, text));
}

bool CheckReadable(const DialogContext& d, const std::string& name) {
  if (FileReadable(name)) return true;  // a folder opens on Linux but is no readable file
  ShowErrorIfAllowed(
      d, "Datei " + Utf8ToCp850(Trim(name)) + " nicht gefunden oder kein Zugriffsrecht !");
  d.abort_flag = true;
  return false;
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
