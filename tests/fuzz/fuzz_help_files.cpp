// Fuzz target of the help readers: the input is read as a help text file, as the picture
// database and as an HP-GL picture. None may crash or run away: an entry has at most five
// lines, the database at most 130 entries on lines it holds, and the picture records no more
// commands than its bytes allow.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "help/help_texts.h"
#include "help/hpgl.h"
#include "help/picture_database.h"
#include "screen/display_list.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  int n = size >= 2 ? (data[0] * 256 + data[1]) % 10000 : 1210;
  kv9::HelpEntry e = kv9::FindHelpEntry(input, n);
  if (e.lines.size() > static_cast<std::size_t>(kv9::kHelpEntryLines)) __builtin_trap();
  if (e.found != !e.lines.empty()) __builtin_trap();

  kv9::PictureDatabase db = kv9::ParsePictureDatabase(input);
  if (db.entries.size() > static_cast<std::size_t>(kv9::kMaxPictureEntries)) __builtin_trap();
  if (db.entries.size() != db.entry_lines.size()) __builtin_trap();
  for (std::size_t i = 0; i < db.entry_lines.size(); ++i)
    if (db.entry_lines[i] >= db.lines.size() || (i > 0 && db.entry_lines[i] <= db.entry_lines[i - 1]))
      __builtin_trap();

  kv9::DisplayList display;
  kv9::HpglInterpreter hpgl(display);
  hpgl.run(input);
  // A window, a pen colour, then at most two commands (style and text) for every two bytes.
  if (display.commands().size() > size + 2) __builtin_trap();
  if (!std::isfinite(hpgl.x()) || !std::isfinite(hpgl.y())) __builtin_trap();
  return 0;
}
