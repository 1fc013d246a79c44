// The batch CAD run: every drawing in every format on every example, read by real readers, and
// the exit codes.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <filesystem>
#include <map>
#include <set>
#include <sstream>

#include "app/batch_runs.h"
#include "app/data_file_commands.h"
#include "core/file_util.h"
#include "drawings/spline_drawings.h"
#include "model/data_file.h"
#include "support/cad_readers.h"
#include "support/cad_session.h"
#include "support/drawing_record.h"

namespace kv9 {
namespace {

// Batch drawing indexes under test: the spline drawings, the tooth-form views 8..12 and 13.
const std::vector<int> kBatchDrawings = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};
const int kFormats[3] = {kCadDxf, kCadIges, kCadText};

// What the DXF of each spline drawing holds: model-space inserts and blocks. The tooth-form
// views (8..12) are only loaded and audited here; their own tests check what they draw.
struct DxfExpectation {
  bool known = true;
  int inserts = 0;
  std::string blocks = "-";
};
DxfExpectation ExpectedDxf(int j) {
  switch (j) {
    case 1:
      return {true, 1, "WLSTUMP"};
    case 5:
      return {true, 3, "FRAME_1,WLSTUMP,WELLE,TABELLE"};
    case 6:
      return {true, 3, "FRAME_1,NABE,TABELLE"};
    case 13:
      return {true, 6, "FRAME_1,FRAME_2,WLSTUMP,WELLE,TABELL1,NABE,TABELL2"};
    case 2:
    case 3:
    case 4:
    case 7:
      return {};
    default:
      return {false};
  }
}

struct BatchCad : ::testing::Test {
  test::TempDir dir;
  test::WorkingFolder here{dir.path()};

  // One run in a fresh session, as one process of the program would do it.
  int run(const std::string& file, int format, int drawing, test::TestSession* keep = nullptr) {
    test::TestSession fresh;
    test::TestSession& t = keep ? *keep : fresh;
    t.s.cfg.temp_dir = dir.dir();
    t.s.args = {file, "/CAD", "/NOGUI"};
    return RunBatchCad(t.s, file, format, drawing);
  }
  std::string copyExample(const std::string& name) {
    std::filesystem::copy_file(test::ExamplePath(name), dir.file(name + ".kv9"),
                               std::filesystem::copy_options::overwrite_existing);
    return dir.file(name + ".kv9");
  }
  void writeDataSet(const std::string& name, int teeth) {
    test::TestSession w;
    w.s.ds.N = teeth;
    ASSERT_TRUE(SaveDataFile(w.s, dir.file(name)));
  }
  std::vector<std::string> cadFiles() const {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir.path())) {
      std::string ext = e.path().extension().string();
      if (ext == ".dxf" || ext == ".igs" || ext == ".txt") names.push_back(e.path().string());
    }
    return names;
  }
};

TEST_F(BatchCad, EveryDrawingInEveryFormatOnEveryExampleLoads) {
  std::vector<std::string> dxf_files, dxf_labels;
  std::vector<int> dxf_drawings;
  for (const std::string& name : test::ExampleNames()) {
    std::string file = copyExample(name);
    for (int j : kBatchDrawings) {
      for (int format : kFormats) {
        std::string label = name + " /CAD" + std::to_string(format) + ":" + std::to_string(j);
        ASSERT_EQ(run(file, format, j), kExitOk) << label;
        std::string written = dir.file(name + "." + CadExtension(format));
        ASSERT_TRUE(FileExists(written)) << label;
        std::string kept = dir.file(name + "_" + std::to_string(j) + "." + CadExtension(format));
        std::filesystem::rename(written, kept);
        if (format == kCadDxf) {
          dxf_files.push_back(kept);
          dxf_labels.push_back(label);
          dxf_drawings.push_back(j);
        } else if (format == kCadIges) {
          test::IgesSummary g = test::LoadWithOpenCascade(kept);
          EXPECT_TRUE(g.loaded) << label << "\n" << g.output;
          EXPECT_GT(g.entities, 0) << label;
          EXPECT_EQ(g.fails, 0) << label << "\n" << g.output;
          if (j == 5 || j == 6 || j == 13) {
            // The sheet outlines, inserted at their places, span the geometry.
            ASSERT_TRUE(g.has_box) << label << "\n" << g.output;
            EXPECT_NEAR(g.xmin, 0, 1e-3) << label;
            EXPECT_NEAR(g.ymin, 0, 1e-3) << label;
            EXPECT_NEAR(g.xmax, j == 13 ? 430 : 210, 1e-3) << label;
            EXPECT_NEAR(g.ymax, 297, 1e-3) << label;
          }
        } else {
          auto lines = test::Lines(test::ReadBytes(kept));
          ASSERT_FALSE(lines.empty()) << label;
          EXPECT_EQ(lines.back(), "EOF") << label;
          EXPECT_GT(lines.size(), 3u) << label;  // more than the sections
        }
      }
    }
  }
  std::string command = std::string(KV9_PYTHON) + " " + test::Quoted(KV9_DXF_CHECK_MANY_SCRIPT);
  for (const auto& f : dxf_files) command += " " + test::Quoted(f);
  int status = 0;
  std::istringstream out(test::RunCommand(command + " 2>&1", status));
  ASSERT_EQ(status, 0);
  std::string word, state;
  std::size_t index;
  std::size_t checked = 0;
  while (out >> word >> index >> state) {
    ASSERT_LT(index, dxf_files.size());
    const std::string& label = dxf_labels[index];
    ASSERT_EQ(state, "loaded") << label;
    int audit, inserts, undefined_layers;
    std::string blocks, code_page;
    out >> audit >> inserts >> blocks >> undefined_layers >> code_page;
    DxfExpectation expected = ExpectedDxf(dxf_drawings[index]);
    EXPECT_EQ(audit, 0) << label;
    EXPECT_EQ(undefined_layers, 0) << label;
    EXPECT_EQ(code_page, "ANSI_1252") << label;  // no configuration: Windows-1252 texts
    if (expected.known) {
      EXPECT_EQ(inserts, expected.inserts) << label;
      EXPECT_EQ(blocks, expected.blocks) << label;
    }
    ++checked;
  }
  EXPECT_EQ(checked, dxf_files.size());
}

// The sheets as a workshop reads them, on two examples: umlauts decoded, the hub's pin row
// named as a dimension between pins, and the view designations at least 2.5 mm high on the
// paper, inside their views (centred on a view shorter than themselves).
TEST_F(BatchCad, SheetTextsAreLegible) {
  for (const std::string name : {"side_fit_30", "stress_all_selections"}) {
    std::string file = copyExample(name);
    for (int j : {5, 6, 13}) {
      std::string label = name + " /CAD1:" + std::to_string(j);
      ASSERT_EQ(run(file, kCadDxf, j), kExitOk) << label;
      test::DxfSummary d = test::LoadWithEzdxf(dir.file(name + ".dxf"));
      ASSERT_TRUE(d.loaded) << d.output;
      EXPECT_EQ(d.code_page, "ANSI_1252") << label;
      std::map<std::string, std::set<std::string>> texts;
      for (const test::DxfText& x : d.texts) texts[x.block].insert(x.text);
      EXPECT_TRUE(texts["FRAME_1"].count("\xC3\x84nderung")) << label;
      const std::string shaft = j == 13 ? "TABELL1" : j == 5 ? "TABELLE" : "";
      const std::string hub = j == 13 ? "TABELL2" : j == 6 ? "TABELLE" : "";
      for (const std::string& table : {shaft, hub}) {
        if (table.empty()) continue;
        EXPECT_TRUE(texts[table].count(" Z\xC3\xA4hnezahl")) << label;
        const bool is_hub = table == hub;
        EXPECT_EQ(texts[table].count(" Measurement between two pins"), is_hub ? 1u : 0u) << label;
        EXPECT_EQ(texts[table].count(" Measurement over two pins"), is_hub ? 0u : 1u) << label;
      }
      int views = 0;
      for (const test::DxfInsert& view : d.inserts) {
        if (view.name != "WELLE" && view.name != "NABE") continue;
        auto [left, right] = d.block_x_range[view.name];
        for (const test::DxfText& x : d.texts) {
          if (x.block != view.name) continue;
          ++views;
          EXPECT_GE(x.height * view.scale, 2.5 - 1e-5) << label << " " << view.name;
          double length = static_cast<double>(x.text.size()) * x.height * x.width;
          if (length > right - left) {
            EXPECT_NEAR(x.x + length / 2, (left + right) / 2, 1e-3) << label << " " << view.name;
          } else {
            EXPECT_GE(x.x, left - 1e-5) << label << " " << view.name;
            EXPECT_LE(x.x + length, right + 1e-3) << label << " " << view.name;
          }
        }
      }
      EXPECT_EQ(views, j == 13 ? 2 : 1) << label;
    }
  }
}

TEST_F(BatchCad, DrawingThirteenIsTheDoubleSheet) {
  std::string file = copyExample("side_fit_30");
  ASSERT_EQ(run(file, kCadDxf, 13), kExitOk);
  std::string batch = test::ReadBytes(dir.file("side_fit_30.dxf"));
  std::filesystem::create_directory(dir.file("direct"));
  test::WorkingFolder direct(dir.file("direct"));
  test::TestSession t;
  ASSERT_TRUE(LoadDataFile(t.s, file));
  t.s.current_file = "side_fit_30";
  t.s.batch_cad = true;
  DrawSplineDrawing(t.s.drawingContext(), kCadDxf, kDrawBothSheets);
  EXPECT_EQ(test::ReadBytes(dir.file("direct/side_fit_30.dxf")), batch);
  EXPECT_NE(batch.find("FRAME_2"), std::string::npos);
}

TEST_F(BatchCad, TheRunNamesItsOutputAfterTheDataFile) {
  std::string file = copyExample("start");
  test::TestSession t;
  ASSERT_EQ(run(file, kCadText, 3, &t), kExitOk);
  EXPECT_EQ(t.s.current_file, "start");
  EXPECT_FALSE(t.s.batch_cad);
  EXPECT_EQ(cadFiles(), std::vector<std::string>{dir.file("start.txt")});
  EXPECT_EQ(t.ui.unanswered, 0);  // nothing was asked
}

TEST_F(BatchCad, IndexesOutsideTheTableDrawNothingAndSucceed) {
  std::string file = copyExample("start");
  for (int j : {0, 14, -1, 99})
    for (int format : kFormats) EXPECT_EQ(run(file, format, j), kExitOk) << format << ":" << j;
  EXPECT_TRUE(cadFiles().empty());
}

TEST_F(BatchCad, UnreadableFileEndsWithOne) {
  EXPECT_EQ(run(dir.file("fehlt.kv9"), kCadDxf, 5), kExitNotRead);
  test::WriteBytes(dir.file("kaputt.kv9"), "nur\r\ndrei\r\nZeilen\r\n");
  EXPECT_EQ(run(dir.file("kaputt.kv9"), kCadDxf, 5), kExitNotRead);
  EXPECT_TRUE(cadFiles().empty());
}

TEST_F(BatchCad, FatalCalculationEndsWithTwoAndItsMessages) {
  writeDataSet("ohne_zaehne.kv9", 0);
  test::TestSession t;
  EXPECT_EQ(run(dir.file("ohne_zaehne.kv9"), kCadDxf, 5, &t), kExitCalcFatal);
  EXPECT_EQ(t.ui.texts("plain"), std::vector<std::string>{"Fatal  : z = 0 !"});
  EXPECT_TRUE(cadFiles().empty());
}

TEST_F(BatchCad, OutputThatCannotBeWrittenIsNoSuccess) {
  std::string file = copyExample("start");
  std::filesystem::create_directory(dir.file("start.dxf"));  // the name is taken by a folder
  test::TestSession t;
  EXPECT_EQ(run(file, kCadDxf, 5, &t), kExitNotRead);
  EXPECT_FALSE(t.ui.texts("error").empty());
  // A format the batch run cannot write opens nothing.
  EXPECT_EQ(run(file, 7, 5), kExitNotRead);
  EXPECT_EQ(cadFiles(), std::vector<std::string>{dir.file("start.dxf")});
}

// The built program, as a user runs it.
TEST_F(BatchCad, ProgramWritesTheDrawingAndReportsFatalCalculations) {
  copyExample("start");
  writeDataSet("ohne_zaehne.kv9", 0);
  test::TempDir home;
  auto wkv9 = [&](const std::vector<std::string>& args, int& code) {
    test::ProgramRun r = test::RunWkv9(dir.path(), home.path(), args);
    code = r.exit_code;
    return r.out + r.err;
  };
  int code = -1;
  EXPECT_EQ(wkv9({"start.kv9", "/cad1:5"}, code), "");
  EXPECT_EQ(code, 0);
  EXPECT_TRUE(test::LoadWithEzdxf(dir.file("start.dxf")).loaded);
  std::string out = wkv9({"ohne_zaehne.kv9", "/CAD2:13", "/NOGUI"}, code);
  EXPECT_EQ(code, 2);
  EXPECT_NE(out.find("Fatal  : z = 0 !"), std::string::npos) << out;
  EXPECT_FALSE(FileExists(dir.file("ohne_zaehne.igs")));
}

}  // namespace
}  // namespace kv9
