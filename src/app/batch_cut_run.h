// The batch cut-contour run "wkv9 FILE /CUTi": the whole profile of the shaft (i = 1) or the hub
// (i = 2) as one closed polyline in a DXF file, for wire EDM, laser and CNC.
#pragma once

#include <string>

#include "core/real.h"

namespace kv9 {

class Session;
struct SplineDataSet;

// The output name: the data file's base name (only its last extension replaced) + "_shaft.dxf"
// or "_hub.dxf", in the working folder.
std::string CutContourFileName(const std::string& file, int part);

// The drawing profile shift of the part whose tooth (shaft) or space (hub) is as wide on the
// pitch circle as the middle of its actual tolerance.
Real MidToleranceShift(const SplineDataSet& ds, int part);

// Reads `file`, calculates and writes the contour of `part` (1 shaft, 2 hub): the tooth-form
// drawings' tooth with the mid-tolerance flanks, root and tip on the calculated df and da, the
// involute point count of the CAD settings, or `points` (5 to 200) when it is not 0. Exit codes as RunBatchCad: kExitNotRead for a file
// that cannot be read, an unknown part or point count, or an output that is read-only or cannot be written
// (the old file stays as it was); kExitCalcFatal for a fatal calculation, a tooth count no
// drawing takes or a contour with values that cannot be written.
int RunBatchCut(Session& s, const std::string& file, int part, int points = 0);

}  // namespace kv9
