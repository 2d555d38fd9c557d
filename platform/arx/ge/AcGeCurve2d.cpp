#include "arx/ge/AcGeCurve2d.h"

double AcGeCurve2d::distanceTo(const AcGePoint2d& pnt, const AcGeTol& tol) const {
  return pnt.distanceTo(closestPointTo(pnt, tol));
}

Adesk::Boolean AcGeCurve2d::hasStartPoint(AcGePoint2d& startPoint) const {
  AcGeInterval iv;
  getInterval(iv);
  if (!iv.isBoundedBelow()) return false;
  startPoint = evalPoint(iv.lowerBound());
  return true;
}

Adesk::Boolean AcGeCurve2d::hasEndPoint(AcGePoint2d& endPoint) const {
  AcGeInterval iv;
  getInterval(iv);
  if (!iv.isBoundedAbove()) return false;
  endPoint = evalPoint(iv.upperBound());
  return true;
}

Adesk::Boolean AcGeCurve2d::isClosed(const AcGeTol& tol) const {
  AcGePoint2d s, e;
  if (!hasStartPoint(s) || !hasEndPoint(e)) return false;
  return s.isEqualTo(e, tol);
}

Adesk::Boolean AcGeCurve2d::isOn(const AcGePoint2d& pnt, double& param, const AcGeTol& tol) const {
  if (!isOn(pnt, tol)) return false;
  param = paramOf(pnt, tol);
  return true;
}

void AcGeCurve2d::getSamplePoints(int numSample, AcGePoint2dArray& pointArray) const {
  pointArray.removeAll();
  AcGeInterval iv;
  getInterval(iv);
  if (!iv.isBounded() || numSample <= 0) return;
  if (numSample == 1) {
    pointArray.append(evalPoint(iv.lowerBound()));
    return;
  }
  const double lo = iv.lowerBound(), hi = iv.upperBound();
  for (int i = 0; i < numSample; ++i) {
    const double t = (i == numSample - 1) ? hi : lo + (hi - lo) * double(i) / double(numSample - 1);
    pointArray.append(evalPoint(t));
  }
}
