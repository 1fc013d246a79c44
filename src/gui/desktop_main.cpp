// wkv9-desktop: the interactive program, started by wkv9 with the same arguments.
#include "gui/desktop.h"

int main(int argc, char** argv) {
  return kv9::RunDesktop(argc, argv);
}
