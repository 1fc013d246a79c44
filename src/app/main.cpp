// wkv9: the command line decides between the usage screen, the batch runs and the desktop.
// The dispatch runs before any window exists, with the console Ui.
#include <cstdlib>
#include <iostream>

#include "app/program_env.h"
#include "app/session.h"
#include "app/startup.h"
#include "core/console_ui.h"
#include "core/language.h"
#include "core/signal_cleanup.h"
#include "gui/desktop.h"

namespace {

// What the usage screen and the batch runs print must arrive: a failed write to standard
// output or standard error makes a finished run a failure.
int CheckedExitCode(kv9::ConsoleUi& ui, int code) {
  if (!ui.outputFailed()) return code;
  std::cerr << "wkv9: the output could not be written\n";
  return code == 0 ? 1 : code;
}

// Removes the scratch folder on every way out of main.
struct ScratchGuard {
  kv9::Session& s;
  ~ScratchGuard() { kv9::RemoveScratchFolder(s); }
};

}  // namespace

int main(int argc, char** argv) {
  kv9::InstallSignalCleanup();
  kv9::ConsoleUi ui;
  kv9::Session session(ui);
  ScratchGuard guard{session};
  for (int i = 1; i < argc; ++i) session.args.emplace_back(argv[i]);
  session.program_dir = kv9::ExecutableFolder();
  session.cfg.config_dir = session.program_dir;
  if (const char* now = std::getenv("KV9_TEST_NOW"); now && !kv9::ApplyTestClock(session, now))
    std::cerr << "wkv9: KV9_TEST_NOW must read YYYY-MM-DD HH:MM; the clock runs\n";

  kv9::StartOutcome start = kv9::StartUp(session);
  if (start.exit) return CheckedExitCode(ui, start.exit_code);

  if (!kv9::HasDisplay()) {
    std::cerr << "wkv9: no display (DISPLAY, WAYLAND_DISPLAY or QT_QPA_PLATFORM) for the "
                 "interactive program; the batch runs need none (wkv9 ? lists them)\n";
    return 3;
  }
  if (session.cfg.language > 0) kv9::SetLanguage(session, session.cfg.language);
#ifdef KV9_WITH_GUI
  return kv9::RunDesktop(session, argc, argv);
#else
  std::cerr << "wkv9: this build has no desktop program\n";
  return 3;
#endif
}
