// Dimensions over and between balls, span counts and the proposed ball diameter.
#include "calc/pin_measurement.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "calc/spline_calculation.h"
#include "support/calc_reference.h"
#include "support/calc_state.h"

namespace kv9 {
namespace {

using Messages = std::vector<std::string>;

class PinMeasurementTest : public ::testing::Test {
 protected:
  void Run(int N, int tolerance_class = 2) {
    test::ApplyInputs(ds, {.pitch_index = 7, .N = N, .tolerance_class = tolerance_class});
    SplineCalculation(s.calcContext());
    ASSERT_FALSE(s.fatal_flag);
  }
  test::CalcState t;
  test::CalcState& s = t;
  SplineDataSet& ds = t.ds;
};

TEST_F(PinMeasurementTest, ProposedBallDiameterAndItsRounding) {
  Run(20);
  const Real dm = ProposedBallDiameter(s.calcContext(), 0, 0);
  EXPECT_NEAR(dm, 4.836L, 5e-4L);
  EXPECT_NEAR(dm, test::RefBallProposal(20, 2.54L, test::RefRad(30), 0), 1e-12L);
  EXPECT_NEAR(RoundBallDiameter(false, dm), 4.8L, 1e-15L);
  // the hub's ball sits in a tooth space of the internal gear
  EXPECT_NEAR(ProposedBallDiameter(s.calcContext(), 1, 0),
              test::RefBallProposal(-20, 2.54L, test::RefRad(30), 0), 1e-12L);
  // halves go to the even tenth
  EXPECT_NEAR(RoundBallDiameter(false, 4.25L), 4.2L, 1e-15L);
  EXPECT_NEAR(RoundBallDiameter(false, 4.75L), 4.8L, 1e-15L);
  // in inch mode to thousandths of an inch: 0.19040 in -> 0.190 in
  EXPECT_NEAR(RoundBallDiameter(true, dm), 0.190L * 25.4L, 1e-15L);
  EXPECT_TRUE(s.messages.entries.empty());
}

TEST_F(PinMeasurementTest, EvenAndOddNumbersOfTeeth) {
  for (int N : {20, 21}) {
    Run(N);
    const Real alpha = test::RefRad(30);
    EXPECT_NEAR(ds.MdR[0], test::RefBallDimension(N, 2.54L, alpha, 0, ds.dm1), 1e-9L) << N;
    EXPECT_NEAR(ds.MdR[1], test::RefBallDimension(-N, 2.54L, alpha, 0, ds.dm2), 1e-9L) << N;
    EXPECT_NEAR(ds.MdRmin[0], test::RefBallDimension(N, 2.54L, alpha, ds.xemin[0], ds.dm1), 1e-9L);
    EXPECT_NEAR(ds.MdRmax[1], test::RefBallDimension(-N, 2.54L, alpha, ds.xemax[1], ds.dm2), 1e-9L);
  }
}

TEST_F(PinMeasurementTest, SignsAndTheClassFactor) {
  Run(30, 1);  // class 4
  const Real shaft_spread4 = ds.MdRmax[0] - ds.MdRmin[0];
  EXPECT_GT(shaft_spread4, 0);
  EXPECT_LT(ds.MdRmin[1], ds.MdRmax[1]);  // hub: larger magnitude at the minimum tooth
  EXPECT_LT(ds.MdRmax[1], 0);
  Run(30, 4);                                                 // class 7
  EXPECT_GT(ds.MdRmax[0] - ds.MdRmin[0], 2 * shaft_spread4);  // f = 2.0 against 0.71
}

TEST_F(PinMeasurementTest, SpanCountsFilledInWhenZero) {
  ds.k1 = 0, ds.k2 = 0;
  Run(20);
  // k = trunc(z alpha y / pi + 1); with x = 0 alpha y = alpha
  EXPECT_EQ(ds.k1, static_cast<int>(20.0L / 6 + 1));
  EXPECT_EQ(ds.k2, static_cast<int>(-20.0L / 6 + 1));  // -2: the hub's formula value is kept
  ds.k1 = 3;
  SplineCalculation(s.calcContext());
  EXPECT_EQ(ds.k1, 3);
  EXPECT_EQ(ds.k2, -2);

  // an arccos argument out of range while filling in: message, k = 1, not fatal
  MessageClear(s.messages, s.fatal_flag);
  ds.k1 = 0;
  ds.x[0] = -5;
  MeasurementStep(s.calcContext());
  EXPECT_EQ(ds.k1, 1);
  EXPECT_EQ(s.messages.entries.front(), "Fatal  : Zahnweite ! (acos)");
  EXPECT_FALSE(s.fatal_flag);
}

TEST_F(PinMeasurementTest, ProposalFailures) {
  Run(20);
  MessageClear(s.messages, s.fatal_flag);
  EXPECT_EQ(SpanCountProposal(s.calcContext(), 0, -5), 1);
  EXPECT_EQ(ProposedBallDiameter(s.calcContext(), 0, -5), 0);
  EXPECT_EQ(s.messages.entries, (Messages{"Fehler : kmess (acos)", "Fehler : DmMess (acos)",
                                          "Fatal  : Kugelma\xE1 DmMess !"}));
  EXPECT_FALSE(s.fatal_flag);

  test::CalcState fresh;  // never calculated: z = 0
  EXPECT_EQ(SpanCountProposal(fresh.calcContext(), 0, 0), 0);
  EXPECT_TRUE(fresh.fatal_flag);
  EXPECT_EQ(fresh.messages.entries, Messages{"Fatal  : z = 0 !"});
}

TEST_F(PinMeasurementTest, BallTooSmallAndFatalState) {
  ds.dm1 = 0;
  Run(20);
  EXPECT_EQ(s.messages.entries.front(), "Fehler : Dm ball !  (1)");
  EXPECT_TRUE(std::isfinite(ds.MdR[0]));

  const auto mdr = ds.MdR;
  ds.dm1 = 6;
  s.fatal_flag = true;
  MeasurementStep(s.calcContext());
  EXPECT_EQ(ds.MdR, mdr);
}

}  // namespace
}  // namespace kv9
