#include <gtest/gtest.h>
#include <sys/stat.h>

#include "core/message_list.h"
#include "report/error_file.h"
#include "support/test_session.h"

namespace kv9 {
namespace {

struct ErrorFile : ::testing::Test {
  test::TestSession t;
  Session& s = t.s;
  test::TempDir plt;
  ErrorFile() { s.cfg.plt_dir = plt.dir(); }
  void file(const std::string& name, const std::string& text) {
    test::WriteBytes(plt.file(name), text);
  }
};

TEST_F(ErrorFile, WithoutTheFileCauseAndRemedyAreEmpty) {
  MessageAdd(s.messages, "Fatal  : z = 0 !");
  EXPECT_EQ(MessageCause(s.reportContext(), 1), "");
  EXPECT_EQ(MessageRemedy(s.reportContext(), 1), "");
  EXPECT_FALSE(LookupErrorDescription(s.cfg, "Fatal  : z = 0 !").file_found);
}

TEST_F(ErrorFile, TheFirstEntryWithTheSameFourteenCharactersDescribesTheMessage) {
  file("KV9.ERR",  // any case of the name
       "Fatal  : z = 0 ! (Zaehnezahl)\r\n"
       "Zaehnezahl ist 0\r\n"
       "Zaehnezahl eingeben\r\n"
       "Fatal  : z = 0 ! zweiter Eintrag\r\n"
       "nie gelesen\r\n"
       "nie gelesen\r\n");
  MessageAdd(s.messages, "Fatal  : z = 0 !");
  MessageAdd(s.messages, "Fatal  : z = 0 ? anders");  // same first 14 characters
  EXPECT_EQ(MessageCause(s.reportContext(), 1), "Zaehnezahl ist 0");
  EXPECT_EQ(MessageRemedy(s.reportContext(), 1), "Zaehnezahl eingeben");
  EXPECT_EQ(MessageCause(s.reportContext(), 2), "Zaehnezahl ist 0");
  EXPECT_EQ(MessageRemedy(s.reportContext(), 2), "Zaehnezahl eingeben");
  EXPECT_EQ(MessageCause(s.reportContext(), 3), "");  // no message 3
}

TEST_F(ErrorFile, AKeyThatEqualsACauseLineTakesTheTwoLinesAfterIt) {
  file("kv9.err",
       "Fehler : DmMess\n"
       "Warnung: Sv min zu klein\n"  // the cause of the first entry
       "Abhilfe eins\n"
       "Ursache zwei\n"
       "Warnung: Sv min zu klein\n"
       "nie gelesen\n");
  MessageAdd(s.messages, "Warnung: Sv min zu klein");
  EXPECT_EQ(MessageCause(s.reportContext(), 1), "Abhilfe eins");
  EXPECT_EQ(MessageRemedy(s.reportContext(), 1), "Ursache zwei");
}

TEST_F(ErrorFile, FileEndingAfterTheKeyGivesEmptyTexts) {
  file("kv9.err", "Fehler : A\nUrsache A\nAbhilfe A\nFehler : DmMess");
  MessageAdd(s.messages, "Fehler : DmMess");
  MessageAdd(s.messages, "Fehler : A");
  ErrorDescription d = LookupErrorDescription(s.cfg, "Fehler : DmMess");
  EXPECT_TRUE(d.matched);
  EXPECT_EQ(MessageCause(s.reportContext(), 1), "");
  EXPECT_EQ(MessageRemedy(s.reportContext(), 1), "");
  EXPECT_EQ(MessageCause(s.reportContext(), 2), "Ursache A");

  file("kv9.err", "Fehler : DmMess\nnur Ursache\n");
  EXPECT_EQ(MessageCause(s.reportContext(), 1), "nur Ursache");
  EXPECT_EQ(MessageRemedy(s.reportContext(), 1), "");
}

TEST_F(ErrorFile, AMessageWithoutEntryHasTheStandardCause) {
  file("kv9.err", "Fehler : A\nUrsache A\nAbhilfe A\n");
  MessageAdd(s.messages, "Warnung: unbekannt");
  EXPECT_EQ(MessageCause(s.reportContext(), 1), "keine Beschreibung dieser Fehlermeldung vorhanden.");
  EXPECT_EQ(MessageRemedy(s.reportContext(), 1), "");
  ErrorDescription d = LookupErrorDescription(s.cfg, "Warnung: unbekannt");
  EXPECT_TRUE(d.file_found);
  EXPECT_FALSE(d.matched);
}

TEST_F(ErrorFile, AFolderNamedLikeTheFileIsNoFile) {
  test::TempDir other;
  s.cfg.plt_dir = other.dir();
  ASSERT_EQ(mkdir(other.file("kv9.err").c_str(), 0700), 0);
  MessageAdd(s.messages, "Fehler : A");
  EXPECT_EQ(MessageCause(s.reportContext(), 1), "");
}

}  // namespace
}  // namespace kv9
