#pragma once
// Notifications of the document manager. Every call does nothing unless
// overridden. The manager calls them in this order:
//
// opening or creating a drawing
//   documentCreateStarted(doc)            the document exists, its drawing not yet
//   documentCreated(doc)                  or documentCreateCanceled(doc) on failure
//   documentToBeDeactivated(previous)     when another document was active
//   documentToBeActivated(doc)
//   documentBecameCurrent(doc)            the working database is now doc's
//   documentActivated(doc)
// closing a drawing
//   documentToBeDeactivated(doc)          when it was the active one
//   documentToBeDestroyed(doc)            still listed and counted
//   documentDestroyed(fileName)           gone: documentCount() no longer counts it
//   then, when it was the active one and others remain, the most recently
//   active of them is activated (documentToBeActivated ... documentActivated)
// locking
//   documentLockModeWillChange            a reactor may veto() a lock here
//   documentLockModeChanged               or documentLockModeChangeVetoed
#include "arx/ap/AcAp.h"
#include "arx/db/AcRxObject.h"

class AcApDocument;
class AcApDocManager;

class AcApDocManagerReactor : public AcRxObject {
 public:
  virtual void documentCreateStarted(AcApDocument*) {}
  virtual void documentCreated(AcApDocument*) {}
  virtual void documentCreateCanceled(AcApDocument*) {}
  virtual void documentToBeDestroyed(AcApDocument*) {}
  virtual void documentDestroyed(const ACHAR* fileName) { (void)fileName; }
  virtual void documentBecameCurrent(AcApDocument*) {}
  virtual void documentToBeActivated(AcApDocument*) {}
  virtual void documentActivated(AcApDocument*) {}
  virtual void documentToBeDeactivated(AcApDocument*) {}
  virtual void documentActivationModified(bool bActivation) { (void)bActivation; }
  virtual void documentLockModeWillChange(AcApDocument*, AcAp::DocLockMode myCurrentMode,
                                          AcAp::DocLockMode myNewMode, AcAp::DocLockMode currentMode,
                                          const ACHAR* pGlobalCmdName) {
    (void)myCurrentMode, (void)myNewMode, (void)currentMode, (void)pGlobalCmdName;
  }
  virtual void documentLockModeChanged(AcApDocument*, AcAp::DocLockMode myPreviousMode,
                                       AcAp::DocLockMode myCurrentMode, AcAp::DocLockMode currentMode,
                                       const ACHAR* pGlobalCmdName) {
    (void)myPreviousMode, (void)myCurrentMode, (void)currentMode, (void)pGlobalCmdName;
  }
  virtual void documentLockModeChangeVetoed(AcApDocument*, const ACHAR* pGlobalCmdName) {
    (void)pGlobalCmdName;
  }

 protected:
  // Called from documentLockModeWillChange: the lock being taken is refused
  // (lockDocument returns eLockViolation). Unlocking cannot be vetoed.
  Acad::ErrorStatus veto() {
    mVetoed = true;
    return Acad::eOk;
  }

 private:
  friend class AcApDocManager;
  bool mVetoed = false;
};
