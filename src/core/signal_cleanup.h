// What a run leaves behind when SIGTERM, SIGINT or SIGHUP ends it: nothing. The scratch folder
// and the partial files being written are named here beforehand; the handler removes them and
// then ends the process with the signal's own status (the default action).
#pragma once

#include <signal.h>

#include <string>

namespace kv9 {

// Installs the handler for SIGTERM, SIGINT and SIGHUP, leaving alone a signal that was ignored
// when the program started (nohup, background jobs). SIGXFSZ is ignored, so that a file-size
// limit makes a write fail (EFBIG) instead of killing the program with its files half written.
void InstallSignalCleanup();

// The scratch folder removed with the files in it on a signal; an empty name forgets it.
void SignalCleanupScratch(const std::string& dir);

// A partial file removed on a signal. Returns its slot, or -1 when the name does not fit (the
// file is then written all the same, only not removed on a signal).
int SignalCleanupAddFile(const std::string& path);
void SignalCleanupForget(int slot);

// Holds off the three signals while it lives, so that a file and its registration appear (and
// go) together. Signals that arrive meanwhile are delivered when it ends.
class SignalHold {
 public:
  SignalHold();
  ~SignalHold();
  SignalHold(const SignalHold&) = delete;
  SignalHold& operator=(const SignalHold&) = delete;

 private:
  sigset_t old_;
};

}  // namespace kv9
