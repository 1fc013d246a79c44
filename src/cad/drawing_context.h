// What the drawings use besides the CAD output: the data set they draw (the tooth-form settings
// may change its number of involute points), its documentation for the title block, the random
// numbers of the break lines, the calculation's fatal flag, and the report context that shows
// the message list before a drawing is refused.
#pragma once

#include <random>
#include <string>

#include "cad/cad_context.h"
#include "report/report_context.h"

namespace kv9 {

struct Documentation;
struct SplineDataSet;

struct DrawingContext : CadContext {
  SplineDataSet& ds;
  const Documentation& docs;
  std::mt19937& rng;
  bool& fatal_flag;  // the meshing geometry of the tooth forms may set it
  ReportContext report;
};

}  // namespace kv9
