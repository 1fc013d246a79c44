// Prints the display list that the help-picture interpreter makes of each HP-GL file named on
// the command line, one command a line (tools/render_help_pictures.sh renders it to a PNG).
// A .cc file, so that the glob of the unit-test binary leaves it out.
#include <iostream>

#include "help/hpgl.h"
#include "screen/display_list.h"

int main(int argc, char** argv) {
  int status = 0;
  for (int i = 1; i < argc; ++i) {
    kv9::DisplayList display;
    if (!kv9::DrawHelpPicture(display, argv[i])) {
      std::cerr << argv[i] << ": cannot be read\n";
      status = 1;
    }
    for (const auto& command : display.commands()) std::cout << command << '\n';
  }
  return status;
}
