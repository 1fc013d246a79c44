#include "core/file_util.h"

#include <dirent.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <sstream>
#include <vector>

#include "core/clock.h"
#include "core/generic_dialogs.h"
#include "core/number_format.h"
#include "core/signal_cleanup.h"
#include "core/text.h"

namespace kv9 {

std::string AddBackslash(std::string_view dir) {
  std::string d = Trim(dir);
  if (d.empty() || d.back() == '/') return d;
  return d + "/";
}

std::string RemoveBackslash(std::string_view dir) {
  std::string d(dir);
  if (!d.empty() && d.back() == '/') d.pop_back();
  return d;
}

std::string FileNamePart(std::string_view path) {
  auto slash = path.rfind('/');
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string NameNoExt(std::string_view path) {
  std::string name = FileNamePart(path);
  auto dot = name.find('.');
  return dot == std::string::npos ? name : name.substr(0, dot);
}

std::string BaseName(std::string_view path) {
  std::string name = FileNamePart(path);
  auto dot = name.rfind('.');
  return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

std::string ExtOf(std::string_view name) {
  std::string file = FileNamePart(name);
  auto dot = file.find('.');
  return dot == std::string::npos ? "" : file.substr(dot + 1);
}

bool HasDot(std::string_view path) {
  return FileNamePart(path).find('.') != std::string::npos;
}

std::string DirOf(std::string_view path) {
  auto slash = path.rfind('/');
  return slash == std::string_view::npos ? "" : std::string(path.substr(0, slash + 1));
}

std::string DriveOf(std::string_view path) {
  return path.find(':') != std::string_view::npos ? std::string(path.substr(0, 2)) : "";
}

std::string CurrentDirectory() {
  std::vector<char> buf(4096);
  for (;;) {
    if (getcwd(buf.data(), buf.size())) return AddBackslash(buf.data());
    if (errno != ERANGE || buf.size() > (1u << 20)) return "";
    buf.resize(buf.size() * 2);
  }
}

bool NameHasNul(std::string_view name) {
  return name.find('\0') != std::string_view::npos;
}

bool FileReadable(const std::string& name) {
  struct stat st;
  if (NameHasNul(name) || stat(name.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return false;
  return access(name.c_str(), R_OK) == 0;
}

bool FileExists(const std::string& name) {
  struct stat st;
  return !NameHasNul(name) && stat(name.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool DirWritable(const std::string& dir) {
  if (NameHasNul(dir)) return false;
  std::string probe = AddBackslash(dir.empty() ? "." : dir) + "x.$$$";
  int fd = open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW, 0600);
  if (fd < 0 && errno == EEXIST) {
    // A shared folder may hold someone else's "x.$$$": probe under a unique name instead.
    probe += "XXXXXX";
    fd = mkstemp(probe.data());
  }
  if (fd < 0) return false;
  close(fd);
  return unlink(probe.c_str()) == 0;
}

bool DirReachable(const std::string& dir) {
  struct stat st;
  std::string d = dir.empty() ? "." : dir;
  return !NameHasNul(d) && stat(d.c_str(), &st) == 0 && S_ISDIR(st.st_mode) &&
         access(d.c_str(), X_OK) == 0;
}

bool DeleteByMask(const std::string& dir, const std::string& mask) {
  std::string d = dir.empty() ? "." : dir;
  DIR* handle = opendir(d.c_str());
  if (!handle) return true;
  bool ok = true;
  while (dirent* e = readdir(handle)) {
    if (fnmatch(mask.c_str(), e->d_name, 0) != 0) continue;
    std::string full = AddBackslash(d) + e->d_name;
    if (!FileExists(full)) continue;
    if (unlink(full.c_str()) != 0) {
      ok = false;
      break;
    }
  }
  closedir(handle);
  return ok;
}

bool SameFile(const std::string& a, const std::string& b) {
  struct stat sa, sb;
  return stat(a.c_str(), &sa) == 0 && stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
         sa.st_ino == sb.st_ino;
}

void DeleteIfExists(const std::string& name) {
  if (FileExists(name)) unlink(name.c_str());
}

bool CopyFile(bool& abort_flag, const std::string& source, const std::string& target) {
  // Copying a file onto itself would truncate it before reading: there is nothing to do.
  if (NameHasNul(source) || NameHasNul(target)) {
    abort_flag = true;
    return false;
  }
  if (SameFile(source, target)) return true;
  std::ifstream in(source, std::ios::binary);
  std::ofstream out;
  if (in) out.open(target, std::ios::binary | std::ios::trunc);
  if (!in || !out) {
    abort_flag = true;
    return false;
  }
  char block[2048];
  while (in) {
    in.read(block, sizeof block);
    out.write(block, in.gcount());
    if (!out) break;
  }
  out.close();
  if (in.bad() || !out) {
    abort_flag = true;
    return false;
  }
  return true;
}

bool CopyToDir(const DialogContext& d, const std::string& source, const std::string& target) {
  std::string to = target;
  struct stat st;
  if (stat(target.c_str(), &st) == 0 && S_ISDIR(st.st_mode))
    to = AddBackslash(target) + FileNamePart(source);
  if (!FileReadable(source)) {
    ShowError(d, "Datei " + Utf8ToCp850(source) +
                     " kann nicht ge\x94"
                     "ffnet werden");
    d.abort_flag = true;
    return false;
  }
  {
    std::ofstream probe(to, std::ios::binary | std::ios::app);
    if (!probe) {
      ShowError(d, "Datei " + Utf8ToCp850(to) + " kann nicht erstellt werden");
      d.abort_flag = true;
      return false;
    }
  }
  return CopyFile(d.abort_flag, source, to);
}

int CountFiles(const std::string& dir, const std::string& mask) {
  DIR* handle = opendir(dir.empty() ? "." : dir.c_str());
  if (!handle) return 0;
  int n = 0;
  while (dirent* e = readdir(handle))
    if (fnmatch(mask.c_str(), e->d_name, 0) == 0 && FileExists(AddBackslash(dir) + e->d_name)) ++n;
  closedir(handle);
  return n;
}

std::string FindFileNoCase(const std::string& dir, const std::string& name) {
  std::string d = AddBackslash(dir);
  if (FileExists(d + name)) return d + name;
  std::string wanted = LowerAscii(name);
  std::string found;
  if (DIR* handle = opendir(dir.empty() ? "." : dir.c_str())) {
    while (dirent* e = readdir(handle)) {
      if (LowerAscii(e->d_name) == wanted && FileExists(d + e->d_name)) {
        found = d + e->d_name;
        break;
      }
    }
    closedir(handle);
  }
  return found.empty() ? d + name : found;
}

static std::string Two(int n) {
  return FormatIntZero(n, 2);
}

std::string TodayText(const Clock& clock, int date_code) {
  DateTime t = clock.now();
  std::string y = std::to_string(t.year), m = Two(t.month), d = Two(t.day);
  switch (date_code) {
    case 1:
      return d + "." + m + "." + y;
    case 2:
      return m + "/" + d + "/" + y;
    case 4:
      return d + "/" + m + "/" + y;
    default:
      return y + "/" + m + "/" + d;
  }
}

std::string NowTimeText(const Clock& clock) {
  DateTime t = clock.now();
  return std::to_string(t.hour) + ":" + Two(t.minute);
}

std::string FileDateText(long long unix_time) {
  std::time_t t = static_cast<std::time_t>(unix_time);
  std::tm tm{};
  localtime_r(&t, &tm);
  return std::to_string(tm.tm_year + 1900) + "/" + Two(tm.tm_mon + 1) + "/" + Two(tm.tm_mday);
}

bool FileIsReadOnly(const std::string& name) {
  struct stat st;
  if (NameHasNul(name) || stat(name.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
  return (st.st_mode & 0222) == 0 || access(name.c_str(), W_OK) != 0;
}

bool ReadWholeFile(const std::string& name, std::string& content) {
  if (NameHasNul(name)) return false;
  std::ifstream in(name, std::ios::binary);
  if (!in) return false;
  std::ostringstream buffer;
  buffer << in.rdbuf();
  if (in.bad()) return false;
  content = std::move(buffer).str();
  return true;
}

namespace {

std::string FolderOf(const std::string& path) {
  std::string dir = DirOf(path);
  return dir.empty() ? "./" : dir;
}

mode_t NewFileMode() {
  mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

}  // namespace

std::string FollowLinks(std::string path) {
  for (int depth = 0; depth < 40; ++depth) {
    struct stat st;
    if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) break;
    std::string target(4096, '\0');
    ssize_t n = readlink(path.c_str(), target.data(), target.size());
    if (n <= 0) break;
    target.resize(n);
    path = target[0] == '/' ? target : DirOf(path) + target;
  }
  return path;
}

ReplacingFile::ReplacingFile(const std::string& path) : target_(FollowLinks(path)) {
  if (target_.empty() || NameHasNul(path)) {
    fail(WritePhase::Create, EINVAL);
    return;
  }
  struct stat old;
  bool exists = stat(target_.c_str(), &old) == 0;
  if (exists && !S_ISREG(old.st_mode)) {
    fail(WritePhase::Create, S_ISDIR(old.st_mode) ? EISDIR : EINVAL);
    return;
  }
  std::string temp = FolderOf(target_) + ".kv9-XXXXXX";
  {
    SignalHold hold;  // the new file and its removal on a signal come into being together
    fd_ = mkostemp(temp.data(), O_CLOEXEC);
    if (fd_ < 0) {
      fail(WritePhase::Create, errno);
      return;
    }
    temp_ = temp;
    cleanup_slot_ = SignalCleanupAddFile(temp_);
  }
  phase_ = WritePhase::Write;
  if (fchmod(fd_, exists ? (old.st_mode & 07777) : NewFileMode()) != 0)
    fail(WritePhase::Write, errno);
}

ReplacingFile::~ReplacingFile() {
  discard();
}

bool ReplacingFile::fail(WritePhase at, int error) {
  if (error_ == 0) {
    error_ = error;
    phase_ = at;
  }
  discard();
  return false;
}

bool ReplacingFile::write(std::string_view bytes) {
  if (error_ != 0) return false;
  while (!bytes.empty()) {
    ssize_t n = ::write(fd_, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return fail(WritePhase::Write, n < 0 ? errno : EIO);
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

bool ReplacingFile::commit() {
  if (error_ != 0 || fd_ < 0) return false;
  phase_ = WritePhase::Close;
  if (fsync(fd_) != 0) return fail(WritePhase::Close, errno);
  int fd = fd_;
  fd_ = -1;
  if (close(fd) != 0) return fail(WritePhase::Close, errno);
  SignalHold hold;
  if (rename(temp_.c_str(), target_.c_str()) != 0) return fail(WritePhase::Close, errno);
  SignalCleanupForget(cleanup_slot_);
  cleanup_slot_ = -1;
  temp_.clear();
  return true;
}

void ReplacingFile::discard() {
  if (fd_ >= 0) close(fd_);
  fd_ = -1;
  if (temp_.empty()) return;
  SignalHold hold;
  unlink(temp_.c_str());
  SignalCleanupForget(cleanup_slot_);
  cleanup_slot_ = -1;
  temp_.clear();
}

int WriteFileReplacing(const std::string& path, std::string_view content, WritePhase* phase) {
  ReplacingFile file(path);
  if (file.write(content) && file.commit()) return 0;
  if (phase) *phase = file.phase();
  return file.error();
}

}  // namespace kv9
