#include "gui/printing.h"

#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <fstream>

#include "gui/display_painter_qt.h"
#include "gui/text_convert.h"
#include "model/config.h"
#include "screen/display_list.h"

namespace kv9 {

namespace {

QFont PrintFont(const TextPrintSettings& s) {
  QFont font(s.font_family, s.font_size > 0 ? s.font_size : 10);
  font.setStyleHint(QFont::Monospace);
  font.setBold(s.font_style & 1);
  font.setItalic(s.font_style & 2);
  font.setUnderline(s.font_style & 4);
  font.setStrikeOut(s.font_style & 8);
  return font;
}

// Monochrome printing: every colour but the white background is black.
class MonochromePainter : public DisplayPainter {
 public:
  explicit MonochromePainter(DisplayPainter& inner) : inner_(inner) {}
  void setColor(int c) override { inner_.setColor(c == 15 ? 15 : 0); }
  void setLineStyle(int s) override { inner_.setLineStyle(s); }
  void setLineWidth(int w) override { inner_.setLineWidth(w); }
  void setTextStyle(const PixelTextStyle& s) override { inner_.setTextStyle(s); }
  void drawLine(PixelPoint a, PixelPoint b) override { inner_.drawLine(a, b); }
  void drawEllipse(PixelPoint c, int rx, int ry) override { inner_.drawEllipse(c, rx, ry); }
  void drawArc(PixelPoint c, int rx, int ry, Real a, Real s) override {
    inner_.drawArc(c, rx, ry, a, s);
  }
  void drawText(PixelPoint at, const std::string& t) override { inner_.drawText(at, t); }
  void drawPolygon(const std::array<PixelPoint, 4>& p) override { inner_.drawPolygon(p); }

 private:
  DisplayPainter& inner_;
};

// Collects the pixel extent of everything a replay draws.
class BoundsPainter : public DisplayPainter {
 public:
  void setColor(int) override {}
  void setLineStyle(int) override {}
  void setLineWidth(int) override {}
  void setTextStyle(const PixelTextStyle& s) override { text_height_ = int(s.height); }
  void drawLine(PixelPoint a, PixelPoint b) override {
    add(a.x, a.y);
    add(b.x, b.y);
  }
  void drawEllipse(PixelPoint c, int rx, int ry) override {
    add(c.x - rx, c.y - ry);
    add(c.x + rx, c.y + ry);
  }
  void drawArc(PixelPoint c, int rx, int ry, Real, Real) override { drawEllipse(c, rx, ry); }
  void drawText(PixelPoint at, const std::string&) override {
    add(at.x, at.y);
    add(at.x, at.y - text_height_);
  }
  void drawPolygon(const std::array<PixelPoint, 4>& p) override {
    for (const auto& q : p) add(q.x, q.y);
  }
  QRect bounds() const { return empty_ ? QRect() : QRect(QPoint(x1_, y1_), QPoint(x2_, y2_)); }

 private:
  void add(int x, int y) {
    if (empty_) {
      x1_ = x2_ = x;
      y1_ = y2_ = y;
      empty_ = false;
    }
    x1_ = std::min(x1_, x), x2_ = std::max(x2_, x);
    y1_ = std::min(y1_, y), y2_ = std::max(y2_, y);
  }
  bool empty_ = true;
  int x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
  int text_height_ = 0;
};

}  // namespace

bool PrintTextPages(QPrinter& printer, const std::vector<TextPrintPage>& pages,
                    const TextPrintSettings& settings) {
  if (pages.empty()) return true;
  printer.setPageOrientation(QPageLayout::Portrait);
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  painter.setFont(PrintFont(settings));
  const QRect area = painter.viewport();
  const int lines = settings.lines_per_page >= 5 ? settings.lines_per_page : 66;
  // The line height follows the lines per page, not the font size.
  const qreal line_height = qreal(area.height()) / lines;
  const qreal ascent = painter.fontMetrics().ascent();
  for (std::size_t p = 0; p < pages.size(); ++p) {
    if (p > 0) printer.newPage();
    for (const auto& line : pages[p])
      painter.drawText(QPointF(0, line.row * line_height + ascent),
                       FromDisplay(PrintLineToUtf8(line.text)));
  }
  return painter.end();
}

bool PrintTextFile(QWidget* parent, const std::string& path, const TextPrintSettings& settings) {
  std::ifstream in(path, std::ios::binary);
  if (!in || !QFileInfo(QString::fromStdString(path)).isFile()) {
    QMessageBox::information(parent, QString(), FromDisplay(path) + " not found !");
    return false;
  }
  const int count = CountTextPrintPages(in);
  QPrinter printer;
  QPrintDialog dialog(&printer, parent);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
  dialog.setMinMax(1, std::max(count, 1));
  dialog.setFromTo(1, count);
  if (dialog.exec() != QDialog::Accepted) return false;
  int from = 1, to = count;
  if (printer.printRange() == QPrinter::PageRange) {
    from = printer.fromPage();
    to = printer.toPage();
  }
  in.clear();
  in.seekg(0);
  return PrintTextPages(printer, SplitTextPrintPages(in, from, to), settings);
}

GraphicsPrintSettings GraphicsPrintSettingsOf(const Config& c) {
  GraphicsPrintSettings s;
  s.scale_x = double(c.print_scale_x);
  s.scale_y = double(c.print_scale_y);
  s.origin_x = c.print_origin_x;
  s.origin_y = c.print_origin_y;
  s.border = c.print_border;
  s.monochrome = c.windows_print_mode != 2;
  s.landscape = c.printer_orientation == 2;
  return s;
}

bool PrintDisplayListPage(QPrinter& printer, const DisplayList& list,
                          const GraphicsPrintSettings& settings, const QString& font_family) {
  printer.setPageOrientation(settings.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  const QRect area = painter.viewport();
  DisplayList page = list;
  // The list holds the pixel windows of the graphics window it was drawn for. The page shows
  // that window enlarged to the page (same aspect), or with "anpassen" the drawing itself
  // (zoom and pan undone) filling the page; then the print scales, and the origin in 1/210 of
  // the page width.
  QRectF shown(0, 0, page.clientWidth(), page.clientHeight());
  if (settings.fit) {
    page.Regen();
    BoundsPainter bounds;
    DisplayList probe = page;
    ReplayDisplayList(probe, bounds);
    if (bounds.bounds().width() > 0 && bounds.bounds().height() > 0) shown = bounds.bounds();
  }
  const qreal fit = std::min(area.width() / shown.width(), area.height() / shown.height());
  const qreal unit = area.width() / 210.0;
  painter.translate(settings.origin_x * unit, settings.origin_y * unit);
  painter.scale(fit * (settings.scale_x > 0 ? settings.scale_x : 1),
                fit * (settings.scale_y > 0 ? settings.scale_y : 1));
  painter.translate(-shown.topLeft());
  QtDisplayPainter display(painter, font_family);
  MonochromePainter mono(display);
  ReplayDisplayList(page, settings.monochrome ? static_cast<DisplayPainter&>(mono) : display);
  if (settings.border) {
    painter.setPen(QPen(Qt::black, 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(shown);
  }
  return painter.end();
}

}  // namespace kv9
