#include "arx/ge/AcGePlane.h"

#include <cmath>

#include "arx/ge/AcGeLine3d.h"
#include "arx/ge/AcGeLinearEnt3d.h"
#include "arx/ge/AcGeMatrix3d.h"

const AcGePlane AcGePlane::kXYPlane(AcGePoint3d(0, 0, 0), AcGeVector3d(1, 0, 0), AcGeVector3d(0, 1, 0));
const AcGePlane AcGePlane::kYZPlane(AcGePoint3d(0, 0, 0), AcGeVector3d(0, 1, 0), AcGeVector3d(0, 0, 1));
const AcGePlane AcGePlane::kZXPlane(AcGePoint3d(0, 0, 0), AcGeVector3d(0, 0, 1), AcGeVector3d(1, 0, 0));

AcGePlane::AcGePlane() : mOrigin(0, 0, 0), mU(1, 0, 0), mV(0, 1, 0), mNormal(0, 0, 1) {}

AcGePlane::AcGePlane(const AcGePoint3d& origin, const AcGeVector3d& normal) { set(origin, normal); }

AcGePlane::AcGePlane(const AcGePoint3d& origin, const AcGeVector3d& uAxis, const AcGeVector3d& vAxis) {
  set(origin, uAxis, vAxis);
}

AcGePlane::AcGePlane(const AcGePoint3d& pntU, const AcGePoint3d& org, const AcGePoint3d& pntV) {
  set(pntU, org, pntV);
}

AcGePlane::AcGePlane(double a, double b, double c, double d) { set(a, b, c, d); }

void AcGePlane::fail() {
  mU = AcGeVector3d::kXAxis;
  mV = AcGeVector3d::kYAxis;
  mNormal = AcGeVector3d::kZAxis;
  if (AcGeContext::gErrorFunc) AcGeContext::gErrorFunc();
}

AcGePlane& AcGePlane::set(const AcGePoint3d& origin, const AcGeVector3d& normal) {
  mOrigin = origin;
  if (!AcGeMatrix3d::arbitraryAxes(normal, mU, mV, mNormal)) fail();
  return *this;
}

AcGePlane& AcGePlane::set(const AcGePoint3d& origin, const AcGeVector3d& uAxis, const AcGeVector3d& vAxis) {
  mOrigin = origin;
  mU = uAxis;
  mV = vAxis;
  const AcGeVector3d n = uAxis.crossProduct(vAxis);
  const double l = n.length();
  if (!(l > 0.0) || n.length() <= AcGeContext::gTol.equalVector() * uAxis.length() * vAxis.length()) {
    fail();
    return *this;
  }
  mNormal = n / l;
  return *this;
}

AcGePlane& AcGePlane::set(const AcGePoint3d& pntU, const AcGePoint3d& org, const AcGePoint3d& pntV) {
  return set(org, pntU - org, pntV - org);
}

AcGePlane& AcGePlane::set(double a, double b, double c, double d) {
  const AcGeVector3d n(a, b, c);
  const double l2 = n.lengthSqrd();
  if (!(l2 > 0.0)) {
    mOrigin = AcGePoint3d::kOrigin;
    fail();
    return *this;
  }
  // The point of the plane nearest the world origin.
  return set(AcGePoint3d::kOrigin + n * (-d / l2), n);
}

void AcGePlane::getCoordSystem(AcGePoint3d& origin, AcGeVector3d& axis1, AcGeVector3d& axis2) const {
  origin = mOrigin;
  axis1 = mU;
  axis2 = mV;
}

void AcGePlane::getCoefficients(double& a, double& b, double& c, double& d) const {
  a = mNormal.x;
  b = mNormal.y;
  c = mNormal.z;
  d = -mNormal.dotProduct(mOrigin.asVector());
}

double AcGePlane::signedDistanceTo(const AcGePoint3d& pnt) const { return (pnt - mOrigin).dotProduct(mNormal); }

double AcGePlane::distanceTo(const AcGePoint3d& pnt, const AcGeTol&) const { return std::fabs(signedDistanceTo(pnt)); }

AcGePoint3d AcGePlane::closestPointTo(const AcGePoint3d& pnt, const AcGeTol&) const { return pnt - mNormal * signedDistanceTo(pnt); }

Adesk::Boolean AcGePlane::isOn(const AcGePoint3d& pnt, const AcGeTol& tol) const {
  return distanceTo(pnt) <= tol.equalPoint();
}

Adesk::Boolean AcGePlane::intersectWith(const AcGeLinearEnt3d& linEnt, AcGePoint3d& pnt, const AcGeTol& tol) const {
  const AcGePoint3d p0 = linEnt.evalPoint(0.0);
  const AcGeVector3d v = linEnt.evalPoint(1.0) - p0;
  const double vn = v.dotProduct(mNormal);
  if (std::fabs(vn) <= tol.equalVector() * v.length() || v.isZeroLength(tol)) return false;
  const double t = -signedDistanceTo(p0) / vn;
  const AcGePoint3d p = linEnt.evalPoint(t);
  if (!linEnt.isOn(p, tol)) return false;
  pnt = p;
  return true;
}

Adesk::Boolean AcGePlane::intersectWith(const AcGePlane& o, AcGeLine3d& line, const AcGeTol& tol) const {
  const AcGeVector3d dir = mNormal.crossProduct(o.mNormal);
  if (dir.length() <= tol.equalVector()) return false;
  // The point of the line nearest this plane's origin: solve n1.p = d1, n2.p = d2, dir.p = dir.origin.
  const double d1 = mNormal.dotProduct(mOrigin.asVector());
  const double d2 = o.mNormal.dotProduct(o.mOrigin.asVector());
  const double d3 = dir.dotProduct(mOrigin.asVector());
  const AcGeVector3d n2xd = o.mNormal.crossProduct(dir), dxn1 = dir.crossProduct(mNormal),
                     n1xn2 = mNormal.crossProduct(o.mNormal);
  const double det = mNormal.dotProduct(n2xd);
  const AcGeVector3d p = (n2xd * d1 + dxn1 * d2 + n1xn2 * d3) / det;
  line.set(AcGePoint3d::kOrigin + p, dir / dir.length());
  return true;
}

Adesk::Boolean AcGePlane::isParallelTo(const AcGePlane& o, const AcGeTol& tol) const {
  return mNormal.isParallelTo(o.mNormal, tol);
}

Adesk::Boolean AcGePlane::isParallelTo(const AcGeLinearEnt3d& linEnt, const AcGeTol& tol) const {
  return linEnt.direction().isPerpendicularTo(mNormal, tol);
}

Adesk::Boolean AcGePlane::isPerpendicularTo(const AcGePlane& o, const AcGeTol& tol) const {
  return mNormal.isPerpendicularTo(o.mNormal, tol);
}

Adesk::Boolean AcGePlane::isCoplanarTo(const AcGePlane& o, const AcGeTol& tol) const {
  return isParallelTo(o, tol) && isOn(o.mOrigin, tol);
}

AcGePoint3d AcGePlane::evalPoint(const AcGePoint2d& param) const { return mOrigin + mU * param.x + mV * param.y; }

AcGePoint2d AcGePlane::paramOf(const AcGePoint3d& pnt, const AcGeTol&) const {
  const AcGeVector3d w = pnt - mOrigin;
  const double uu = mU.dotProduct(mU), uv = mU.dotProduct(mV), vv = mV.dotProduct(mV);
  const double pu = w.dotProduct(mU), pv = w.dotProduct(mV);
  const double det = uu * vv - uv * uv;
  if (!(det > 0.0)) return AcGePoint2d();
  return AcGePoint2d((pu * vv - pv * uv) / det, (pv * uu - pu * uv) / det);
}

AcGeEntity3d& AcGePlane::transformBy(const AcGeMatrix3d& xfm) {
  const AcGePoint3d o = xfm * mOrigin;
  const AcGeVector3d u = (xfm * (mOrigin + mU)) - o;
  const AcGeVector3d v = (xfm * (mOrigin + mV)) - o;
  return set(o, u, v);
}
