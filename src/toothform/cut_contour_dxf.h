// A cut contour as a DXF R12 file for wire EDM, laser and CNC programs.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "toothform/tooth_outline.h"

namespace kv9 {

inline constexpr const char* kCutLayerName = "CUT";

// The header with the extents, a table of the one layer "CUT", and the contour as one closed
// POLYLINE on it, arcs as bulges; no blocks, no texts. Coordinates with `decimals` digits
// (1..32). Returns the messages of values that could not be written (the file is then of no
// use); empty when all went well.
std::vector<std::string> WriteCutContourDxf(std::ostream& out,
                                            const std::vector<OutlineVertex>& contour,
                                            int decimals);

}  // namespace kv9
