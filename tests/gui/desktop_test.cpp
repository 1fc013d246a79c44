// The desktop's own parts: the help behind the Qt Ui's buttons, its file filters, and the main
// window's title and close query.
#include <gtest/gtest.h>

#include "app/session.h"
#include "gui/main_window.h"
#include "gui/qt_ui.h"
#include "gui_support.h"
#include "help/help_context.h"
#include "support/test_files.h"

namespace kv9 {
namespace {

TEST(QtUi, HelpShowsAnEntryAndNothingForANumberWithout) {
  QtUi ui;
  Session s(ui);
  s.cfg.plt_dir = std::string(KV9_SOURCE_DIR) + "/data/";
  HelpContext help{ui, s.display, s.cfg.plt_dir, s.abort_flag, s.help_topic};
  ui.setHelp(&help);
  const HelpCallbacks buttons = ui.helpCallbacks();
  QString shown;
  test::WhenModal([&](QWidget* box) {
    shown = box->windowTitle();
    box->close();
  });
  s.help_topic = 9999;
  buttons.help_text();
  buttons.help_picture();
  EXPECT_TRUE(shown.isEmpty());  // a box would have been answered here
  EXPECT_TRUE(buttons.tooltip(9999).isEmpty());

  s.help_topic = 5110;
  buttons.help_text();
  EXPECT_TRUE(shown.contains("5110")) << shown.toStdString();
  EXPECT_TRUE(buttons.tooltip(5110).contains("600"));
}

TEST(QtUi, FileFiltersInQtForm) {
  EXPECT_EQ(QtFileFilter("Datenfile|*.kv9"), "Datenfile (*.kv9)");
  EXPECT_EQ(QtFileFilter("Zeichnung|*.dxf;*.DXF"), "Zeichnung (*.dxf *.DXF)");
}

TEST(MainWindow, TitleAndCloseQuery) {
  test::TempDir config;
  test::TestSession t;
  t.s.cfg.config_dir = config.path() + "/";
  Thh window(t.s);
  EXPECT_EQ(window.windowTitle(), "KV9 - SAE Zahnwellenverbindung");
  t.s.current_file = "welle";
  window.updateTitle();
  EXPECT_EQ(window.windowTitle(), "KV9 - SAE Zahnwellenverbindung  -  welle.kv9");

  window.show();
  t.s.modified = true;
  t.ui.cancel();  // "save the changes?" answered with Cancel
  EXPECT_FALSE(window.close());
  EXPECT_TRUE(window.isVisible());
  t.s.modified = false;
  const std::size_t asked = t.ui.events.size();
  EXPECT_TRUE(window.close());
  EXPECT_EQ(t.ui.events.size(), asked);  // nothing changed: no question
}

}  // namespace
}  // namespace kv9
