// Number texts of the CAD files: fixed-point with a given number of decimals, written without
// the C locale. A value that is no number (NaN, infinity) is written as 0 and counted, so that
// the writer can report it.
#pragma once

#include <string>

#include "core/real.h"

namespace kv9 {

// The text added to the message list for a number that could not be written.
inline constexpr const char* kCadBadNumberMessage = "Fehler : ung\x81ltige Zahl in CAD";

class CadNumbers {
 public:
  // Fixed-point with `decimals` digits (0..40) after the separator; "-0.000" is written
  // without its sign. `comma` writes "," instead of ".".
  std::string fixed(Real x, int decimals, bool comma = false);
  // Counts the non-finite values met since the last call and resets the count.
  int takeBad() {
    int n = bad_;
    bad_ = 0;
    return n;
  }
  // Replaces a non-finite value by 0 (counting it).
  Real checked(Real x);

 private:
  int bad_ = 0;
};

}  // namespace kv9
