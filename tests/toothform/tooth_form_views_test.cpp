// The tooth-form views through the recording writer: blocks, inserts and their angles, the
// shaft inside the hub, the meshing view with its window, texts and arcs, the diameter circles,
// and the view list with its failure paths.
#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "app/session.h"
#include "core/number_format.h"
#include "geometry/plane_geometry.h"
#include "support/toothform_support.h"
#include "toothform/cad_settings_form.h"
#include "toothform/tool_outline.h"
#include "toothform/tooth_form_views.h"
#include "toothform/tooth_outline.h"

namespace kv9::test {
namespace {

// A recording split into its blocks and its entities.
struct Drawing {
  RecordingCadWriter all;
  std::map<std::string, std::vector<CadCall>> blocks;
  std::vector<CadCall> entities;

  std::vector<CadCall> inserts(const std::vector<CadCall>& calls) const {
    std::vector<CadCall> out;
    for (const CadCall& c : calls)
      if (c.op == "insert") out.push_back(c);
    return out;
  }
  std::vector<std::string> texts() const {
    std::vector<std::string> out;
    for (const CadCall& c : entities)
      if (c.op == "text") out.push_back(c.text);
    return out;
  }
  std::vector<CadCall> arcsOnLayer(int layer) const {
    std::vector<CadCall> out;
    int current = -1;
    for (const CadCall& c : entities) {
      if (c.op == "layer") current = static_cast<int>(c.v[0]);
      if (c.op == "arc" && current == layer) out.push_back(c);
    }
    return out;
  }
  std::vector<Real> limits() const { return all.of("limits").at(0).v; }
};

Drawing Draw(ToothFormSession& t, int wheel, ToothFormView view) {
  Drawing d;
  d.all = t.record([&] { ToothFormDrawing(t.s.toothFormContext(), kCadWriterHook, wheel, view); });
  std::string block;
  bool entities = false;
  for (const CadCall& c : d.all.calls) {
    if (c.op == "blockBegin") {
      block = c.text;
      d.blocks[block];
    } else if (c.op == "blockEnd") {
      block.clear();
    } else if (c.op == "entitiesBegin") {
      entities = true;
    } else if (!block.empty()) {
      d.blocks[block].push_back(c);
    } else if (entities) {
      d.entities.push_back(c);
    }
  }
  return d;
}

Real Normalised(Real deg) {
  Real a = std::fmod(deg, 360);
  return a < 0 ? a + 360 : a;
}

// Angular distance between two directions, degrees.
Real Apart(Real a, Real b) {
  const Real d = Normalised(a - b);
  return d > 180 ? 360 - d : d;
}

TEST(ToothFormViews, WholeShaftIsNToothInsertsWithASpaceOnTop) {
  ToothFormSession t;
  const WheelGeometry w = MakeToothFormGeometry(t.s.toothFormContext()).shaft();
  const Drawing d = Draw(t, 1, ToothFormView::Wheel);
  ASSERT_EQ(d.blocks.size(), 1u);
  ASSERT_TRUE(d.blocks.count("EVOLV1"));
  EXPECT_EQ(d.all.of("tables").at(0).v[0], 0);
  const Real half = w.da / 2 + 1.5L * w.mn;
  EXPECT_EQ(d.limits(), (std::vector<Real>{-half, -half, half, half}));

  const auto inserts = d.inserts(d.entities);
  const int n = w.z;
  ASSERT_EQ(inserts.size(), static_cast<size_t>(n));
  Real nearest_to_top = 360;
  for (int i = 0; i < n; ++i) {
    const CadCall& c = inserts[i];
    EXPECT_EQ(c.text, "EVOLV1");
    EXPECT_EQ(c.v[0], 0);
    EXPECT_EQ(c.v[1], 0);
    EXPECT_NEAR(c.v[2], 180.0L / n + 360 - i * 360.0L / n, 1e-12L);
    EXPECT_EQ(c.v[3], 1);
    EXPECT_EQ(c.v[4], 1);
    // the block's tooth stands on +y; turned by the insert angle
    nearest_to_top = std::min(nearest_to_top, Apart(90 + c.v[2], 90));
  }
  // the tooth centres nearest to +y lie half a pitch away: a tooth space is on top
  EXPECT_NEAR(nearest_to_top, 180.0L / n, 1e-9L);
  EXPECT_TRUE(d.texts().empty());
}

TEST(ToothFormViews, WholeHubIsNToothInsertsOfItsOwnBlock) {
  ToothFormSession t("b92_1b_fit_f");
  const WheelGeometry w = MakeToothFormGeometry(t.s.toothFormContext()).hub();
  const Drawing d = Draw(t, 2, ToothFormView::Wheel);
  ASSERT_TRUE(d.blocks.count("EVOLV2"));
  EXPECT_EQ(d.blocks.size(), 1u);
  const Real half = std::fabs(w.df) / 2 + 1.5L * w.mn;
  EXPECT_EQ(d.limits()[2], half);
  const auto inserts = d.inserts(d.entities);
  ASSERT_EQ(inserts.size(), static_cast<size_t>(-w.z));
  for (size_t i = 0; i < inserts.size(); ++i) {
    EXPECT_EQ(inserts[i].text, "EVOLV2");
    EXPECT_NEAR(inserts[i].v[2], 180.0L / w.z + 360 - i * 360.0L / w.z, 1e-12L);
  }
}

TEST(ToothFormViews, DiameterCirclesWhenShown) {
  ToothFormSession t;
  t.s.toothform.diameters_shown = 2;
  const WheelGeometry w = MakeToothFormGeometry(t.s.toothFormContext()).shaft();
  const Drawing d = Draw(t, 1, ToothFormView::Wheel);
  EXPECT_EQ(d.all.of("tables").at(0).v[0], 2);
  std::vector<Real> radii;
  for (const CadCall& c : d.entities)
    if (c.op == "circle") radii.push_back(c.v[2]);
  const Real dff = FilletEndDiameter(w);
  ASSERT_NE(dff, w.db);
  const std::vector<Real> expected = {w.dw / 2, w.d / 2, w.db / 2,  w.df / 2,
                                      w.da / 2, dff / 2, w.dFa / 2, w.dNf / 2};
  EXPECT_EQ(radii, expected);
  const auto texts = d.texts();
  ASSERT_EQ(texts.size(), 8u);
  EXPECT_EQ(texts[0], "dw = 50.8");
  EXPECT_EQ(texts[5], "dFf = " + FormatLength(UnitsOf(t.s.cfg), dff));
  EXPECT_EQ(texts[7], "dNf = " + FormatLength(UnitsOf(t.s.cfg), w.dNf));
  // The list stands inside the root circle.
  const Real h = 0.04L * w.da;
  for (const CadCall& c : d.entities)
    if (c.op == "text") {
      EXPECT_LT(std::hypot(c.v[0], c.v[1]), w.df / 2);
      EXPECT_LT(std::hypot(c.v[0] + c.text.size() * 0.02857L * w.da, c.v[1] + h), w.df / 2);
    }
  // without "Durchmesser einzeichnen ?" neither circles nor texts
  t.s.toothform.diameters_shown = 1;
  EXPECT_TRUE(Draw(t, 1, ToothFormView::Wheel).texts().empty());
}

TEST(ToothFormViews, ShaftInsideHubStandsWithAToothInAHubSpace) {
  for (const std::string& example : ExampleNames()) {
    SCOPED_TRACE(example);
    ToothFormSession t(example);
    const ToothFormGeometry g = MakeToothFormGeometry(t.s.toothFormContext());
    const int n = g.shaft().z;
    const Drawing d = Draw(t, 1, ToothFormView::Pair);
    ASSERT_EQ(d.blocks.size(), 4u);
    EXPECT_EQ(d.inserts(d.blocks.at("RAD1")).size(), static_cast<size_t>(n));
    EXPECT_EQ(d.inserts(d.blocks.at("RAD2")).size(), static_cast<size_t>(n));
    EXPECT_EQ(d.inserts(d.blocks.at("EVOLV1")).size(), 0u);
    const auto placed = d.inserts(d.entities);
    ASSERT_EQ(placed.size(), 2u);
    EXPECT_EQ(placed[0].text, "RAD2");
    EXPECT_EQ(placed[1].text, "RAD1");
    EXPECT_EQ((std::vector<Real>{placed[0].v[0], placed[0].v[1], placed[0].v[2]}),
              (std::vector<Real>{0, 0, 0}));
    EXPECT_EQ(placed[1].v[0], 0);
    EXPECT_EQ(placed[1].v[1], 0);  // coaxial
    EXPECT_NEAR(placed[1].v[2], 180 - 180.0L / n, 1e-12L);

    // Every shaft tooth centre lies half a pitch from the nearest hub tooth centre ...
    std::vector<Real> hub_teeth;
    for (const CadCall& c : d.inserts(d.blocks.at("RAD2"))) hub_teeth.push_back(270 + c.v[2]);
    for (const CadCall& c : d.inserts(d.blocks.at("RAD1"))) {
      const Real centre = 90 + c.v[2] + placed[1].v[2];
      Real nearest = 360;
      for (Real h : hub_teeth) nearest = std::min(nearest, Apart(centre, h));
      EXPECT_NEAR(nearest, 180.0L / n, 1e-9L);
    }
    // ... and the shaft tooth fills the hub space without entering the hub teeth: at every
    // radius the two half angles add up to the half pitch (flanks in contact at nominal size).
    for (Real r = std::fabs(g.hub().da) / 2; r < g.shaft().da / 2; r += 0.1L)
      EXPECT_NEAR(InvoluteHalfAngle(g.shaft(), r) + InvoluteHalfAngle(g.hub(), r), kPi / n, 1e-12L);
  }
}

TEST(ToothFormViews, MeshingAtAngleZeroShowsThreeShaftAndFourHubTeeth) {
  ToothFormSession t;
  const ToothFormGeometry g = MakeToothFormGeometry(t.s.toothFormContext());
  const int n = g.shaft().z;
  const Drawing d = Draw(t, 1, ToothFormView::Meshing);
  ASSERT_EQ(d.blocks.size(), 2u);
  EXPECT_EQ(d.all.of("tables").at(0).v[0], 2);
  std::vector<Real> shaft, hub;
  for (const CadCall& c : d.inserts(d.entities)) {
    EXPECT_EQ(c.v[0], 0);
    EXPECT_EQ(c.v[1], 0);
    (c.text == "EVOLV1" ? shaft : hub).push_back(c.v[2]);
  }
  const Real tau = 360.0L / n;
  EXPECT_EQ(shaft, (std::vector<Real>{0, tau, -tau}));
  ASSERT_EQ(hub.size(), 4u);
  const std::vector<Real> hub_expected = {180 - 0.5L * tau, 180 + 0.5L * tau, 180 - 1.5L * tau,
                                          180 + 1.5L * tau};
  for (size_t i = 0; i < 4; ++i) EXPECT_NEAR(hub[i], hub_expected[i], 1e-12L);

  // Every tooth outline lies inside the window, below the text band.
  const auto lim = d.limits();
  const Real band = 9.5L * lim[2] / 22;
  EXPECT_EQ(lim[0], -lim[2]);
  auto inside = [&](const WheelGeometry& w, const std::vector<Real>& angles) {
    for (Real a : angles)
      for (const OutlineVertex& v : ToothOutlineVertices(
               t.s.toothFormContext(), w, InvolutePointCount(t.s.toothFormContext()))) {
        const Point p = RotatePoint({v.x, v.y}, {0, 0}, a * kPi / 180);
        EXPECT_GT(p.x, lim[0]);
        EXPECT_LT(p.x, lim[2]);
        EXPECT_GT(p.y, lim[1]);
        EXPECT_LT(p.y, lim[3] - band);
      }
  };
  inside(g.shaft(), shaft);
  inside(g.hub(), hub);

  const auto texts = d.texts();
  for (const char* expected : {"mn = 2.117", "alpha= 30\xF8", "a = 0", "phi = 0\xF8", "z1  = 24",
                               "z2  = 24", "dw1 = 50.8", "df2 = 53.39", "xe2 = 0.0000"})
    EXPECT_NE(std::find(texts.begin(), texts.end(), expected), texts.end()) << expected;
  // Without "Durchmesser einzeichnen ?" only the hub's dw, d, db and df arcs are labelled.
  for (int layer : {29, 24}) EXPECT_TRUE(d.arcsOnLayer(layer).empty()) << layer;
  for (int layer : {18, 17, 19}) EXPECT_EQ(d.arcsOnLayer(layer).size(), 1u) << layer;
  for (const char* label : {"dw2", "d2", "df2"})
    EXPECT_NE(std::find(texts.begin(), texts.end(), label), texts.end()) << label;
}

TEST(ToothFormViews, MeshingArcsAndTheirLabels) {
  ToothFormSession t;
  t.s.toothform.diameters_shown = 2;
  const ToothFormGeometry g = MakeToothFormGeometry(t.s.toothFormContext());
  const Drawing d = Draw(t, 1, ToothFormView::Meshing);
  // dFa and dNf of both wheels join the hub's arcs
  EXPECT_EQ(d.arcsOnLayer(29).size(), 2u);
  EXPECT_EQ(d.arcsOnLayer(24).size(), 2u);
  // The hub's arcs lie above its centre, one pitch to each side of the line of centres.
  const auto pitch = d.arcsOnLayer(18).at(0).v;
  EXPECT_NEAR(pitch[4], std::fabs(g.hub().dw) / 2, 1e-12L);
  EXPECT_NEAR(pitch[2], 90 - 360.0L / g.shaft().z, 1e-12L);
  EXPECT_NEAR(pitch[3], 90 + 360.0L / g.shaft().z, 1e-12L);
  // Every arc stays inside the window; the base circle of this pair lies below the teeth but
  // inside it.
  const auto lim = d.limits();
  for (const CadCall& c : d.entities)
    if (c.op == "arc")
      for (Real a : {c.v[2], c.v[3]}) {
        const Real x = c.v[4] * std::cos(a * kPi / 180), y = c.v[4] * std::sin(a * kPi / 180);
        EXPECT_GT(x, lim[0]);
        EXPECT_LT(x, lim[2]);
        EXPECT_GT(y, lim[1]);
      }
  // A label stands on each arc end; the shaft's on the left, the hub's on the right.
  std::map<std::string, Real> label_x;
  for (const CadCall& c : d.entities)
    if (c.op == "text" && c.text.size() <= 4) label_x[c.text] = c.v[0];
  for (const char* label : {"dFa1", "dNf1"}) EXPECT_LT(label_x.at(label), 0) << label;
  for (const char* label : {"dFa2", "dNf2", "dw2", "d2", "df2"})
    EXPECT_GT(label_x.at(label), 0) << label;
  // d and dw share their circle: one label inside, the other outside
  Real y_dw = 0, y_d = 0;
  for (const CadCall& c : d.entities) {
    if (c.op == "text" && c.text == "dw2") y_dw = c.v[1];
    if (c.op == "text" && c.text == "d2") y_d = c.v[1];
  }
  EXPECT_GT(y_d, y_dw + 0.1L * g.shaft().mn);
}

TEST(ToothFormViews, MeshingArcBelowTheWindowIsLeftOutWithAWarning) {
  ToothFormSession t("fillet_root_45");  // a 45 degree base circle lies far below the teeth
  const Drawing d = Draw(t, 1, ToothFormView::Meshing);
  EXPECT_TRUE(d.arcsOnLayer(25).empty());
  EXPECT_TRUE(t.ui.texts("error").empty());
  bool warned = false;
  for (int i = 1; i <= MessageCount(t.s.messages); ++i)
    warned |= MessageText(t.s.messages, i) == "Warnung: ArcLimit (acos)";
  EXPECT_TRUE(warned);
}

TEST(ToothFormViews, MeshingTurnsBothMembersTogether) {
  ToothFormSession t;
  t.s.toothform.shaft_angle = 10;
  t.s.toothform.meshing_texts = false;
  const Drawing d = Draw(t, 1, ToothFormView::Meshing);
  const auto inserts = d.inserts(d.entities);
  ASSERT_EQ(inserts.size(), 7u);
  EXPECT_EQ(inserts[0].v[2], 10);
  EXPECT_NEAR(inserts[3].v[2], 180 - 0.5L * 360 / 24 + 10, 1e-12L);
  for (const std::string& text : d.texts()) EXPECT_LE(text.size(), 3u) << text;  // labels only
  // without the data texts the window ends above the teeth
  const auto lim = d.limits();
  const Real top = std::fabs(MakeToothFormGeometry(t.s.toothFormContext()).hub().df) / 2;
  EXPECT_LT(lim[3], top + 0.5L * t.s.ds.mn);
}

TEST(ToothFormViews, ToolViewWindowHoldsTheToolAndItsData) {
  ToothFormSession t;
  const WheelGeometry w = MakeToothFormGeometry(t.s.toothFormContext()).hub();
  const Drawing d = Draw(t, 2, ToothFormView::Tool);
  EXPECT_TRUE(d.blocks.empty());
  const auto lim = d.limits();
  const Real mn = w.mn;
  EXPECT_EQ(lim[0], -2 * mn);
  EXPECT_EQ(lim[1], -2 * mn);
  EXPECT_EQ(lim[3], 2 * mn);
  EXPECT_GT(lim[2], 2 * mn);
  EXPECT_NEAR(lim[2], ToolTextRight(t.s.toothFormContext(), w) + 0.1L * mn, 1e-12L);
  EXPECT_EQ(d.texts().at(3), "Rad 2");
}

TEST(ToothFormViews, FatalCalculationShowsTheMessagesInsteadOfADrawing) {
  ToothFormSession t;
  t.s.fatal_flag = true;
  MessageAdd(t.s.messages, "Fatal  : alpha !");
  const Drawing d = Draw(t, 1, ToothFormView::Wheel);
  EXPECT_EQ(d.all.count("limits"), 0);
  EXPECT_EQ(d.all.count("insert"), 0);
  ASSERT_FALSE(t.ui.events.empty());
  EXPECT_EQ(t.ui.events[0].lines.at(0), "Fatal  : alpha !");
}

TEST(ToothFormViews, CancelOfTheOutputKindDrawsNothing) {
  ToothFormSession t;
  t.ui.cancel();
  ToothFormMenu(t.s.toothFormContext(), kCadChoose, 1);
  EXPECT_TRUE(t.s.abort_flag);
  EXPECT_FALSE(CadIsOpen(t.s.cadContext()));
  ASSERT_EQ(t.ui.events.size(), 1u);
  EXPECT_EQ(t.ui.events[0].text, "CAD-Code");
}

TEST(ToothFormViews, ViewListRunsViewsUntilBack) {
  ToothFormSession t;
  t.ui.answer("1");
  t.ui.answer(t.dir.file("shaft.txt"));
  t.ui.answer("8");
  ToothFormMenu(t.s.toothFormContext(), kCadText, 0);
  ASSERT_EQ(t.ui.events.size(), 3u);
  EXPECT_EQ(t.ui.events[0].text, "Bitte wählen ..");
  EXPECT_EQ(t.ui.events[0].lines,
            (std::vector<std::string>{"Zeichnung Welle", "Zeichnung Nabe", "Zeichnung Welle+Nabe",
                                      "Werkzeug (Welle)", "Werkzeug (Nabe)", "Zahneingriff",
                                      "Config", "zurück .."}));
  EXPECT_EQ(t.ui.events[2].preselected, 1);  // the list comes back on the view last drawn
  const std::string text = ReadBytes(t.dir.file("shaft.txt"));
  EXPECT_NE(text.find("EVOLV1"), std::string::npos);
  // Cancel in the list ends it as well; choices outside the list do nothing.
  t.ui.events.clear();
  ToothFormMenu(t.s.toothFormContext(), kCadText, 0);
  EXPECT_EQ(t.ui.events.size(), 1u);
  EXPECT_EQ(t.ui.unanswered, 1);
  t.ui.events.clear();
  ToothFormMenu(t.s.toothFormContext(), kCadText, 9);
  ToothFormMenu(t.s.toothFormContext(), kCadText, -1);
  EXPECT_TRUE(t.ui.events.empty());
}

TEST(ToothFormViews, ScreenBlocksThatCannotBeWrittenStopTheDrawing) {
  ToothFormSession t;
  t.s.scratch_dir.clear();
  ToothFormMenu(t.s.toothFormContext(), kCadScreen, 3);
  EXPECT_TRUE(t.s.abort_flag);
  EXPECT_EQ(t.ui.texts("error"), std::vector<std::string>{"file write error  -  temporary path !"});
  EXPECT_FALSE(CadIsOpen(t.s.cadContext()));
}

TEST(ToothProfileToCad, SettingsThenTheWholeWheelOfThatPart) {
  ToothFormSession t;
  t.ui.on_cadSettingsForm = [](CadSettingsForm& form) {
    form.diameters = true;
    return true;
  };
  t.ui.answer("5");  // CAD text
  t.ui.answer(t.dir.file("hub.txt"));
  ToothProfileToCad(t.s.toothFormContext(), 2);
  EXPECT_EQ(t.s.toothform.diameters_shown, 2);
  const std::string text = ReadBytes(t.dir.file("hub.txt"));
  EXPECT_NE(text.find("EVOLV2"), std::string::npos);
  EXPECT_EQ(text.find("EVOLV1"), std::string::npos);
  // Cancel in the settings draws nothing.
  t.ui.on_cadSettingsForm = nullptr;
  t.ui.events.clear();
  ToothProfileToCad(t.s.toothFormContext(), 1);
  EXPECT_TRUE(t.s.abort_flag);
  EXPECT_EQ(t.ui.events.size(), 1u);
}

}  // namespace
}  // namespace kv9::test
