// Small numeric helpers shared by the calculation steps: divisions that cannot trap, integer
// conversions that cannot overflow, and the member numbering of the messages.
#pragma once

#include <climits>
#include <cmath>
#include <string>

#include "core/real.h"

namespace kv9::calc {

// num / den, or 0 when den is 0. Used where a zero divisor can only come from data that a
// later check rejects (tan alpha with alpha = 0 ...), so the value is never looked at.
inline Real Quotient(Real num, Real den) {
  return den == 0 ? 0 : num / den;
}

// -n without overflow (the hub's number of teeth).
inline int Negated(int n) {
  return n == INT_MIN ? INT_MAX : -n;
}

inline Real SignOf(Real v) {
  return v < 0 ? -1 : 1;
}

// Member number as the messages print it: "1" for the shaft, "2" for the hub.
inline std::string MemberText(int member) {
  return std::to_string(member + 1);
}

}  // namespace kv9::calc
