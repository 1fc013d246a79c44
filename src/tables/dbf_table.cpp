#include "tables/dbf_table.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

#include "core/file_util.h"
#include "core/text.h"

namespace kv9 {
namespace {

// The DBF folder takes files: it has a write bit (a folder its owner protected stays protected
// for the superuser too) and "TEST.$$$" can be written there and removed again.
bool FolderTakesFiles(const std::string& dir) {
  struct stat st;
  std::string d = dir.empty() ? "./" : AddBackslash(dir);
  if (stat(d.c_str(), &st) != 0 || (st.st_mode & 0222) == 0) return false;
  std::string test = d + "TEST.$$$";
  int fd = open(test.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  std::string_view line = "DBF Write Check\r\n";
  bool written = ::write(fd, line.data(), line.size()) == static_cast<ssize_t>(line.size());
  written = close(fd) == 0 && written;
  unlink(test.c_str());
  return written;
}

bool SameName(std::string_view a, std::string_view b) {
  return LowerAscii(a.substr(0, kDbfFieldNameLength)) ==
         LowerAscii(b.substr(0, kDbfFieldNameLength));
}

}  // namespace

void DbfTable::setTitles(std::string title, std::string subtitle) {
  title_ = std::move(title);
  subtitle_ = std::move(subtitle);
}

bool DbfTable::open(TableEnv& env, const std::string& path) {
  close();
  std::string problem;
  DbfContent content;
  if (!LoadDbf(path, content, problem)) return refused(env, problem);
  open_ = true;
  path_ = path;
  read_only_ = FileIsReadOnly(path);
  content_ = std::move(content);
  current_ = recordCount() > 0 ? 1 : 0;
  buffer_ = blankRecord();
  return true;
}

bool DbfTable::openWithWriteCheck(TableEnv& env, std::string_view name) {
  std::string file(name);
  if (!HasDot(file)) file += ".dbf";
  std::string path = FindFileNoCase(env.dbf_dir, file);
  if (!FileReadable(path))
    return refused(env, "Datei " + Utf8ToCp850(path) + " nicht gefunden oder kein Zugriffsrecht !");
  if (FolderTakesFiles(env.dbf_dir) && !FileIsReadOnly(path)) return open(env, path);
  // Check the table where it lies, so a broken one is reported under its own name.
  DbfContent check;
  std::string problem;
  if (!LoadDbf(path, check, problem)) return refused(env, problem);
  std::string copy = copyToScratch(env, path);
  if (copy.empty() || !open(env, copy)) return false;
  on_copy_ = true;
  return true;
}

std::string DbfTable::copyToScratch(TableEnv& env, const std::string& source) {
  std::string key = FollowLinks(source);
  if (auto it = copies_.find(key); it != copies_.end() && FileExists(it->second)) return it->second;
  std::string copy =
      env.scratch_dir.empty() ? "" : AddBackslash(env.scratch_dir) + FileNamePart(source);
  std::string bytes;
  if (copy.empty() || !ReadWholeFile(source, bytes) || WriteFileReplacing(copy, bytes) != 0 ||
      chmod(copy.c_str(), 0600) != 0) {
    refused(env, "Datei " + Utf8ToCp850(copy.empty() ? FileNamePart(source) : copy) +
                     " kann nicht erstellt werden");
    return "";
  }
  // A table of another DBF folder may have had a copy of that name: it is gone now.
  std::erase_if(copies_, [&](const auto& entry) { return entry.second == copy; });
  copies_[key] = copy;
  return copy;
}

void DbfTable::close() {
  open_ = false;
  path_.clear();
  on_copy_ = read_only_ = false;
  content_ = {};
  current_ = 0;
  buffer_.clear();
}

void DbfTable::goTo(MessageList& messages, int n) {
  if (n > recordCount()) {
    TableMessage(messages, "DBF #" + std::to_string(n) + " not found.");
    current_ = recordCount();
    return;
  }
  current_ = std::max(n, recordCount() > 0 ? 1 : 0);
}

int DbfTable::fieldIndex(std::string_view name) const {
  for (std::size_t i = 0; i < fields().size(); ++i)
    if (SameName(fields()[i].name, name)) return static_cast<int>(i);
  return -1;
}

std::string DbfTable::fieldText(int record, int field) const {
  if (record < 1 || record > recordCount() || field < 0 ||
      field >= static_cast<int>(fields().size()))
    return "";
  return FieldText(fields()[field], content_.records[record - 1]);
}

std::string DbfTable::readField(int position) const {
  return fieldText(current_, position - 1);
}

bool DbfTable::readLogical(std::string_view name) const {
  return LogicalValue(fieldText(current_, fieldIndex(name)));
}

bool DbfTable::isDeleted(int record) const {
  return record >= 1 && record <= recordCount() && content_.records[record - 1][0] == '*';
}

bool DbfTable::refused(TableEnv& env, const std::string& problem) {
  TableError(env, problem);
  return false;
}

bool DbfTable::writable(TableEnv& env) {
  if (!open_)
    return refused(env,
                   "Keine Tabelle ge\x94"
                   "ffnet");
  if (read_only_) return refused(env, "Datei " + Utf8ToCp850(path_) + " ist schreibgesch\x81tzt");
  return true;
}

bool DbfTable::setBuffer(TableEnv& env, std::string_view name, const Encoder& encode) {
  int i = open_ ? fieldIndex(name) : -1;
  if (i < 0) return refused(env, "Feld " + std::string(name) + " nicht gefunden");
  std::string bytes, problem;
  if (!encode(fields()[i], bytes, problem)) return refused(env, problem);
  PutField(buffer_, fields()[i], bytes);
  return true;
}

bool DbfTable::setText(TableEnv& env, std::string_view name, std::string_view text) {
  return setBuffer(env, name, [&](const DbfField& f, std::string& bytes, std::string& problem) {
    return EncodeText(f, text, bytes, problem);
  });
}

bool DbfTable::setReal(TableEnv& env, std::string_view name, Real value) {
  return setBuffer(env, name, [&](const DbfField& f, std::string& bytes, std::string& problem) {
    return EncodeNumber(f, value, bytes, problem);
  });
}

bool DbfTable::setInteger(TableEnv& env, std::string_view name, long long value) {
  return setReal(env, name, static_cast<Real>(value));  // a long double holds every long long
}

bool DbfTable::setLogical(TableEnv& env, std::string_view name, bool value) {
  return setBuffer(env, name, [&](const DbfField& f, std::string& bytes, std::string& problem) {
    if (f.type != 'L' && f.type != 'C') {
      problem = "Feld " + f.name + " ist kein logisches Feld";
      return false;
    }
    bytes = EncodeLogical(f, value);
    return true;
  });
}

bool DbfTable::write(TableEnv& env, const std::vector<std::pair<int, std::string>>& writes) {
  if (!writable(env)) return false;
  std::string problem;
  DbfContent after;
  bool ok = WriteDbfRecords(path_, content_.layout, writes, env.today, after, problem);
  // After a failure the records shown are what the file now holds, as far as it can be read.
  std::string ignored;
  if (ok || (LoadDbf(path_, after, ignored) && SameFields(after.layout, content_.layout)))
    content_ = std::move(after);
  current_ = std::min(current_, recordCount());
  return ok || refused(env, problem);
}

bool DbfTable::append(TableEnv& env) {
  if (!write(env, {{-1, buffer_}})) return false;
  current_ = recordCount();
  buffer_ = blankRecord();
  return true;
}

bool DbfTable::appendRecords(TableEnv& env, const std::vector<std::string>& records) {
  std::vector<std::pair<int, std::string>> writes;
  for (const auto& r : records) writes.emplace_back(-1, r);
  if (!write(env, writes)) return false;
  if (!records.empty()) current_ = recordCount();
  return true;
}

bool DbfTable::writeField(TableEnv& env, int record, int field, std::string_view text) {
  if (record < 1 || record > recordCount() || field < 0 ||
      field >= static_cast<int>(fields().size()))
    return false;
  std::string bytes, problem;
  if (!EncodeText(fields()[field], text, bytes, problem)) return refused(env, problem);
  std::string changed = content_.records[record - 1];
  PutField(changed, fields()[field], bytes);
  return write(env, {{record - 1, changed}});
}

bool DbfTable::setDeleted(TableEnv& env, int record, bool deleted) {
  if (record < 1 || record > recordCount()) return false;
  std::string changed = content_.records[record - 1];
  changed[0] = deleted ? '*' : ' ';
  return write(env, {{record - 1, changed}});
}

bool DbfTable::pack(TableEnv& env) {
  return packing(env, -1);
}

bool DbfTable::remove(TableEnv& env, int record) {
  return record >= 1 && record <= recordCount() && packing(env, record - 1);
}

bool DbfTable::packing(TableEnv& env, int index) {
  if (!writable(env)) return false;
  std::string problem;
  DbfContent after;
  if (!PackDbf(path_, content_.layout, env.today, after, problem, index))
    return refused(env, problem);
  content_ = std::move(after);
  current_ = std::min(std::max(current_, 1), recordCount());
  return true;
}

bool DbfTable::reload(TableEnv& env) {
  if (!open_) return false;
  std::string problem;
  DbfContent now;
  if (!LoadDbf(path_, now, problem)) return refused(env, problem);
  if (!SameFields(now.layout, content_.layout))
    return refused(env, "Datei " + Utf8ToCp850(path_) + " hat andere Felder");
  content_ = std::move(now);
  current_ = std::min(std::max(current_, recordCount() > 0 ? 1 : 0), recordCount());
  return true;
}

}  // namespace kv9
