// Every tooth-form view of every example file as a real output: DXF read by ezdxf, IGES read by
// Open CASCADE (with its geometry inside the drawing window), the CAD text file, and the screen.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/session.h"
#include "calc/spline_calculation.h"
#include "support/toothform_support.h"
#include "toothform/tooth_form_views.h"

namespace kv9::test {
namespace {

constexpr int kViews = 6;

// Draws view v of the example on a file of the given kind; returns its path.
std::string DrawToFile(ToothFormSession& t, int kind, int view, const std::string& example) {
  const std::string path =
      t.dir.file(example + "_" + std::to_string(view) + "." + CadExtension(kind));
  t.ui.answer(path);
  ToothFormMenu(t.s.toothFormContext(), kind, view);
  return path;
}

class ToothFormFiles : public ::testing::TestWithParam<std::string> {};

TEST_P(ToothFormFiles, DxfLoadsInEzdxf) {
  ToothFormSession t(GetParam());
  ASSERT_TRUE(t.loaded);
  t.s.toothform.diameters_shown = 2;  // every layer and text the views have
  const int n = t.s.ds.N;
  for (int view = 1; view <= kViews; ++view) {
    SCOPED_TRACE(view);
    const std::string path = DrawToFile(t, kCadDxf, view, GetParam());
    ASSERT_FALSE(t.s.abort_flag);
    const DxfSummary d = LoadWithEzdxf(path);
    ASSERT_TRUE(d.loaded) << d.output;
    EXPECT_EQ(d.audit_errors, 0) << d.output;
    const std::map<int, int> inserts = {{1, n}, {2, n}, {3, 2}, {4, 0}, {5, 0}, {6, 7}};
    EXPECT_EQ(d.entities.count("INSERT") ? d.entities.at("INSERT") : 0, inserts.at(view));
    if (view == 1 || view == 3 || view == 6) {
      ASSERT_TRUE(d.blocks.count("EVOLV1")) << d.output;
      // the tooth polyline arrives as lines and arcs
      EXPECT_GT(d.blocks.at("EVOLV1").at("LINE"), 10);
      EXPECT_GE(d.blocks.at("EVOLV1").at("ARC"), 4);
    }
    if (view == 3) {
      EXPECT_EQ(d.blocks.at("RAD1").at("INSERT"), n);
    }
    if (view == 4 || view == 5) {
      // "Rad", four data lines, "(Tool)" and the drawing name (the number may be empty)
      EXPECT_GE(d.entities.at("TEXT"), 6);
    }
  }
  EXPECT_TRUE(t.ui.texts("error").empty());
}

TEST_P(ToothFormFiles, IgesLoadsInOpenCascadeWithinTheWindow) {
  ToothFormSession t(GetParam());
  for (int view = 1; view <= kViews; ++view) {
    SCOPED_TRACE(view);
    const std::string path = DrawToFile(t, kCadIges, view, GetParam());
    ASSERT_FALSE(t.s.abort_flag);
    const Real xmin = t.s.cad.xmin, ymin = t.s.cad.ymin, xmax = t.s.cad.xmax, ymax = t.s.cad.ymax;
    const IgesSummary g = LoadWithOpenCascade(path);
    ASSERT_TRUE(g.loaded) << g.output;
    EXPECT_EQ(g.fails, 0) << g.output;
    EXPECT_GT(g.entities, 10) << g.output;
    ASSERT_TRUE(g.has_box) << g.output;
    const double slack = 0.01 * (xmax - xmin);
    EXPECT_GT(g.xmin, xmin - slack);
    EXPECT_GT(g.ymin, ymin - slack);
    EXPECT_LT(g.xmax, xmax + slack);
    EXPECT_LT(g.ymax, ymax + slack);
    if (view <= 3) {
      // a whole wheel fills its window but for the margin of 1.5 mn
      EXPECT_NEAR(g.xmax, xmax - 1.5 * t.s.ds.mn, 0.02 * (xmax - xmin));
      EXPECT_NEAR(g.ymin, ymin + 1.5 * t.s.ds.mn, 0.02 * (xmax - xmin));
    }
  }
}

TEST_P(ToothFormFiles, CadTextEndsWithEof) {
  ToothFormSession t(GetParam());
  for (int view = 1; view <= kViews; ++view) {
    SCOPED_TRACE(view);
    const std::string path = DrawToFile(t, kCadText, view, GetParam());
    ASSERT_FALSE(t.s.abort_flag);
    const auto lines = Lines(ReadBytes(path));
    ASSERT_GT(lines.size(), 10u);
    EXPECT_EQ(lines.back(), "EOF");
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "EOF"), 1);
  }
}

TEST_P(ToothFormFiles, ScreenDrawsEveryViewAndRemovesItsBlockFiles) {
  ToothFormSession t(GetParam());
  t.s.toothform.trochoid = true;
  for (int view = 1; view <= kViews; ++view) {
    SCOPED_TRACE(view);
    ToothFormMenu(t.s.toothFormContext(), kCadScreen, view);
    EXPECT_FALSE(t.s.abort_flag);
    EXPECT_FALSE(CadIsOpen(t.s.cadContext()));
    int drawn = 0;
    for (const std::string& c : t.s.display.commands())
      if (c.rfind("4;", 0) == 0 || c.rfind("5;", 0) == 0) ++drawn;
    // a whole wheel is read back from its block file once per tooth; a tool has seven lines
    // and two arcs
    EXPECT_GE(drawn, view <= 3 ? 20 * t.s.ds.N : 9);
    EXPECT_TRUE(std::filesystem::is_empty(t.s.scratch_dir));
  }
  EXPECT_TRUE(t.ui.texts("error").empty());
  for (int i = 1; i <= MessageCount(t.s.messages); ++i)
    EXPECT_NE(MessageText(t.s.messages, i), "Invalid temp directory");
}

TEST(ToothFormDxf, RealPolylinesWithTheTrochoidLoadInEzdxf) {
  ToothFormSession t;
  t.s.cad.polyline_output = true;  // "Evolvente als Polylinie ?"
  t.s.toothform.trochoid = true;
  t.s.ds.N = 6;  // few teeth: the involute reaches the base circle, the trochoid closes the root
  SplineCalculation(t.s.calcContext());
  ASSERT_TRUE(InvoluteReachesBaseCircle(MakeToothFormGeometry(t.s.toothFormContext()).shaft()));
  const DxfSummary d = LoadWithEzdxf(DrawToFile(t, kCadDxf, 1, "six"));
  ASSERT_TRUE(d.loaded) << d.output;
  EXPECT_EQ(d.audit_errors, 0) << d.output;
  EXPECT_EQ(d.blocks.at("EVOLV1").at("POLYLINE"), 3) << d.output;
  EXPECT_EQ(d.entities.at("INSERT"), 6);
}

INSTANTIATE_TEST_SUITE_P(Examples, ToothFormFiles, ::testing::ValuesIn(ExampleNames()));

}  // namespace
}  // namespace kv9::test
