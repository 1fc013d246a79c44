// The interactive start: the start-up routine with the Qt Ui (the usage screen, its folder
// messages and the extension error show as windows), the interactive preparation, then the main
// window.
#include "gui/desktop.h"

#include <QApplication>
#include <iostream>

#include "app/program_env.h"
#include "app/recent_files.h"
#include "app/session.h"
#include "app/startup.h"
#include "core/language.h"
#include "core/signal_cleanup.h"
#include "gui/main_window.h"
#include "gui/qt_ui.h"
#include "help/help_context.h"

namespace kv9 {

int RunDesktop(int argc, char** argv) {
  if (!HasDisplay()) {
    std::cerr << "wkv9-desktop: no display (DISPLAY, WAYLAND_DISPLAY or QT_QPA_PLATFORM)\n";
    return 3;
  }
  InstallSignalCleanup();
  QtUi ui;
  Session s(ui);
  ScratchGuard guard{s};
  PrepareSession(s, argc, argv);
  // Qt sees only the program name: a data file named like a Qt option stays the program's.
  int qt_argc = 1;
  QApplication app(qt_argc, argv);
  QApplication::setApplicationName(kProductName);
  HelpContext help{ui, s.display, s.cfg.plt_dir, s.abort_flag, s.help_topic};
  ui.setHelp(&help);
  ui.setConfig(&s.cfg);

  const StartOutcome start = StartUp(s);
  if (start.exit) return start.exit_code;
  ReadRecentFiles(s);  // the main window writes them back when it goes
  s.abort_flag = false;
  if (s.cfg.language > 0) SetLanguage(s.lang, s.cfg.language);

  Thh window(s);
  ui.setParentWindow(&window);
  ui.setGraphics(window.graphics());
  if (!PrepareInteractiveStart(s, start.command_line)) return 0;
  window.updateMenus();  // the first calculation's message count
  window.updateTitle();
  window.show();
  return app.exec();
}

}  // namespace kv9
