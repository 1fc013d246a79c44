#include "tables/printout_table.h"

#include <vector>

#include "tables/dbf_file.h"
#include "tables/dbf_values.h"

namespace kv9 {
namespace {

struct Setup {
  const char* name;
  double scale_x, scale_y;
  int origin_x, origin_y;  // in 1/210 of the printable width
  bool landscape, monochrome, fit, border;
};

// Origins of 10 leave a margin of about 10 mm on an A4 sheet.
constexpr Setup kSetups[] = {
    {"A4 Hochformat", 1.0, 1.0, 10, 10, false, false, false, true},
    {"A4 Querformat angepasst", 1.0, 1.0, 10, 10, true, false, true, true},
    {"Monochrom Hochformat", 1.0, 1.0, 10, 10, false, true, false, true},
    {"Monochrom quer angepasst", 1.0, 1.0, 10, 10, true, true, true, true},
    {"A4 Hochformat halbe Gr\x94\xE1"
     "e",
     0.5, 0.5, 10, 10, false, false, false, false},
};

bool PutNumber(std::string& record, const DbfField& f, double value, std::string& problem) {
  std::string bytes;
  if (!EncodeNumber(f, value, bytes, problem)) return false;
  PutField(record, f, bytes);
  return true;
}

}  // namespace

bool WritePrintoutTable(const std::string& path, std::string& problem) {
  DbfLayout t = LayoutOf({
      {"name", 'C', 25, 0},
      {"xscale", 'N', 10, 4},
      {"yscale", 'N', 10, 4},
      {"xorigin", 'N', 6, 0},
      {"yorigin", 'N', 6, 0},
      {"landscape", 'L', 1, 0},
      {"monochrom", 'L', 1, 0},
      {"variable", 'L', 1, 0},
      {"borderline", 'L', 1, 0},
  });
  const auto& f = t.fields;
  std::vector<std::string> records;
  for (const auto& s : kSetups) {
    std::string record = BlankRecord(t);
    PutField(record, f[0], std::string(s.name) + std::string(f[0].width, ' '));
    if (!PutNumber(record, f[1], s.scale_x, problem) ||
        !PutNumber(record, f[2], s.scale_y, problem) ||
        !PutNumber(record, f[3], s.origin_x, problem) ||
        !PutNumber(record, f[4], s.origin_y, problem))
      return false;
    bool flags[] = {s.landscape, s.monochrome, s.fit, s.border};
    for (int i = 0; i < 4; ++i) PutField(record, f[5 + i], EncodeLogical(f[5 + i], flags[i]));
    records.push_back(record);
  }
  return CreateDbf(path, f, records, {2025, 1, 1, 0, 0}, problem);
}

}  // namespace kv9
