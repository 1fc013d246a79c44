// The names of the current data file (data folder, current file, command-line file, archive
// mode), the open and save dialogs that choose them and the question before overwriting.
#pragma once

#include <string>
#include <string_view>

namespace kv9 {

class Session;

// The full name of a data file name: data directory + name + ".kv9" when the name has no ".",
// else the name unchanged.
std::string FullDataFileName(const Session& s, std::string_view name, std::string_view ext = "kv9");
// The full name of the current file (the command-line name itself while cmdline_file is set).
std::string CurrentFullName(const Session& s);
std::string TemplateFileName(const Session& s);
// A file named on the command line with the configuration's archive setting on.
bool ArchiveMode(const Session& s);

// The system open dialog on `dir` with the filter mask + "|" + mask. A chosen file sets `dir`
// to its folder and gives its name without folder and extension (with the extension when it
// is not the mask's own, as the full name, so that "TEST.KV9" still opens). Nothing chosen:
// empty result and the abort flag.
std::string ChooseFile(Session& s, std::string& dir, std::string_view mask);
// The same dialog on the folder of `current`: the chosen full name, or `current` unchanged
// with the abort flag.
std::string ChooseFileFrom(Session& s, std::string_view current, std::string_view mask);

// Name resolution for saving with the given extension: the full name, or empty with the abort
// flag (archive mode, cancelled dialog, overwrite declined, invalid name). An empty name asks
// with the save dialog and makes the chosen name the current file.
std::string ResolveSaveName(Session& s, std::string_view name, std::string_view ext = "kv9");
// Asks before overwriting an existing file (unless the name contains "aktuell" or the current
// file is being saved) and tries whether the file can be created in its folder. False with the
// abort flag when it may not or cannot be written.
bool WriteCheck(Session& s, const std::string& full_name);
// The error of a file command in archive mode; sets the abort flag.
void ArchiveRefusal(Session& s);

}  // namespace kv9
