#include "report/report_formatter.h"

#include <gtest/gtest.h>

#include "core/file_util.h"
#include "support/report_support.h"
#include "support/test_session.h"

namespace kv9 {
namespace {

using test::Count;
using test::Lines;
using test::ReadBytes;

class Formatter : public ::testing::Test {
 protected:
  void SetUp() override {
    s.cfg.temp_dir = dir.path() + "/";
    s.cfg.unit_flag = 0;
    s.current_file = "probe";
    s.data_dir = dir.path() + "/";
    s.scratch_dir = dir.path() + "/";
  }
  // Opens target `target`, runs `body` and closes; returns the written file.
  std::string Report(int target, const std::function<void()>& body) {
    ReportSetHeader(s.reportContext(), "Titel", "Kopf 1", "Kopf 2", "Kopf 3", "", 0);
    ReportOpen(s.reportContext(), target);
    EXPECT_TRUE(ReportCreate(s.reportContext()));
    std::string file = s.report.file_name;
    body();
    ReportClose(s.reportContext());
    return ReadBytes(file);
  }
  test::TempDir dir;
  test::TestSession t;
  Session& s = t.s;
};

TEST_F(Formatter, LineStylesAreSeventyCharactersWide) {
  s.cfg.text_report_mode = 1;
  EXPECT_EQ(ReportSingleLine(s.reportContext()), std::string(70, '-'));
  EXPECT_EQ(ReportDoubleLine(s.reportContext()), std::string(70, '='));
  EXPECT_EQ(ReportBoxTop(s.reportContext()), std::string(70, '*'));
  EXPECT_EQ(ReportSideChar(s.reportContext()), '*');
  s.cfg.text_report_mode = 2;
  EXPECT_EQ(ReportSingleLine(s.reportContext()), std::string(70, '\xC4'));
  EXPECT_EQ(ReportBoxTop(s.reportContext()), "\xC9" + std::string(68, '\xCD') + "\xBB");
  EXPECT_EQ(ReportBoxBottom(s.reportContext()), "\xC8" + std::string(68, '\xCD') + "\xBC");
  EXPECT_EQ(ReportBoxMiddle(s.reportContext()), "\xCC" + std::string(68, '\xCD') + "\xB9");
  EXPECT_EQ(ReportSideChar(s.reportContext()), '\xBA');
  s.cfg.text_report_mode = 3;
  EXPECT_EQ(ReportDoubleLine(s.reportContext()), std::string(70, ' '));
  EXPECT_EQ(ReportSideChar(s.reportContext()), ' ');
  s.cfg.text_report_mode = 4;
  EXPECT_EQ(ReportSingleLine(s.reportContext()), "$!$");
  EXPECT_EQ(ReportBoxMiddle(s.reportContext()), "$!$");
  s.cfg.text_report_mode = 0;  // a 0 from the configuration file is style 1
  EXPECT_EQ(ReportSingleLine(s.reportContext()), std::string(70, '-'));
}

TEST_F(Formatter, PageHeaderBoxWithPageNumberDateAndColumns) {
  s.cfg.text_report_mode = 1;
  std::string out = Report(kTargetCp850File, [&] {
    ReportSetColumns(s.reportContext(), "", "Zeichen", "Einheit", " Welle", " Nabe");
    ReportPageHeader(s.reportContext(), 0, 1);
  });
  auto lines = Lines(out);
  ASSERT_GE(lines.size(), 12u);
  const std::string indent(7, ' ');
  EXPECT_EQ(lines[0], indent + std::string(70, '*'));
  EXPECT_EQ(lines[1].substr(0, 7 + 12), indent + "*    Titel  ");
  EXPECT_EQ(lines[1].substr(7 + 63, 4), "Bl.1");
  EXPECT_EQ(lines[1][7 + 69], '*');
  EXPECT_EQ(lines[1].size(), 7u + 71u);
  EXPECT_EQ(lines[2].substr(7 + 52, 10), "05.03.2024");
  EXPECT_EQ(lines[2].substr(7 + 63, 4), "9:07");
  const std::string shown = dir.path() + "/probe.kv9";  // see FileLineShowsTheFullPathUpTo64
  if (shown.size() <= 64) {
    EXPECT_EQ(lines[3].substr(7 + 5, shown.size() + 1), shown + " ");
  }
  EXPECT_EQ(lines[5].substr(7 + 5, 6), "Kopf 1");
  EXPECT_EQ(lines[7].substr(7 + 5, 6), "Kopf 3");
  EXPECT_EQ(lines[8], indent + std::string(70, '*'));  // no fourth line: the box goes on
  EXPECT_EQ(lines[9].substr(7 + 34, 7), "Zeichen");
  EXPECT_EQ(lines[9].substr(7 + 50, 6), " Welle");
  EXPECT_EQ(lines[9].substr(7 + 61, 5), " Nabe");
  EXPECT_EQ(lines[11], indent);  // the empty line after the box
}

// The file line of the header names the full path while it fits the box (64 characters), else
// the file name alone.
TEST_F(Formatter, FileLineShowsTheFullPathUpTo64) {
  auto file_line = [&](const std::string& folder) {
    s.data_dir = folder;
    auto lines = Lines(Report(kTargetCp850File, [&] { ReportPageHeader(s.reportContext(), 0, 1); }));
    return lines.size() > 3 ? lines[3].substr(7 + 5, 65) : std::string();
  };
  EXPECT_EQ(file_line("/daten/").substr(0, 17), "/daten/probe.kv9 ");
  const std::string at_64 = "/" + std::string(53, 'd') + "/";      // + "probe.kv9": 64 characters
  EXPECT_EQ(file_line(at_64).substr(0, 64), at_64 + "probe.kv9");  // the box side follows
  EXPECT_EQ(file_line("/" + std::string(54, 'd') + "/").substr(0, 10), "probe.kv9 ");
}

TEST_F(Formatter, KnownPageTotalIsPrintedAtSixty) {
  s.cfg.text_report_mode = 1;
  ReportSetHeader(s.reportContext(), "T", "", "", "", "", 3);
  ReportOpen(s.reportContext(), kTargetCp850File);
  ASSERT_TRUE(ReportCreate(s.reportContext()));
  std::string file = s.report.file_name;
  ReportPageHeader(s.reportContext(), 0, 0);
  ReportClose(s.reportContext());
  EXPECT_EQ(Lines(ReadBytes(file))[1].substr(7 + 59, 8), "Bl. 1/ 3");
}

TEST_F(Formatter, RowsPlaceTheirFieldsAndSplitLongLabels) {
  s.cfg.text_report_mode = 1;
  std::string label40 = "1234567890123456789012345678901234ABCDEF";
  std::string out = Report(kTargetCp850File, [&] {
    ReportRow(s.reportContext(), "Pitch Diameter", "D", "mm", "  96.520");
    ReportRow2(s.reportContext(), "Teilkreis", "D", "mm", "  96.520", " -96.520");
    ReportRow(s.reportContext(), label40, "Sym", "mm", "1.000");
  });
  auto lines = Lines(out);
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[0].substr(7, 14), "Pitch Diameter");
  EXPECT_EQ(lines[0].substr(7 + 34, 1), "D");
  EXPECT_EQ(lines[0].substr(7 + 43, 2), "mm");
  EXPECT_EQ(lines[0].substr(7 + 55, 8), "  96.520");
  EXPECT_EQ(lines[0].size(), 7u + 72u);
  EXPECT_EQ(lines[1], std::string(7, ' ') + std::string(70, '-'));  // every row is underlined
  EXPECT_EQ(lines[2].substr(7 + 50, 8), "  96.520");
  EXPECT_EQ(lines[2].substr(7 + 61, 8), " -96.520");
  EXPECT_EQ(lines[4].substr(7, 43), label40.substr(0, 34) + "Sym" + "ABCDEF");
}

TEST_F(Formatter, LongTextsAreWrappedAtBlanksOnPagedTargetsOnly) {
  s.cfg.text_report_mode = 1;
  std::string t72(72, 'x');
  std::string t73 = std::string(49, 'a') + " " + std::string(23, 'b');
  std::string no_blank(100, 'z');
  std::string out = Report(kTargetCp850File, [&] {
    ReportLongText(s.reportContext(), "");
    ReportLongText(s.reportContext(), t72);
    ReportLongText(s.reportContext(), t73);
    ReportLongText(s.reportContext(), no_blank);
  });
  auto lines = Lines(out);
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[0], std::string(7, ' ') + t72);
  EXPECT_EQ(lines[1], std::string(7, ' ') + t73.substr(0, 50));
  EXPECT_EQ(lines[2], std::string(7, ' ') + std::string(23, 'b'));
  EXPECT_EQ(lines[3], std::string(7, ' ') + std::string(64, 'z'));
  EXPECT_EQ(lines[4], std::string(7, ' ') + std::string(36, 'z'));

  std::string tab = Report(kTargetTabFile, [&] { ReportLongText(s.reportContext(), t73); });
  EXPECT_EQ(Lines(tab), std::vector<std::string>{t73});
}

TEST_F(Formatter, StyleFourDropsSeparatorsAndBreaksNoShortReport) {
  s.cfg.text_report_mode = 4;
  s.cfg.lines_per_page = 20;
  std::string out = Report(kTargetCp850File, [&] {
    ReportPageHeader(s.reportContext(), 0, 0);
    for (int i = 0; i < 8; ++i) ReportLine(s.reportContext(), "Zeile " + std::to_string(i));
    ReportLine(s.reportContext(), ReportSingleLine(s.reportContext()));
    ReportPageEnd(s.reportContext());
  });
  EXPECT_EQ(out.find('\f'), std::string::npos);
  EXPECT_EQ(out.find("$!$"), std::string::npos);
  EXPECT_EQ(Count(out, "Zeile "), 8);
  EXPECT_EQ(Lines(out)[0], std::string(7, ' '));  // style 4 starts the header with an empty line
}

TEST_F(Formatter, StyleFourPageEndWaitsForHalfAPage) {
  s.cfg.text_report_mode = 4;
  s.cfg.lines_per_page = 20;
  std::string out = Report(kTargetScreen, [&] {
    for (int i = 0; i < 3; ++i) ReportLine(s.reportContext(), "kurz");
    ReportPageEnd(s.reportContext());  // three lines: no form feed
    for (int i = 0; i < 9; ++i) ReportLine(s.reportContext(), "lang");
    ReportPageEnd(s.reportContext());  // twelve lines: a form feed line
  });
  EXPECT_TRUE(out.empty());  // the screen target deletes its file after showing it
  std::string shown = ReadBytes(dir.file("outwin.txt"));
  EXPECT_EQ(Count(shown, "\f"), 1);
  EXPECT_LT(shown.find("lang"), shown.find('\f'));
}

TEST_F(Formatter, PagesBreakAtTheLineLimitAndRepeatTheHeader) {
  s.cfg.text_report_mode = 1;
  s.cfg.lines_per_page = 20;
  std::string out = Report(kTargetScreen, [&] {
    ReportPageHeader(s.reportContext(), 0, 1);
    for (int i = 0; i < 50; ++i) ReportLine(s.reportContext(), "Zeile " + std::to_string(i));
    ReportPageEnd(s.reportContext());
  });
  std::string shown = ReadBytes(dir.file("outwin.txt"));
  // 12 header lines and 8 body lines on page 1, then 13 and 7 on each further page.
  int pages = Count(shown, "\f");
  EXPECT_EQ(pages, 7);
  EXPECT_EQ(Count(shown, "Bl.1"), 1);
  EXPECT_EQ(Count(shown, "Bl.7"), 1);
  std::size_t start = 0;
  for (int p = 0; p < pages; ++p) {
    std::size_t ff = shown.find('\f', start);
    auto page_lines = Lines(shown.substr(start, ff - start));
    EXPECT_LE(page_lines.size(), 20u) << "page " << p + 1;
    EXPECT_EQ(page_lines.at(0), std::string(7, ' ') + std::string(70, '*'));
    start = shown.find('\n', ff) + 1;
  }
  EXPECT_NE(shown.find("Zeile 49"), std::string::npos);
}

TEST_F(Formatter, HeaderModeTwoStartsLaterPagesWithABlankLine) {
  s.cfg.text_report_mode = 1;
  s.cfg.lines_per_page = 15;
  s.cfg.printout_header = 2;
  Report(kTargetScreen, [&] {
    ReportPageHeader(s.reportContext(), 0, 0);
    ReportLine(s.reportContext(), "eins");
    ReportPageEnd(s.reportContext());
    ReportPageHeader(s.reportContext(), 0, 0);
    ReportLine(s.reportContext(), "zwei");
    for (int i = 0; i < 20; ++i) ReportLine(s.reportContext(), "mehr");  // breaks with a bare form feed
  });
  std::string shown = ReadBytes(dir.file("outwin.txt"));
  auto lines = Lines(shown);
  EXPECT_EQ(Count(shown, "Titel"), 1);  // only the first page has the box
  EXPECT_EQ(lines[1].find("Bl."), std::string::npos);
  auto ff = std::find(lines.begin(), lines.end(), "\f");
  ASSERT_NE(ff, lines.end());
  EXPECT_EQ(*(ff + 1), std::string(7, ' ') + " ");
  EXPECT_EQ(*(ff + 2), std::string(7, ' ') + "zwei");
  auto ff2 = std::find(ff + 1, lines.end(), "\f");
  ASSERT_NE(ff2, lines.end());
  EXPECT_EQ(ff2 - ff - 1, 15);  // a full page, then the form feed
  EXPECT_EQ(*(ff2 + 1), std::string(7, ' ') + "mehr");
  EXPECT_EQ(lines.back(), "\f");  // header mode 2 ends the last page on close
}

TEST_F(Formatter, TinyPagesWithLongHeadersStillEnd) {
  s.cfg.lines_per_page = 5;
  s.cfg.header_space_lines = 30;
  std::string out = Report(kTargetCp850File, [&] {
    ReportPageHeader(s.reportContext(), 0, 1);
    for (int i = 0; i < 12; ++i) ReportLine(s.reportContext(), "x");
  });
  EXPECT_EQ(Count(out, "Titel"), 13);  // a header before the first line and at each break
}

TEST_F(Formatter, TabTargetUsesTabsAndTheTableDecimalStyle) {
  s.ds.info1 = "Info eins";
  std::string out = Report(kTargetTabFile, [&] {
    ReportSetColumns(s.reportContext(), "", "Zeichen", "Einheit", "1", "2");
    ReportPageHeader(s.reportContext(), 0, 1);
    ReportRow(s.reportContext(), "Wert", "W", "mm", "  12.5");
    ReportRow2(s.reportContext(), "Paar", "P", "", "1.25", "-2.5");
    ReportLine(s.reportContext(), ReportDoubleLine(s.reportContext()));
    ReportLine(s.reportContext(), "Text");
  });
  auto lines = Lines(out);
  ASSERT_EQ(lines.size(), 10u);
  EXPECT_EQ(lines[0], "KV9 - SAE Zahnwellenverbindung V2.61\t05.03.2024\t9:07");
  EXPECT_EQ(lines[1], dir.path() + "/$$$1.txt");
  EXPECT_EQ(lines[2], "Info eins");
  EXPECT_EQ(lines[5], " ");
  EXPECT_EQ(lines[6], "\tZeichen\tEinheit\t1\t2");
  EXPECT_EQ(lines[7], "Wert\tW\tmm\t  12,5");
  EXPECT_EQ(lines[8], "Paar\tP\t\t1,25\t-2,5");
  EXPECT_EQ(lines[9], "Text");

  s.cfg.table_decimal_style = 1;
  std::string english = Report(kTargetTabFile, [&] { ReportRow(s.reportContext(), "Wert", "W", "mm", "12,5"); });
  EXPECT_EQ(Lines(english).back(), "Wert\tW\tmm\t12.5");
}

TEST_F(Formatter, TabReportsAreNumberedPerRun) {
  Report(kTargetTabFile, [&] { ReportLine(s.reportContext(), "erster"); });
  Report(kTargetTabFile, [&] { ReportLine(s.reportContext(), "zweiter"); });
  EXPECT_EQ(ReadBytes(dir.file("$$1.txt")), "erster\n");
  EXPECT_EQ(ReadBytes(dir.file("$$2.txt")), "zweiter\n");
  EXPECT_TRUE(FileExists(dir.file("$$$2.txt")));
  EXPECT_EQ(s.report.tab_counter, 2);
}

TEST_F(Formatter, TargetNineCopiesUnderTheDataFileName) {
  s.cfg.text_report_mode = 2;
  Report(kTargetTabCopy, [&] {
    ReportLine(s.reportContext(),
               "Gr\x94\xE1"
               "e \xC4");
  });
  EXPECT_EQ(ReadBytes(dir.file("probe.txt")),
            "Gr\xC3\xB6\xC3\x9F"
            "e \xE2\x94\x80\n");
}

TEST_F(Formatter, HtmlPageIsCompleteAndEscapesText) {
  s.cfg.html_browser = "/bin/true";
  std::string out = Report(kTargetHtml, [&] {
    ReportSetColumns(s.reportContext(), "", "Zeichen", "Einheit", " Welle", " Nabe");
    ReportPageHeader(s.reportContext(), 0, 1);
    ReportRow2(s.reportContext(), "Paar", "P", "mm", "1.0", "2.0");
    ReportLine(s.reportContext(), ReportSingleLine(s.reportContext()));  // separators are dropped and keep the table open
    ReportRow(s.reportContext(), "a<b & c", "S", "mm", "3.0");
    ReportLine(s.reportContext(), "Titel \x84");
    ReportTextRow(s.reportContext(), "Zeile");
    ReportLongText(s.reportContext(), std::string(90, 'w'));
  });
  EXPECT_EQ(test::HtmlStructureProblem(out), "");
  EXPECT_NE(out.find("<head><meta charset=\"utf-8\"><title>"), std::string::npos);
  EXPECT_NE(out.find("<TR><TD>a&lt;b &amp; c</TD>"), std::string::npos);
  EXPECT_NE(out.find("<br>Titel \xC3\xA4"), std::string::npos);
  EXPECT_EQ(Count(out, "<TD><CENTER>"), 1);
  EXPECT_EQ(Count(out, "<TABLE"), 2);  // the body line closed the first table
  EXPECT_NE(out.find(std::string(90, 'w')), std::string::npos);  // not wrapped
  EXPECT_EQ(out.substr(out.size() - 9), "</HTML>\r\n");
  ASSERT_FALSE(t.ui.texts("start").empty());
  EXPECT_EQ(t.ui.texts("start").back(), "/bin/true \"" + dir.path() + "/kv9.htm\"");
}

TEST_F(Formatter, ScreenWindowsPrinterAndTextProgramHandOver) {
  Report(kTargetScreen, [&] { ReportLine(s.reportContext(), "Bildschirm"); });
  ASSERT_EQ(t.ui.texts("textfile").size(), 1u);
  EXPECT_EQ(t.ui.texts("textfile")[0], dir.file("outwin.txt"));
  EXPECT_EQ(test::CountFiles(dir.path()), 1);  // only outwin.txt: the report file is gone

  Report(kTargetPrintDialog, [&] { ReportLine(s.reportContext(), "Drucker"); });
  ASSERT_EQ(t.ui.texts("print").size(), 1u);
  EXPECT_FALSE(FileExists(t.ui.texts("print")[0]));

  s.cfg.text_program = "/gibt/es/nicht";
  Report(kTargetTextProgram, [&] { ReportLine(s.reportContext(), "Editor"); });
  EXPECT_TRUE(t.ui.saw("error", "/gibt/es/nicht not found"));
  s.cfg.text_program = "/bin/true";
  Report(kTargetTextProgram, [&] { ReportLine(s.reportContext(), "Editor"); });
  EXPECT_EQ(t.ui.texts("start").back(), "/bin/true \"" + dir.file("outwin.txt") + "\"");
  EXPECT_NE(ReadBytes(dir.file("outwin.txt")).find("Editor"), std::string::npos);
}

TEST_F(Formatter, FileTargetAsksForTheNameAndKeepsTheDataFileName) {
  t.ui.answer(dir.file("bericht.txt"));
  Report(kTargetFile, [&] { ReportLine(s.reportContext(), "Datei"); });
  EXPECT_EQ(s.current_file, "probe");
  EXPECT_EQ(s.data_dir, dir.path() + "/");
  EXPECT_NE(ReadBytes(dir.file("bericht.txt")).find("Datei"), std::string::npos);
  EXPECT_TRUE(t.ui.saw(
      "note", dir.file("bericht.txt") + " und Windows-Datei outwin.txt wurden angelegt.."));
}

TEST_F(Formatter, TextPrinterAsksForPausesAndEndsPagesWithoutLineEnd) {
  s.report.printer_device = dir.file("lp0");
  t.ui.answer("J");  // pause after each page
  t.ui.answer("J");  // insert paper, go on
  std::string out = Report(kTargetTextPrinter, [&] {
    ReportPageHeader(s.reportContext(), 0, 0);
    ReportLine(s.reportContext(), "Seite");
    ReportPageEnd(s.reportContext());
  });
  EXPECT_EQ(t.ui.texts("yesno"),
            (std::vector<std::string>{"Pause nach jeder Seite ?",
                                      "Blatt in Drucker einlegen.  Fortfahren ?"}));
  EXPECT_TRUE(t.ui.saw("note", "Ausdruck erfolgt  -   bitte warten ..."));
  EXPECT_EQ(out.back(), '\f');

  t.ui.answer("J");
  t.ui.answer("N");  // no paper: stop
  ReportOpen(s.reportContext(), kTargetTextPrinter);
  ASSERT_TRUE(ReportCreate(s.reportContext()));
  ReportPageHeader(s.reportContext(), 0, 0);
  EXPECT_TRUE(s.abort_flag);
}

TEST_F(Formatter, TextPrinterGetsTheSetUpSequenceFirstAndAMissingDeviceStops) {
  test::WriteBytes(dir.file("TEXT.HXP"), std::string("\x1b" "E\x1b(s12H", 9));
  s.report.printer_device = dir.file("lp0");
  t.ui.answer("N");
  {
    test::WorkingFolder here(dir.path());
    std::string out = Report(kTargetTextPrinter, [&] { ReportLine(s.reportContext(), "Zeile"); });
    EXPECT_EQ(out.substr(0, 9), std::string("\x1b" "E\x1b(s12H", 9));
    EXPECT_NE(out.find("Zeile"), std::string::npos);
  }
  EXPECT_FALSE(s.abort_flag);

  s.report.printer_device = dir.file("kein/lp0");  // no device opens
  t.ui.answer("N");
  ReportOpen(s.reportContext(), kTargetTextPrinter);
  EXPECT_FALSE(ReportCreate(s.reportContext()));
  EXPECT_TRUE(s.abort_flag);
  EXPECT_EQ(t.ui.texts("error").size(), 1u);
}

TEST_F(Formatter, WriteErrorsAreReportedOnceWithTheAbortFlag) {
  s.report.printer_device = "/dev/full";
  t.ui.answer("N");
  ReportOpen(s.reportContext(), kTargetTextPrinter);
  ASSERT_TRUE(ReportCreate(s.reportContext()));
  for (int i = 0; i < 2000; ++i) ReportLine(s.reportContext(), std::string(60, 'x'));
  ReportClose(s.reportContext());
  EXPECT_TRUE(s.abort_flag);
  EXPECT_EQ(t.ui.texts("error"), std::vector<std::string>{"Diskette/Platte voll"});
}

TEST_F(Formatter, TargetChoiceAndItsCancel) {
  s.cfg.text_device_window = true;
  s.cfg.text_device = 3;
  t.ui.cancel();
  ReportOpen(s.reportContext(), 0);
  EXPECT_TRUE(s.abort_flag);
  ASSERT_EQ(t.ui.events.back().text, "Ausgabe auf ..");
  EXPECT_EQ(t.ui.events.back().preselected, 3);
  EXPECT_EQ(t.ui.events.back().lines.at(6), "HTML File (Netscape, Internet Explorer ...)");
  EXPECT_FALSE(ReportCreate(s.reportContext()));

  s.abort_flag = false;
  t.ui.answer("8");  // outside the list counts as Cancel
  ReportOpen(s.reportContext(), 0);
  EXPECT_TRUE(s.abort_flag);

  s.abort_flag = false;
  ReportOpen(s.reportContext(), kTargetChoiceTexts);
  EXPECT_EQ(s.screen_lines[1], "Textdrucker");
}

TEST(ReportNumberLine, PutsTheNumberAtForty) {
  std::string line = ReportNumberLine("Zahnwelle", "000000");
  EXPECT_EQ(line.size(), 72u);
  EXPECT_EQ(line.substr(0, 9), "Zahnwelle");
  EXPECT_EQ(line.substr(39, 11), "Nr.: 000000");
}

}  // namespace
}  // namespace kv9
