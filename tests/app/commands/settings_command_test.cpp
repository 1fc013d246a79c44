#include <gtest/gtest.h>

#include "app/commands/file_commands.h"
#include "model/config_file.h"
#include "model/config_form.h"
#include "model/config_test_support.h"
#include "support/test_session.h"

namespace kv9 {
namespace {

struct SettingsCommand : ::testing::Test {
  test::TestSession t;
  Session& s = t.s;
  test::TempDir dir;
  SettingsCommand() {
    s.cfg.config_dir = dir.dir();
    s.cfg.client_width = 799;  // as after reading a configuration
    s.cfg.client_height = 599;
  }
};

TEST_F(SettingsCommand, SaveWritesAFileThatReadsBackToTheSameSettings) {
  t.ui.on_configForm = [](ConfigForm& form) {
    form.find("Spin_lines")->value = 55;
    form.find("Radio_date")->value = 3;
    form.find("Edit_zoom")->text = "0";
    EXPECT_TRUE(form.save());
    form.find("Spin_lines")->value = 44;  // after saving, then cancelled
    form.cancel();
    return false;
  };
  CmdSettings(s);
  EXPECT_EQ(s.cfg.lines_per_page, 55);  // saving copied back
  EXPECT_EQ(s.cfg.zoom_factor, 1.0L);

  test::TestSession fresh;
  fresh.s.cfg.config_dir = dir.dir();
  ASSERT_TRUE(ImportConfig(fresh.s.cfg, fresh.s.program_dir, DialogsOf(fresh.s), dir.path(), "kv9"));
  test::ExpectSameSettings(fresh.s.cfg, s.cfg);
  EXPECT_EQ(fresh.s.cfg.date_code, 4);
}

// The import reads over what the dialog shows: a file that ends early refills only its own
// entries, and nothing reaches the settings before OK.
TEST_F(SettingsCommand, ImportOfAFileThatEndsEarlyRefillsOnlyWhatItContains) {
  test::TestSession other;
  other.s.cfg = test::UnusualConfig();
  test::WriteBytes(dir.file("short.cfg"),
                   test::CutBefore(test::WrittenConfig(other.s), "Druckertyp"));
  t.ui.answer(dir.file("short.cfg"));
  const Config before = s.cfg;
  t.ui.on_configForm = [&](ConfigForm& form) {
    form.find("Spin_lines")->value = 33;
    form.importFile();
    EXPECT_EQ(form.find("Edit_dbf")->text, "/dbf/");  // in the file
    EXPECT_EQ(form.find("Radio_help")->value, 2);
    EXPECT_EQ(form.find("Spin_lines")->value, 33);  // not in the file: as shown
    EXPECT_EQ(form.find("Spin_decimals")->value, before.decimals);
    return false;
  };
  CmdSettings(s);
  test::ExpectSameSettings(s.cfg, before);
  EXPECT_EQ(t.ui.texts("open").size(), 1u);

  t.ui.cancel();  // no file chosen: nothing happens
  t.ui.on_configForm = [&](ConfigForm& form) {
    form.importFile();
    EXPECT_EQ(form.find("Edit_dbf")->text, before.dbf_dir);
    form.accept();
    return true;
  };
  CmdSettings(s);
  test::ExpectSameSettings(s.cfg, before);
}

}  // namespace
}  // namespace kv9
