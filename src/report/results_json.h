// The results of one calculation as a JSON document, for scripts that read values without
// parsing the text report: the program version, the inputs, every row of the results report
// with its values unrounded, the messages and the stress checks. The layout is described by
// data/kv9_results.schema.json.
#pragma once

#include <string>

#include "report/report_context.h"

namespace kv9 {

// The document for the data set as calculated (the fatal flag is not looked at); texts are
// UTF-8. The stress rows and checks are there when the torque is above 0, as in the report.
std::string ResultsJson(const ReportContext& rc);

}  // namespace kv9
