// Layers: look-up, creation from a name or a standards record (true colours
// included), reading back, and clearing a layer.
#include "arx/db/AcDbLayerTable.h"
#include "arx/entities/AcDbLine.h"
#include "platform/arx/ed/EdTestSupport.h"
#include "veskbase/EntLayer.h"

namespace {

class EntLayerTest : public edtest::EditorTest {
 protected:
  AcDbLayerTableRecord* openLayer(AcDbObjectId id) {
    AcDbLayerTableRecord* rec = nullptr;
    acdbOpenObject(rec, id, AcDb::kForRead);
    return rec;
  }
};

TEST_F(EntLayerTest, LayersAreFoundWithoutRegardToCaseAndMadeOnce) {
  AcDbObjectId id;
  EXPECT_EQ(vesk::ent::GetLayer(L"0", id), 1);
  EXPECT_EQ(id, db->layerZero());
  EXPECT_EQ(vesk::ent::GetLayer(L"Roads", id), 0);
  EXPECT_TRUE(id.isNull());
  AcDbObjectId made;
  ASSERT_EQ(vesk::ent::CreateLayer(L"Roads", made), 1);
  EXPECT_EQ(vesk::ent::GetLayer(L"ROADS", id), 1);
  EXPECT_EQ(id, made);
  // Asked again: the same layer, unchanged.
  AcDbObjectId again;
  EXPECT_EQ(vesk::ent::CreateLayer(L"roads", 3, again), 1);
  EXPECT_EQ(again, made);
  AcDbLayerTableRecord* rec = openLayer(made);
  ASSERT_NE(rec, nullptr);
  EXPECT_EQ(rec->color().colorIndex(), 7);
  rec->close();
  // Names the table refuses, and no name at all.
  EXPECT_EQ(vesk::ent::CreateLayer(L"a<b", id), 0);
  EXPECT_TRUE(id.isNull());
  EXPECT_EQ(vesk::ent::CreateLayer(L"", id), 0);
  EXPECT_EQ(vesk::ent::CreateLayer(static_cast<const wchar_t*>(nullptr), id), 0);
  // Another database than the working one.
  AcDbDatabase other(true);
  EXPECT_EQ(vesk::ent::CreateLayer(L"Roads", id, &other), 1);
  EXPECT_NE(id, made);
  EXPECT_EQ(id.database(), &other);
}

TEST_F(EntLayerTest, StandardsRecordsGiveColourWeightLinetypeAndState) {
  vesk::LAYERPARAM p;
  EXPECT_STREQ(p.LayerName, L"0");
  EXPECT_STREQ(p.LineType, L"CONTINUOUS");
  EXPECT_EQ(p.Color, 7);
  EXPECT_EQ(p.OwnerGroup, 1023);
  p.SetLayerName(L"Green belt");
  p.Color = -(34 * 65536 + 139 * 256 + 34);  // a true colour
  p.Weight = 30;
  p.SetLineType(L"NO_SUCH_LINETYPE");
  p.Off = 1;
  p.Locked = 1;
  p.Frozen = 1;
  AcDbObjectId id;
  ASSERT_EQ(vesk::ent::CreateLayer(p, id), 1);
  AcDbLayerTableRecord* rec = openLayer(id);
  ASSERT_NE(rec, nullptr);
  EXPECT_TRUE(rec->color().isByColor());
  EXPECT_EQ(rec->color().red(), 34);
  EXPECT_EQ(rec->color().green(), 139);
  EXPECT_EQ(rec->color().blue(), 34);
  EXPECT_EQ(rec->lineWeight(), AcDb::kLnWt030);
  EXPECT_EQ(rec->linetypeObjectId(), db->continuousLinetype());
  EXPECT_TRUE(rec->isOff());
  EXPECT_TRUE(rec->isLocked());
  EXPECT_TRUE(rec->isFrozen());
  rec->close();

  // Read back into a fresh record.
  vesk::LAYERPARAM back;
  ASSERT_EQ(vesk::ent::GetLayerParam(L"GREEN BELT", back), 1);
  EXPECT_STREQ(back.LayerName, L"Green belt");
  EXPECT_EQ(back.Color, p.Color);
  EXPECT_EQ(back.Weight, 30);
  EXPECT_EQ(back.Off, 1);
  EXPECT_EQ(back.Frozen, 1);
  EXPECT_EQ(back.Locked, 1);
  EXPECT_EQ(std::wstring(back.LineType).size() > 0, true);
  EXPECT_EQ(vesk::ent::GetLayerParam(L"missing", back), 0);

  // Index colours, and colours a layer cannot carry.
  vesk::LAYERPARAM q;
  q.SetLayerName(L"Red");
  q.Color = 1;
  q.Weight = -1;  // by layer: the default lineweight
  ASSERT_EQ(vesk::ent::CreateLayer(q, id), 1);
  ASSERT_EQ(vesk::ent::GetLayerParam(L"Red", back), 1);
  EXPECT_EQ(back.Color, 1);
  EXPECT_EQ(back.Weight, static_cast<int>(AcDb::kLnWtByLwDefault));
  q.SetLayerName(L"ByLayer");
  q.Color = 256;
  ASSERT_EQ(vesk::ent::CreateLayer(q, id), 1);
  ASSERT_EQ(vesk::ent::GetLayerParam(L"ByLayer", back), 1);
  EXPECT_EQ(back.Color, 7);
  // Names longer than the record holds are cut, not overrun.
  std::wstring longName(400, L'x');
  q.SetLayerName(longName.c_str());
  EXPECT_EQ(std::wstring(q.LayerName).size(), 255u);
}

TEST_F(EntLayerTest, ClearingALayerErasesItsEntitiesEverywhere) {
  AcDbObjectId tmp;
  ASSERT_EQ(vesk::ent::CreateLayer(L"$tmp", tmp), 1);
  const AcDbObjectId on1 = addLine(0, 0, 1, 1, L"$tmp");
  const AcDbObjectId on2 = addLine(0, 0, 2, 2, L"$tmp");
  const AcDbObjectId off = addLine(0, 0, 3, 3);
  // One more in a block definition.
  AcDbBlockTable* table = nullptr;
  ASSERT_EQ(db->getBlockTable(table, AcDb::kForWrite), Acad::eOk);
  auto* blk = new AcDbBlockTableRecord();
  blk->setName(L"B");
  AcDbObjectId blkId;
  ASSERT_EQ(table->add(blkId, blk), Acad::eOk);
  table->close();
  auto* inBlock = new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0));
  inBlock->setDatabaseDefaults(db);
  inBlock->setLayer(tmp);
  AcDbObjectId inBlockId;
  ASSERT_EQ(blk->appendAcDbEntity(inBlockId, inBlock), Acad::eOk);
  inBlock->close();
  blk->close();

  EXPECT_EQ(vesk::ent::DelLayer(tmp), 3);
  EXPECT_TRUE(on1.isErased());
  EXPECT_TRUE(on2.isErased());
  EXPECT_TRUE(inBlockId.isErased());
  EXPECT_FALSE(off.isErased());
  EXPECT_FALSE(tmp.isErased());
  // Again: nothing left; then with the record.
  EXPECT_EQ(vesk::ent::DelLayer(tmp, 1), 0);
  EXPECT_TRUE(tmp.isErased());
  EXPECT_EQ(vesk::ent::DelLayer(tmp), -1);
  EXPECT_EQ(vesk::ent::DelLayer(AcDbObjectId()), -1);
  // Layer "0" keeps its record.
  EXPECT_EQ(vesk::ent::DelLayer(db->layerZero(), 1), 1);
  EXPECT_TRUE(off.isErased());
  EXPECT_FALSE(db->layerZero().isErased());
}

}  // namespace
