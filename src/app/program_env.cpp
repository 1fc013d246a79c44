// The program's surroundings.
#include "app/program_env.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
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

bool HasDisplay() {
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
    if (const char* v = std::getenv(name); v && *v) return true;
  return false;
}

bool ApplyTestClock(Session& s, const char* value) {
  return value && s.clock.fixFromText(value);
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
