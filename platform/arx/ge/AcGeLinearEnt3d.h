#pragma once
// Base of the straight 3D curves. A linear entity is the point at parameter 0
// and the vector from there to the point at parameter 1; a line is unbounded, a
// segment runs over [0, 1].
#include "arx/ge/AcGeCurve3d.h"
#include "arx/ge/AcGeVector3d.h"

class AcGeLine3d;
class AcGePlane;

class AcGeLinearEnt3d : public AcGeCurve3d {
 public:
  Adesk::Boolean isKindOf(AcGe::EntityId entType) const override {
    return entType == AcGe::kLinearEnt3d || AcGeCurve3d::isKindOf(entType);
  }

  AcGePoint3d pointOnLine() const { return mPoint; }
  AcGeVector3d direction() const;  // unit vector
  void getLine(AcGeLine3d& line) const;
  // The plane through pnt perpendicular to the line.
  void getPerpPlane(const AcGePoint3d& pnt, AcGePlane& plane) const;

  using AcGeCurve3d::isOn;
  Adesk::Boolean isOn(const AcGePoint3d& pnt, const AcGeTol& tol = AcGeContext::gTol) const override;
  Adesk::Boolean isParallelTo(const AcGeLinearEnt3d& line, const AcGeTol& tol = AcGeContext::gTol) const;
  Adesk::Boolean isPerpendicularTo(const AcGeLinearEnt3d& line, const AcGeTol& tol = AcGeContext::gTol) const;
  // Whether both lie on one infinite line.
  Adesk::Boolean isColinearTo(const AcGeLinearEnt3d& line, const AcGeTol& tol = AcGeContext::gTol) const;

  // The single common point of two non-parallel linear entities that meet
  // (within tol, bounds included); false for parallel or skew ones.
  Adesk::Boolean intersectWith(const AcGeLinearEnt3d& line, AcGePoint3d& intPt,
                               const AcGeTol& tol = AcGeContext::gTol) const;
  Adesk::Boolean intersectWith(const AcGePlane& plane, AcGePoint3d& intPnt,
                               const AcGeTol& tol = AcGeContext::gTol) const;
  // When both are collinear and share a piece of positive length, true and a new
  // entity for the shared part (an AcGeLine3d when both are lines, else an
  // AcGeLineSeg3d running in this entity's direction) that the caller deletes.
  // Otherwise false and overlap = nullptr.
  Adesk::Boolean overlap(const AcGeLinearEnt3d& line, AcGeLinearEnt3d*& overlap,
                         const AcGeTol& tol = AcGeContext::gTol) const;

  // Curve interface.
  AcGePoint3d evalPoint(double param) const override;
  // Parameter of the projection of pnt on the infinite line (not clamped).
  double paramOf(const AcGePoint3d& pnt, const AcGeTol& tol = AcGeContext::gTol) const override;
  AcGePoint3d closestPointTo(const AcGePoint3d& pnt, const AcGeTol& tol = AcGeContext::gTol) const override;
  double length(double fromParam, double toParam, double tol = AcGeContext::gTol.equalPoint()) const override;
  AcGeEntity3d& transformBy(const AcGeMatrix3d& xfm) override;

  bool isBoundedBelow() const { return mBoundedBelow; }
  bool isBoundedAbove() const { return mBoundedAbove; }

 protected:
  AcGeLinearEnt3d(const AcGePoint3d& p, const AcGeVector3d& v, bool bounded)
      : mPoint(p), mPoint2(p + v), mVec(v), mBoundedBelow(bounded), mBoundedAbove(bounded) {}
  AcGeLinearEnt3d(const AcGePoint3d& p1, const AcGePoint3d& p2, bool bounded)
      : mPoint(p1), mPoint2(p2), mVec(p2 - p1), mBoundedBelow(bounded), mBoundedAbove(bounded) {}
  void setPointVector(const AcGePoint3d& p, const AcGeVector3d& v) {
    mPoint = p;
    mVec = v;
    mPoint2 = p + v;
  }
  void setPoints(const AcGePoint3d& p1, const AcGePoint3d& p2) {
    mPoint = p1;
    mPoint2 = p2;
    mVec = p2 - p1;
  }
  // Parameter clamped to the entity's bounds.
  double clampParam(double t) const;

  AcGePoint3d mPoint;   // parameter 0
  AcGePoint3d mPoint2;  // parameter 1, kept exactly as given
  AcGeVector3d mVec;    // mPoint2 - mPoint
  bool mBoundedBelow;
  bool mBoundedAbove;
};
