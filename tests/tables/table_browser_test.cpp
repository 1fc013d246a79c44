#include "tables/table_browser.h"
#include "tables/table_exchange.h"
#include "tables/table_fixture.h"

namespace kv9 {
namespace {

struct TableBrowserTest : test::TableTest {
  DbfTable t;
  void SetUp() override {
    ASSERT_TRUE(t.open(env, table("parts.dbf", {"Welle", "Nabe", "Passfeder", "Nabe 2"})));
    t.setTitles("Teile", "Liste");
  }
};

TEST_F(TableBrowserTest, TheCaptionAndTheControlsFollowTheMode) {
  TableBrowser select(t, env, BrowseMode::Select), edit(t, env, BrowseMode::Edit);
  EXPECT_EQ(select.caption(), "Teile   Liste");
  EXPECT_EQ(edit.caption(), "Teile  Liste  (" + t.path() + ")");
  EXPECT_FALSE(select.controls().edit_buttons || select.controls().record_menu ||
               select.controls().append_menu || select.controls().edit_menu);
  EXPECT_TRUE(edit.controls().edit_buttons && edit.controls().record_menu &&
              edit.controls().append_menu && edit.controls().deleted_records);
  EXPECT_FALSE(select.editCell(0, 0, "x") || select.appendRecord());
}

TEST_F(TableBrowserTest, SelectModeHidesDeletedRecordsAndOkKeepsTheChosenRecord) {
  ASSERT_TRUE(t.setDeleted(env, 2, true));
  TableBrowser edit(t, env, BrowseMode::Edit);
  EXPECT_EQ(edit.rowCount(), 4);
  EXPECT_TRUE(edit.rowDeleted(1));
  bool chosen = Browse(t, env, BrowseMode::Select, [](TableBrowser& b) {
    EXPECT_EQ(b.rowCount(), 3);
    EXPECT_EQ(b.row(1), (std::vector<std::string>{"Passfeder", "3.00"}));
    b.next();
    EXPECT_EQ(b.counterText(), "3/4");
    return true;
  });
  EXPECT_TRUE(chosen);
  EXPECT_EQ(t.recordNumber(), 3);
  EXPECT_FALSE(abort_flag);
  EXPECT_FALSE(Browse(t, env, BrowseMode::Select, [](TableBrowser& b) {
    b.last();
    return false;
  }));
  EXPECT_TRUE(abort_flag);
  EXPECT_EQ(t.recordNumber(), 3);
}

TEST_F(TableBrowserTest, SearchFindsInAnyFieldAndSearchNextGoesOnUntilNothingIsLeft) {
  TableBrowser b(t, env, BrowseMode::Select);
  ui.answer("nabe");
  b.search();
  EXPECT_EQ(b.currentRecord(), 2);
  b.searchNext();
  EXPECT_EQ(b.currentRecord(), 4);
  b.searchNext();
  EXPECT_EQ(b.currentRecord(), 4);
  EXPECT_TRUE(ui.saw("note", "nabe nicht gefunden"));
  ui.answer("Zahnrad");
  b.search();
  EXPECT_TRUE(ui.saw("note", "Zahnrad nicht gefunden"));
}

TEST_F(TableBrowserTest, EditsReachTheFileAndABadNumberIsRefused) {
  TableBrowser b(t, env, BrowseMode::Edit);
  EXPECT_TRUE(b.editCell(0, 1, "12,5"));
  EXPECT_FALSE(b.editCell(0, 1, "1234567"));
  EXPECT_TRUE(abort_flag);
  ASSERT_TRUE(b.appendRecord());
  EXPECT_EQ(b.counterText(), "5/5");
  DbfTable again;
  ASSERT_TRUE(again.open(env, t.path()));
  EXPECT_EQ(again.fieldText(1, 1), "12.50");
  EXPECT_EQ(again.recordCount(), 5);
}

TEST_F(TableBrowserTest, DelimitedTextAndAnotherTableAppendTheirRecords) {
  std::string text = dbf.file("parts.txt");
  ui.answer(text);
  TableBrowser(t, env, BrowseMode::Select).saveDelimited();
  EXPECT_EQ(test::ReadBytes(text).substr(0, 26), "\"name\",\"n\"\r\n\"Welle\",1.00\r\n");

  DbfTable other;
  ASSERT_TRUE(other.open(env, table("other.dbf", {})));
  ASSERT_TRUE(AppendFromDelimited(env, other, text));
  ASSERT_TRUE(AppendFromDbf(env, other, t.path()));
  ASSERT_EQ(other.recordCount(), 8);
  EXPECT_EQ(other.fieldText(3, 0), "Passfeder");
  EXPECT_EQ(other.fieldText(8, 1), "4.00");

  // Columns in another order and separator, a quoted separator; a value too wide stops it all.
  test::WriteBytes(text, "n;name\r\n7;\"a;b\"\r\n");
  ASSERT_TRUE(AppendFromDelimited(env, other, text));
  EXPECT_EQ(other.fieldText(9, 0), "a;b");
  EXPECT_EQ(other.fieldText(9, 1), "7.00");
  test::WriteBytes(text, "x,1\ny,1000000\n");
  EXPECT_FALSE(AppendFromDelimited(env, other, text));
  EXPECT_EQ(other.recordCount(), 9);
}

TEST_F(TableBrowserTest, TheHtmlPageAndThePrintoutShowTheRecords) {
  ASSERT_TRUE(t.writeField(env, 1, 0, "W<1> & N\x84"));
  std::string page = dbf.file("parts.htm");
  ASSERT_TRUE(ExportTableHtml(env, t, "Teile", page));
  std::string html = test::ReadBytes(page);
  EXPECT_NE(html.find("<meta charset=\"utf-8\">"), std::string::npos);
  EXPECT_NE(html.find("<TD>W&lt;1&gt; &amp; Nä</TD><TD ALIGN=RIGHT>1.00</TD>"), std::string::npos);

  env.lines_per_page = 6;  // four head lines and two records a page
  TableBrowser(t, env, BrowseMode::Select).print();
  auto lines = test::Lines(ui.printed);
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "\f"), 2);
  EXPECT_EQ(lines[0], "Teile   Liste");
  EXPECT_EQ(lines[2], "name         n");
  EXPECT_EQ(lines[5], "Nabe           2.00");
  EXPECT_EQ(lines[7], "Teile   Liste");
  EXPECT_FALSE(std::filesystem::exists(scratch.file("$DBF.TXT")));
}

}  // namespace
}  // namespace kv9
