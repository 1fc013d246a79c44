// The batch run "wkv9 FILE /JSON": read the data file, calculate, write the results as JSON
// named after the data file.
#pragma once

#include <string>

namespace kv9 {

class Session;

// The JSON file of a data file: its base name + ".json" in the working folder.
std::string BatchJsonName(const std::string& file);

// Reads `file`, calculates and writes BatchJsonName(file), replaced only when complete. A file
// that cannot be read, and an output that is read-only, cannot be written (the old file stays
// as it was) or is the data file itself, end with kExitNotRead; a fatal calculation writes nothing and ends with
// kExitCalcFatal, its messages on standard error.
int RunBatchJson(Session& s, const std::string& file);

}  // namespace kv9
