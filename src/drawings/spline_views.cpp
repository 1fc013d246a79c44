#include "drawings/spline_views.h"

#include <algorithm>
#include <cmath>

#include "cad/cad_driver.h"
#include "cad/drawing_context.h"
#include "drawings/hatch.h"

namespace kv9 {

namespace {

// Relative positions of the lobe points along the break, from the axis to the outline.
constexpr Real kBreakFractions[24] = {
    0,      0.043L, 0.079L, 0.129L, 0.177L, 0.221L, 0.268L, 0.321L, 0.379L, 0.464L, 0.564L,  0.618L,
    0.714L, 0.804L, 0.846L, 0.879L, 0.914L, 0.936L, 0.954L, 0.968L, 0.979L, 0.986L, 0.9964L, 1};

Real FaceWidth(const SplineDataSet& d, Real own) {
  if (own > 0) return own;
  if (d.b > 0) return d.b;
  return 0.4L * std::fabs(d.D[0]);
}

void HatchedWall(const DrawingContext& s, const SplineViewSizes& v, Real x0, Real y0, Real side) {
  const Real e = HubWallThickness(v);
  const Real bore = side * v.hub_minor / 2;
  const Real outer = side * (v.hub_minor / 2 + e);
  ResetHatchPolygon(s);
  AddHatchPoint(s, x0, y0 + bore);
  AddHatchPoint(s, x0 + v.b2, y0 + bore);
  CadLayer(s, 2);
  BreakLine(s, {x0 + v.b2, y0 + outer}, {x0, y0 + outer}, 0.2L * e, true);
  const int pen = s.cad.hatch.pen;
  SetHatchPen(s, 2);
  Hatch(s, static_cast<int>(s.cad.hatch.points.size()), 45, 0);
  SetHatchPen(s, pen);
}

// The smallest lettering of a print: designation texts on a sheet are at least this high once
// their view is scaled (mm).
constexpr Real kSheetTextHeight = 2.5L;

// The spline designation of a view at (x, y) with the given height and character width. On a
// sheet (scale > 0) the text is enlarged to kSheetTextHeight on the paper where it would be
// smaller, and moved left where it would run past the view's right end; a text longer than the
// whole view is centred on it.
void Designation(const DrawingContext& s, Real x, Real y, Real height, Real width, Real view_left,
                 Real view_right, Real sheet_scale) {
  if (sheet_scale > 0 && height * sheet_scale < kSheetTextHeight) {
    const Real enlarge = kSheetTextHeight / (height * sheet_scale);
    height *= enlarge;
    width *= enlarge;
  }
  CadTextStyle(s, 2, 0, height, width);
  const std::string& text = s.ds.class_title;
  if (sheet_scale > 0) {
    const Real length = static_cast<Real>(text.size()) * height * s.cad.text.width_factor;
    if (length > view_right - view_left)
      x = (view_left + view_right - length) / 2;
    else if (x + length > view_right)
      x = view_right - length;
  }
  CadText(s, text, x, y);
}

}  // namespace

SplineViewSizes ViewSizes(const DrawingContext& s) {
  const SplineDataSet& d = s.ds;
  SplineViewSizes v;
  v.mn = d.mn;
  v.b1 = FaceWidth(d, d.b1);
  v.b2 = FaceWidth(d, d.b2);
  v.reference_diameter = d.reference_diameter;
  v.shaft_pitch = std::fabs(d.D[0]);
  v.shaft_major = std::fabs(d.da[0]);
  v.shaft_minor = std::fabs(d.df[0]);
  v.hub_pitch = std::fabs(d.D[1]);
  v.hub_minor = std::fabs(d.da[1]);
  v.hub_major = std::fabs(d.df[1]);
  return v;
}

Real HubWallThickness(const SplineViewSizes& v) {
  return std::min(0.25L * v.reference_diameter, 4 * v.mn);
}

void BreakSymbolLobe(Real d, BreakSymbolPoint (&p)[47]) {
  const Real r = d / 2, w = 0.15L * d / 2;
  Real y[24];
  for (int i = 0; i <= 10; ++i) y[i] = i * w / 11;
  y[11] = 10.5L * w / 11;
  y[12] = w;
  for (int k = 0; k <= 10; ++k) y[13 + k] = y[11 - k];
  for (int i = 0; i < 24; ++i) p[i] = {r * kBreakFractions[i], y[i]};
  for (int j = 0; j <= 22; ++j) p[24 + j] = {p[22 - j].x, -y[j]};
}

void DrawShaftBreakSymbol(const DrawingContext& s, Real d) {
  BreakSymbolPoint p[47];
  BreakSymbolLobe(d, p);
  ResetHatchPolygon(s);
  for (const auto& q : p) AddHatchPoint(s, q.x, q.y);
  const int pen = s.cad.hatch.pen;
  SetHatchPen(s, 1);
  Hatch(s, 47, 45, 0);
  SetHatchPen(s, pen);
  if (s.abort_flag) return;
  // The other half of the break: the upper edge mirrored across the axis, not hatched.
  CadLayer(s, 5);
  CadMoveTo(s, p[0].x, p[0].y);
  for (int j = 1; j <= 23; ++j) CadLineTo(s, -p[j].x, p[j].y);
}

void DrawShaftView(const DrawingContext& s, Real x0, Real y0, Real sheet_scale) {
  const SplineViewSizes v = ViewSizes(s);
  const Real mn = v.mn, b1 = v.b1;
  const Real ra = v.shaft_major / 2, rr = v.shaft_minor / 2, rp = v.shaft_pitch / 2;
  const Real x_spline = x0 + 10 * mn, x_end = x0 + 10 * mn + b1, x_chamfer = x0 + 9 * mn + b1;

  CadInsert(s, "WLSTUMP", x0, y0, 90, 1, 1);

  CadLayer(s, 1);
  CadLine(s, x0, y0, x0 + 11 * mn + b1, y0);
  for (Real side : {1.0L, -1.0L})
    CadLine(s, x0 + 9 * mn, y0 + side * rp, x0 + 11 * mn + b1, y0 + side * rp);

  CadLayer(s, 2);
  for (Real side : {1.0L, -1.0L}) CadLine(s, x_spline, y0 + side * rr, x_end, y0 + side * rr);

  CadLayer(s, 5);
  for (Real side : {1.0L, -1.0L}) CadLine(s, x0, y0 + side * ra, x_chamfer, y0 + side * ra);
  CadLine(s, x_spline, y0 - ra, x_spline, y0 + ra);
  CadLine(s, x_chamfer, y0 - ra, x_chamfer, y0 + ra);
  CadLine(s, x_end, y0 - rr, x_end, y0 + rr);
  for (Real side : {1.0L, -1.0L}) CadLine(s, x_chamfer, y0 + side * ra, x_end, y0 + side * rr);

  Designation(s, x0 + 11 * mn, y0 + 0.02L * v.reference_diameter, 0.05L * b1, 0.0333L * b1, x0,
              x0 + 11 * mn + b1, sheet_scale);
}

void DrawHubView(const DrawingContext& s, Real x0, Real y0, Real sheet_scale) {
  const SplineViewSizes v = ViewSizes(s);
  const Real mn = v.mn, b2 = v.b2, refd = v.reference_diameter;
  const Real rp = v.hub_pitch / 2, rb = v.hub_minor / 2, rm = v.hub_major / 2;
  const Real outer = rb + HubWallThickness(v);

  CadLayer(s, 1);
  CadLine(s, x0 - mn, y0, x0 + b2 + mn, y0);
  for (Real side : {1.0L, -1.0L})
    CadLine(s, x0 - 2 * mn, y0 + side * rp, x0 + b2 + 2 * mn, y0 + side * rp);

  for (Real side : {1.0L, -1.0L}) {
    HatchedWall(s, v, x0, y0, side);
    if (s.abort_flag) return;
  }

  CadLayer(s, 5);
  for (Real side : {1.0L, -1.0L}) {
    CadLine(s, x0, y0 + side * rb, x0 + b2, y0 + side * rb);
    CadLine(s, x0, y0 + side * rm, x0 + b2, y0 + side * rm);
  }
  // The end faces run between the break lines of the two walls.
  for (Real x : {x0, x0 + b2}) CadLine(s, x, y0 - outer, x, y0 + outer);

  Designation(s, x0 + 0.05L * refd, y0 + 0.02L * refd, 0.05L * refd, 0.0333L * refd, x0 - 2 * mn,
              x0 + b2 + 2 * mn, sheet_scale);
}

}  // namespace kv9
