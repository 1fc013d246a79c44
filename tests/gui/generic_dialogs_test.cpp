// The generic dialogs as the core's dialog functions drive them, answered inside exec().
#include "gui/generic_dialogs.h"

#include <gtest/gtest.h>

#include <QButtonGroup>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "core/generic_dialogs.h"
#include "gui/text_convert.h"
#include "gui_support.h"

namespace kv9 {
namespace {

using test::Find;
using test::WhenModal;

struct QtDialogs : ::testing::Test {
  test::QtDialogsSession t;
  Session& s = t.s;
  void fillChoices(int n) {
    for (int i = 0; i < n; ++i) s.screen_lines[i] = "Wahl " + std::to_string(i + 1);
  }
};

TEST_F(QtDialogs, SevenChoicesAreRadioButtonsAndEightAList) {
  fillChoices(8);
  WhenModal([](QWidget* dialog) {
    ASSERT_NE(dynamic_cast<Tin_radiodialog*>(dialog), nullptr);
    auto radios = dialog->findChildren<QRadioButton*>();
    ASSERT_EQ(radios.size(), 7);
    EXPECT_TRUE(radios[0]->isChecked());  // current 0 preselects the first
    radios[2]->click();
    Find<QPushButton>(dialog, "Button_ok")->click();
  });
  EXPECT_EQ(ChooseFromList(DialogsOf(s), "Auswahl treffen", std::span(s.screen_lines).first(7), 0),
            3);

  WhenModal([](QWidget* dialog) {
    ASSERT_NE(dynamic_cast<Tin_codedialog*>(dialog), nullptr);
    auto* list = Find<QListWidget>(dialog, "ListBox");
    ASSERT_EQ(list->count(), 8);
    EXPECT_EQ(list->currentRow(), 4);
    QTest::keyClick(list, Qt::Key_End);
    QTest::keyClick(list, Qt::Key_Return);  // Enter chooses
  });
  EXPECT_EQ(ChooseFromList(DialogsOf(s), "Auswahl treffen", std::span(s.screen_lines).first(8), 5),
            8);
  EXPECT_FALSE(s.abort_flag);

  WhenModal([](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
  EXPECT_EQ(ChooseFromList(DialogsOf(s), "Auswahl treffen", std::span(s.screen_lines).first(8), 5),
            5);
  EXPECT_TRUE(s.abort_flag);
}

TEST_F(QtDialogs, UnchangedRealInputReturnsTheOldValueExactly) {
  const Real value = 1.0L / 3;
  WhenModal([](QWidget* dialog) {
    auto* edit = Find<QLineEdit>(dialog, "EditEinText");
    EXPECT_EQ(edit->text(), "0.333");
    EXPECT_EQ(edit->selectedText(), edit->text());  // preselected
    QTest::keyClick(edit, Qt::Key_Return);
  });
  EXPECT_EQ(InputReal(DialogsOf(s), StyleOf(s.cfg), "Wert", value, 0, 1), value);

  WhenModal([](QWidget* dialog) {
    auto* edit = Find<QLineEdit>(dialog, "EditEinText");
    QTest::keyClicks(edit, "0,5");  // replaces the selected text
    QTest::keyClick(edit, Qt::Key_Return);
  });
  EXPECT_EQ(InputReal(DialogsOf(s), StyleOf(s.cfg), "Wert", value, 0, 1), 0.5L);
}

TEST_F(QtDialogs, TypedTextComesBackInCodePage850AndIsLimited) {
  WhenModal([](QWidget* dialog) {
    auto* edit = Find<QLineEdit>(dialog, "EditEinText");
    EXPECT_EQ(edit->text(), QString::fromUtf8("Maß"));
    EXPECT_EQ(edit->maxLength(), 6);
    QTest::keyClick(edit, Qt::Key_End);
    test::TypeText(edit, QString::fromUtf8("ü°µ²xyz"));
    Find<QPushButton>(dialog, "Button_ok")->click();
  });
  EXPECT_EQ(InputText(DialogsOf(s), "Text", "Ma\xE1", 6), "Ma\xE1\x81\xF8\xE6");
}

TEST_F(QtDialogs, HelpButtonsKeepTheDialogOpenAndMayBeMissing) {
  int texts = 0, pictures = 0;
  t.ui.help.help_text = [&] { ++texts; };
  t.ui.help.help_picture = [&] { ++pictures; };
  WhenModal([](QWidget* dialog) {
    Find<QPushButton>(dialog, "Button_help")->click();
    Find<QPushButton>(dialog, "Button_helppicture")->click();
    EXPECT_TRUE(dialog->isVisible());
    auto* nein = dialog->findChildren<QRadioButton*>()[1];
    EXPECT_TRUE(nein->isChecked());
    Find<QPushButton>(dialog, "Button_ok")->click();
  });
  EXPECT_EQ(AskYesNo(DialogsOf(s), "Weiter ?", "N"), "N");
  EXPECT_EQ(texts, 1);
  EXPECT_EQ(pictures, 1);

  t.ui.help = {};  // no help at all: the buttons do nothing
  WhenModal([](QWidget* dialog) {
    Find<QPushButton>(dialog, "Button_help")->click();
    Find<QPushButton>(dialog, "Button_helppicture")->click();
    dialog->findChildren<QRadioButton*>()[0]->click();
    Find<QPushButton>(dialog, "Button_ok")->click();
  });
  EXPECT_EQ(AskYesNo(DialogsOf(s), "Weiter ?", "N"), "J");
}

TEST_F(QtDialogs, MessageBoxesCarryTheirCaptionsAndAnswers) {
  WhenModal([](QWidget* dialog) {
    auto* box = qobject_cast<QMessageBox*>(dialog);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->windowTitle(), "Fehler : ");
    EXPECT_EQ(box->text(), QString::fromUtf8("Datei für Ölmaß fehlt"));
    EXPECT_EQ(box->icon(), QMessageBox::Critical);
    box->accept();
  });
  ShowMessageBox(nullptr, MessageBoxKind::Error, "Fehler : ", "Datei für Ölmaß fehlt");

  WhenModal([](QWidget* dialog) {
    EXPECT_EQ(dialog->windowTitle(), "KV9 - SAE Zahnwellenverbindung");
    QTest::keyClick(dialog, Qt::Key_Escape);
  });
  EXPECT_EQ(AskYesNoCancelBox(nullptr, "KV9 - SAE Zahnwellenverbindung", "Speichern ?"),
            YesNoCancel::Cancel);
  WhenModal([](QWidget* dialog) {
    qobject_cast<QMessageBox*>(dialog)->button(QMessageBox::No)->click();
  });
  EXPECT_EQ(AskYesNoCancelBox(nullptr, "KV9", "Speichern ?"), YesNoCancel::No);
}

TEST_F(QtDialogs, DirectoryChoiceOpensFoldersAndReturnsTheOpenOne) {
  test::TempDir dir;
  std::filesystem::create_directory(dir.file("daten"));
  TForm_selectDir dialog(nullptr, FromDisplay(dir.path()));
  auto* folders = Find<QListWidget>(&dialog, "DirectoryList");
  ASSERT_EQ(folders->count(), 2);  // ".." and the folder
  emit folders->itemActivated(folders->item(1));
  EXPECT_EQ(dialog.directory(), FromDisplay(dir.file("daten")));
  dialog.openDirectory(FromDisplay(dir.file("missing")));  // stays where it is
  EXPECT_EQ(dialog.directory(), FromDisplay(dir.file("daten")));
}

TEST(TextConvert, CodePage850SignsShowAsTheirCharacters) {
  EXPECT_EQ(FromCp850("Z\x84hne \xF8 \xE6m mm\xFD \x8E\x99\x9A\xE1"),
            QString::fromUtf8("Zähne ° µm mm² ÄÖÜß"));
  EXPECT_EQ(ToCp850(QString::fromUtf8("Zähne ° µm mm² €")), "Z\x84hne \xF8 \xE6m mm\xFD ?");
}

}  // namespace
}  // namespace kv9
