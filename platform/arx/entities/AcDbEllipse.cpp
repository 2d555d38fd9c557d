#include "arx/entities/AcDbEllipse.h"

#include <algorithm>
#include <cmath>

#include "arx/db/AcDbDwgFiler.h"
#include "arx/db/VhostDxfSupport.h"
#include "arx/entities/EntityPlaneUtil.h"
#include "arx/ge/AcGePlane.h"
#include "arx/ge/GeMath.h"

VHOST_DEFINE_BUILTIN_CLASS(AcDbEllipse, AcDbCurve, L"ELLIPSE")

namespace {

constexpr double kTwoPi = VeskGe::kTwoPi;

// Start in [0, 2π), end in (start, start + 2π]; a span of 2π (or none) is the full ellipse.
void normalizeParams(double& a0, double& a1) {
  const double span = a1 - a0;
  a0 = VeskGe::normalizeAngle(a0);
  double s = VeskGe::normalizeAngle(span);
  if (s <= 1e-12 || std::fabs(span) >= kTwoPi - 1e-12) s = kTwoPi;
  a1 = a0 + s;
}

bool checkAxes(const AcGeVector3d& normal, const AcGeVector3d& major, double ratio, AcGeVector3d& n) {
  if (!vhost::validNormal(normal, n)) return false;
  if (!vhost::isFinite(major) || !(major.length() > 1e-12)) return false;
  if (!(ratio > 0.0) || ratio > 1.0 + 1e-12 || !std::isfinite(ratio)) return false;
  return std::fabs(major.normal().dotProduct(n)) <= 1e-9;
}

}  // namespace

AcDbEllipse::AcDbEllipse() = default;

AcDbEllipse::AcDbEllipse(const AcGePoint3d& center, const AcGeVector3d& unitNormal, const AcGeVector3d& majorAxis,
                         double radiusRatio, double startAngle, double endAngle) {
  set(center, unitNormal, majorAxis, radiusRatio, startAngle, endAngle);
}

AcDbEllipse::~AcDbEllipse() = default;

bool AcDbEllipse::isFull() const { return mEndParam - mStartParam >= kTwoPi - 1e-12; }

AcGePoint3d AcDbEllipse::center() const {
  assertReadEnabled();
  return mCenter;
}

Acad::ErrorStatus AcDbEllipse::setCenter(const AcGePoint3d& center) {
  if (!vhost::isFinite(center)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mCenter = center;
  return Acad::eOk;
}

AcGeVector3d AcDbEllipse::normal() const {
  assertReadEnabled();
  return mNormal;
}

AcGeVector3d AcDbEllipse::majorAxis() const {
  assertReadEnabled();
  return mMajor;
}

AcGeVector3d AcDbEllipse::minorAxis() const {
  assertReadEnabled();
  return mNormal.crossProduct(mMajor) * mRatio;
}

double AcDbEllipse::majorRadius() const {
  assertReadEnabled();
  return mMajor.length();
}

double AcDbEllipse::minorRadius() const {
  assertReadEnabled();
  return mMajor.length() * mRatio;
}

Acad::ErrorStatus AcDbEllipse::setMajorRadius(double radius) {
  const double minor = mMajor.length() * mRatio;
  if (!(radius > 0.0) || !std::isfinite(radius) || radius < minor) return Acad::eInvalidInput;
  assertWriteEnabled();
  mMajor = mMajor.normal() * radius;
  mRatio = minor / radius;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEllipse::setMinorRadius(double radius) {
  const double major = mMajor.length();
  if (!(radius > 0.0) || !std::isfinite(radius) || radius > major) return Acad::eInvalidInput;
  assertWriteEnabled();
  mRatio = radius / major;
  return Acad::eOk;
}

double AcDbEllipse::radiusRatio() const {
  assertReadEnabled();
  return mRatio;
}

Acad::ErrorStatus AcDbEllipse::setRadiusRatio(double ratio) {
  if (!(ratio > 0.0) || ratio > 1.0 || !std::isfinite(ratio)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mRatio = ratio;
  return Acad::eOk;
}

double AcDbEllipse::paramAtAngle(double angle) const {
  assertReadEnabled();
  return VeskGe::normalizeAngle(std::atan2(std::sin(angle), mRatio * std::cos(angle)));
}

double AcDbEllipse::angleAtParam(double param) const {
  assertReadEnabled();
  return VeskGe::normalizeAngle(std::atan2(mRatio * std::sin(param), std::cos(param)));
}

double AcDbEllipse::startAngle() const { return angleAtParam(mStartParam); }

double AcDbEllipse::endAngle() const {
  if (isFull()) return startAngle() + kTwoPi;
  return angleAtParam(mEndParam);
}

Acad::ErrorStatus AcDbEllipse::setStartAngle(double angle) {
  if (!std::isfinite(angle)) return Acad::eInvalidInput;
  return setStartParam(paramAtAngle(angle));
}

Acad::ErrorStatus AcDbEllipse::setEndAngle(double angle) {
  if (!std::isfinite(angle)) return Acad::eInvalidInput;
  return setEndParam(paramAtAngle(angle));
}

Acad::ErrorStatus AcDbEllipse::setStartParam(double param) {
  if (!std::isfinite(param)) return Acad::eInvalidInput;
  assertWriteEnabled();
  double a0 = param, a1 = mEndParam;
  normalizeParams(a0, a1);
  mStartParam = a0;
  mEndParam = a1;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEllipse::setEndParam(double param) {
  if (!std::isfinite(param)) return Acad::eInvalidInput;
  assertWriteEnabled();
  double a0 = mStartParam, a1 = param;
  normalizeParams(a0, a1);
  mStartParam = a0;
  mEndParam = a1;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEllipse::get(AcGePoint3d& center, AcGeVector3d& unitNormal, AcGeVector3d& majorAxis,
                                   double& radiusRatio, double& startAngle, double& endAngle) const {
  assertReadEnabled();
  center = mCenter;
  unitNormal = mNormal;
  majorAxis = mMajor;
  radiusRatio = mRatio;
  startAngle = this->startAngle();
  endAngle = this->endAngle();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEllipse::set(const AcGePoint3d& center, const AcGeVector3d& unitNormal,
                                   const AcGeVector3d& majorAxis, double radiusRatio, double startAngle,
                                   double endAngle) {
  AcGeVector3d n;
  if (!vhost::isFinite(center) || !checkAxes(unitNormal, majorAxis, radiusRatio, n) || !std::isfinite(startAngle) ||
      !std::isfinite(endAngle))
    return Acad::eInvalidInput;
  assertWriteEnabled();
  mCenter = center;
  mNormal = n;
  // Keep the major axis exactly in the plane.
  mMajor = majorAxis - n * majorAxis.dotProduct(n);
  mRatio = std::min(radiusRatio, 1.0);
  const bool full = std::fabs(endAngle - startAngle) >= kTwoPi - 1e-12 ||
                    VeskGe::normalizeAngle(endAngle - startAngle) <= 1e-12;
  auto toParam = [&](double a) { return std::atan2(std::sin(a), mRatio * std::cos(a)); };
  double a0 = toParam(startAngle);
  double a1 = full ? a0 + kTwoPi : toParam(endAngle);
  normalizeParams(a0, a1);
  mStartParam = a0;
  mEndParam = a1;
  return Acad::eOk;
}

bool AcDbEllipse::isNull() const {
  assertReadEnabled();
  return !(mMajor.length() > 0.0) || !(mRatio > 0.0);
}

Acad::ErrorStatus AcDbEllipse::buildGeometry(vhost::CurveGeometry& g) const {
  assertReadEnabled();
  g = vhost::CurveGeometry();
  const AcGeVector3d minor = mNormal.crossProduct(mMajor) * mRatio;
  g.pieces.push_back(vhost::CurvePiece::conic(mCenter, mMajor, minor, mStartParam, mEndParam, mStartParam, mEndParam));
  g.startParam = mStartParam;
  g.endParam = mEndParam;
  g.closed = g.periodic = isFull();
  g.extendable = !g.closed;
  g.normal = mNormal;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEllipse::getSplitCurves(const AcGeDoubleArray& params, AcDbVoidPtrArray& curveSegments) const {
  assertReadEnabled();
  std::vector<double> ps;
  Acad::ErrorStatus es = splitParams(params, ps);
  if (es != Acad::eOk) return es;
  std::vector<std::pair<double, double>> parts;
  const double eps = 1e-10 * std::max(1.0, mEndParam);
  if (isFull()) {
    if (ps.size() > 1 && ps.back() - ps.front() >= kTwoPi - eps) ps.pop_back();
    if (ps.empty()) return Acad::eInvalidInput;
    for (size_t i = 0; i < ps.size(); ++i)
      parts.emplace_back(ps[i], i + 1 < ps.size() ? ps[i + 1] : ps[0] + kTwoPi);
  } else {
    std::vector<double> cuts{mStartParam};
    for (double p : ps)
      if (p > mStartParam + eps && p < mEndParam - eps) cuts.push_back(p);
    cuts.push_back(mEndParam);
    for (size_t i = 0; i + 1 < cuts.size(); ++i) parts.emplace_back(cuts[i], cuts[i + 1]);
  }
  for (const auto& part : parts) {
    AcDbEllipse* e = new AcDbEllipse();
    e->mCenter = mCenter;
    e->mNormal = mNormal;
    e->mMajor = mMajor;
    e->mRatio = mRatio;
    double a0 = part.first, a1 = part.second;
    normalizeParams(a0, a1);
    e->mStartParam = a0;
    e->mEndParam = a1;
    e->setPropertiesFrom(this);
    curveSegments.append(e);
  }
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEllipse::extend(double newParam) {
  assertReadEnabled();
  if (isFull()) return Acad::eNotApplicable;
  if (!std::isfinite(newParam) || (newParam >= mStartParam && newParam <= mEndParam)) return Acad::eInvalidInput;
  double a0 = mStartParam, a1 = mEndParam;
  if (newParam < a0)
    a0 = newParam;
  else
    a1 = newParam;
  if (a1 - a0 > kTwoPi) return Acad::eInvalidInput;
  assertWriteEnabled();
  normalizeParams(a0, a1);
  mStartParam = a0;
  mEndParam = a1;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEllipse::extend(Adesk::Boolean extendStart, const AcGePoint3d& toPoint) {
  assertReadEnabled();
  if (isFull()) return Acad::eNotApplicable;
  // The point must lie on the full ellipse, off the arc.
  vhost::CurveGeometry g;
  buildGeometry(g);
  vhost::CurvePiece full = g.pieces[0];
  const double t = full.closestParam(toPoint, mStartParam, mStartParam + kTwoPi);
  const double tol = vhost::pointTolerance(g.magnitude());
  if (full.pointAt(t).distanceTo(toPoint) > tol) return Acad::eInvalidInput;
  const double angTol = tol / std::max(mMajor.length() * mRatio, 1e-300);
  if (t > mStartParam + angTol && t < mEndParam - angTol) return Acad::eInvalidInput;
  assertWriteEnabled();
  double a0 = mStartParam, a1 = mEndParam;
  if (extendStart)
    a0 = t > mEndParam ? t - kTwoPi : t;
  else
    a1 = t;
  normalizeParams(a0, a1);
  mStartParam = a0;
  mEndParam = a1;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEllipse::reverseCurve() {
  assertWriteEnabled();
  // With the normal turned over the minor axis turns too: parameter p becomes -p.
  mNormal = -mNormal;
  double a0 = -mEndParam, a1 = -mStartParam;
  normalizeParams(a0, a1);
  mStartParam = a0;
  mEndParam = a1;
  return Acad::eOk;
}

AcDbEllipse* AcDbEllipse::vhostFromConic(const AcGePoint3d& center, const AcGeVector3d& u, const AcGeVector3d& v,
                                         double t0, double t1, const AcGeVector3d& preferredNormal) {
  const AcGeVector3d uv = u.crossProduct(v);
  if (!(uv.length() > 1e-12 * std::max(1e-300, u.length() * v.length()))) return nullptr;
  // Principal axes: the parameter shift that makes |u cos t + v sin t| largest.
  double ts = 0.5 * std::atan2(2.0 * u.dotProduct(v), u.lengthSqrd() - v.lengthSqrd());
  AcGeVector3d maj = u * std::cos(ts) + v * std::sin(ts);
  AcGeVector3d mn = v * std::cos(ts) - u * std::sin(ts);
  if (mn.length() > maj.length()) {
    ts += VeskGe::kHalfPi;
    maj = u * std::cos(ts) + v * std::sin(ts);
    mn = v * std::cos(ts) - u * std::sin(ts);
  }
  AcGeVector3d n = maj.crossProduct(mn).normal();
  double a0 = t0 - ts, a1 = t1 - ts;
  if (!preferredNormal.isZeroLength() && n.dotProduct(preferredNormal) < 0.0) {
    n = -n;
    const double b0 = -a1, b1 = -a0;
    a0 = b0;
    a1 = b1;
  }
  AcDbEllipse* e = new AcDbEllipse();
  e->mCenter = center;
  e->mNormal = n;
  e->mMajor = maj;
  e->mRatio = std::min(1.0, mn.length() / maj.length());
  const bool full = t1 - t0 >= kTwoPi - 1e-12;
  if (full) a1 = a0 + kTwoPi;
  normalizeParams(a0, a1);
  e->mStartParam = a0;
  e->mEndParam = a1;
  return e;
}

Acad::ErrorStatus AcDbEllipse::transformBy(const AcGeMatrix3d& xform) {
  assertReadEnabled();
  AcGeVector3d pref;
  if (!vhost::transformNormal(xform, mNormal, pref)) return Acad::eCannotScaleNonUniformly;
  const AcGeVector3d minor = mNormal.crossProduct(mMajor) * mRatio;
  AcDbEllipse* e = vhostFromConic(xform * mCenter, xform * mMajor, xform * minor, mStartParam,
                                  isFull() ? mStartParam + kTwoPi : mEndParam, pref);
  if (e == nullptr) return Acad::eCannotScaleNonUniformly;
  assertWriteEnabled();
  mCenter = e->mCenter;
  mNormal = e->mNormal;
  mMajor = e->mMajor;
  mRatio = e->mRatio;
  mStartParam = e->mStartParam;
  mEndParam = e->mEndParam;
  delete e;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEllipse::getPlane(AcGePlane& plane, AcDb::Planarity& planarity) const {
  assertReadEnabled();
  planarity = AcDb::kPlanar;
  plane.set(mCenter, mNormal);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEllipse::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbEntity::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writePoint3d(mCenter);
  filer->writeVector3d(mNormal);
  filer->writeVector3d(mMajor);
  filer->writeDouble(mRatio);
  filer->writeDouble(mStartParam);
  filer->writeDouble(mEndParam);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbEllipse::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbEntity::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  filer->readPoint3d(&mCenter);
  filer->readVector3d(&mNormal);
  filer->readVector3d(&mMajor);
  filer->readDouble(&mRatio);
  filer->readDouble(&mStartParam);
  filer->readDouble(&mEndParam);
  return filer->filerStatus();
}

// ---- DXF filing --------------------------------------------------------------------------

namespace {

// An extrusion direction read from a drawing, unit length; a unit vector is
// kept exactly as read.
bool readNormal(const resbuf& rb, AcGeVector3d& normal) {
  const AcGeVector3d v = vhost::dxfVector(rb);
  if (!vhost::validNormal(v, normal)) return false;
  if (std::fabs(v.length() - 1.0) <= 4e-16) normal = v;
  return true;
}

bool isWorldZ(const AcGeVector3d& n) { return n.x == 0.0 && n.y == 0.0 && n.z == 1.0; }

}  // namespace

Acad::ErrorStatus AcDbEllipse::dxfOutFields(AcDbDxfFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = vhost::CurveEntity::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeString(100, L"AcDbEllipse");
  filer->writePoint3d(10, mCenter);
  // The end point of the major axis, relative to the centre.
  filer->writePoint3d(11, AcGePoint3d(mMajor.x, mMajor.y, mMajor.z));
  if (!isWorldZ(mNormal)) filer->writeVector3d(210, mNormal);
  filer->writeDouble(40, mRatio);
  // Parameters are filed in [0, 2π]: an end beyond a turn is filed less a turn.
  filer->writeDouble(41, mStartParam);
  filer->writeDouble(42, mEndParam > kTwoPi ? mEndParam - kTwoPi : mEndParam);
  vhost::dxfWriteKept(filer, this, L"AcDbEllipse");
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbEllipse::dxfInFields(AcDbDxfFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = vhost::CurveEntity::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  if (!filer->atSubclassData(L"AcDbEllipse")) return vhost::dxfBadSubclass(filer, L"AcDbEllipse");
  AcGePoint3d center;
  AcGeVector3d major = mMajor;
  AcGeVector3d normal = AcGeVector3d::kZAxis;
  double ratio = 1.0, start = 0.0, end = kTwoPi;
  vhost::DxfKeptGroups kept(L"AcDbEllipse");
  const wchar_t* bad = nullptr;
  resbuf rb;
  while ((es = filer->readResBuf(&rb)) == Acad::eOk) {
    switch (rb.restype) {
      case 10:
        center = vhost::dxfPoint(rb);
        if (!vhost::isFinite(center)) bad = L"ELLIPSE: centre (10) is not a number";
        break;
      case 11:
        major = vhost::dxfVector(rb);
        if (!vhost::isFinite(major) || !(major.length() > 0.0)) bad = L"ELLIPSE: major axis (11) is zero or not a number";
        break;
      case 210:
        if (!readNormal(rb, normal)) bad = L"ELLIPSE: extrusion direction (210) is zero or not a number";
        break;
      case 40:
        ratio = rb.resval.rreal;
        if (!(ratio > 0.0) || !(ratio <= 1.0 + 1e-12)) bad = L"ELLIPSE: ratio of minor to major axis (40) must be in (0, 1]";
        break;
      case 41:
        start = rb.resval.rreal;
        if (!std::isfinite(start)) bad = L"ELLIPSE: start parameter (41) is not a number";
        break;
      case 42:
        end = rb.resval.rreal;
        if (!std::isfinite(end)) bad = L"ELLIPSE: end parameter (42) is not a number";
        break;
      default:
        kept.add(rb);
    }
    vhost::dxfReleaseValue(rb);
    if (bad) return vhost::dxfError(filer, bad);
  }
  if (es != Acad::eEndOfObject) return es;
  // The major axis must lie in the plane of the normal (up to rounding of the
  // file's digits); it is then put exactly into the plane.
  if (std::fabs(major.normal().dotProduct(normal)) > 1e-6)
    return vhost::dxfError(filer, L"ELLIPSE: major axis (11) is not perpendicular to the extrusion direction (210)");
  mCenter = center;
  mNormal = normal;
  mMajor = major - normal * major.dotProduct(normal);
  mRatio = std::min(ratio, 1.0);
  normalizeParams(start, end);
  mStartParam = start;
  mEndParam = end;
  kept.storeInto(this);
  return Acad::eOk;
}
