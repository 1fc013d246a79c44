#include <gtest/gtest.h>
#include <sys/stat.h>

#include <limits>
#include <random>
#include <set>

#include "calc/spline_calculation.h"
#include "core/file_util.h"
#include "core/message_list.h"
#include "report/error_file.h"
#include "report/message_description_form.h"
#include "report/message_dialogs.h"
#include "report/report_formatter.h"
#include "report/report_messages.h"
#include "support/bad_inputs.h"
#include "support/report_support.h"
#include "support/test_session.h"

namespace kv9 {
namespace {

using test::Count;
using test::Lines;
using test::ReadBytes;
using test::WriteBytes;

const char* const kSmallErrorFile =
    "Fehler : Sc>Sac*Lw/KoKm\r\n"
    "Die Pressung ist zu hoch.\r\n"
    "Drehmoment verringern.\r\n"
    "Warnung: Spitzzahn ! (1)\r\n"
    "Der Zahn wird spitz.\r\n"
    "Profilverschiebung verkleinern.\r\n"
    "Fatal  : z = 0 !\r\n";  // ends right after the key

class MessageReportsOnDisk : public ::testing::Test {
 protected:
  void SetUp() override {
    s.cfg.temp_dir = dir.path() + "/tmp/";
    mkdir((dir.path() + "/tmp").c_str(), 0755);
    s.cfg.plt_dir = dir.path() + "/";
    s.current_file = "probe";
    s.data_dir = dir.path() + "/";
    WriteBytes(dir.file("KV9.ERR"), kSmallErrorFile);  // found without regard to case
  }
  std::string Remarks(int target) {
    ReportSetHeader(s.reportContext(), "T", "", "", "", "", 0);
    ReportOpen(s.reportContext(), target);
    EXPECT_TRUE(ReportCreate(s.reportContext()));
    std::string file = s.report.file_name;
    ReportMessages(s.reportContext());
    ReportClose(s.reportContext());
    return ReadBytes(file);
  }
  test::TempDir dir;
  test::TestSession t;
  Session& s = t.s;
};

TEST_F(MessageReportsOnDisk, DescriptionsComeFromTheFirstMatchingLine) {
  ErrorDescription d = SearchErrorFile(ErrorFilePath(s.cfg), "Warnung: Spitzzahn ! (2)");
  EXPECT_TRUE(d.matched);  // the first 14 characters decide
  EXPECT_EQ(d.cause, "Der Zahn wird spitz.");
  EXPECT_EQ(d.remedy, "Profilverschiebung verkleinern.");
  d = SearchErrorFile(ErrorFilePath(s.cfg), "Fatal  : z = 0 !");
  EXPECT_TRUE(d.matched);
  EXPECT_EQ(d.cause, "");
  EXPECT_EQ(d.remedy, "");
  // A message equal to a cause line is described by the two lines after it.
  d = SearchErrorText("A\nB\nC\nDer Zahn wird s\nX\nY\n", "Der Zahn wird spitz");
  EXPECT_EQ(d.cause, "X");
  EXPECT_FALSE(SearchErrorFile(dir.file("fehlt.err"), "x").file_found);
}

TEST_F(MessageReportsOnDisk, RemarksOnPagedTargetsWithCauseAndRemedy) {
  s.cfg.text_report_mode = 1;
  MessageAdd(s.messages, "Fehler : Sc>Sac*Lw/KoKm");
  MessageAdd(s.messages, "Fehler : unbekannt");
  std::string out = Remarks(kTargetCp850File);
  auto lines = Lines(out);
  ASSERT_EQ(lines.size(), 12u);
  EXPECT_EQ(lines[0], "");  // raw, without indent
  EXPECT_EQ(lines[1], "       BEMERKUNGEN, WARNUNGEN, FEHLERMELDUNGEN");
  EXPECT_EQ(lines[2], "       " + std::string(70, '='));
  EXPECT_EQ(lines[3], "");
  EXPECT_EQ(lines[4], "       " + std::string(70, '-'));
  EXPECT_EQ(lines[5], "       Fehler : Sc>Sac*Lw/KoKm");
  EXPECT_EQ(lines[6], "       Die Pressung ist zu hoch.");
  EXPECT_EQ(lines[7], "       Drehmoment verringern.");
  EXPECT_EQ(lines[8], "       " + std::string(70, '-'));
  EXPECT_EQ(lines[10], std::string("       ") + kNoDescription);
  EXPECT_EQ(lines[11], "       " + std::string(70, '-'));  // the empty remedy is skipped
}

TEST_F(MessageReportsOnDisk, RemarksWithoutDescriptionFileHaveNoCause) {
  DeleteIfExists(dir.file("KV9.ERR"));
  MessageAdd(s.messages, "Fehler : Sc>Sac*Lw/KoKm");
  std::string out = Remarks(kTargetTabFile);
  EXPECT_EQ(Lines(out).back(), "Fehler : Sc>Sac*Lw/KoKm\t\t");
}

TEST_F(MessageReportsOnDisk, RemarksOnTabAndHtmlTargets) {
  MessageAdd(s.messages, "Fehler : Sc>Sac*Lw/KoKm");
  MessageAdd(s.messages, "Warnung: Spitzzahn ! (1)");
  auto tab = Lines(Remarks(kTargetTabFile));
  ASSERT_EQ(tab.size(), 4u);
  EXPECT_EQ(tab[1], "BEMERKUNGEN, WARNUNGEN, FEHLERMELDUNGEN");
  EXPECT_EQ(tab[2], "Fehler : Sc>Sac*Lw/KoKm\tDie Pressung ist zu hoch.\tDrehmoment verringern.");

  s.cfg.html_browser = "/bin/true";
  ReportSetHeader(s.reportContext(), "T", "", "", "", "", 0);
  ReportOpen(s.reportContext(), kTargetHtml);
  ASSERT_TRUE(ReportCreate(s.reportContext()));
  ReportPageHeader(s.reportContext(), 0, 0);
  ReportMessages(s.reportContext());
  ReportClose(s.reportContext());
  std::string html = ReadBytes(dir.file("tmp/kv9.htm"));
  EXPECT_EQ(test::HtmlStructureProblem(html), "");
  EXPECT_NE(html.find("<TR><TD>Fehler : Sc&gt;Sac*Lw/KoKm</TD></TR>"), std::string::npos);
  EXPECT_EQ(Count(html, "<TABLE"), 3);  // one per message and the empty one after the last
}

TEST_F(MessageReportsOnDisk, NoRemarksWithoutMessages) {
  EXPECT_EQ(Remarks(kTargetCp850File), "");
}

TEST_F(MessageReportsOnDisk, MessageListIsSilentWithNoGui) {
  MessageAdd(s.messages, "Fehler : Sc>Sac*Lw/KoKm");
  s.args = {"probe.kv9", "/NoGui"};
  MessageShowList(s.reportContext());
  EXPECT_TRUE(t.ui.events.empty());
  s.args.clear();
  MessageClear(s.messages, s.fatal_flag);
  MessageShowList(s.reportContext());
  EXPECT_TRUE(t.ui.saw("note", kNoMessages));
}

TEST_F(MessageReportsOnDisk, MessageListLeadsThroughTheDescriptions) {
  MessageAdd(s.messages, "Fehler : Sc>Sac*Lw/KoKm");
  MessageAdd(s.messages, "Fehler : unbekannt");
  MessageAdd(s.messages, "Warnung: Spitzzahn ! (1)");
  s.cfg.help_level = 2;  // preselects the first message
  std::vector<std::string> shown_causes;
  t.ui.on_messageDescriptionForm = [&](MessageDescriptionForm& f) {
    shown_causes.push_back(f.cause);
    return true;
  };
  t.ui.answer("1");  // first message: its description
  t.ui.answer("2");  // no description: the note, back to the list
  t.ui.answer("4");  // "Weiter/zurück..."
  MessageShowList(s.reportContext());
  auto choices = t.ui.events[0];
  EXPECT_EQ(choices.text,
            "Berechnungsmodul meldet Warnungen oder Fehler, siehe Ursache und Abhilfe.");
  EXPECT_EQ(choices.lines.back(),
            "Weiter/zur\xC3\xBC"
            "ck...");
  EXPECT_EQ(choices.preselected, 1);
  EXPECT_EQ(s.help_topic, 1210);
  EXPECT_EQ(shown_causes, std::vector<std::string>{"Die Pressung ist zu hoch."});
  EXPECT_TRUE(t.ui.saw("titled", kNoDescription));
  std::vector<int> preselections;
  for (const auto& e : t.ui.events)
    if (e.kind == "choose-radio") preselections.push_back(e.preselected);
  EXPECT_EQ(preselections, (std::vector<int>{1, 2, 3}));
}

TEST_F(MessageReportsOnDisk, MessageListStopsBeforeTheLastItemAndOnCancel) {
  MessageAdd(s.messages, "Fehler : Sc>Sac*Lw/KoKm");
  s.cfg.help_level = 1;  // preselects "Weiter/zurück..."
  t.ui.on_messageDescriptionForm = [](MessageDescriptionForm&) { return true; };
  t.ui.answer("1");
  MessageShowList(s.reportContext());
  EXPECT_EQ(t.ui.events[0].preselected, 2);
  EXPECT_EQ(t.ui.unanswered, 0);  // after the only message the loop ends by itself

  t.ui.events.clear();
  t.ui.answer("1");  // the dialog is closed without OK: the list ends
  t.ui.on_messageDescriptionForm = [](MessageDescriptionForm&) { return false; };
  MessageShowList(s.reportContext());
  EXPECT_EQ(t.ui.unanswered, 0);
}

TEST_F(MessageReportsOnDisk, DescriptionDialogWithoutFileShowsTheFileMessage) {
  DeleteIfExists(dir.file("KV9.ERR"));
  MessageAdd(s.messages, "Fehler : Sc>Sac*Lw/KoKm");
  EXPECT_EQ(MessageDescriptionDialog(s.reportContext(), 1), DescriptionResult::Aborted);
  ASSERT_EQ(t.ui.texts("error").size(), 1u);
  EXPECT_NE(t.ui.texts("error")[0].find("nicht gefunden oder kein Zugriffsrecht !"),
            std::string::npos);
}

TEST_F(MessageReportsOnDisk, EditedDescriptionIsSavedOnOneLineEach) {
  MessageAdd(s.messages, "Warnung: Spitzzahn ! (1)");
  t.ui.on_messageDescriptionForm = [](MessageDescriptionForm& f) {
    EXPECT_FALSE(f.changed());
    f.onCauseEdited("Zahn zu d\xC3\xBCnn\nam Kopf");
    f.onRemedyEdited("weniger x");
    return true;
  };
  t.ui.answer("J");  // "Save Changes ?"
  EXPECT_EQ(MessageDescriptionDialog(s.reportContext(), 1), DescriptionResult::Shown);
  EXPECT_EQ(t.ui.texts("yesno"), std::vector<std::string>{"Save Changes ?"});
  std::string saved = ReadBytes(dir.file("KV9.ERR"));
  EXPECT_EQ(Lines(saved),
            (std::vector<std::string>{"Fehler : Sc>Sac*Lw/KoKm", "Die Pressung ist zu hoch.",
                                      "Drehmoment verringern.", "Warnung: Spitzzahn ! (1)",
                                      "Zahn zu d\x81nn am Kopf", "weniger x", "Fatal  : z = 0 !"}));
  EXPECT_EQ(ReadBytes(dir.file("tmp/KV9.ERR")), saved);
}

TEST_F(MessageReportsOnDisk, SavingFindsNothingOrWorksOnTheSameFolder) {
  std::string before = ReadBytes(dir.file("KV9.ERR"));
  EXPECT_FALSE(SaveErrorDescription(s.reportContext(), "Fehler : nirgends", "a", "b"));
  EXPECT_TRUE(t.ui.saw("error", "Fehler : nirgends not found."));
  s.cfg.temp_dir = s.cfg.plt_dir;  // the copy would be the file itself
  EXPECT_FALSE(SaveErrorDescription(s.reportContext(), "Fatal  : z = 0 !", "a", "b"));
  EXPECT_EQ(ReadBytes(dir.file("KV9.ERR")), before);
  // A key on the last line gets its cause and remedy appended.
  s.cfg.temp_dir = dir.path() + "/tmp/";
  EXPECT_TRUE(SaveErrorDescription(s.reportContext(), "Fatal  : z = 0 !", "Ursache", "Abhilfe"));
  EXPECT_EQ(Lines(ReadBytes(dir.file("KV9.ERR"))).back(), "Abhilfe");
}

TEST_F(MessageReportsOnDisk, MessagesOnlyReportGoesToTheScreen) {
  MessageReport(s.reportContext());
  EXPECT_TRUE(t.ui.saw("note", kNoMessages));
  MessageAdd(s.messages, "Warnung: Spitzzahn ! (1)");
  s.ds.info1 = "Info";
  MessageReport(s.reportContext());
  ASSERT_EQ(t.ui.texts("textfile").size(), 1u);
  std::string shown = ReadBytes(t.ui.texts("textfile")[0]);
  EXPECT_NE(shown.find("Error Messages"), std::string::npos);
  EXPECT_NE(shown.find("Bl. 1/ 1"), std::string::npos);
  EXPECT_NE(shown.find("Der Zahn wird spitz."), std::string::npos);
  EXPECT_EQ(shown.find("Zeichen"), std::string::npos);  // no column header
}

// The program's own description file: one entry with cause and remedy for every message the
// calculation and its helpers add, each found under its own key.
TEST(ErrorFileContent, DescribesEveryCalculationMessage) {
  std::string content = ReadBytes(std::string(KV9_SOURCE_DIR) + "/data/kv9.err");
  auto lines = Lines(content);
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.size() % 3, 0u);
  EXPECT_EQ(test::Count(content, "\r\n"), static_cast<int>(lines.size()));
  for (unsigned char c : content) EXPECT_TRUE(c != 0xC3 && c != 0xE2) << "UTF-8 in kv9.err";
  for (std::size_t i = 0; i < lines.size(); i += 3) {
    EXPECT_LT(lines[i + 1].size(), 255u);
    EXPECT_FALSE(lines[i + 1].empty()) << lines[i];
    EXPECT_FALSE(lines[i + 2].empty()) << lines[i];
    ErrorDescription d = SearchErrorText(content, lines[i]);
    EXPECT_EQ(d.cause, lines[i + 1]) << "the key of '" << lines[i] << "' matches an earlier line";
  }
  const char* messages[] = {"Fatal  : P = 0 !",
                            "Fatal  : z = 0 !",
                            "Fatal  : z1 < 2!",
                            "Fatal  : z2 < 2!",
                            "Fatal  : mn = 0 !",
                            "Fatal  : mn <= 0!",
                            "Fatal  : alpha = 0 !",
                            "Fatal  : alpha !",
                            "Fatal  : alpha wt !",
                            "Fatal  : beta > 45!",
                            "Fatal  : b <= 0!",
                            "Fatal  : df <=0 ! (2)",
                            "Fatal  : ArcCos(cos(alpha t)*d/da)>1 ! (acos)",
                            "Fatal  : db > da  (2) (acos)",
                            "Fatal  : Eingr.st\x94r. Y !",
                            "Fatal: Y St\x94r !",
                            "Fatal  : spez.Gleiten !",
                            "Fatal  : Unit0",
                            "Fatal  : KV9",
                            "Fatal  : Unit2",
                            "Fatal  : Zahnweite ! (acos)",
                            "Fatal  : Kugelma\xE1 DmMess !",
                            "Fatal  : d = 0 !",
                            "Fatal  : schraff schnittp",
                            "Fatal  : QSORT2 error",
                            "Fehler : es < es reqd !",
                            "Fehler : Dm ball !  (2)",
                            "Fehler : DmMess (acos)",
                            "Fehler : kmess (acos)",
                            "Fehler : kmn < 0 !  (2)",
                            "Fehler : Eingr.st\x94r. da2 !",
                            "Fehler : db > da  (2) !",
                            "Fehler : dnf1 (sqrt)",
                            "Fehler : dnf2 (sqrt)",
                            "Fehler : Zahnspiel < 0 ! (2)",
                            "Fehler : Se>Sas*2Lf/KoKm (2)",
                            "Fehler : Sc>Sac*Lw/KoKm",
                            "Fehler : Ss>Sas*Lf/KoKm",
                            "Warnung: Spitzzahn ! (2)",
                            "Warnung: Unterschnitt ! (2)",
                            "Warnung: x > 1.5   (2) !",
                            "Warnung: Asne < Aau !  (2)",
                            "Eingriffst\x94rungen !",
                            "alfa prP0 > alfa !",
                            "alfa kP0 < alfa !",
                            "Messkugeldurchmesser 2 !",
                            "Messzaehnezahl 2 !",
                            "Error: function tan in Unit math",
                            "Error: function ArcCos in math",
                            "Error: ArcSin in unit math",
                            "Error: ArcInv in unit math",
                            "es (pow)",
                            "TDII (pow)",
                            "Fehler in GetArcCenter (dphi = 0 ! ",
                            "Error Radnr !",
                            "Invalid temp directory",
                            "Fatal  : z < 0 !",
                            "Fatal  : Achsabstand !",
                            "Fehler : Din >= Dre !",
                            "Fehler : Sc Divisor = 0 !",
                            "Fehler : Sc crowned Divisor = 0 !",
                            "Fehler : Sc crowned (sqrt)",
                            "Fehler : Ss Divisor = 0 !",
                            "Fehler : Sh Divisor = 0 !",
                            "Fehler : Sb Divisor = 0 !",
                            "Fehler : St1 Divisor = 0 !",
                            "Fehler : St2 Divisor = 0 !",
                            "Fehler : Kt (sqrt)",
                            "Fehler : Zahlenbereich !",
                            "Fatal  : n schraff !",
                            "Schraffurfehler",
                            "GetArcCenter l12=0",
                            "Warnung: ArcLimit (acos)",
                            "Error in DXF File",
                            "Fehler : ung\x81ltige Zahl in CAD"};
  for (const char* m : messages) {
    std::string stored = std::string(m).substr(0, kMaxMessageLength);
    ErrorDescription d = SearchErrorText(content, stored);
    EXPECT_TRUE(d.matched) << m;
    EXPECT_FALSE(d.cause.empty()) << m;
  }
}

// Whatever the calculation says about the data a file can carry, the description file explains.
TEST(ErrorFileContent, DescribesWhatTheCalculationReportsOnBadData) {
  const std::string content = ReadBytes(std::string(KV9_SOURCE_DIR) + "/data/kv9.err");
  test::TestSession t;
  test::BadValues values = test::OrdinaryBadValues();
  values.lengths.push_back(std::numeric_limits<Real>::quiet_NaN());
  std::mt19937 rng(5);
  std::set<std::string> seen;
  for (int run = 0; run < 4000; ++run) {
    t.s.ds = SplineDataSet{};
    t.s.ds.torque = 100;
    test::PickBadInputs(t.s.ds, values, rng);
    SplineCalculation(t.s.calcContext());
    seen.insert(t.s.messages.entries.begin(), t.s.messages.entries.end());
  }
  EXPECT_GT(seen.size(), 20u);  // the inputs reach many different checks
  for (const std::string& m : seen) EXPECT_TRUE(SearchErrorText(content, m).matched) << m;
}

}  // namespace
}  // namespace kv9
