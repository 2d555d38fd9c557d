#pragma once
// A full circle in the plane of its normal. Its parameter is the angle from
// the X axis of the entity coordinate system, 0 to 2π; it is closed and
// periodic.
#include "arx/entities/CurveEntity.h"

class AcDbCircle : public vhost::CurveEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbCircle);
  AcDbCircle();
  AcDbCircle(const AcGePoint3d& center, const AcGeVector3d& normal, double radius);
  ~AcDbCircle() override;

  AcGePoint3d center() const;
  Acad::ErrorStatus setCenter(const AcGePoint3d& center);
  double radius() const;
  Acad::ErrorStatus setRadius(double radius);  // > 0
  double diameter() const;
  Acad::ErrorStatus setDiameter(double diameter);
  double circumference() const;
  Acad::ErrorStatus setCircumference(double circumference);
  double thickness() const;
  Acad::ErrorStatus setThickness(double thickness);
  AcGeVector3d normal() const;
  Acad::ErrorStatus setNormal(const AcGeVector3d& normal);

  // --- curve protocol
  Adesk::Boolean isClosed() const override { return true; }
  Adesk::Boolean isPeriodic() const override { return true; }
  // Arcs between consecutive split points, the first starting at the
  // smallest parameter given and the last coming round to it.
  Acad::ErrorStatus getSplitCurves(const AcGeDoubleArray& params, AcDbVoidPtrArray& curveSegments) const override;
  using vhost::CurveEntity::getSplitCurves;
  Acad::ErrorStatus extend(double newParam) override;
  Acad::ErrorStatus extend(Adesk::Boolean extendStart, const AcGePoint3d& toPoint) override;
  Acad::ErrorStatus reverseCurve() override;

  // --- entity protocol
  Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;
  Acad::ErrorStatus getTransformedCopy(const AcGeMatrix3d& xform, AcDbEntity*& ent) const override;
  bool isPlanar() const override { return true; }
  Acad::ErrorStatus getPlane(AcGePlane& plane, AcDb::Planarity& planarity) const override;

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

  Acad::ErrorStatus buildGeometry(vhost::CurveGeometry& geometry) const override;

 private:
  AcGePoint3d mCenter;
  double mRadius = 1.0;
  double mThickness = 0.0;
  AcGeVector3d mNormal = AcGeVector3d::kZAxis;
};
