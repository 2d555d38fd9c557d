#pragma once
// Scale factors along the three axes.
#include "arx/base/AdeskTypes.h"
#include "arx/ge/AcGeContext.h"

class AcGeMatrix3d;

class AcGeScale3d {
 public:
  AcGeScale3d() : sx(1.0), sy(1.0), sz(1.0) {}
  explicit AcGeScale3d(double factor) : sx(factor), sy(factor), sz(factor) {}
  AcGeScale3d(double xFactor, double yFactor, double zFactor) : sx(xFactor), sy(yFactor), sz(zFactor) {}

  static const AcGeScale3d kIdentity;

  AcGeScale3d operator*(const AcGeScale3d& s) const { return AcGeScale3d(sx * s.sx, sy * s.sy, sz * s.sz); }
  AcGeScale3d& operator*=(const AcGeScale3d& s) { return *this = *this * s; }
  AcGeScale3d operator*(double f) const { return AcGeScale3d(sx * f, sy * f, sz * f); }
  AcGeScale3d& operator*=(double f) { return *this = *this * f; }
  friend AcGeScale3d operator*(double f, const AcGeScale3d& s) { return s * f; }
  AcGeScale3d& setToProduct(const AcGeScale3d& s1, const AcGeScale3d& s2) { return *this = s1 * s2; }
  AcGeScale3d& setToProduct(const AcGeScale3d& s, double f) { return *this = s * f; }
  AcGeScale3d inverse() const { return AcGeScale3d(1.0 / sx, 1.0 / sy, 1.0 / sz); }
  AcGeScale3d& invert() { return *this = inverse(); }

  // Non-zero factors (a proper scale can be inverted).
  Adesk::Boolean isProperScale() const { return sx != 0.0 && sy != 0.0 && sz != 0.0; }
  Adesk::Boolean isEqualTo(const AcGeScale3d& s, const AcGeTol& tol = AcGeContext::gTol) const;
  bool operator==(const AcGeScale3d& s) const { return isEqualTo(s); }
  bool operator!=(const AcGeScale3d& s) const { return !isEqualTo(s); }

  double operator[](unsigned int i) const { return i == 0 ? sx : (i == 1 ? sy : sz); }
  double& operator[](unsigned int i) { return i == 0 ? sx : (i == 1 ? sy : sz); }
  AcGeScale3d& set(double xFactor, double yFactor, double zFactor) {
    sx = xFactor;
    sy = yFactor;
    sz = zFactor;
    return *this;
  }

  // The diagonal matrix of these factors.
  void getMatrix(AcGeMatrix3d& mat) const;
  operator AcGeMatrix3d() const;

  double sx, sy, sz;
};
