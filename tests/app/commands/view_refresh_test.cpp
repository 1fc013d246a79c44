// The refresh after a calculation shows the view the result-graphic setting chooses.
#include <gtest/gtest.h>

#include "app/commands/command_steps.h"
#include "app/commands/view_commands.h"
#include "app/data_file_commands.h"
#include "model/data_file.h"
#include "support/examples.h"
#include "support/test_session.h"

namespace kv9 {
namespace {

TEST(RefreshView, ShowsTheViewTheResultGraphicSettingChooses) {
  test::TempDir scratch;
  test::TestSession t;
  t.s.scratch_dir = scratch.dir();
  ASSERT_TRUE(LoadDataFile(t.s, test::ExamplePath("side_fit_30")));
  auto screen_after = [&](auto show) {
    t.s.rng.seed(7);  // the break lines of the sheets are drawn freehand
    show();
    return t.s.display.commands();
  };
  const auto tables = screen_after([&] { CmdViewDrawing<7>(t.s); });
  const auto sheets = screen_after([&] { CmdViewDrawing<8>(t.s); });
  const auto meshing = screen_after([&] { CmdViewToothForm<6>(t.s); });
  const auto pair = screen_after([&] { CmdViewToothForm<3>(t.s); });
  const struct {
    int setting;
    const std::vector<std::string>& view;
  } cases[] = {{0, tables},  {1, tables}, {2, meshing}, {3, sheets},
               {4, meshing}, {5, pair},   {9, tables}};
  for (const auto& c : cases) {
    t.s.cfg.result_graphic = c.setting;
    EXPECT_EQ(screen_after([&] { RefreshView(t.s); }), c.view) << "setting " << c.setting;
  }
  EXPECT_NE(tables, sheets);
  EXPECT_NE(meshing, pair);
}

}  // namespace
}  // namespace kv9
