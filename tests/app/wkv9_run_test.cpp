// Runs the built program as a user would, without a display, in folders of its own.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <filesystem>

#include "support/examples.h"
#include "support/program_run.h"
#include "support/test_session.h"

namespace kv9 {
namespace {

using test::ProgramRun;
using test::Quoted;

struct Wkv9 : ::testing::Test {
  test::TempDir home, temp, work;
  // The temporary folder apart from the home, so that what a run leaves there shows.
  ProgramRun run(const std::vector<std::string>& args, const std::string& extra_env = "") {
    return test::RunWkv9(
        work.path(), home.path(), args,
        "TEMP=" + Quoted(temp.path()) + " TMPDIR=" + Quoted(temp.path()) + " " + extra_env);
  }
  // Nothing of the run is left in the temporary folder.
  bool tempIsEmpty() const { return std::filesystem::is_empty(temp.path()); }
};

const char kUsageText[] =
    "KV9 Command Line Mode\n"
    "\n"
    "wkv9 Filename [/I] [/CADi:j] [/CUTi[:n]] [/JSON] [/NOGUI]\n"
    "\n"
    "/I       -> TXT file\n"
    "\n"
    "/CADi:j  -> CAD File\n"
    "            i: 1=DXF, 2=IGS, 5=TXT\n"
    "            j: index (1,2,3, ..)\n"
    "\n"
    "/NOGUI   -> No GUI, exit on fatal error\n"
    "/CUTi:n  -> cut contour DXF, i: 1=shaft, 2=hub, n: involute points\n"
    "/JSON    -> JSON file, every result\n"
    "\n"
    "/?       -> Help\n"
    "\n"
    "\n"
    "Example: wkv9 test.kv9             ->  GUI\n"
    "Example: wkv9 test.kv9 /I /NOGUI   ->  test.txt\n"
    "Example: wkv9 test.kv9 /CAD1:1     ->  test.dxf\n"
    "Example: wkv9 test.edi /E /NOGUI   ->  test.edi\n";

TEST_F(Wkv9, UsageScreenOnStandardOutput) {
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"?"}, {"/?"}, {"?", "test.kv9", "/I"}, {"/?", "/CAD1:1"}}) {
    ProgramRun r = run(args);
    EXPECT_EQ(r.exit_code, 0) << args[0];
    EXPECT_EQ(r.out, kUsageText);
    EXPECT_EQ(r.err, "");
  }
  EXPECT_TRUE(tempIsEmpty());  // the scratch folder went at exit
}

TEST_F(Wkv9, ExitCodes) {
  ProgramRun no_ext = run({"test"});
  EXPECT_EQ(no_ext.exit_code, 0);
  EXPECT_EQ(no_ext.out, "");
  EXPECT_NE(no_ext.err.find("Erweiterung .kv9 muß mit angegeben werden"), std::string::npos);

  EXPECT_EQ(run({"missing.kv9", "/I", "/NOGUI"}).exit_code, 1);
  EXPECT_EQ(run({"missing.kv9", "/cad1:3"}).exit_code, 1);

  ProgramRun interactive = run({});
  EXPECT_EQ(interactive.exit_code, 3);  // no display
  EXPECT_NE(interactive.err.find("no display"), std::string::npos);
  EXPECT_EQ(run({"test.kv9", "/E"}).exit_code, 3);
  EXPECT_TRUE(tempIsEmpty());
}

TEST_F(Wkv9, ReadsTheConfigurationEvenForTheUsageScreen) {
  std::filesystem::create_directories(home.file(".config/kv9"));
  // A configuration that ends after its CAD folder entry names a folder that does not exist.
  test::WriteBytes(home.file(".config/kv9/kv9.cfg"),
                   "kv9 Konfiguration\r\nVersion 2.61\r\nLayer\r\nL\r\nFarbe\r\n1\r\n");
  ProgramRun r = run({"?"});
  EXPECT_EQ(r.exit_code, 0);
  EXPECT_EQ(r.out, kUsageText);
  // The short file is a read error: the rest reads as empty, and the configured temporary
  // folder is empty, so TEMP is taken; no folder message for empty folders.
  EXPECT_EQ(r.err, "");

  test::WriteBytes(home.file(".config/kv9/kv9.cfg"), "");
  std::string cfg = "kv9 Konfiguration\r\nVersion 2.61\r\n";
  for (int i = 0; i < 5; ++i) cfg += "Layer\r\nL\r\nFarbe\r\n1\r\n";
  cfg += "Textstil CAD\r\nTXT\r\nTextbreitenfaktor CAD\r\n1\r\nTextwinkel\r\n0\r\n";
  cfg += "CAD Ordner\r\n/no/such/cad/folder\r\n";
  test::WriteBytes(home.file(".config/kv9/kv9.cfg"), cfg);
  r = run({"?"});
  EXPECT_EQ(r.exit_code, 0);
  EXPECT_NE(r.err.find("ungültiger CAD Ordner konfiguriert"), std::string::npos);
}

// The batch runs stay a plain C++ program: the loader maps no Qt library for them.
TEST_F(Wkv9, BatchTextAndCutRunsLoadNoQt) {
  std::filesystem::copy_file(test::ExamplePath("side_fit_30"), work.file("test.kv9"));
  for (const auto& [option, output] : {std::pair{"/I", "test.txt"}, {"/CUT2", "test_hub.dxf"}}) {
    ProgramRun r = run({"test.kv9", option, "/NOGUI"}, "LD_DEBUG=libs");
    EXPECT_EQ(r.exit_code, 0) << option;
    EXPECT_TRUE(std::filesystem::exists(work.file(output))) << option;
    EXPECT_NE(r.err.find("libstdc++"), std::string::npos);  // the loader did report
    EXPECT_EQ(r.err.find("libQt6"), std::string::npos) << option;
  }
}

TEST_F(Wkv9, AMalformedTestClockIsNamed) {
  ProgramRun r = run({"?"}, "KV9_TEST_NOW=tomorrow");
  EXPECT_EQ(r.exit_code, 0);
  EXPECT_NE(r.err.find("KV9_TEST_NOW"), std::string::npos);
}

}  // namespace
}  // namespace kv9
