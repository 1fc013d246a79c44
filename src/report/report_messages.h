// The remarks section of a report (the calculation messages with cause and remedy) and the
// messages-only report.
#pragma once

#include <string>

namespace kv9 {

class Session;

inline constexpr const char* kNoDescription = "keine Beschreibung dieser Fehlermeldung vorhanden.";
inline constexpr const char* kNoMessages = "Berechnung erfolgreich ohne Fehlermeldungen";

// Cause and remedy of message i (1-based) as the reports print them: both empty without a
// description file, kNoDescription and an empty remedy without a matching entry.
void MessageDescriptionTexts(const Session& s, int i, std::string& cause, std::string& remedy);

// The remarks section on the open report; nothing when the list is empty.
void ReportMessages(Session& s);
// "Error Messages" in the view menu: the messages alone, on the screen.
void MessageReport(Session& s);

}  // namespace kv9
