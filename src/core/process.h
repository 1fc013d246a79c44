// Starting other programs without a shell and without waiting for them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/ui.h"

namespace kv9 {

// Splits a command line into words; double quotes group words and are removed.
std::vector<std::string> SplitCommandLine(std::string_view command_line);

// fork + exec of the split command line; the child is not waited for (it is reaped in the
// background). A file without an executable format runs as a shell script, as execvp does.
StartResult StartDetached(const std::vector<std::string>& argv);

// The texts the program shows for a failed start.
std::string StartResultText(const StartResult& result);

}  // namespace kv9
