// State of the CAD output driver (kind, open file, block nesting, text style ...).
#pragma once

namespace kv9 {

struct CadState {
  // Filled in with the CAD output driver.
};

}  // namespace kv9
