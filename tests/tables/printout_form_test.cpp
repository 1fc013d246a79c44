#include "tables/printout_form.h"

#include <gtest/gtest.h>

#include "tables/table_browser.h"
#include "tables/table_fixture.h"

namespace kv9 {
namespace {

struct PrintoutFormTest : test::TableTest {
  Config settings;
  DbfTable table;
  int last = 0;
  test::TempDir start;  // the program's start folder, without a table of its own
  PrintoutForm form{settings, env, table, start.path(), last, false};
  int offered_row = -1;
  // The browser picks row `row` (0-based) and says OK.
  void pick(int row) {
    ui.on_tableBrowserForm = [this, row](TableBrowser& b) {
      offered_row = b.currentRow();
      b.selectRow(row);
      b.accept();
      return true;
    };
  }
};

TEST_F(PrintoutFormTest, ALandscapeSetUpSetsQuerformatAndItsValues) {
  printout();
  pick(1);  // "A4 Querformat angepasst"
  form.fromDatabase();
  EXPECT_EQ(form.orientation, 2);
  EXPECT_TRUE(form.fit);
  EXPECT_TRUE(form.border);
  EXPECT_EQ(form.shading, 2);
  EXPECT_EQ(form.scale_x, "1.0000");
  EXPECT_EQ(form.origin_y, "10");
  EXPECT_EQ(last, 2);
  EXPECT_FALSE(table.isOpen());
  form.accept();
  EXPECT_EQ(settings.printer_orientation, 2);
  EXPECT_EQ(settings.print_origin_x, 10);
  EXPECT_EQ(settings.windows_print_mode, 2);

  pick(2);  // the browser opens on the set-up chosen last
  form.fromDatabase();
  EXPECT_EQ(offered_row, 1);
  EXPECT_EQ(form.shading, 1);  // "Monochrom Hochformat"
  EXPECT_EQ(form.orientation, 1);
}

TEST_F(PrintoutFormTest, CancelledBrowserOrMissingTableLeaveTheDialogAsItWas) {
  printout();
  ui.on_tableBrowserForm = [](TableBrowser& b) {
    b.cancel();
    return false;
  };
  form.fromDatabase();
  EXPECT_EQ(form.orientation, 1);
  EXPECT_FALSE(abort_flag);
  std::remove(dbf.file(kPrintoutTable).c_str());
  form.fromDatabase();
  EXPECT_EQ(errors(), 1);
  EXPECT_FALSE(abort_flag);  // cleared after the table's error
  EXPECT_EQ(form.scale_x, "1");
}

TEST_F(PrintoutFormTest, StoringAppendsANamedSetUpOfTheDialogValues) {
  printout();
  form.scale_x = "0.75";
  form.origin_x = "-5";
  form.orientation = 2;
  form.shading = 1;
  ui.answer("Mein Blatt");
  form.storeToDatabase();
  DbfTable check;
  ASSERT_TRUE(check.open(env, dbf.file(kPrintoutTable)));
  EXPECT_EQ(check.recordCount(), 6);
  check.goTo(messages, 6);
  EXPECT_EQ(check.readField(1).substr(0, 10), "Mein Blatt");
  EXPECT_DOUBLE_EQ(std::stod(check.readField(2)), 0.75);
  EXPECT_EQ(std::stoi(check.readField(4)), -5);
  EXPECT_TRUE(check.readLogical("landscape"));
  EXPECT_TRUE(check.readLogical("monochrom"));
  check.close();

  ui.cancel();  // no name: nothing appended
  form.storeToDatabase();
  ASSERT_TRUE(check.open(env, dbf.file(kPrintoutTable)));
  EXPECT_EQ(check.recordCount(), 6);
}

TEST_F(PrintoutFormTest, ATableInTheStartFolderComesFirst) {
  printout();
  std::string problem;
  ASSERT_TRUE(WritePrintoutTable(start.file(kPrintoutTable), problem));
  ui.answer("lokal");
  form.storeToDatabase();
  DbfTable check;
  ASSERT_TRUE(check.open(env, start.file(kPrintoutTable)));
  EXPECT_EQ(check.recordCount(), 6);
  ASSERT_TRUE(check.open(env, dbf.file(kPrintoutTable)));
  EXPECT_EQ(check.recordCount(), 5);
}

TEST_F(PrintoutFormTest, CancelSetsTheAbortFlagAndKeepsTheSettings) {
  form.orientation = 2;
  form.cancel();
  EXPECT_TRUE(abort_flag);
  EXPECT_EQ(settings.printer_orientation, 1);
}

}  // namespace
}  // namespace kv9
