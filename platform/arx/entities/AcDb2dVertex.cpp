#include "arx/entities/AcDb2dVertex.h"

#include <cmath>

#include "arx/db/AcDbDwgFiler.h"
#include "arx/entities/EntityPlaneUtil.h"

VHOST_DEFINE_BUILTIN_CLASS(AcDb2dVertex, AcDbVertex, L"VERTEX")

AcDb2dVertex::AcDb2dVertex() = default;

AcDb2dVertex::AcDb2dVertex(const AcGePoint3d& position, double bulge, double startWidth, double endWidth,
                           double tangent, Adesk::Int32 vertexIdentifier)
    : mPosition(position),
      mBulge(std::isfinite(bulge) ? bulge : 0.0),
      mStartWidth(startWidth >= 0.0 ? startWidth : 0.0),
      mEndWidth(endWidth >= 0.0 ? endWidth : 0.0),
      mTangent(std::isfinite(tangent) ? tangent : 0.0),
      mIdentifier(vertexIdentifier) {}

AcDb2dVertex::~AcDb2dVertex() = default;

AcDb::Vertex2dType AcDb2dVertex::vertexType() const {
  assertReadEnabled();
  return static_cast<AcDb::Vertex2dType>(mType);
}

Acad::ErrorStatus AcDb2dVertex::vhostSetVertexType(AcDb::Vertex2dType type) {
  assertWriteEnabled();
  mType = static_cast<Adesk::UInt8>(type);
  return Acad::eOk;
}

AcGePoint3d AcDb2dVertex::position() const {
  assertReadEnabled();
  return mPosition;
}

Acad::ErrorStatus AcDb2dVertex::setPosition(const AcGePoint3d& position) {
  if (!vhost::isFinite(position)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mPosition = position;
  return Acad::eOk;
}

double AcDb2dVertex::startWidth() const {
  assertReadEnabled();
  return mStartWidth;
}

Acad::ErrorStatus AcDb2dVertex::setStartWidth(double width) {
  if (!(width >= 0.0) || !std::isfinite(width)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mStartWidth = width;
  return Acad::eOk;
}

double AcDb2dVertex::endWidth() const {
  assertReadEnabled();
  return mEndWidth;
}

Acad::ErrorStatus AcDb2dVertex::setEndWidth(double width) {
  if (!(width >= 0.0) || !std::isfinite(width)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mEndWidth = width;
  return Acad::eOk;
}

double AcDb2dVertex::bulge() const {
  assertReadEnabled();
  return mBulge;
}

Acad::ErrorStatus AcDb2dVertex::setBulge(double bulge) {
  if (!std::isfinite(bulge)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mBulge = bulge;
  return Acad::eOk;
}

Adesk::Boolean AcDb2dVertex::isTangentUsed() const {
  assertReadEnabled();
  return mTangentUsed;
}

Acad::ErrorStatus AcDb2dVertex::useTangent() { return setTangentUsed(true); }

Acad::ErrorStatus AcDb2dVertex::ignoreTangent() { return setTangentUsed(false); }

Acad::ErrorStatus AcDb2dVertex::setTangentUsed(Adesk::Boolean use) {
  assertWriteEnabled();
  mTangentUsed = use;
  return Acad::eOk;
}

double AcDb2dVertex::tangent() const {
  assertReadEnabled();
  return mTangent;
}

Acad::ErrorStatus AcDb2dVertex::setTangent(double tangent) {
  if (!std::isfinite(tangent)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mTangent = tangent;
  mTangentUsed = true;
  return Acad::eOk;
}

Adesk::Int32 AcDb2dVertex::vertexIdentifier() const {
  assertReadEnabled();
  return mIdentifier;
}

Acad::ErrorStatus AcDb2dVertex::setVertexIdentifier(Adesk::Int32 id) {
  assertWriteEnabled();
  mIdentifier = id;
  return Acad::eOk;
}

Acad::ErrorStatus AcDb2dVertex::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbEntity::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writePoint3d(mPosition);
  filer->writeDouble(mBulge);
  filer->writeDouble(mStartWidth);
  filer->writeDouble(mEndWidth);
  filer->writeDouble(mTangent);
  filer->writeBoolean(mTangentUsed);
  filer->writeInt32(mIdentifier);
  filer->writeUInt8(mType);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDb2dVertex::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbEntity::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  Adesk::Boolean used = false;
  filer->readPoint3d(&mPosition);
  filer->readDouble(&mBulge);
  filer->readDouble(&mStartWidth);
  filer->readDouble(&mEndWidth);
  filer->readDouble(&mTangent);
  filer->readBoolean(&used);
  filer->readInt32(&mIdentifier);
  filer->readUInt8(&mType);
  mTangentUsed = used;
  return filer->filerStatus();
}
