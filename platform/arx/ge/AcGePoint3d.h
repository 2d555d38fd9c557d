#pragma once
// A 3D point.
#include "arx/base/AdeskTypes.h"
#include "arx/ge/AcGeContext.h"
#include "arx/ge/AcGePoint2d.h"
#include "arx/ge/AcGeVector3d.h"

class AcGeMatrix3d;
class AcGePlane;

class AcGePoint3d {
 public:
  AcGePoint3d() : x(0.0), y(0.0), z(0.0) {}
  AcGePoint3d(double xx, double yy, double zz) : x(xx), y(yy), z(zz) {}
  // The point of plane coordinates pnt2d on the plane.
  AcGePoint3d(const AcGePlane& plane, const AcGePoint2d& pnt2d);

  static const AcGePoint3d kOrigin;

  friend AcGePoint3d operator*(const AcGeMatrix3d& mat, const AcGePoint3d& pnt);
  AcGePoint3d& setToProduct(const AcGeMatrix3d& mat, const AcGePoint3d& pnt);
  AcGePoint3d& transformBy(const AcGeMatrix3d& leftSide);
  AcGePoint3d& rotateBy(double angle, const AcGeVector3d& vec, const AcGePoint3d& wrtPoint = AcGePoint3d::kOrigin);
  AcGePoint3d& mirror(const AcGePlane& plane);
  AcGePoint3d& scaleBy(double scaleFactor, const AcGePoint3d& wrtPoint = AcGePoint3d::kOrigin);
  // The plane coordinates of this point (after projecting it onto the plane).
  AcGePoint2d convert2d(const AcGePlane& plane) const;

  AcGePoint3d operator*(double scl) const { return AcGePoint3d(x * scl, y * scl, z * scl); }
  friend AcGePoint3d operator*(double scl, const AcGePoint3d& p) { return p * scl; }
  AcGePoint3d& operator*=(double scl) {
    x *= scl;
    y *= scl;
    z *= scl;
    return *this;
  }
  AcGePoint3d operator/(double scl) const { return AcGePoint3d(x / scl, y / scl, z / scl); }
  AcGePoint3d& operator/=(double scl) {
    x /= scl;
    y /= scl;
    z /= scl;
    return *this;
  }
  AcGePoint3d operator+(const AcGeVector3d& v) const { return AcGePoint3d(x + v.x, y + v.y, z + v.z); }
  AcGePoint3d& operator+=(const AcGeVector3d& v) {
    x += v.x;
    y += v.y;
    z += v.z;
    return *this;
  }
  AcGePoint3d operator-(const AcGeVector3d& v) const { return AcGePoint3d(x - v.x, y - v.y, z - v.z); }
  AcGePoint3d& operator-=(const AcGeVector3d& v) {
    x -= v.x;
    y -= v.y;
    z -= v.z;
    return *this;
  }
  AcGeVector3d operator-(const AcGePoint3d& p) const { return AcGeVector3d(x - p.x, y - p.y, z - p.z); }
  AcGePoint3d& setToSum(const AcGePoint3d& p, const AcGeVector3d& v) {
    x = p.x + v.x;
    y = p.y + v.y;
    z = p.z + v.z;
    return *this;
  }
  AcGeVector3d asVector() const { return AcGeVector3d(x, y, z); }

  double distanceTo(const AcGePoint3d& pnt) const;
  // Orthogonal projection onto the plane, and projection along a direction
  // (the point itself when the direction is parallel to the plane).
  AcGePoint3d orthoProject(const AcGePlane& plane) const;
  AcGePoint3d project(const AcGePlane& plane, const AcGeVector3d& vec) const;

  Adesk::Boolean isEqualTo(const AcGePoint3d& pnt, const AcGeTol& tol = AcGeContext::gTol) const;
  bool operator==(const AcGePoint3d& p) const { return isEqualTo(p); }
  bool operator!=(const AcGePoint3d& p) const { return !isEqualTo(p); }

  double operator[](unsigned int i) const { return i == 0 ? x : (i == 1 ? y : z); }
  double& operator[](unsigned int i) { return i == 0 ? x : (i == 1 ? y : z); }
  AcGePoint3d& set(double xx, double yy, double zz) {
    x = xx;
    y = yy;
    z = zz;
    return *this;
  }
  AcGePoint3d& set(const AcGePlane& plane, const AcGePoint2d& pnt2d);

  double x, y, z;
};
