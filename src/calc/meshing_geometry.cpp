#include "calc/meshing_geometry.h"

#include <cmath>

#include "calc/calc_context.h"
#include "core/guarded_math.h"

namespace kv9 {

MeshingGeometry ComputeMeshingGeometry(const CalcContext& s, const Pair<Real>& xs,
                                       const MeshingOptions& options) {
  const auto& ds = s.ds;
  MeshingGeometry g;
  const Real tan_alpha = SafeTan(s.messages, ds.alpha);
  for (int i = 0; i < 2; ++i) {
    g.s[i] = (kPi / 2 + 2 * xs[i] * tan_alpha) * ds.mn;
    const Real shift = options.mean_tolerance[i] > 0.00001L ? (ds.xemin[i] + ds.xemax[i]) * ds.mn
                                                            : 2 * xs[i] * ds.mn;
    g.df[i] = ds.D[i] - 2 * ds.haP0[i] + shift;
    g.da[i] = ds.kmn[i] == 0 ? 2 * ds.hfP0[i] + ds.D[i] + shift : ds.da[i];
  }

  g.alpha_w = ds.alpha_t;
  if (options.centre_distance != 0) {
    const Real c = std::cos(ds.alpha_t) * (ds.D[0] + ds.D[1]) / 2 / options.centre_distance;
    // c = 0 (a coaxial pair, d1 + d2 = 0) would need a working angle of 90°
    if (!(c > 0 && c <= 1)) {
      s.fatal_flag = true;
      MessageAdd(s.messages, "Fatal  : Achsabstand !");
      return g;
    }
    g.alpha_w = std::acos(c);
  }
  for (int i = 0; i < 2; ++i) g.dw[i] = std::cos(ds.alpha_t) * ds.D[i] / std::cos(g.alpha_w);
  g.ok = true;
  return g;
}

}  // namespace kv9
