// Texts at the Qt boundary: the program's code page 850 texts and the display set (UTF-8) as
// QString, over the core's conversions.
#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <string_view>
#include <vector>

namespace kv9 {

QString FromCp850(std::string_view cp850);
// Characters code page 850 lacks become "?".
std::string ToCp850(const QString& text);

QString FromDisplay(std::string_view utf8);
std::string ToDisplay(const QString& text);
QStringList FromDisplay(const std::vector<std::string>& utf8_lines);

}  // namespace kv9
