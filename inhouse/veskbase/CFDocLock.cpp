// Locks a document for the lifetime of the object.
#include "veskbase/CFDocLock.h"

#include "arx/ap/AcApDocManager.h"

namespace vesk {

CFDocLock::CFDocLock(AcApDocument* doc, AcAp::DocLockMode mode) {
  AcApDocManager* mgr = acDocManager;
  mDoc = doc != nullptr ? doc : (mgr != nullptr ? mgr->curDocument() : nullptr);
  if (mDoc == nullptr || mgr == nullptr) {
    mStatus = Acad::eNoDatabase;
    return;
  }
  mStatus = mgr->lockDocument(mDoc, mode);
  mLocked = mStatus == Acad::eOk;
}

CFDocLock::~CFDocLock() { Unlock(); }

void CFDocLock::Unlock() {
  if (!mLocked) return;
  mLocked = false;
  AcApDocManager* mgr = acDocManager;
  if (mgr != nullptr && mgr->vhostIsOpen(mDoc)) mgr->unlockDocument(mDoc);
}

}  // namespace vesk
