#include "core/number_format.h"

#include <charconv>
#include <cmath>
#include <vector>

#include "core/guarded_math.h"
#include "core/text.h"

namespace kv9 {

namespace {

int ShiftedDecimals(const NumberStyle& st, int decimals) {
  int d = decimals + (st.decimals - 3);
  return d < 0 ? 0 : (d > 10 ? 10 : d);
}

// Integer width and decimals of the short format with `t` significant places (3 by default),
// before trailing zero decimals are dropped.
void ShortLayout(int t, Real x, int& width, int& decimals) {
  int c = Log10Int(x);
  if (c >= t) {
    width = c + 1;
    decimals = 0;
  } else if (c >= 0) {
    width = c + 1;
    decimals = t - c;
  } else {
    width = 0;
    decimals = t - 1 - c;
  }
}

// Drops trailing zero decimals: the digits of the whole number nearest to |x|·10^(d+1) are
// divided by 10, and while the last digit is then 0 one decimal goes.
int DropZeroDecimals(Real x, int decimals) {
  Real scaled = std::fabs(x) * Pow10(decimals + 1);
  if (!(scaled < 1e30L)) return decimals;
  long double n = std::nearbyint(scaled);
  while (decimals > 0) {
    n = std::floor(n / 10);
    if (std::fmod(n, 10.0L) != 0) break;
    --decimals;
  }
  return decimals;
}

std::string ShortWith(const NumberStyle& st, int t, Real x) {
  if (!std::isfinite(x) || std::fabs(x) < 1e-5L) return "0";
  int width, decimals;
  ShortLayout(t, x, width, decimals);
  decimals = DropZeroDecimals(x, decimals);
  return FormatFixed(st, width, decimals, x);
}

}  // namespace

std::string FormatFixed(const NumberStyle& st, int width, int decimals, Real x) {
  int d = ShiftedDecimals(st, decimals);
  // No input may print "inf" or "nan": a value beyond the number range (an extreme input in
  // another unit) is written as 0, as the data and CAD files write it.
  if (!std::isfinite(x) || std::fabs(x) < 1e-8L) x = 0;
  std::vector<char> buf(5000);
  auto res = std::to_chars(buf.data(), buf.data() + buf.size(), x, std::chars_format::fixed, d);
  std::string text(buf.data(), res.ptr);
  // A value that rounds to zero is written without a sign.
  if (!text.empty() && text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos)
    text.erase(0, 1);
  if (st.separator == 2)
    for (char& c : text)
      if (c == '.') c = ',';
  int total = d == 0 ? width : width + d + 1;
  if (static_cast<int>(text.size()) < total) text.insert(0, total - text.size(), ' ');
  return text;
}

std::string FormatShort(const NumberStyle& st, Real x) {
  return ShortWith(st, 3, x);
}

std::string FormatShortDigits(const NumberStyle& st, int k, Real x) {
  return ShortWith(st, 3 - k, x);
}

std::string FormatDecimals(const NumberStyle& st, int decimals, Real x) {
  int c = Log10Int(x);
  int width = c >= 0 ? c + 1 : 0;
  return FormatFixed(st, width, decimals, x);
}

std::string FormatWidth(const NumberStyle& st, int width, Real x) {
  if (!std::isfinite(x) || std::fabs(x) < 1e-6L) return FormatIntRight(0, width);
  int w, decimals;
  ShortLayout(3, x, w, decimals);
  decimals = DropZeroDecimals(x, decimals);
  int int_width = width - decimals - (decimals > 0 ? 1 : 0);
  return FormatFixed(st, int_width, decimals, x);
}

std::string FormatInt(long long n) {
  return std::to_string(n);
}

std::string FormatIntZero(long long n, int width) {
  unsigned long long magnitude = n < 0 ? 0ULL - static_cast<unsigned long long>(n) : n;
  std::string digits = std::to_string(magnitude);
  std::string sign = n < 0 ? "-" : "";
  int fill = width - static_cast<int>(digits.size() + sign.size());
  return sign + std::string(fill > 0 ? fill : 0, '0') + digits;
}

std::string FormatIntRight(long long n, int width) {
  std::string digits = std::to_string(n);  // a number is never cut
  int fill = width - static_cast<int>(digits.size());
  return std::string(fill > 0 ? fill : 0, ' ') + digits;
}

std::string TextLeft(std::string_view text, int width) {
  if (width <= 0) return "";
  std::string t(text.substr(0, width));
  t.resize(width, ' ');
  return t;
}

std::string TextRight(std::string_view text, int width) {
  if (width <= 0) return "";
  std::string t = Trim(text);
  if (static_cast<int>(t.size()) > width) t.resize(width);
  return std::string(width - t.size(), ' ') + t;
}

bool TryParseReal(std::string_view text, Real& value) {
  std::string t = Trim(text);
  if (auto comma = t.find(','); comma != std::string::npos) t[comma] = '.';
  const char* first = t.data();
  const char* last = t.data() + t.size();
  if (first != last && *first == '+') ++first;
  if (first == last) return false;
  Real v = 0;
  auto res = std::from_chars(first, last, v, std::chars_format::general);
  // "inf" and "nan" are no numbers of a data file or a dialog.
  if (res.ec != std::errc() || res.ptr != last || !std::isfinite(v)) return false;
  value = v;
  return true;
}

bool TryParseInt(std::string_view text, long long& value) {
  std::string t = Trim(text);
  const char* first = t.data();
  const char* last = t.data() + t.size();
  if (first != last && *first == '+') ++first;
  if (first == last) return false;
  long long v = 0;
  auto res = std::from_chars(first, last, v);
  if (res.ec != std::errc() || res.ptr != last) return false;
  value = v;
  return true;
}

Real ParseReal(std::string_view text) {
  Real v = 0;
  return TryParseReal(text, v) ? v : 0;
}

long long ParseInt(std::string_view text) {
  long long v = 0;
  return TryParseInt(text, v) ? v : 0;
}

std::string FormatLength(const UnitStyle& u, Real x) {
  return u.inch ? FormatDecimals(u.number, 4, x * kMmToInch) : FormatShort(u.number, x);
}

std::string FormatLengthDecimals(const UnitStyle& u, int d, Real x) {
  return u.inch ? FormatDecimals(u.number, d + 1, x * kMmToInch) : FormatDecimals(u.number, d, x);
}

std::string FormatLengthFixed(const UnitStyle& u, int w, int d, Real x) {
  return u.inch ? FormatFixed(u.number, w - 1 > 1 ? w - 1 : 1, d + 1, x * kMmToInch)
                : FormatFixed(u.number, w, d, x);
}

std::string FormatStressFixed(const UnitStyle& u, int w, int d, Real x) {
  return u.inch ? FormatFixed(u.number, w + 2, d - 2 > 0 ? d - 2 : 0, x * kMpaToPsi)
                : FormatFixed(u.number, w, d, x);
}

std::string FormatTorqueFixed(const UnitStyle& u, int w, int d, Real x) {
  return u.inch ? FormatFixed(u.number, w + 1, d - 1 > 0 ? d - 1 : 0, x * kNmToLbfin)
                : FormatFixed(u.number, w, d, x);
}

std::string FormatStress(const UnitStyle& u, Real x) {
  return FormatShort(u.number, u.inch ? x * kMpaToPsi : x);
}

std::string FormatTorque(const UnitStyle& u, Real x) {
  return FormatShort(u.number, u.inch ? x * kNmToLbfin : x);
}

Real ParseLength(const UnitStyle& u, std::string_view text) {
  Real v = ParseReal(text);
  return u.inch ? v * kInch : v;
}

Real ParseStress(const UnitStyle& u, std::string_view text) {
  Real v = ParseReal(text);
  return u.inch ? v * kPsiToMpa : v;
}

Real ParseTorque(const UnitStyle& u, std::string_view text) {
  Real v = ParseReal(text);
  return u.inch ? v * kLbfinToNm : v;
}

std::string LengthUnit(const UnitStyle& u) {
  return u.inch ? "in" : "mm";
}
std::string StressUnit(const UnitStyle& u) {
  return u.inch ? "psi" : "MPa";
}
std::string TorqueUnit(const UnitStyle& u) {
  return u.inch ? "lbfin" : "Nm";
}

std::string MicroUnit(const UnitStyle& u) {
  std::string micro = u.plain_text ? "u" : std::string(1, '\xE6');  // µ in code page 850
  return micro + (u.inch ? "in" : "m");
}

std::string DegreeUnit(const UnitStyle& u) {
  return u.plain_text ? "deg" : std::string(1, '\xF8');  // ° in code page 850
}

Real ToDisplayMicro(const UnitStyle& u, Real micrometres) {
  return u.inch ? micrometres * 39.37L : micrometres;
}

Real ToDisplayLength(const UnitStyle& u, Real x) {
  return u.inch ? x / kInch : x;
}
Real FromDisplayLength(const UnitStyle& u, Real x) {
  return u.inch ? x * kInch : x;
}

}  // namespace kv9
