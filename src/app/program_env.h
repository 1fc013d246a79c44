// What the program takes from its surroundings: its own folder, the display, the fixed clock of
// the tests, and the private scratch folder of one run.
#pragma once

#include <string>

namespace kv9 {

class Session;

// The folder of the running executable, with trailing "/" (empty when it cannot be found).
std::string ExecutableFolder();

// A display is there when DISPLAY, WAYLAND_DISPLAY or QT_QPA_PLATFORM is set.
bool HasDisplay();

// KV9_TEST_NOW ("YYYY-MM-DD HH:MM") fixes the clock; returns false for a text of another form
// (the clock then runs).
bool ApplyTestClock(Session& s, const char* value);

// Makes the run's own folder (mode 0700) inside the configured temporary folder, stores it in
// s.scratch_dir and names it to the signal cleanup; leaves it empty when that fails (a folder
// name holding a NUL byte fails too).
void MakeScratchFolder(Session& s);
// Removes the scratch folder with everything in it (and forgets it for the signal cleanup).
void RemoveScratchFolder(Session& s);

}  // namespace kv9
