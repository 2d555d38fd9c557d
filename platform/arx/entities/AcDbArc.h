#pragma once
// A circular arc in the plane of its normal, running counter-clockwise about
// the normal from the start angle to the end angle. Angles are measured from
// the X axis of the entity coordinate system and kept in [0, 2π); the
// parameters are the angles, the end parameter being raised by 2π when it is
// not above the start (equal angles give the full circle).
#include "arx/entities/CurveEntity.h"

class AcDbArc : public vhost::CurveEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbArc);
  AcDbArc();
  AcDbArc(const AcGePoint3d& center, double radius, double startAngle, double endAngle);
  AcDbArc(const AcGePoint3d& center, const AcGeVector3d& normal, double radius, double startAngle, double endAngle);
  ~AcDbArc() override;

  AcGePoint3d center() const;
  Acad::ErrorStatus setCenter(const AcGePoint3d& center);
  double radius() const;
  Acad::ErrorStatus setRadius(double radius);  // > 0
  double startAngle() const;
  Acad::ErrorStatus setStartAngle(double angle);
  double endAngle() const;
  Acad::ErrorStatus setEndAngle(double angle);
  // End angle less start angle, in (0, 2π].
  double totalAngle() const;
  double length() const;
  double thickness() const;
  Acad::ErrorStatus setThickness(double thickness);
  AcGeVector3d normal() const;
  Acad::ErrorStatus setNormal(const AcGeVector3d& normal);

  // --- curve protocol
  Adesk::Boolean isClosed() const override { return false; }
  Adesk::Boolean isPeriodic() const override { return false; }
  Acad::ErrorStatus getSplitCurves(const AcGeDoubleArray& params, AcDbVoidPtrArray& curveSegments) const override;
  using vhost::CurveEntity::getSplitCurves;
  Acad::ErrorStatus extend(double newParam) override;
  Acad::ErrorStatus extend(Adesk::Boolean extendStart, const AcGePoint3d& toPoint) override;
  // Runs the other way: the normal turns over, start and end swap.
  Acad::ErrorStatus reverseCurve() override;

  // --- entity protocol
  // Rotation, mirroring, uniform scaling and translation; other scalings
  // give eCannotScaleNonUniformly (getTransformedCopy makes an ellipse).
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
  double endParamValue() const;

  AcGePoint3d mCenter;
  double mRadius = 1.0;
  double mStartAngle = 0.0;
  double mEndAngle = 0.0;
  double mThickness = 0.0;
  AcGeVector3d mNormal = AcGeVector3d::kZAxis;
};
