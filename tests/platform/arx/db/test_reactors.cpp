// Notifications: persistent and transient reactors hear changes when the
// changed object is closed, while it is still open for them to read.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "DbTestSupport.h"
#include "arx/base/Resbuf.h"
#include "arx/db/AcDbDictionary.h"
#include "arx/entities/AcDbLine.h"

namespace {

std::vector<std::wstring> gLog;

class LogReactor : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(LogReactor);
  void modified(const AcDbObject* obj) override {
    // The notifier is still open: a reader gets in, a writer does not.
    AcDbObject* again = nullptr;
    if (acdbOpenObject(again, obj->objectId(), AcDb::kForRead) == Acad::eOk) {
      gLog.push_back(L"modified+read");
      again->close();
    }
    AcDbObject* writer = nullptr;
    if (acdbOpenObject(writer, obj->objectId(), AcDb::kForWrite) == Acad::eWasNotifying) gLog.push_back(L"nowrite");
  }
  void modifiedXData(const AcDbObject*) override { gLog.push_back(L"xdata"); }
  void erased(const AcDbObject*, Adesk::Boolean erasing) override { gLog.push_back(erasing ? L"erased" : L"unerased"); }
};
ACRX_DXF_DEFINE_MEMBERS(LogReactor, AcDbObject, AcDb::kDHL_CURRENT, AcDb::kMReleaseCurrent, 0, TEST_LOG_REACTOR, VeskTest)

class Transient : public AcDbObjectReactor {
 public:
  int modifiedCount = 0, closedCount = 0;
  void modified(const AcDbObject*) override { ++modifiedCount; }
  void objectClosed(const AcDbObjectId&) override { ++closedCount; }
};

struct Reactors : ::testing::Test {
  std::unique_ptr<AcDbDatabase> db{new AcDbDatabase()};
  AcDbObjectId line = dbtest::addToModelSpace(db.get(), new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0)));
  AcDbObjectId reactor;
  void SetUp() override {
    LogReactor::rxInit();
    gLog.clear();
    AcDbDictionary* nod = nullptr;
    ASSERT_EQ(db->getNamedObjectsDictionary(nod, AcDb::kForWrite), Acad::eOk);
    auto* r = new LogReactor();
    ASSERT_EQ(nod->setAt(L"LOG", r, reactor), Acad::eOk);
    r->close();
    nod->close();
    AcDbObject* obj = nullptr;
    ASSERT_EQ(acdbOpenObject(obj, line, AcDb::kForWrite), Acad::eOk);
    obj->addPersistentReactor(reactor);
    obj->addPersistentReactor(reactor);  // once only
    obj->close();
    gLog.clear();
  }
};

TEST_F(Reactors, ModifiedArrivesOnCloseWhileNotifierIsOpen) {
  AcDbLine* w = nullptr;
  ASSERT_EQ(acdbOpenObject(w, line, AcDb::kForWrite), Acad::eOk);
  EXPECT_EQ(w->getPersistentReactors().length(), 1);
  w->setStartPoint(AcGePoint3d(3, 3, 0));
  EXPECT_TRUE(gLog.empty());
  w->close();
  EXPECT_EQ(gLog, (std::vector<std::wstring>{L"modified+read", L"nowrite"}));

  // Opening for write and closing without a change says nothing.
  gLog.clear();
  ASSERT_EQ(acdbOpenObject(w, line, AcDb::kForWrite), Acad::eOk);
  w->close();
  EXPECT_TRUE(gLog.empty());

  // The reactor list as the host lists it.
  ASSERT_EQ(acdbOpenObject(w, line, AcDb::kForRead), Acad::eOk);
  const AcDbVoidPtrArray* list = w->reactors();
  ASSERT_EQ(list->length(), 1);
  EXPECT_TRUE(acdbIsPersistentReactor((*list)[0]));
  EXPECT_EQ(acdbPersistentReactorObjectId((*list)[0]), reactor);
  w->close();
}

TEST_F(Reactors, XDataAndEraseNotifications) {
  dbtest::registerApp(db.get(), L"APP");
  AcDbObject* w = nullptr;
  ASSERT_EQ(acdbOpenObject(w, line, AcDb::kForWrite), Acad::eOk);
  resbuf* rb = acutBuildList(1001, L"APP", 1000, L"v", 0);
  w->setXData(rb);
  acutRelRb(rb);
  w->close();
  ASSERT_GE(gLog.size(), 2u);
  EXPECT_EQ(gLog[0], L"xdata");
  EXPECT_EQ(gLog[1], L"modified+read");

  gLog.clear();
  ASSERT_EQ(acdbOpenObject(w, line, AcDb::kForWrite), Acad::eOk);
  w->erase();
  w->close();
  EXPECT_EQ(gLog, std::vector<std::wstring>{L"erased"});

  // A removed reactor hears nothing more.
  gLog.clear();
  ASSERT_EQ(acdbOpenObject(w, line, AcDb::kForWrite, true), Acad::eOk);
  EXPECT_EQ(w->removePersistentReactor(reactor), Acad::eOk);
  w->erase(false);
  w->close();
  EXPECT_TRUE(gLog.empty());
}

TEST_F(Reactors, TransientReactorsHearAndCanLeave) {
  Transient t;
  AcDbLine* w = nullptr;
  ASSERT_EQ(acdbOpenObject(w, line, AcDb::kForRead), Acad::eOk);
  w->addReactor(&t);
  w->close();
  ASSERT_EQ(acdbOpenObject(w, line, AcDb::kForWrite), Acad::eOk);
  w->setEndPoint(AcGePoint3d(9, 9, 0));
  w->close();
  EXPECT_EQ(t.modifiedCount, 1);
  EXPECT_EQ(t.closedCount, 1);
  ASSERT_EQ(acdbOpenObject(w, line, AcDb::kForWrite), Acad::eOk);
  w->removeReactor(&t);
  w->setEndPoint(AcGePoint3d(8, 8, 0));
  w->close();
  EXPECT_EQ(t.modifiedCount, 1);
}

TEST(RxClasses, RegistrationCastAndMismatch) {
  LogReactor::rxInit();
  LogReactor::rxInit();  // a second call finds its own descriptor
  AcRxClass* cls = LogReactor::desc();
  ASSERT_NE(cls, nullptr);
  EXPECT_STREQ(cls->name(), L"LogReactor");
  EXPECT_STREQ(cls->dxfName(), L"TEST_LOG_REACTOR");
  EXPECT_TRUE(cls->isDerivedFrom(AcDbObject::desc()));
  EXPECT_EQ(acrxClassDictionary->at(L"LogReactor"), cls);
  std::unique_ptr<AcRxObject> made(cls->create());
  EXPECT_NE(LogReactor::cast(made.get()), nullptr);
  EXPECT_EQ(AcDbEntity::cast(made.get()), nullptr);
  EXPECT_NE(AcDbObject::cast(made.get()), nullptr);
  EXPECT_EQ(vhostClassByDxfName(L"test_log_reactor"), cls);

  // Removing the class and registering it again gives a fresh descriptor;
  // a foreign descriptor under the name aborts registration.
  deleteAcRxClass(cls);
  EXPECT_EQ(acrxClassDictionary->at(L"LogReactor"), nullptr);
  LogReactor::rxInit();
  EXPECT_NE(acrxClassDictionary->at(L"LogReactor"), nullptr);
  AcRxClass* foreign = newAcRxClass(L"ForeignName", L"AcDbObject");
  acrxClassDictionary->atPut(L"LogReactor", foreign);
  EXPECT_THROW(LogReactor::rxInit(), vhost::AbortError);
  acrxClassDictionary->atPut(L"LogReactor", LogReactor::gpDesc);
}

}  // namespace
