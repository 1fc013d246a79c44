#include "report/report_layout.h"

#include <gtest/gtest.h>

#include <sstream>

#include "support/report_support.h"
#include "support/test_session.h"

namespace kv9 {
namespace {

using test::Count;
using test::Lines;

class Layouts : public ::testing::Test {
 protected:
  void SetUp() override {
    s.cfg.text_report_mode = 1;
    s.cfg.unit_flag = 0;
    s.report.columns = {"", "Zeichen", "Einheit", "Welle", "Nabe"};
    s.report.title = "Titel";
  }
  // Runs `body` on the layout of `target`, writing to a string.
  std::string Written(int target, const std::function<void(ReportLayout&)>& body) {
    s.report.target = target;
    std::ostringstream out;
    body(*MakeLayout(s.reportContext(), out));
    return out.str();
  }
  test::TestSession t;
  Session& s = t.s;
};

TEST_F(Layouts, PagedRowsSitAtTheirColumnsAndAFullPageBreaksWithANewHeader) {
  s.cfg.lines_per_page = 30;
  std::string out = Written(kTargetScreen, [](ReportLayout& l) {
    l.pageHeader(0, 1);
    l.row("Wert", "W", "mm", "1.5");
    l.row2("Paar", "P", "mm", "2.5", "3.5");
    for (int i = 0; i < 30; ++i) l.line("Zeile", true);
  });
  std::string indent(kBodyIndent, ' ');
  EXPECT_NE(out.find(indent + "Wert" + std::string(30, ' ') + "W        mm" + std::string(10, ' ') +
                     "1.5"),
            std::string::npos);
  EXPECT_NE(out.find(indent + "Paar" + std::string(30, ' ') + "P        mm     2.5        3.5"),
            std::string::npos);
  EXPECT_EQ(Count(out, "\f"), 1);
  EXPECT_EQ(Count(out, "Bl.1"), 1);
  EXPECT_EQ(Count(out, "Bl.2"), 1);
  EXPECT_LT(out.find('\f'), out.find("Bl.2"));
}

TEST_F(Layouts, PagedLongTextBreaksAtTheLastBlankBeforeColumnSixtyFour) {
  // A blank at column 63 ends the piece; one at column 64 is past the limit.
  std::string at63 = std::string(62, 'a') + " " + std::string(20, 'b');
  std::string at64 = std::string(10, 'c') + " " + std::string(52, 'c') + " " + std::string(20, 'd');
  auto lines = Lines(Written(kTargetCp850File, [&](ReportLayout& l) {
    l.longText(at63);
    l.longText(at64);
  }));
  std::string indent(kBodyIndent, ' ');
  EXPECT_EQ(lines,
            (std::vector<std::string>{indent + at63.substr(0, 63), indent + std::string(20, 'b'),
                                      indent + at64.substr(0, 11), indent + at64.substr(11, 53),
                                      indent + std::string(20, 'd')}));
}

TEST_F(Layouts, TabHeaderOnceThenTabbedRowsWithTheTableDecimalAndNoSeparators) {
  s.cfg.table_decimal_style = 2;
  s.ds.info1 = "Info";
  s.report.file_name = "/tmp/$$$1.txt";
  auto lines = Lines(Written(kTargetTabFile, [&](ReportLayout& l) {
    l.pageHeader(0, 1);
    l.pageHeader(0, 0);
    l.row("Wert", "W", "mm", "1.5");
    l.row2("Paar", "P", "mm", "2.5", "3.5");
    l.line(ReportSingleLine(s.reportContext()), true);
    l.longText(std::string(80, 'x'));
  }));
  ASSERT_EQ(lines.size(), 10u);
  EXPECT_EQ(lines[0].substr(0, ProgramTitle().size()), ProgramTitle());
  EXPECT_EQ(lines[1], "/tmp/$$$1.txt");
  EXPECT_EQ(lines[2], "Info");
  EXPECT_EQ(lines[6], "\tZeichen\tEinheit\tWelle\tNabe");
  EXPECT_EQ(lines[7], "Wert\tW\tmm\t1,5");
  EXPECT_EQ(lines[8], "Paar\tP\tmm\t2,5\t3,5");
  EXPECT_EQ(lines[9], std::string(80, 'x'));
}

TEST_F(Layouts, HtmlEscapesConvertsAndKeepsItsTablesClosed) {
  s.report.header = {"<Kopf>", "", "", ""};
  std::string out = Written(kTargetHtml, [](ReportLayout& l) {
    l.pageHeader(0, 0);
    l.row2("a<b", "&", "\x84", "1", "2");  // code page 850 "ä"
    l.line("x>y", true);
    l.finish();
  });
  EXPECT_NE(out.find("<h5>&lt;Kopf&gt;</h5>"), std::string::npos);
  EXPECT_NE(out.find("<TR><TD>a&lt;b</TD><TD>&amp;</TD><TD>\xC3\xA4</TD>"), std::string::npos);
  EXPECT_LT(out.find("<TD>Welle</TD>"), out.find("a&lt;b"));  // row2 opens with the columns
  EXPECT_LT(out.find("</TABLE>"), out.find("<br>x&gt;y"));
  EXPECT_EQ(test::HtmlStructureProblem(out), "");
  EXPECT_EQ(out.substr(out.size() - 9), "</HTML>\r\n");
}

}  // namespace
}  // namespace kv9
