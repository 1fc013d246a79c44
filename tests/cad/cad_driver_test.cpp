#include "cad/cad_driver.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "cad/recording_writer.h"
#include "support/cad_session.h"

namespace kv9 {
namespace {

using test::CadSession;
using test::ExpectIgesLoads;
using test::Lines;
using test::LoadWithEzdxf;
using test::ReadBytes;

struct Recorded : CadSession {
  RecordingCadWriter rec;
  explicit Recorded(bool real_polylines = true) : rec(real_polylines) {
    CadOpenWriter(s.cadContext(), rec);
  }
};

TEST(CadDriver, TextAlignmentAndOriginMoveTheInsertionPoint) {
  Recorded t;
  CadTextStyle(t.s.cadContext(), 0, 0, 5, 4);  // width factor 4 / 5 = 0.8
  CadTextAlign(t.s.cadContext(), 1, 1);
  CadText(t.s.cadContext(), "0123456789", 100, 50);
  CadTextAlign(t.s.cadContext(), 2, 2);
  CadOrigin(t.s.cadContext(), 1000, 2000);
  CadText(t.s.cadContext(), "0123456789", 100, 50);
  CadText(t.s.cadContext(), "", 0, 0);
  auto texts = t.rec.of("text");
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].v, (std::vector<Real>{80, 47.5L}));  // moved by (-20, -2.5)
  EXPECT_EQ(texts[1].v, (std::vector<Real>{1060, 2045}));
  EXPECT_EQ(texts[0].style.width_factor, 0.8L);
  EXPECT_EQ(texts[0].style.height, 5);
}

TEST(CadDriver, TextStyleTakesTheConfiguredBaseFactorAndObliqueAngle) {
  CadSession t;
  t.s.cfg.cad_text_width_factor = 1.5L;
  t.s.cfg.cad_text_angle = 15;
  RecordingCadWriter rec;
  CadOpenWriter(t.s.cadContext(), rec);
  CadTextStyle(t.s.cadContext(), 2, 30, 4, 0);  // width 0: 0.7 of the height
  CadMoveTo(t.s.cadContext(), 10, 100);
  CadLineSpacing(t.s.cadContext(), 2);
  CadTextLine(t.s.cadContext(), "A");
  CadTextLine(t.s.cadContext(), "B");
  auto texts = rec.of("text");
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].style.width_factor, 1.5L * 0.7L);
  EXPECT_EQ(texts[0].style.rotation, 30);
  EXPECT_EQ(texts[0].style.oblique, 15);
  EXPECT_EQ(texts[1].v[1], 100 - 1.6L * 4 * 2);
}

TEST(CadDriver, RecordingKeepsPolylineVerticesAtFullPrecision) {
  Recorded t;
  CadOrigin(t.s.cadContext(), 0.5L, 0);
  CadPolylineBegin(t.s.cadContext(), 1);
  CadVertex(t.s.cadContext(), 1.0L / 3, 2.0L / 7, kPi / 3);
  CadVertex(t.s.cadContext(), 1e-30L, 1e30L, 0);
  CadPolylineEnd(t.s.cadContext());
  auto v = t.rec.of("vertex");
  ASSERT_EQ(v.size(), 2u);
  EXPECT_EQ(v[0].v[0], 1.0L / 3 + 0.5L);
  EXPECT_EQ(v[0].v[1], 2.0L / 7);
  EXPECT_EQ(v[0].v[2], kPi / 3);
  EXPECT_EQ(v[1].v[1], 1e30L);
  EXPECT_EQ(t.rec.of("polylineBegin")[0].v[0], 1);
  EXPECT_EQ(t.rec.count("polylineEnd"), 1);
}

TEST(CadDriver, EmulatedClosedPolylineEndsAtItsFirstVertex) {
  Recorded t(false);
  CadPolylineBegin(t.s.cadContext(), 1);
  CadVertex(t.s.cadContext(), 0, 0, 0);
  CadVertex(t.s.cadContext(), 10, 0, 0);
  CadVertex(t.s.cadContext(), 10, 10, -kPi / 2);  // clockwise quarter back to the start
  CadPolylineEnd(t.s.cadContext());
  ASSERT_EQ(t.rec.count("line"), 2);
  auto arcs = t.rec.of("arc");
  ASSERT_EQ(arcs.size(), 1u);
  // Centre (0, 10), radius 10, running counter-clockwise from -90 to 0 degrees.
  EXPECT_NEAR(static_cast<double>(arcs[0].v[0]), 0, 1e-12);
  EXPECT_NEAR(static_cast<double>(arcs[0].v[1]), 10, 1e-12);
  EXPECT_NEAR(static_cast<double>(arcs[0].v[2]), -90, 1e-9);
  EXPECT_NEAR(static_cast<double>(arcs[0].v[3]), 0, 1e-9);
  EXPECT_NEAR(static_cast<double>(arcs[0].v[4]), 10, 1e-12);
  EXPECT_EQ(t.rec.count("vertex"), 0);
}

TEST(CadDriver, RectangleAndEllipseArc) {
  Recorded t(false);
  CadRectangle(t.s.cadContext(), 0, 0, 4, 2);
  auto lines = t.rec.of("line");
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0].v, (std::vector<Real>{0, 0, 0, 2}));
  EXPECT_EQ(lines[3].v, (std::vector<Real>{4, 0, 0, 0}));

  Recorded e;
  CadEllipseArc(e.s.cadContext(), 0, 0, 0, 90, 10, 2, 1, 40);  // t = 0, 40, 80, then 90
  auto v = e.rec.of("vertex");
  ASSERT_EQ(v.size(), 4u);
  EXPECT_EQ(v[0].v[0], 20);
  EXPECT_NEAR(static_cast<double>(v[3].v[0]), 0, 1e-15);
  EXPECT_EQ(v[3].v[1], 10);
  CadEllipseArc(e.s.cadContext(), 0, 0, 0, 90, 0, 1, 1, 10);  // radius 0: nothing
  EXPECT_EQ(e.rec.count("polylineBegin"), 1);
  CadEllipseArc(e.s.cadContext(), 0, 0, 0, 90, 1, 1, 1, 0);  // a step of 0 still ends
  EXPECT_EQ(e.rec.count("vertex"), 6);
}

TEST(CadDriver, LimitsLeaveLayer29AndLayersFold) {
  Recorded t;
  CadLimits(t.s.cadContext(), 0, 0, 100, 100);
  EXPECT_EQ(t.s.cad.layer, 29);
  CadLayer(t.s.cadContext(), 47);
  CadLayer(t.s.cadContext(), -3);
  auto layers = t.rec.of("layer");
  ASSERT_EQ(layers.size(), 3u);
  EXPECT_EQ(layers[1].v[0], 31);
  EXPECT_EQ(layers[2].v[0], 0);
}

TEST(CadDriver, BatchRunsWriteFilesNamedAfterTheDataFileInTheWorkingFolder) {
  CadSession t;
  test::WorkingFolder here(t.dir.path());
  t.s.batch_cad = true;
  t.s.current_file = "WELLE";
  for (int kind : {kCadDxf, kCadIges, kCadText}) {
    CadOpen(t.s.cadContext(), kind);
    ASSERT_TRUE(CadIsOpen(t.s.cadContext()));
    t.drawing(0, [&] { CadCircle(t.s.cadContext(), 100, 100, 50); });
  }
  EXPECT_TRUE(t.ui.events.empty());  // no dialog in a batch run
  auto d = LoadWithEzdxf(t.dir.file("WELLE.dxf"));
  EXPECT_TRUE(d.loaded) << d.output;
  EXPECT_EQ(d.entities["CIRCLE"], 1);
  ExpectIgesLoads(t.dir.file("WELLE.igs"), 1);
  EXPECT_EQ(Lines(ReadBytes(t.dir.file("WELLE.txt"))).back(), "EOF");
  EXPECT_EQ(CadBatchFileName(t.s.cadContext(), kCadIges), "WELLE.igs");
}

TEST(CadDriver, KindChoiceAndItsCancel) {
  CadSession t;
  t.ui.answer("5");
  t.ui.answer(t.dir.file("chosen"));
  CadOpen(t.s.cadContext(), kCadChoose);
  ASSERT_TRUE(CadIsOpen(t.s.cadContext()));
  EXPECT_EQ(t.s.cad.kind, kCadText);
  EXPECT_EQ(t.ui.events[0].text, "CAD-Code");
  EXPECT_EQ(t.ui.events[0].lines,
            (std::vector<std::string>{"DXF", "IGES", "Kontrollausgabe auf Bildschirm",
                                      "Ausgabe auf Laserprinter/Plotter mit RIXTRAN", "TXT"}));
  CadClose(t.s.cadContext());
  EXPECT_TRUE(std::filesystem::exists(t.dir.file("chosen.txt")));

  t.ui.cancel();
  CadOpen(t.s.cadContext(), kCadChoose);
  EXPECT_TRUE(t.s.abort_flag);
  EXPECT_FALSE(CadIsOpen(t.s.cadContext()));
  t.s.abort_flag = false;
  CadOpen(t.s.cadContext(), 7);
  EXPECT_TRUE(t.s.abort_flag);
  EXPECT_FALSE(CadIsOpen(t.s.cadContext()));
}

TEST(CadDriver, WriteAndCreateErrorsAreReportedAndEndTheOutput) {
  CadSession t;
  std::string full = t.dir.file("full.dxf");
  ASSERT_EQ(symlink("/dev/full", full.c_str()), 0);
  t.ui.answer(full);
  CadOpen(t.s.cadContext(), kCadDxf);
  ASSERT_TRUE(CadIsOpen(t.s.cadContext()));
  CadLimits(t.s.cadContext(), 0, 0, 1, 1);
  for (int i = 0; i < 5000 && CadIsOpen(t.s.cadContext()); ++i)
    CadLine(t.s.cadContext(), i, 0, i, 1);
  CadClose(t.s.cadContext());
  EXPECT_FALSE(CadIsOpen(t.s.cadContext()));
  EXPECT_TRUE(t.s.abort_flag);
  EXPECT_EQ(t.ui.texts("error"), (std::vector<std::string>{"Diskette/Platte voll"}));

  CadSession u;
  u.ui.answer(u.dir.file("missing/folder/x.dxf"));
  CadOpen(u.s.cadContext(), kCadDxf);
  EXPECT_FALSE(CadIsOpen(u.s.cadContext()));
  EXPECT_TRUE(u.s.abort_flag);
  EXPECT_EQ(u.ui.texts("error").size(), 1u);
}

TEST(CadDriver, BlockBegunWhileAbortedIsSkippedAndTheDrawingGoesOn) {
  CadSession t;
  std::string path = t.open(kCadDxf, "skip.dxf");
  CadLimits(t.s.cadContext(), 0, 0, 10, 10);
  CadTables(t.s.cadContext(), 0);
  CadBlocksBegin(t.s.cadContext());
  t.s.abort_flag = true;
  CadBlockBegin(t.s.cadContext(), "LOST");
  CadLine(t.s.cadContext(), 0, 0, 1, 1);  // dropped with its block
  CadBlockEnd(t.s.cadContext());
  EXPECT_FALSE(t.s.abort_flag);
  CadBlockBegin(t.s.cadContext(), "KEPT");
  CadLine(t.s.cadContext(), 0, 0, 2, 2);
  t.s.abort_flag = true;  // a failure inside a block still ends the block properly
  CadBlockEnd(t.s.cadContext());
  EXPECT_FALSE(t.s.abort_flag);
  CadSectionEnd(t.s.cadContext());
  CadEntitiesBegin(t.s.cadContext());
  CadInsert(t.s.cadContext(), "KEPT", 1, 1, 0, 1, 1);
  CadSectionEnd(t.s.cadContext());
  CadClose(t.s.cadContext());
  auto d = LoadWithEzdxf(path);
  ASSERT_TRUE(d.loaded) << d.output;
  EXPECT_EQ(d.blocks.count("LOST"), 0u);
  EXPECT_EQ(d.blocks["KEPT"]["LINE"], 1);
  EXPECT_EQ(d.entities["INSERT"], 1);
  EXPECT_EQ(d.entities.count("LINE"), 0u);
}

TEST(CadDriver, RealPolylinesOnlyOnDxfWithTheSwitch) {
  for (bool on : {false, true}) {
    CadSession t;
    CadSetPolylineOutput(t.s.cadContext(), on);
    std::string path = t.open(kCadDxf, "poly.dxf");
    t.drawing(0, [&] {
      CadPolylineBegin(t.s.cadContext(), 0);
      CadVertex(t.s.cadContext(), 0, 0, 0);
      CadVertex(t.s.cadContext(), 10, 0, kPi / 2);
      CadVertex(t.s.cadContext(), 20, 10, 0);
      CadPolylineEnd(t.s.cadContext());
    });
    auto d = LoadWithEzdxf(path);
    ASSERT_TRUE(d.loaded) << d.output;
    if (on) {
      EXPECT_EQ(d.entities["POLYLINE"], 1);
      EXPECT_NE(ReadBytes(path).find(" 42\r\n0.414214\r\n"), std::string::npos);
    } else {
      EXPECT_EQ(d.entities["LINE"], 1);
      EXPECT_EQ(d.entities["ARC"], 1);
      EXPECT_EQ(d.entities.count("POLYLINE"), 0u);
    }
  }
}

}  // namespace
}  // namespace kv9
