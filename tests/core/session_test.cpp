#include "core/session.h"

#include <gtest/gtest.h>

#include "support/test_session.h"

namespace kv9 {
namespace {

TEST(Session, StartsWithTheListedStartValues) {
  test::TestSession t;
  const SplineDataSet& ds = t.s.ds;
  EXPECT_EQ(ds.drawing_name_shaft, "Zahnwelle");
  EXPECT_EQ(ds.drawing_number_shaft, "000000");
  EXPECT_EQ(ds.drawing_name_hub, "Zahnnabe");
  EXPECT_EQ(ds.drawing_number_hub, "");
  EXPECT_EQ(ds.pitch_index, 1);
  EXPECT_EQ(ds.N, 38);
  EXPECT_EQ(ds.dm1, 6.0L);
  EXPECT_EQ(ds.dm2, 5.25L);
  EXPECT_EQ(ds.lw * ds.lf * ds.ko * ds.km, 1.0L);
  EXPECT_EQ(ds.material[0].designation, "30CrMoV9");
  EXPECT_EQ(ds.material[0].strength, 1050);
  EXPECT_EQ(ds.material[1].designation, "EN-GJL-300");
  EXPECT_EQ(ds.material[1].strength, 230);
  EXPECT_EQ(ds.P, 8.0L);
  EXPECT_EQ(ds.phi_d, 30.0L);
  EXPECT_EQ(ds.mn, 3.0L);
  EXPECT_EQ(ds.x[1], 0.45L);
  EXPECT_EQ(ds.reference_diameter, 120.0L);
  EXPECT_EQ(ds.rhoap0_mn[0], 0.25L);
  EXPECT_EQ(ds.involute_points, 20);
  EXPECT_EQ(ds.carried.reals5[4], 0.1L);
  EXPECT_EQ(ds.carried.last, 0);
  const Session& s = t.s;
  EXPECT_TRUE(s.current_file.empty());
  EXPECT_FALSE(s.modified || s.abort_flag || s.fatal_flag);
  EXPECT_TRUE(s.save_confirm_overwrite);
  EXPECT_TRUE(s.show_errors);
  EXPECT_EQ(s.cfg.unit_flag, 1);
  EXPECT_EQ(s.cfg.decimals, 3);
  EXPECT_EQ(ProgramTitle(), "KV9 - SAE Zahnwellenverbindung");
}

}  // namespace
}  // namespace kv9
