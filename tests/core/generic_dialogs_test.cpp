#include "core/generic_dialogs.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "core/file_util.h"
#include "core/number_format.h"
#include "support/test_session.h"

namespace kv9 {
namespace {

struct Dialogs : ::testing::Test {
  test::TestSession t;
  Session& s = t.s;
  ScriptedUi& ui = t.ui;
};

TEST_F(Dialogs, ChoiceListsUseRadioButtonsUpToSeven) {
  for (int i = 0; i < 8; ++i) s.screen_lines[i] = "Wahl " + std::to_string(i + 1);
  ui.answer("3");
  EXPECT_EQ(ChooseFromList(DialogsOf(s), "Auswahl", std::span(s.screen_lines).first(7), 0), 3);
  ASSERT_EQ(ui.events.size(), 1u);
  EXPECT_EQ(ui.events[0].kind, "choose-radio");
  EXPECT_EQ(ui.events[0].preselected, 1);  // current 0 preselects the first
  EXPECT_EQ(ui.events[0].lines.size(), 7u);

  ui.answer("8");
  EXPECT_EQ(ChooseFromList(DialogsOf(s), "Auswahl", std::span(s.screen_lines).first(8), 9), 8);
  EXPECT_EQ(ui.events[1].kind, "choose");
  EXPECT_EQ(ui.events[1].preselected, 1);  // beyond n preselects the first too
  EXPECT_FALSE(s.abort_flag);

  ui.cancel();
  EXPECT_EQ(ChooseFromList(DialogsOf(s), "Auswahl", std::span(s.screen_lines).first(8), 5), 5);
  EXPECT_TRUE(s.abort_flag);
}

TEST_F(Dialogs, YesNoQuestions) {
  ui.answer("J");
  EXPECT_EQ(AskYesNo(DialogsOf(s), "Weiter ?", "n"), "J");
  EXPECT_EQ(ui.events[0].preselected, 2);  // "&Nein" preselected
  ui.cancel();
  EXPECT_EQ(AskYesNo(DialogsOf(s), "Weiter ?", "J"), "J");
  EXPECT_TRUE(s.abort_flag);
  ui.answer("N");
  EXPECT_FALSE(AskYesNoBool(DialogsOf(s), "Weiter ?", true));
  EXPECT_FALSE(s.abort_flag);

  ui.cancel();
  EXPECT_FALSE(AskYesNoCancel(DialogsOf(s), "Speichern ?"));
  EXPECT_TRUE(s.abort_flag);
  EXPECT_EQ(ui.events.back().caption, "KV9 - SAE Zahnwellenverbindung");
  s.abort_flag = false;
  ui.answer("N");
  EXPECT_EQ(AskYesNoCancel3(DialogsOf(s), "Speichern ?"), YesNoCancel::No);
  EXPECT_FALSE(s.abort_flag);
}

TEST_F(Dialogs, TextInputConvertsBothWaysAndCuts) {
  ui.answer("Größe über alles");
  EXPECT_EQ(InputText(DialogsOf(s), "Text", "alt", 10),
            "Gr\x94\xE1"
            "e \x81"
            "ber");
  EXPECT_EQ(ui.events[0].caption, "alt");
  ui.cancel();
  EXPECT_EQ(InputText(DialogsOf(s), "Text", "alt", 10), "alt");
  EXPECT_TRUE(s.abort_flag);
  std::string long_text(300, 'a');
  ui.answer(long_text);
  EXPECT_EQ(InputText(DialogsOf(s), "Text", "", 0), long_text);  // no limit given, nothing lost
}

TEST_F(Dialogs, InputIntAsksAgainUntilTheValueIsInRange) {
  ui.answer("0");
  ui.answer("10");
  EXPECT_EQ(InputInt(DialogsOf(s), "Zahl", 5, 10, 1), 10);  // bounds given the wrong way round
  EXPECT_EQ(ui.texts("error"), std::vector<std::string>{"Gültiger Wertebereich: 1 .. 10 !"});
  EXPECT_EQ(ui.texts("beep").size(), 1u);
  EXPECT_EQ(ui.events[0].preselected, 12);  // maximum length
  EXPECT_EQ(ui.events[0].caption, "5");
  EXPECT_EQ(ui.events[3].caption, "0");  // the field shows what was typed last

  ui.answer("99");
  ui.cancel();
  EXPECT_EQ(InputInt(DialogsOf(s), "Zahl", 5, 1, 10), 5);  // never an out-of-range value
  EXPECT_TRUE(s.abort_flag);
}

TEST_F(Dialogs, InputRealKeepsAnUnchangedValueExactly) {
  const Real third = 1.0L / 3;
  ui.answer("0.333");
  EXPECT_EQ(InputReal(DialogsOf(s), StyleOf(s.cfg), "Wert", third, 0, 1), third);
  EXPECT_EQ(ui.events[0].preselected, 30);
  ui.answer("0,25");
  EXPECT_EQ(InputReal(DialogsOf(s), StyleOf(s.cfg), "Wert", third, 0, 1), 0.25L);
  ui.answer("abc");  // not a number: 0, outside [0.5, 1]
  ui.answer("1.5");
  ui.cancel();
  EXPECT_EQ(InputReal(DialogsOf(s), StyleOf(s.cfg), "Wert", 0.75L, 0.5L, 1), 0.75L);
  EXPECT_EQ(ui.texts("error"), (std::vector<std::string>{"Gültiger Wertebereich: 0.5 .. 1 !",
                                                         "Gültiger Wertebereich: 0.5 .. 1 !"}));
}

TEST_F(Dialogs, InputLengthWorksInTheShownUnit) {
  s.cfg.unit_flag = 1;
  ui.answer("2");
  EXPECT_NEAR(
      static_cast<double>(InputLength(DialogsOf(s), UnitsOf(s.cfg), "Breite", 25.4L, 0, 254)), 50.8,
      1e-13);
  EXPECT_EQ(ui.events[0].text, "Breite [inch]");
  EXPECT_EQ(ui.events[0].caption, "1");
  const Real odd = 10.123456789L;
  ui.answer(FormatShort(StyleOf(s.cfg), odd / kInch));
  EXPECT_EQ(InputLength(DialogsOf(s), UnitsOf(s.cfg), "Breite", odd, 0, 254), odd);
  s.cfg.unit_flag = 0;
  ui.answer("12");
  EXPECT_EQ(InputLength(DialogsOf(s), UnitsOf(s.cfg), "Breite", 25.4L, 0, 254), 12);
  EXPECT_EQ(ui.events.back().text, "Breite [mm]");
}

TEST_F(Dialogs, MessageBoxesCarryTheirCaptions) {
  ShowError(DialogsOf(s), "F\x81r");
  ShowNote(DialogsOf(s), "n");
  ShowHelpNote(DialogsOf(s), "h");
  ShowTitled(DialogsOf(s), "T\x94n", "t");
  ShowPlain(DialogsOf(s), "p");
  ASSERT_EQ(ui.events.size(), 5u);
  EXPECT_EQ(ui.events[0].caption, "Fehler : ");
  EXPECT_EQ(ui.events[0].text, "Für");
  EXPECT_EQ(ui.events[1].caption, "Meldung:");
  EXPECT_EQ(ui.events[2].caption, "Hilfe");
  EXPECT_EQ(ui.events[3].caption, "Tön");
  EXPECT_EQ(ui.events[4].kind, "plain");
  s.show_errors = false;
  ShowErrorIfAllowed(DialogsOf(s), "hidden");
  EXPECT_EQ(ui.events.size(), 5u);
}

TEST_F(Dialogs, CheckReadableRefusesMissingFilesAndFolders) {
  test::TempDir dir;
  test::WriteBytes(dir.file("a.kv9"), "x");
  EXPECT_TRUE(CheckReadable(DialogsOf(s), dir.file("a.kv9")));
  EXPECT_FALSE(s.abort_flag);
  EXPECT_FALSE(CheckReadable(DialogsOf(s), dir.path()));
  EXPECT_TRUE(s.abort_flag);
  EXPECT_TRUE(ui.saw("error", "Datei " + dir.path() + " nicht gefunden oder kein Zugriffsrecht !"));
  EXPECT_FALSE(
      CheckReadable(DialogsOf(s), dir.file("Müller.kv9") + "  "));  // named without its blanks
  EXPECT_TRUE(ui.saw(
      "error", "Datei " + dir.file("Müller.kv9") + " nicht gefunden oder kein Zugriffsrecht !"));
  s.show_errors = false;
  EXPECT_FALSE(CheckReadable(DialogsOf(s), dir.file("none")));
  EXPECT_EQ(ui.texts("error").size(), 2u);
}

TEST_F(Dialogs, ConvertTextFileWritesTheDisplaySet) {
  test::TempDir dir;
  test::WriteBytes(dir.file("in.txt"),
                   "Gr\x94\xE1"
                   "e\r\n30\xF8\nletzte");
  EXPECT_TRUE(ConvertTextFile(DialogsOf(s), dir.file("in.txt"), dir.file("out.txt")));
  EXPECT_EQ(test::ReadBytes(dir.file("out.txt")), "Größe\n30°\nletzte\n");
  EXPECT_FALSE(ConvertTextFile(DialogsOf(s), dir.file("none.txt"), dir.file("out2.txt")));
  EXPECT_TRUE(s.abort_flag);
  EXPECT_FALSE(FileExists(dir.file("out2.txt")));

  // The plain-text setting holds for the copy as for the screen.
  s.abort_flag = false;
  s.cfg.plain_text_mode = 1;
  EXPECT_TRUE(ConvertTextFile(DialogsOf(s), dir.file("in.txt"), dir.file("plain.txt")));
  EXPECT_EQ(test::ReadBytes(dir.file("plain.txt")), "Groesse\n30deg\nletzte\n");
  // A link planted under the target's name is not followed: the file it names stays as it is.
  test::WriteBytes(dir.file("victim.txt"), "keep");
  ASSERT_EQ(symlink(dir.file("victim.txt").c_str(), dir.file("link.txt").c_str()), 0);
  EXPECT_FALSE(ConvertTextFile(DialogsOf(s), dir.file("in.txt"), dir.file("link.txt")));
  EXPECT_TRUE(s.abort_flag);
  EXPECT_EQ(test::ReadBytes(dir.file("victim.txt")), "keep");
}

TEST_F(Dialogs, FileErrorMessages) {
  const std::pair<int, const char*> writes[] = {{100, "Lesefehler"},
                                                {101, "Diskette/Platte voll"},
                                                {106, "Falsches numerisches Format"},
                                                {5, "Fehler bei Zugriff auf Diskette/Platte"}};
  for (auto [code, text] : writes) {
    s.abort_flag = false;
    ReportWriteError(DialogsOf(s), code);
    EXPECT_EQ(ui.events.back().text, text);
    EXPECT_TRUE(s.abort_flag);
  }
  ReportCloseError(DialogsOf(s), 101);
  EXPECT_EQ(ui.events.back().text, "Diskette/Platte voll");
  ReportCloseError(DialogsOf(s), 7);
  EXPECT_EQ(ui.events.back().text, "Fehler beim Schließen einer Datei");
  ReportCreateError(DialogsOf(s), 101);
  EXPECT_EQ(ui.events.back().text, "Diskette/Platte voll");
  ReportCreateError(DialogsOf(s), 3);
  EXPECT_EQ(ui.events.back().text, "file write error");
}

TEST_F(Dialogs, ScreensAndDirectories) {
  s.screen_lines[0] = "Titel \x84";
  ShowScreen(DialogsOf(s), std::span(s.screen_lines).first(3));
  ASSERT_EQ(ui.events.back().lines.size(), 3u);
  EXPECT_EQ(ui.events.back().lines[0], "Titel ä");
  EXPECT_EQ(ui.events.back().caption, "KV9");
  ShowScreen(DialogsOf(s), s.screen_lines);
  EXPECT_EQ(ui.events.back().lines.size(), 22u);

  test::TempDir dir;
  s.abort_flag = true;
  ui.cancel();
  EXPECT_EQ(ChooseDirectory(DialogsOf(s), dir.path()), dir.path());
  EXPECT_FALSE(s.abort_flag);  // Cancel clears the flag again
  EXPECT_EQ(ui.events.back().text, dir.path());
  ui.answer("/tmp");
  EXPECT_EQ(ChooseDirectory(DialogsOf(s), dir.file("gone")), "/tmp");
  EXPECT_EQ(ui.events.back().text, CurrentDirectory());  // opened on the current folder
}

}  // namespace
}  // namespace kv9
