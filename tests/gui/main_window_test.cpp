// The main window's menu bar bound to the command table: captions in every language, a menu
// item running its command with the captions, the title and the view following, and the view
// drawn again for a new client size.
#include <gtest/gtest.h>

#include <QAction>
#include <QImage>
#include <QMenuBar>
#include <filesystem>

#include "app/commands/view_commands.h"
#include "app/data_file_commands.h"
#include "app/session.h"
#include "calc/spline_calculation.h"
#include "core/message_list.h"
#include "gui/graphics_widget.h"
#include "gui/main_window.h"
#include "gui_support.h"
#include "support/examples.h"
#include "support/test_files.h"

namespace kv9 {
namespace {

struct MainWindowTest : ::testing::Test {
  test::TempDir config;
  test::TestSession t;
  Session& s = t.s;
  std::unique_ptr<Thh> window;
  MainWindowTest() {
    s.cfg.config_dir = config.path() + "/";
    s.cfg.temp_dir = config.path() + "/";
    std::filesystem::create_directory(config.file("scratch"));
    s.scratch_dir = config.file("scratch") + "/";  // the screen's block files
    s.cfg.client_width = 799;
    s.cfg.client_height = 599;
    window = std::make_unique<Thh>(s);
  }
  QString text(const char* id) {
    QAction* a = window->action(id);
    EXPECT_NE(a, nullptr) << id;
    return a ? a->text() : QString();
  }
  void trigger(const char* id) {
    QAction* a = window->action(id);
    ASSERT_NE(a, nullptr) << id;
    a->trigger();
  }
  QStringList menuBarTexts() {
    QStringList texts;
    for (QAction* a : window->menuBar()->actions()) texts << a->text();
    return texts;
  }
  // Pixels of the graphics window that are not its background.
  int drawnPixels() {
    const QImage image = window->graphics()->grab().toImage();
    const QRgb background = image.pixel(0, 0);
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) != background;
    return n;
  }
};

TEST_F(MainWindowTest, LanguageMenuRelabelsEveryMenu) {
  const QStringList german = {"&Datei",    "&Bearbeiten", "&Ansicht", "&CAD",
                              "D&okument", "&OLE",        "&Hilfe"};
  EXPECT_EQ(menuBarTexts(), german);
  EXPECT_EQ(text("mi_fileOpen"), QString::fromUtf8("Ö&ffnen..."));
  EXPECT_EQ(text("mi_editqualitaet"), QString::fromUtf8("&Qualität"));
  EXPECT_EQ(text("mi_helpSprache"), QString::fromUtf8("Menü &Sprache"));
  EXPECT_FALSE(window->action("mi_helpSpracheFrancais")->isVisible());
  EXPECT_EQ(window->action("mi_fileNew")->shortcut(), QKeySequence("Ctrl+N"));

  trigger("mi_helpSpracheEnglish");
  EXPECT_EQ(menuBarTexts(),
            QStringList({"&File", "&Edit", "&View", "&CAD", "D&ocument", "&OLE", "&Help"}));
  EXPECT_EQ(text("mi_fileOpenTable"), "&Open... (&Table)");
  EXPECT_EQ(text("mi_cadzahnprofilwelle"), "&Tooth Profile Sh&aft");
  EXPECT_EQ(text("mi_viewErrorMessages"), "&Error messages (0)");

  // Korean captions are kept as UTF-8 and must arrive unchanged, umlauts of a code page 850
  // caption beside them as well.
  trigger("mi_helpspracheKorea");
  EXPECT_EQ(menuBarTexts().first(), QString::fromUtf8("파일(&F)"));
  EXPECT_EQ(text("mi_fileOpenTable"), QString::fromUtf8("열기(&O)... (표(&T))"));
  EXPECT_EQ(text("mi_editabmessungen"), QString::fromUtf8("치수(&D)"));
  EXPECT_EQ(text("mi_helpSprache"), QString::fromUtf8("메뉴 언어(&L)"));

  trigger("mi_helpspracheDeutsch");
  EXPECT_EQ(menuBarTexts(), german);
  EXPECT_EQ(text("mi_docuNewChange"), QString::fromUtf8("&Neue Änderung"));
  EXPECT_EQ(window->windowTitle(), "KV9 - SAE Zahnwellenverbindung");
}

TEST_F(MainWindowTest, OpenRunsItsCommandAndTitleRecentItemAndViewFollow) {
  EXPECT_FALSE(window->action("mi_file1")->isVisible());
  EXPECT_FALSE(window->action("mi_fileExitSeparator")->isVisible());
  const std::string path = config.file("welle.kv9");
  test::WriteBytes(path, test::ReadBytes(test::ExamplePath("side_fit_30")));
  t.ui.answer(path);  // the open dialog
  trigger("mi_fileOpen");
  ASSERT_FALSE(s.abort_flag);
  EXPECT_EQ(window->windowTitle(), "KV9 - SAE Zahnwellenverbindung  -  welle.kv9");
  EXPECT_TRUE(window->action("mi_file1")->isVisible());
  EXPECT_TRUE(text("mi_file1").startsWith("&1 /")) << text("mi_file1").toStdString();
  EXPECT_TRUE(text("mi_file1").endsWith("/welle.kv9")) << text("mi_file1").toStdString();
  EXPECT_TRUE(window->action("mi_fileExitSeparator")->isVisible());
  EXPECT_FALSE(s.display.commands().empty());  // the result view
}

TEST_F(MainWindowTest, ErrorMessagesItemFollowsTheLastCalculation) {
  ASSERT_TRUE(LoadDataFile(s, test::ExamplePath("side_fit_30")));
  s.messages.entries = {"Fehler : DmMess"};
  window->updateMenus();
  EXPECT_EQ(text("mi_viewErrorMessages"), "&Fehlermeldungen (1)");
  EXPECT_TRUE(window->action("mi_viewErrorMessages")->isEnabled());

  t.ui.on_dimensionsForm = [](DimensionsForm&) { return true; };
  s.modified = false;
  trigger("mi_editabmessungen");  // OK: modified, calculated, the view shown
  EXPECT_TRUE(s.modified);
  EXPECT_EQ(MessageCount(s.messages), 0);
  EXPECT_EQ(text("mi_viewErrorMessages"), "&Fehlermeldungen (0)");
  EXPECT_FALSE(window->action("mi_viewErrorMessages")->isEnabled());
}

TEST_F(MainWindowTest, PaintsDrawingSevenAndTheMeshingViewAndRedrawsTheViewShownOnResize) {
  ASSERT_TRUE(LoadDataFile(s, test::ExamplePath("side_fit_30")));
  SplineCalculation(s.calcContext());
  window->show();
  QApplication::processEvents();
  TFtavigra* graphics = window->graphics();
  ASSERT_FALSE(s.display.commands().empty());  // the shaft and hub tables
  const std::vector<std::string> tables = s.display.commands();
  const QImage tables_image = graphics->grab().toImage();
  EXPECT_GT(drawnPixels(), 5000);

  trigger("mi_viewzahneingriff");
  const std::vector<std::string> meshing = s.display.commands();
  EXPECT_NE(meshing, tables);
  EXPECT_GT(drawnPixels(), 2000);
  EXPECT_NE(graphics->grab().toImage(), tables_image);

  // A new client size draws the meshing view again for it, not the tables of the start.
  window->resize(900, 700);
  QApplication::processEvents();
  const std::vector<std::string> resized = s.display.commands();
  s.display.Clear();
  s.display.setClientSize(graphics->width(), graphics->height());
  ShowToothFormOnScreen(s, 6);
  EXPECT_EQ(resized, s.display.commands());
  EXPECT_NE(resized, meshing);
}

TEST_F(MainWindowTest, ExitGoesThroughTheCloseQueryWhichRemovesTheScreenBlockFiles) {
  window->show();
  const std::string block = s.scratch_dir + "$WELLE.dx$";
  test::WriteBytes(block, "0\nEOF\n");
  s.modified = true;
  t.ui.cancel();  // "save the changes?" answered with Cancel
  trigger("mi_fileexit");
  EXPECT_TRUE(window->isVisible());
  EXPECT_TRUE(std::filesystem::exists(block));

  s.modified = false;
  trigger("mi_fileexit");
  EXPECT_FALSE(window->isVisible());
  EXPECT_FALSE(std::filesystem::exists(block));
}

TEST_F(MainWindowTest, AResizeWhileACommandRunsRedrawsOnlyAfterIt) {
  ASSERT_TRUE(LoadDataFile(s, test::ExamplePath("side_fit_30")));
  SplineCalculation(s.calcContext());
  window->show();
  QApplication::processEvents();
  const std::vector<std::string> shown = s.display.commands();
  bool unchanged_during_dialog = false;
  t.ui.on_dimensionsForm = [&](DimensionsForm&) {
    window->resize(700, 500);
    QApplication::processEvents();
    unchanged_during_dialog = s.display.commands() == shown;
    return true;
  };
  trigger("mi_editabmessungen");
  EXPECT_TRUE(unchanged_during_dialog);
  const std::vector<std::string> after = s.display.commands();
  s.display.Clear();
  s.display.setClientSize(window->graphics()->width(), window->graphics()->height());
  ShowDrawingOnScreen(s, 7);
  EXPECT_EQ(after, s.display.commands());  // the result view, for the new size
  EXPECT_NE(after, shown);
}

}  // namespace
}  // namespace kv9
