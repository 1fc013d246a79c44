#include "report/text_print_pages.h"

#include <algorithm>

#include "core/text.h"

namespace kv9 {

namespace {

bool StartsWithFormFeed(const std::string& line) {
  return !line.empty() && line.front() == '\f';
}

bool IsUtf8(const std::string& s) {
  for (std::size_t i = 0; i < s.size();) {
    const unsigned char c = s[i];
    int follow = c < 0x80           ? 0
                 : (c >> 5) == 0x6  ? 1
                 : (c >> 4) == 0xE  ? 2
                 : (c >> 3) == 0x1E ? 3
                                    : -1;
    if (follow < 0 || i + follow >= s.size()) return false;
    for (int k = 1; k <= follow; ++k)
      if ((static_cast<unsigned char>(s[i + k]) >> 6) != 0x2) return false;
    i += follow + 1;
  }
  return true;
}

}  // namespace

int CountTextPrintPages(std::istream& in) {
  int pages = 0;
  std::string line;
  while (ReadTextLine(in, line))
    if (StartsWithFormFeed(line)) ++pages;
  return pages;
}

std::vector<TextPrintPage> SplitTextPrintPages(std::istream& in, int from, int to) {
  std::vector<TextPrintPage> pages;
  from = std::max(from, 1);
  to = std::min(to, kMaxPrintPages);
  if (from > to) return pages;
  int page = 1, row = 0;
  std::string line;
  while (ReadTextLine(in, line)) {
    if (StartsWithFormFeed(line)) {
      ++page;
      row = 0;
      if (page > to) break;
      if (page > from) pages.emplace_back();
      continue;
    }
    if (page >= from) {
      if (pages.empty()) pages.emplace_back();
      pages.back().push_back({row, line});
    }
    ++row;
  }
  return pages;
}

std::string PrintLineToUtf8(const std::string& line) {
  return IsUtf8(line) ? line : Cp850ToUtf8(line);
}

}  // namespace kv9
