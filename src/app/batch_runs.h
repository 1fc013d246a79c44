// The two batch runs of the command line. Each reads its data file and returns the process exit
// code (kExitOk, kExitNotRead, kExitCalcFatal).
#pragma once

#include <string>

#include "app/batch_text_run.h"

namespace kv9 {

class Session;

// Highest drawing index of "/CADi:j"; 13 writes the double sheet of shaft and hub.
inline constexpr int kLastBatchDrawing = 13;

// Reads `file`, writes drawing `drawing` in CAD format `format` (1 DXF, 2 IGES, 5 CAD text) as
// the data file's base name (only its last extension replaced) with the format's extension in
// the working folder. A file that cannot be read ends with kExitNotRead, a fatal calculation or
// a tooth count outside 6..600 with kExitCalcFatal (the messages on standard error), an output
// that could not be written or is read-only with kExitNotRead (the old file stays as it was); a
// drawing index outside 1..13 draws nothing and ends with kExitOk.
int RunBatchCad(Session& s, const std::string& file, int format, int drawing);

// Drawing j of the batch CAD run on output kind `format`: 1..7 the spline drawings, 8..12 the
// tooth-form views 1..5, 13 the double sheet. Other indexes draw nothing.
void DrawBatchDrawing(Session& s, int format, int drawing);

}  // namespace kv9
