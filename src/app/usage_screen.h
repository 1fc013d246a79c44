// The usage screen of the command line: 21 lines of the shared screen table.
#pragma once

namespace kv9 {

class Session;

inline constexpr int kUsageLineCount = 21;

// Fills the screen lines (the rest empty) and shows the first 21 with the product name as title.
void ShowUsageScreen(Session& s);
void FillUsageScreen(Session& s);

}  // namespace kv9
