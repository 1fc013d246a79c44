// Data sets a file can carry but no dialog produces: every input drawn from a list of values
// that are out of range, zero, negative or extreme, with out-of-table selection indexes.
#pragma once

#include <random>
#include <vector>

#include "core/real.h"
#include "model/spline_data_set.h"

namespace kv9::test {

struct BadValues {
  std::vector<int> teeth;
  std::vector<Real> pitches, angles, lengths, loads;
  std::vector<int> indexes;
};

// Overwrites the inputs of `ds` with values picked from `v`; half the time the pitch and the
// pressure angle are typed values (index 0) instead of table choices.
inline void PickBadInputs(SplineDataSet& ds, const BadValues& v, std::mt19937& rng) {
  auto pick = [&rng](const auto& list) { return list[rng() % list.size()]; };
  ds.N = pick(v.teeth);
  ds.pitch_index = pick(v.indexes) % 18;
  if (rng() % 2) {
    ds.pitch_index = 0;
    ds.P = pick(v.pitches);
  }
  ds.alpha_index = pick(v.indexes) % 4;
  if (rng() % 2) {
    ds.alpha_index = 0;
    ds.phi_d = pick(v.angles);
  }
  ds.fit_index = pick(v.indexes);
  ds.tolerance_class = pick(v.indexes);
  ds.quality_standard = pick(v.indexes);
  ds.fit_class = pick(v.indexes);
  ds.b = pick(v.lengths), ds.b1 = pick(v.lengths), ds.b2 = pick(v.lengths);
  ds.od = pick(v.lengths), ds.din = pick(v.lengths);
  ds.coe = pick(v.lengths), ds.coi = pick(v.lengths);
  ds.dm1 = pick(v.lengths), ds.dm2 = pick(v.lengths);
  ds.k1 = pick(v.teeth), ds.k2 = pick(v.indexes);
  ds.torque = pick(v.loads), ds.sac = pick(v.loads), ds.sas = pick(v.loads);
  ds.ko = pick(v.loads), ds.km = pick(v.loads), ds.lw = pick(v.loads), ds.lf = pick(v.loads);
  ds.mat_index = pick(v.indexes), ds.misalign_index = pick(v.indexes);
}

// Zeros, negatives and out-of-table indexes of ordinary size (no infinities, no NaN, nothing
// beyond what a user could type).
inline BadValues OrdinaryBadValues() {
  return {
      {0, 1, 2, 3, 6, 41, 600, -3},    {0, -8, 0.5L, 2.5L, 10, 128}, {0, -30, 4, 30, 45, 90, 1000},
      {0, -1, 1e-3L, 10, 25.4L, 1e4L}, {0, -100, 1, 1e3L},           {-1, 0, 1, 2, 3, 4, 5, 9}};
}

}  // namespace kv9::test
