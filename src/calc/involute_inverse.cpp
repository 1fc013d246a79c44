#include "calc/involute_inverse.h"

#include <cmath>

#include "calc/calc_context.h"
#include "core/guarded_math.h"

namespace kv9 {

namespace {
constexpr Real kLimit = 1.57L;  // the interval of the bisection
constexpr Real kTolerance = 1e-15L;
}  // namespace

Real InverseInvolute(const CalcContext& s, Real v) {
  if (v == 0) return 0;
  if (!std::isfinite(v)) return ArcInv(s.messages, v);
  // inv is odd: solve for |v|. inv is increasing and convex on (0, pi/2), and inv(a) > a³/3, so
  // Newton started at cbrt(3 |v|) (or at the interval's end) approaches from above without
  // overshooting.
  const Real target = std::fabs(v);
  Real a = MinReal(std::cbrt(3 * target), kLimit);
  for (int i = 0; i < 40; ++i) {
    const Real t = std::tan(a);
    const Real f = Inv(s.messages, a) - target;
    if (std::fabs(f) < kTolerance) return v < 0 ? -a : a;
    const Real next = a - f / (t * t);
    if (!(next > 0 && next <= kLimit) || next == a) break;
    a = next;
  }
  return ArcInv(s.messages, v);
}

}  // namespace kv9
