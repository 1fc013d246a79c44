// The data-file overview table and the spreadsheet exchange of the OLE menu, headless with the
// scripted Ui on example data files in a temporary folder.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>

#include "app/commands/exchange_commands.h"
#include "app/commands/file_commands.h"
#include "app/commands/overview_command.h"
#include "app/data_file_commands.h"
#include "core/number_format.h"
#include "core/text.h"
#include "exchange/overview.h"
#include "exchange/spreadsheet.h"
#include "model/data_file.h"
#include "support/examples.h"
#include "support/test_session.h"

namespace kv9 {
namespace {

namespace fs = std::filesystem;
using test::ExamplePath;
using test::ReadBytes;
using test::TempDir;
using test::TestSession;

class Exchange : public ::testing::Test {
 protected:
  void SetUp() override {
    t.s.cfg.temp_dir = tmp.dir();
    t.s.scratch_dir = scratch.dir();
    t.s.data_dir = dir.dir();
  }
  // Copies example `name` into the data folder as `as` (with ".kv9").
  void Put(const std::string& name, const std::string& as) {
    fs::copy_file(ExamplePath(name), dir.file(as), fs::copy_options::overwrite_existing);
  }
  TempDir dir, tmp, scratch;
  TestSession t;
};

TEST_F(Exchange, AnEmptyFolderGivesTheHeaderOnlyAndRowsSortByTheirTexts) {
  OverviewForm empty = BuildOverview(t.s);
  EXPECT_TRUE(empty.rows.empty());
  EXPECT_EQ(empty.header[7], "N");
  EXPECT_EQ(empty.header[9], "D [in]");
  EXPECT_EQ(empty.cells().size(), 1u);

  Put("side_fit_30", "a.kv9");
  Put("major_diameter_fit", "b.KV9");
  Put("start", "c.kv9");
  fs::create_directory(dir.file("d.kv9"));  // not a normal file
  OverviewForm form = BuildOverview(t.s);
  ASSERT_EQ(form.rows.size(), 3u);
  for (const OverviewRow& row : form.rows) EXPECT_EQ(row[7].size(), 3u) << row[7];
  form.rows[0][7] = " 10";
  form.rows[1][7] = "  9";
  form.rows[2][7] = "100";
  form.sortBy(7);
  EXPECT_EQ(form.rows[0][7], "  9");
  EXPECT_EQ(form.rows[1][7], " 10");
  EXPECT_EQ(form.rows[2][7], "100");
  form.sortBy(0);
  EXPECT_EQ(form.rows[0][0], "a.kv9");
  EXPECT_EQ(form.rows[1][0], "b.KV9");
}

TEST_F(Exchange, ARowClickOpensItsFileOnceAndTheTableComesBack) {
  Put("side_fit_30", "a.kv9");
  Put("major_diameter_fit", "b.kv9");
  int shown = 0;
  std::vector<std::string> opened;
  t.ui.on_overviewForm = [&](OverviewForm& f) {
    ++shown;
    if (shown > 1) opened.push_back(t.s.current_file);
    if (shown == 1) return f.clickRow(1);
    if (shown == 2) {
      EXPECT_FALSE(f.clickRow(1));  // the same row again does not reopen
      return f.clickRow(0);
    }
    f.exportTable();
    return false;
  };
  CmdOpenTable(t.s);
  EXPECT_EQ(shown, 3);
  EXPECT_TRUE(t.s.abort_flag);
  EXPECT_FALSE(t.s.modified);
  OverviewForm fresh = BuildOverview(t.s);
  EXPECT_EQ(opened, (std::vector<std::string>{fresh.rows[1][0], fresh.rows[0][0]}));

  // The export: every row and all 18 columns, opened with the desktop's program.
  auto started = t.ui.texts("start");
  ASSERT_EQ(started.size(), 1u);
  const std::string sheet = tmp.file("kv9_overview.xlsx");
  EXPECT_EQ(started[0], "xdg-open \"" + sheet + "\"");
  auto column = ReadSpreadsheetColumn1(sheet);
  ASSERT_TRUE(column);
  EXPECT_EQ(column->size(), 3u);
  EXPECT_EQ((*column)[0], "File");
}

TEST_F(Exchange, TheTableOf1000DataFilesIsBuiltInASecond) {
  for (int i = 0; i < 1000; ++i)
    Put(i % 2 ? "stress_all_selections" : "side_fit_30", "f" + std::to_string(i) + ".kv9");
  auto begin = std::chrono::steady_clock::now();
  OverviewForm form = BuildOverview(t.s);
  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
  EXPECT_EQ(form.rows.size(), 1000u);
  EXPECT_EQ(form.rows[999][9], OverviewRowOf(t.s.ds, UnitsOf(t.s.cfg), "", 0)[9]);
  EXPECT_NE(t.s.ds.D[0], 0);  // calculated
  std::cout << "overview of 1000 data files: " << seconds << " s\n";
  EXPECT_LT(seconds, 5.0);  // aim: under 1 s on an ordinary machine
}

TEST_F(Exchange, StartNeedsASavedFileAndExportSavesFirst) {
  CmdStartSpreadsheet(t.s);
  EXPECT_TRUE(t.ui.saw("note",
                       "Zuerst müssen Sie Ihre Eingabedaten speichern (Menü "
                       "\"Datei->Speichern\")"));
  EXPECT_TRUE(t.s.abort_flag);
  EXPECT_TRUE(t.ui.texts("start").empty());
  EXPECT_FALSE(SpreadsheetStarted(t.s));

  Put("side_fit_30", "w.kv9");
  ASSERT_TRUE(LoadDataFile(t.s, "w"));
  CmdStartSpreadsheet(t.s);
  ASSERT_TRUE(SpreadsheetStarted(t.s));
  t.s.ds.info1 = "ge\x84ndert";
  t.s.modified = true;
  t.ui.answer("J");  // overwrite
  CmdExportSpreadsheet(t.s);
  EXPECT_FALSE(t.s.modified);
  auto column = ReadSpreadsheetColumn1(t.s.spreadsheet_file);
  ASSERT_TRUE(column);
  std::vector<std::string> file_lines;
  for (const std::string& line : TextLines(ReadBytes(dir.file("w.kv9"))))
    file_lines.push_back(Cp850ToUtf8(line));
  EXPECT_EQ(*column, file_lines);
  EXPECT_NE(std::find(column->begin(), column->end(), "geändert"), column->end());

  // Imported back, the sheet gives the same data set.
  const std::string before = DataFileContent(t.s.ds, t.s.docs, t.s.cfg, t.s.clock);
  t.s.ds.N = 99;
  t.s.modified = false;
  t.ui.answer(t.s.spreadsheet_file);
  CmdImportSpreadsheet(t.s);
  EXPECT_EQ(DataFileContent(t.s.ds, t.s.docs, t.s.cfg, t.s.clock), before);
  EXPECT_TRUE(t.s.modified);
}

TEST_F(Exchange, EachReportPrintoutOpensTheNextCopy) {
  Put("side_fit_30", "w.kv9");
  ASSERT_TRUE(LoadDataFile(t.s, "w"));
  t.s.cfg.text_device = 1;
  CmdPrintoutSpreadsheet(t.s);
  CmdPrintoutSpreadsheet(t.s);
  EXPECT_EQ(t.ui.texts("start"),
            (std::vector<std::string>{"xdg-open \"" + tmp.file("$$1.xlsx") + "\"",
                                      "xdg-open \"" + tmp.file("$$2.xlsx") + "\""}));
  EXPECT_EQ(t.s.cfg.text_device, 1);
  auto column = ReadSpreadsheetColumn1(tmp.file("$$2.xlsx"));
  ASSERT_TRUE(column);
  EXPECT_GT(column->size(), 20u);

  // A failed start shows the message.
  t.ui.start_result.kind = StartResult::NotFound;
  CmdPrintoutSpreadsheet(t.s);
  EXPECT_TRUE(t.ui.saw("error", "Excel kann nicht gestartet werden"));
}

TEST(Spreadsheet, Column1OfCsvAndAnEmptyRowInTheSheet) {
  TempDir dir;
  test::WriteBytes(dir.file("a.csv"), "eins;x\r\n\"zw;ei\"\"\",y\n\ndrei\n");
  EXPECT_EQ(*ReadSpreadsheetColumn1(dir.file("a.csv")),
            (std::vector<std::string>{"eins", "zw;ei\"", "", "drei"}));
  ASSERT_TRUE(WriteSpreadsheet(dir.file("b.xlsx"), {{"a", "b"}, {""}, {"", "c"}, {"ä"}}));
  EXPECT_EQ(*ReadSpreadsheetColumn1(dir.file("b.xlsx")),
            (std::vector<std::string>{"a", "", "", "ä"}));
  EXPECT_FALSE(ReadSpreadsheetColumn1(dir.file("a.csv") + ".xlsx"));
}

}  // namespace
}  // namespace kv9
