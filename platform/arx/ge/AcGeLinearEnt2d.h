#pragma once
// Base of the straight 2D curves. A linear entity is the point at parameter 0
// and the point at parameter 1; a line is unbounded, a segment runs over [0, 1].
#include "arx/ge/AcGeCurve2d.h"
#include "arx/ge/AcGeVector2d.h"

class AcGeLine2d;

class AcGeLinearEnt2d : public AcGeCurve2d {
 public:
  Adesk::Boolean isKindOf(AcGe::EntityId entType) const override {
    return entType == AcGe::kLinearEnt2d || AcGeCurve2d::isKindOf(entType);
  }

  AcGePoint2d pointOnLine() const { return mPoint; }
  AcGeVector2d direction() const;  // unit vector
  void getLine(AcGeLine2d& line) const;
  // The line through pnt perpendicular to this one.
  void getPerpLine(const AcGePoint2d& pnt, AcGeLine2d& perpLine) const;

  using AcGeCurve2d::isOn;
  Adesk::Boolean isOn(const AcGePoint2d& pnt, const AcGeTol& tol = AcGeContext::gTol) const override;
  Adesk::Boolean isParallelTo(const AcGeLinearEnt2d& line, const AcGeTol& tol = AcGeContext::gTol) const;
  Adesk::Boolean isPerpendicularTo(const AcGeLinearEnt2d& line, const AcGeTol& tol = AcGeContext::gTol) const;
  Adesk::Boolean isColinearTo(const AcGeLinearEnt2d& line, const AcGeTol& tol = AcGeContext::gTol) const;

  // The single common point of two non-parallel linear entities (bounds
  // included, within tol); false for parallel ones, collinear included.
  Adesk::Boolean intersectWith(const AcGeLinearEnt2d& line, AcGePoint2d& intPnt,
                               const AcGeTol& tol = AcGeContext::gTol) const;
  // Shared part of positive length of two collinear entities, as a new entity the
  // caller deletes (an AcGeLine2d when both are lines, else an AcGeLineSeg2d in
  // this entity's direction); false and nullptr otherwise.
  Adesk::Boolean overlap(const AcGeLinearEnt2d& line, AcGeLinearEnt2d*& overlap,
                         const AcGeTol& tol = AcGeContext::gTol) const;

  AcGePoint2d evalPoint(double param) const override;
  // Parameter of the projection of pnt on the infinite line (not clamped).
  double paramOf(const AcGePoint2d& pnt, const AcGeTol& tol = AcGeContext::gTol) const override;
  AcGePoint2d closestPointTo(const AcGePoint2d& pnt, const AcGeTol& tol = AcGeContext::gTol) const override;
  double length(double fromParam, double toParam, double tol = AcGeContext::gTol.equalPoint()) const override;
  AcGeEntity2d& transformBy(const AcGeMatrix2d& xfm) override;

  bool isBoundedBelow() const { return mBoundedBelow; }
  bool isBoundedAbove() const { return mBoundedAbove; }

 protected:
  AcGeLinearEnt2d(const AcGePoint2d& p, const AcGeVector2d& v, bool bounded)
      : mPoint(p), mPoint2(p + v), mVec(v), mBoundedBelow(bounded), mBoundedAbove(bounded) {}
  AcGeLinearEnt2d(const AcGePoint2d& p1, const AcGePoint2d& p2, bool bounded)
      : mPoint(p1), mPoint2(p2), mVec(p2 - p1), mBoundedBelow(bounded), mBoundedAbove(bounded) {}
  void setPointVector(const AcGePoint2d& p, const AcGeVector2d& v) {
    mPoint = p;
    mVec = v;
    mPoint2 = p + v;
  }
  void setPoints(const AcGePoint2d& p1, const AcGePoint2d& p2) {
    mPoint = p1;
    mPoint2 = p2;
    mVec = p2 - p1;
  }
  double clampParam(double t) const;

  AcGePoint2d mPoint;   // parameter 0
  AcGePoint2d mPoint2;  // parameter 1, kept exactly as given
  AcGeVector2d mVec;    // mPoint2 - mPoint
  bool mBoundedBelow;
  bool mBoundedAbove;
};
