#include "help/help_texts.h"

#include <gtest/gtest.h>

#include "help/help_fixture.h"

namespace kv9 {
namespace {

using test::HelpFixture;
using Lines = std::vector<std::string>;

TEST(HelpTexts, SubEntriesBelongToTheirEntryUpToTheNextOne) {
  HelpFixture f;
  f.write("taviron.hlp",
          "1205\r\nvorher\r\n1210\r\nerste Zeile\r\n1211\r\nzweite Zeile\r\n1215\r\nnicht dabei\r\n"
          "1220\r\neins\r\n121x ist Text\r\n1224\r\nfremde Nummer\r\n1223\r\nvier\r\n");
  EXPECT_EQ(LookupHelp(f.plt, 1210).lines, (Lines{"erste Zeile", "zweite Zeile"}));
  // A sub-entry whose number is not entry + k is skipped with its text.
  EXPECT_EQ(LookupHelp(f.plt, 1220).lines, (Lines{"eins", "121x ist Text", "vier"}));
  ShowHelp(f.h, 1210, kHelpTextOnly);
  ASSERT_EQ(f.ui.events.size(), 1u);
  EXPECT_EQ(f.ui.events[0].kind, "titled");
  EXPECT_EQ(f.ui.events[0].caption, "HILFETEXT Nr.1210");
  EXPECT_EQ(f.ui.events[0].text, "erste Zeile zweite Zeile ");
  EXPECT_FALSE(f.abort_flag);
}

TEST(HelpTexts, NumbersFrom4000AreLookedUpInTheProgramsOwnFile) {
  HelpFixture f;
  f.write("KV9.HLP", "4005\r\neigener Text\r\n");
  f.write("taviron.hlp", "3995\r\nallgemeiner Text\r\n4005\r\nfalsche Datei\r\n");
  EXPECT_EQ(LookupHelp(f.plt, 4005).lines, (Lines{"eigener Text"}));
  EXPECT_EQ(LookupHelp(f.plt, 3995).lines, (Lines{"allgemeiner Text"}));
}

TEST(HelpTexts, AnEntryWithAPictureShowsTextAndPictureInMode0) {
  HelpFixture f;
  f.write("taviron.hlp", "1970:ERR1\r\nText zum Bild\r\n1975:NULL\r\nohne Bild\r\n");
  f.write("err1.plt", "SP1;PU0,0;PD400,0;");
  ShowHelp(f.h, 1970, kHelpTextAndPicture);
  EXPECT_TRUE(f.ui.saw("titled", "Text zum Bild "));
  EXPECT_EQ(f.commands("4;"), (Lines{"4;0;0;10;0"}));
  EXPECT_TRUE(f.ui.saw("refresh", ""));
  EXPECT_FALSE(f.abort_flag);

  // Mode 2 for the current number: the window is cleared, no text box; "NULL" names no picture.
  f.ui.events.clear();
  SetHelpNumber(f.h, 1975);
  f.abort_flag = true;
  ShowHelp(f.h, 0, kHelpPictureOnly);
  EXPECT_TRUE(f.commands("4;").empty());
  EXPECT_FALSE(f.commands("10;").empty());
  EXPECT_TRUE(f.ui.texts("titled").empty());
  EXPECT_FALSE(f.abort_flag);
}

TEST(HelpTexts, AnEntryShowsAtMostFiveLines) {
  HelpFixture f;
  f.write("kv9.hlp", "5030\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n");
  EXPECT_EQ(LookupHelp(f.plt, 5030).lines, (Lines{"1", "2", "3", "4", "5"}));
}

TEST(HelpTexts, MissingFilesAndEntriesGiveTheirMessages) {
  HelpFixture f;
  EXPECT_EQ(HelpText(f.plt, 1210), "Datei " + f.plt + "taviron.hlp nicht gefunden !");
  f.write("taviron.hlp", "1210\r\nGr\x94\xE1" "e\r\n1211\r\nund mehr\r\n");
  EXPECT_EQ(HelpText(f.plt, 1230), "Hilfetext Nr 1230: keine Hilfe vorhanden.");
  EXPECT_EQ(HelpText(f.plt, 1210), "Größe und mehr");
  // A picture the entry names that is not there: the message, over an empty window.
  f.write("taviron.hlp", "1210:fehlt\r\nText\r\n");
  ShowHelp(f.h, 1210, kHelpPictureOnly);
  EXPECT_TRUE(f.ui.saw("error", "Datei " + f.plt + "fehlt.plt nicht gefunden !"));
}

}  // namespace
}  // namespace kv9
