// Replays a display list through its mapping onto a pixel painter (the graphics widget and the
// printer implement DisplayPainter). "10;" commands re-establish their window and keep the zoom.
#pragma once

#include <array>
#include <string>

#include "screen/display_list.h"

namespace kv9 {

struct PixelTextStyle {
  Real height = 0;  // pixels
  Real width = 0;   // pixels per character
  int font = 0;
  Real angle_deg = 0;
};

class DisplayPainter {
 public:
  virtual ~DisplayPainter() = default;
  virtual void setColor(int palette_colour) = 0;
  virtual void setLineStyle(int style) = 0;
  virtual void setLineWidth(int width) = 0;
  virtual void setTextStyle(const PixelTextStyle& style) = 0;
  virtual void drawLine(PixelPoint a, PixelPoint b) = 0;
  // Circles and arcs become ellipses when the two scales differ.
  virtual void drawEllipse(PixelPoint centre, int rx, int ry) = 0;
  // Counter-clockwise on the screen from start_deg by span_deg (0 < span <= 360).
  virtual void drawArc(PixelPoint centre, int rx, int ry, Real start_deg, Real span_deg) = 0;
  virtual void drawText(PixelPoint at, const std::string& text) = 0;  // code page 850
  virtual void drawPolygon(const std::array<PixelPoint, 4>& corners) = 0;
  virtual void sleepMs(int ms) {}
};

// Commands that cannot be read are skipped.
void ReplayDisplayList(DisplayList& list, DisplayPainter& painter);

}  // namespace kv9
