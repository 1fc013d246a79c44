// Tooth outline of shaft and hub: circular root rounding of the shaft, corner fillet of the hub,
// involute flanks, tip arc and the root trochoid.
#include "toothform/tooth_outline.h"

#include <cmath>

#include "cad/cad_driver.h"
#include "geometry/plane_geometry.h"
#include "toothform/tooth_form_context.h"

namespace kv9 {

namespace {

// Signed angle (-pi .. pi) that turns the direction of a into the direction of b.
Real TurnAngle(Point a, Point b) {
  return std::atan2(a.x * b.y - a.y * b.x, a.x * b.x + a.y * b.y);
}

struct RootSide {
  std::vector<OutlineVertex> vertices;  // from the gap middle to the start of the involute
  Real start_diameter = 0;              // where the flank points begin
  int first_point = 0;                  // index of the first flank point after the root
};

// Shaft root: the rounding arc of radius rhoaP0 touches the root circle and passes through the
// involute at the fillet end diameter; the root circle runs on to the gap middle.
RootSide ShaftRoot(const ToothFormContext& s, const WheelGeometry& w) {
  RootSide r;
  const Real h = kPi / w.z, rf = w.df / 2, rho = w.rhoaP0;
  r.start_diameter = FilletEndDiameter(w);
  r.first_point = 1;
  const InvolutePointResult S = InvolutePoint(s, w, r.start_diameter);
  const Real psi_s = std::atan(S.x / S.y);
  const Real rs = Hypot(S.x, S.y);
  const Real rc = rf + rho;  // the rounding centre lies rho outside the root circle
  const Real gamma = AcosOrZero((rc * rc + rs * rs - rho * rho) / (2 * rs * rc));
  const Real theta_c = psi_s + gamma;
  const Point T{rf * std::sin(theta_c), rf * std::cos(theta_c)};
  const Real st = Hypot(S.x - T.x, S.y - T.y);
  const Real sigma = AcosOrZero((2 * rho * rho - st * st) / (2 * rho * rho));
  const Real c = h - theta_c;
  r.vertices = {{rf * std::sin(h), rf * std::cos(h), c}, {T.x, T.y, -sigma}, {S.x, S.y, 0}};
  return r;
}

// Hub root: a corner fillet of radius rhoaP0 between the root chord to the gap middle and the
// involute tangent at the root circle.
RootSide HubRoot(const ToothFormContext& s, const WheelGeometry& w) {
  RootSide r;
  const Real h = kPi / w.z, rf = w.df / 2;
  const InvolutePointResult p1 = InvolutePoint(s, w, w.df);
  const InvolutePointResult p2 = InvolutePoint(s, w, 0.99999L * w.df);
  const Point P1{p1.x, p1.y};
  const Point G{rf * std::sin(h), rf * std::cos(h)};
  const Real theta_t = std::atan2(p2.y - p1.y, p2.x - p1.x);
  const Real theta_g = std::atan2(G.y - P1.y, G.x - P1.x);
  // The outline arrives at the corner from the gap middle and leaves it along the flank.
  const Fillet f = CornerFillet(w.rhoaP0, P1, theta_g + kPi, theta_t);
  Point A = f.touch2, B = f.touch1;
  Real turn = 0;
  if (f.centre.x == 0 && f.centre.y == 0) {
    A = B = P1;  // chord and flank in line: no fillet
  } else {
    turn = TurnAngle({B.x - f.centre.x, B.y - f.centre.y}, {A.x - f.centre.x, A.y - f.centre.y});
  }
  r.vertices = {{G.x, G.y, 0}, {B.x, B.y, turn}, {A.x, A.y, 0}};
  r.start_diameter = -2 * Hypot(A.x, A.y);
  r.first_point = 1;
  return r;
}

}  // namespace

int InvolutePointCount(const ToothFormContext& s) {
  int n = s.ds.involute_points;
  if (n == 0) n = 20;
  return n < 2 ? 2 : n;
}

std::vector<OutlineVertex> ToothOutlineVertices(const ToothFormContext& s, const WheelGeometry& w,
                                                int n, bool close_root) {
  RootSide root;
  if (w.z < 0) {
    root = HubRoot(s, w);
  } else if (InvoluteReachesBaseCircle(w) && !close_root) {
    root.start_diameter = w.db;  // no root in the polyline
  } else {
    root = ShaftRoot(s, w);
  }
  const Real ds = root.start_diameter;
  const Real step = (w.da - ds) / (n - 1);

  std::vector<OutlineVertex> right;  // the flank points below the tip
  for (int i = root.first_point; i <= n - 2; ++i) {
    const InvolutePointResult p = InvolutePoint(s, w, ds + i * step);
    right.push_back({p.x, p.y, 0});
  }
  const InvolutePointResult tip = InvolutePoint(s, w, w.da);

  std::vector<OutlineVertex> v = root.vertices;
  v.insert(v.end(), right.begin(), right.end());
  v.push_back({tip.x, tip.y, 2 * tip.psi});  // the tip arc to its mirror point
  v.push_back({-tip.x, tip.y, 0});
  for (auto it = right.rbegin(); it != right.rend(); ++it) v.push_back({-it->x, it->y, 0});
  // The root of the left side is the right one mirrored and run backwards, which keeps the sign
  // of each included angle with the vertex that starts the arc.
  for (int i = static_cast<int>(root.vertices.size()) - 1; i >= 0; --i) {
    const Real angle = i > 0 ? root.vertices[i - 1].angle : 0;
    v.push_back({-root.vertices[i].x, root.vertices[i].y, angle});
  }
  return v;
}

std::vector<OutlineVertex> TrochoidVertices(const ToothFormContext& s, const WheelGeometry& w,
                                            int side) {
  std::vector<OutlineVertex> v;
  const Real r = w.d / 2, rho = w.rhoaP0;
  const Real tan_a = std::tan(w.alpha_n), cos_b = std::cos(w.beta);
  // Height of the rounding centre below the profile-shifted datum line.
  const Real A = w.haP0 - w.x * w.mn - rho;
  const Real F =
      (tan_a * 2 * w.x + kPi / 2) / w.z + rho / (r * std::cos(w.alpha_n)) + tan_a * A / r;
  Real r_stop = 0;
  if (w.z >= 0) r_stop = (InvoluteReachesBaseCircle(w) ? w.db : RoundingEndDiameter(w)) / 2;
  const int steps = s.toothform.trochoid_steps == 0 ? 30 : s.toothform.trochoid_steps;
  const Real pitch = 2 * kPi / w.z;
  const Real delta = std::fabs(pitch / steps);
  const Real cos_f = std::cos(F), sin_f = std::sin(F);
  Real phi = 0, radius = 0;
  do {
    const Real rp = r * phi, cp = std::cos(phi), sp = std::sin(phi);
    Real u, v_;
    if (A >= 0) {
      // The offset by rho along the path normal; at phi = 0 with A = 0 it points along +u.
      const Real s1 = std::sqrt((A / cos_b) * (A / cos_b) + rp * rp);
      const Real s2 = std::sqrt(A * A + rp * rp);
      const Real nu = rp * cp + A * cos_b * sp, nv = rp * sp - A * cp;
      u = nu + rho * (s1 > 0 ? nu / s1 : 1) - r * sp;
      v_ = r * cp + nv + rho * (s2 > 0 ? nv / s2 : 0);
    } else {
      const Real sa = std::sqrt(A * A + rp * rp);
      u = (1 - rho / sa) * (rp * cp - A * sp) + r * sp;
      v_ = r * cp + (1 - rho / sa) * (-rp * sp - A * cp);
    }
    const Real X = u * cos_f - v_ * sin_f, Y = u * sin_f + v_ * cos_f;
    if (side == 1 && phi == 0) {
      // The matching root point of the neighbouring tooth: the root between them is a chord.
      const Point n = RotatePoint({-X, Y}, {0, 0}, pitch);
      v.push_back({n.x, n.y, 0});
    }
    if (v_ < w.dNf / 2) v.push_back({side == 1 ? X : -X, Y, 0});
    phi += delta;
    radius = Hypot(u, v_);
  } while (phi <= std::fabs(pitch) && radius < r_stop);
  return v;
}

void DrawRootTrochoid(const ToothFormContext& s, const WheelGeometry& w, int side) {
  if (s.abort_flag) return;
  const std::vector<OutlineVertex> v = TrochoidVertices(s, w, side);
  CadPolylineBegin(s, 0);
  for (const OutlineVertex& p : v) CadVertex(s, p.x, p.y, p.angle);
  CadPolylineEnd(s);
}

void DrawToothOutline(const ToothFormContext& s, const WheelGeometry& w) {
  if (s.abort_flag) return;
  const std::vector<OutlineVertex> v = ToothOutlineVertices(s, w, InvolutePointCount(s));
  CadLayer(s, 5);
  CadPolylineBegin(s, 0);
  for (const OutlineVertex& p : v) CadVertex(s, p.x, p.y, p.angle);
  CadPolylineEnd(s);

  if (s.toothform.trochoid && w.z > 0 && InvoluteReachesBaseCircle(w)) {
    if (s.toothform.showDiameters()) {
      const Real ht = (w.da - w.df) / 2;
      CadLayer(s, 1);
      CadLine(s, 0, w.da / 2 + 0.2L * ht, 0, w.df / 2 - 0.2L * ht);
    }
    CadLayer(s, 5);
    DrawRootTrochoid(s, w, 1);
    DrawRootTrochoid(s, w, 2);
  }
}

}  // namespace kv9
