#include "cad/iges_writer.h"

#include <gtest/gtest.h>

#include <sstream>

#include "support/cad_session.h"

namespace kv9 {
namespace {

using test::CadSession;
using test::ExpectIgesLoads;
using test::Lines;
using test::ReadBytes;

std::string Rec(std::string content, const char* tail) {
  content.resize(72, ' ');
  return content + tail;
}

std::string Pad(std::string text) {
  text.resize(64, ' ');
  return text;
}

std::string Join(const std::vector<std::string>& lines) {
  std::string out;
  for (const auto& l : lines) out += l + "\n";
  return out;
}

// Writers tested on a memory stream: the complete file they made must load as well.
void ExpectWrittenIgesLoads(const std::string& content, int entities) {
  test::TempDir dir;
  test::WriteBytes(dir.file("memory.igs"), content);
  ExpectIgesLoads(dir.file("memory.igs"), entities);
}

std::vector<std::string> FileLines(const std::string& path) {
  return Lines(ReadBytes(path));
}

// The lines of one section ('D', 'P' ...) without their letter and number.
std::vector<std::string> Section(const std::vector<std::string>& lines, char letter) {
  std::vector<std::string> out;
  for (const auto& l : lines)
    if (l.size() == 80 && l[72] == letter) out.push_back(l.substr(0, 72));
  return out;
}

TEST(IgesWriter, OneLineDrawingIsWrittenExactlyAndLoadsInOpenCascade) {
  CadSession t;
  std::string path = t.open(kCadIges, "one.igs");
  t.drawing(0, [&] {
    CadLayer(t.s.cadContext(), 5);
    CadLine(t.s.cadContext(), 10, 20, 30.5, -40);
  });
  std::vector<std::string> expected = {
      Rec("IGES-Datei generiert von KV9", "S0000001"),
      Rec("Uebersetzer von TAVIRON GMBH, Uebersetzerversion 3.1", "S0000002"),
      Rec(",,4HFILE,3Hone,9HKV9 V2.61,20HIGES-Uebersetzer 3.1,", "G0000001"),
      Rec("16,38,6,99,15,", "G0000002"),
      Rec("3Hone,1.0,2,2HMM,32767,3.2767D1,", "G0000003"),
      Rec("13H240305.081107,1.0D-8,297,", "G0000004"),
      Rec("3HKV9,7HTAVIRON,4,0;", "G0000005"),
      Rec("     110       1       1       1       2                        00000000", "D0000001"),
      Rec("     110               2       1", "D0000002"),
      Rec("110,10.000,20.000,0.0,30.500,-40.000,0.0;                              1", "P0000001"),
      Rec("S0000002G0000005D0000002P0000001", "T0000001"),
  };
  EXPECT_EQ(FileLines(path), expected);
  ExpectIgesLoads(path, 1);
}

IgesSettings Plain() {
  IgesSettings g;
  g.date = {2024, 3, 5, 9, 7};
  return g;
}

TEST(IgesWriter, PointersCountersLayersAndDecimals) {
  std::ostringstream out;
  IgesSettings g = Plain();
  g.colours.named[1] = 5;  // layer 2: DXF blue -> IGES 4
  g.decimals = 1;
  IgesWriter w(out, g);
  w.limits(0, 0, 100, 50);
  w.layer(2);
  // A note long enough for two parameter records, then a circle.
  CadTextFormat st;
  st.height = 2.5;
  st.width_factor = 0.8L;
  st.rotation = 90;
  w.text("Zahnwelle DIN", 123456.25L, 654321.75L, st);
  w.layer(16);  // configured colour 1 of layer 16 -> IGES 2
  w.circle(1, 2, 3);
  w.finish();
  auto lines = Lines(out.str());
  auto d = Section(lines, 'D');
  ASSERT_EQ(d.size(), 4u);
  // The note: DE 1, P pointer 1, line font 2, colour 4, two P records.
  EXPECT_EQ(d[0], "     212       1       1       2       4               0        00000000");
  EXPECT_EQ(d[1].substr(0, 32), "     212               4       2");
  // The second entity: DE 3 and P pointer 1 + 2.
  EXPECT_EQ(d[2], "     100       3       1       1       2               0        00000000");
  auto p = Section(lines, 'P');
  ASSERT_EQ(p.size(), 3u);
  EXPECT_EQ(p[0],
            std::string("212,1,13,26.0,2.5,1,,1.5708,0,0,123456.2,654321.8,0.0,").append(10, ' ') +
                "       1");
  EXPECT_EQ(p[1].substr(0, 17), "13HZahnwelle DIN;");
  EXPECT_EQ(p[2].substr(0, 64).find("100,0.0,1.0,2.0,4.0,2.0,4.0,2.0;"), 0u);
  EXPECT_EQ(p[2].substr(64), "       3");
  EXPECT_EQ(lines.back().substr(0, 32), "S0000002G0000005D0000004P0000003");
  ExpectWrittenIgesLoads(out.str(), 2);
}

TEST(IgesWriter, DecimalCommaIsIgnored) {
  CadSession t;
  t.s.cfg.decimal_separator = 2;
  std::string path = t.open(kCadIges, "komma.igs");
  t.drawing(0, [&] { CadCircle(t.s.cadContext(), 1.5L, 2.25L, 0.5L); });
  auto p = Section(FileLines(path), 'P');
  ASSERT_EQ(p.size(), 1u);
  EXPECT_EQ(p[0].find("100,0.0,1.500,2.250,2.000,2.250,2.000,2.250;"), 0u);
  ExpectIgesLoads(path, 1);
}

TEST(IgesWriter, BlockOfThirteenMembersCutsItsDefinitionAfterTwelve) {
  CadSession t;
  std::string path = t.open(kCadIges, "block.igs");
  CadLimits(t.s.cadContext(), 0, 0, 210, 297);
  CadBlocksBegin(t.s.cadContext());
  CadBlockBegin(t.s.cadContext(), "ZAHNPROFIL");  // cut to 8 characters
  for (int i = 0; i < 13; ++i) CadLine(t.s.cadContext(), i, 0, i, 10);
  CadBlockEnd(t.s.cadContext());
  CadSectionEnd(t.s.cadContext());
  CadEntitiesBegin(t.s.cadContext());
  CadInsert(t.s.cadContext(), "ZAHNPROF", 50, 60, 0, 2, 2);
  CadSectionEnd(t.s.cadContext());
  CadClose(t.s.cadContext());
  auto lines = FileLines(path);
  auto d = Section(lines, 'D');
  auto p = Section(lines, 'P');
  // 13 lines, the 308 and the 408: 15 entities.
  ASSERT_EQ(d.size(), 30u);
  EXPECT_EQ(d[0].substr(64), "00010000");  // members are subordinate
  EXPECT_EQ(d[26].substr(0, 8), "     308");
  EXPECT_EQ(d[26].substr(64), "00000000");
  EXPECT_EQ(d[27].substr(56, 8), "ZAHNPROF");
  EXPECT_EQ(d[27].substr(24, 8), "       2");  // two P records, one per text
  ASSERT_EQ(p.size(), 13u + 2u + 1u);
  // The first text ends after the 12th member and its ",".
  EXPECT_EQ(p[13].substr(0, 64), Pad("308,0,8HZAHNPROF,13,1,3,5,7,9,11,13,15,17,19,21,23,"));
  EXPECT_EQ(p[14].substr(0, 64), Pad("25;"));
  // The instance refers to the definition (DE 27) and keeps the insert's scale.
  EXPECT_EQ(p[15].substr(0, 64), Pad("408,27,50.000,60.000,0.0,2.000;"));
  ExpectIgesLoads(path, 15);
}

// A block "WELLE" of one 10 mm line on an A4 sheet, the entities section opened after it.
void BlockOfOneLine(CadSession& t) {
  CadLimits(t.s.cadContext(), 0, 0, 210, 297);
  CadBlocksBegin(t.s.cadContext());
  CadBlockBegin(t.s.cadContext(), "WELLE");
  CadLine(t.s.cadContext(), 0, 0, 10, 0);
  CadBlockEnd(t.s.cadContext());
  CadSectionEnd(t.s.cadContext());
  CadEntitiesBegin(t.s.cadContext());
}

TEST(IgesWriter, InsertsResolveToPlacedGeometryInTheReader) {
  // A 10 mm line inserted at (100, 50), straight and turned by 90 degrees: the reader must
  // place the instance where the other formats show it.
  for (Real angle : {0.0L, 90.0L}) {
    CadSession t;
    std::string path = t.open(kCadIges, angle == 0 ? "placed.igs" : "placed90.igs");
    BlockOfOneLine(t);
    CadInsert(t.s.cadContext(), "WELLE", 100, 50, angle, 1, 1);
    CadSectionEnd(t.s.cadContext());
    CadClose(t.s.cadContext());
    auto g = test::LoadWithOpenCascade(path);
    ASSERT_TRUE(g.loaded && g.has_box) << g.output;
    const double tol = 1e-5;
    if (angle == 0) {
      EXPECT_NEAR(g.xmin, 100, tol) << g.output;
      EXPECT_NEAR(g.xmax, 110, tol) << g.output;
      EXPECT_NEAR(g.ymax, 50, tol) << g.output;
    } else {
      EXPECT_NEAR(g.xmax, 100, tol) << g.output;
      EXPECT_NEAR(g.ymin, 50, tol) << g.output;
      EXPECT_NEAR(g.ymax, 60, tol) << g.output;
    }
  }
}

TEST(IgesWriter, ScaledInsertCarriesItsScaleInTheInstance) {
  // The drawing sheets insert their part views scaled; the instance keeps that scale so that
  // the view has the size the other formats show (a reader that applies instance scales sees
  // it, the file stays valid for one that does not).
  CadSession t;
  std::string path = t.open(kCadIges, "scaled.igs");
  BlockOfOneLine(t);
  CadInsert(t.s.cadContext(), "WELLE", 100, 50, 0, 0.5L, 0.5L);
  CadInsert(t.s.cadContext(), "WELLE", 100, 50, 90, 2, 2);
  CadSectionEnd(t.s.cadContext());
  CadClose(t.s.cadContext());
  auto p = Section(FileLines(path), 'P');
  ASSERT_EQ(p.size(), 2u + 1u + 3u + 1u) << Join(p);
  EXPECT_EQ(p[2].substr(0, 64), Pad("408,3,100.000,50.000,0.0,0.500;"));
  EXPECT_EQ(p[6].substr(0, 64), Pad("408,3,0.0,0.0,0.0,2.000;"));
  ExpectIgesLoads(path, 5);
}

TEST(IgesWriter, RotatedInsertWritesItsMatrixFirst) {
  CadSession t;
  std::string path = t.open(kCadIges, "rotated.igs");
  CadLimits(t.s.cadContext(), 0, 0, 210, 297);
  CadBlocksBegin(t.s.cadContext());
  CadBlockBegin(t.s.cadContext(), "NABE");
  CadArc(t.s.cadContext(), 0, 0, 0, 90, 10);
  CadArc(t.s.cadContext(), 0, 0, 0, 90, 0);  // radius 0: nothing
  CadBlockEnd(t.s.cadContext());
  CadSectionEnd(t.s.cadContext());
  CadEntitiesBegin(t.s.cadContext());
  CadInsert(t.s.cadContext(), "NABE", 100, 50, 90, 1, 1);
  CadInsert(t.s.cadContext(), "FEHLT", 0, 0, 0, 1, 1);
  CadSectionEnd(t.s.cadContext());
  CadClose(t.s.cadContext());
  auto lines = FileLines(path);
  auto d = Section(lines, 'D');
  auto p = Section(lines, 'P');
  ASSERT_EQ(d.size(), 8u);  // arc, 308, 124, 408; the unknown block writes nothing
  EXPECT_EQ(d[4].substr(0, 8), "     124");
  EXPECT_EQ(d[4].substr(64), "00010000");
  EXPECT_EQ(d[5].substr(32, 8), "       0");  // form 0
  EXPECT_EQ(d[6].substr(0, 8), "     408");
  EXPECT_EQ(d[6].substr(48, 8), "       5");  // D1 field 7: the matrix
  ASSERT_GE(p.size(), 6u) << Join(p);
  EXPECT_EQ(p[2].substr(0, 64).find("124,0.000000,-1.000000,0.0,100.000,"), 0u) << Join(p);
  EXPECT_EQ(p[3].substr(0, 64).find("1.000000,0.000000,0.0,50.000,"), 0u);
  EXPECT_EQ(p[4].substr(0, 64).find("0.0,0.0,1.0,0.0;"), 0u);
  EXPECT_EQ(p[5].substr(0, 64).find("408,3,0.0,0.0,0.0,1.0;"), 0u);
  ASSERT_EQ(t.s.messages.entries.size(), 1u);
  EXPECT_EQ(t.s.messages.entries[0], "Blockname FEHLT not found !");
  ExpectIgesLoads(path, 4);
}

TEST(IgesWriter, LongFileNameContinuesTheGlobalSectionAndKeeps80Columns) {
  CadSession t;
  std::string base(90, 'w');
  std::string path = t.open(kCadIges, base + ".igs");
  t.drawing(0, [&] {
    CadLine(t.s.cadContext(), 0, 0, 1, 1);
    CadSolid(t.s.cadContext(), 0, 0, 10, 0, 0, 10, 10, 10);
    CadTextStyle(t.s.cadContext(), 0, 0, 3.5, 0);
    CadText(t.s.cadContext(), std::string(70, 'x'), 5, 5);
  });
  auto lines = FileLines(path);
  for (const auto& l : lines) EXPECT_EQ(l.size(), 80u) << l;
  auto g = Section(lines, 'G');
  ASSERT_GT(g.size(), 5u) << Join(g);
  std::string joined;
  for (const auto& l : g) joined += l.substr(0, l.find_last_not_of(' ') + 1);
  // The parameters read back unchanged once the records are joined.
  EXPECT_NE(joined.find(",,4HFILE,90H" + base + ",9HKV9 V2.61,"), std::string::npos);
  EXPECT_NE(joined.find("15,90H" + base + ",1.0,2,"), std::string::npos);
  std::string t_line = lines.back();
  EXPECT_EQ(t_line.substr(8, 8), "G" + std::string(6, '0') + std::to_string(g.size()));
  ExpectIgesLoads(path, 3);
}

TEST(IgesWriter, NonFiniteNumbersAreWrittenAsZeroWithAMessage) {
  std::ostringstream out;
  IgesWriter w(out, Plain());
  w.limits(0, 0, 1, 1);
  w.line(std::numeric_limits<Real>::quiet_NaN(), 1, 2, std::numeric_limits<Real>::infinity());
  w.finish();
  EXPECT_EQ(out.str().find("nan"), std::string::npos);
  EXPECT_EQ(out.str().find("inf"), std::string::npos);
  EXPECT_NE(out.str().find("110,0.000,1.000,0.0,2.000,0.000,0.0;"), std::string::npos);
  ASSERT_EQ(w.messages.size(), 1u);
  EXPECT_EQ(w.messages[0], kCadBadNumberMessage);
  ExpectWrittenIgesLoads(out.str(), 1);
}

TEST(IgesWriter, ParameterTextIsCutAtTheLastCommaUpToColumn63) {
  std::ostringstream out;
  IgesWriter w(out, IgesSettings{});
  w.limits(0, 0, 1, 1);
  w.line(1e10L, -1e10L, 1e10L, -1e10L);
  w.finish();
  std::vector<std::string> p;
  for (const auto& l : test::Lines(out.str()))
    if (l[72] == 'P') p.push_back(l.substr(0, 64));
  ASSERT_EQ(p.size(), 2u);
  EXPECT_EQ(p[0],
            "110,10000000000.000,-10000000000.000,0.0,10000000000.000," + std::string(7, ' '));
  EXPECT_EQ(p[1], "-10000000000.000,0.0;" + std::string(43, ' '));
  ExpectWrittenIgesLoads(out.str(), 1);
}

}  // namespace
}  // namespace kv9
