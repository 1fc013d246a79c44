// Writes the delivered print set-up table: make_printout_dbf data/printout.dbf
// (the unit tests check that the file in data/ is what this writes).
#include <cstdio>
#include <string>

#include "core/text.h"
#include "tables/printout_table.h"

int main(int argc, char** argv) {
  std::string path = argc > 1 ? argv[1] : "data/printout.dbf";
  std::string problem;
  if (!kv9::WritePrintoutTable(path, problem)) {
    std::fprintf(stderr, "%s\n", kv9::Cp850ToUtf8(problem).c_str());
    return 1;
  }
  return 0;
}
