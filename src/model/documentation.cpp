#include "model/documentation.h"

#include "app/session.h"
#include "core/file_util.h"

namespace kv9 {

void ResetDocumentation(Session& s) {
  Documentation& d = s.docs;
  d.changes.clear();
  d.replaces.clear();
  d.replaced_by.clear();
  for (auto& row : d.grid) row = TitleBlockRow{};
  d.grid[kRowDrawn].date = TodayText(s);
  d.texts.clear();
}

std::string DescriptionToLine(std::string_view description) {
  std::string out;
  for (std::size_t i = 0; i < description.size(); ++i) {
    char c = description[i];
    if (c == '\r') {
      out += '|';
      if (i + 1 < description.size() && description[i + 1] == '\n') ++i;
    } else if (c == '\n') {
      out += '|';
    } else {
      out += c;
    }
  }
  return out;
}

std::string LineToDescription(std::string_view line) {
  std::string out(line);
  for (char& c : out)
    if (c == '|') c = '\n';
  return out;
}

}  // namespace kv9
