// A table environment over a scripted Ui, with a DBF folder and a scratch folder of their own,
// and small tables made for a test.
#pragma once

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "core/scripted_ui.h"
#include "support/test_files.h"
#include "tables/dbf_file.h"
#include "tables/dbf_values.h"
#include "tables/printout_table.h"
#include "tables/table_env.h"

namespace kv9::test {

// A Ui that keeps what it was given to print before the file goes away.
struct PrintingUi : ScriptedUi {
  std::string printed;
  bool printTextFile(const std::string& path) override {
    printed = ReadBytes(path);
    return ScriptedUi::printTextFile(path);
  }
};

struct TableTest : ::testing::Test {
  PrintingUi ui;
  MessageList messages;
  bool abort_flag = false;
  TempDir dbf, scratch;
  TableEnv env{ui, messages, abort_flag, true, dbf.dir(), scratch.dir(), {2024, 3, 5}};

  ~TableTest() override { chmod(dbf.path().c_str(), 0755); }

  // The delivered printout table in the DBF folder; returns its path.
  std::string printout() {
    std::string path = dbf.file(kPrintoutTable), problem;
    EXPECT_TRUE(WritePrintoutTable(path, problem)) << problem;
    return path;
  }
  // A table of a text field "name" and a number "n" (N 6.2), one record per name.
  std::string table(const std::string& file, const std::vector<std::string>& names) {
    DbfLayout t = LayoutOf({{"name", 'C', 12, 0}, {"n", 'N', 6, 2}});
    std::vector<std::string> records;
    for (std::size_t i = 0; i < names.size(); ++i) {
      std::string r = BlankRecord(t), bytes, problem;
      PutField(r, t.fields[0], names[i] + std::string(12, ' '));
      EncodeNumber(t.fields[1], static_cast<Real>(i + 1), bytes, problem);
      PutField(r, t.fields[1], bytes);
      records.push_back(r);
    }
    std::string path = dbf.file(file), problem;
    EXPECT_TRUE(CreateDbf(path, t.fields, records, {2024, 1, 2}, problem)) << problem;
    return path;
  }
  int errors() const { return static_cast<int>(ui.texts("error").size()); }
};

}  // namespace kv9::test
