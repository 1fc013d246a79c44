#include "help/hpgl.h"

#include <gtest/gtest.h>

#include <cmath>

#include "help/help_fixture.h"

namespace kv9 {
namespace {

using test::HelpFixture;

// The numbers of one display-list command after its code.
std::vector<Real> Numbers(const std::string& command) {
  std::vector<Real> out;
  std::size_t pos = command.find(';');
  while (pos != std::string::npos) {
    std::size_t next = command.find(';', pos + 1);
    out.push_back(std::stold(command.substr(pos + 1, next - pos - 1)));
    pos = next;
  }
  return out;
}

TEST(Hpgl, PlotterUnitsMovesAndLines) {
  HelpFixture f;
  HpglInterpreter hpgl(f.display);
  EXPECT_TRUE(hpgl.run("PU;PA4000,4000;PD4000,8000;"));
  EXPECT_EQ(f.commands("4;"), (std::vector<std::string>{"4;100;100;100;200"}));
  EXPECT_TRUE(hpgl.penDown());

  f.display.Clear();
  EXPECT_TRUE(hpgl.run("IN;IP0,0,4000,4000;SC0,1,0,1;RO90;PD400,0;PU;PA800,0;PD0,0,0,400;CI200;"));
  EXPECT_EQ(f.commands("4;"), (std::vector<std::string>{"4;-999;-999;10;0", "4;20;0;0;0",
                                                        "4;0;0;0;10"}));
  EXPECT_EQ(f.commands("3;"), (std::vector<std::string>{"3;0;10;5"}));
}

TEST(Hpgl, PensAndTheirColours) {
  HelpFixture f;
  HpglInterpreter hpgl(f.display);
  EXPECT_TRUE(hpgl.run("SP3;"));
  EXPECT_EQ(hpgl.pen(), 3);
  EXPECT_EQ(f.commands("8;").back(), "8;10");
  EXPECT_TRUE(hpgl.run("SP3;SP9;SP;"));
  EXPECT_EQ(hpgl.pen(), 1);
  EXPECT_EQ(f.commands("8;"), (std::vector<std::string>{"8;12", "8;10", "8;12", "8;10", "8;9",
                                                        "8;12"}));
  EXPECT_EQ(PenColour(7), 15);
  EXPECT_EQ(PenColour(8), 8);
}

TEST(Hpgl, ArcsInBothSensesAndTheFullCircle) {
  HelpFixture f;
  HpglInterpreter hpgl(f.display);
  EXPECT_TRUE(hpgl.run("PU1600,0;PD;AA0,0,-90;"));
  EXPECT_NEAR(hpgl.x(), 0, 1e-12);
  EXPECT_NEAR(hpgl.y(), -40, 1e-12);
  // Clockwise: recorded as the counter-clockwise arc from the end point to the start point.
  ASSERT_EQ(f.commands("5;").size(), 1u);
  auto a = Numbers(f.commands("5;")[0]);
  std::vector<Real> expected{-40, -40, 40, 40, 0, -40, 40, 0};
  for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_NEAR(a[i], expected[i], 1e-6) << i;

  f.display.Clear();
  EXPECT_TRUE(hpgl.run("PU0,-1600;PD;AA0,0,180;AA0,0,360;PU;AA0,0,90;"));
  ASSERT_EQ(f.commands("5;").size(), 1u);
  a = Numbers(f.commands("5;")[0]);
  EXPECT_NEAR(a[4], 0, 1e-6);  // from (0, -40) counter-clockwise to (0, 40)
  EXPECT_NEAR(a[5], -40, 1e-6);
  EXPECT_NEAR(a[7], 40, 1e-6);
  EXPECT_EQ(f.commands("3;"), (std::vector<std::string>{"3;0;0;40"}));
  EXPECT_NEAR(hpgl.x(), -40, 1e-9);  // the pen-up arc only moved
  EXPECT_NEAR(hpgl.y(), 0, 1e-9);
}

TEST(Hpgl, EncodedPolylines) {
  HelpFixture f;
  HpglInterpreter hpgl(f.display);
  // 8-bit: 64, 193 = 1 + 2 * 64 = 129, odd: -64 units; 191 = 0. "<" lifts the pen for 79, 192
  // (+40 units); "=" makes 63, 124, 192 (+4000 units) absolute; ">" skips its character.
  EXPECT_TRUE(hpgl.run("PU0,0;PE\x40\xC1\xBF<\x4F\xC0\xBF>A=\x3F\x7C\xC0\xBF;"));
  EXPECT_EQ(f.commands("4;"), (std::vector<std::string>{"4;0;0;-1.6;0", "4;-0.6;0;100;0"}));

  f.display.Clear();
  // 7-bit: ":" with 101 (6) selects pen 3; 64, 99 = 1 + 4 * 32 = 129: -64 units; 95 = 0.
  EXPECT_TRUE(hpgl.run("PU4000,0;PE7:e@c_;"));
  EXPECT_EQ(hpgl.pen(), 3);
  EXPECT_EQ(f.commands("4;"), (std::vector<std::string>{"4;100;0;98.4;0"}));
}

TEST(Hpgl, LabelsEndAtTheirTerminatorAndSpellUmlautsInCharacterSet3) {
  HelpFixture f;
  HpglInterpreter hpgl(f.display);
  EXPECT_TRUE(hpgl.run("PU400,400;SI0.2,0.3;DI0,1;CS3;LBMa}s U}ber}x\x03;CS0;LBo}\x03;"));
  EXPECT_EQ(f.commands("9;")[0], "9;3;2;2;90");
  EXPECT_EQ(f.commands("6;"),
            (std::vector<std::string>{"6;10;10;M\x84s \x9A" "ber}x", "6;10;10;o}"}));

  f.display.Clear();
  EXPECT_TRUE(hpgl.run("LB" + std::string(256, 'x') + "\x03LB" + std::string(255, 'y') + "\x03"));
  ASSERT_EQ(f.commands("6;").size(), 1u);
  EXPECT_EQ(f.commands("6;")[0].back(), 'y');
}

TEST(Hpgl, ATruncatedFileEndsTheDrawingCleanly) {
  HelpFixture f;
  for (std::string cut : {"PU0,0;PD400,0,400,400;PD800,", "PU0,0;PD400,0,400,400;LBabc",
                          "PU0,0;PD400,0,400,400;PE\x40", "PU0,0;PD400,0,400,400;S"}) {
    f.write("cut.plt", cut);
    f.display.Clear();
    EXPECT_TRUE(DrawHelpPicture(f.display, f.dir.file("cut.plt")));
    EXPECT_EQ(f.commands("4;").size(), 2u) << cut;
    EXPECT_TRUE(f.commands("6;").empty());
    EXPECT_FALSE(HpglInterpreter(f.display).run(cut)) << cut;
  }
  // The window is cleared and set to 160 by 120 first, also for a file that is not there.
  f.display.line(1, 2, 3, 4);
  EXPECT_FALSE(DrawHelpPicture(f.display, f.dir.file("none.plt")));
  EXPECT_TRUE(f.commands("4;").empty());
  auto window = Numbers(f.display.commands()[0]);
  EXPECT_EQ(f.display.commands()[0].substr(0, 3), "10;");
  EXPECT_EQ(std::vector<Real>(window.end() - 4, window.end()), (std::vector<Real>{0, 0, 160, 120}));
}

}  // namespace
}  // namespace kv9
