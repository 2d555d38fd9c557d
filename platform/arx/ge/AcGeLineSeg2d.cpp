#include "arx/ge/AcGeLineSeg2d.h"

#include "arx/ge/AcGeLine2d.h"

AcGeLineSeg2d::AcGeLineSeg2d() : AcGeLinearEnt2d(AcGePoint2d(0.0, 0.0), AcGeVector2d(1.0, 0.0), true) {}

AcGeLineSeg2d::AcGeLineSeg2d(const AcGePoint2d& pnt1, const AcGePoint2d& pnt2) : AcGeLinearEnt2d(pnt1, pnt2, true) {}

AcGeLineSeg2d::AcGeLineSeg2d(const AcGePoint2d& pnt, const AcGeVector2d& vec) : AcGeLinearEnt2d(pnt, vec, true) {}

AcGeLineSeg2d& AcGeLineSeg2d::set(const AcGePoint2d& pnt1, const AcGePoint2d& pnt2) {
  setPoints(pnt1, pnt2);
  return *this;
}

AcGeLineSeg2d& AcGeLineSeg2d::set(const AcGePoint2d& pnt, const AcGeVector2d& vec) {
  setPointVector(pnt, vec);
  return *this;
}

void AcGeLineSeg2d::getBisector(AcGeLine2d& line) const { line.set(midPoint(), mVec.perpVector()); }

AcGeCurve2d& AcGeLineSeg2d::reverseParam() {
  setPoints(AcGePoint2d(mPoint2), AcGePoint2d(mPoint));
  return *this;
}
