#include "report/error_file_search.h"

#include "core/data_file.h"
#include "core/file_util.h"
#include "core/session.h"

namespace kv9 {

std::string ErrorFilePath(const Session& s) {
  const std::string& dir = s.cfg.plt_dir.empty() ? s.program_dir : s.cfg.plt_dir;
  return FindFileNoCase(dir, std::string(kProductNameLower) + ".err");
}

ErrorDescription SearchErrorText(std::string_view content, std::string_view message) {
  ErrorDescription d;
  d.file_found = true;
  std::string_view key = message.substr(0, kErrorKeyLength);
  LineReader in(content);
  std::string line;
  while (in.text(line, std::string::npos)) {
    if (std::string_view(line).substr(0, kErrorKeyLength) != key) continue;
    d.matched = true;
    in.text(d.cause, std::string::npos);
    in.text(d.remedy, std::string::npos);
    break;
  }
  return d;
}

ErrorDescription SearchErrorFile(const std::string& path, std::string_view message) {
  std::string content;
  if (!ReadWholeFile(path, content)) return {};
  return SearchErrorText(content, message);
}

}  // namespace kv9
