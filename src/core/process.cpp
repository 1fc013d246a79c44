#include "core/process.h"

#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <system_error>
#include <thread>

#include "core/file_util.h"

extern char** environ;

namespace kv9 {

std::vector<std::string> SplitCommandLine(std::string_view line) {
  std::vector<std::string> words;
  std::string word;
  bool in_quotes = false, have_word = false;
  for (char c : line) {
    if (c == '"') {
      in_quotes = !in_quotes;
      have_word = true;
    } else if ((c == ' ' || c == '\t') && !in_quotes) {
      if (have_word) words.push_back(word);
      word.clear();
      have_word = false;
    } else {
      word += c;
      have_word = true;
    }
  }
  if (have_word) words.push_back(word);
  return words;
}

bool ProgramExists(const std::string& command_line) {
  auto words = SplitCommandLine(command_line);
  if (words.empty() || words[0].empty()) return false;
  const std::string& program = words[0];
  if (program.find('/') != std::string::npos) return access(program.c_str(), X_OK) == 0;
  const char* path = std::getenv("PATH");
  std::string_view dirs = path ? path : "/usr/bin:/bin";
  while (!dirs.empty()) {
    auto colon = dirs.find(':');
    std::string dir(dirs.substr(0, colon));
    dirs = colon == std::string_view::npos ? std::string_view() : dirs.substr(colon + 1);
    std::string full = AddBackslash(dir.empty() ? "." : dir) + program;
    struct stat st;
    if (stat(full.c_str(), &st) == 0 && S_ISREG(st.st_mode) && access(full.c_str(), X_OK) == 0)
      return true;
  }
  return false;
}

StartResult StartResultOf(int error_number) {
  StartResult result;
  if (error_number == 0) return result;
  result.error_number = error_number;
  if (error_number == ENOENT || error_number == ENOTDIR)
    result.kind = StartResult::NotFound;
  else if (error_number == ENOMEM || error_number == EAGAIN)
    result.kind = StartResult::OutOfMemory;
  else
    result.kind = StartResult::OtherError;
  return result;
}

namespace {

// Spawn attributes: a session of its own (where the C library offers it), no blocked
// signals and every signal at its default, whatever this program has set up.
class SpawnAttributes {
 public:
  SpawnAttributes() {
    ok_ = posix_spawnattr_init(&attr_) == 0;
    if (!ok_) return;
    short flags = POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF;
#ifdef POSIX_SPAWN_SETSID
    flags |= POSIX_SPAWN_SETSID;
#endif
    sigset_t none, all;
    sigemptyset(&none);
    sigfillset(&all);
    posix_spawnattr_setsigmask(&attr_, &none);
    posix_spawnattr_setsigdefault(&attr_, &all);
    posix_spawnattr_setflags(&attr_, flags);
  }
  ~SpawnAttributes() {
    if (ok_) posix_spawnattr_destroy(&attr_);
  }
  SpawnAttributes(const SpawnAttributes&) = delete;
  SpawnAttributes& operator=(const SpawnAttributes&) = delete;
  const posix_spawnattr_t* get() const {
    return ok_ ? &attr_ : nullptr;
  }

 private:
  posix_spawnattr_t attr_;
  bool ok_ = false;
};

}  // namespace

StartResult StartDetached(const std::vector<std::string>& argv) {
  if (argv.empty() || argv[0].empty()) return StartResultOf(ENOENT);
  std::vector<char*> args;
  for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  SpawnAttributes attributes;
  pid_t pid = 0;
  // The C library reports a failed exec of the child as the result of the call.
  const int error_number =
      posix_spawnp(&pid, args[0], nullptr, attributes.get(), args.data(), environ);
  if (error_number != 0) return StartResultOf(error_number);
  // A thread waits for the program so that it does not stay a zombie, without touching the
  // program-wide SIGCHLD handling. Without a thread it stays one until this program ends.
  try {
    std::thread([pid] {
      int status = 0;
      while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
      }
    }).detach();
  } catch (const std::system_error&) {
  }
  return {};
}

std::string StartResultText(const StartResult& result) {
  switch (result.kind) {
    case StartResult::Started:
      return "";
    case StartResult::NotFound:
      return "file not found";
    case StartResult::OutOfMemory:
      return "out of memory !";
    case StartResult::OtherError:
      break;
  }
  return "Exec error " + std::to_string(result.error_number);
}

}  // namespace kv9
