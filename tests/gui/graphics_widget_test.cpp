// The graphics widget paints the display list through its mapping and hands keys and mouse to
// it.
#include "gui/graphics_widget.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QTest>

#include "gui/display_painter_qt.h"

namespace kv9 {
namespace {

constexpr int kBlack = 0, kBlue = 9, kRed = 12, kWhite = 15;

struct Graphics : ::testing::Test {
  DisplayList list;
  TFtavigra widget{list};
  Graphics() {
    widget.resize(400, 300);
    list.setClientSize(400, 300);
    // world 0..400 x 0..300 fills the widget exactly (keep aspect with a 4:3 client)
    list.Header(0, 0, 400, 300);
    list.SetColor(kRed);
    list.line(20, 150, 380, 150);
    list.SetColor(kBlue);
    list.Solid(300, 200, 360, 200, 360, 260, 300, 260);
    list.SetColor(kBlack);
    list.circle(100, 220, 40);
    list.SetTextStyle(20, 14, 0, 0);
    list.OutTextXY(40, 40, "M\x84\xE1");
  }
  QImage grab() { return widget.grab().toImage(); }
  QColor at(const QImage& image, Real x, Real y) {
    PixelPoint p = list.ToPixel(x, y);
    return image.pixelColor(p.x, p.y);
  }
  static int Darkish(const QImage& image, QRect area) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
      for (int x = area.left(); x <= area.right(); ++x)
        if (image.pixelColor(x, y).lightness() < 128) ++n;
    return n;
  }
};

TEST_F(Graphics, PaintsLinesSolidsCirclesAndTexts) {
  const QImage image = grab();
  EXPECT_EQ(at(image, 200, 150), PaletteColour(kRed));
  EXPECT_EQ(at(image, 330, 230), PaletteColour(kBlue));   // filled inside
  EXPECT_EQ(at(image, 140, 220), PaletteColour(kBlack));  // on the circle
  EXPECT_EQ(at(image, 100, 220), PaletteColour(kWhite));  // not filled
  EXPECT_EQ(at(image, 200, 100), PaletteColour(kWhite));
  // the text stands on its insertion point, about 20 pixels high
  PixelPoint p = list.ToPixel(40, 40);
  EXPECT_GT(Darkish(image, QRect(p.x, p.y - 22, 60, 22)), 40);
  EXPECT_EQ(Darkish(image, QRect(p.x, p.y + 2, 60, 20)), 0);
}

TEST_F(Graphics, TextCharactersKeepTheirCadPitch) {
  // A table pads its columns with blanks: the sixth character stands in the sixth cell of the
  // character width, whatever the advances of the screen font are.
  list.Clear();
  list.Header(0, 0, 400, 300);
  list.SetColor(kBlack);
  list.SetTextStyle(20, 14, 0, 0);
  list.OutTextXY(40, 200, "l    M");
  const QImage image = grab();
  const PixelPoint p = list.ToPixel(40, 200);
  const int cell = 14;
  EXPECT_EQ(Darkish(image, QRect(p.x + cell + 2, p.y - 22, 4 * cell - 4, 24)), 0);
  EXPECT_GT(Darkish(image, QRect(p.x + 5 * cell, p.y - 22, cell, 24)), 20);
  EXPECT_EQ(Darkish(image, QRect(p.x + 6 * cell + 1, p.y - 22, 3 * cell, 24)), 0);
}

TEST_F(Graphics, ZoomInThenEscapeShowsTheWholeDrawingAgain) {
  const QImage full = grab();
  widget.setFocus();
  QTest::keyClick(&widget, Qt::Key_Plus, Qt::KeypadModifier);
  QTest::keyClick(&widget, Qt::Key_Right);
  EXPECT_LT(list.visible().x2 - list.visible().x1, 400);
  EXPECT_NE(grab(), full);
  QTest::keyClick(&widget, Qt::Key_Escape);
  EXPECT_EQ(grab(), full);
  QTest::keyClick(&widget, Qt::Key_Plus);  // only the keypad's plus zooms
  EXPECT_EQ(grab(), full);
}

TEST_F(Graphics, RubberBandIsDrawnWhileDraggingAndZoomsToItsRectangle) {
  grab();
  QTest::mousePress(&widget, Qt::LeftButton, {}, QPoint(280, 80));
  ASSERT_TRUE(list.rubberBandActive());
  QMouseEvent move(QEvent::MouseMove, QPointF(380, 180), QPointF(380, 180), Qt::NoButton,
                   Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&widget, &move);
  // the band's lower edge runs where the drawing has nothing
  auto drawn_in_row = [](const QImage& image) {
    int n = 0;
    for (int x = 281; x < 380; ++x) n += image.pixelColor(x, 180) != PaletteColour(kWhite);
    return n;
  };
  EXPECT_GT(drawn_in_row(grab()), 50);
  QTest::mouseRelease(&widget, Qt::LeftButton, {}, QPoint(380, 180));
  // pixels 280..380 x 80..180 are world 280..380 x 120..220: the square now fills the height
  const WorldRect v = list.visible();
  EXPECT_NEAR(static_cast<double>(v.y1), 120, 1.5);
  EXPECT_NEAR(static_cast<double>(v.y2), 220, 1.5);
  EXPECT_NEAR(static_cast<double>(v.x1), 280, 1.5);
  const QImage zoomed = grab();
  EXPECT_EQ(at(zoomed, 330, 210), PaletteColour(kBlue));
  EXPECT_NE(zoomed.pixelColor(330, 80), PaletteColour(kBlue));

  QTest::mouseClick(&widget, Qt::RightButton, {}, QPoint(10, 10));  // back to everything
  EXPECT_NEAR(static_cast<double>(list.visible().x2 - list.visible().x1), 400, 1e-6);
}

TEST_F(Graphics, LogoShowsOnlyWhileTheListIsEmpty) {
  list.Clear();
  widget.DrawTavironLogo();
  EXPECT_GT(Darkish(grab(), widget.rect()), 100);
  list.line(0, 0, 1, 1);
  EXPECT_LT(Darkish(grab(), widget.rect()), 20);
}

}  // namespace
}  // namespace kv9
