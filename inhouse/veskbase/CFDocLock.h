#pragma once
// Locks a document for the lifetime of the object (through the document
// manager), so that code running outside a command, in a modeless dialog or
// a reactor, may change its drawing. Locks nest: each CFDocLock releases only
// the lock it took.
#include "arx/ap/AcAp.h"
#include "arx/base/AcadErrorStatus.h"

class AcApDocument;

namespace vesk {

class CFDocLock {
 public:
  // doc null: the current document. The lock is taken at once; IsLocked()
  // tells whether it was granted (no document, a closed one or a conflicting
  // lock of another context refuse it; Status() says why).
  explicit CFDocLock(AcApDocument* doc = nullptr, AcAp::DocLockMode mode = AcAp::kWrite);
  ~CFDocLock();
  CFDocLock(const CFDocLock&) = delete;
  CFDocLock& operator=(const CFDocLock&) = delete;

  int IsLocked() const { return mLocked ? 1 : 0; }
  Acad::ErrorStatus Status() const { return mStatus; }
  AcApDocument* Document() const { return mDoc; }
  // Releases the lock before the end of the object's life (once).
  void Unlock();

 private:
  AcApDocument* mDoc = nullptr;
  bool mLocked = false;
  Acad::ErrorStatus mStatus = Acad::eOk;
};

}  // namespace vesk
