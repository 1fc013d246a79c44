// What the CAD output driver and its writers use of the program: the driver state, the settings
// (the plot set-up stores the command lines it composes), the dialogs, the message list, the
// screen's display list, and the folders and name of the current data file.
#pragma once

#include <string>

#include "core/generic_dialogs.h"

namespace kv9 {

class Clock;
struct Config;
class DisplayList;
class Ui;
struct CadState;
struct MessageList;

struct CadContext {
  CadState& cad;
  Config& cfg;
  MessageList& messages;
  bool& abort_flag;
  int& help_topic;  // help topic of the next dialog's help buttons
  Ui& ui;
  DisplayList& display;
  const Clock& clock;

  std::string current_file;  // the data file, without folder; empty for a new data set
  std::string data_dir;      // "/"-ended
  std::string program_dir;   // "/"-ended; holds the user's logo "$logo_1.dx$"
  std::string scratch_dir;   // private temporary folder of this run, "/"-ended or empty
  bool batch_cad = false;    // a batch drawing run: outputs are named after the data file
  bool show_errors = true;
};

DialogContext DialogsOf(const CadContext& s);
// The decimals of the coordinates in DXF and CAD text files: the setting, 6 when it is not 1..32.
int CadDecimals(const Config& cfg);

}  // namespace kv9
