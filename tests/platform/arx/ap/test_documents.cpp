#include <filesystem>
#include <fstream>

#include "ApTestSupport.h"
#include "arx/ap/AcDbDbmod.h"
#include "arx/ap/DrawingFileIo.h"
#include "arx/db/AcDbBlockTable.h"
#include "arx/db/AcDbDatabase.h"
#include "arx/db/AcDbHostApplicationServices.h"
#include "arx/entities/AcDbLine.h"

using aptest::DocFixture;
using aptest::u8;

namespace {

AcDbDatabase* working() { return acdbHostApplicationServices()->workingDatabase(); }

void addLine(AcDbDatabase* db) {
  AcDbBlockTableRecord* ms = nullptr;
  ASSERT_EQ(acdbOpenObject(ms, db->modelSpaceId(), AcDb::kForWrite), Acad::eOk);
  auto* line = new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0));
  AcDbObjectId id;
  ASSERT_EQ(ms->appendAcDbEntity(id, line), Acad::eOk);
  line->close();
  ms->close();
}

// A stand-in for the drawing-file component: "reads" any file that exists
// into a new drawing with one line, "saves" by writing the drawing's object
// count.
class FakeDrawingFiles : public vhost::DrawingFileIo {
 public:
  bool read(const std::wstring& path, AcDbDatabase*& db, std::wstring& error) override {
    if (!std::filesystem::exists(u8(path))) {
      error = L"no such file: " + path;
      return false;
    }
    db = new AcDbDatabase(true);
    addLine(db);
    return true;
  }
  bool save(AcDbDatabase* db, const std::wstring& path, bool, std::wstring&) override {
    std::ofstream(u8(path)) << db->approxNumObjects() << "\n";
    ++saves;
    return true;
  }
  int saves = 0;
};

std::string tempPath(const char* name) {
  return (std::filesystem::temp_directory_path() / (std::string("vhost_ap_") + name)).string();
}

}  // namespace

TEST_F(DocFixture, NewDocumentsActivationAndCloseFollowTheHostsOrder) {
  acDocManager->addReactor(&recorder);
  AcApDocument* a = newDoc();
  ASSERT_NE(a, nullptr);
  std::wstring ta = a->docTitle();
  EXPECT_EQ(ta.rfind(L"Drawing", 0), 0u);
  EXPECT_EQ(std::wstring(a->fileName()), ta);
  EXPECT_FALSE(a->vhostHasFile());
  EXPECT_EQ(recorder.events, (std::vector<std::wstring>{L"createStarted:" + ta, L"created:" + ta,
                                                        L"toBeActivated:" + ta, L"becameCurrent:" + ta,
                                                        L"activated:" + ta}));
  EXPECT_EQ(working(), a->database());
  EXPECT_EQ(acDocManager->document(a->database()), a);
  EXPECT_EQ(acDocManager->documentCount(), 1);

  recorder.events.clear();
  AcApDocument* b = newDoc();
  std::wstring tb = b->docTitle();
  EXPECT_NE(ta, tb);
  EXPECT_EQ(recorder.events, (std::vector<std::wstring>{L"createStarted:" + tb, L"created:" + tb,
                                                        L"toBeDeactivated:" + ta, L"toBeActivated:" + tb,
                                                        L"becameCurrent:" + tb, L"activated:" + tb}));
  EXPECT_EQ(working(), b->database());

  // Current without activation: the working database follows, the active
  // document stays.
  recorder.events.clear();
  EXPECT_EQ(acDocManager->setCurDocument(a), Acad::eOk);
  EXPECT_EQ(recorder.events, (std::vector<std::wstring>{L"becameCurrent:" + ta}));
  EXPECT_EQ(acDocManager->curDocument(), a);
  EXPECT_EQ(acDocManager->mdiActiveDocument(), b);
  EXPECT_EQ(working(), a->database());

  recorder.events.clear();
  EXPECT_EQ(acDocManager->activateDocument(a), Acad::eOk);
  EXPECT_EQ(recorder.events, (std::vector<std::wstring>{L"toBeDeactivated:" + tb, L"toBeActivated:" + ta,
                                                        L"activated:" + ta}));

  // Closing the active document: it is counted until destroyed, then the
  // other one takes over.
  recorder.events.clear();
  std::wstring error;
  ASSERT_TRUE(acDocManager->vhostCloseDocument(a, error)) << u8(error);
  EXPECT_EQ(recorder.events,
            (std::vector<std::wstring>{L"toBeDeactivated:" + ta, L"toBeDestroyed:" + ta + L"#2",
                                       L"destroyed:" + ta + L"#1", L"toBeActivated:" + tb,
                                       L"becameCurrent:" + tb, L"activated:" + tb}));
  EXPECT_EQ(working(), b->database());
  std::unique_ptr<AcApDocumentIterator> it(acDocManager->newAcApDocumentIterator());
  ASSERT_FALSE(it->done());
  EXPECT_EQ(it->document(), b);
  it->step();
  EXPECT_TRUE(it->done());

  ASSERT_TRUE(acDocManager->vhostCloseDocument(b, error));
  EXPECT_EQ(working(), nullptr);
  EXPECT_EQ(acDocManager->curDocument(), nullptr);
  EXPECT_EQ(acDocManager->mdiActiveDocument(), nullptr);
  EXPECT_FALSE(acDocManager->vhostCloseDocument(b, error));
  EXPECT_EQ(acDocManager->setCurDocument(nullptr), Acad::eNullObjectPointer);
}

TEST_F(DocFixture, IteratorSkipsDocumentsClosedWhileWalkingAndActivationCanBeDisabled) {
  AcApDocument* a = newDoc();
  AcApDocument* b = newDoc();
  AcApDocument* c = newDoc();
  std::unique_ptr<AcApDocumentIterator> it(acDocManager->newAcApDocumentIterator());
  EXPECT_EQ(it->document(), a);
  std::wstring error;
  ASSERT_TRUE(acDocManager->vhostCloseDocument(b, error));
  it->step();
  EXPECT_EQ(it->document(), c);

  EXPECT_EQ(acDocManager->disableDocumentActivation(), Acad::eOk);
  EXPECT_FALSE(acDocManager->isDocumentActivationEnabled());
  EXPECT_EQ(acDocManager->activateDocument(a), Acad::eInvalidContext);
  EXPECT_EQ(acDocManager->mdiActiveDocument(), c);
  EXPECT_EQ(acDocManager->enableDocumentActivation(), Acad::eOk);
  EXPECT_EQ(acDocManager->activateDocument(a), Acad::eOk);
  EXPECT_EQ(acDocManager->mdiActiveDocument(), a);
}

TEST_F(DocFixture, DbmodCountsChangesAndCanBeCleared) {
  AcApDocument* d = newDoc();
  AcDbDatabase* db = d->database();
  EXPECT_EQ(vhost::dbmod(db), 0);
  addLine(db);
  EXPECT_EQ(vhost::dbmod(db), 1);
  EXPECT_EQ(acdbSetDbmod(db, 0), 1);
  EXPECT_EQ(vhost::dbmod(db), 0);
  EXPECT_EQ(acdbSetDbmod(nullptr, 0), -1);
}

TEST_F(DocFixture, DrawingFilesGoThroughTheRegisteredReaderAndWriter) {
  // Without a reader first (one the build registers is put back at the end).
  vhost::DrawingFileIo* previous = vhost::setDrawingFileIo(nullptr);
  std::string existing = tempPath("plan.dxf");
  std::ofstream(existing) << "0\nEOF\n";
  acDocManager->addReactor(&recorder);

  // Without a reader: a clear refusal, and the document is given up.
  std::wstring error;
  std::wstring wexisting(existing.begin(), existing.end());
  EXPECT_EQ(acDocManager->vhostOpenDocument(wexisting.c_str(), false, error), nullptr);
  EXPECT_NE(error.find(L"not available yet"), std::wstring::npos) << u8(error);
  EXPECT_EQ(recorder.events.back(), L"createCanceled");
  EXPECT_EQ(acDocManager->documentCount(), 0);
  AcApDocument* fresh = newDoc();
  EXPECT_FALSE(acDocManager->vhostSaveDocument(fresh, L"/tmp/vhost_ap_out.dxf", false, error));
  EXPECT_NE(error.find(L"not available yet"), std::wstring::npos);
  EXPECT_FALSE(acDocManager->vhostSaveDocument(fresh, nullptr, false, error));
  EXPECT_NE(error.find(L"never saved"), std::wstring::npos);

  FakeDrawingFiles fake;
  vhost::setDrawingFileIo(&fake);
  AcApDocument* d = acDocManager->vhostOpenDocument(wexisting.c_str(), false, error);
  ASSERT_NE(d, nullptr) << u8(error);
  EXPECT_EQ(std::wstring(d->docTitle()), L"vhost_ap_plan.dxf");
  EXPECT_EQ(std::wstring(d->fileName()), wexisting);
  EXPECT_EQ(std::wstring(d->database()->filename()), wexisting);
  EXPECT_EQ(vhost::dbmod(d->database()), 0) << "a drawing just read is unmodified";
  EXPECT_EQ(acDocManager->vhostOpenDocument(wexisting.c_str(), false, error), nullptr);
  EXPECT_NE(error.find(L"already open"), std::wstring::npos);
  std::wstring missing = L"/nonexistent/folder/x.dxf";
  EXPECT_EQ(acDocManager->vhostOpenDocument(missing.c_str(), false, error), nullptr);
  EXPECT_NE(error.find(missing), std::wstring::npos);

  // Saving under a new name renames the document and clears DBMOD.
  addLine(d->database());
  std::string out = tempPath("saved.dxf");
  std::wstring wout(out.begin(), out.end());
  ASSERT_TRUE(acDocManager->vhostSaveDocument(d, wout.c_str(), false, error)) << u8(error);
  EXPECT_EQ(fake.saves, 1);
  EXPECT_TRUE(std::filesystem::exists(out));
  EXPECT_EQ(std::wstring(d->docTitle()), L"vhost_ap_saved.dxf");
  EXPECT_EQ(vhost::dbmod(d->database()), 0);
  // The other open document may not be overwritten; a read-only one keeps its file.
  EXPECT_FALSE(acDocManager->vhostSaveDocument(fresh, wout.c_str(), false, error));
  ASSERT_TRUE(acDocManager->vhostCloseDocument(d, error));
  AcApDocument* ro = acDocManager->vhostOpenDocument(wout.c_str(), true, error);
  ASSERT_NE(ro, nullptr);
  EXPECT_TRUE(ro->isReadOnly());
  EXPECT_EQ(ro->formatForSave(), AcApDocument::k2010_dxf);
  EXPECT_FALSE(acDocManager->vhostSaveDocument(ro, nullptr, false, error));
  EXPECT_NE(error.find(L"read-only"), std::wstring::npos);
  EXPECT_EQ(fake.saves, 1);

  vhost::setDrawingFileIo(previous);
  std::filesystem::remove(existing);
  std::filesystem::remove(out);
}

TEST_F(DocFixture, SendStringToExecuteQueuesInputForTheDocument) {
  AcApDocument* a = newDoc();
  AcApDocument* b = newDoc();
  EXPECT_EQ(acDocManager->sendStringToExecute(a, L"ZOOM\nE\n"), Acad::eOk);
  EXPECT_EQ(acDocManager->mdiActiveDocument(), a) << "sending activates the document by default";
  EXPECT_EQ(acDocManager->sendStringToExecute(b, L"REGEN\n", false, false, false), Acad::eOk);
  EXPECT_EQ(acDocManager->mdiActiveDocument(), a);
  EXPECT_EQ(acDocManager->sendStringToExecute(nullptr, L"X"), Acad::eNullObjectPointer);
  EXPECT_EQ(acDocManager->sendStringToExecute(a, nullptr), Acad::eInvalidInput);
  std::vector<vhost::QueuedInput> qa = acDocManager->vhostTakeQueuedInput(a);
  ASSERT_EQ(qa.size(), 1u);
  EXPECT_EQ(qa[0].text, L"ZOOM\nE\n");
  EXPECT_FALSE(acDocManager->vhostHasQueuedInput(a));
  std::vector<vhost::QueuedInput> qb = acDocManager->vhostTakeQueuedInput(b);
  ASSERT_EQ(qb.size(), 1u);
  EXPECT_FALSE(qb[0].echo);
}
