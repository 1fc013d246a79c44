// What the table layer takes from the program: where it shows errors, where it notes messages,
// which flag stops the command, and the folders it works in.
#pragma once

#include <string>

#include "core/clock.h"
#include "core/message_list.h"
#include "core/ui.h"

namespace kv9 {

struct TableEnv {
  Ui& ui;
  MessageList& messages;
  bool& abort_flag;
  bool show_errors = true;
  std::string dbf_dir;      // the configured DBF folder
  std::string scratch_dir;  // the run's private temporary folder ("/"-ended; empty: none)
  DateTime today;           // the date a changed table's header gets
  int lines_per_page = 66;  // of the printer ("Zeilen pro Seite für Drucker")
};

// An error box (while errors are allowed) and the abort flag. `text` is code page 850.
void TableError(TableEnv& env, std::string_view text);
// A note of the table layer (code page 850), always shown.
void TableNote(TableEnv& env, std::string_view text);
// A message into the calculation message list: cut to its length, once, while there is room.
void TableMessage(MessageList& messages, std::string_view text);

}  // namespace kv9
