#include "ApTestSupport.h"
#include "arx/ed/AcEdCommandStack.h"
#include "arx/ed/RunCommand.h"

using aptest::DocFixture;

namespace {

// What the test commands saw from inside.
struct Seen {
  AcAp::DocLockMode my = AcAp::kNone, others = AcAp::kNone, all = AcAp::kNone;
  bool quiescent = true;
  std::wstring command;
  Acad::ErrorStatus nestedWrite = Acad::eOk, nestedRead = Acad::eOk, unlock = Acad::eOk;
  int lockCountInside = 0;
  bool closeRefused = false;
  int runs = 0;
} gSeen;

void lookAround() {
  AcApDocument* doc = acDocManager->curDocument();
  ++gSeen.runs;
  gSeen.my = doc->myLockMode();
  gSeen.others = doc->lockMode();
  gSeen.all = doc->lockMode(true);
  gSeen.quiescent = doc->isQuiescent();
  gSeen.command = doc->vhostActiveCommand();
  // A lock from the command's own context nests with the command's lock.
  gSeen.nestedWrite = acDocManager->lockDocument(doc, AcAp::kWrite);
  if (gSeen.nestedWrite == Acad::eOk) {
    gSeen.lockCountInside = doc->vhostLockCount();
    gSeen.unlock = acDocManager->unlockDocument(doc);
  }
  gSeen.nestedRead = acDocManager->lockDocument(doc, AcAp::kRead);
  if (gSeen.nestedRead == Acad::eOk) acDocManager->unlockDocument(doc);
  std::wstring error;
  gSeen.closeRefused = !acDocManager->vhostCloseDocument(doc, error);
}

class LockVetoer : public AcApDocManagerReactor {
 public:
  std::vector<std::wstring> events;
  void documentLockModeWillChange(AcApDocument*, AcAp::DocLockMode myCurrent, AcAp::DocLockMode myNew,
                                  AcAp::DocLockMode, const ACHAR* cmd) override {
    events.push_back(L"will " + std::to_wstring(myCurrent) + L"->" + std::to_wstring(myNew) + L" " + cmd);
    if (myNew == AcAp::kXWrite) veto();
  }
  void documentLockModeChanged(AcApDocument*, AcAp::DocLockMode myPrevious, AcAp::DocLockMode myCurrent,
                               AcAp::DocLockMode, const ACHAR* cmd) override {
    events.push_back(L"changed " + std::to_wstring(myPrevious) + L"->" + std::to_wstring(myCurrent) + L" " + cmd);
  }
  void documentLockModeChangeVetoed(AcApDocument*, const ACHAR* cmd) override {
    events.push_back(L"vetoed " + std::wstring(cmd));
  }
};

class LockFixture : public DocFixture {
 protected:
  void SetUp() override {
    DocFixture::SetUp();
    gSeen = Seen();
    acedRegCmds->addCommand(L"APTEST", L"APLOOK", L"APLOOK", ACRX_CMD_MODAL, lookAround);
    acedRegCmds->addCommand(L"APTEST", L"APREAD", L"APREAD", ACRX_CMD_DOCREADLOCK, lookAround);
    acedRegCmds->addCommand(L"APTEST", L"APNOLOCK", L"APNOLOCK", ACRX_CMD_NOINTERNALLOCK, lookAround);
    acedRegCmds->addCommand(L"APTEST", L"APSESSION", L"APSESSION", ACRX_CMD_SESSION, [] { ++gSeen.runs; });
  }
  void TearDown() override {
    acedRegCmds->removeGroup(L"APTEST");
    DocFixture::TearDown();
  }
};

}  // namespace

TEST_F(LockFixture, LocksNestWithinOneContextAndAreCounted) {
  AcApDocument* doc = newDoc();
  EXPECT_EQ(doc->lockMode(true), AcAp::kNotLocked);
  ASSERT_EQ(acDocManager->lockDocument(doc, AcAp::kWrite), Acad::eOk);
  ASSERT_EQ(acDocManager->lockDocument(doc, AcAp::kRead), Acad::eOk);
  EXPECT_EQ(doc->vhostLockCount(), 2);
  EXPECT_EQ(doc->myLockMode(), AcAp::kWrite) << "the strongest lock held counts";
  EXPECT_EQ(doc->lockMode(), AcAp::kNotLocked) << "no other context holds one";
  EXPECT_EQ(doc->lockMode(true), AcAp::kWrite);
  EXPECT_EQ(acDocManager->unlockDocument(doc), Acad::eOk);
  EXPECT_EQ(doc->myLockMode(), AcAp::kWrite) << "the innermost (read) lock went first";
  EXPECT_EQ(acDocManager->unlockDocument(doc), Acad::eOk);
  EXPECT_EQ(doc->vhostLockCount(), 0);
  EXPECT_EQ(acDocManager->unlockDocument(doc), Acad::eNotApplicable);

  EXPECT_EQ(acDocManager->lockDocument(doc, AcAp::kNone), Acad::eInvalidInput);
  EXPECT_EQ(acDocManager->lockDocument(doc, AcAp::kNotLocked), Acad::eInvalidInput);
  EXPECT_EQ(acDocManager->lockDocument(nullptr), Acad::eNullObjectPointer);

  // setCurDocument can lock on the way; a locked document is not closed.
  AcApDocument* other = newDoc();
  EXPECT_EQ(acDocManager->setCurDocument(doc, AcAp::kWrite, true), Acad::eOk);
  EXPECT_EQ(acDocManager->mdiActiveDocument(), doc);
  std::wstring error;
  EXPECT_FALSE(acDocManager->vhostCloseDocument(doc, error));
  EXPECT_NE(error.find(L"locked"), std::wstring::npos);
  EXPECT_EQ(acDocManager->closeDocument(doc), Acad::eLockViolation);
  EXPECT_EQ(acDocManager->unlockDocument(doc), Acad::eOk);
  EXPECT_EQ(acDocManager->closeDocument(doc), Acad::eOk);
  EXPECT_EQ(acDocManager->curDocument(), other);
}

TEST_F(LockFixture, ACommandHoldsItsLockWhileItRuns) {
  AcApDocument* doc = newDoc();
  EXPECT_EQ(vhost::runCommand(L"APLOOK"), vhost::CommandOutcome::kCompleted);
  EXPECT_EQ(gSeen.runs, 1);
  EXPECT_EQ(gSeen.my, AcAp::kAutoWrite);
  EXPECT_EQ(gSeen.others, AcAp::kNotLocked);
  EXPECT_EQ(gSeen.all, AcAp::kAutoWrite);
  EXPECT_FALSE(gSeen.quiescent);
  EXPECT_EQ(gSeen.command, L"APLOOK");
  EXPECT_EQ(gSeen.nestedWrite, Acad::eOk);
  EXPECT_EQ(gSeen.lockCountInside, 2);
  EXPECT_EQ(gSeen.unlock, Acad::eOk);
  EXPECT_TRUE(gSeen.closeRefused) << "a document is not closed under its running command";
  EXPECT_TRUE(doc->isQuiescent());
  EXPECT_EQ(doc->vhostLockCount(), 0);

  gSeen = Seen();
  EXPECT_EQ(vhost::runCommand(L"APREAD"), vhost::CommandOutcome::kCompleted);
  EXPECT_EQ(gSeen.my, AcAp::kRead);
  gSeen = Seen();
  EXPECT_EQ(vhost::runCommand(L"APNOLOCK"), vhost::CommandOutcome::kCompleted);
  EXPECT_EQ(gSeen.my, AcAp::kNotLocked);
  EXPECT_FALSE(gSeen.quiescent);
}

TEST_F(LockFixture, LocksOfOtherContextsConflict) {
  AcApDocument* doc = newDoc();
  // The application context reads: a command may read too, not write.
  ASSERT_EQ(acDocManager->lockDocument(doc, AcAp::kRead), Acad::eOk);
  EXPECT_EQ(vhost::runCommand(L"APLOOK"), vhost::CommandOutcome::kFailed);
  EXPECT_EQ(gSeen.runs, 0);
  EXPECT_NE(ui.transcript().find(L"locked by another operation"), std::wstring::npos);
  EXPECT_EQ(vhost::runCommand(L"APREAD"), vhost::CommandOutcome::kCompleted);
  EXPECT_EQ(gSeen.others, AcAp::kRead);
  EXPECT_EQ(gSeen.nestedWrite, Acad::eLockViolation);
  EXPECT_EQ(gSeen.nestedRead, Acad::eOk);
  EXPECT_EQ(acDocManager->unlockDocument(doc), Acad::eOk);

  // A plain write lock of the application still lets a command read; an
  // exclusive one shuts everything out.
  ASSERT_EQ(acDocManager->lockDocument(doc, AcAp::kWrite), Acad::eOk);
  gSeen = Seen();
  EXPECT_EQ(vhost::runCommand(L"APREAD"), vhost::CommandOutcome::kCompleted);
  EXPECT_EQ(vhost::runCommand(L"APLOOK"), vhost::CommandOutcome::kFailed);
  EXPECT_EQ(acDocManager->unlockDocument(doc), Acad::eOk);
  ASSERT_EQ(acDocManager->lockDocument(doc, AcAp::kXWrite), Acad::eOk);
  gSeen = Seen();
  EXPECT_EQ(vhost::runCommand(L"APREAD"), vhost::CommandOutcome::kFailed);
  EXPECT_EQ(vhost::runCommand(L"APNOLOCK"), vhost::CommandOutcome::kCompleted);
  EXPECT_EQ(gSeen.nestedRead, Acad::eLockViolation);
  EXPECT_EQ(acDocManager->unlockDocument(doc), Acad::eOk);
  EXPECT_EQ(doc->vhostLockCount(), 0);

  // Session commands run in the application context, even with no drawing.
  acDocManager->vhostCloseAllDocuments();
  gSeen = Seen();
  EXPECT_EQ(vhost::runCommand(L"APSESSION"), vhost::CommandOutcome::kCompleted);
  EXPECT_EQ(gSeen.runs, 1);
  EXPECT_EQ(vhost::runCommand(L"APLOOK"), vhost::CommandOutcome::kFailed);
  EXPECT_NE(ui.transcript().find(L"no drawing is open"), std::wstring::npos);
}

TEST_F(LockFixture, ReactorsHearLockChangesAndMayVetoThem) {
  AcApDocument* doc = newDoc();
  LockVetoer vetoer;
  acDocManager->addReactor(&vetoer);
  EXPECT_EQ(acDocManager->lockDocument(doc, AcAp::kWrite, L"MYCMD"), Acad::eOk);
  EXPECT_EQ(acDocManager->lockDocument(doc, AcAp::kXWrite, L"MYCMD"), Acad::eLockViolation);
  EXPECT_EQ(acDocManager->unlockDocument(doc), Acad::eOk);
  acDocManager->removeReactor(&vetoer);
  const std::wstring w = std::to_wstring(AcAp::kWrite), x = std::to_wstring(AcAp::kXWrite),
                     n = std::to_wstring(AcAp::kNotLocked);
  EXPECT_EQ(vetoer.events, (std::vector<std::wstring>{L"will " + n + L"->" + w + L" MYCMD",
                                                      L"changed " + n + L"->" + w + L" MYCMD",
                                                      L"will " + w + L"->" + x + L" MYCMD", L"vetoed MYCMD",
                                                      L"will " + w + L"->" + n + L" MYCMD",
                                                      L"changed " + w + L"->" + n + L" MYCMD"}));
  EXPECT_EQ(doc->vhostLockCount(), 0);
}
