#pragma once
// Database objects: everything a drawing database holds. An object is made
// with new, handed to its database (which owns it from then on), and later
// reached through its id: opened for read or write, used, and closed. Changes
// are announced on close to the object's reactors.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "arx/base/AcDbHandle.h"
#include "arx/base/AdeskTypes.h"
#include "arx/base/AcadErrorStatus.h"
#include "arx/db/AcDb.h"
#include "arx/db/AcDbObjectId.h"
#include "arx/db/AcDbObjectReactor.h"
#include "arx/db/AcRxClass.h"

struct resbuf;
class AcDbDatabase;
class AcDbDwgFiler;
class AcDbDxfFiler;
class AcDbIdMapping;

namespace vhost {
struct Stub;
struct ObjectExtras;
class OpenTable;
class Cloner;
class WriteScope;
class ReadScope;
}  // namespace vhost

class AcDbObject : public AcRxObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbObject);
  AcDbObject();
  ~AcDbObject() override;
  AcDbObject(const AcDbObject&) = delete;
  AcDbObject& operator=(const AcDbObject&) = delete;

  // --- identity
  AcDbObjectId objectId() const;
  AcDbObjectId ownerId() const { return mOwnerId; }
  virtual Acad::ErrorStatus setOwnerId(AcDbObjectId owner);
  AcDbDatabase* database() const;
  AcDbDatabase* databaseToUse() const { return database(); }
  void getAcDbHandle(AcDbHandle& handle) const;
  AcDbHandle handle() const;

  // --- open state
  // Closes one opening. After an opening for write that changed the object,
  // the object's reactors hear of it before this returns.
  Acad::ErrorStatus close();
  Acad::ErrorStatus upgradeOpen();
  Acad::ErrorStatus downgradeOpen();
  bool isReadEnabled() const;
  bool isWriteEnabled() const;
  bool isNotifyEnabled() const;
  bool isModified() const { return (mState & kModified) != 0; }
  bool isModifiedXData() const { return (mState & kModifiedXData) != 0; }
  bool isNewObject() const { return (mState & kNew) != 0; }
  bool isNotifying() const { return (mState & kNotifying) != 0; }
  bool isErased() const;
  bool isReallyClosing() const { return true; }
  virtual bool isAProxy() const { return false; }
  // Throw Acad::eNotOpenForWrite / eNotOpenForRead when the object is in the
  // database and not open the right way; assertWriteEnabled marks it changed.
  void assertWriteEnabled(bool autoUndo = true, bool recordModified = true);
  void assertReadEnabled() const;
  void assertNotifyEnabled() const;

  // Gives this object's identity (id, handle, owner, reactors and, when asked,
  // extended data and extension dictionary) to a new object that is not in a
  // database. This object must be open for write; the new one is left open for
  // write in its place, and this one leaves the database: the caller deletes
  // it. Returns eObjectToBeDeleted on success, as the host does.
  Acad::ErrorStatus handOverTo(AcDbObject* newObject, bool keepXData = true, bool keepExtDict = true);

  // --- erasing (the object must be open for write)
  Acad::ErrorStatus erase(bool erasing = true);

  // --- extended data
  // A copy of the object's extended data (all applications, or the one named),
  // for the caller to free with acutRelRb; null when there is none.
  virtual resbuf* xData(const ACHAR* regappName = nullptr) const;
  // Replaces the extended data of each application in the chain; an
  // application given with no data loses its data. Applications must be
  // registered in the database.
  virtual Acad::ErrorStatus setXData(const resbuf* xdata);
  Acad::ErrorStatus xDataTransactionStart() { return Acad::eOk; }
  Acad::ErrorStatus xDataTransactionEnd() { return Acad::eOk; }
  // The size the host counts against its limit of 16383 bytes per object.
  int xDataSize() const;
  static constexpr int kMaxXDataSize = 16383;

  // --- extension dictionary (the object must be in a database, open for write)
  Acad::ErrorStatus createExtensionDictionary();
  AcDbObjectId extensionDictionary() const;
  Acad::ErrorStatus releaseExtensionDictionary();

  // --- reactors
  void addReactor(AcDbObjectReactor* reactor) const;
  void removeReactor(AcDbObjectReactor* reactor) const;
  void addPersistentReactor(AcDbObjectId reactorId);
  Acad::ErrorStatus removePersistentReactor(AcDbObjectId reactorId);
  bool hasPersistentReactor(AcDbObjectId reactorId) const;
  // The ids of the persistent reactors, in the order they were added.
  AcDbObjectIdArray getPersistentReactors() const;
  // All reactors as the host lists them: transient reactors as their
  // pointers, persistent ones encoded (see acdbIsPersistentReactor).
  const AcArray<void*>* reactors() const;
  // Sends subObjModified to the reactors of this object's owner.
  void xmitPropagateModify() const;

  // --- notifications received as a persistent reactor
  virtual void cancelled(const AcDbObject* dbObj);
  virtual void copied(const AcDbObject* dbObj, const AcDbObject* newObj);
  virtual void erased(const AcDbObject* dbObj, Adesk::Boolean erasing = true);
  virtual void goodbye(const AcDbObject* dbObj);
  virtual void openedForModify(const AcDbObject* dbObj);
  virtual void modified(const AcDbObject* dbObj);
  virtual void subObjModified(const AcDbObject* dbObj, const AcDbObject* subObj);
  virtual void modifyUndone(const AcDbObject* dbObj);
  virtual void modifiedXData(const AcDbObject* dbObj);
  virtual void unappended(const AcDbObject* dbObj);
  virtual void reappended(const AcDbObject* dbObj);
  virtual void objectClosed(const AcDbObjectId objId);

  // --- filing
  virtual Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer);
  virtual Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const;
  virtual Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer);
  virtual Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const;
  Acad::ErrorStatus dwgIn(AcDbDwgFiler* filer) { return dwgInFields(filer); }
  Acad::ErrorStatus dwgOut(AcDbDwgFiler* filer) const { return dwgOutFields(filer); }
  virtual AcDb::DuplicateRecordCloning mergeStyle() const { return AcDb::kDrcIgnore; }

  // --- platform use: DXF groups kept for a subclass (see VhostDxfKept.h).
  // The object takes ownership of the chain; null clears it.
  void vhostSetDxfKept(const std::wstring& subclass, resbuf* groups);
  const resbuf* vhostDxfKept(const std::wstring& subclass) const;
  // Copies what a free-standing copy carries besides its class's fields:
  // extended data and kept DXF groups (classes overriding clone() call it).
  void vhostCopyExtrasFrom(const AcDbObject* other);

  // --- copying
  // A copy of this object's own data (not in any database); ids are kept as
  // they are. The copy's class is this object's class.
  AcRxObject* clone() const override;
  Acad::ErrorStatus copyFrom(const AcRxObject* other) override;
  // Clones this object and what it owns into the owner (same database);
  // records every pair in idMap. isPrimary marks the objects asked for.
  virtual Acad::ErrorStatus deepClone(AcDbObject* owner, AcDbObject*& clonedObject, AcDbIdMapping& idMap,
                                      Adesk::Boolean isPrimary = true) const;
  // Clones into the database of the owner (another database, as a block
  // insert or write-out does); objects it points to hard are cloned too
  // unless the destination has a symbol of the same name.
  virtual Acad::ErrorStatus wblockClone(AcRxObject* owner, AcDbObject*& clonedObject, AcDbIdMapping& idMap,
                                        Adesk::Boolean isPrimary = true) const;

 protected:
  // Erasing hook for subclasses: refuse (return an error) or follow up.
  virtual Acad::ErrorStatus subErase(Adesk::Boolean erasing);
  // Opening-for-write hook: an entity on a locked layer refuses.
  virtual Acad::ErrorStatus subOpen(AcDb::OpenMode mode);
  // Closing hook, called before the change notifications.
  virtual Acad::ErrorStatus subClose();
  // Whether a change of this object is a change of its owner too (the
  // attributes of a block reference, the vertices of a polyline).
  virtual bool propagatesModifyToOwner() const { return false; }

 private:
  friend class AcDbDatabase;
  friend class vhost::OpenTable;
  friend class vhost::Cloner;
  friend class vhost::WriteScope;
  friend class vhost::ReadScope;
  friend Acad::ErrorStatus vhostOpen(AcDbObject*& obj, AcDbObjectId id, AcDb::OpenMode mode, bool openErased);

  enum StateBits : Adesk::UInt8 {
    kOpenWrite = 1u << 0,
    kNotifying = 1u << 1,
    kModified = 1u << 2,
    kModifiedXData = 1u << 3,
    kErasedChanged = 1u << 4,
    kNew = 1u << 5,
  };
  vhost::ObjectExtras& extras() const;
  void notifyChanged();
  static void forEachPersistentReactor(const vhost::ObjectExtras* extras,
                                       const std::function<void(AcDbObject*)>& f);

  vhost::Stub* mStub = nullptr;
  AcDbObjectId mOwnerId;
  Adesk::UInt16 mReaders = 0;
  Adesk::UInt8 mNotifyOpens = 0;
  Adesk::UInt8 mState = 0;
  mutable std::unique_ptr<vhost::ObjectExtras> mExtras;
};

// --- opening objects by id -----------------------------------------------------

Acad::ErrorStatus acdbOpenAcDbObject(AcDbObject*& obj, AcDbObjectId id, AcDb::OpenMode mode,
                                     bool openErased = false);
Acad::ErrorStatus acdbOpenObject(AcDbObject*& obj, AcDbObjectId id, AcDb::OpenMode mode,
                                 bool openErased = false);

// Typed opening: eNotThatKindOfClass (and nothing left open) when the object
// is not a T.
template <class T>
Acad::ErrorStatus acdbOpenObject(T*& obj, AcDbObjectId id, AcDb::OpenMode mode, bool openErased = false) {
  obj = nullptr;
  AcDbObject* raw = nullptr;
  Acad::ErrorStatus es = acdbOpenAcDbObject(raw, id, mode, openErased);
  if (es != Acad::eOk) return es;
  obj = T::cast(raw);
  if (obj == nullptr) {
    raw->close();
    return Acad::eNotThatKindOfClass;
  }
  return Acad::eOk;
}

using AcDbVoidPtrArray = AcArray<void*>;
// Entries of AcDbObject::reactors(): persistent reactors and their ids.
bool acdbIsPersistentReactor(const void* reactor);
AcDbObjectId acdbPersistentReactorObjectId(const void* reactor);
