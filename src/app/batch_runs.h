// The two batch runs of the command line. Each reads its data file and returns the process exit
// code (kExitOk, kExitNotRead, kExitCalcFatal).
#pragma once

#include <string>

#include "app/batch_text_run.h"

namespace kv9 {

class Session;

// Reads `file`, writes drawing `drawing` in CAD format `format` (1 DXF, 2 IGES, 5 CAD text).
int RunBatchCad(Session& s, const std::string& file, int format, int drawing);

}  // namespace kv9
