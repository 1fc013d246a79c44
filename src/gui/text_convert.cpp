#include "gui/text_convert.h"

#include "core/text.h"

namespace kv9 {

QString FromCp850(std::string_view cp850) {
  return FromDisplay(Cp850ToUtf8(cp850));
}

std::string ToCp850(const QString& text) {
  return Utf8ToCp850(ToDisplay(text));
}

QString FromDisplay(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string ToDisplay(const QString& text) {
  return text.toStdString();
}

QStringList FromDisplay(const std::vector<std::string>& utf8_lines) {
  QStringList lines;
  for (const std::string& line : utf8_lines) lines << FromDisplay(line);
  return lines;
}

}  // namespace kv9
