// A number field of an input form: the text its widget shows, and the value it was filled
// from. While the user leaves the text alone the exact value is handed back, so showing a
// value with few decimals (or in the other unit) never changes it; a typed text is read, and
// text that is not a number reads as 0.
#pragma once

#include <string>
#include <string_view>

#include "core/real.h"

namespace kv9 {

struct NumberStyle;

// ParseReal that also turns "inf" and "nan" (which the reader accepts) into 0.
Real ReadFieldNumber(std::string_view text);

// A value as an edit field shows it: about six significant digits, trailing zeros dropped.
std::string FormatFieldNumber(const NumberStyle& st, Real display_value);

class NumberField {
 public:
  std::string text;  // what the widget shows and the user edits

  void set(Real value, std::string shown) {
    value_ = value;
    shown_ = shown;
    text = std::move(shown);
  }
  bool edited() const { return text != shown_; }
  // The value in internal units; `from_display` converts a typed number from the display unit.
  template <class FromDisplay>
  Real value(FromDisplay from_display) const {
    return edited() ? from_display(ReadFieldNumber(text)) : value_;
  }
  Real value() const {
    return value([](Real v) { return v; });
  }

 private:
  Real value_ = 0;
  std::string shown_;
};

}  // namespace kv9
