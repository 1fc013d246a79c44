// Table files through shapelib's DBF functions: every file is checked (dbf_layout.h) before
// shapelib opens it, read under a shared lock and changed under an exclusive one, so that two
// running copies of the program appending to one table do not overwrite each other's records.
// Texts are the file's bytes (code page 850).
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "core/clock.h"
#include "tables/dbf_layout.h"

namespace kv9 {

struct DbfContent {
  DbfLayout layout;
  std::vector<std::string> records;  // each record_length bytes, deletion flag first
};

// Each operation returns false with `problem`, the message to show (code page 850), when it
// fails: a file that cannot be read, one that is no sound table, one that cannot be written.
bool LoadDbf(const std::string& path, DbfContent& out, std::string& problem);

// Writes records into the table at `path`, whose fields must still be those of `expected`:
// `index` below the record count replaces that record, -1 appends. The header gets `today` as
// its date. Afterwards `out` holds the file as it now is, each written record checked.
bool WriteDbfRecords(const std::string& path, const DbfLayout& expected,
                     const std::vector<std::pair<int, std::string>>& writes, const DateTime& today,
                     DbfContent& out, std::string& problem);

// Removes the records marked deleted, or only the record at `index` when that is 0 or more;
// the file is replaced only when the new one is complete.
bool PackDbf(const std::string& path, const DbfLayout& expected, const DateTime& today,
             DbfContent& out, std::string& problem, int index = -1);

// A new table file with these fields (offsets are ignored) and records, code page 850 marked in
// its header.
bool CreateDbf(const std::string& path, const std::vector<DbfField>& fields,
               const std::vector<std::string>& records, const DateTime& today,
               std::string& problem);

}  // namespace kv9
