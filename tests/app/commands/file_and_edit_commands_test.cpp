// The menu sequences of the File and Edit menus, driven headless with the scripted Ui on real
// data files in a temporary folder.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/commands/edit_commands.h"
#include "app/commands/file_commands.h"
#include "app/commands/texts_form.h"
#include "model/texts_form.h"
#include "app/commands/window_texts.h"
#include "calc/input_forms.h"
#include "model/data_file.h"
#include "support/examples.h"
#include "support/test_session.h"

namespace kv9 {
namespace {

using test::ExamplePath;
using test::ReadBytes;
using test::TempDir;
using test::TestSession;

constexpr long double kStale = -1;  // a pitch diameter no calculation gives

std::vector<std::string> Forms(const ScriptedUi& ui) {
  std::vector<std::string> forms;
  for (const auto& e : ui.events)
    if (e.kind.rfind("form:", 0) == 0) forms.push_back(e.kind);
  return forms;
}

// A session on a data folder holding the template null.kv9 (24 teeth) and an unsaved data set.
struct NewDataSet : ::testing::Test {
  TempDir dir, scratch;
  TestSession t;
  void SetUp() override {
    t.s.scratch_dir = scratch.dir();
    std::filesystem::copy_file(ExamplePath("side_fit_30"), dir.file("null.kv9"));
    t.s.data_dir = dir.dir();
    t.s.ds.N = 50;
    t.s.modified = true;
    t.ui.answer("Y");  // discard the earlier input
  }
};

TEST_F(NewDataSet, CancelInDimensionsStillEndsWithACalculationOnTheValuesSoFar) {
  t.ui.on_textsForm = [&](TextsForm& f) {
    f.info1 = "Neue Welle";
    t.s.ds.D[0] = kStale;
    return true;
  };
  t.ui.on_dimensionsForm = [](DimensionsForm& f) {
    f.teeth = 40;
    return false;
  };
  CmdNew(t.s);
  EXPECT_EQ(Forms(t.ui), (std::vector<std::string>{"form:textsForm", "form:dimensionsForm"}));
  EXPECT_EQ(t.s.ds.N, 24);
  EXPECT_EQ(t.s.ds.info1, "Neue Welle");
  EXPECT_EQ(t.s.ds.drawing_name_shaft, "Antriebswelle");      // from the template
  EXPECT_NEAR(static_cast<double>(t.s.ds.D[0]), 50.8, 1e-9);  // 24 teeth at P 12
  EXPECT_TRUE(t.s.modified);
  EXPECT_FALSE(t.s.abort_flag);
  EXPECT_TRUE(t.s.current_file.empty());
}

TEST_F(NewDataSet, CancelInTheTextDialogLeavesTheTemplateUncalculatedAndUnmodified) {
  t.ui.on_textsForm = [&](TextsForm&) {
    t.s.ds.D[0] = kStale;
    return false;
  };
  CmdNew(t.s);
  EXPECT_EQ(Forms(t.ui), std::vector<std::string>{"form:textsForm"});
  EXPECT_EQ(t.s.ds.N, 24);
  EXPECT_EQ(t.s.ds.info1, "");  // the description lines of a new data set are empty
  EXPECT_EQ(t.s.ds.D[0], kStale);
  EXPECT_FALSE(t.s.modified);
  EXPECT_TRUE(t.s.abort_flag);

  // Quick calculates after the same Cancel, but the data set stays unmodified.
  CmdQuick(t.s);
  EXPECT_NEAR(static_cast<double>(t.s.ds.D[0]), 50.8, 1e-9);
  EXPECT_FALSE(t.s.modified);
}

TEST(FileCommands, SaveAsksForANameOnlyForANewDataSet) {
  TempDir dir;
  TestSession t;
  t.s.data_dir = dir.dir();
  t.s.modified = true;
  t.ui.answer(dir.file("welle"));
  CmdSave(t.s);
  EXPECT_EQ(t.ui.texts("save").size(), 1u);
  EXPECT_EQ(t.s.current_file, "welle");
  EXPECT_FALSE(t.s.modified);
  EXPECT_EQ(WindowTitle(t.s), "KV9 - SAE Zahnwellenverbindung  -  welle.kv9");
  ASSERT_TRUE(std::filesystem::exists(dir.file("welle.kv9")));

  t.ui.events.clear();
  t.s.ds.info1 = "zweiter Stand";
  t.s.modified = true;
  CmdSave(t.s);
  EXPECT_TRUE(t.ui.events.empty());  // neither a dialog nor an overwrite question
  EXPECT_NE(ReadBytes(dir.file("welle.kv9")).find("zweiter Stand"), std::string::npos);
  EXPECT_FALSE(t.s.modified);
  EXPECT_EQ(t.ui.unanswered, 0);
}

TEST(FileCommands, CloseWithUnsavedChangesAndCancelKeepsTheWindowOpen) {
  TempDir scratch;
  TestSession t;
  t.s.scratch_dir = scratch.dir();
  test::WriteBytes(scratch.file("$EVOLV1.dx$"), "0\r\nEOF\r\n");
  t.s.modified = true;
  t.ui.cancel();
  EXPECT_FALSE(CloseQuery(t.s));
  EXPECT_TRUE(t.s.modified);
  EXPECT_TRUE(std::filesystem::exists(scratch.file("$EVOLV1.dx$")));

  t.ui.answer("Y");  // discard
  EXPECT_TRUE(CloseQuery(t.s));
  EXPECT_FALSE(std::filesystem::exists(scratch.file("$EVOLV1.dx$")));
}

}  // namespace
}  // namespace kv9
