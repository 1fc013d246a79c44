// The drawing frame: rulings, title-block texts, revision rows, switches, free texts, logo.
#include "drawings/drawing_frame.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/file_util.h"
#include "support/cad_session.h"
#include "support/drawing_record.h"

namespace kv9 {
namespace {

using test::Drawn;
using test::DrawnItems;
using test::HasLine;
using test::Only;
using test::TextsEqual;

struct Frame : ::testing::Test {
  test::TestSession t;
  Session& s = t.s;
  RecordingCadWriter rec{false};
  std::vector<Drawn> draw() {
    rec.calls.clear();
    CadOpenWriter(s.cadContext(), rec);
    DrawFrame(s.drawingContext(), "Zahnwelle", "Antrieb links", "KV-1000-01");
    CadClose(s.cadContext());
    return DrawnItems(rec);
  }
  void addRecords(int n) {
    for (int i = 1; i <= n; ++i)
      s.docs.changes.push_back({"Text " + std::to_string(i),
                                "0" + std::to_string(i % 10) + ".01.2026", "E" + std::to_string(i),
                                ""});
  }
  // The one text equal to `text`; fails the test when there is none or several.
  Drawn text(const std::vector<Drawn>& items, const std::string& text) {
    auto found = TextsEqual(items, text);
    EXPECT_EQ(found.size(), 1u) << text;
    return found.empty() ? Drawn{} : found[0];
  }
  void expectAt(const std::vector<Drawn>& items, const std::string& label, Real x, Real y,
                Real height, Real width) {
    Drawn d = text(items, label);
    EXPECT_NEAR(d.v[0], x, 1e-12) << label;
    EXPECT_NEAR(d.v[1], y, 1e-12) << label;
    EXPECT_NEAR(d.style.height, height, 1e-12) << label;
    EXPECT_NEAR(d.style.width_factor, width / height, 1e-12) << label;
    EXPECT_EQ(d.style.rotation, 0) << label;
  }
};

TEST_F(Frame, RulingsSheetOutlineAndPunchingMark) {
  auto items = draw();
  // Border and title block top line: visible outline.
  EXPECT_TRUE(HasLine(items, 18, 5, 18, 292, 5));
  EXPECT_TRUE(HasLine(items, 18, 292, 205, 292, 5));
  EXPECT_TRUE(HasLine(items, 205, 292, 205, 5, 5));
  EXPECT_TRUE(HasLine(items, 205, 5, 18, 5, 5));
  EXPECT_TRUE(HasLine(items, 18, 43, 205, 43, 5));
  // Title-block rulings.
  for (Real x : {73.0L, 116.0L, 52.0L, 65.0L}) EXPECT_TRUE(HasLine(items, x, 5, x, 43, 4)) << x;
  for (Real x : {82.0L, 98.0L}) EXPECT_TRUE(HasLine(items, x, 22, x, 43, 4)) << x;
  EXPECT_TRUE(HasLine(items, 192, 9.4L, 192, 22, 4));
  EXPECT_TRUE(HasLine(items, 73, 22, 205, 22, 4));
  EXPECT_TRUE(HasLine(items, 73, 9.4L, 205, 9.4L, 4));
  EXPECT_TRUE(HasLine(items, 192, 14, 205, 14, 4));
  EXPECT_TRUE(HasLine(items, 160, 5, 160, 9.4L, 4));
  EXPECT_TRUE(HasLine(items, 0, 148.5L, 15, 148.5L, 4));
  // The sheet itself.
  EXPECT_TRUE(HasLine(items, 0, 0, 0, 297, 3));
  EXPECT_TRUE(HasLine(items, 0, 297, 210, 297, 3));
  EXPECT_TRUE(HasLine(items, 210, 297, 210, 0, 3));
  EXPECT_TRUE(HasLine(items, 210, 0, 0, 0, 3));
  EXPECT_EQ(Only(items, "line").size(), 21u);  // nothing else is ruled
}

TEST_F(Frame, TitleBlockLabelsEntriesAndNames) {
  s.cfg.release_text = "Frei";
  const char* dates[4] = {"01.02.2026", "02.02.2026", "03.02.2026", "04.02.2026"};
  const char* names[4] = {"Mueller", "Schmidt", "Norm-Abt", "Chef"};
  for (int row = 0; row < 4; ++row) s.docs.grid[row] = {dates[row], names[row]};
  auto items = draw();

  expectAt(items, "Zust.", 19, 6, 1.6L, 1.3L);
  expectAt(items, "\x8Enderung", 30, 6, 1.6L, 1.3L);
  // "Datum" and "Name" head the revision columns and the grid.
  for (const char* heading : {"Datum", "Name"}) {
    auto found = TextsEqual(items, heading);
    ASSERT_EQ(found.size(), 2u) << heading;
    EXPECT_NEAR(found[0].v[0], heading[0] == 'D' ? 54 : 65.6L, 1e-12);
    EXPECT_NEAR(found[0].v[1], 6, 1e-12);
    EXPECT_NEAR(found[0].style.height, 1.6L, 1e-12);
    EXPECT_NEAR(found[1].v[0], heading[0] == 'D' ? 85 : 100, 1e-12);
    EXPECT_NEAR(found[1].v[1], 39.8L, 1e-12);
    EXPECT_NEAR(found[1].style.height, 1.8L, 1e-12);
  }
  expectAt(items, "Bearb.", 74, 35.6L, 1.8L, 1.5L);
  expectAt(items, "Gepr.", 74, 31.4L, 1.8L, 1.5L);
  expectAt(items, "Norm", 74, 27.2L, 1.8L, 1.5L);
  expectAt(items, "Frei", 74, 23.2L, 1.8L, 1.5L);
  const Real rows[4] = {35.6L, 31.2L, 27.0L, 23.0L};
  for (int row = 0; row < 4; ++row) {
    expectAt(items, dates[row], 83.5L, rows[row], 1.8L, 1.5L);
    expectAt(items, names[row], 100, rows[row], 1.8L, 1.5L);
  }
  expectAt(items, "Blatt", 194, 18, 1.8L, 1.5L);
  expectAt(items, "Bl.", 200, 10.4L, 1.8L, 1.5L);
  EXPECT_TRUE(TextsEqual(items, "Ersatz f\x81r ").empty());  // no replacement texts given

  expectAt(items, "Zahnwelle", 120, 32.5L, 5, 4);
  expectAt(items, "KV-1000-01", 120, 12, 5, 4);
  expectAt(items, "Antrieb links", 120, 25, 3.5L, 2.8L);
  EXPECT_EQ(text(items, "Zahnwelle").layer, 5);
  EXPECT_EQ(text(items, "Antrieb links").layer, 5);
}

TEST_F(Frame, ReplacementTextsOnlyWhenGiven) {
  s.docs.replaces = "KV-0999-01";
  auto items = draw();
  expectAt(items, "Ersatz f\x81r KV-0999-01", 118, 6.5L, 1.8L, 1.5L);
  for (const Drawn& d : Only(items, "text"))
    EXPECT_EQ(d.text.find("Ersetzt durch"), std::string::npos);

  s.docs.replaces.clear();
  s.docs.replaced_by = "KV-1001-01";
  items = draw();
  expectAt(items, "Ersetzt durch KV-1001-01", 162, 6.5L, 1.8L, 1.5L);
  for (const Drawn& d : Only(items, "text")) EXPECT_EQ(d.text.find("Ersatz f"), std::string::npos);
}

TEST_F(Frame, ProtectionNoticeRunsUpTheLeftEdge) {
  auto items = draw();
  const Real xs[5] = {4, 6.7L, 9.4L, 12.1L, 14.8L};
  int english = 0, german = 0;
  for (const Drawn& d : Only(items, "text")) {
    if (d.style.rotation != 90) continue;
    EXPECT_NEAR(d.style.height, 1.8L, 1e-12);
    bool is_english = d.v[1] == 10;
    (is_english ? english : german)++;
    int line = (is_english ? english : german) - 1;
    ASSERT_LT(line, 5) << d.text;
    EXPECT_NEAR(d.v[0], xs[line], 1e-12) << d.text;
    if (!is_english) {
      EXPECT_EQ(d.v[1], 200) << d.text;
    }
  }
  EXPECT_EQ(english, 5);
  EXPECT_EQ(german, 5);
  EXPECT_EQ(text(items, "Copying of this document and giving it to other and the use").v[0], 4);
  EXPECT_NEAR(text(items, "erteilung oder Gebrauchsmuster-Eintragung vorbehalten.").v[0], 14.8L,
              1e-12);
}

TEST_F(Frame, TwelveRevisionRecordsShowTheLastEight) {
  addRecords(12);
  auto items = draw();
  for (int k = 1; k <= 8; ++k) {
    int number = k + 4;
    Real y = 6.5L + 4.2L * k;
    Drawn symbol = text(items, std::string(1, static_cast<char>('a' + number - 1)));
    EXPECT_NEAR(symbol.v[0], 21, 1e-12);
    EXPECT_NEAR(symbol.v[1], y, 1e-12) << number;
    EXPECT_EQ(symbol.layer, 3);
    EXPECT_NEAR(symbol.style.height, 1.7L, 1e-12);
    Drawn change = text(items, "Text " + std::to_string(number));
    EXPECT_NEAR(change.v[0], 27, 1e-12);
    EXPECT_NEAR(change.v[1], y, 1e-12);
    Drawn editor = text(items, "E" + std::to_string(number));
    EXPECT_NEAR(editor.v[0], 66, 1e-12);
    EXPECT_NEAR(editor.v[1], y, 1e-12);
  }
  for (int number = 1; number <= 4; ++number)
    EXPECT_TRUE(TextsEqual(items, "Text " + std::to_string(number)).empty()) << number;
  // Dates in their column: record 12's date "02.01.2026" is the only one of its kind.
  Drawn date = text(items, "02.01.2026");
  EXPECT_NEAR(date.v[0], 52.5L, 1e-12);
  EXPECT_NEAR(date.v[1], 6.5L + 4.2L * 8, 1e-12);
}

TEST_F(Frame, FewRecordsStartInTheFirstRowAndNineDropTheOldest) {
  addRecords(3);
  auto items = draw();
  for (int number = 1; number <= 3; ++number)
    EXPECT_NEAR(text(items, "Text " + std::to_string(number)).v[1], 6.5L + 4.2L * number, 1e-12);

  s.docs.changes.clear();
  addRecords(9);
  items = draw();
  EXPECT_TRUE(TextsEqual(items, "Text 1").empty());
  EXPECT_NEAR(text(items, "Text 2").v[1], 6.5L + 4.2L, 1e-12);
  EXPECT_NEAR(text(items, "Text 9").v[1], 6.5L + 4.2L * 8, 1e-12);
}

TEST_F(Frame, RevisionSymbolStyles) {
  EXPECT_EQ(RevisionSymbol(0, 1), "a");
  EXPECT_EQ(RevisionSymbol(0, 12), "l");
  EXPECT_EQ(RevisionSymbol(1, 12), "12");
  EXPECT_EQ(RevisionSymbol(2, 5), "E");
  EXPECT_EQ(RevisionSymbol(3, 2), "b");  // "......" falls back to letters
  EXPECT_EQ(RevisionSymbol(0, 27), "27");

  s.cfg.change_index_style = 1;
  addRecords(10);
  auto items = draw();
  EXPECT_NEAR(text(items, "3").v[1], 6.5L + 4.2L, 1e-12);  // records 3..10
  EXPECT_NEAR(text(items, "10").v[0], 21, 1e-12);
}

TEST_F(Frame, EachSwitchSuppressesItsText) {
  s.current_file = "probe";
  const std::string maker = "TAVIRON   KV9 - SAE Zahnwellenverbindung  V2.61";
  const std::string file_name = "probe.kv9";
  const std::string date_time = TodayText(s.clock, s.cfg.date_code) + " " + NowTimeText(s.clock);
  auto items = draw();
  expectAt(items, maker, 1, 300, 3.5L, 3.0L);
  expectAt(items, file_name, 18, 1, 1.5L, 1.2L);
  expectAt(items, date_time, 186, 1, 1.5L, 1.2L);

  const std::string texts[3] = {maker, file_name, date_time};
  for (int hidden = 0; hidden < 3; ++hidden) {
    s.cfg.title_block_hidden = {false, false, false, false};
    s.cfg.title_block_hidden[hidden] = true;
    items = draw();
    for (int i = 0; i < 3; ++i)
      EXPECT_EQ(TextsEqual(items, texts[i]).size(), i == hidden ? 0u : 1u) << hidden << " " << i;
  }
}

TEST_F(Frame, AllSwitchesLeaveNoTextOutsideTheBorder) {
  s.current_file = "probe";
  addRecords(2);
  s.docs.texts.push_back({30, 60, 2.5L, 0, "Innerhalb"});
  s.cfg.title_block_hidden = {true, true, true, true};
  auto items = draw();
  int inside = 0;
  for (const Drawn& d : Only(items, "text")) {
    if (d.style.rotation == 90) continue;  // the protection notice belongs to the frame
    EXPECT_TRUE(d.v[0] >= 18 && d.v[0] <= 205 && d.v[1] >= 5 && d.v[1] <= 292) << d.text;
    ++inside;
  }
  EXPECT_GT(inside, 20);
}

TEST_F(Frame, LongFileNamesAreCut) {
  s.current_file = std::string(200, 'n');
  auto items = draw();
  bool found = false;
  for (const Drawn& d : Only(items, "text"))
    if (d.v[1] == 1 && d.v[0] == 18) {
      found = true;
      EXPECT_EQ(d.text, std::string(150, 'n'));
    }
  EXPECT_TRUE(found);
}

TEST_F(Frame, FreeTextsTakeTheirStyleOrThePreviousOne) {
  s.docs.texts.push_back({30, 60, 4, 30, "Gross"});
  s.docs.texts.push_back({40, 70, 0, 0, "Wie vorher"});
  s.docs.texts.push_back({50, 80, 2, 0, ""});  // empty: nothing written, style still set
  s.docs.texts.push_back({60, 90, 0, 0, "Klein"});
  auto items = draw();
  Drawn big = text(items, "Gross");
  EXPECT_NEAR(big.v[0], 30, 1e-12);
  EXPECT_NEAR(big.v[1], 60, 1e-12);
  EXPECT_NEAR(big.style.height, 4, 1e-12);
  EXPECT_NEAR(big.style.width_factor, 0.8L, 1e-12);
  EXPECT_EQ(big.style.rotation, 30);
  Drawn same = text(items, "Wie vorher");
  EXPECT_NEAR(same.style.height, 4, 1e-12);
  EXPECT_EQ(same.style.rotation, 30);
  Drawn small = text(items, "Klein");
  EXPECT_NEAR(small.style.height, 2, 1e-12);
  EXPECT_EQ(small.style.rotation, 0);
}

TEST_F(Frame, NothingWhileAborted) {
  s.abort_flag = true;
  CadOpenWriter(s.cadContext(), rec);
  DrawFrame(s.drawingContext(), "a", "b", "c");
  EXPECT_TRUE(DrawnItems(rec).empty());
}

// The user's logo stands in the title block only on the screen and the plot, and only when its
// file exists and the switch does not hide it.
TEST(FrameLogo, OnlyOnScreenOrPlotWithItsFile) {
  test::CadSession c;
  Session& s = c.s;
  RecordingCadWriter rec(false);
  auto logo_lines = [&](int kind) {
    rec.calls.clear();
    CadOpenWriter(s.cadContext(), rec);
    s.cad.kind = kind;  // the recording writer stands in for that kind's output
    DrawFrame(s.drawingContext(), "n", "", "1");
    s.cad.kind = kCadWriterHook;  // closing starts no plot program
    CadClose(s.cadContext());
    int n = 0;
    for (const auto& d : DrawnItems(rec))
      if (d.op == "line" && std::fabs(d.v[0] - 76) < 1e-9L && std::fabs(d.v[1] - 12) < 1e-9L) ++n;
    return n;
  };
  EXPECT_EQ(logo_lines(kCadPlot), 0);  // no file yet
  test::WriteBytes(
      c.dir.file("$logo_1.dx$"),
      test::DxfGroups(
          {{0, "LINE"}, {8, "5"}, {10, "1"}, {20, "2"}, {11, "3"}, {21, "4"}, {0, "EOF"}}));
  EXPECT_EQ(logo_lines(kCadPlot), 1);
  EXPECT_EQ(logo_lines(kCadWriterHook), 0);
  s.cfg.title_block_hidden[3] = true;
  EXPECT_EQ(logo_lines(kCadPlot), 0);
}

}  // namespace
}  // namespace kv9
