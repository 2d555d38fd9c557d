#pragma once
// The two-dimensional solid: a filled triangle or quadrilateral given by four
// corners (the third and fourth equal for a triangle). The corners are drawn
// in the order 0, 1, 3, 2, as the host draws them.
#include "arx/db/AcDbEntity.h"
#include "arx/ge/AcGePoint3d.h"
#include "arx/ge/AcGeVector3d.h"

class AcDbSolid : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbSolid);
  AcDbSolid();
  AcDbSolid(const AcGePoint3d& pt0, const AcGePoint3d& pt1, const AcGePoint3d& pt2, const AcGePoint3d& pt3);
  AcDbSolid(const AcGePoint3d& pt0, const AcGePoint3d& pt1, const AcGePoint3d& pt2);
  ~AcDbSolid() override;

  // Corners 0 to 3 in world coordinates; eInvalidIndex for another index.
  Acad::ErrorStatus getPointAt(Adesk::UInt16 idx, AcGePoint3d& pntRes) const;
  Acad::ErrorStatus setPointAt(Adesk::UInt16 idx, const AcGePoint3d& pntArg);
  double thickness() const;
  Acad::ErrorStatus setThickness(double thickness);
  AcGeVector3d normal() const;
  Acad::ErrorStatus setNormal(const AcGeVector3d& normal);
  // The area of the outline 0, 1, 3, 2 in the plane of the normal.
  double vhostArea() const;

  Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const override;
  Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;
  bool isPlanar() const override { return true; }
  Acad::ErrorStatus getPlane(AcGePlane& plane, AcDb::Planarity& planarity) const override;

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  // SOLID: corners 10, 11, 12, 13 in the entity coordinate system of the
  // normal, in the same order as pointAt 0 to 3 (both draw 0, 1, 3, 2: the
  // third DXF corner is diagonal to the second), then 39 and 210.
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

 private:
  AcGePoint3d mPoints[4];
  double mThickness = 0.0;
  AcGeVector3d mNormal = AcGeVector3d::kZAxis;
};
