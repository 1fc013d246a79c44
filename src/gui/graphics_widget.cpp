#include "gui/graphics_widget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
#include <algorithm>

#include "gui/display_painter_qt.h"

namespace kv9 {

namespace {

DisplayKey KeyOf(const QKeyEvent& event) {
  const bool keypad = event.modifiers() & Qt::KeypadModifier;
  switch (event.key()) {
    case Qt::Key_Escape:
      return DisplayKey::Escape;
    case Qt::Key_F5:
      return DisplayKey::F5;
    case Qt::Key_Left:
      return DisplayKey::Left;
    case Qt::Key_Right:
      return DisplayKey::Right;
    case Qt::Key_Up:
      return DisplayKey::Up;
    case Qt::Key_Down:
      return DisplayKey::Down;
    case Qt::Key_PageUp:
      return DisplayKey::PageUp;
    case Qt::Key_PageDown:
      return DisplayKey::PageDown;
    case Qt::Key_Plus:
      return keypad ? DisplayKey::Plus : DisplayKey::Other;
    case Qt::Key_Minus:
      return keypad ? DisplayKey::Minus : DisplayKey::Other;
    default:
      return DisplayKey::Other;
  }
}

// The band runs through the pressed point and the pointer.
QPolygon RubberBand(const PixelRect& r) {
  return QPolygon({QPoint(r.x1, r.y1), QPoint(r.x2, r.y1), QPoint(r.x2, r.y2), QPoint(r.x1, r.y2)});
}

}  // namespace

TFtavigra::TFtavigra(DisplayList& list, QWidget* parent) : QWidget(parent), list_(list) {
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  list_.setClientSize(width(), height());
}

void TFtavigra::setBackgroundColour(int palette_colour) {
  background_ = palette_colour;
  update();
}

void TFtavigra::refresh() {
  update();
}

void TFtavigra::DrawTavironLogo() {
  logo_ = true;
  update();
}

void TFtavigra::PaintLogo(QPainter& painter, const QRect& area) {
  // three rising teeth on a base line, the program's name below them
  painter.save();
  const int unit = std::max(4, std::min(area.width(), area.height()) / 12);
  const QPoint origin = area.center() + QPoint(-7 * unit / 2, 0);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(
      QPen(PaletteColour(1), std::max(2, unit / 6), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  QPolygon teeth;
  for (int i = 0; i < 3; ++i) {
    const QPoint foot = origin + QPoint(unit / 2 + i * 2 * unit, 0);
    const int h = (i + 2) * unit / 2;
    teeth << foot << foot + QPoint(unit / 2, -h) << foot + QPoint(unit, -h)
          << foot + QPoint(3 * unit / 2, 0);
  }
  painter.drawLine(origin, origin + QPoint(7 * unit, 0));
  painter.drawPolyline(teeth);
  QFont font("Arial");
  font.setPixelSize(unit * 2);
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(PaletteColour(4));
  painter.drawText(QRect(origin.x(), origin.y() + unit / 2, 7 * unit, 3 * unit), Qt::AlignCenter,
                   "KV9");
  painter.restore();
}

void TFtavigra::paintList(QPainter& painter) {
  painter.fillRect(rect(), PaletteColour(background_));
  list_.setClientSize(width(), height());
  QtDisplayPainter display(painter, font_family_);
  ReplayDisplayList(list_, display);
  if (logo_ && list_.commands().empty()) PaintLogo(painter, rect());
}

void TFtavigra::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (list_.rubberBandActive() && !rubber_background_.isNull()) {
    painter.drawPixmap(0, 0, rubber_background_);
    painter.setPen(QPen(PaletteColour(background_ == 0 ? 15 : 0), 1, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(RubberBand(list_.rubberBand()));
    return;
  }
  paintList(painter);
}

void TFtavigra::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  list_.setClientSize(width(), height());
  if (on_resized_) on_resized_();
}

void TFtavigra::keyPressEvent(QKeyEvent* event) {
  if (list_.processKey(KeyOf(*event))) {
    update();
    return;
  }
  QWidget::keyPressEvent(event);
}

void TFtavigra::mousePressEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  if (event->button() != Qt::LeftButton && event->button() != Qt::RightButton) return;
  const MouseButton button =
      event->button() == Qt::LeftButton ? MouseButton::Left : MouseButton::Right;
  if (list_.mouseDown(button, p.x(), p.y())) update();
  if (list_.rubberBandActive()) {
    rubber_background_ = QPixmap(size());
    QPainter painter(&rubber_background_);
    paintList(painter);
  }
}

void TFtavigra::mouseMoveEvent(QMouseEvent* event) {
  if (!list_.rubberBandActive()) return;
  const QPoint p = event->position().toPoint();
  list_.mouseMove(p.x(), p.y());
  update();
}

void TFtavigra::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QPoint p = event->position().toPoint();
  const bool was_dragging = list_.rubberBandActive();
  list_.mouseUp(p.x(), p.y());
  rubber_background_ = QPixmap();
  if (was_dragging) update();
}

void TFtavigra::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) list_.doubleClick();
}

}  // namespace kv9
