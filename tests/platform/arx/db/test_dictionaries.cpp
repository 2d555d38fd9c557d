// Dictionaries, xrecords and layouts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "arx/base/Resbuf.h"
#include "arx/db/AcDbBlockTable.h"
#include "arx/db/AcDbDatabase.h"
#include "arx/db/AcDbDictionary.h"
#include "arx/db/AcDbLayout.h"
#include "arx/db/AcDbXrecord.h"

namespace {

// A dictionary added to the named-object dictionary under the key, left open for write.
AcDbDictionary* newDictionary(AcDbDatabase& db, const ACHAR* key) {
  AcDbDictionary* nod = nullptr;
  EXPECT_EQ(db.getNamedObjectsDictionary(nod, AcDb::kForWrite), Acad::eOk);
  auto* dict = new AcDbDictionary();
  AcDbObjectId id;
  EXPECT_EQ(nod->setAt(key, dict, id), Acad::eOk);
  nod->close();
  return dict;
}

AcDbObjectId putXrecord(AcDbDictionary* dict, const ACHAR* key, resbuf* data = nullptr) {
  auto* rec = new AcDbXrecord();
  if (data) {
    EXPECT_EQ(rec->setFromRbChain(*data), Acad::eOk);
  }
  AcDbObjectId id;
  Acad::ErrorStatus es = dict->setAt(key, rec, id);
  EXPECT_EQ(es, Acad::eOk);
  if (es == Acad::eOk)
    rec->close();
  else
    delete rec;
  return id;
}

std::vector<std::wstring> keysOf(const AcDbDictionary* dict, AcRx::DictIterType type = AcRx::kDictCollated) {
  std::vector<std::wstring> out;
  AcDbDictionaryIterator* it = dict->newIterator(type);
  for (; !it->done(); it->next()) out.push_back(it->name());
  delete it;
  return out;
}

Acad::ErrorStatus eraseObject(AcDbObjectId id, bool erasing = true) {
  AcDbObject* obj = nullptr;
  Acad::ErrorStatus es = acdbOpenObject(obj, id, AcDb::kForWrite, true);
  if (es != Acad::eOk) return es;
  es = obj->erase(erasing);
  obj->close();
  return es;
}

resbuf* dataOf(AcDbObjectId xrecordId) {
  AcDbXrecord* rec = nullptr;
  if (acdbOpenObject(rec, xrecordId, AcDb::kForRead) != Acad::eOk) return nullptr;
  resbuf* chain = nullptr;
  rec->rbChain(chain);
  rec->close();
  return chain;
}

AcDbObjectId idOf(const resbuf* rb) {
  AcDbObjectId id;
  acdbGetObjectId(id, rb->resval.rlname);
  return id;
}

}  // namespace

TEST(Dictionaries, KeysIgnoreCaseAndKeepInsertionOrder) {
  AcDbDatabase db;
  AcDbDictionary* dict = newDictionary(db, L"VESK_TEST");
  AcDbObjectId b = putXrecord(dict, L"beta");
  AcDbObjectId a = putXrecord(dict, L"Alpha");
  AcDbObjectId c = putXrecord(dict, L"gamma");
  EXPECT_EQ(keysOf(dict), (std::vector<std::wstring>{L"beta", L"Alpha", L"gamma"}));
  EXPECT_EQ(keysOf(dict, AcRx::kDictSorted), (std::vector<std::wstring>{L"Alpha", L"beta", L"gamma"}));
  EXPECT_EQ(dict->numEntries(), 3u);
  AcDbObjectId found;
  EXPECT_EQ(dict->getAt(L"ALPHA", found), Acad::eOk);
  EXPECT_EQ(found, a);
  EXPECT_EQ(dict->getAt(L"delta", found), Acad::eKeyNotFound);
  EXPECT_EQ(dict->getAt(nullptr, found), Acad::eInvalidKey);
  EXPECT_TRUE(dict->has(L"GAMMA"));
  EXPECT_TRUE(dict->has(c));
  std::wstring key;
  EXPECT_EQ(dict->nameAt(b, key), Acad::eOk);
  EXPECT_EQ(key, L"beta");
  EXPECT_EQ(dict->nameAt(db.layerZero(), key), Acad::eKeyNotFound);
  AcDbXrecord* rec = nullptr;
  EXPECT_EQ(dict->getAt(L"Beta", rec, AcDb::kForRead), Acad::eOk);
  EXPECT_EQ(rec->ownerId(), dict->objectId());
  rec->close();

  // Renaming keeps the place.
  EXPECT_FALSE(dict->setName(L"beta", L"ALPHA"));
  EXPECT_FALSE(dict->setName(L"missing", L"other"));
  EXPECT_FALSE(dict->setName(L"beta", L""));
  EXPECT_TRUE(dict->setName(L"beta", L"Beta2"));
  EXPECT_EQ(keysOf(dict), (std::vector<std::wstring>{L"Beta2", L"Alpha", L"gamma"}));

  // The key "*" makes anonymous keys.
  AcDbObjectId anon1 = putXrecord(dict, L"*");
  AcDbObjectId anon2 = putXrecord(dict, L"*");
  dict->nameAt(anon1, key);
  EXPECT_EQ(key, L"*A1");
  dict->nameAt(anon2, key);
  EXPECT_EQ(key, L"*A2");

  auto* loose = new AcDbXrecord();
  EXPECT_EQ(dict->setAt(L"", loose, found), Acad::eInvalidKey);
  EXPECT_EQ(dict->setAt(L"x", nullptr, found), Acad::eNullObjectPointer);
  EXPECT_EQ(dict->setAt(L"self", dict, found), Acad::eSelfReference);
  dict->close();
  ASSERT_EQ(acdbOpenObject(dict, dict->objectId(), AcDb::kForRead), Acad::eOk);
  EXPECT_EQ(dict->setAt(L"x", loose, found), Acad::eNotOpenForWrite);
  EXPECT_EQ(dict->remove(L"gamma"), Acad::eNotOpenForWrite);
  dict->close();
  delete loose;

  AcDbDatabase other;
  AcDbDictionary* foreign = newDictionary(other, L"F");
  AcDbObjectId foreignRec = putXrecord(foreign, L"r");
  foreign->close();
  AcDbXrecord* foreignObj = nullptr;
  ASSERT_EQ(acdbOpenObject(foreignObj, foreignRec, AcDb::kForWrite), Acad::eOk);
  ASSERT_EQ(acdbOpenObject(dict, dict->objectId(), AcDb::kForWrite), Acad::eOk);
  EXPECT_EQ(dict->setAt(L"foreign", foreignObj, found), Acad::eWrongDatabase);
  dict->close();
  foreignObj->close();
}

TEST(Dictionaries, ReplacingErasesTheOldObjectAndRemovingOnlyUnlinks) {
  AcDbDatabase db;
  AcDbDictionary* dict = newDictionary(db, L"VESK_TEST");
  putXrecord(dict, L"first");
  AcDbObjectId old = putXrecord(dict, L"middle");
  putXrecord(dict, L"last");
  AcDbObjectId replacement = putXrecord(dict, L"MIDDLE");
  EXPECT_TRUE(old.isErased());
  EXPECT_FALSE(replacement.isErased());
  EXPECT_EQ(keysOf(dict), (std::vector<std::wstring>{L"first", L"MIDDLE", L"last"}));
  EXPECT_EQ(dict->numEntries(), 3u);

  // Putting an entry's object under its own key again changes nothing.
  AcDbXrecord* same = nullptr;
  ASSERT_EQ(acdbOpenObject(same, replacement, AcDb::kForWrite), Acad::eOk);
  AcDbObjectId again;
  EXPECT_EQ(dict->setAt(L"middle", same, again), Acad::eOk);
  EXPECT_EQ(again, replacement);
  same->close();
  EXPECT_FALSE(replacement.isErased());

  AcDbObjectId removed;
  EXPECT_EQ(dict->remove(L"first", removed), Acad::eOk);
  EXPECT_FALSE(removed.isErased());
  EXPECT_FALSE(dict->has(L"first"));
  EXPECT_EQ(dict->remove(L"first"), Acad::eKeyNotFound);
  EXPECT_EQ(dict->remove(replacement), Acad::eOk);
  EXPECT_EQ(dict->remove(replacement), Acad::eKeyNotFound);
  EXPECT_EQ(keysOf(dict), (std::vector<std::wstring>{L"last"}));
  AcDbObject* obj = nullptr;
  ASSERT_EQ(acdbOpenObject(obj, removed, AcDb::kForRead), Acad::eOk);
  EXPECT_TRUE(obj->ownerId().isNull());
  obj->close();

  // A removed object can be put back under another key.
  ASSERT_EQ(acdbOpenObject(obj, removed, AcDb::kForWrite), Acad::eOk);
  EXPECT_EQ(dict->setAt(L"back", obj, again), Acad::eOk);
  EXPECT_EQ(again, removed);
  EXPECT_EQ(obj->ownerId(), dict->objectId());
  obj->close();
  EXPECT_EQ(keysOf(dict), (std::vector<std::wstring>{L"last", L"back"}));

  // Many removals (the list compacts itself) keep look-ups and order right.
  for (int i = 0; i < 100; ++i) putXrecord(dict, (L"k" + std::to_wstring(i)).c_str());
  for (int i = 0; i < 100; ++i)
    if (i % 10 != 3) {
      EXPECT_EQ(dict->remove((L"K" + std::to_wstring(i)).c_str()), Acad::eOk);
    }
  std::vector<std::wstring> expected{L"last", L"back"};
  for (int i = 3; i < 100; i += 10) expected.push_back(L"k" + std::to_wstring(i));
  EXPECT_EQ(keysOf(dict), expected);
  EXPECT_TRUE(dict->has(L"k93"));
  EXPECT_FALSE(dict->has(L"k94"));
  dict->close();
}

TEST(Dictionaries, ErasedEntriesAreInvisibleUntilUnerased) {
  AcDbDatabase db;
  AcDbDictionary* dict = newDictionary(db, L"VESK_TEST");
  putXrecord(dict, L"a");
  AcDbObjectId b = putXrecord(dict, L"b");
  putXrecord(dict, L"c");
  AcDbObjectId dictId = dict->objectId();
  dict->close();

  ASSERT_EQ(eraseObject(b), Acad::eOk);
  ASSERT_EQ(acdbOpenObject(dict, dictId, AcDb::kForRead), Acad::eOk);
  EXPECT_EQ(dict->numEntries(), 2u);
  EXPECT_FALSE(dict->has(L"b"));
  EXPECT_FALSE(dict->has(b));
  EXPECT_EQ(keysOf(dict), (std::vector<std::wstring>{L"a", L"c"}));
  AcDbDictionaryIterator* it = dict->newIterator();
  dict->close();
  ASSERT_EQ(eraseObject(b, false), Acad::eOk);
  // An iterator lists entries as they were when it was made.
  std::vector<std::wstring> seen;
  for (; !it->done(); it->next()) seen.push_back(it->name());
  delete it;
  EXPECT_EQ(seen, (std::vector<std::wstring>{L"a", L"c"}));
  ASSERT_EQ(acdbOpenObject(dict, dictId, AcDb::kForRead), Acad::eOk);
  EXPECT_EQ(keysOf(dict), (std::vector<std::wstring>{L"a", L"b", L"c"}));
  dict->close();

  // Erasing the dictionary erases its entries.
  ASSERT_EQ(eraseObject(dictId), Acad::eOk);
  EXPECT_TRUE(b.isErased());
}

TEST(Dictionaries, NestedXrecordsReadBackEveryValueKind) {
  AcDbDatabase db;
  AcDbDictionary* outer = newDictionary(db, L"VESK_PLAN");
  auto* inner = new AcDbDictionary();
  AcDbObjectId innerId;
  ASSERT_EQ(outer->setAt(L"Zones", inner, innerId), Acad::eOk);
  AcDbObjectId target = putXrecord(outer, L"Target");
  outer->close();
  // Objects only the xrecord will own.
  AcDbObjectId owned, softOwned;
  for (AcDbObjectId* id : {&owned, &softOwned}) {
    auto* part = new AcDbXrecord();
    ASSERT_EQ(db.addAcDbObject(*id, part), Acad::eOk);
    part->close();
  }

  ads_name targetName, ownedName, softName, layerName;
  acdbGetAdsName(targetName, target);
  acdbGetAdsName(ownedName, owned);
  acdbGetAdsName(softName, softOwned);
  acdbGetAdsName(layerName, db.layerZero());
  ads_point pt = {1.5, -2.25, 1e9};
  char bytes[] = {0, 1, 2, static_cast<char>(0xFF), 4};
  ads_binary chunk{5, bytes};
  resbuf* data = acutBuildList(1, L"Zone 1 — 居住用地", 2, L"", 10, pt, 40, 3.141592653589793, 70, -12, 90, 123456789,
                               160, static_cast<Adesk::Int64>(-9000000000LL), 290, 1, 280, 7, 310, &chunk, 320, L"1A2B",
                               330, targetName, 340, layerName, 350, softName, 360, ownedName, 390, layerName, 480,
                               layerName, 1000, L"extra", 1071, 42, 0);
  ASSERT_NE(data, nullptr);
  auto* rec = new AcDbXrecord();
  ASSERT_EQ(rec->setFromRbChain(*data), Acad::eOk);
  EXPECT_EQ(rec->vhostItemCount(), 19);
  AcDbObjectId recId;
  ASSERT_EQ(inner->setAt(L"Zone1", rec, recId), Acad::eOk);
  rec->close();
  inner->close();

  resbuf* back = dataOf(recId);
  EXPECT_TRUE(vhost::rbChainEqual(data, back));
  acutRelRb(back);

  // A copy through the object's filing holds the same data.
  AcDbXrecord* open = nullptr;
  ASSERT_EQ(acdbOpenObject(open, recId, AcDb::kForRead), Acad::eOk);
  std::unique_ptr<AcDbXrecord> copy(AcDbXrecord::cast(open->clone()));
  open->close();
  ASSERT_TRUE(copy);
  resbuf* copied = nullptr;
  copy->rbChain(copied);
  EXPECT_TRUE(vhost::rbChainEqual(data, copied));
  acutRelRb(copied);
  acutRelRb(data);

  // Owner codes own: erasing the xrecord erases what its 350 and 360 items
  // name, not what its pointers name.
  ASSERT_EQ(eraseObject(recId), Acad::eOk);
  EXPECT_TRUE(owned.isErased());
  EXPECT_TRUE(softOwned.isErased());
  EXPECT_FALSE(target.isErased());
}

TEST(Dictionaries, XrecordsRefuseChainsThatDoNotFit) {
  AcDbXrecord rec;
  resbuf* good = acutBuildList(1, L"kept", 0);
  ASSERT_EQ(rec.setFromRbChain(*good), Acad::eOk);

  auto refused = [&](resbuf* chain, Acad::ErrorStatus expected) {
    ASSERT_NE(chain, nullptr);
    EXPECT_EQ(rec.setFromRbChain(*chain), expected);
    acutRelRb(chain);
    resbuf* now = nullptr;
    rec.rbChain(now);
    EXPECT_TRUE(vhost::rbChainEqual(now, good));  // nothing changed
    acutRelRb(now);
  };
  refused(acutBuildList(1, L"a", RTSTR, L"b", 0), Acad::eInvalidResBuf);
  refused(acutBuildList(1, L"a", RTDXF0, L"LINE", 0), Acad::eInvalidResBuf);
  refused(acutBuildList(-3, 0), Acad::eInvalidResBuf);
  refused(acutBuildList(1, L"a", 320, L"not hex", 0), Acad::eInvalidResBuf);
  resbuf* unknown = acutNewRb(1);
  unknown->resval.rstring = nullptr;
  refused(unknown, Acad::eInvalidResBuf);
  resbuf* badBool = acutNewRb(290);
  badBool->resval.rint = 2;
  refused(badBool, Acad::eInvalidResBuf);
  resbuf* noCode = acutNewRb(1);
  acutNewString(L"x", noCode->resval.rstring);
  noCode->rbnext = acutNewRb(1);
  noCode->rbnext->restype = 85;  // a code that carries nothing
  refused(noCode, Acad::eInvalidResBuf);
  ads_name nobody = {0, 12345};
  refused(acutBuildList(330, nobody, 0), Acad::eInvalidAdsName);
  acutRelRb(good);

  // A null entity name is kept as a null reference.
  resbuf* nullRef = acutBuildList(340, nobody, 0);
  nullRef->resval.rlname[0] = nullRef->resval.rlname[1] = 0;
  EXPECT_EQ(rec.setFromRbChain(*nullRef), Acad::eOk);
  resbuf* now = nullptr;
  rec.rbChain(now);
  ASSERT_NE(now, nullptr);
  EXPECT_EQ(now->resval.rlname[0], 0);
  acutRelRb(now);
  acutRelRb(nullRef);
}

TEST(Dictionaries, ClonedXrecordsFollowTheirReferences) {
  AcDbDatabase db;
  AcDbDictionary* dict = newDictionary(db, L"VESK_SRC");
  AcDbObjectId dictId = dict->objectId();
  AcDbObjectId outside = putXrecord(dict, L"Outside");
  auto* part = new AcDbXrecord();
  AcDbObjectId partId;
  ASSERT_EQ(db.addAcDbObject(partId, part), Acad::eOk);
  part->close();
  ads_name partName, outsideName;
  acdbGetAdsName(partName, partId);
  acdbGetAdsName(outsideName, outside);
  resbuf* data = acutBuildList(360, partName, 330, outsideName, 0);
  AcDbObjectId holder = putXrecord(dict, L"Holder", data);
  acutRelRb(data);
  dict->close();

  AcDbIdMapping map;
  AcDbObjectIdArray ids{holder};
  ASSERT_EQ(db.deepCloneObjects(ids, dictId, map), Acad::eOk);
  AcDbIdPair pair(holder, AcDbObjectId(), false);
  ASSERT_TRUE(map.compute(pair));
  resbuf* cloned = dataOf(pair.value());
  ASSERT_NE(cloned, nullptr);
  ASSERT_NE(cloned->rbnext, nullptr);
  // The owned part was cloned along and the clone refers to it; the soft
  // pointer still names the original.
  AcDbObjectId clonedPart = idOf(cloned);
  EXPECT_NE(clonedPart, partId);
  EXPECT_FALSE(clonedPart.isNull());
  AcDbIdPair partPair(partId, AcDbObjectId(), false);
  ASSERT_TRUE(map.compute(partPair));
  EXPECT_EQ(clonedPart, partPair.value());
  EXPECT_EQ(idOf(cloned->rbnext), outside);
  acutRelRb(cloned);

  ASSERT_EQ(acdbOpenObject(dict, dictId, AcDb::kForRead), Acad::eOk);
  EXPECT_EQ(dict->numEntries(), 3u);
  dict->close();
}

TEST(Layouts, LayoutsLiveInTheLayoutDictionary) {
  AcDbDatabase db;
  AcDbDictionary* layouts = nullptr;
  ASSERT_EQ(db.getLayoutDictionary(layouts, AcDb::kForRead), Acad::eOk);
  EXPECT_EQ(keysOf(layouts), (std::vector<std::wstring>{L"Model", L"Layout1"}));
  AcDbLayout* model = nullptr;
  ASSERT_EQ(layouts->getAt(L"model", model, AcDb::kForWrite), Acad::eOk);
  AcDbObjectId layout1Id;
  layouts->getAt(L"Layout1", layout1Id);
  layouts->close();
  EXPECT_TRUE(model->modelType());
  EXPECT_EQ(model->getTabOrder(), 0);
  EXPECT_EQ(model->getBlockTableRecordId(), db.modelSpaceId());
  EXPECT_EQ(model->setLayoutName(L"Sheet"), Acad::eInvalidInput);
  model->close();

  AcDbLayout* sheet = nullptr;
  ASSERT_EQ(acdbOpenObject(sheet, layout1Id, AcDb::kForWrite), Acad::eOk);
  EXPECT_FALSE(sheet->modelType());
  EXPECT_EQ(sheet->getTabOrder(), 1);
  EXPECT_EQ(sheet->setLayoutName(L"MODEL"), Acad::eDuplicateKey);
  EXPECT_EQ(sheet->setLayoutName(L"Bad:Name"), Acad::eInvalidInput);
  EXPECT_EQ(sheet->setLayoutName(L"Site plan"), Acad::eOk);
  EXPECT_EQ(sheet->setTabOrder(-1), Acad::eInvalidInput);
  EXPECT_EQ(sheet->setBlockTableRecordId(db.layerZero()), Acad::eWrongObjectType);
  sheet->close();

  // A new layout with its own paper-space block.
  AcDbBlockTable* bt = nullptr;
  ASSERT_EQ(db.getBlockTable(bt, AcDb::kForWrite), Acad::eOk);
  auto* block = new AcDbBlockTableRecord();
  block->setName(L"*Paper_Space0");
  AcDbObjectId blockId;
  ASSERT_EQ(bt->add(blockId, block), Acad::eOk);
  block->close();
  bt->close();
  auto* layout = new AcDbLayout();
  layout->setLayoutName(L"Detail");
  layout->setTabOrder(2);
  ASSERT_EQ(layout->addToLayoutDict(&db, blockId), Acad::eOk);
  AcDbObjectId layoutId = layout->objectId();
  layout->close();
  ASSERT_EQ(db.getLayoutDictionary(layouts, AcDb::kForRead), Acad::eOk);
  EXPECT_EQ(keysOf(layouts), (std::vector<std::wstring>{L"Model", L"Site plan", L"Detail"}));
  layouts->close();
  ASSERT_EQ(acdbOpenObject(block, blockId, AcDb::kForRead), Acad::eOk);
  EXPECT_EQ(block->getLayoutId(), layoutId);
  EXPECT_TRUE(block->isLayout());
  block->close();
}
