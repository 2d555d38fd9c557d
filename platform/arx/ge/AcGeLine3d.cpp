#include "arx/ge/AcGeLine3d.h"

const AcGeLine3d AcGeLine3d::kXAxis(AcGePoint3d::kOrigin, AcGeVector3d::kXAxis);
const AcGeLine3d AcGeLine3d::kYAxis(AcGePoint3d::kOrigin, AcGeVector3d::kYAxis);
const AcGeLine3d AcGeLine3d::kZAxis(AcGePoint3d::kOrigin, AcGeVector3d::kZAxis);

AcGeLine3d::AcGeLine3d() : AcGeLinearEnt3d(AcGePoint3d(0.0, 0.0, 0.0), AcGeVector3d(1.0, 0.0, 0.0), false) {}

AcGeLine3d::AcGeLine3d(const AcGePoint3d& pnt, const AcGeVector3d& vec) : AcGeLinearEnt3d(pnt, vec, false) {}

AcGeLine3d::AcGeLine3d(const AcGePoint3d& pnt1, const AcGePoint3d& pnt2) : AcGeLinearEnt3d(pnt1, pnt2, false) {}

AcGeLine3d& AcGeLine3d::set(const AcGePoint3d& pnt, const AcGeVector3d& vec) {
  setPointVector(pnt, vec);
  return *this;
}

AcGeLine3d& AcGeLine3d::set(const AcGePoint3d& pnt1, const AcGePoint3d& pnt2) {
  setPoints(pnt1, pnt2);
  return *this;
}

AcGeCurve3d& AcGeLine3d::reverseParam() {
  setPointVector(mPoint, -mVec);
  return *this;
}
