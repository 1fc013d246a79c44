// The remarks section of a report (the calculation messages with cause and remedy) and the
// messages-only report.
#pragma once

#include <string>

#include "report/report_context.h"

namespace kv9 {

inline constexpr const char* kNoMessages = "Berechnung erfolgreich ohne Fehlermeldungen";

// The remarks section on the open report; nothing when the list is empty.
void ReportMessages(const ReportContext& r);
// "Error Messages" in the view menu: the messages alone, on the screen.
void MessageReport(const ReportContext& r);

}  // namespace kv9
