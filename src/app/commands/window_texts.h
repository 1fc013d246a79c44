// The texts of the main window that follow the session: its title and the error-messages item
// of the view menu. The window asks for them after every command it runs.
#pragma once

#include <string>

namespace kv9 {

class Session;

// The program title; with a current file followed by "  -  " and the file name (".kv9" added
// when the name has no extension). Display character set.
std::string WindowTitle(const Session& s);

// "&Fehlermeldungen (3)": the vocabulary's word and the count of the last calculation's
// messages; the item is enabled only while there are any.
std::string ErrorMessagesCaption(const Session& s);
bool ErrorMessagesEnabled(const Session& s);

}  // namespace kv9
