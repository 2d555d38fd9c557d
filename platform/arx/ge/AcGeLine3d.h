#pragma once
// An unbounded 3D line: pointOnLine() + t * vector.
#include "arx/ge/AcGeLinearEnt3d.h"

class AcGeLine3d : public AcGeLinearEnt3d {
 public:
  AcGeLine3d();  // the X axis
  AcGeLine3d(const AcGePoint3d& pnt, const AcGeVector3d& vec);
  AcGeLine3d(const AcGePoint3d& pnt1, const AcGePoint3d& pnt2);

  static const AcGeLine3d kXAxis;
  static const AcGeLine3d kYAxis;
  static const AcGeLine3d kZAxis;

  AcGeLine3d& set(const AcGePoint3d& pnt, const AcGeVector3d& vec);
  AcGeLine3d& set(const AcGePoint3d& pnt1, const AcGePoint3d& pnt2);

  AcGe::EntityId type() const override { return AcGe::kLine3d; }
  Adesk::Boolean isKindOf(AcGe::EntityId entType) const override {
    return entType == AcGe::kLine3d || AcGeLinearEnt3d::isKindOf(entType);
  }
  AcGeEntity3d* copy() const override { return new AcGeLine3d(*this); }
  void getInterval(AcGeInterval& intrvl) const override { intrvl.set(); }
  AcGeCurve3d& reverseParam() override;
};
