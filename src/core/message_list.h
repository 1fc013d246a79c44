// The calculation message list: at most 11 texts of at most 36 characters, repeats dropped.
// The calculation and its helpers never stop with a dialog; they add a text here and go on
// (or set the fatal flag and return).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kv9 {

class Session;

inline constexpr int kMaxMessages = 11;
inline constexpr int kMaxMessageLength = 36;

struct MessageList {
  std::vector<std::string> entries;  // code page 850
};

void MessageAdd(Session& s, std::string_view text);
void MessageClear(Session& s);  // empties the list and clears the fatal flag
void MessageSetFatal(Session& s);
int MessageCount(const Session& s);
std::string MessageText(const Session& s, int i);  // 1-based; empty outside 1..count
bool MessageIsFatal(const Session& s);
int MessageCount(const MessageList& m);
std::string MessageText(const MessageList& m, int i);

}  // namespace kv9
