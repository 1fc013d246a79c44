// The calculation message list: at most 11 texts of at most 36 characters, repeats dropped.
// The calculation and its helpers never stop with a dialog; they add a text here and go on
// (or set the fatal flag and return).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kv9 {

inline constexpr int kMaxMessages = 11;
inline constexpr int kMaxMessageLength = 36;

struct MessageList {
  std::vector<std::string> entries;  // code page 850
};

void MessageAdd(MessageList& m, std::string_view text);
// Empties the list and clears the fatal flag that goes with it.
void MessageClear(MessageList& m, bool& fatal_flag);
int MessageCount(const MessageList& m);
std::string MessageText(const MessageList& m, int i);  // 1-based; empty outside 1..count

}  // namespace kv9
