// Starting other programs without a shell and without waiting for them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/ui.h"

namespace kv9 {

// Splits a command line into words; double quotes group words and are removed.
std::vector<std::string> SplitCommandLine(std::string_view command_line);

// Whether the first word of a command line names a program that can be started: a name with
// a "/" as it is, any other looked up in PATH as the start does.
bool ProgramExists(const std::string& command_line);

// posix_spawnp of the split command line in a session of its own; nothing runs in the child
// before exec, so it is safe while other threads run. The child is reaped in the background.
// A file without an executable format is refused (a script needs its "#!" line).
StartResult StartDetached(const std::vector<std::string>& argv);

// The start result of an errno value from the start.
StartResult StartResultOf(int error_number);

// The texts the program shows for a failed start.
std::string StartResultText(const StartResult& result);

}  // namespace kv9
