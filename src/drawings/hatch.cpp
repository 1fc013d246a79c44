#include "drawings/hatch.h"

#include <cmath>
#include <random>
#include <vector>

#include "cad/cad_driver.h"
#include "cad/drawing_context.h"
#include "core/message_list.h"

namespace kv9 {

void ResetHatchPolygon(const DrawingContext& s) {
  s.cad.hatch.points.clear();
}

void AddHatchPoint(const DrawingContext& s, Real x, Real y) {
  auto& points = s.cad.hatch.points;
  if (static_cast<int>(points.size()) >= HatchPolygon::kMaxPoints) {
    MessageAdd(s.messages, "Schraffurfehler");
    return;
  }
  points.push_back({x, y});
}

void SetHatchPen(const DrawingContext& s, int pen) {
  s.cad.hatch.pen = pen;
}

int Hatch(const DrawingContext& s, int n, Real angle_deg, Real spacing) {
  if (n > HatchPolygon::kMaxPoints) {
    MessageAdd(s.messages, "Fatal  : n schraff !");
    return 0;
  }
  std::vector<Point> p(
      s.cad.hatch.points.begin(),
      s.cad.hatch.points.begin() + std::min<std::size_t>(n > 0 ? n : 0, s.cad.hatch.points.size()));
  if (p.size() < 2) return 0;
  if (p.back().x != p.front().x || p.back().y != p.front().y) p.push_back(p.front());

  Real w = angle_deg * kPi / 180;
  Real t = std::tan(w);
  Real cmin = p[0].y - t * p[0].x, cmax = cmin;
  for (const Point& q : p) {
    Real c = q.y - t * q.x;
    cmin = std::min(cmin, c);
    cmax = std::max(cmax, c);
  }
  int pen = s.cad.hatch.pen;
  if (pen == 1) CadLayer(s, 5);
  if (pen != 2) {
    CadPolylineBegin(s, 0);
    for (const Point& q : p) CadVertex(s, q.x, q.y, 0);
    CadPolylineEnd(s);
  }
  Real step = spacing != 0 ? spacing / std::cos(w) : (cmax - cmin) * 0.1L;
  if (pen == 1 || pen == 2) CadLayer(s, 3);
  if (!(std::fabs(step) > 0) || !std::isfinite(step)) return 0;
  step = std::fabs(step);

  int lines = 0;
  for (int k = 1;; ++k) {
    Real c = cmin + k * step;
    if (!(c < cmax)) break;
    std::vector<Point> hits;
    for (std::size_t i = 1; i < p.size(); ++i) {
      const Point &a = p[i - 1], &b = p[i];
      Point hit;
      if (std::fabs(b.x - a.x) < 1e-6L) {
        hit = {a.x, t * a.x + c};
        if (!(hit.y > std::min(a.y, b.y) && hit.y < std::max(a.y, b.y))) continue;
      } else {
        Real m = (b.y - a.y) / (b.x - a.x);
        Real e = a.y - m * a.x;
        if (m == t) continue;
        hit.x = (e - c) / (t - m);
        hit.y = m * hit.x + e;
        if (!(hit.x > std::min(a.x, b.x) && hit.x < std::max(a.x, b.x))) continue;
      }
      if (hits.size() == 10) {
        MessageAdd(s.messages, "Fatal  : schraff schnittp");
        s.abort_flag = true;
        return lines;
      }
      hits.push_back(hit);
    }
    if (hits.empty()) continue;
    // Ordered by the distance from the crossing with the smallest x.
    std::size_t left = 0;
    for (std::size_t i = 1; i < hits.size(); ++i)
      if (hits[i].x < hits[left].x) left = i;
    std::vector<Real> distance;
    for (const Point& h : hits) distance.push_back(Hypot(h.x - hits[left].x, h.y - hits[left].y));
    std::vector<int> order = SortIntersections(s.messages, s.abort_flag, distance);
    if (s.abort_flag) return lines;
    for (std::size_t i = 0; i + 1 < order.size(); i += 2) {
      const Point &a = hits[order[i]], &b = hits[order[i + 1]];
      CadLine(s, a.x, a.y, b.x, b.y);
      ++lines;
    }
  }
  return lines;
}

void BreakLine(const DrawingContext& s, Point a, Point b, Real amplitude, bool add_to_hatch) {
  Real dx = b.x - a.x, dy = b.y - a.y;
  Real length = Hypot(dx, dy);
  Point d = length != 0 ? Point{dx / length, dy / length} : Point{1, 0};
  std::uniform_real_distribution<double> uniform(0.0, 1.0);
  CadMoveTo(s, a.x, a.y);
  if (add_to_hatch) AddHatchPoint(s, a.x, a.y);
  for (int i = 1; i <= 5; ++i) {
    Real along = i * length / 6;
    Real across = 2 * amplitude * (uniform(s.rng) - uniform(s.rng));
    Point q{a.x + along * d.x - across * d.y, a.y + along * d.y + across * d.x};
    CadLineTo(s, q.x, q.y);
    if (add_to_hatch) AddHatchPoint(s, q.x, q.y);
  }
  CadLineTo(s, b.x, b.y);
  if (add_to_hatch) AddHatchPoint(s, b.x, b.y);
}

}  // namespace kv9
