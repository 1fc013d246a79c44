#include "core/process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

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

StartResult StartDetached(const std::vector<std::string>& argv) {
  StartResult result;
  if (argv.empty() || argv[0].empty()) {
    result.kind = StartResult::NotFound;
    return result;
  }
  // A pipe with close-on-exec tells the parent whether exec succeeded: nothing arrives on
  // success, the child's errno on failure.
  int fds[2];
  if (pipe2(fds, O_CLOEXEC) != 0) {
    result.kind = errno == ENOMEM ? StartResult::OutOfMemory : StartResult::OtherError;
    result.error_number = errno;
    return result;
  }
  // Double fork so that the program is not our child and never becomes a zombie.
  pid_t pid = fork();
  if (pid < 0) {
    int err = errno;
    close(fds[0]);
    close(fds[1]);
    result.kind =
        err == ENOMEM || err == EAGAIN ? StartResult::OutOfMemory : StartResult::OtherError;
    result.error_number = err;
    return result;
  }
  if (pid == 0) {
    close(fds[0]);
    pid_t grandchild = fork();
    if (grandchild < 0) {
      int err = errno;
      (void)!write(fds[1], &err, sizeof err);
      _exit(1);
    }
    if (grandchild > 0) _exit(0);
    setsid();
    std::vector<char*> args;
    for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    execvp(args[0], args.data());
    int err = errno;
    (void)!write(fds[1], &err, sizeof err);
    _exit(127);
  }
  close(fds[1]);
  int child_errno = 0;
  ssize_t n;
  do {
    n = read(fds[0], &child_errno, sizeof child_errno);
  } while (n < 0 && errno == EINTR);
  close(fds[0]);
  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  if (n == static_cast<ssize_t>(sizeof child_errno)) {
    result.error_number = child_errno;
    if (child_errno == ENOENT || child_errno == ENOTDIR)
      result.kind = StartResult::NotFound;
    else if (child_errno == ENOMEM)
      result.kind = StartResult::OutOfMemory;
    else
      result.kind = StartResult::OtherError;
  }
  return result;
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
