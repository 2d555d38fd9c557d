#include "arx/db/AcDbGroup.h"

#include <algorithm>

#include "arx/db/AcDbDatabase.h"
#include "arx/db/AcDbDictionary.h"
#include "arx/db/AcDbDwgFiler.h"
#include "arx/db/AcDbEntity.h"
#include "arx/db/AcDbSymbolTable.h"
#include "arx/db/VhostDxfRecordFiling.h"
#include "arx/db/VhostDxfSupport.h"

VHOST_DEFINE_BUILTIN_CLASS(AcDbGroup, AcDbObject, L"GROUP")

namespace {
bool isGone(AcDbObjectId id) { return id.isNull() || id.isErased() || vhost::residentObject(id) == nullptr; }
}  // namespace

AcDbGroup::AcDbGroup() = default;

AcDbGroup::AcDbGroup(const ACHAR* description, bool selectable)
    : mDescription(description ? description : L""), mSelectable(selectable) {}

AcDbGroup::~AcDbGroup() = default;

AcDbObjectId AcDbGroup::ownerDictionary() const {
  const AcDbDictionary* dict = AcDbDictionary::cast(vhost::residentObject(ownerId()));
  if (dict == nullptr || dict->vhostKeyOf(objectId()) == nullptr) return AcDbObjectId::kNull;
  return ownerId();
}

// --- naming ----------------------------------------------------------------------------

const ACHAR* AcDbGroup::name() const {
  assertReadEnabled();
  AcDbObjectId dictId = ownerDictionary();
  if (!dictId.isNull()) mName = *AcDbDictionary::cast(vhost::residentObject(dictId))->vhostKeyOf(objectId());
  return mName.c_str();
}

Acad::ErrorStatus AcDbGroup::name(ACHAR*& text) const {
  text = nullptr;
  Acad::ErrorStatus es = vhost::readStatus(this);
  if (es != Acad::eOk) return es;
  text = vhost::newText(name());
  return Acad::eOk;
}

Acad::ErrorStatus AcDbGroup::setName(const ACHAR* newName) {
  Acad::ErrorStatus es = vhost::writeStatus(this);
  if (es != Acad::eOk) return es;
  if (!vhost::isValidSymbolName(newName, true)) return Acad::eInvalidInput;
  AcDbObjectId dictId = ownerDictionary();
  if (!dictId.isNull()) {
    es = AcDbDictionary::cast(vhost::residentObject(dictId))->vhostRenameEntry(objectId(), newName);
    if (es != Acad::eOk) return es;
  }
  mName = newName;
  return Acad::eOk;
}

const ACHAR* AcDbGroup::description() const {
  assertReadEnabled();
  return mDescription.c_str();
}

Acad::ErrorStatus AcDbGroup::setDescription(const ACHAR* text) {
  Acad::ErrorStatus es = vhost::writeStatus(this);
  if (es != Acad::eOk) return es;
  mDescription = text ? text : L"";
  return Acad::eOk;
}

bool AcDbGroup::isSelectable() const {
  assertReadEnabled();
  return mSelectable;
}

Acad::ErrorStatus AcDbGroup::setSelectable(bool selectable) {
  Acad::ErrorStatus es = vhost::writeStatus(this);
  if (es == Acad::eOk) mSelectable = selectable;
  return es;
}

bool AcDbGroup::isAnonymous() const {
  const ACHAR* n = name();
  return mAnonymous || n[0] == L'*';
}

Acad::ErrorStatus AcDbGroup::setAnonymous() {
  Acad::ErrorStatus es = vhost::writeStatus(this);
  if (es != Acad::eOk) return es;
  mAnonymous = true;
  AcDbObjectId dictId = ownerDictionary();
  if (!dictId.isNull() && name()[0] != L'*') {
    AcDbDictionary* dict = AcDbDictionary::cast(vhost::residentObject(dictId));
    es = dict->vhostRenameEntry(objectId(), dict->vhostNextAnonymousKey(L"*A").c_str());
    if (es != Acad::eOk) return es;
    name();  // refresh the cached key
  }
  return Acad::eOk;
}

// --- reactor links to members ------------------------------------------------------------

void AcDbGroup::attach(AcDbObjectId member) {
  const AcDbObjectId self = objectId();
  if (self.isNull() || member.isNull() || member.database() != self.database()) return;
  vhost::withObjectForWrite(
      member,
      [&](AcDbObject* obj) {
        if (!obj->hasPersistentReactor(self)) obj->addPersistentReactor(self);
      },
      true);
}

void AcDbGroup::detach(AcDbObjectId member) {
  const AcDbObjectId self = objectId();
  if (self.isNull() || member.isNull() || vhost::residentObject(member) == nullptr) return;
  if (!vhost::residentObject(member)->hasPersistentReactor(self)) return;
  vhost::withObjectForWrite(member, [&](AcDbObject* obj) { obj->removePersistentReactor(self); }, true);
}

void AcDbGroup::erased(const AcDbObject* dbObj, Adesk::Boolean erasing) {
  if (dbObj == nullptr) return;
  const AcDbObjectId id = dbObj->objectId();
  if (std::find(mMembers.begin(), mMembers.end(), id) == mMembers.end()) return;
  auto dropped = std::find(mDropped.begin(), mDropped.end(), id);
  if (erasing && dropped == mDropped.end()) mDropped.push_back(id);
  if (!erasing && dropped != mDropped.end()) mDropped.erase(dropped);
}

void AcDbGroup::goodbye(const AcDbObject* dbObj) {
  if (dbObj == nullptr) return;
  const AcDbObjectId id = dbObj->objectId();
  mMembers.erase(std::remove(mMembers.begin(), mMembers.end(), id), mMembers.end());
  mDropped.erase(std::remove(mDropped.begin(), mDropped.end(), id), mDropped.end());
}

Acad::ErrorStatus AcDbGroup::subErase(Adesk::Boolean erasing) {
  for (AcDbObjectId id : mMembers) erasing ? detach(id) : attach(id);
  return AcDbObject::subErase(erasing);
}

Acad::ErrorStatus AcDbGroup::subClose() {
  if (!mAttached && !objectId().isNull() && !isErased()) {
    mAttached = true;
    for (AcDbObjectId id : mMembers) attach(id);
  }
  return AcDbObject::subClose();
}

// --- members -----------------------------------------------------------------------------

bool AcDbGroup::isVisible(AcDbObjectId id) const {
  return !isGone(id) && std::find(mDropped.begin(), mDropped.end(), id) == mDropped.end();
}

size_t AcDbGroup::rawIndex(size_t visibleIndex) const {
  size_t seen = 0;
  for (size_t i = 0; i < mMembers.size(); ++i) {
    if (!isVisible(mMembers[i])) continue;
    if (seen == visibleIndex) return i;
    ++seen;
  }
  return mMembers.size();
}

Acad::ErrorStatus AcDbGroup::checkMember(AcDbObjectId id) const {
  if (id.isNull()) return Acad::eNullObjectId;
  AcDbObject* obj = vhost::residentObject(id);
  if (obj == nullptr) return Acad::eInvalidObjectId;
  if (id.isErased()) return Acad::eWasErased;
  if (AcDbEntity::cast(obj) == nullptr) return Acad::eNotAnEntity;
  if (database() != nullptr && id.database() != database()) return Acad::eWrongDatabase;
  if (std::find(mMembers.begin(), mMembers.end(), id) != mMembers.end()) return Acad::eDuplicateKey;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbGroup::insertMembers(size_t index, const AcDbObjectIdArray& ids) {
  Acad::ErrorStatus es = vhost::writeStatus(this);
  if (es != Acad::eOk) return es;
  if (index > numEntities()) return Acad::eInvalidIndex;
  // All or nothing: check every id (and repeats among them) first.
  for (int i = 0; i < ids.length(); ++i) {
    es = checkMember(ids[i]);
    if (es != Acad::eOk) return es;
    for (int j = 0; j < i; ++j)
      if (ids[j] == ids[i]) return Acad::eDuplicateKey;
  }
  const size_t at = rawIndex(index);
  mMembers.insert(mMembers.begin() + static_cast<long>(at), ids.begin(), ids.end());
  if (!objectId().isNull())
    for (const AcDbObjectId& id : ids) attach(id);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbGroup::append(AcDbObjectId id) { return append(AcDbObjectIdArray{id}); }
Acad::ErrorStatus AcDbGroup::append(const AcDbObjectIdArray& ids) {
  Acad::ErrorStatus es = vhost::readStatus(this);
  return es != Acad::eOk ? es : insertMembers(numEntities(), ids);
}
Acad::ErrorStatus AcDbGroup::prepend(AcDbObjectId id) { return insertMembers(0, AcDbObjectIdArray{id}); }
Acad::ErrorStatus AcDbGroup::prepend(const AcDbObjectIdArray& ids) { return insertMembers(0, ids); }
Acad::ErrorStatus AcDbGroup::insertAt(Adesk::UInt32 index, AcDbObjectId id) {
  return insertMembers(index, AcDbObjectIdArray{id});
}
Acad::ErrorStatus AcDbGroup::insertAt(Adesk::UInt32 index, const AcDbObjectIdArray& ids) {
  return insertMembers(index, ids);
}

Acad::ErrorStatus AcDbGroup::remove(AcDbObjectId id) {
  Acad::ErrorStatus es = vhost::writeStatus(this);
  if (es != Acad::eOk) return es;
  auto it = std::find(mMembers.begin(), mMembers.end(), id);
  if (it == mMembers.end() || id.isNull()) return Acad::eKeyNotFound;
  mMembers.erase(it);
  mDropped.erase(std::remove(mDropped.begin(), mDropped.end(), id), mDropped.end());
  detach(id);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbGroup::remove(const AcDbObjectIdArray& ids) {
  Acad::ErrorStatus es = vhost::writeStatus(this);
  if (es != Acad::eOk) return es;
  for (const AcDbObjectId& id : ids)
    if (std::find(mMembers.begin(), mMembers.end(), id) == mMembers.end()) return Acad::eKeyNotFound;
  for (const AcDbObjectId& id : ids) remove(id);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbGroup::removeAt(Adesk::UInt32 index) {
  Acad::ErrorStatus es = vhost::writeStatus(this);
  if (es != Acad::eOk) return es;
  const size_t at = rawIndex(index);
  if (at >= mMembers.size()) return Acad::eInvalidIndex;
  return remove(mMembers[at]);
}

Acad::ErrorStatus AcDbGroup::replace(AcDbObjectId oldId, AcDbObjectId newId) {
  Acad::ErrorStatus es = vhost::writeStatus(this);
  if (es != Acad::eOk) return es;
  auto it = std::find(mMembers.begin(), mMembers.end(), oldId);
  if (it == mMembers.end() || oldId.isNull()) return Acad::eKeyNotFound;
  if (oldId == newId) return Acad::eOk;
  es = checkMember(newId);
  if (es != Acad::eOk) return es;
  *it = newId;
  mDropped.erase(std::remove(mDropped.begin(), mDropped.end(), oldId), mDropped.end());
  detach(oldId);
  if (!objectId().isNull()) attach(newId);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbGroup::reverse() {
  Acad::ErrorStatus es = vhost::writeStatus(this);
  if (es == Acad::eOk) std::reverse(mMembers.begin(), mMembers.end());
  return es;
}

Acad::ErrorStatus AcDbGroup::clear() {
  Acad::ErrorStatus es = vhost::writeStatus(this);
  if (es != Acad::eOk) return es;
  std::vector<AcDbObjectId> all;
  all.swap(mMembers);
  mDropped.clear();
  for (AcDbObjectId id : all) detach(id);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbGroup::getIndex(AcDbObjectId id, Adesk::UInt32& index) const {
  Acad::ErrorStatus es = vhost::readStatus(this);
  if (es != Acad::eOk) return es;
  Adesk::UInt32 n = 0;
  for (AcDbObjectId m : mMembers) {
    if (!isVisible(m)) continue;
    if (m == id) {
      index = n;
      return Acad::eOk;
    }
    ++n;
  }
  return Acad::eKeyNotFound;
}

bool AcDbGroup::has(const AcDbEntity* entity) const { return entity != nullptr && has(entity->objectId()); }

bool AcDbGroup::has(AcDbObjectId id) const {
  assertReadEnabled();
  return isVisible(id) && std::find(mMembers.begin(), mMembers.end(), id) != mMembers.end();
}

// Members erased while the group could not hear of it (no reactor link) are
// left out as well.
Adesk::UInt32 AcDbGroup::numEntities() const {
  assertReadEnabled();
  Adesk::UInt32 n = 0;
  for (AcDbObjectId id : mMembers)
    if (isVisible(id)) ++n;
  return n;
}

Adesk::UInt32 AcDbGroup::allEntityIds(AcDbObjectIdArray& ids) const {
  assertReadEnabled();
  ids.removeAll();
  for (AcDbObjectId id : mMembers)
    if (isVisible(id)) ids.append(id);
  return static_cast<Adesk::UInt32>(ids.length());
}

// --- filing ------------------------------------------------------------------------------

Acad::ErrorStatus AcDbGroup::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbObject::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeString(mName);
  filer->writeString(mDescription);
  filer->writeBoolean(mSelectable);
  filer->writeBoolean(mAnonymous);
  filer->writeUInt32(static_cast<Adesk::UInt32>(mMembers.size()));
  for (AcDbObjectId id : mMembers) filer->writeHardPointerId(id);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbGroup::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbObject::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  std::wstring name, description;
  bool selectable = true, anonymous = false;
  Adesk::UInt32 count = 0;
  filer->readString(name);
  filer->readString(description);
  filer->readBoolean(&selectable);
  filer->readBoolean(&anonymous);
  filer->readUInt32(&count);
  std::vector<AcDbObjectId> members;
  for (Adesk::UInt32 i = 0; i < count && filer->filerStatus() == Acad::eOk; ++i) {
    AcDbHardPointerId id;
    filer->readHardPointerId(&id);
    // Members not carried into a copy come back null and drop out.
    if (!id.isNull() && std::find(members.begin(), members.end(), id) == members.end()) members.push_back(id);
  }
  if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();
  mName = name;
  mDescription = description;
  mSelectable = selectable;
  mAnonymous = anonymous;
  if (members != mMembers) mAttached = false;  // new members get the group as reactor on close
  mMembers.swap(members);
  mDropped.clear();
  return Acad::eOk;
}

// --- DXF -------------------------------------------------------------------------------

namespace {
constexpr const ACHAR* kSubclass = L"AcDbGroup";
}  // namespace

Acad::ErrorStatus AcDbGroup::dxfOutFields(AcDbDxfFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = AcDbObject::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeString(100, kSubclass);
  filer->writeString(300, mDescription);
  filer->writeInt16(70, isAnonymous() ? 1 : 0);
  filer->writeInt16(71, mSelectable ? 1 : 0);
  for (AcDbObjectId id : mMembers)
    if (!id.isNull() && !id.isErased()) filer->writeObjectId(340, id);
  vhost::dxfWriteKept(filer, this, kSubclass);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbGroup::dxfInFields(AcDbDxfFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbObject::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  if (!filer->atSubclassData(kSubclass)) return vhost::dxfBadSubclass(filer, kSubclass);
  vhost::DxfKeptGroups kept(kSubclass);
  std::wstring description;
  bool selectable = true, anonymous = false;
  std::vector<AcDbObjectId> members;
  resbuf rb;
  while ((es = filer->readResBuf(&rb)) == Acad::eOk) {
    switch (rb.restype) {
      case 300: description = rb.resval.rstring ? rb.resval.rstring : L""; break;
      case 70: anonymous = vhost::dxfInt(rb) != 0; break;
      case 71: selectable = vhost::dxfInt(rb) != 0; break;
      case 340: {
        const AcDbObjectId id = vhost::dxfObjectId(rb);
        if (!id.isNull() && std::find(members.begin(), members.end(), id) == members.end()) members.push_back(id);
        break;
      }
      default: kept.add(rb);
    }
    vhost::dxfReleaseValue(rb);
  }
  if (es != Acad::eEndOfObject) return es;
  mDescription = description;
  mSelectable = selectable;
  mAnonymous = anonymous;
  if (members != mMembers) mAttached = false;  // new members get the group as reactor on close
  mMembers.swap(members);
  mDropped.clear();
  kept.storeInto(this);
  return Acad::eOk;
}
