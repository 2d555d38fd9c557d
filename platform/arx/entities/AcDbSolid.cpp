#include "arx/entities/AcDbSolid.h"

#include <cmath>

#include "arx/db/AcDbDwgFiler.h"
#include "arx/entities/VhostAnnotationDxf.h"
#include "arx/entities/VhostAnnotationUtil.h"
#include "arx/ge/AcDbExtents.h"
#include "arx/ge/AcGeMatrix3d.h"
#include "arx/ge/AcGePlane.h"

VHOST_DEFINE_BUILTIN_CLASS(AcDbSolid, AcDbEntity, L"SOLID")

using namespace vhost::annot;

AcDbSolid::AcDbSolid() = default;

AcDbSolid::AcDbSolid(const AcGePoint3d& pt0, const AcGePoint3d& pt1, const AcGePoint3d& pt2, const AcGePoint3d& pt3)
    : mPoints{pt0, pt1, pt2, pt3} {}

AcDbSolid::AcDbSolid(const AcGePoint3d& pt0, const AcGePoint3d& pt1, const AcGePoint3d& pt2)
    : mPoints{pt0, pt1, pt2, pt2} {}

AcDbSolid::~AcDbSolid() = default;

Acad::ErrorStatus AcDbSolid::getPointAt(Adesk::UInt16 idx, AcGePoint3d& pntRes) const {
  assertReadEnabled();
  if (idx > 3) return Acad::eInvalidIndex;
  pntRes = mPoints[idx];
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSolid::setPointAt(Adesk::UInt16 idx, const AcGePoint3d& pntArg) {
  if (idx > 3) return Acad::eInvalidIndex;
  if (!isFinite(pntArg)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mPoints[idx] = pntArg;
  return Acad::eOk;
}

double AcDbSolid::thickness() const {
  assertReadEnabled();
  return mThickness;
}

Acad::ErrorStatus AcDbSolid::setThickness(double thickness) {
  if (!isFinite(thickness)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mThickness = thickness;
  return Acad::eOk;
}

AcGeVector3d AcDbSolid::normal() const {
  assertReadEnabled();
  return mNormal;
}

Acad::ErrorStatus AcDbSolid::setNormal(const AcGeVector3d& normal) {
  AcGeVector3d n;
  if (!unitNormal(normal, n)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mNormal = n;
  return Acad::eOk;
}

double AcDbSolid::vhostArea() const {
  assertReadEnabled();
  const AcGePoint3d ring[4] = {mPoints[0], mPoints[1], mPoints[3], mPoints[2]};
  AcGeVector3d sum;
  for (int i = 0; i < 4; ++i) sum += (ring[i] - ring[0]).crossProduct(ring[(i + 1) % 4] - ring[0]);
  return std::fabs(sum.dotProduct(mNormal)) / 2.0;
}

Acad::ErrorStatus AcDbSolid::getGeomExtents(AcDbExtents& extents) const {
  assertReadEnabled();
  extents = AcDbExtents();
  for (const AcGePoint3d& p : mPoints) {
    extents.addPoint(p);
    if (mThickness != 0.0) extents.addPoint(p + mNormal * mThickness);
  }
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSolid::transformBy(const AcGeMatrix3d& xform) {
  AcGeVector3d x, y;
  ocsAxes(mNormal, x, y);
  FrameImage f;
  if (!transformFrame(xform, x, y, mNormal, f)) return Acad::eInvalidInput;
  assertWriteEnabled();
  for (AcGePoint3d& p : mPoints) p = xform * p;
  mNormal = f.normal;
  mThickness *= f.normalScale;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSolid::getPlane(AcGePlane& plane, AcDb::Planarity& planarity) const {
  assertReadEnabled();
  plane.set(mPoints[0], mNormal);
  planarity = AcDb::kPlanar;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSolid::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbEntity::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  for (const AcGePoint3d& p : mPoints) filer->writePoint3d(p);
  filer->writeDouble(mThickness);
  filer->writeVector3d(mNormal);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbSolid::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbEntity::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  for (AcGePoint3d& p : mPoints) filer->readPoint3d(&p);
  filer->readDouble(&mThickness);
  filer->readVector3d(&mNormal);
  return filer->filerStatus();
}

// --- DXF filing -----------------------------------------------------------------------------------

Acad::ErrorStatus AcDbSolid::dxfOutFields(AcDbDxfFiler* filer) const {
  using namespace vhost::annotdxf;
  assertReadEnabled();
  Acad::ErrorStatus es = AcDbEntity::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeString(100, L"AcDbTrace");
  for (int i = 0; i < 4; ++i) filer->writePoint3d(10 + i, wcsToOcs(mPoints[i], mNormal));
  if (mThickness != 0.0) filer->writeDouble(39, mThickness);
  if (!isZNormal(mNormal)) filer->writeVector3d(210, mNormal);
  return vhost::dxfWriteKept(filer, this, L"AcDbTrace");
}

Acad::ErrorStatus AcDbSolid::dxfInFields(AcDbDxfFiler* filer) {
  using namespace vhost::annotdxf;
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbEntity::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  if (!filer->atSubclassData(L"AcDbTrace")) return vhost::dxfBadSubclass(filer, L"AcDbTrace");
  vhost::DxfKeptGroups kept(L"AcDbTrace");
  AcGePoint3d pts[4];
  bool have[4] = {false, false, false, false};
  AcGeVector3d normal = AcGeVector3d::kZAxis;
  double thickness = 0.0;
  resbuf rb;
  while ((es = filer->readResBuf(&rb)) == Acad::eOk) {
    if (rb.restype >= 10 && rb.restype <= 13) {
      pts[rb.restype - 10] = vhost::dxfPoint(rb);
      have[rb.restype - 10] = true;
    } else if (rb.restype == 39) {
      thickness = rb.resval.rreal;
    } else if (rb.restype == 210) {
      normal = vhost::dxfVector(rb);
    } else {
      kept.add(rb);
    }
    vhost::dxfReleaseValue(rb);
  }
  if (es != Acad::eEndOfObject) return es;
  if (!have[0] || !have[1] || !have[2]) return vhost::dxfError(filer, L"solid needs at least three corners (10, 11, 12)");
  if (!have[3]) pts[3] = pts[2];  // a triangle
  for (const AcGePoint3d& p : pts)
    if (!good(p)) return vhost::dxfError(filer, L"solid corner is not finite");
  if (!good(thickness)) return vhost::dxfError(filer, L"solid thickness is not finite");
  AcGeVector3d unit;
  if (!unitNormal(normal, unit)) return vhost::dxfError(filer, L"solid normal (210) is not a direction");
  mNormal = unit;
  for (int i = 0; i < 4; ++i) mPoints[i] = ocsToWcs(pts[i], mNormal);
  mThickness = thickness;
  kept.storeInto(this);
  return Acad::eOk;
}
