#pragma once
// A 2D line segment; parameter 0 at the start point, 1 at the end point.
#include "arx/ge/AcGeLinearEnt2d.h"

class AcGeLineSeg2d : public AcGeLinearEnt2d {
 public:
  AcGeLineSeg2d();  // from the origin to (1, 0)
  AcGeLineSeg2d(const AcGePoint2d& pnt1, const AcGePoint2d& pnt2);
  AcGeLineSeg2d(const AcGePoint2d& pnt, const AcGeVector2d& vec);  // from pnt to pnt + vec

  AcGeLineSeg2d& set(const AcGePoint2d& pnt1, const AcGePoint2d& pnt2);
  AcGeLineSeg2d& set(const AcGePoint2d& pnt, const AcGeVector2d& vec);

  AcGePoint2d startPoint() const { return mPoint; }
  AcGePoint2d endPoint() const { return mPoint2; }
  AcGePoint2d midPoint() const { return mPoint + mVec * 0.5; }
  AcGePoint2d baryComb(double blendCoeff) const { return evalPoint(blendCoeff); }
  using AcGeLinearEnt2d::length;
  double length() const { return mVec.length(); }
  // The perpendicular bisector.
  void getBisector(AcGeLine2d& line) const;

  AcGe::EntityId type() const override { return AcGe::kLineSeg2d; }
  Adesk::Boolean isKindOf(AcGe::EntityId entType) const override {
    return entType == AcGe::kLineSeg2d || AcGeLinearEnt2d::isKindOf(entType);
  }
  AcGeEntity2d* copy() const override { return new AcGeLineSeg2d(*this); }
  void getInterval(AcGeInterval& intrvl) const override { intrvl.set(0.0, 1.0); }
  Adesk::Boolean hasStartPoint(AcGePoint2d& p) const override {
    p = startPoint();
    return true;
  }
  Adesk::Boolean hasEndPoint(AcGePoint2d& p) const override {
    p = endPoint();
    return true;
  }
  AcGeCurve2d& reverseParam() override;
};
