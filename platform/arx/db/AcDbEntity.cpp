#include "arx/db/AcDbEntity.h"

#include <cmath>
#include <cstring>
#include <cwchar>
#include <cwctype>

#include "arx/db/AcDbDatabase.h"
#include "arx/db/AcDbDwgFiler.h"
#include "arx/db/AcDbDxfFiler.h"
#include "arx/db/VhostDxfSupport.h"
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

// --- DXF ------------------------------------------------------------------------------

namespace {

const std::wstring* recordName(AcDbObjectId id) {
  const AcDbSymbolTableRecord* rec = AcDbSymbolTableRecord::cast(vhost::residentObject(id));
  return rec ? &rec->vhostName() : nullptr;
}

bool equalsNoCase(const std::wstring& a, const ACHAR* b) {
  size_t n = std::wcslen(b);
  if (a.size() != n) return false;
  for (size_t i = 0; i < n; ++i)
    if (std::towupper(a[i]) != std::towupper(b[i])) return false;
  return true;
}

// Entities of a paper-space layout block carry 67 1.
bool inPaperSpace(AcDbObjectId owner) {
  const std::wstring* name = recordName(owner);
  return name && name->size() >= 12 && equalsNoCase(name->substr(0, 12), L"*Paper_Space");
}

// The layer of that name; a layer that the file uses without defining it is
// made (as older drawings expect).
AcDbObjectId layerNamed(AcDbDatabase* db, const ACHAR* name) {
  // Drawings put runs of entities on one layer: the last layer found is
  // tried first (through the database's own handle index, so nothing stale
  // is touched).
  static thread_local AcDbDatabase* lastDb = nullptr;
  static thread_local AcDbHandle lastHandle;
  if (db == lastDb && name && !lastHandle.isNull()) {
    AcDbObjectId known;
    if (db->getAcDbObjectId(known, false, lastHandle) == Acad::eOk && !known.isErased()) {
      const auto* rec = AcDbLayerTableRecord::cast(vhost::residentObject(known));
      if (rec && rec->vhostName() == name) return known;
    }
  }
  AcDbObjectId id = db->layerId(name);
  if (!id.isNull()) {
    lastDb = db;
    lastHandle = id.handle();
  }
  if (!id.isNull() || name == nullptr || *name == 0) return id;
  AcDbLayerTable* table = nullptr;
  if (db->getLayerTable(table, AcDb::kForWrite) != Acad::eOk) return id;
  auto* rec = new AcDbLayerTableRecord();
  if (rec->setName(name) == Acad::eOk && table->add(id, rec) == Acad::eOk) {
    rec->close();
  } else {
    delete rec;
    id.setNull();
  }
  table->close();
  return id;
}

}  // namespace

Acad::ErrorStatus AcDbEntity::dxfOutFields(AcDbDxfFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = AcDbObject::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeString(100, L"AcDbEntity");
  if (inPaperSpace(ownerId())) filer->writeInt16(67, 1);
  const std::wstring* layer = recordName(mLayerId);
  filer->writeString(8, layer ? layer->c_str() : L"0");
  const std::wstring* linetype = recordName(mLinetypeId);
  if (linetype && !equalsNoCase(*linetype, L"ByLayer")) filer->writeString(6, linetype->c_str());
  if (!mColor.isByLayer()) {
    if (mColor.isByColor()) {
      filer->writeInt16(62, AcCmEntityColor::lookUpACI(mColor.red(), mColor.green(), mColor.blue()));
      filer->writeInt32(420, static_cast<Adesk::Int32>(mColor.color() & 0xFFFFFFu));
    } else {
      filer->writeInt16(62, mColor.colorIndex());
    }
  }
  if (mLineWeight != AcDb::kLnWtByLayer) filer->writeInt16(370, mLineWeight);
  if (mLinetypeScale != 1.0) filer->writeDouble(48, mLinetypeScale);
  if (mVisibility == AcDb::kInvisible) filer->writeInt16(60, 1);
  vhost::dxfWriteKept(filer, this, L"AcDbEntity");
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbEntity::dxfInFields(AcDbDxfFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbObject::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  if (!filer->atSubclassData(L"AcDbEntity")) return vhost::dxfBadSubclass(filer, L"AcDbEntity");
  AcDbDatabase* db = filer->database() ? filer->database() : database();
  vhost::DxfKeptGroups kept(L"AcDbEntity");
  int aci = 256;
  bool sawAci = false, sawRgb = false;
  Adesk::Int32 rgb = 0;
  AcDbObjectId layer = mLayerId, linetype = mLinetypeId;
  Adesk::Int16 weight = mLineWeight;
  double ltscale = mLinetypeScale;
  Adesk::UInt8 visibility = mVisibility;
  resbuf rb;
  while ((es = filer->readResBuf(&rb)) == Acad::eOk) {
    switch (rb.restype) {
      case 8:
        if (db) layer = layerNamed(db, rb.resval.rstring);
        break;
      case 6:
        // A linetype the drawing does not define draws as ByLayer.
        if (db) linetype = db->linetypeId(rb.resval.rstring);
        break;
      case 62:
        aci = rb.resval.rint;
        sawAci = true;
        break;
      case 420:
        rgb = rb.resval.rlong;
        sawRgb = true;
        break;
      case 370:
        weight = rb.resval.rint;
        if (!AcDb::isValidLineWeight(weight)) return vhost::dxfError(filer, L"invalid lineweight (group 370)");
        break;
      case 48:
        ltscale = rb.resval.rreal;
        if (!(ltscale > 0.0) || !std::isfinite(ltscale))
          return vhost::dxfError(filer, L"linetype scale must be positive (group 48)");
        break;
      case 60:
        visibility = rb.resval.rint ? AcDb::kInvisible : AcDb::kVisible;
        break;
      case 67:
      case 410:
        break;  // the space and layout follow from the owner
      default:
        kept.add(rb);
    }
    vhost::dxfReleaseValue(rb);
  }
  if (es != Acad::eEndOfObject) return es;
  AcCmEntityColor color = mColor;
  if (sawRgb) {
    color = AcCmEntityColor(static_cast<Adesk::UInt8>((rgb >> 16) & 0xFF), static_cast<Adesk::UInt8>((rgb >> 8) & 0xFF),
                            static_cast<Adesk::UInt8>(rgb & 0xFF));
  } else if (sawAci) {
    if (aci < 0) aci = -aci;  // a negative index marks a layer that is off; entities keep the colour
    if (color.setColorIndex(static_cast<Adesk::Int16>(aci)) != Acad::eOk)
      return vhost::dxfError(filer, L"colour index out of range (group 62)");
  }
  mLayerId = layer;
  mLinetypeId = linetype;
  mColor = color;
  mLineWeight = weight;
  mLinetypeScale = ltscale;
  mVisibility = visibility;
  kept.storeInto(this);
  return Acad::eOk;
}
