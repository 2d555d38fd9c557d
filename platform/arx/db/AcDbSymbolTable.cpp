#include "arx/db/AcDbSymbolTable.h"

#include <cwctype>
#include <string>

#include "arx/base/AcCmColor.h"
#include "arx/db/AcDbBlockTable.h"
#include "arx/db/AcDbDatabase.h"
#include "arx/db/AcDbDwgFiler.h"
#include "arx/db/AcDbDxfFiler.h"
#include "arx/db/AcDbLayerTable.h"
#include "arx/db/VhostDxfSupport.h"
#include "arx/db/VhostStub.h"

VHOST_DEFINE_BUILTIN_ABSTRACT_CLASS(AcDbSymbolTableRecord, AcDbObject)
VHOST_DEFINE_BUILTIN_ABSTRACT_CLASS(AcDbSymbolTable, AcDbObject)

// --- helpers ---------------------------------------------------------------------

namespace {

// Upper case of the letters that have one in the scripts drawing names are
// written in (Latin, Greek, Cyrillic, full-width Latin); other characters
// stay as they are. Independent of the process locale.
wchar_t foldChar(wchar_t c) {
  const unsigned u = static_cast<unsigned>(c);
  if (u < 0x80) return (u >= 'a' && u <= 'z') ? static_cast<wchar_t>(u - 32) : c;
  if (u >= 0xE0 && u <= 0xFE && u != 0xF7) return static_cast<wchar_t>(u - 32);
  if (u == 0xFF) return static_cast<wchar_t>(0x178);
  if (u >= 0x100 && u <= 0x17F) {
    const bool oddIsLower = (u <= 0x137) || (u >= 0x14A && u <= 0x177);
    if (u == 0x130 || u == 0x131 || u == 0x138 || u == 0x149 || u == 0x17F) return c;
    if (oddIsLower) return (u & 1) ? static_cast<wchar_t>(u - 1) : c;
    return (u & 1) ? c : static_cast<wchar_t>(u - 1);  // 0x139-0x148, 0x179-0x17E
  }
  if (u >= 0x3B1 && u <= 0x3C9 && u != 0x3C2) return static_cast<wchar_t>(u - 32);
  if (u >= 0x430 && u <= 0x44F) return static_cast<wchar_t>(u - 32);
  if (u >= 0x450 && u <= 0x45F) return static_cast<wchar_t>(u - 80);
  if (u >= 0xFF41 && u <= 0xFF5A) return static_cast<wchar_t>(u - 32);
  return c;
}

bool isErasedId(AcDbObjectId id) { return id.isNull() || id.isErased() || vhost::residentObject(id) == nullptr; }

}  // namespace

std::wstring vhost::nameKey(const ACHAR* name) {
  std::wstring out;
  if (name == nullptr) return out;
  for (; *name; ++name) out += foldChar(*name);
  return out;
}

std::wstring vhost::nameKey(const std::wstring& name) { return nameKey(name.c_str()); }

bool vhost::isValidSymbolName(const ACHAR* name, bool allowLeadingStar) {
  if (name == nullptr || name[0] == 0) return false;
  static const std::wstring kForbidden = L"<>/\\\":;?*|,=`";
  size_t n = 0;
  for (const ACHAR* p = name; *p; ++p, ++n) {
    if (n >= 255) return false;
    if (static_cast<unsigned>(*p) < 0x20 || *p == 0x7F) return false;
    if (*p == L'*' && p == name && allowLeadingStar && p[1] != 0) continue;
    if (kForbidden.find(*p) != std::wstring::npos) return false;
  }
  return true;
}

Acad::ErrorStatus vhost::writeStatus(AcDbObject* obj) {
  try {
    obj->assertWriteEnabled();
  } catch (Acad::ErrorStatus es) {
    return es;
  }
  return Acad::eOk;
}

Acad::ErrorStatus vhost::readStatus(const AcDbObject* obj) {
  try {
    obj->assertReadEnabled();
  } catch (Acad::ErrorStatus es) {
    return es;
  }
  return Acad::eOk;
}

ACHAR* vhost::newText(const std::wstring& text) {
  ACHAR* out = new ACHAR[text.size() + 1];
  text.copy(out, text.size());
  out[text.size()] = 0;
  return out;
}

AcDbObject* vhost::residentObject(AcDbObjectId id) {
  vhost::Stub* stub = id.stub();
  if (stub == nullptr || stub->database == nullptr) return nullptr;
  return stub->object;
}

void vhost::writeColor(AcDbDwgFiler* filer, const AcCmColor& color) {
  filer->writeUInt32(color.color());
  filer->writeString(std::wstring(color.colorName()));
  filer->writeString(std::wstring(color.bookName()));
}

void vhost::readColor(AcDbDwgFiler* filer, AcCmColor& color) {
  Adesk::UInt32 raw = 0;
  std::wstring name, book;
  filer->readUInt32(&raw);
  filer->readString(name);
  filer->readString(book);
  AcCmColor c;
  if (c.setColor(raw) != Acad::eOk) {
    filer->setFilerStatus(Acad::eInvalidInput);
    return;
  }
  if (!name.empty()) c.setNames(name.c_str(), book.empty() ? nullptr : book.c_str());
  color = c;
}

// --- records -----------------------------------------------------------------------

AcDbSymbolTableRecord::AcDbSymbolTableRecord() = default;
AcDbSymbolTableRecord::~AcDbSymbolTableRecord() = default;

Acad::ErrorStatus AcDbSymbolTableRecord::getName(ACHAR*& name) const {
  name = nullptr;
  Acad::ErrorStatus es = vhost::readStatus(this);
  if (es != Acad::eOk) return es;
  name = vhost::newText(mName);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSymbolTableRecord::getName(const ACHAR*& name) const {
  name = nullptr;
  Acad::ErrorStatus es = vhost::readStatus(this);
  if (es != Acad::eOk) return es;
  name = mName.c_str();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSymbolTableRecord::getName(std::wstring& name) const {
  Acad::ErrorStatus es = vhost::readStatus(this);
  if (es != Acad::eOk) return es;
  name = mName;
  return Acad::eOk;
}

AcDbSymbolTable* AcDbSymbolTableRecord::vhostOwnerTable() const {
  AcDbSymbolTable* table = AcDbSymbolTable::cast(vhost::residentObject(ownerId()));
  if (table == nullptr || objectId().isNull()) return nullptr;
  return table;
}

Acad::ErrorStatus AcDbSymbolTableRecord::setName(const ACHAR* name) {
  Acad::ErrorStatus es = vhost::writeStatus(this);
  if (es != Acad::eOk) return es;
  if (!vhost::isValidSymbolName(name, vhostAllowsLeadingStar())) return Acad::eInvalidSymbolTableName;
  if (mName == name) return Acad::eOk;
  if (!mName.empty() && !isRenamable()) return Acad::eIllegalReplacement;
  std::wstring newName = name;
  AcDbSymbolTable* table = vhostOwnerTable();
  if (table != nullptr) {
    const std::wstring key = vhost::nameKey(newName);
    // A block renamed to "*U" (a star and a letter) gets the next anonymous name.
    if (vhostAllowsLeadingStar() && newName.size() == 2 && newName[0] == L'*' && std::iswalpha(newName[1]))
      newName = table->nextAnonymousName(foldChar(newName[1]));
    else {
      AcDbObjectId other = table->find(key, false);
      if (!other.isNull() && other != objectId()) return Acad::eDuplicateRecordName;
    }
    table->unindexName(mName, objectId());
    table->indexName(newName, objectId());
  }
  mName = newName;
  return Acad::eOk;
}

bool AcDbSymbolTableRecord::isDependent() const {
  assertReadEnabled();
  return mName.find(L'|') != std::wstring::npos;
}

// No external references are loaded here, so a dependent record is unresolved.
bool AcDbSymbolTableRecord::isResolved() const { return !isDependent(); }

bool AcDbSymbolTableRecord::isRenamable() const { return !isDependent(); }

Acad::ErrorStatus AcDbSymbolTableRecord::subErase(Adesk::Boolean erasing) {
  if (!erasing) {
    if (AcDbSymbolTable* table = vhostOwnerTable()) {
      AcDbObjectId other = table->find(vhost::nameKey(mName), false);
      if (!other.isNull() && other != objectId()) return Acad::eDuplicateRecordName;
    }
  }
  return AcDbObject::subErase(erasing);
}

Acad::ErrorStatus AcDbSymbolTableRecord::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbObject::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeString(mName);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbSymbolTableRecord::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbObject::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  std::wstring name;
  filer->readString(name);
  if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();
  if (name != mName) {
    if (AcDbSymbolTable* table = vhostOwnerTable()) table->mIndexValid = false;
    mName = name;
  }
  return Acad::eOk;
}

// DXF: the record's own subclass only marks it; the name and the flags follow
// in each kind's subclass.
Acad::ErrorStatus AcDbSymbolTableRecord::dxfOutFields(AcDbDxfFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = AcDbObject::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeString(100, L"AcDbSymbolTableRecord");
  vhost::dxfWriteKept(filer, this, L"AcDbSymbolTableRecord");
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbSymbolTableRecord::dxfInFields(AcDbDxfFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbObject::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  if (!filer->atSubclassData(L"AcDbSymbolTableRecord")) return vhost::dxfBadSubclass(filer, L"AcDbSymbolTableRecord");
  vhost::DxfKeptGroups kept(L"AcDbSymbolTableRecord");
  resbuf rb;
  while ((es = filer->readResBuf(&rb)) == Acad::eOk) {
    kept.add(rb);
    vhost::dxfReleaseValue(rb);
  }
  if (es != Acad::eEndOfObject) return es;
  kept.storeInto(this);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSymbolTableRecord::vhostDxfSetName(AcDbDxfFiler* filer, const ACHAR* name, bool allowEmpty) {
  if (name == nullptr || (name[0] == 0 && !allowEmpty))
    return vhost::dxfError(filer, std::wstring(L"a ") + isA()->dxfName() + L" record has an empty name (group 2)");
  for (const ACHAR* p = name; *p; ++p) {
    if (static_cast<unsigned>(*p) < 0x20)
      return vhost::dxfError(filer, std::wstring(L"the name of a ") + isA()->dxfName() +
                                        L" record holds a control character (group 2)");
  }
  if (mName != name) {
    if (AcDbSymbolTable* table = vhostOwnerTable()) table->mIndexValid = false;
    mName = name;
  }
  return Acad::eOk;
}

int AcDbSymbolTableRecord::vhostDxfStandardFlags() const { return mName.find(L'|') != std::wstring::npos ? 16 : 0; }

// --- tables ------------------------------------------------------------------------

AcDbSymbolTable::AcDbSymbolTable() = default;
AcDbSymbolTable::~AcDbSymbolTable() = default;

bool AcDbSymbolTable::vhostAccepts(const AcDbSymbolTableRecord*) const { return true; }

void AcDbSymbolTable::ensureIndex() const {
  if (mIndexValid) return;
  mIndex.clear();
  mIndex.reserve(mRecords.size());
  for (AcDbObjectId id : mRecords) {
    const AcDbSymbolTableRecord* rec = AcDbSymbolTableRecord::cast(vhost::residentObject(id));
    if (rec != nullptr) mIndex.emplace(vhost::nameKey(rec->mName), id);
  }
  mIndexValid = true;
}

void AcDbSymbolTable::indexName(const std::wstring& name, AcDbObjectId id) const {
  if (!mIndexValid) return;  // rebuilt from the records on the next look-up
  mIndex.emplace(vhost::nameKey(name), id);
}

void AcDbSymbolTable::unindexName(const std::wstring& name, AcDbObjectId id) const {
  if (!mIndexValid) return;
  auto range = mIndex.equal_range(vhost::nameKey(name));
  for (auto it = range.first; it != range.second; ++it) {
    if (it->second == id) {
      mIndex.erase(it);
      return;
    }
  }
}

AcDbObjectId AcDbSymbolTable::find(const std::wstring& key, bool erased) const {
  ensureIndex();
  auto range = mIndex.equal_range(key);
  AcDbObjectId newestErased;
  for (auto it = range.first; it != range.second; ++it) {
    if (!isErasedId(it->second)) return it->second;
    if (erased && !it->second.isNull() && (newestErased.isNull() || newestErased < it->second))
      newestErased = it->second;
  }
  return newestErased;
}

Acad::ErrorStatus AcDbSymbolTable::getAt(const ACHAR* name, AcDbObjectId& id, bool getErasedRecord) const {
  id.setNull();
  Acad::ErrorStatus es = vhost::readStatus(this);
  if (es != Acad::eOk) return es;
  if (name == nullptr) return Acad::eInvalidInput;
  id = find(vhost::nameKey(name), getErasedRecord);
  return id.isNull() ? Acad::eKeyNotFound : Acad::eOk;
}

Acad::ErrorStatus AcDbSymbolTable::getAt(const ACHAR* name, AcDbSymbolTableRecord*& record, AcDb::OpenMode mode,
                                         bool openErasedRecord) const {
  return vhostGetTyped(name, record, mode, openErasedRecord);
}

AcDbObjectId AcDbSymbolTable::vhostFind(const ACHAR* name, bool getErasedRecord) const {
  return name == nullptr ? AcDbObjectId() : find(vhost::nameKey(name), getErasedRecord);
}

bool AcDbSymbolTable::has(const ACHAR* name) const {
  AcDbObjectId id;
  return getAt(name, id) == Acad::eOk;
}

bool AcDbSymbolTable::has(AcDbObjectId id) const {
  assertReadEnabled();
  const AcDbObject* obj = vhost::residentObject(id);
  return obj != nullptr && !id.isErased() && obj->ownerId() == objectId() && !objectId().isNull() &&
         AcDbSymbolTableRecord::cast(obj) != nullptr;
}

int AcDbSymbolTable::vhostLiveRecordCount() const {
  int n = 0;
  for (AcDbObjectId id : mRecords)
    if (!isErasedId(id)) ++n;
  return n;
}

std::wstring AcDbSymbolTable::nextAnonymousName(wchar_t letter) {
  unsigned& counter = mAnonymousCounters[letter];
  for (;;) {
    ++counter;
    std::wstring name = L"*";
    name += letter;
    name += std::to_wstring(counter);
    if (find(vhost::nameKey(name), true).isNull()) return name;
  }
}

Acad::ErrorStatus AcDbSymbolTable::add(AcDbSymbolTableRecord* record) {
  AcDbObjectId id;
  return add(id, record);
}

Acad::ErrorStatus AcDbSymbolTable::add(AcDbObjectId& id, AcDbSymbolTableRecord* record) {
  id.setNull();
  if (record == nullptr) return Acad::eNullObjectPointer;
  Acad::ErrorStatus es = vhost::writeStatus(this);
  if (es != Acad::eOk) return es;
  AcDbDatabase* db = database();
  if (db == nullptr) return Acad::eNoDatabase;
  if (record->database() != nullptr) return Acad::eAlreadyInDb;
  if (!vhostAccepts(record)) return Acad::eWrongObjectType;

  std::wstring name = record->mName;
  if (name.empty()) {
    const AcDbBlockTableRecord* block = AcDbBlockTableRecord::cast(record);
    if (block != nullptr && block->isAnonymous()) name = L"*U";
  }
  const bool anonymous = record->vhostAllowsLeadingStar() && name.size() == 2 && name[0] == L'*' &&
                         std::iswalpha(name[1]);
  if (!anonymous) {
    if (!vhost::isValidSymbolName(name.c_str(), record->vhostAllowsLeadingStar()))
      return Acad::eInvalidSymbolTableName;
    if (!find(vhost::nameKey(name), false).isNull()) return Acad::eDuplicateRecordName;
  }
  // A layer without a linetype draws continuous lines.
  if (AcDbLayerTableRecord* layer = AcDbLayerTableRecord::cast(record)) {
    if (layer->linetypeObjectId().isNull()) layer->setLinetypeObjectId(db->continuousLinetype());
  }
  es = db->addAcDbObject(id, record);
  if (es != Acad::eOk) {
    id.setNull();
    return es;
  }
  if (anonymous) name = nextAnonymousName(foldChar(name[1]));
  record->mName = name;
  record->setOwnerId(objectId());
  mRecords.push_back(id);
  indexName(name, id);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSymbolTable::vhostAdoptRecord(AcDbObjectId recordId) {
  AcDbSymbolTableRecord* record = AcDbSymbolTableRecord::cast(vhost::residentObject(recordId));
  if (record == nullptr) return Acad::eNullObjectId;
  if (record->database() != database()) return Acad::eWrongDatabase;
  if (!vhostAccepts(record)) return Acad::eWrongObjectType;
  if (record->ownerId() == objectId()) {
    for (AcDbObjectId id : mRecords)
      if (id == recordId) return Acad::eOk;
  }
  AcDbObjectId other = find(vhost::nameKey(record->mName), false);
  if (!other.isNull() && other != recordId) return Acad::eDuplicateRecordName;
  record->setOwnerId(objectId());
  mRecords.push_back(recordId);
  indexName(record->mName, recordId);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSymbolTable::newIterator(AcDbSymbolTableIterator*& iterator, bool atBeginning,
                                               bool skipDeleted) const {
  iterator = nullptr;
  Acad::ErrorStatus es = vhost::readStatus(this);
  if (es != Acad::eOk) return es;
  iterator = new AcDbSymbolTableIterator(objectId());
  iterator->start(atBeginning, skipDeleted);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSymbolTable::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbObject::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeUInt32(static_cast<Adesk::UInt32>(mRecords.size()));
  for (AcDbObjectId id : mRecords) filer->writeHardOwnershipId(id);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbSymbolTable::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbObject::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  Adesk::UInt32 count = 0;
  filer->readUInt32(&count);
  std::vector<AcDbObjectId> records;
  for (Adesk::UInt32 i = 0; i < count && filer->filerStatus() == Acad::eOk; ++i) {
    AcDbHardOwnershipId id;
    filer->readHardOwnershipId(&id);
    if (!id.isNull()) records.push_back(id);
  }
  if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();
  mRecords.swap(records);
  mIndex.clear();
  mIndexValid = false;
  mAnonymousCounters.clear();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSymbolTable::dxfOutFields(AcDbDxfFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = AcDbObject::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeString(100, L"AcDbSymbolTable");
  filer->writeInt16(70, static_cast<Adesk::Int16>(vhostLiveRecordCount()));
  vhost::dxfWriteKept(filer, this, L"AcDbSymbolTable");
  return filer->filerStatus();
}

// The count of group 70 is informative only (the host ignores it too): the
// records are those the drawing lists after the table.
Acad::ErrorStatus AcDbSymbolTable::dxfInFields(AcDbDxfFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbObject::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  if (!filer->atSubclassData(L"AcDbSymbolTable")) return vhost::dxfBadSubclass(filer, L"AcDbSymbolTable");
  vhost::DxfKeptGroups kept(L"AcDbSymbolTable");
  resbuf rb;
  while ((es = filer->readResBuf(&rb)) == Acad::eOk) {
    if (rb.restype != 70) kept.add(rb);
    vhost::dxfReleaseValue(rb);
  }
  if (es != Acad::eEndOfObject) return es;
  kept.storeInto(this);
  return Acad::eOk;
}

// --- iterators ---------------------------------------------------------------------

AcDbSymbolTableIterator::AcDbSymbolTableIterator(AcDbObjectId tableId) : mTableId(tableId) {}
AcDbSymbolTableIterator::~AcDbSymbolTableIterator() = default;

const std::vector<AcDbObjectId>* AcDbSymbolTableIterator::records() const {
  const AcDbSymbolTable* table = AcDbSymbolTable::cast(vhost::residentObject(mTableId));
  return table ? &table->mRecords : nullptr;
}

void AcDbSymbolTableIterator::skip(bool forward, bool skipDeleted) {
  const std::vector<AcDbObjectId>* recs = records();
  if (recs == nullptr || !skipDeleted) return;
  const long long n = static_cast<long long>(recs->size());
  while (mPos >= 0 && mPos < n && isErasedId((*recs)[static_cast<size_t>(mPos)])) mPos += forward ? 1 : -1;
}

void AcDbSymbolTableIterator::start(bool atBeginning, bool skipDeleted) {
  const std::vector<AcDbObjectId>* recs = records();
  mPos = atBeginning ? 0 : (recs ? static_cast<long long>(recs->size()) - 1 : -1);
  skip(atBeginning, skipDeleted);
}

bool AcDbSymbolTableIterator::done() const {
  const std::vector<AcDbObjectId>* recs = records();
  return recs == nullptr || mPos < 0 || mPos >= static_cast<long long>(recs->size());
}

void AcDbSymbolTableIterator::step(bool forward, bool skipDeleted) {
  if (done()) return;
  mPos += forward ? 1 : -1;
  skip(forward, skipDeleted);
}

Acad::ErrorStatus AcDbSymbolTableIterator::getRecordId(AcDbObjectId& id) const {
  id.setNull();
  if (done()) return Acad::eInvalidIndex;
  id = (*records())[static_cast<size_t>(mPos)];
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSymbolTableIterator::getRecord(AcDbSymbolTableRecord*& record, AcDb::OpenMode mode,
                                                     bool openErasedRecord) const {
  return vhostGetTyped(record, mode, openErasedRecord);
}

Acad::ErrorStatus AcDbSymbolTableIterator::seek(AcDbObjectId id) {
  const std::vector<AcDbObjectId>* recs = records();
  if (recs == nullptr || id.isNull()) return Acad::eInvalidInput;
  for (size_t i = 0; i < recs->size(); ++i) {
    if ((*recs)[i] == id) {
      mPos = static_cast<long long>(i);
      return Acad::eOk;
    }
  }
  return Acad::eInvalidInput;
}

Acad::ErrorStatus AcDbSymbolTableIterator::seek(const AcDbSymbolTableRecord* record) {
  if (record == nullptr) return Acad::eNullObjectPointer;
  return seek(record->objectId());
}
