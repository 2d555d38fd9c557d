#include "arx/ge/AcGeLinearEnt3d.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "arx/ge/AcGeLine3d.h"
#include "arx/ge/AcGeLineSeg3d.h"
#include "arx/ge/AcGeMatrix3d.h"
#include "arx/ge/AcGePlane.h"

AcGeVector3d AcGeLinearEnt3d::direction() const {
  const double l = mVec.length();
  return l > 0.0 ? mVec / l : AcGeVector3d();
}

void AcGeLinearEnt3d::getLine(AcGeLine3d& line) const { line.set(mPoint, mVec); }

void AcGeLinearEnt3d::getPerpPlane(const AcGePoint3d& pnt, AcGePlane& plane) const { plane.set(pnt, mVec); }

AcGePoint3d AcGeLinearEnt3d::evalPoint(double param) const {
  if (param == 0.0) return mPoint;
  if (param == 1.0) return mPoint2;
  return mPoint + mVec * param;
}

double AcGeLinearEnt3d::clampParam(double t) const {
  if (mBoundedBelow && t < 0.0) t = 0.0;
  if (mBoundedAbove && t > 1.0) t = 1.0;
  return t;
}

double AcGeLinearEnt3d::paramOf(const AcGePoint3d& pnt, const AcGeTol&) const {
  const double l2 = mVec.lengthSqrd();
  if (!(l2 > 0.0)) return 0.0;
  return (pnt - mPoint).dotProduct(mVec) / l2;
}

AcGePoint3d AcGeLinearEnt3d::closestPointTo(const AcGePoint3d& pnt, const AcGeTol& tol) const {
  const double t = clampParam(paramOf(pnt, tol));
  if (mBoundedBelow && t == 0.0) return mPoint;
  if (mBoundedAbove && t == 1.0) return mPoint2;
  return evalPoint(t);
}

double AcGeLinearEnt3d::length(double fromParam, double toParam, double) const {
  return std::fabs(toParam - fromParam) * mVec.length();
}

AcGeEntity3d& AcGeLinearEnt3d::transformBy(const AcGeMatrix3d& xfm) {
  setPoints(xfm * mPoint, xfm * mPoint2);
  return *this;
}

Adesk::Boolean AcGeLinearEnt3d::isOn(const AcGePoint3d& pnt, const AcGeTol& tol) const {
  return pnt.distanceTo(closestPointTo(pnt, tol)) <= tol.equalPoint();
}

Adesk::Boolean AcGeLinearEnt3d::isParallelTo(const AcGeLinearEnt3d& line, const AcGeTol& tol) const {
  return mVec.isParallelTo(line.mVec, tol);
}

Adesk::Boolean AcGeLinearEnt3d::isPerpendicularTo(const AcGeLinearEnt3d& line, const AcGeTol& tol) const {
  return mVec.isPerpendicularTo(line.mVec, tol);
}

// Distance from a point to the infinite line of an entity.
static double distanceToInfiniteLine(const AcGePoint3d& p, const AcGePoint3d& origin, const AcGeVector3d& vec) {
  const double l2 = vec.lengthSqrd();
  if (!(l2 > 0.0)) return p.distanceTo(origin);
  const AcGeVector3d w = p - origin;
  return (w - vec * (w.dotProduct(vec) / l2)).length();
}

Adesk::Boolean AcGeLinearEnt3d::isColinearTo(const AcGeLinearEnt3d& line, const AcGeTol& tol) const {
  if (mVec.isZeroLength(tol) || line.mVec.isZeroLength(tol)) return false;
  const double eps = tol.equalPoint();
  // Bounded entities: both ends of one within tol of the other's line, which is
  // exact over the whole extent; unbounded ones: parallel and through a common point.
  if (line.mBoundedBelow && line.mBoundedAbove)
    return distanceToInfiniteLine(line.mPoint, mPoint, mVec) <= eps &&
           distanceToInfiniteLine(line.mPoint2, mPoint, mVec) <= eps;
  if (mBoundedBelow && mBoundedAbove)
    return distanceToInfiniteLine(mPoint, line.mPoint, line.mVec) <= eps &&
           distanceToInfiniteLine(mPoint2, line.mPoint, line.mVec) <= eps;
  return isParallelTo(line, tol) && distanceToInfiniteLine(line.mPoint, mPoint, mVec) <= eps;
}

Adesk::Boolean AcGeLinearEnt3d::intersectWith(const AcGeLinearEnt3d& line, AcGePoint3d& intPt,
                                              const AcGeTol& tol) const {
  const double eps = tol.equalPoint();
  const bool thisPoint = mVec.length() <= eps, otherPoint = line.mVec.length() <= eps;
  if (thisPoint || otherPoint) {
    // A segment shrunk to a point meets what passes through it.
    const AcGePoint3d p = thisPoint ? mPoint : line.mPoint;
    if (isOn(p, tol) && line.isOn(p, tol)) {
      intPt = p;
      return true;
    }
    return false;
  }
  if (isParallelTo(line, tol)) return false;
  // Closest points of the two infinite lines.
  const AcGeVector3d d1 = mVec, d2 = line.mVec, w = mPoint - line.mPoint;
  const double a = d1.dotProduct(d1), b = d1.dotProduct(d2), c = d2.dotProduct(d2);
  const double d = d1.dotProduct(w), e = d2.dotProduct(w);
  const double den = a * c - b * b;
  if (!(den > 0.0)) return false;
  const double s = (b * e - c * d) / den;
  const double t = (a * e - b * d) / den;
  const AcGePoint3d p1 = evalPoint(s), p2 = line.evalPoint(t);
  if (p1.distanceTo(p2) > eps) return false;
  if (!isOn(p1, tol) || !line.isOn(p2, tol)) return false;
  intPt = p1;
  return true;
}

Adesk::Boolean AcGeLinearEnt3d::intersectWith(const AcGePlane& plane, AcGePoint3d& intPnt, const AcGeTol& tol) const {
  return plane.intersectWith(*this, intPnt, tol);
}

Adesk::Boolean AcGeLinearEnt3d::overlap(const AcGeLinearEnt3d& line, AcGeLinearEnt3d*& result,
                                        const AcGeTol& tol) const {
  result = nullptr;
  if (!isColinearTo(line, tol)) return false;
  const double inf = std::numeric_limits<double>::infinity();
  // Both ranges in this entity's parameter.
  double lo1 = mBoundedBelow ? 0.0 : -inf, hi1 = mBoundedAbove ? 1.0 : inf;
  double lo2 = -inf, hi2 = inf;
  const double dirSign = mVec.dotProduct(line.mVec) >= 0.0 ? 1.0 : -1.0;
  if (line.mBoundedBelow) {
    const double t = paramOf(line.mPoint, tol);
    if (dirSign > 0.0) lo2 = t; else hi2 = t;
  }
  if (line.mBoundedAbove) {
    const double t = paramOf(line.mPoint2, tol);
    if (dirSign > 0.0) hi2 = t; else lo2 = t;
  }
  const double lo = std::max(lo1, lo2), hi = std::min(hi1, hi2);
  if (std::isinf(lo) && std::isinf(hi)) {
    result = new AcGeLine3d(mPoint, mVec);
    return true;
  }
  if (std::isinf(lo) || std::isinf(hi)) return false;  // half lines are not modelled
  if (!((hi - lo) * mVec.length() > tol.equalPoint())) return false;
  // Ends of the shared part are end points of one of the two, kept exactly.
  auto endAt = [&](double t) {
    if (t == lo2 || t == hi2) {
      if (line.mBoundedBelow && t == paramOf(line.mPoint, tol)) return line.mPoint;
      if (line.mBoundedAbove && t == paramOf(line.mPoint2, tol)) return line.mPoint2;
    }
    return evalPoint(t);
  };
  result = new AcGeLineSeg3d(endAt(lo), endAt(hi));
  return true;
}
