// What the command line asks for: only the first two arguments are interpreted, "/NOGUI" is
// found anywhere.
#pragma once

#include <string>
#include <vector>

namespace kv9 {

enum class RunMode {
  Interactive,  // no argument
  Usage,        // "?" or "/?" first, whatever follows
  FileMode,     // a file and no option (or one not listed): read it, then the desktop
  BatchText,    // file "/I" or "/i": the results report as a text file
  BatchCad,     // file "/CADi:j" ("/CAD" in any case): drawing j in CAD format i
  BatchCut,     // file "/CUTi" ("/CUT" in any case): the cut contour of part i as DXF
  NameOnly,     // file "/E", "/e" or "/G": the desktop with the file as current name only
  BatchJson,    // file "/JSON" in any case: the results as a JSON file
};

struct CommandLine {
  RunMode mode = RunMode::Interactive;
  std::string file;     // the first argument, unless the usage screen is asked for
  int cad_format = 0;   // the fifth character of "/CADi:j" as a digit, else 0
  int cad_drawing = 0;  // the number from the seventh character on; unreadable counts as 0
  int cut_part = 0;     // "/CUTi": the fifth character as a digit (1 shaft, 2 hub), else 0
  int cut_points = 0;   // "/CUTi:n": the involute points n; 0 without ":n", -1 unreadable
  bool nogui = false;   // "/NOGUI" in any position and any case
};

// The interactive start (with or without a data file): the runs that need the desktop program.
inline bool StartsDesktop(const CommandLine& cl) {
  return cl.mode == RunMode::Interactive || cl.mode == RunMode::FileMode ||
         cl.mode == RunMode::NameOnly;
}

// `args` are the arguments after the program name.
CommandLine ParseCommandLine(const std::vector<std::string>& args);

}  // namespace kv9
