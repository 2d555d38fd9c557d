#include "arx/ge/AcGeCircArc3d.h"

#include <cmath>

#include "arx/base/AcadErrorStatus.h"
#include "arx/ge/AcGeLine3d.h"
#include "arx/ge/AcGeLineSeg3d.h"
#include "arx/ge/AcGeLinearEnt3d.h"
#include "arx/ge/AcGeMatrix3d.h"
#include "arx/ge/AcGePlane.h"
#include "arx/ge/ArcPieces.h"
#include "arx/ge/BulgePiece.h"
#include "arx/ge/GeMath.h"

using VeskGe::BulgePiece;
using VeskGe::kTwoPi;

namespace {

// Sweep in (0, 2π] for a pair of angles.
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

AcGeCircArc3d::AcGeCircArc3d() : mCenter(0, 0, 0), mNormal(0, 0, 1), mRef(1, 0, 0) {}

AcGeCircArc3d::AcGeCircArc3d(const AcGePoint3d& cent, const AcGeVector3d& nrm, double radius) { set(cent, nrm, radius); }

AcGeCircArc3d::AcGeCircArc3d(const AcGePoint3d& cent, const AcGeVector3d& nrm, const AcGeVector3d& refVec,
                             double radius, double startAngle, double endAngle) {
  set(cent, nrm, refVec, radius, startAngle, endAngle);
}

AcGeCircArc3d::AcGeCircArc3d(const AcGePoint3d& startPoint, const AcGePoint3d& pnt, const AcGePoint3d& endPoint)
    : mCenter(0, 0, 0), mNormal(0, 0, 1), mRef(1, 0, 0) {
  set(startPoint, pnt, endPoint);
}

AcGeCircArc3d& AcGeCircArc3d::set(const AcGePoint3d& cent, const AcGeVector3d& nrm, double radius) {
  return set(cent, nrm, nrm.perpVector(), radius, 0.0, kTwoPi);
}

AcGeCircArc3d& AcGeCircArc3d::set(const AcGePoint3d& cent, const AcGeVector3d& nrm, const AcGeVector3d& refVec,
                                  double radius, double startAngle, double endAngle) {
  mCenter = cent;
  mRadius = std::fabs(radius);
  setAxes(nrm, refVec);
  return setAngles(startAngle, endAngle);
}

AcGeCircArc3d& AcGeCircArc3d::set(const AcGePoint3d& startPoint, const AcGePoint3d& pnt, const AcGePoint3d& endPoint) {
  AcGeError err;
  set(startPoint, pnt, endPoint, err);
  if (err != AcGe::kOk) {
    if (AcGeContext::gErrorFunc) AcGeContext::gErrorFunc();
    throw Acad::eDegenerateGeometry;
  }
  return *this;
}

AcGeCircArc3d& AcGeCircArc3d::set(const AcGePoint3d& p1, const AcGePoint3d& p2, const AcGePoint3d& p3,
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
  // Work in a frame of the three points' plane: p1 at the origin, p2 on the X axis.
  const AcGeVector3d v1 = p2 - p1, v2 = p3 - p1;
  const AcGeVector3d n = v1.crossProduct(v2);
  if (n.length() <= tol.equalVector() * v1.length() * v2.length()) {
    error = AcGe::kLinearlyDependentArg1Arg2Arg3;
    return *this;
  }
  const AcGeVector3d x = v1 / v1.length();
  const AcGeVector3d z = n / n.length();
  const AcGeVector3d y = z.crossProduct(x);
  const AcGePoint2d q1(0.0, 0.0), q2(v1.length(), 0.0), q3(v2.dotProduct(x), v2.dotProduct(y));
  double bulge = 0.0;
  if (BulgePiece::bulgeFromThreePoints(q1, q2, q3, bulge) != Acad::eOk || !(std::fabs(bulge) >= BulgePiece::kLineBulge)) {
    error = AcGe::kLinearlyDependentArg1Arg2Arg3;
    return *this;
  }
  const BulgePiece piece(q1, q3, bulge);
  AcGePoint3d c2;
  piece.center(c2);
  mCenter = p1 + x * c2.x + y * c2.y;
  mRadius = piece.radius();
  mNormal = bulge > 0.0 ? z : -z;
  mRef = (p1 - mCenter);
  mRef = mRef.orthoProject(mNormal);
  mRef /= mRef.length();
  mStartAng = 0.0;
  mEndAng = std::fabs(piece.includedAngle());
  error = AcGe::kOk;
  return *this;
}

void AcGeCircArc3d::getPlane(AcGePlane& plane) const { plane.set(mCenter, mRef, perpRef()); }

AcGeCircArc3d& AcGeCircArc3d::setCenter(const AcGePoint3d& cent) {
  mCenter = cent;
  return *this;
}

AcGeCircArc3d& AcGeCircArc3d::setAxes(const AcGeVector3d& normal, const AcGeVector3d& refVec) {
  const double nl = normal.length();
  if (!(nl > 0.0) || !std::isfinite(nl)) {
    mNormal = AcGeVector3d::kZAxis;
    if (AcGeContext::gErrorFunc) AcGeContext::gErrorFunc();
  } else {
    mNormal = normal / nl;
  }
  AcGeVector3d r = refVec.orthoProject(mNormal);
  const double rl = r.length();
  if (!(rl > AcGeContext::gTol.equalVector() * refVec.length()) || !(rl > 0.0))
    r = mNormal.perpVector();
  else
    r /= rl;
  mRef = r;
  return *this;
}

AcGeCircArc3d& AcGeCircArc3d::setRadius(double radius) {
  mRadius = std::fabs(radius);
  return *this;
}

AcGeCircArc3d& AcGeCircArc3d::setAngles(double startAngle, double endAngle) {
  if (!std::isfinite(startAngle)) startAngle = 0.0;
  mStartAng = startAngle;
  mEndAng = startAngle + sweepOf(startAngle, endAngle);
  return *this;
}

double AcGeCircArc3d::angleOf(const AcGeVector3d& dir) const {
  return VeskGe::normalizeAngle(std::atan2(dir.dotProduct(perpRef()), dir.dotProduct(mRef)));
}

AcGePoint3d AcGeCircArc3d::evalPoint(double param) const {
  return mCenter + mRef * (mRadius * std::cos(param)) + perpRef() * (mRadius * std::sin(param));
}

double AcGeCircArc3d::paramOf(const AcGePoint3d& pnt, const AcGeTol&) const {
  const AcGeVector3d v = (pnt - mCenter).orthoProject(mNormal);
  if (v.lengthSqrd() == 0.0) return mStartAng;
  return mStartAng + VeskGe::normalizeAngle(angleOf(v) - mStartAng);
}

AcGePoint3d AcGeCircArc3d::closestPointTo(const AcGePoint3d& pnt, const AcGeTol& tol) const {
  const AcGeVector3d v = (pnt - mCenter).orthoProject(mNormal);
  if (v.lengthSqrd() == 0.0) return startPoint();
  const double t = paramOf(pnt, tol);
  if (t <= mEndAng) return evalPoint(t);
  const AcGePoint3d s = startPoint(), e = endPoint();
  return pnt.distanceTo(s) <= pnt.distanceTo(e) ? s : e;
}

Adesk::Boolean AcGeCircArc3d::isOn(const AcGePoint3d& pnt, const AcGeTol& tol) const {
  return pnt.distanceTo(closestPointTo(pnt, tol)) <= tol.equalPoint();
}

Adesk::Boolean AcGeCircArc3d::isInside(const AcGePoint3d& pnt, const AcGeTol& tol) const {
  const AcGeVector3d w = pnt - mCenter;
  if (std::fabs(w.dotProduct(mNormal)) > tol.equalPoint()) return false;
  return w.length() <= mRadius + tol.equalPoint();
}

double AcGeCircArc3d::length(double fromParam, double toParam, double) const {
  return mRadius * std::fabs(toParam - fromParam);
}

AcGeCurve3d& AcGeCircArc3d::reverseParam() {
  const AcGeVector3d newRef = (endPoint() - mCenter).orthoProject(mNormal);
  const double sweep = mEndAng - mStartAng;
  mNormal = -mNormal;
  const double l = newRef.length();
  mRef = l > 0.0 ? newRef / l : mNormal.perpVector();
  mStartAng = 0.0;
  mEndAng = sweep;
  return *this;
}

Adesk::Boolean AcGeCircArc3d::isClosed(const AcGeTol& tol) const {
  return (mEndAng - mStartAng) >= kTwoPi * (1.0 - 1e-12) || startPoint().isEqualTo(endPoint(), tol);
}

Adesk::Boolean AcGeCircArc3d::tangent(const AcGePoint3d& pnt, AcGeLine3d& line, const AcGeTol& tol) const {
  if (!isOn(pnt, tol)) return false;
  const double t = paramOf(pnt, tol);
  line.set(pnt, mRef * (-std::sin(t)) + perpRef() * std::cos(t));
  return true;
}

AcGeEntity3d& AcGeCircArc3d::transformBy(const AcGeMatrix3d& xfm) {
  if (!xfm.isUniScaledOrtho()) throw Acad::eCannotScaleNonUniformly;
  const AcGeVector3d ref = xfm * mRef, perp = xfm * perpRef();
  const double s = ref.length();
  mCenter = xfm * mCenter;
  mRadius *= s;
  mRef = ref / s;
  const AcGeVector3d p = perp / perp.length();
  mNormal = mRef.crossProduct(p);
  mNormal /= mNormal.length();
  return *this;
}

// ---------------------------------------------------------------- intersections
namespace {

// The arc's plane frame: origin at the centre, X along refVec, Y along normal x refVec.
struct ArcFrame {
  AcGePoint3d o;
  AcGeVector3d x, y, n;
  AcGePoint2d to2d(const AcGePoint3d& p) const {
    const AcGeVector3d w = p - o;
    return AcGePoint2d(w.dotProduct(x), w.dotProduct(y));
  }
  AcGePoint3d to3d(const AcGePoint2d& p) const { return o + x * p.x + y * p.y; }
};

}  // namespace

Adesk::Boolean AcGeCircArc3d::intersectWith(const AcGeLinearEnt3d& line, int& intn, AcGePoint3d& p1,
                                            AcGePoint3d& p2, const AcGeTol& tol) const {
  intn = 0;
  const double eps = tol.equalPoint();
  const ArcFrame fr{mCenter, mRef, perpRef(), mNormal};
  const AcGePoint3d q0 = line.evalPoint(0.0), q1 = line.evalPoint(1.0);
  const AcGeVector3d dir = q1 - q0;
  const double h0 = (q0 - mCenter).dotProduct(mNormal);
  const double dn = dir.dotProduct(mNormal);
  const bool bounded = line.isBoundedBelow() && line.isBoundedAbove();
  const bool inPlane = bounded ? (std::fabs(h0) <= eps && std::fabs((q1 - mCenter).dotProduct(mNormal)) <= eps)
                               : (std::fabs(h0) <= eps && std::fabs(dn) <= tol.equalVector() * dir.length());
  if (inPlane) {
    AcGePoint3d a = q0, b = q1;
    if (!bounded) {
      // Clip the unbounded line to a stretch that covers the whole circle.
      const double dl = dir.length();
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
    if (intn > 0) p1 = fr.to3d(pts[0]);
    if (intn > 1) p2 = fr.to3d(pts[1]);
    return intn > 0;
  }
  if (std::fabs(dn) <= tol.equalVector() * dir.length()) return false;  // parallel, off the plane
  const AcGePoint3d p = line.evalPoint(-h0 / dn);
  if (!line.isOn(p, tol) || !isOn(p, tol)) return false;
  intn = 1;
  p1 = p;
  return true;
}

Adesk::Boolean AcGeCircArc3d::intersectWith(const AcGeCircArc3d& arc, int& intn, AcGePoint3d& p1, AcGePoint3d& p2,
                                            const AcGeTol& tol) const {
  intn = 0;
  const double eps = tol.equalPoint();
  if (mNormal.isParallelTo(arc.mNormal, tol)) {
    if (std::fabs((arc.mCenter - mCenter).dotProduct(mNormal)) > eps) return false;  // parallel planes
    const ArcFrame fr{mCenter, mRef, perpRef(), mNormal};
    BulgePiece mine[2], theirs[2];
    const int na = VeskGe::detail::arcToPieces(mRadius, mStartAng, mEndAng - mStartAng, 1.0, mine);
    // The other arc's pieces, carried into this frame; opposite normals turn the other way.
    BulgePiece own[2];
    const int nb = VeskGe::detail::arcToPieces(arc.mRadius, arc.mStartAng, arc.mEndAng - arc.mStartAng, 1.0, own);
    const ArcFrame ofr{arc.mCenter, arc.mRef, arc.perpRef(), arc.mNormal};
    const double sign = mNormal.dotProduct(arc.mNormal) > 0.0 ? 1.0 : -1.0;
    for (int i = 0; i < nb; ++i)
      theirs[i] = BulgePiece(fr.to2d(ofr.to3d(own[i].start2d())), fr.to2d(ofr.to3d(own[i].end2d())),
                             sign * own[i].bulge());
    AcGePoint2d pts[2];
    intn = VeskGe::detail::commonPoints(mine, na, theirs, nb, tol, pts);
    if (intn > 0) p1 = fr.to3d(pts[0]);
    if (intn > 1) p2 = fr.to3d(pts[1]);
    return intn > 0;
  }
  // Different planes: the points of this circle on the planes' common line.
  AcGePlane mine, theirs;
  getPlane(mine);
  arc.getPlane(theirs);
  AcGeLine3d common;
  if (!mine.intersectWith(theirs, common, tol)) return false;
  int n = 0;
  AcGePoint3d q[2];
  intersectWith(common, n, q[0], q[1], tol);
  for (int i = 0; i < n; ++i) {
    if (!arc.isOn(q[i], tol)) continue;
    (intn == 0 ? p1 : p2) = q[i];
    ++intn;
  }
  return intn > 0;
}
