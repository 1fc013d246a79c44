#include "core/message_list.h"

#include "app/session.h"

namespace kv9 {

void MessageAdd(Session& s, std::string_view text) {
  auto& entries = s.messages.entries;
  std::string cut(text.substr(0, kMaxMessageLength));
  for (const auto& e : entries)
    if (e == cut) return;
  if (static_cast<int>(entries.size()) < kMaxMessages) entries.push_back(std::move(cut));
}

void MessageClear(Session& s) {
  s.messages.entries.clear();
  s.fatal_flag = false;
}

void MessageSetFatal(Session& s) {
  s.fatal_flag = true;
}

int MessageCount(const Session& s) {
  return MessageCount(s.messages);
}

std::string MessageText(const Session& s, int i) {
  return MessageText(s.messages, i);
}

int MessageCount(const MessageList& m) {
  return static_cast<int>(m.entries.size());
}

std::string MessageText(const MessageList& m, int i) {
  if (i < 1 || i > MessageCount(m)) return "";
  return m.entries[i - 1];
}

bool MessageIsFatal(const Session& s) {
  return s.fatal_flag;
}

}  // namespace kv9
