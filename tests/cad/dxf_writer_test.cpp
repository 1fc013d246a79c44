#include "cad/dxf_writer.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <locale>
#include <sstream>

#include "support/cad_session.h"

namespace kv9 {
namespace {

using test::CadSession;
using test::DxfGroups;
using test::LoadWithEzdxf;
using test::ReadBytes;

TEST(DxfWriter, OneLineDrawingIsWrittenExactlyAndLoadsInEzdxf) {
  CadSession t;
  std::string path = t.open(kCadDxf, "one.dxf");
  t.drawing(0, [&] {
    CadLayer(t.s.cadContext(), 5);
    CadLine(t.s.cadContext(), 10, 20, 30.5, -40);
  });
  std::string expected = DxfGroups({{0, "SECTION"},
                                    {2, "HEADER"},
                                    {9, "$DWGCODEPAGE"},
                                    {3, "ANSI_1252"},
                                    {9, "$EXTMIN"},
                                    {10, "0.000000"},
                                    {20, "0.000000"},
                                    {9, "$EXTMAX"},
                                    {10, "210.000000"},
                                    {20, "297.000000"},
                                    {9, "$LIMMIN"},
                                    {10, "0.000000"},
                                    {20, "0.000000"},
                                    {9, "$LIMMAX"},
                                    {10, "210.000000"},
                                    {20, "297.000000"},
                                    {9, "$LTSCALE"},
                                    {40, "15"},
                                    {0, "ENDSEC"},
                                    {0, "SECTION"},
                                    {2, "TABLES"},
                                    {0, "TABLE"},
                                    {2, "LTYPE"},
                                    {70, "6"},
                                    {0, "LTYPE"},
                                    {2, "CONTINUOUS"},
                                    {70, "64"},
                                    {3, "Ausgezogene Linie"},
                                    {72, "65"},
                                    {73, "0"},
                                    {40, "0.0"},
                                    {0, "LTYPE"},
                                    {2, "DASHDOT"},
                                    {70, "64"},
                                    {3, "--. --. --.-"},
                                    {72, "65"},
                                    {73, "4"},
                                    {40, "1.0"},
                                    {49, "0.5"},
                                    {49, "-0.25"},
                                    {49, "0.0"},
                                    {49, "-0.25"},
                                    {0, "LTYPE"},
                                    {2, "DASHED"},
                                    {70, "64"},
                                    {3, "- - - - - - "},
                                    {72, "65"},
                                    {73, "2"},
                                    {40, "0.375"},
                                    {49, "0.25"},
                                    {49, "-0.125"},
                                    {0, "ENDTAB"},
                                    {0, "TABLE"},
                                    {2, "LAYER"},
                                    {70, "24"},
                                    {0, "LAYER"},
                                    {2, "0"},
                                    {70, "0"},
                                    {62, "1"},
                                    {6, "CONTINUOUS"},
                                    {0, "LAYER"},
                                    {2, "1"},
                                    {70, "0"},
                                    {62, "2"},
                                    {6, "DASHDOT"},
                                    {0, "LAYER"},
                                    {2, "2"},
                                    {70, "0"},
                                    {62, "2"},
                                    {6, "DASHED"},
                                    {0, "LAYER"},
                                    {2, "3"},
                                    {70, "0"},
                                    {62, "2"},
                                    {6, "CONTINUOUS"},
                                    {0, "LAYER"},
                                    {2, "4"},
                                    {70, "0"},
                                    {62, "3"},
                                    {6, "CONTINUOUS"},
                                    {0, "LAYER"},
                                    {2, "5"},
                                    {70, "0"},
                                    {62, "1"},
                                    {6, "CONTINUOUS"},
                                    {0, "ENDTAB"},
                                    {0, "TABLE"},
                                    {2, "STYLE"},
                                    {70, "1"},
                                    {0, "STYLE"},
                                    {2, "STANDARD"},
                                    {70, "0"},
                                    {40, "0.0"},
                                    {41, "1.0"},
                                    {50, "0.0"},
                                    {71, "0"},
                                    {42, "3.5"},
                                    {3, "TXT8"},
                                    {4, ""}}) +
                         "0\r\nENDTAB\r\n" +
                         DxfGroups({{0, "ENDSEC"},
                                    {0, "SECTION"},
                                    {2, "BLOCKS"},
                                    {0, "ENDSEC"},
                                    {0, "SECTION"},
                                    {2, "ENTITIES"},
                                    {0, "LINE"},
                                    {8, "5"},
                                    {10, "10.000000"},
                                    {20, "20.000000"},
                                    {11, "30.500000"},
                                    {21, "-40.000000"},
                                    {0, "ENDSEC"},
                                    {0, "EOF"}});
  EXPECT_EQ(ReadBytes(path), expected);
  auto d = LoadWithEzdxf(path);
  ASSERT_TRUE(d.loaded) << d.output;
  EXPECT_EQ(d.entities["LINE"], 1);
  EXPECT_EQ(d.layer_linetype["1"], "DASHDOT");
  EXPECT_EQ(d.layer_colour["4"], 3);
}

std::string WriteWith(const DxfSettings& settings, const std::function<void(DxfWriter&)>& f) {
  std::ostringstream out;
  DxfWriter w(out, settings);
  f(w);
  return out.str();
}

TEST(DxfWriter, TextCarriesHeightAndShortFactorsAndAngles) {
  CadTextFormat st;
  st.height = 5;
  st.width_factor = 0.8L;
  st.rotation = 30;
  st.oblique = 0;
  std::string text = WriteWith({}, [&](DxfWriter& w) { w.text("M 1:2", 1, 2, st); });
  EXPECT_EQ(text, DxfGroups({{0, "TEXT"},
                             {8, "0"},
                             {10, "1.000000"},
                             {20, "2.000000"},
                             {40, "5.000000"},
                             {1, "M 1:2"},
                             {7, "STANDARD"},
                             {41, "0.8"},
                             {50, "30"},
                             {51, "0"}}));
}

TEST(DxfWriter, VertexBulgeOnlyForArcSegments) {
  std::string text = WriteWith({}, [](DxfWriter& w) {
    w.vertex(0, 0, kPi);
    w.vertex(1, 0, 0);
    w.vertex(2, 0, -kPi / 2);
  });
  EXPECT_EQ(text, DxfGroups({{0, "VERTEX"},
                             {8, "0"},
                             {10, "0.000000"},
                             {20, "0.000000"},
                             {42, "1.000000"},
                             {0, "VERTEX"},
                             {8, "0"},
                             {10, "1.000000"},
                             {20, "0.000000"},
                             {0, "VERTEX"},
                             {8, "0"},
                             {10, "2.000000"},
                             {20, "0.000000"},
                             {42, "-0.414214"}}));
}

TEST(DxfWriter, ArcsFullCirclesAndTheFullCircleRule) {
  DxfSettings three;
  three.decimals = 3;
  auto type_of = [&](Real a, Real b) {
    std::string text = WriteWith(three, [&](DxfWriter& w) { w.arc(0, 0, a, b, 2); });
    return text.substr(5, text.find("\r\n", 5) - 5);
  };
  EXPECT_EQ(type_of(0, 360), "CIRCLE");
  EXPECT_EQ(type_of(45, 45), "CIRCLE");
  EXPECT_EQ(type_of(359.999995L, 0), "CIRCLE");
  EXPECT_EQ(type_of(359.99998L, 0), "ARC");
  EXPECT_EQ(type_of(350, 10), "ARC");
  std::string arc = WriteWith(three, [&](DxfWriter& w) { w.arc(1, 2, 350, 10, 3); });
  EXPECT_NE(arc.find(" 40\r\n3.000\r\n 50\r\n350.000\r\n 51\r\n10.000\r\n"), std::string::npos)
      << arc;
}

TEST(DxfWriter, NumbersIgnoreTheDecimalCommaAndNeverShowNaN) {
  CadSession t;
  t.s.cfg.decimal_separator = 2;
  t.s.cfg.cad_decimals = 2;
  std::string path = t.open(kCadDxf, "comma");  // no "." in the name: ".dxf" is added
  t.drawing(0, [&] {
    CadLine(t.s.cadContext(), 0.5L, -1.25L, std::numeric_limits<Real>::quiet_NaN(),
            std::numeric_limits<Real>::infinity());
    CadCircle(t.s.cadContext(), 1e-12L, -1e-12L, 1);
  });
  std::string text = ReadBytes(path + ".dxf");
  EXPECT_NE(text.find(" 10\r\n0.50\r\n 20\r\n-1.25\r\n 11\r\n0.00\r\n 21\r\n0.00\r\n"),
            std::string::npos);
  EXPECT_NE(text.find(" 10\r\n0.00\r\n 20\r\n0.00\r\n 40\r\n1.00\r\n"), std::string::npos);
  EXPECT_EQ(text.find("nan"), std::string::npos);
  EXPECT_EQ(text.find("inf"), std::string::npos);
  EXPECT_EQ(text.find(','), std::string::npos);
  ASSERT_EQ(t.s.messages.entries.size(), 1u);
  EXPECT_EQ(t.s.messages.entries[0].rfind("Fehler : ", 0), 0u);
  EXPECT_TRUE(LoadWithEzdxf(path + ".dxf").loaded);
}

TEST(DxfWriter, LayerNamesFoldingMonochromeAndLargerLayerSets) {
  CadSession t;
  t.s.cfg.layers[0].name = "MITTE";
  t.s.cfg.layer_monochrome = true;
  std::string path = t.open(kCadDxf, "layers.dxf");
  t.drawing(2, [&] {
    CadLayer(t.s.cadContext(), 35);
    CadLine(t.s.cadContext(), 0, 0, 1, 1);
    CadLayer(t.s.cadContext(), 1);
    CadCircle(t.s.cadContext(), 0, 0, 5);
    CadLayer(t.s.cadContext(), 0);
    CadArc(t.s.cadContext(), 0, 0, 10, 20, 5);
  });
  std::string text = ReadBytes(path);
  EXPECT_NE(text.find("  0\r\nLINE\r\n  8\r\n19\r\n"), std::string::npos);
  EXPECT_NE(text.find("  0\r\nCIRCLE\r\n  8\r\nMITTE\r\n"), std::string::npos);
  EXPECT_NE(text.find("  2\r\nLTYPE\r\n 70\r\n23\r\n"), std::string::npos);
  auto d = LoadWithEzdxf(path);
  ASSERT_TRUE(d.loaded) << d.output;
  EXPECT_EQ(d.entities["LINE"], 1);
  EXPECT_EQ(d.entities["CIRCLE"], 1);
  EXPECT_EQ(d.entities["ARC"], 1);
  // Five named layers, "0" and 16..31, all in colour 1.
  EXPECT_EQ(d.layer_colour.size(), 22u);
  for (const auto& [name, colour] : d.layer_colour) EXPECT_EQ(colour, 1) << name;
  EXPECT_EQ(d.layer_linetype["MITTE"], "DASHDOT");

  CadSession sixteen;
  std::string path16 = sixteen.open(kCadDxf, "sixteen.dxf");
  sixteen.drawing(1, [&] { CadLine(sixteen.s.cadContext(), 0, 0, 1, 0); });
  auto d16 = LoadWithEzdxf(path16);
  ASSERT_TRUE(d16.loaded) << d16.output;
  EXPECT_EQ(d16.layer_colour["0"], 1);
  EXPECT_EQ(d16.layer_colour["15"], 16);
  EXPECT_EQ(d16.layer_colour.size(), 16u);
}

TEST(DxfWriter, BlocksInsertsPolylinesTextsAndSolidsLoadInEzdxf) {
  CadSession t;
  CadSetPolylineOutput(t.s.cadContext(), true);
  std::string path = t.open(kCadDxf, "blocks.dxf");
  CadLimits(t.s.cadContext(), -5, -5, 225, 310);
  CadTables(t.s.cadContext(), 0);
  CadBlocksBegin(t.s.cadContext());
  CadBlockBegin(t.s.cadContext(), "TABELLE");
  CadLine(t.s.cadContext(), 0, 0, 10, 0);
  CadTextStyle(t.s.cadContext(), 0, 30, 5, 4);
  CadText(t.s.cadContext(), "Ma\xE1stab", 1, 1);
  CadBlockEnd(t.s.cadContext());
  CadBlockBegin(t.s.cadContext(), "WELLE");
  CadPolylineBegin(t.s.cadContext(), 1);
  CadVertex(t.s.cadContext(), 0, 0, 0);
  CadVertex(t.s.cadContext(), 10, 0, kPi);
  CadVertex(t.s.cadContext(), 10, 10, 0);
  CadPolylineEnd(t.s.cadContext());
  CadSolid(t.s.cadContext(), 0, 0, 1, 0, 0, 1, 1, 1);
  CadBlockEnd(t.s.cadContext());
  CadSectionEnd(t.s.cadContext());
  CadEntitiesBegin(t.s.cadContext());
  CadInsert(t.s.cadContext(), "TABELLE", 100, 50, 0, 1, 1);
  CadInsert(t.s.cadContext(), "WELLE", 20, 30, 90, 2, 2);
  CadSectionEnd(t.s.cadContext());
  CadClose(t.s.cadContext());
  auto d = LoadWithEzdxf(path);
  ASSERT_TRUE(d.loaded) << d.output;
  EXPECT_EQ(d.entities["INSERT"], 2);
  EXPECT_EQ(d.blocks["TABELLE"]["LINE"], 1);
  EXPECT_EQ(d.blocks["TABELLE"]["TEXT"], 1);
  EXPECT_EQ(d.blocks["WELLE"]["POLYLINE"], 1);
  EXPECT_EQ(d.blocks["WELLE"]["SOLID"], 1);
  EXPECT_EQ(d.audit_errors, 0) << d.output;
}

// Every CAD text mode writes texts that read back as written, in the code page the header
// names: mode 1 keeps the program's own bytes, 2 writes Windows-1252, 3 plain ASCII.
TEST(DxfWriter, TextsReadBackInTheCodePageTheHeaderNames) {
  const std::pair<int, const char*> modes[] = {{1, "dos850"}, {2, "ANSI_1252"}, {3, "ANSI_1252"}};
  for (auto [mode, code_page] : modes) {
    CadSession t;
    t.s.cfg.cad_text_mode = mode;
    std::string path = t.open(kCadDxf, "texts.dxf");
    t.drawing(0,
              [&] { CadText(t.s.cadContext(), "Z\x84hnezahl \x8Enderung 30\xF8 5 \xE6m", 1, 1); });
    auto d = LoadWithEzdxf(path);
    ASSERT_EQ(d.texts.size(), 1u) << d.output;
    EXPECT_EQ(d.code_page, code_page);
    EXPECT_EQ(d.texts[0].text, mode == 3
                                   ? "Zaehnezahl Aenderung 30deg 5 um"
                                   : "Z\xC3\xA4hnezahl \xC3\x84nderung 30\xC2\xB0 5 \xC2\xB5m")
        << mode;
  }
}

}  // namespace
}  // namespace kv9

namespace kv9 {
namespace {

// Under a locale whose decimal separator is "," every CAD file still writes ".".
TEST(CadFilesUnderACommaLocale, NumbersKeepTheirPoint) {
  const char* previous = std::setlocale(LC_ALL, nullptr);
  std::string saved = previous ? previous : "C";
  if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "de_DE.UTF-8 is not installed";
  std::locale::global(std::locale("de_DE.UTF-8"));
  ASSERT_EQ(*std::localeconv()->decimal_point, ',');
  test::CadSession t;
  std::string text;
  for (int kind : {kCadDxf, kCadIges, kCadText}) {
    std::string path = t.open(kind, "locale." + CadExtension(kind));
    t.drawing(0, [&] {
      CadLine(t.s.cadContext(), 0.5L, 1.25L, 2, 3);
      CadTextStyle(t.s.cadContext(), 0, 12.5L, 2.5L, 2);
      CadText(t.s.cadContext(), "x", 1, 1);
    });
    text += ReadBytes(path);
  }
  auto d = LoadWithEzdxf(t.dir.file("locale.dxf"));
  EXPECT_TRUE(d.loaded) << d.output;
  EXPECT_EQ(d.entities["TEXT"], 1);
  test::ExpectIgesLoads(t.dir.file("locale.igs"), 2);
  std::locale::global(std::locale::classic());
  std::setlocale(LC_ALL, saved.c_str());
  EXPECT_NE(text.find("0.500000"), std::string::npos);
  EXPECT_NE(text.find("12.5"), std::string::npos);
  EXPECT_NE(text.find("110,0.500,1.250,0.0,2.000,3.000,0.0;"), std::string::npos);
  EXPECT_NE(text.find("LINE\t0.500000\t1.250000"), std::string::npos);
  EXPECT_EQ(text.find("0,5"), std::string::npos);
}

}  // namespace
}  // namespace kv9
