#include "core/file_util.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <ctime>

#include "support/test_session.h"

namespace kv9 {
namespace {

using test::ReadBytes;
using test::WriteBytes;

TEST(FileNames, PartsOfAPath) {
  EXPECT_EQ(AddBackslash(""), "");
  EXPECT_EQ(AddBackslash("  /tmp "), "/tmp/");
  EXPECT_EQ(AddBackslash("/tmp/"), "/tmp/");
  EXPECT_EQ(AddBackslash("c:"), "c:/");
  EXPECT_EQ(RemoveBackslash("/a/"), "/a");
  EXPECT_EQ(RemoveBackslash("/a"), "/a");
  EXPECT_EQ(BaseName("/x/y/test.kv9"), "test");
  // Derived names lose only the last extension; ":" and "\\" belong to the name.
  EXPECT_EQ(BaseName("x/shaft.v1.kv9"), "shaft.v1");
  EXPECT_EQ(BaseName(".hidden.kv9"), ".hidden");
  EXPECT_EQ(BaseName("x/.hidden"), ".hidden");
  EXPECT_EQ(BaseName("c:run:12.kv9"), "c:run:12");
  EXPECT_EQ(FileNamePart("a\\b/c\\d.kv9"), "c\\d.kv9");
  EXPECT_EQ(NameNoExt("/x/y/test.kv9"), "test");
  EXPECT_EQ(ExtOf("a/b.c/test.kv9"), "kv9");  // the folder's dot does not count
  EXPECT_EQ(ExtOf("noext"), "");
  EXPECT_FALSE(HasDot("dir.d/name"));
  EXPECT_TRUE(HasDot("dir/name.kv9"));
  EXPECT_EQ(DirOf("/a/b/c.txt"), "/a/b/");
  EXPECT_EQ(DirOf("c:x"), "");  // ":" and "\\" are characters of a name
  EXPECT_EQ(DirOf("a\\b/c:d"), "a\\b/");
  EXPECT_EQ(DirOf("c.txt"), "");
  EXPECT_EQ(DriveOf("c:\\x"), "c:");
  EXPECT_EQ(DriveOf("/x"), "");
}

TEST(Folders, WriteProbeAndReachability) {
  test::TempDir dir;
  EXPECT_TRUE(DirReachable(dir.path()));
  EXPECT_TRUE(DirWritable(dir.path()));
  EXPECT_FALSE(FileExists(dir.file("x.$$$")));  // the probe is removed again
  // Someone else's probe file in a shared folder neither fails the test nor goes away.
  WriteBytes(dir.file("x.$$$"), "theirs");
  EXPECT_TRUE(DirWritable(dir.path()));
  EXPECT_EQ(ReadBytes(dir.file("x.$$$")), "theirs");
  EXPECT_FALSE(DirWritable(dir.file("missing")));
  EXPECT_FALSE(DirReachable(dir.file("missing")));
  EXPECT_FALSE(DirReachable(dir.file("x.$$$")));  // a file is no folder
  EXPECT_FALSE(FileReadable(dir.path()));         // and a folder no file
  EXPECT_EQ(CurrentDirectory().back(), '/');
}

TEST(Folders, MasksCountAndDelete) {
  test::TempDir dir;
  for (const char* name : {"$A.dx$", "$B.dx$", "keep.dxf", "KV9.ERR"})
    WriteBytes(dir.file(name), "x");
  EXPECT_EQ(CountFiles(dir.path(), "$*.dx$"), 2);
  EXPECT_TRUE(DeleteByMask(dir.path(), "$*.dx$"));
  EXPECT_EQ(CountFiles(dir.path(), "$*.dx$"), 0);
  EXPECT_TRUE(FileExists(dir.file("keep.dxf")));
  EXPECT_EQ(FindFileNoCase(dir.path(), "kv9.err"), dir.file("KV9.ERR"));
  EXPECT_EQ(FindFileNoCase(dir.path(), "none.err"), dir.file("none.err"));
  DeleteIfExists(dir.file("keep.dxf"));
  DeleteIfExists(dir.file("keep.dxf"));
  EXPECT_FALSE(FileExists(dir.file("keep.dxf")));
}

struct Copies : ::testing::Test {
  test::TestSession t;
  Session& s = t.s;
  test::TempDir dir;
};

TEST_F(Copies, CopyKeepsEveryByteAndSurvivesCopyingOntoItself) {
  std::string bytes;
  for (int i = 0; i < 5000; ++i) bytes += static_cast<char>(i * 7);
  WriteBytes(dir.file("a"), bytes);
  EXPECT_TRUE(CopyFile(s.abort_flag, dir.file("a"), dir.file("b")));
  EXPECT_EQ(ReadBytes(dir.file("b")), bytes);
  EXPECT_TRUE(CopyFile(s.abort_flag, dir.file("a"), dir.file("a")));
  EXPECT_EQ(ReadBytes(dir.file("a")), bytes);
  EXPECT_FALSE(s.abort_flag);
  EXPECT_FALSE(CopyFile(s.abort_flag, dir.file("missing"), dir.file("c")));
  EXPECT_TRUE(s.abort_flag);
  EXPECT_FALSE(FileExists(dir.file("c")));
}

TEST_F(Copies, CopyToDirNamesTheFileThatFailed) {
  WriteBytes(dir.file("a.txt"), "abc");
  mkdir(dir.file("sub").c_str(), 0700);
  EXPECT_TRUE(CopyToDir(DialogsOf(s), dir.file("a.txt"), dir.file("sub")));
  EXPECT_EQ(ReadBytes(dir.file("sub/a.txt")), "abc");
  EXPECT_TRUE(t.ui.events.empty());

  // Names are the platform's UTF-8 bytes and show as they are, umlauts included.
  EXPECT_FALSE(CopyToDir(DialogsOf(s), dir.file("Müller.txt"), dir.file("sub")));
  EXPECT_TRUE(t.ui.saw("error", "Datei " + dir.file("Müller.txt") + " kann nicht geöffnet werden"));
  EXPECT_TRUE(s.abort_flag);
  s.abort_flag = false;
  EXPECT_FALSE(CopyToDir(DialogsOf(s), dir.file("a.txt"), dir.file("no/such/Zähne")));
  EXPECT_TRUE(
      t.ui.saw("error", "Datei " + dir.file("no/such/Zähne") + " kann nicht erstellt werden"));
  EXPECT_TRUE(s.abort_flag);
}

TEST_F(Copies, DatesFollowTheDateCode) {
  // The test session's clock stands at 5 March 2024, 9:07.
  const std::pair<int, const char*> cases[] = {{1, "05.03.2024"},
                                               {2, "03/05/2024"},
                                               {3, "2024/03/05"},
                                               {4, "05/03/2024"},
                                               {7, "2024/03/05"}};
  for (auto [code, text] : cases) {
    s.cfg.date_code = code;
    EXPECT_EQ(TodayText(s.clock, s.cfg.date_code), text) << code;
  }
  EXPECT_EQ(NowTimeText(s.clock), "9:07");
  // File dates are local: noon UTC of 5 March is still that day twelve hours west, and already
  // the next day fourteen hours east.
  for (auto [zone, date] : {std::pair{"UTC12", "2024/03/05"}, std::pair{"UTC-14", "2024/03/06"}}) {
    test::EnvGuard tz("TZ", zone);
    tzset();
    EXPECT_EQ(FileDateText(1709640000), date) << zone;
  }
  tzset();
}

TEST(ReplacingFile, OnlyACompleteFileTakesThePlaceOfARegularOne) {
  test::TempDir dir;
  WriteBytes(dir.file("old"), "old");
  {
    ReplacingFile given_up(dir.file("old"));
    EXPECT_TRUE(given_up.write("half"));
  }
  EXPECT_EQ(ReadBytes(dir.file("old")), "old");
  EXPECT_EQ(CountFiles(dir.path(), ".kv9-*"), 0);  // the new file went with it
  EXPECT_EQ(WriteFileReplacing(dir.file("old"), "new"), 0);
  EXPECT_EQ(ReadBytes(dir.file("old")), "new");

  // A FIFO or a device is never renamed over, not even through a link.
  ASSERT_EQ(mkfifo(dir.file("fifo").c_str(), 0600), 0);
  ASSERT_EQ(symlink(dir.file("fifo").c_str(), dir.file("link").c_str()), 0);
  WritePhase phase = WritePhase::Close;
  EXPECT_NE(WriteFileReplacing(dir.file("link"), "x", &phase), 0);
  EXPECT_EQ(phase, WritePhase::Create);
  struct stat st;
  ASSERT_EQ(stat(dir.file("fifo").c_str(), &st), 0);
  EXPECT_TRUE(S_ISFIFO(st.st_mode));
  EXPECT_NE(WriteFileReplacing(std::string("\0name", 5), "x"), 0);  // no file "" or "name"
  EXPECT_EQ(CountFiles(dir.path(), "*"), 3);
}

TEST(TestClock, FixedOnlyByAWellFormedText) {
  Clock c;
  EXPECT_TRUE(c.fixFromText("2026-12-09 10:30"));
  DateTime d = c.now();
  EXPECT_EQ(d.year, 2026);
  EXPECT_EQ(d.minute, 30);
  EXPECT_FALSE(c.fixFromText("2026-13-09 10:30"));
  EXPECT_FALSE(c.fixFromText("2026-12-09 10:30x"));
  EXPECT_FALSE(c.fixFromText("yesterday"));
  EXPECT_EQ(c.now().month, 12);  // a rejected text changes nothing
}

}  // namespace
}  // namespace kv9
