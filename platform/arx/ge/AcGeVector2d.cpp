#include "arx/ge/AcGeVector2d.h"

#include <algorithm>
#include <cmath>

#include "arx/ge/AcGeMatrix2d.h"
#include "arx/ge/GeMath.h"

const AcGeVector2d AcGeVector2d::kIdentity(0.0, 0.0);
const AcGeVector2d AcGeVector2d::kXAxis(1.0, 0.0);
const AcGeVector2d AcGeVector2d::kYAxis(0.0, 1.0);

AcGeVector2d operator*(const AcGeMatrix2d& mat, const AcGeVector2d& vec) {
  return AcGeVector2d(mat.entry[0][0] * vec.x + mat.entry[0][1] * vec.y,
                      mat.entry[1][0] * vec.x + mat.entry[1][1] * vec.y);
}

AcGeVector2d& AcGeVector2d::setToProduct(const AcGeMatrix2d& mat, const AcGeVector2d& vec) {
  *this = mat * vec;
  return *this;
}

AcGeVector2d& AcGeVector2d::setToProduct(const AcGeVector2d& vec, double scl) {
  x = vec.x * scl;
  y = vec.y * scl;
  return *this;
}

AcGeVector2d& AcGeVector2d::transformBy(const AcGeMatrix2d& leftSide) { return setToProduct(leftSide, *this); }

AcGeVector2d& AcGeVector2d::rotateBy(double angle) {
  const double c = std::cos(angle), s = std::sin(angle);
  const double nx = c * x - s * y;
  y = s * x + c * y;
  x = nx;
  return *this;
}

AcGeVector2d& AcGeVector2d::mirror(const AcGeVector2d& line) {
  const double l2 = line.lengthSqrd();
  if (l2 == 0.0) return *this;
  // Reflection about the direction: 2 (v·u) u - v.
  const double k = 2.0 * dotProduct(line) / l2;
  x = k * line.x - x;
  y = k * line.y - y;
  return *this;
}

double AcGeVector2d::angle() const { return VeskGe::normalizeAngle(std::atan2(y, x)); }

double AcGeVector2d::angleTo(const AcGeVector2d& vec) const {
  // atan2 of cross and dot keeps full precision for small and near-π angles.
  const double cross = x * vec.y - y * vec.x;
  return std::atan2(std::fabs(cross), dotProduct(vec));
}

double AcGeVector2d::length() const { return std::hypot(x, y); }

AcGeVector2d AcGeVector2d::normal(const AcGeTol& tol) const {
  AcGeVector2d v(*this);
  return v.normalize(tol);
}

AcGeVector2d& AcGeVector2d::normalize(const AcGeTol& tol) {
  AcGeError flag;
  return normalize(tol, flag);
}

AcGeVector2d& AcGeVector2d::normalize(const AcGeTol& tol, AcGeError& flag) {
  const double len = length();
  if (len <= tol.equalVector() || !std::isfinite(len)) {
    flag = AcGe::k0This;
    return *this;
  }
  flag = AcGe::kOk;
  x /= len;
  y /= len;
  return *this;
}

Adesk::Boolean AcGeVector2d::isUnitLength(const AcGeTol& tol) const {
  return std::fabs(length() - 1.0) <= tol.equalVector();
}

Adesk::Boolean AcGeVector2d::isZeroLength(const AcGeTol& tol) const { return length() <= tol.equalVector(); }

Adesk::Boolean AcGeVector2d::isParallelTo(const AcGeVector2d& vec, const AcGeTol& tol) const {
  const double l1 = length(), l2 = vec.length();
  if (l1 <= tol.equalVector() || l2 <= tol.equalVector()) return false;
  const double sine = std::fabs(x * vec.y - y * vec.x) / (l1 * l2);
  return sine <= tol.equalVector();
}

Adesk::Boolean AcGeVector2d::isCodirectionalTo(const AcGeVector2d& vec, const AcGeTol& tol) const {
  return isParallelTo(vec, tol) && dotProduct(vec) > 0.0;
}

Adesk::Boolean AcGeVector2d::isPerpendicularTo(const AcGeVector2d& vec, const AcGeTol& tol) const {
  const double l1 = length(), l2 = vec.length();
  if (l1 <= tol.equalVector() || l2 <= tol.equalVector()) return false;
  return std::fabs(dotProduct(vec)) / (l1 * l2) <= tol.equalVector();
}

Adesk::Boolean AcGeVector2d::isEqualTo(const AcGeVector2d& vec, const AcGeTol& tol) const {
  return std::hypot(x - vec.x, y - vec.y) <= tol.equalVector();
}
