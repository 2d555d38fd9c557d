#include "arx/ge/AcGePoint2d.h"

#include <cmath>

#include "arx/ge/AcGeLine2d.h"
#include "arx/ge/AcGeMatrix2d.h"

const AcGePoint2d AcGePoint2d::kOrigin(0.0, 0.0);

AcGePoint2d operator*(const AcGeMatrix2d& m, const AcGePoint2d& p) {
  const double xx = m.entry[0][0] * p.x + m.entry[0][1] * p.y + m.entry[0][2];
  const double yy = m.entry[1][0] * p.x + m.entry[1][1] * p.y + m.entry[1][2];
  const double w = m.entry[2][0] * p.x + m.entry[2][1] * p.y + m.entry[2][2];
  if (w != 1.0 && w != 0.0) return AcGePoint2d(xx / w, yy / w);
  return AcGePoint2d(xx, yy);
}

AcGePoint2d& AcGePoint2d::setToProduct(const AcGeMatrix2d& mat, const AcGePoint2d& pnt) {
  *this = mat * pnt;
  return *this;
}

AcGePoint2d& AcGePoint2d::transformBy(const AcGeMatrix2d& leftSide) { return setToProduct(leftSide, *this); }

AcGePoint2d& AcGePoint2d::rotateBy(double angle, const AcGePoint2d& wrtPoint) {
  AcGeVector2d v = *this - wrtPoint;
  v.rotateBy(angle);
  *this = wrtPoint + v;
  return *this;
}

AcGePoint2d& AcGePoint2d::mirror(const AcGeLine2d& line) {
  const AcGePoint2d foot = line.closestPointTo(*this);
  x = 2.0 * foot.x - x;
  y = 2.0 * foot.y - y;
  return *this;
}

AcGePoint2d& AcGePoint2d::scaleBy(double scaleFactor, const AcGePoint2d& wrtPoint) {
  *this = wrtPoint + (*this - wrtPoint) * scaleFactor;
  return *this;
}

double AcGePoint2d::distanceTo(const AcGePoint2d& pnt) const { return std::hypot(x - pnt.x, y - pnt.y); }

Adesk::Boolean AcGePoint2d::isEqualTo(const AcGePoint2d& pnt, const AcGeTol& tol) const {
  return distanceTo(pnt) <= tol.equalPoint();
}
