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

// The shell command of one run of the built wkv9 with `args` in the folder `work`, without a
// display, with HOME, the configuration folder and the temporary folder in `home`. `extra_env`
// ("NAME=value ...", shell words) comes last and so overrides those; `setup` (shell commands,
// "ulimit -f 4") runs first. The streams are the caller's to redirect.
inline std::string Wkv9Command(const std::string& work, const std::string& home,
                               const std::vector<std::string>& args,
                               const std::string& extra_env = "", const std::string& setup = "") {
  std::string cmd =
      "cd " + Quoted(work) + " && " + (setup.empty() ? "" : setup + " && ") +
      "exec env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME=" + Quoted(home) +
      " XDG_CONFIG_HOME=" + Quoted(home + "/.config") + " TEMP=" + Quoted(home) +
      " TMPDIR=" + Quoted(home) + " KV9_TEST_NOW='2026-12-09 10:30' " + extra_env + " " +
      Quoted(KV9_WKV9_PATH);
  for (const auto& a : args) cmd += " " + Quoted(a);
  return cmd;
}

// The exit code a shell reports for `status` of std::system or pclose (-1 for a signal).
inline int ExitCodeOf(int status) {
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Runs wkv9 as Wkv9Command describes. The two output streams go to a folder of their own, so
// `work` holds only what the program wrote.
inline ProgramRun RunWkv9(const std::string& work, const std::string& home,
                          const std::vector<std::string>& args, const std::string& extra_env = "",
                          const std::string& setup = "") {
  TempDir streams;
  std::string cmd = "(" + Wkv9Command(work, home, args, extra_env, setup) + ") >" +
                    Quoted(streams.file("out")) + " 2>" + Quoted(streams.file("err")) +
                    " </dev/null";
  ProgramRun r;
  r.exit_code = ExitCodeOf(std::system(cmd.c_str()));
  r.out = ReadBytes(streams.file("out"));
  r.err = ReadBytes(streams.file("err"));
  return r;
}

// One of several runs started together: its working folder and its arguments.
struct Wkv9Run {
  std::string work;
  std::vector<std::string> args;
};

// Starts all `runs` at once, each as RunWkv9 would, and waits for every one of them.
inline std::vector<ProgramRun> RunWkv9Together(const std::string& home,
                                               const std::vector<Wkv9Run>& runs,
                                               const std::string& extra_env = "") {
  TempDir streams;
  std::string cmd;
  for (std::size_t i = 0; i < runs.size(); ++i) {
    std::string n = streams.file(std::to_string(i));
    cmd += "((" + Wkv9Command(runs[i].work, home, runs[i].args, extra_env) + ") >" +
           Quoted(n + ".out") + " 2>" + Quoted(n + ".err") + " </dev/null; echo $? >" +
           Quoted(n + ".code") + ") & ";
  }
  cmd += "wait";
  std::vector<ProgramRun> results(runs.size());
  if (std::system(cmd.c_str()) != 0) return results;
  for (std::size_t i = 0; i < runs.size(); ++i) {
    std::string n = streams.file(std::to_string(i));
    std::string code = ReadBytes(n + ".code");
    results[i].exit_code = code.empty() ? -1 : std::stoi(code);
    results[i].out = ReadBytes(n + ".out");
    results[i].err = ReadBytes(n + ".err");
  }
  return results;
}

}  // namespace kv9::test
