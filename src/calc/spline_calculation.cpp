#include "calc/spline_calculation.h"

#include "core/session.h"

namespace kv9 {

void SplineCalculation(Session& s) {
  // The calculation itself is being built; until then a run only starts clean.
  MessageClear(s);
  s.abort_flag = false;
}

}  // namespace kv9
