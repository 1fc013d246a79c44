// One full spline calculation: the start-value data set (P = 2.5, N = 38) and the largest
// spline the dimensions dialog allows (N = 600).
#include <benchmark/benchmark.h>

#include "app/session.h"
#include "calc/spline_calculation.h"
#include "core/scripted_ui.h"

namespace {

void RunCalculation(benchmark::State& state, int teeth) {
  kv9::ScriptedUi ui;
  kv9::Session s(ui);
  s.cfg.unit_flag = 0;
  if (teeth > 0) s.ds.N = teeth;
  for (auto _ : state) {
    kv9::SplineCalculation(s.calcContext());
    benchmark::DoNotOptimize(s.ds.MdR);
  }
  if (s.fatal_flag) state.SkipWithError("the calculation stopped on a fatal message");
}

void BM_SplineCalculationStartValues(benchmark::State& state) {
  RunCalculation(state, 0);
}
void BM_SplineCalculationN600(benchmark::State& state) {
  RunCalculation(state, 600);
}

BENCHMARK(BM_SplineCalculationStartValues)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SplineCalculationN600)->Unit(benchmark::kMicrosecond);

}  // namespace
