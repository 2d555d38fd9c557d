#pragma once
// A 2D vector.
#include "arx/base/AdeskTypes.h"
#include "arx/ge/AcGeContext.h"
#include "arx/ge/AcGeEnums.h"

class AcGeMatrix2d;

class AcGeVector2d {
 public:
  AcGeVector2d() : x(0.0), y(0.0) {}
  AcGeVector2d(double xx, double yy) : x(xx), y(yy) {}

  static const AcGeVector2d kIdentity;  // the zero vector
  static const AcGeVector2d kXAxis;
  static const AcGeVector2d kYAxis;

  // Products with a matrix act on the linear part only (no translation).
  friend AcGeVector2d operator*(const AcGeMatrix2d& mat, const AcGeVector2d& vec);
  friend AcGeVector2d operator*(double scl, const AcGeVector2d& vec) { return vec * scl; }
  AcGeVector2d& setToProduct(const AcGeMatrix2d& mat, const AcGeVector2d& vec);
  AcGeVector2d& setToProduct(const AcGeVector2d& vec, double scl);
  AcGeVector2d& transformBy(const AcGeMatrix2d& leftSide);
  AcGeVector2d& rotateBy(double angle);
  AcGeVector2d& mirror(const AcGeVector2d& line);

  AcGeVector2d operator*(double scl) const { return AcGeVector2d(x * scl, y * scl); }
  AcGeVector2d& operator*=(double scl) {
    x *= scl;
    y *= scl;
    return *this;
  }
  AcGeVector2d operator/(double scl) const { return AcGeVector2d(x / scl, y / scl); }
  AcGeVector2d& operator/=(double scl) {
    x /= scl;
    y /= scl;
    return *this;
  }
  AcGeVector2d operator+(const AcGeVector2d& v) const { return AcGeVector2d(x + v.x, y + v.y); }
  AcGeVector2d& operator+=(const AcGeVector2d& v) {
    x += v.x;
    y += v.y;
    return *this;
  }
  AcGeVector2d operator-(const AcGeVector2d& v) const { return AcGeVector2d(x - v.x, y - v.y); }
  AcGeVector2d& operator-=(const AcGeVector2d& v) {
    x -= v.x;
    y -= v.y;
    return *this;
  }
  AcGeVector2d operator-() const { return AcGeVector2d(-x, -y); }
  AcGeVector2d& setToSum(const AcGeVector2d& v1, const AcGeVector2d& v2) {
    x = v1.x + v2.x;
    y = v1.y + v2.y;
    return *this;
  }
  AcGeVector2d& negate() {
    x = -x;
    y = -y;
    return *this;
  }

  // The vector turned by +90 degrees.
  AcGeVector2d perpVector() const { return AcGeVector2d(-y, x); }
  // Angle from the X axis, in [0, 2π).
  double angle() const;
  // Unsigned angle to vec, in [0, π].
  double angleTo(const AcGeVector2d& vec) const;

  // The unit vector of the same direction; a zero vector (within tol) is returned unchanged.
  AcGeVector2d normal(const AcGeTol& tol = AcGeContext::gTol) const;
  AcGeVector2d& normalize(const AcGeTol& tol = AcGeContext::gTol);
  AcGeVector2d& normalize(const AcGeTol& tol, AcGeError& flag);

  double length() const;
  double lengthSqrd() const { return x * x + y * y; }
  Adesk::Boolean isUnitLength(const AcGeTol& tol = AcGeContext::gTol) const;
  Adesk::Boolean isZeroLength(const AcGeTol& tol = AcGeContext::gTol) const;
  // Direction tests: a zero-length vector is parallel, codirectional or
  // perpendicular to nothing.
  Adesk::Boolean isParallelTo(const AcGeVector2d& vec, const AcGeTol& tol = AcGeContext::gTol) const;
  Adesk::Boolean isCodirectionalTo(const AcGeVector2d& vec, const AcGeTol& tol = AcGeContext::gTol) const;
  Adesk::Boolean isPerpendicularTo(const AcGeVector2d& vec, const AcGeTol& tol = AcGeContext::gTol) const;

  double dotProduct(const AcGeVector2d& v) const { return x * v.x + y * v.y; }

  Adesk::Boolean isEqualTo(const AcGeVector2d& vec, const AcGeTol& tol = AcGeContext::gTol) const;
  bool operator==(const AcGeVector2d& vec) const { return isEqualTo(vec); }
  bool operator!=(const AcGeVector2d& vec) const { return !isEqualTo(vec); }

  double operator[](unsigned int i) const { return i == 0 ? x : y; }
  double& operator[](unsigned int i) { return i == 0 ? x : y; }

  AcGeVector2d& set(double xx, double yy) {
    x = xx;
    y = yy;
    return *this;
  }

  double x, y;
};
