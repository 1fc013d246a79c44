#include "app/recent_files.h"

#include <gtest/gtest.h>

#include <fstream>

#include "app/data_file_commands.h"
#include "model/data_file.h"
#include "support/report_support.h"
#include "support/test_session.h"

namespace kv9 {
namespace {

using test::ReadBytes;
using test::TempDir;
using test::TestSession;

TEST(RecentFiles, AddMovesAnEntryToTheTopWithoutRepeatingIt) {
  TestSession t;
  t.s.data_dir = "/daten/";
  RecentAdd(t.s, "a");
  RecentAdd(t.s, "b");
  RecentAdd(t.s, "c");
  EXPECT_EQ(t.s.recent_files,
            (std::array<std::string, 4>{"/daten/c.kv9", "/daten/b.kv9", "/daten/a.kv9", ""}));
  RecentAdd(t.s, "/DATEN/A.KV9");  // the third entry, other case: moves, not repeated
  EXPECT_EQ(t.s.recent_files,
            (std::array<std::string, 4>{"/DATEN/A.KV9", "/daten/c.kv9", "/daten/b.kv9", ""}));
  RecentAdd(t.s, "d");
  RecentAdd(t.s, "e");
  EXPECT_EQ(t.s.recent_files, (std::array<std::string, 4>{"/daten/e.kv9", "/daten/d.kv9",
                                                          "/DATEN/A.KV9", "/daten/c.kv9"}));
  RecentRemove(t.s, 2);
  EXPECT_EQ(t.s.recent_files,
            (std::array<std::string, 4>{"/daten/e.kv9", "/DATEN/A.KV9", "/daten/c.kv9", ""}));
  RecentRemove(t.s, 5);  // outside the list: nothing
  EXPECT_EQ(t.s.recent_files[0], "/daten/e.kv9");
}

TEST(RecentFiles, LongNamesAreShortenedInTheMenu) {
  std::string longname = "/home/konstrukteur/projekte/2024/getriebe/wellen/antriebswelle.kv9";
  ASSERT_GE(longname.size(), 50u);
  EXPECT_EQ(ShortenRecentName(longname), "/.../antriebswelle.kv9");
  std::string shorter(49, 'x');
  shorter[0] = '/';
  shorter[10] = '/';
  EXPECT_EQ(ShortenRecentName(shorter), shorter);
  std::string one_slash = "/" + std::string(60, 'y');
  EXPECT_EQ(ShortenRecentName(one_slash), one_slash);
  std::string relative = "daten/" + std::string(40, 'z') + "/datei.kv9";
  EXPECT_EQ(ShortenRecentName(relative), "daten/.../datei.kv9");

  TestSession t;
  t.s.recent_files = {"/a/b.kv9", longname, "", "/a/welle&nabe.kv9"};
  EXPECT_EQ(RecentMenuText(t.s, 1), "&1 /a/b.kv9");
  EXPECT_EQ(RecentMenuText(t.s, 2), "&2 /.../antriebswelle.kv9");
  EXPECT_EQ(RecentMenuText(t.s, 3), "&3 ");
  EXPECT_EQ(RecentMenuText(t.s, 4), "&4 /a/welle&&nabe.kv9");  // shown as one "&"
}

TEST(RecentFiles, FileIsWrittenAndReadBack) {
  TempDir dir;
  TestSession t;
  t.s.cfg.config_dir = dir.path() + "/";
  t.s.data_dir = "/daten/";
  t.s.recent_files = {"/daten/x.kv9", "", "/daten/y.kv9", ""};
  ASSERT_TRUE(WriteRecentFiles(t.s));
  EXPECT_EQ(ReadBytes(dir.file("kv9.cff")),
            "kv9\t Session /daten/\r\n/daten/x.kv9\r\n\r\n/daten/y.kv9\r\n\r\n");
  TestSession back;
  back.s.cfg.config_dir = t.s.cfg.config_dir;
  back.s.recent_files[0] = "vorher";
  ReadRecentFiles(back.s);
  EXPECT_EQ(back.s.recent_files, t.s.recent_files);
}

TEST(RecentFiles, MissingFileGivesFourEmptyEntries) {
  TempDir dir;
  TestSession t;
  t.s.cfg.config_dir = dir.path() + "/";
  t.s.recent_files = {"a", "b", "c", "d"};
  ReadRecentFiles(t.s);
  for (const auto& entry : t.s.recent_files) EXPECT_EQ(entry, "");
}

TEST(RecentFiles, UnwritableFileIsReportedOnceAndTheProgramGoesOn) {
  // A folder below a plain file can be neither made nor written, even by root.
  TempDir dir;
  std::ofstream(dir.file("plain"));
  TestSession t;
  t.s.cfg.config_dir = dir.file("plain") + "/kv9/";
  EXPECT_FALSE(WriteRecentFiles(t.s));
  EXPECT_EQ(t.ui.texts("error"), std::vector<std::string>{"Programmdiskette einlegen !"});
  EXPECT_EQ(t.ui.unanswered, 0);
}

TEST(RecentFiles, OpenReadsTheEntryAndMovesItToTheTop) {
  TempDir dir;
  TestSession writer;
  writer.s.ds.N = 31;
  writer.s.data_dir = dir.path() + "/";
  ASSERT_TRUE(SaveDataFile(writer.s, "eins"));

  TestSession t;
  std::string full = dir.file("eins.kv9");
  t.s.recent_files = {dir.file("fehlt.kv9"), full, "", ""};
  EXPECT_FALSE(RecentOpen(t.s, 1));
  EXPECT_EQ(t.ui.texts("error"),
            std::vector<std::string>{"File " + dir.file("fehlt.kv9") + " not found !"});
  EXPECT_EQ(t.s.recent_files[0], full);  // the missing entry is gone

  t.s.modified = true;
  t.s.current_file = "offen";
  t.ui.answer("N");  // do not save the open data set
  EXPECT_TRUE(RecentOpen(t.s, 1));
  EXPECT_EQ(t.s.ds.N, 31);
  EXPECT_EQ(t.s.current_file, "eins");
  EXPECT_EQ(t.s.data_dir, dir.path() + "/");
  EXPECT_FALSE(t.s.modified);
  EXPECT_EQ(t.s.recent_files[0], full);
  EXPECT_EQ(t.s.recent_files[1], "");
  EXPECT_TRUE(t.ui.saw("refresh", ""));
}

TEST(RecentFiles, OpenStopsWhenTheUserCancelsTheSaveQuestion) {
  TestSession t;
  t.s.modified = true;
  t.s.recent_files = {"/irgendwo/a.kv9", "", "", ""};
  t.ui.cancel();
  EXPECT_FALSE(RecentOpen(t.s, 1));
  EXPECT_TRUE(t.s.abort_flag);
  EXPECT_EQ(t.s.recent_files[0], "/irgendwo/a.kv9");
}

}  // namespace
}  // namespace kv9
