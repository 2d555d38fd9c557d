#include "arx/db/AcDbCurve.h"

// The base class answers what follows from the other queries (end points from
// end parameters, distances at points through parameters ...); the primitive
// queries are for each curve class to give, and report eNotImplementedYet
// here, as for a custom curve class that does not override them.

VHOST_DEFINE_BUILTIN_ABSTRACT_CLASS(AcDbCurve, AcDbEntity)

AcDbCurve::AcDbCurve() = default;
AcDbCurve::~AcDbCurve() = default;

Adesk::Boolean AcDbCurve::isClosed() const {
  assertReadEnabled();
  return false;
}

Adesk::Boolean AcDbCurve::isPeriodic() const {
  assertReadEnabled();
  return false;
}

Acad::ErrorStatus AcDbCurve::getStartParam(double&) const { return Acad::eNotImplementedYet; }

Acad::ErrorStatus AcDbCurve::getEndParam(double&) const { return Acad::eNotImplementedYet; }

Acad::ErrorStatus AcDbCurve::getStartPoint(AcGePoint3d& point) const {
  double param;
  Acad::ErrorStatus es = getStartParam(param);
  return es == Acad::eOk ? getPointAtParam(param, point) : es;
}

Acad::ErrorStatus AcDbCurve::getEndPoint(AcGePoint3d& point) const {
  double param;
  Acad::ErrorStatus es = getEndParam(param);
  return es == Acad::eOk ? getPointAtParam(param, point) : es;
}

Acad::ErrorStatus AcDbCurve::getPointAtParam(double, AcGePoint3d&) const { return Acad::eNotImplementedYet; }

Acad::ErrorStatus AcDbCurve::getParamAtPoint(const AcGePoint3d&, double&) const { return Acad::eNotImplementedYet; }

Acad::ErrorStatus AcDbCurve::getDistAtParam(double, double&) const { return Acad::eNotImplementedYet; }

Acad::ErrorStatus AcDbCurve::getParamAtDist(double, double&) const { return Acad::eNotImplementedYet; }

Acad::ErrorStatus AcDbCurve::getDistAtPoint(const AcGePoint3d& point, double& dist) const {
  double param;
  Acad::ErrorStatus es = getParamAtPoint(point, param);
  return es == Acad::eOk ? getDistAtParam(param, dist) : es;
}

Acad::ErrorStatus AcDbCurve::getPointAtDist(double dist, AcGePoint3d& point) const {
  double param;
  Acad::ErrorStatus es = getParamAtDist(dist, param);
  return es == Acad::eOk ? getPointAtParam(param, point) : es;
}

Acad::ErrorStatus AcDbCurve::getFirstDeriv(double, AcGeVector3d&) const { return Acad::eNotImplementedYet; }

Acad::ErrorStatus AcDbCurve::getFirstDeriv(const AcGePoint3d& point, AcGeVector3d& firstDeriv) const {
  double param;
  Acad::ErrorStatus es = getParamAtPoint(point, param);
  return es == Acad::eOk ? getFirstDeriv(param, firstDeriv) : es;
}

Acad::ErrorStatus AcDbCurve::getSecondDeriv(double, AcGeVector3d&) const { return Acad::eNotImplementedYet; }

Acad::ErrorStatus AcDbCurve::getSecondDeriv(const AcGePoint3d& point, AcGeVector3d& secDeriv) const {
  double param;
  Acad::ErrorStatus es = getParamAtPoint(point, param);
  return es == Acad::eOk ? getSecondDeriv(param, secDeriv) : es;
}

Acad::ErrorStatus AcDbCurve::getClosestPointTo(const AcGePoint3d&, AcGePoint3d&, Adesk::Boolean) const {
  return Acad::eNotImplementedYet;
}

Acad::ErrorStatus AcDbCurve::getClosestPointTo(const AcGePoint3d&, const AcGeVector3d&, AcGePoint3d&,
                                               Adesk::Boolean) const {
  return Acad::eNotImplementedYet;
}

Acad::ErrorStatus AcDbCurve::getArea(double&) const { return Acad::eNotImplementedYet; }

Acad::ErrorStatus AcDbCurve::getSplitCurves(const AcGeDoubleArray&, AcDbVoidPtrArray&) const {
  return Acad::eNotImplementedYet;
}

Acad::ErrorStatus AcDbCurve::getSplitCurves(const AcGePoint3dArray& points, AcDbVoidPtrArray& curveSegments) const {
  AcGeDoubleArray params;
  for (const AcGePoint3d& p : points) {
    double param;
    Acad::ErrorStatus es = getParamAtPoint(p, param);
    if (es != Acad::eOk) return es;
    params.append(param);
  }
  return getSplitCurves(params, curveSegments);
}

Acad::ErrorStatus AcDbCurve::extend(double) { return Acad::eNotImplementedYet; }

Acad::ErrorStatus AcDbCurve::extend(Adesk::Boolean, const AcGePoint3d&) { return Acad::eNotImplementedYet; }

Acad::ErrorStatus AcDbCurve::reverseCurve() { return Acad::eNotImplementedYet; }
