// Symbol tables and their records: naming rules, look-up, iteration, block
// records and the records a drawing cannot lose.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <memory>
#include <string>

#include "DbTestSupport.h"
#include "arx/db/AcDbBlockTable.h"
#include "arx/db/AcDbDatabase.h"
#include "arx/db/AcDbDimStyleTable.h"
#include "arx/db/AcDbLayerTable.h"
#include "arx/db/AcDbLinetypeTable.h"
#include "arx/db/AcDbTextStyleTable.h"

namespace {

// A bare entity, so that block records can be filled without the entity library.
class TablesTestEntity : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(TablesTestEntity);
};
VHOST_DEFINE_BUILTIN_CLASS(TablesTestEntity, AcDbEntity, nullptr)

AcDbObjectId addLayer(AcDbDatabase* db, const ACHAR* name, Acad::ErrorStatus* status = nullptr) {
  AcDbLayerTable* table = nullptr;
  EXPECT_EQ(db->getLayerTable(table, AcDb::kForWrite), Acad::eOk);
  auto* rec = new AcDbLayerTableRecord();
  Acad::ErrorStatus es = rec->setName(name);
  AcDbObjectId id;
  if (es == Acad::eOk) es = table->add(id, rec);
  if (es == Acad::eOk)
    rec->close();
  else
    delete rec;
  table->close();
  if (status) *status = es;
  return id;
}

Acad::ErrorStatus eraseObject(AcDbObjectId id, bool erasing = true) {
  AcDbObject* obj = nullptr;
  Acad::ErrorStatus es = acdbOpenObject(obj, id, AcDb::kForWrite, true);
  if (es != Acad::eOk) return es;
  es = obj->erase(erasing);
  obj->close();
  return es;
}

std::wstring recordName(AcDbObjectId id) {
  AcDbSymbolTableRecord* rec = nullptr;
  if (acdbOpenObject(rec, id, AcDb::kForRead, true) != Acad::eOk) return L"<closed>";
  std::wstring name;
  rec->getName(name);
  rec->close();
  return name;
}

std::vector<std::wstring> layerNames(AcDbDatabase* db, bool skipDeleted = true, bool forward = true) {
  std::vector<std::wstring> out;
  AcDbLayerTable* table = nullptr;
  db->getLayerTable(table, AcDb::kForRead);
  AcDbLayerTableIterator* it = nullptr;
  table->newIterator(it, forward, skipDeleted);
  table->close();  // iterators outlive the opening of their table
  for (; !it->done(); it->step(forward, skipDeleted)) {
    AcDbLayerTableRecord* rec = nullptr;
    EXPECT_EQ(it->getRecord(rec, AcDb::kForRead, true), Acad::eOk);
    const ACHAR* name = nullptr;
    rec->getName(name);
    out.push_back(name);
    rec->close();
  }
  delete it;
  return out;
}

}  // namespace

TEST(SymbolTables, DefaultDrawingHoldsTheStandardRecords) {
  AcDbDatabase db;
  EXPECT_FALSE(db.layerZero().isNull());
  EXPECT_EQ(db.clayer(), db.layerZero());
  AcDbLayerTableRecord* zero = nullptr;
  ASSERT_EQ(acdbOpenObject(zero, db.layerZero(), AcDb::kForRead), Acad::eOk);
  EXPECT_EQ(zero->color().colorIndex(), 7);
  EXPECT_EQ(zero->linetypeObjectId(), db.continuousLinetype());
  EXPECT_EQ(zero->lineWeight(), AcDb::kLnWtByLwDefault);
  EXPECT_TRUE(zero->isPlottable());
  zero->close();

  AcDbLinetypeTableRecord* cont = nullptr;
  ASSERT_EQ(acdbOpenObject(cont, db.continuousLinetype(), AcDb::kForRead), Acad::eOk);
  const ACHAR* text = nullptr;
  cont->comments(text);
  EXPECT_STREQ(text, L"Solid line");
  cont->close();
  EXPECT_FALSE(db.byBlockLinetype().isNull());
  EXPECT_FALSE(db.byLayerLinetype().isNull());

  AcDbTextStyleTableRecord* standard = nullptr;
  ASSERT_EQ(acdbOpenObject(standard, db.textstyle(), AcDb::kForRead), Acad::eOk);
  standard->fileName(text);
  EXPECT_STREQ(text, L"txt");
  EXPECT_EQ(standard->xScale(), 1.0);
  standard->close();
  EXPECT_FALSE(db.regAppId(L"acad").isNull());
  EXPECT_FALSE(db.dimstyle().isNull());

  AcDbBlockTableRecord* ms = nullptr;
  ASSERT_EQ(acdbOpenObject(ms, db.modelSpaceId(), AcDb::kForRead), Acad::eOk);
  EXPECT_TRUE(ms->isLayout());
  EXPECT_FALSE(ms->isAnonymous());
  AcDbObjectId layoutId = ms->getLayoutId();
  ms->close();
  EXPECT_FALSE(layoutId.isNull());
  EXPECT_FALSE(db.paperSpaceId().isNull());
}

TEST(SymbolTables, AddRefusesBadDuplicateAndForeignRecords) {
  AcDbDatabase db;
  Acad::ErrorStatus es;
  AcDbObjectId walls = addLayer(&db, L"Walls", &es);
  EXPECT_EQ(es, Acad::eOk);
  addLayer(&db, L"WALLS", &es);
  EXPECT_EQ(es, Acad::eDuplicateRecordName);
  addLayer(&db, L"walls", &es);
  EXPECT_EQ(es, Acad::eDuplicateRecordName);
  for (const ACHAR* bad : {L"", L"a<b", L"a>b", L"a/b", L"a\\b", L"a\"b", L"a:b", L"a;b", L"a?b", L"a*b", L"a|b",
                           L"a,b", L"a=b", L"a`b", L"*Star", L"tab\there"}) {
    addLayer(&db, bad, &es);
    EXPECT_EQ(es, Acad::eInvalidSymbolTableName) << "name: " << std::wstring(bad).size();
  }
  EXPECT_EQ(addLayer(&db, L"Plan 1 - Zone A (new) #2 ~ äö 层", &es).isNull(), false);

  AcDbLayerTable* table = nullptr;
  ASSERT_EQ(db.getLayerTable(table, AcDb::kForRead), Acad::eOk);
  auto* rec = new AcDbLayerTableRecord();
  rec->setName(L"Roads");
  EXPECT_EQ(table->add(rec), Acad::eNotOpenForWrite);
  ASSERT_EQ(table->upgradeOpen(), Acad::eOk);
  // A record with an unset name, a record of another table, a record already
  // in a database, no record at all.
  auto* unnamed = new AcDbLayerTableRecord();
  EXPECT_EQ(table->add(unnamed), Acad::eInvalidSymbolTableName);
  delete unnamed;
  auto* linetype = new AcDbLinetypeTableRecord();
  linetype->setName(L"Dashes");
  AcDbSymbolTable* asBase = table;
  EXPECT_EQ(asBase->add(linetype), Acad::eWrongObjectType);
  delete linetype;
  EXPECT_EQ(table->add(nullptr), Acad::eNullObjectPointer);
  AcDbObjectId roads;
  ASSERT_EQ(table->add(roads, rec), Acad::eOk);
  EXPECT_TRUE(rec->isWriteEnabled());  // left open for the caller
  EXPECT_EQ(rec->ownerId(), db.layerTableId());
  EXPECT_EQ(table->add(rec), Acad::eAlreadyInDb);
  rec->close();
  table->close();
  EXPECT_EQ(db.layerId(L"ROADS"), roads);
  EXPECT_EQ(db.layerId(L"walls"), walls);

  // setName validates on its own, before any table sees the record.
  AcDbTextStyleTableRecord style;
  EXPECT_EQ(style.setName(L"x=y"), Acad::eInvalidSymbolTableName);
  EXPECT_EQ(style.setName(nullptr), Acad::eInvalidSymbolTableName);
  EXPECT_EQ(style.setName(std::wstring(256, L'a').c_str()), Acad::eInvalidSymbolTableName);
  EXPECT_EQ(style.setName(std::wstring(255, L'a').c_str()), Acad::eOk);
}

TEST(SymbolTables, LookUpIgnoresCaseAndKeepsTheGivenSpelling) {
  AcDbDatabase db;
  AcDbObjectId id = addLayer(&db, L"Façade-Ebene");
  addLayer(&db, L"Улица");
  AcDbLayerTable* table = nullptr;
  ASSERT_EQ(db.getLayerTable(table, AcDb::kForRead), Acad::eOk);
  AcDbObjectId found;
  EXPECT_EQ(table->getAt(L"FAÇADE-EBENE", found), Acad::eOk);
  EXPECT_EQ(found, id);
  EXPECT_TRUE(table->has(L"улица"));
  EXPECT_EQ(table->vhostFind(L"УЛИЦА"), db.layerId(L"Улица"));
  EXPECT_TRUE(table->has(id));
  EXPECT_FALSE(table->has(db.continuousLinetype()));
  EXPECT_FALSE(table->has(L"Missing"));
  EXPECT_EQ(table->getAt(L"Missing", found), Acad::eKeyNotFound);
  EXPECT_TRUE(found.isNull());
  EXPECT_EQ(table->getAt(nullptr, found), Acad::eInvalidInput);
  AcDbLayerTableRecord* rec = nullptr;
  ASSERT_EQ(table->getAt(L"façade-ebene", rec, AcDb::kForRead), Acad::eOk);
  ACHAR* copy = nullptr;
  rec->getName(copy);
  EXPECT_STREQ(copy, L"Façade-Ebene");
  delete[] copy;
  rec->close();
  table->close();
}

TEST(SymbolTables, RenamingKeepsNamesUniqueAndTheIndexCurrent) {
  AcDbDatabase db;
  AcDbObjectId a = addLayer(&db, L"A");
  addLayer(&db, L"B");
  AcDbLayerTableRecord* rec = nullptr;
  ASSERT_EQ(acdbOpenObject(rec, a, AcDb::kForWrite), Acad::eOk);
  EXPECT_EQ(rec->setName(L"b"), Acad::eDuplicateRecordName);
  EXPECT_EQ(rec->setName(L"C|D"), Acad::eInvalidSymbolTableName);
  EXPECT_EQ(rec->setName(L"a"), Acad::eOk);  // a change of case only
  EXPECT_EQ(rec->setName(L"Renamed"), Acad::eOk);
  rec->close();
  EXPECT_TRUE(db.layerId(L"A").isNull());
  EXPECT_EQ(db.layerId(L"RENAMED"), a);
  EXPECT_EQ(addLayer(&db, L"A").isNull(), false);  // the old name is free again

  ASSERT_EQ(acdbOpenObject(rec, a, AcDb::kForRead), Acad::eOk);
  EXPECT_EQ(rec->setName(L"Other"), Acad::eNotOpenForWrite);
  rec->close();
  ASSERT_EQ(acdbOpenObject(rec, db.layerZero(), AcDb::kForWrite), Acad::eOk);
  EXPECT_FALSE(rec->isRenamable());
  EXPECT_EQ(rec->setName(L"Zero"), Acad::eIllegalReplacement);
  rec->close();
  AcDbBlockTableRecord* ms = nullptr;
  ASSERT_EQ(acdbOpenObject(ms, db.modelSpaceId(), AcDb::kForWrite), Acad::eOk);
  EXPECT_EQ(ms->setName(L"Model"), Acad::eIllegalReplacement);
  ms->close();
}

TEST(SymbolTables, IterationFollowsAdditionAndSkipsErasedRecords) {
  AcDbDatabase db;
  AcDbObjectId b;
  for (const ACHAR* name : {L"A", L"B", L"C", L"D"}) {
    AcDbObjectId id = addLayer(&db, name);
    if (std::wstring(name) == L"B") b = id;
  }
  ASSERT_EQ(eraseObject(b), Acad::eOk);
  EXPECT_EQ(layerNames(&db), (std::vector<std::wstring>{L"0", L"A", L"C", L"D"}));
  EXPECT_EQ(layerNames(&db, false), (std::vector<std::wstring>{L"0", L"A", L"B", L"C", L"D"}));
  EXPECT_EQ(layerNames(&db, true, false), (std::vector<std::wstring>{L"D", L"C", L"A", L"0"}));

  AcDbLayerTable* table = nullptr;
  ASSERT_EQ(db.getLayerTable(table, AcDb::kForRead), Acad::eOk);
  AcDbObjectId found;
  EXPECT_EQ(table->getAt(L"B", found), Acad::eKeyNotFound);
  EXPECT_EQ(table->getAt(L"b", found, true), Acad::eOk);
  EXPECT_EQ(found, b);
  EXPECT_FALSE(table->has(b));
  AcDbLayerTableIterator* it = nullptr;
  table->newIterator(it);
  EXPECT_EQ(it->seek(db.layerId(L"C")), Acad::eOk);
  it->getRecordId(found);
  EXPECT_EQ(found, db.layerId(L"C"));
  it->step();
  it->getRecordId(found);
  EXPECT_EQ(found, db.layerId(L"D"));
  it->step();
  EXPECT_TRUE(it->done());
  EXPECT_EQ(it->getRecordId(found), Acad::eInvalidIndex);
  EXPECT_EQ(it->seek(db.continuousLinetype()), Acad::eInvalidInput);
  delete it;
  table->close();

  // The erased name can be taken again; then the erased record cannot come back.
  AcDbObjectId b2 = addLayer(&db, L"B");
  ASSERT_FALSE(b2.isNull());
  EXPECT_EQ(eraseObject(b, false), Acad::eDuplicateRecordName);
  EXPECT_TRUE(b.isErased());
  ASSERT_EQ(eraseObject(b2), Acad::eOk);
  EXPECT_EQ(eraseObject(b, false), Acad::eOk);
  EXPECT_EQ(db.layerId(L"B"), b);
  EXPECT_EQ(layerNames(&db), (std::vector<std::wstring>{L"0", L"A", L"B", L"C", L"D"}));
}

TEST(SymbolTables, AnonymousBlocksGetTheNextFreeName) {
  AcDbDatabase db;
  AcDbBlockTable* table = nullptr;
  ASSERT_EQ(db.getBlockTable(table, AcDb::kForWrite), Acad::eOk);
  auto addBlock = [&](const ACHAR* name, bool anonymous) {
    auto* btr = new AcDbBlockTableRecord();
    if (name) {
      EXPECT_EQ(btr->setName(name), Acad::eOk);
    }
    if (anonymous) btr->setAnonymous();
    AcDbObjectId id;
    Acad::ErrorStatus es = table->add(id, btr);
    EXPECT_EQ(es, Acad::eOk);
    if (es != Acad::eOk) {
      delete btr;
      return AcDbObjectId();
    }
    btr->close();
    return id;
  };
  AcDbObjectId u1 = addBlock(L"*U", false);
  AcDbObjectId u2 = addBlock(L"*u", false);
  AcDbObjectId u3 = addBlock(nullptr, true);
  AcDbObjectId d1 = addBlock(L"*D", false);
  AcDbObjectId door = addBlock(L"Door", false);
  table->close();
  EXPECT_EQ(recordName(u1), L"*U1");
  EXPECT_EQ(recordName(u2), L"*U2");
  EXPECT_EQ(recordName(u3), L"*U3");
  EXPECT_EQ(recordName(d1), L"*D1");
  for (AcDbObjectId id : {u1, u3, door, d1}) {
    AcDbBlockTableRecord* btr = nullptr;
    ASSERT_EQ(acdbOpenObject(btr, id, AcDb::kForRead), Acad::eOk);
    EXPECT_EQ(btr->isAnonymous(), id == u1 || id == u3);
    EXPECT_FALSE(btr->isLayout());
    EXPECT_FALSE(btr->isFromExternalReference());
    btr->close();
  }
  // Model and paper space stay.
  EXPECT_EQ(eraseObject(db.modelSpaceId()), Acad::eCannotBeErasedByCaller);
  EXPECT_EQ(eraseObject(db.paperSpaceId()), Acad::eCannotBeErasedByCaller);
  EXPECT_EQ(eraseObject(u2), Acad::eOk);
}

TEST(SymbolTables, RecordsADrawingNeedsCannotBeErased) {
  AcDbDatabase db;
  EXPECT_EQ(eraseObject(db.layerZero()), Acad::eCannotBeErasedByCaller);
  AcDbObjectId work = addLayer(&db, L"Work");
  ASSERT_EQ(db.setClayer(work), Acad::eOk);
  EXPECT_EQ(eraseObject(work), Acad::eCannotBeErasedByCaller);
  AcDbLayerTableRecord* rec = nullptr;
  ASSERT_EQ(acdbOpenObject(rec, work, AcDb::kForWrite), Acad::eOk);
  EXPECT_EQ(rec->setIsFrozen(true), Acad::eInvalidLayer);
  EXPECT_FALSE(rec->isFrozen());
  EXPECT_EQ(rec->setIsOff(true), Acad::eOk);  // the current layer may be off
  rec->close();
  ASSERT_EQ(db.setClayer(db.layerZero()), Acad::eOk);
  EXPECT_EQ(eraseObject(work), Acad::eOk);
  EXPECT_TRUE(work.isErased());

  for (AcDbObjectId id : {db.byBlockLinetype(), db.byLayerLinetype(), db.continuousLinetype(), db.textstyle(),
                          db.dimstyle()})
    EXPECT_EQ(eraseObject(id), Acad::eCannotBeErasedByCaller);
  EXPECT_FALSE(db.continuousLinetype().isErased());
}

TEST(SymbolTables, BlockRecordsOwnTheirEntitiesInOrder) {
  AcDbDatabase db;
  AcDbObjectId layer = addLayer(&db, L"Current");
  db.setClayer(layer);
  AcDbBlockTableRecord* ms = nullptr;
  ASSERT_EQ(acdbOpenObject(ms, db.modelSpaceId(), AcDb::kForWrite), Acad::eOk);
  std::vector<AcDbObjectId> ids;
  for (int i = 0; i < 4; ++i) {
    auto* ent = new TablesTestEntity();
    AcDbObjectId id;
    ASSERT_EQ(ms->appendAcDbEntity(id, ent), Acad::eOk);
    EXPECT_TRUE(ent->isWriteEnabled());
    EXPECT_EQ(ent->ownerId(), db.modelSpaceId());
    EXPECT_EQ(ent->layerId(), layer);  // took the database's current layer
    EXPECT_EQ(ms->appendAcDbEntity(ent), Acad::eAlreadyInDb);
    ent->close();
    ids.push_back(id);
  }
  EXPECT_EQ(ms->appendAcDbEntity(nullptr), Acad::eNullEntityPointer);
  ms->close();

  // An entity with a layer of its own keeps it.
  auto* own = new TablesTestEntity();
  own->setLayer(db.layerZero());
  ids.push_back(dbtest::addToModelSpace(&db, own));
  ASSERT_FALSE(ids.back().isNull());

  ASSERT_EQ(eraseObject(ids[1]), Acad::eOk);
  ASSERT_EQ(acdbOpenObject(ms, db.modelSpaceId(), AcDb::kForRead), Acad::eOk);
  auto* loose = new TablesTestEntity();
  EXPECT_EQ(ms->appendAcDbEntity(loose), Acad::eNotOpenForWrite);
  delete loose;
  AcDbBlockTableRecordIterator* it = nullptr;
  ASSERT_EQ(ms->newIterator(it), Acad::eOk);
  ms->close();
  std::vector<AcDbObjectId> seen;
  for (; !it->done(); it->step()) {
    AcDbEntity* ent = nullptr;
    ASSERT_EQ(it->getEntity(ent), Acad::eOk);
    seen.push_back(ent->objectId());
    ent->close();
  }
  EXPECT_EQ(seen, (std::vector<AcDbObjectId>{ids[0], ids[2], ids[3], ids[4]}));
  it->start(false);
  AcDbObjectId last;
  it->getEntityId(last);
  EXPECT_EQ(last, ids[4]);
  EXPECT_EQ(it->seek(ids[1]), Acad::eOk);  // an erased entity can be sought
  it->step(true, false);
  it->getEntityId(last);
  EXPECT_EQ(last, ids[2]);
  delete it;

  // Erasing a block erases what it owns.
  AcDbBlockTable* bt = nullptr;
  ASSERT_EQ(db.getBlockTable(bt, AcDb::kForWrite), Acad::eOk);
  auto* block = new AcDbBlockTableRecord();
  block->setName(L"Tree");
  block->setOrigin(AcGePoint3d(1, 2, 3));
  block->setComments(L"deciduous");
  AcDbObjectId blockId;
  ASSERT_EQ(bt->add(blockId, block), Acad::eOk);
  bt->close();
  auto* leaf = new TablesTestEntity();
  AcDbObjectId leafId;
  ASSERT_EQ(block->appendAcDbEntity(leafId, leaf), Acad::eOk);
  leaf->close();
  EXPECT_FALSE(block->hasAttributeDefinitions());
  EXPECT_EQ(block->origin(), AcGePoint3d(1, 2, 3));
  block->close();
  EXPECT_EQ(eraseObject(blockId), Acad::eOk);
  EXPECT_TRUE(leafId.isErased());
}

TEST(SymbolTables, BlockRecordsListTheirReferences) {
  AcDbDatabase db;
  AcDbObjectId a = dbtest::addToModelSpace(&db, new TablesTestEntity());
  AcDbObjectId b = dbtest::addToModelSpace(&db, new TablesTestEntity());
  AcDbBlockTableRecord* ps = nullptr;
  ASSERT_EQ(acdbOpenObject(ps, db.paperSpaceId(), AcDb::kForRead), Acad::eOk);
  ps->vhostAddReference(b);
  ps->vhostAddReference(a);
  ps->vhostAddReference(a);
  AcDbObjectIdArray refs;
  ps->getBlockReferenceIds(refs);
  ps->close();
  EXPECT_EQ(refs, (AcDbObjectIdArray{a, b}));  // in creation order, once each
  ASSERT_EQ(eraseObject(a), Acad::eOk);
  ASSERT_EQ(acdbOpenObject(ps, db.paperSpaceId(), AcDb::kForRead), Acad::eOk);
  ps->getBlockReferenceIds(refs);
  EXPECT_EQ(refs, (AcDbObjectIdArray{b}));
  ps->getErasedBlockReferenceIds(refs);
  EXPECT_EQ(refs, (AcDbObjectIdArray{a}));
  ps->vhostRemoveReference(b);
  ps->getBlockReferenceIds(refs);
  EXPECT_TRUE(refs.isEmpty());
  ps->close();
}

TEST(SymbolTables, RecordPropertiesValidateAndSurviveCopying) {
  AcDbLayerTableRecord layer;
  AcCmColor color;
  color.setRGB(10, 20, 30);
  EXPECT_EQ(layer.setColor(color), Acad::eOk);
  AcCmColor byLayer;
  byLayer.setByLayer();
  EXPECT_EQ(layer.setColor(byLayer), Acad::eInvalidInput);
  EXPECT_EQ(layer.setLineWeight(AcDb::kLnWt035), Acad::eOk);
  EXPECT_EQ(layer.setLineWeight(AcDb::kLnWtByLayer), Acad::eInvalidInput);
  EXPECT_EQ(layer.setLineWeight(static_cast<AcDb::LineWeight>(33)), Acad::eInvalidInput);
  layer.setName(L"Trees");
  layer.setIsLocked(true);
  layer.setIsPlottable(false);
  layer.setDescription(L"street trees");
  std::unique_ptr<AcDbLayerTableRecord> layerCopy(AcDbLayerTableRecord::cast(layer.clone()));
  ASSERT_TRUE(layerCopy);
  EXPECT_EQ(layerCopy->color(), color);
  EXPECT_EQ(layerCopy->lineWeight(), AcDb::kLnWt035);
  EXPECT_TRUE(layerCopy->isLocked());
  EXPECT_FALSE(layerCopy->isPlottable());
  EXPECT_FALSE(layerCopy->isOff());
  std::wstring text;
  layerCopy->description(text);
  EXPECT_EQ(text, L"street trees");
  EXPECT_EQ(layerCopy->vhostName(), L"Trees");

  AcDbLinetypeTableRecord dashed;
  EXPECT_EQ(dashed.setNumDashes(13), Acad::eInvalidInput);
  ASSERT_EQ(dashed.setNumDashes(3), Acad::eOk);
  dashed.setPatternLength(7.5);
  dashed.setDashLengthAt(0, 5.0);
  dashed.setDashLengthAt(1, -1.25);
  dashed.setDashLengthAt(2, 0.0);
  dashed.setTextAt(2, L"GAS");
  dashed.setShapeScaleAt(2, 0.5);
  dashed.setShapeRotationAt(2, 0.25);
  dashed.setShapeOffsetAt(2, AcGeVector2d(-0.5, -0.1));
  EXPECT_EQ(dashed.setDashLengthAt(3, 1.0), Acad::eInvalidIndex);
  EXPECT_EQ(dashed.setDashLengthAt(-1, 1.0), Acad::eInvalidIndex);
  EXPECT_EQ(dashed.setPatternLength(-1), Acad::eNegativeValueNotAllowed);
  EXPECT_EQ(dashed.dashLengthAt(7), 0.0);
  std::unique_ptr<AcDbLinetypeTableRecord> dashedCopy(AcDbLinetypeTableRecord::cast(dashed.clone()));
  ASSERT_TRUE(dashedCopy);
  EXPECT_EQ(dashedCopy->numDashes(), 3);
  EXPECT_EQ(dashedCopy->patternLength(), 7.5);
  EXPECT_EQ(dashedCopy->dashLengthAt(1), -1.25);
  const ACHAR* gas = nullptr;
  EXPECT_EQ(dashedCopy->textAt(2, gas), Acad::eOk);
  EXPECT_STREQ(gas, L"GAS");
  EXPECT_EQ(dashedCopy->textAt(5, gas), Acad::eInvalidIndex);
  EXPECT_EQ(dashedCopy->shapeScaleAt(2), 0.5);
  EXPECT_EQ(dashedCopy->shapeOffsetAt(2).x, -0.5);
  EXPECT_EQ(dashedCopy->shapeRotationAt(2), 0.25);

  AcDbTextStyleTableRecord style;
  EXPECT_EQ(style.setXScale(0.0), Acad::eInvalidInput);
  EXPECT_EQ(style.setXScale(0.8), Acad::eOk);
  EXPECT_EQ(style.setObliquingAngle(1.6), Acad::eInvalidInput);  // beyond 85 degrees
  EXPECT_EQ(style.setObliquingAngle(2 * 3.141592653589793 - 0.2), Acad::eOk);
  EXPECT_NEAR(style.obliquingAngle(), -0.2, 1e-12);
  EXPECT_EQ(style.setTextSize(-1.0), Acad::eNegativeValueNotAllowed);
  EXPECT_EQ(style.setFlagBits(8), Acad::eInvalidInput);
  style.setFlagBits(4);
  style.setFont(L"SimSun", true, false, 134, 2);
  style.setBigFontFileName(L"gbcbig.shx");
  std::unique_ptr<AcDbTextStyleTableRecord> styleCopy(AcDbTextStyleTableRecord::cast(style.clone()));
  ASSERT_TRUE(styleCopy);
  ACHAR* face = nullptr;
  bool bold = false, italic = true;
  int charset = 0, pitch = 0;
  styleCopy->font(face, bold, italic, charset, pitch);
  EXPECT_STREQ(face, L"SimSun");
  delete[] face;
  EXPECT_TRUE(bold);
  EXPECT_FALSE(italic);
  EXPECT_EQ(charset, 134);
  EXPECT_EQ(styleCopy->xScale(), 0.8);
  EXPECT_EQ(styleCopy->flagBits(), 4);
  const ACHAR* big = nullptr;
  styleCopy->bigFontFileName(big);
  EXPECT_STREQ(big, L"gbcbig.shx");

  AcDbDimStyleTableRecord dim;
  EXPECT_EQ(dim.dimtxt(), 2.5);
  EXPECT_TRUE(dim.dimclrd().isByBlock());
  EXPECT_EQ(dim.setDimtxt(0.0), Acad::eInvalidInput);
  EXPECT_EQ(dim.setDimasz(-1.0), Acad::eNegativeValueNotAllowed);
  EXPECT_EQ(dim.setDimdec(9), Acad::eInvalidInput);
  dim.setDimdec(0);
  dim.setDimscale(100.0);
  AcCmColor red;
  red.setColorIndex(1);
  dim.setDimclrt(red);
  std::unique_ptr<AcDbDimStyleTableRecord> dimCopy(AcDbDimStyleTableRecord::cast(dim.clone()));
  ASSERT_TRUE(dimCopy);
  EXPECT_EQ(dimCopy->dimdec(), 0);
  EXPECT_EQ(dimCopy->dimscale(), 100.0);
  EXPECT_EQ(dimCopy->dimclrt().colorIndex(), 1);
  EXPECT_TRUE(dimCopy->dimclre().isByBlock());
}

TEST(SymbolTables, HundredThousandLayersStayFastToFind) {
  AcDbDatabase db;
  AcDbLayerTable* table = nullptr;
  ASSERT_EQ(db.getLayerTable(table, AcDb::kForWrite), Acad::eOk);
  const int n = 100000;
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < n; ++i) {
    auto* rec = new AcDbLayerTableRecord();
    rec->setName((L"Parcel-" + std::to_wstring(i)).c_str());
    ASSERT_EQ(table->add(rec), Acad::eOk);
    rec->close();
  }
  int found = 0;
  for (int i = n - 1; i >= 0; i -= 7) {
    AcDbObjectId id;
    if (table->getAt((L"PARCEL-" + std::to_wstring(i)).c_str(), id) == Acad::eOk) ++found;
  }
  table->close();
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  EXPECT_EQ(found, (n + 6) / 7);
  // Linear look-ups would take minutes here; hashed ones well under a second.
  EXPECT_LT(seconds, 20.0);
  RecordProperty("seconds", std::to_string(seconds));
}
