// The error description file kv9.err in the "PLT Ordner": entries of three lines (the message
// line, whose first 14 characters are the key, the cause and the remedy), code page 850.
#pragma once

#include <string>
#include <string_view>

namespace kv9 {

struct Config;
struct MessageList;
struct ReportContext;

inline constexpr int kErrorKeyLength = 14;
inline constexpr const char* kNoDescription = "keine Beschreibung dieser Fehlermeldung vorhanden.";

// The file's full name; the name is matched without regard to case.
std::string ErrorFilePath(const Config& cfg);

struct ErrorDescription {
  bool file_found = false;  // the file exists and opens
  bool matched = false;     // a line of the file carries the message's key
  std::string cause;
  std::string remedy;
};

// Searches the file from the top for the first line whose first 14 characters equal those of
// `message` (whatever role the line has in its entry); cause and remedy are the two lines that
// follow it (empty where the file ends).
ErrorDescription LookupErrorDescription(const Config& cfg, std::string_view message);
// The same search in a given file, and in the content of a file (lines end in CR LF or LF).
ErrorDescription SearchErrorFile(const std::string& path, std::string_view message);
ErrorDescription SearchErrorText(std::string_view content, std::string_view message);

// The description of message i (1-based) as the reports and dialogs show it: nothing without
// the file (or for no message i); kNoDescription as the cause when no line matches.
ErrorDescription MessageDescription(const Config& cfg, const MessageList& messages, int i);
ErrorDescription MessageDescription(const ReportContext& r, int i);

// Cause and remedy of message i (1-based): empty without the file (or for no message i); the
// cause "keine Beschreibung ..." and an empty remedy when no line matches.
std::string MessageCause(const ReportContext& r, int i);
std::string MessageRemedy(const ReportContext& r, int i);

}  // namespace kv9
