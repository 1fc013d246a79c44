#include "app/command_line.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "app/program_env.h"
#include "app/startup.h"
#include "app/usage_screen.h"
#include "model/config_file.h"
#include "support/examples.h"
#include "support/test_files.h"
#include "support/test_session.h"

namespace kv9 {
namespace {

using Args = std::vector<std::string>;

TEST(ParseCommandLine, ModesOfTheFirstTwoArguments) {
  EXPECT_EQ(ParseCommandLine({}).mode, RunMode::Interactive);
  EXPECT_EQ(ParseCommandLine({"?"}).mode, RunMode::Usage);
  EXPECT_EQ(ParseCommandLine({"/?", "test.kv9", "/I"}).mode, RunMode::Usage);
  EXPECT_EQ(ParseCommandLine({"?", "/CAD1:1"}).mode, RunMode::Usage);
  EXPECT_EQ(ParseCommandLine({"test.kv9"}).mode, RunMode::FileMode);
  EXPECT_EQ(ParseCommandLine({"test.kv9", "/X"}).mode, RunMode::FileMode);
  EXPECT_EQ(ParseCommandLine({"test.kv9", "/I"}).mode, RunMode::BatchText);
  EXPECT_EQ(ParseCommandLine({"test.kv9", "/i"}).mode, RunMode::BatchText);
  EXPECT_EQ(ParseCommandLine({"test.kv9", "/E"}).mode, RunMode::NameOnly);
  EXPECT_EQ(ParseCommandLine({"test.kv9", "/e"}).mode, RunMode::NameOnly);
  EXPECT_EQ(ParseCommandLine({"test.kv9", "/G"}).mode, RunMode::NameOnly);
  EXPECT_EQ(ParseCommandLine({"test.kv9", "/g"}).mode, RunMode::FileMode);  // exactly "/G"
  EXPECT_EQ(ParseCommandLine({"test.kv9", "/JSON"}).mode, RunMode::BatchJson);
  EXPECT_EQ(ParseCommandLine({"test.kv9", "/jSon"}).mode, RunMode::BatchJson);
  EXPECT_EQ(ParseCommandLine({"test.kv9", "/JSONX"}).mode, RunMode::FileMode);
  // Only the first two arguments count.
  EXPECT_EQ(ParseCommandLine({"test.kv9", "/X", "/I"}).mode, RunMode::FileMode);
  EXPECT_EQ(ParseCommandLine({"test.kv9", "/I"}).file, "test.kv9");
}

TEST(ParseCommandLine, CadOptionInAnyCase) {
  CommandLine cl = ParseCommandLine({"test.kv9", "/cad1:3"});
  EXPECT_EQ(cl.mode, RunMode::BatchCad);
  EXPECT_EQ(cl.cad_format, 1);
  EXPECT_EQ(cl.cad_drawing, 3);
  cl = ParseCommandLine({"t.kv9", "/CaD5:12"});
  EXPECT_EQ(cl.cad_format, 5);
  EXPECT_EQ(cl.cad_drawing, 12);
  cl = ParseCommandLine({"t.kv9", "/CAD2:x"});  // an unreadable index counts as 0
  EXPECT_EQ(cl.cad_format, 2);
  EXPECT_EQ(cl.cad_drawing, 0);
  cl = ParseCommandLine({"t.kv9", "/CAD"});
  EXPECT_EQ(cl.mode, RunMode::BatchCad);
  EXPECT_EQ(cl.cad_format, 0);
  cl = ParseCommandLine({"t.kv9", "/CADx:99999999999"});
  EXPECT_EQ(cl.cad_format, 0);
  EXPECT_EQ(cl.cad_drawing, 0);
  EXPECT_EQ(ParseCommandLine({"t.kv9", "/CA"}).mode, RunMode::FileMode);
}

TEST(ParseCommandLine, CutOptionInAnyCaseWithOnePartDigit) {
  CommandLine cl = ParseCommandLine({"t.kv9", "/cut2"});
  EXPECT_EQ(cl.mode, RunMode::BatchCut);
  EXPECT_EQ(cl.cut_part, 2);
  EXPECT_EQ(ParseCommandLine({"t.kv9", "/CuT1"}).cut_part, 1);
  cl = ParseCommandLine({"t.kv9", "/CUT1:200"});
  EXPECT_EQ(cl.cut_part, 1);
  EXPECT_EQ(cl.cut_points, 200);
  EXPECT_EQ(ParseCommandLine({"t.kv9", "/CUT2:x"}).cut_points, -1);
  EXPECT_EQ(ParseCommandLine({"t.kv9", "/CUT2:0"}).cut_points, -1);
  // Anything but one digit after "/CUT" names no part: the run refuses it.
  for (const char* option : {"/CUT", "/CUT12", "/CUT1-3", "/CUT1:", "/CUTx"}) {
    cl = ParseCommandLine({"t.kv9", option});
    EXPECT_EQ(cl.mode, RunMode::BatchCut) << option;
    EXPECT_EQ(cl.cut_part, 0) << option;
  }
  EXPECT_EQ(ParseCommandLine({"t.kv9", "/CU"}).mode, RunMode::FileMode);
}

TEST(ParseCommandLine, NoGuiAnywhereInAnyCase) {
  EXPECT_TRUE(ParseCommandLine({"t.kv9", "/I", "/NOGUI"}).nogui);
  EXPECT_TRUE(ParseCommandLine({"t.kv9", "/nogui"}).nogui);
  EXPECT_TRUE(ParseCommandLine({"t.kv9", "/I", "x", "y", "/NoGui"}).nogui);
  EXPECT_FALSE(ParseCommandLine({"t.kv9", "/I", "/NOGUIX"}).nogui);
  EXPECT_FALSE(ParseCommandLine({"t.kv9"}).nogui);
  // "/NOGUI" as second argument is no listed option: file mode, without the message window.
  CommandLine cl = ParseCommandLine({"t.kv9", "/NOGUI", "/I"});
  EXPECT_EQ(cl.mode, RunMode::FileMode);
  EXPECT_TRUE(cl.nogui);
}

const char* const kUsage[kUsageLineCount] = {
    "KV9 Command Line Mode",
    "",
    "wkv9 Filename [/I] [/CADi:j] [/CUTi[:n]] [/JSON] [/NOGUI]",
    "",
    "/I       -> TXT file",
    "",
    "/CADi:j  -> CAD File",
    "            i: 1=DXF, 2=IGS, 5=TXT",
    "            j: index (1,2,3, ..)",
    "",
    "/NOGUI   -> No GUI, exit on fatal error",
    "/CUTi:n  -> cut contour DXF, i: 1=shaft, 2=hub, n: involute points",
    "/JSON    -> JSON file, every result",
    "",
    "/?       -> Help",
    "",
    "",
    "Example: wkv9 test.kv9             ->  GUI",
    "Example: wkv9 test.kv9 /I /NOGUI   ->  test.txt",
    "Example: wkv9 test.kv9 /CAD1:1     ->  test.dxf",
    "Example: wkv9 test.edi /E /NOGUI   ->  test.edi",
};

// Start-up over a scripted Ui, with the configuration and temporary folders of the test.
struct StartUpTest : ::testing::Test {
  test::TestSession t;
  Session& s = t.s;
  test::TempDir program, xdg, temp;
  test::EnvGuard xdg_env{"XDG_CONFIG_HOME", xdg.path().c_str()};
  test::EnvGuard temp_env{"TEMP", temp.path().c_str()};
  StartUpTest() {
    s.program_dir = program.dir();
    s.cfg.config_dir = program.dir();
  }
  StartOutcome start(Args args) {
    s.args = std::move(args);
    return StartUp(s);
  }
};

TEST_F(StartUpTest, UsageScreenHasTwentyOneLines) {
  StartOutcome out = start({"/?", "whatever"});
  EXPECT_TRUE(out.exit);
  EXPECT_EQ(out.exit_code, 0);
  ASSERT_EQ(t.ui.texts("screen").size(), 1u);
  const auto& screen = t.ui.events.back();
  EXPECT_EQ(screen.caption, "KV9");
  ASSERT_EQ(screen.lines.size(), static_cast<std::size_t>(kUsageLineCount));
  for (int i = 0; i < kUsageLineCount; ++i) EXPECT_EQ(screen.lines[i], kUsage[i]) << i + 1;
}

TEST_F(StartUpTest, FileNameWithoutExtensionEndsAfterTheMessage) {
  StartOutcome out = start({"test"});
  EXPECT_TRUE(out.exit);
  EXPECT_EQ(out.exit_code, 0);
  EXPECT_EQ(t.ui.texts("error"),
            std::vector<std::string>{"Erweiterung .kv9 muß mit angegeben werden"});
  // A dot in a folder name is no extension.
  t.ui.events.clear();
  out = start({"data.d/test"});
  EXPECT_TRUE(out.exit);
  EXPECT_EQ(t.ui.texts("error").size(), 1u);
}

TEST_F(StartUpTest, FileModeAndNameOnlyGoOnToTheDesktop) {
  s.data_dir = "/old/";
  StartOutcome out = start({"test.kv9"});
  EXPECT_FALSE(out.exit);
  EXPECT_EQ(out.command_line.mode, RunMode::FileMode);
  EXPECT_EQ(s.current_file, "test.kv9");
  EXPECT_EQ(s.data_dir, "");
  EXPECT_TRUE(t.ui.events.empty());
  out = start({"test.edi", "/E", "/NOGUI"});
  EXPECT_FALSE(out.exit);
  EXPECT_TRUE(out.command_line.nogui);
  EXPECT_FALSE(start({}).exit);
}

TEST_F(StartUpTest, BatchRunOfAFileThatCannotBeReadEndsWithOne) {
  StartOutcome out = start({program.file("missing.kv9"), "/i"});
  EXPECT_TRUE(out.exit);
  EXPECT_EQ(out.exit_code, 1);
  out = start({program.file("missing.kv9"), "/CAD1:3"});
  EXPECT_TRUE(out.exit);
  EXPECT_EQ(out.exit_code, 1);
}

TEST_F(StartUpTest, TheConfigurationIsReadAtEveryStart) {
  // No file at all: the abort flag of the read does not survive the start-up.
  start({"?"});
  EXPECT_FALSE(s.abort_flag);
  EXPECT_EQ(s.cfg.temp_dir, temp.path());  // the folder check filled it in

  test::TestSession w;
  w.s.cfg.cad_dir = program.file("no-cad");
  w.s.cfg.temp_dir = temp.path();
  test::WriteBytes(program.file("kv9.cfg"), [&] {
    std::ostringstream out;
    WriteConfigStream(w.s.cfg, out);
    return out.str();
  }());
  test::TestSession again;
  again.s.program_dir = again.s.cfg.config_dir = program.dir();
  again.s.args = {"?"};
  StartUp(again.s);
  EXPECT_TRUE(again.ui.saw("error", "ungültiger CAD Ordner konfiguriert"));
  RemoveScratchFolder(again.s);
}

TEST_F(StartUpTest, ThePrivateScratchFolderLivesInTheTemporaryFolder) {
  start({"?"});
  ASSERT_FALSE(s.scratch_dir.empty());
  EXPECT_EQ(s.scratch_dir.rfind(temp.dir() + "kv9-", 0), 0u);
  struct stat st;
  ASSERT_EQ(stat(s.scratch_dir.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0700u);
  test::WriteBytes(s.scratch_dir + "$BLOCK.dx$", "x");
  std::string dir = s.scratch_dir;
  RemoveScratchFolder(s);
  EXPECT_NE(stat(dir.c_str(), &st), 0);
  EXPECT_TRUE(s.scratch_dir.empty());
}

TEST(ProgramEnvironment, ClockDisplayAndFolder) {
  test::TestSession t;
  EXPECT_TRUE(ApplyTestClock(t.s, "2026-12-09 10:30"));
  EXPECT_EQ(t.s.clock.now().year, 2026);
  EXPECT_FALSE(ApplyTestClock(t.s, "9.12.2026"));
  EXPECT_FALSE(ApplyTestClock(t.s, nullptr));
  {
    test::EnvGuard a("DISPLAY", nullptr), b("WAYLAND_DISPLAY", nullptr),
        c("QT_QPA_PLATFORM", nullptr);
    EXPECT_FALSE(HasDisplay());
    test::EnvGuard d("QT_QPA_PLATFORM", "offscreen");
    EXPECT_TRUE(HasDisplay());
  }
  std::string folder = ExecutableFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.back(), '/');
  struct stat st;
  EXPECT_EQ(stat((folder + "kv9_tests").c_str(), &st), 0);
}

}  // namespace
}  // namespace kv9

namespace kv9 {
namespace {

TEST(ProgramEnvironment, InstalledLayoutTakesShareKv9AsProgramFolder) {
  test::TempDir d;
  std::filesystem::create_directories(d.file("bin"));
  std::filesystem::create_directories(d.file("share/kv9"));
  std::ofstream(d.file("share/kv9/kv9.err"));
  const std::string share = std::filesystem::weakly_canonical(d.file("share/kv9")).string() + "/";
  EXPECT_EQ(ProgramFolder(d.file("bin/")), share);
  // A build folder holds the delivered files beside the program: it stays the program folder.
  std::ofstream(d.file("bin/KV9.ERR"));
  EXPECT_EQ(ProgramFolder(d.file("bin/")), d.file("bin/"));
}

TEST(InteractiveStart, FileModeReadsSilentlyAndAUserNameMustNameAFolder) {
  test::TempDir d;
  test::TestSession t;
  std::filesystem::copy_file(test::ExamplePath("side_fit_30"), d.file("a.kv9"));
  CommandLine file_mode = ParseCommandLine({d.file("a.kv9")});
  t.s.current_file = file_mode.file;
  t.s.modified = true;
  ASSERT_TRUE(PrepareInteractiveStart(t.s, file_mode));
  EXPECT_TRUE(t.s.cmdline_file);
  EXPECT_EQ(t.s.ds.N, 24);
  EXPECT_FALSE(t.s.modified);
  EXPECT_TRUE(t.s.data_dir.empty());

  test::TestSession u;
  u.s.cfg.enter_password = true;
  u.s.cfg.default_data_dir = d.path() + "/";
  std::filesystem::create_directories(d.file("anna"));
  u.ui.answer("anna");
  ASSERT_TRUE(PrepareInteractiveStart(u.s, ParseCommandLine({})));
  EXPECT_EQ(u.s.data_dir, d.path() + "/anna/");
  u.ui.answer("..");
  EXPECT_FALSE(PrepareInteractiveStart(u.s, ParseCommandLine({})));
  EXPECT_EQ(u.ui.texts("error"), std::vector<std::string>{"Ungültiges Passwort .. !"});
  u.ui.cancel();
  EXPECT_FALSE(PrepareInteractiveStart(u.s, ParseCommandLine({})));
}

}  // namespace
}  // namespace kv9
