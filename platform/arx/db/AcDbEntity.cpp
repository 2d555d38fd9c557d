#include "arx/db/AcDbEntity.h"

#include <cstring>

#include "arx/db/AcDbDatabase.h"
#include "arx/db/AcDbDwgFiler.h"
#include "arx/db/AcDbLayerTable.h"
#include "arx/db/AcDbLinetypeTable.h"
#include "arx/ge/AcDbExtents.h"
#include "arx/ge/AcGeMatrix3d.h"
#include "arx/ge/AcGePlane.h"

VHOST_DEFINE_BUILTIN_ABSTRACT_CLASS(AcDbEntity, AcDbObject)

namespace {

ACHAR* symbolName(AcDbObjectId id) {
  std::wstring name;
  AcDbSymbolTableRecord* rec = nullptr;
  if (!id.isNull() && acdbOpenObject(rec, id, AcDb::kForRead, true) == Acad::eOk) {
    ACHAR* raw = nullptr;
    if (rec->getName(raw) == Acad::eOk && raw) {
      name = raw;
      delete[] raw;
    }
    rec->close();
  }
  ACHAR* out = new ACHAR[name.size() + 1];
  std::memcpy(out, name.c_str(), (name.size() + 1) * sizeof(ACHAR));
  return out;
}

}  // namespace

AcDbEntity::AcDbEntity() { mColor.setColorMethod(AcCmEntityColor::kByLayer); }

AcDbEntity::~AcDbEntity() = default;

ACHAR* AcDbEntity::layer() const {
  assertReadEnabled();
  return symbolName(mLayerId);
}

Acad::ErrorStatus AcDbEntity::setLayer(const ACHAR* newVal, Adesk::Boolean doSubents, bool allowHiddenLayer) {
  AcDbDatabase* db = database();
  if (db == nullptr) return Acad::eNoDatabase;
  AcDbObjectId id = db->layerId(newVal);
  if (id.isNull()) return Acad::eKeyNotFound;
  return setLayer(id, doSubents, allowHiddenLayer);
}

Acad::ErrorStatus AcDbEntity::setLayer(AcDbObjectId newVal, Adesk::Boolean, bool) {
  if (newVal.isNull()) return Acad::eNullObjectId;
  if (!AcDbLayerTableRecord::desc() || newVal.objectClass() == nullptr ||
      !newVal.objectClass()->isDerivedFrom(AcDbLayerTableRecord::desc()))
    return Acad::eWrongObjectType;
  if (database() && newVal.database() != database()) return Acad::eWrongDatabase;
  assertWriteEnabled();
  mLayerId = newVal;
  return Acad::eOk;
}

AcCmColor AcDbEntity::color() const {
  assertReadEnabled();
  AcCmColor c;
  c.setColor(mColor.color());
  return c;
}

Acad::ErrorStatus AcDbEntity::setColor(const AcCmColor& color, Adesk::Boolean) {
  assertWriteEnabled();
  mColor = color.entityColor();
  return Acad::eOk;
}

Adesk::UInt16 AcDbEntity::colorIndex() const {
  assertReadEnabled();
  if (mColor.isByLayer()) return 256;
  if (mColor.isByBlock()) return 0;
  if (mColor.isByACI()) return static_cast<Adesk::UInt16>(mColor.colorIndex());
  return static_cast<Adesk::UInt16>(AcCmEntityColor::lookUpACI(mColor.red(), mColor.green(), mColor.blue()));
}

Acad::ErrorStatus AcDbEntity::setColorIndex(Adesk::UInt16 color, Adesk::Boolean) {
  if (color > 256) return Acad::eInvalidInput;
  assertWriteEnabled();
  mColor.setColorIndex(static_cast<Adesk::Int16>(color));
  return Acad::eOk;
}

ACHAR* AcDbEntity::linetype() const {
  assertReadEnabled();
  return symbolName(mLinetypeId);
}

Acad::ErrorStatus AcDbEntity::setLinetype(const ACHAR* newVal, Adesk::Boolean doSubents) {
  AcDbDatabase* db = database();
  if (db == nullptr) return Acad::eNoDatabase;
  AcDbObjectId id = db->linetypeId(newVal);
  if (id.isNull()) return Acad::eKeyNotFound;
  return setLinetype(id, doSubents);
}

Acad::ErrorStatus AcDbEntity::setLinetype(AcDbObjectId newVal, Adesk::Boolean) {
  if (newVal.isNull()) return Acad::eNullObjectId;
  if (newVal.objectClass() == nullptr || !newVal.objectClass()->isDerivedFrom(AcDbLinetypeTableRecord::desc()))
    return Acad::eWrongObjectType;
  if (database() && newVal.database() != database()) return Acad::eWrongDatabase;
  assertWriteEnabled();
  mLinetypeId = newVal;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEntity::setLinetypeScale(double newval, Adesk::Boolean) {
  if (!(newval > 0.0)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mLinetypeScale = newval;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEntity::setLineWeight(AcDb::LineWeight newVal, Adesk::Boolean) {
  if (!AcDb::isValidLineWeight(newVal)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mLineWeight = static_cast<Adesk::Int16>(newVal);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEntity::setVisibility(AcDb::Visibility newVal, Adesk::Boolean) {
  if (newVal != AcDb::kVisible && newVal != AcDb::kInvisible) return Acad::eInvalidInput;
  assertWriteEnabled();
  mVisibility = static_cast<Adesk::UInt8>(newVal);
  return Acad::eOk;
}

void AcDbEntity::setDatabaseDefaults(AcDbDatabase* db) {
  if (db == nullptr) db = database();
  if (db == nullptr) return;
  assertWriteEnabled();
  mLayerId = db->clayer();
  mLinetypeId = db->celtype();
  mColor = db->cecolor().entityColor();
  mLinetypeScale = db->celtscale();
  mLineWeight = static_cast<Adesk::Int16>(db->celweight());
}

Acad::ErrorStatus AcDbEntity::setPropertiesFrom(const AcDbEntity* other, Adesk::Boolean) {
  if (other == nullptr) return Acad::eNullEntityPointer;
  assertWriteEnabled();
  other->assertReadEnabled();
  mLayerId = other->mLayerId;
  mLinetypeId = other->mLinetypeId;
  mColor = other->mColor;
  mLinetypeScale = other->mLinetypeScale;
  mLineWeight = other->mLineWeight;
  mVisibility = other->mVisibility;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEntity::subOpen(AcDb::OpenMode mode) {
  if (mode == AcDb::kForWrite && !mLayerId.isNull() && mLayerId.isResident()) {
    AcDbLayerTableRecord* layer = nullptr;
    if (acdbOpenObject(layer, mLayerId, AcDb::kForRead, true) == Acad::eOk) {
      const bool locked = layer->isLocked();
      layer->close();
      if (locked) return Acad::eOnLockedLayer;
    }
  }
  return AcDbObject::subOpen(mode);
}

Acad::ErrorStatus AcDbEntity::getGeomExtents(AcDbExtents&) const { return Acad::eInvalidExtents; }

Acad::ErrorStatus AcDbEntity::transformBy(const AcGeMatrix3d&) { return Acad::eNotApplicable; }

Acad::ErrorStatus AcDbEntity::getTransformedCopy(const AcGeMatrix3d& xform, AcDbEntity*& ent) const {
  ent = nullptr;
  AcDbEntity* copy = AcDbEntity::cast(clone());
  if (copy == nullptr) return Acad::eNotApplicable;
  Acad::ErrorStatus es = copy->transformBy(xform);
  if (es != Acad::eOk) {
    delete copy;
    return es;
  }
  ent = copy;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEntity::explode(AcDbVoidPtrArray&) const { return Acad::eNotApplicable; }

Acad::ErrorStatus AcDbEntity::intersectWith(const AcDbEntity* ent, AcDb::Intersect intType, AcGePoint3dArray& points,
                                            Adesk::GsMarker thisGsMarker, Adesk::GsMarker otherGsMarker) const {
  // An entity without its own intersection asks the other one, which may know both.
  if (ent == nullptr) return Acad::eNullEntityPointer;
  if (ent->isA() == isA() || thisGsMarker < 0) return Acad::eNotImplementedYet;
  AcDb::Intersect swapped = intType == AcDb::kExtendThis  ? AcDb::kExtendArg
                            : intType == AcDb::kExtendArg ? AcDb::kExtendThis
                                                          : intType;
  // A negative marker tells the other side not to ask back.
  return ent->intersectWith(this, swapped, points, -1, otherGsMarker);
}

Acad::ErrorStatus AcDbEntity::intersectWith(const AcDbEntity* ent, AcDb::Intersect intType, const AcGePlane&,
                                            AcGePoint3dArray& points, Adesk::GsMarker thisGsMarker,
                                            Adesk::GsMarker otherGsMarker) const {
  return intersectWith(ent, intType, points, thisGsMarker, otherGsMarker);
}

Acad::ErrorStatus AcDbEntity::getPlane(AcGePlane&, AcDb::Planarity& planarity) const {
  planarity = AcDb::kNonPlanar;
  return Acad::eNotApplicable;
}

Acad::ErrorStatus AcDbEntity::dwgOutFields(AcDbDwgFiler* filer) const {
  AcDbObject::dwgOutFields(filer);
  filer->writeHardPointerId(mLayerId);
  filer->writeHardPointerId(mLinetypeId);
  filer->writeUInt32(mColor.color());
  filer->writeDouble(mLinetypeScale);
  filer->writeInt16(mLineWeight);
  filer->writeUInt8(mVisibility);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbEntity::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbObject::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  AcDbHardPointerId layer, linetype;
  Adesk::UInt32 color = 0;
  filer->readHardPointerId(&layer);
  filer->readHardPointerId(&linetype);
  filer->readUInt32(&color);
  filer->readDouble(&mLinetypeScale);
  filer->readInt16(&mLineWeight);
  filer->readUInt8(&mVisibility);
  mLayerId = layer;
  mLinetypeId = linetype;
  mColor.setColor(color);
  return filer->filerStatus();
}
