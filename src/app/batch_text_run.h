// The batch text run "wkv9 FILE /I": read the data file, calculate, write the results report
// as a text file named after the data file.
#pragma once

#include <string>

namespace kv9 {

class Session;

// Exit codes of the batch runs.
inline constexpr int kExitOk = 0;
inline constexpr int kExitNotRead =
    1;  // the data file could not be read (or the report not written)
inline constexpr int kExitCalcFatal = 2;  // the calculation ended fatally: no report

// The start of both batch runs: `file` becomes the current file name and is read (which
// calculates). False when it cannot be read.
bool ReadBatchFile(Session& s, const std::string& file);
// After a fatal calculation: its messages go to standard error through the Ui, one a line, and
// the result is true. False when the calculation ended normally.
bool ShowFatalCalculation(Session& s);

// Reads `file`, calculates and writes the standard results report through the tab-separated
// target 9 (its copy is the data file's base name + ".txt" in the data folder, empty in batch:
// the current folder). With a fatal calculation the messages go to standard error through the
// Ui instead. Returns the exit code.
int RunBatchText(Session& s, const std::string& file);
// An output that is the data file just read would replace the data with its results: shows
// an error naming the output and returns true (the run then ends with kExitNotRead).
bool RefuseOutputOverDataFile(Session& s, const std::string& output, const std::string& file);

// The part after a successful read: the messages of a fatal calculation, or the report.
int FinishBatchText(Session& s, const std::string& file);

}  // namespace kv9
