// The inverse involute used by the calculation: the angle a in [-1.57, 1.57] rad with
// |inv(a) - v| < 1e-15, the acceptance test of the guarded ArcInv. Newton's method reaches it
// in a few steps where the bisection needs about sixty; whenever Newton cannot meet the test,
// the bisection runs and gives its own result and message.
#pragma once

#include "core/real.h"

namespace kv9 {

struct CalcContext;

Real InverseInvolute(const CalcContext& s, Real v);

}  // namespace kv9
