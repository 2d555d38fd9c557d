#pragma once
// A linear dimension measuring the distance between two points along a
// given direction (its rotation in the plane of the normal): horizontal,
// vertical or any angle.
#include "arx/entities/AcDbDimension.h"

class AcDbRotatedDimension : public AcDbDimension {
 public:
  ACRX_DECLARE_MEMBERS(AcDbRotatedDimension);
  AcDbRotatedDimension();
  AcDbRotatedDimension(double rotation, const AcGePoint3d& xLine1Point, const AcGePoint3d& xLine2Point,
                       const AcGePoint3d& dimLinePoint, const ACHAR* dimText = nullptr,
                       AcDbObjectId dimStyle = AcDbObjectId::kNull);
  ~AcDbRotatedDimension() override;

  AcGePoint3d xLine1Point() const;
  Acad::ErrorStatus setXLine1Point(const AcGePoint3d& point);
  AcGePoint3d xLine2Point() const;
  Acad::ErrorStatus setXLine2Point(const AcGePoint3d& point);
  AcGePoint3d dimLinePoint() const;
  Acad::ErrorStatus setDimLinePoint(const AcGePoint3d& point);
  double rotation() const;
  Acad::ErrorStatus setRotation(double angle);
  double oblique() const;
  Acad::ErrorStatus setOblique(double angle);

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  // The AcDbDimension groups, then "100 AcDbAlignedDimension": 13 and 14
  // (extension line points, world), 50 rotation (degrees), 52 oblique (degrees), then "100 AcDbRotatedDimension".
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

 protected:
  double vhostMeasure() const override;
  void vhostBuild(const Style& style, std::vector<AcDbEntity*>& out) const override;
  void vhostTransformPoints(const AcGeMatrix3d& xform) override;
  AcGePoint3d vhostDxfDefinitionPoint() const override;

 private:
  AcGePoint3d mX1, mX2, mDimLine;
  double mRotation = 0.0;
  double mOblique = 0.0;
};
