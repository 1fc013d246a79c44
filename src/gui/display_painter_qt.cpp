#include "gui/display_painter_qt.h"

#include <QFontMetricsF>
#include <QPolygon>
#include <algorithm>
#include <cmath>

#include "gui/text_convert.h"

namespace kv9 {

namespace {

constexpr QRgb kPalette[16] = {
    qRgb(0, 0, 0),       qRgb(0, 0, 128),   qRgb(0, 128, 0),   qRgb(0, 128, 128),
    qRgb(128, 0, 0),     qRgb(128, 0, 128), qRgb(128, 128, 0), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(0, 0, 255),   qRgb(0, 255, 0),   qRgb(0, 255, 255),
    qRgb(255, 0, 0),     qRgb(255, 0, 255), qRgb(255, 255, 0), qRgb(255, 255, 255),
};

constexpr int kReferencePixels = 100;
// Qt takes arc angles in sixteenths of a degree.
int Sixteenths(Real deg) {
  return static_cast<int>(std::lround(static_cast<double>(deg) * 16));
}

}  // namespace

QColor PaletteColour(int colour) {
  return colour >= 0 && colour < 16 ? QColor(kPalette[colour]) : QColor(Qt::black);
}

QtDisplayPainter::QtDisplayPainter(QPainter& painter, const QString& font_family)
    : painter_(painter), font_(font_family) {
  font_.setPixelSize(kReferencePixels);
  QFontMetricsF m(font_, painter.device());
  if (m.capHeight() > 0) cap_ratio_ = m.capHeight() / kReferencePixels;
  // the advance of ordinary text, which the drawings' character widths are meant for (the
  // font's own average width counts mostly lower-case letters)
  const QString sample = "0123456789 ABCDEFGHIJKLMNOPQRSTUVWXYZ abcdefghijklmnopqrstuvwxyz";
  const qreal advance = m.horizontalAdvance(sample) / sample.size();
  if (advance > 0) width_ratio_ = advance / kReferencePixels;
  painter_.setBrush(Qt::NoBrush);
  applyPen();
}

void QtDisplayPainter::applyPen() {
  QPen pen(colour_, width_ > 1 ? width_ : 0, style_, Qt::FlatCap, Qt::MiterJoin);
  painter_.setPen(pen);
}

void QtDisplayPainter::setColor(int palette_colour) {
  colour_ = PaletteColour(palette_colour);
  applyPen();
}

void QtDisplayPainter::setLineStyle(int style) {
  switch (style) {
    case 1:
      style_ = Qt::DotLine;
      break;
    case 2:
      style_ = Qt::DashDotLine;
      break;
    case 3:
      style_ = Qt::DashLine;
      break;
    default:
      style_ = Qt::SolidLine;
  }
  applyPen();
}

void QtDisplayPainter::setLineWidth(int width) {
  width_ = width;
  applyPen();
}

void QtDisplayPainter::setTextStyle(const PixelTextStyle& style) {
  text_ = style;
  // the height is that of a capital letter, the width that of an average character
  const qreal size = static_cast<qreal>(style.height) / cap_ratio_;
  text_visible_ = size >= 1 && size < 100000;
  if (!text_visible_) return;
  font_.setPixelSize(static_cast<int>(std::lround(size)));
  const qreal natural_width = width_ratio_ * font_.pixelSize();
  text_stretch_ = style.width > 0 ? static_cast<qreal>(style.width) / natural_width : 1;
  if (!(text_stretch_ > 0.01 && text_stretch_ < 100)) text_stretch_ = 1;
}

void QtDisplayPainter::drawLine(PixelPoint a, PixelPoint b) {
  painter_.drawLine(a.x, a.y, b.x, b.y);
}

void QtDisplayPainter::drawEllipse(PixelPoint centre, int rx, int ry) {
  painter_.drawEllipse(QPoint(centre.x, centre.y), rx, ry);
}

void QtDisplayPainter::drawArc(PixelPoint centre, int rx, int ry, Real start_deg, Real span_deg) {
  // the screen's y runs down, so counter-clockwise in the world is counter-clockwise as seen
  painter_.drawArc(QRect(centre.x - rx, centre.y - ry, 2 * rx, 2 * ry), Sixteenths(start_deg),
                   Sixteenths(span_deg));
}

void QtDisplayPainter::drawText(PixelPoint at, const std::string& text) {
  if (!text_visible_) return;
  const QString shown = FromCp850(text);
  painter_.save();
  painter_.setFont(font_);
  painter_.translate(at.x, at.y);
  painter_.rotate(-static_cast<qreal>(text_.angle_deg));
  const qreal pitch = static_cast<qreal>(text_.width);
  if (pitch <= 0) {
    painter_.scale(text_stretch_, 1);
    painter_.drawText(QPointF(0, 0), shown);
  } else {
    // The drawings lay their texts out at a fixed pitch per character (table columns, numbers
    // padded with blanks), as the CAD fonts do. A proportional screen font would move a column
    // of a text across a table line, so every character sits in its own cell of the pitch,
    // centred, and a glyph wider than the cell is narrowed to it.
    const QFontMetricsF metrics(font_, painter_.device());
    for (qsizetype i = 0; i < shown.size(); ++i) {
      const QChar c = shown.at(i);
      if (c == QLatin1Char(' ')) continue;
      const qreal advance = metrics.horizontalAdvance(c);
      if (advance <= 0) continue;
      const qreal stretch = std::min(text_stretch_, pitch / advance);
      painter_.save();
      painter_.translate(pitch * i + (pitch - advance * stretch) / 2, 0);
      painter_.scale(stretch, 1);
      painter_.drawText(QPointF(0, 0), QString(c));
      painter_.restore();
    }
  }
  painter_.restore();
}

void QtDisplayPainter::drawPolygon(const std::array<PixelPoint, 4>& corners) {
  QPolygon polygon;
  for (const PixelPoint& p : corners) polygon << QPoint(p.x, p.y);
  painter_.save();
  painter_.setPen(QPen(colour_, 0));
  painter_.setBrush(colour_);
  painter_.drawPolygon(polygon);
  painter_.restore();
}

}  // namespace kv9
