#include "cad/cad_text_writer.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/cad_session.h"

namespace kv9 {
namespace {

using test::CadSession;
using test::Lines;
using test::ReadBytes;

TEST(CadTextWriter, OneLineDrawingIsWrittenExactly) {
  CadSession t;
  std::string path = t.open(kCadText, "one.txt");
  t.drawing(0, [&] {
    CadLayer(t.s.cadContext(), 5);  // layers are not written
    CadLine(t.s.cadContext(), 10, 20, 30.5, -40);
  });
  EXPECT_EQ(ReadBytes(path),
            "MINMAX\t0.000000\t0.000000\t210.000000\t297.000000\r\n"
            "SECTION BLOCKS\r\n"
            "SECTION ENTITIES\r\n"
            "LINE\t10.000000\t20.000000\t30.500000\t-40.000000\r\n"
            "EOF\r\n");
}

TEST(CadTextWriter, DecimalCommaAndDecimalsAreTheDisplaySettings) {
  CadSession t;
  t.s.cfg.cad_decimals = 3;
  t.s.cfg.decimal_separator = 2;
  std::string path = t.open(kCadText, "comma.txt");
  CadLine(t.s.cadContext(), 0, 0, 12.5L, -3);
  CadClose(t.s.cadContext());
  EXPECT_EQ(Lines(ReadBytes(path))[0], "LINE\t0,000\t0,000\t12,500\t-3,000");
}

TEST(CadTextWriter, ArcRecordsAndTheFullCircleRule) {
  CadSession t;
  t.s.cfg.cad_decimals = 1;
  std::string path = t.open(kCadText, "arcs.txt");
  CadArc(t.s.cadContext(), 1, 2, 0, 360, 3);
  CadArc(t.s.cadContext(), 1, 2, 359.999995L, 0, 3);
  CadArc(t.s.cadContext(), 1, 2, 350, 10, 3);
  CadArc(t.s.cadContext(), 1, 2, 10, 10, 3);
  CadArc(t.s.cadContext(), 1, 2, 10, 20, 0);  // radius 0: nothing
  CadCircle(t.s.cadContext(), 1, 2, 0);       // a circle of radius 0 is passed on
  CadClose(t.s.cadContext());
  EXPECT_EQ(Lines(ReadBytes(path)),
            (std::vector<std::string>{"CIRCLE\t1.0\t2.0\t3.0", "CIRCLE\t1.0\t2.0\t3.0",
                                      "ARC\t1.0\t2.0\t3.0\t350.0\t10.0", "CIRCLE\t1.0\t2.0\t3.0",
                                      "CIRCLE\t1.0\t2.0\t0.0", "EOF"}));
}

TEST(CadTextWriter, TextsBlocksInsertsAndSolids) {
  CadSession t;
  t.s.cfg.cad_text_mode = 3;
  t.s.cfg.cad_decimals = 2;
  std::string path = t.open(kCadText, "texts.txt");
  CadLimits(t.s.cadContext(), -5, -5, 225, 310);
  CadBlocksBegin(t.s.cadContext());
  CadBlockBegin(t.s.cadContext(), "TABELLE");
  CadOrigin(t.s.cadContext(), 100, 200);
  CadText(t.s.cadContext(), "Ma\xE1stab", 1, 2);  // "Maßstab" in code page 850
  CadText(t.s.cadContext(), "", 1, 2);            // empty: skipped
  CadText(t.s.cadContext(), "a\r\nb", 0, 0);      // a line break would end the record
  CadSolid(t.s.cadContext(), 0, 0, 1, 0, 0, 1, 1, 1);
  CadBlockEnd(t.s.cadContext());
  CadSectionEnd(t.s.cadContext());
  CadEntitiesBegin(t.s.cadContext());
  CadInsert(t.s.cadContext(), "TABELLE", 10, 20, 90, 2, 0.5L);  // no origin offset on inserts
  CadSectionEnd(t.s.cadContext());
  CadClose(t.s.cadContext());
  EXPECT_EQ(
      Lines(ReadBytes(path)),
      (std::vector<std::string>{
          "MINMAX\t-5.00\t-5.00\t225.00\t310.00", "SECTION BLOCKS", "BLOCK\tTABELLE",
          "TEXT\t101.00\t202.00\tMassstab", "TEXT\t100.00\t200.00\ta  b",
          "SOLID\t100.00\t200.00\t101.00\t200.00\t100.00\t201.00\t101.00\t201.00", "END OF BLOCK",
          "SECTION ENTITIES", "INSERT\tTABELLE\t10.00\t20.00\t90.00\t2.00\t0.50", "EOF"}));
}

TEST(CadTextWriter, PolylinesBecomeLinesAndArcs) {
  CadSession t;
  t.s.cfg.cad_decimals = 3;
  CadSetPolylineOutput(t.s.cadContext(), true);  // only DXF writes real polylines
  std::string path = t.open(kCadText, "poly.txt");
  CadPolylineBegin(t.s.cadContext(), 0);
  CadVertex(t.s.cadContext(), 0, 0, 0);
  CadVertex(t.s.cadContext(), 10, 0, kPi);  // a half circle from (10, 0) to (10, 10)
  CadVertex(t.s.cadContext(), 10, 10, 0);
  CadPolylineEnd(t.s.cadContext());
  CadClose(t.s.cadContext());
  EXPECT_EQ(Lines(ReadBytes(path)),
            (std::vector<std::string>{"LINE\t0.000\t0.000\t10.000\t0.000",
                                      "ARC\t10.000\t5.000\t5.000\t-90.000\t90.000", "EOF"}));
}

TEST(CadTextWriter, CancelledSaveDialogCreatesNoFile) {
  CadSession t;
  t.s.cfg.cad_dir = "/cad/";
  t.s.current_file = "WELLE";
  t.ui.cancel();
  CadOpen(t.s.cadContext(), kCadText);
  EXPECT_TRUE(t.s.abort_flag);
  EXPECT_FALSE(CadIsOpen(t.s.cadContext()));
  ASSERT_EQ(t.ui.events.size(), 1u);
  EXPECT_EQ(t.ui.events[0].kind, "save");
  EXPECT_EQ(t.ui.events[0].text, "/cad/WELLE");
  EXPECT_EQ(t.ui.events[0].caption, "*.txt|*.txt|*.*|*.*");
  CadLine(t.s.cadContext(), 0, 0, 1, 1);
  CadClose(t.s.cadContext());
  int files = 0;
  for (const auto& e : std::filesystem::recursive_directory_iterator(t.dir.path()))
    files += e.is_regular_file();
  EXPECT_EQ(files, 0);
}

}  // namespace
}  // namespace kv9
