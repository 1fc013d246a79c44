#include "core/guarded_math.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/message_list.h"

namespace kv9 {
namespace {

struct GuardedMath : ::testing::Test {
  struct {
    MessageList messages;
    bool fatal_flag = false;
  } s;
  std::vector<std::string> messages() const {
    std::vector<std::string> m;
    for (int i = 1; i <= MessageCount(s.messages); ++i) m.push_back(MessageText(s.messages, i));
    return m;
  }
};

using Strings = std::vector<std::string>;

TEST_F(GuardedMath, InverseTrigonometryOutsideItsDomain) {
  EXPECT_EQ(SafeArcSin(s.messages, 1.5L), kPi / 2);
  EXPECT_EQ(SafeArcSin(s.messages, 1), kPi / 2);
  EXPECT_EQ(SafeArcSin(s.messages, -1), -kPi / 2);
  EXPECT_NEAR(static_cast<double>(SafeArcSin(s.messages, 0.5L)), M_PI / 6, 1e-15);
  EXPECT_EQ(messages(), Strings{"Error: ArcSin in unit math"});
  MessageClear(s.messages, s.fatal_flag);

  EXPECT_EQ(SafeArcCos(s.messages, 1.0000001L), 0);
  EXPECT_EQ(SafeArcCos(s.messages, 1.0000001L), 0);  // the list keeps the message once
  EXPECT_EQ(SafeArcCos(s.messages, 1), 0);
  EXPECT_EQ(SafeArcCos(s.messages, -1), kPi);
  EXPECT_NEAR(static_cast<double>(SafeArcCos(s.messages, 0.5L)), M_PI / 3, 1e-15);
  EXPECT_EQ(messages(), Strings{"Error: function ArcCos in math"});
}

TEST_F(GuardedMath, NamedFunctionsAddTheNameOnlyWhenGiven) {
  EXPECT_EQ(ArcCosMsg(s.messages, "phi", 2), 0);
  EXPECT_EQ(ArcCosMsg(s.messages, "", -2), 0);
  EXPECT_NEAR(static_cast<double>(ArcCosMsg(s.messages, "phi", 0.5L)), M_PI / 3, 1e-15);
  EXPECT_EQ(SqrtMsg(s.messages, "Db", -4), 0);
  EXPECT_EQ(SqrtMsg(s.messages, "", -1), 0);
  EXPECT_EQ(SqrtMsg(s.messages, "Db", 9), 3);
  EXPECT_NEAR(static_cast<double>(PowerMsg(s.messages, "Kt", 2, -3)), 9.0, 1e-15);  // |b|^e
  EXPECT_NEAR(static_cast<double>(PowerMsg(s.messages, "", 2, -3)), 9.0, 1e-15);
  EXPECT_EQ(messages(), (Strings{"phi (acos)", "Db (sqrt)", "Kt (pow)"}));
}

TEST_F(GuardedMath, PowerLimits) {
  EXPECT_EQ(PowerMsg(s.messages, "p", 2, 0), 0);
  EXPECT_EQ(PowerMsg(s.messages, "p", 10000, 10), 1e3000L);
  EXPECT_EQ(PowerMsg(s.messages, "p", -10000, 10), 0);
  EXPECT_NEAR(static_cast<double>(PowerMsg(s.messages, "p", 0.5L, 16)), 4.0, 1e-15);
  EXPECT_EQ(MessageCount(s.messages), 0);
  EXPECT_EQ(IntPower(3, 2), 8);
  EXPECT_EQ(IntPower(-2, 2), 0.25L);
  EXPECT_EQ(IntPower(0, 5), 1);
  EXPECT_EQ(Log10(0), -1e30L);
  EXPECT_EQ(Log10(-1), -1e30L);
  EXPECT_NEAR(static_cast<double>(Log10(1000)), 3.0, 1e-15);
  EXPECT_NEAR(static_cast<double>(Pow10(2)), 100.0, 1e-12);
}

TEST_F(GuardedMath, InvoluteAndItsInverse) {
  EXPECT_NEAR(static_cast<double>(ArcInv(s.messages, Inv(s.messages, 0.3L))), 0.3, 1e-12);
  EXPECT_NEAR(static_cast<double>(ArcInv(s.messages, Inv(s.messages, DegToRad(30)))), 0.5235988,
              5e-8);
  EXPECT_NEAR(static_cast<double>(ArcInv(s.messages, Inv(s.messages, -0.7L))), -0.7, 1e-12);
  EXPECT_EQ(ArcInv(s.messages, 0), 0);
  EXPECT_NEAR(static_cast<double>(Inv(s.messages, kPi / 4)), 1 - M_PI / 4, 1e-15);
  EXPECT_EQ(MessageCount(s.messages), 0);
  EXPECT_EQ(ArcInv(s.messages, 1e6L), 0);  // beyond inv(1.57): no angle in range
  EXPECT_EQ(messages(), Strings{"Error: ArcInv in unit math"});
}

TEST(AngleHelpers, ReduceRotateAndMeasure) {
  EXPECT_NEAR(static_cast<double>(NormAngle(-kPi / 2)), 1.5 * M_PI, 1e-15);
  EXPECT_EQ(NormAngle(2 * kPi), 0);
  EXPECT_NEAR(static_cast<double>(AngleDiffDeg(0, kPi / 2)), 270.0, 1e-12);
  EXPECT_EQ(VectorAngle(0, 1), kPi / 2);
  EXPECT_EQ(VectorAngle(0, 0), kPi / 2);
  EXPECT_EQ(VectorAngle(0, -1), -kPi / 2);
  EXPECT_NEAR(static_cast<double>(VectorAngle(-1, 0)), M_PI, 1e-15);
  EXPECT_NEAR(static_cast<double>(VectorAngle(1, 1)), M_PI / 4, 1e-15);
  EXPECT_EQ(VectorLength(3, 4), 5);
  Real x = 1, y = 0;
  RotateXY(kPi / 2, x, y);
  EXPECT_NEAR(static_cast<double>(x), 0, 1e-15);
  EXPECT_NEAR(static_cast<double>(y), 1, 1e-15);
  EXPECT_NEAR(static_cast<double>(RadToDeg(DegToRad(37.5L))), 37.5, 1e-13);
}

TEST(NumberHelpers, RoundingAndComparisons) {
  EXPECT_EQ(RoundTo(0, 2.5L), 2);
  EXPECT_EQ(RoundTo(0, 3.5L), 4);
  EXPECT_EQ(RoundTo(0, -2.5L), -2);
  EXPECT_EQ(RoundTo(1, 0.25L), 0.2L);
  EXPECT_EQ(RoundHalfEven(0.5L), 0);
  EXPECT_EQ(Log10Int(0), 0);
  EXPECT_EQ(Log10Int(999), 2);
  EXPECT_EQ(Log10Int(1000), 3);
  EXPECT_EQ(Log10Int(-0.05L), -2);
  EXPECT_EQ(Log10Int(std::numeric_limits<Real>::infinity()), 0);
  EXPECT_EQ(Log10Int(std::numeric_limits<Real>::quiet_NaN()), 0);
  EXPECT_TRUE(NearlyEqual(1, 1.000001L));
  EXPECT_FALSE(NearlyEqual(1, 1.0001L));
  EXPECT_EQ(PercentDiff(110, 100), 10);
  EXPECT_EQ(PercentDiff(1, 0), 0);
  EXPECT_EQ(ClampInt(12, 1, 10), 10);
  EXPECT_EQ(ClampReal(-1, 0, 1), 0);
  EXPECT_TRUE(IsEven(-4));
  EXPECT_FALSE(IsEven(3));
}

}  // namespace
}  // namespace kv9
