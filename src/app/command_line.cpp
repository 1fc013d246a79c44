// Interpretation of the command line.
#include "app/command_line.h"

#include <climits>

#include "core/command_options.h"
#include "core/number_format.h"
#include "core/text.h"

namespace kv9 {

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
  CommandLine cl;
  cl.nogui = HasNoGuiOption(args);
  if (args.empty()) return cl;
  const std::string& first = args[0];
  if (first == "?" || first == "/?") {
    cl.mode = RunMode::Usage;
    return cl;
  }
  cl.file = first;
  const std::string option = args.size() > 1 ? args[1] : std::string();
  if (option == "/I" || option == "/i") {
    cl.mode = RunMode::BatchText;
  } else if (option.size() >= 4 && UpperAscii(option.substr(0, 4)) == "/CAD") {
    cl.mode = RunMode::BatchCad;
    if (option.size() > 4 && option[4] >= '0' && option[4] <= '9') cl.cad_format = option[4] - '0';
    if (option.size() > 6) {
      long long j = ParseInt(option.substr(6));
      cl.cad_drawing = j > INT_MAX || j < INT_MIN ? 0 : static_cast<int>(j);
    }
  } else if (option.size() >= 4 && UpperAscii(option.substr(0, 4)) == "/CUT") {
    cl.mode = RunMode::BatchCut;
    const bool digit = option.size() >= 5 && option[4] >= '0' && option[4] <= '9';
    if (digit && option.size() == 5) {
      cl.cut_part = option[4] - '0';
    } else if (digit && option.size() > 6 && option[5] == ':') {
      cl.cut_part = option[4] - '0';
      const long long n = ParseInt(option.substr(6));
      cl.cut_points = n >= 1 && n <= INT_MAX ? static_cast<int>(n) : -1;
    }
  } else if (UpperAscii(option) == "/JSON") {
    cl.mode = RunMode::BatchJson;
  } else if (option == "/E" || option == "/e" || option == "/G") {
    cl.mode = RunMode::NameOnly;
  } else {
    cl.mode = RunMode::FileMode;
  }
  return cl;
}

}  // namespace kv9
