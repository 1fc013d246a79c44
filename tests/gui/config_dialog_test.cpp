// The configuration dialog and the colour chooser bound to their form models.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include "gui/config_dialog.h"
#include "gui/graphics_widget.h"
#include "gui/qt_ui.h"
#include "gui/select_color_dialog.h"
#include "gui_support.h"

namespace kv9 {
namespace {

using test::Find;

TEST(ConfigDialog, WidgetsShowAndEditTheSettingsThroughTheFormModel) {
  test::QtDialogsUi ui;
  ui.on_selectColorForm = [](SelectColorForm& chooser) {
    TForm_selectcolor dialog(nullptr, chooser);
    auto* list = Find<QListWidget>(&dialog, "ListBox_colors");
    EXPECT_EQ(list->currentRow(), chooser.colour - 1);
    list->setCurrentRow(15);
    Find<QPushButton>(&dialog, "Button_ok")->click();
    return dialog.result() == QDialog::Accepted;
  };
  Config settings;
  settings.lines_per_page = 60;
  ConfigFormEnvironment env;
  env.ui = &ui;
  ConfigForm form(settings, env);
  Tconfig dialog(nullptr, form, {});
  EXPECT_EQ(dialog.windowTitle(), "KV9 - SAE Zahnwellenverbindung Konfiguration");
  EXPECT_EQ(Find<QTabWidget>(&dialog, "PageControl")
                ->tabText(Find<QTabWidget>(&dialog, "PageControl")->currentIndex()),
            "Grafik");
  EXPECT_EQ(Find<QSpinBox>(&dialog, "Spin_lines")->value(), 60);

  auto* zoom = Find<QLineEdit>(&dialog, "Edit_zoom");
  zoom->selectAll();
  QTest::keyClicks(zoom, "0");
  Find<QPushButton>(&dialog, "Edit_pan_propose")->click();
  EXPECT_EQ(Find<QLineEdit>(&dialog, "Edit_pan")->text(), "0.02");
  Find<QRadioButton>(&dialog, "Radio_orientation_1")->click();
  Find<QSpinBox>(&dialog, "Spin_lines")->setValue(70);
  Find<QPushButton>(&dialog, "Button_thickness_2")->click();
  EXPECT_EQ(Find<QSpinBox>(&dialog, "Spin_thickness_31")->value(), 2);
  // The colour grid: "Farbe..." for the selected layer, a double-click on a layer's colour.
  auto* colours = Find<QTableWidget>(&dialog, "Grid_colours");
  ASSERT_EQ(colours->rowCount(), 16);
  colours->setCurrentCell(4, 0);
  Find<QPushButton>(&dialog, "Button_colour_choose")->click();
  EXPECT_EQ(Find<QLabel>(&dialog, "Colour_20")->text(), "16 (schwarz)");
  EXPECT_EQ(colours->verticalHeaderItem(4)->text(), "Farbe für Layer 20 (schwarz)");
  QTest::mouseDClick(Find<QLabel>(&dialog, "Colour_22"), Qt::LeftButton);
  EXPECT_EQ(Find<QLabel>(&dialog, "Colour_22")->text(), "16 (schwarz)");
  // The colour is seen too, not only named.
  dialog.show();
  EXPECT_EQ(Find<QLabel>(&dialog, "Colour_22")->grab().toImage().pixelColor(2, 2), Qt::black);
  EXPECT_TRUE(settings.lines_per_page == 60);  // nothing before OK

  Find<QPushButton>(&dialog, "Button_ok")->click();
  EXPECT_EQ(settings.zoom_factor, 1.0L);
  EXPECT_EQ(settings.pan_factor, 0.02L);
  EXPECT_EQ(settings.printer_orientation, 2);
  EXPECT_EQ(settings.lines_per_page, 70);
  EXPECT_EQ(settings.line_thickness_16_31[15], 2);
  EXPECT_EQ(settings.layer_colours_16_31[4], 16);
  EXPECT_EQ(settings.layer_colours_16_31[6], 16);
}

TEST(SelectColorDialog, CancelSetsTheAbortFlag) {
  SelectColorForm chooser(3);
  TForm_selectcolor dialog(nullptr, chooser);
  EXPECT_EQ(dialog.windowTitle(), "Select Color");
  Find<QListWidget>(&dialog, "ListBox_colors")->setCurrentRow(7);
  Find<QPushButton>(&dialog, "Button_cancel")->click();
  EXPECT_TRUE(chooser.abort_flag);
  EXPECT_EQ(chooser.colour, 3);
}

// "Config" opens the plot program settings for its line, "Edit" the line's input dialog; Cancel
// of either keeps the line.
TEST(ConfigDialog, PlotLineConfigAndEditButtonsChangeTheirLine) {
  ScriptedUi ui;
  Config settings;
  settings.plot_command_line = "alt";
  ConfigFormEnvironment env;
  env.ui = &ui;
  bool ok_pressed = true;
  env.configure_plot_line = [&ok_pressed](std::string& line) {
    if (ok_pressed) line = "/opt/rixtran/wrixtran /D1 /" + line;
    return ok_pressed;
  };
  ConfigForm form(settings, env);
  Tconfig dialog(nullptr, form, {});
  Find<QPushButton>(&dialog, "Button_plot_config_1")->click();
  EXPECT_EQ(Find<QLineEdit>(&dialog, "Edit_plot_1")->text(), "/opt/rixtran/wrixtran /D1 /alt");
  ok_pressed = false;
  Find<QPushButton>(&dialog, "Button_plot_config_1")->click();
  EXPECT_EQ(Find<QLineEdit>(&dialog, "Edit_plot_1")->text(), "/opt/rixtran/wrixtran /D1 /alt");
  ui.answer("plot2 /P3");
  Find<QPushButton>(&dialog, "Button_plot_edit_2")->click();
  EXPECT_EQ(Find<QLineEdit>(&dialog, "Edit_plot_2")->text(), "plot2 /P3");

  // A double-click into a line is its Config; both buttons stand beside the line.
  ok_pressed = true;
  dialog.show();
  auto* line = Find<QLineEdit>(&dialog, "Edit_plot_3");
  QTest::mouseDClick(line, Qt::LeftButton);
  EXPECT_EQ(line->text(), "/opt/rixtran/wrixtran /D1 /");
  const QRect config = Find<QPushButton>(&dialog, "Button_plot_config_3")->geometry();
  const QRect edit = Find<QPushButton>(&dialog, "Button_plot_edit_3")->geometry();
  EXPECT_EQ(config.center().y(), line->geometry().center().y());
  EXPECT_EQ(edit.center().y(), line->geometry().center().y());
  EXPECT_GT(config.left(), line->geometry().right());
  EXPECT_GT(edit.left(), config.right());
  Find<QPushButton>(&dialog, "Button_ok")->click();
  EXPECT_EQ(settings.plot_command_line, "/opt/rixtran/wrixtran /D1 /alt");
  ASSERT_FALSE(settings.plot_command_lines_more.empty());
  EXPECT_EQ(settings.plot_command_lines_more[0], "plot2 /P3");
}

TEST(ConfigDialog, AllTabsAndEveryColumnOfThePagesAreInView) {
  Config settings;
  ConfigForm form(settings, {});
  Tconfig dialog(nullptr, form, {});
  dialog.show();
  auto* tabs = Find<QTabWidget>(&dialog, "PageControl");
  ASSERT_EQ(tabs->count(), 9);
  EXPECT_LE(tabs->tabBar()->tabRect(8).right(), tabs->width());
  for (int i = 0; i < tabs->count(); ++i) {
    tabs->setCurrentIndex(i);
    auto* page = qobject_cast<QScrollArea*>(tabs->currentWidget());
    ASSERT_NE(page, nullptr);
    EXPECT_LE(page->widget()->minimumSizeHint().width(), page->viewport()->width())
        << tabs->tabText(i).toStdString();
  }
}

// The chosen background shows in the main window's graphics while the dialog is open, on a
// panel shaped like the screen; Abbrechen takes it back there and in the settings.
TEST(ConfigDialog, BackgroundShowsAtOnceAndAbbrechenTakesItBack) {
  ScriptedUi chooser;
  chooser.on_selectColorForm = [](SelectColorForm& form) {
    form.colour = 16;  // schwarz
    return true;
  };
  Config settings;
  settings.background_colour = 15;
  ConfigFormEnvironment env;
  env.ui = &chooser;
  env.screen = {1280, 1024, 96};
  ConfigForm form(settings, env);

  DisplayList list;
  QWidget window;
  auto* graphics = new TFtavigra(list, &window);
  graphics->resize(40, 30);
  graphics->setBackgroundColour(settings.background_colour);
  window.show();
  QtUi ui;
  ui.setParentWindow(&window);
  ui.setGraphics(graphics);
  auto background = [graphics] { return graphics->grab().toImage().pixel(5, 5); };

  QRgb during = 0, panel = 0;
  QSize panel_size;
  QString panel_tip;
  test::WhenModal([&](QWidget* dialog) {
    Find<QPushButton>(dialog, "Colour_background_choose")->click();
    during = background();
    auto* shown = Find<QLabel>(dialog, "Colour_background");
    panel = shown->grab().toImage().pixel(2, 2);  // the colour seen, not only set
    panel_size = shown->size();
    panel_tip = shown->toolTip();
    Find<QPushButton>(dialog, "Button_cancel")->click();
  });
  EXPECT_FALSE(ui.configForm(form));
  EXPECT_EQ(during, qRgb(0, 0, 0));
  EXPECT_EQ(panel, qRgb(0, 0, 0));
  EXPECT_EQ(panel_size.width() * 1024, panel_size.height() * 1280);
  EXPECT_EQ(panel_tip, "1280 × 1024");
  EXPECT_EQ(background(), qRgb(255, 255, 255));
  EXPECT_EQ(settings.background_colour, 15);
}

}  // namespace
}  // namespace kv9
