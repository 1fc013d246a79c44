#include "help/picture_database.h"

#include <gtest/gtest.h>

#include "core/file_util.h"
#include "help/help_fixture.h"

namespace kv9 {
namespace {

using test::HelpFixture;
using Lines = std::vector<std::string>;

TEST(PictureDatabase, QuotedFieldsTheFieldErrorAndTheEntryLimit) {
  PictureDatabase db =
      ParsePictureDatabase("\"durchm\",\"Durchmesser\"\r\n,\"b\",\"c\"\r\n\r\nx\",\"y\"\r\n");
  ASSERT_EQ(db.entries.size(), 3u);
  EXPECT_EQ(db.entries[0].name, "durchm");
  EXPECT_EQ(db.entries[0].description, "Durchmesser");
  EXPECT_EQ(db.entries[1].name, "b");
  EXPECT_EQ(db.entries[2].name, "x");  // read on to the quote, after the error
  EXPECT_EQ(db.entries[2].description, "y");
  EXPECT_EQ(db.entry_lines, (std::vector<std::size_t>{0, 1, 3}));
  EXPECT_TRUE(db.field_error);
  EXPECT_FALSE(ParsePictureDatabase("\"a\",\"b\"\n").field_error);

  std::string many;
  for (int i = 0; i < 131; ++i) many += "\"p" + std::to_string(i) + "\",\"" + std::string(70, 'd') + "\"\r\n";
  db = ParsePictureDatabase(many);
  EXPECT_EQ(db.entries.size(), 130u);
  EXPECT_EQ(db.lines.size(), 131u);
  Lines items = PictureItems({{"ab", std::string(70, 'd')}, {"langername", "x"}});
  EXPECT_EQ(items[0], "ab      : " + std::string(65, 'd'));
  EXPECT_EQ(items[1], "langername: x");
}

struct BrowserFixture : HelpFixture {
  test::TempDir scratch;
  std::string db() const { return test::ReadBytes(dir.file("kv9.dbh")); }
  BrowserFixture() {
    write("kv9.dbh", "\"a\",\"Bild A\"\r\n\"b\",\"Bild B\"\r\n");
    write("a.plt", "PU0,0;PD400,0;");
    write("b.plt", "PU0,0;PD0,400;");
    write("c.plt", "PU0,0;PD400,400;");
  }
};

TEST(PictureBrowser, NewInsertChangeAndDeleteRewriteTheDatabase) {
  BrowserFixture f;
  HelpPictureBrowser browser(f.h, f.scratch.path());
  ASSERT_TRUE(browser.open());
  EXPECT_EQ(f.commands("4;"), (Lines{"4;0;0;10;0"}));  // picture 1 at once
  Lines items = browser.items();
  ASSERT_EQ(items.size(), 7u);
  EXPECT_EQ(items[1], "b       : Bild B");
  EXPECT_EQ(items[4], "-----  Ändern  ------");

  f.ui.answer(f.dir.file("c.plt"));
  f.ui.answer("Neu");
  browser.choose(browser.pictureCount());  // "Erweitern"
  EXPECT_EQ(f.db(), "\"a\",\"Bild A\"\r\n\"b\",\"Bild B\"\r\n\"c\",\"Neu\"\r\n");

  f.ui.answer("2");
  f.ui.answer(f.dir.file("c.plt"));
  f.ui.answer("Davor");
  browser.insert();
  EXPECT_EQ(f.db(), "\"a\",\"Bild A\"\r\n\"c\",\"Davor\"\r\n\"b\",\"Bild B\"\r\n\"c\",\"Neu\"\r\n");

  browser.next();
  EXPECT_EQ(browser.current(), 1);
  f.ui.answer("cc");
  f.ui.answer("Geändert");  // typed in the display set, stored in code page 850
  browser.change();
  EXPECT_EQ(f.db(), "\"a\",\"Bild A\"\r\n\"cc\",\"Ge\x84ndert\"\r\n\"b\",\"Bild B\"\r\n\"c\",\"Neu\"\r\n");

  f.ui.answer("N");  // not the current picture: the line chosen from the list
  f.ui.answer("3");
  browser.remove();
  f.ui.answer("J");
  browser.remove();
  EXPECT_EQ(f.db(), "\"a\",\"Bild A\"\r\n\"c\",\"Neu\"\r\n");
  EXPECT_EQ(browser.pictureCount(), 2);
  EXPECT_FALSE(FileExists(f.scratch.file(kPictureScratchFile)));
  EXPECT_EQ(f.ui.unanswered, 0);

  // Cancel changes nothing and sets the abort flag.
  f.ui.cancel();
  browser.append();
  EXPECT_TRUE(f.abort_flag);
  EXPECT_EQ(f.db(), "\"a\",\"Bild A\"\r\n\"c\",\"Neu\"\r\n");
}

TEST(PictureBrowser, LinesBeyondTheEntryLimitSurviveARewrite) {
  BrowserFixture f;
  std::string many;
  for (int i = 0; i < 132; ++i) many += "\"p" + std::to_string(i) + "\",\"d\"\r\n";
  f.write("kv9.dbh", many);
  HelpPictureBrowser browser(f.h, f.scratch.path());
  ASSERT_TRUE(browser.open());
  f.ui.answer("J");
  browser.remove();
  auto lines = test::Lines(f.db());
  ASSERT_EQ(lines.size(), 131u);
  EXPECT_EQ(lines[0], "\"p1\",\"d\"");
  EXPECT_EQ(lines[130], "\"p131\",\"d\"");
}

TEST(PictureBrowser, PrintsAPictureToThePortWithOrWithoutTheControlSequence) {
  BrowserFixture f;
  const std::string port = f.scratch.file("port");
  test::WriteBytes(port, "");
  HelpPictureBrowser browser(f.h, f.scratch.path(), port);
  ASSERT_TRUE(browser.open());
  f.ui.answer("2");
  f.ui.answer("5");  // outside 1..4: asked again
  f.ui.answer("2");
  f.ui.answer("J");
  browser.choose(browser.pictureCount() + 4);
  EXPECT_EQ(test::ReadBytes(port), "\x1B" "E\x1B%0BPU0,0;PD0,400;\x1B%0A\x1B" "E");
  EXPECT_TRUE(f.ui.saw("error", "Gültiger Wertebereich: 1 .. 4 !"));
  EXPECT_TRUE(f.ui.saw("note", "Hilfebild wird ausgegeben .."));

  f.ui.answer("1");
  f.ui.answer("1");
  f.ui.answer("N");
  browser.print();
  EXPECT_EQ(test::ReadBytes(port), "PU0,0;PD400,0;");
  EXPECT_FALSE(f.abort_flag);

  HelpPictureBrowser nowhere(f.h, f.scratch.path(), f.scratch.file("no/port"));
  ASSERT_TRUE(nowhere.open());
  for (const char* a : {"1", "1", "J"}) f.ui.answer(a);
  nowhere.print();
  EXPECT_TRUE(f.abort_flag);
  EXPECT_TRUE(f.ui.saw("error", "Datei " + f.scratch.file("no/port") + " kann nicht geöffnet werden"));
}

TEST(PictureBrowser, WithoutADatabaseTheChosenPictureIsDrawnAndItsFolderKept) {
  HelpFixture f;
  test::TempDir other;
  test::WriteBytes(other.file("x.plt"), "PU0,0;PD400,0;");
  HelpPictureBrowser browser(f.h, "");
  f.ui.answer(other.file("x.plt"));
  EXPECT_FALSE(browser.open());
  EXPECT_EQ(f.plt, other.dir());
  EXPECT_EQ(f.commands("4;"), (Lines{"4;0;0;10;0"}));
}

}  // namespace
}  // namespace kv9
