#include "arx/entities/AcDb3dPolylineVertex.h"

#include <cmath>

#include "arx/db/AcDbDwgFiler.h"
#include "arx/db/VhostDxfRecordFiling.h"
#include "arx/db/VhostDxfSupport.h"
#include "arx/entities/EntityPlaneUtil.h"
#include "arx/ge/AcGeMatrix3d.h"

VHOST_DEFINE_BUILTIN_CLASS(AcDb3dPolylineVertex, AcDbVertex, L"VERTEX")

AcDb3dPolylineVertex::AcDb3dPolylineVertex() = default;

AcDb3dPolylineVertex::AcDb3dPolylineVertex(const AcGePoint3d& position) : mPosition(position) {}

AcDb3dPolylineVertex::~AcDb3dPolylineVertex() = default;

AcDb::Vertex3dType AcDb3dPolylineVertex::vertexType() const {
  assertReadEnabled();
  return static_cast<AcDb::Vertex3dType>(mType);
}

Acad::ErrorStatus AcDb3dPolylineVertex::vhostSetVertexType(AcDb::Vertex3dType type) {
  assertWriteEnabled();
  mType = static_cast<Adesk::UInt8>(type);
  return Acad::eOk;
}

AcGePoint3d AcDb3dPolylineVertex::position() const {
  assertReadEnabled();
  return mPosition;
}

Acad::ErrorStatus AcDb3dPolylineVertex::setPosition(const AcGePoint3d& position) {
  if (!vhost::isFinite(position)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mPosition = position;
  return Acad::eOk;
}

Acad::ErrorStatus AcDb3dPolylineVertex::transformBy(const AcGeMatrix3d& xform) {
  assertWriteEnabled();
  mPosition.transformBy(xform);
  return Acad::eOk;
}

Acad::ErrorStatus AcDb3dPolylineVertex::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbEntity::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writePoint3d(mPosition);
  filer->writeUInt8(mType);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDb3dPolylineVertex::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbEntity::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  filer->readPoint3d(&mPosition);
  filer->readUInt8(&mType);
  return filer->filerStatus();
}

// ---- DXF filing --------------------------------------------------------------------------

namespace {

enum Vertex3dDxfFlags : Adesk::Int16 { kVxSplineFit = 8, kVxSplineFrame = 16, kVx3dPolyline = 32 };

// The AcDbVertex subclass has no groups of its own; whatever a drawing puts
// there is kept.
Acad::ErrorStatus readVertexBase(AcDbDxfFiler* filer, AcDbObject* vertex) {
  if (!filer->atSubclassData(L"AcDbVertex")) return vhost::dxfBadSubclass(filer, L"AcDbVertex");
  vhost::DxfKeptGroups kept(L"AcDbVertex");
  resbuf rb;
  Acad::ErrorStatus es;
  while ((es = filer->readResBuf(&rb)) == Acad::eOk) {
    kept.add(rb);
    vhost::dxfReleaseValue(rb);
  }
  if (es != Acad::eEndOfObject) return es;
  kept.storeInto(vertex);
  return Acad::eOk;
}

}  // namespace

Acad::ErrorStatus AcDb3dPolylineVertex::dxfOutFields(AcDbDxfFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = AcDbVertex::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeString(100, L"AcDbVertex");
  vhost::dxfWriteKept(filer, this, L"AcDbVertex");
  filer->writeString(100, L"AcDb3dPolylineVertex");
  filer->writePoint3d(10, mPosition);
  Adesk::Int16 flags = kVx3dPolyline;
  if (mType == AcDb::k3dControlVertex) flags |= kVxSplineFrame;
  if (mType == AcDb::k3dFitVertex) flags |= kVxSplineFit;
  flags |= static_cast<Adesk::Int16>(vhost::dxfKeptBits(this, L"AcDb3dPolylineVertex", 70));
  filer->writeInt16(70, flags);
  vhost::dxfWriteKept(filer, this, L"AcDb3dPolylineVertex");
  return filer->filerStatus();
}

Acad::ErrorStatus AcDb3dPolylineVertex::dxfInFields(AcDbDxfFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbVertex::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  if ((es = readVertexBase(filer, this)) != Acad::eOk) return es;
  if (!filer->atSubclassData(L"AcDb3dPolylineVertex")) return vhost::dxfBadSubclass(filer, L"AcDb3dPolylineVertex");
  AcGePoint3d position;
  int flags = kVx3dPolyline;
  vhost::DxfKeptGroups kept(L"AcDb3dPolylineVertex");
  const wchar_t* bad = nullptr;
  resbuf rb;
  while ((es = filer->readResBuf(&rb)) == Acad::eOk) {
    switch (rb.restype) {
      case 10:
        position = vhost::dxfPoint(rb);
        if (!vhost::isFinite(position)) bad = L"VERTEX: location (10) is not a number";
        break;
      case 70:
        flags = rb.resval.rint;
        break;
      default:
        kept.add(rb);
    }
    vhost::dxfReleaseValue(rb);
    if (bad) return vhost::dxfError(filer, bad);
  }
  if (es != Acad::eEndOfObject) return es;
  if (flags & kVxSplineFrame)
    mType = AcDb::k3dControlVertex;
  else if (flags & kVxSplineFit)
    mType = AcDb::k3dFitVertex;
  else
    mType = AcDb::k3dSimpleVertex;
  mPosition = position;
  vhost::dxfKeepBits(this, L"AcDb3dPolylineVertex", 70, flags & ~(kVxSplineFit | kVxSplineFrame | kVx3dPolyline));
  kept.storeInto(this);
  return Acad::eOk;
}
