#include "arx/ge/AcGeVector3d.h"

#include <cmath>

#include "arx/ge/AcGeMatrix3d.h"
#include "arx/ge/AcGePlane.h"
#include "arx/ge/GeMath.h"

const AcGeVector3d AcGeVector3d::kIdentity(0.0, 0.0, 0.0);
const AcGeVector3d AcGeVector3d::kXAxis(1.0, 0.0, 0.0);
const AcGeVector3d AcGeVector3d::kYAxis(0.0, 1.0, 0.0);
const AcGeVector3d AcGeVector3d::kZAxis(0.0, 0.0, 1.0);

AcGeVector3d::AcGeVector3d(const AcGePlane& plane, const AcGeVector2d& vec) { set(plane, vec); }

AcGeVector3d& AcGeVector3d::set(const AcGePlane& plane, const AcGeVector2d& vec) {
  AcGePoint3d origin;
  AcGeVector3d u, v;
  plane.getCoordSystem(origin, u, v);
  *this = u * vec.x + v * vec.y;
  return *this;
}

AcGeVector3d operator*(const AcGeMatrix3d& m, const AcGeVector3d& v) {
  return AcGeVector3d(m.entry[0][0] * v.x + m.entry[0][1] * v.y + m.entry[0][2] * v.z,
                      m.entry[1][0] * v.x + m.entry[1][1] * v.y + m.entry[1][2] * v.z,
                      m.entry[2][0] * v.x + m.entry[2][1] * v.y + m.entry[2][2] * v.z);
}

AcGeVector3d& AcGeVector3d::setToProduct(const AcGeMatrix3d& mat, const AcGeVector3d& vec) {
  *this = mat * vec;
  return *this;
}

AcGeVector3d& AcGeVector3d::setToProduct(const AcGeVector3d& vec, double scl) {
  *this = vec * scl;
  return *this;
}

AcGeVector3d& AcGeVector3d::transformBy(const AcGeMatrix3d& leftSide) { return setToProduct(leftSide, *this); }

AcGeVector3d& AcGeVector3d::rotateBy(double angle, const AcGeVector3d& axis) {
  const double len = axis.length();
  if (len == 0.0 || !std::isfinite(len)) return *this;
  const AcGeVector3d k = axis / len;
  const double c = std::cos(angle), s = std::sin(angle);
  // Rodrigues: v cos + (k × v) sin + k (k·v)(1 - cos)
  *this = *this * c + k.crossProduct(*this) * s + k * (k.dotProduct(*this) * (1.0 - c));
  return *this;
}

AcGeVector3d& AcGeVector3d::mirror(const AcGeVector3d& normalToPlane) {
  const double l2 = normalToPlane.lengthSqrd();
  if (l2 == 0.0) return *this;
  *this -= normalToPlane * (2.0 * dotProduct(normalToPlane) / l2);
  return *this;
}

AcGeVector2d AcGeVector3d::convert2d(const AcGePlane& plane) const {
  AcGePoint3d origin;
  AcGeVector3d u, v;
  plane.getCoordSystem(origin, u, v);
  // Solve this = a u + b v in the least-squares sense (u, v need not be orthogonal).
  const double uu = u.dotProduct(u), uv = u.dotProduct(v), vv = v.dotProduct(v);
  const double pu = dotProduct(u), pv = dotProduct(v);
  const double det = uu * vv - uv * uv;
  if (det == 0.0) return AcGeVector2d();
  return AcGeVector2d((pu * vv - pv * uv) / det, (pv * uu - pu * uv) / det);
}

AcGeVector3d AcGeVector3d::perpVector() const {
  const double len = length();
  if (len == 0.0 || !std::isfinite(len)) return AcGeVector3d::kXAxis;
  const AcGeVector3d n = *this / len;
  AcGeVector3d ax;
  if (std::fabs(n.x) < 1.0 / 64.0 && std::fabs(n.y) < 1.0 / 64.0)
    ax = AcGeVector3d::kYAxis.crossProduct(n);
  else
    ax = AcGeVector3d::kZAxis.crossProduct(n);
  return ax / ax.length();
}

double AcGeVector3d::angleTo(const AcGeVector3d& vec) const {
  return std::atan2(crossProduct(vec).length(), dotProduct(vec));
}

double AcGeVector3d::angleTo(const AcGeVector3d& vec, const AcGeVector3d& refVec) const {
  const AcGeVector3d c = crossProduct(vec);
  const double a = std::atan2(c.length(), dotProduct(vec));
  if (refVec.dotProduct(c) >= 0.0) return a;
  return VeskGe::normalizeAngle(VeskGe::kTwoPi - a);
}

double AcGeVector3d::angleOnPlane(const AcGePlane& plane) const {
  const AcGeVector2d v = orthoProject(plane.normal()).convert2d(plane);
  return v.angle();
}

AcGeVector3d AcGeVector3d::normal(const AcGeTol& tol) const {
  AcGeVector3d v(*this);
  return v.normalize(tol);
}

AcGeVector3d& AcGeVector3d::normalize(const AcGeTol& tol) {
  AcGeError flag;
  return normalize(tol, flag);
}

AcGeVector3d& AcGeVector3d::normalize(const AcGeTol& tol, AcGeError& flag) {
  const double len = length();
  if (len <= tol.equalVector() || !std::isfinite(len)) {
    flag = AcGe::k0This;
    return *this;
  }
  flag = AcGe::kOk;
  *this /= len;
  return *this;
}

double AcGeVector3d::length() const {
  // Scaled to avoid overflow and underflow of the squares.
  const double m = std::fmax(std::fabs(x), std::fmax(std::fabs(y), std::fabs(z)));
  if (m == 0.0 || !std::isfinite(m)) return m;
  const double a = x / m, b = y / m, c = z / m;
  return m * std::sqrt(a * a + b * b + c * c);
}

Adesk::Boolean AcGeVector3d::isUnitLength(const AcGeTol& tol) const {
  return std::fabs(length() - 1.0) <= tol.equalVector();
}

Adesk::Boolean AcGeVector3d::isZeroLength(const AcGeTol& tol) const { return length() <= tol.equalVector(); }

Adesk::Boolean AcGeVector3d::isParallelTo(const AcGeVector3d& vec, const AcGeTol& tol) const {
  const double l1 = length(), l2 = vec.length();
  if (l1 <= tol.equalVector() || l2 <= tol.equalVector()) return false;
  const AcGeVector3d a = *this / l1, b = vec / l2;
  return a.crossProduct(b).length() <= tol.equalVector();
}

Adesk::Boolean AcGeVector3d::isCodirectionalTo(const AcGeVector3d& vec, const AcGeTol& tol) const {
  return isParallelTo(vec, tol) && dotProduct(vec) > 0.0;
}

Adesk::Boolean AcGeVector3d::isPerpendicularTo(const AcGeVector3d& vec, const AcGeTol& tol) const {
  const double l1 = length(), l2 = vec.length();
  if (l1 <= tol.equalVector() || l2 <= tol.equalVector()) return false;
  return std::fabs(dotProduct(vec)) / (l1 * l2) <= tol.equalVector();
}

AcGeVector3d AcGeVector3d::project(const AcGeVector3d& planeNormal, const AcGeVector3d& projectDirection) const {
  const double dn = projectDirection.dotProduct(planeNormal);
  if (std::fabs(dn) <= AcGeContext::gTol.equalVector() * projectDirection.length() * planeNormal.length())
    return *this;
  return *this - projectDirection * (dotProduct(planeNormal) / dn);
}

AcGeVector3d AcGeVector3d::orthoProject(const AcGeVector3d& planeNormal) const {
  const double l2 = planeNormal.lengthSqrd();
  if (l2 == 0.0) return *this;
  return *this - planeNormal * (dotProduct(planeNormal) / l2);
}

Adesk::Boolean AcGeVector3d::isEqualTo(const AcGeVector3d& vec, const AcGeTol& tol) const {
  return (*this - vec).length() <= tol.equalVector();
}

unsigned int AcGeVector3d::largestElement() const {
  const double ax = std::fabs(x), ay = std::fabs(y), az = std::fabs(z);
  if (ax >= ay && ax >= az) return 0;
  return ay >= az ? 1 : 2;
}
