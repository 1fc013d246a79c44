// Cause and remedy of a calculation message from the error description file.
#include "report/error_file.h"

#include <fstream>
#include <sstream>

#include "core/file_util.h"
#include "core/message_list.h"
#include "core/program_info.h"
#include "core/text.h"
#include "model/config.h"
#include "report/report_context.h"

namespace kv9 {

namespace {

std::string_view Key(std::string_view text) {
  return text.substr(0, kErrorKeyLength);
}

}  // namespace

std::string ErrorFilePath(const Config& cfg) {
  return FindFileNoCase(cfg.plt_dir, std::string(kProductNameLower) + ".err");
}

ErrorDescription SearchErrorText(std::string_view content, std::string_view message) {
  ErrorDescription d;
  d.file_found = true;
  std::istringstream in{std::string(content)};
  std::string line;
  while (ReadTextLine(in, line)) {
    if (Key(line) != Key(message)) continue;
    d.matched = true;
    if (ReadTextLine(in, d.cause)) ReadTextLine(in, d.remedy);
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

ErrorDescription LookupErrorDescription(const Config& cfg, std::string_view message) {
  return SearchErrorFile(ErrorFilePath(cfg), message);
}

ErrorDescription MessageDescription(const Config& cfg, const MessageList& messages, int i) {
  if (i < 1 || i > MessageCount(messages)) return {};
  ErrorDescription d = LookupErrorDescription(cfg, MessageText(messages, i));
  if (d.file_found && !d.matched) d.cause = kNoDescription;
  return d;
}

ErrorDescription MessageDescription(const ReportContext& r, int i) {
  return MessageDescription(r.cfg, r.messages, i);
}

std::string MessageCause(const ReportContext& r, int i) {
  return MessageDescription(r, i).cause;
}

std::string MessageRemedy(const ReportContext& r, int i) {
  return MessageDescription(r, i).remedy;
}

}  // namespace kv9
