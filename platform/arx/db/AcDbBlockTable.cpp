#include "arx/db/AcDbBlockTable.h"

#include <cmath>
#include <cwctype>

#include "arx/db/AcDbDatabase.h"
#include "arx/db/AcDbDwgFiler.h"
#include "arx/db/AcDbEntity.h"
#include "arx/db/VhostDxfRecordFiling.h"
#include "arx/db/VhostDxfSupport.h"

VHOST_DEFINE_BUILTIN_CLASS(AcDbBlockTableRecord, AcDbSymbolTableRecord, L"BLOCK_RECORD")
VHOST_DEFINE_BUILTIN_CLASS(AcDbBlockTable, AcDbSymbolTable, L"BLOCK_TABLE")

namespace {

bool isGone(AcDbObjectId id) { return id.isNull() || id.isErased() || vhost::residentObject(id) == nullptr; }

const std::wstring& modelSpaceKey() {
  static const std::wstring key = vhost::nameKey(ACDB_MODEL_SPACE);
  return key;
}
const std::wstring& paperSpaceKey() {
  static const std::wstring key = vhost::nameKey(ACDB_PAPER_SPACE);
  return key;
}

constexpr const ACHAR* kSubclass = L"AcDbBlockTableRecord";
constexpr const ACHAR* kBeginSubclass = L"AcDbBlockBegin";
// Group 70 of the BLOCK entity.
constexpr int kDxfAnonymous = 1;
constexpr int kDxfHasAttributes = 2;
constexpr int kDxfExternal = 4;
constexpr int kDxfDependent = 16;
// Insert units of drawing files go further than the units the record models
// (decimetres, yards, light years ...): those are kept as read.
constexpr int kMaxDxfUnits = 24;

}  // namespace

// --- block table record ----------------------------------------------------------------

AcDbBlockTableRecord::AcDbBlockTableRecord() = default;
AcDbBlockTableRecord::~AcDbBlockTableRecord() = default;

Acad::ErrorStatus AcDbBlockTableRecord::appendAcDbEntity(AcDbEntity* entity) {
  AcDbObjectId id;
  return appendAcDbEntity(id, entity);
}

Acad::ErrorStatus AcDbBlockTableRecord::appendAcDbEntity(AcDbObjectId& id, AcDbEntity* entity) {
  id.setNull();
  if (entity == nullptr) return Acad::eNullEntityPointer;
  Acad::ErrorStatus es = vhost::writeStatus(this);
  if (es != Acad::eOk) return es;
  AcDbDatabase* db = database();
  if (db == nullptr) return Acad::eNoDatabase;
  if (entity->database() != nullptr) return Acad::eAlreadyInDb;
  if (entity->layerId().isNull()) entity->setDatabaseDefaults(db);
  es = db->addAcDbObject(id, entity);
  if (es != Acad::eOk) {
    id.setNull();
    return es;
  }
  entity->setOwnerId(objectId());
  mEntities.push_back(id);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockTableRecord::vhostAdoptEntity(AcDbObjectId entityId) {
  AcDbEntity* entity = AcDbEntity::cast(vhost::residentObject(entityId));
  if (entity == nullptr) return Acad::eNotAnEntity;
  if (entity->database() != database() || database() == nullptr) return Acad::eWrongDatabase;
  if (entity->ownerId() == objectId()) {
    for (AcDbObjectId id : mEntities)
      if (id == entityId) return Acad::eOk;
  }
  entity->setOwnerId(objectId());
  mEntities.push_back(entityId);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockTableRecord::newIterator(AcDbBlockTableRecordIterator*& iterator, bool atBeginning,
                                                    bool skipDeleted) const {
  iterator = nullptr;
  Acad::ErrorStatus es = vhost::readStatus(this);
  if (es != Acad::eOk) return es;
  if (objectId().isNull()) return Acad::eNotInDatabase;
  iterator = new AcDbBlockTableRecordIterator(objectId());
  iterator->start(atBeginning, skipDeleted);
  return Acad::eOk;
}

AcGePoint3d AcDbBlockTableRecord::origin() const {
  assertReadEnabled();
  return mOrigin;
}

Acad::ErrorStatus AcDbBlockTableRecord::setOrigin(const AcGePoint3d& origin) {
  Acad::ErrorStatus es = vhost::writeStatus(this);
  if (es != Acad::eOk) return es;
  mOrigin = origin;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockTableRecord::comments(ACHAR*& text) const {
  text = nullptr;
  Acad::ErrorStatus es = vhost::readStatus(this);
  if (es != Acad::eOk) return es;
  text = vhost::newText(mComments);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockTableRecord::comments(const ACHAR*& text) const {
  text = nullptr;
  Acad::ErrorStatus es = vhost::readStatus(this);
  if (es != Acad::eOk) return es;
  text = mComments.c_str();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockTableRecord::setComments(const ACHAR* text) {
  Acad::ErrorStatus es = vhost::writeStatus(this);
  if (es != Acad::eOk) return es;
  mComments = text ? text : L"";
  return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockTableRecord::pathName(ACHAR*& path) const {
  path = nullptr;
  Acad::ErrorStatus es = vhost::readStatus(this);
  if (es != Acad::eOk) return es;
  path = vhost::newText(mPathName);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockTableRecord::pathName(const ACHAR*& path) const {
  path = nullptr;
  Acad::ErrorStatus es = vhost::readStatus(this);
  if (es != Acad::eOk) return es;
  path = mPathName.c_str();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockTableRecord::setPathName(const ACHAR* path) {
  Acad::ErrorStatus es = vhost::writeStatus(this);
  if (es != Acad::eOk) return es;
  mPathName = path ? path : L"";
  return Acad::eOk;
}

bool AcDbBlockTableRecord::explodable() const {
  assertReadEnabled();
  return mExplodable;
}

Acad::ErrorStatus AcDbBlockTableRecord::setExplodable(bool explodable) {
  Acad::ErrorStatus es = vhost::writeStatus(this);
  if (es != Acad::eOk) return es;
  mExplodable = explodable;
  return Acad::eOk;
}

AcDb::UnitsValue AcDbBlockTableRecord::blockInsertUnits() const {
  assertReadEnabled();
  return static_cast<AcDb::UnitsValue>(mInsertUnits);
}

Acad::ErrorStatus AcDbBlockTableRecord::setBlockInsertUnits(AcDb::UnitsValue units) {
  if (units < AcDb::kUnitsUndefined || units > AcDb::kUnitsKilometers) return Acad::eInvalidInput;
  Acad::ErrorStatus es = vhost::writeStatus(this);
  if (es != Acad::eOk) return es;
  mInsertUnits = static_cast<Adesk::Int16>(units);
  return Acad::eOk;
}

bool AcDbBlockTableRecord::isAnonymous() const {
  assertReadEnabled();
  const std::wstring& name = vhostName();
  return mAnonymous || (name.size() >= 2 && name[0] == L'*' && (name[1] == L'U' || name[1] == L'u'));
}

Acad::ErrorStatus AcDbBlockTableRecord::setAnonymous(bool anonymous) {
  Acad::ErrorStatus es = vhost::writeStatus(this);
  if (es != Acad::eOk) return es;
  mAnonymous = anonymous;
  return Acad::eOk;
}

bool AcDbBlockTableRecord::isFromExternalReference() const {
  assertReadEnabled();
  return !mPathName.empty();
}

bool AcDbBlockTableRecord::hasAttributeDefinitions() const {
  assertReadEnabled();
  // The attribute definition class lives with the entities; find it by name.
  AcRxClass* attdef = AcRxClass::cast(acrxClassDictionary->at(L"AcDbAttributeDefinition"));
  if (attdef == nullptr) return false;
  for (AcDbObjectId id : mEntities) {
    if (isGone(id)) continue;
    AcRxClass* cls = id.objectClass();
    if (cls != nullptr && cls->isDerivedFrom(attdef)) return true;
  }
  return false;
}

bool AcDbBlockTableRecord::isLayout() const {
  assertReadEnabled();
  if (!mLayoutId.isNull()) return true;
  const std::wstring key = vhost::nameKey(vhostName());
  return key == modelSpaceKey() || key.compare(0, paperSpaceKey().size(), paperSpaceKey()) == 0;
}

AcDbObjectId AcDbBlockTableRecord::getLayoutId() const {
  assertReadEnabled();
  return mLayoutId;
}

Acad::ErrorStatus AcDbBlockTableRecord::setLayoutId(AcDbObjectId layoutId) {
  Acad::ErrorStatus es = vhost::writeStatus(this);
  if (es != Acad::eOk) return es;
  mLayoutId = layoutId;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockTableRecord::getBlockReferenceIds(AcDbObjectIdArray& ids, bool, bool) const {
  Acad::ErrorStatus es = vhost::readStatus(this);
  if (es != Acad::eOk) return es;
  ids.removeAll();
  for (AcDbObjectId id : mReferences)
    if (!isGone(id)) ids.append(id);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockTableRecord::getErasedBlockReferenceIds(AcDbObjectIdArray& ids) const {
  Acad::ErrorStatus es = vhost::readStatus(this);
  if (es != Acad::eOk) return es;
  ids.removeAll();
  for (AcDbObjectId id : mReferences)
    if (!id.isNull() && id.isErased()) ids.append(id);
  return Acad::eOk;
}

void AcDbBlockTableRecord::vhostAddReference(AcDbObjectId referenceId) {
  if (!referenceId.isNull()) mReferences.insert(referenceId);
}

void AcDbBlockTableRecord::vhostRemoveReference(AcDbObjectId referenceId) { mReferences.erase(referenceId); }

bool AcDbBlockTableRecord::isRenamable() const {
  const std::wstring key = vhost::nameKey(vhostName());
  if (key == modelSpaceKey() || key == paperSpaceKey()) return false;
  return AcDbSymbolTableRecord::isRenamable();
}

Acad::ErrorStatus AcDbBlockTableRecord::subErase(Adesk::Boolean erasing) {
  if (erasing) {
    const std::wstring key = vhost::nameKey(vhostName());
    if (key == modelSpaceKey() || key == paperSpaceKey()) return Acad::eCannotBeErasedByCaller;
  }
  return AcDbSymbolTableRecord::subErase(erasing);
}

Acad::ErrorStatus AcDbBlockTableRecord::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbSymbolTableRecord::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writePoint3d(mOrigin);
  filer->writeString(mComments);
  filer->writeString(mPathName);
  filer->writeSoftPointerId(mLayoutId);
  filer->writeInt16(mInsertUnits);
  filer->writeBoolean(mAnonymous);
  filer->writeBoolean(mExplodable);
  filer->writeUInt32(static_cast<Adesk::UInt32>(mEntities.size()));
  for (AcDbObjectId id : mEntities) filer->writeHardOwnershipId(id);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbBlockTableRecord::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbSymbolTableRecord::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  AcGePoint3d origin;
  std::wstring comments, path;
  AcDbSoftPointerId layout;
  Adesk::Int16 units = 0;
  bool anonymous = false, explodable = true;
  Adesk::UInt32 count = 0;
  filer->readPoint3d(&origin);
  filer->readString(comments);
  filer->readString(path);
  filer->readSoftPointerId(&layout);
  filer->readInt16(&units);
  filer->readBoolean(&anonymous);
  filer->readBoolean(&explodable);
  filer->readUInt32(&count);
  std::vector<AcDbObjectId> entities;
  for (Adesk::UInt32 i = 0; i < count && filer->filerStatus() == Acad::eOk; ++i) {
    AcDbHardOwnershipId id;
    filer->readHardOwnershipId(&id);
    if (!id.isNull()) entities.push_back(id);
  }
  if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();
  mOrigin = origin;
  mComments = comments;
  mPathName = path;
  mLayoutId = layout;
  mInsertUnits = units;
  mAnonymous = anonymous;
  mExplodable = explodable;
  mEntities.swap(entities);
  return Acad::eOk;
}

// --- DXF -------------------------------------------------------------------------------

Acad::ErrorStatus AcDbBlockTableRecord::dxfOutFields(AcDbDxfFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = AcDbSymbolTableRecord::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeString(100, kSubclass);
  filer->writeString(2, vhostName());
  filer->writeObjectId(340, mLayoutId);
  const int units = mInsertUnits != AcDb::kUnitsUndefined ? mInsertUnits : vhost::dxfKeptBits(this, kSubclass, 70);
  filer->writeInt16(70, static_cast<Adesk::Int16>(units));
  filer->writeInt16(280, mExplodable ? 1 : 0);
  if (!vhost::dxfKeptHas(this, kSubclass, 281)) filer->writeInt16(281, 0);
  vhost::dxfWriteKept(filer, this, kSubclass);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbBlockTableRecord::dxfInFields(AcDbDxfFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbSymbolTableRecord::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  if (!filer->atSubclassData(kSubclass)) return vhost::dxfBadSubclass(filer, kSubclass);
  vhost::DxfKeptGroups kept(kSubclass);
  std::wstring name;
  bool sawName = false, explodable = true, inReferences = false;
  int units = AcDb::kUnitsUndefined;
  AcDbObjectId layout;
  resbuf rb;
  while (es == Acad::eOk && (es = filer->readResBuf(&rb)) == Acad::eOk) {
    if (inReferences) {
      // The references the host lists: derived from the drawing, not kept.
      if (rb.restype == 102 && rb.resval.rstring && rb.resval.rstring[0] == L'}') inReferences = false;
      vhost::dxfReleaseValue(rb);
      continue;
    }
    switch (rb.restype) {
      case 2:
        name = rb.resval.rstring ? rb.resval.rstring : L"";
        sawName = true;
        break;
      case 340: layout = vhost::dxfObjectId(rb); break;
      case 70:
        es = vhost::dxfCheckRange(filer, rb, 0, kMaxDxfUnits, L"insert units");
        units = static_cast<int>(vhost::dxfInt(rb));
        break;
      case 280: explodable = vhost::dxfInt(rb) != 0; break;
      case 102:
        if (rb.resval.rstring && std::wstring(rb.resval.rstring) == L"{BLKREFS") {
          inReferences = true;
          break;
        }
        kept.add(rb);
        break;
      default: kept.add(rb);
    }
    vhost::dxfReleaseValue(rb);
  }
  if (es != Acad::eEndOfObject) return es;
  if (!sawName) return vhost::dxfError(filer, L"a BLOCK_RECORD has no name (group 2)");
  es = vhostDxfSetName(filer, name.c_str());
  if (es != Acad::eOk) return es;
  mLayoutId = layout;
  mExplodable = explodable;
  const bool modelled = units <= AcDb::kUnitsKilometers;
  mInsertUnits = static_cast<Adesk::Int16>(modelled ? units : AcDb::kUnitsUndefined);
  vhost::dxfKeepBits(this, kSubclass, 70, modelled ? 0 : units);
  kept.storeInto(this);
  return Acad::eOk;
}

Adesk::Int16 AcDbBlockTableRecord::vhostDxfBlockFlags() const {
  int flags = vhostDxfStandardFlags() | vhost::dxfKeptBits(this, kBeginSubclass, 70);
  if (isAnonymous()) flags |= kDxfAnonymous;
  if (hasAttributeDefinitions()) flags |= kDxfHasAttributes;
  if (isFromExternalReference()) flags |= kDxfExternal;
  return static_cast<Adesk::Int16>(flags);
}

Acad::ErrorStatus AcDbBlockTableRecord::vhostDxfOutBlockBegin(AcDbDxfFiler* filer) const {
  assertReadEnabled();
  filer->writeString(100, kBeginSubclass);
  filer->writeString(2, vhostName());
  filer->writeInt16(70, vhostDxfBlockFlags());
  filer->writePoint3d(10, mOrigin);
  filer->writeString(3, vhostName());
  filer->writeString(1, mPathName);
  if (!mComments.empty()) filer->writeString(4, mComments);
  vhost::dxfWriteKept(filer, this, kBeginSubclass);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbBlockTableRecord::vhostDxfInBlockBegin(AcDbDxfFiler* filer) {
  assertWriteEnabled();
  if (!filer->atSubclassData(kBeginSubclass)) return vhost::dxfBadSubclass(filer, kBeginSubclass);
  vhost::DxfKeptGroups kept(kBeginSubclass);
  std::wstring name, path, comments;
  bool sawName = false;
  int flags = 0;
  AcGePoint3d origin;
  Acad::ErrorStatus es = Acad::eOk;
  resbuf rb;
  while (es == Acad::eOk && (es = filer->readResBuf(&rb)) == Acad::eOk) {
    switch (rb.restype) {
      case 2:
        name = rb.resval.rstring ? rb.resval.rstring : L"";
        sawName = true;
        break;
      case 3:
        if (!sawName) name = rb.resval.rstring ? rb.resval.rstring : L"";
        break;
      case 70: flags = static_cast<int>(vhost::dxfInt(rb)); break;
      case 10: origin = vhost::dxfPoint(rb); break;
      case 1: path = rb.resval.rstring ? rb.resval.rstring : L""; break;
      case 4: comments = rb.resval.rstring ? rb.resval.rstring : L""; break;
      default: kept.add(rb);
    }
    vhost::dxfReleaseValue(rb);
  }
  if (es != Acad::eEndOfObject) return es;
  if (!std::isfinite(origin.x) || !std::isfinite(origin.y) || !std::isfinite(origin.z))
    return vhost::dxfError(filer, L"the base point (group 10) of block " + name + L" is not finite");
  if (vhostName().empty()) {
    es = vhostDxfSetName(filer, name.c_str());
    if (es != Acad::eOk) return es;
  } else if (!name.empty() && vhost::nameKey(name) != vhost::nameKey(vhostName())) {
    return vhost::dxfError(filer, L"the BLOCK named " + name + L" belongs to the block record " + vhostName());
  }
  mOrigin = origin;
  mPathName = path;
  mComments = comments;
  mAnonymous = (flags & kDxfAnonymous) != 0;
  int keptBits = flags & ~(kDxfAnonymous | kDxfHasAttributes | kDxfDependent);
  if (!path.empty()) keptBits &= ~kDxfExternal;
  vhost::dxfKeepBits(this, kBeginSubclass, 70, keptBits);
  kept.storeInto(this);
  return Acad::eOk;
}

// --- block table -------------------------------------------------------------------------

AcDbBlockTable::AcDbBlockTable() = default;
AcDbBlockTable::~AcDbBlockTable() = default;

bool AcDbBlockTable::vhostAccepts(const AcDbSymbolTableRecord* record) const {
  return AcDbBlockTableRecord::cast(record) != nullptr;
}

Acad::ErrorStatus AcDbBlockTable::getAt(const ACHAR* name, AcDbBlockTableRecord*& record, AcDb::OpenMode mode,
                                        bool openErasedRecord) const {
  return vhostGetTyped(name, record, mode, openErasedRecord);
}

Acad::ErrorStatus AcDbBlockTable::newIterator(AcDbBlockTableIterator*& iterator, bool atBeginning,
                                              bool skipDeleted) const {
  iterator = nullptr;
  Acad::ErrorStatus es = vhost::readStatus(this);
  if (es != Acad::eOk) return es;
  iterator = new AcDbBlockTableIterator(objectId());
  iterator->start(atBeginning, skipDeleted);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockTableIterator::getRecord(AcDbBlockTableRecord*& record, AcDb::OpenMode mode,
                                                    bool openErasedRecord) const {
  return vhostGetTyped(record, mode, openErasedRecord);
}

// --- entity iterator -------------------------------------------------------------------

AcDbBlockTableRecordIterator::AcDbBlockTableRecordIterator(AcDbObjectId recordId) : mRecordId(recordId) {}
AcDbBlockTableRecordIterator::~AcDbBlockTableRecordIterator() = default;

const std::vector<AcDbObjectId>* AcDbBlockTableRecordIterator::entities() const {
  const AcDbBlockTableRecord* rec = AcDbBlockTableRecord::cast(vhost::residentObject(mRecordId));
  return rec ? &rec->mEntities : nullptr;
}

void AcDbBlockTableRecordIterator::skip(bool forward, bool skipDeleted) {
  const std::vector<AcDbObjectId>* ents = entities();
  if (ents == nullptr || !skipDeleted) return;
  const long long n = static_cast<long long>(ents->size());
  while (mPos >= 0 && mPos < n && isGone((*ents)[static_cast<size_t>(mPos)])) mPos += forward ? 1 : -1;
}

void AcDbBlockTableRecordIterator::start(bool atBeginning, bool skipDeleted) {
  const std::vector<AcDbObjectId>* ents = entities();
  mPos = atBeginning ? 0 : (ents ? static_cast<long long>(ents->size()) - 1 : -1);
  skip(atBeginning, skipDeleted);
}

bool AcDbBlockTableRecordIterator::done() const {
  const std::vector<AcDbObjectId>* ents = entities();
  return ents == nullptr || mPos < 0 || mPos >= static_cast<long long>(ents->size());
}

void AcDbBlockTableRecordIterator::step(bool forward, bool skipDeleted) {
  if (done()) return;
  mPos += forward ? 1 : -1;
  skip(forward, skipDeleted);
}

Acad::ErrorStatus AcDbBlockTableRecordIterator::getEntityId(AcDbObjectId& id) const {
  id.setNull();
  if (done()) return Acad::eInvalidIndex;
  id = (*entities())[static_cast<size_t>(mPos)];
  return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockTableRecordIterator::getEntity(AcDbEntity*& entity, AcDb::OpenMode mode,
                                                          bool openErasedEntity) const {
  entity = nullptr;
  AcDbObjectId id;
  Acad::ErrorStatus es = getEntityId(id);
  if (es != Acad::eOk) return es;
  return acdbOpenObject(entity, id, mode, openErasedEntity);
}

Acad::ErrorStatus AcDbBlockTableRecordIterator::seek(AcDbObjectId id) {
  const std::vector<AcDbObjectId>* ents = entities();
  if (ents == nullptr || id.isNull()) return Acad::eInvalidInput;
  // From the end: recently appended entities are the ones sought most.
  for (size_t i = ents->size(); i-- > 0;) {
    if ((*ents)[i] == id) {
      mPos = static_cast<long long>(i);
      return Acad::eOk;
    }
  }
  return Acad::eInvalidInput;
}

Acad::ErrorStatus AcDbBlockTableRecordIterator::seek(const AcDbEntity* entity) {
  if (entity == nullptr) return Acad::eNullEntityPointer;
  return seek(entity->objectId());
}
