// "--timings": how fast the desktop feels, printed for a person to read (no test asserts a
// time). Start: from the process start (and from main) to the first painted drawing of a data
// file given on the command line, the way the desktop starts. Dimensions: from OK in the
// dimensions dialog to the repainted view after the recalculation. Whole shaft: the largest
// screen view, drawn and painted.
#include <unistd.h>
#include <QApplication>
#include <QDialog>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <iostream>
#include <sstream>

#include "app/commands/menu_table.h"
#include "app/program_env.h"
#include "app/session.h"
#include "app/startup.h"
#include "calc/spline_calculation.h"
#include "gui/graphics_widget.h"
#include "gui/main_window.h"
#include "gui/qt_ui.h"
#include "gui_support.h"
#include "support/examples.h"

namespace kv9::test {

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d) {
  return std::chrono::duration<double, std::milli>(d).count();
}

}  // namespace

// Milliseconds since this process started (clock-tick resolution, usually 10 ms), or -1.
double MsSinceProcessStart() {
  std::ifstream stat("/proc/self/stat");
  std::string content((std::istreambuf_iterator<char>(stat)), {});
  const std::size_t close = content.rfind(')');
  if (close == std::string::npos) return -1;
  std::istringstream fields(content.substr(close + 2));
  std::string field;
  // after the name: state is field 3, starttime field 22
  for (int i = 3; i < 22 && fields >> field;) ++i;
  unsigned long long start_ticks = 0;
  if (!(fields >> start_ticks)) return -1;
  timespec now{};
  clock_gettime(CLOCK_BOOTTIME, &now);
  const double ticks = static_cast<double>(sysconf(_SC_CLK_TCK));
  return (now.tv_sec + now.tv_nsec / 1e9 - start_ticks / ticks) * 1000;
}

int PrintTimings(Clock::time_point main_entered, double ms_before_main) {
  QtUi ui;
  Session s(ui);
  ScratchGuard guard{s};
  s.args = {ExamplePath("side_fit_30")};
  s.program_dir = std::string(KV9_SOURCE_DIR) + "/data/";
  const StartOutcome start = StartUp(s);
  if (start.exit) return 1;
  Thh window(s);
  ui.setParentWindow(&window);
  ui.setGraphics(window.graphics());
  if (!PrepareInteractiveStart(s, start.command_line)) return 1;
  window.updateMenus();
  window.show();
  window.graphics()->grab();  // the first paint of the drawing
  const double since_main = Ms(Clock::now() - main_entered);
  const double since_process = MsSinceProcessStart();
  std::printf(
      "start to the first painted drawing (drawing 7, %zu display commands): %.1f ms "
      "from main, %.0f ms from the process start (of it %.0f ms before main)\n",
      s.display.commands().size(), since_main, since_process, ms_before_main);

  std::vector<double> runs;
  const MenuItem& dimensions = *FindMenuItem("mi_editabmessungen");
  for (int i = 0; i < 7; ++i) {
    Clock::time_point ok;
    WhenModal([&ok](QWidget* dialog) {
      ok = Clock::now();
      static_cast<QDialog*>(dialog)->accept();
    });
    window.runItem(dimensions);
    window.graphics()->grab();
    runs.push_back(Ms(Clock::now() - ok));
  }
  std::sort(runs.begin(), runs.end());
  std::printf(
      "OK in the dimensions dialog to the repainted view: median %.1f ms, best %.1f ms, "
      "worst %.1f ms (%zu runs)\n",
      runs[runs.size() / 2], runs.front(), runs.back(), runs.size());

  // The whole shaft of 600 teeth with 200 involute points per flank: drawn and painted.
  s.ds.N = 600;
  s.ds.pitch_index = 8;
  SplineCalculation(s.calcContext());
  s.ds.involute_points = 200;
  const MenuItem& whole_shaft = *FindMenuItem("mi_viewzahnprofilwelle");
  const Clock::time_point drawn = Clock::now();
  window.runItem(whole_shaft);
  const Clock::time_point recorded = Clock::now();
  window.graphics()->grab();
  std::printf(
      "whole shaft of N = 600 on the screen: %.1f ms drawn (%zu display commands), "
      "%.1f ms painted\n",
      Ms(recorded - drawn), s.display.commands().size(), Ms(Clock::now() - recorded));
  s.modified = false;  // no close question
  return 0;
}

}  // namespace kv9::test
