#pragma once
// A circular arc (or full circle) in 2D: the points
//   center + radius (cos t * refVec + sin t * perp),  t in [startAng, endAng],
// where perp is refVec turned by +90 degrees, or by -90 degrees for a clockwise
// arc. endAng - startAng lies in (0, 2π].
#include "arx/ge/AcGeCurve2d.h"
#include "arx/ge/AcGeVector2d.h"

class AcGeLinearEnt2d;
class AcGeLine2d;

class AcGeCircArc2d : public AcGeCurve2d {
 public:
  AcGeCircArc2d();  // unit circle around the origin
  AcGeCircArc2d(const AcGePoint2d& cent, double radius);
  AcGeCircArc2d(const AcGePoint2d& cent, double radius, double startAngle, double endAngle,
                const AcGeVector2d& refVec = AcGeVector2d::kXAxis, Adesk::Boolean isClockWise = Adesk::kFalse);
  // The arc from startPoint through pnt to endPoint; throws Acad::eDegenerateGeometry
  // when the points coincide or are collinear.
  AcGeCircArc2d(const AcGePoint2d& startPoint, const AcGePoint2d& pnt, const AcGePoint2d& endPoint);
  // The arc from startPoint to endPoint with a bulge: with bulgeFlag the tangent of
  // a quarter of the included angle, otherwise the signed height of the arc over
  // the chord; positive counter-clockwise, negative gives a clockwise arc.
  // Throws Acad::eDegenerateGeometry for equal points or a zero bulge.
  AcGeCircArc2d(const AcGePoint2d& startPoint, const AcGePoint2d& endPoint, double bulge,
                Adesk::Boolean bulgeFlag = Adesk::kTrue);

  AcGeCircArc2d& set(const AcGePoint2d& cent, double radius);
  AcGeCircArc2d& set(const AcGePoint2d& cent, double radius, double startAngle, double endAngle,
                     const AcGeVector2d& refVec = AcGeVector2d::kXAxis, Adesk::Boolean isClockWise = Adesk::kFalse);
  AcGeCircArc2d& set(const AcGePoint2d& startPoint, const AcGePoint2d& pnt, const AcGePoint2d& endPoint);
  AcGeCircArc2d& set(const AcGePoint2d& startPoint, const AcGePoint2d& pnt, const AcGePoint2d& endPoint,
                     AcGeError& error);
  AcGeCircArc2d& set(const AcGePoint2d& startPoint, const AcGePoint2d& endPoint, double bulge,
                     Adesk::Boolean bulgeFlag = Adesk::kTrue);

  AcGePoint2d center() const { return mCenter; }
  double radius() const { return mRadius; }
  double startAng() const { return mStartAng; }
  double endAng() const { return mEndAng; }
  AcGeVector2d refVec() const { return mRef; }
  Adesk::Boolean isClockWise() const { return mClockWise; }
  AcGePoint2d startPoint() const { return evalPoint(mStartAng); }
  AcGePoint2d endPoint() const { return evalPoint(mEndAng); }

  AcGeCircArc2d& setCenter(const AcGePoint2d& cent);
  AcGeCircArc2d& setRadius(double radius);
  AcGeCircArc2d& setAngles(double startAngle, double endAngle);
  AcGeCircArc2d& setRefVec(const AcGeVector2d& vec);
  AcGeCircArc2d& setToComplement();

  Adesk::Boolean isInside(const AcGePoint2d& pnt, const AcGeTol& tol = AcGeContext::gTol) const;
  using AcGeCurve2d::isOn;
  Adesk::Boolean isOn(const AcGePoint2d& pnt, const AcGeTol& tol = AcGeContext::gTol) const override;
  Adesk::Boolean intersectWith(const AcGeLinearEnt2d& line, int& intn, AcGePoint2d& p1, AcGePoint2d& p2,
                               const AcGeTol& tol = AcGeContext::gTol) const;
  Adesk::Boolean intersectWith(const AcGeCircArc2d& arc, int& intn, AcGePoint2d& p1, AcGePoint2d& p2,
                               const AcGeTol& tol = AcGeContext::gTol) const;
  Adesk::Boolean tangent(const AcGePoint2d& pnt, AcGeLine2d& line, const AcGeTol& tol = AcGeContext::gTol) const;

  void getInterval(AcGeInterval& intrvl) const override { intrvl.set(mStartAng, mEndAng); }
  AcGePoint2d evalPoint(double param) const override;
  double paramOf(const AcGePoint2d& pnt, const AcGeTol& tol = AcGeContext::gTol) const override;
  AcGePoint2d closestPointTo(const AcGePoint2d& pnt, const AcGeTol& tol = AcGeContext::gTol) const override;
  using AcGeCurve2d::length;
  double length() const { return mRadius * (mEndAng - mStartAng); }
  double length(double fromParam, double toParam, double tol = AcGeContext::gTol.equalPoint()) const override;
  AcGeCurve2d& reverseParam() override;
  Adesk::Boolean isClosed(const AcGeTol& tol = AcGeContext::gTol) const override;

  AcGe::EntityId type() const override { return AcGe::kCircArc2d; }
  Adesk::Boolean isKindOf(AcGe::EntityId entType) const override {
    return entType == AcGe::kCircArc2d || AcGeCurve2d::isKindOf(entType);
  }
  AcGeEntity2d* copy() const override { return new AcGeCircArc2d(*this); }
  // Throws Acad::eCannotScaleNonUniformly for a transform that does not keep
  // circles circular (the arc is unchanged); a mirror reverses the turning sense.
  AcGeEntity2d& transformBy(const AcGeMatrix2d& xfm) override;

 private:
  AcGeVector2d perpRef() const { return mClockWise ? AcGeVector2d(mRef.y, -mRef.x) : mRef.perpVector(); }
  double angleOf(const AcGeVector2d& dir) const;  // in [0, 2π) from refVec in the arc's turning sense

  AcGePoint2d mCenter;
  double mRadius = 1.0;
  double mStartAng = 0.0;
  double mEndAng = 6.28318530717958647692;
  AcGeVector2d mRef = AcGeVector2d(1.0, 0.0);
  bool mClockWise = false;
};
