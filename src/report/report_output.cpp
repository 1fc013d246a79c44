// Opening, creating and closing a report, and handing it over to its target.
#include "report/report_output.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "core/file_util.h"
#include "core/generic_dialogs.h"
#include "core/process.h"
#include "core/program_info.h"
#include "core/text.h"
#include "core/ui.h"
#include "model/config.h"
#include "model/config_file.h"
#include "model/data_file.h"
#include <sstream>
#include "report/report_formatter.h"
#include "report/report_layout.h"

namespace kv9 {

namespace {

constexpr int kTempNameTries = 11;

const char* const kOutwin = "outwin.txt";

void FillChoiceTexts(const ReportContext& r) {
  const auto& names = ReportTargetNames();
  for (std::size_t i = 0; i < names.size() && i < r.screen_lines.size(); ++i)
    r.screen_lines[i] = names[i];
}

std::string ChooseReportFile(const ReportContext& r, const char* ext) {
  return r.choose_file ? r.choose_file(ext) : "";
}

// Writes to the open output; the first failure shows its message and every one sets the
// abort flag.
void Emit(const ReportContext& r, std::string_view text) {
  ReportState& st = r.state;
  if (!st.out || text.empty()) return;
  if (std::fwrite(text.data(), 1, text.size(), st.out) != text.size()) {
    int error = errno;
    if (!st.write_failed) ReportWriteError(r.dialogs(), error == ENOSPC ? 101 : 0);
    st.write_failed = true;
    r.abort_flag = true;
  }
}

// The first "$OUT<n>.TMP" of the scratch folder that can be created (the last one tried when
// none can; creating it then reports the error).
std::string ScratchReportName(const ReportContext& r) {
  std::string name;
  for (int n = 1; n <= kTempNameTries; ++n) {
    name = ReportScratchFolder(r) + "$OUT" + std::to_string(n) + ".TMP";
    int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW, 0600);
    if (fd >= 0) {
      close(fd);
      return name;
    }
  }
  return name;
}

std::string PrinterDevice(const ReportContext& r) {
  if (!r.state.printer_device.empty()) return r.state.printer_device;
  std::string n = std::to_string(r.cfg.printer_port > 0 ? r.cfg.printer_port - 1 : 0);
  std::string usb = "/dev/usb/lp" + n;
  return access(usb.c_str(), W_OK) == 0 ? usb : "/dev/lp" + n;
}

void StartWith(const ReportContext& r, const std::string& program, const std::string& file) {
  if (!ProgramExists(program)) {
    ShowError(r.dialogs(), Utf8ToCp850(program) + " not found");
    return;
  }
  r.ui.startProgram(program + " \"" + file + "\"", true);
}

}  // namespace

void ReportWrite(const ReportContext& r, const std::function<void(ReportLayout&)>& operation) {
  std::ostringstream out;
  operation(*MakeLayout(r, out));
  Emit(r, out.str());
}

std::string ReportTempFolder(const ReportContext& r) {
  return AddBackslash(r.cfg.temp_dir.empty() ? TempEnvironmentDir() : r.cfg.temp_dir);
}

std::string ReportScratchFolder(const ReportContext& r) {
  return r.scratch_dir.empty() ? ReportTempFolder(r) : AddBackslash(r.scratch_dir);
}

std::string ReportTabCopyName(const ReportContext& r) {
  return ReportTabCopyName(r, r.state.report_name);
}

std::string ReportTabCopyName(const ReportContext& r, std::string name) {
  // Normally the data file's name without its extension; a name given with the data-file
  // extension (the command line's) loses it.
  const std::string ext = std::string(".") + kDataFileExtension;
  const std::string part = FileNamePart(name);
  if (part.size() > ext.size() && LowerAscii(part.substr(part.size() - ext.size())) == ext)
    name.resize(name.size() - ext.size());
  return (DirOf(name).empty() ? AddBackslash(r.data_dir) : "") + name + ".txt";
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

int ReportTarget(const ReportContext& r) {
  return r.state.target;
}

void ReportOpen(const ReportContext& r, int target, std::string_view file_name) {
  ReportState& st = r.state;
  if (target == kTargetChoiceTexts) {
    FillChoiceTexts(r);
    return;
  }
  ReportAbandon(r);  // left open by a producer that stopped
  st.line = st.page = 0;
  st.html_table_open = st.pause = st.write_failed = st.in_page_break = st.created_in_temp = false;

  int t = target;
  if (t == 0) {
    t = r.cfg.text_device >= 1 && r.cfg.text_device <= 9 ? r.cfg.text_device : kTargetScreen;
    if (r.cfg.text_device_window) {
      const auto& names = ReportTargetNames();
      t = ChooseFromList(r.dialogs(), "Ausgabe auf ..", {names.begin(), names.end()},
                         t <= 7 ? t : 1);
      if (r.abort_flag) return;
    }
  }
  st.target = t;
  std::string name(file_name.empty() ? std::string_view(r.data_file) : file_name);
  if (name.empty()) name = kProductNameLower;
  st.report_name = name;

  switch (t) {
    case kTargetTextPrinter:
      st.file_name = PrinterDevice(r);
      st.pause = AskYesNoBool(r.dialogs(), "Pause nach jeder Seite ?", false);
      if (r.abort_flag) return;
      ShowNote(r.dialogs(), "Ausdruck erfolgt  -   bitte warten ...");
      break;
    case kTargetFile:
      st.file_name = ChooseReportFile(r, "txt");
      break;
    case kTargetScreen:
    case kTargetPrintDialog:
    case kTargetTextProgram:
      st.file_name = ScratchReportName(r);
      st.created_in_temp = true;
      break;
    case kTargetTabFile:
    case kTargetTabCopy:
      if (r.cfg.text_device_window) {
        st.file_name = ChooseReportFile(r, "txt");
      } else {
        // Target 9 hands over only its copy: its own file is private to this run (no scratch
        // folder, no file), so that parallel runs never share it.
        std::string folder = t == kTargetTabFile     ? ReportTempFolder(r)
                             : r.scratch_dir.empty() ? std::string()
                                                     : AddBackslash(r.scratch_dir);
        st.file_name =
            folder.empty() ? "" : folder + "$$$" + std::to_string(st.tab_counter + 1) + ".txt";
        st.created_in_temp = true;
      }
      break;
    case kTargetHtml:
      if (!r.cfg.html_browser.empty()) {
        st.file_name = ReportTempFolder(r) + kProductNameLower + ".htm";
        st.created_in_temp = true;
      } else {
        st.file_name = ChooseReportFile(r, "htm");
      }
      break;
    case kTargetCp850File:
      st.file_name = ReportTempFolder(r) + "OUTDOS.TXT";
      st.created_in_temp = true;
      break;
    default:
      st.target = kTargetScreen;
      st.file_name = ScratchReportName(r);
      st.created_in_temp = true;
      break;
  }
}

bool ReportCreate(const ReportContext& r) {
  ReportState& st = r.state;
  if (r.abort_flag) return false;
  int flags = O_WRONLY;
  if (st.target == kTargetTextPrinter)
    flags |= O_APPEND | (st.printer_device.empty() ? 0 : O_CREAT);
  else
    flags |= O_CREAT | O_TRUNC | (st.created_in_temp ? O_NOFOLLOW : 0);
  // A name with a NUL byte would create the file named by the part before it.
  bool nameless = st.file_name.empty() || NameHasNul(st.file_name);
  int fd = nameless ? -1 : open(st.file_name.c_str(), flags, 0644);
  if (nameless) errno = EINVAL;
  if (fd < 0) {
    if (st.target == kTargetTabCopy && !r.cfg.text_device_window)
      ReportFileError(r.dialogs(), ReportTabCopyName(r), WritePhase::Create, errno);
    else
      ReportCreateError(r.dialogs(), errno == ENOSPC ? 101 : 0);
    return false;
  }
  st.out = fdopen(fd, "wb");
  if (!st.out) {
    close(fd);
    ReportCreateError(r.dialogs(), 0);
    return false;
  }
  if (st.target == kTargetTextPrinter) {
    // A printer set-up sequence in the current folder goes to the printer first.
    std::string setup;
    if (ReadWholeFile("TEXT.HXP", setup)) Emit(r, setup);
  }
  return true;
}

void ReportAbandon(const ReportContext& r) {
  ReportState& st = r.state;
  if (!st.out) return;
  std::fclose(st.out);
  st.out = nullptr;
  if (st.target == kTargetScreen || st.target == kTargetPrintDialog) DeleteIfExists(st.file_name);
}

void ReportClose(const ReportContext& r) {
  ReportState& st = r.state;
  if (!st.out) return;
  int t = st.target;
  ReportWrite(r, [](ReportLayout& l) { l.finish(); });
  bool closed = std::fclose(st.out) == 0;
  st.out = nullptr;
  if (!closed && !st.write_failed) ReportCloseError(r.dialogs(), errno == ENOSPC ? 101 : 0);
  if (!closed || st.write_failed) {
    // The batch report's own file is private: the message names the file the user misses.
    if (t == kTargetTabCopy)
      ReportFileError(r.dialogs(), ReportTabCopyName(r), WritePhase::Create, 0);
    r.abort_flag = true;
    return;
  }

  std::string outwin = ReportTempFolder(r) + kOutwin;
  switch (t) {
    case kTargetScreen:
      if (ConvertTextFile(r.dialogs(), st.file_name, outwin))
        r.ui.showTextFile(outwin, kProductName);
      DeleteIfExists(st.file_name);
      break;
    case kTargetFile:
      if (ConvertTextFile(r.dialogs(), st.file_name, outwin))
        ShowNote(r.dialogs(),
                 Utf8ToCp850(st.file_name) + " und Windows-Datei outwin.txt wurden angelegt..");
      break;
    case kTargetCp850File:
      ConvertTextFile(r.dialogs(), st.file_name, outwin);
      break;
    case kTargetPrintDialog:
      r.ui.printTextFile(st.file_name);
      DeleteIfExists(st.file_name);
      break;
    case kTargetTextProgram:
      if (!ProgramExists(r.cfg.text_program)) {
        ShowError(r.dialogs(), Utf8ToCp850(r.cfg.text_program) + " not found");
        break;
      }
      if (ConvertTextFile(r.dialogs(), st.file_name, outwin))
        StartWith(r, r.cfg.text_program, outwin);
      break;
    case kTargetTabFile:
      ++st.tab_counter;
      ConvertTextFile(r.dialogs(), st.file_name,
                      ReportTempFolder(r) + "$$" + std::to_string(st.tab_counter) + ".txt");
      break;
    case kTargetTabCopy: {
      ++st.tab_counter;
      std::string copy = ReportTabCopyName(r);
      // The copy goes where the user keeps the data file: an ordinary file, links followed,
      // replaced only when complete; a read-only one is refused.
      std::string content;
      WritePhase phase = WritePhase::Create;
      int error = EIO;
      if (FileIsReadOnly(copy))
        ReportReadOnlyFile(r.dialogs(), copy);
      else if (!ReadWholeFile(st.file_name, content) ||
               (error = WriteFileReplacing(copy, DisplayText(r.dialogs().plain_text, content),
                                           &phase)) != 0)
        ReportFileError(r.dialogs(), copy, phase, error);
      break;
    }
    case kTargetHtml:
      if (!r.cfg.html_browser.empty()) StartWith(r, r.cfg.html_browser, st.file_name);
      break;
    default:
      break;
  }
}

}  // namespace kv9
