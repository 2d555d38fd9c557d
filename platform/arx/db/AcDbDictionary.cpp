#include "arx/db/AcDbDictionary.h"

#include <algorithm>

#include "arx/db/AcDbDatabase.h"
#include "arx/db/AcDbDwgFiler.h"
#include "arx/db/AcDbSymbolTable.h"
#include "arx/db/VhostDxfRecordFiling.h"
#include "arx/db/VhostDxfSupport.h"

VHOST_DEFINE_BUILTIN_CLASS(AcDbDictionary, AcDbObject, L"DICTIONARY")

namespace {

bool isGone(AcDbObjectId id) { return id.isNull() || id.isErased() || vhost::residentObject(id) == nullptr; }

}  // namespace

AcDbDictionary::AcDbDictionary() = default;
AcDbDictionary::~AcDbDictionary() = default;

// --- index -------------------------------------------------------------------------------

long long AcDbDictionary::findKey(const std::wstring& upperKey) const {
  auto it = mByKey.find(upperKey);
  return it == mByKey.end() ? -1 : static_cast<long long>(it->second);
}

long long AcDbDictionary::findId(AcDbObjectId id) const {
  if (id.isNull()) return -1;
  auto it = mById.find(id);
  return it == mById.end() ? -1 : static_cast<long long>(it->second);
}

void AcDbDictionary::rebuildIndex() {
  mByKey.clear();
  mById.clear();
  for (size_t i = 0; i < mEntries.size(); ++i) {
    const Entry& e = mEntries[i];
    if (e.id.isNull()) continue;
    mByKey[vhost::nameKey(e.key)] = i;
    mById[e.id] = i;
  }
}

void AcDbDictionary::dropSlot(size_t slot) {
  Entry& e = mEntries[slot];
  auto k = mByKey.find(vhost::nameKey(e.key));
  if (k != mByKey.end() && k->second == slot) mByKey.erase(k);
  mById.erase(e.id);
  e.id.setNull();
  e.key.clear();
  ++mRemoved;
  // Compact when removed slots make up most of the list.
  if (mRemoved > 16 && mRemoved * 2 > mEntries.size()) {
    mEntries.erase(std::remove_if(mEntries.begin(), mEntries.end(), [](const Entry& x) { return x.id.isNull(); }),
                   mEntries.end());
    mRemoved = 0;
    rebuildIndex();
  }
}

const std::wstring* AcDbDictionary::vhostKeyOf(AcDbObjectId id) const {
  long long slot = findId(id);
  return slot < 0 ? nullptr : &mEntries[static_cast<size_t>(slot)].key;
}

std::wstring AcDbDictionary::vhostNextAnonymousKey(const ACHAR* prefix) const {
  const std::wstring base = prefix ? prefix : L"*A";
  for (;;) {
    std::wstring key = base + std::to_wstring(++mAnonymousCounter);
    if (findKey(vhost::nameKey(key)) < 0) return key;
  }
}

// --- look-up -------------------------------------------------------------------------------

Acad::ErrorStatus AcDbDictionary::getAt(const ACHAR* key, AcDbObjectId& id) const {
  id.setNull();
  Acad::ErrorStatus es = vhost::readStatus(this);
  if (es != Acad::eOk) return es;
  if (key == nullptr) return Acad::eInvalidKey;
  long long slot = findKey(vhost::nameKey(key));
  if (slot < 0 || isGone(mEntries[static_cast<size_t>(slot)].id)) return Acad::eKeyNotFound;
  id = mEntries[static_cast<size_t>(slot)].id;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbDictionary::getAt(const ACHAR* key, AcDbObject*& object, AcDb::OpenMode mode) const {
  object = nullptr;
  AcDbObjectId id;
  Acad::ErrorStatus es = getAt(key, id);
  if (es != Acad::eOk) return es;
  return acdbOpenObject(object, id, mode);
}

bool AcDbDictionary::has(const ACHAR* key) const {
  AcDbObjectId id;
  return getAt(key, id) == Acad::eOk;
}

bool AcDbDictionary::has(AcDbObjectId id) const {
  assertReadEnabled();
  return findId(id) >= 0 && !isGone(id);
}

Acad::ErrorStatus AcDbDictionary::nameAt(AcDbObjectId id, std::wstring& key) const {
  Acad::ErrorStatus es = vhost::readStatus(this);
  if (es != Acad::eOk) return es;
  const std::wstring* k = vhostKeyOf(id);
  if (k == nullptr) return Acad::eKeyNotFound;
  key = *k;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbDictionary::nameAt(AcDbObjectId id, ACHAR*& key) const {
  key = nullptr;
  std::wstring k;
  Acad::ErrorStatus es = nameAt(id, k);
  if (es == Acad::eOk) key = vhost::newText(k);
  return es;
}

Adesk::UInt32 AcDbDictionary::numEntries() const {
  assertReadEnabled();
  Adesk::UInt32 n = 0;
  for (const Entry& e : mEntries)
    if (!isGone(e.id)) ++n;
  return n;
}

// --- changes -------------------------------------------------------------------------------

Acad::ErrorStatus AcDbDictionary::setAt(const ACHAR* key, AcDbObject* newValue, AcDbObjectId& retObjId) {
  retObjId.setNull();
  Acad::ErrorStatus es = vhost::writeStatus(this);
  if (es != Acad::eOk) return es;
  AcDbDatabase* db = database();
  if (db == nullptr) return Acad::eNoDatabase;
  if (key == nullptr || key[0] == 0) return Acad::eInvalidKey;
  if (newValue == nullptr) return Acad::eNullObjectPointer;
  if (newValue == this) return Acad::eSelfReference;
  if (newValue->database() != nullptr && newValue->database() != db) return Acad::eWrongDatabase;

  std::wstring k = key;
  if (k == L"*") k = vhostNextAnonymousKey(L"*A");
  const std::wstring upper = vhost::nameKey(k);
  long long slot = findKey(upper);

  if (slot >= 0) {
    Entry& e = mEntries[static_cast<size_t>(slot)];
    if (!newValue->objectId().isNull() && e.id == newValue->objectId()) {
      e.key = k;
      retObjId = e.id;
      return Acad::eOk;
    }
    // The object the entry held goes.
    if (!isGone(e.id)) {
      es = vhost::withObjectForWrite(e.id, [](AcDbObject* old) { old->erase(); });
      if (es != Acad::eOk) return es;
    }
  }

  AcDbObjectId id = newValue->objectId();
  if (id.isNull()) {
    es = db->addAcDbObject(id, newValue);
    if (es != Acad::eOk) return es;
  } else {
    // An object moving here from another entry or dictionary leaves that entry.
    long long own = findId(id);
    if (own >= 0 && own != slot) {
      dropSlot(static_cast<size_t>(own));
      slot = findKey(upper);  // dropping may have compacted the list
    } else if (AcDbDictionary* other = AcDbDictionary::cast(vhost::residentObject(newValue->ownerId()))) {
      long long there = other != this ? other->findId(id) : -1;
      if (there >= 0) other->dropSlot(static_cast<size_t>(there));
    }
  }
  newValue->setOwnerId(objectId());

  if (slot >= 0) {
    Entry& e = mEntries[static_cast<size_t>(slot)];
    mById.erase(e.id);
    e.key = k;
    e.id = id;
    mById[id] = static_cast<size_t>(slot);
  } else {
    mEntries.push_back({k, id});
    mByKey[upper] = mEntries.size() - 1;
    mById[id] = mEntries.size() - 1;
  }
  retObjId = id;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbDictionary::remove(const ACHAR* key) {
  AcDbObjectId id;
  return remove(key, id);
}

Acad::ErrorStatus AcDbDictionary::remove(const ACHAR* key, AcDbObjectId& returnId) {
  returnId.setNull();
  Acad::ErrorStatus es = vhost::writeStatus(this);
  if (es != Acad::eOk) return es;
  if (key == nullptr) return Acad::eInvalidKey;
  long long slot = findKey(vhost::nameKey(key));
  if (slot < 0 || isGone(mEntries[static_cast<size_t>(slot)].id)) return Acad::eKeyNotFound;
  returnId = mEntries[static_cast<size_t>(slot)].id;
  return remove(returnId);
}

Acad::ErrorStatus AcDbDictionary::remove(AcDbObjectId id) {
  Acad::ErrorStatus es = vhost::writeStatus(this);
  if (es != Acad::eOk) return es;
  long long slot = findId(id);
  if (slot < 0 || isGone(id)) return Acad::eKeyNotFound;
  dropSlot(static_cast<size_t>(slot));
  // The object stays in the database, owned by nobody.
  AcDbObject* obj = vhost::residentObject(id);
  if (obj != nullptr && obj->ownerId() == objectId()) obj->setOwnerId(AcDbObjectId::kNull);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbDictionary::vhostRenameEntry(AcDbObjectId id, const ACHAR* newKey) {
  if (newKey == nullptr || newKey[0] == 0) return Acad::eInvalidKey;
  long long slot = findId(id);
  if (slot < 0) return Acad::eKeyNotFound;
  const std::wstring oldUpper = vhost::nameKey(mEntries[static_cast<size_t>(slot)].key);
  const std::wstring newUpper = vhost::nameKey(newKey);
  if (newUpper != oldUpper) {
    long long other = findKey(newUpper);
    if (other >= 0) {
      if (!isGone(mEntries[static_cast<size_t>(other)].id)) return Acad::eDuplicateKey;
      // An erased object's entry gives way; the object stays erased.
      dropSlot(static_cast<size_t>(other));
      slot = findId(id);
    }
    mByKey.erase(oldUpper);
    mByKey[newUpper] = static_cast<size_t>(slot);
  }
  mEntries[static_cast<size_t>(slot)].key = newKey;
  return Acad::eOk;
}

bool AcDbDictionary::setName(const ACHAR* oldName, const ACHAR* newName) {
  if (vhost::writeStatus(this) != Acad::eOk) return false;
  if (oldName == nullptr) return false;
  long long slot = findKey(vhost::nameKey(oldName));
  if (slot < 0 || isGone(mEntries[static_cast<size_t>(slot)].id)) return false;
  return vhostRenameEntry(mEntries[static_cast<size_t>(slot)].id, newName) == Acad::eOk;
}

AcDbDictionaryIterator* AcDbDictionary::newIterator(AcRx::DictIterType type) const {
  assertReadEnabled();
  std::vector<std::pair<std::wstring, AcDbObjectId>> list;
  list.reserve(mEntries.size() - mRemoved);
  for (const Entry& e : mEntries)
    if (!isGone(e.id)) list.emplace_back(e.key, e.id);
  if (type == AcRx::kDictSorted) {
    std::stable_sort(list.begin(), list.end(), [](const auto& a, const auto& b) {
      return vhost::nameKey(a.first) < vhost::nameKey(b.first);
    });
  }
  return new AcDbDictionaryIterator(objectId(), std::move(list));
}

bool AcDbDictionary::isTreatElementsAsHard() const {
  assertReadEnabled();
  return mTreatAsHard;
}

void AcDbDictionary::setTreatElementsAsHard(bool doIt) {
  assertWriteEnabled();
  mTreatAsHard = doIt;
}

AcDb::DuplicateRecordCloning AcDbDictionary::mergeStyle() const {
  return static_cast<AcDb::DuplicateRecordCloning>(mMergeStyle);
}

void AcDbDictionary::setMergeStyle(AcDb::DuplicateRecordCloning style) {
  assertWriteEnabled();
  mMergeStyle = static_cast<Adesk::Int16>(style);
}

// --- filing --------------------------------------------------------------------------------

Acad::ErrorStatus AcDbDictionary::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbObject::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeBoolean(mTreatAsHard);
  filer->writeInt16(mMergeStyle);
  filer->writeUInt32(static_cast<Adesk::UInt32>(mEntries.size() - mRemoved));
  for (const Entry& e : mEntries) {
    if (e.id.isNull()) continue;
    filer->writeString(e.key);
    if (mTreatAsHard)
      filer->writeHardOwnershipId(e.id);
    else
      filer->writeSoftOwnershipId(e.id);
  }
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbDictionary::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbObject::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  bool hard = false;
  Adesk::Int16 merge = AcDb::kDrcIgnore;
  Adesk::UInt32 count = 0;
  filer->readBoolean(&hard);
  filer->readInt16(&merge);
  filer->readUInt32(&count);
  std::vector<Entry> entries;
  for (Adesk::UInt32 i = 0; i < count && filer->filerStatus() == Acad::eOk; ++i) {
    Entry e;
    filer->readString(e.key);
    if (hard) {
      AcDbHardOwnershipId id;
      filer->readHardOwnershipId(&id);
      e.id = id;
    } else {
      AcDbSoftOwnershipId id;
      filer->readSoftOwnershipId(&id);
      e.id = id;
    }
    // Entries whose object was not carried along (null after translation) drop out.
    if (!e.id.isNull()) entries.push_back(std::move(e));
  }
  if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();
  mTreatAsHard = hard;
  mMergeStyle = merge;
  mEntries.swap(entries);
  mRemoved = 0;
  rebuildIndex();
  return Acad::eOk;
}

namespace {
constexpr const ACHAR* kSubclass = L"AcDbDictionary";
}  // namespace

Acad::ErrorStatus AcDbDictionary::dxfOutFields(AcDbDxfFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = AcDbObject::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeString(100, kSubclass);
  if (mTreatAsHard) filer->writeInt16(280, 1);
  filer->writeInt16(281, mMergeStyle);
  for (const Entry& e : mEntries) {
    if (e.id.isNull() || e.id.isErased()) continue;
    filer->writeString(3, e.key);
    filer->writeObjectId(mTreatAsHard ? 360 : 350, e.id);
  }
  vhost::dxfWriteKept(filer, this, kSubclass);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbDictionary::dxfInFields(AcDbDxfFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbObject::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  if (!filer->atSubclassData(kSubclass)) return vhost::dxfBadSubclass(filer, kSubclass);
  vhost::DxfKeptGroups kept(kSubclass);
  bool hard = false, pendingKey = false;
  Adesk::Int16 merge = AcDb::kDrcIgnore;
  std::wstring key;
  std::vector<Entry> entries;
  std::unordered_map<std::wstring, size_t> seen;
  resbuf rb;
  while (es == Acad::eOk && (es = filer->readResBuf(&rb)) == Acad::eOk) {
    switch (rb.restype) {
      case 280: hard = vhost::dxfInt(rb) != 0; break;
      case 281:
        es = vhost::dxfCheckRange(filer, rb, AcDb::kDrcNotApplicable, AcDb::kDrcUnmangleName, L"merge style");
        merge = static_cast<Adesk::Int16>(vhost::dxfInt(rb));
        break;
      case 3:
        if (pendingKey) {
          es = vhost::dxfError(filer, L"dictionary key " + key + L" has no object (group 350 or 360)");
          break;
        }
        key = rb.resval.rstring ? rb.resval.rstring : L"";
        if (key.empty()) {
          es = vhost::dxfError(filer, L"a dictionary key (group 3) is empty");
          break;
        }
        pendingKey = true;
        break;
      case 350:
      case 360: {
        if (!pendingKey) {
          es = vhost::dxfError(filer, L"a dictionary entry (group " + std::to_wstring(rb.restype) +
                                          L") has no key (group 3)");
          break;
        }
        pendingKey = false;
        const AcDbObjectId id = vhost::dxfObjectId(rb);
        if (id.isNull()) break;  // the object was not carried along
        if (!seen.emplace(vhost::nameKey(key), entries.size()).second) {
          es = vhost::dxfError(filer, L"the dictionary key " + key + L" appears twice");
          break;
        }
        entries.push_back(Entry{key, id});
        break;
      }
      default: kept.add(rb);
    }
    vhost::dxfReleaseValue(rb);
  }
  if (es != Acad::eEndOfObject) return es;
  if (pendingKey) return vhost::dxfError(filer, L"dictionary key " + key + L" has no object (group 350 or 360)");
  mTreatAsHard = hard;
  mMergeStyle = merge;
  mEntries.swap(entries);
  mRemoved = 0;
  rebuildIndex();
  kept.storeInto(this);
  return Acad::eOk;
}

// --- iterator --------------------------------------------------------------------------------

AcDbDictionaryIterator::AcDbDictionaryIterator(AcDbObjectId dictId,
                                               std::vector<std::pair<std::wstring, AcDbObjectId>> entries)
    : mDictId(dictId), mEntries(std::move(entries)) {
  settle();
}

AcDbDictionaryIterator::~AcDbDictionaryIterator() = default;

bool AcDbDictionaryIterator::visible(size_t i) const {
  const AcDbObjectId id = mEntries[i].second;
  if (isGone(id)) return false;
  const AcDbDictionary* dict = AcDbDictionary::cast(vhost::residentObject(mDictId));
  return dict == nullptr || dict->findId(id) >= 0;
}

void AcDbDictionaryIterator::settle() {
  while (mPos < mEntries.size() && !visible(mPos)) ++mPos;
}

bool AcDbDictionaryIterator::done() const { return mPos >= mEntries.size(); }

bool AcDbDictionaryIterator::next() {
  if (done()) return false;
  ++mPos;
  settle();
  return !done();
}

bool AcDbDictionaryIterator::setPosition(AcDbObjectId id) {
  for (size_t i = 0; i < mEntries.size(); ++i) {
    if (mEntries[i].second == id && visible(i)) {
      mPos = i;
      return true;
    }
  }
  return false;
}

const ACHAR* AcDbDictionaryIterator::name() const {
  if (done()) return L"";
  // The current key, also after a rename since the iterator was made.
  const AcDbDictionary* dict = AcDbDictionary::cast(vhost::residentObject(mDictId));
  const std::wstring* key = dict ? dict->vhostKeyOf(mEntries[mPos].second) : nullptr;
  return key ? key->c_str() : mEntries[mPos].first.c_str();
}

Acad::ErrorStatus AcDbDictionaryIterator::getName(std::wstring& key) const {
  if (done()) return Acad::eInvalidIndex;
  key = name();
  return Acad::eOk;
}

AcDbObjectId AcDbDictionaryIterator::objectId() const {
  return done() ? AcDbObjectId::kNull : mEntries[mPos].second;
}

Acad::ErrorStatus AcDbDictionaryIterator::getObject(AcDbObject*& object, AcDb::OpenMode mode) {
  object = nullptr;
  if (done()) return Acad::eInvalidIndex;
  return acdbOpenObject(object, objectId(), mode);
}
