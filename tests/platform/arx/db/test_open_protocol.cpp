// The open/close protocol: who may open an object how, and what ids promise.
#include <gtest/gtest.h>

#include <map>
#include <memory>

#include "DbTestSupport.h"
#include "arx/entities/AcDbLine.h"

namespace {

struct OpenProtocol : ::testing::Test {
  std::unique_ptr<AcDbDatabase> db{new AcDbDatabase()};
  AcDbObjectId line = dbtest::addToModelSpace(db.get(), new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 1, 0)));
};

TEST_F(OpenProtocol, ReadersAndOneWriter) {
  AcDbLine* r1 = nullptr;
  AcDbLine* r2 = nullptr;
  AcDbLine* w = nullptr;
  ASSERT_EQ(acdbOpenObject(r1, line, AcDb::kForRead), Acad::eOk);
  ASSERT_EQ(acdbOpenObject(r2, line, AcDb::kForRead), Acad::eOk);
  EXPECT_EQ(r1, r2);
  EXPECT_EQ(acdbOpenObject(w, line, AcDb::kForWrite), Acad::eWasOpenForRead);
  EXPECT_EQ(w, nullptr);
  EXPECT_EQ(r1->upgradeOpen(), Acad::eHadMultipleReaders);
  r2->close();
  ASSERT_EQ(r1->upgradeOpen(), Acad::eOk);
  EXPECT_TRUE(r1->isWriteEnabled());
  EXPECT_EQ(acdbOpenObject(r2, line, AcDb::kForRead), Acad::eWasOpenForWrite);
  EXPECT_EQ(acdbOpenObject(w, line, AcDb::kForWrite), Acad::eWasOpenForWrite);
  EXPECT_EQ(r1->close(), Acad::eOk);
  EXPECT_EQ(r1->close(), Acad::eNotOpenForRead);  // closed once too often
}

TEST_F(OpenProtocol, SettersNeedWriteAndTypedOpenChecksClass) {
  AcDbLine* r = nullptr;
  ASSERT_EQ(acdbOpenObject(r, line, AcDb::kForRead), Acad::eOk);
  EXPECT_THROW(r->setStartPoint(AcGePoint3d(5, 5, 5)), Acad::ErrorStatus);
  r->close();

  AcDbBlockTableRecord* notABlock = nullptr;
  EXPECT_EQ(acdbOpenObject(notABlock, line, AcDb::kForRead), Acad::eNotThatKindOfClass);
  EXPECT_EQ(notABlock, nullptr);
  // The failed typed open left nothing open: a writer gets in.
  AcDbLine* w = nullptr;
  ASSERT_EQ(acdbOpenObject(w, line, AcDb::kForWrite), Acad::eOk);
  w->close();
  AcDbObject* none = nullptr;
  EXPECT_EQ(acdbOpenObject(none, AcDbObjectId::kNull, AcDb::kForRead), Acad::eNullObjectId);
}

TEST_F(OpenProtocol, LockedLayerRefusesWriters) {
  AcDbObjectId locked = dbtest::addLayer(db.get(), L"LOCKED", true);
  AcDbLine* w = nullptr;
  ASSERT_EQ(acdbOpenObject(w, line, AcDb::kForWrite), Acad::eOk);
  ASSERT_EQ(w->setLayer(locked), Acad::eOk);
  w->close();
  EXPECT_EQ(acdbOpenObject(w, line, AcDb::kForWrite), Acad::eOnLockedLayer);
  AcDbLine* r = nullptr;
  ASSERT_EQ(acdbOpenObject(r, line, AcDb::kForRead), Acad::eOk);
  ACHAR* name = r->layer();
  EXPECT_STREQ(name, L"LOCKED");
  delete[] name;
  r->close();
}

TEST_F(OpenProtocol, EraseAndUnerase) {
  AcDbLine* w = nullptr;
  ASSERT_EQ(acdbOpenObject(w, line, AcDb::kForWrite), Acad::eOk);
  EXPECT_EQ(w->erase(), Acad::eOk);
  EXPECT_EQ(w->erase(), Acad::eWasErased);
  w->close();
  EXPECT_TRUE(line.isErased());
  EXPECT_TRUE(line.isValid());
  AcDbObject* obj = nullptr;
  EXPECT_EQ(acdbOpenObject(obj, line, AcDb::kForRead), Acad::eWasErased);
  ASSERT_EQ(acdbOpenObject(obj, line, AcDb::kForWrite, true), Acad::eOk);
  EXPECT_EQ(obj->erase(false), Acad::eOk);
  obj->close();
  EXPECT_FALSE(line.isErased());

  // Erasing needs a writer.
  ASSERT_EQ(acdbOpenObject(obj, line, AcDb::kForRead), Acad::eOk);
  EXPECT_EQ(obj->erase(), Acad::eNotOpenForWrite);
  obj->close();
}

TEST_F(OpenProtocol, IdsOrderByCreationAndResolveHandles) {
  std::map<AcDbObjectId, int> order;
  AcDbObjectIdArray ids;
  for (int i = 0; i < 50; ++i) {
    ids.append(dbtest::addToModelSpace(db.get(), new AcDbLine(AcGePoint3d(i, 0, 0), AcGePoint3d(i, 1, 0))));
    order[ids.last()] = i;
  }
  int expected = 0;
  for (const auto& entry : order) EXPECT_EQ(entry.second, expected++);
  for (const AcDbObjectId& id : ids) {
    AcDbObjectId found;
    ASSERT_EQ(db->getAcDbObjectId(found, false, id.handle()), Acad::eOk);
    EXPECT_EQ(found, id);
    EXPECT_EQ(id.database(), db.get());
  }
  AcDbObjectId missing;
  EXPECT_EQ(db->getAcDbObjectId(missing, false, AcDbHandle(Adesk::UInt64(0xFFFFFF))), Acad::eUnknownHandle);
  EXPECT_EQ(db->getAcDbObjectId(missing, false, AcDbHandle()), Acad::eNullHandle);
  EXPECT_LT(AcDbObjectId::kNull, ids.first());
}

TEST(NewDatabase, HoldsWhatANewDrawingHolds) {
  AcDbDatabase db;
  EXPECT_FALSE(db.layerZero().isNull());
  EXPECT_EQ(db.clayer(), db.layerZero());
  EXPECT_FALSE(db.byLayerLinetype().isNull());
  EXPECT_FALSE(db.byBlockLinetype().isNull());
  EXPECT_FALSE(db.continuousLinetype().isNull());
  EXPECT_FALSE(db.textStyleId(L"standard").isNull());
  EXPECT_FALSE(db.modelSpaceId().isNull());
  EXPECT_FALSE(db.paperSpaceId().isNull());
  EXPECT_FALSE(db.regAppId(L"ACAD").isNull());
  EXPECT_FALSE(db.groupDictionaryId().isNull());
  EXPECT_FALSE(db.layoutDictionaryId().isNull());
  AcDbBlockTableRecord* ms = nullptr;
  ASSERT_EQ(acdbOpenObject(ms, db.modelSpaceId(), AcDb::kForRead), Acad::eOk);
  EXPECT_TRUE(ms->isLayout());
  ms->close();

  // An entity appended takes the current properties of the database.
  AcDbObjectId layer = dbtest::addLayer(&db, L"ROADS");
  ASSERT_EQ(db.setClayer(layer), Acad::eOk);
  AcDbObjectId id = dbtest::addToModelSpace(&db, new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0)));
  AcDbEntity* ent = nullptr;
  ASSERT_EQ(acdbOpenObject(ent, id, AcDb::kForRead), Acad::eOk);
  EXPECT_EQ(ent->layerId(), layer);
  EXPECT_EQ(ent->linetypeId(), db.byLayerLinetype());
  EXPECT_EQ(ent->colorIndex(), 256);
  EXPECT_EQ(ent->ownerId(), db.modelSpaceId());
  ent->close();
}

}  // namespace
