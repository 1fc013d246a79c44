// Runs the built program as a user would, without a display, in folders of its own.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <filesystem>

#include "support/test_session.h"

namespace kv9 {
namespace {

struct ProgramRun {
  int exit_code = -1;
  std::string out, err;
};

std::string Quoted(const std::string& text) {
  std::string q = "'";
  for (char c : text) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

struct Wkv9 : ::testing::Test {
  test::TempDir home, temp, work;
  ProgramRun run(const std::vector<std::string>& args, const std::string& extra_env = "") {
    std::string cmd =
        "cd " + Quoted(work.path()) +
        " && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME=" + Quoted(home.path()) +
        " XDG_CONFIG_HOME=" + Quoted(home.file(".config")) + " TEMP=" + Quoted(temp.path()) +
        " TMPDIR=" + Quoted(temp.path()) + " KV9_TEST_NOW='2026-12-09 10:30' " + extra_env + " " +
        Quoted(KV9_WKV9_PATH);
    for (const auto& a : args) cmd += " " + Quoted(a);
    cmd += " >" + Quoted(work.file("out")) + " 2>" + Quoted(work.file("err")) + " </dev/null";
    ProgramRun r;
    int status = std::system(cmd.c_str());
    r.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.out = test::ReadBytes(work.file("out"));
    r.err = test::ReadBytes(work.file("err"));
    return r;
  }
  // Nothing of the run is left in the temporary folder.
  bool tempIsEmpty() const { return std::filesystem::is_empty(temp.path()); }
};

const char kUsageText[] =
    "KV9 Command Line Mode\n"
    "\n"
    "wkv9 Filename [/I] [/CADi:j] [/NOGUI]\n"
    "\n"
    "/I       -> TXT file\n"
    "\n"
    "/CADi:j  -> CAD File\n"
    "            i: 1=DXF, 2=IGS, 5=TXT\n"
    "            j: index (1,2,3, ..)\n"
    "\n"
    "/NOGUI   -> No GUI, exit on fatal error\n"
    "\n"
    "\n"
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

TEST_F(Wkv9, AMalformedTestClockIsNamed) {
  ProgramRun r = run({"?"}, "KV9_TEST_NOW=tomorrow");
  EXPECT_EQ(r.exit_code, 0);
  EXPECT_NE(r.err.find("KV9_TEST_NOW"), std::string::npos);
}

}  // namespace
}  // namespace kv9
