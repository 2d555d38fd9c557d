#include "arx/entities/AcDbPoint.h"

#include <cmath>

#include "arx/db/AcDbDwgFiler.h"
#include "arx/db/VhostDxfSupport.h"
#include "arx/entities/CurveEntity.h"
#include "arx/entities/EntityPlaneUtil.h"
#include "arx/ge/AcDbExtents.h"
#include "arx/ge/AcGePlane.h"
#include "arx/ge/GeMath.h"

VHOST_DEFINE_BUILTIN_CLASS(AcDbPoint, AcDbEntity, L"POINT")

AcDbPoint::AcDbPoint() = default;

AcDbPoint::AcDbPoint(const AcGePoint3d& position) : mPosition(position) {}

AcDbPoint::~AcDbPoint() = default;

AcGePoint3d AcDbPoint::position() const {
  assertReadEnabled();
  return mPosition;
}

Acad::ErrorStatus AcDbPoint::setPosition(const AcGePoint3d& position) {
  if (!vhost::isFinite(position)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mPosition = position;
  return Acad::eOk;
}

double AcDbPoint::thickness() const {
  assertReadEnabled();
  return mThickness;
}

Acad::ErrorStatus AcDbPoint::setThickness(double thickness) {
  if (!std::isfinite(thickness)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mThickness = thickness;
  return Acad::eOk;
}

AcGeVector3d AcDbPoint::normal() const {
  assertReadEnabled();
  return mNormal;
}

Acad::ErrorStatus AcDbPoint::setNormal(const AcGeVector3d& normal) {
  AcGeVector3d n;
  if (!vhost::validNormal(normal, n)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mNormal = n;
  return Acad::eOk;
}

double AcDbPoint::ecsRotation() const {
  assertReadEnabled();
  return mEcsRotation;
}

Acad::ErrorStatus AcDbPoint::setEcsRotation(double rotation) {
  if (!std::isfinite(rotation)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mEcsRotation = rotation;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPoint::getGeomExtents(AcDbExtents& extents) const {
  assertReadEnabled();
  extents.reset();
  extents.addPoint(mPosition);
  if (mThickness != 0.0) extents.addPoint(mPosition + mNormal * mThickness);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPoint::transformBy(const AcGeMatrix3d& xform) {
  assertWriteEnabled();
  // The rotated X axis of the old system, seen in the new one, gives the new rotation.
  AcGeVector3d x, y;
  vhost::ecsAxes(mNormal, x, y);
  const AcGeVector3d dir = xform * (x * std::cos(mEcsRotation) + y * std::sin(mEcsRotation));
  const AcGeVector3d ext = xform * (mNormal * mThickness);
  AcGeVector3d n = xform * mNormal;
  mPosition.transformBy(xform);
  if (n.length() > 1e-300) {
    n = n.normal();
    mThickness = ext.dotProduct(n);
    mNormal = n;
    vhost::ecsAxes(mNormal, x, y);
    if (!dir.isZeroLength()) mEcsRotation = VeskGe::normalizeAngle(std::atan2(dir.dotProduct(y), dir.dotProduct(x)));
  }
  return Acad::eOk;
}

namespace {

// The point when it lies on the curve (its extension when extendCurve).
void pointOnCurve(const AcGePoint3d& p, const vhost::CurveGeometry& curve, bool extendCurve, AcGePoint3dArray& out) {
  double param;
  AcGePoint3d q;
  curve.closestPoint(p, extendCurve, param, q);
  if (q.distanceTo(p) <= vhost::pointTolerance(std::max(curve.magnitude(), p.asVector().length()))) out.append(p);
}

}  // namespace

Acad::ErrorStatus AcDbPoint::intersectWith(const AcDbEntity* ent, AcDb::Intersect intType, AcGePoint3dArray& points,
                                           Adesk::GsMarker thisGsMarker, Adesk::GsMarker) const {
  assertReadEnabled();
  if (ent == nullptr) return Acad::eNullEntityPointer;
  if (const AcDbPoint* other = AcDbPoint::cast(ent)) {
    const AcGePoint3d q = other->position();
    if (q.distanceTo(mPosition) <= vhost::pointTolerance(mPosition.asVector().length())) points.append(mPosition);
    return Acad::eOk;
  }
  vhost::CurveGeometry g;
  if (!vhost::geometryOf(ent, g)) {
    if (thisGsMarker < 0) return Acad::eNotImplementedYet;
    const AcDb::Intersect swapped = intType == AcDb::kExtendThis  ? AcDb::kExtendArg
                                    : intType == AcDb::kExtendArg ? AcDb::kExtendThis
                                                                  : intType;
    return ent->intersectWith(this, swapped, points, -1, thisGsMarker);
  }
  pointOnCurve(mPosition, g, intType == AcDb::kExtendArg || intType == AcDb::kExtendBoth, points);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPoint::intersectWith(const AcDbEntity* ent, AcDb::Intersect intType, const AcGePlane& projPlane,
                                           AcGePoint3dArray& points, Adesk::GsMarker thisGsMarker,
                                           Adesk::GsMarker otherGsMarker) const {
  assertReadEnabled();
  if (ent == nullptr) return Acad::eNullEntityPointer;
  vhost::CurveGeometry g;
  if (!vhost::geometryOf(ent, g)) {
    if (AcDbPoint::cast(ent) == nullptr && thisGsMarker < 0) return Acad::eNotImplementedYet;
    if (AcDbPoint::cast(ent) == nullptr) {
      const AcDb::Intersect swapped = intType == AcDb::kExtendThis  ? AcDb::kExtendArg
                                      : intType == AcDb::kExtendArg ? AcDb::kExtendThis
                                                                    : intType;
      return ent->intersectWith(this, swapped, projPlane, points, -1, thisGsMarker);
    }
    return intersectWith(ent, intType, points, thisGsMarker, otherGsMarker);
  }
  const AcGeVector3d n = projPlane.normal();
  const AcGePoint3d o = projPlane.pointOnPlane();
  const AcGeMatrix3d m = vhost::projectionMatrix(o, n, n);
  AcGePoint3dArray found;
  pointOnCurve(m * mPosition, g.projected(o, n, n), intType == AcDb::kExtendArg || intType == AcDb::kExtendBoth,
               found);
  if (!found.isEmpty()) points.append(mPosition);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPoint::getPlane(AcGePlane& plane, AcDb::Planarity& planarity) const {
  assertReadEnabled();
  planarity = AcDb::kPlanar;
  plane.set(mPosition, mNormal);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPoint::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbEntity::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writePoint3d(mPosition);
  filer->writeDouble(mThickness);
  filer->writeVector3d(mNormal);
  filer->writeDouble(mEcsRotation);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbPoint::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbEntity::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  filer->readPoint3d(&mPosition);
  filer->readDouble(&mThickness);
  filer->readVector3d(&mNormal);
  filer->readDouble(&mEcsRotation);
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

constexpr double kDegPerRad = 180.0 / VeskGe::kPi;

}  // namespace

Acad::ErrorStatus AcDbPoint::dxfOutFields(AcDbDxfFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = AcDbEntity::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeString(100, L"AcDbPoint");
  filer->writePoint3d(10, mPosition);
  if (mThickness != 0.0) filer->writeDouble(39, mThickness);
  if (!isWorldZ(mNormal)) filer->writeVector3d(210, mNormal);
  // The rotation of the point's display, in degrees.
  if (mEcsRotation != 0.0) filer->writeDouble(50, mEcsRotation * kDegPerRad);
  vhost::dxfWriteKept(filer, this, L"AcDbPoint");
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbPoint::dxfInFields(AcDbDxfFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbEntity::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  if (!filer->atSubclassData(L"AcDbPoint")) return vhost::dxfBadSubclass(filer, L"AcDbPoint");
  AcGePoint3d position;
  double thickness = 0.0, rotationDeg = 0.0;
  AcGeVector3d normal = AcGeVector3d::kZAxis;
  vhost::DxfKeptGroups kept(L"AcDbPoint");
  const wchar_t* bad = nullptr;
  resbuf rb;
  while ((es = filer->readResBuf(&rb)) == Acad::eOk) {
    switch (rb.restype) {
      case 10:
        position = vhost::dxfPoint(rb);
        if (!vhost::isFinite(position)) bad = L"POINT: location (10) is not a number";
        break;
      case 39:
        thickness = rb.resval.rreal;
        if (!std::isfinite(thickness)) bad = L"POINT: thickness (39) is not a number";
        break;
      case 210:
        if (!readNormal(rb, normal)) bad = L"POINT: extrusion direction (210) is zero or not a number";
        break;
      case 50:
        rotationDeg = rb.resval.rreal;
        if (!std::isfinite(rotationDeg)) bad = L"POINT: angle (50) is not a number";
        break;
      default:
        kept.add(rb);
    }
    vhost::dxfReleaseValue(rb);
    if (bad) return vhost::dxfError(filer, bad);
  }
  if (es != Acad::eEndOfObject) return es;
  mPosition = position;
  mThickness = thickness;
  mNormal = normal;
  mEcsRotation = rotationDeg / kDegPerRad;
  kept.storeInto(this);
  return Acad::eOk;
}
