#include "cad/cad_writer.h"

#include <cmath>

namespace kv9 {

bool IsFullCircle(Real start_deg, Real end_deg) {
  if (start_deg == end_deg) return true;
  auto near = [](Real a, Real b) { return std::fabs(a - b) < 1e-5L; };
  return (near(start_deg, 0) && near(end_deg, 360)) || (near(start_deg, 360) && near(end_deg, 0));
}

}  // namespace kv9
