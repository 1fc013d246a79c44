// The help files and pictures delivered in data/: every help number the program uses has its
// entry, every picture is listed, complete, inside the help window and readable by hp2xx.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <set>

#include "core/text.h"
#include "help/help_texts.h"
#include "help/hpgl.h"
#include "help/picture_database.h"
#include "screen/display_list.h"
#include "app/commands/help_commands.h"
#include "support/program_run.h"
#include "support/test_session.h"
#include "support/test_files.h"

namespace kv9 {
namespace {

namespace fs = std::filesystem;

const std::string kDataDir = std::string(KV9_SOURCE_DIR) + "/data/";

// Help numbers in the sources: values given to a help topic or tooltip name ("help_topic =
// 2055", "kTooltipOd = 5130"), numbers passed to the help calls, and the numbers returned by a
// function whose name ends in "Topic" (a tooltip table).
std::set<int> HelpNumbersInSources() {
  static const std::regex assigned(R"((?:help_?topic|tooltip)\w*\s*=\s*(\d{4})\b)",
                                   std::regex::icase);
  static const std::regex passed(R"((?:ShowHelp|HelpText|SetHelpNumber)\s*\([^;)]*\b(\d{4})\b)");
  static const std::regex topic_function(R"(^\S.*Topic\s*\()");
  static const std::regex returned(R"(return\s+(\d{4})\s*;)");
  std::set<int> numbers;
  for (const auto& entry : fs::recursive_directory_iterator(std::string(KV9_SOURCE_DIR) + "/src")) {
    auto ext = entry.path().extension();
    if (ext != ".cpp" && ext != ".h") continue;
    bool in_topic_function = false;
    for (const std::string& line : test::Lines(test::ReadBytes(entry.path().string()))) {
      if (!line.empty() && line[0] == '}') in_topic_function = false;
      if (std::regex_search(line, topic_function)) in_topic_function = true;
      for (const std::regex* re : {&assigned, &passed}) {
        for (std::sregex_iterator m(line.begin(), line.end(), *re), end; m != end; ++m)
          numbers.insert(std::stoi((*m)[1]));
      }
      std::smatch m;
      if (in_topic_function && std::regex_search(line, m, returned))
        numbers.insert(std::stoi(m[1]));
    }
  }
  return numbers;
}

TEST(HelpContent, EveryHelpNumberOfTheProgramHasAnEntry) {
  std::set<int> numbers = HelpNumbersInSources();
  // The scan finds the kinds of places: a dialog's topic, a tooltip, a question, a tooltip
  // table and the picture browser's own topic.
  for (int known : {5030, 5130, 2145, 2280, 1210, 2600, 2710, 3000, 3010, 3400,
                    HelpPictureBrowser::kHelpTopic})
    EXPECT_TRUE(numbers.count(known)) << known;
  // Dialogs still to come name these: the user prompt, the printout dialog and its table, the
  // configuration dialog's pages and tooltips.
  for (int later : {1030, 1040, 1120, 1500, 1555, 1570, 1580, 1585, 1590, 1595, 1600, 1605,
                    1610, 1615, 1670, 1710, 1720, 1725, 1730, 1740, 1750, 1755, 1800, 1810,
                    1830, 1910, 1920, 1930, 1935, 1940, 1960, 1980, 2500, 2530, 2820})
    numbers.insert(later);
  std::string list;
  for (int n : numbers) {
    list += std::to_string(n) + " ";
    HelpEntry e = LookupHelp(kDataDir, n);
    EXPECT_TRUE(e.found) << n;
    EXPECT_FALSE(e.lines.empty() || Trim(e.lines[0]).empty()) << n;
  }
  std::cout << "help numbers: " << list << "\n";
}

TEST(HelpContent, EveryPictureIsListedCompleteInsideTheWindowAndReadByHp2xx) {
  PictureDatabase db = ParsePictureDatabase(test::ReadBytes(kDataDir + kPictureDatabaseFile));
  EXPECT_FALSE(db.field_error);
  std::set<std::string> listed;
  for (const auto& e : db.entries) listed.insert(e.name);
  for (int n : {5030, 5120, 5200, 9020}) {
    std::string picture = LookupHelp(kDataDir, n).picture;
    EXPECT_TRUE(listed.count(picture)) << n << " names " << picture;
  }
  std::set<std::string> files;
  for (const auto& entry : fs::directory_iterator(kDataDir))
    if (entry.path().extension() == ".plt") files.insert(entry.path().stem().string());
  EXPECT_EQ(files, listed);
  EXPECT_GE(files.size(), 4u);

  test::TempDir out;
  for (const std::string& name : files) {
    const std::string file = kDataDir + name + ".plt";
    DisplayList display;
    PrepareHelpWindow(display);
    EXPECT_TRUE(HpglInterpreter(display).run(test::ReadBytes(file))) << name;
    int lines = 0;
    for (const auto& c : display.commands()) {
      if (c.rfind("4;", 0) != 0) continue;
      ++lines;
      Real x1, y1, x2, y2;
      ASSERT_EQ(std::sscanf(c.c_str(), "4;%Lf;%Lf;%Lf;%Lf", &x1, &y1, &x2, &y2), 4) << c;
      for (Real x : {x1, x2}) EXPECT_TRUE(x >= 0 && x <= kHelpWindowWidth) << name << " " << c;
      for (Real y : {y1, y2}) EXPECT_TRUE(y >= 0 && y <= kHelpWindowHeight) << name << " " << c;
    }
    EXPECT_GT(lines, 50) << name;
    int status = 0;
    const std::string png = out.file(name + ".png");
    test::RunCommand("hp2xx -q -m png -f " + test::Quoted(png) + " " + test::Quoted(file) +
                         " 2>&1",
                     status);
    EXPECT_EQ(test::ExitCodeOf(status), 0) << name;
    EXPECT_GT(fs::exists(png) ? fs::file_size(png) : 0, 1000u) << name;
  }
}

TEST(HelpContent, TheHelpMenuOpensTheBrowserOverOurPictures) {
  test::TestSession t;
  t.s.cfg.plt_dir = kDataDir;
  int items = 0;
  t.ui.on_helpPictureBrowser = [&](HelpPictureBrowser& b) {
    items = static_cast<int>(b.items().size());
    EXPECT_EQ(b.current(), 0);
    return true;
  };
  CmdHelpPictures(t.s);
  EXPECT_EQ(items, 4 + 5);  // the pictures and the five action items
  EXPECT_EQ(t.s.help_topic, HelpPictureBrowser::kHelpTopic);
  EXPECT_FALSE(t.s.display.commands().empty());  // picture 1 is drawn
  EXPECT_FALSE(t.s.abort_flag);
}

}  // namespace
}  // namespace kv9
