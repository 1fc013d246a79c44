// State of the report formatter (target, header, counters, the open output file).
#pragma once

#include <array>
#include <cstdio>
#include <string>

namespace kv9 {

// Report targets; the number is also the configuration value "Text Device".
enum ReportTargetNo {
  kTargetScreen = 1,       // temporary file, shown in the text window
  kTargetTextPrinter = 2,  // the raw printer device
  kTargetFile = 3,         // a file the user chooses
  kTargetPrintDialog = 4,  // printed through the system print dialog
  kTargetTextProgram = 5,  // opened with the configured text program
  kTargetTabFile = 6,      // tab-separated
  kTargetHtml = 7,
  kTargetCp850File = 8,     // "OUTDOS.TXT" in code page 850, with a display-set copy
  kTargetTabCopy = 9,       // tab-separated, copy named after the data file (batch)
  kTargetChoiceTexts = 90,  // only fills the choice list texts
};

struct ReportState {
  ReportState() = default;
  ReportState(const ReportState&) = delete;
  ReportState& operator=(const ReportState&) = delete;
  ~ReportState() {
    if (out) std::fclose(out);
  }

  int target = kTargetScreen;
  std::string file_name = "$out.tmp";  // the output file of the current report
  std::string report_name;             // the name handed to the open (the data file name)
  bool created_in_temp = false;        // the output is a file of the temporary folder
  int line = 0;                        // lines on the current page
  int page = 0;
  int page_total = 0;  // 0 = unknown
  int with_columns = 0;
  bool html_table_open = false;
  bool pause = false;   // pause after each page (text printer)
  int tab_counter = 0;  // tab-separated files made in this run; never reset
  bool in_page_break = false;
  bool write_failed = false;

  std::string title;
  std::array<std::string, 4> header;
  std::array<std::string, 5> columns = {"", "Zeichen", "Einheit", "1", "2"};

  // The raw printer device of the text printer target; empty = /dev/usb/lp<n-1>, else
  // /dev/lp<n-1>. Tests point it at a file.
  std::string printer_device;

  std::FILE* out = nullptr;  // opened, written and closed by the report output alone
};

}  // namespace kv9
