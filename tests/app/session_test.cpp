#include "app/session.h"

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
  // dimensions and tolerances: first table entries, zeros where a value is derived
  EXPECT_EQ(ds.pitch_index, 1);
  EXPECT_EQ(ds.alpha_index, 1);
  EXPECT_EQ(ds.fit_index, 1);
  EXPECT_EQ(ds.N, 38);
  for (Real v : {ds.b, ds.b1, ds.b2, ds.od, ds.din, ds.coi, ds.coe, ds.torque, ds.sac, ds.sas})
    EXPECT_EQ(v, 0.0L);
  EXPECT_EQ(ds.tolerance_class, 1);
  EXPECT_EQ(ds.fit_class, 1);
  EXPECT_EQ(ds.quality_standard, 1);
  EXPECT_EQ(ds.k1, 0);
  EXPECT_EQ(ds.k2, 0);
  // stress selections all "self-defined", every factor 1
  for (int i :
       {ds.mat_index, ds.spline_index, ds.revolution_index, ds.powersource_index, ds.load_index,
        ds.misalign_index, ds.facewidth_index, ds.torques_index, ds.cycletype_index})
    EXPECT_EQ(i, 0);
  for (Real v : {ds.lw, ds.lf, ds.ko, ds.km}) EXPECT_EQ(v, 1.0L);
  EXPECT_EQ(ds.dm1, 6.0L);
  EXPECT_EQ(ds.dm2, 5.25L);
  EXPECT_EQ(ds.material[0].designation, "30CrMoV9");
  EXPECT_EQ(ds.material[0].strength, 1050);
  EXPECT_EQ(ds.material[1].designation, "EN-GJL-300");
  EXPECT_EQ(ds.material[1].strength, 230);
  EXPECT_EQ(ds.P, 8.0L);
  EXPECT_EQ(ds.phi_d, 30.0L);
  EXPECT_EQ(ds.mn, 3.0L);
  EXPECT_EQ(ds.x, (Pair<Real>{0.45L, 0.45L}));
  EXPECT_EQ(ds.reference_diameter, 120.0L);
  EXPECT_EQ(ds.hap0_mn, (Pair<Real>{1.25L, 1.25L}));
  EXPECT_EQ(ds.hfp0_mn, (Pair<Real>{1.0L, 1.0L}));
  EXPECT_EQ(ds.rhoap0_mn, (Pair<Real>{0.25L, 0.25L}));
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
