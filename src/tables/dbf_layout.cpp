#include "tables/dbf_layout.h"

#include <fmt/format.h>

#include <cstring>
#include <limits>

namespace kv9 {
namespace {

constexpr std::size_t kFileHeaderSize = 32;
constexpr std::size_t kDescriptorSize = 32;
constexpr unsigned char kDescriptorEnd = 0x0D;
constexpr unsigned char kEndOfFile = 0x1A;

unsigned Byte(std::string_view b, std::size_t i) {
  return static_cast<unsigned char>(b[i]);
}

unsigned Word(std::string_view b, std::size_t i) {
  return Byte(b, i) | Byte(b, i + 1) << 8;
}

std::uint32_t Long(std::string_view b, std::size_t i) {
  return Word(b, i) | static_cast<std::uint32_t>(Word(b, i + 2)) << 16;
}

std::optional<DbfLayout> Fail(std::string& problem, std::string text) {
  problem = std::move(text);
  return std::nullopt;
}

// A descriptor's name: up to its NUL, at most 10 characters (some writers fill all 11 bytes).
std::string FieldName(std::string_view d) {
  std::string_view name = d.substr(0, 11);
  name = name.substr(0, std::min(name.find('\0'), std::size_t(kDbfFieldNameLength)));
  return std::string(name);
}

}  // namespace

std::optional<DbfLayout> ReadDbfLayout(std::string_view file, std::string& problem) {
  if (file.size() < kFileHeaderSize) return Fail(problem, "Datei zu kurz f\x81r einen dBASE-Kopf");
  // dBASE III PLUS writes 0x03, and 0x83 when the table has a memo file.
  if (Byte(file, 0) != 0x03 && Byte(file, 0) != 0x83)
    return Fail(problem, fmt::format("keine dBASE-III-Tabelle (Kennung 0x{:02X})", Byte(file, 0)));
  DbfLayout t;
  t.record_count = Long(file, 4);
  t.header_length = static_cast<int>(Word(file, 8));
  t.record_length = static_cast<int>(Word(file, 10));
  std::size_t header = t.header_length;
  if (header < kFileHeaderSize + kDescriptorSize + 1 || header > file.size())
    return Fail(problem, fmt::format("Kopfl\x84nge {} ung\x81ltig", header));

  std::size_t pos = kFileHeaderSize;
  int sum = 1;  // the deletion flag
  for (;;) {
    if (pos >= header) return Fail(problem, "Feldbeschreibungen ohne Abschluss 0x0D");
    if (Byte(file, pos) == kDescriptorEnd) break;
    if (pos + kDescriptorSize >= header)
      return Fail(problem, "Feldbeschreibungen ohne Abschluss 0x0D");
    std::string_view d = file.substr(pos, kDescriptorSize);
    DbfField f;
    f.name = FieldName(d);
    f.type = d[11];
    // Character fields may be longer than 255: the decimals byte is then the high byte.
    f.width = f.type == 'C' ? static_cast<int>(Word(d, 16)) : static_cast<int>(Byte(d, 16));
    f.decimals = f.type == 'C' ? 0 : static_cast<int>(Byte(d, 17));
    f.offset = sum;
    int number = static_cast<int>(t.fields.size()) + 1;
    if (f.name.empty()) return Fail(problem, fmt::format("Feld {} ohne Namen", number));
    if (!std::strchr("CNFLDM", f.type) || f.type == '\0')
      return Fail(problem, fmt::format("Feld {}: unbekannter Typ 0x{:02X}", f.name, Byte(d, 11)));
    if (f.width == 0) return Fail(problem, fmt::format("Feld {}: L\x84nge 0", f.name));
    sum += f.width;
    t.fields.push_back(std::move(f));
    pos += kDescriptorSize;
  }
  if (t.fields.empty()) return Fail(problem, "Tabelle ohne Felder");
  if (sum != t.record_length)
    return Fail(problem, fmt::format("Feldl\x84ngen ({}) passen nicht zur Satzl\x84nge {}", sum,
                                     t.record_length));

  std::uint64_t records_held = (file.size() - header) / t.record_length;
  if (t.record_count > records_held)
    return Fail(problem, fmt::format("Kopf nennt {} S\x84tze, die Datei h\x84lt nur {}",
                                     t.record_count, records_held));
  if (t.record_count > std::uint32_t(std::numeric_limits<int>::max()))
    return Fail(problem, fmt::format("{} S\x84tze sind zu viele", t.record_count));
  std::uint64_t end = header + std::uint64_t(t.record_count) * t.record_length;
  // Past the last record only the end-of-file mark may follow; anything else means records
  // longer than the header declares, or a count that is too small.
  if (end < file.size() && Byte(file, end) != kEndOfFile)
    return Fail(problem, "Daten hinter dem letzten Satz (Satzl\x84nge falsch ?)");
  for (std::uint32_t r = 0; r < t.record_count; ++r) {
    unsigned flag = Byte(file, header + std::uint64_t(r) * t.record_length);
    if (flag != ' ' && flag != '*')
      return Fail(problem, fmt::format("Satz {} besch\x84"
                                       "digt (L\x94schkennung 0x{:02X})",
                                       r + 1, flag));
  }
  return t;
}

DbfLayout LayoutOf(std::vector<DbfField> fields) {
  DbfLayout t;
  t.record_length = 1;
  for (auto& f : fields) {
    f.offset = t.record_length;
    t.record_length += f.width;
  }
  t.header_length = static_cast<int>(kFileHeaderSize + kDescriptorSize * fields.size() + 1);
  t.fields = std::move(fields);
  return t;
}

bool SameFields(const DbfLayout& a, const DbfLayout& b) {
  if (a.fields.size() != b.fields.size() || a.record_length != b.record_length) return false;
  for (std::size_t i = 0; i < a.fields.size(); ++i) {
    const DbfField &x = a.fields[i], &y = b.fields[i];
    if (x.name != y.name || x.type != y.type || x.width != y.width) return false;
  }
  return true;
}

}  // namespace kv9
