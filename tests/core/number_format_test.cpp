#include "core/number_format.h"

#include <gtest/gtest.h>

#include <climits>
#include <clocale>
#include <limits>
#include <string>

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
  EXPECT_EQ(FormatShort(st, 999.96L), "1000.0");  // laid out for c = 2
  EXPECT_EQ(FormatShort(st, -2.0L), "-2");
  EXPECT_EQ(FormatShort(st, 1e-5L), "0.00001");
  EXPECT_EQ(FormatShort(st, 9.9e-6L), "0");
  EXPECT_EQ(FormatShort(st, -9.9e-6L), "0");
}

TEST(FormatShort, VariantsFollowTheSameLayout) {
  NumberStyle st;
  EXPECT_EQ(FormatShortDigits(st, -3, 3.14159265L), "3.141593");
  EXPECT_EQ(FormatShortDigits(st, 0, 3.14159265L), FormatShort(st, 3.14159265L));
  EXPECT_EQ(FormatDecimals(st, 2, 3.14159L), "3.14");
  EXPECT_EQ(FormatDecimals(st, 2, 0.5L), "0.50");
  EXPECT_EQ(FormatDecimals(st, 1, 1234.56L), "1234.6");
  EXPECT_EQ(FormatWidth(st, 8, 12.5L), "    12.5");
  EXPECT_EQ(FormatWidth(st, 8, 1234.4L), "    1234");
  EXPECT_EQ(FormatWidth(st, 8, 5e-7L), "       0");
}

TEST(FormatFixed, DecimalsSettingShiftsEveryFormat) {
  NumberStyle five{5, 1};
  EXPECT_EQ(FormatFixed(five, 5, 0, 12.5L), "   12.50");
  EXPECT_EQ(FormatFixed(five, 2, 7, 30), "30.000000000");
  EXPECT_EQ(FormatShort(five, 0.45L), "0.4500");  // the short form goes through FormatFixed
  NumberStyle one{1, 1};
  EXPECT_EQ(FormatFixed(one, 3, 1, 2.25L), "  2");  // shifted below 0 decimals stays at 0
  NumberStyle nine{9, 1};
  EXPECT_EQ(FormatFixed(nine, 0, 7, 1), "1.0000000000");  // limited to 10 decimals
  NumberStyle normal;
  EXPECT_EQ(FormatFixed(normal, 4, 3, 1e-9L), "   0.000");
  EXPECT_EQ(FormatFixed(normal, 3, 0, 5e-9L), "  0");
  EXPECT_EQ(FormatFixed(normal, 1, 3, -1e-9L), "0.000");
  EXPECT_EQ(FormatFixed(normal, 1, 0, -0.2L), "0");        // no "-0"
  EXPECT_EQ(FormatFixed(normal, 1, 0, 123456), "123456");  // longer numbers are not cut
}

TEST(FormatFixed, NumbersBeyondTheRangeAreWrittenAsZero) {
  NumberStyle st;
  const Real inf = std::numeric_limits<Real>::infinity();
  EXPECT_EQ(FormatFixed(st, 4, 3, inf), "   0.000");
  EXPECT_EQ(FormatFixed(st, 1, 0, -inf), "0");
  EXPECT_EQ(FormatShort(st, std::numeric_limits<Real>::quiet_NaN()), "0");
  EXPECT_EQ(FormatWidth(st, 6, inf), "     0");
  EXPECT_EQ(FormatDecimals(st, 2, -inf), "0.00");
}

TEST(FormatFixed, DecimalCommaIsReadBack) {
  NumberStyle comma{3, 2};
  std::string text = FormatFixed(comma, 0, 7, 0.45L);
  EXPECT_EQ(text, "0,4500000");
  EXPECT_EQ(ParseReal(text), 0.45L);
  EXPECT_EQ(FormatShort(comma, 1.5L), "1,5");
}

TEST(FormatInt, PaddingNeverCutsANumber) {
  EXPECT_EQ(FormatInt(-42), "-42");
  EXPECT_EQ(FormatIntZero(7, 3), "007");
  EXPECT_EQ(FormatIntZero(-7, 4), "-007");
  EXPECT_EQ(FormatIntZero(LLONG_MIN, 2), "-9223372036854775808");
  EXPECT_EQ(FormatIntRight(42, 5), "   42");
  EXPECT_EQ(FormatIntRight(12345, 3), "12345");
  EXPECT_EQ(TextLeft("abc", 5), "abc  ");
  EXPECT_EQ(TextLeft("abcdef", 3), "abc");
  EXPECT_EQ(TextRight("  ab ", 4), "  ab");
  EXPECT_EQ(TextRight("abcdef", 3), "abc");
}

TEST(ParseReal, NonNumbersGiveZero) {
  EXPECT_EQ(ParseReal("abc"), 0);
  EXPECT_EQ(ParseReal("1.5x"), 0);
  EXPECT_EQ(ParseReal(""), 0);
  EXPECT_EQ(ParseReal("inf"), 0);
  EXPECT_EQ(ParseReal("nan"), 0);
  EXPECT_EQ(ParseReal("1e99999"), 0);
  EXPECT_EQ(ParseReal("1,5,3"), 0);  // only the first comma is a decimal separator
  EXPECT_EQ(ParseReal(" 2.5 "), 2.5L);
  EXPECT_EQ(ParseReal("0,45"), 0.45L);
  EXPECT_EQ(ParseReal("+3"), 3);
  EXPECT_EQ(ParseReal("-1e3"), -1000);
  EXPECT_EQ(ParseInt("12"), 12);
  EXPECT_EQ(ParseInt("-12"), -12);
  EXPECT_EQ(ParseInt("1.5"), 0);
  EXPECT_EQ(ParseInt("99999999999999999999"), 0);
}

TEST(NumberFormats, IgnoreTheProcessLocale) {
  std::string old = std::setlocale(LC_ALL, nullptr);
  if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "de_DE.UTF-8 is not generated";
  NumberStyle st;
  std::string fixed = FormatFixed(st, 0, 3, 1234.5L);
  std::string shorter = FormatShort(st, 0.45L);
  Real read = ParseReal("2.5");
  std::setlocale(LC_ALL, old.c_str());
  EXPECT_EQ(fixed, "1234.500");
  EXPECT_EQ(shorter, "0.45");
  EXPECT_EQ(read, 2.5L);
}

struct UnitFormats : ::testing::Test {
  test::TestSession t;
  Session& s = t.s;
};

TEST_F(UnitFormats, InchModeConvertsBeforeFormatting) {
  s.cfg.unit_flag = 1;
  EXPECT_EQ(FormatLength(UnitsOf(s.cfg), 25.4L), "1.0000");
  EXPECT_EQ(FormatLengthDecimals(UnitsOf(s.cfg), 2, 25.4L), "1.000");
  EXPECT_EQ(FormatLengthFixed(UnitsOf(s.cfg), 6, 3, 25.4L), "    1.0000");
  EXPECT_EQ(FormatLengthFixed(UnitsOf(s.cfg), 1, 0, 25.4L), "1.0");
  EXPECT_EQ(FormatStressFixed(UnitsOf(s.cfg), 6, 1, 100), "   14504");
  EXPECT_EQ(FormatStressFixed(UnitsOf(s.cfg), 6, 3, 100), "   14503.7");
  EXPECT_EQ(FormatTorqueFixed(UnitsOf(s.cfg), 5, 2, 10), "    88.5");
  EXPECT_EQ(FormatStress(UnitsOf(s.cfg), 100), "14504");
  // 8.8507: the dropping looks at the cut digits 8850, so the zero goes although the third
  // decimal rounds to 1.
  EXPECT_EQ(FormatTorque(UnitsOf(s.cfg), 1), "8.85");
  EXPECT_NEAR(static_cast<double>(ParseLength(UnitsOf(s.cfg), "1")), 25.4, 1e-15);
  EXPECT_NEAR(static_cast<double>(ParseStress(UnitsOf(s.cfg), "145.037")), 1.0, 1e-12);
  EXPECT_NEAR(static_cast<double>(ParseTorque(UnitsOf(s.cfg), "8,850749005255468")), 1.0, 1e-12);
  EXPECT_EQ(LengthUnit(UnitsOf(s.cfg)), "in");
  EXPECT_EQ(StressUnit(UnitsOf(s.cfg)), "psi");
  EXPECT_EQ(TorqueUnit(UnitsOf(s.cfg)), "lbfin");
  EXPECT_EQ(MicroUnit(UnitsOf(s.cfg)), "\xE6in");
  EXPECT_NEAR(static_cast<double>(ToDisplayMicro(UnitsOf(s.cfg), 1)), 39.37, 1e-12);
  EXPECT_NEAR(static_cast<double>(ToDisplayLength(UnitsOf(s.cfg), 50.8L)), 2.0, 1e-15);
}

TEST_F(UnitFormats, MetricModeFormatsAsGiven) {
  s.cfg.unit_flag = 0;
  EXPECT_EQ(FormatLength(UnitsOf(s.cfg), 25.4L), "25.4");
  EXPECT_EQ(FormatLengthFixed(UnitsOf(s.cfg), 6, 3, 25.4L), "    25.400");
  EXPECT_EQ(FormatStressFixed(UnitsOf(s.cfg), 6, 1, 100), "   100.0");
  EXPECT_EQ(FormatTorqueFixed(UnitsOf(s.cfg), 5, 2, 10), "   10.00");
  EXPECT_EQ(ParseLength(UnitsOf(s.cfg), "0,45"), 0.45L);
  EXPECT_EQ(LengthUnit(UnitsOf(s.cfg)), "mm");
  EXPECT_EQ(StressUnit(UnitsOf(s.cfg)), "MPa");
  EXPECT_EQ(TorqueUnit(UnitsOf(s.cfg)), "Nm");
  EXPECT_EQ(MicroUnit(UnitsOf(s.cfg)), "\xE6m");
  EXPECT_EQ(DegreeUnit(UnitsOf(s.cfg)), "\xF8");
  s.cfg.plain_text_mode = 1;
  EXPECT_EQ(MicroUnit(UnitsOf(s.cfg)), "um");
  EXPECT_EQ(DegreeUnit(UnitsOf(s.cfg)), "deg");
  s.cfg.unit_flag = 1;
  EXPECT_EQ(MicroUnit(UnitsOf(s.cfg)), "uin");
}

TEST_F(UnitFormats, SessionSettingsReachTheFormats) {
  s.cfg.decimals = 5;
  s.cfg.decimal_separator = 2;
  EXPECT_EQ(FormatFixed(StyleOf(s.cfg), 5, 0, 12.5L), "   12,50");
  EXPECT_EQ(PointStyle(s.cfg).separator, 1);
  EXPECT_EQ(PointStyle(s.cfg).decimals, 5);
}

}  // namespace
}  // namespace kv9
