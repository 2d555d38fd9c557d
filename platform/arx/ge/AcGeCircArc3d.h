#pragma once
// A circular arc (or full circle) in 3D: the points
//   center + radius (cos t * refVec + sin t * (normal x refVec)),  t in [startAng, endAng],
// so the arc runs counter-clockwise about its normal. endAng - startAng lies in
// (0, 2π]; angles given the other way round are brought into that range.
// A zero normal is taken as +Z (AcGeContext::gErrorFunc is called); a refVec
// along the normal is replaced by the arbitrary-axis X direction.
#include "arx/ge/AcGeCurve3d.h"
#include "arx/ge/AcGeVector3d.h"

class AcGeLinearEnt3d;
class AcGeLine3d;
class AcGePlane;

class AcGeCircArc3d : public AcGeCurve3d {
 public:
  AcGeCircArc3d();  // unit circle around the origin in the XY plane
  AcGeCircArc3d(const AcGePoint3d& cent, const AcGeVector3d& nrm, double radius);
  AcGeCircArc3d(const AcGePoint3d& cent, const AcGeVector3d& nrm, const AcGeVector3d& refVec, double radius,
                double startAngle = 0.0, double endAngle = 6.28318530717958647692);
  // The arc from startPoint through pnt to endPoint; throws Acad::eDegenerateGeometry
  // when the points coincide or are collinear.
  AcGeCircArc3d(const AcGePoint3d& startPoint, const AcGePoint3d& pnt, const AcGePoint3d& endPoint);

  AcGeCircArc3d& set(const AcGePoint3d& cent, const AcGeVector3d& nrm, double radius);
  AcGeCircArc3d& set(const AcGePoint3d& cent, const AcGeVector3d& nrm, const AcGeVector3d& refVec, double radius,
                     double startAngle, double endAngle);
  AcGeCircArc3d& set(const AcGePoint3d& startPoint, const AcGePoint3d& pnt, const AcGePoint3d& endPoint);
  // As above, reporting degenerate input in error (arc unchanged) instead of throwing.
  AcGeCircArc3d& set(const AcGePoint3d& startPoint, const AcGePoint3d& pnt, const AcGePoint3d& endPoint,
                     AcGeError& error);

  AcGePoint3d center() const { return mCenter; }
  AcGeVector3d normal() const { return mNormal; }
  AcGeVector3d refVec() const { return mRef; }
  double radius() const { return mRadius; }
  double startAng() const { return mStartAng; }
  double endAng() const { return mEndAng; }
  AcGePoint3d startPoint() const { return evalPoint(mStartAng); }
  AcGePoint3d endPoint() const { return evalPoint(mEndAng); }
  void getPlane(AcGePlane& plane) const;

  AcGeCircArc3d& setCenter(const AcGePoint3d& cent);
  AcGeCircArc3d& setAxes(const AcGeVector3d& normal, const AcGeVector3d& refVec);
  AcGeCircArc3d& setRadius(double radius);
  AcGeCircArc3d& setAngles(double startAngle, double endAngle);

  // Whether the point lies in the arc's plane inside the full circle.
  Adesk::Boolean isInside(const AcGePoint3d& pnt, const AcGeTol& tol = AcGeContext::gTol) const;
  using AcGeCurve3d::isOn;
  Adesk::Boolean isOn(const AcGePoint3d& pnt, const AcGeTol& tol = AcGeContext::gTol) const override;

  // Common points with a linear entity (within its bounds) and with another arc,
  // at most two; an arc lying along the other (shared stretch) gives none.
  Adesk::Boolean intersectWith(const AcGeLinearEnt3d& line, int& intn, AcGePoint3d& p1, AcGePoint3d& p2,
                               const AcGeTol& tol = AcGeContext::gTol) const;
  Adesk::Boolean intersectWith(const AcGeCircArc3d& arc, int& intn, AcGePoint3d& p1, AcGePoint3d& p2,
                               const AcGeTol& tol = AcGeContext::gTol) const;
  // The tangent line at a point of the arc, directed as the parameter grows.
  Adesk::Boolean tangent(const AcGePoint3d& pnt, AcGeLine3d& line, const AcGeTol& tol = AcGeContext::gTol) const;

  // Curve interface; the parameter is the angle.
  void getInterval(AcGeInterval& intrvl) const override { intrvl.set(mStartAng, mEndAng); }
  AcGePoint3d evalPoint(double param) const override;
  // Angle of the point's projection, in [startAng, startAng + 2π).
  double paramOf(const AcGePoint3d& pnt, const AcGeTol& tol = AcGeContext::gTol) const override;
  AcGePoint3d closestPointTo(const AcGePoint3d& pnt, const AcGeTol& tol = AcGeContext::gTol) const override;
  using AcGeCurve3d::length;
  double length() const { return mRadius * (mEndAng - mStartAng); }
  double length(double fromParam, double toParam, double tol = AcGeContext::gTol.equalPoint()) const override;
  AcGeCurve3d& reverseParam() override;
  Adesk::Boolean isClosed(const AcGeTol& tol = AcGeContext::gTol) const override;

  AcGe::EntityId type() const override { return AcGe::kCircArc3d; }
  Adesk::Boolean isKindOf(AcGe::EntityId entType) const override {
    return entType == AcGe::kCircArc3d || AcGeCurve3d::isKindOf(entType);
  }
  AcGeEntity3d* copy() const override { return new AcGeCircArc3d(*this); }
  // Throws Acad::eCannotScaleNonUniformly for a transform that does not keep
  // circles circular (the arc is unchanged).
  AcGeEntity3d& transformBy(const AcGeMatrix3d& xfm) override;

 private:
  AcGeVector3d perpRef() const { return mNormal.crossProduct(mRef); }
  // Angle of a direction in the arc's plane, measured from refVec about the normal, in [0, 2π).
  double angleOf(const AcGeVector3d& dirInPlane) const;

  AcGePoint3d mCenter;
  AcGeVector3d mNormal;  // unit
  AcGeVector3d mRef;     // unit, perpendicular to the normal
  double mRadius = 1.0;
  double mStartAng = 0.0;
  double mEndAng = 6.28318530717958647692;
};
