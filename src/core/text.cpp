#include "core/text.h"

namespace kv9 {

namespace {

constexpr char16_t kCp850High[128] = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7,  //
    0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE, 0x00EC, 0x00C4, 0x00C5,  //
    0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9,  //
    0x00FF, 0x00D6, 0x00DC, 0x00F8, 0x00A3, 0x00D8, 0x00D7, 0x0192,  //
    0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA, 0x00BA,  //
    0x00BF, 0x00AE, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,  //
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x00C1, 0x00C2, 0x00C0,  //
    0x00A9, 0x2563, 0x2551, 0x2557, 0x255D, 0x00A2, 0x00A5, 0x2510,  //
    0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x00E3, 0x00C3,  //
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x00A4,  //
    0x00F0, 0x00D0, 0x00CA, 0x00CB, 0x00C8, 0x0131, 0x00CD, 0x00CE,  //
    0x00CF, 0x2518, 0x250C, 0x2588, 0x2584, 0x00A6, 0x00CC, 0x2580,  //
    0x00D3, 0x00DF, 0x00D4, 0x00D2, 0x00F5, 0x00D5, 0x00B5, 0x00FE,  //
    0x00DE, 0x00DA, 0x00DB, 0x00D9, 0x00FD, 0x00DD, 0x00AF, 0x00B4,  //
    0x00AD, 0x00B1, 0x2017, 0x00BE, 0x00B6, 0x00A7, 0x00F7, 0x00B8,  //
    0x00B0, 0x00A8, 0x00B7, 0x00B9, 0x00B3, 0x00B2, 0x25A0, 0x00A0,  //
};

// Windows-1252 bytes 0x80..0x9F (0 = unassigned); 0xA0..0xFF equal Latin-1.
constexpr char16_t kWin1252Low[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,       //
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,  //
};

int UnicodeToWin1252(char32_t u) {
  if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return static_cast<int>(u);
  for (int i = 0; i < 32; ++i)
    if (kWin1252Low[i] != 0 && kWin1252Low[i] == u) return 0x80 + i;
  return -1;
}

// Transliteration of one code page 850 byte; nullptr when the byte stays as it is.
const char* TransliterationOf(unsigned char c) {
  switch (c) {
    case 0x81:
      return "ue";
    case 0x82:
      return "e";
    case 0x84:
      return "ae";
    case 0x8E:
      return "Ae";
    case 0x94:
      return "oe";
    case 0x99:
      return "Oe";
    case 0x9A:
      return "Ue";
    case 0xA0:
      return "a";
    case 0xA3:
      return "u";
    case 0xA4:
      return "n";
    case 0xC4:
      return "-";
    case 0xCD:
      return "-";
    case 0xE1:
      return "ss";
    case 0xE6:
      return "u";
    case 0xF1:
      return "+/-";
    case 0xF8:
      return "deg";
    case 0xFD:
      return "2";
    default:
      return nullptr;
  }
}

// Replacement table of the display conversion in plain-text mode (after Transliterate).
// 124 "|" is kept: data files use it as a field separator.
const char* PlainReplacement(unsigned char c) {
  switch (c) {
    case 129:
      return "ü";
    case 130:
      return "é";
    case 132:
      return "ä";
    case 134:
      return "å";
    case 142:
      return "Ä";
    case 143:
      return "Å";
    case 148:
      return "ö";
    case 153:
      return "Ö";
    case 154:
      return "Ü";
    case 160:
      return "á";
    case 161:
      return "í";
    case 162:
      return "ó";
    case 163:
      return "ú";
    case 164:
      return "ñ";
    case 179:
    case 180:
    case 181:
    case 182:
    case 185:
    case 186:
    case 195:
    case 197:
    case 198:
    case 199:
    case 204:
    case 209:
    case 215:
      return "|";
    case 184:
    case 187:
    case 188:
    case 190:
    case 191:
    case 192:
    case 200:
    case 201:
    case 206:
    case 211:
    case 214:
    case 217:
    case 218:
      return "+";
    case 196:
    case 205:
      return "-";
    case 225:
      return "ß";
    case 230:
      return "µ";
    case 241:
      return "±";
    case 248:
      return "°";
    case 252:
      return "³";
    case 253:
      return "²";
    default:
      return nullptr;
  }
}

}  // namespace

char32_t Cp850ToUnicode(unsigned char c) {
  return c < 0x80 ? c : kCp850High[c - 0x80];
}

int UnicodeToCp850(char32_t u) {
  if (u < 0x80) return static_cast<int>(u);
  for (int i = 0; i < 128; ++i)
    if (kCp850High[i] == u) return 0x80 + i;
  return -1;
}

std::string Utf8Encode(char32_t u) {
  std::string out;
  if (u < 0x80) {
    out += static_cast<char>(u);
  } else if (u < 0x800) {
    out += static_cast<char>(0xC0 | (u >> 6));
    out += static_cast<char>(0x80 | (u & 0x3F));
  } else if (u < 0x10000) {
    out += static_cast<char>(0xE0 | (u >> 12));
    out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (u & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (u >> 18));
    out += static_cast<char>(0x80 | ((u >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (u & 0x3F));
  }
  return out;
}

std::u32string Utf8Decode(std::string_view text) {
  std::u32string out;
  std::size_t i = 0;
  while (i < text.size()) {
    unsigned char c = text[i];
    int extra = c < 0x80             ? 0
                : (c & 0xE0) == 0xC0 ? 1
                : (c & 0xF0) == 0xE0 ? 2
                : (c & 0xF8) == 0xF0 ? 3
                                     : -1;
    char32_t u = extra <= 0 ? c : (c & (0x7F >> (extra + 1)));
    bool ok = extra >= 0 && i + extra < text.size();
    for (int k = 1; ok && k <= extra; ++k) {
      unsigned char next = text[i + k];
      if ((next & 0xC0) != 0x80)
        ok = false;
      else
        u = (u << 6) | (next & 0x3F);
    }
    // Overlong forms, surrogates and values beyond U+10FFFF are not characters.
    static constexpr char32_t kMinOf[4] = {0, 0x80, 0x800, 0x10000};
    if (ok && extra > 0 && (u < kMinOf[extra] || u > 0x10FFFF || (u >= 0xD800 && u <= 0xDFFF)))
      ok = false;
    if (!ok) {
      out += U'\uFFFD';
      ++i;
      continue;
    }
    out += u;
    i += extra + 1;
  }
  return out;
}

std::size_t Utf8Length(std::string_view text) {
  std::size_t n = 0;
  for (unsigned char c : text)
    if ((c & 0xC0) != 0x80) ++n;
  return n;
}

std::string Cp850ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size() * 2);
  for (unsigned char c : text) out += Utf8Encode(Cp850ToUnicode(c));
  return out;
}

std::string Utf8ToCp850(std::string_view text) {
  std::string out;
  for (char32_t u : Utf8Decode(text)) {
    int c = UnicodeToCp850(u);
    out += c < 0 ? '?' : static_cast<char>(c);
  }
  return out;
}

std::string Cp850ToDisplay(bool plain_text, std::string_view text) {
  if (!plain_text) return Cp850ToUtf8(text);
  std::string out;
  for (unsigned char c : Transliterate(text)) {
    if (const char* r = PlainReplacement(c))
      out += r;
    else
      out += Utf8Encode(Cp850ToUnicode(c));
  }
  return out;
}

std::string DisplayToCp850(std::string_view text) {
  return Utf8ToCp850(text);
}

std::string Transliterate(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (unsigned char c : text) {
    if (const char* t = TransliterationOf(c))
      out += t;
    else
      out += static_cast<char>(c);
  }
  return out;
}

std::string Cp850ToWin1252(std::string_view text) {
  std::string out;
  for (unsigned char c : text) {
    int w = UnicodeToWin1252(Cp850ToUnicode(c));
    if (w >= 0)
      out += static_cast<char>(w);
    else if (const char* t = TransliterationOf(c))
      out += t;
    else
      out += '?';
  }
  return out;
}

std::string CadTextConvert(int cad_text_mode, bool plain_text, std::string_view text) {
  switch (cad_text_mode) {
    case 2: {
      std::string shown = Cp850ToDisplay(plain_text, text);
      std::string out;
      for (char32_t u : Utf8Decode(shown)) {
        int w = UnicodeToWin1252(u);
        if (w >= 0) {
          out += static_cast<char>(w);
          continue;
        }
        int c = UnicodeToCp850(u);
        const char* t = c >= 0 ? TransliterationOf(static_cast<unsigned char>(c)) : nullptr;
        out += t ? t : "?";
      }
      return out;
    }
    case 3:
      return Transliterate(text);
    default:
      return std::string(text);
  }
}

std::string TableDecimal(int table_decimal_style, std::string_view text) {
  return table_decimal_style == 1 ? ReplaceChar(text, ',', '.') : ReplaceChar(text, '.', ',');
}

std::string UpperAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return out;
}

std::string LowerAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

std::string Trim(std::string_view text) {
  auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return "";
  auto last = text.find_last_not_of(' ');
  return std::string(text.substr(first, last - first + 1));
}

std::string RemoveBlanks(std::string_view text) {
  std::string out;
  for (char c : text)
    if (c != ' ') out += c;
  return out;
}

std::string ReplaceChar(std::string_view text, char c, char r) {
  std::string out(text);
  for (char& ch : out)
    if (ch == c) ch = r;
  return out;
}

std::string ShortenMiddle(std::string_view text, int width) {
  if (static_cast<int>(text.size()) <= width) return std::string(text);
  int k = width / 2 - 3;
  if (k < 0) k = 0;
  return std::string(text.substr(0, k)) + " ... " + std::string(text.substr(text.size() - (k + 1)));
}

std::string SingleLineText(std::string text) {
  for (char& c : text)
    if (c == '\r' || c == '\n') c = ' ';
  return text;
}

bool ReadTextLine(std::istream& in, std::string& line) {
  if (!std::getline(in, line)) return false;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return true;
}

}  // namespace kv9
