// The double sheet of shaft and hub (drawing 8): written as a DXF file as the batch CAD run does,
// drawn on the screen kind (block files written and read back), and the drawing alone into a
// recording writer.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "app/data_file_commands.h"
#include "app/session.h"
#include "cad/cad_driver.h"
#include "cad/recording_writer.h"
#include "core/file_util.h"
#include "core/scripted_ui.h"
#include "drawings/spline_drawings.h"
#include "model/data_file.h"
#include "support/examples.h"
#include "support/test_files.h"

namespace {

// The example the sheets are drawn from.
std::string Example() {
  return kv9::test::ExamplePath("stress_all_selections");
}

// A scratch folder that is the working folder while it lives.
struct BenchFolder {
  kv9::test::TempDir dir;
  kv9::test::WorkingFolder here{dir.path()};
  const std::string& path() const { return dir.path(); }
};

void BM_DoubleSheetDxf(benchmark::State& state) {
  BenchFolder folder;
  kv9::ScriptedUi ui;
  kv9::Session s(ui);
  if (folder.path().empty() || !kv9::LoadDataFile(s, Example())) {
    state.SkipWithError("no example or no folder");
    return;
  }
  s.current_file = "bench";
  s.batch_cad = true;
  for (auto _ : state)
    kv9::DrawSplineDrawing(s.drawingContext(), kv9::kCadDxf, kv9::kDrawBothSheets);
  std::error_code ec;  // a drawing that failed left no file
  state.counters["bytes"] =
      static_cast<double>(std::filesystem::file_size(folder.path() + "/bench.dxf", ec));
}
BENCHMARK(BM_DoubleSheetDxf)->Unit(benchmark::kMillisecond);

void BM_DoubleSheetScreen(benchmark::State& state) {
  BenchFolder folder;
  kv9::ScriptedUi ui;
  kv9::Session s(ui);
  if (folder.path().empty() || !kv9::LoadDataFile(s, Example())) {
    state.SkipWithError("no example or no folder");
    return;
  }
  s.scratch_dir = folder.path() + "/";
  s.cfg.temp_dir = folder.path() + "/";
  for (auto _ : state)
    kv9::DrawSplineDrawing(s.drawingContext(), kv9::kCadScreen, kv9::kDrawBothSheets);
  state.counters["commands"] = static_cast<double>(s.display.commands().size());
}
BENCHMARK(BM_DoubleSheetScreen)->Unit(benchmark::kMillisecond);

void BM_DoubleSheetRecorded(benchmark::State& state) {
  kv9::ScriptedUi ui;
  kv9::Session s(ui);
  if (!kv9::LoadDataFile(s, Example())) {
    state.SkipWithError("no example");
    return;
  }
  std::size_t calls = 0;
  for (auto _ : state) {
    kv9::RecordingCadWriter rec;
    kv9::CadOpenWriter(s.cadContext(), rec);
    kv9::EmitSplineDrawing(s.drawingContext(), kv9::kDrawBothSheets);
    calls = rec.calls.size();
  }
  state.counters["calls"] = static_cast<double>(calls);
}
BENCHMARK(BM_DoubleSheetRecorded)->Unit(benchmark::kMicrosecond);

}  // namespace
