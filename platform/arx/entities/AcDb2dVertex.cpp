#include "arx/entities/AcDb2dVertex.h"

#include <cmath>

#include "arx/db/AcDbDwgFiler.h"
#include "arx/db/VhostDxfRecordFiling.h"
#include "arx/db/VhostDxfSupport.h"
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

// ---- DXF filing --------------------------------------------------------------------------

namespace {

enum Vertex2dDxfFlags : Adesk::Int16 {
  kVxCurveFitExtra = 1,
  kVxTangent = 2,
  kVxSplineFit = 8,
  kVxSplineFrame = 16,
};

constexpr double kDegPerRad = 180.0 / 3.14159265358979323846;

// A vertex read without its widths takes the polyline's default widths when
// the polyline takes it (AcDb2dPolyline::vhostAppendReadVertices): which ones
// were left out is noted under this name (1 start, 2 end).
const ACHAR* const kWidthsLeftOut = L"AcDb2dVertex widths left out";

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

void AcDb2dVertex::vhostTakeDefaultWidths(double startWidth, double endWidth) {
  const int leftOut = vhost::dxfKeptBits(this, kWidthsLeftOut, 70);
  if (leftOut == 0) return;
  assertWriteEnabled();
  if (leftOut & 1) mStartWidth = startWidth;
  if (leftOut & 2) mEndWidth = endWidth;
  vhost::dxfKeepBits(this, kWidthsLeftOut, 70, 0);
}

Acad::ErrorStatus AcDb2dVertex::dxfOutFields(AcDbDxfFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = AcDbVertex::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeString(100, L"AcDbVertex");
  vhost::dxfWriteKept(filer, this, L"AcDbVertex");
  filer->writeString(100, L"AcDb2dVertex");
  filer->writePoint3d(10, mPosition);  // in the polyline's entity coordinate system
  // Widths are always filed: a vertex without them would take the polyline's
  // default widths in some readers.
  filer->writeDouble(40, mStartWidth);
  filer->writeDouble(41, mEndWidth);
  if (mBulge != 0.0) filer->writeDouble(42, mBulge);
  Adesk::Int16 flags = 0;
  switch (mType) {
    case AcDb::k2dCurveFitVertex:
      flags |= kVxCurveFitExtra;
      break;
    case AcDb::k2dSplineFitVertex:
      flags |= kVxSplineFit;
      break;
    case AcDb::k2dSplineCtlVertex:
      flags |= kVxSplineFrame;
      break;
    default:
      break;
  }
  if (mTangentUsed) flags |= kVxTangent;
  flags |= static_cast<Adesk::Int16>(vhost::dxfKeptBits(this, L"AcDb2dVertex", 70));
  filer->writeInt16(70, flags);
  if (mTangentUsed || mTangent != 0.0) filer->writeDouble(50, mTangent * kDegPerRad);
  if (mIdentifier != 0) filer->writeInt32(91, mIdentifier);
  vhost::dxfWriteKept(filer, this, L"AcDb2dVertex");
  return filer->filerStatus();
}

Acad::ErrorStatus AcDb2dVertex::dxfInFields(AcDbDxfFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbVertex::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  if ((es = readVertexBase(filer, this)) != Acad::eOk) return es;
  if (!filer->atSubclassData(L"AcDb2dVertex")) return vhost::dxfBadSubclass(filer, L"AcDb2dVertex");
  AcGePoint3d position;
  double startWidth = 0.0, endWidth = 0.0, bulge = 0.0, tangentDeg = 0.0;
  int flags = 0, widthsLeftOut = 1 | 2;
  Adesk::Int32 identifier = 0;
  vhost::DxfKeptGroups kept(L"AcDb2dVertex");
  const wchar_t* bad = nullptr;
  resbuf rb;
  while ((es = filer->readResBuf(&rb)) == Acad::eOk) {
    switch (rb.restype) {
      case 10:
        position = vhost::dxfPoint(rb);
        if (!vhost::isFinite(position)) bad = L"VERTEX: location (10) is not a number";
        break;
      case 40:
        startWidth = rb.resval.rreal;
        widthsLeftOut &= ~1;
        if (!(startWidth >= 0.0) || !std::isfinite(startWidth)) bad = L"VERTEX: start width (40) must be a number >= 0";
        break;
      case 41:
        endWidth = rb.resval.rreal;
        widthsLeftOut &= ~2;
        if (!(endWidth >= 0.0) || !std::isfinite(endWidth)) bad = L"VERTEX: end width (41) must be a number >= 0";
        break;
      case 42:
        bulge = rb.resval.rreal;
        if (!std::isfinite(bulge)) bad = L"VERTEX: bulge (42) is not a number";
        break;
      case 50:
        tangentDeg = rb.resval.rreal;
        if (!std::isfinite(tangentDeg)) bad = L"VERTEX: tangent direction (50) is not a number";
        break;
      case 70:
        flags = rb.resval.rint;
        break;
      case 91:
        identifier = rb.resval.rlong;
        break;
      default:
        kept.add(rb);
    }
    vhost::dxfReleaseValue(rb);
    if (bad) return vhost::dxfError(filer, bad);
  }
  if (es != Acad::eEndOfObject) return es;
  if (flags & kVxSplineFrame)
    mType = AcDb::k2dSplineCtlVertex;
  else if (flags & kVxSplineFit)
    mType = AcDb::k2dSplineFitVertex;
  else if (flags & kVxCurveFitExtra)
    mType = AcDb::k2dCurveFitVertex;
  else
    mType = AcDb::k2dVertex;
  mTangentUsed = (flags & kVxTangent) != 0;
  vhost::dxfKeepBits(this, kWidthsLeftOut, 70, widthsLeftOut);
  vhost::dxfKeepBits(this, L"AcDb2dVertex", 70,
                     flags & ~(kVxCurveFitExtra | kVxTangent | kVxSplineFit | kVxSplineFrame));
  mTangent = tangentDeg / kDegPerRad;
  mPosition = position;
  mStartWidth = startWidth;
  mEndWidth = endWidth;
  mBulge = bulge;
  mIdentifier = identifier;
  kept.storeInto(this);
  return Acad::eOk;
}
