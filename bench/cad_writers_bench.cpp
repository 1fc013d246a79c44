// Speed of the CAD writers and of the screen's block read-back: a drawing of many short lines,
// arcs and texts, as a tooth profile with its data table produces them.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <sstream>

#include "app/session.h"
#include "cad/cad_driver.h"
#include "cad/cad_text_writer.h"
#include "cad/dxf_writer.h"
#include "cad/iges_writer.h"
#include "core/scripted_ui.h"
#include "support/test_files.h"

namespace kv9 {
namespace {

template <class Writer>
void Entities(Writer& w, int n) {
  CadTextFormat style;
  for (int i = 0; i < n; ++i) {
    Real x = i * 0.013L;
    w.line(x, 1.0L / 3, x + 0.5L, 2.0L / 3);
    w.arc(x, 0, 10, 170, 2.5L);
    if (i % 10 == 0) w.text("Zahnwelle 1:1", x, 5, style);
  }
}

void BM_DxfWriter(benchmark::State& state) {
  for (auto _ : state) {
    std::ostringstream out;
    DxfWriter w(out, DxfSettings{});
    Entities(w, static_cast<int>(state.range(0)));
    w.finish();
    benchmark::DoNotOptimize(out.str().size());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_DxfWriter)->Arg(1000)->Arg(10000);

void BM_IgesWriter(benchmark::State& state) {
  for (auto _ : state) {
    std::ostringstream out;
    IgesWriter w(out, IgesSettings{});
    w.limits(0, 0, 210, 297);
    Entities(w, static_cast<int>(state.range(0)));
    w.finish();
    benchmark::DoNotOptimize(out.str().size());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_IgesWriter)->Arg(1000)->Arg(10000);

void BM_CadTextWriter(benchmark::State& state) {
  for (auto _ : state) {
    std::ostringstream out;
    CadTextWriter w(out, CadTextSettings{});
    Entities(w, static_cast<int>(state.range(0)));
    w.finish();
    benchmark::DoNotOptimize(out.str().size());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_CadTextWriter)->Arg(1000)->Arg(10000);

// A block of n lines defined once on the screen and inserted 20 times: written as a DXF
// fragment, then read back for every insertion.
void BM_ScreenBlockInserts(benchmark::State& state) {
  test::TempDir folder;
  if (folder.path().empty()) {
    state.SkipWithError("no temporary folder");
    return;
  }
  const std::string dir = folder.dir();
  for (auto _ : state) {
    ScriptedUi ui;
    Session s(ui);
    s.scratch_dir = dir;
    CadOpen(s.cadContext(), kCadScreen);
    CadLimits(s.cadContext(), 0, 0, 210, 297);
    CadBlocksBegin(s.cadContext());
    CadBlockBegin(s.cadContext(), "ZAHN");
    for (int i = 0; i < state.range(0); ++i)
      CadLine(s.cadContext(), i * 0.01L, 0, i * 0.01L + 0.3L, 1);
    CadBlockEnd(s.cadContext());
    CadSectionEnd(s.cadContext());
    CadEntitiesBegin(s.cadContext());
    for (int k = 0; k < 20; ++k) CadInsert(s.cadContext(), "ZAHN", 100, 100, k * 18, 1, 1);
    CadClose(s.cadContext());
    benchmark::DoNotOptimize(s.display.commands().size());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0) * 20);
}
BENCHMARK(BM_ScreenBlockInserts)->Arg(200)->Arg(2000);

}  // namespace
}  // namespace kv9
