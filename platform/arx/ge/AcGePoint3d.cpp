#include "arx/ge/AcGePoint3d.h"

#include <cmath>

#include "arx/ge/AcGeMatrix3d.h"
#include "arx/ge/AcGePlane.h"

const AcGePoint3d AcGePoint3d::kOrigin(0.0, 0.0, 0.0);

AcGePoint3d::AcGePoint3d(const AcGePlane& plane, const AcGePoint2d& pnt2d) { set(plane, pnt2d); }

AcGePoint3d& AcGePoint3d::set(const AcGePlane& plane, const AcGePoint2d& pnt2d) {
  *this = plane.evalPoint(pnt2d);
  return *this;
}

AcGePoint3d operator*(const AcGeMatrix3d& m, const AcGePoint3d& p) {
  const double xx = m.entry[0][0] * p.x + m.entry[0][1] * p.y + m.entry[0][2] * p.z + m.entry[0][3];
  const double yy = m.entry[1][0] * p.x + m.entry[1][1] * p.y + m.entry[1][2] * p.z + m.entry[1][3];
  const double zz = m.entry[2][0] * p.x + m.entry[2][1] * p.y + m.entry[2][2] * p.z + m.entry[2][3];
  const double w = m.entry[3][0] * p.x + m.entry[3][1] * p.y + m.entry[3][2] * p.z + m.entry[3][3];
  if (w != 1.0 && w != 0.0) return AcGePoint3d(xx / w, yy / w, zz / w);
  return AcGePoint3d(xx, yy, zz);
}

AcGePoint3d& AcGePoint3d::setToProduct(const AcGeMatrix3d& mat, const AcGePoint3d& pnt) {
  *this = mat * pnt;
  return *this;
}

AcGePoint3d& AcGePoint3d::transformBy(const AcGeMatrix3d& leftSide) { return setToProduct(leftSide, *this); }

AcGePoint3d& AcGePoint3d::rotateBy(double angle, const AcGeVector3d& vec, const AcGePoint3d& wrtPoint) {
  AcGeVector3d v = *this - wrtPoint;
  v.rotateBy(angle, vec);
  *this = wrtPoint + v;
  return *this;
}

AcGePoint3d& AcGePoint3d::mirror(const AcGePlane& plane) {
  const AcGePoint3d foot = plane.closestPointTo(*this);
  x = 2.0 * foot.x - x;
  y = 2.0 * foot.y - y;
  z = 2.0 * foot.z - z;
  return *this;
}

AcGePoint3d& AcGePoint3d::scaleBy(double scaleFactor, const AcGePoint3d& wrtPoint) {
  *this = wrtPoint + (*this - wrtPoint) * scaleFactor;
  return *this;
}

AcGePoint2d AcGePoint3d::convert2d(const AcGePlane& plane) const { return plane.paramOf(*this); }

double AcGePoint3d::distanceTo(const AcGePoint3d& pnt) const { return (*this - pnt).length(); }

AcGePoint3d AcGePoint3d::orthoProject(const AcGePlane& plane) const { return plane.closestPointTo(*this); }

AcGePoint3d AcGePoint3d::project(const AcGePlane& plane, const AcGeVector3d& vec) const {
  const AcGeVector3d n = plane.normal();
  const double dn = vec.dotProduct(n);
  if (std::fabs(dn) <= AcGeContext::gTol.equalVector() * vec.length()) return *this;
  const double dist = (*this - plane.pointOnPlane()).dotProduct(n);
  return *this - vec * (dist / dn);
}

Adesk::Boolean AcGePoint3d::isEqualTo(const AcGePoint3d& pnt, const AcGeTol& tol) const {
  return distanceTo(pnt) <= tol.equalPoint();
}
