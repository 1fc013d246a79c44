// Composing a plot command line question by question (the user entered "0" or nothing as the
// line). A line longer than 60 characters goes into a batch file, and the line becomes its name.
#pragma once

#include <string>

namespace kv9 {

struct CadContext;

inline constexpr int kMaxPlotCommandLength = 60;

// Cancel in any question sets the abort flag and leaves `line` unchanged; a cancelled batch-file
// name leaves the long composed line.
void PlotCommandWizard(const CadContext& s, std::string& line);

}  // namespace kv9
