#include "cad/cad_number.h"

#include <charconv>
#include <cmath>
#include <vector>

namespace kv9 {

Real CadNumbers::checked(Real x) {
  if (std::isfinite(x)) return x;
  ++bad_;
  return 0;
}

std::string CadNumbers::fixed(Real x, int decimals, bool comma) {
  x = checked(x);
  if (decimals < 0) decimals = 0;
  if (decimals > 40) decimals = 40;
  // The largest long double has 4933 digits before the point.
  char small[128];
  std::string text;
  // A value a double holds exactly prints the same through the double's much faster
  // conversion (both round the exact binary value as printf does).
  const double as_double = static_cast<double>(x);
  auto res =
      static_cast<Real>(as_double) == x
          ? std::to_chars(small, small + sizeof small, as_double, std::chars_format::fixed,
                          decimals)
          : std::to_chars(small, small + sizeof small, x, std::chars_format::fixed, decimals);
  if (res.ec == std::errc()) {
    text.assign(small, res.ptr);
  } else {
    std::vector<char> big(5000 + decimals);
    res = std::to_chars(big.data(), big.data() + big.size(), x, std::chars_format::fixed, decimals);
    text.assign(big.data(), res.ptr);
  }
  if (!text.empty() && text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos)
    text.erase(0, 1);
  if (comma)
    for (char& c : text)
      if (c == '.') c = ',';
  return text;
}

}  // namespace kv9
