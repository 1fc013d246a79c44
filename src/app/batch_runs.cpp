// The batch runs need the data-file reader, the report and the drawings, which this build does
// not have yet: they say so and end with exit code 1, as a run that cannot read its file does.
#include "app/batch_runs.h"

#include <iostream>

namespace kv9 {

int RunBatchText(Session&, const std::string& file) {
  std::cerr << "wkv9: the batch text run (/I) is not available in this build; " << file
            << " was not processed\n";
  return 1;
}

int RunBatchCad(Session&, const std::string& file, int format, int drawing) {
  std::cerr << "wkv9: the batch CAD run (/CAD" << format << ":" << drawing
            << ") is not available in this build; " << file << " was not processed\n";
  return 1;
}

}  // namespace kv9
