#include "core/message_list.h"

namespace kv9 {

void MessageAdd(MessageList& m, std::string_view text) {
  auto& entries = m.entries;
  std::string cut(text.substr(0, kMaxMessageLength));
  for (const auto& e : entries)
    if (e == cut) return;
  if (static_cast<int>(entries.size()) < kMaxMessages) entries.push_back(std::move(cut));
}

void MessageClear(MessageList& m, bool& fatal_flag) {
  m.entries.clear();
  fatal_flag = false;
}

int MessageCount(const MessageList& m) {
  return static_cast<int>(m.entries.size());
}

std::string MessageText(const MessageList& m, int i) {
  if (i < 1 || i > MessageCount(m)) return "";
  return m.entries[i - 1];
}

}  // namespace kv9
