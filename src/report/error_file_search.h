// Looking up a calculation message in the error description file kv9.err: entries of three
// lines (message, cause, remedy); a message matches the first line whose first 14 characters
// equal its own.
#pragma once

#include <string>
#include <string_view>

namespace kv9 {

class Session;

inline constexpr std::size_t kErrorKeyLength = 14;

struct ErrorDescription {
  bool file_found = false;  // the description file could be read
  bool matched = false;     // a line matched the message
  std::string cause;        // code page 850
  std::string remedy;
};

// kv9.err in the "PLT Ordner" (the name matched without regard to case).
std::string ErrorFilePath(const Session& s);
// Searches the content of a description file (lines ended by CR LF or LF).
ErrorDescription SearchErrorText(std::string_view content, std::string_view message);
ErrorDescription SearchErrorFile(const std::string& path, std::string_view message);

}  // namespace kv9
