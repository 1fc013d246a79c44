// The graphics window TFtavigra: paints the display list through its mapping and hands keys
// and mouse to the mapping (zoom, pan, rubber band, reset). The list is drawn into by the
// drawing code elsewhere; refresh() repaints after it changed.
#pragma once

#include <QPixmap>
#include <QWidget>
#include <functional>

#include "screen/display_list.h"

class QPainter;

namespace kv9 {

class TFtavigra : public QWidget {
 public:
  explicit TFtavigra(DisplayList& list, QWidget* parent = nullptr);

  void setBackgroundColour(int palette_colour);
  void setFontFamily(const QString& family) { font_family_ = family; }
  // Called after the client size changed, so that the owner can draw the view again for it
  // (the recorded windows carry the pixel sizes of their drawing).
  void setResizedHandler(std::function<void()> handler) { on_resized_ = std::move(handler); }

  void refresh();          // the list changed: repaint it
  void DrawTavironLogo();  // the program's logo, shown while the display list is empty
  // The logo into any painter, inside `area`.
  static void PaintLogo(QPainter& painter, const QRect& area);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  void paintList(QPainter& painter);

  DisplayList& list_;
  int background_ = 15;
  QString font_family_ = "Arial";
  bool logo_ = false;
  QPixmap rubber_background_;  // the drawing under the rubber band while it is dragged
  std::function<void()> on_resized_;
};

}  // namespace kv9
