// The text dialog, the message description dialog and the text window.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <fstream>

#include "gui/message_dialogs.h"
#include "gui/text_convert.h"
#include "gui/text_window.h"
#include "gui/texts_dialog.h"
#include "gui_support.h"
#include "report/message_description_form.h"

namespace kv9 {
namespace {

using test::Find;

TextsForm SomeTexts() {
  TextsForm f;
  f.drawing_name = {"Zahnwelle", "Zahnnabe"};
  f.drawing_number = {"4711", "4712"};
  f.info1 = "Maße in mm";
  return f;
}

TEST(TextsDialog, OkTakesTheTypedTextsCancelKeepsThem) {
  TextsForm fields = SomeTexts();
  {
    TForm_kveingabetext dialog(nullptr, fields);
    auto* name = Find<QLineEdit>(&dialog, "Edit_name_nabe");
    EXPECT_EQ(name->text(), "Zahnnabe");
    EXPECT_EQ(name->maxLength(), 25);
    EXPECT_EQ(Find<QLineEdit>(&dialog, "Edit_info1")->text(), QString::fromUtf8("Maße in mm"));
    test::TypeText(name, "-Ü");
    Find<QPushButton>(&dialog, "Button_cancel")->click();
  }
  EXPECT_EQ(fields.drawing_name[1], "Zahnnabe");
  TForm_kveingabetext dialog(nullptr, fields);
  test::TypeText(Find<QLineEdit>(&dialog, "Edit_name_nabe"), "-Ü");
  QTest::keyClicks(Find<QLineEdit>(&dialog, "Edit_name2_welle"), "Welle 2");
  Find<QPushButton>(&dialog, "Button_ok")->click();
  EXPECT_EQ(fields.drawing_name[1], "Zahnnabe-Ü");
  EXPECT_EQ(fields.drawing_name2[0], "Welle 2");
  EXPECT_EQ(fields.drawing_number[0], "4711");
}

TEST(MessageDescriptionDialog, EditingMarksTheFormChangedAndOkReturnsTrue) {
  MessageDescriptionForm form;
  form.message = "Fehler : DmMess";
  form.cause = "Kugel zu groß";
  form.remedy = "kleinere Kugel";
  test::WhenModal([](QWidget* dialog) {
    EXPECT_TRUE(Find<QLineEdit>(dialog, "Edit_message")->isReadOnly());
    EXPECT_EQ(Find<QPlainTextEdit>(dialog, "Memo_cause")->toPlainText(),
              QString::fromUtf8("Kugel zu groß"));
    EXPECT_EQ(dialog->findChild<QPushButton*>("Button_cancel"), nullptr);
    auto* remedy = Find<QPlainTextEdit>(dialog, "Memo_remedy");
    remedy->moveCursor(QTextCursor::End);
    test::TypeText(remedy, " wählen");
    Find<QPushButton>(dialog, "Button_ok")->click();
  });
  EXPECT_TRUE(RunMessageDescriptionDialog(nullptr, form, {}));
  EXPECT_TRUE(form.changed());
  EXPECT_EQ(form.remedy, "kleinere Kugel wählen");

  test::WhenModal([](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
  EXPECT_FALSE(RunMessageDescriptionDialog(nullptr, form, {}));
  EXPECT_FALSE(form.changed());  // showing cleared the mark
}

QAction* MenuItem(QWidget* window, const QString& text) {
  for (QAction* menu : Find<QMenuBar>(window, "MainMenu")->actions())
    for (QAction* item : menu->menu()->actions())
      if (item->text() == text) return item;
  ADD_FAILURE() << text.toStdString();
  return nullptr;
}

TEST(TextWindow, ShowsTheFileCopiesAndPrintsAndKeepsItsGeometry) {
  test::TempDir dir;
  std::ofstream(dir.file("outwin.txt")) << "Zähnezahl  N  38\n\fSeite 2\n";
  TextWindowSettings settings;
  settings.rect = {40, 50, 500, 300};
  int printed = 0;
  TextWindowActions actions;
  actions.print = [&] { ++printed; };
  TextWindow window(nullptr, dir.file("outwin.txt"), "KV9", settings, actions);
  EXPECT_EQ(window.windowTitle(), FromDisplay("KV9 - " + dir.file("outwin.txt")));
  EXPECT_TRUE(window.text()->toPlainText().startsWith(QString::fromUtf8("Zähnezahl")));
  EXPECT_EQ(window.size(), QSize(500, 300));
  MenuItem(&window, FromCp850("&Drucken..."))->trigger();
  MenuItem(&window, "Export &Notepad")->trigger();  // no action given: nothing happens
  EXPECT_EQ(printed, 1);
  MenuItem(&window, FromCp850("Alles aus&w\x84hlen"))->trigger();
  EXPECT_EQ(window.text()->textCursor().selectedText().size(), window.text()->toPlainText().size());
  window.resize(620, 410);
  MenuItem(&window, "&Beenden       ")->trigger();
  EXPECT_EQ(settings.rect[2], 620);
  EXPECT_EQ(settings.rect[3], 410);
}

TEST(TextWindow, MissingFileIsReportedAndTheWindowOpensEmpty) {
  TextWindowSettings settings;
  bool reported = false;
  test::WhenModal([&](QWidget* box) {
    reported = qobject_cast<QMessageBox*>(box) &&
               qobject_cast<QMessageBox*>(box)->text() == "/nowhere/outwin.txt not found !";
    qobject_cast<QDialog*>(box)->accept();
    test::WhenModal([](QWidget* window) {
      EXPECT_TRUE(Find<QPlainTextEdit>(window, "Memo_text")->toPlainText().isEmpty());
      qobject_cast<QDialog*>(window)->reject();
    });
  });
  RunTextWindow(nullptr, "/nowhere/outwin.txt", "KV9", settings, {});
  EXPECT_TRUE(reported);
}

}  // namespace
}  // namespace kv9
