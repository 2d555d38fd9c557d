#include "arx/ge/AcGeScale3d.h"

#include <cmath>

#include "arx/ge/AcGeMatrix3d.h"

const AcGeScale3d AcGeScale3d::kIdentity;

Adesk::Boolean AcGeScale3d::isEqualTo(const AcGeScale3d& s, const AcGeTol& tol) const {
  const double e = tol.equalVector();
  return std::fabs(sx - s.sx) <= e && std::fabs(sy - s.sy) <= e && std::fabs(sz - s.sz) <= e;
}

void AcGeScale3d::getMatrix(AcGeMatrix3d& mat) const {
  mat.setToIdentity();
  mat.entry[0][0] = sx;
  mat.entry[1][1] = sy;
  mat.entry[2][2] = sz;
}

AcGeScale3d::operator AcGeMatrix3d() const {
  AcGeMatrix3d m;
  getMatrix(m);
  return m;
}
