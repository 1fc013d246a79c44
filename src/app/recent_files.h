// The recent-files list of the File menu and its file kv9.cff beside the configuration.
#pragma once

#include <string>
#include <string_view>

namespace kv9 {

class Session;

inline constexpr int kRecentFileCount = 4;

// Puts the full name of `name` (built as for saving) at the top; an entry equal to it (ASCII
// letters compared without case) moves instead of being repeated.
void RecentAdd(Session& s, std::string_view name);
// Removes entry `index` (1..4); the entries below move up.
void RecentRemove(Session& s, int index);
// Opens entry `index` after the save-or-discard question. A file that no longer exists is
// removed from the list with a message. True when the file was read.
bool RecentOpen(Session& s, int index);
// The File menu text of entry `index`: "&" + number + " " + name; a name of 50 characters or
// more is shortened to its first folder, "..." and its file name.
std::string RecentMenuText(const Session& s, int index);
std::string ShortenRecentName(std::string_view name);

// kv9.cff in the configuration folder.
std::string RecentFilesName(const Session& s);
void ReadRecentFiles(Session& s);
// Writes kv9.cff. A file that cannot be written is reported once; the program goes on.
bool WriteRecentFiles(Session& s);

}  // namespace kv9
