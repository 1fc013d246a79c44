#include "model/documentation.h"

#include "core/file_util.h"

namespace kv9 {

void ResetDocumentation(Documentation& d, const Clock& clock, int date_code) {
  d.changes.clear();
  d.replaces.clear();
  d.replaced_by.clear();
  for (auto& row : d.grid) row = TitleBlockRow{};
  d.grid[kRowDrawn].date = TodayText(clock, date_code);
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
