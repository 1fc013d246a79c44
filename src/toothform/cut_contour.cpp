#include "toothform/cut_contour.h"

#include <cmath>
#include <cstdlib>

namespace kv9 {

namespace {

bool SamePoint(const OutlineVertex& a, const OutlineVertex& b, Real tolerance) {
  return std::fabs(a.x - b.x) <= tolerance && std::fabs(a.y - b.y) <= tolerance;
}

}  // namespace

std::vector<OutlineVertex> CutContour(const std::vector<OutlineVertex>& tooth, int z,
                                      Real tolerance) {
  std::vector<OutlineVertex> chain;
  if (z == 0 || tooth.size() < 2) return chain;
  const int teeth = std::abs(z);
  const std::size_t per_tooth = tooth.size() - 1;
  chain.reserve(static_cast<std::size_t>(teeth) * per_tooth);
  for (int k = 0; k < teeth; ++k) {
    // Each copy's angle is taken afresh, so no rounding piles up over hundreds of teeth.
    const Real turn = 2 * kPi * k / z;
    const Real c = std::cos(turn), s = std::sin(turn);
    for (std::size_t i = 0; i < per_tooth; ++i) {
      const OutlineVertex& v = tooth[i];
      const OutlineVertex p{c * v.x - s * v.y, s * v.x + c * v.y, v.angle};
      if (!chain.empty() && SamePoint(chain.back(), p, tolerance))
        chain.back().angle = p.angle;
      else
        chain.push_back(p);
    }
  }
  // The segment back to the start must not have zero length either.
  while (chain.size() > 1 && SamePoint(chain.back(), chain.front(), tolerance)) chain.pop_back();
  return chain;
}

}  // namespace kv9
