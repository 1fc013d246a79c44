// Cause and remedy of a calculation message from the error description file.
#include "report/error_file.h"

#include <fstream>
#include <sstream>

#include "app/session.h"
#include "core/file_util.h"

namespace kv9 {

namespace {

bool ReadLine(std::istream& in, std::string& line) {
  if (!std::getline(in, line)) return false;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return true;
}

std::string_view Key(std::string_view text) {
  return text.substr(0, kErrorKeyLength);
}

}  // namespace

std::string ErrorFilePath(const Session& s) {
  return FindFileNoCase(s.cfg.plt_dir, std::string(kProductNameLower) + ".err");
}

ErrorDescription SearchErrorText(std::string_view content, std::string_view message) {
  ErrorDescription d;
  d.file_found = true;
  std::istringstream in{std::string(content)};
  std::string line;
  while (ReadLine(in, line)) {
    if (Key(line) != Key(message)) continue;
    d.matched = true;
    if (ReadLine(in, d.cause)) ReadLine(in, d.remedy);
    break;
  }
  return d;
}

ErrorDescription SearchErrorFile(const std::string& path, std::string_view message) {
  if (!FileReadable(path)) return {};
  std::ifstream in(path, std::ios::binary);
  if (!in) return {};
  std::ostringstream content;
  content << in.rdbuf();
  return SearchErrorText(content.str(), message);
}

ErrorDescription LookupErrorDescription(const Session& s, std::string_view message) {
  return SearchErrorFile(ErrorFilePath(s), message);
}

ErrorDescription MessageDescription(const Session& s, int i) {
  if (i < 1 || i > MessageCount(s)) return {};
  ErrorDescription d = LookupErrorDescription(s, MessageText(s, i));
  if (d.file_found && !d.matched) d.cause = kNoDescription;
  return d;
}

std::string MessageCause(const Session& s, int i) {
  return MessageDescription(s, i).cause;
}

std::string MessageRemedy(const Session& s, int i) {
  return MessageDescription(s, i).remedy;
}

}  // namespace kv9
