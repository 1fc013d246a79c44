// Opening, creating and closing a report, and handing it over to its target.
#include "report/report_output.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "app/session.h"
#include "core/file_util.h"
#include "core/generic_dialogs.h"
#include "core/process.h"
#include "core/text.h"
#include "model/config_file.h"
#include "model/data_file.h"
#include "report/report_formatter.h"

namespace kv9 {

namespace {

constexpr int kTempNameTries = 11;

const char* const kOutwin = "outwin.txt";

void FillChoiceTexts(Session& s) {
  const auto& names = ReportTargetNames();
  for (std::size_t i = 0; i < names.size(); ++i) s.screen_lines[i] = names[i];
}

// The save dialog of the data file for a report file; the data file's own name, folder and
// command-line state are restored afterwards.
std::string ChooseReportFile(Session& s, const char* ext) {
  std::string file = s.current_file, dir = s.data_dir;
  bool cmdline = s.cmdline_file;
  std::string chosen = ResolveSaveName(s, "", ext);
  s.current_file = file;
  s.data_dir = dir;
  s.cmdline_file = cmdline;
  return chosen;
}

// The first "$OUT<n>.TMP" of the scratch folder that can be created (the last one tried when
// none can; creating it then reports the error).
std::string ScratchReportName(const Session& s) {
  std::string name;
  for (int n = 1; n <= kTempNameTries; ++n) {
    name = ReportScratchFolder(s) + "$OUT" + std::to_string(n) + ".TMP";
    int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW, 0600);
    if (fd >= 0) {
      close(fd);
      return name;
    }
  }
  return name;
}

std::string PrinterDevice(const Session& s) {
  if (!s.report.printer_device.empty()) return s.report.printer_device;
  std::string n = std::to_string(s.cfg.printer_port > 0 ? s.cfg.printer_port - 1 : 0);
  std::string usb = "/dev/usb/lp" + n;
  return access(usb.c_str(), W_OK) == 0 ? usb : "/dev/lp" + n;
}

void StartWith(Session& s, const std::string& program, const std::string& file) {
  if (!ProgramExists(program)) {
    ShowError(s, Utf8ToCp850(program) + " not found");
    return;
  }
  s.ui->startProgram(program + " \"" + file + "\"", true);
}

}  // namespace

std::string ReportTempFolder(const Session& s) {
  return AddBackslash(s.cfg.temp_dir.empty() ? TempEnvironmentDir() : s.cfg.temp_dir);
}

std::string ReportScratchFolder(const Session& s) {
  return s.scratch_dir.empty() ? ReportTempFolder(s) : AddBackslash(s.scratch_dir);
}

std::string ReportTabCopyName(const Session& s) {
  // Normally the data file's name without its extension; a name given with the data-file
  // extension (the command line's) loses it.
  std::string name = s.report.report_name;
  const std::string ext = std::string(".") + kDataFileExtension;
  const std::string part = FileNamePart(name);
  if (part.size() > ext.size() && LowerAscii(part.substr(part.size() - ext.size())) == ext)
    name.resize(name.size() - ext.size());
  return (DirOf(name).empty() ? AddBackslash(s.data_dir) : "") + name + ".txt";
}

const std::array<std::string, 7>& ReportTargetNames() {
  static const std::array<std::string, 7> names = {"Bildschirm",
                                                   "Textdrucker",
                                                   "Datei",
                                                   "Windows-Drucker",
                                                   "externes Textprogramm",
                                                   "TXT File (Excel, QPRO ...)",
                                                   "HTML File (Netscape, Internet Explorer ...)"};
  return names;
}

int ReportTarget(const Session& s) {
  return s.report.target;
}

void ReportOpen(Session& s, int target, std::string_view file_name) {
  ReportState& r = s.report;
  if (target == kTargetChoiceTexts) {
    FillChoiceTexts(s);
    return;
  }
  ReportAbandon(s);  // left open by a producer that stopped
  r.line = r.page = 0;
  r.html_table_open = r.pause = r.write_failed = r.in_page_break = r.created_in_temp = false;

  int t = target;
  if (t == 0) {
    t = s.cfg.text_device >= 1 && s.cfg.text_device <= 9 ? s.cfg.text_device : kTargetScreen;
    if (s.cfg.text_device_window) {
      FillChoiceTexts(s);
      t = ChooseFromList(s, "Ausgabe auf ..", 7, t <= 7 ? t : 1);
      if (s.abort_flag) return;
    }
  }
  r.target = t;
  std::string name(file_name.empty() ? std::string_view(s.current_file) : file_name);
  if (name.empty()) name = kProductNameLower;
  r.report_name = name;

  switch (t) {
    case kTargetTextPrinter:
      r.file_name = PrinterDevice(s);
      r.pause = AskYesNoBool(s, "Pause nach jeder Seite ?", false);
      if (s.abort_flag) return;
      ShowNote(s, "Ausdruck erfolgt  -   bitte warten ...");
      break;
    case kTargetFile:
      r.file_name = ChooseReportFile(s, "txt");
      break;
    case kTargetScreen:
    case kTargetWindowsPrinter:
    case kTargetTextProgram:
      r.file_name = ScratchReportName(s);
      r.created_in_temp = true;
      break;
    case kTargetTabFile:
    case kTargetTabCopy:
      if (s.cfg.text_device_window) {
        r.file_name = ChooseReportFile(s, "txt");
      } else {
        // Target 9 hands over only its copy: its own file is private to this run (no scratch
        // folder, no file), so that parallel runs never share it.
        std::string folder = t == kTargetTabFile     ? ReportTempFolder(s)
                             : s.scratch_dir.empty() ? std::string()
                                                     : AddBackslash(s.scratch_dir);
        r.file_name =
            folder.empty() ? "" : folder + "$$$" + std::to_string(r.tab_counter + 1) + ".txt";
        r.created_in_temp = true;
      }
      break;
    case kTargetHtml:
      if (!s.cfg.html_browser.empty()) {
        r.file_name = ReportTempFolder(s) + kProductNameLower + ".htm";
        r.created_in_temp = true;
      } else {
        r.file_name = ChooseReportFile(s, "htm");
      }
      break;
    case kTargetDosFile:
      r.file_name = ReportTempFolder(s) + "OUTDOS.TXT";
      r.created_in_temp = true;
      break;
    default:
      r.target = kTargetScreen;
      r.file_name = ScratchReportName(s);
      r.created_in_temp = true;
      break;
  }
}

bool ReportCreate(Session& s) {
  ReportState& r = s.report;
  if (s.abort_flag) return false;
  int flags = O_WRONLY;
  if (r.target == kTargetTextPrinter)
    flags |= O_APPEND | (r.printer_device.empty() ? 0 : O_CREAT);
  else
    flags |= O_CREAT | O_TRUNC | (r.created_in_temp ? O_NOFOLLOW : 0);
  // A name with a NUL byte would create the file named by the part before it.
  bool nameless = r.file_name.empty() || NameHasNul(r.file_name);
  int fd = nameless ? -1 : open(r.file_name.c_str(), flags, 0644);
  if (nameless) errno = EINVAL;
  if (fd < 0) {
    if (r.target == kTargetTabCopy && !s.cfg.text_device_window)
      ReportFileError(s, ReportTabCopyName(s), WritePhase::Create, errno);
    else
      ReportCreateError(s, errno == ENOSPC ? 101 : 0);
    return false;
  }
  r.out = fdopen(fd, "wb");
  if (!r.out) {
    close(fd);
    ReportCreateError(s, 0);
    return false;
  }
  if (r.target == kTargetTextPrinter) {
    // A printer set-up sequence in the current folder goes to the printer first.
    std::string setup;
    if (ReadWholeFile("TEXT.HXP", setup)) ReportEmit(s, setup, false);
  }
  return true;
}

void ReportAbandon(Session& s) {
  ReportState& r = s.report;
  if (!r.out) return;
  std::fclose(r.out);
  r.out = nullptr;
  if (r.target == kTargetScreen || r.target == kTargetWindowsPrinter) DeleteIfExists(r.file_name);
}

void ReportClose(Session& s) {
  ReportState& r = s.report;
  if (!r.out) return;
  int t = r.target;
  int style = ReportStyle(s);
  if ((t == kTargetScreen || t == kTargetTextPrinter || t == kTargetWindowsPrinter) &&
      (s.cfg.printout_header == 2 || style == 4) && r.line > 0)
    ReportEmit(s, "\f", false);
  if (t == kTargetHtml) {
    ReportHtmlCloseTable(s);
    ReportEmit(s, "</BODY>");
    ReportEmit(s, "</HTML>");
  }
  bool closed = std::fclose(r.out) == 0;
  r.out = nullptr;
  if (!closed && !r.write_failed) ReportCloseError(s, errno == ENOSPC ? 101 : 0);
  if (!closed || r.write_failed) {
    // The batch report's own file is private: the message names the file the user misses.
    if (t == kTargetTabCopy) ReportFileError(s, ReportTabCopyName(s), WritePhase::Create, 0);
    s.abort_flag = true;
    return;
  }

  std::string outwin = ReportTempFolder(s) + kOutwin;
  switch (t) {
    case kTargetScreen:
      if (ConvertTextFile(s, r.file_name, outwin)) s.ui->showTextFile(outwin, kProductName);
      DeleteIfExists(r.file_name);
      break;
    case kTargetFile:
      if (ConvertTextFile(s, r.file_name, outwin))
        ShowNote(s, Utf8ToCp850(r.file_name) + " und Windows-Datei outwin.txt wurden angelegt..");
      break;
    case kTargetDosFile:
      ConvertTextFile(s, r.file_name, outwin);
      break;
    case kTargetWindowsPrinter:
      s.ui->printTextFile(r.file_name);
      DeleteIfExists(r.file_name);
      break;
    case kTargetTextProgram:
      if (!ProgramExists(s.cfg.text_program)) {
        ShowError(s, Utf8ToCp850(s.cfg.text_program) + " not found");
        break;
      }
      if (ConvertTextFile(s, r.file_name, outwin)) StartWith(s, s.cfg.text_program, outwin);
      break;
    case kTargetTabFile:
      ++r.tab_counter;
      ConvertTextFile(s, r.file_name,
                      ReportTempFolder(s) + "$$" + std::to_string(r.tab_counter) + ".txt");
      break;
    case kTargetTabCopy: {
      ++r.tab_counter;
      std::string copy = ReportTabCopyName(s);
      // The copy goes where the user keeps the data file: an ordinary file, links followed,
      // replaced only when complete; a read-only one is refused.
      std::string content;
      WritePhase phase = WritePhase::Create;
      int error = EIO;
      if (FileIsReadOnly(copy))
        ReportReadOnlyFile(s, copy);
      else if (!ReadWholeFile(r.file_name, content) ||
               (error = WriteFileReplacing(copy, DisplayText(s, content), &phase)) != 0)
        ReportFileError(s, copy, phase, error);
      break;
    }
    case kTargetHtml:
      if (!s.cfg.html_browser.empty()) StartWith(s, s.cfg.html_browser, r.file_name);
      break;
    default:
      break;
  }
}

}  // namespace kv9
