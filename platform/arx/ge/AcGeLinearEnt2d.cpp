#include "arx/ge/AcGeLinearEnt2d.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "arx/ge/AcGeLine2d.h"
#include "arx/ge/AcGeLineSeg2d.h"
#include "arx/ge/AcGeMatrix2d.h"

AcGeVector2d AcGeLinearEnt2d::direction() const {
  const double l = mVec.length();
  return l > 0.0 ? mVec / l : AcGeVector2d();
}

void AcGeLinearEnt2d::getLine(AcGeLine2d& line) const { line.set(mPoint, mVec); }

void AcGeLinearEnt2d::getPerpLine(const AcGePoint2d& pnt, AcGeLine2d& perpLine) const {
  perpLine.set(pnt, mVec.perpVector());
}

AcGePoint2d AcGeLinearEnt2d::evalPoint(double param) const {
  if (param == 0.0) return mPoint;
  if (param == 1.0) return mPoint2;
  return mPoint + mVec * param;
}

double AcGeLinearEnt2d::clampParam(double t) const {
  if (mBoundedBelow && t < 0.0) t = 0.0;
  if (mBoundedAbove && t > 1.0) t = 1.0;
  return t;
}

double AcGeLinearEnt2d::paramOf(const AcGePoint2d& pnt, const AcGeTol&) const {
  const double l2 = mVec.lengthSqrd();
  if (!(l2 > 0.0)) return 0.0;
  return (pnt - mPoint).dotProduct(mVec) / l2;
}

AcGePoint2d AcGeLinearEnt2d::closestPointTo(const AcGePoint2d& pnt, const AcGeTol& tol) const {
  return evalPoint(clampParam(paramOf(pnt, tol)));
}

double AcGeLinearEnt2d::length(double fromParam, double toParam, double) const {
  return std::fabs(toParam - fromParam) * mVec.length();
}

AcGeEntity2d& AcGeLinearEnt2d::transformBy(const AcGeMatrix2d& xfm) {
  setPoints(xfm * mPoint, xfm * mPoint2);
  return *this;
}

Adesk::Boolean AcGeLinearEnt2d::isOn(const AcGePoint2d& pnt, const AcGeTol& tol) const {
  return pnt.distanceTo(closestPointTo(pnt, tol)) <= tol.equalPoint();
}

Adesk::Boolean AcGeLinearEnt2d::isParallelTo(const AcGeLinearEnt2d& line, const AcGeTol& tol) const {
  return mVec.isParallelTo(line.mVec, tol);
}

Adesk::Boolean AcGeLinearEnt2d::isPerpendicularTo(const AcGeLinearEnt2d& line, const AcGeTol& tol) const {
  return mVec.isPerpendicularTo(line.mVec, tol);
}

static double distanceToInfiniteLine(const AcGePoint2d& p, const AcGePoint2d& origin, const AcGeVector2d& vec) {
  const double l = vec.length();
  if (!(l > 0.0)) return p.distanceTo(origin);
  const AcGeVector2d w = p - origin;
  return std::fabs(vec.x * w.y - vec.y * w.x) / l;
}

Adesk::Boolean AcGeLinearEnt2d::isColinearTo(const AcGeLinearEnt2d& line, const AcGeTol& tol) const {
  if (mVec.isZeroLength(tol) || line.mVec.isZeroLength(tol)) return false;
  const double eps = tol.equalPoint();
  if (line.mBoundedBelow && line.mBoundedAbove)
    return distanceToInfiniteLine(line.mPoint, mPoint, mVec) <= eps &&
           distanceToInfiniteLine(line.mPoint2, mPoint, mVec) <= eps;
  if (mBoundedBelow && mBoundedAbove)
    return distanceToInfiniteLine(mPoint, line.mPoint, line.mVec) <= eps &&
           distanceToInfiniteLine(mPoint2, line.mPoint, line.mVec) <= eps;
  return isParallelTo(line, tol) && distanceToInfiniteLine(line.mPoint, mPoint, mVec) <= eps;
}

Adesk::Boolean AcGeLinearEnt2d::intersectWith(const AcGeLinearEnt2d& line, AcGePoint2d& intPnt,
                                              const AcGeTol& tol) const {
  const double eps = tol.equalPoint();
  const bool thisPoint = mVec.length() <= eps, otherPoint = line.mVec.length() <= eps;
  if (thisPoint || otherPoint) {
    const AcGePoint2d p = thisPoint ? mPoint : line.mPoint;
    if (isOn(p, tol) && line.isOn(p, tol)) {
      intPnt = p;
      return true;
    }
    return false;
  }
  if (isParallelTo(line, tol)) return false;
  const double den = mVec.x * line.mVec.y - mVec.y * line.mVec.x;
  if (den == 0.0) return false;
  const AcGeVector2d w = line.mPoint - mPoint;
  const double s = (w.x * line.mVec.y - w.y * line.mVec.x) / den;
  const AcGePoint2d p = evalPoint(s);
  if (!isOn(p, tol) || !line.isOn(p, tol)) return false;
  intPnt = p;
  return true;
}

Adesk::Boolean AcGeLinearEnt2d::overlap(const AcGeLinearEnt2d& line, AcGeLinearEnt2d*& result,
                                        const AcGeTol& tol) const {
  result = nullptr;
  if (!isColinearTo(line, tol)) return false;
  const double inf = std::numeric_limits<double>::infinity();
  double lo1 = mBoundedBelow ? 0.0 : -inf, hi1 = mBoundedAbove ? 1.0 : inf;
  double lo2 = -inf, hi2 = inf;
  const double dirSign = mVec.dotProduct(line.mVec) >= 0.0 ? 1.0 : -1.0;
  const double t0 = paramOf(line.mPoint, tol), t1 = paramOf(line.mPoint2, tol);
  if (line.mBoundedBelow) {
    if (dirSign > 0.0) lo2 = t0; else hi2 = t0;
  }
  if (line.mBoundedAbove) {
    if (dirSign > 0.0) hi2 = t1; else lo2 = t1;
  }
  const double lo = std::max(lo1, lo2), hi = std::min(hi1, hi2);
  if (std::isinf(lo) && std::isinf(hi)) {
    result = new AcGeLine2d(mPoint, mVec);
    return true;
  }
  if (std::isinf(lo) || std::isinf(hi)) return false;
  if (!((hi - lo) * mVec.length() > tol.equalPoint())) return false;
  auto endAt = [&](double t) {
    if (line.mBoundedBelow && t == t0 && (t == lo2 || t == hi2)) return line.mPoint;
    if (line.mBoundedAbove && t == t1 && (t == lo2 || t == hi2)) return line.mPoint2;
    return evalPoint(t);
  };
  result = new AcGeLineSeg2d(endAt(lo), endAt(hi));
  return true;
}
