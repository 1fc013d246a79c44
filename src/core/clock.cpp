#include "core/clock.h"

#include <cstdio>
#include <string>

namespace kv9 {

DateTime Clock::now() const {
  if (fixed_) return *fixed_;
  std::time_t t = std::time(nullptr);
  std::tm tm{};
  localtime_r(&t, &tm);
  return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min};
}

bool Clock::fixFromText(std::string_view text) {
  DateTime d;
  char tail = 0;
  std::string s(text);
  if (std::sscanf(s.c_str(), "%4d-%2d-%2d %2d:%2d%c", &d.year, &d.month, &d.day, &d.hour, &d.minute,
                  &tail) != 5)
    return false;
  if (d.month < 1 || d.month > 12 || d.day < 1 || d.day > 31 || d.hour < 0 || d.hour > 23 ||
      d.minute < 0 || d.minute > 59)
    return false;
  fixed_ = d;
  return true;
}

}  // namespace kv9
