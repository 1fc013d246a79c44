// Results of the spline calculation (written by the calculation only, never stored in the data
// file). Pairs are [shaft, hub]; the hub keeps the internal-gear signs where the toolkit says so.
#pragma once

#include <string>

#include "core/real.h"

namespace kv9 {

struct SplineResults {
  // Filled in by the spline calculation.
};

}  // namespace kv9
