#pragma once
// The curve protocol of the platform's own curve classes. AcDbLine, AcDbArc,
// AcDbPolyline ... derive from this class (and through it from AcDbCurve):
// each one describes its exact geometry in buildGeometry(), and the queries
// of the curve protocol (points, parameters, distances, derivatives, closest
// points, area, extents, intersections) are answered from that description.
// What changes an entity (extend, reverse, split, transform) stays with each
// class.
#include "arx/db/AcDbCurve.h"
#include "arx/entities/CurveGeometry.h"

class AcGePlane;

namespace vhost {

class CurveEntity : public AcDbCurve {
 public:
  // The geometry of the curve. Errors: what keeps the geometry from being
  // read (a vertex that cannot be opened...).
  virtual Acad::ErrorStatus buildGeometry(CurveGeometry& geometry) const = 0;

  Adesk::Boolean isClosed() const override;
  Adesk::Boolean isPeriodic() const override;
  Acad::ErrorStatus getStartParam(double& param) const override;
  Acad::ErrorStatus getEndParam(double& param) const override;
  Acad::ErrorStatus getStartPoint(AcGePoint3d& point) const override;
  Acad::ErrorStatus getEndPoint(AcGePoint3d& point) const override;
  Acad::ErrorStatus getPointAtParam(double param, AcGePoint3d& point) const override;
  Acad::ErrorStatus getParamAtPoint(const AcGePoint3d& point, double& param) const override;
  Acad::ErrorStatus getDistAtParam(double param, double& dist) const override;
  Acad::ErrorStatus getParamAtDist(double dist, double& param) const override;
  Acad::ErrorStatus getDistAtPoint(const AcGePoint3d& point, double& dist) const override;
  Acad::ErrorStatus getPointAtDist(double dist, AcGePoint3d& point) const override;
  Acad::ErrorStatus getFirstDeriv(double param, AcGeVector3d& firstDeriv) const override;
  Acad::ErrorStatus getFirstDeriv(const AcGePoint3d& point, AcGeVector3d& firstDeriv) const override;
  Acad::ErrorStatus getSecondDeriv(double param, AcGeVector3d& secDeriv) const override;
  Acad::ErrorStatus getSecondDeriv(const AcGePoint3d& point, AcGeVector3d& secDeriv) const override;
  Acad::ErrorStatus getClosestPointTo(const AcGePoint3d& givenPoint, AcGePoint3d& pointOnCurve,
                                      Adesk::Boolean extend = false) const override;
  Acad::ErrorStatus getClosestPointTo(const AcGePoint3d& givenPoint, const AcGeVector3d& direction,
                                      AcGePoint3d& pointOnCurve, Adesk::Boolean extend = false) const override;
  Acad::ErrorStatus getArea(double& area) const override;
  // Points are turned into parameters (eInvalidInput for a point off the
  // curve) and split by getSplitCurves(params).
  Acad::ErrorStatus getSplitCurves(const AcGePoint3dArray& points, AcDbVoidPtrArray& curveSegments) const override;
  using AcDbCurve::getSplitCurves;

  Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const override;
  Acad::ErrorStatus intersectWith(const AcDbEntity* ent, AcDb::Intersect intType, AcGePoint3dArray& points,
                                  Adesk::GsMarker thisGsMarker = 0, Adesk::GsMarker otherGsMarker = 0) const override;
  Acad::ErrorStatus intersectWith(const AcDbEntity* ent, AcDb::Intersect intType, const AcGePlane& projPlane,
                                  AcGePoint3dArray& points, Adesk::GsMarker thisGsMarker = 0,
                                  Adesk::GsMarker otherGsMarker = 0) const override;

  // Sorted split parameters: those inside the range, wrapped for periodic
  // curves, duplicates removed; eInvalidInput for one outside the range.
  Acad::ErrorStatus splitParams(const AcGeDoubleArray& params, std::vector<double>& out) const;
};

// The geometry of any curve entity: the platform's own through buildGeometry,
// other classes through their curve protocol (one foreign piece). False for
// entities that are not curves or whose geometry cannot be read.
bool geometryOf(const AcDbEntity* ent, CurveGeometry& geometry);

// Appends the points of intersection of two curve geometries (entity level:
// the extension flags of intType, the points on the first curve).
void appendIntersections(const CurveGeometry& a, const CurveGeometry& b, AcDb::Intersect intType,
                         AcGePoint3dArray& points);

}  // namespace vhost
