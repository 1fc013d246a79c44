#include "app/commands/exchange_commands.h"

#include <unistd.h>

#include "app/commands/command_steps.h"
#include "app/data_file_commands.h"
#include "app/data_file_names.h"
#include "app/session.h"
#include "calc/spline_calculation.h"
#include "core/file_util.h"
#include "core/generic_dialogs.h"
#include "core/text.h"
#include "exchange/spreadsheet.h"
#include "model/data_file.h"
#include "report/message_dialogs.h"
#include "report/report_output.h"
#include "report/results_report.h"

namespace kv9 {

namespace {

constexpr const char* kCannotStart = "Excel kann nicht gestartet werden";

std::string SheetFolder(const Session& s) {
  return AddBackslash(s.cfg.temp_dir);
}

// The lines of the current data file as it is on disk, one per row in column 1.
bool CurrentFileCells(Session& s, SheetCells& cells) {
  std::string content;
  if (!ReadWholeFile(CurrentFullName(s), content)) return false;
  cells.clear();
  for (const std::string& line : TextLines(content)) cells.push_back({Cp850ToUtf8(line)});
  return true;
}

}  // namespace

bool OpenSpreadsheet(Session& s, const std::string& path, const SheetCells& cells,
                     std::string_view failure) {
  // A file left from an earlier run (or a link planted in a shared folder) is replaced, never
  // written through.
  unlink(path.c_str());
  if (!WriteSpreadsheet(path, cells) ||
      !s.ui->startProgram("xdg-open \"" + path + "\"", true).ok()) {
    ShowError(DialogsOf(s), failure);
    s.abort_flag = true;
    return false;
  }
  return true;
}

void CmdStartSpreadsheet(Session& s) {
  s.abort_flag = false;
  if (s.current_file.empty()) {
    ShowNote(DialogsOf(s), "Zuerst m\x81ssen Sie Ihre Eingabedaten speichern (Men\x81 \"Datei->Speichern\")");
    s.abort_flag = true;
    return;
  }
  s.ui->setWaitCursor(true);
  SheetCells cells;
  const std::string path = SheetFolder(s) + s.current_file + ".xlsx";
  if (!CurrentFileCells(s, cells)) {
    ShowError(DialogsOf(s), kCannotStart);
    s.abort_flag = true;
  } else if (OpenSpreadsheet(s, path, cells, kCannotStart)) {
    s.spreadsheet_file = path;
  }
  s.ui->setWaitCursor(false);
}

bool SpreadsheetStarted(const Session& s) {
  return !s.spreadsheet_file.empty();
}

void CmdExportSpreadsheet(Session& s) {
  s.abort_flag = false;
  if (s.current_file.empty()) {
    ShowNote(DialogsOf(s), "File not found. Use \"File->Save\"");
    s.abort_flag = true;
    return;
  }
  if (s.modified) SaveDataFile(s, s.current_file);  // with the overwrite question
  if (s.abort_flag) return;
  SheetCells cells;
  if (!CurrentFileCells(s, cells)) {
    ShowError(DialogsOf(s), kCannotStart);
    s.abort_flag = true;
    return;
  }
  const std::string path =
      SpreadsheetStarted(s) ? s.spreadsheet_file : SheetFolder(s) + s.current_file + ".xlsx";
  if (OpenSpreadsheet(s, path, cells, kCannotStart)) s.spreadsheet_file = path;
}

void CmdImportSpreadsheet(Session& s) {
  s.abort_flag = false;
  AskSaveOrDiscard(s);
  if (s.abort_flag) return;
  auto chosen =
      s.ui->chooseOpenFile(s.spreadsheet_file.empty() ? SheetFolder(s) : s.spreadsheet_file,
                           "Tabellen (xlsx, csv)|*.xlsx;*.csv");
  if (!chosen) {
    s.abort_flag = true;
    return;
  }
  auto lines = ReadSpreadsheetColumn1(*chosen);
  if (!lines) {
    ShowError(DialogsOf(s), "Lesefehler " + Utf8ToCp850(*chosen));
    s.abort_flag = true;
    return;
  }
  std::string content;
  for (const std::string& line : *lines) content += Utf8ToCp850(line) + "\r\n";
  if (ReadDataFileContent(s.ds, s.docs, s.abort_flag, content) == DataReadResult::Failed) {
    ShowError(DialogsOf(s), "Lesefehler " + Utf8ToCp850(*chosen));
    s.abort_flag = true;
    return;
  }
  // The sheet's data replace the data set; the data file on disk is written by "Speichern".
  s.modified = true;
  SplineCalculation(s.calcContext());
  RefreshView(s);
}

void CmdPrintoutSpreadsheet(Session& s) {
  if (s.fatal_flag) {
    MessageShowList(s.reportContext());
    return;
  }
  s.abort_flag = false;
  const int target = s.cfg.text_device;
  const bool ask = s.cfg.text_device_window;
  s.cfg.text_device = kTargetTabFile;
  s.cfg.text_device_window = false;
  const int before = s.report.tab_counter;
  ResultsReport(s.reportContext(), kReportStandard);
  s.cfg.text_device = target;
  s.cfg.text_device_window = ask;
  if (s.abort_flag || s.report.tab_counter == before) return;
  const std::string copy =
      ReportTempFolder(s.reportContext()) + "$$" + std::to_string(s.report.tab_counter) + ".txt";
  std::string content;
  if (!ReadWholeFile(copy, content)) {
    ShowError(DialogsOf(s), kCannotStart);
    s.abort_flag = true;
    return;
  }
  OpenSpreadsheet(s, copy.substr(0, copy.size() - 4) + ".xlsx", TabSeparatedCells(content),
                  kCannotStart);
}

}  // namespace kv9
