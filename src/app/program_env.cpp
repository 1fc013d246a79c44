// The program's surroundings.
#include "app/program_env.h"

#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <vector>

#include "app/session.h"
#include "core/file_util.h"
#include "core/signal_cleanup.h"

namespace kv9 {

std::string ExecutableFolder() {
  std::vector<char> buf(4096);
  for (;;) {
    ssize_t n = readlink("/proc/self/exe", buf.data(), buf.size());
    if (n < 0) return "";
    if (static_cast<std::size_t>(n) < buf.size()) return DirOf(std::string(buf.data(), n));
    if (buf.size() > (1u << 20)) return "";
    buf.resize(buf.size() * 2);
  }
}

std::string ProgramFolder(const std::string& exe_folder) {
  // The error descriptions are one of the files delivered with the program.
  const char* marker = "kv9.err";
  if (exe_folder.empty() || FileExists(FindFileNoCase(exe_folder, marker))) return exe_folder;
  const std::string installed = exe_folder + "../share/kv9/";
  if (FileExists(FindFileNoCase(installed, marker))) {
    std::error_code ec;
    const auto canonical = std::filesystem::weakly_canonical(installed, ec);
    return ec ? installed : AddBackslash(canonical.string());
  }
  return exe_folder;
}

void HandOverToDesktop(const std::string& exe_folder, char** argv) {
  const std::string path = exe_folder + kDesktopProgram;
  argv[0] = const_cast<char*>(path.c_str());
  execv(path.c_str(), argv);
  std::cerr << "wkv9: the desktop program " << path << " cannot be started ("
            << std::strerror(errno) << "); the batch runs work without it (wkv9 ? lists them)\n";
}

bool HasDisplay() {
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
    if (const char* v = std::getenv(name); v && *v) return true;
  return false;
}

bool ApplyTestClock(Session& s, const char* value) {
  return value && s.clock.fixFromText(value);
}

void PrepareSession(Session& s, int argc, char** argv) {
  for (int i = 1; i < argc; ++i) s.args.emplace_back(argv[i]);
  s.program_dir = ProgramFolder(ExecutableFolder());
  s.cfg.config_dir = s.program_dir;
  if (const char* now = std::getenv("KV9_TEST_NOW"); now && !ApplyTestClock(s, now))
    std::cerr << "wkv9: KV9_TEST_NOW must read YYYY-MM-DD HH:MM; the clock runs\n";
}

void MakeScratchFolder(Session& s) {
  s.scratch_dir.clear();
  // A folder name with a NUL byte would put the scratch folder somewhere else: it gets none.
  if (NameHasNul(s.cfg.temp_dir)) return;
  std::string pattern = AddBackslash(s.cfg.temp_dir.empty() ? "." : s.cfg.temp_dir) + "kv9-XXXXXX";
  SignalHold hold;                // made and named for the signal handler together
  if (mkdtemp(pattern.data())) {  // mkdtemp makes it 0700
    s.scratch_dir = pattern + "/";
    SignalCleanupScratch(pattern);
  }
}

void RemoveScratchFolder(Session& s) {
  if (s.scratch_dir.empty()) return;
  std::error_code ec;
  std::filesystem::remove_all(s.scratch_dir, ec);
  SignalCleanupScratch("");
  s.scratch_dir.clear();
}

}  // namespace kv9
