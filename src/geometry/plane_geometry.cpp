#include "geometry/plane_geometry.h"

#include <cmath>

#include "core/guarded_math.h"
#include "core/message_list.h"
#include "core/number_format.h"

namespace kv9 {

Real Det2(Real a, Real b, Real c, Real d) {
  return a * d - b * c;
}

bool Solve2(Real a1, Real b1, Real c1, Real a2, Real b2, Real c2, Real& x, Real& y) {
  Real d = Det2(a1, b1, a2, b2);
  if (d == 0) {
    x = y = 0;
    return false;
  }
  x = Det2(c1, b1, c2, b2) / d;
  y = Det2(a1, c1, a2, c2) / d;
  return true;
}

Point IntersectLines(Point p1, Point p2, Point q1, Point q2) {
  // (p2 - p1)·s - (q2 - q1)·t = q1 - p1
  Real s = 0, t = 0;
  if (!Solve2(p2.x - p1.x, -(q2.x - q1.x), q1.x - p1.x, p2.y - p1.y, -(q2.y - q1.y), q1.y - p1.y, s,
              t))
    return {0, 0};
  return {p1.x + s * (p2.x - p1.x), p1.y + s * (p2.y - p1.y)};
}

Point IntersectLinesAngle(Point p, Real angle_p, Point q, Real angle_q) {
  Point p2{p.x + 100 * std::cos(angle_p), p.y + 100 * std::sin(angle_p)};
  Point q2{q.x + 100 * std::cos(angle_q), q.y + 100 * std::sin(angle_q)};
  return IntersectLines(p, p2, q, q2);
}

Point RotateVector(Point v, Real angle) {
  RotateXY(angle, v.x, v.y);
  return v;
}

Point RotatePoint(Point p, Point centre, Real angle) {
  Point r = RotateVector({p.x - centre.x, p.y - centre.y}, angle);
  return {centre.x + r.x, centre.y + r.y};
}

Point PolarPoint(Point base, Real along, Real across, Real angle_deg) {
  Real a = angle_deg * kPi / 180;
  Real c = std::cos(a), s = std::sin(a);
  return {base.x + along * c - across * s, base.y + along * s + across * c};
}

Real CosineLawAngle(Real a, Real b, Real c) {
  if (b == 0 || c == 0) return 0;
  Real v = (b * b + c * c - a * a) / (2 * b * c);
  // A triangle that does not close gives the nearest angle, not NaN.
  if (v > 1) v = 1;
  if (v < -1) v = -1;
  return std::acos(v);
}

Real ReverseAngle(Real angle) {
  Real r = angle + kPi;
  if (r > 2 * kPi) r -= 2 * kPi;
  return r;
}

Real Hypot(Real x, Real y) {
  return VectorLength(x, y);
}

Real ArcTan2(Real y, Real x) {
  return VectorAngle(x, y);
}

std::optional<ArcGeometry> GetArcCenter(MessageList& messages, const NumberStyle& st, Point start,
                                        Point end, Real phi) {
  Real half_sine = std::sin(phi / 2);
  if (!(std::fabs(half_sine) >= 1e-12L)) {
    MessageAdd(messages, "Fehler in GetArcCenter (dphi = " + FormatShort(st, phi) + " ! ");
    return std::nullopt;
  }
  Real dx = end.x - start.x, dy = end.y - start.y;
  Real chord = Hypot(dx, dy);
  Point mid{(start.x + end.x) / 2, (start.y + end.y) / 2};
  Real t = std::sin(phi) != 0 ? (chord / 2) / std::tan(phi / 2) : 0;
  ArcGeometry arc;
  arc.radius = std::fabs((chord / 2) / half_sine);
  if (chord == 0) {
    MessageAdd(messages, "GetArcCenter l12=0");
    arc.centre = mid;
  } else {
    // The centre lies to the left of the chord for a counter-clockwise arc.
    arc.centre = {mid.x - t * dy / chord, mid.y + t * dx / chord};
  }
  Real a_start = ArcTan2(start.y - arc.centre.y, start.x - arc.centre.x);
  Real a_end = ArcTan2(end.y - arc.centre.y, end.x - arc.centre.x);
  if (phi >= 0) {
    arc.start_angle = a_start;
    arc.end_angle = a_end;
  } else {
    arc.start_angle = a_end;
    arc.end_angle = a_start;
  }
  return arc;
}

Fillet CornerFillet(Real r, Point p, Real a1, Real a2) {
  // Both lines pass through the corner: the first one back along its arrival direction, the
  // second one along its leaving direction. The inside of the corner lies between the two rays.
  Real back = ReverseAngle(a1);
  Point u1{std::cos(back), std::sin(back)};
  Point u2{std::cos(a2), std::sin(a2)};
  Fillet f;
  // Parallel (or collinear) lines have no fillet; rounded directions are never exactly parallel.
  if (std::fabs(u1.x * u2.y - u1.y * u2.x) < 1e-12L) return f;
  Point n1{-u1.y, u1.x};
  if (n1.x * u2.x + n1.y * u2.y < 0) n1 = {-n1.x, -n1.y};
  Point n2{-u2.y, u2.x};
  if (n2.x * u1.x + n2.y * u1.y < 0) n2 = {-n2.x, -n2.y};
  // Both lines offset by r towards the inside: n·(X - p) = r.
  Real cx = 0, cy = 0;
  if (!Solve2(n1.x, n1.y, r + n1.x * p.x + n1.y * p.y, n2.x, n2.y, r + n2.x * p.x + n2.y * p.y, cx,
              cy))
    return f;
  f.centre = {cx, cy};
  f.touch1 = {cx - r * n1.x, cy - r * n1.y};
  f.touch2 = {cx - r * n2.x, cy - r * n2.y};
  Real d1 = ArcTan2(f.touch1.y - cy, f.touch1.x - cx);
  Real d2 = ArcTan2(f.touch2.y - cy, f.touch2.x - cx);
  f.sweep = d2 - d1;
  if (f.sweep < 0) f.sweep += 2 * kPi;
  return f;
}

namespace {

void QuickSort(std::span<const Real> values, std::vector<int>& index, int lo, int hi) {
  int i = lo, j = hi;
  Real pivot = values[index[(lo + hi) / 2]];
  while (i <= j) {
    while (values[index[i]] < pivot) ++i;
    while (pivot < values[index[j]]) --j;
    if (i <= j) {
      std::swap(index[i], index[j]);
      ++i;
      --j;
    }
  }
  if (lo < j) QuickSort(values, index, lo, j);
  if (i < hi) QuickSort(values, index, i, hi);
}

}  // namespace

std::vector<int> SortIntersections(MessageList& messages, bool& abort_flag,
                                   std::span<const Real> values) {
  if (values.size() > 10) {
    MessageAdd(messages, "Fatal  : QSORT2 error");
    abort_flag = true;
    return {};
  }
  std::vector<int> index(values.size());
  for (std::size_t i = 0; i < index.size(); ++i) index[i] = static_cast<int>(i);
  if (index.size() > 1) QuickSort(values, index, 0, static_cast<int>(index.size()) - 1);
  return index;
}

}  // namespace kv9
