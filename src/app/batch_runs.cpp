// The batch CAD run needs the drawings, which this build does not have yet: it says so and
// ends with exit code 1, as a run that cannot read its file does.
#include "app/batch_runs.h"

#include <iostream>

namespace kv9 {

int RunBatchCad(Session&, const std::string& file, int format, int drawing) {
  std::cerr << "wkv9: the batch CAD run (/CAD" << format << ":" << drawing
            << ") is not available in this build; " << file << " was not processed\n";
  return 1;
}

}  // namespace kv9
