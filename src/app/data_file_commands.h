// The file commands on the data set: save, load (and calculate), the template null.kv9 and the
// question before a command replaces the data set.
#pragma once

#include <string_view>

namespace kv9 {

class Session;

// Saves the data set; an empty name asks with the save dialog. Clears `modified` on success;
// on any failure the abort flag is set, `modified` stays and the old file is intact.
bool SaveDataFile(Session& s, std::string_view name);
// Saves under the current file name without the overwrite question.
bool SaveCurrentFile(Session& s);
// Reads a data file (an empty name asks with the open dialog) and calculates. True when the
// file was read; a failure sets the abort flag.
bool LoadDataFile(Session& s, std::string_view name);
// Reads the template null.kv9 of the data directory when it exists; the current file name is
// cleared again. True when a template was read.
bool ReadTemplate(Session& s);
// The question before a command replaces the data set. Cancel sets the abort flag.
void AskSaveOrDiscard(Session& s);

}  // namespace kv9
