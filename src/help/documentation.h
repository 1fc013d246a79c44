// Change records, drawing information and documents that travel with the data file.
#pragma once

namespace kv9 {

struct Documentation {
  // Filled in with the change records and documents.
};

}  // namespace kv9
