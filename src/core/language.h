// The three language tables of the menus and of the file and status messages.
#pragma once

#include <string>

namespace kv9 {

struct LanguageTables {
  int code = 0;  // current language, 0 = none chosen
  // Filled in with the language tables.
};

}  // namespace kv9
