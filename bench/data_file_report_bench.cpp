// The data file and the results report, the two halves of the batch text run.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "app/session.h"
#include "core/scripted_ui.h"
#include "model/data_file.h"
#include "report/report_state.h"
#include "report/results_report.h"
#include "support/examples.h"
#include "support/test_files.h"

namespace {

std::string Example() {
  return kv9::test::ReadBytes(kv9::test::ExamplePath("stress_all_selections"));
}

void BM_ReadDataFile(benchmark::State& state) {
  std::string content = Example();
  kv9::ScriptedUi ui;
  kv9::Session s(ui);
  for (auto _ : state)
    benchmark::DoNotOptimize(kv9::ReadDataFileContent(s.ds, s.docs, s.abort_flag, content));
}
BENCHMARK(BM_ReadDataFile);

void BM_WriteDataFile(benchmark::State& state) {
  kv9::ScriptedUi ui;
  kv9::Session s(ui);
  kv9::ReadDataFileContent(s.ds, s.docs, s.abort_flag, Example());
  for (auto _ : state) benchmark::DoNotOptimize(kv9::DataFileContent(s.ds, s.docs, s.cfg, s.clock));
}
BENCHMARK(BM_WriteDataFile);

// The standard report on a target, files included (temporary folder of the benchmark).
void BM_ResultsReport(benchmark::State& state) {
  kv9::test::TempDir folder;
  if (folder.path().empty()) {
    state.SkipWithError("no temporary folder");
    return;
  }
  const std::string dir = folder.path();
  kv9::ScriptedUi ui;
  kv9::Session s(ui);
  kv9::ReadDataFileContent(s.ds, s.docs, s.abort_flag, Example());
  s.cfg.temp_dir = dir + "/";
  s.data_dir = dir + "/";
  s.current_file = "bench";
  s.cfg.text_device = static_cast<int>(state.range(0));
  s.cfg.text_device_window = false;
  s.cfg.html_browser = "true";
  for (auto _ : state) kv9::ResultsReport(s.reportContext(), 0);
}
BENCHMARK(BM_ResultsReport)
    ->Arg(kv9::kTargetCp850File)
    ->Arg(kv9::kTargetTabCopy)
    ->Arg(kv9::kTargetHtml);

}  // namespace
