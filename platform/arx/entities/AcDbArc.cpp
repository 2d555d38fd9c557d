#include "arx/entities/AcDbArc.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "arx/db/AcDbDwgFiler.h"
#include "arx/db/VhostDxfSupport.h"
#include "arx/entities/AcDbEllipse.h"
#include "arx/entities/EntityPlaneUtil.h"
#include "arx/ge/AcGePlane.h"
#include "arx/ge/GeMath.h"

VHOST_DEFINE_BUILTIN_CLASS(AcDbArc, AcDbCurve, L"ARC")

AcDbArc::AcDbArc() = default;

AcDbArc::AcDbArc(const AcGePoint3d& center, double radius, double startAngle, double endAngle)
    : AcDbArc(center, AcGeVector3d::kZAxis, radius, startAngle, endAngle) {}

AcDbArc::AcDbArc(const AcGePoint3d& center, const AcGeVector3d& normal, double radius, double startAngle,
                 double endAngle)
    : mCenter(center),
      mRadius(radius > 0.0 && std::isfinite(radius) ? radius : 1.0),
      mStartAngle(VeskGe::normalizeAngle(startAngle)),
      mEndAngle(VeskGe::normalizeAngle(endAngle)) {
  AcGeVector3d n;
  if (vhost::validNormal(normal, n)) mNormal = n;
}

AcDbArc::~AcDbArc() = default;

AcGePoint3d AcDbArc::center() const {
  assertReadEnabled();
  return mCenter;
}

Acad::ErrorStatus AcDbArc::setCenter(const AcGePoint3d& center) {
  if (!vhost::isFinite(center)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mCenter = center;
  return Acad::eOk;
}

double AcDbArc::radius() const {
  assertReadEnabled();
  return mRadius;
}

Acad::ErrorStatus AcDbArc::setRadius(double radius) {
  if (!(radius > 0.0) || !std::isfinite(radius)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mRadius = radius;
  return Acad::eOk;
}

double AcDbArc::startAngle() const {
  assertReadEnabled();
  return mStartAngle;
}

Acad::ErrorStatus AcDbArc::setStartAngle(double angle) {
  if (!std::isfinite(angle)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mStartAngle = VeskGe::normalizeAngle(angle);
  return Acad::eOk;
}

double AcDbArc::endAngle() const {
  assertReadEnabled();
  return mEndAngle;
}

Acad::ErrorStatus AcDbArc::setEndAngle(double angle) {
  if (!std::isfinite(angle)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mEndAngle = VeskGe::normalizeAngle(angle);
  return Acad::eOk;
}

double AcDbArc::endParamValue() const {
  return mEndAngle > mStartAngle ? mEndAngle : mEndAngle + VeskGe::kTwoPi;
}

double AcDbArc::totalAngle() const {
  assertReadEnabled();
  return endParamValue() - mStartAngle;
}

double AcDbArc::length() const {
  assertReadEnabled();
  return mRadius * (endParamValue() - mStartAngle);
}

double AcDbArc::thickness() const {
  assertReadEnabled();
  return mThickness;
}

Acad::ErrorStatus AcDbArc::setThickness(double thickness) {
  if (!std::isfinite(thickness)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mThickness = thickness;
  return Acad::eOk;
}

AcGeVector3d AcDbArc::normal() const {
  assertReadEnabled();
  return mNormal;
}

Acad::ErrorStatus AcDbArc::setNormal(const AcGeVector3d& normal) {
  AcGeVector3d n;
  if (!vhost::validNormal(normal, n)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mNormal = n;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::buildGeometry(vhost::CurveGeometry& g) const {
  assertReadEnabled();
  g = vhost::CurveGeometry();
  AcGeVector3d x, y;
  vhost::ecsAxes(mNormal, x, y);
  const double a1 = endParamValue();
  g.pieces.push_back(vhost::CurvePiece::arc(mCenter, mNormal, x, mRadius, mStartAngle, a1, mStartAngle, a1));
  g.startParam = mStartAngle;
  g.endParam = a1;
  g.normal = mNormal;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::getSplitCurves(const AcGeDoubleArray& params, AcDbVoidPtrArray& curveSegments) const {
  assertReadEnabled();
  std::vector<double> ps;
  Acad::ErrorStatus es = splitParams(params, ps);
  if (es != Acad::eOk) return es;
  const double a0 = mStartAngle, a1 = endParamValue();
  const double eps = 1e-10 * std::max(1.0, a1);
  std::vector<double> cuts{a0};
  for (double p : ps)
    if (p > a0 + eps && p < a1 - eps) cuts.push_back(p);
  cuts.push_back(a1);
  for (size_t i = 0; i + 1 < cuts.size(); ++i) {
    AcDbArc* piece = new AcDbArc(mCenter, mNormal, mRadius, cuts[i], cuts[i + 1]);
    piece->setPropertiesFrom(this);
    piece->mThickness = mThickness;
    curveSegments.append(piece);
  }
  return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::extend(double newParam) {
  assertReadEnabled();
  const double a0 = mStartAngle, a1 = endParamValue();
  if (!std::isfinite(newParam) || (newParam >= a0 && newParam <= a1)) return Acad::eInvalidInput;
  if ((newParam < a0 && a1 - newParam >= VeskGe::kTwoPi) || (newParam > a1 && newParam - a0 >= VeskGe::kTwoPi))
    return Acad::eInvalidInput;
  assertWriteEnabled();
  if (newParam < a0)
    mStartAngle = VeskGe::normalizeAngle(newParam);
  else
    mEndAngle = VeskGe::normalizeAngle(newParam);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::extend(Adesk::Boolean extendStart, const AcGePoint3d& toPoint) {
  assertReadEnabled();
  const double tol = vhost::pointTolerance(std::max(mCenter.asVector().length(), mRadius));
  const AcGeVector3d w = toPoint - mCenter;
  if (std::fabs(w.dotProduct(mNormal)) > tol) return Acad::eInvalidInput;
  if (std::fabs(w.length() - mRadius) > tol) return Acad::eInvalidInput;
  const double a = vhost::ecsAngle(mCenter, mNormal, toPoint);
  // The point must lie off the arc (or at the end being moved).
  const double rel = VeskGe::normalizeAngle(a - mStartAngle);
  const double total = endParamValue() - mStartAngle;
  const double angTol = tol / mRadius;
  const bool atMovedEnd = extendStart ? (rel <= angTol || rel >= VeskGe::kTwoPi - angTol)
                                      : std::fabs(rel - total) <= angTol;
  if (!atMovedEnd && rel < total - angTol) return Acad::eInvalidInput;
  assertWriteEnabled();
  if (extendStart)
    mStartAngle = a;
  else
    mEndAngle = a;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::reverseCurve() {
  assertWriteEnabled();
  const AcGePoint3d sp = vhost::ecsPointAt(mCenter, mNormal, mRadius, mStartAngle);
  const AcGePoint3d ep = vhost::ecsPointAt(mCenter, mNormal, mRadius, mEndAngle);
  mNormal = -mNormal;
  mStartAngle = vhost::ecsAngle(mCenter, mNormal, ep);
  mEndAngle = vhost::ecsAngle(mCenter, mNormal, sp);
  mThickness = -mThickness;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::transformBy(const AcGeMatrix3d& xform) {
  assertReadEnabled();
  if (!xform.isUniScaledOrtho()) return Acad::eCannotScaleNonUniformly;
  AcGeVector3d n;
  if (!vhost::transformNormal(xform, mNormal, n)) return Acad::eCannotScaleNonUniformly;
  assertWriteEnabled();
  AcGePoint3d sp = vhost::ecsPointAt(mCenter, mNormal, mRadius, mStartAngle);
  AcGePoint3d ep = vhost::ecsPointAt(mCenter, mNormal, mRadius, mEndAngle);
  const bool full = mStartAngle == mEndAngle;
  const AcGeVector3d ext = xform * (mNormal * mThickness);
  const double scale = (xform * mNormal).length();
  sp.transformBy(xform);
  ep.transformBy(xform);
  mCenter.transformBy(xform);
  mRadius *= scale;
  mNormal = n;
  mThickness = ext.dotProduct(n);
  double a0 = vhost::ecsAngle(mCenter, mNormal, sp), a1 = vhost::ecsAngle(mCenter, mNormal, ep);
  if (xform.det() < 0.0) std::swap(a0, a1);
  mStartAngle = a0;
  mEndAngle = full ? a0 : a1;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::getTransformedCopy(const AcGeMatrix3d& xform, AcDbEntity*& ent) const {
  assertReadEnabled();
  ent = nullptr;
  if (xform.isUniScaledOrtho()) return vhost::CurveEntity::getTransformedCopy(xform, ent);
  // Under unequal scaling the arc becomes an elliptical arc.
  AcGeVector3d x, y;
  vhost::ecsAxes(mNormal, x, y);
  AcGeVector3d pref;
  if (!vhost::transformNormal(xform, mNormal, pref)) return Acad::eCannotScaleNonUniformly;
  AcDbEllipse* e = AcDbEllipse::vhostFromConic(xform * mCenter, xform * (x * mRadius), xform * (y * mRadius),
                                               mStartAngle, endParamValue(), xform * mNormal);
  if (e == nullptr) return Acad::eCannotScaleNonUniformly;
  e->setPropertiesFrom(this);
  ent = e;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::getPlane(AcGePlane& plane, AcDb::Planarity& planarity) const {
  assertReadEnabled();
  planarity = AcDb::kPlanar;
  plane.set(mCenter, mNormal);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbEntity::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writePoint3d(mCenter);
  filer->writeDouble(mRadius);
  filer->writeDouble(mStartAngle);
  filer->writeDouble(mEndAngle);
  filer->writeDouble(mThickness);
  filer->writeVector3d(mNormal);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbArc::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbEntity::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  filer->readPoint3d(&mCenter);
  filer->readDouble(&mRadius);
  filer->readDouble(&mStartAngle);
  filer->readDouble(&mEndAngle);
  filer->readDouble(&mThickness);
  filer->readVector3d(&mNormal);
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

// Centres are filed in the entity coordinate system of the normal.
AcGePoint3d toOcs(const AcGePoint3d& p, const AcGeVector3d& normal) {
  return isWorldZ(normal) ? p : AcGeMatrix3d::worldToPlane(normal) * p;
}
AcGePoint3d fromOcs(const AcGePoint3d& p, const AcGeVector3d& normal) {
  return isWorldZ(normal) ? p : AcGeMatrix3d::planeToWorld(normal) * p;
}

constexpr double kDegPerRad = 180.0 / VeskGe::kPi;

}  // namespace

Acad::ErrorStatus AcDbArc::dxfOutFields(AcDbDxfFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = vhost::CurveEntity::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeString(100, L"AcDbCircle");
  if (mThickness != 0.0) filer->writeDouble(39, mThickness);
  filer->writePoint3d(10, toOcs(mCenter, mNormal));
  filer->writeDouble(40, mRadius);
  if (!isWorldZ(mNormal)) filer->writeVector3d(210, mNormal);
  vhost::dxfWriteKept(filer, this, L"AcDbCircle");
  filer->writeString(100, L"AcDbArc");
  filer->writeDouble(50, mStartAngle * kDegPerRad);
  filer->writeDouble(51, mEndAngle * kDegPerRad);
  vhost::dxfWriteKept(filer, this, L"AcDbArc");
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbArc::dxfInFields(AcDbDxfFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = vhost::CurveEntity::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  if (!filer->atSubclassData(L"AcDbCircle")) return vhost::dxfBadSubclass(filer, L"AcDbCircle");
  AcGePoint3d center;
  double radius = mRadius, thickness = 0.0, startDeg = 0.0, endDeg = 0.0;
  AcGeVector3d normal = AcGeVector3d::kZAxis;
  vhost::DxfKeptGroups keptCircle(L"AcDbCircle");
  vhost::DxfKeptGroups keptArc(L"AcDbArc");
  const wchar_t* bad = nullptr;
  // The angles are taken in either subclass: drawings converted from old
  // releases do not always put them after the AcDbArc marker.
  auto take = [&](const resbuf& rb, vhost::DxfKeptGroups& kept) {
    switch (rb.restype) {
      case 10:
        center = vhost::dxfPoint(rb);
        if (!vhost::isFinite(center)) bad = L"ARC: centre (10) is not a number";
        break;
      case 40:
        radius = rb.resval.rreal;
        if (!(radius > 0.0) || !std::isfinite(radius)) bad = L"ARC: radius (40) must be a positive number";
        break;
      case 39:
        thickness = rb.resval.rreal;
        if (!std::isfinite(thickness)) bad = L"ARC: thickness (39) is not a number";
        break;
      case 210:
        if (!readNormal(rb, normal)) bad = L"ARC: extrusion direction (210) is zero or not a number";
        break;
      case 50:
        startDeg = rb.resval.rreal;
        if (!std::isfinite(startDeg)) bad = L"ARC: start angle (50) is not a number";
        break;
      case 51:
        endDeg = rb.resval.rreal;
        if (!std::isfinite(endDeg)) bad = L"ARC: end angle (51) is not a number";
        break;
      default:
        kept.add(rb);
    }
  };
  resbuf rb;
  for (vhost::DxfKeptGroups* kept : {&keptCircle, &keptArc}) {
    if (kept == &keptArc && !filer->atSubclassData(L"AcDbArc")) return vhost::dxfBadSubclass(filer, L"AcDbArc");
    while ((es = filer->readResBuf(&rb)) == Acad::eOk) {
      take(rb, *kept);
      vhost::dxfReleaseValue(rb);
      if (bad) return vhost::dxfError(filer, bad);
    }
    if (es != Acad::eEndOfObject) return es;
  }
  mCenter = fromOcs(center, normal);
  mRadius = radius;
  mThickness = thickness;
  mNormal = normal;
  mStartAngle = VeskGe::normalizeAngle(startDeg / kDegPerRad);
  mEndAngle = VeskGe::normalizeAngle(endDeg / kDegPerRad);
  keptCircle.storeInto(this);
  keptArc.storeInto(this);
  return Acad::eOk;
}
