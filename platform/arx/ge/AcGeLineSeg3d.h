#pragma once
// A 3D line segment; parameter 0 at the start point, 1 at the end point.
#include "arx/ge/AcGeLinearEnt3d.h"

class AcGePlane;

class AcGeLineSeg3d : public AcGeLinearEnt3d {
 public:
  AcGeLineSeg3d();  // from the origin to (1, 0, 0)
  AcGeLineSeg3d(const AcGePoint3d& pnt1, const AcGePoint3d& pnt2);
  AcGeLineSeg3d(const AcGePoint3d& pnt, const AcGeVector3d& vec);  // from pnt to pnt + vec

  AcGeLineSeg3d& set(const AcGePoint3d& pnt1, const AcGePoint3d& pnt2);
  AcGeLineSeg3d& set(const AcGePoint3d& pnt, const AcGeVector3d& vec);

  AcGePoint3d startPoint() const { return mPoint; }
  AcGePoint3d endPoint() const { return mPoint2; }
  AcGePoint3d midPoint() const { return mPoint + mVec * 0.5; }
  // The point at blendCoeff of the way from start to end.
  AcGePoint3d baryComb(double blendCoeff) const { return evalPoint(blendCoeff); }
  using AcGeLinearEnt3d::length;
  double length() const { return mVec.length(); }
  // The plane through the midpoint perpendicular to the segment.
  void getBisector(AcGePlane& plane) const;

  AcGe::EntityId type() const override { return AcGe::kLineSeg3d; }
  Adesk::Boolean isKindOf(AcGe::EntityId entType) const override {
    return entType == AcGe::kLineSeg3d || AcGeLinearEnt3d::isKindOf(entType);
  }
  AcGeEntity3d* copy() const override { return new AcGeLineSeg3d(*this); }
  void getInterval(AcGeInterval& intrvl) const override { intrvl.set(0.0, 1.0); }
  Adesk::Boolean hasStartPoint(AcGePoint3d& p) const override {
    p = startPoint();
    return true;
  }
  Adesk::Boolean hasEndPoint(AcGePoint3d& p) const override {
    p = endPoint();
    return true;
  }
  AcGeCurve3d& reverseParam() override;
};
