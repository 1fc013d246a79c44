// The table browser window bound to its model.
#include "gui/table_browser_dialog.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include "gui_support.h"
#include "tables/printout_table.h"

namespace kv9 {
namespace {

using test::Find;

TEST(TableBrowserDialog, NavigatorCounterSearchAndEditingGoThroughTheModel) {
  ScriptedUi ui;
  MessageList messages;
  bool abort_flag = false;
  test::TempDir dbf, scratch;
  std::string problem;
  ASSERT_TRUE(WritePrintoutTable(dbf.file(kPrintoutTable), problem));
  TableEnv env{ui, messages, abort_flag, true, dbf.dir(), scratch.dir(), {2024, 3, 5}};
  DbfTable table;
  ASSERT_TRUE(table.openWithWriteCheck(env, "printout"));
  table.setTitles("Printout", "");
  TableBrowser browser(table, env, BrowseMode::Edit);
  browser.start();
  TableBrowserDialog dialog(nullptr, browser);
  auto* grid = Find<QTableWidget>(&dialog, "DBGrid");
  EXPECT_EQ(grid->rowCount(), 5);
  EXPECT_EQ(grid->item(1, 0)->text().trimmed(), "A4 Querformat angepasst");
  Find<QPushButton>(&dialog, "Button_next")->click();
  EXPECT_EQ(Find<QLabel>(&dialog, "Label_counter")->text(), "2/5");
  Find<QPushButton>(&dialog, "Button_last")->click();
  EXPECT_EQ(browser.currentRow(), 4);

  ui.answer("monochrom");
  Find<QPushButton>(&dialog, "Button_first")->click();
  Find<QPushButton>(&dialog, "Button_search")->click();
  EXPECT_EQ(grid->currentRow(), 2);
  EXPECT_EQ(Find<QLabel>(&dialog, "Label_counter")->text(), "3/5");
  ui.answer("Plotter");
  Find<QPushButton>(&dialog, "Button_search")->click();
  EXPECT_TRUE(ui.saw("note", "Plotter nicht gefunden"));

  grid->item(0, 0)->setText("Entwurf");  // an edit of a cell is written to the table
  EXPECT_EQ(table.fieldText(1, 0).substr(0, 7), "Entwurf");
}

}  // namespace
}  // namespace kv9
