// The program's one open dBASE table: its file, its records, the current record, the record
// buffer that append writes, and the titles of the table browser. Record numbers count from 1.
// Every failure shows its message (while errors are allowed), sets the abort flag and leaves
// the file as it was.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "core/real.h"
#include "tables/dbf_file.h"
#include "tables/dbf_values.h"
#include "tables/table_env.h"

namespace kv9 {

class DbfTable {
 public:
  void setTitles(std::string title, std::string subtitle);
  const std::string& title() const { return title_; }
  const std::string& subtitle() const { return subtitle_; }

  // Opens the table file `path`, closing any table open before.
  bool open(TableEnv& env, const std::string& path);
  // Opens table `name` ("printout" becomes "printout.dbf") of the DBF folder. When the folder
  // takes no file ("TEST.$$$" with the line "DBF Write Check" cannot be written) or the table
  // is read-only, the table is copied into the scratch folder, the copy made writable and
  // opened instead. The copy made once in a run is used again by later opens of that run, so
  // that what was stored in it stays.
  bool openWithWriteCheck(TableEnv& env, std::string_view name);
  void close();
  bool isOpen() const { return open_; }
  const std::string& path() const { return path_; }
  bool onTemporaryCopy() const { return on_copy_; }
  bool readOnly() const { return read_only_; }

  // n below 1 goes to 1; n above the count notes "DBF #<n> not found." and goes to the last.
  void goTo(MessageList& messages, int n);
  int recordNumber() const { return current_; }
  int recordCount() const { return static_cast<int>(content_.records.size()); }

  const std::vector<DbfField>& fields() const { return content_.layout.fields; }
  // The field of that name (its first 10 characters count, case does not), or -1.
  int fieldIndex(std::string_view name) const;
  // The current record's field at `position` (1-based) as text; "" outside the table.
  std::string readField(int position) const;
  bool readLogical(std::string_view name) const;
  // Any record (1-based) and field (0-based).
  std::string fieldText(int record, int field) const;
  bool isDeleted(int record) const;

  // The record buffer: values for the next append. A value the field cannot hold is refused.
  bool setText(TableEnv& env, std::string_view name, std::string_view text);
  bool setReal(TableEnv& env, std::string_view name, Real value);
  bool setInteger(TableEnv& env, std::string_view name, long long value);
  bool setLogical(TableEnv& env, std::string_view name, bool value);
  // Appends the buffer as a new record, which becomes the current one; the buffer is blank
  // again afterwards.
  bool append(TableEnv& env);

  // Changes of the table browser.
  bool writeField(TableEnv& env, int record, int field, std::string_view text);
  bool setDeleted(TableEnv& env, int record, bool deleted);
  // Whole records (record length, deletion flag first), all or none.
  bool appendRecords(TableEnv& env, const std::vector<std::string>& records);
  // Removes the records marked deleted.
  bool pack(TableEnv& env);
  // Removes record `record` alone, whether marked or not.
  bool remove(TableEnv& env, int record);
  // Reads the records again from the file, which another program may have changed.
  bool reload(TableEnv& env);
  std::string blankRecord() const { return BlankRecord(content_.layout); }

 private:
  bool refused(TableEnv& env, const std::string& problem);
  bool writable(TableEnv& env);
  using Encoder = std::function<bool(const DbfField&, std::string& bytes, std::string& problem)>;
  bool setBuffer(TableEnv& env, std::string_view name, const Encoder& encode);
  bool write(TableEnv& env, const std::vector<std::pair<int, std::string>>& writes);
  bool packing(TableEnv& env, int index);
  std::string copyToScratch(TableEnv& env, const std::string& source);

  std::string title_, subtitle_;
  bool open_ = false;
  std::string path_;
  bool on_copy_ = false;
  bool read_only_ = false;
  DbfContent content_;
  int current_ = 0;
  std::string buffer_;
  std::map<std::string, std::string> copies_;  // table of the DBF folder -> its scratch copy
};

}  // namespace kv9
