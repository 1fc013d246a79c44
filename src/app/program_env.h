// What the program takes from its surroundings: its own folder, the display, the fixed clock of
// the tests, and the private scratch folder of one run.
#pragma once

#include <string>

namespace kv9 {

class Session;

// The folder of the running executable, with trailing "/" (empty when it cannot be found).
std::string ExecutableFolder();

// The program folder: the folder of the executable, or, in an installed layout where the
// executable sits in bin/ without the delivered files beside it, the "share/kv9/" folder next to
// that bin/ when it holds them. `exe_folder` is "/"-ended.
std::string ProgramFolder(const std::string& exe_folder);

// The desktop program that the interactive start hands over to: "wkv9-desktop" beside the
// executable.
inline constexpr const char* kDesktopProgram = "wkv9-desktop";
// Replaces this process by the desktop program with the same arguments; returns only when that
// fails (after printing why).
void HandOverToDesktop(const std::string& exe_folder, char** argv);

// A display is there when DISPLAY, WAYLAND_DISPLAY or QT_QPA_PLATFORM is set.
bool HasDisplay();

// KV9_TEST_NOW ("YYYY-MM-DD HH:MM") fixes the clock; returns false for a text of another form
// (the clock then runs).
bool ApplyTestClock(Session& s, const char* value);

// What every start takes from the process: the arguments after the program name, the program
// folder (also where the configuration is looked for first) and the fixed clock of KV9_TEST_NOW
// (a malformed value is reported and the clock runs).
void PrepareSession(Session& s, int argc, char** argv);

// Makes the run's own folder (mode 0700) inside the configured temporary folder, stores it in
// s.scratch_dir and names it to the signal cleanup; leaves it empty when that fails (a folder
// name holding a NUL byte fails too).
void MakeScratchFolder(Session& s);
// Removes the scratch folder with everything in it (and forgets it for the signal cleanup).
void RemoveScratchFolder(Session& s);

// Removes the scratch folder on every way out of the scope that holds it.
struct ScratchGuard {
  Session& s;
  ~ScratchGuard() { RemoveScratchFolder(s); }
};

}  // namespace kv9
