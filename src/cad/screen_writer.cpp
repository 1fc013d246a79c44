#include "cad/screen_writer.h"

#include "cad/block_file_reader.h"
#include "cad/cad_context.h"
#include "cad/iges_writer.h"
#include "cad/layer_colours.h"
#include "model/config.h"
#include "screen/display_list.h"

namespace kv9 {

Real ScreenWriter::num(Real x) {
  Real v = numbers_.checked(x);
  if (numbers_.takeBad() > 0) messages.push_back(kCadBadNumberMessage);
  return v;
}

int ScreenWriter::LayerColour(const CadContext& s, int n) {
  int background = s.cfg.background_colour;
  int contrast = background == 0 ? 15 : 0;
  if (!s.cfg.colour_graphics) return contrast;
  int c = DisplayList::GetColorTurbo(LayerColoursOf(s.cfg).of(n));
  // White lines on a white window (CAD colour 7) are drawn in the contrasting colour.
  return c == background ? contrast : c;
}

int ScreenWriter::LayerLineStyle(int n) {
  return n == 1 ? 2 : n == 2 ? 3 : 0;
}

int ScreenWriter::LayerLineWidth(const CadContext& s, int n) {
  if (n >= 0 && n <= 5) return s.cfg.line_thickness_0_5[n];
  if (n >= 16 && n <= 31) return s.cfg.line_thickness_16_31[n - 16];
  return 1;
}

void ScreenWriter::limits(Real xmin, Real ymin, Real xmax, Real ymax) {
  if (!s_.display.Header(num(xmin), num(ymin), num(xmax), num(ymax))) s_.abort_flag = true;
}

void ScreenWriter::entitiesBegin() {
  s_.display.ResetZoom();
}

void ScreenWriter::layer(int n) {
  s_.display.SetColor(LayerColour(s_, n));
  s_.display.SetLineStyle(LayerLineStyle(n));
  s_.display.SetLineWidth(LayerLineWidth(s_, n));
}

void ScreenWriter::line(Real x1, Real y1, Real x2, Real y2) {
  s_.display.line(num(x1), num(y1), num(x2), num(y2));
}

void ScreenWriter::circle(Real x, Real y, Real r) {
  s_.display.circle(num(x), num(y), num(r));
}

void ScreenWriter::arc(Real x, Real y, Real start_deg, Real end_deg, Real r) {
  if (IsFullCircle(start_deg, end_deg))
    circle(x, y, r);
  else
    s_.display.Arc(num(x), num(y), num(start_deg), num(end_deg), num(r));
}

void ScreenWriter::text(const std::string& text, Real x, Real y, const CadTextFormat& st) {
  s_.display.SetTextStyle(num(st.height), num(st.screen_width), st.font, num(st.rotation));
  s_.display.OutTextXY(num(x), num(y), text);
}

void ScreenWriter::solid(const std::array<Real, 8>& c) {
  s_.display.Solid(num(c[0]), num(c[1]), num(c[2]), num(c[3]), num(c[4]), num(c[5]), num(c[6]),
                   num(c[7]));
}

void ScreenWriter::insert(const std::string& name, Real x, Real y, Real angle_deg, Real x_scale,
                          Real y_scale) {
  DrawBlockInsert(s_, *this, name, x, y, angle_deg, x_scale, y_scale);
}

}  // namespace kv9
