// Fuzz target of the error-description lookup: the first line of the input is the message, the
// rest the content of kv9.err. The search must not crash, and a match must name a line of the
// file that carries the message's key, followed by the cause and remedy it returned.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "report/error_file.h"
#include "support/test_files.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  std::size_t newline = input.find('\n');
  std::string_view message = input.substr(0, newline);
  std::string_view content = newline == std::string_view::npos ? "" : input.substr(newline + 1);
  kv9::ErrorDescription d = kv9::SearchErrorText(content, message);
  // The first line whose key equals the message's key decides, whatever its role.
  auto lines = kv9::test::Lines(std::string(content));
  std::string_view key = message.substr(0, kv9::kErrorKeyLength);
  std::size_t i = 0;
  while (i < lines.size() && std::string_view(lines[i]).substr(0, kv9::kErrorKeyLength) != key) ++i;
  bool expect_match = i < lines.size();
  if (d.matched != expect_match) __builtin_trap();
  if (expect_match) {
    std::string cause = i + 1 < lines.size() ? lines[i + 1] : "";
    std::string remedy = i + 2 < lines.size() ? lines[i + 2] : "";
    if (d.cause != cause || d.remedy != remedy) __builtin_trap();
  }
  return 0;
}
