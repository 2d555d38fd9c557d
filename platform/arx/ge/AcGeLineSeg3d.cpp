#include "arx/ge/AcGeLineSeg3d.h"

#include "arx/ge/AcGePlane.h"

AcGeLineSeg3d::AcGeLineSeg3d() : AcGeLinearEnt3d(AcGePoint3d(0.0, 0.0, 0.0), AcGeVector3d(1.0, 0.0, 0.0), true) {}

AcGeLineSeg3d::AcGeLineSeg3d(const AcGePoint3d& pnt1, const AcGePoint3d& pnt2)
    : AcGeLinearEnt3d(pnt1, pnt2, true) {}

AcGeLineSeg3d::AcGeLineSeg3d(const AcGePoint3d& pnt, const AcGeVector3d& vec) : AcGeLinearEnt3d(pnt, vec, true) {}

AcGeLineSeg3d& AcGeLineSeg3d::set(const AcGePoint3d& pnt1, const AcGePoint3d& pnt2) {
  setPoints(pnt1, pnt2);
  return *this;
}

AcGeLineSeg3d& AcGeLineSeg3d::set(const AcGePoint3d& pnt, const AcGeVector3d& vec) {
  setPointVector(pnt, vec);
  return *this;
}

void AcGeLineSeg3d::getBisector(AcGePlane& plane) const { plane.set(midPoint(), mVec); }

AcGeCurve3d& AcGeLineSeg3d::reverseParam() {
  setPoints(AcGePoint3d(mPoint2), AcGePoint3d(mPoint));
  return *this;
}
