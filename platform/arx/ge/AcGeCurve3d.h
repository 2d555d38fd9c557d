#pragma once
// Base of the 3D curves: a point for every parameter of an interval.
#include "arx/base/AcArray.h"
#include "arx/ge/AcGeEntity3d.h"
#include "arx/ge/AcGeInterval.h"
#include "arx/ge/AcGePoint3d.h"

class AcGeCurve3d : public AcGeEntity3d {
 public:
  Adesk::Boolean isKindOf(AcGe::EntityId entType) const override {
    return entType == AcGe::kCurve3d || AcGeEntity3d::isKindOf(entType);
  }

  virtual void getInterval(AcGeInterval& intrvl) const = 0;
  virtual AcGePoint3d evalPoint(double param) const = 0;
  // Parameter of a point of the curve (of its closest point for other points).
  virtual double paramOf(const AcGePoint3d& pnt, const AcGeTol& tol = AcGeContext::gTol) const = 0;
  virtual AcGePoint3d closestPointTo(const AcGePoint3d& pnt, const AcGeTol& tol = AcGeContext::gTol) const = 0;
  virtual double distanceTo(const AcGePoint3d& pnt, const AcGeTol& tol = AcGeContext::gTol) const;
  // Length of the curve between two parameters.
  virtual double length(double fromParam, double toParam,
                        double tol = AcGeContext::gTol.equalPoint()) const = 0;
  virtual AcGeCurve3d& reverseParam() = 0;
  virtual Adesk::Boolean hasStartPoint(AcGePoint3d& startPoint) const;
  virtual Adesk::Boolean hasEndPoint(AcGePoint3d& endPoint) const;
  // Bounded with equal start and end points.
  virtual Adesk::Boolean isClosed(const AcGeTol& tol = AcGeContext::gTol) const;

  using AcGeEntity3d::isOn;
  Adesk::Boolean isOn(const AcGePoint3d& pnt, double& param, const AcGeTol& tol = AcGeContext::gTol) const;
  // numSample points at equal parameter steps over a bounded curve (none for an unbounded one).
  void getSamplePoints(int numSample, AcGePoint3dArray& pointArray) const;
};
