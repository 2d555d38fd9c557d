// Cloning within a database and into another one.
#include <gtest/gtest.h>

#include <memory>

#include "DbTestSupport.h"
#include "arx/base/Resbuf.h"
#include "arx/db/AcDbDictionary.h"
#include "arx/db/AcDbXrecord.h"
#include "arx/entities/AcDbCircle.h"
#include "arx/entities/AcDbLine.h"

namespace {

AcDbObjectIdArray entitiesOf(AcDbObjectId blockId) {
  AcDbObjectIdArray ids;
  AcDbBlockTableRecord* btr = nullptr;
  if (acdbOpenObject(btr, blockId, AcDb::kForRead) != Acad::eOk) return ids;
  AcDbBlockTableRecordIterator* it = nullptr;
  btr->newIterator(it);
  for (; it && !it->done(); it->step()) {
    AcDbObjectId id;
    it->getEntityId(id);
    ids.append(id);
  }
  delete it;
  btr->close();
  return ids;
}

// A line with an extension dictionary holding an xrecord, on its own layer.
AcDbObjectId makeRichLine(AcDbDatabase* db, AcDbObjectId layer) {
  auto* line = new AcDbLine(AcGePoint3d(1, 2, 0), AcGePoint3d(4, 6, 0));
  AcDbObjectId id = dbtest::addToModelSpace(db, line);
  AcDbLine* w = nullptr;
  acdbOpenObject(w, id, AcDb::kForWrite);
  w->setLayer(layer);
  w->createExtensionDictionary();
  AcDbObjectId dictId = w->extensionDictionary();
  w->close();
  AcDbDictionary* dict = nullptr;
  acdbOpenObject(dict, dictId, AcDb::kForWrite);
  auto* rec = new AcDbXrecord();
  resbuf* data = acutBuildList(1, L"值", 0);
  rec->setFromRbChain(*data);
  acutRelRb(data);
  AcDbObjectId recId;
  dict->setAt(L"DATA", rec, recId);
  rec->close();
  dict->close();
  return id;
}

std::wstring xrecordText(AcDbObjectId ent) {
  AcDbObject* obj = nullptr;
  if (acdbOpenObject(obj, ent, AcDb::kForRead) != Acad::eOk) return L"<no entity>";
  AcDbObjectId dictId = obj->extensionDictionary();
  obj->close();
  AcDbDictionary* dict = nullptr;
  if (acdbOpenObject(dict, dictId, AcDb::kForRead) != Acad::eOk) return L"<no dictionary>";
  AcDbObjectId recId;
  dict->getAt(L"DATA", recId);
  dict->close();
  AcDbXrecord* rec = nullptr;
  if (acdbOpenObject(rec, recId, AcDb::kForRead) != Acad::eOk) return L"<no xrecord>";
  resbuf* chain = nullptr;
  rec->rbChain(chain);
  std::wstring text = chain ? chain->resval.rstring : L"";
  acutRelRb(chain);
  rec->close();
  return text;
}

TEST(Cloning, DeepCloneCopiesOwnedObjectsAndKeepsPointers) {
  AcDbDatabase db;
  AcDbObjectId layer = dbtest::addLayer(&db, L"WATER");
  AcDbObjectId original = makeRichLine(&db, layer);
  AcDbIdMapping map;
  AcDbObjectIdArray ids;
  ids.append(original);
  ASSERT_EQ(db.deepCloneObjects(ids, db.modelSpaceId(), map), Acad::eOk);
  AcDbIdPair pair(original, AcDbObjectId(), false);
  ASSERT_TRUE(map.compute(pair));
  AcDbObjectId copy = pair.value();
  ASSERT_NE(copy, original);
  EXPECT_TRUE(pair.isPrimary());
  EXPECT_EQ(entitiesOf(db.modelSpaceId()).length(), 2);

  AcDbLine* a = nullptr;
  AcDbLine* b = nullptr;
  ASSERT_EQ(acdbOpenObject(a, original, AcDb::kForRead), Acad::eOk);
  ASSERT_EQ(acdbOpenObject(b, copy, AcDb::kForRead), Acad::eOk);
  EXPECT_TRUE(a->startPoint().isEqualTo(b->startPoint()));
  EXPECT_EQ(b->layerId(), layer);  // pointers within a database stay
  EXPECT_NE(b->extensionDictionary(), a->extensionDictionary());
  EXPECT_FALSE(b->extensionDictionary().isNull());
  AcDbObjectId copyDict = b->extensionDictionary();
  a->close();
  b->close();
  AcDbObject* dict = nullptr;
  ASSERT_EQ(acdbOpenObject(dict, copyDict, AcDb::kForRead), Acad::eOk);
  EXPECT_EQ(dict->ownerId(), copy);
  dict->close();
  EXPECT_EQ(xrecordText(copy), L"值");
}

TEST(Cloning, WblockIntoAnotherDatabaseBringsSymbols) {
  AcDbDatabase src;
  AcDbObjectId layer = dbtest::addLayer(&src, L"WATER");
  AcDbObjectId original = makeRichLine(&src, layer);
  AcDbDatabase dest;
  AcDbIdMapping map;
  AcDbObjectIdArray ids;
  ids.append(original);
  ASSERT_EQ(src.wblockCloneObjects(ids, dest.modelSpaceId(), map, AcDb::kDrcIgnore), Acad::eOk);
  AcDbObjectIdArray made = entitiesOf(dest.modelSpaceId());
  ASSERT_EQ(made.length(), 1);
  AcDbLine* copy = nullptr;
  ASSERT_EQ(acdbOpenObject(copy, made[0], AcDb::kForRead), Acad::eOk);
  EXPECT_EQ(copy->database(), &dest);
  EXPECT_EQ(copy->layerId().database(), &dest);
  EXPECT_EQ(copy->layerId(), dest.layerId(L"WATER"));
  EXPECT_EQ(copy->linetypeId(), dest.byLayerLinetype());  // matched by name, not cloned
  copy->close();
  EXPECT_EQ(xrecordText(made[0]), L"值");
}

TEST(Cloning, InsertMakesABlockFromAnotherDrawing) {
  AcDbDatabase src;
  dbtest::addToModelSpace(&src, new AcDbCircle(AcGePoint3d(5, 5, 0), AcGeVector3d::kZAxis, 2.0));
  dbtest::addToModelSpace(&src, new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0)));
  AcDbDatabase dest;
  AcDbObjectId blockId;
  ASSERT_EQ(dest.insert(blockId, L"SYMBOL", &src), Acad::eOk);
  EXPECT_EQ(entitiesOf(blockId).length(), 2);
  // Inserting again redefines the block instead of adding to it.
  ASSERT_EQ(dest.insert(blockId, L"SYMBOL", &src), Acad::eOk);
  EXPECT_EQ(entitiesOf(blockId).length(), 2);
  EXPECT_EQ(entitiesOf(src.modelSpaceId()).length(), 2);  // the source is untouched
}

}  // namespace
