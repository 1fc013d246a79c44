#include "core/number_format.h"

#include <gtest/gtest.h>

#include "support/test_session.h"

namespace kv9 {
namespace {

TEST(FormatShort, DefaultSettingsGiveAboutThreeSignificantDigits) {
  NumberStyle st;
  EXPECT_EQ(FormatShort(st, 0.45L), "0.45");
  EXPECT_EQ(FormatShort(st, 1.5L), "1.5");
  EXPECT_EQ(FormatShort(st, 2.0L), "2");
  EXPECT_EQ(FormatShort(st, 123.456L), "123.5");
  EXPECT_EQ(FormatShort(st, 0.05L), "0.05");
  EXPECT_EQ(FormatShort(st, 1234.56L), "1235");
  EXPECT_EQ(FormatShort(st, -2.0L), "-2");
  EXPECT_EQ(FormatShort(st, 9e-6L), "0");
}

TEST(FormatFixed, DecimalsSettingShiftsEveryFormat) {
  NumberStyle five{5, 1};
  EXPECT_EQ(FormatFixed(five, 5, 0, 12.345L), "   12.35");
  EXPECT_EQ(FormatFixed(five, 2, 7, 30), "30.000000000");
  NumberStyle normal;
  EXPECT_EQ(FormatFixed(normal, 4, 3, 1e-9L), "   0.000");
  EXPECT_EQ(FormatFixed(normal, 1, 3, -1e-9L), "0.000");
  EXPECT_EQ(FormatFixed(normal, 1, 0, 123456), "123456");  // longer numbers are not cut
}

TEST(FormatFixed, DecimalCommaIsReadBack) {
  NumberStyle comma{3, 2};
  std::string text = FormatFixed(comma, 0, 7, 0.45L);
  EXPECT_EQ(text, "0,4500000");
  EXPECT_EQ(ParseReal(text), 0.45L);
}

TEST(ParseReal, NonNumbersGiveZero) {
  EXPECT_EQ(ParseReal("abc"), 0);
  EXPECT_EQ(ParseReal("1.5x"), 0);
  EXPECT_EQ(ParseReal(""), 0);
  EXPECT_EQ(ParseReal(" 2.5 "), 2.5L);
  EXPECT_EQ(ParseInt("12"), 12);
  EXPECT_EQ(ParseInt("1.5"), 0);
}

}  // namespace
}  // namespace kv9
