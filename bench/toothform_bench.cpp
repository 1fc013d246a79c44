// Speed of the tooth-form drawings: the whole shaft of 600 teeth with 200 involute points per
// flank, written as DXF and drawn on the screen (where every tooth is read back from its block
// file), and the tooth outline alone.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>

#include "app/session.h"
#include "cad/cad_driver.h"
#include "cad/recording_writer.h"
#include "calc/spline_calculation.h"
#include "core/scripted_ui.h"
#include "support/test_files.h"
#include "toothform/tooth_form_views.h"
#include "toothform/tooth_outline.h"

namespace kv9 {
namespace {

constexpr int kTeeth = 600;
constexpr int kPoints = 200;

// A spline of 600 teeth, diametral pitch 12.
void LargeShaft(Session& s) {
  s.ds.N = kTeeth;
  s.ds.pitch_index = 8;
  SplineCalculation(s.calcContext());
  s.ds.involute_points = kPoints;
}

void BM_WholeShaftDxf(benchmark::State& state) {
  test::TempDir dir;
  if (dir.path().empty()) {
    state.SkipWithError("no temporary folder");
    return;
  }
  ScriptedUi ui;
  Session s(ui);
  LargeShaft(s);
  s.cad.polyline_output = state.range(0) != 0;
  const std::string file = dir.file("shaft.dxf");
  for (auto _ : state) {
    ui.answer(file);
    ToothFormMenu(s.toothFormContext(), kCadDxf, 1);
  }
  if (s.abort_flag) {
    state.SkipWithError("the drawing failed");
    return;
  }
  state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(file));
}
BENCHMARK(BM_WholeShaftDxf)->ArgName("polyline")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_WholeShaftScreen(benchmark::State& state) {
  test::TempDir dir;
  if (dir.path().empty()) {
    state.SkipWithError("no temporary folder");
    return;
  }
  ScriptedUi ui;
  Session s(ui);
  s.scratch_dir = dir.dir();
  LargeShaft(s);
  for (auto _ : state) ToothFormMenu(s.toothFormContext(), kCadScreen, 1);
  if (s.abort_flag) state.SkipWithError("the drawing failed");
  state.counters["commands"] = static_cast<double>(s.display.commands().size());
}
BENCHMARK(BM_WholeShaftScreen)->Unit(benchmark::kMillisecond);

void BM_ToothOutline(benchmark::State& state) {
  ScriptedUi ui;
  Session s(ui);
  LargeShaft(s);
  const WheelGeometry w = MakeToothFormGeometry(s.toothFormContext()).shaft();
  for (auto _ : state) {
    RecordingCadWriter rec;
    CadOpenWriter(s.cadContext(), rec);
    DrawToothOutline(s.toothFormContext(), w);
    CadClose(s.cadContext());
    benchmark::DoNotOptimize(rec.calls.size());
  }
}
BENCHMARK(BM_ToothOutline)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kv9
