#include "arx/db/AcDbObject.h"

#include <algorithm>
#include <functional>
#include <cwctype>
#include <map>
#include <string>

#include "arx/base/RbValueType.h"
#include "arx/base/Resbuf.h"
#include "arx/db/AcDbDatabase.h"
#include "arx/db/AcDbDictionary.h"
#include "arx/db/AcDbDwgFiler.h"
#include "arx/db/AcDbSymbolTable.h"
#include "arx/db/AcDbDxfFiler.h"
#include "arx/db/VhostMemoryFiler.h"
#include "arx/db/VhostObjectExtras.h"
#include "arx/db/VhostStub.h"

VHOST_DEFINE_BUILTIN_ABSTRACT_CLASS(AcDbDwgFiler, AcRxObject)
VHOST_DEFINE_BUILTIN_ABSTRACT_CLASS(AcDbDxfFiler, AcRxObject)
VHOST_DEFINE_BUILTIN_CLASS(AcDbObject, AcRxObject, nullptr)

Acad::ErrorStatus AcDbDwgFiler::dwgVersion(AcDb::DwgVersion& version,
                                           AcDb::MaintenanceReleaseVersion& maintenance) const {
  version = AcDb::kDHL_CURRENT;
  maintenance = AcDb::kMReleaseCurrent;
  return Acad::eOk;
}

namespace {

constexpr Adesk::UInt16 kMaxReaders = 256;

std::wstring upper(const ACHAR* s) {
  std::wstring out;
  for (; s && *s; ++s) out += static_cast<wchar_t>(std::towupper(*s));
  return out;
}

int utf8Length(const ACHAR* s) {
  int n = 0;
  for (; s && *s; ++s) {
    unsigned c = static_cast<unsigned>(*s);
    n += c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
  }
  return n;
}

// Ids the object owns, found by filing it out.
AcDbObjectIdArray ownedIdsOf(const AcDbObject* obj) {
  vhost::MemoryDwgFiler filer(AcDb::kIdFiler, obj->database());
  obj->dwgOutFields(&filer);
  return filer.ownedIds();
}

// One application's section of an extended-data chain: [first, end).
struct XSection {
  const resbuf* first;
  const resbuf* end;
};

std::vector<XSection> splitSections(const resbuf* chain) {
  std::vector<XSection> out;
  for (const resbuf* rb = chain; rb; rb = rb->rbnext) {
    if (rb->restype == 1001) {
      if (!out.empty()) out.back().end = rb;
      out.push_back({rb, nullptr});
    }
  }
  return out;
}

resbuf* dupSection(const XSection& s) {
  resbuf* head = nullptr;
  resbuf** tail = &head;
  for (const resbuf* rb = s.first; rb != s.end; rb = rb->rbnext) {
    resbuf one = *rb;
    one.rbnext = nullptr;
    resbuf* copy = acutRbDup(&one);
    *tail = copy;
    tail = &copy->rbnext;
  }
  return head;
}

bool validXDataCode(int code) {
  if (code == 1001) return true;
  if (code < 1000 || code > 1071) return false;
  if ((code >= 1014 && code <= 1039) && code != 1010 && code != 1011 && code != 1012 && code != 1013) return false;
  if (code >= 1043 && code <= 1069) return false;
  return vhost::rbValueType(code) != vhost::RbValueType::kNone;
}

}  // namespace

int vhost::xdataSize(const resbuf* chain) {
  int size = 0;
  for (const resbuf* rb = chain; rb; rb = rb->rbnext) {
    size += 2;
    switch (rb->restype) {
      case 1001:
        size += 2;
        break;
      case 1004:
        size += rb->resval.rbinary.clen + 1;
        break;
      case 1005:
        size += 8;
        break;
      case 1070:
        size += 2;
        break;
      case 1071:
        size += 4;
        break;
      default:
        if (rb->restype >= 1010 && rb->restype <= 1013) {
          size += 24;
        } else if (rb->restype >= 1040 && rb->restype <= 1042) {
          size += 8;
        } else {
          size += utf8Length(rb->resval.rstring) + 2;
        }
    }
  }
  return size;
}

// --- construction ------------------------------------------------------------------

AcDbObject::AcDbObject() : mState(kNew) {}

AcDbObject::~AcDbObject() = default;

vhost::ObjectExtras& AcDbObject::extras() const {
  if (!mExtras) mExtras.reset(new vhost::ObjectExtras());
  return *mExtras;
}

AcDbObjectId AcDbObject::objectId() const { return AcDbObjectId(mStub); }

Acad::ErrorStatus AcDbObject::setOwnerId(AcDbObjectId owner) {
  mOwnerId = owner;
  return Acad::eOk;
}

AcDbDatabase* AcDbObject::database() const { return mStub ? mStub->database : nullptr; }

void AcDbObject::getAcDbHandle(AcDbHandle& handle) const { handle = this->handle(); }

AcDbHandle AcDbObject::handle() const { return mStub ? AcDbHandle(mStub->handle) : AcDbHandle(); }

bool AcDbObject::isErased() const { return mStub != nullptr && mStub->erased(); }

// --- open state ----------------------------------------------------------------------

bool AcDbObject::isReadEnabled() const {
  return mStub == nullptr || mReaders > 0 || (mState & (kOpenWrite | kNotifying)) != 0 || mNotifyOpens > 0;
}

bool AcDbObject::isWriteEnabled() const { return mStub == nullptr || (mState & kOpenWrite) != 0; }

bool AcDbObject::isNotifyEnabled() const { return mStub == nullptr || mNotifyOpens > 0 || (mState & kNotifying); }

void AcDbObject::assertWriteEnabled(bool, bool recordModified) {
  if (!isWriteEnabled()) throw Acad::eNotOpenForWrite;
  if (recordModified) mState |= kModified;
}

void AcDbObject::assertReadEnabled() const {
  if (!isReadEnabled()) throw Acad::eNotOpenForRead;
}

void AcDbObject::assertNotifyEnabled() const {
  if (!isReadEnabled()) throw Acad::eNotOpenForRead;
}

Acad::ErrorStatus vhostOpen(AcDbObject*& obj, AcDbObjectId id, AcDb::OpenMode mode, bool openErased) {
  obj = nullptr;
  if (id.isNull()) return Acad::eNullObjectId;
  vhost::Stub* stub = id.stub();
  if (stub->database == nullptr) return Acad::eInvalidObjectId;
  AcDbObject* o = stub->object;
  if (o == nullptr) return Acad::ePermanentlyErased;
  if (stub->erased() && !openErased) return Acad::eWasErased;
  switch (mode) {
    case AcDb::kForRead:
      if (o->mState & AcDbObject::kOpenWrite) return Acad::eWasOpenForWrite;
      if (o->mReaders >= kMaxReaders) return Acad::eAtMaxReaders;
      ++o->mReaders;
      break;
    case AcDb::kForWrite: {
      if (o->mState & AcDbObject::kNotifying) return Acad::eWasNotifying;
      if (o->mState & AcDbObject::kOpenWrite) return Acad::eWasOpenForWrite;
      if (o->mReaders > 0) return Acad::eWasOpenForRead;
      Acad::ErrorStatus es = o->subOpen(AcDb::kForWrite);
      if (es != Acad::eOk) return es;
      o->mState |= AcDbObject::kOpenWrite;
      if (o->mExtras)
        for (AcDbObjectReactor* r : std::vector<AcDbObjectReactor*>(o->mExtras->transientReactors))
          r->openedForModify(o);
      stub->database->notifyOpenedForModify(o);
      break;
    }
    case AcDb::kForNotify:
      if (o->mNotifyOpens == 255) return Acad::eAtMaxReaders;
      ++o->mNotifyOpens;
      break;
    default:
      return Acad::eInvalidOpenState;
  }
  obj = o;
  return Acad::eOk;
}

Acad::ErrorStatus acdbOpenAcDbObject(AcDbObject*& obj, AcDbObjectId id, AcDb::OpenMode mode, bool openErased) {
  return vhostOpen(obj, id, mode, openErased);
}

Acad::ErrorStatus acdbOpenObject(AcDbObject*& obj, AcDbObjectId id, AcDb::OpenMode mode, bool openErased) {
  return vhostOpen(obj, id, mode, openErased);
}

Acad::ErrorStatus AcDbObject::close() {
  if (mStub == nullptr) return Acad::eNotInDatabase;
  if (mState & kOpenWrite) {
    Acad::ErrorStatus es = subClose();
    mState &= static_cast<Adesk::UInt8>(~kOpenWrite);
    if (mState & (kModified | kModifiedXData | kErasedChanged)) {
      mState |= kNotifying;
      try {
        notifyChanged();
      } catch (...) {
        mState &= static_cast<Adesk::UInt8>(~(kNotifying | kModified | kModifiedXData | kErasedChanged));
        throw;
      }
      mState &= static_cast<Adesk::UInt8>(~kNotifying);
      if (mStub->database) mStub->database->setDbmod(mStub->database->dbmod() | 1);
    }
    mState &= static_cast<Adesk::UInt8>(~(kModified | kModifiedXData | kErasedChanged | kNew));
    if (mExtras)
      for (AcDbObjectReactor* r : std::vector<AcDbObjectReactor*>(mExtras->transientReactors))
        r->objectClosed(objectId());
    return es;
  }
  if (mReaders > 0) {
    --mReaders;
    return Acad::eOk;
  }
  if (mNotifyOpens > 0) {
    --mNotifyOpens;
    return Acad::eOk;
  }
  return Acad::eNotOpenForRead;
}

// Calls f(reactorObject) for each persistent reactor that can hear it, with
// the reactor opened for notify.
void AcDbObject::forEachPersistentReactor(const vhost::ObjectExtras* extras,
                                          const std::function<void(AcDbObject*)>& f) {
  if (extras == nullptr) return;
  for (AcDbObjectId id : std::vector<AcDbObjectId>(extras->persistentReactors)) {
    if (id.isNull() || id.stub()->database == nullptr || id.isErased()) continue;
    AcDbObject* reactor = nullptr;
    if (acdbOpenObject(reactor, id, AcDb::kForNotify) != Acad::eOk) continue;
    f(reactor);
    // Ends this notify opening only, even when the reactor is also open for
    // write elsewhere (a group being edited hears of its members).
    --reactor->mNotifyOpens;
  }
}

void AcDbObject::notifyChanged() {
  AcDbDatabase* db = database();
  std::vector<AcDbObjectReactor*> transients;
  if (mExtras) transients = mExtras->transientReactors;
  if (mState & kErasedChanged) {
    const bool erasing = isErased();
    for (AcDbObjectReactor* r : transients) r->erased(this, erasing);
    forEachPersistentReactor(mExtras.get(), [&](AcDbObject* r) { r->erased(this, erasing); });
    if (db) db->notifyErased(this, erasing);
  }
  if (mState & kModifiedXData) {
    for (AcDbObjectReactor* r : transients) r->modifiedXData(this);
    forEachPersistentReactor(mExtras.get(), [&](AcDbObject* r) { r->modifiedXData(this); });
  }
  if (mState & (kModified | kModifiedXData)) {
    for (AcDbObjectReactor* r : transients) r->modified(this);
    forEachPersistentReactor(mExtras.get(), [&](AcDbObject* r) { r->modified(this); });
    if (db) db->notifyModified(this);
    if (propagatesModifyToOwner()) xmitPropagateModify();
  }
}

void AcDbObject::xmitPropagateModify() const {
  if (mOwnerId.isNull() || !mOwnerId.isValid() || !mOwnerId.isResident()) return;
  AcDbObject* owner = mOwnerId.stub()->object;
  std::vector<AcDbObjectReactor*> transients;
  if (owner->mExtras) transients = owner->mExtras->transientReactors;
  for (AcDbObjectReactor* r : transients) r->subObjModified(owner, this);
  ++owner->mNotifyOpens;
  forEachPersistentReactor(owner->mExtras.get(), [&](AcDbObject* r) { r->subObjModified(owner, this); });
  --owner->mNotifyOpens;
}

Acad::ErrorStatus AcDbObject::upgradeOpen() {
  if (mStub == nullptr) return Acad::eNotInDatabase;
  if (mState & kOpenWrite) return Acad::eWasOpenForWrite;
  if (mReaders != 1) return mReaders == 0 ? Acad::eNotOpenForRead : Acad::eHadMultipleReaders;
  if (mState & kNotifying) return Acad::eWasNotifying;
  Acad::ErrorStatus es = subOpen(AcDb::kForWrite);
  if (es != Acad::eOk) return es;
  mReaders = 0;
  mState |= kOpenWrite;
  if (database()) database()->notifyOpenedForModify(this);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbObject::downgradeOpen() {
  if (mStub == nullptr) return Acad::eNotInDatabase;
  if (!(mState & kOpenWrite)) return Acad::eNotOpenForWrite;
  // Closing the write opening delivers its notifications; the object stays open for read.
  Acad::ErrorStatus es = close();
  ++mReaders;
  return es;
}

Acad::ErrorStatus AcDbObject::subOpen(AcDb::OpenMode) { return Acad::eOk; }
Acad::ErrorStatus AcDbObject::subClose() { return Acad::eOk; }
Acad::ErrorStatus AcDbObject::subErase(Adesk::Boolean) { return Acad::eOk; }

// --- identity transfer ------------------------------------------------------------------

Acad::ErrorStatus AcDbObject::handOverTo(AcDbObject* newObject, bool keepXData, bool keepExtDict) {
  if (newObject == nullptr) return Acad::eNullObjectPointer;
  if (newObject == this) return Acad::eInvalidInput;
  if (mStub == nullptr) return Acad::eNotInDatabase;
  if (newObject->mStub != nullptr) return Acad::eAlreadyInDb;
  if (!(mState & kOpenWrite)) return Acad::eNotOpenForWrite;
  if (mReaders > 0 || mNotifyOpens > 0 || (mState & kNotifying)) return Acad::eWasNotifying;
  const AcDbObjectIdArray ownedBefore = ownedIdsOf(this);
  vhost::Stub* stub = mStub;
  stub->object = newObject;
  newObject->mStub = stub;
  newObject->mOwnerId = mOwnerId;
  newObject->mState = static_cast<Adesk::UInt8>(kOpenWrite | kModified);
  if (mExtras) {
    vhost::ObjectExtras& to = newObject->extras();
    to.persistentReactors = mExtras->persistentReactors;
    to.transientReactors = mExtras->transientReactors;
    if (keepXData) {
      acutRelRb(to.xdata);
      to.xdata = mExtras->xdata;
      mExtras->xdata = nullptr;
    }
    if (keepExtDict) {
      to.extensionDictionary = mExtras->extensionDictionary;
      mExtras->extensionDictionary.setNull();
    }
  }
  mStub = nullptr;
  mOwnerId.setNull();
  mState = 0;
  // What only the old object owned (its sub-objects, a dropped dictionary) goes.
  const AcDbObjectIdArray ownedAfter = ownedIdsOf(newObject);
  for (const AcDbObjectId& id : ownedBefore) {
    if (ownedAfter.contains(id) || id.isErased()) continue;
    AcDbObject* orphan = nullptr;
    if (acdbOpenObject(orphan, id, AcDb::kForWrite, true) != Acad::eOk) continue;
    orphan->erase();
    orphan->close();
  }
  return Acad::eObjectToBeDeleted;
}

// --- erasing ---------------------------------------------------------------------------

Acad::ErrorStatus AcDbObject::erase(bool erasing) {
  if (mStub == nullptr) return Acad::eNotInDatabase;
  if (!(mState & kOpenWrite)) return Acad::eNotOpenForWrite;
  if (erasing == isErased()) return erasing ? Acad::eWasErased : Acad::eWasNotErased;
  Acad::ErrorStatus es = subErase(erasing);
  if (es != Acad::eOk) return es;
  if (erasing)
    mStub->flags |= vhost::Stub::kErased;
  else
    mStub->flags &= ~static_cast<std::uint32_t>(vhost::Stub::kErased);
  mState ^= kErasedChanged;
  // What the object owns goes and comes back with it.
  for (AcDbObjectId owned : ownedIdsOf(this)) {
    if (owned.isErased() == erasing) continue;
    AcDbObject* child = nullptr;
    if (acdbOpenObject(child, owned, AcDb::kForWrite, true) != Acad::eOk) continue;
    child->erase(erasing);
    child->close();
  }
  return Acad::eOk;
}

// --- extended data ---------------------------------------------------------------------

resbuf* AcDbObject::xData(const ACHAR* regappName) const {
  assertReadEnabled();
  if (!mExtras || mExtras->xdata == nullptr) return nullptr;
  if (regappName == nullptr) return acutRbDup(mExtras->xdata);
  const std::wstring want = upper(regappName);
  for (const XSection& s : splitSections(mExtras->xdata))
    if (upper(s.first->resval.rstring) == want) return dupSection(s);
  return nullptr;
}

Acad::ErrorStatus AcDbObject::setXData(const resbuf* xdata) {
  if (!isWriteEnabled()) return Acad::eNotOpenForWrite;
  if (xdata == nullptr) return Acad::eOk;
  if (xdata->restype != 1001) return Acad::eInvalidResBuf;
  // Check the whole chain before changing anything.
  AcDbDatabase* db = database();
  for (const resbuf* rb = xdata; rb; rb = rb->rbnext) {
    if (!validXDataCode(rb->restype)) return Acad::eInvalidResBuf;
    if (vhost::rbHoldsString(rb->restype) && rb->resval.rstring == nullptr) return Acad::eInvalidResBuf;
    if (rb->restype == 1001) {
      if (rb->resval.rstring[0] == 0) return Acad::eInvalidResBuf;
      if (db && db->regAppId(rb->resval.rstring).isNull()) return Acad::eRegappIdNotFound;
    }
    if (rb->restype == 1002 && std::wstring(rb->resval.rstring) != L"{" && std::wstring(rb->resval.rstring) != L"}")
      return Acad::eInvalidResBuf;
  }
  // New sections replace old ones of the same application; others keep their order.
  std::vector<XSection> oldSections = mExtras ? splitSections(mExtras->xdata) : std::vector<XSection>();
  std::vector<XSection> newSections = splitSections(xdata);
  std::map<std::wstring, const XSection*> incoming;
  for (const XSection& s : newSections) incoming[upper(s.first->resval.rstring)] = &s;
  resbuf* merged = nullptr;
  resbuf** tail = &merged;
  auto appendSection = [&](const XSection& s) {
    if (s.first->rbnext == s.end) return;  // an application with no data loses its data
    resbuf* copy = dupSection(s);
    *tail = copy;
    while (*tail) tail = &(*tail)->rbnext;
  };
  for (const XSection& s : oldSections) {
    auto it = incoming.find(upper(s.first->resval.rstring));
    if (it == incoming.end()) {
      appendSection(s);
    } else if (it->second) {
      appendSection(*it->second);
      it->second = nullptr;
    }
  }
  for (const XSection& s : newSections) {
    auto it = incoming.find(upper(s.first->resval.rstring));
    if (it != incoming.end() && it->second == &s) {
      appendSection(s);
      it->second = nullptr;
    }
  }
  // Application names read back as they are registered.
  if (db) {
    for (resbuf* rb = merged; rb; rb = rb->rbnext) {
      if (rb->restype != 1001) continue;
      AcDbObjectId appId = db->regAppId(rb->resval.rstring);
      const AcDbSymbolTableRecord* app = AcDbSymbolTableRecord::cast(appId.isResident() ? appId.stub()->object : nullptr);
      if (app) acutUpdString(app->vhostName().c_str(), rb->resval.rstring);
    }
  }
  if (vhost::xdataSize(merged) > kMaxXDataSize) {
    acutRelRb(merged);
    return Acad::eXdataSizeExceeded;
  }
  acutRelRb(extras().xdata);
  extras().xdata = merged;
  mState |= kModifiedXData;
  return Acad::eOk;
}

int AcDbObject::xDataSize() const { return mExtras ? vhost::xdataSize(mExtras->xdata) : 0; }

// --- extension dictionary -----------------------------------------------------------

Acad::ErrorStatus AcDbObject::createExtensionDictionary() {
  AcDbDatabase* db = database();
  if (db == nullptr) return Acad::eNoDatabase;
  if (!(mState & kOpenWrite)) return Acad::eNotOpenForWrite;
  if (!extensionDictionary().isNull() && !extensionDictionary().isErased()) return Acad::eAlreadyInDb;
  AcDbDictionary* dict = new AcDbDictionary();
  AcDbObjectId id;
  Acad::ErrorStatus es = db->addAcDbObject(id, dict);
  if (es != Acad::eOk) {
    delete dict;
    return es;
  }
  dict->setOwnerId(objectId());
  dict->addPersistentReactor(objectId());
  dict->close();
  extras().extensionDictionary = id;
  mState |= kModified;
  return Acad::eOk;
}

AcDbObjectId AcDbObject::extensionDictionary() const {
  return mExtras ? mExtras->extensionDictionary : AcDbObjectId::kNull;
}

Acad::ErrorStatus AcDbObject::releaseExtensionDictionary() {
  if (!(mState & kOpenWrite) && mStub) return Acad::eNotOpenForWrite;
  AcDbObjectId id = extensionDictionary();
  if (id.isNull()) return Acad::eOk;
  AcDbDictionary* dict = nullptr;
  Acad::ErrorStatus es = acdbOpenObject(dict, id, AcDb::kForWrite, true);
  if (es != Acad::eOk) return es;
  if (dict->numEntries() > 0) {
    dict->close();
    return Acad::eContainerNotEmpty;
  }
  if (!dict->isErased()) dict->erase();
  dict->close();
  extras().extensionDictionary.setNull();
  mState |= kModified;
  return Acad::eOk;
}

// --- reactors ----------------------------------------------------------------------

void AcDbObject::addReactor(AcDbObjectReactor* reactor) const {
  if (reactor == nullptr) return;
  auto& list = extras().transientReactors;
  if (std::find(list.begin(), list.end(), reactor) == list.end()) list.push_back(reactor);
}

void AcDbObject::removeReactor(AcDbObjectReactor* reactor) const {
  if (!mExtras) return;
  auto& list = mExtras->transientReactors;
  list.erase(std::remove(list.begin(), list.end(), reactor), list.end());
}

void AcDbObject::addPersistentReactor(AcDbObjectId reactorId) {
  assertWriteEnabled();
  if (reactorId.isNull()) return;
  auto& list = extras().persistentReactors;
  if (std::find(list.begin(), list.end(), reactorId) == list.end()) list.push_back(reactorId);
}

Acad::ErrorStatus AcDbObject::removePersistentReactor(AcDbObjectId reactorId) {
  assertWriteEnabled();
  if (!mExtras) return Acad::eKeyNotFound;
  auto& list = mExtras->persistentReactors;
  auto it = std::find(list.begin(), list.end(), reactorId);
  if (it == list.end()) return Acad::eKeyNotFound;
  list.erase(it);
  return Acad::eOk;
}

bool AcDbObject::hasPersistentReactor(AcDbObjectId reactorId) const {
  if (!mExtras) return false;
  const auto& list = mExtras->persistentReactors;
  return std::find(list.begin(), list.end(), reactorId) != list.end();
}

AcDbObjectIdArray AcDbObject::getPersistentReactors() const {
  AcDbObjectIdArray out;
  if (mExtras)
    for (AcDbObjectId id : mExtras->persistentReactors) out.append(id);
  return out;
}

// Persistent reactors appear in the reactor list as their stub address with
// the lowest bit set; stubs are aligned, transient reactors are objects.
const AcArray<void*>* AcDbObject::reactors() const {
  vhost::ObjectExtras& x = extras();
  x.reactorView.removeAll();
  for (AcDbObjectReactor* r : x.transientReactors) x.reactorView.append(r);
  for (AcDbObjectId id : x.persistentReactors)
    x.reactorView.append(reinterpret_cast<void*>(reinterpret_cast<std::uintptr_t>(id.stub()) | 1u));
  return &x.reactorView;
}

bool acdbIsPersistentReactor(const void* reactor) {
  return (reinterpret_cast<std::uintptr_t>(reactor) & 1u) != 0;
}

AcDbObjectId acdbPersistentReactorObjectId(const void* reactor) {
  if (!acdbIsPersistentReactor(reactor)) return AcDbObjectId::kNull;
  return AcDbObjectId(reinterpret_cast<vhost::Stub*>(reinterpret_cast<std::uintptr_t>(reactor) & ~std::uintptr_t(1)));
}

void AcDbObject::cancelled(const AcDbObject*) {}
void AcDbObject::copied(const AcDbObject*, const AcDbObject*) {}
void AcDbObject::erased(const AcDbObject*, Adesk::Boolean) {}
void AcDbObject::goodbye(const AcDbObject*) {}
void AcDbObject::openedForModify(const AcDbObject*) {}
void AcDbObject::modified(const AcDbObject*) {}
void AcDbObject::subObjModified(const AcDbObject*, const AcDbObject*) {}
void AcDbObject::modifyUndone(const AcDbObject*) {}
void AcDbObject::modifiedXData(const AcDbObject*) {}
void AcDbObject::unappended(const AcDbObject*) {}
void AcDbObject::reappended(const AcDbObject*) {}
void AcDbObject::objectClosed(const AcDbObjectId) {}

// --- filing ------------------------------------------------------------------------
// The object's own part: its extension dictionary (owned) and, when filing
// to a file or snapshot, its persistent reactors. Clones do not inherit
// reactors: the cloning code re-attaches those whose reactor was cloned too.

namespace {
bool filesReactors(AcDb::FilerType t) {
  return t == AcDb::kFileFiler || t == AcDb::kUndoFiler || t == AcDb::kPageFiler || t == AcDb::kIdFiler;
}
}  // namespace

Acad::ErrorStatus AcDbObject::dwgOutFields(AcDbDwgFiler* filer) const {
  filer->writeHardOwnershipId(extensionDictionary());
  if (filesReactors(filer->filerType())) {
    const auto count = mExtras ? mExtras->persistentReactors.size() : 0;
    filer->writeInt32(static_cast<Adesk::Int32>(count));
    for (size_t i = 0; i < count; ++i) filer->writeSoftPointerId(mExtras->persistentReactors[i]);
  }
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbObject::dwgInFields(AcDbDwgFiler* filer) {
  assertWriteEnabled();
  AcDbHardOwnershipId dict;
  filer->readHardOwnershipId(&dict);
  if (!dict.isNull() || mExtras) extras().extensionDictionary = dict;
  if (filesReactors(filer->filerType())) {
    Adesk::Int32 count = 0;
    filer->readInt32(&count);
    if (count < 0) return Acad::eFilerError;
    std::vector<AcDbObjectId> list;
    for (Adesk::Int32 i = 0; i < count && filer->filerStatus() == Acad::eOk; ++i) {
      AcDbSoftPointerId id;
      filer->readSoftPointerId(&id);
      if (!id.isNull()) list.push_back(id);
    }
    if (!list.empty() || mExtras) extras().persistentReactors = list;
  }
  return filer->filerStatus();
}

// DXF: the handle (105 for dimension styles), the persistent reactors in a
// {ACAD_REACTORS group, the extension dictionary in a {ACAD_XDICTIONARY
// group, the owner; other application groups (102 {NAME ... }) are kept as
// they were read. The framework assigns the handle when reading.
Acad::ErrorStatus AcDbObject::dxfInFields(AcDbDxfFiler* filer) {
  assertWriteEnabled();
  enum { kNoGroup, kReactors, kXDictionary, kOtherGroup } group = kNoGroup;
  std::vector<AcDbObjectId> reactors;
  bool sawReactors = false;
  AcDbObjectId xdict, owner;
  bool sawOwner = false;
  resbuf* keptHead = nullptr;
  resbuf** keptTail = &keptHead;
  auto keep = [&](const resbuf& rb) {
    resbuf one = rb;
    one.rbnext = nullptr;
    if (resbuf* copy = acutRbDup(&one)) {
      *keptTail = copy;
      keptTail = &copy->rbnext;
    }
  };
  auto release = [](resbuf& rb) {
    switch (vhost::rbValueType(rb.restype)) {
      case vhost::RbValueType::kString:
      case vhost::RbValueType::kHandle:
        delete[] rb.resval.rstring;
        break;
      case vhost::RbValueType::kBinary:
        delete[] rb.resval.rbinary.buf;
        break;
      default:
        break;
    }
  };
  resbuf rb;
  Acad::ErrorStatus es;
  while ((es = filer->readResBuf(&rb)) == Acad::eOk) {
    AcDbObjectId id;
    switch (rb.restype) {
      case 5:
      case 105:
        break;  // the handle: the framework gave it already
      case 102: {
        const std::wstring text = rb.resval.rstring ? rb.resval.rstring : L"";
        if (group == kNoGroup && text == L"{ACAD_REACTORS") {
          group = kReactors;
          sawReactors = true;
        } else if (group == kNoGroup && text == L"{ACAD_XDICTIONARY") {
          group = kXDictionary;
        } else if (text == L"}" && (group == kReactors || group == kXDictionary)) {
          group = kNoGroup;
        } else {
          group = text == L"}" ? kNoGroup : kOtherGroup;
          keep(rb);
        }
        break;
      }
      case 330:
        acdbGetObjectId(id, rb.resval.rlname);
        if (group == kReactors) {
          if (!id.isNull()) reactors.push_back(id);
        } else if (group == kOtherGroup) {
          keep(rb);
        } else {
          owner = id;
          sawOwner = true;
        }
        break;
      case 360:
        acdbGetObjectId(id, rb.resval.rlname);
        if (group == kXDictionary)
          xdict = id;
        else
          keep(rb);
        break;
      default:
        keep(rb);
    }
    release(rb);
  }
  if (es != Acad::eEndOfObject) {
    acutRelRb(keptHead);
    return es;
  }
  if (sawOwner) mOwnerId = owner;
  if (sawReactors || (mExtras && !mExtras->persistentReactors.empty())) extras().persistentReactors = reactors;
  if (!xdict.isNull() || (mExtras && !mExtras->extensionDictionary.isNull())) extras().extensionDictionary = xdict;
  vhostSetDxfKept(L"", keptHead);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbObject::dxfOutFields(AcDbDxfFiler* filer) const {
  assertReadEnabled();
  const AcDbHandle h = handle();
  if (!h.isNull()) {
    const AcRxClass* cls = isA();
    const bool dimStyle = cls && cls->dxfName() && std::wstring(cls->dxfName()) == L"DIMSTYLE";
    filer->writeAcDbHandle(dimStyle ? 105 : 5, h);
  }
  // References to objects that are gone are not written.
  auto live = [](AcDbObjectId id) { return !id.isNull() && !id.isErased() && (id.database() == nullptr || id.isResident()); };
  if (mExtras && !mExtras->persistentReactors.empty()) {
    bool any = false;
    for (AcDbObjectId id : mExtras->persistentReactors) any = any || live(id);
    if (any) {
      filer->writeString(102, L"{ACAD_REACTORS");
      for (AcDbObjectId id : mExtras->persistentReactors)
        if (live(id)) filer->writeObjectId(330, id);
      filer->writeString(102, L"}");
    }
  }
  const AcDbObjectId xdict = extensionDictionary();
  if (live(xdict)) {
    filer->writeString(102, L"{ACAD_XDICTIONARY");
    filer->writeObjectId(360, xdict);
    filer->writeString(102, L"}");
  }
  filer->writeObjectId(330, mOwnerId);
  for (const resbuf* rb = vhostDxfKept(L""); rb; rb = rb->rbnext) filer->writeResBuf(*rb);
  return filer->filerStatus();
}

// --- kept DXF groups -------------------------------------------------------------------

void AcDbObject::vhostSetDxfKept(const std::wstring& subclass, resbuf* groups) {
  if (!mExtras && groups == nullptr) return;
  auto& kept = extras().dxfKept;
  for (auto it = kept.begin(); it != kept.end(); ++it) {
    if (it->first != subclass) continue;
    acutRelRb(it->second);
    if (groups)
      it->second = groups;
    else
      kept.erase(it);
    return;
  }
  if (groups) kept.emplace_back(subclass, groups);
}

const resbuf* AcDbObject::vhostDxfKept(const std::wstring& subclass) const {
  if (!mExtras) return nullptr;
  for (const auto& entry : mExtras->dxfKept)
    if (entry.first == subclass) return entry.second;
  return nullptr;
}

void AcDbObject::vhostCopyExtrasFrom(const AcDbObject* other) {
  if (other == nullptr || other == this || !other->mExtras) return;
  if (other->mExtras->xdata) {
    acutRelRb(extras().xdata);
    extras().xdata = acutRbDup(other->mExtras->xdata);
  }
  for (const auto& entry : other->mExtras->dxfKept) vhostSetDxfKept(entry.first, acutRbDup(entry.second));
}

// --- copying -------------------------------------------------------------------------

AcRxObject* AcDbObject::clone() const {
  AcRxObject* made = isA()->create();
  AcDbObject* copy = AcDbObject::cast(made);
  if (copy == nullptr) {
    delete made;
    return nullptr;
  }
  vhost::MemoryDwgFiler filer(AcDb::kCopyFiler, database());
  if (dwgOutFields(&filer) != Acad::eOk || (filer.rewind(), copy->dwgInFields(&filer)) != Acad::eOk) {
    delete copy;
    return nullptr;
  }
  copy->vhostCopyExtrasFrom(this);
  // A free-standing copy owns nothing yet.
  if (copy->mExtras) copy->mExtras->extensionDictionary.setNull();
  return copy;
}

Acad::ErrorStatus AcDbObject::copyFrom(const AcRxObject* other) {
  const AcDbObject* src = AcDbObject::cast(other);
  if (src == nullptr || src->isA() != isA()) return Acad::eWrongObjectType;
  if (!isWriteEnabled()) return Acad::eNotOpenForWrite;
  vhost::MemoryDwgFiler filer(AcDb::kCopyFiler, database());
  Acad::ErrorStatus es = src->dwgOutFields(&filer);
  if (es != Acad::eOk) return es;
  filer.rewind();
  AcDbObjectId keepDict = extensionDictionary();
  es = dwgInFields(&filer);
  if (mExtras) mExtras->extensionDictionary = keepDict;
  return es;
}
