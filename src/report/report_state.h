// State of the report formatter (target, header, counters).
#pragma once

namespace kv9 {

struct ReportState {
  // Filled in with the report formatter.
};

}  // namespace kv9
