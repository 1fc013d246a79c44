// The display list's painter over a QPainter: the 16 classic colours, the four line styles,
// line widths, texts with height, character width and angle, ellipses and arcs, filled
// quadrilaterals. It knows nothing of widgets, so a printer page can be painted the same way.
#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>

#include "screen/display_replay.h"

namespace kv9 {

// Palette colour 0 (black) .. 15 (white); other numbers give black.
QColor PaletteColour(int colour);

class QtDisplayPainter : public DisplayPainter {
 public:
  // `font_family` is the configured graphics font (fontconfig substitutes what is missing).
  QtDisplayPainter(QPainter& painter, const QString& font_family);

  void setColor(int palette_colour) override;
  void setLineStyle(int style) override;
  void setLineWidth(int width) override;
  void setTextStyle(const PixelTextStyle& style) override;
  void drawLine(PixelPoint a, PixelPoint b) override;
  void drawEllipse(PixelPoint centre, int rx, int ry) override;
  void drawArc(PixelPoint centre, int rx, int ry, Real start_deg, Real span_deg) override;
  void drawText(PixelPoint at, const std::string& text) override;
  void drawPolygon(const std::array<PixelPoint, 4>& corners) override;

 private:
  void applyPen();

  QPainter& painter_;
  QFont font_;
  // Cap height and average character width of the font per pixel of its size.
  qreal cap_ratio_ = 0.7;
  qreal width_ratio_ = 0.5;
  QColor colour_ = Qt::black;
  Qt::PenStyle style_ = Qt::SolidLine;
  int width_ = 1;
  PixelTextStyle text_;
  qreal text_stretch_ = 1;
  bool text_visible_ = false;
};

}  // namespace kv9
