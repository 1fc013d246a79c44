#include "app/commands/window_texts.h"

#include "core/file_util.h"
#include "core/language.h"
#include "app/session.h"
#include "core/text.h"
#include "core/message_list.h"

namespace kv9 {

std::string WindowTitle(const Session& s) {
  std::string title = Cp850ToDisplay(PlainText(s.cfg), ProgramTitle());
  if (s.current_file.empty()) return title;
  title += "  -  " + s.current_file;
  if (!HasDot(s.current_file)) title += std::string(".") + kDataFileExtension;
  return title;
}

std::string ErrorMessagesCaption(const Session& s) {
  return MenuDisplay(s.lang, PlainText(s.cfg), MenuWord::ErrorMessages) + " (" +
         std::to_string(MessageCount(s.messages)) + ")";
}

bool ErrorMessagesEnabled(const Session& s) {
  return MessageCount(s.messages) != 0;
}

}  // namespace kv9
