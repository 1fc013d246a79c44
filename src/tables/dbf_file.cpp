#include "tables/dbf_file.h"

#include <fcntl.h>
#include <shapefil.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "core/file_util.h"
#include "core/text.h"

namespace kv9 {
namespace {

// shapelib makes its own file name: it cuts the extension and tries ".dbf", then ".DBF", and
// looks for a ".cpg" file beside. We hand it our exact name with ".dbf" added, and the open
// hook takes that ".dbf" off again, so a table named "PRINTOUT.Dbf" or "table" opens as itself;
// every other name shapelib tries opens nothing.
constexpr std::string_view kHandOver = ".dbf";

SAFile OpenExact(const char* name, const char* access) {
  std::string_view n(name);
  if (n.size() <= kHandOver.size() || !n.ends_with(kHandOver)) return nullptr;
  std::string real(n.substr(0, n.size() - kHandOver.size()));
  return reinterpret_cast<SAFile>(std::fopen(real.c_str(), access));
}

int RemoveNothing(const char*) {
  return -1;
}

SAHooks Hooks() {
  SAHooks h;
  SASetupDefaultHooks(&h);
  h.FOpen = OpenExact;
  h.Remove = RemoveNothing;
  return h;
}

DBFHandle OpenHandle(const std::string& path, const char* access) {
  SAHooks h = Hooks();
  return DBFOpenLL((path + std::string(kHandOver)).c_str(), access, &h);
}

void SetDate(DBFHandle h, const DateTime& today) {
  DBFSetLastModifiedDate(h, today.year - 1900, today.month, today.day);
}

// An advisory lock on the table file for as long as it lives.
class TableLock {
 public:
  TableLock(const std::string& path, bool exclusive) {
    fd_ = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ >= 0 && flock(fd_, exclusive ? LOCK_EX : LOCK_SH) != 0) {
      close(fd_);
      fd_ = -1;
    }
  }
  ~TableLock() {
    if (fd_ >= 0) close(fd_);
  }
  TableLock(const TableLock&) = delete;
  TableLock& operator=(const TableLock&) = delete;
  bool ok() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
};

std::string Named(const std::string& path) {
  return "Datei " + Utf8ToCp850(path);
}

bool Problem(std::string& problem, std::string text) {
  problem = std::move(text);
  return false;
}

bool Invalid(const std::string& path, std::string& problem, std::string_view why) {
  return Problem(problem, Named(path) + " ist keine g\x81ltige dBASE-Tabelle: " + std::string(why));
}

bool Unreadable(const std::string& path, std::string& problem) {
  return Problem(problem, Named(path) + " nicht gefunden oder kein Zugriffsrecht !");
}

// The checked layout, then the records as shapelib reads them; the caller holds the lock.
bool LoadLocked(const std::string& path, DbfContent& out, std::string& problem) {
  std::string bytes;
  if (!FileReadable(path) || !ReadWholeFile(path, bytes)) return Unreadable(path, problem);
  std::string why;
  auto layout = ReadDbfLayout(bytes, why);
  if (!layout) return Problem(problem, Named(path) + " ist keine g\x81ltige dBASE-Tabelle: " + why);
  DBFHandle h = OpenHandle(path, "rb");
  if (!h) return Invalid(path, problem, "Kopf nicht lesbar");
  bool same = DBFGetRecordCount(h) == static_cast<int>(layout->record_count) &&
              DBFGetFieldCount(h) == static_cast<int>(layout->fields.size());
  std::vector<std::string> records;
  for (int i = 0; same && i < DBFGetRecordCount(h); ++i) {
    const char* tuple = DBFReadTuple(h, i);
    if (!tuple) {
      same = false;
      break;
    }
    records.emplace_back(tuple, layout->record_length);  // shapelib reuses its buffer
  }
  DBFClose(h);
  if (!same) return Invalid(path, problem, "Kopf nicht lesbar");
  out.layout = std::move(*layout);
  out.records = std::move(records);
  return true;
}

// Under the exclusive lock: the table must still have the fields the caller knows.
bool LoadForChange(const std::string& path, const DbfLayout& expected, DbfContent& now,
                   std::string& problem) {
  if (!LoadLocked(path, now, problem)) return false;
  if (!SameFields(now.layout, expected))
    return Problem(problem, Named(path) + " wurde inzwischen ge\x84ndert (andere Felder)");
  return true;
}

std::string WriteFailure(const std::string& path) {
  return Named(path) + ": Fehler bei Zugriff auf Diskette/Platte";
}

void PutWord(std::string& b, std::size_t at, unsigned v) {
  b[at] = static_cast<char>(v & 0xFF);
  b[at + 1] = static_cast<char>(v >> 8 & 0xFF);
}

}  // namespace

bool LoadDbf(const std::string& path, DbfContent& out, std::string& problem) {
  TableLock lock(path, false);
  if (!lock.ok()) return Unreadable(path, problem);
  return LoadLocked(path, out, problem);
}

bool WriteDbfRecords(const std::string& path, const DbfLayout& expected,
                     const std::vector<std::pair<int, std::string>>& writes, const DateTime& today,
                     DbfContent& out, std::string& problem) {
  TableLock lock(path, true);
  if (!lock.ok()) return Unreadable(path, problem);
  DbfContent now;
  if (!LoadForChange(path, expected, now, problem)) return false;
  DBFHandle h = OpenHandle(path, "rb+");
  if (!h) return Problem(problem, Named(path) + " ist schreibgesch\x81tzt");
  SetDate(h, today);
  std::vector<std::pair<int, std::string>> placed;
  bool written = true;
  int count = static_cast<int>(now.records.size());
  for (const auto& [index, record] : writes) {
    int at = index < 0 ? count++ : index;
    if (at > count || record.size() != static_cast<std::size_t>(expected.record_length)) {
      written = false;
      break;
    }
    written = DBFWriteTuple(h, at, const_cast<char*>(record.data())) && written;
    placed.emplace_back(at, record);
  }
  DBFClose(h);
  // shapelib reports a failed write only on standard error: read back what is now there.
  DbfContent after;
  if (!LoadLocked(path, after, problem)) return false;
  for (const auto& [at, record] : placed)
    if (at >= static_cast<int>(after.records.size()) || after.records[at] != record)
      written = false;
  out = std::move(after);
  return written || Problem(problem, WriteFailure(path));
}

bool PackDbf(const std::string& path, const DbfLayout& expected, const DateTime& today,
             DbfContent& out, std::string& problem, int index) {
  TableLock lock(path, true);
  if (!lock.ok()) return Unreadable(path, problem);
  std::string bytes;
  DbfContent now;
  if (!LoadForChange(path, expected, now, problem)) return false;
  if (!ReadWholeFile(path, bytes)) return Unreadable(path, problem);
  // The header and the field descriptors stay; the count, the date and the records change.
  std::string packed = bytes.substr(0, now.layout.header_length);
  std::uint32_t kept = 0;
  for (std::size_t i = 0; i < now.records.size(); ++i) {
    const std::string& record = now.records[i];
    if (index >= 0 ? static_cast<int>(i) == index : record[0] == '*') continue;
    packed += record;
    ++kept;
  }
  packed += '\x1A';
  packed[1] = static_cast<char>(today.year - 1900);
  packed[2] = static_cast<char>(today.month);
  packed[3] = static_cast<char>(today.day);
  PutWord(packed, 4, kept & 0xFFFF);
  PutWord(packed, 6, kept >> 16);
  if (WriteFileReplacing(path, packed) != 0) return Problem(problem, WriteFailure(path));
  return LoadLocked(path, out, problem);
}

bool CreateDbf(const std::string& path, const std::vector<DbfField>& fields,
               const std::vector<std::string>& records, const DateTime& today,
               std::string& problem) {
  SAHooks hooks = Hooks();
  // Language driver 2 is code page 850; shapelib writes no ".cpg" file for an "LDID/" code.
  DBFHandle h = DBFCreateLL((path + std::string(kHandOver)).c_str(), "LDID/2", &hooks);
  if (!h) return Problem(problem, Named(path) + " kann nicht erstellt werden");
  bool ok = true;
  for (const auto& f : fields)
    ok = DBFAddNativeFieldType(h, f.name.c_str(), f.type, f.width, f.decimals) >= 0 && ok;
  SetDate(h, today);
  for (std::size_t i = 0; ok && i < records.size(); ++i)
    ok = DBFWriteTuple(h, static_cast<int>(i), const_cast<char*>(records[i].data()));
  DBFClose(h);
  DbfContent check;
  if (!ok || !LoadDbf(path, check, problem) || check.records != records)
    return Problem(problem, WriteFailure(path));
  return true;
}

}  // namespace kv9
