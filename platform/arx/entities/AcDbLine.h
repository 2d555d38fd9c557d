#pragma once
// A straight line segment. Its parameter is the distance from the start
// point: 0 at the start, the length at the end.
#include "arx/entities/CurveEntity.h"

class AcDbLine : public vhost::CurveEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbLine);
  AcDbLine();
  AcDbLine(const AcGePoint3d& start, const AcGePoint3d& end);
  ~AcDbLine() override;

  AcGePoint3d startPoint() const;
  Acad::ErrorStatus setStartPoint(const AcGePoint3d& point);
  AcGePoint3d endPoint() const;
  Acad::ErrorStatus setEndPoint(const AcGePoint3d& point);
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
  Acad::ErrorStatus reverseCurve() override;

  // --- entity protocol
  Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;
  bool isPlanar() const override { return true; }
  Acad::ErrorStatus getPlane(AcGePlane& plane, AcDb::Planarity& planarity) const override;

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

  Acad::ErrorStatus buildGeometry(vhost::CurveGeometry& geometry) const override;

 private:
  AcGePoint3d mStart;
  AcGePoint3d mEnd;
  double mThickness = 0.0;
  AcGeVector3d mNormal = AcGeVector3d::kZAxis;
};
