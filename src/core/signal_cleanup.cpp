#include "core/signal_cleanup.h"

#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <pthread.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>

namespace kv9 {

namespace {

// The one place with static storage: a signal handler reaches none of the program's state, and
// it may neither allocate nor take a lock, so the names it removes wait here in fixed
// buffers. A slot is claimed (kFilling), its name written, and then published (kArmed); the
// handler reads only armed slots, so it never sees half a name, whichever thread it runs on.
enum SlotState : int { kFree = 0, kFilling = 1, kArmed = 2 };
struct PathSlot {
  std::atomic<int> state{kFree};
  char path[PATH_MAX];
};
static_assert(std::atomic<int>::is_always_lock_free);

constexpr int kFileSlots = 4;  // a data file, the configuration and a drawing at the same time
PathSlot g_files[kFileSlots];
PathSlot g_scratch;

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

sigset_t HeldSignals() {
  sigset_t set;
  sigemptyset(&set);
  for (int sig : kSignals) sigaddset(&set, sig);
  return set;
}

bool Publish(PathSlot& slot, const std::string& path) {
  if (path.empty() || path.size() >= sizeof slot.path || path.find('\0') != std::string::npos)
    return false;
  std::memcpy(slot.path, path.c_str(), path.size() + 1);
  slot.state.store(kArmed, std::memory_order_release);
  return true;
}

// Only calls that are safe in a signal handler: the folder is read with getdents64 on a
// descriptor of its own (readdir may allocate), entries are unlinked until a pass finds none.
void RemoveFolderWithFiles(const char* dir) {
  int fd = open(dir, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (fd >= 0) {
    alignas(dirent64) char buffer[4096];
    bool removed = true;
    for (int pass = 0; removed && pass < 16; ++pass) {
      removed = false;
      if (lseek(fd, 0, SEEK_SET) < 0) break;
      ssize_t n;
      while ((n = getdents64(fd, buffer, sizeof buffer)) > 0) {
        for (ssize_t offset = 0; offset < n;) {
          const auto* entry = reinterpret_cast<const dirent64*>(buffer + offset);
          offset += entry->d_reclen;
          const char* name = entry->d_name;
          if (name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'))) continue;
          if (unlinkat(fd, name, 0) == 0) removed = true;
        }
      }
    }
    close(fd);
  }
  rmdir(dir);
}

extern "C" void OnTerminatingSignal(int sig) {
  int saved_errno = errno;
  for (PathSlot& slot : g_files)
    if (slot.state.load(std::memory_order_acquire) == kArmed) unlink(slot.path);
  if (g_scratch.state.load(std::memory_order_acquire) == kArmed)
    RemoveFolderWithFiles(g_scratch.path);
  // The signal's own ending: the default action, raised while this handler still holds the
  // signal, and delivered as soon as it is let through.
  struct sigaction default_action {};
  default_action.sa_handler = SIG_DFL;
  sigemptyset(&default_action.sa_mask);
  sigaction(sig, &default_action, nullptr);
  raise(sig);
  sigset_t only;
  sigemptyset(&only);
  sigaddset(&only, sig);
  pthread_sigmask(SIG_UNBLOCK, &only, nullptr);
  errno = saved_errno;
  _exit(128 + sig);  // not reached: the default action of these signals ends the process
}

}  // namespace

void InstallSignalCleanup() {
  for (int sig : kSignals) {
    struct sigaction old {};
    if (sigaction(sig, nullptr, &old) != 0 || old.sa_handler == SIG_IGN) continue;
    struct sigaction action {};
    action.sa_handler = OnTerminatingSignal;
    action.sa_mask = HeldSignals();  // one cleanup at a time
    sigaction(sig, &action, nullptr);
  }
  signal(SIGXFSZ, SIG_IGN);
}

void SignalCleanupScratch(const std::string& dir) {
  g_scratch.state.store(kFree, std::memory_order_release);
  Publish(g_scratch, dir);
}

int SignalCleanupAddFile(const std::string& path) {
  for (int i = 0; i < kFileSlots; ++i) {
    int expected = kFree;
    if (!g_files[i].state.compare_exchange_strong(expected, kFilling)) continue;
    if (Publish(g_files[i], path)) return i;
    g_files[i].state.store(kFree, std::memory_order_release);
    return -1;
  }
  return -1;
}

void SignalCleanupForget(int slot) {
  if (slot >= 0 && slot < kFileSlots) g_files[slot].state.store(kFree, std::memory_order_release);
}

SignalHold::SignalHold() {
  sigset_t held = HeldSignals();
  pthread_sigmask(SIG_BLOCK, &held, &old_);
}

SignalHold::~SignalHold() {
  pthread_sigmask(SIG_SETMASK, &old_, nullptr);
}

}  // namespace kv9
