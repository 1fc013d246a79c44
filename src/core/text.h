// Texts: code page 850 (inside the program and its files) against the display set (UTF-8),
// Windows-1252 for CAD files, ASCII transliteration and small string helpers.
#pragma once

#include <cstdint>
#include <istream>
#include <string>
#include <string_view>

namespace kv9 {

// Conversions take texts of any length (an old limit of 255 characters would silently erase
// longer texts); each field keeps its own length limit where it is handed over.
inline constexpr std::size_t kMaxConvertLength = static_cast<std::size_t>(-1);

// Code page 850 byte -> Unicode code point, and the reverse (-1 when code page 850 lacks it).
char32_t Cp850ToUnicode(unsigned char c);
int UnicodeToCp850(char32_t u);

// UTF-8 helpers.
std::string Utf8Encode(char32_t u);
std::u32string Utf8Decode(std::string_view text);  // invalid bytes decode as U+FFFD
std::size_t Utf8Length(std::string_view text);

// The plain conversions, without the plain-text setting.
std::string Cp850ToUtf8(std::string_view text);
std::string Utf8ToCp850(std::string_view text);  // "?" for a character code page 850 lacks

// Display conversions; in plain-text mode Cp850ToDisplay transliterates first and then applies
// the replacement table.
std::string Cp850ToDisplay(bool plain_text, std::string_view text);
std::string DisplayToCp850(std::string_view text);

// Code page 850 umlauts and signs replaced by ASCII ("ü" -> "ue", "°" -> "deg" ...).
std::string Transliterate(std::string_view text);
// Code page 850 -> Windows-1252 bytes; characters Windows-1252 lacks as Transliterate gives
// them, else "?".
std::string Cp850ToWin1252(std::string_view text);
// Texts written into CAD files, by the CAD text mode: 1 unchanged (code page 850), 2 the
// display conversion (with the plain-text setting) as Windows-1252 bytes, 3 transliterated;
// other modes unchanged.
std::string CadTextConvert(int cad_text_mode, bool plain_text, std::string_view text);
// Decimal separators of table-file numbers: style 1 every "," becomes ".", else "." -> ",".
std::string TableDecimal(int table_decimal_style, std::string_view text);

std::string UpperAscii(std::string_view text);
std::string LowerAscii(std::string_view text);
std::string Trim(std::string_view text);
std::string RemoveBlanks(std::string_view text);
std::string ReplaceChar(std::string_view text, char c, char r);
std::string ShortenMiddle(std::string_view text, int width);
// A text as the line-oriented files can hold it: CR and LF become blanks.
std::string SingleLineText(std::string text);

// One line of a text file without its end (LF or CR LF); false at the end of the stream.
bool ReadTextLine(std::istream& in, std::string& line);

}  // namespace kv9
