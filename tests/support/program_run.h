// Programs run from the tests through the shell: quoting, the output of a command, and the
// built wkv9 run as a user runs it, without a display.
#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <string>
#include <vector>

#include "support/test_files.h"

namespace kv9::test {

inline std::string Quoted(const std::string& text) {
  std::string q = "'";
  for (char c : text) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

// Standard output of `command`; `status` is what pclose gives.
inline std::string RunCommand(const std::string& command, int& status) {
  std::string output;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) {
    status = -1;
    return output;
  }
  char buffer[4096];
  std::size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, n);
  status = pclose(pipe);
  return output;
}

struct ProgramRun {
  int exit_code = -1;
  std::string out, err;
};

// Runs the built wkv9 with `args` in the folder `work`, without a display, with HOME, the
// configuration folder and the temporary folder in `home`. `extra_env` ("NAME=value ...", shell
// words) comes last and so overrides those. The two output streams go to a folder of their own,
// so `work` holds only what the program wrote.
inline ProgramRun RunWkv9(const std::string& work, const std::string& home,
                          const std::vector<std::string>& args, const std::string& extra_env = "") {
  TempDir streams;
  std::string cmd =
      "cd " + Quoted(work) +
      " && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME=" + Quoted(home) +
      " XDG_CONFIG_HOME=" + Quoted(home + "/.config") + " TEMP=" + Quoted(home) +
      " TMPDIR=" + Quoted(home) + " KV9_TEST_NOW='2026-12-09 10:30' " + extra_env + " " +
      Quoted(KV9_WKV9_PATH);
  for (const auto& a : args) cmd += " " + Quoted(a);
  cmd += " >" + Quoted(streams.file("out")) + " 2>" + Quoted(streams.file("err")) + " </dev/null";
  ProgramRun r;
  int status = std::system(cmd.c_str());
  r.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  r.out = ReadBytes(streams.file("out"));
  r.err = ReadBytes(streams.file("err"));
  return r;
}

}  // namespace kv9::test
