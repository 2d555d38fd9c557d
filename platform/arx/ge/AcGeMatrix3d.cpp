#include "arx/ge/AcGeMatrix3d.h"

#include <cmath>
#include <utility>

#include "arx/base/AcadErrorStatus.h"
#include "arx/ge/AcGeLine3d.h"
#include "arx/ge/AcGePlane.h"

const AcGeMatrix3d AcGeMatrix3d::kIdentity;

AcGeMatrix3d::AcGeMatrix3d() { setToIdentity(); }

AcGeMatrix3d& AcGeMatrix3d::setToIdentity() {
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j) entry[i][j] = (i == j) ? 1.0 : 0.0;
  return *this;
}

AcGeMatrix3d AcGeMatrix3d::operator*(const AcGeMatrix3d& m) const {
  AcGeMatrix3d r;
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j) {
      double s = 0.0;
      for (int k = 0; k < 4; ++k) s += entry[i][k] * m.entry[k][j];
      r.entry[i][j] = s;
    }
  return r;
}

AcGeMatrix3d& AcGeMatrix3d::operator*=(const AcGeMatrix3d& mat) { return postMultBy(mat); }

AcGeMatrix3d& AcGeMatrix3d::preMultBy(const AcGeMatrix3d& leftSide) {
  *this = leftSide * *this;
  return *this;
}

AcGeMatrix3d& AcGeMatrix3d::postMultBy(const AcGeMatrix3d& rightSide) {
  *this = *this * rightSide;
  return *this;
}

AcGeMatrix3d& AcGeMatrix3d::setToProduct(const AcGeMatrix3d& mat1, const AcGeMatrix3d& mat2) {
  *this = mat1 * mat2;
  return *this;
}

Adesk::Boolean AcGeMatrix3d::inverse(AcGeMatrix3d& inv, double tol) const {
  // Gauss-Jordan elimination with partial pivoting. A pivot below tol times the
  // largest entry of its column counts as zero.
  double a[4][8];
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j) {
      a[i][j] = entry[i][j];
      a[i][j + 4] = (i == j) ? 1.0 : 0.0;
    }
  double maxAbs = 0.0;
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j) maxAbs = std::fmax(maxAbs, std::fabs(entry[i][j]));
  if (maxAbs == 0.0 || !std::isfinite(maxAbs)) return false;
  const double limit = std::fabs(tol) * maxAbs;
  for (int col = 0; col < 4; ++col) {
    int piv = col;
    for (int r = col + 1; r < 4; ++r)
      if (std::fabs(a[r][col]) > std::fabs(a[piv][col])) piv = r;
    if (!(std::fabs(a[piv][col]) > limit)) return false;
    if (piv != col)
      for (int j = 0; j < 8; ++j) std::swap(a[piv][j], a[col][j]);
    const double p = a[col][col];
    for (int j = 0; j < 8; ++j) a[col][j] /= p;
    for (int r = 0; r < 4; ++r) {
      if (r == col || a[r][col] == 0.0) continue;
      const double f = a[r][col];
      for (int j = 0; j < 8; ++j) a[r][j] -= f * a[col][j];
    }
  }
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j) inv.entry[i][j] = a[i][j + 4];
  return true;
}

AcGeMatrix3d& AcGeMatrix3d::invert() {
  AcGeMatrix3d inv;
  if (!inverse(inv, AcGeContext::gTol.equalVector())) {
    if (AcGeContext::gErrorFunc) AcGeContext::gErrorFunc();
    throw Acad::eDegenerateGeometry;
  }
  *this = inv;
  return *this;
}

AcGeMatrix3d AcGeMatrix3d::inverse() const {
  AcGeMatrix3d m(*this);
  return m.invert();
}

Adesk::Boolean AcGeMatrix3d::isSingular(const AcGeTol& tol) const {
  AcGeMatrix3d inv;
  return !inverse(inv, tol.equalVector());
}

AcGeMatrix3d& AcGeMatrix3d::transposeIt() {
  for (int i = 0; i < 4; ++i)
    for (int j = i + 1; j < 4; ++j) std::swap(entry[i][j], entry[j][i]);
  return *this;
}

AcGeMatrix3d AcGeMatrix3d::transpose() const {
  AcGeMatrix3d m(*this);
  return m.transposeIt();
}

Adesk::Boolean AcGeMatrix3d::isEqualTo(const AcGeMatrix3d& mat, const AcGeTol& tol) const {
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j) {
      const double lim = (j == 3 && i < 3) ? tol.equalPoint() : tol.equalVector();
      if (!(std::fabs(entry[i][j] - mat.entry[i][j]) <= lim)) return false;
    }
  return true;
}

static AcGeVector3d column(const AcGeMatrix3d& m, int j) {
  return AcGeVector3d(m.entry[0][j], m.entry[1][j], m.entry[2][j]);
}

Adesk::Boolean AcGeMatrix3d::isScaledOrtho(const AcGeTol& tol) const {
  const double ev = tol.equalVector();
  if (std::fabs(entry[3][0]) > ev || std::fabs(entry[3][1]) > ev || std::fabs(entry[3][2]) > ev ||
      std::fabs(entry[3][3] - 1.0) > ev)
    return false;
  const AcGeVector3d c[3] = {column(*this, 0), column(*this, 1), column(*this, 2)};
  double l[3];
  for (int i = 0; i < 3; ++i) {
    l[i] = c[i].length();
    if (!(l[i] > 0.0)) return false;
  }
  for (int i = 0; i < 3; ++i)
    for (int j = i + 1; j < 3; ++j)
      if (std::fabs(c[i].dotProduct(c[j])) > ev * l[i] * l[j]) return false;
  return true;
}

Adesk::Boolean AcGeMatrix3d::isUniScaledOrtho(const AcGeTol& tol) const {
  if (!isScaledOrtho(tol)) return false;
  const double l0 = column(*this, 0).length();
  const double l1 = column(*this, 1).length();
  const double l2 = column(*this, 2).length();
  const double ev = tol.equalVector();
  return std::fabs(l1 - l0) <= ev * l0 && std::fabs(l2 - l0) <= ev * l0;
}

double AcGeMatrix3d::det() const {
  // Laplace expansion through 2x2 minors of the upper and lower row pairs.
  const double (*m)[4] = entry;
  const double s0 = m[0][0] * m[1][1] - m[1][0] * m[0][1];
  const double s1 = m[0][0] * m[1][2] - m[1][0] * m[0][2];
  const double s2 = m[0][0] * m[1][3] - m[1][0] * m[0][3];
  const double s3 = m[0][1] * m[1][2] - m[1][1] * m[0][2];
  const double s4 = m[0][1] * m[1][3] - m[1][1] * m[0][3];
  const double s5 = m[0][2] * m[1][3] - m[1][2] * m[0][3];
  const double c5 = m[2][2] * m[3][3] - m[3][2] * m[2][3];
  const double c4 = m[2][1] * m[3][3] - m[3][1] * m[2][3];
  const double c3 = m[2][1] * m[3][2] - m[3][1] * m[2][2];
  const double c2 = m[2][0] * m[3][3] - m[3][0] * m[2][3];
  const double c1 = m[2][0] * m[3][2] - m[3][0] * m[2][2];
  const double c0 = m[2][0] * m[3][1] - m[3][0] * m[2][1];
  return s0 * c5 - s1 * c4 + s2 * c3 + s3 * c2 - s4 * c1 + s5 * c0;
}

double AcGeMatrix3d::scale() const {
  double s = 0.0;
  for (int j = 0; j < 3; ++j) s = std::fmax(s, column(*this, j).length());
  return s;
}

AcGeMatrix3d& AcGeMatrix3d::setTranslation(const AcGeVector3d& vec) {
  entry[0][3] = vec.x;
  entry[1][3] = vec.y;
  entry[2][3] = vec.z;
  return *this;
}

AcGeVector3d AcGeMatrix3d::translation() const { return AcGeVector3d(entry[0][3], entry[1][3], entry[2][3]); }

AcGeMatrix3d& AcGeMatrix3d::setCoordSystem(const AcGePoint3d& origin, const AcGeVector3d& xAxis,
                                           const AcGeVector3d& yAxis, const AcGeVector3d& zAxis) {
  setToIdentity();
  for (int i = 0; i < 3; ++i) {
    entry[i][0] = xAxis[i];
    entry[i][1] = yAxis[i];
    entry[i][2] = zAxis[i];
    entry[i][3] = origin[i];
  }
  return *this;
}

void AcGeMatrix3d::getCoordSystem(AcGePoint3d& origin, AcGeVector3d& xAxis, AcGeVector3d& yAxis,
                                  AcGeVector3d& zAxis) const {
  xAxis = column(*this, 0);
  yAxis = column(*this, 1);
  zAxis = column(*this, 2);
  origin.set(entry[0][3], entry[1][3], entry[2][3]);
}

AcGeMatrix3d& AcGeMatrix3d::setToTranslation(const AcGeVector3d& vec) {
  setToIdentity();
  return setTranslation(vec);
}

AcGeMatrix3d& AcGeMatrix3d::setToRotation(double angle, const AcGeVector3d& axis, const AcGePoint3d& center) {
  setToIdentity();
  const double len = axis.length();
  if (len == 0.0 || !std::isfinite(len)) return *this;
  const AcGeVector3d k = axis / len;
  const double c = std::cos(angle), s = std::sin(angle), t = 1.0 - c;
  entry[0][0] = c + k.x * k.x * t;
  entry[0][1] = k.x * k.y * t - k.z * s;
  entry[0][2] = k.x * k.z * t + k.y * s;
  entry[1][0] = k.y * k.x * t + k.z * s;
  entry[1][1] = c + k.y * k.y * t;
  entry[1][2] = k.y * k.z * t - k.x * s;
  entry[2][0] = k.z * k.x * t - k.y * s;
  entry[2][1] = k.z * k.y * t + k.x * s;
  entry[2][2] = c + k.z * k.z * t;
  // p' = R (p - c) + c
  const AcGeVector3d cv = center.asVector();
  return setTranslation(cv - (*this * cv));
}

AcGeMatrix3d& AcGeMatrix3d::setToScaling(double scaleAll, const AcGePoint3d& center) {
  setToIdentity();
  for (int i = 0; i < 3; ++i) {
    entry[i][i] = scaleAll;
    entry[i][3] = (1.0 - scaleAll) * center[i];
  }
  return *this;
}

AcGeMatrix3d& AcGeMatrix3d::setToMirroring(const AcGePlane& mirrorPlane) {
  setToIdentity();
  const AcGeVector3d n = mirrorPlane.normal();
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) entry[i][j] -= 2.0 * n[i] * n[j];
  const double d = mirrorPlane.pointOnPlane().asVector().dotProduct(n);
  return setTranslation(n * (2.0 * d));
}

AcGeMatrix3d& AcGeMatrix3d::setToMirroring(const AcGePoint3d& mirrorPoint) { return setToScaling(-1.0, mirrorPoint); }

AcGeMatrix3d& AcGeMatrix3d::setToMirroring(const AcGeLine3d& mirrorLine) {
  return setToRotation(3.14159265358979323846, mirrorLine.direction(), mirrorLine.pointOnLine());
}

AcGeMatrix3d& AcGeMatrix3d::setToAlignCoordSys(const AcGePoint3d& fromOrigin, const AcGeVector3d& fromXAxis,
                                               const AcGeVector3d& fromYAxis, const AcGeVector3d& fromZAxis,
                                               const AcGePoint3d& toOrigin, const AcGeVector3d& toXAxis,
                                               const AcGeVector3d& toYAxis, const AcGeVector3d& toZAxis) {
  AcGeMatrix3d from, to;
  from.setCoordSystem(fromOrigin, fromXAxis, fromYAxis, fromZAxis);
  to.setCoordSystem(toOrigin, toXAxis, toYAxis, toZAxis);
  *this = to * from.inverse();
  return *this;
}

bool AcGeMatrix3d::arbitraryAxes(const AcGeVector3d& normal, AcGeVector3d& xAxis, AcGeVector3d& yAxis,
                                 AcGeVector3d& zAxis) {
  const double len = normal.length();
  if (len == 0.0 || !std::isfinite(len)) return false;
  zAxis = normal / len;
  xAxis = zAxis.perpVector();
  yAxis = zAxis.crossProduct(xAxis);
  yAxis /= yAxis.length();
  return true;
}

AcGeMatrix3d& AcGeMatrix3d::setToPlaneToWorld(const AcGeVector3d& normal) {
  AcGeVector3d ax, ay, az;
  if (!arbitraryAxes(normal, ax, ay, az)) return setToIdentity();
  return setCoordSystem(AcGePoint3d::kOrigin, ax, ay, az);
}

AcGeMatrix3d& AcGeMatrix3d::setToWorldToPlane(const AcGeVector3d& normal) {
  // The plane's axes are orthonormal, so the inverse of the rotation is its transpose.
  setToPlaneToWorld(normal);
  return transposeIt();
}

AcGeMatrix3d& AcGeMatrix3d::setToPlaneToWorld(const AcGePlane& plane) {
  AcGePoint3d origin;
  AcGeVector3d u, v;
  plane.getCoordSystem(origin, u, v);
  return setCoordSystem(origin, u, v, plane.normal());
}

AcGeMatrix3d& AcGeMatrix3d::setToWorldToPlane(const AcGePlane& plane) {
  setToPlaneToWorld(plane);
  return invert();
}

AcGeMatrix3d AcGeMatrix3d::translation(const AcGeVector3d& vec) { return AcGeMatrix3d().setToTranslation(vec); }

AcGeMatrix3d AcGeMatrix3d::rotation(double angle, const AcGeVector3d& axis, const AcGePoint3d& center) {
  return AcGeMatrix3d().setToRotation(angle, axis, center);
}

AcGeMatrix3d AcGeMatrix3d::scaling(double scaleAll, const AcGePoint3d& center) {
  return AcGeMatrix3d().setToScaling(scaleAll, center);
}

AcGeMatrix3d AcGeMatrix3d::mirroring(const AcGePlane& p) { return AcGeMatrix3d().setToMirroring(p); }
AcGeMatrix3d AcGeMatrix3d::mirroring(const AcGePoint3d& p) { return AcGeMatrix3d().setToMirroring(p); }
AcGeMatrix3d AcGeMatrix3d::mirroring(const AcGeLine3d& l) { return AcGeMatrix3d().setToMirroring(l); }

AcGeMatrix3d AcGeMatrix3d::alignCoordSys(const AcGePoint3d& fromOrigin, const AcGeVector3d& fromXAxis,
                                         const AcGeVector3d& fromYAxis, const AcGeVector3d& fromZAxis,
                                         const AcGePoint3d& toOrigin, const AcGeVector3d& toXAxis,
                                         const AcGeVector3d& toYAxis, const AcGeVector3d& toZAxis) {
  return AcGeMatrix3d().setToAlignCoordSys(fromOrigin, fromXAxis, fromYAxis, fromZAxis, toOrigin, toXAxis, toYAxis,
                                           toZAxis);
}

AcGeMatrix3d AcGeMatrix3d::worldToPlane(const AcGeVector3d& normal) { return AcGeMatrix3d().setToWorldToPlane(normal); }
AcGeMatrix3d AcGeMatrix3d::worldToPlane(const AcGePlane& plane) { return AcGeMatrix3d().setToWorldToPlane(plane); }
AcGeMatrix3d AcGeMatrix3d::planeToWorld(const AcGeVector3d& normal) { return AcGeMatrix3d().setToPlaneToWorld(normal); }
AcGeMatrix3d AcGeMatrix3d::planeToWorld(const AcGePlane& plane) { return AcGeMatrix3d().setToPlaneToWorld(plane); }
