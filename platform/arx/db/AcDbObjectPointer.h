#pragma once
// Smart pointers that open an object by id and close it when they go out of
// scope. An object that is not in a database (made with create() or taken
// with acquire()) is deleted instead.
#include "arx/db/AcDbObject.h"

template <class T>
class AcDbObjectPointerBase {
 public:
  AcDbObjectPointerBase() = default;
  AcDbObjectPointerBase(const AcDbObjectPointerBase&) = delete;
  AcDbObjectPointerBase& operator=(const AcDbObjectPointerBase&) = delete;
  ~AcDbObjectPointerBase() { closeInternal(); }

  Acad::ErrorStatus open(AcDbObjectId id, AcDb::OpenMode mode = AcDb::kForRead, bool openErased = false) {
    closeInternal();
    mStatus = acdbOpenObject(mPtr, id, mode, openErased);
    if (mStatus != Acad::eOk) mPtr = nullptr;
    return mStatus;
  }
  Acad::ErrorStatus openStatus() const { return mStatus; }
  T* object() { return mPtr; }
  const T* object() const { return mPtr; }
  T* operator->() { return mPtr; }
  const T* operator->() const { return mPtr; }
  operator T*() { return mPtr; }
  explicit operator bool() const { return mPtr != nullptr; }

  // Closes (or deletes) the object now.
  Acad::ErrorStatus close() {
    if (mPtr == nullptr) return Acad::eNullObjectPointer;
    closeInternal();
    return Acad::eOk;
  }
  // Takes a new object that is not in a database; the pointer deletes it
  // unless it is added to a database first.
  Acad::ErrorStatus acquire(T*& obj) {
    if (obj == nullptr) return Acad::eNullObjectPointer;
    closeInternal();
    mPtr = obj;
    obj = nullptr;
    mStatus = Acad::eOk;
    return Acad::eOk;
  }
  // Gives the object up without closing it.
  Acad::ErrorStatus release(T*& obj) {
    if (mPtr == nullptr) return Acad::eNullObjectPointer;
    obj = mPtr;
    mPtr = nullptr;
    mStatus = Acad::eNullObjectPointer;
    return Acad::eOk;
  }
  Acad::ErrorStatus create() {
    T* made = new T();
    return acquire(made);
  }

 private:
  void closeInternal() {
    if (mPtr == nullptr) return;
    if (mPtr->objectId().isNull())
      delete mPtr;
    else
      mPtr->close();
    mPtr = nullptr;
    mStatus = Acad::eNullObjectPointer;
  }

  T* mPtr = nullptr;
  Acad::ErrorStatus mStatus = Acad::eNullObjectPointer;
};

template <class T>
class AcDbObjectPointer : public AcDbObjectPointerBase<T> {
 public:
  AcDbObjectPointer() = default;
  AcDbObjectPointer(AcDbObjectId id, AcDb::OpenMode mode = AcDb::kForRead, bool openErased = false) {
    this->open(id, mode, openErased);
  }
};

class AcDbEntity;
using AcDbEntityPointer = AcDbObjectPointer<AcDbEntity>;
