// The interactive program (Qt). Only the batch runs work without it.
#pragma once

namespace kv9 {

class Session;

// Runs the desktop program; returns the process exit code.
int RunDesktop(Session& s, int argc, char** argv);

}  // namespace kv9
