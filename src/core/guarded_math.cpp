#include "core/guarded_math.h"

#include <cmath>
#include <string>

#include "core/message_list.h"

namespace kv9 {

Real SafeTan(MessageList& m, Real a) {
  Real c = std::cos(a);
  if (c == 0) {
    MessageAdd(m, "Error: function tan in Unit math");
    return 1e30L;
  }
  return std::sin(a) / c;
}

Real SafeArcSin(MessageList& m, Real x) {
  if (std::fabs(x) > 1) {
    MessageAdd(m, "Error: ArcSin in unit math");
    return kPi / 2;
  }
  if (x == 1) return kPi / 2;
  if (x == -1) return -kPi / 2;
  return std::atan(x / std::sqrt(1 - x * x));
}

Real SafeArcCos(MessageList& m, Real x) {
  if (std::fabs(x) > 1) {
    MessageAdd(m, "Error: function ArcCos in math");
    return 0;
  }
  if (x == 1) return 0;
  if (x == -1) return kPi;
  return kPi / 2 - std::atan(x / std::sqrt(1 - x * x));
}

Real ArcCosMsg(MessageList& m, std::string_view name, Real x) {
  if (std::fabs(x) > 1) {
    if (!name.empty()) MessageAdd(m, std::string(name) + " (acos)");
    return 0;
  }
  return SafeArcCos(m, x);
}

Real SqrtMsg(MessageList& m, std::string_view name, Real x) {
  if (x < 0) {
    if (!name.empty()) MessageAdd(m, std::string(name) + " (sqrt)");
    return 0;
  }
  return std::sqrt(x);
}

Real PowerMsg(MessageList& m, std::string_view name, Real e, Real b) {
  if (b == 0) return 0;
  if (b < 0) {
    if (!name.empty()) MessageAdd(m, std::string(name) + " (pow)");
    b = -b;
  }
  Real l = e * std::log(b);
  if (l > 3000) return 1e3000L;
  if (l < -3000) return 0;
  return std::exp(l);
}

Real IntPower(int n, Real x) {
  if (n == 0) return 1;
  bool negative = n < 0;
  long long k = negative ? -static_cast<long long>(n) : n;
  Real r = 1;
  for (long long i = 0; i < k; ++i) r *= x;
  return negative ? 1 / r : r;
}

Real Pow10(Real x) {
  return std::pow(10.0L, x);
}

Real Log10(Real x) {
  return x <= 0 ? -1e30L : std::log10(x);
}

Real Inv(MessageList& m, Real a) {
  return SafeTan(m, a) - a;
}

Real ArcInv(MessageList& m, Real v) {
  Real lo = -1.57L, hi = 1.57L;
  for (int i = 0; i < 800; ++i) {
    Real mid = (lo + hi) / 2;
    Real f = Inv(m, mid) - v;
    if (std::fabs(f) < 1e-15L) return mid;
    // inv is increasing on (-pi/2, pi/2)
    if (f < 0)
      lo = mid;
    else
      hi = mid;
  }
  MessageAdd(m, "Error: ArcInv in unit math");
  return 0;
}

Real RoundHalfEven(Real x) {
  Real r = std::nearbyint(x);  // the default rounding mode is to nearest, ties to even
  return r;
}

Real RoundTo(int decimals, Real x) {
  Real f = Pow10(decimals);
  return RoundHalfEven(x * f) / f;
}

Real RadToDeg(Real x) {
  return x * 180 / kPi;
}
Real DegToRad(Real x) {
  return x * kPi / 180;
}

Real NormAngle(Real a) {
  Real r = std::fmod(a, 2 * kPi);
  if (r < 0) r += 2 * kPi;
  if (r >= 2 * kPi) r = 0;
  return r;
}

Real AngleDiffDeg(Real a, Real b) {
  Real d = std::fmod(RadToDeg(a - b), 360.0L);
  if (d < 0) d += 360;
  if (d >= 360) d = 0;
  return d;
}

Real VectorAngle(Real x, Real y) {
  if (x == 0) return y >= 0 ? kPi / 2 : -kPi / 2;
  Real a = std::atan(y / x);
  return x < 0 ? a + kPi : a;
}

Real VectorLength(Real x, Real y) {
  return std::sqrt(x * x + y * y);
}

void RotateXY(Real angle, Real& x, Real& y) {
  Real c = std::cos(angle), sn = std::sin(angle);
  Real nx = x * c - y * sn;
  Real ny = x * sn + y * c;
  x = nx;
  y = ny;
}

int Log10Int(Real x) {
  if (x == 0 || !std::isfinite(x)) return 0;
  return static_cast<int>(std::floor(std::log10(std::fabs(x))));
}

bool NearlyEqual(Real a, Real b) {
  return std::fabs(b - a) < 1e-5L;
}

Real PercentDiff(Real a, Real b) {
  return b == 0 ? 0 : std::fabs((a - b) / b) * 100;
}

}  // namespace kv9
