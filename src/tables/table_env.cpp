#include "tables/table_env.h"

#include "core/text.h"

namespace kv9 {

void TableError(TableEnv& env, std::string_view text) {
  if (env.show_errors) env.ui.showMessage(MessageBoxKind::Error, "Fehler : ", Cp850ToUtf8(text));
  env.abort_flag = true;
}

void TableNote(TableEnv& env, std::string_view text) {
  env.ui.showMessage(MessageBoxKind::Note, "Meldung:", Cp850ToUtf8(text));
}

void TableMessage(MessageList& messages, std::string_view text) {
  std::string cut(text.substr(0, kMaxMessageLength));
  for (const auto& e : messages.entries)
    if (e == cut) return;
  if (static_cast<int>(messages.entries.size()) < kMaxMessages)
    messages.entries.push_back(std::move(cut));
}

}  // namespace kv9
