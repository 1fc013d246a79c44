// Golden cases: whole outputs compared with reference files checked by hand once.
//
// Each folder tests/golden/<case>/ holds case.txt and expected/. case.txt lines:
//   input <path from the source root> [<name in the work folder>]
//   run <arguments after the data file>     the built wkv9 runs in an empty work folder; several
//                                           run lines run one after the other in that folder
//   report <target> <mm|inch> [<kind>]      the results report written in-process
// Every file the runs leave in the work folder is an output, and so are "exit_code" (one line
// per run), "stdout.txt" and "stderr.txt" of the wkv9 runs (when not empty). Each file of expected/
// must equal its output byte for byte; on a mismatch the output is written beside it as
// <name>.actual. KV9_GOLDEN_UPDATE=1 writes the outputs as the new expected files (look at
// them before committing). A case without expected/ is skipped with that hint.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <sstream>

#include "app/data_file_commands.h"
#include "app/session.h"
#include "core/scripted_ui.h"
#include "model/data_file.h"
#include "report/report_state.h"
#include "report/results_report.h"
#include "support/program_run.h"
#include "support/report_support.h"
#include "support/test_session.h"

namespace fs = std::filesystem;

namespace kv9 {
namespace {

const fs::path kCases = fs::path(KV9_SOURCE_DIR) / "tests" / "golden";

struct GoldenCase {
  std::string name;
  std::string input, input_name;
  std::vector<std::vector<std::string>> runs;  // each run's arguments after the data file
  bool in_process = false;
  int target = kTargetCp850File, kind = 0;
  bool inch = false;
};

void PrintTo(const GoldenCase& c, std::ostream* os) {
  *os << c.name;
}

std::vector<std::string> Words(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> words;
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

std::vector<GoldenCase> FindCases() {
  std::vector<GoldenCase> cases;
  std::error_code ec;
  for (const auto& dir : fs::directory_iterator(kCases, ec)) {
    fs::path file = dir.path() / "case.txt";
    if (!fs::exists(file)) continue;
    GoldenCase c;
    c.name = dir.path().filename().string();
    for (const auto& line : test::Lines(test::ReadBytes(file.string()))) {
      auto w = Words(line);
      if (w.empty() || w[0][0] == '#') continue;
      if (w[0] == "input" && w.size() >= 2) {
        c.input = w[1];
        c.input_name = w.size() >= 3 ? w[2] : fs::path(w[1]).filename().string();
      } else if (w[0] == "run") {
        c.runs.emplace_back(w.begin() + 1, w.end());
      } else if (w[0] == "report" && w.size() >= 3) {
        c.in_process = true;
        c.target = std::stoi(w[1]);
        c.inch = w[2] == "inch";
        c.kind = w.size() >= 4 ? std::stoi(w[3]) : 0;
      }
    }
    cases.push_back(c);
  }
  std::sort(cases.begin(), cases.end(),
            [](const GoldenCase& a, const GoldenCase& b) { return a.name < b.name; });
  return cases;
}

void CopyInput(const GoldenCase& c, const std::string& work) {
  if (c.input.empty()) return;
  fs::copy_file(fs::path(KV9_SOURCE_DIR) / c.input, fs::path(work) / c.input_name,
                fs::copy_options::overwrite_existing);
}

std::map<std::string, std::string> FolderFiles(const std::string& work, const GoldenCase& c) {
  std::map<std::string, std::string> files;
  for (const auto& e : fs::directory_iterator(work)) {
    std::string name = e.path().filename().string();
    if (e.is_regular_file() && name != c.input_name)
      files[name] = test::ReadBytes(e.path().string());
  }
  return files;
}

// Runs wkv9 in `work` with TEMP and TMPDIR "." (so the names the reports print do not depend
// on where the tests run); outputs include the exit codes and the two output streams.
std::map<std::string, std::string> RunProgram(const GoldenCase& c, const std::string& work) {
  std::string exit_codes, out, err;
  for (const auto& run_args : c.runs) {
    test::TempDir home;
    std::vector<std::string> args;
    if (!c.input_name.empty()) args.push_back(c.input_name);
    args.insert(args.end(), run_args.begin(), run_args.end());
    test::ProgramRun run = test::RunWkv9(work, home.path(), args, "TEMP=. TMPDIR=.");
    exit_codes += std::to_string(run.exit_code) + "\n";
    out += run.out;
    err += run.err;
  }
  auto files = FolderFiles(work, c);
  files["exit_code"] = exit_codes;
  if (!out.empty()) files["stdout.txt"] = out;
  if (!err.empty()) files["stderr.txt"] = err;
  return files;
}

// The report written in-process, in `work` as the current folder with relative names only.
std::map<std::string, std::string> RunReport(const GoldenCase& c, const std::string& work) {
  std::string old_dir = fs::current_path().string();
  fs::current_path(work);
  ScriptedUi ui;
  Session s(ui);
  test::TempDir scratch;  // the run's private folder, apart from the outputs
  s.scratch_dir = scratch.dir();
  const char* now = std::getenv("KV9_TEST_NOW");
  s.clock.fixFromText(now ? now : "2026-12-09 10:30");
  s.cfg.temp_dir = "./";
  s.cfg.plt_dir = std::string(KV9_SOURCE_DIR) + "/data/";
  s.cfg.unit_flag = c.inch ? 1 : 0;
  s.cfg.html_browser = "true";  // the scripted Ui starts nothing
  s.args = {c.input_name, "/NOGUI"};
  EXPECT_TRUE(LoadDataFile(s, c.input_name.substr(0, c.input_name.find('.'))));
  s.cfg.text_device = c.target;
  s.cfg.text_device_window = false;
  ResultsReport(s.reportContext(), c.kind);
  fs::current_path(old_dir);
  return FolderFiles(work, c);
}

class Golden : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(Golden, OutputsEqualTheExpectedFiles) {
  const GoldenCase& c = GetParam();
  test::TempDir work;
  CopyInput(c, work.path());
  auto outputs = c.in_process ? RunReport(c, work.path()) : RunProgram(c, work.path());

  // The HTML outputs are checked for their structure whether or not references exist.
  for (const auto& [name, content] : outputs) {
    if (name.size() > 4 && name.substr(name.size() - 4) == ".htm") {
      EXPECT_EQ(test::HtmlStructureProblem(content), "") << name;
    }
  }

  fs::path expected = kCases / c.name / "expected";
  const char* update = std::getenv("KV9_GOLDEN_UPDATE");
  if (update && std::string(update) == "1") {
    fs::remove_all(expected);
    fs::create_directories(expected);
    for (const auto& [name, content] : outputs)
      test::WriteBytes((expected / name).string(), content);
    return;
  }
  ASSERT_TRUE(fs::is_directory(expected))
      << c.name << ": no expected outputs yet: run with KV9_GOLDEN_UPDATE=1 and check them";
  // Nothing more is written than the references hold (a fatal run writes no report).
  for (const auto& [name, content] : outputs)
    EXPECT_TRUE(fs::exists(expected / name)) << c.name << ": unexpected output " << name;
  for (const auto& e : fs::directory_iterator(expected)) {
    std::string name = e.path().filename().string();
    if (name.size() > 7 && name.substr(name.size() - 7) == ".actual") continue;
    fs::path actual = expected / (name + ".actual");
    auto it = outputs.find(name);
    if (it == outputs.end()) {
      ADD_FAILURE() << c.name << ": no output " << name;
      continue;
    }
    if (it->second == test::ReadBytes(e.path().string())) {
      fs::remove(actual);
    } else {
      test::WriteBytes(actual.string(), it->second);
      ADD_FAILURE() << c.name << ": " << name << " differs, see " << actual;
    }
  }
}

std::string CaseName(const ::testing::TestParamInfo<GoldenCase>& info) {
  std::string name = info.param.name;
  for (char& ch : name)
    if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
  return name;
}

INSTANTIATE_TEST_SUITE_P(Cases, Golden, ::testing::ValuesIn(FindCases()), CaseName);

}  // namespace
}  // namespace kv9
