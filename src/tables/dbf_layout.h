// The dBASE III PLUS layout of a table file, checked before shapelib sees the file: shapelib
// believes whatever the header says, so a header that lies would make it read past the records
// or misplace every field.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kv9 {

inline constexpr int kDbfFieldNameLength = 10;

struct DbfField {
  std::string name;  // at most 10 characters
  char type = 'C';   // C, N, F, L, D or M
  int width = 0;
  int decimals = 0;
  int offset = 0;  // in the record, after the deletion flag
};

struct DbfLayout {
  std::uint32_t record_count = 0;
  int header_length = 0;
  int record_length = 0;  // the deletion flag and every field
  std::vector<DbfField> fields;
};

// The layout of a complete table file, or nullopt with `problem` saying (in code page 850) what
// does not add up: a short file, an unknown version, field descriptors without their 0x0D end,
// field lengths that do not sum to the record length, more records than the file holds, a
// record that does not start with a deletion flag.
std::optional<DbfLayout> ReadDbfLayout(std::string_view file, std::string& problem);

// The layout of a new table with these fields: offsets and the record length set, no records.
DbfLayout LayoutOf(std::vector<DbfField> fields);

// Whether two tables have the same fields (names, types, widths), so records of one fit the
// other byte for byte.
bool SameFields(const DbfLayout& a, const DbfLayout& b);

}  // namespace kv9
