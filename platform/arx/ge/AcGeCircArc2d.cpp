#include "arx/ge/AcGeCircArc2d.h"

#include <cmath>

#include "arx/base/AcadErrorStatus.h"
#include "arx/ge/AcGeLine2d.h"
#include "arx/ge/AcGeLineSeg2d.h"
#include "arx/ge/AcGeLinearEnt2d.h"
#include "arx/ge/AcGeMatrix2d.h"
#include "arx/ge/ArcPieces.h"
#include "arx/ge/BulgePiece.h"
#include "arx/ge/GeMath.h"

using VeskGe::BulgePiece;
using VeskGe::kTwoPi;

namespace {

double sweepOf(double startAngle, double endAngle) {
  double sweep = endAngle - startAngle;
  if (!std::isfinite(sweep)) return kTwoPi;
  if (sweep > kTwoPi) return kTwoPi;
  if (sweep <= 0.0) {
    sweep = VeskGe::normalizeAngle(sweep);
    if (sweep == 0.0) sweep = kTwoPi;
  }
  return sweep;
}

}  // namespace

AcGeCircArc2d::AcGeCircArc2d() : mCenter(0.0, 0.0) {}

AcGeCircArc2d::AcGeCircArc2d(const AcGePoint2d& cent, double radius) { set(cent, radius); }

AcGeCircArc2d::AcGeCircArc2d(const AcGePoint2d& cent, double radius, double startAngle, double endAngle,
                             const AcGeVector2d& refVec, Adesk::Boolean isClockWise) {
  set(cent, radius, startAngle, endAngle, refVec, isClockWise);
}

AcGeCircArc2d::AcGeCircArc2d(const AcGePoint2d& startPoint, const AcGePoint2d& pnt, const AcGePoint2d& endPoint) {
  set(startPoint, pnt, endPoint);
}

AcGeCircArc2d::AcGeCircArc2d(const AcGePoint2d& startPoint, const AcGePoint2d& endPoint, double bulge,
                             Adesk::Boolean bulgeFlag) {
  set(startPoint, endPoint, bulge, bulgeFlag);
}

AcGeCircArc2d& AcGeCircArc2d::set(const AcGePoint2d& cent, double radius) {
  return set(cent, radius, 0.0, kTwoPi, AcGeVector2d::kXAxis, false);
}

AcGeCircArc2d& AcGeCircArc2d::set(const AcGePoint2d& cent, double radius, double startAngle, double endAngle,
                                  const AcGeVector2d& refVec, Adesk::Boolean isClockWise) {
  mCenter = cent;
  mRadius = std::fabs(radius);
  mClockWise = isClockWise;
  setRefVec(refVec);
  return setAngles(startAngle, endAngle);
}

AcGeCircArc2d& AcGeCircArc2d::set(const AcGePoint2d& startPoint, const AcGePoint2d& pnt, const AcGePoint2d& endPoint) {
  AcGeError err;
  set(startPoint, pnt, endPoint, err);
  if (err != AcGe::kOk) {
    if (AcGeContext::gErrorFunc) AcGeContext::gErrorFunc();
    throw Acad::eDegenerateGeometry;
  }
  return *this;
}

AcGeCircArc2d& AcGeCircArc2d::set(const AcGePoint2d& p1, const AcGePoint2d& p2, const AcGePoint2d& p3,
                                  AcGeError& error) {
  const AcGeTol& tol = AcGeContext::gTol;
  if (p1.isEqualTo(p2, tol)) {
    error = AcGe::kEqualArg1Arg2;
    return *this;
  }
  if (p1.isEqualTo(p3, tol)) {
    error = AcGe::kEqualArg1Arg3;
    return *this;
  }
  if (p2.isEqualTo(p3, tol)) {
    error = AcGe::kEqualArg2Arg3;
    return *this;
  }
  double bulge = 0.0;
  if (BulgePiece::bulgeFromThreePoints(p1, p2, p3, bulge) != Acad::eOk ||
      !(std::fabs(bulge) >= BulgePiece::kLineBulge)) {
    error = AcGe::kLinearlyDependentArg1Arg2Arg3;
    return *this;
  }
  set(p1, p3, bulge, true);
  error = AcGe::kOk;
  return *this;
}

AcGeCircArc2d& AcGeCircArc2d::set(const AcGePoint2d& startPoint, const AcGePoint2d& endPoint, double bulge,
                                  Adesk::Boolean bulgeFlag) {
  const double c = startPoint.distanceTo(endPoint);
  if (!(c > 0.0) || !std::isfinite(bulge) || bulge == 0.0) throw Acad::eDegenerateGeometry;
  // Without the flag the bulge is the arc's height over the chord.
  const double b = bulgeFlag ? bulge : 2.0 * bulge / c;
  const BulgePiece piece(startPoint, endPoint, b);
  AcGePoint3d cen;
  if (!piece.center(cen)) throw Acad::eDegenerateGeometry;
  mCenter.set(cen.x, cen.y);
  mRadius = piece.radius();
  mClockWise = b < 0.0;
  mRef = startPoint - mCenter;
  mRef /= mRef.length();
  mStartAng = 0.0;
  mEndAng = std::fabs(piece.includedAngle());
  return *this;
}

AcGeCircArc2d& AcGeCircArc2d::setCenter(const AcGePoint2d& cent) {
  mCenter = cent;
  return *this;
}

AcGeCircArc2d& AcGeCircArc2d::setRadius(double radius) {
  mRadius = std::fabs(radius);
  return *this;
}

AcGeCircArc2d& AcGeCircArc2d::setAngles(double startAngle, double endAngle) {
  if (!std::isfinite(startAngle)) startAngle = 0.0;
  mStartAng = startAngle;
  mEndAng = startAngle + sweepOf(startAngle, endAngle);
  return *this;
}

AcGeCircArc2d& AcGeCircArc2d::setRefVec(const AcGeVector2d& vec) {
  const double l = vec.length();
  mRef = (l > 0.0 && std::isfinite(l)) ? vec / l : AcGeVector2d::kXAxis;
  return *this;
}

AcGeCircArc2d& AcGeCircArc2d::setToComplement() {
  const double sweep = mEndAng - mStartAng;
  if (sweep >= kTwoPi) return *this;
  mStartAng = mEndAng;
  mEndAng = mStartAng + (kTwoPi - sweep);
  return *this;
}

double AcGeCircArc2d::angleOf(const AcGeVector2d& dir) const {
  return VeskGe::normalizeAngle(std::atan2(dir.dotProduct(perpRef()), dir.dotProduct(mRef)));
}

AcGePoint2d AcGeCircArc2d::evalPoint(double param) const {
  return mCenter + mRef * (mRadius * std::cos(param)) + perpRef() * (mRadius * std::sin(param));
}

double AcGeCircArc2d::paramOf(const AcGePoint2d& pnt, const AcGeTol&) const {
  const AcGeVector2d v = pnt - mCenter;
  if (v.lengthSqrd() == 0.0) return mStartAng;
  return mStartAng + VeskGe::normalizeAngle(angleOf(v) - mStartAng);
}

AcGePoint2d AcGeCircArc2d::closestPointTo(const AcGePoint2d& pnt, const AcGeTol& tol) const {
  if ((pnt - mCenter).lengthSqrd() == 0.0) return startPoint();
  const double t = paramOf(pnt, tol);
  if (t <= mEndAng) return evalPoint(t);
  const AcGePoint2d s = startPoint(), e = endPoint();
  return pnt.distanceTo(s) <= pnt.distanceTo(e) ? s : e;
}

Adesk::Boolean AcGeCircArc2d::isOn(const AcGePoint2d& pnt, const AcGeTol& tol) const {
  return pnt.distanceTo(closestPointTo(pnt, tol)) <= tol.equalPoint();
}

Adesk::Boolean AcGeCircArc2d::isInside(const AcGePoint2d& pnt, const AcGeTol& tol) const {
  return pnt.distanceTo(mCenter) <= mRadius + tol.equalPoint();
}

Adesk::Boolean AcGeCircArc2d::tangent(const AcGePoint2d& pnt, AcGeLine2d& line, const AcGeTol& tol) const {
  if (!isOn(pnt, tol)) return false;
  const double t = paramOf(pnt, tol);
  line.set(pnt, mRef * (-std::sin(t)) + perpRef() * std::cos(t));
  return true;
}

double AcGeCircArc2d::length(double fromParam, double toParam, double) const {
  return mRadius * std::fabs(toParam - fromParam);
}

AcGeCurve2d& AcGeCircArc2d::reverseParam() {
  const AcGeVector2d newRef = endPoint() - mCenter;
  const double sweep = mEndAng - mStartAng;
  mClockWise = !mClockWise;
  setRefVec(newRef);
  mStartAng = 0.0;
  mEndAng = sweep;
  return *this;
}

Adesk::Boolean AcGeCircArc2d::isClosed(const AcGeTol& tol) const {
  return (mEndAng - mStartAng) >= kTwoPi * (1.0 - 1e-12) || startPoint().isEqualTo(endPoint(), tol);
}

AcGeEntity2d& AcGeCircArc2d::transformBy(const AcGeMatrix2d& xfm) {
  if (!xfm.isUniScaledOrtho()) throw Acad::eCannotScaleNonUniformly;
  const AcGeVector2d ref = xfm * mRef, perp = xfm * perpRef();
  const double s = ref.length();
  mCenter = xfm * mCenter;
  mRadius *= s;
  mRef = ref / s;
  // perp keeps its side of ref unless the transform mirrors.
  mClockWise = (mRef.x * perp.y - mRef.y * perp.x) < 0.0;
  return *this;
}

// ---------------------------------------------------------------- intersections
namespace {

// The arc's frame: origin at the centre, X along refVec, Y along the arc's turning side.
struct ArcFrame2 {
  AcGePoint2d o;
  AcGeVector2d x, y;
  AcGePoint2d to2d(const AcGePoint2d& p) const {
    const AcGeVector2d w = p - o;
    return AcGePoint2d(w.dotProduct(x), w.dotProduct(y));
  }
  AcGePoint2d back(const AcGePoint2d& p) const { return o + x * p.x + y * p.y; }
};

}  // namespace

Adesk::Boolean AcGeCircArc2d::intersectWith(const AcGeLinearEnt2d& line, int& intn, AcGePoint2d& p1, AcGePoint2d& p2,
                                            const AcGeTol& tol) const {
  intn = 0;
  const ArcFrame2 fr{mCenter, mRef, perpRef()};
  AcGePoint2d a = line.evalPoint(0.0), b = line.evalPoint(1.0);
  if (!(line.isBoundedBelow() && line.isBoundedAbove())) {
    const double dl = (b - a).length();
    if (!(dl > 0.0)) return false;
    const double tc = line.paramOf(mCenter, tol);
    const double k = (2.0 * mRadius + 1.0) / dl;
    a = line.evalPoint(tc - k);
    b = line.evalPoint(tc + k);
  }
  BulgePiece arcs[2];
  const int na = VeskGe::detail::arcToPieces(mRadius, mStartAng, mEndAng - mStartAng, 1.0, arcs);
  const BulgePiece seg(fr.to2d(a), fr.to2d(b), 0.0);
  AcGePoint2d pts[2];
  intn = VeskGe::detail::commonPoints(&seg, 1, arcs, na, tol, pts);
  if (intn > 0) p1 = fr.back(pts[0]);
  if (intn > 1) p2 = fr.back(pts[1]);
  return intn > 0;
}

Adesk::Boolean AcGeCircArc2d::intersectWith(const AcGeCircArc2d& arc, int& intn, AcGePoint2d& p1, AcGePoint2d& p2,
                                            const AcGeTol& tol) const {
  intn = 0;
  const ArcFrame2 fr{mCenter, mRef, perpRef()};
  const ArcFrame2 ofr{arc.mCenter, arc.mRef, arc.perpRef()};
  BulgePiece mine[2], own[2], theirs[2];
  const int na = VeskGe::detail::arcToPieces(mRadius, mStartAng, mEndAng - mStartAng, 1.0, mine);
  const int nb = VeskGe::detail::arcToPieces(arc.mRadius, arc.mStartAng, arc.mEndAng - arc.mStartAng, 1.0, own);
  // Both frames are right-handed for counter-clockwise arcs and mirrored for clockwise ones.
  const double sign = (mClockWise == arc.mClockWise) ? 1.0 : -1.0;
  for (int i = 0; i < nb; ++i)
    theirs[i] = BulgePiece(fr.to2d(ofr.back(own[i].start2d())), fr.to2d(ofr.back(own[i].end2d())),
                           sign * own[i].bulge());
  AcGePoint2d pts[2];
  intn = VeskGe::detail::commonPoints(mine, na, theirs, nb, tol, pts);
  if (intn > 0) p1 = fr.back(pts[0]);
  if (intn > 1) p2 = fr.back(pts[1]);
  return intn > 0;
}
