#include "arx/entities/AcDb3dPolylineVertex.h"

#include "arx/db/AcDbDwgFiler.h"
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
