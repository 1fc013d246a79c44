// Plane geometry of the tooth profiles and drawings: 2 x 2 systems, line intersections,
// rotations, the arc through two points with a given included angle and the corner fillet.
// Angles are radians unless a name says degrees; coordinates are drawing units.
#pragma once

#include <optional>
#include <span>
#include <vector>

#include "core/real.h"

namespace kv9 {

struct MessageList;
struct NumberStyle;

struct Point {
  Real x = 0;
  Real y = 0;
};

Real Det2(Real a, Real b, Real c, Real d);  // a·d - b·c

// a1·x + b1·y = c1, a2·x + b2·y = c2 by Cramer's rule. A zero determinant gives x = y = 0 and
// false.
bool Solve2(Real a1, Real b1, Real c1, Real a2, Real b2, Real c2, Real& x, Real& y);

// Intersection of the line through p1, p2 with the line through q1, q2 (0, 0 when parallel).
Point IntersectLines(Point p1, Point p2, Point q1, Point q2);
// The same for lines given by a point and a direction angle.
Point IntersectLinesAngle(Point p, Real angle_p, Point q, Real angle_q);

Point RotatePoint(Point p, Point centre, Real angle);  // counter-clockwise about the centre
Point RotateVector(Point v, Real angle);
// base + along·(cos a, sin a) + across·(-sin a, cos a), a in degrees.
Point PolarPoint(Point base, Real along, Real across, Real angle_deg);
// The angle opposite side a of the triangle a, b, c; 0 when b or c is 0.
Real CosineLawAngle(Real a, Real b, Real c);
Real ReverseAngle(Real angle);  // angle + pi, reduced by 2 pi when above 2 pi
Real Hypot(Real x, Real y);
Real ArcTan2(Real y, Real x);  // in (-pi/2, 3 pi/2); ±pi/2 for x = 0

// The arc from `start` to `end` with the included angle phi (positive = counter-clockwise from
// start to end). start_angle and end_angle are the directions from the centre, ordered so that
// the arc always runs counter-clockwise from start_angle to end_angle.
struct ArcGeometry {
  Point centre;
  Real radius = 0;
  Real start_angle = 0;
  Real end_angle = 0;
};
// An angle whose half has no sine (0, 2 pi ...) adds "Fehler in GetArcCenter (dphi = ..." to the
// message list (the angle written in `st`) and gives nothing.
std::optional<ArcGeometry> GetArcCenter(MessageList& messages, const NumberStyle& st, Point start,
                                        Point end, Real phi);

// The fillet of radius r in the corner at p between a line arriving in direction a1 and a line
// leaving in direction a2. The arc runs counter-clockwise from the direction of touch1 by sweep
// (0 .. 2 pi). Parallel lines give all zeros.
struct Fillet {
  Point touch1;
  Point touch2;
  Point centre;
  Real sweep = 0;
};
Fillet CornerFillet(Real r, Point p, Real a1, Real a2);

// Orders `index` (0-based positions into values) by value with a recursive quicksort. More than
// 10 values add "Fatal  : QSORT2 error", set the abort flag and give an empty list.
std::vector<int> SortIntersections(MessageList& messages, bool& abort_flag,
                                   std::span<const Real> values);

}  // namespace kv9
