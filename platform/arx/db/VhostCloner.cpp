#include "arx/db/VhostCloner.h"

#include <string>
#include <vector>

#include "arx/base/Resbuf.h"
#include "arx/db/AcDbBlockTable.h"
#include "arx/db/AcDbDatabase.h"
#include "arx/db/AcDbDictionary.h"
#include "arx/db/AcDbEntity.h"
#include "arx/db/AcDbRegAppTable.h"
#include "arx/db/AcDbSymbolTable.h"
#include "arx/db/VhostMemoryFiler.h"
#include "arx/db/VhostObjectExtras.h"
#include "arx/db/VhostStub.h"

namespace vhost {

namespace {

AcDbObject* resident(AcDbObjectId id) {
  return (id.isNull() || id.database() == nullptr) ? nullptr : id.stub()->object;
}

}  // namespace

// Reads an object for the cloner's own use, whatever openings others hold.
class ReadScope {
 public:
  explicit ReadScope(const AcDbObject* obj) : mObj(const_cast<AcDbObject*>(obj)) {
    if (mObj) ++mObj->mReaders;
  }
  ~ReadScope() {
    if (mObj) --mObj->mReaders;
  }
  ReadScope(const ReadScope&) = delete;
  ReadScope& operator=(const ReadScope&) = delete;

 private:
  AcDbObject* mObj;
};

namespace {

std::wstring recordName(const AcDbSymbolTableRecord* rec) { return rec->vhostName(); }

std::wstring keyInOwner(AcDbObjectId id) {
  AcDbDictionary* dict = AcDbDictionary::cast(resident(resident(id) ? resident(id)->ownerId() : AcDbObjectId()));
  std::wstring key;
  if (dict == nullptr) return key;
  ReadScope scope(dict);
  dict->nameAt(id, key);
  return key;
}

}  // namespace

// Opens an object for write for the cloner's own use: no lock checks and no
// notifications, since the clone is not finished yet.
class WriteScope {
 public:
  explicit WriteScope(AcDbObject* obj) : mObj(obj), mWasOpen(obj && (obj->mState & AcDbObject::kOpenWrite)) {
    if (mObj && !mWasOpen) {
      mSavedReaders = mObj->mReaders;
      mObj->mReaders = 0;
      mObj->mState |= AcDbObject::kOpenWrite;
    }
  }
  ~WriteScope() {
    if (mObj && !mWasOpen) {
      mObj->mState &= static_cast<Adesk::UInt8>(~(AcDbObject::kOpenWrite | AcDbObject::kModified |
                                                   AcDbObject::kModifiedXData | AcDbObject::kNew));
      mObj->mReaders = mSavedReaders;
    }
  }
  WriteScope(const WriteScope&) = delete;
  WriteScope& operator=(const WriteScope&) = delete;

 private:
  AcDbObject* mObj;
  bool mWasOpen;
  Adesk::UInt16 mSavedReaders = 0;
};

AcDbObjectId Cloner::mapped(AcDbObjectId id) const {
  AcDbIdPair pair(id, AcDbObjectId(), false);
  return mMap.compute(pair) ? pair.value() : AcDbObjectId();
}

Acad::ErrorStatus Cloner::run(const AcDbObjectIdArray& ids, AcDbObjectId owner, bool deferTranslation) {
  AcDbObject* ownerObj = resident(owner);
  if (ownerObj == nullptr) return Acad::eNullObjectId;
  mDest = owner.database();
  mMap.setDestDb(mDest);
  if (!ids.isEmpty()) mMap.setOrigDb(ids[0].database());
  Acad::ErrorStatus result = Acad::eOk;
  for (const AcDbObjectId& id : ids) {
    if (cloneObject(id, owner, true).isNull() && result == Acad::eOk) result = Acad::eInvalidInput;
  }
  if (!deferTranslation) {
    Acad::ErrorStatus es = translate();
    if (result == Acad::eOk) result = es;
  }
  return result;
}

AcDbObjectId Cloner::cloneObject(AcDbObjectId sourceId, AcDbObjectId owner, bool primary) {
  AcDbIdPair known(sourceId, AcDbObjectId(), false);
  if (mMap.compute(known)) {
    if (primary && !known.isPrimary()) {
      known.setIsPrimary(true);
      mMap.change(known);
    }
    return known.value();
  }
  AcDbObject* source = resident(sourceId);
  AcDbObject* ownerObj = resident(owner);
  if (source == nullptr || sourceId.isErased() || ownerObj == nullptr) return AcDbObjectId();
  if (mDest == nullptr) mDest = owner.database();

  AcDbObject* copy = AcDbObject::cast(source->isA()->create());
  if (copy == nullptr) return AcDbObjectId();
  MemoryDwgFiler filer(mAcross ? AcDb::kWblockCloneFiler : AcDb::kDeepCloneFiler, sourceId.database());
  Acad::ErrorStatus es;
  {
    ReadScope scope(source);
    es = source->dwgOutFields(&filer);
  }
  if (es == Acad::eOk) {
    filer.rewind();
    es = copy->dwgInFields(&filer);
  }
  if (es != Acad::eOk) {
    delete copy;
    return AcDbObjectId();
  }
  if (source->mExtras)
    for (const auto& kept : source->mExtras->dxfKept) copy->vhostSetDxfKept(kept.first, acutRbDup(kept.second));
  if (source->mExtras && source->mExtras->xdata) {
    copy->extras().xdata = acutRbDup(source->mExtras->xdata);
    if (mAcross) {
      // Applications of the extended data are registered in the destination.
      for (const resbuf* rb = copy->mExtras->xdata; rb; rb = rb->rbnext) {
        if (rb->restype != 1001 || !mDest->regAppId(rb->resval.rstring).isNull()) continue;
        AcDbRegAppTable* apps = nullptr;
        if (mDest->getRegAppTable(apps, AcDb::kForWrite) != Acad::eOk) continue;
        auto* app = new AcDbRegAppTableRecord();
        app->setName(rb->resval.rstring);
        AcDbObjectId appId;
        if (apps->add(appId, app) == Acad::eOk)
          app->close();
        else
          delete app;
        apps->close();
      }
    }
  }

  // Put the copy where it belongs. A primary object goes into its new owner's
  // container; an owned one is already listed (by its source id) in its
  // owner's clone, which translation fixes.
  AcDbObjectId newId;
  WriteScope ownerScope(ownerObj);
  if (primary && AcDbBlockTableRecord::cast(ownerObj) && AcDbEntity::cast(copy)) {
    es = AcDbBlockTableRecord::cast(ownerObj)->appendAcDbEntity(newId, AcDbEntity::cast(copy));
  } else if (primary && AcDbDictionary::cast(ownerObj)) {
    AcDbDictionary* dict = AcDbDictionary::cast(ownerObj);
    std::wstring key = keyInOwner(sourceId);
    if (key.empty()) key = L"*";
    std::wstring unique = key;
    for (int n = 1; dict->has(unique.c_str()); ++n) unique = key + L"$" + std::to_wstring(n);
    es = dict->setAt(unique.c_str(), copy, newId);
  } else if (primary && AcDbSymbolTable::cast(ownerObj) && AcDbSymbolTableRecord::cast(copy)) {
    AcDbSymbolTable* table = AcDbSymbolTable::cast(ownerObj);
    AcDbSymbolTableRecord* rec = AcDbSymbolTableRecord::cast(copy);
    std::wstring name = recordName(rec);
    if (!name.empty() && name[0] != L'*' && table->has(name.c_str())) {
      std::wstring unique = name;
      for (int n = 1; table->has(unique.c_str()); ++n) unique = name + L"$" + std::to_wstring(n);
      rec->setName(unique.c_str());
    }
    es = table->add(newId, rec);
  } else {
    es = mDest->addAcDbObject(newId, copy);
    if (es == Acad::eOk) copy->setOwnerId(owner);
  }
  if (es != Acad::eOk) {
    if (copy->mStub == nullptr) delete copy;
    return AcDbObjectId();
  }
  copy->mState &= static_cast<Adesk::UInt8>(~(AcDbObject::kOpenWrite | AcDbObject::kModified |
                                               AcDbObject::kModifiedXData | AcDbObject::kNew));
  mMap.assign(AcDbIdPair(sourceId, newId, true, primary, true));
  if (source->mExtras)
    for (AcDbObjectReactor* r : std::vector<AcDbObjectReactor*>(source->mExtras->transientReactors))
      r->copied(source, copy);

  for (const AcDbObjectId& owned : filer.ownedIds()) cloneObject(owned, newId, false);
  return newId;
}

AcDbObjectId Cloner::destinationContainer(AcDbObjectId sourceContainer) {
  AcDbDatabase* src = sourceContainer.database();
  if (src == nullptr || mDest == nullptr) return AcDbObjectId();
  if (sourceContainer == src->namedObjectsDictionaryId()) return mDest->namedObjectsDictionaryId();
  AcDbObject* container = resident(sourceContainer);
  if (container == nullptr || container->ownerId() != src->namedObjectsDictionaryId()) return AcDbObjectId();
  std::wstring key = keyInOwner(sourceContainer);
  if (key.empty()) return AcDbObjectId();
  AcDbDictionary* nod = AcDbDictionary::cast(resident(mDest->namedObjectsDictionaryId()));
  if (nod == nullptr) return AcDbObjectId();
  AcDbObjectId id;
  WriteScope scope(nod);
  if (nod->getAt(key.c_str(), id) == Acad::eOk) return id;
  auto* dict = new AcDbDictionary();
  if (nod->setAt(key.c_str(), dict, id) != Acad::eOk) {
    delete dict;
    return AcDbObjectId();
  }
  dict->close();
  return id;
}

AcDbObjectId Cloner::resolveReference(AcDbObjectId sourceId) {
  AcDbObject* source = resident(sourceId);
  if (source == nullptr || mDest == nullptr) return AcDbObjectId();
  const bool replace = mMap.duplicateRecordCloning() == AcDb::kDrcReplace;
  if (AcDbSymbolTableRecord* rec = AcDbSymbolTableRecord::cast(source)) {
    // The table of the same kind in the destination.
    AcRxClass* tableClass = resident(source->ownerId()) ? resident(source->ownerId())->isA() : nullptr;
    AcDbObjectId tables[] = {mDest->blockTableId(),     mDest->layerTableId(),  mDest->linetypeTableId(),
                             mDest->textStyleTableId(), mDest->regAppTableId(), mDest->dimStyleTableId()};
    for (AcDbObjectId tableId : tables) {
      AcDbSymbolTable* table = AcDbSymbolTable::cast(resident(tableId));
      if (table == nullptr || table->isA() != tableClass) continue;
      std::wstring name = recordName(rec);
      AcDbObjectId existing;
      ReadScope tableScope(table);
      if (table->getAt(name.c_str(), existing) != Acad::eOk) return cloneObject(sourceId, tableId, true);
      AcDbObject* target = resident(existing);
      if (replace && AcDbBlockTableRecord::cast(rec) == nullptr && target != nullptr && target->isA() == rec->isA()) {
        // The destination's record takes the source's properties; translation
        // then fixes the ids it holds.
        MemoryDwgFiler filer(AcDb::kWblockCloneFiler, sourceId.database());
        {
          ReadScope scope(rec);
          rec->dwgOutFields(&filer);
        }
        WriteScope scope(target);
        AcDbObjectId keepDict = target->extensionDictionary();
        filer.rewind();
        if (target->dwgInFields(&filer) == Acad::eOk) {
          if (target->mExtras) target->mExtras->extensionDictionary = keepDict;
          mMap.assign(AcDbIdPair(sourceId, existing, true, false, true));
          return existing;
        }
      }
      mMap.assign(AcDbIdPair(sourceId, existing, false, false, true));
      return existing;
    }
    return AcDbObjectId();
  }
  AcDbObjectId container = destinationContainer(source->ownerId());
  if (container.isNull()) return AcDbObjectId();
  AcDbDictionary* dict = AcDbDictionary::cast(resident(container));
  std::wstring key = keyInOwner(sourceId);
  AcDbObjectId existing;
  ReadScope dictScope(dict);
  if (dict && !key.empty() && dict->getAt(key.c_str(), existing) == Acad::eOk) {
    mMap.assign(AcDbIdPair(sourceId, existing, false, false, true));
    return existing;
  }
  return cloneObject(sourceId, container, true);
}

Acad::ErrorStatus Cloner::translate() {
  // Clones made while translating (referenced symbols) are translated too.
  std::vector<AcDbObjectId> done;
  bool more = true;
  while (more) {
    more = false;
    std::vector<AcDbIdPair> pending;
    for (const auto& entry : mMap.pairs())
      if (entry.second.isCloned()) pending.push_back(entry.second);
    for (const AcDbIdPair& pair : pending) {
      bool seen = false;
      for (const AcDbObjectId& d : done)
        if (d == pair.key()) seen = true;
      if (seen) continue;
      done.push_back(pair.key());
      more = true;
      AcDbObject* clone = resident(pair.value());
      AcDbObject* source = resident(pair.key());
      if (clone == nullptr) continue;
      WriteScope scope(clone);
      MemoryDwgFiler filer(AcDb::kIdXlateFiler, mDest);
      if (clone->dwgOutFields(&filer) != Acad::eOk) continue;
      for (const MemoryDwgFiler::IdRef& ref : filer.idRefs()) {
        AcDbObjectId id = filer.idAt(ref);
        if (id.isNull()) continue;
        AcDbObjectId to = mapped(id);
        if (to.isNull()) {
          const bool ownership = ref.kind == MemoryDwgFiler::IdKind::kHardOwnership ||
                                 ref.kind == MemoryDwgFiler::IdKind::kSoftOwnership;
          if (id.database() == mDest) {
            if (!ownership) continue;  // a pointer within the database stays
          } else if (ref.kind == MemoryDwgFiler::IdKind::kHardPointer) {
            to = resolveReference(id);
          }
        }
        filer.setIdAt(ref, to);
      }
      filer.rewind();
      clone->dwgInFields(&filer);
      if (source && source->mExtras) {
        for (AcDbObjectId reactor : source->mExtras->persistentReactors) {
          AcDbObjectId r = mapped(reactor);
          if (!r.isNull() && !clone->hasPersistentReactor(r)) clone->addPersistentReactor(r);
        }
      }
      if (!pair.isPrimary() && clone->ownerId().database() != mDest) clone->setOwnerId(AcDbObjectId());
    }
  }
  return Acad::eOk;
}

}  // namespace vhost

// --- AcDbObject's cloning entry points -------------------------------------------------

Acad::ErrorStatus AcDbObject::deepClone(AcDbObject* owner, AcDbObject*& clonedObject, AcDbIdMapping& idMap,
                                        Adesk::Boolean isPrimary) const {
  clonedObject = nullptr;
  if (owner == nullptr || owner->database() != database() || database() == nullptr) return Acad::eWrongDatabase;
  vhost::Cloner cloner(idMap, false);
  AcDbObjectId id = cloner.cloneObject(objectId(), owner->objectId(), isPrimary);
  if (id.isNull()) return Acad::eInvalidInput;
  cloner.translate();
  clonedObject = id.stub()->object;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbObject::wblockClone(AcRxObject* owner, AcDbObject*& clonedObject, AcDbIdMapping& idMap,
                                          Adesk::Boolean isPrimary) const {
  clonedObject = nullptr;
  AcDbObject* ownerObj = AcDbObject::cast(owner);
  if (ownerObj == nullptr || ownerObj->database() == nullptr || database() == nullptr) return Acad::eInvalidInput;
  vhost::Cloner cloner(idMap, ownerObj->database() != database());
  AcDbObjectId id = cloner.cloneObject(objectId(), ownerObj->objectId(), isPrimary);
  if (id.isNull()) return Acad::eInvalidInput;
  cloner.translate();
  clonedObject = id.stub()->object;
  return Acad::eOk;
}
