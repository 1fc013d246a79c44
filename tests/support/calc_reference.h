// Independent reference values for the calculation tests: the standard's tables and formulas
// written out again as data, so that a test compares the program with the formulas and not
// with itself.
#pragma once

#include <cmath>

#include "core/real.h"
#include "model/spline_data_set.h"

namespace kv9::test {

inline constexpr Real kRefPitch[17] = {2.5L, 3,  4,  5,  6,  8,  10, 12, 16,
                                       20,   24, 32, 40, 48, 64, 80, 128};
inline constexpr Real kRefAngle[3] = {30, 37.5L, 45};
inline constexpr Real kRefClassFactor[4] = {0.71L, 1.0L, 1.4L, 2.0L};  // classes 4 .. 7

inline Real RefRad(Real deg) {
  return deg * 3.14159265358979323846264338327950288L / 180;
}

// P rounded to the nearest integer, halves to the even neighbour.
inline int RefPitchClass(Real P) {
  Real f = std::floor(P);
  Real frac = P - f;
  int n = static_cast<int>(f);
  if (frac > 0.5L || (frac == 0.5L && n % 2 != 0)) ++n;
  return n;
}

// A table row: valid for P classes up to `upto`, value (a + c N) / 10000 in.
struct RefRow {
  int upto;
  Real a, c;
};

inline Real RefLookup(const RefRow* rows, int count, Real P, int N) {
  int r = RefPitchClass(P);
  for (int i = 0; i < count; ++i)
    if (r <= rows[i].upto) return (rows[i].a + rows[i].c * N) / 10000;
  return 0;
}

inline Real RefMachining(Real P, int N) {
  static const RefRow rows[] = {{3, 14, 0.18L},  {5, 13, 0.15L}, {8, 11, 0.15L},    {12, 11, 0.10L},
                                {48, 11, 0.07L}, {80, 9, 0.06L}, {100000, 9, 0.05L}};
  return RefLookup(rows, 7, P, N);
}

inline Real RefVariation(Real P, int N) {
  static const RefRow rows[] = {{3, 20, 0.35L},  {5, 18, 0.23L},    {8, 15, 0.20L},
                                {12, 14, 0.17L}, {20, 13, 0.12L},   {48, 11, 0.12L},
                                {80, 10, 0.10L}, {100000, 9, 0.08L}};
  return RefLookup(rows, 8, P, N);
}

// cv min of the major diameter fit.
inline Real RefMajorCvMin(Real P, int N) {
  int r = RefPitchClass(P);
  if (r >= 16 && r <= 46) return 0.000015L;
  static const RefRow rows[] = {{0, 0, 0},      {3, 18, 0.20L}, {5, 16, 0.15L},
                                {8, 14, 0.10L}, {9, 0, 0},      {12, 14, 0.07L}};
  if (r > 12) return 0;
  return RefLookup(rows, 6, P, N);
}

// es of the fit class letter at the pitch diameter in inches.
inline Real RefEs(char letter, Real d_inch) {
  switch (letter) {
    case 'd':
      return std::pow(d_inch, 0.44L) / 380;
    case 'e':
      return std::pow(d_inch, 0.41L) / 610;
    case 'f':
      return std::pow(d_inch, 0.41L) / 1220;
    default:
      return 0;
  }
}

inline Real RefInv(Real a) {
  return std::tan(a) - a;
}

inline Real RefArcInv(Real v) {
  Real a = v > 0 ? std::cbrt(3 * v) : 0;
  for (int i = 0; i < 60; ++i) a -= (RefInv(a) - v) / (std::tan(a) * std::tan(a));
  return a;
}

// The proposed ball diameter, unrounded (z negative for the hub).
inline Real RefBallProposal(int z, Real mn, Real alpha, Real x) {
  Real am = std::acos(std::cos(alpha) * z / (z + 2 * x));
  Real c =
      std::tan(am) - RefInv(alpha) + (3.14159265358979323846L - 4 * x * std::tan(alpha)) / (2 * z);
  return mn * z * std::cos(alpha) * (std::tan(c) - std::tan(am));
}

// Dimension over (shaft) or between (hub, negative) balls.
inline Real RefBallDimension(int z, Real mn, Real alpha, Real x, Real dm) {
  const Real pi = 3.14159265358979323846264338327950288L;
  Real db = z * mn * std::cos(alpha);
  Real eta = (pi - 4 * x * std::tan(alpha)) / (2 * z);
  Real ak = RefArcInv(dm / db - eta + RefInv(alpha));
  Real dk = db / std::cos(ak);
  return (z % 2 == 0 ? dk : dk * std::cos(pi / (2 * z))) + dm;
}

// The inputs of one connection.
struct RefInputs {
  int alpha_index = 1, pitch_index = 7, N = 20, fit = 1, tolerance_class = 2, standard = 1,
      fit_class = 4;
};

inline void ApplyInputs(SplineDataSet& ds, const RefInputs& in) {
  ds.alpha_index = in.alpha_index;
  ds.pitch_index = in.pitch_index;
  ds.N = in.N;
  ds.fit_index = in.fit;
  ds.tolerance_class = in.tolerance_class;
  ds.quality_standard = in.standard;
  ds.fit_class = in.fit_class;
}

}  // namespace kv9::test
