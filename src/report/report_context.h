// What the reports use of the program: their own state, the settings, the data set and its
// messages, the dialogs, and the names and folders of the current data file. The program's
// owner of these builds one for each report it asks for.
#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "core/clock.h"
#include "core/generic_dialogs.h"
#include "core/number_format.h"
#include "model/spline_data_set.h"
#include "core/message_list.h"
#include "report/report_state.h"

namespace kv9 {

struct Config;
class Ui;

struct ReportContext {
  ReportState& state;
  const Config& cfg;
  const SplineDataSet& ds;
  const MessageList& messages;
  const bool& fatal_flag;
  bool& abort_flag;
  Ui& ui;
  const Clock& clock;
  std::span<std::string> screen_lines;  // the choice texts of the list dialogs
  int& help_topic;                      // help topic of the next dialog's help buttons

  std::string data_file;       // without folder; empty for a new data set
  std::string data_file_full;  // the name the page header shows
  std::string data_dir;        // "/"-ended
  std::string scratch_dir;     // private temporary folder of this run, "/"-ended or empty
  bool no_gui = false;         // "/NOGUI" among the command-line arguments

  // The save dialog of the data file for a report file with extension `ext`: the full name,
  // empty on Cancel (with the abort flag). The data file keeps its own name and folder.
  std::function<std::string(std::string_view ext)> choose_file;

  DialogContext dialogs() const;
  UnitStyle units() const;
};

}  // namespace kv9
