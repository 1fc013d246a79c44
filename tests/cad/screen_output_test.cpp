// The screen kind: drawing into the display list, block files written and read back.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>

#include <filesystem>

#include "cad/cad_driver.h"
#include "cad/plot_settings_form.h"
#include "core/message_list.h"
#include "screen/display_list.h"
#include "support/cad_session.h"

namespace kv9 {
namespace {

using test::CadSession;
using test::DxfGroups;
using test::LoadWithEzdxf;
using test::WriteBytes;

struct Screen : CadSession {
  Screen() {
    CadOpen(s.cadContext(), kCadScreen);
    CadLimits(s.cadContext(), 0, 0, 210, 297);
    CadBlocksBegin(s.cadContext());
  }
  void entities() {
    CadSectionEnd(s.cadContext());
    CadEntitiesBegin(s.cadContext());
  }
  // Display commands of one code ("4;" lines ...), in order.
  std::vector<std::string> commands(const std::string& prefix) const {
    std::vector<std::string> out;
    for (const auto& c : s.display.commands())
      if (c.rfind(prefix, 0) == 0) out.push_back(c);
    return out;
  }
  std::string block(const std::string& name) const { return s.scratch_dir + "$" + name + ".dx$"; }
};

TEST(ScreenOutput, LimitsSetTheWindowAndWriteTheFooter) {
  Screen t;
  auto windows = t.commands("10;");
  ASSERT_EQ(windows.size(), 1u);
  EXPECT_EQ(windows[0], "10;0;0;640;480;0;0;210;297");
  auto texts = t.commands("6;");
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0], "6;1.05;0.594;05.03.2024 9:07 - TAVIRON KV9 V2.61 - ");
  EXPECT_EQ(t.s.cad.layer, 30);

  // With a current file the footer names it in its folder, with the data-file extension, and
  // cuts the name at 120 characters.
  t.entities();  // nothing reaches the screen while blocks are defined
  t.s.data_dir = "/daten";
  t.s.current_file = "WELLE";
  CadLimits(t.s.cadContext(), 0, 0, 210, 297);
  EXPECT_EQ(t.commands("6;").back(),
            "6;1.05;0.594;05.03.2024 9:07 - TAVIRON KV9 V2.61 - /daten/WELLE.kv9");
  t.s.current_file = std::string(130, 'w') + ".kv9";
  CadLimits(t.s.cadContext(), 0, 0, 210, 297);
  EXPECT_EQ(t.commands("6;").back(),
            "6;1.05;0.594;05.03.2024 9:07 - TAVIRON KV9 V2.61 - /daten/" + std::string(113, 'w'));

  CadSession border;
  border.s.cfg.print_border = true;
  CadOpen(border.s.cadContext(), kCadScreen);
  CadLimits(border.s.cadContext(), 0, 0, 0, 297);  // no width: abort, nothing drawn
  EXPECT_TRUE(border.s.abort_flag);
  EXPECT_EQ(border.s.display.commands().back(), "10;0;0;640;480;0;0;0;297");
  border.s.abort_flag = false;
  CadLimits(border.s.cadContext(), 0, 0, 100, 50);
  // The border on layer 19, then the footer.
  auto& c = border.s.display.commands();
  auto is_line = [](const std::string& x) { return x.rfind("4;", 0) == 0; };
  EXPECT_EQ(
      std::vector<std::string>(std::find_if(c.begin(), c.end(), is_line), c.end() - 3),
      (std::vector<std::string>{"4;0;0;0;50", "4;0;50;100;50", "4;100;50;100;0", "4;100;0;0;0"}));
  EXPECT_EQ(c.end()[-3], "8;12");
}

TEST(ScreenOutput, InsertReadsTheBlockFileThroughTheTransform) {
  Screen t;
  CadBlockBegin(t.s.cadContext(), "WELLE");
  CadLayer(t.s.cadContext(), 5);
  CadLine(t.s.cadContext(), 0, 0, 10, 0);
  CadArc(t.s.cadContext(), 0, 0, 0, 90, 5);
  CadTextStyle(t.s.cadContext(), 0, 0, 2, 1);
  CadText(t.s.cadContext(), "Welle", 1, 1);
  CadBlockEnd(t.s.cadContext());
  EXPECT_TRUE(std::filesystem::exists(t.block("WELLE")));
  EXPECT_TRUE(t.commands("4;").empty());  // nothing on the screen while blocks are defined
  t.entities();
  CadInsert(t.s.cadContext(), "WELLE", 100, 50, 90, 2, 2);
  auto lines = t.commands("4;");
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], "4;100;50;100;70");
  auto arcs = t.commands("5;");
  ASSERT_EQ(arcs.size(), 1u);
  EXPECT_EQ(arcs[0], "5;90;40;110;60;100;60;90;50");  // 90..180 degrees, radius 10
  EXPECT_EQ(t.commands("9;").back(), "9;4;1.9;2;90");
  EXPECT_EQ(t.commands("6;").back(), "6;98;52;Welle");

  // Read again at every insertion: a changed file shows.
  WriteBytes(t.block("WELLE"),
             DxfGroups({{0, "CIRCLE"}, {8, "5"}, {10, "1"}, {20, "0"}, {40, "1"}, {0, "EOF"}}));
  CadInsert(t.s.cadContext(), "WELLE", 0, 0, 0, 3, 1);
  EXPECT_EQ(t.commands("3;").back(), "3;3;0;3");
  EXPECT_EQ(t.commands("4;").size(), 1u);

  CadClose(t.s.cadContext());
  EXPECT_FALSE(std::filesystem::exists(t.block("WELLE")));
  EXPECT_EQ(t.ui.events.back().kind, "refresh");
}

// Sets the modification time to `nsec` nanoseconds past a fixed second.
void SetModificationTime(const std::string& path, long nsec) {
  const timespec times[2] = {{1700000000, 0}, {1700000000, nsec}};
  ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

TEST(ScreenOutput, UnchangedBlockFileIsParsedOnceAndAnEditShowsAtTheNextInsert) {
  Screen t;
  t.entities();
  const std::string file = t.block("PIN");
  WriteBytes(file, DxfGroups({{0, "CIRCLE"}, {10, "1"}, {20, "0"}, {40, "1"}, {0, "EOF"}}));
  SetModificationTime(file, 100);
  CadInsert(t.s.cadContext(), "PIN", 0, 0, 0, 1, 1);
  CadInsert(t.s.cadContext(), "PIN", 10, 0, 0, 1, 1);
  EXPECT_EQ(t.commands("3;"), (std::vector<std::string>{"3;1;0;1", "3;11;0;1"}));
  EXPECT_EQ(t.s.cad.block_cache.parsed(), 1);

  // Rewritten in place with the same size: only the nanoseconds of its time tell.
  WriteBytes(file, DxfGroups({{0, "CIRCLE"}, {10, "2"}, {20, "0"}, {40, "1"}, {0, "EOF"}}));
  SetModificationTime(file, 200);
  CadInsert(t.s.cadContext(), "PIN", 0, 0, 0, 1, 1);
  EXPECT_EQ(t.commands("3;").back(), "3;2;0;1");
  EXPECT_EQ(t.s.cad.block_cache.parsed(), 2);
}

TEST(ScreenOutput, NestedBlocksComposeTheirTransforms) {
  Screen t;
  CadBlockBegin(t.s.cadContext(), "INNER");
  CadLine(t.s.cadContext(), 0, 0, 1, 0);
  CadBlockEnd(t.s.cadContext());
  CadBlockBegin(t.s.cadContext(), "OUTER");
  CadInsert(t.s.cadContext(), "INNER", 10, 0, 90, 1, 1);
  CadBlockEnd(t.s.cadContext());
  t.entities();
  CadInsert(t.s.cadContext(), "OUTER", 100, 100, 90, 2, 2);
  // INNER's origin: (100, 100) + 2 · rot90(10, 0) = (100, 120); its line turned by 180 degrees.
  auto lines = t.commands("4;");
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], "4;100;120;98;120");
}

TEST(ScreenOutput, BlockThatInsertsItselfStopsTheDrawingNotTheProgram) {
  Screen t;
  CadBlockBegin(t.s.cadContext(), "SELF");
  CadLine(t.s.cadContext(), 0, 0, 1, 1);
  CadInsert(t.s.cadContext(), "SELF", 0, 0, 0, 1, 1);
  CadLine(t.s.cadContext(), 5, 5, 6, 6);
  CadBlockEnd(t.s.cadContext());
  t.entities();
  CadInsert(t.s.cadContext(), "SELF", 0, 0, 0, 1, 1);
  EXPECT_TRUE(t.s.abort_flag);
  EXPECT_EQ(t.ui.texts("error"), (std::vector<std::string>{"error blockno.5"}));
  // Four levels drew their first line; the rest of every level was given up.
  EXPECT_EQ(t.commands("4;").size(), 4u);
  EXPECT_EQ(t.s.cad.nesting, 0);
  EXPECT_EQ(t.s.cad.transform.rotation, 0);

  // The next drawing works again.
  t.s.abort_flag = false;
  CadBlockBegin(t.s.cadContext(), "X");  // outside the blocks section: nothing is stored
  CadLine(t.s.cadContext(), 0, 0, 2, 0);
  EXPECT_EQ(t.commands("4;").size(), 5u);
  // ... and a drawing after it inserts its blocks: the nesting error does not stick.
  CadClose(t.s.cadContext());
  t.ui.events.clear();
  CadOpen(t.s.cadContext(), kCadScreen);
  CadLimits(t.s.cadContext(), 0, 0, 210, 297);
  CadBlocksBegin(t.s.cadContext());
  CadBlockBegin(t.s.cadContext(), "OK");
  CadLine(t.s.cadContext(), 0, 0, 3, 0);
  CadBlockEnd(t.s.cadContext());
  t.entities();
  CadInsert(t.s.cadContext(), "OK", 10, 10, 0, 1, 1);
  EXPECT_FALSE(t.s.abort_flag);
  EXPECT_TRUE(t.ui.texts("error").empty());
  EXPECT_EQ(t.s.display.commands().back(), "4;10;10;13;10");
}

TEST(ScreenOutput, MissingAndDamagedBlockFiles) {
  Screen t;
  t.entities();
  CadInsert(t.s.cadContext(), "NONE", 0, 0, 0, 1, 1);
  EXPECT_TRUE(t.s.abort_flag);
  EXPECT_EQ(t.s.messages.entries, (std::vector<std::string>{"Invalid temp directory"}));
  t.s.abort_flag = false;

  // Unknown entities skipped, garbage numbers read as 0, a POLYLINE without VERTEX ends the block.
  WriteBytes(t.block("BAD"), DxfGroups({{0, "SPLINE"},
                                        {8, "5"},
                                        {10, "7"},
                                        {0, "LINE"},
                                        {8, "5"},
                                        {10, "x1"},
                                        {20, "2"},
                                        {11, "nan"},
                                        {21, "4"},
                                        {0, "POLYLINE"},
                                        {8, "5"},
                                        {0, "LINE"},
                                        {10, "9"},
                                        {20, "9"},
                                        {11, "9"},
                                        {21, "9"},
                                        {0, "EOF"}}));
  CadInsert(t.s.cadContext(), "BAD", 0, 0, 0, 1, 1);
  EXPECT_EQ(t.commands("4;"), (std::vector<std::string>{"4;0;2;0;4"}));
  EXPECT_EQ(t.s.messages.entries.back(), "Error in DXF File");

  // A polyline that is the last entity of its file has no vertices either.
  MessageClear(t.s.messages, t.s.fatal_flag);
  WriteBytes(t.block("LAST"), DxfGroups({{0, "POLYLINE"}, {8, "5"}, {70, "1"}, {0, "EOF"}}));
  CadInsert(t.s.cadContext(), "LAST", 0, 0, 0, 1, 1);
  EXPECT_TRUE(test::HasMessage(t.s, "Error in DXF File"));
  EXPECT_EQ(t.commands("4;").size(), 1u);

  // A file cut short: what is complete is drawn, the entity cut off is not.
  WriteBytes(t.block("CUT"), DxfGroups({{0, "POLYLINE"},
                                        {8, "1"},
                                        {70, "1"},
                                        {0, "VERTEX"},
                                        {10, "0"},
                                        {20, "0"},
                                        {42, "1"},
                                        {0, "VERTEX"},
                                        {10, "10"},
                                        {20, "0"},
                                        {0, "VERTEX"},
                                        {10, "10"},
                                        {20, "10"},
                                        {0, "CIRCLE"},
                                        {10, "1"}}) +
                                 " 20\r\n");
  CadInsert(t.s.cadContext(), "CUT", 0, 0, 0, 1, 1);
  EXPECT_EQ(t.commands("5;").size(), 1u);  // the half circle from (0, 0) to (10, 0)
  EXPECT_EQ(t.commands("4;").size(), 3u);  // and the straight segments, closed
  EXPECT_TRUE(t.commands("3;").empty());
  EXPECT_EQ(t.commands("11;").back(), "11;0");  // layer 1 dash-dot was restored to layer 30
}

TEST(ScreenOutput, LayersSetColourStyleAndWidth) {
  CadSession t;
  t.s.cfg.line_thickness_0_5[1] = 3;
  CadOpen(t.s.cadContext(), kCadScreen);
  CadLayer(t.s.cadContext(), 1);  // configured colour 2 (yellow) -> palette 14, dash-dot
  CadLayer(t.s.cadContext(), 1);
  CadLayer(t.s.cadContext(), 0);  // CAD colour 7 is white: on the white window it is drawn black
  auto& c = t.s.display.commands();
  EXPECT_EQ(std::vector<std::string>(c.begin(), c.end()),
            (std::vector<std::string>{"11;0", "8;14", "11;2", "12;3", "8;0", "11;0", "12;1"}));
}

TEST(ScreenOutput, UserLogosAreDrawnOnTheScreenAndIntoThePlotFile) {
  CadSession t;
  WriteBytes(
      t.dir.file("$LOGO_2.dx$"),
      DxfGroups(
          {{0, "LINE"}, {8, "0"}, {10, "0"}, {20, "0"}, {11, "480"}, {21, "360"}, {0, "EOF"}}));
  CadOpen(t.s.cadContext(), kCadScreen);
  CadLimits(t.s.cadContext(), 0, 0, 480, 360);
  CadEntitiesBegin(t.s.cadContext());
  auto& c = t.s.display.commands();
  EXPECT_NE(std::find(c.begin(), c.end(), "4;436.8;3.6;916.8;363.6"), c.end());
  CadClose(t.s.cadContext());
  EXPECT_TRUE(std::filesystem::exists(t.dir.file("$LOGO_2.dx$")));  // the user's file stays

  t.s.cfg.plot_command_line = "/opt/rixtran/wrixtran /tmp/rixtran /CHPL";
  t.ui.on_plotSettingsForm = [](PlotSettingsForm&) { return true; };
  t.ui.answer("/opt/rixtran/wrixtran /tmp/rixtran /CHPL");
  CadOpen(t.s.cadContext(), kCadPlot);
  ASSERT_TRUE(CadIsOpen(t.s.cadContext()));
  CadLimits(t.s.cadContext(), 0, 0, 480, 360);
  CadTables(t.s.cadContext(), 0);
  CadBlocksBegin(t.s.cadContext());
  CadBlockBegin(t.s.cadContext(), "FRAME_1");
  CadInsert(t.s.cadContext(), "logo_1", 75, 10, 0, 1, 1);  // no such file: left out
  CadBlockEnd(t.s.cadContext());
  CadSectionEnd(t.s.cadContext());
  CadEntitiesBegin(t.s.cadContext());
  CadSectionEnd(t.s.cadContext());
  CadClose(t.s.cadContext());
  auto d = LoadWithEzdxf(t.dir.file("rixtran.dxf"));
  ASSERT_TRUE(d.loaded) << d.output;
  EXPECT_EQ(d.entities["LINE"], 1);
  EXPECT_EQ(d.entities.count("INSERT"), 0u);
  EXPECT_EQ(d.audit_errors, 0) << d.output;
}

}  // namespace
}  // namespace kv9

namespace kv9 {
namespace {

TEST(ScreenOutput, WithoutAScratchFolderBlocksFailAndTheUsersFilesStay) {
  test::CadSession t;
  t.s.scratch_dir.clear();
  test::WriteBytes(t.dir.file("$LOGO_3.dx$"), test::DxfGroups({{0, "EOF"}}));
  CadOpen(t.s.cadContext(), kCadScreen);
  CadLimits(t.s.cadContext(), 0, 0, 10, 10);
  CadBlocksBegin(t.s.cadContext());
  CadBlockBegin(t.s.cadContext(), "WELLE");
  EXPECT_TRUE(t.s.abort_flag);
  CadLine(t.s.cadContext(), 0, 0, 1, 1);
  CadBlockEnd(t.s.cadContext());
  EXPECT_FALSE(t.s.abort_flag);
  CadSectionEnd(t.s.cadContext());
  CadEntitiesBegin(t.s.cadContext());
  CadInsert(t.s.cadContext(), "WELLE", 0, 0, 0, 1, 1);
  EXPECT_TRUE(t.s.abort_flag);
  EXPECT_EQ(t.s.messages.entries, (std::vector<std::string>{"Invalid temp directory"}));
  CadClose(t.s.cadContext());
  EXPECT_TRUE(std::filesystem::exists(t.dir.file("$LOGO_3.dx$")));
}

}  // namespace
}  // namespace kv9
