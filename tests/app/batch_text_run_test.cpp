#include "app/batch_text_run.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "app/data_file_commands.h"
#include "core/file_util.h"
#include "core/message_list.h"
#include "model/data_file.h"
#include "support/report_support.h"
#include "support/test_session.h"

namespace kv9 {
namespace {

using test::ReadBytes;

// The batch run writes its copy into the current folder: each case works in its own.
class BatchText : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(dir.path().empty());
    s.cfg.temp_dir = dir.path() + "/";
    s.scratch_dir = dir.path() + "/";
    s.cfg.unit_flag = 0;
    s.args = {"probe.kv9", "/I", "/NOGUI"};
  }
  void WriteExample(const std::string& name) {
    test::TestSession w;
    w.s.ds.info1 = "Batch";
    w.s.ds.N = 25;
    ASSERT_TRUE(SaveDataFile(w.s, dir.file(name)));
  }
  test::TempDir dir;
  test::WorkingFolder here{dir.path()};
  test::TestSession t;
  Session& s = t.s;
};

TEST_F(BatchText, ReadsCalculatesAndWritesTheReportNamedAfterTheFile) {
  WriteExample("probe.kv9");
  s.cfg.text_device = kTargetScreen;  // overridden by the batch run
  s.cfg.text_device_window = true;
  EXPECT_EQ(RunBatchText(s, dir.file("probe.kv9")), kExitOk);
  EXPECT_EQ(s.current_file, "probe");
  std::string report = ReadBytes(dir.file("probe.txt"));
  EXPECT_NE(report.find("KV9 - SAE Zahnwellenverbindung V2.61\t05.03.2024\t9:07\n"),
            std::string::npos);
  EXPECT_NE(report.find("Batch\n"), std::string::npos);
  EXPECT_NE(report.find("Z\xC3\xA4hnezahl\tN\t\t   25\n"), std::string::npos);  // UTF-8 copy
  EXPECT_EQ(t.ui.unanswered, 0);
}

TEST_F(BatchText, FileWithoutExtensionIsTheDataFile) {
  WriteExample("kurz.kv9");
  EXPECT_EQ(RunBatchText(s, "kurz"), kExitOk);
  EXPECT_TRUE(FileExists(dir.file("kurz.txt")));
}

TEST_F(BatchText, UnreadableOrTruncatedFileEndsWithOne) {
  EXPECT_EQ(RunBatchText(s, dir.file("fehlt.kv9")), kExitNotRead);
  test::WriteBytes(dir.file("kaputt.kv9"), "nur\r\ndrei\r\nZeilen\r\n");
  EXPECT_EQ(RunBatchText(s, dir.file("kaputt.kv9")), kExitNotRead);
  EXPECT_FALSE(FileExists(dir.file("kaputt.txt")));
}

TEST_F(BatchText, ReportThatCannotBeWrittenIsNoSuccess) {
  WriteExample("probe.kv9");
  s.scratch_dir = dir.path() + "/gibt-es-nicht/";
  EXPECT_EQ(RunBatchText(s, dir.file("probe.kv9")), kExitNotRead);
}

TEST_F(BatchText, FatalCalculationPrintsTheMessagesAndEndsWithTwo) {
  WriteExample("probe.kv9");
  ASSERT_TRUE(LoadDataFile(s, dir.file("probe.kv9")));
  MessageClear(s.messages, s.fatal_flag);
  MessageAdd(s.messages, "Fatal  : z = 0 !");
  s.fatal_flag = true;
  EXPECT_EQ(FinishBatchText(s, dir.file("probe.kv9")), kExitCalcFatal);
  EXPECT_EQ(t.ui.texts("plain"), std::vector<std::string>{"Fatal  : z = 0 !"});
  EXPECT_FALSE(FileExists(dir.file("probe.txt")));
}

TEST_F(BatchText, ZeroTeethEndFatallyOnceTheCalculationRuns) {
  test::TestSession w;
  w.s.ds.N = 0;
  ASSERT_TRUE(SaveDataFile(w.s, dir.file("ohne_zaehne.kv9")));
  EXPECT_EQ(RunBatchText(s, dir.file("ohne_zaehne.kv9")), kExitCalcFatal);
  EXPECT_EQ(t.ui.texts("plain"), std::vector<std::string>{"Fatal  : z = 0 !"});
  EXPECT_FALSE(FileExists(dir.file("ohne_zaehne.txt")));
}

}  // namespace
}  // namespace kv9
