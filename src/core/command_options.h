// Options of the command line that parts of the core look at after start-up.
#pragma once

#include <string>
#include <vector>

#include "core/text.h"

namespace kv9 {

// "/NOGUI" in any position and any case: no calculation message window after a calculation.
inline bool HasNoGuiOption(const std::vector<std::string>& args) {
  for (const auto& a : args)
    if (UpperAscii(a) == "/NOGUI") return true;
  return false;
}

}  // namespace kv9
