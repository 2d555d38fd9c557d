// Document locks taken for an object's lifetime.
#include <gtest/gtest.h>

#include "arx/ap/AcApDocManager.h"
#include "arx/ed/AcEdCommandStack.h"
#include "arx/ed/RunCommand.h"
#include "arx/ed/ScriptedHostUi.h"
#include "veskbase/CFDocLock.h"

namespace {

struct Inside {
  int locked = -1;
  Acad::ErrorStatus status = Acad::eOk;
  int countAfter = -1;
} gInside;

// Runs in the command context of the current document.
void lockInsideCommand() {
  AcApDocument* doc = acDocManager->curDocument();
  {
    vesk::CFDocLock lock(nullptr, AcAp::kWrite);
    gInside.locked = lock.IsLocked();
    gInside.status = lock.Status();
  }
  gInside.countAfter = doc->vhostLockCount();
}

class CFDocLockTest : public ::testing::Test {
 protected:
  void SetUp() override {
    acDocManager->vhostCloseAllDocuments();
    acedRegCmds->addCommand(L"VBTEST", L"VBLOCK", L"VBLOCK", ACRX_CMD_NOINTERNALLOCK, lockInsideCommand);
  }
  void TearDown() override {
    acedRegCmds->removeGroup(L"VBTEST");
    acDocManager->vhostCloseAllDocuments();
  }
  vhost::ScriptedHostUi ui;
  vhost::ScopedHostUi scope{&ui};
};

TEST_F(CFDocLockTest, TakenForTheLifetimeAndReleasedOnce) {
  {
    vesk::CFDocLock none;
    EXPECT_EQ(none.IsLocked(), 0) << "no document is open";
    EXPECT_NE(none.Status(), Acad::eOk);
  }
  std::wstring error;
  AcApDocument* doc = acDocManager->vhostNewDocument(error);
  ASSERT_NE(doc, nullptr);
  {
    vesk::CFDocLock lock;
    EXPECT_EQ(lock.IsLocked(), 1);
    EXPECT_EQ(lock.Document(), doc);
    EXPECT_EQ(doc->myLockMode(), AcAp::kWrite);
    {
      vesk::CFDocLock nested(doc, AcAp::kRead);
      EXPECT_EQ(nested.IsLocked(), 1);
      EXPECT_EQ(doc->vhostLockCount(), 2);
    }
    EXPECT_EQ(doc->vhostLockCount(), 1) << "the inner lock released only its own";
    lock.Unlock();
    EXPECT_EQ(doc->vhostLockCount(), 0);
    lock.Unlock();
    EXPECT_EQ(doc->vhostLockCount(), 0);
  }
  EXPECT_EQ(doc->vhostLockCount(), 0) << "an early unlock is not repeated";
  EXPECT_EQ(doc->lockMode(true), AcAp::kNotLocked);
}

TEST_F(CFDocLockTest, RefusedByAnotherContextsLockAndLeavesItAlone) {
  std::wstring error;
  AcApDocument* doc = acDocManager->vhostNewDocument(error);
  ASSERT_NE(doc, nullptr);
  vesk::CFDocLock appRead(doc, AcAp::kRead);
  ASSERT_EQ(appRead.IsLocked(), 1);
  gInside = Inside();
  EXPECT_EQ(vhost::runCommand(L"VBLOCK"), vhost::CommandOutcome::kCompleted);
  EXPECT_EQ(gInside.locked, 0) << "a command may not write while the application reads";
  EXPECT_EQ(gInside.status, Acad::eLockViolation);
  EXPECT_EQ(gInside.countAfter, 1) << "the application's lock stays";
  EXPECT_EQ(doc->lockMode(), AcAp::kNotLocked) << "no other context holds one (the test is the application)";
  EXPECT_EQ(doc->myLockMode(), AcAp::kRead);
}

}  // namespace
