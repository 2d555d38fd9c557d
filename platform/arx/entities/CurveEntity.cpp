#include "arx/entities/CurveEntity.h"

#include <algorithm>
#include <cmath>

#include "arx/entities/CurveIntersection.h"
#include "arx/ge/AcDbExtents.h"
#include "arx/ge/AcGePlane.h"

namespace vhost {

namespace {

// Builds the geometry with its extension set up; errors pass through.
Acad::ErrorStatus build(const CurveEntity* c, CurveGeometry& g) {
  Acad::ErrorStatus es = c->buildGeometry(g);
  if (es != Acad::eOk) return es;
  if (g.isEmpty()) return Acad::eDegenerateGeometry;
  g.setupExtension();
  return Acad::eOk;
}

}  // namespace

bool geometryOf(const AcDbEntity* ent, CurveGeometry& g) {
  g = CurveGeometry();
  if (ent == nullptr) return false;
  if (auto* own = dynamic_cast<const CurveEntity*>(ent)) return build(own, g) == Acad::eOk;
  const AcDbCurve* curve = AcDbCurve::cast(ent);
  if (curve == nullptr) return false;
  double a = 0.0, b = 0.0;
  if (curve->getStartParam(a) != Acad::eOk || curve->getEndParam(b) != Acad::eOk || !(b >= a)) return false;
  g.pieces.push_back(CurvePiece::foreignCurve(curve, a, b));
  g.startParam = a;
  g.endParam = b;
  g.closed = curve->isClosed();
  g.periodic = curve->isPeriodic();
  g.extendable = false;
  g.setupExtension();
  return true;
}

void appendIntersections(const CurveGeometry& a, const CurveGeometry& b, AcDb::Intersect intType,
                         AcGePoint3dArray& points) {
  std::vector<CurveHit> hits;
  const bool extA = intType == AcDb::kExtendThis || intType == AcDb::kExtendBoth;
  const bool extB = intType == AcDb::kExtendArg || intType == AcDb::kExtendBoth;
  intersectCurves(a, extA, b, extB, hits);
  for (const CurveHit& h : hits) points.append(h.point);
}

Adesk::Boolean CurveEntity::isClosed() const {
  assertReadEnabled();
  CurveGeometry g;
  return build(this, g) == Acad::eOk && g.closed;
}

Adesk::Boolean CurveEntity::isPeriodic() const {
  assertReadEnabled();
  CurveGeometry g;
  return build(this, g) == Acad::eOk && g.periodic;
}

Acad::ErrorStatus CurveEntity::getStartParam(double& param) const {
  assertReadEnabled();
  CurveGeometry g;
  Acad::ErrorStatus es = build(this, g);
  if (es == Acad::eOk) param = g.startParam;
  return es;
}

Acad::ErrorStatus CurveEntity::getEndParam(double& param) const {
  assertReadEnabled();
  CurveGeometry g;
  Acad::ErrorStatus es = build(this, g);
  if (es == Acad::eOk) param = g.endParam;
  return es;
}

Acad::ErrorStatus CurveEntity::getStartPoint(AcGePoint3d& point) const {
  assertReadEnabled();
  CurveGeometry g;
  Acad::ErrorStatus es = build(this, g);
  if (es == Acad::eOk) point = g.startPoint();
  return es;
}

Acad::ErrorStatus CurveEntity::getEndPoint(AcGePoint3d& point) const {
  assertReadEnabled();
  CurveGeometry g;
  Acad::ErrorStatus es = build(this, g);
  if (es == Acad::eOk) point = g.endPoint();
  return es;
}

Acad::ErrorStatus CurveEntity::getPointAtParam(double param, AcGePoint3d& point) const {
  assertReadEnabled();
  CurveGeometry g;
  Acad::ErrorStatus es = build(this, g);
  if (es != Acad::eOk) return es;
  return g.pointAtParam(param, point) ? Acad::eOk : Acad::eInvalidInput;
}

Acad::ErrorStatus CurveEntity::getParamAtPoint(const AcGePoint3d& point, double& param) const {
  assertReadEnabled();
  CurveGeometry g;
  Acad::ErrorStatus es = build(this, g);
  if (es != Acad::eOk) return es;
  return g.paramAtPoint(point, param, pointTolerance(g.magnitude())) ? Acad::eOk : Acad::eInvalidInput;
}

Acad::ErrorStatus CurveEntity::getDistAtParam(double param, double& dist) const {
  assertReadEnabled();
  CurveGeometry g;
  Acad::ErrorStatus es = build(this, g);
  if (es != Acad::eOk) return es;
  return g.distAtParam(param, dist) ? Acad::eOk : Acad::eInvalidInput;
}

Acad::ErrorStatus CurveEntity::getParamAtDist(double dist, double& param) const {
  assertReadEnabled();
  CurveGeometry g;
  Acad::ErrorStatus es = build(this, g);
  if (es != Acad::eOk) return es;
  return g.paramAtDist(dist, param) ? Acad::eOk : Acad::eInvalidInput;
}

Acad::ErrorStatus CurveEntity::getDistAtPoint(const AcGePoint3d& point, double& dist) const {
  assertReadEnabled();
  CurveGeometry g;
  Acad::ErrorStatus es = build(this, g);
  if (es != Acad::eOk) return es;
  double param;
  if (!g.paramAtPoint(point, param, pointTolerance(g.magnitude()))) return Acad::eInvalidInput;
  return g.distAtParam(param, dist) ? Acad::eOk : Acad::eInvalidInput;
}

Acad::ErrorStatus CurveEntity::getPointAtDist(double dist, AcGePoint3d& point) const {
  assertReadEnabled();
  CurveGeometry g;
  Acad::ErrorStatus es = build(this, g);
  if (es != Acad::eOk) return es;
  double param;
  if (!g.paramAtDist(dist, param)) return Acad::eInvalidInput;
  return g.pointAtParam(param, point) ? Acad::eOk : Acad::eInvalidInput;
}

Acad::ErrorStatus CurveEntity::getFirstDeriv(double param, AcGeVector3d& firstDeriv) const {
  assertReadEnabled();
  CurveGeometry g;
  Acad::ErrorStatus es = build(this, g);
  if (es != Acad::eOk) return es;
  AcGePoint3d p;
  return g.derivsAtParam(param, p, &firstDeriv, nullptr) ? Acad::eOk : Acad::eInvalidInput;
}

Acad::ErrorStatus CurveEntity::getFirstDeriv(const AcGePoint3d& point, AcGeVector3d& firstDeriv) const {
  assertReadEnabled();
  CurveGeometry g;
  Acad::ErrorStatus es = build(this, g);
  if (es != Acad::eOk) return es;
  double param;
  AcGePoint3d p;
  if (!g.paramAtPoint(point, param, pointTolerance(g.magnitude()))) return Acad::eInvalidInput;
  return g.derivsAtParam(param, p, &firstDeriv, nullptr) ? Acad::eOk : Acad::eInvalidInput;
}

Acad::ErrorStatus CurveEntity::getSecondDeriv(double param, AcGeVector3d& secDeriv) const {
  assertReadEnabled();
  CurveGeometry g;
  Acad::ErrorStatus es = build(this, g);
  if (es != Acad::eOk) return es;
  AcGePoint3d p;
  return g.derivsAtParam(param, p, nullptr, &secDeriv) ? Acad::eOk : Acad::eInvalidInput;
}

Acad::ErrorStatus CurveEntity::getSecondDeriv(const AcGePoint3d& point, AcGeVector3d& secDeriv) const {
  assertReadEnabled();
  CurveGeometry g;
  Acad::ErrorStatus es = build(this, g);
  if (es != Acad::eOk) return es;
  double param;
  AcGePoint3d p;
  if (!g.paramAtPoint(point, param, pointTolerance(g.magnitude()))) return Acad::eInvalidInput;
  return g.derivsAtParam(param, p, nullptr, &secDeriv) ? Acad::eOk : Acad::eInvalidInput;
}

Acad::ErrorStatus CurveEntity::getClosestPointTo(const AcGePoint3d& givenPoint, AcGePoint3d& pointOnCurve,
                                                 Adesk::Boolean extend) const {
  assertReadEnabled();
  CurveGeometry g;
  Acad::ErrorStatus es = build(this, g);
  if (es != Acad::eOk) return es;
  double param;
  g.closestPoint(givenPoint, extend, param, pointOnCurve);
  return Acad::eOk;
}

Acad::ErrorStatus CurveEntity::getClosestPointTo(const AcGePoint3d& givenPoint, const AcGeVector3d& direction,
                                                 AcGePoint3d& pointOnCurve, Adesk::Boolean extend) const {
  assertReadEnabled();
  if (direction.isZeroLength()) return Acad::eInvalidInput;
  CurveGeometry g;
  Acad::ErrorStatus es = build(this, g);
  if (es != Acad::eOk) return es;
  // Nearest on the curve as seen along the direction: projected onto the
  // plane through the point, then carried back by its parameter.
  const CurveGeometry flat = g.projected(givenPoint, direction, direction);
  double param;
  AcGePoint3d onFlat;
  flat.closestPoint(givenPoint, extend, param, onFlat);
  return g.pointAtParam(param, pointOnCurve, true) ? Acad::eOk : Acad::eInvalidInput;
}

Acad::ErrorStatus CurveEntity::getArea(double& area) const {
  assertReadEnabled();
  CurveGeometry g;
  Acad::ErrorStatus es = build(this, g);
  if (es != Acad::eOk) return es;
  area = g.area();
  return Acad::eOk;
}

Acad::ErrorStatus CurveEntity::splitParams(const AcGeDoubleArray& params, std::vector<double>& out) const {
  out.clear();
  CurveGeometry g;
  Acad::ErrorStatus es = build(this, g);
  if (es != Acad::eOk) return es;
  const double eps = 1e-10 * std::max({1.0, std::fabs(g.startParam), std::fabs(g.endParam)});
  for (double p : params) {
    if (!g.normalizeParam(p)) return Acad::eInvalidInput;
    out.push_back(p);
  }
  std::sort(out.begin(), out.end());
  std::vector<double> uniq;
  for (double p : out)
    if (uniq.empty() || p - uniq.back() > eps) uniq.push_back(p);
  out = std::move(uniq);
  return Acad::eOk;
}

Acad::ErrorStatus CurveEntity::getSplitCurves(const AcGePoint3dArray& points, AcDbVoidPtrArray& curveSegments) const {
  assertReadEnabled();
  CurveGeometry g;
  Acad::ErrorStatus es = build(this, g);
  if (es != Acad::eOk) return es;
  AcGeDoubleArray params;
  const double tol = pointTolerance(g.magnitude());
  for (const AcGePoint3d& p : points) {
    double param;
    if (!g.paramAtPoint(p, param, tol)) return Acad::eInvalidInput;
    params.append(param);
  }
  return getSplitCurves(params, curveSegments);
}

Acad::ErrorStatus CurveEntity::getGeomExtents(AcDbExtents& extents) const {
  assertReadEnabled();
  CurveGeometry g;
  Acad::ErrorStatus es = build(this, g);
  if (es != Acad::eOk) return es;
  AcGePoint3d mn, mx;
  g.extents(mn, mx);
  extents.reset();
  extents.addPoint(mn);
  extents.addPoint(mx);
  return Acad::eOk;
}

Acad::ErrorStatus CurveEntity::intersectWith(const AcDbEntity* ent, AcDb::Intersect intType, AcGePoint3dArray& points,
                                             Adesk::GsMarker thisGsMarker, Adesk::GsMarker otherGsMarker) const {
  assertReadEnabled();
  if (ent == nullptr) return Acad::eNullEntityPointer;
  CurveGeometry other;
  if (!geometryOf(ent, other)) {
    if (AcDbCurve::cast(ent) != nullptr) return Acad::eInvalidInput;
    // Not a curve: the other entity may know how to meet a curve. A negative
    // marker means it already asked us.
    if (thisGsMarker < 0) return Acad::eNotImplementedYet;
    const AcDb::Intersect swapped = intType == AcDb::kExtendThis  ? AcDb::kExtendArg
                                    : intType == AcDb::kExtendArg ? AcDb::kExtendThis
                                                                  : intType;
    return ent->intersectWith(this, swapped, points, -1, thisGsMarker);
  }
  (void)otherGsMarker;
  CurveGeometry mine;
  Acad::ErrorStatus es = build(this, mine);
  if (es != Acad::eOk) return es;
  appendIntersections(mine, other, intType, points);
  return Acad::eOk;
}

Acad::ErrorStatus CurveEntity::intersectWith(const AcDbEntity* ent, AcDb::Intersect intType, const AcGePlane& projPlane,
                                             AcGePoint3dArray& points, Adesk::GsMarker thisGsMarker,
                                             Adesk::GsMarker otherGsMarker) const {
  assertReadEnabled();
  if (ent == nullptr) return Acad::eNullEntityPointer;
  CurveGeometry other;
  if (!geometryOf(ent, other)) {
    if (AcDbCurve::cast(ent) != nullptr) return Acad::eInvalidInput;
    if (thisGsMarker < 0) return Acad::eNotImplementedYet;
    const AcDb::Intersect swapped = intType == AcDb::kExtendThis  ? AcDb::kExtendArg
                                    : intType == AcDb::kExtendArg ? AcDb::kExtendThis
                                                                  : intType;
    return ent->intersectWith(this, swapped, projPlane, points, -1, thisGsMarker);
  }
  (void)otherGsMarker;
  CurveGeometry mine;
  Acad::ErrorStatus es = build(this, mine);
  if (es != Acad::eOk) return es;
  // Intersect the shadows on the plane; report the points of this curve
  // with the parameters found there.
  const AcGeVector3d n = projPlane.normal();
  const AcGePoint3d o = projPlane.pointOnPlane();
  const CurveGeometry a = mine.projected(o, n, n), b = other.projected(o, n, n);
  std::vector<CurveHit> hits;
  const bool extA = intType == AcDb::kExtendThis || intType == AcDb::kExtendBoth;
  const bool extB = intType == AcDb::kExtendArg || intType == AcDb::kExtendBoth;
  intersectCurves(a, extA, b, extB, hits);
  for (const CurveHit& h : hits) {
    AcGePoint3d p;
    if (mine.pointAtParam(h.paramA, p, true)) points.append(p);
  }
  return Acad::eOk;
}

}  // namespace vhost
