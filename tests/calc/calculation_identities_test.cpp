// Identities the standard states, checked over generated connections: every pitch, pressure
// angle, fit, class, standard and fit class, numbers of teeth over 6 .. 600, and ball
// diameters from the proposal formula.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "calc/spline_calculation.h"
#include "support/calc_reference.h"
#include "support/calc_state.h"

namespace kv9 {
namespace {

constexpr Real kPiRef = 3.14159265358979323846264338327950288L;

struct Counts {
  int runs = 0, odd = 0;
};

// Checks one connection; returns false (after reporting) on the first broken identity.
bool CheckConnection(test::CalcState& s, const test::RefInputs& in, Counts& counts) {
  auto& ds = s.ds;
  test::ApplyInputs(ds, in);
  const Real P = test::kRefPitch[in.pitch_index - 1];
  const Real alpha = test::RefRad(test::kRefAngle[in.alpha_index - 1]);
  const Real mn = 25.4L / P;
  const Real two_x_tan = (in.alpha_index - 1) * 0.1L;  // 0, 0.1, 0.2
  const Real x1 = two_x_tan / (2 * std::tan(alpha));
  ds.dm1 = test::RefBallProposal(in.N, mn, alpha, x1);
  ds.dm2 = test::RefBallProposal(-in.N, mn, alpha, -x1);
  ds.k1 = ds.k2 = 0;
  ds.b = 0;
  ds.b1 = ds.b2 = 0;
  SplineCalculation(s.calcContext());
  ++counts.runs;
  counts.odd += in.N % 2;

  const std::string where =
      "P=" + std::to_string(static_cast<double>(P)) + " a=" + std::to_string(in.alpha_index) +
      " fit=" + std::to_string(in.fit) + " class=" + std::to_string(in.tolerance_class) +
      " std=" + std::to_string(in.standard) + " fc=" + std::to_string(in.fit_class) +
      " N=" + std::to_string(in.N);
  const bool b1b = in.standard == 2;
  const Real f = test::kRefClassFactor[in.tolerance_class - 1];
  const Real m = test::RefMachining(P, in.N), lambda = test::RefVariation(P, in.N);
  const Real cv = (!b1b && in.fit == 2) ? test::RefMajorCvMin(P, in.N) : 0;
  const Real es = b1b ? test::RefEs("defh"[in.fit_class - 1], in.N / P) : 0;
  const Real clearance = 25.4L * (b1b ? es : cv);  // mm
  const Real T = 25.4L * f * (m + lambda);

  const Real sv_min = 25.4L * (kPiRef / 2 + two_x_tan) / P;
  const Real tol = 1e-9L;
  bool ok = true;
  auto near = [&](const char* what, Real got, Real want, Real eps) {
    if (std::fabs(got - want) <= eps) return;
    ADD_FAILURE() << what << ": " << static_cast<double>(got) << " != " << static_cast<double>(want)
                  << " at " << where;
    ok = false;
  };
  auto check = [&](const char* what, bool cond) {
    if (cond) return;
    ADD_FAILURE() << what << " at " << where;
    ok = false;
  };

  check("no fatal message", !s.fatal_flag && !s.abort_flag);
  near("m", ds.m, m, 1e-18L);
  near("lambda", ds.lambda, lambda, 1e-18L);
  near("cv min", ds.cv_min, cv, 1e-18L);
  near("es", ds.es, es, 1e-15L);
  near("x1", ds.x[0], x1, 1e-15L);
  near("x2", ds.x[1], -x1, 1e-15L);
  near("Sv min", ds.Sv_min, sv_min, tol);
  near("tv max", ds.tv_max, sv_min - clearance, tol);
  near("S max", ds.S_max, sv_min + T, tol);
  near("t min", ds.t_min, ds.tv_max - T, tol);
  near("S max - S min", ds.S_max - ds.S_min, 25.4L * f * m, tol);
  near("jtmin", ds.jtmin, clearance, tol);
  near("jtmax", ds.jtmax, clearance + 2 * T, tol);
  check("shaft MdRmax > MdRmin", ds.MdRmax[0] > ds.MdRmin[0]);
  check("hub values negative", ds.MdR[1] < 0 && ds.MdRmin[1] < 0 && ds.MdRmax[1] < 0);
  check("hub |MdRmin| > |MdRmax|", std::fabs(ds.MdRmin[1]) > std::fabs(ds.MdRmax[1]));
  near("shaft MdR", ds.MdR[0], test::RefBallDimension(in.N, mn, alpha, x1, ds.dm1), 1e-8L);
  near("hub MdR", ds.MdR[1], test::RefBallDimension(-in.N, mn, alpha, -x1, ds.dm2), 1e-8L);
  check("span count of the hub not positive", ds.k2 <= 0);
  for (const auto& msg : s.messages.entries)
    check(("no range message: " + msg).c_str(), msg != "Fehler : Zahlenbereich !");
  return ok;
}

TEST(CalculationIdentities, HoldForEveryTableCombination) {
  test::CalcState t;
  test::CalcState& s = t;
  Counts counts;
  unsigned seed = 12345;
  auto next_teeth = [&seed] {
    seed = seed * 1103515245u + 12345u;
    return 6 + static_cast<int>((seed >> 8) % 595);
  };
  for (int p = 1; p <= 17; ++p)
    for (int a = 1; a <= 3; ++a)
      for (int fit = 1; fit <= 3; ++fit)
        for (int cls = 1; cls <= 4; ++cls)
          for (int standard = 1; standard <= 2; ++standard)
            for (int fc = 1; fc <= 4; ++fc)
              for (int N : {6, next_teeth(), next_teeth(), 600}) {
                test::RefInputs in{a, p, N, fit, cls, standard, fc};
                if (!CheckConnection(s, in, counts)) return;  // one report is enough
              }
  EXPECT_EQ(counts.runs, 17 * 3 * 3 * 4 * 2 * 4 * 4);
  EXPECT_GT(counts.odd, 1000);  // both the even and the odd ball formula were exercised
}

}  // namespace
}  // namespace kv9
