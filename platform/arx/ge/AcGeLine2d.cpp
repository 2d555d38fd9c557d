#include "arx/ge/AcGeLine2d.h"

const AcGeLine2d AcGeLine2d::kXAxis(AcGePoint2d(0.0, 0.0), AcGeVector2d(1.0, 0.0));
const AcGeLine2d AcGeLine2d::kYAxis(AcGePoint2d(0.0, 0.0), AcGeVector2d(0.0, 1.0));

AcGeLine2d::AcGeLine2d() : AcGeLinearEnt2d(AcGePoint2d(0.0, 0.0), AcGeVector2d(1.0, 0.0), false) {}

AcGeLine2d::AcGeLine2d(const AcGePoint2d& pnt, const AcGeVector2d& vec) : AcGeLinearEnt2d(pnt, vec, false) {}

AcGeLine2d::AcGeLine2d(const AcGePoint2d& pnt1, const AcGePoint2d& pnt2) : AcGeLinearEnt2d(pnt1, pnt2, false) {}

AcGeLine2d& AcGeLine2d::set(const AcGePoint2d& pnt, const AcGeVector2d& vec) {
  setPointVector(pnt, vec);
  return *this;
}

AcGeLine2d& AcGeLine2d::set(const AcGePoint2d& pnt1, const AcGePoint2d& pnt2) {
  setPoints(pnt1, pnt2);
  return *this;
}

AcGeCurve2d& AcGeLine2d::reverseParam() {
  setPointVector(mPoint, -mVec);
  return *this;
}
