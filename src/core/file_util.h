// File names and small file operations. "/" is the directory separator; names the user typed
// keep their bytes.
#pragma once

#include <string>
#include <string_view>

namespace kv9 {

class Clock;
struct DialogContext;

std::string AddBackslash(std::string_view dir);  // appends "/" unless empty or already "/"
std::string RemoveBackslash(std::string_view dir);
// "/" alone separates the parts of a path: ":" and "\" are ordinary characters of a name.
std::string FileNamePart(std::string_view path);  // after the last "/"
// The name the batch outputs are named after: without directory and without its last
// extension ("shaft.v1.kv9" gives "shaft.v1"; a leading "." starts no extension).
std::string BaseName(std::string_view path);
std::string NameNoExt(std::string_view path);  // without directory and from the first "." on
std::string ExtOf(std::string_view name);      // after the first "." of the file name part
bool HasDot(std::string_view path);            // the file name part contains "."
std::string DirOf(std::string_view path);      // up to and including the last "/"
std::string DriveOf(std::string_view path);
std::string CurrentDirectory();  // with trailing "/"
// A name holding a NUL byte names no file: the system would see only the part before it.
bool NameHasNul(std::string_view name);
bool FileReadable(const std::string& name);
// Both names stand for one existing file (links followed).
bool SameFile(const std::string& a, const std::string& b);
bool FileExists(const std::string& name);
bool DirWritable(const std::string& dir);
bool DirReachable(const std::string& dir);
// Deletes every file of `dir` matching the shell pattern `mask`; false at the first failure.
bool DeleteByMask(const std::string& dir, const std::string& mask);
void DeleteIfExists(const std::string& name);
// Block copy; a failure sets the abort flag.
bool CopyFile(bool& abort_flag, const std::string& source, const std::string& target);
// Copies into a file or a directory; failures show "Datei %s kann nicht geöffnet werden" or
// "... erstellt werden" and set the abort flag.
bool CopyToDir(const DialogContext& d, const std::string& source, const std::string& target);
int CountFiles(const std::string& dir, const std::string& mask);
// A file in `dir` whose name equals `name` without regard to case ("KV9.ERR" for "kv9.err");
// the exact name when it exists, else the first case-insensitive match, else dir + name.
std::string FindFileNoCase(const std::string& dir, const std::string& name);

// Dates and times by the configured date format ("Date Code").
std::string TodayText(const Clock& clock, int date_code);
std::string NowTimeText(const Clock& clock);
std::string FileDateText(long long unix_time);  // yyyy/mm/dd

// The file a name finally stands for, after following symbolic links (a dangling link names
// the file it would create).
std::string FollowLinks(std::string path);

// An existing file (links followed) that must not be replaced: no write permission, or no
// write bit at all (which holds for the superuser too, who could write it anyway).
bool FileIsReadOnly(const std::string& name);

// Whole-file helpers. ReadWholeFile gives false when the file cannot be read.
bool ReadWholeFile(const std::string& name, std::string& content);

enum class WritePhase { Create, Write, Close };

// A file that takes the place of `path` only when it is complete: the bytes go to a new file
// in the same folder (a short hidden name, so that a name near the 255-byte limit still
// works), renamed over `path` by commit(). A symbolic link is followed (the file it points to
// is replaced) and the old file's permission bits are kept; an existing `path` that is no
// regular file is refused. Until commit() succeeds the old file stays as it was; a failure,
// discard(), the destructor and a terminating signal remove the new file.
class ReplacingFile {
 public:
  explicit ReplacingFile(const std::string& path);
  ~ReplacingFile();
  ReplacingFile(const ReplacingFile&) = delete;
  ReplacingFile& operator=(const ReplacingFile&) = delete;

  bool ok() const { return error_ == 0; }
  int error() const { return error_; }         // errno of the first failure, 0 while all is well
  WritePhase phase() const { return phase_; }  // where that failure happened
  bool write(std::string_view bytes);
  // Flushes to the disk, closes and renames; false on failure (the new file is then gone).
  bool commit();
  void discard();

 private:
  bool fail(WritePhase at, int error);
  std::string target_, temp_;
  int fd_ = -1;
  int cleanup_slot_ = -1;
  int error_ = 0;
  WritePhase phase_ = WritePhase::Create;
};

// `content` as the new file `path`, through a ReplacingFile. Returns 0 or the errno of the
// failure; `phase`, when given, tells where it happened.
int WriteFileReplacing(const std::string& path, std::string_view content,
                       WritePhase* phase = nullptr);

}  // namespace kv9
