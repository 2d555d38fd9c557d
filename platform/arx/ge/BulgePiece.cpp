#include "arx/ge/BulgePiece.h"

#include <algorithm>
#include <cmath>

#include "arx/ge/BulgeGeometry.h"
#include "arx/ge/GeMath.h"

namespace VeskGe {

using detail::PieceFrame;
using detail::makeFrame;

namespace {

bool finite2(const AcGePoint2d& p) { return std::isfinite(p.x) && std::isfinite(p.y); }

PieceFrame frameOf(const BulgePiece& p, const AcGePoint2d& origin) {
  return makeFrame(p.start2d(), p.end2d(), p.bulge(), origin);
}

PieceFrame frameOf(const BulgePiece& p) { return frameOf(p, p.start2d()); }

AcGePoint3d toWorld(const AcGeVector2d& local, const AcGePoint2d& origin, double z) {
  return AcGePoint3d(origin.x + local.x, origin.y + local.y, z);
}

}  // namespace

BulgePiece::BulgePiece() = default;

BulgePiece::BulgePiece(const AcGePoint2d& start, const AcGePoint2d& end, double bulge, double elevation) {
  set(start, end, bulge, elevation);
}

BulgePiece::BulgePiece(const AcGePoint3d& start, const AcGePoint3d& end, double bulge) { set(start, end, bulge); }

void BulgePiece::set(const AcGePoint2d& start, const AcGePoint2d& end, double bulge, double elevation) {
  if (!finite2(start) || !finite2(end) || !std::isfinite(bulge) || !std::isfinite(elevation))
    throw Acad::eInvalidInput;
  mStart = start;
  mEnd = end;
  mBulge = bulge;
  mZ = elevation;
}

void BulgePiece::set(const AcGePoint3d& start, const AcGePoint3d& end, double bulge) {
  set(AcGePoint2d(start.x, start.y), AcGePoint2d(end.x, end.y), bulge, start.z);
}

void BulgePiece::setBulge(double bulge) {
  if (!std::isfinite(bulge)) throw Acad::eInvalidInput;
  mBulge = bulge;
}

void BulgePiece::setElevation(double elevation) {
  if (!std::isfinite(elevation)) throw Acad::eInvalidInput;
  mZ = elevation;
}

// ---------------------------------------------------------------- construction

double BulgePiece::bulgeFromCenter(const AcGePoint2d& center, const AcGePoint2d& start, const AcGePoint2d& end,
                                   bool ccw) {
  const AcGeVector2d a = start - center, e = end - center;
  if (a.lengthSqrd() == 0.0 || e.lengthSqrd() == 0.0) return 0.0;
  if (start.x == end.x && start.y == end.y) return 0.0;
  const double ang = std::atan2(detail::cross(a, e), detail::dot(a, e));  // (-π, π]
  const double ccwSweep = ang >= 0.0 ? ang : ang + kTwoPi;                // [0, 2π)
  if (ccw) return std::tan(0.25 * ccwSweep);
  return -std::tan(0.25 * (kTwoPi - ccwSweep));
}

BulgePiece BulgePiece::fromCenter(const AcGePoint3d& center, const AcGePoint3d& start, const AcGePoint3d& end,
                                  bool ccw) {
  const double b =
      bulgeFromCenter(AcGePoint2d(center.x, center.y), AcGePoint2d(start.x, start.y), AcGePoint2d(end.x, end.y), ccw);
  return BulgePiece(start, end, b);
}

Acad::ErrorStatus BulgePiece::bulgeFromThreePoints(const AcGePoint2d& start, const AcGePoint2d& onArc,
                                                   const AcGePoint2d& end, double& bulge) {
  if (!finite2(start) || !finite2(onArc) || !finite2(end)) return Acad::eInvalidInput;
  const AcGeVector2d a = start - onArc, c = end - onArc;
  const double la = detail::norm(a), lc = detail::norm(c);
  if (!(la > 0.0) || !(lc > 0.0) || (start.x == end.x && start.y == end.y)) return Acad::eInvalidInput;
  const double cr = detail::cross(a, c), dt = detail::dot(a, c);
  // The angle at onArc is π - θ/2, so |bulge| = tan(θ/4) = (|a||c| + a.c) / |a x c|.
  // Near a straight line (a.c < 0) the equivalent |a x c| / (|a||c| - a.c) avoids cancellation.
  if (dt < 0.0) {
    bulge = -cr / (la * lc - dt);
    return Acad::eOk;
  }
  if (cr == 0.0) return Acad::eInvalidInput;  // onArc on the line beyond start or end
  bulge = -(la * lc + dt) / cr;
  return Acad::eOk;
}

double BulgePiece::bulgeFromIncludedAngle(double includedAngle) { return std::tan(0.25 * includedAngle); }

// ---------------------------------------------------------------- shape

bool BulgePiece::isLine() const { return std::fabs(mBulge) < kLineBulge; }

bool BulgePiece::isDegenerate(const AcGeTol& tol) const { return mStart.distanceTo(mEnd) <= tol.equalPoint(); }

bool BulgePiece::isArc() const { return !isLine() && !(mStart.x == mEnd.x && mStart.y == mEnd.y); }

double BulgePiece::chordLength() const { return mStart.distanceTo(mEnd); }

double BulgePiece::includedAngle() const { return isArc() ? 4.0 * std::atan(mBulge) : 0.0; }

double BulgePiece::curvature() const { return isArc() ? frameOf(*this).kappa : 0.0; }

double BulgePiece::radius() const {
  if (!isArc()) return 0.0;
  // r = c (1 + b²) / (4 |b|)
  return chordLength() * (1.0 + mBulge * mBulge) / (4.0 * std::fabs(mBulge));
}

bool BulgePiece::center(AcGePoint3d& c) const {
  if (!isArc()) return false;
  const PieceFrame f = frameOf(*this);
  c = toWorld(f.A + f.G / f.kappa, mStart, mZ);
  return true;
}

double BulgePiece::startAngle() const {
  const PieceFrame f = frameOf(*this);
  if (f.point) return 0.0;
  if (f.straight) return f.u.angle();
  // A - C = -G / kappa
  return (f.G * (-f.sigma)).angle();
}

double BulgePiece::endAngle() const {
  const PieceFrame f = frameOf(*this);
  if (f.point) return 0.0;
  if (f.straight) return f.u.angle();
  const AcGeVector2d gb = f.n * f.cosH - f.u * f.sinH;  // left normal at B
  return (gb * (-f.sigma)).angle();
}

double BulgePiece::sagitta() const { return isArc() ? 0.5 * mBulge * chordLength() : 0.0; }

double BulgePiece::length() const { return frameOf(*this).len; }

// ---------------------------------------------------------------- evaluation

AcGePoint3d BulgePiece::pointAt(double fraction) const {
  if (fraction == 0.0) return startPoint();
  if (fraction == 1.0) return endPoint();
  const PieceFrame f = frameOf(*this);
  return toWorld(detail::pointAtLength(f, fraction * f.len), mStart, mZ);
}

bool BulgePiece::pointAtAngle(double angle, AcGePoint3d& p) const {
  if (!isArc()) return false;
  const PieceFrame f = frameOf(*this);
  const double a0 = startAngle();
  const double turn = normalizeAngle(f.sigma > 0.0 ? angle - a0 : a0 - angle);
  p = toWorld(detail::pointAtLength(f, turn / std::fabs(f.kappa)), mStart, mZ);
  return turn <= std::fabs(f.theta) * (1.0 + 1e-12);
}

AcGePoint3d BulgePiece::midPoint() const {
  const PieceFrame f = frameOf(*this);
  if (f.straight) return AcGePoint3d(0.5 * (mStart.x + mEnd.x), 0.5 * (mStart.y + mEnd.y), mZ);
  // The arc's midpoint sits at the sagitta, to the right of the chord for a positive bulge.
  const AcGeVector2d m = (f.A + f.B) * 0.5 - f.n * (0.5 * mBulge * f.c);
  return toWorld(m, mStart, mZ);
}

AcGeVector3d BulgePiece::startTangent() const {
  const PieceFrame f = frameOf(*this);
  return AcGeVector3d(f.TA.x, f.TA.y, 0.0);
}

AcGeVector3d BulgePiece::endTangent() const {
  const PieceFrame f = frameOf(*this);
  return AcGeVector3d(f.TB.x, f.TB.y, 0.0);
}

AcGeVector3d BulgePiece::tangentAt(double fraction) const {
  const PieceFrame f = frameOf(*this);
  if (f.point) return AcGeVector3d();
  const AcGeVector2d t = detail::tangentAtLength(f, fraction * f.len);
  return AcGeVector3d(t.x, t.y, 0.0);
}

// ---------------------------------------------------------------- queries

AcGePoint3d BulgePiece::closestPointTo(const AcGePoint3d& p, double* fraction) const {
  const PieceFrame f = frameOf(*this);
  double s = 0.0;
  const AcGeVector2d x = detail::closestOnPiece(f, AcGeVector2d(p.x - mStart.x, p.y - mStart.y), s);
  if (fraction) *fraction = f.len > 0.0 ? std::clamp(s / f.len, 0.0, 1.0) : 0.0;
  if (s <= 0.0) return startPoint();
  if (s >= f.len) return endPoint();
  return toWorld(x, mStart, mZ);
}

double BulgePiece::fractionOf(const AcGePoint3d& p) const {
  double t = 0.0;
  closestPointTo(p, &t);
  return t;
}

double BulgePiece::distanceTo(const AcGePoint3d& p) const {
  const AcGePoint3d c = closestPointTo(p);
  return std::hypot(p.x - c.x, p.y - c.y);
}

bool BulgePiece::isOn(const AcGePoint3d& p, const AcGeTol& tol) const { return distanceTo(p) <= tol.equalPoint(); }

void BulgePiece::getExtents(AcGePoint2d& lo, AcGePoint2d& hi) const {
  lo.set(std::min(mStart.x, mEnd.x), std::min(mStart.y, mEnd.y));
  hi.set(std::max(mStart.x, mEnd.x), std::max(mStart.y, mEnd.y));
  const PieceFrame f = frameOf(*this);
  if (f.straight) return;
  // Extreme points are where the tangent turns through an axis direction.
  const double h0 = f.TA.angle();
  const double sweep = std::fabs(f.theta);
  for (int k = 0; k < 4; ++k) {
    const double target = k * kHalfPi;
    const double turn = normalizeAngle(f.sigma > 0.0 ? target - h0 : h0 - target);
    if (turn > 0.0 && turn < sweep) {
      const AcGeVector2d q = detail::pointAtLength(f, turn / std::fabs(f.kappa));
      const AcGePoint2d w(mStart.x + q.x, mStart.y + q.y);
      lo.set(std::min(lo.x, w.x), std::min(lo.y, w.y));
      hi.set(std::max(hi.x, w.x), std::max(hi.y, w.y));
    }
  }
}

AcDbExtents BulgePiece::extents() const {
  AcGePoint2d lo, hi;
  getExtents(lo, hi);
  return AcDbExtents(AcGePoint3d(lo.x, lo.y, mZ), AcGePoint3d(hi.x, hi.y, mZ));
}

double BulgePiece::segmentArea() const {
  if (!isArc()) return 0.0;
  const double c = chordLength();
  const double b = mBulge, b2 = b * b;
  const double theta = 4.0 * std::atan(std::fabs(b));
  // r² (θ - sin θ) / 2 with r = c (1 + b²) / (4 |b|)
  const double area = c * c * xMinusSin(theta) * (1.0 + b2) * (1.0 + b2) / (32.0 * b2);
  return b > 0.0 ? area : -area;
}

double BulgePiece::signedArea(const AcGePoint2d& origin) const {
  const double ax = mStart.x - origin.x, ay = mStart.y - origin.y;
  const double bx = mEnd.x - origin.x, by = mEnd.y - origin.y;
  return 0.5 * (ax * by - bx * ay) + segmentArea();
}

double BulgePiece::outlineArea(const AcGePoint3dArray& vertices, const AcGeDoubleArray& bulges) {
  int n = vertices.length();
  if (n < 2) return 0.0;
  if (n > 2 && vertices[n - 1].isEqualTo(vertices[0])) --n;
  const AcGePoint2d origin(vertices[0].x, vertices[0].y);
  double area = 0.0;
  for (int i = 0; i < n; ++i) {
    const AcGePoint3d& a = vertices[i];
    const AcGePoint3d& b = vertices[(i + 1) % n];
    const double bulge = i < bulges.length() ? bulges[i] : 0.0;
    area += BulgePiece(AcGePoint2d(a.x, a.y), AcGePoint2d(b.x, b.y), bulge).signedArea(origin);
  }
  return area;
}

// ---------------------------------------------------------------- derived pieces

BulgePiece BulgePiece::reversed() const { return BulgePiece(mEnd, mStart, -mBulge, mZ); }

BulgePiece BulgePiece::subPiece(double fromFraction, double toFraction) const {
  const AcGePoint3d a = pointAt(fromFraction), b = pointAt(toFraction);
  double bulge = 0.0;
  const double span = toFraction - fromFraction;
  if (isArc()) bulge = span == 1.0 ? mBulge : (span == -1.0 ? -mBulge : std::tan(std::atan(mBulge) * span));
  return BulgePiece(AcGePoint2d(a.x, a.y), AcGePoint2d(b.x, b.y), bulge, mZ);
}

void BulgePiece::splitAtFraction(double fraction, BulgePiece& first, BulgePiece& second) const {
  const double t = std::clamp(fraction, 0.0, 1.0);
  first = subPiece(0.0, t);
  second = subPiece(t, 1.0);
  // Both parts share exactly the same joint vertex.
  second.mStart = first.mEnd;
}

bool BulgePiece::splitBulges(const AcGePoint3d& p, double& firstBulge, double& secondBulge, const AcGeTol& tol) const {
  double t = 0.0;
  const AcGePoint3d c = closestPointTo(p, &t);
  if (std::hypot(p.x - c.x, p.y - c.y) > tol.equalPoint()) return false;
  if (!isArc()) {
    firstBulge = secondBulge = 0.0;
    return true;
  }
  const double q = std::atan(mBulge);  // a quarter of the included angle
  firstBulge = std::tan(q * t);
  secondBulge = std::tan(q * (1.0 - t));
  return true;
}

bool BulgePiece::splitAt(const AcGePoint3d& p, BulgePiece& first, BulgePiece& second, const AcGeTol& tol) const {
  double b1 = 0.0, b2 = 0.0;
  if (!splitBulges(p, b1, b2, tol)) return false;
  const AcGePoint2d joint(p.x, p.y);
  first = BulgePiece(mStart, joint, b1, mZ);
  second = BulgePiece(joint, mEnd, b2, mZ);
  return true;
}

// ---------------------------------------------------------------- densification

static Acad::ErrorStatus sampleEvenly(const BulgePiece& piece, double count, AcGePoint3dArray& points,
                                      bool includeStart) {
  if (!(count <= double(BulgePiece::kMaxDensifyPoints))) return Acad::eInvalidInput;
  const int n = std::max(1, int(count));
  if (includeStart) points.append(piece.startPoint());
  for (int i = 1; i < n; ++i) points.append(piece.pointAt(double(i) / double(n)));
  points.append(piece.endPoint());
  return Acad::eOk;
}

Acad::ErrorStatus BulgePiece::densify(double chordStep, AcGePoint3dArray& points, bool includeStart) const {
  if (!(chordStep > 0.0) || !std::isfinite(chordStep)) return Acad::eInvalidInput;
  // Equal arc steps no longer than chordStep keep every chord within it.
  return sampleEvenly(*this, std::ceil(length() / chordStep), points, includeStart);
}

Acad::ErrorStatus BulgePiece::densifyByAngle(double angleStep, AcGePoint3dArray& points, bool includeStart) const {
  if (!(angleStep > 0.0) || !std::isfinite(angleStep)) return Acad::eInvalidInput;
  const double count = isArc() ? std::ceil(std::fabs(includedAngle()) / angleStep) : 1.0;
  return sampleEvenly(*this, count, points, includeStart);
}

// ---------------------------------------------------------------- conversion

AcGeLineSeg3d BulgePiece::toLineSeg3d() const { return AcGeLineSeg3d(startPoint(), endPoint()); }

AcGeLineSeg2d BulgePiece::toLineSeg2d() const { return AcGeLineSeg2d(mStart, mEnd); }

bool BulgePiece::toCircArc3d(AcGeCircArc3d& arc) const {
  AcGePoint3d c;
  if (!center(c)) return false;
  const AcGeVector3d ref(mStart.x - c.x, mStart.y - c.y, 0.0);
  const double sweep = std::fabs(includedAngle());
  arc.set(c, mBulge > 0.0 ? AcGeVector3d::kZAxis : -AcGeVector3d::kZAxis, ref / ref.length(), radius(), 0.0, sweep);
  return true;
}

bool BulgePiece::toCircArc2d(AcGeCircArc2d& arc) const {
  AcGePoint3d c;
  if (!center(c)) return false;
  const AcGeVector2d ref(mStart.x - c.x, mStart.y - c.y);
  arc.set(AcGePoint2d(c.x, c.y), radius(), 0.0, std::fabs(includedAngle()), ref / ref.length(), mBulge < 0.0);
  return true;
}

AcGeCurve3d* BulgePiece::toCurve3d() const {
  AcGeCircArc3d arc;
  if (toCircArc3d(arc)) return new AcGeCircArc3d(arc);
  return new AcGeLineSeg3d(startPoint(), endPoint());
}

BulgePiece BulgePiece::fromLineSeg(const AcGeLineSeg3d& seg) { return BulgePiece(seg.startPoint(), seg.endPoint(), 0.0); }

BulgePiece BulgePiece::fromLineSeg(const AcGeLineSeg2d& seg, double elevation) {
  return BulgePiece(seg.startPoint(), seg.endPoint(), 0.0, elevation);
}

Acad::ErrorStatus BulgePiece::fromCircArc(const AcGeCircArc3d& arc, BulgePiece& piece, const AcGeTol& tol) {
  const AcGeVector3d n = arc.normal();
  if (!n.isParallelTo(AcGeVector3d::kZAxis, tol)) return Acad::eInvalidInput;
  const double sweep = arc.endAng() - arc.startAng();
  if (!(sweep > 0.0) || sweep >= kTwoPi * (1.0 - 1e-12)) return Acad::eInvalidInput;
  const double b = std::tan(0.25 * sweep);
  piece = BulgePiece(arc.startPoint(), arc.endPoint(), n.z > 0.0 ? b : -b);
  return Acad::eOk;
}

Acad::ErrorStatus BulgePiece::fromCircArc(const AcGeCircArc2d& arc, BulgePiece& piece, double elevation) {
  const double sweep = arc.endAng() - arc.startAng();
  if (!(sweep > 0.0) || sweep >= kTwoPi * (1.0 - 1e-12)) return Acad::eInvalidInput;
  const double b = std::tan(0.25 * sweep);
  piece = BulgePiece(arc.startPoint(), arc.endPoint(), arc.isClockWise() ? -b : b, elevation);
  return Acad::eOk;
}

Acad::ErrorStatus BulgePiece::transformBy(const AcGeMatrix3d& m) {
  const double ev = 1e-12;
  const double a = m.entry[0][0], b = m.entry[0][1], c = m.entry[1][0], d = m.entry[1][1];
  // The XY plane must map to a horizontal plane, without projection.
  if (std::fabs(m.entry[0][2]) > ev || std::fabs(m.entry[1][2]) > ev || std::fabs(m.entry[2][0]) > ev ||
      std::fabs(m.entry[2][1]) > ev || std::fabs(m.entry[3][0]) > ev || std::fabs(m.entry[3][1]) > ev ||
      std::fabs(m.entry[3][2]) > ev || std::fabs(m.entry[3][3] - 1.0) > ev)
    return Acad::eCannotScaleNonUniformly;
  // The XY block must be a rotation or reflection times one scale.
  const double l0 = std::hypot(a, c), l1 = std::hypot(b, d);
  if (!(l0 > 0.0) || std::fabs(l0 - l1) > ev * l0 || std::fabs(a * b + c * d) > ev * l0 * l1)
    return Acad::eCannotScaleNonUniformly;
  const double det = a * d - b * c;
  const AcGePoint3d s = m * startPoint(), e = m * endPoint();
  mStart.set(s.x, s.y);
  mEnd.set(e.x, e.y);
  mZ = s.z;
  if (det < 0.0) mBulge = -mBulge;
  return Acad::eOk;
}

bool BulgePiece::operator==(const BulgePiece& o) const {
  return mStart.x == o.mStart.x && mStart.y == o.mStart.y && mEnd.x == o.mEnd.x && mEnd.y == o.mEnd.y &&
         mBulge == o.mBulge && mZ == o.mZ;
}

}  // namespace VeskGe
