// wkv9: the command line decides between the usage screen, the batch runs and the desktop.
// The batch runs and the usage screen run here with the console Ui; this program links no Qt.
// The interactive start and the usage screen hand the process over to the desktop program when
// a display exists.
#include <iostream>

#include "app/command_line.h"
#include "app/program_env.h"
#include "app/session.h"
#include "app/startup.h"
#include "core/console_ui.h"
#include "core/language.h"
#include "core/signal_cleanup.h"

namespace {

// What the usage screen and the batch runs print must arrive: a failed write to standard
// output or standard error makes a finished run a failure.
int CheckedExitCode(kv9::ConsoleUi& ui, int code) {
  if (!ui.outputFailed()) return code;
  std::cerr << "wkv9: the output could not be written\n";
  return code == 0 ? 1 : code;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  // With a display the usage screen is a window too, with the folder messages before it.
  const kv9::CommandLine cl = kv9::ParseCommandLine(args);
  if ((kv9::StartsDesktop(cl) || cl.mode == kv9::RunMode::Usage) && kv9::HasDisplay()) {
    // Nothing is made yet (no scratch folder, no file read): the desktop starts from scratch.
    kv9::HandOverToDesktop(kv9::ExecutableFolder(), argv);
    return 3;
  }

  kv9::InstallSignalCleanup();
  kv9::ConsoleUi ui;
  kv9::Session session(ui);
  kv9::ScratchGuard guard{session};
  kv9::PrepareSession(session, argc, argv);

  kv9::StartOutcome start = kv9::StartUp(session);
  if (start.exit) return CheckedExitCode(ui, start.exit_code);

  std::cerr << "wkv9: no display (DISPLAY, WAYLAND_DISPLAY or QT_QPA_PLATFORM) for the "
               "interactive program; the batch runs need none (wkv9 ? lists them)\n";
  return 3;
}
