// The screen's display list and its world-to-pixel mapping.
#pragma once

namespace kv9 {

class DisplayList {
 public:
  // Filled in with the display list.
};

}  // namespace kv9
