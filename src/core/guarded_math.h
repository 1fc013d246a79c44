// Mathematics that never fails: domain errors give a substitute value and add a text to the
// calculation message list, which the user sees after the calculation. Angles in radians.
#pragma once

#include <string_view>

#include "core/real.h"

namespace kv9 {

struct MessageList;

Real SafeTan(MessageList& m, Real a);
Real SafeArcSin(MessageList& m, Real x);
Real SafeArcCos(MessageList& m, Real x);
Real ArcCosMsg(MessageList& m, std::string_view name, Real x);
Real SqrtMsg(MessageList& m, std::string_view name, Real x);
Real PowerMsg(MessageList& m, std::string_view name, Real e, Real b);  // b to the power e
Real IntPower(int n, Real x);
Real Pow10(Real x);
Real Log10(Real x);                  // -1e30 for x <= 0
Real Inv(MessageList& m, Real a);    // involute function tan a - a
Real ArcInv(MessageList& m, Real v);  // the angle in [-1.57, 1.57] whose involute is v
Real RoundTo(int decimals, Real x);  // halves to the even neighbour
Real RoundHalfEven(Real x);          // to the nearest integer, halves to even
Real RadToDeg(Real x);
Real DegToRad(Real x);
Real NormAngle(Real a);             // reduced to [0, 2 pi)
Real AngleDiffDeg(Real a, Real b);  // (a - b) in degrees reduced to [0, 360); a, b in radians
Real VectorAngle(Real x, Real y);
Real VectorLength(Real x, Real y);
void RotateXY(Real angle, Real& x, Real& y);
int Log10Int(Real x);  // floor(log10 |x|), 0 for x = 0
bool NearlyEqual(Real a, Real b);
Real PercentDiff(Real a, Real b);
inline Real MaxReal(Real a, Real b) {
  return a > b ? a : b;
}
inline Real MinReal(Real a, Real b) {
  return a < b ? a : b;
}
inline Real ClampReal(Real x, Real lo, Real hi) {
  return x < lo ? lo : (x > hi ? hi : x);
}
inline int MaxInt(int a, int b) {
  return a > b ? a : b;
}
inline int MinInt(int a, int b) {
  return a < b ? a : b;
}
inline int ClampInt(int x, int lo, int hi) {
  return x < lo ? lo : (x > hi ? hi : x);
}
inline bool IsEven(long long n) {
  return n % 2 == 0;
}

}  // namespace kv9
