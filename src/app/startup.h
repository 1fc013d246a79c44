// The start-up routine of every run: the configuration, the folders, the private scratch folder
// and the dispatch of the command line. Everything here runs before any window exists.
#pragma once

#include <optional>
#include <string>

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

// The interactive preparation after StartUp, before the desktop's message loop: in file mode
// the named file is read (silently; a file that cannot be read is checked for writing instead),
// otherwise the user name is asked when the configuration wants it, the data folder is set and
// the template null.kv9 is read; then the calculation runs and the data set counts as unchanged.
// False when the process is to end (user name cancelled or refused, write check declined).
bool PrepareInteractiveStart(Session& s, const CommandLine& cl);

// The user name prompt: the answer is a folder below the default data folder. Nullopt when the
// process is to end (Cancel, or a name that is no such folder, after its message).
std::optional<std::string> AskUserName(Session& s);

// The error of a file name without extension: "Erweiterung .kv9 muß mit angegeben werden".
std::string MissingExtensionText();

}  // namespace kv9
