// The drawing choice: extents, blocks and inserts of the nine entries, the layout of the sheets
// on every example, the interactive list.
#include "app/data_file_commands.h"
#include "drawings/spline_drawings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>

#include "core/file_util.h"
#include "core/message_list.h"
#include "drawings/spline_table.h"
#include "drawings/spline_views.h"
#include "support/cad_session.h"
#include "support/drawing_record.h"
#include "toothform/tooth_form_views.h"

namespace kv9 {
namespace {

using test::Drawn;
using test::DrawnItems;
using test::Only;

std::vector<Drawn> Record(test::DrawingSession& t, int entry) {
  t.rec.calls.clear();
  CadOpenWriter(t.s.cadContext(), t.rec);
  EmitSplineDrawing(t.s.drawingContext(), entry);
  return DrawnItems(t.rec);
}

std::vector<std::string> BlockNames(const RecordingCadWriter& rec) {
  std::vector<std::string> names;
  for (const CadCall& c : rec.of("blockBegin")) names.push_back(c.text);
  return names;
}

struct Box {
  Real xmin = 1e30L, ymin = 1e30L, xmax = -1e30L, ymax = -1e30L;
  void add(Real x, Real y) {
    xmin = std::min(xmin, x);
    ymin = std::min(ymin, y);
    xmax = std::max(xmax, x);
    ymax = std::max(ymax, y);
  }
  bool overlaps(const Box& o) const {
    return xmin < o.xmax && o.xmin < xmax && ymin < o.ymax && o.ymin < ymax;
  }
};

// The extent of block `name` placed at (x, y) with `angle` (degrees) and `scale`, nested
// inserts included; texts count with their insertion point.
void AddBlock(const std::vector<Drawn>& items, const std::string& name, Real x, Real y, Real angle,
              Real scale, Box& box) {
  Real c = std::cos(angle * kPi / 180), s = std::sin(angle * kPi / 180);
  auto place = [&](Real px, Real py) {
    box.add(x + scale * (c * px - s * py), y + scale * (s * px + c * py));
  };
  for (const Drawn& d : items) {
    if (d.block != name) continue;
    if (d.op == "line") {
      place(d.v[0], d.v[1]);
      place(d.v[2], d.v[3]);
    } else if (d.op == "text") {
      place(d.v[0], d.v[1]);
    } else if (d.op == "insert") {
      Box inner;
      AddBlock(items, d.text, 0, 0, d.v[2], d.v[3], inner);
      place(d.v[0] + inner.xmin, d.v[1] + inner.ymin);
      place(d.v[0] + inner.xmax, d.v[1] + inner.ymax);
    }
  }
}

std::vector<Drawn> InsertsOf(const RecordingCadWriter& rec) {
  std::vector<Drawn> out;
  bool entities = false;
  for (const CadCall& c : rec.calls) {
    if (c.op == "entitiesBegin") entities = true;
    if (entities && c.op == "insert") out.push_back({c.op, c.v, c.text, {}, 0, ""});
  }
  return out;
}

void ExpectInsert(const Drawn& d, const std::string& name, Real x, Real y, Real scale) {
  EXPECT_EQ(d.text, name);
  EXPECT_NEAR(d.v[0], x, 1e-9L) << name;
  EXPECT_NEAR(d.v[1], y, 1e-9L) << name;
  EXPECT_EQ(d.v[2], 0) << name;
  EXPECT_NEAR(d.v[3], scale, 1e-12L) << name;
  EXPECT_NEAR(d.v[4], scale, 1e-12L) << name;
}

TEST(SplineDrawing, ExtentsOfEveryEntry) {
  test::DrawingSession t("side_fit_30");
  const SplineDataSet& d = t.s.ds;
  const Real mn = d.mn, da1 = d.da[0], refd = d.reference_diameter;
  std::map<int, std::vector<Real>> expected = {
      {1, {-5 * mn, -0.6L * da1, std::max(0.5L * refd + d.b1, 12 * mn + d.b1), 0.6L * da1}},
      {2, {-5 * mn, -1.1L * refd, 5 * mn + d.b2, 1.1L * refd}},
      {3, {-5, -5, 130, 130}},
      {4, {-5, -5, 130, 130}},
      {5, {-5, -5, 225, 310}},
      {6, {-5, -5, 225, 310}},
      {7, {-5, -5, 260, 160}},
      {8, {-5, -5, 435, 310}}};
  for (const auto& [entry, limits] : expected) {
    Record(t, entry);
    ASSERT_EQ(t.rec.count("limits"), 1) << entry;
    auto v = t.rec.of("limits")[0].v;
    for (int i = 0; i < 4; ++i) EXPECT_NEAR(v[i], limits[i], 1e-9L) << entry << " " << i;
    // Section order: tables with layers 16..31, blocks, entities, the end of the output.
    std::vector<std::string> order;
    for (const CadCall& c : t.rec.calls)
      if (c.op == "limits" || c.op == "tables" || c.op == "blocksBegin" || c.op == "sectionEnd" ||
          c.op == "entitiesBegin" || c.op == "finish")
        order.push_back(c.op);
    EXPECT_EQ(order, (std::vector<std::string>{"limits", "tables", "blocksBegin", "sectionEnd",
                                               "entitiesBegin", "sectionEnd", "finish"}))
        << entry;
    EXPECT_EQ(t.rec.of("tables")[0].v[0], 2);
  }
}

TEST(SplineDrawing, ShortSplinesKeepTheShaftViewInsideItsExtents) {
  test::DrawingSession t("start");
  t.s.ds.reference_diameter = 2 * t.s.ds.mn;  // as for very few teeth
  auto items = Record(t, kDrawShaftView);
  Real xmax = t.rec.of("limits")[0].v[2];
  for (const Drawn& l : Only(items, "line")) EXPECT_LE(std::max(l.v[0], l.v[2]), xmax);
}

TEST(SplineDrawing, BlocksOfEachEntry) {
  test::DrawingSession t("start");
  std::map<int, std::vector<std::string>> expected = {
      {1, {"WLSTUMP"}},
      {2, {}},
      {3, {}},
      {4, {}},
      {5, {"FRAME_1", "WLSTUMP", "WELLE", "TABELLE"}},
      {6, {"FRAME_1", "NABE", "TABELLE"}},
      {7, {}},
      {8, {"FRAME_1", "FRAME_2", "WLSTUMP", "WELLE", "TABELL1", "NABE", "TABELL2"}}};
  for (const auto& [entry, names] : expected) {
    Record(t, entry);
    EXPECT_EQ(BlockNames(t.rec), names) << entry;
  }
  // Entries outside 1..8 open nothing.
  for (int entry : {0, 9, 10}) {
    t.rec.calls.clear();
    DrawSplineDrawing(t.s.drawingContext(), kCadDxf, entry);
    EXPECT_FALSE(CadIsOpen(t.s.cadContext()));
    EXPECT_FALSE(t.s.abort_flag);
  }
}

TEST(SplineDrawing, TablesAloneAndSideBySide) {
  test::DrawingSession t("start");
  // The heading text stands at the table's left edge, 1.75 above the heading row's bottom.
  auto top_left = [](const std::vector<Drawn>& items, int nth) {
    std::vector<std::pair<Real, Real>> corners;
    for (const Drawn& d : items)
      if (d.op == "text" && d.text.find("Involute Spline Data") != std::string::npos)
        corners.push_back({d.v[0], d.v[1] + 7 - 1.75L});
    return corners.at(nth);
  };
  auto table = Record(t, kDrawShaftTable);
  EXPECT_EQ(top_left(table, 0), (std::pair<Real, Real>{0, 125}));
  table = Record(t, kDrawHubTable);
  EXPECT_NE(Only(table, "text")[0].text.find("Internal"), std::string::npos);
  EXPECT_EQ(top_left(table, 0), (std::pair<Real, Real>{0, 125}));
  auto both = Record(t, kDrawBothTables);
  EXPECT_EQ(top_left(both, 0), (std::pair<Real, Real>{0, 150}));
  EXPECT_EQ(top_left(both, 1), (std::pair<Real, Real>{130, 150}));
  // Both stay inside the extents, side by side without touching.
  Box shaft, hub;
  for (const Drawn& d : Only(both, "line")) {
    Box& b = d.v[0] < 125 ? shaft : hub;
    b.add(d.v[0], d.v[1]);
    b.add(d.v[2], d.v[3]);
  }
  EXPECT_FALSE(shaft.overlaps(hub));
  EXPECT_GE(shaft.ymin, -5);
  EXPECT_LE(hub.xmax, 260);
  EXPECT_LE(hub.ymax, 160);
}

TEST(SplineDrawing, SheetInsertsWithTheirScales) {
  test::DrawingSession t("side_fit_30");
  const SplineDataSet& d = t.s.ds;
  const Real s1 = std::min(90 / d.da[0], 100 / (10 * d.mn + d.b1));
  const Real s2 = std::min(90 / (1.5L * d.reference_diameter), 100 / d.b2);
  EXPECT_NEAR(ShaftSheetScale(t.s.drawingContext()), s1, 1e-15L);
  EXPECT_NEAR(HubSheetScale(t.s.drawingContext()), s2, 1e-15L);

  Record(t, kDrawShaftSheet);
  auto inserts = InsertsOf(t.rec);
  ASSERT_EQ(inserts.size(), 3u);
  ExpectInsert(inserts[0], "FRAME_1", 0, 0, 1);
  ExpectInsert(inserts[1], "TABELLE", 45, 50, 1);
  ExpectInsert(inserts[2], "WELLE", 100 - 0.5L * d.b1 * s1, 235, s1);

  Record(t, kDrawHubSheet);
  inserts = InsertsOf(t.rec);
  ASSERT_EQ(inserts.size(), 3u);
  ExpectInsert(inserts[2], "NABE", 100 - 0.5L * d.b2 * s2, 235, s2);

  Record(t, kDrawBothSheets);
  inserts = InsertsOf(t.rec);
  ASSERT_EQ(inserts.size(), 6u);
  ExpectInsert(inserts[0], "FRAME_1", 0, 0, 1);
  ExpectInsert(inserts[1], "FRAME_2", 220, 0, 1);
  ExpectInsert(inserts[2], "TABELL1", 45, 170, 1);
  ExpectInsert(inserts[3], "WELLE", 100 - 0.5L * d.b1 * s1, 235, s1);
  ExpectInsert(inserts[4], "TABELL2", 265, 170, 1);
  ExpectInsert(inserts[5], "NABE", 320 - 0.5L * d.b2 * s2, 235, s2);
}

TEST(SplineDrawing, HubFrameIsTheShaftFrameWithTheHubsTexts) {
  test::DrawingSession t("stress_all_selections");
  t.s.ds.drawing_name2_shaft = "Welle zwei";
  t.s.ds.drawing_name2_hub = "Nabe zwei";
  auto items = Record(t, kDrawBothSheets);
  auto lines1 = Only(items, "line", "FRAME_1"), lines2 = Only(items, "line", "FRAME_2");
  ASSERT_EQ(lines1.size(), lines2.size());
  for (std::size_t i = 0; i < lines1.size(); ++i) EXPECT_EQ(lines1[i].v, lines2[i].v);
  auto texts1 = Only(items, "text", "FRAME_1"), texts2 = Only(items, "text", "FRAME_2");
  ASSERT_EQ(texts1.size(), texts2.size());
  std::map<std::string, std::string> swapped = {
      {t.s.ds.drawing_name_shaft, t.s.ds.drawing_name_hub},
      {t.s.ds.drawing_number_shaft, t.s.ds.drawing_number_hub},
      {"Welle zwei", "Nabe zwei"}};
  int names = 0;
  for (std::size_t i = 0; i < texts1.size(); ++i) {
    EXPECT_EQ(texts1[i].v, texts2[i].v);
    auto it = swapped.find(texts1[i].text);
    if (it != swapped.end()) {
      EXPECT_EQ(texts2[i].text, it->second);
      ++names;
    } else {
      EXPECT_EQ(texts2[i].text, texts1[i].text);
    }
  }
  EXPECT_EQ(names, 3);
  // The tables of the double sheet carry the part's own heading.
  EXPECT_NE(Only(items, "text", "TABELL1")[0].text.find("External"), std::string::npos);
  EXPECT_NE(Only(items, "text", "TABELL2")[0].text.find("Internal"), std::string::npos);
}

// On every example the view, the table and the title block of each sheet stand apart, inside
// the border.
TEST(SplineDrawing, SheetsOfEveryExampleDoNotOverlap) {
  for (const std::string& name : test::ExampleNames()) {
    for (int unit : {0, 1}) {
      test::DrawingSession t(name, unit);
      ASSERT_TRUE(t.loaded) << name;
      auto items = Record(t, kDrawBothSheets);
      auto inserts = InsertsOf(t.rec);
      ASSERT_EQ(inserts.size(), 6u);
      for (int sheet = 0; sheet < 2; ++sheet) {
        const Drawn& table = inserts[sheet == 0 ? 2 : 4];
        const Drawn& view = inserts[sheet == 0 ? 3 : 5];
        Box table_box, view_box;
        AddBlock(items, table.text, table.v[0], table.v[1], 0, 1, table_box);
        AddBlock(items, view.text, view.v[0], view.v[1], 0, view.v[3], view_box);
        const Real x0 = sheet * kSheetOffset;
        Box title{x0 + 18, 5, x0 + 205, 43};
        for (const Box* b : {&table_box, &view_box}) {
          EXPECT_GT(b->xmin, x0 + 18) << name << " sheet " << sheet;
          EXPECT_LT(b->xmax, x0 + 205) << name << " sheet " << sheet;
          EXPECT_LT(b->ymax, 292) << name << " sheet " << sheet;
          EXPECT_FALSE(b->overlaps(title)) << name << " sheet " << sheet;
        }
        EXPECT_FALSE(table_box.overlaps(view_box)) << name << " sheet " << sheet;
      }
    }
  }
}

// Before any calculation every size is 0: the drawings degenerate but stay finite.
TEST(SplineDrawing, UncalculatedDataSetGivesFiniteDrawings) {
  test::TestSession t;
  RecordingCadWriter rec;
  for (int entry = kDrawShaftView; entry <= kDrawBothSheets; ++entry) {
    rec.calls.clear();
    CadOpenWriter(t.s.cadContext(), rec);
    EmitSplineDrawing(t.s.drawingContext(), entry);
    EXPECT_FALSE(t.s.abort_flag) << entry;
    EXPECT_GT(rec.calls.size(), 5u) << entry;
    for (const CadCall& c : rec.calls)
      for (Real v : c.v) ASSERT_TRUE(std::isfinite(v)) << entry << " " << c.op;
  }
}

// The screen keeps the blocks in files and reads them back for every insert.
TEST(SplineDrawing, EveryEntryDrawsOnTheScreen) {
  test::CadSession c;
  Session& s = c.s;
  ASSERT_TRUE(LoadDataFile(s, test::ExamplePath("fillet_root_37_5")));
  for (int entry = kDrawShaftView; entry <= kDrawBothSheets; ++entry) {
    MessageClear(s.messages, s.fatal_flag);
    s.abort_flag = false;
    DrawSplineDrawing(s.drawingContext(), kCadScreen, entry);
    EXPECT_FALSE(s.abort_flag) << entry;
    EXPECT_EQ(MessageCount(s.messages), 0) << entry << " " << MessageText(s.messages, 1);
    EXPECT_GT(s.display.commands().size(), 20u) << entry;
    EXPECT_EQ(CountFiles(s.scratch_dir, "$*.dx$"), 0) << entry;
  }
}

TEST(SplineDrawing, EveryDrawingRefusesATeethCountTheDialogRefuses) {
  test::CadSession c;
  Session& s = c.s;
  ASSERT_TRUE(LoadDataFile(s, test::ExamplePath("start")));
  for (int teeth : {5, 601}) {
    s.ds.N = teeth;
    c.ui.events.clear();
    s.abort_flag = false;
    DrawSplineDrawing(s.drawingContext(), kCadScreen, kDrawBothTables);
    ToothFormMenu(s.toothFormContext(), kCadScreen, 1);
    EXPECT_TRUE(s.abort_flag);
    EXPECT_TRUE(s.display.commands().empty());
    std::string text = "Z\xC3\xA4hnezahl N = " + std::to_string(teeth) +
                       " au\xC3\x9F"
                       "erhalb 6 ... 600: keine Zeichnung";
    EXPECT_EQ(c.ui.texts("error"), (std::vector<std::string>{text, text}));
  }
}

TEST(SplineDrawingMenu, ListRepeatsUntilBack) {
  test::CadSession c;
  Session& s = c.s;
  ASSERT_TRUE(LoadDataFile(s, test::ExamplePath("start")));
  s.abort_flag = false;
  c.ui.answer("3");
  c.ui.answer(c.dir.file("tabelle"));  // the save dialog; ".dxf" is added
  c.ui.answer("9");
  SplineDrawingMenu(s.drawingContext(), kCadDxf, 0);
  EXPECT_FALSE(s.abort_flag);
  EXPECT_TRUE(FileExists(c.dir.file("tabelle.dxf")));
  std::vector<ScriptedUi::Event> lists;
  for (const auto& e : c.ui.events)
    if (e.kind == "choose") lists.push_back(e);
  ASSERT_EQ(lists.size(), 2u);
  EXPECT_EQ(lists[0].caption + lists[0].text, lists[1].caption + lists[1].text);
  EXPECT_NE((lists[0].caption + lists[0].text).find("Bitte w\xC3\xA4hlen .."), std::string::npos);
  ASSERT_EQ(lists[0].lines.size(), 9u);
  EXPECT_EQ(lists[0].lines[6], "Tabelle Welle + Nabe");
  EXPECT_EQ(lists[0].lines[8],
            "zur\xC3\xBC"
            "ck ..");
  EXPECT_EQ(lists[1].preselected, 3);  // the last drawing stays chosen
  EXPECT_EQ(c.ui.unanswered, 0);
}

TEST(SplineDrawingMenu, CancelAndFatalCalculationDrawNothing) {
  test::CadSession c;
  Session& s = c.s;
  ASSERT_TRUE(LoadDataFile(s, test::ExamplePath("start")));
  c.ui.cancel();
  SplineDrawingMenu(s.drawingContext(), kCadDxf, 0);
  EXPECT_TRUE(s.abort_flag);

  // A cancelled save dialog ends that drawing; the list comes back.
  s.abort_flag = false;
  c.ui.answer("1");
  c.ui.cancel();
  c.ui.answer("9");
  SplineDrawingMenu(s.drawingContext(), kCadDxf, 0);
  EXPECT_FALSE(s.abort_flag);
  EXPECT_EQ(c.ui.unanswered, 0);

  MessageClear(s.messages, s.fatal_flag);
  MessageAdd(s.messages, "Fatal  : z = 0 !");
  s.fatal_flag = true;
  c.ui.events.clear();
  c.ui.cancel();  // the message list
  SplineDrawingMenu(s.drawingContext(), kCadDxf, 5);
  ASSERT_FALSE(c.ui.events.empty());
  EXPECT_EQ(c.ui.events[0].kind.rfind("choose", 0), 0u);
  EXPECT_EQ(c.ui.events[0].lines[0], "Fatal  : z = 0 !");
  EXPECT_FALSE(CadIsOpen(s.cadContext()));
  EXPECT_EQ(CountFiles(c.dir.path(), "*.dxf"), 0);
}

}  // namespace
}  // namespace kv9
