// The date and time the program prints. Tests (and the built program under KV9_TEST_NOW) fix it
// so that reports and drawings are reproducible.
#pragma once

#include <ctime>
#include <optional>
#include <string_view>

namespace kv9 {

struct DateTime {
  int year = 2000, month = 1, day = 1, hour = 0, minute = 0;
};

class Clock {
 public:
  DateTime now() const;
  void fix(const DateTime& at) { fixed_ = at; }
  void unfix() { fixed_.reset(); }
  // Reads "YYYY-MM-DD HH:MM"; returns false (and changes nothing) for any other text.
  bool fixFromText(std::string_view text);

 private:
  std::optional<DateTime> fixed_;
};

}  // namespace kv9
