#include "report/results_json.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "support/test_session.h"

namespace kv9 {
namespace {

// The stress checks as the document gives them, for the data set as the test left it.
nlohmann::json Checks(test::TestSession& t) {
  return nlohmann::json::parse(ResultsJson(t.s.reportContext()))["stress_checks"];
}

TEST(ResultsJson, StressChecksWithoutALimitAreNeitherPassedNorFailed) {
  test::TestSession t;
  SplineDataSet& d = t.s.ds;
  EXPECT_TRUE(Checks(t).empty());  // no torque: no checks, as the report has no stress section
  d.torque = 100;
  d.Sc = 40;
  d.Ss = 10;
  d.Se = {30, 20};
  d.sac = 0;  // no allowed compressive stress given: the calculation made no check
  d.sas = 50;
  d.ratio_compressive = 0;
  d.ratio_shear = 5;
  // the shaft's limit 100 against 30 would pass: the verdict is the calculation's
  d.ratio_equivalent = {0.5L, 2};
  nlohmann::json c = Checks(t);
  ASSERT_EQ(c.size(), 4u);
  EXPECT_TRUE(c[0]["ratio"].is_null());
  EXPECT_TRUE(c[0]["pass"].is_null());
  EXPECT_EQ(c[0]["limit"], 0.0);
  EXPECT_DOUBLE_EQ(c[1]["ratio"].get<double>(), 0.2);
  EXPECT_EQ(c[1]["pass"], true);
  EXPECT_EQ(c[2]["member"], "shaft");
  EXPECT_EQ(c[2]["pass"], false);
  EXPECT_EQ(c[3]["pass"], true);

  d.ko = 0;  // Ko Km = 0: no limit at all
  c = Checks(t);
  EXPECT_TRUE(c[1]["limit"].is_null());
  EXPECT_TRUE(c[1]["pass"].is_null());
}

TEST(ResultsJson, ATextThatIsNoUtf8DoesNotStopTheOutput) {
  test::TestSession t;
  t.s.current_file = "b\xFF.kv9";  // a platform file name need not be UTF-8
  t.s.ds.info1 =
      "Pr\x81"
      "fma\xE1";  // code page 850
  nlohmann::json doc = nlohmann::json::parse(ResultsJson(t.s.reportContext()));
  EXPECT_EQ(doc["data_file"], "b\xEF\xBF\xBD.kv9");
  EXPECT_EQ(doc["inputs"]["info1"], "Prüfmaß");
}

}  // namespace
}  // namespace kv9
