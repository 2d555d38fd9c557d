#include "arx/ge/AcGeMatrix2d.h"

#include <cmath>
#include <utility>

#include "arx/base/AcadErrorStatus.h"
#include "arx/ge/AcGeLine2d.h"

const AcGeMatrix2d AcGeMatrix2d::kIdentity;

AcGeMatrix2d::AcGeMatrix2d() { setToIdentity(); }

AcGeMatrix2d& AcGeMatrix2d::setToIdentity() {
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) entry[i][j] = (i == j) ? 1.0 : 0.0;
  return *this;
}

AcGeMatrix2d AcGeMatrix2d::operator*(const AcGeMatrix2d& m) const {
  AcGeMatrix2d r;
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) {
      double s = 0.0;
      for (int k = 0; k < 3; ++k) s += entry[i][k] * m.entry[k][j];
      r.entry[i][j] = s;
    }
  return r;
}

AcGeMatrix2d& AcGeMatrix2d::preMultBy(const AcGeMatrix2d& leftSide) {
  *this = leftSide * *this;
  return *this;
}

AcGeMatrix2d& AcGeMatrix2d::postMultBy(const AcGeMatrix2d& rightSide) {
  *this = *this * rightSide;
  return *this;
}

AcGeMatrix2d& AcGeMatrix2d::setToProduct(const AcGeMatrix2d& mat1, const AcGeMatrix2d& mat2) {
  *this = mat1 * mat2;
  return *this;
}

double AcGeMatrix2d::det() const {
  const double (*m)[3] = entry;
  return m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) - m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0]) +
         m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
}

Adesk::Boolean AcGeMatrix2d::inverse(AcGeMatrix2d& inv, double tol) const {
  double maxAbs = 0.0;
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) maxAbs = std::fmax(maxAbs, std::fabs(entry[i][j]));
  if (maxAbs == 0.0 || !std::isfinite(maxAbs)) return false;
  double a[3][6];
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) {
      a[i][j] = entry[i][j];
      a[i][j + 3] = (i == j) ? 1.0 : 0.0;
    }
  const double limit = std::fabs(tol) * maxAbs;
  for (int col = 0; col < 3; ++col) {
    int piv = col;
    for (int r = col + 1; r < 3; ++r)
      if (std::fabs(a[r][col]) > std::fabs(a[piv][col])) piv = r;
    if (!(std::fabs(a[piv][col]) > limit)) return false;
    if (piv != col)
      for (int j = 0; j < 6; ++j) std::swap(a[piv][j], a[col][j]);
    const double p = a[col][col];
    for (int j = 0; j < 6; ++j) a[col][j] /= p;
    for (int r = 0; r < 3; ++r) {
      if (r == col || a[r][col] == 0.0) continue;
      const double f = a[r][col];
      for (int j = 0; j < 6; ++j) a[r][j] -= f * a[col][j];
    }
  }
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) inv.entry[i][j] = a[i][j + 3];
  return true;
}

AcGeMatrix2d& AcGeMatrix2d::invert() {
  AcGeMatrix2d inv;
  if (!inverse(inv, AcGeContext::gTol.equalVector())) {
    if (AcGeContext::gErrorFunc) AcGeContext::gErrorFunc();
    throw Acad::eDegenerateGeometry;
  }
  *this = inv;
  return *this;
}

AcGeMatrix2d AcGeMatrix2d::inverse() const {
  AcGeMatrix2d m(*this);
  return m.invert();
}

Adesk::Boolean AcGeMatrix2d::isSingular(const AcGeTol& tol) const {
  AcGeMatrix2d inv;
  return !inverse(inv, tol.equalVector());
}

AcGeMatrix2d& AcGeMatrix2d::transposeIt() {
  for (int i = 0; i < 3; ++i)
    for (int j = i + 1; j < 3; ++j) std::swap(entry[i][j], entry[j][i]);
  return *this;
}

AcGeMatrix2d AcGeMatrix2d::transpose() const {
  AcGeMatrix2d m(*this);
  return m.transposeIt();
}

Adesk::Boolean AcGeMatrix2d::isEqualTo(const AcGeMatrix2d& mat, const AcGeTol& tol) const {
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) {
      const double lim = (j == 2 && i < 2) ? tol.equalPoint() : tol.equalVector();
      if (!(std::fabs(entry[i][j] - mat.entry[i][j]) <= lim)) return false;
    }
  return true;
}

Adesk::Boolean AcGeMatrix2d::isScaledOrtho(const AcGeTol& tol) const {
  const double ev = tol.equalVector();
  if (std::fabs(entry[2][0]) > ev || std::fabs(entry[2][1]) > ev || std::fabs(entry[2][2] - 1.0) > ev) return false;
  const AcGeVector2d c0(entry[0][0], entry[1][0]), c1(entry[0][1], entry[1][1]);
  const double l0 = c0.length(), l1 = c1.length();
  if (!(l0 > 0.0) || !(l1 > 0.0)) return false;
  return std::fabs(c0.dotProduct(c1)) <= ev * l0 * l1;
}

Adesk::Boolean AcGeMatrix2d::isUniScaledOrtho(const AcGeTol& tol) const {
  if (!isScaledOrtho(tol)) return false;
  const double l0 = AcGeVector2d(entry[0][0], entry[1][0]).length();
  const double l1 = AcGeVector2d(entry[0][1], entry[1][1]).length();
  return std::fabs(l1 - l0) <= tol.equalVector() * l0;
}

double AcGeMatrix2d::scale() const {
  return std::fmax(AcGeVector2d(entry[0][0], entry[1][0]).length(), AcGeVector2d(entry[0][1], entry[1][1]).length());
}

AcGeMatrix2d& AcGeMatrix2d::setTranslation(const AcGeVector2d& vec) {
  entry[0][2] = vec.x;
  entry[1][2] = vec.y;
  return *this;
}

AcGeVector2d AcGeMatrix2d::translation() const { return AcGeVector2d(entry[0][2], entry[1][2]); }

AcGeMatrix2d& AcGeMatrix2d::setCoordSystem(const AcGePoint2d& origin, const AcGeVector2d& xAxis,
                                           const AcGeVector2d& yAxis) {
  setToIdentity();
  entry[0][0] = xAxis.x;
  entry[1][0] = xAxis.y;
  entry[0][1] = yAxis.x;
  entry[1][1] = yAxis.y;
  entry[0][2] = origin.x;
  entry[1][2] = origin.y;
  return *this;
}

void AcGeMatrix2d::getCoordSystem(AcGePoint2d& origin, AcGeVector2d& xAxis, AcGeVector2d& yAxis) const {
  xAxis.set(entry[0][0], entry[1][0]);
  yAxis.set(entry[0][1], entry[1][1]);
  origin.set(entry[0][2], entry[1][2]);
}

AcGeMatrix2d& AcGeMatrix2d::setToTranslation(const AcGeVector2d& vec) {
  setToIdentity();
  return setTranslation(vec);
}

AcGeMatrix2d& AcGeMatrix2d::setToRotation(double angle, const AcGePoint2d& center) {
  setToIdentity();
  const double c = std::cos(angle), s = std::sin(angle);
  entry[0][0] = c;
  entry[0][1] = -s;
  entry[1][0] = s;
  entry[1][1] = c;
  entry[0][2] = center.x - (c * center.x - s * center.y);
  entry[1][2] = center.y - (s * center.x + c * center.y);
  return *this;
}

AcGeMatrix2d& AcGeMatrix2d::setToScaling(double scaleAll, const AcGePoint2d& center) {
  setToIdentity();
  entry[0][0] = entry[1][1] = scaleAll;
  entry[0][2] = (1.0 - scaleAll) * center.x;
  entry[1][2] = (1.0 - scaleAll) * center.y;
  return *this;
}

AcGeMatrix2d& AcGeMatrix2d::setToMirroring(const AcGePoint2d& mirrorPoint) { return setToScaling(-1.0, mirrorPoint); }

AcGeMatrix2d& AcGeMatrix2d::setToMirroring(const AcGeLine2d& mirrorLine) {
  setToIdentity();
  const AcGeVector2d d = mirrorLine.direction();
  const AcGePoint2d p = mirrorLine.pointOnLine();
  // Reflection about the line: 2 d dᵀ - I, fixed on the line's points.
  entry[0][0] = 2.0 * d.x * d.x - 1.0;
  entry[0][1] = 2.0 * d.x * d.y;
  entry[1][0] = 2.0 * d.y * d.x;
  entry[1][1] = 2.0 * d.y * d.y - 1.0;
  entry[0][2] = p.x - (entry[0][0] * p.x + entry[0][1] * p.y);
  entry[1][2] = p.y - (entry[1][0] * p.x + entry[1][1] * p.y);
  return *this;
}

AcGeMatrix2d& AcGeMatrix2d::setToAlignCoordSys(const AcGePoint2d& fromOrigin, const AcGeVector2d& fromXAxis,
                                               const AcGeVector2d& fromYAxis, const AcGePoint2d& toOrigin,
                                               const AcGeVector2d& toXAxis, const AcGeVector2d& toYAxis) {
  AcGeMatrix2d from, to;
  from.setCoordSystem(fromOrigin, fromXAxis, fromYAxis);
  to.setCoordSystem(toOrigin, toXAxis, toYAxis);
  *this = to * from.inverse();
  return *this;
}

AcGeMatrix2d AcGeMatrix2d::translation(const AcGeVector2d& vec) { return AcGeMatrix2d().setToTranslation(vec); }
AcGeMatrix2d AcGeMatrix2d::rotation(double angle, const AcGePoint2d& center) {
  return AcGeMatrix2d().setToRotation(angle, center);
}
AcGeMatrix2d AcGeMatrix2d::scaling(double scaleAll, const AcGePoint2d& center) {
  return AcGeMatrix2d().setToScaling(scaleAll, center);
}
AcGeMatrix2d AcGeMatrix2d::mirroring(const AcGePoint2d& p) { return AcGeMatrix2d().setToMirroring(p); }
AcGeMatrix2d AcGeMatrix2d::mirroring(const AcGeLine2d& l) { return AcGeMatrix2d().setToMirroring(l); }
AcGeMatrix2d AcGeMatrix2d::alignCoordSys(const AcGePoint2d& fromOrigin, const AcGeVector2d& fromXAxis,
                                         const AcGeVector2d& fromYAxis, const AcGePoint2d& toOrigin,
                                         const AcGeVector2d& toXAxis, const AcGeVector2d& toYAxis) {
  return AcGeMatrix2d().setToAlignCoordSys(fromOrigin, fromXAxis, fromYAxis, toOrigin, toXAxis, toYAxis);
}
