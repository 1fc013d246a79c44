// A run of the built wkv9 that gets a signal at a known moment: its system calls are traced
// (ptrace), and when it first writes into a file of the watched folder the signal is sent and
// the program let go, so the signal arrives while that output is being written. No clock is
// involved.
#pragma once

#include <signal.h>
#include <stdlib.h>
#include <sys/ptrace.h>
#include <sys/syscall.h>
#include <sys/user.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <string>
#include <vector>

#include "support/program_run.h"

namespace kv9::test {

struct SignalledRun {
  bool available = true;   // tracing works here (false: the test cannot run on this machine)
  bool signalled = false;  // the write was seen and the signal sent during it
  int status = 0;          // waitpid status of the end of the run
};

#if defined(__x86_64__)
// At a system-call entry of `pid` (registers `regs`): whether it writes into a file whose path
// begins with `prefix`.
inline bool WritesInto(pid_t pid, const user_regs_struct& regs, const std::string& prefix) {
  long call = static_cast<long>(regs.orig_rax);
  if (call != SYS_write && call != SYS_pwrite64 && call != SYS_writev) return false;
  std::string fd_link = "/proc/" + std::to_string(pid) + "/fd/" + std::to_string(regs.rdi);
  char target[PATH_MAX];
  ssize_t n = readlink(fd_link.c_str(), target, sizeof target - 1);
  return n > 0 && std::string(target, n).rfind(prefix, 0) == 0;
}
#endif

// Runs wkv9 as RunWkv9 would (its streams discarded) and sends `sig` at its first write into a
// file of `watched`.
inline SignalledRun RunWkv9SignalledAtFirstWrite(const std::string& work, const std::string& home,
                                                 const std::vector<std::string>& args,
                                                 const std::string& watched, int sig,
                                                 const std::string& extra_env = "") {
  SignalledRun result;
#if !defined(__x86_64__)
  result.available = false;
  return result;
#endif
  char real[PATH_MAX];
  const std::string prefix = std::string(realpath(watched.c_str(), real) ? real : "") + "/";
  const std::string cmd = Wkv9Command(work, home, args, extra_env) + " >/dev/null 2>&1 </dev/null";
  pid_t pid = fork();
  if (pid == 0) {
    // The program starts with the signals as a user's shell gives them.
    for (int s : {SIGTERM, SIGINT, SIGHUP}) signal(s, SIG_DFL);
    sigset_t none;
    sigemptyset(&none);
    sigprocmask(SIG_SETMASK, &none, nullptr);
    if (ptrace(PTRACE_TRACEME, 0, nullptr, nullptr) != 0) _exit(97);
    execl("/bin/sh", "sh", "-c", cmd.c_str(), static_cast<char*>(nullptr));
    _exit(98);
  }
  int status = 0;
  waitpid(pid, &status, 0);  // stopped after the shell's exec
  if (!WIFSTOPPED(status)) {
    result.available = !(WIFEXITED(status) && WEXITSTATUS(status) == 97);
    result.status = status;
    return result;
  }
  ptrace(PTRACE_SETOPTIONS, pid, nullptr, PTRACE_O_TRACESYSGOOD | PTRACE_O_EXITKILL);
  int deliver = 0;
  for (;;) {
    if (ptrace(PTRACE_SYSCALL, pid, nullptr, deliver) != 0) break;
    deliver = 0;
    if (waitpid(pid, &status, 0) < 0 || !WIFSTOPPED(status)) break;  // ended without the write
    int stop = WSTOPSIG(status);
    if (stop == (SIGTRAP | 0x80)) {
#if defined(__x86_64__)
      user_regs_struct regs{};
      bool entering = ptrace(PTRACE_GETREGS, pid, nullptr, &regs) == 0 &&
                      static_cast<long>(regs.rax) == -ENOSYS;
      if (entering && WritesInto(pid, regs, prefix)) {
        kill(pid, sig);  // pending while the program stands here, delivered once it goes on
        ptrace(PTRACE_DETACH, pid, nullptr, 0);
        result.signalled = true;
        waitpid(pid, &status, 0);
        break;
      }
#endif
    } else if (stop != SIGTRAP) {
      deliver = stop;  // the program's own signals reach it
    }
  }
  result.status = status;
  return result;
}

}  // namespace kv9::test
