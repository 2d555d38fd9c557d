#include "arx/entities/AcDbCircle.h"

#include <algorithm>
#include <cmath>

#include "arx/db/AcDbDwgFiler.h"
#include "arx/db/VhostDxfSupport.h"
#include "arx/entities/AcDbArc.h"
#include "arx/entities/AcDbEllipse.h"
#include "arx/entities/EntityPlaneUtil.h"
#include "arx/ge/AcGePlane.h"
#include "arx/ge/GeMath.h"

VHOST_DEFINE_BUILTIN_CLASS(AcDbCircle, AcDbCurve, L"CIRCLE")

AcDbCircle::AcDbCircle() = default;

AcDbCircle::AcDbCircle(const AcGePoint3d& center, const AcGeVector3d& normal, double radius)
    : mCenter(center), mRadius(radius > 0.0 && std::isfinite(radius) ? radius : 1.0) {
  AcGeVector3d n;
  if (vhost::validNormal(normal, n)) mNormal = n;
}

AcDbCircle::~AcDbCircle() = default;

AcGePoint3d AcDbCircle::center() const {
  assertReadEnabled();
  return mCenter;
}

Acad::ErrorStatus AcDbCircle::setCenter(const AcGePoint3d& center) {
  if (!vhost::isFinite(center)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mCenter = center;
  return Acad::eOk;
}

double AcDbCircle::radius() const {
  assertReadEnabled();
  return mRadius;
}

Acad::ErrorStatus AcDbCircle::setRadius(double radius) {
  if (!(radius > 0.0) || !std::isfinite(radius)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mRadius = radius;
  return Acad::eOk;
}

double AcDbCircle::diameter() const { return 2.0 * radius(); }

Acad::ErrorStatus AcDbCircle::setDiameter(double diameter) { return setRadius(0.5 * diameter); }

double AcDbCircle::circumference() const { return VeskGe::kTwoPi * radius(); }

Acad::ErrorStatus AcDbCircle::setCircumference(double circumference) {
  return setRadius(circumference / VeskGe::kTwoPi);
}

double AcDbCircle::thickness() const {
  assertReadEnabled();
  return mThickness;
}

Acad::ErrorStatus AcDbCircle::setThickness(double thickness) {
  if (!std::isfinite(thickness)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mThickness = thickness;
  return Acad::eOk;
}

AcGeVector3d AcDbCircle::normal() const {
  assertReadEnabled();
  return mNormal;
}

Acad::ErrorStatus AcDbCircle::setNormal(const AcGeVector3d& normal) {
  AcGeVector3d n;
  if (!vhost::validNormal(normal, n)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mNormal = n;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::buildGeometry(vhost::CurveGeometry& g) const {
  assertReadEnabled();
  g = vhost::CurveGeometry();
  AcGeVector3d x, y;
  vhost::ecsAxes(mNormal, x, y);
  g.pieces.push_back(vhost::CurvePiece::arc(mCenter, mNormal, x, mRadius, 0.0, VeskGe::kTwoPi, 0.0, VeskGe::kTwoPi));
  g.startParam = 0.0;
  g.endParam = VeskGe::kTwoPi;
  g.closed = g.periodic = true;
  g.extendable = false;
  g.normal = mNormal;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::getSplitCurves(const AcGeDoubleArray& params, AcDbVoidPtrArray& curveSegments) const {
  assertReadEnabled();
  std::vector<double> ps;
  Acad::ErrorStatus es = splitParams(params, ps);
  if (es != Acad::eOk) return es;
  // 2π is the same point as 0.
  if (ps.size() > 1 && ps.back() - ps.front() >= VeskGe::kTwoPi - 1e-10) ps.pop_back();
  if (ps.empty()) return Acad::eInvalidInput;
  for (size_t i = 0; i < ps.size(); ++i) {
    const double a = ps[i];
    const double b = i + 1 < ps.size() ? ps[i + 1] : ps[0];  // equal angles: the whole circle
    AcDbArc* piece = new AcDbArc(mCenter, mNormal, mRadius, a, b);
    piece->setPropertiesFrom(this);
    piece->setThickness(mThickness);
    curveSegments.append(piece);
  }
  return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::extend(double) {
  assertReadEnabled();
  return Acad::eNotApplicable;
}

Acad::ErrorStatus AcDbCircle::extend(Adesk::Boolean, const AcGePoint3d&) {
  assertReadEnabled();
  return Acad::eNotApplicable;
}

Acad::ErrorStatus AcDbCircle::reverseCurve() {
  assertWriteEnabled();
  mNormal = -mNormal;
  mThickness = -mThickness;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::transformBy(const AcGeMatrix3d& xform) {
  assertReadEnabled();
  if (!xform.isUniScaledOrtho()) return Acad::eCannotScaleNonUniformly;
  AcGeVector3d n;
  if (!vhost::transformNormal(xform, mNormal, n)) return Acad::eCannotScaleNonUniformly;
  assertWriteEnabled();
  const AcGeVector3d ext = xform * (mNormal * mThickness);
  mRadius *= (xform * mNormal).length();
  mCenter.transformBy(xform);
  mNormal = n;
  mThickness = ext.dotProduct(n);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::getTransformedCopy(const AcGeMatrix3d& xform, AcDbEntity*& ent) const {
  assertReadEnabled();
  ent = nullptr;
  if (xform.isUniScaledOrtho()) return vhost::CurveEntity::getTransformedCopy(xform, ent);
  AcGeVector3d x, y;
  vhost::ecsAxes(mNormal, x, y);
  AcDbEllipse* e = AcDbEllipse::vhostFromConic(xform * mCenter, xform * (x * mRadius), xform * (y * mRadius), 0.0,
                                               VeskGe::kTwoPi, xform * mNormal);
  if (e == nullptr) return Acad::eCannotScaleNonUniformly;
  e->setPropertiesFrom(this);
  ent = e;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::getPlane(AcGePlane& plane, AcDb::Planarity& planarity) const {
  assertReadEnabled();
  planarity = AcDb::kPlanar;
  plane.set(mCenter, mNormal);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbEntity::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writePoint3d(mCenter);
  filer->writeDouble(mRadius);
  filer->writeDouble(mThickness);
  filer->writeVector3d(mNormal);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbCircle::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbEntity::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  filer->readPoint3d(&mCenter);
  filer->readDouble(&mRadius);
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

Acad::ErrorStatus AcDbCircle::dxfOutFields(AcDbDxfFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = vhost::CurveEntity::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeString(100, L"AcDbCircle");
  if (mThickness != 0.0) filer->writeDouble(39, mThickness);
  filer->writePoint3d(10, toOcs(mCenter, mNormal));
  filer->writeDouble(40, mRadius);
  if (!isWorldZ(mNormal)) filer->writeVector3d(210, mNormal);
  vhost::dxfWriteKept(filer, this, L"AcDbCircle");
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbCircle::dxfInFields(AcDbDxfFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = vhost::CurveEntity::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  if (!filer->atSubclassData(L"AcDbCircle")) return vhost::dxfBadSubclass(filer, L"AcDbCircle");
  AcGePoint3d center;
  double radius = mRadius, thickness = 0.0;
  AcGeVector3d normal = AcGeVector3d::kZAxis;
  vhost::DxfKeptGroups kept(L"AcDbCircle");
  const wchar_t* bad = nullptr;
  resbuf rb;
  while ((es = filer->readResBuf(&rb)) == Acad::eOk) {
    switch (rb.restype) {
      case 10:
        center = vhost::dxfPoint(rb);
        if (!vhost::isFinite(center)) bad = L"CIRCLE: centre (10) is not a number";
        break;
      case 40:
        radius = rb.resval.rreal;
        if (!(radius > 0.0) || !std::isfinite(radius)) bad = L"CIRCLE: radius (40) must be a positive number";
        break;
      case 39:
        thickness = rb.resval.rreal;
        if (!std::isfinite(thickness)) bad = L"CIRCLE: thickness (39) is not a number";
        break;
      case 210:
        if (!readNormal(rb, normal)) bad = L"CIRCLE: extrusion direction (210) is zero or not a number";
        break;
      default:
        kept.add(rb);
    }
    vhost::dxfReleaseValue(rb);
    if (bad) return vhost::dxfError(filer, bad);
  }
  if (es != Acad::eEndOfObject) return es;
  mCenter = fromOcs(center, normal);
  mRadius = radius;
  mThickness = thickness;
  mNormal = normal;
  kept.storeInto(this);
  return Acad::eOk;
}
