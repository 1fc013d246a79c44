// The menu table as the main window reads it: the tree, captions in German and English, the
// states that follow the session, and the items it runs.
#include "app/commands/menu_table.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "core/message_list.h"
#include "support/examples.h"
#include "support/test_session.h"
#include "tables/printout_form.h"

namespace kv9 {
namespace {

using test::ExamplePath;
using test::TempDir;
using test::TestSession;

std::string Caption(const Session& s, const char* id) {
  const MenuItem* item = FindMenuItem(id);
  return item ? MenuCaption(s, *item) : "<" + std::string(id) + " missing>";
}

void RunItem(Session& s, const char* id) {
  const MenuItem* item = FindMenuItem(id);
  ASSERT_TRUE(item && item->action) << id;
  item->action(s);
}

TEST(MenuTable, EveryItemSitsInAMenuListedBeforeIt) {
  std::set<std::string> menus, ids;
  for (const MenuItem& item : MainMenu()) {
    EXPECT_TRUE(ids.insert(item.id).second) << "twice: " << item.id;
    if (*item.parent) {
      EXPECT_TRUE(menus.count(item.parent)) << item.id;
    }
    if (item.kind == MenuItemKind::Menu) menus.insert(item.id);
    if (item.kind == MenuItemKind::Command) {
      EXPECT_NE(item.action != nullptr, item.closes_window) << item.id;
    }
  }
  EXPECT_EQ(MainMenu().front().id, std::string("mi_file"));
  EXPECT_EQ(MainMenu().back().id, std::string("mi_HelpAbout"));
  EXPECT_STREQ(FindMenuItem("mi_fileNew")->shortcut, "Ctrl+N");
  EXPECT_STREQ(FindMenuItem("mi_file3")->shortcut, "Shift+F3");
  EXPECT_TRUE(FindMenuItem("mi_fileexit")->closes_window);
}

TEST(MenuTable, CaptionsFollowTheLanguage) {
  TestSession t;
  EXPECT_EQ(Caption(t.s, "mi_fileOpenTable"), "Ö&ffnen... (&Tabelle)");
  EXPECT_EQ(Caption(t.s, "mi_cadzahnprofilwelle"), "Zahn&form &Welle");
  EXPECT_EQ(Caption(t.s, "mi_viewtabellebeide"), "&Welle + &Nabe");
  EXPECT_EQ(Caption(t.s, "mi_helpSprache"), "Menü &Sprache");
  EXPECT_EQ(Caption(t.s, "mi_Document4"), "D&okument &4");
  RunItem(t.s, "mi_helpSpracheEnglish");
  EXPECT_EQ(Caption(t.s, "mi_fileOpenTable"), "&Open... (&Table)");
  EXPECT_EQ(Caption(t.s, "mi_cadzahnprofilwelle"), "&Tooth Profile Sh&aft");
  EXPECT_EQ(Caption(t.s, "mi_helpSprache"), "Menu &Language");
  EXPECT_EQ(Caption(t.s, "mi_oleExportExcel"), "Export KV9 -> Excel");
  EXPECT_FALSE(MenuItemVisible(t.s, *FindMenuItem("mi_helpSpracheFrancais")));
}

TEST(MenuTable, ErrorMessagesItemShowsTheCountAndIsDisabledWithoutMessages) {
  TestSession t;
  const MenuItem& item = *FindMenuItem("mi_viewErrorMessages");
  MessageAdd(t.s.messages, "Warnung: eins");
  MessageAdd(t.s.messages, "Warnung: zwei");
  EXPECT_EQ(MenuCaption(t.s, item), "&Fehlermeldungen (2)");
  EXPECT_TRUE(MenuItemEnabled(t.s, item));
  MessageClear(t.s.messages, t.s.fatal_flag);
  EXPECT_EQ(MenuCaption(t.s, item), "&Fehlermeldungen (0)");
  EXPECT_FALSE(MenuItemEnabled(t.s, item));
}

TEST(MenuTable, RecentFileOpensAndMovesToTopAMissingOneIsRemovedWithItsMessage) {
  TempDir dir, scratch;
  TestSession t;
  t.s.scratch_dir = scratch.dir();
  std::string present = dir.file("welle.kv9"), missing = dir.file("fehlt.kv9");
  std::filesystem::copy_file(ExamplePath("side_fit_30"), present);
  t.s.recent_files = {missing, "/anderswo/x.kv9", present, ""};
  EXPECT_TRUE(MenuItemVisible(t.s, *FindMenuItem("mi_file3")));
  EXPECT_FALSE(MenuItemVisible(t.s, *FindMenuItem("mi_file4")));
  EXPECT_EQ(Caption(t.s, "mi_file2"), "&2 /anderswo/x.kv9");

  RunItem(t.s, "mi_file1");
  EXPECT_EQ(t.ui.texts("error"), std::vector<std::string>{"File " + missing + " not found !"});
  EXPECT_EQ(t.s.recent_files, (std::array<std::string, 4>{"/anderswo/x.kv9", present, "", ""}));

  RunItem(t.s, "mi_file2");
  EXPECT_EQ(t.s.ds.N, 24);
  EXPECT_EQ(t.s.current_file, "welle");
  EXPECT_EQ(t.s.recent_files, (std::array<std::string, 4>{present, "/anderswo/x.kv9", "", ""}));
  EXPECT_FALSE(t.s.display.commands().empty());  // the result view is on the screen
}

TEST(MenuTable, PrintAndPrinterSetupOpenThePrintoutDialog) {
  TestSession t;
  RunItem(t.s, "mi_fileprint");  // Cancel: nothing is printed
  EXPECT_EQ(t.ui.events.size(), 1u);
  EXPECT_EQ(t.ui.events[0].kind, "form:printoutForm");
  t.ui.on_printoutForm = [](PrintoutForm& form) {
    form.accept();
    return true;
  };
  RunItem(t.s, "mi_fileprint");
  EXPECT_EQ(t.ui.events.back().kind, "printlist");
  EXPECT_TRUE(t.ui.texts("note").empty());
}

}  // namespace
}  // namespace kv9
