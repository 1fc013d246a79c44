#include "core/process.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <thread>

#include "support/test_session.h"

namespace kv9 {
namespace {

using test::ReadBytes;
using test::WriteBytes;

void WriteProgram(const std::string& path, const std::string& content, mode_t mode) {
  WriteBytes(path, content);
  ASSERT_EQ(chmod(path.c_str(), mode), 0);
}

// The started program is not waited for; its output file appears when it has run (the bound
// only keeps a broken start from hanging the test).
std::string AwaitFile(const std::string& path) {
  for (int i = 0; i < 3000 && !std::filesystem::exists(path); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  return std::filesystem::exists(path) ? ReadBytes(path) : std::string("(not written)");
}

TEST(StartProgram, RunsTheSplitCommandLineInASessionOfItsOwn) {
  test::TempDir dir;
  // The script records its arguments and whether it leads its own session; it is written
  // under another name and renamed, so the test never reads half a file.
  const std::string script = dir.file("record args");
  WriteProgram(
      script,
      "#!/bin/sh\n"
      "printf '%s|' \"$@\" > \"$0.part\"\n"
      "[ \"$(cut -d' ' -f6 /proc/$$/stat)\" = \"$$\" ] && echo own-session >> \"$0.part\"\n"
      "mv \"$0.part\" \"$0.out\"\n",
      0755);
  StartResult started = StartDetached(SplitCommandLine("\"" + script + "\" \"a b\"  c"));
  EXPECT_TRUE(started.ok()) << StartResultText(started);
  EXPECT_EQ(AwaitFile(script + ".out"), "a b|c|own-session\n");
}

TEST(StartProgram, FailedStartsGiveTheirTexts) {
  test::TempDir dir;
  EXPECT_EQ(StartResultText(StartDetached({})), "file not found");
  EXPECT_EQ(StartResultText(StartDetached({"kv9-no-such-program"})), "file not found");
  EXPECT_EQ(StartResultText(StartDetached({dir.file("missing")})), "file not found");
  // No shell steps in for a file without an executable format.
  WriteProgram(dir.file("plain"), "echo run > ran\n", 0755);
  EXPECT_EQ(StartResultText(StartDetached({dir.file("plain")})), "Exec error 8");
  WriteProgram(dir.file("no-run-bit"), "#!/bin/sh\n", 0644);
  EXPECT_EQ(StartResultText(StartDetached({dir.file("no-run-bit")})), "Exec error 13");
  EXPECT_EQ(StartResultText(StartResultOf(ENOMEM)), "out of memory !");
  EXPECT_TRUE(StartResultOf(0).ok());
}

TEST(StartProgram, ProgramExistsLooksInPath) {
  test::TempDir dir;
  WriteProgram(dir.file("tool"), "#!/bin/sh\necho ran > \"$0.ran\"\n", 0755);
  WriteProgram(dir.file("data"), "", 0644);
  test::EnvGuard path("PATH", ("/nonexistent::" + dir.path()).c_str());
  EXPECT_TRUE(ProgramExists("tool \"a file\""));
  EXPECT_FALSE(ProgramExists("data"));
  EXPECT_FALSE(ProgramExists("sh"));  // not in this PATH
  EXPECT_TRUE(ProgramExists(dir.file("tool")));
  EXPECT_FALSE(ProgramExists(dir.file("data")));
  EXPECT_FALSE(ProgramExists(""));
  // The start finds what the check finds.
  EXPECT_TRUE(StartDetached({"tool"}).ok());
  EXPECT_EQ(AwaitFile(dir.file("tool.ran")), "ran\n");
}

}  // namespace
}  // namespace kv9
