#pragma once
// A 3D vector.
#include "arx/base/AdeskTypes.h"
#include "arx/ge/AcGeContext.h"
#include "arx/ge/AcGeEnums.h"
#include "arx/ge/AcGeVector2d.h"

class AcGeMatrix3d;
class AcGePlane;

class AcGeVector3d {
 public:
  AcGeVector3d() : x(0.0), y(0.0), z(0.0) {}
  AcGeVector3d(double xx, double yy, double zz) : x(xx), y(yy), z(zz) {}
  // The vector of plane coordinates vec on the plane's axes.
  AcGeVector3d(const AcGePlane& plane, const AcGeVector2d& vec);

  static const AcGeVector3d kIdentity;  // the zero vector
  static const AcGeVector3d kXAxis;
  static const AcGeVector3d kYAxis;
  static const AcGeVector3d kZAxis;

  // Products with a matrix act on the linear part only (no translation).
  friend AcGeVector3d operator*(const AcGeMatrix3d& mat, const AcGeVector3d& vec);
  friend AcGeVector3d operator*(double scl, const AcGeVector3d& vec) { return vec * scl; }
  AcGeVector3d& setToProduct(const AcGeMatrix3d& mat, const AcGeVector3d& vec);
  AcGeVector3d& setToProduct(const AcGeVector3d& vec, double scl);
  AcGeVector3d& transformBy(const AcGeMatrix3d& leftSide);
  // Right-handed rotation about axis (a zero axis leaves the vector unchanged).
  AcGeVector3d& rotateBy(double angle, const AcGeVector3d& axis);
  // Reflection in the plane through the origin with the given normal.
  AcGeVector3d& mirror(const AcGeVector3d& normalToPlane);
  // The plane coordinates of this vector on the plane's axes.
  AcGeVector2d convert2d(const AcGePlane& plane) const;

  AcGeVector3d operator*(double scl) const { return AcGeVector3d(x * scl, y * scl, z * scl); }
  AcGeVector3d& operator*=(double scl) {
    x *= scl;
    y *= scl;
    z *= scl;
    return *this;
  }
  AcGeVector3d operator/(double scl) const { return AcGeVector3d(x / scl, y / scl, z / scl); }
  AcGeVector3d& operator/=(double scl) {
    x /= scl;
    y /= scl;
    z /= scl;
    return *this;
  }
  AcGeVector3d operator+(const AcGeVector3d& v) const { return AcGeVector3d(x + v.x, y + v.y, z + v.z); }
  AcGeVector3d& operator+=(const AcGeVector3d& v) {
    x += v.x;
    y += v.y;
    z += v.z;
    return *this;
  }
  AcGeVector3d operator-(const AcGeVector3d& v) const { return AcGeVector3d(x - v.x, y - v.y, z - v.z); }
  AcGeVector3d& operator-=(const AcGeVector3d& v) {
    x -= v.x;
    y -= v.y;
    z -= v.z;
    return *this;
  }
  AcGeVector3d operator-() const { return AcGeVector3d(-x, -y, -z); }
  AcGeVector3d& setToSum(const AcGeVector3d& v1, const AcGeVector3d& v2) {
    x = v1.x + v2.x;
    y = v1.y + v2.y;
    z = v1.z + v2.z;
    return *this;
  }
  AcGeVector3d& negate() {
    x = -x;
    y = -y;
    z = -z;
    return *this;
  }

  // A unit vector perpendicular to this one, chosen by the arbitrary-axis rule
  // (the X axis of the entity coordinate system whose Z axis is this vector).
  AcGeVector3d perpVector() const;
  // Unsigned angle, in [0, π].
  double angleTo(const AcGeVector3d& vec) const;
  // Angle from this vector to vec measured counter-clockwise about refVec, in [0, 2π).
  double angleTo(const AcGeVector3d& vec, const AcGeVector3d& refVec) const;
  // Angle of the projection of this vector into the plane, measured from the plane's X axis.
  double angleOnPlane(const AcGePlane& plane) const;

  AcGeVector3d normal(const AcGeTol& tol = AcGeContext::gTol) const;
  AcGeVector3d& normalize(const AcGeTol& tol = AcGeContext::gTol);
  AcGeVector3d& normalize(const AcGeTol& tol, AcGeError& flag);

  double length() const;
  double lengthSqrd() const { return x * x + y * y + z * z; }
  Adesk::Boolean isUnitLength(const AcGeTol& tol = AcGeContext::gTol) const;
  Adesk::Boolean isZeroLength(const AcGeTol& tol = AcGeContext::gTol) const;
  // Direction tests: a zero-length vector is parallel, codirectional or
  // perpendicular to nothing.
  Adesk::Boolean isParallelTo(const AcGeVector3d& vec, const AcGeTol& tol = AcGeContext::gTol) const;
  Adesk::Boolean isCodirectionalTo(const AcGeVector3d& vec, const AcGeTol& tol = AcGeContext::gTol) const;
  Adesk::Boolean isPerpendicularTo(const AcGeVector3d& vec, const AcGeTol& tol = AcGeContext::gTol) const;

  double dotProduct(const AcGeVector3d& v) const { return x * v.x + y * v.y + z * v.z; }
  AcGeVector3d crossProduct(const AcGeVector3d& v) const {
    return AcGeVector3d(y * v.z - z * v.y, z * v.x - x * v.z, x * v.y - y * v.x);
  }

  // Projection onto the plane with normal planeNormal along projectDirection
  // (unchanged when the direction lies in the plane).
  AcGeVector3d project(const AcGeVector3d& planeNormal, const AcGeVector3d& projectDirection) const;
  AcGeVector3d orthoProject(const AcGeVector3d& planeNormal) const;

  Adesk::Boolean isEqualTo(const AcGeVector3d& vec, const AcGeTol& tol = AcGeContext::gTol) const;
  bool operator==(const AcGeVector3d& vec) const { return isEqualTo(vec); }
  bool operator!=(const AcGeVector3d& vec) const { return !isEqualTo(vec); }

  double operator[](unsigned int i) const { return i == 0 ? x : (i == 1 ? y : z); }
  double& operator[](unsigned int i) { return i == 0 ? x : (i == 1 ? y : z); }
  // Index of the coordinate of largest magnitude.
  unsigned int largestElement() const;

  AcGeVector3d& set(double xx, double yy, double zz) {
    x = xx;
    y = yy;
    z = zz;
    return *this;
  }
  AcGeVector3d& set(const AcGePlane& plane, const AcGeVector2d& vec);

  double x, y, z;
};
