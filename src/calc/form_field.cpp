#include "calc/form_field.h"

#include <cmath>

#include "core/number_format.h"

namespace kv9 {

Real ReadFieldNumber(std::string_view text) {
  Real v = ParseReal(text);
  return std::isfinite(v) ? v : 0;
}

std::string FormatFieldNumber(const NumberStyle& st, Real display_value) {
  return FormatShortDigits(st, -3, display_value);
}

}  // namespace kv9
