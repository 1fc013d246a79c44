// The start-up routine of every run: the configuration, the folders, the private scratch folder
// and the dispatch of the command line. Everything here runs before any window exists.
#pragma once

#include "app/command_line.h"

namespace kv9 {

class Session;

struct StartOutcome {
  bool exit = false;  // the run is over (usage screen, batch run, rejected file name)
  int exit_code = 0;
  CommandLine command_line;
};

// Reads the configuration (at every start, batch runs included), checks the folders, makes the
// scratch folder, then dispatches on s.args: the usage screen, a batch run, the extension check
// of file mode. Returns exit = false when the desktop is to start.
StartOutcome StartUp(Session& s);

// The error of a file name without extension: "Erweiterung .kv9 muß mit angegeben werden".
std::string MissingExtensionText();

}  // namespace kv9
