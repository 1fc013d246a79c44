#include "core/ui.h"

#include "core/process.h"

namespace kv9 {

StartResult Ui::startProgram(const std::string& command_line, bool /*visible*/) {
  return StartDetached(SplitCommandLine(command_line));
}

}  // namespace kv9
