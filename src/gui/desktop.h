// The interactive program: wkv9 hands over to it for the interactive start when a display
// exists. It makes the Qt application, the Qt Ui and the main window.
#pragma once

namespace kv9 {

// Runs the desktop program with the command line of wkv9; returns the process exit code.
int RunDesktop(int argc, char** argv);

}  // namespace kv9
