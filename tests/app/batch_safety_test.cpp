// The batch runs of the built program under the conditions of a shared server: runs at once,
// strangers' files in the temporary folder, outputs that fail half-way, signals, hostile names
// and values, configurations that are no files, full output streams.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <set>
#include <sstream>
#include <thread>

#include "model/config_file.h"
#include "support/examples.h"
#include "support/program_run.h"
#include "support/test_session.h"
#include "support/traced_run.h"

namespace kv9 {
namespace {

namespace fs = std::filesystem;
using test::ProgramRun;
using test::Quoted;
using test::ReadBytes;
using test::WriteBytes;

// The batch outputs of "start.kv9", each written over an old file in the tests below.
struct OutputKind {
  const char* option;
  const char* name;
};
const OutputKind kKinds[] = {{"/I", "start.txt"},          {"/CAD1:13", "start.dxf"},
                             {"/CAD2:13", "start.igs"},    {"/CAD5:13", "start.txt"},
                             {"/CUT1", "start_shaft.dxf"}, {"/CUT2", "start_hub.dxf"}};

struct BatchSafety : ::testing::Test {
  test::TempDir home, temp, work;

  std::string env() const {
    return "TEMP=" + Quoted(temp.path()) + " TMPDIR=" + Quoted(temp.path());
  }
  ProgramRun run(const std::vector<std::string>& args, const std::string& setup = "") {
    return test::RunWkv9(work.path(), home.path(), args, env(), setup);
  }
  test::SignalledRun runSignalled(const std::vector<std::string>& args, int sig) {
    return test::RunWkv9SignalledAtFirstWrite(work.path(), home.path(), args, work.path(), sig,
                                              env());
  }
  // An example data file in `dir` under `name`, line `line` (1-based) replaced when given.
  static void example(const std::string& dir, const std::string& from, const std::string& name,
                      int line = 0, const std::string& text = "") {
    std::string bytes = ReadBytes(test::ExamplePath(from));
    if (line > 0) {
      std::size_t start = 0;
      for (int i = 1; i < line; ++i) start = bytes.find('\n', start) + 1;
      bytes.replace(start, bytes.find('\r', start) - start, text);
    }
    WriteBytes(dir + "/" + name, bytes);
  }
  // The report of one run alone, in a folder of its own: what every run must give.
  std::string aloneReport(const std::string& from, const std::string& name) {
    test::TempDir alone;
    example(alone.path(), from, name);
    EXPECT_EQ(test::RunWkv9(alone.path(), home.path(), {name, "/I"}).exit_code, 0);
    return ReadBytes(alone.file(fs::path(name).stem().string() + ".txt"));
  }
  void writeConfig(void (*change)(Config&)) {
    test::TestSession w;
    change(w.s.cfg);
    std::ostringstream text;
    WriteConfigStream(w.s.cfg, text);
    fs::create_directories(home.file(".config/kv9"));
    WriteBytes(home.file(".config/kv9/kv9.cfg"), text.str());
  }
  std::set<std::string> workFiles() const {
    std::set<std::string> names;
    for (const auto& e : fs::directory_iterator(work.path())) names.insert(e.path().filename());
    return names;
  }
  bool tempIsEmpty() const { return fs::is_empty(temp.path()); }
};

TEST_F(BatchSafety, SimultaneousTextRunsEachWriteTheirOwnReport) {
  std::vector<test::Wkv9Run> runs;
  std::vector<std::string> expected;
  for (int i = 0; i < 20; ++i) {
    const std::string& from = test::ExampleNames()[i % test::ExampleNames().size()];
    std::string name = "c" + std::to_string(i) + ".kv9";
    example(work.path(), from, name);
    expected.push_back(aloneReport(from, name));
    runs.push_back({work.path(), {name, "/I"}});
  }
  // Twenty more on one data file, each from a folder of its own, so every report can be read.
  example(work.path(), "side_fit_30", "same.kv9");
  std::string same = aloneReport("side_fit_30", "same.kv9");
  for (int i = 0; i < 20; ++i) {
    fs::create_directory(work.file("w" + std::to_string(i)));
    runs.push_back({work.file("w" + std::to_string(i)), {"../same.kv9", "/I"}});
  }
  auto results = test::RunWkv9Together(home.path(), runs, env());
  for (const ProgramRun& r : results) EXPECT_EQ(r.exit_code, 0) << r.err;
  for (int i = 0; i < 20; ++i) {
    EXPECT_EQ(ReadBytes(work.file("c" + std::to_string(i) + ".txt")), expected[i]) << i;
    EXPECT_EQ(ReadBytes(work.file("w" + std::to_string(i) + "/same.txt")), same) << i;
  }
  EXPECT_TRUE(tempIsEmpty());
}

TEST_F(BatchSafety, StrangersFilesInTheTemporaryFolderChangeNothing) {
  example(work.path(), "start", "start.kv9");
  const std::string expected = aloneReport("start", "start.kv9");
  const std::string planted = temp.file("$$$1.txt");
  test::TempDir elsewhere;
  WriteBytes(elsewhere.file("victim"), "victim");
  auto check = [&](const char* what) {
    ProgramRun r = run({"start.kv9", "/I"});
    EXPECT_EQ(r.exit_code, 0) << what << r.err;
    EXPECT_EQ(ReadBytes(work.file("start.txt")), expected) << what;
    for (const auto& e : fs::directory_iterator(temp.path()))  // nothing of the run's is left
      EXPECT_EQ(e.path().filename().string().rfind("$$$1.txt", 0), 0u) << what << e.path();
  };

  ASSERT_EQ(symlink(elsewhere.file("victim").c_str(), planted.c_str()), 0);
  check("a planted link");
  EXPECT_EQ(ReadBytes(elsewhere.file("victim")), "victim");
  fs::remove(planted);

  WriteBytes(planted, "theirs");
  chmod(planted.c_str(), 0444);
  if (getuid() == 0 && chown(planted.c_str(), 65534, 65534) != 0) ADD_FAILURE() << "chown";
  check("another owner's file");
  EXPECT_EQ(ReadBytes(planted), "theirs");

  std::atomic<bool> done{false};
  std::thread rewriter([&] {
    std::error_code ec;
    while (!done) {
      WriteBytes(temp.file("$$$1.txt.new"), "hostile text");
      fs::rename(temp.file("$$$1.txt.new"), planted, ec);
    }
  });
  check("a file rewritten all the time");
  done = true;
  rewriter.join();
}

TEST_F(BatchSafety, AnOutputThatFailsPartWayLeavesTheOldOne) {
  example(work.path(), "start", "start.kv9");
  for (const OutputKind& k : kKinds) {
    const std::string name = k.name;
    WriteBytes(work.file(name), "old output\n");
    auto expectOldFileAlone = [&](const char* what) {
      EXPECT_EQ(ReadBytes(work.file(name)), "old output\n") << k.option << what;
      EXPECT_EQ(workFiles(), (std::set<std::string>{"start.kv9", name})) << k.option << what;
      EXPECT_TRUE(tempIsEmpty()) << k.option << what;
    };
    // A file-size limit stops the writing after the first kilobyte or so.
    ProgramRun r = run({"start.kv9", k.option}, "ulimit -f 1");
    EXPECT_EQ(r.exit_code, 1) << k.option;
    EXPECT_NE(r.err.find("Datei " + name), std::string::npos) << k.option << r.err;
    expectOldFileAlone(" with a size limit");
    // Ended by SIGTERM while it writes its output.
    test::SignalledRun sig = runSignalled({"start.kv9", k.option}, SIGTERM);
    if (!sig.available) GTEST_SKIP() << "no ptrace on this machine";
    EXPECT_TRUE(sig.signalled) << k.option;
    EXPECT_TRUE(WIFSIGNALED(sig.status) && WTERMSIG(sig.status) == SIGTERM) << k.option;
    expectOldFileAlone(" on SIGTERM");
    fs::remove(work.file(name));
  }
}

TEST_F(BatchSafety, AReadOnlyOutputIsRefusedAndKept) {
  example(work.path(), "start", "start.kv9");
  for (const OutputKind& k : kKinds) {
    const std::string name = k.name;
    WriteBytes(work.file(name), "old output\n");
    chmod(work.file(name).c_str(), 0444);
    ProgramRun r = run({"start.kv9", k.option});
    EXPECT_EQ(r.exit_code, 1) << k.option;
    EXPECT_NE(r.err.find("Datei " + name + " ist schreibgesch\xC3\xBCtzt"), std::string::npos)
        << r.err;
    EXPECT_EQ(ReadBytes(work.file(name)), "old output\n") << k.option;
    EXPECT_EQ(fs::status(work.file(name)).permissions() & fs::perms::all, fs::perms(0444));
    fs::remove(work.file(name));
  }
}

TEST_F(BatchSafety, OutputsAreNamedWithOnlyTheLastExtensionReplaced) {
  const std::string longest(251, 'n');  // with ".kv9" and ".txt" 255 bytes, the most a name takes
  std::set<std::string> files;
  for (const std::string& base :
       {std::string("shaft.v1"), std::string("shaft.v2"), std::string(".hidden"),
        std::string("run:12"), std::string("back\\slash"), longest}) {
    example(work.path(), "start", base + ".kv9");
    ProgramRun r = run({base + ".kv9", "/I"});
    EXPECT_EQ(r.exit_code, 0) << base << r.err;
    auto lines = test::Lines(ReadBytes(work.file(base + ".txt")));
    EXPECT_EQ(lines.size() > 1 ? lines[1] : "", base + ".txt");  // the report's file line
    files.insert({base + ".kv9", base + ".txt"});
  }
  EXPECT_EQ(run({longest + ".kv9", "/CAD1:5"}).exit_code, 0);
  files.insert(longest + ".dxf");
  EXPECT_EQ(workFiles(), files);
}

TEST_F(BatchSafety, ASignalDuringADrawingLeavesNoScratchFolder) {
  example(work.path(), "start", "big.kv9", 18, "600");  // the most teeth a drawing takes
  for (int sig : {SIGTERM, SIGINT, SIGHUP}) {
    test::SignalledRun r = runSignalled({"big.kv9", "/CAD1:8"}, sig);
    if (!r.available) GTEST_SKIP() << "no ptrace on this machine";
    EXPECT_TRUE(r.signalled) << sig;
    EXPECT_TRUE(WIFSIGNALED(r.status) && WTERMSIG(r.status) == sig) << sig;
    EXPECT_TRUE(tempIsEmpty()) << sig;
    EXPECT_EQ(workFiles(), std::set<std::string>{"big.kv9"}) << sig;
  }
  EXPECT_EQ(run({"big.kv9", "/CAD1:8"}).exit_code, 0);
}

TEST_F(BatchSafety, ToothCountsNoDrawingTakesEndTheCadRunAsFatal) {
  for (const char* teeth : {"5", "601", "2147483647"}) {
    example(work.path(), "start", "n.kv9", 18, teeth);
    ProgramRun r = run({"n.kv9", "/CAD1:8"});
    EXPECT_EQ(r.exit_code, 2) << teeth;
    EXPECT_NE(r.err.find(std::string("Zähnezahl N = ") + teeth + " außerhalb 6 ... 600"),
              std::string::npos)
        << r.err;
    EXPECT_FALSE(fs::exists(work.file("n.dxf")));
    EXPECT_EQ(run({"n.kv9", "/CUT2"}).exit_code, 2) << teeth;
    EXPECT_FALSE(fs::exists(work.file("n_hub.dxf")));
  }
  // Still calculated: the report is written.
  EXPECT_EQ(run({"n.kv9", "/I"}).exit_code, 0);
  example(work.path(), "start", "n.kv9", 18, "6");
  EXPECT_EQ(run({"n.kv9", "/CAD1:8"}).exit_code, 0);
}

TEST_F(BatchSafety, AHugeTorquePrintsNoInfinity) {
  example(work.path(), "start", "torque.kv9", 102, "1e4932");
  ASSERT_EQ(run({"torque.kv9", "/I"}).exit_code, 0);
  std::string report = ReadBytes(work.file("torque.txt"));
  for (const char* word : {"inf", "nan", "INF", "NAN"})
    EXPECT_EQ(report.find(word), std::string::npos) << word;
}

TEST_F(BatchSafety, AConfigurationThatIsNoFileIsReportedAndTheDefaultsHold) {
  fs::create_directories(home.file(".config/kv9"));
  const std::string cfg = home.file(".config/kv9/kv9.cfg");
  ASSERT_EQ(mkfifo(cfg.c_str(), 0600), 0);
  ProgramRun fifo = run({"?"});
  fs::remove(cfg);
  ASSERT_EQ(symlink("/dev/zero", cfg.c_str()), 0);
  ProgramRun device = run({"?"});
  for (const ProgramRun& r : {fifo, device}) {
    EXPECT_EQ(r.exit_code, 0);
    EXPECT_EQ(r.out.rfind("KV9 Command Line Mode\n", 0), 0u);
    EXPECT_NE(r.err.find("ist keine gewöhnliche Datei, es gelten die Voreinstellungen"),
              std::string::npos)
        << r.err;
  }
}

TEST_F(BatchSafety, AnInvalidTemporaryFolderMakesNoStrayFile) {
  writeConfig([](Config& c) { c.temp_dir = std::string("\xFF\0", 2); });
  example(work.path(), "start", "start.kv9");
  ProgramRun r = run({"start.kv9", "/I"});
  EXPECT_NE(r.err.find("ungültiger Ordner für temporäre Dateien"), std::string::npos) << r.err;
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_EQ(workFiles(), std::set<std::string>{"start.kv9"});
  EXPECT_TRUE(tempIsEmpty());
}

TEST_F(BatchSafety, OutputStreamsThatCannotBeWrittenFailTheRun) {
  int status = 0;
  test::RunCommand(
      "(" + test::Wkv9Command(work.path(), home.path(), {"?"}, env()) + ") >/dev/full 2>/dev/null",
      status);
  EXPECT_EQ(test::ExitCodeOf(status), 1);
  // A run that succeeds but whose message is lost.
  writeConfig([](Config& c) { c.cad_dir = "/no/such/cad/folder"; });
  example(work.path(), "start", "start.kv9");
  const std::string cmd =
      "(" + test::Wkv9Command(work.path(), home.path(), {"start.kv9", "/I"}, env()) + ")";
  test::RunCommand(cmd + " 2>/dev/null", status);
  EXPECT_EQ(test::ExitCodeOf(status), 0);
  test::RunCommand(cmd + " 2>/dev/full", status);
  EXPECT_EQ(test::ExitCodeOf(status), 1);
}

}  // namespace
}  // namespace kv9
