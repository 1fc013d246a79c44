// The remarks section of a report (the calculation messages with cause and remedy) and the
// messages-only report.
#pragma once

#include <string>

namespace kv9 {

class Session;

inline constexpr const char* kNoMessages = "Berechnung erfolgreich ohne Fehlermeldungen";

// The remarks section on the open report; nothing when the list is empty.
void ReportMessages(Session& s);
// "Error Messages" in the view menu: the messages alone, on the screen.
void MessageReport(Session& s);

}  // namespace kv9
