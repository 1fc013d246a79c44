// The two batch runs of the command line. Each reads its data file and returns the process exit
// code: 0 when done, 1 when the file cannot be read.
#pragma once

#include <string>

namespace kv9 {

class Session;

// Reads `file`, writes the standard results report as a text file named after it.
int RunBatchText(Session& s, const std::string& file);
// Reads `file`, writes drawing `drawing` in CAD format `format` (1 DXF, 2 IGES, 5 CAD text).
int RunBatchCad(Session& s, const std::string& file, int format, int drawing);

}  // namespace kv9
