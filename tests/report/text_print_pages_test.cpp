#include "report/text_print_pages.h"

#include <gtest/gtest.h>

#include <sstream>

namespace kv9 {
namespace {

// Three pages as the report writes them for the printer: each ended by a form feed line.
const char* kThreePages =
    "page 1 a\r\npage 1 b\r\n\f\r\npage 2 a\r\n\f\r\npage 3 a\r\npage 3 b\r\n\f\r\n";

std::vector<std::string> Texts(const TextPrintPage& page) {
  std::vector<std::string> texts;
  for (const auto& line : page) texts.push_back(line.text);
  return texts;
}

TEST(TextPrintPages, CountsTheFormFeedLines) {
  std::istringstream three(kThreePages);
  EXPECT_EQ(CountTextPrintPages(three), 3);
  std::istringstream open_end("a\n\f\nb\n");  // the last page has no closing form feed
  EXPECT_EQ(CountTextPrintPages(open_end), 1);
  std::istringstream none("a\nb\n");
  EXPECT_EQ(CountTextPrintPages(none), 0);
}

TEST(TextPrintPages, ARangeStartsWithItsFirstPageAndNoEmptyPage) {
  std::istringstream all(kThreePages);
  auto pages = SplitTextPrintPages(all, 1, 3);
  ASSERT_EQ(pages.size(), 3u);
  EXPECT_EQ(Texts(pages[0]), (std::vector<std::string>{"page 1 a", "page 1 b"}));
  EXPECT_EQ(Texts(pages[2]), (std::vector<std::string>{"page 3 a", "page 3 b"}));

  std::istringstream two_three(kThreePages);
  pages = SplitTextPrintPages(two_three, 2, 3);
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_EQ(Texts(pages[0]), std::vector<std::string>{"page 2 a"});
  EXPECT_EQ(pages[0][0].row, 0);  // rows restart on each page
  EXPECT_EQ(pages[1][1].row, 1);

  std::istringstream none("a\nb\n");
  EXPECT_TRUE(SplitTextPrintPages(none, 1, CountTextPrintPages(none)).empty());  // 1 to 0
}

TEST(TextPrintPages, PagesAbove255AreNeverPrinted) {
  std::string text;
  for (int p = 1; p <= 257; ++p) text += "page " + std::to_string(p) + "\n\f\n";
  std::istringstream in(text);
  auto pages = SplitTextPrintPages(in, 254, 257);
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_EQ(Texts(pages[1]), std::vector<std::string>{"page 255"});
}

TEST(TextPrintPages, ReportLinesInCodePage850AreConverted) {
  EXPECT_EQ(PrintLineToUtf8("Gr\xEF\xBF\xBD"), "Gr\xEF\xBF\xBD");  // valid UTF-8 stays
  EXPECT_EQ(PrintLineToUtf8("\xC4\xC4 Ma\xE1"), "── Maß");
}

}  // namespace
}  // namespace kv9
