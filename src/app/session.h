// The one process-wide session: the data set and every program-wide state. main() creates it
// once; the commands and batch runs take it by reference. Tests build a fresh one per case.
#pragma once

#include <array>
#include <random>
#include <string>
#include <vector>

#include "cad/cad_state.h"
#include "calc/input_forms.h"
#include "core/clock.h"
#include "core/generic_dialogs.h"
#include "core/language.h"
#include "core/message_list.h"
#include "core/program_info.h"
#include "core/ui.h"
#include "model/config.h"
#include "model/documentation.h"
#include "model/spline_data_set.h"
#include "report/report_context.h"
#include "report/report_state.h"
#include "screen/display_list.h"
#include "tables/dbf_table.h"
#include "toothform/tooth_form_context.h"
#include "toothform/tooth_form_settings.h"

namespace kv9 {

class Session {
 public:
  explicit Session(Ui& ui) : ui(&ui) {}
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // What a report uses of the session, for one report operation or one whole report.
  ReportContext reportContext();
  // What the calculation works on, and what the input forms of its data work on.
  CalcContext calcContext();
  FormContext formContext();
  // What the CAD output, the drawings and the tooth-form drawings use, for one operation.
  CadContext cadContext();
  DrawingContext drawingContext();
  ToothFormContext toothFormContext();

  Ui* ui;  // never null; a pointer so that tests and the GUI can swap it

  SplineDataSet ds;

  // Working state
  std::string current_file;  // without directory; empty for a new data set
  std::string data_dir;      // with trailing "/"
  bool modified = false;
  bool abort_flag = false;
  bool fatal_flag = false;
  bool save_confirm_overwrite = true;
  std::array<std::string, 4> recent_files;  // full names, most recent first
  // The sheet "Start Excel" wrote and opened; empty until then. Export and import use it.
  std::string spreadsheet_file;

  // Start-up state
  bool cmdline_file = false;
  bool batch_cad = false;
  bool show_errors = true;
  std::vector<std::string> args;  // command-line arguments after the program name
  std::string program_dir;        // folder of the executable, with trailing "/"
  std::string scratch_dir;        // private temporary folder of this run (mkdtemp), "/"-ended

  Config cfg;
  LanguageTables lang;
  MessageList messages;
  Documentation docs;
  ReportState report;
  CadState cad;
  DisplayList display;
  ToothFormSettings toothform;
  DbfTable table;            // the one open dBASE table
  int printout_record = 0;   // the print set-up chosen last in this run (0: none)

  // Shared text table of the text screen and the choice dialogs (line 1 = title line).
  std::array<std::string, kScreenLineCount> screen_lines;
  int help_topic = 0;  // help topic of the next dialog's help buttons

  Clock clock;
  std::mt19937 rng{20261209};  // random numbers of the break lines; tests fix the seed
};

// The dialogs over the session's Ui, plain-text setting, abort flag and error switch.
DialogContext DialogsOf(Session& s);

}  // namespace kv9
