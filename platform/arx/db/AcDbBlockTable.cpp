#include "arx/db/AcDbBlockTable.h"

#include <cwctype>

#include "arx/db/AcDbDatabase.h"
#include "arx/db/AcDbDwgFiler.h"
#include "arx/db/AcDbEntity.h"

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
