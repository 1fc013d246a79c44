#include "screen/display_list.h"

#include <gtest/gtest.h>

#include <cmath>

#include "screen/display_replay.h"

namespace kv9 {
namespace {

TEST(DisplayList, RepeatedColourStyleAndWidthAddNoCommand) {
  DisplayList d;
  d.SetColor(3);
  d.SetColor(3);
  d.SetColor(16);  // no such palette colour
  d.SetLineStyle(2);
  d.SetLineStyleName("STRICHPUNKT");  // the same style
  d.SetLineWidth(2);
  d.SetLineWidth(2);
  d.SetColorAcad(2);  // yellow
  EXPECT_EQ(d.commands(), (std::vector<std::string>{"8;3", "11;2", "12;2", "8;14"}));
  d.Clear();
  d.SetColor(14);  // recorded again after Clear
  EXPECT_EQ(d.commands(), (std::vector<std::string>{"8;14"}));
}

TEST(DisplayList, ColourAndLineStyleMaps) {
  std::vector<int> turbo;
  for (int n : {0, 1, 2, 3, 4, 5, 6, 7, 8, 15, 16, 19})
    turbo.push_back(DisplayList::GetColorTurbo(n));
  EXPECT_EQ(turbo, (std::vector<int>{0, 12, 14, 10, 11, 9, 13, 15, 1, 8, 12, 11}));
  EXPECT_EQ(DisplayList::LineStyleOfName("PUNKT"), 1);
  EXPECT_EQ(DisplayList::LineStyleOfName("CENTER"), 2);
  EXPECT_EQ(DisplayList::LineStyleOfName("VERDECKT"), 3);
  EXPECT_EQ(DisplayList::LineStyleOfName("CONTINUOUS"), 0);
}

TEST(DisplayList, CommandsCarryEightSignificantDigits) {
  DisplayList d;
  d.line(1.0L / 3, -2, 1e-9L, 123456789);
  d.Arc(0, 0, 0, 60, 2);
  d.OutTextXY(1, 2, "a;b");
  EXPECT_EQ(d.commands()[0], "4;0.33333333;-2;1e-09;1.2345679e+08");
  EXPECT_EQ(d.commands()[1], "5;-2;-2;2;2;2;0;1;1.7320508");
  EXPECT_EQ(d.commands()[2], "6;1;2;a;b");
}

TEST(DisplayList, ZeroWidthWorldWindowRecordsOnlyTheWindow) {
  DisplayList d;
  EXPECT_FALSE(d.SetWindow(false, false, 0, 0, 1, 1, 5, 0, 5, 10));
  EXPECT_FALSE(d.Header(0, 3, 10, 3));
  EXPECT_EQ(d.commands(),
            (std::vector<std::string>{"10;0;0;640;480;5;0;5;10", "10;0;0;640;480;0;3;10;3"}));
}

TEST(DisplayList, WorldToPixelWithAndWithoutKeepAspect) {
  DisplayList d;
  d.setClientSize(800, 400);  // 0.75 · 800 / 400 = 1.5 pixels across per pixel up
  ASSERT_TRUE(d.SetWindow(true, false, 0.5L, 0, 1, 0.5L, 0, 0, 100, 50));
  EXPECT_EQ(d.commands().back(), "10;401;201;799;399;0;0;100;50");
  EXPECT_EQ(d.ToPixel(0, 0), (PixelPoint{401, 399}));
  EXPECT_EQ(d.ToPixel(100, 50), (PixelPoint{799, 201}));
  EXPECT_EQ(d.ToPixel(50, 25), (PixelPoint{600, 300}));  // 199 rounds to the even 200

  ASSERT_TRUE(d.Header(0, 0, 200, 100));
  // sx = 800 / 200 = 4, sy = 400 / 100 = 4; sy · 1.5 > sx, so sx wins: sy = 4 / 1.5.
  EXPECT_EQ(d.scaleX(), 4);
  EXPECT_NEAR(static_cast<double>(d.scaleY()), 8.0 / 3, 1e-15);
  EXPECT_EQ(d.ToPixel(0, 0), (PixelPoint{0, 400}));
  EXPECT_EQ(d.ToPixel(200, 100), (PixelPoint{800, 133}));
  EXPECT_EQ(d.commands().back(), "11;0");
}

TEST(DisplayList, ZoomPanAndResetRestoreTheFullView) {
  DisplayList d;
  ASSERT_TRUE(d.Header(0, 0, 640, 480));
  PixelPoint corner = d.ToPixel(640, 480), middle = d.ToPixel(320, 240);
  EXPECT_TRUE(d.processKey(DisplayKey::Plus));
  EXPECT_EQ(d.ToPixel(320, 240), middle);            // about the centre
  EXPECT_EQ(d.ToPixel(640, 480).x - middle.x, 384);  // 320 · 1.2
  EXPECT_TRUE(d.processKey(DisplayKey::Right));
  EXPECT_TRUE(d.processKey(DisplayKey::PageUp));
  EXPECT_NE(d.ToPixel(320, 240), middle);
  EXPECT_FALSE(d.processKey(DisplayKey::Other));
  EXPECT_TRUE(d.processKey(DisplayKey::Escape));
  EXPECT_EQ(d.ToPixel(640, 480), corner);
  EXPECT_EQ(d.ToPixel(320, 240), middle);

  // Rubber band: an empty rectangle is ignored, a real one fills the view.
  d.mouseDown(MouseButton::Left, 100, 100);
  EXPECT_FALSE(d.mouseUp(100, 300));
  d.mouseDown(MouseButton::Left, 0, 240);
  d.mouseMove(320, 480);
  EXPECT_TRUE(d.mouseUp(320, 480));
  EXPECT_EQ(d.ToPixel(0, 0), (PixelPoint{0, 480}));
  EXPECT_EQ(d.ToPixel(320, 240), (PixelPoint{640, 0}));
  EXPECT_TRUE(d.mouseDown(MouseButton::Right, 0, 0));
  EXPECT_EQ(d.ToPixel(640, 480), corner);

  // A click after a double click restores the saved limits.
  ASSERT_TRUE(d.SetWindow(false, false, 0, 0, 1, 1, 0, 0, 10, 10));
  d.doubleClick();
  EXPECT_TRUE(d.mouseDown(MouseButton::Left, 5, 5));
  EXPECT_EQ(d.ToPixel(640, 480), corner);
}

struct FakePainter : DisplayPainter {
  std::vector<std::string> out;
  void setColor(int c) override { out.push_back("colour " + std::to_string(c)); }
  void setLineStyle(int s) override { out.push_back("style " + std::to_string(s)); }
  void setLineWidth(int w) override { out.push_back("width " + std::to_string(w)); }
  void setTextStyle(const PixelTextStyle& t) override {
    out.push_back("font " + std::to_string(static_cast<int>(t.height)) + " " +
                  std::to_string(t.font));
  }
  void drawLine(PixelPoint a, PixelPoint b) override {
    out.push_back("line " + std::to_string(a.x) + "," + std::to_string(a.y) + " " +
                  std::to_string(b.x) + "," + std::to_string(b.y));
  }
  void drawEllipse(PixelPoint c, int rx, int ry) override {
    out.push_back("ellipse " + std::to_string(c.x) + "," + std::to_string(c.y) + " " +
                  std::to_string(rx) + " " + std::to_string(ry));
  }
  void drawArc(PixelPoint c, int rx, int, Real a, Real span) override {
    out.push_back("arc " + std::to_string(c.x) + "," + std::to_string(c.y) + " " +
                  std::to_string(rx) + " " + std::to_string(static_cast<int>(std::lround(a))) +
                  " " + std::to_string(static_cast<int>(std::lround(span))));
  }
  void drawText(PixelPoint at, const std::string& t) override {
    out.push_back("text " + std::to_string(at.x) + "," + std::to_string(at.y) + " " + t);
  }
  void drawPolygon(const std::array<PixelPoint, 4>& p) override {
    out.push_back("solid " + std::to_string(p[2].x) + "," + std::to_string(p[2].y));
  }
};

TEST(DisplayReplay, DrawsEveryCommandThroughTheMappingAndKeepsTheZoom) {
  DisplayList d;
  ASSERT_TRUE(d.Header(0, 0, 64, 48));  // 10 pixels per unit
  d.SetColor(4);
  d.line(0, 0, 64, 48);
  d.circle(32, 24, 2);
  d.Arc(32, 24, 270, 90, 1);
  d.SetTextStyle(2, 1, 3, 0);
  d.OutTextXY(1, 1, "x;y");
  d.Solid(0, 0, 1, 0, 1, 1, 0, 1);
  d.ZoomIn();
  d.ResetZoom();
  d.ZoomToPixels(0, 0, 320, 240);  // the upper left quarter
  FakePainter p;
  ReplayDisplayList(d, p);
  EXPECT_EQ(p.out, (std::vector<std::string>{"style 0", "colour 4", "line 0,960 1280,0",
                                             "ellipse 640,480 40 40", "arc 640,480 20 -90 180",
                                             "font 40 3", "text 20,940 x;y", "solid 20,940"}));
}

}  // namespace
}  // namespace kv9
