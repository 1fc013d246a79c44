// The table of named print set-ups delivered beside the program, "printout.dbf": the fields
// the printout dialog reads (2..5 by position, the logicals by name) and a few set-ups.
#pragma once

#include <string>

namespace kv9 {

inline constexpr const char* kPrintoutTable = "printout.dbf";

// Writes the delivered table; its header carries a fixed date, so every build writes the same
// bytes. False with `problem` (code page 850).
bool WritePrintoutTable(const std::string& path, std::string& problem);

}  // namespace kv9
