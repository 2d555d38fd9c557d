// A circular arc from two points and a bulge or from three points.
#include "veskbase/vesk_geo_arc.h"

#include <cmath>

#include "arx/ge/BulgePiece.h"

namespace vesk {

namespace {
constexpr double kTwoPi = 6.28318530717958647692;
constexpr double kNoArcBulge = 1e-10;

bool finite(const AcGePoint3d& p) { return std::isfinite(p.x) && std::isfinite(p.y); }
AcGePoint3d flat(const AcGePoint3d& p) { return AcGePoint3d(p.x, p.y, 0.0); }
}  // namespace

vesk_geo_arc::vesk_geo_arc(const AcGePoint3d& start, const AcGePoint3d& end, double bulge) { Set(start, end, bulge); }

vesk_geo_arc::vesk_geo_arc(const AcGePoint3d& start, const AcGePoint3d& onArc, const AcGePoint3d& end) {
  Set(start, onArc, end);
}

int vesk_geo_arc::Set(const AcGePoint3d& start, const AcGePoint3d& end, double bulge) {
  *this = vesk_geo_arc();
  if (!finite(start) || !finite(end) || !std::isfinite(bulge) || std::fabs(bulge) < kNoArcBulge) return 0;
  const AcGePoint3d s = flat(start), e = flat(end);
  if (s.distanceTo(e) <= 1e-12) return 0;
  try {
    const VeskGe::BulgePiece piece(s, e, bulge);
    AcGePoint3d c;
    if (!piece.center(c)) return 0;
    mStart = s;
    mEnd = e;
    mBulge = bulge;
    mCenter = flat(c);
    mRadius = piece.radius();
    mValid = std::isfinite(mRadius) && mRadius > 0.0;
  } catch (Acad::ErrorStatus) {
    mValid = false;
  }
  if (!mValid) *this = vesk_geo_arc();
  return IsValid();
}

int vesk_geo_arc::Set(const AcGePoint3d& start, const AcGePoint3d& onArc, const AcGePoint3d& end) {
  *this = vesk_geo_arc();
  if (!finite(start) || !finite(onArc) || !finite(end)) return 0;
  double bulge = 0.0;
  if (VeskGe::BulgePiece::bulgeFromThreePoints(AcGePoint2d(start.x, start.y), AcGePoint2d(onArc.x, onArc.y),
                                               AcGePoint2d(end.x, end.y), bulge) != Acad::eOk)
    return 0;
  return Set(start, end, bulge);
}

AcGePoint3d vesk_geo_arc::GetCenter() const { return mCenter; }
double vesk_geo_arc::GetRadius() const { return mRadius; }
AcGePoint3d vesk_geo_arc::GetStartPt() const { return mStart; }
AcGePoint3d vesk_geo_arc::GetEndPt() const { return mEnd; }
double vesk_geo_arc::GetBulge() const { return mBulge; }
double vesk_geo_arc::GetIncludedAngle() const { return mValid ? 4.0 * std::atan(mBulge) : 0.0; }
int vesk_geo_arc::IsCCW() const { return (mValid && mBulge > 0.0) ? 1 : 0; }

AcGePoint3d vesk_geo_arc::GetMidPt() const {
  if (!mValid) return AcGePoint3d();
  const AcGePoint3d m = VeskGe::BulgePiece(mStart, mEnd, mBulge).midPoint();
  return flat(m);
}

double vesk_geo_arc::GetLength() const { return mValid ? mRadius * std::fabs(GetIncludedAngle()) : 0.0; }

double vesk_geo_arc::AngleOf(const AcGePoint3d& pt) const {
  if (!mValid) return 0.0;
  double a = std::atan2(pt.y - mCenter.y, pt.x - mCenter.x);
  if (a < 0.0) a += kTwoPi;
  if (a >= kTwoPi) a -= kTwoPi;
  return a;
}

double vesk_geo_arc::GetStartAngle() const { return AngleOf(mBulge > 0.0 ? mStart : mEnd); }
double vesk_geo_arc::GetEndAngle() const { return AngleOf(mBulge > 0.0 ? mEnd : mStart); }

}  // namespace vesk
