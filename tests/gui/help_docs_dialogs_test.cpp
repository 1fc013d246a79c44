// The plot settings dialog, the change and drawing information dialogs and the overview
// window: their widgets reach the form models and show what the models say.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>

#include "gui/change_dialogs.h"
#include "gui/overview_window.h"
#include "gui/plot_settings_dialog.h"
#include "gui/text_convert.h"
#include "gui_support.h"

namespace kv9 {
namespace {

using test::Find;

TEST(PlotSettingsDialog, FieldsRebuildTheCommandLineAndEnableTheirPartners) {
  test::TestSession t;
  t.s.cfg.temp_dir = "/tmp/";
  PlotSettingsForm form(t.s.cadContext(), "stored");
  test::WhenModal([](QWidget* dialog) {
    auto* line = Find<QLabel>(dialog, "Label_commandline");
    EXPECT_EQ(line->text(), "/opt/rixtran/wrixtran /tmp/rixtran /CHPL");
    auto* com = Find<QLineEdit>(dialog, "Edit_com");
    EXPECT_FALSE(com->isEnabled());
    auto radios = Find<QGroupBox>(dialog, "RadioGroup_interface")->findChildren<QRadioButton*>();
    ASSERT_EQ(radios.size(), 3);
    radios[0]->click();  // serial
    EXPECT_TRUE(com->isEnabled());
    com->selectAll();
    QTest::keyClicks(com, "3");
    EXPECT_EQ(line->text(), "/opt/rixtran/wrixtran /tmp/rixtran /CHPL /D1 /P3");
    auto* scale = Find<QLineEdit>(dialog, "Edit_scale");
    Find<QCheckBox>(dialog, "CheckBox_fit")->click();
    EXPECT_FALSE(scale->isEnabled());
    EXPECT_EQ(scale->text(), "0");
    EXPECT_TRUE(line->text().endsWith(" /M*"));
    Find<QPushButton>(dialog, "Button_ok")->click();
  });
  EXPECT_TRUE(RunPlotSettingsDialog(nullptr, form, t.ui, {}));
  EXPECT_EQ(form.commandLine(), "/opt/rixtran/wrixtran /tmp/rixtran /CHPL /D1 /P3 /M*");
}

TEST(ChangeDialogs, TodayButtonsAndTheGridsReachTheForms) {
  ChangeRecordForm change;
  change.fill({"alt", "", "", "a\nb"}, 2, "05.03.2024");
  test::WhenModal([](QWidget* dialog) {
    EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8("Änderung 2"));
    Find<QPushButton>(dialog, "Button_heute")->click();
    EXPECT_EQ(Find<QLineEdit>(dialog, "Edit_datum")->text(), "05.03.2024");
    EXPECT_EQ(Find<QPlainTextEdit>(dialog, "Memo_beschreibung")->toPlainText(), "a\nb");
    Find<QPushButton>(dialog, "Button_ok")->click();
  });
  EXPECT_TRUE(RunChangeRecordDialog(nullptr, change, {}));
  EXPECT_EQ(change.date, "05.03.2024");

  DrawingInfoForm info;
  info.fill({}, "Freig.", {}, "06.03.2024");
  test::WhenModal([](QWidget* dialog) {
    auto* texts = Find<QTableWidget>(dialog, "StringGrid_texte");
    texts->item(0, DrawingInfoForm::kText)->setText("Text");
    auto* grid = Find<QTableWidget>(dialog, "StringGrid_schriftfeld");
    EXPECT_EQ(grid->verticalHeaderItem(3)->text(), "Freig.");
    dialog->findChildren<QPushButton*>("Button_heute").at(2)->click();
    EXPECT_EQ(grid->item(2, 0)->text(), "06.03.2024");
    Find<QPushButton>(dialog, "Button_ok")->click();
  });
  EXPECT_TRUE(RunDrawingInfoDialog(nullptr, info, {}));
  EXPECT_EQ(info.dates[2], "06.03.2024");
  EXPECT_EQ(info.texts[0][DrawingInfoForm::kText], "Text");
}

TEST(OverviewWindow, AHeaderPressSortsAndARowClickCloses) {
  OverviewForm form;
  form.header[0] = "File";
  form.rows.resize(2);
  form.rows[0][0] = "b.kv9";
  form.rows[1][0] = "a.kv9";
  test::WhenModal([](QWidget* dialog) {
    auto* grid = Find<QTableWidget>(dialog, "StringGrid1");
    EXPECT_EQ(grid->columnCount(), 18);
    emit grid->horizontalHeader()->sectionPressed(0);
    EXPECT_EQ(grid->item(0, 0)->text(), "a.kv9");
    emit grid->cellClicked(1, 3);
  });
  EXPECT_TRUE(RunOverviewWindow(nullptr, form, {}));
  EXPECT_EQ(form.chosenFile(), "b.kv9");
}

}  // namespace
}  // namespace kv9
