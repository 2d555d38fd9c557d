#pragma once
// Base of the 2D curves: a point for every parameter of an interval.
#include "arx/base/AcArray.h"
#include "arx/ge/AcGeEntity2d.h"
#include "arx/ge/AcGeInterval.h"
#include "arx/ge/AcGePoint2d.h"

class AcGeCurve2d : public AcGeEntity2d {
 public:
  Adesk::Boolean isKindOf(AcGe::EntityId entType) const override {
    return entType == AcGe::kCurve2d || AcGeEntity2d::isKindOf(entType);
  }

  virtual void getInterval(AcGeInterval& intrvl) const = 0;
  virtual AcGePoint2d evalPoint(double param) const = 0;
  // Parameter of a point of the curve (of its closest point for other points).
  virtual double paramOf(const AcGePoint2d& pnt, const AcGeTol& tol = AcGeContext::gTol) const = 0;
  virtual AcGePoint2d closestPointTo(const AcGePoint2d& pnt, const AcGeTol& tol = AcGeContext::gTol) const = 0;
  virtual double distanceTo(const AcGePoint2d& pnt, const AcGeTol& tol = AcGeContext::gTol) const;
  virtual double length(double fromParam, double toParam,
                        double tol = AcGeContext::gTol.equalPoint()) const = 0;
  virtual AcGeCurve2d& reverseParam() = 0;
  virtual Adesk::Boolean hasStartPoint(AcGePoint2d& startPoint) const;
  virtual Adesk::Boolean hasEndPoint(AcGePoint2d& endPoint) const;
  virtual Adesk::Boolean isClosed(const AcGeTol& tol = AcGeContext::gTol) const;

  using AcGeEntity2d::isOn;
  Adesk::Boolean isOn(const AcGePoint2d& pnt, double& param, const AcGeTol& tol = AcGeContext::gTol) const;
  void getSamplePoints(int numSample, AcGePoint2dArray& pointArray) const;
};
