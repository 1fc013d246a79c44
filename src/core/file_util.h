// File names and small file operations. "/" is the directory separator; names the user typed
// keep their bytes.
#pragma once

#include <string>
#include <string_view>

namespace kv9 {

class Session;

std::string AddBackslash(std::string_view dir);  // appends "/" unless empty or already "/"
std::string RemoveBackslash(std::string_view dir);
std::string FileNamePart(std::string_view path);  // after the last "/"
std::string BaseName(std::string_view path);      // without directory and extension
std::string NameNoExt(std::string_view path);     // without directory and extension
std::string ExtOf(std::string_view name);         // after the first "." of the file name part
bool HasDot(std::string_view path);               // the file name part contains "."
std::string DirOf(std::string_view path);         // up to and including the last "/" or ":"
std::string DriveOf(std::string_view path);
std::string CurrentDirectory();  // with trailing "/"
bool FileReadable(const std::string& name);
bool FileExists(const std::string& name);
bool DirWritable(const std::string& dir);
bool DirReachable(const std::string& dir);
// Deletes every file of `dir` matching the shell pattern `mask`; false at the first failure.
bool DeleteByMask(const std::string& dir, const std::string& mask);
void DeleteIfExists(const std::string& name);
// Block copy; a failure sets the abort flag.
bool CopyFile(Session& s, const std::string& source, const std::string& target);
// Copies into a file or a directory; failures show "Datei %s kann nicht geöffnet werden" or
// "... erstellt werden" and set the abort flag.
bool CopyToDir(Session& s, const std::string& source, const std::string& target);
int CountFiles(const std::string& dir, const std::string& mask);
// A file in `dir` whose name equals `name` without regard to case ("KV9.ERR" for "kv9.err");
// the exact name when it exists, else the first case-insensitive match, else dir + name.
std::string FindFileNoCase(const std::string& dir, const std::string& name);

// Dates and times by the configured date format ("Date Code").
std::string TodayText(const Session& s);
std::string NowTimeText(const Session& s);
std::string FileDateText(long long unix_time);  // yyyy/mm/dd

// The file a name finally stands for, after following symbolic links (a dangling link names
// the file it would create).
std::string FollowLinks(std::string path);

// Whole-file helpers. ReadWholeFile gives false when the file cannot be read.
bool ReadWholeFile(const std::string& name, std::string& content);
// Replaces the file `path` by `content` without ever destroying the old file: the content goes
// to a temporary file in the same folder, which is renamed over the old one only when every
// byte was written. A symbolic link is followed (the file it points to is replaced) and the
// old file's permission bits are kept. Returns 0 or the errno of the failure.
// `phase`, when given, tells where a failure happened.
enum class WritePhase { Create, Write, Close };
int WriteFileReplacing(const std::string& path, std::string_view content,
                       WritePhase* phase = nullptr);

}  // namespace kv9
