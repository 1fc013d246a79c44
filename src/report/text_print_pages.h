// The page rule of printing a report text file: pages are counted by the lines that begin
// with a form feed, and a chosen page range is cut into the printer pages it gives. No
// printer here, so the rule is tested without one.
#pragma once

#include <istream>
#include <string>
#include <vector>

namespace kv9 {

// The page range holds at most this many pages.
inline constexpr int kMaxPrintPages = 255;

// The pages the print dialog offers: the number of lines that begin with a form feed (so a
// last page without its closing form feed is not counted).
int CountTextPrintPages(std::istream& in);

struct TextPrintLine {
  int row = 0;  // line position on its page, from 0 (lines of the page not printed count too)
  std::string text;
};
using TextPrintPage = std::vector<TextPrintLine>;

// The printer pages of pages from..to (1-based): the first printed page begins at once, each
// later page of the range at its form feed line, so a range that starts after page 1 has no
// empty page in front. Pages above kMaxPrintPages are never printed; an empty range gives none.
std::vector<TextPrintPage> SplitTextPrintPages(std::istream& in, int from, int to);

// A printed line in the display set: UTF-8 stays, other bytes are read as code page 850 (the
// report's own set) and converted.
std::string PrintLineToUtf8(const std::string& line);

}  // namespace kv9
