// The table browser window bound to its model.
#include "gui/table_browser_dialog.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "gui_support.h"
#include "tables/printout_table.h"

namespace kv9 {
namespace {

using test::Find;

// The delivered print set-ups, written into a folder of their own and opened for editing.
class TableBrowserWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string problem;
    ASSERT_TRUE(WritePrintoutTable(dbf.file(kPrintoutTable), problem));
    ASSERT_TRUE(table.openWithWriteCheck(env, "printout"));
  }
  ScriptedUi ui;
  MessageList messages;
  bool abort_flag = false;
  test::TempDir dbf, scratch;
  TableEnv env{ui, messages, abort_flag, true, dbf.dir(), scratch.dir(), {2024, 3, 5}};
  DbfTable table;
};

TEST_F(TableBrowserWindow, NavigatorCounterSearchAndEditingGoThroughTheModel) {
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

// Edit mode: the navigator's insert, edit and post buttons, and "Hilfe&bild", reach the table
// and the help; select mode has none of the editing buttons.
TEST_F(TableBrowserWindow, InsertEditPostAndHelpPictureInEditMode) {
  {
    TableBrowser select(table, env, BrowseMode::Select);
    select.start();
    TableBrowserDialog dialog(nullptr, select);
    for (const char* name : {"Button_insert", "Button_delete", "Button_revert", "Button_refresh"})
      EXPECT_EQ(dialog.findChild<QPushButton*>(name), nullptr) << name;
  }
  TableBrowser browser(table, env, BrowseMode::Edit);
  browser.start();
  int pictures = 0;
  HelpCallbacks help;
  help.help_picture = [&pictures] { ++pictures; };
  TableBrowserDialog dialog(nullptr, browser, help);
  dialog.show();
  Find<QPushButton>(&dialog, "Button_helppicture")->click();
  EXPECT_EQ(pictures, 1);

  Find<QPushButton>(&dialog, "Button_insert")->click();
  auto* grid = Find<QTableWidget>(&dialog, "DBGrid");
  EXPECT_EQ(grid->rowCount(), 6);
  EXPECT_EQ(table.recordCount(), 6);
  Find<QPushButton>(&dialog, "Button_first")->click();
  Find<QPushButton>(&dialog, "Button_edit")->click();
  auto* editor = grid->viewport()->findChild<QLineEdit*>();
  ASSERT_NE(editor, nullptr);
  editor->setText("Neu");
  Find<QPushButton>(&dialog, "Button_post")->click();
  EXPECT_EQ(table.fieldText(1, 0).substr(0, 3), "Neu");
}

// Delete asks first; cancel drops an open cell edit and a record just inserted; refresh shows
// what another program wrote into the file.
TEST_F(TableBrowserWindow, DeleteCancelAndRefreshInEditMode) {
  TableBrowser browser(table, env, BrowseMode::Edit);
  browser.start();
  TableBrowserDialog dialog(nullptr, browser);
  dialog.show();
  auto* grid = Find<QTableWidget>(&dialog, "DBGrid");
  Find<QPushButton>(&dialog, "Button_next")->click();
  ui.answer("N");
  Find<QPushButton>(&dialog, "Button_delete")->click();
  EXPECT_TRUE(ui.saw("yesno", "Datensatz löschen?"));
  EXPECT_FALSE(table.isDeleted(2));
  ui.answer("J");
  Find<QPushButton>(&dialog, "Button_delete")->click();
  EXPECT_TRUE(table.isDeleted(2));
  EXPECT_EQ(grid->rowCount(), 5);  // edit mode shows the deleted records

  Find<QPushButton>(&dialog, "Button_first")->click();
  Find<QPushButton>(&dialog, "Button_edit")->click();
  auto* editor = grid->viewport()->findChild<QLineEdit*>();
  ASSERT_NE(editor, nullptr);
  editor->setText("Verworfen");
  QTest::mouseClick(Find<QPushButton>(&dialog, "Button_revert"), Qt::LeftButton);
  EXPECT_EQ(table.fieldText(1, 0).substr(0, 7), "A4 Hoch");

  Find<QPushButton>(&dialog, "Button_insert")->click();
  ASSERT_EQ(table.recordCount(), 6);
  Find<QPushButton>(&dialog, "Button_revert")->click();
  EXPECT_EQ(table.recordCount(), 5);
  EXPECT_EQ(grid->rowCount(), 5);
  EXPECT_TRUE(table.isDeleted(2));  // only the new record went

  DbfTable other;
  ASSERT_TRUE(other.open(env, table.path()));
  ASSERT_TRUE(other.writeField(env, 1, 0, "Fremd"));
  EXPECT_NE(grid->item(0, 0)->text().left(5), "Fremd");
  Find<QPushButton>(&dialog, "Button_refresh")->click();
  EXPECT_EQ(grid->item(0, 0)->text().left(5), "Fremd");
}

}  // namespace
}  // namespace kv9
