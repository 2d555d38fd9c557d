#pragma once
// An unbounded plane with a parametric coordinate system: a point is
// origin + u * uAxis + v * vAxis; the normal is uAxis x vAxis, normalised.
// A plane built from an origin and a normal takes its axes from the
// arbitrary-axis rule. Degenerate input (zero normal, parallel axes, collinear
// points) gives the plane's normal +Z and calls AcGeContext::gErrorFunc.
#include "arx/ge/AcGeEntity3d.h"
#include "arx/ge/AcGePoint2d.h"
#include "arx/ge/AcGePoint3d.h"
#include "arx/ge/AcGeVector3d.h"

class AcGeLinearEnt3d;
class AcGeLine3d;

class AcGePlane : public AcGeEntity3d {
 public:
  AcGePlane();  // the XY plane
  AcGePlane(const AcGePoint3d& origin, const AcGeVector3d& normal);
  AcGePlane(const AcGePoint3d& origin, const AcGeVector3d& uAxis, const AcGeVector3d& vAxis);
  // Through three points: origin org, axes towards pntU and pntV.
  AcGePlane(const AcGePoint3d& pntU, const AcGePoint3d& org, const AcGePoint3d& pntV);
  // a x + b y + c z + d = 0
  AcGePlane(double a, double b, double c, double d);

  static const AcGePlane kXYPlane;
  static const AcGePlane kYZPlane;
  static const AcGePlane kZXPlane;

  AcGePlane& set(const AcGePoint3d& origin, const AcGeVector3d& normal);
  AcGePlane& set(const AcGePoint3d& origin, const AcGeVector3d& uAxis, const AcGeVector3d& vAxis);
  AcGePlane& set(const AcGePoint3d& pntU, const AcGePoint3d& org, const AcGePoint3d& pntV);
  AcGePlane& set(double a, double b, double c, double d);

  AcGeVector3d normal() const { return mNormal; }
  AcGePoint3d pointOnPlane() const { return mOrigin; }
  void getCoordSystem(AcGePoint3d& origin, AcGeVector3d& axis1, AcGeVector3d& axis2) const;
  void getCoefficients(double& a, double& b, double& c, double& d) const;

  double signedDistanceTo(const AcGePoint3d& pnt) const;
  double distanceTo(const AcGePoint3d& pnt, const AcGeTol& tol = AcGeContext::gTol) const;
  AcGePoint3d closestPointTo(const AcGePoint3d& pnt, const AcGeTol& tol = AcGeContext::gTol) const;
  Adesk::Boolean isOn(const AcGePoint3d& pnt, const AcGeTol& tol = AcGeContext::gTol) const override;

  // The point where a linear entity (within its bounds) crosses the plane;
  // false when it is parallel to the plane or misses it.
  Adesk::Boolean intersectWith(const AcGeLinearEnt3d& linEnt, AcGePoint3d& pnt,
                               const AcGeTol& tol = AcGeContext::gTol) const;
  // The line common to two non-parallel planes.
  Adesk::Boolean intersectWith(const AcGePlane& otherPln, AcGeLine3d& linEnt,
                               const AcGeTol& tol = AcGeContext::gTol) const;
  Adesk::Boolean isParallelTo(const AcGePlane& otherPln, const AcGeTol& tol = AcGeContext::gTol) const;
  Adesk::Boolean isParallelTo(const AcGeLinearEnt3d& linEnt, const AcGeTol& tol = AcGeContext::gTol) const;
  Adesk::Boolean isPerpendicularTo(const AcGePlane& otherPln, const AcGeTol& tol = AcGeContext::gTol) const;
  Adesk::Boolean isCoplanarTo(const AcGePlane& otherPln, const AcGeTol& tol = AcGeContext::gTol) const;

  AcGePoint3d evalPoint(const AcGePoint2d& param) const;
  // Plane coordinates of the projection of pnt.
  AcGePoint2d paramOf(const AcGePoint3d& pnt, const AcGeTol& tol = AcGeContext::gTol) const;

  AcGe::EntityId type() const override { return AcGe::kPlane; }
  Adesk::Boolean isKindOf(AcGe::EntityId entType) const override {
    return entType == AcGe::kPlane || entType == AcGe::kPlanarEnt || AcGeEntity3d::isKindOf(entType);
  }
  AcGeEntity3d* copy() const override { return new AcGePlane(*this); }
  AcGeEntity3d& transformBy(const AcGeMatrix3d& xfm) override;

 private:
  void fail();

  AcGePoint3d mOrigin;
  AcGeVector3d mU;
  AcGeVector3d mV;
  AcGeVector3d mNormal;
};
