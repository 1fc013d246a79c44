// The main menu as data: every item in the order of the menu tree, with its caption (from the
// language vocabulary), shortcut, the menu it sits in, the command it runs and the queries of
// its state. The window builds its menu bar from this table, runs an item's action and then
// asks every caption, enabling, visibility and the window title again.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/language.h"

namespace kv9 {

class Session;

enum class MenuItemKind { Menu, Command, Separator };

// One piece of a caption: a word of the menu or calculation vocabulary, or a text that stays
// the same in every language.
struct CaptionPart {
  enum Kind { MenuVocabulary, CalcVocabulary, Fixed } kind = Fixed;
  MenuWord menu_word = MenuWord::File;
  CalcWord calc_word = CalcWord::Strength;
  const char* text = "";
};

struct MenuItem {
  const char* id = "";      // "mi_fileNew"
  const char* parent = "";  // id of the menu that holds it; "" for the menu bar
  MenuItemKind kind = MenuItemKind::Command;
  std::vector<CaptionPart> caption;
  // Set where the caption follows the session (recent files, the message count).
  std::string (*caption_of)(const Session&) = nullptr;
  const char* shortcut = "";  // "Ctrl+N", "Shift+F1"; "" without
  void (*action)(Session&) = nullptr;
  bool (*enabled)(const Session&) = nullptr;  // nullptr: always enabled
  bool (*visible)(const Session&) = nullptr;  // nullptr: always shown
  bool closes_window = false;                 // "Exit": the window closes through its close query
  // A drawing or view on the screen and nothing else: the window runs it again when its client
  // size changes, so that the view fits the new size.
  bool draws_view = false;
};

const std::vector<MenuItem>& MainMenu();
const MenuItem* FindMenuItem(std::string_view id);

// The caption in the current language, display character set, with its "&" accelerator.
std::string MenuCaption(const Session& s, const MenuItem& item);
bool MenuItemEnabled(const Session& s, const MenuItem& item);
bool MenuItemVisible(const Session& s, const MenuItem& item);

}  // namespace kv9
