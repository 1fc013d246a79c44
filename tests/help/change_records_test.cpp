// The "Änderungen" actions, the change and drawing information form models, the change list,
// and the documents, driven through the Document menu commands with the scripted Ui.
#include "help/change_records.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "app/commands/document_commands.h"
#include "app/commands/file_commands.h"
#include "core/text.h"
#include "help/documents.h"
#include "model/data_file.h"
#include "report/report_formatter.h"
#include "support/test_files.h"
#include "support/test_session.h"

namespace kv9 {
namespace {

using test::ReadBytes;
using test::TempDir;
using test::TestSession;

class ChangeRecords : public ::testing::Test {
 protected:
  void SetUp() override {
    t.s.cfg.temp_dir = dir.path() + "/tmp/";
    mkdir((dir.path() + "/tmp").c_str(), 0755);
    t.s.scratch_dir = scratch.dir();
    t.s.data_dir = dir.dir();
    t.s.current_file = "welle.kv9";
  }
  // Adds a record through "Neue Änderung" with the given change text.
  void Add(const std::string& text) {
    t.ui.on_changeRecordForm = [text](ChangeRecordForm& f) {
      f.change_text = text;
      return true;
    };
    CmdNewChange(t.s);
  }
  // The lines of the change list the last screen showed, without the body's indent.
  std::vector<std::string> ShownList() {
    auto files = t.ui.texts("textfile");
    EXPECT_FALSE(files.empty());
    std::vector<std::string> lines;
    if (files.empty()) return lines;
    for (const std::string& line : test::Lines(ReadBytes(files.back())))
      lines.push_back(line.size() >= kBodyIndent ? line.substr(kBodyIndent) : line);
    return lines;
  }
  // The record lines of the list: those that start with two blanks and a symbol.
  std::vector<std::string> Indexes() {
    std::vector<std::string> out;
    for (const std::string& line : ShownList())
      if (line.size() > 8 && line.compare(0, 2, "  ") == 0 && line[2] != ' ')
        out.push_back(line.substr(2, line.find(' ', 2) - 2));
    return out;
  }
  TempDir dir, scratch;
  TestSession t;
};

TEST_F(ChangeRecords, NewRecordsAreDatedTodayAndDeleteRemovesTheLast) {
  Add("erste");
  ASSERT_EQ(t.s.docs.changes.size(), 1u);
  EXPECT_EQ(t.s.docs.changes[0].date, "05.03.2024");
  EXPECT_TRUE(t.s.modified);
  Add("zweite");
  Add("dritte");
  t.s.modified = false;
  CmdDeleteChange(t.s);
  ASSERT_EQ(t.s.docs.changes.size(), 2u);
  EXPECT_EQ(t.s.docs.changes[1].change_text, "zweite");
  EXPECT_TRUE(t.s.modified);  // the records travel with the data file
  EXPECT_EQ(Indexes(), (std::vector<std::string>{"a", "b"}));
  t.s.cfg.change_index_style = 1;
  CmdShowChanges(t.s);
  EXPECT_EQ(Indexes(), (std::vector<std::string>{"1", "2"}));
  // Upper-case letters as in the title block's revision rows.
  t.s.cfg.change_index_style = 2;
  CmdShowChanges(t.s);
  EXPECT_EQ(Indexes(), (std::vector<std::string>{"A", "B"}));
}

TEST_F(ChangeRecords, EditAndDeleteWithoutRecordsAndTheLimit) {
  CmdModifyChange(t.s);
  EXPECT_TRUE(t.ui.events.empty());
  CmdDeleteChange(t.s);
  EXPECT_EQ(t.ui.texts("textfile").size(), 1u);  // the empty list is still shown
  EXPECT_FALSE(t.s.modified);
  t.s.docs.changes.resize(kMaxChangeRecords);
  t.ui.events.clear();
  CmdNewChange(t.s);
  EXPECT_EQ(t.s.docs.changes.size(), 25u);
  EXPECT_TRUE(t.ui.saw("error", "Max. Änderungen = 25 !"));
  EXPECT_TRUE(t.ui.texts("textfile").empty());
}

TEST_F(ChangeRecords, TheChangeDialogFillsStoresAndCancels) {
  t.s.docs.changes.push_back({"alt", "01.01.2020", "ab", "eins"});
  t.ui.on_changeRecordForm = [](ChangeRecordForm& f) {
    EXPECT_EQ(f.caption, "Änderung 1");
    EXPECT_EQ(f.change_text, "alt");
    f.takeToday();
    f.editor = "Müllerchen";
    f.description = "Zeile 1\nZeile 2";
    return true;
  };
  CmdModifyChange(t.s);
  const AendRecord& r = t.s.docs.changes[0];
  EXPECT_EQ(r.date, "05.03.2024");
  EXPECT_EQ(r.editor, "M\x81lle");  // cut to 5 characters, in code page 850
  EXPECT_EQ(DescriptionToLine(r.description), "Zeile 1|Zeile 2");
  EXPECT_EQ(LineToDescription("Zeile 1|Zeile 2"), r.description);
  std::vector<std::string> list = ShownList();
  EXPECT_NE(std::find(list.begin(), list.end(), " Zeile 2"), list.end());

  // Shown unchanged when the dialog opens again; Cancel stores nothing and stops the command.
  t.ui.on_changeRecordForm = [](ChangeRecordForm& f) {
    EXPECT_EQ(f.description, "Zeile 1\nZeile 2");
    f.change_text = "verworfen";
    return false;
  };
  CmdModifyChange(t.s);
  EXPECT_EQ(t.s.docs.changes[0].change_text, "alt");
  EXPECT_TRUE(t.s.abort_flag);
}

TEST_F(ChangeRecords, TheDrawingInformationStoresFreeTextsUpToTheFirstEmptyRow) {
  t.s.cfg.release_text = "Freig.";
  t.s.docs.texts = {{10, 20, 2.5L, 0, "alt"}};
  t.ui.on_drawingInfoForm = [](DrawingInfoForm& f) {
    EXPECT_EQ(f.row_labels[3], "Freig.");
    EXPECT_EQ(f.texts[0][DrawingInfoForm::kH], "2.5");
    f.replaces = "A-100-0001-alt-zu-lang";
    f.takeToday(1);
    f.names[1] = "Prüfer";
    f.texts[0] = {"12", "34,5", "3", "90", "oben"};
    f.texts[1][DrawingInfoForm::kText] = "zweite";
    f.texts[3][DrawingInfoForm::kText] = "nach der Lücke";
    return true;
  };
  CmdDrawingInfo(t.s);
  const Documentation& d = t.s.docs;
  EXPECT_EQ(d.replaces, "A-100-0001-alt-");
  EXPECT_EQ(d.grid[kRowChecked].date, "05.03.2024");
  EXPECT_EQ(d.grid[kRowChecked].name,
            "Pr\x81"
            "fer");
  ASSERT_EQ(d.texts.size(), 2u);
  EXPECT_EQ(d.texts[0].y, 34.5L);
  EXPECT_EQ(d.texts[0].phi, 90);
  EXPECT_EQ(d.texts[1].text, "zweite");
  EXPECT_TRUE(t.s.modified);

  t.ui.on_drawingInfoForm = [](DrawingInfoForm& f) {
    for (auto& row : f.texts) row = {};
    return true;
  };
  CmdDrawingInfo(t.s);
  ASSERT_EQ(t.s.docs.texts.size(), 1u);
  EXPECT_EQ(t.s.docs.texts[0].text, "");
}

TEST_F(ChangeRecords, TheListNamesTheDrawingAndItsReplacements) {
  t.s.docs.grid[kRowDrawn] = {"01.02.2024", "Meier"};
  t.s.docs.replaces = "Z-1";
  t.s.docs.changes.push_back({"Bohrung", "02.02.2024", "mm", "neu"});
  CmdShowChanges(t.s);
  std::vector<std::string> list = ShownList();
  auto has = [&](const std::string& line) {
    return std::find(list.begin(), list.end(), line) != list.end();
  };
  EXPECT_TRUE(has("Erstellungsdatum: 01.02.2024     Erstellt von: Meier"));
  EXPECT_TRUE(has("Ersatz für: Z-1            "));
  EXPECT_TRUE(has("  a     02.02.2024   mm       Bohrung             "));
  for (const std::string& line : list) EXPECT_EQ(line.find("Ersetzt durch"), std::string::npos);
}

TEST(Documents, StartSetupAndLimits) {
  TestSession t;
  t.s.docs.documents[1] = {"okular", "/tmp/spez.pdf"};
  CmdDocument<2>(t.s);
  CmdDocument<3>(t.s);
  EXPECT_EQ(t.ui.texts("start"), (std::vector<std::string>{"okular /tmp/spez.pdf", "xdg-open "}));

  const std::string long_path = "/" + std::string(59, 'p');
  t.ui.on_documentSetupForm = [&](DocumentSetupForm& f) {
    EXPECT_EQ(f.program[1], "okular");
    f.file[0] = long_path;
    f.program[4].clear();
    for (int i = 0; i < 52; ++i) f.program[4] += "ä";
    t.ui.answer("/usr/bin/evince");
    f.chooseProgram(*t.s.ui, 2);
    return true;
  };
  CmdDocumentSetup(t.s);
  EXPECT_TRUE(t.s.modified);
  EXPECT_EQ(t.s.docs.documents[0].file, long_path.substr(0, 50));
  EXPECT_EQ(t.s.docs.documents[2].program, "/usr/bin/evince");
  std::string fifty;
  for (int i = 0; i < 50; ++i) fifty += "ä";
  EXPECT_EQ(t.s.docs.documents[4].program, fifty);  // characters, not bytes
  t.s.modified = false;
  t.ui.on_documentSetupForm = [](DocumentSetupForm& f) {
    f.file[1] = "weg";
    return false;
  };
  CmdDocumentSetup(t.s);
  EXPECT_TRUE(t.s.abort_flag);
  EXPECT_FALSE(t.s.modified);
  EXPECT_EQ(t.s.docs.documents[1].file, "/tmp/spez.pdf");

  // "New" keeps the slots.
  TempDir data;
  t.s.data_dir = data.dir();
  t.s.docs.changes.push_back({});
  CmdNew(t.s);
  EXPECT_TRUE(t.s.docs.changes.empty());
  EXPECT_EQ(t.s.docs.documents[1].program, "okular");
  EXPECT_EQ(t.s.docs.documents[1].file, "/tmp/spez.pdf");
}

}  // namespace
}  // namespace kv9
