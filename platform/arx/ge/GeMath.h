#pragma once
// Small numeric helpers shared by the geometry classes (our own, not host names).
#include <cmath>

namespace VeskGe {

constexpr double kPi = 3.14159265358979323846;
constexpr double kTwoPi = 6.28318530717958647692;
constexpr double kHalfPi = 1.57079632679489661923;

// An angle brought into [0, 2π).
inline double normalizeAngle(double a) {
  if (!std::isfinite(a)) return 0.0;
  double r = std::fmod(a, kTwoPi);
  if (r < 0.0) r += kTwoPi;
  if (r >= kTwoPi) r = 0.0;
  return r;
}

// sin(x)/x, accurate near 0.
inline double sinc(double x) {
  const double x2 = x * x;
  if (x2 < 1e-4) return 1.0 - x2 / 6.0 * (1.0 - x2 / 20.0 * (1.0 - x2 / 42.0));
  return std::sin(x) / x;
}

// asin(x)/x for |x| <= 1, accurate near 0.
inline double asinc(double x) {
  const double x2 = x * x;
  if (x2 < 1e-4) return 1.0 + x2 / 6.0 * (1.0 + x2 * 9.0 / 20.0 * (1.0 + x2 * 25.0 / 42.0));
  if (x > 1.0) x = 1.0;
  if (x < -1.0) x = -1.0;
  return std::asin(x) / x;
}

// x - sin(x), accurate near 0.
inline double xMinusSin(double x) {
  if (std::fabs(x) < 0.5) {
    // x^3/3! - x^5/5! + x^7/7! - ...
    const double x2 = x * x;
    double term = x * x2 / 6.0;
    double sum = term;
    for (int k = 5; k < 40; k += 2) {
      term *= -x2 / (double(k - 1) * double(k));
      sum += term;
      if (std::fabs(term) < 1e-18 * std::fabs(sum)) break;
    }
    return sum;
  }
  return x - std::sin(x);
}

}  // namespace VeskGe
