// Exploding: polylines into lines and arcs, block references into their
// block's entities without attribute definitions or attributes, regions into
// their edges, and what is left to explode again.
#include "arx/db/AcDbBlockTable.h"
#include "arx/entities/AcDbArc.h"
#include "arx/entities/AcDbAttribute.h"
#include "arx/entities/AcDbAttributeDefinition.h"
#include "arx/entities/AcDbBlockReference.h"
#include "arx/entities/AcDbLine.h"
#include "arx/entities/AcDbPolyline.h"
#include "arx/entities/AcDbRegion.h"
#include "arx/ge/AcGeScale3d.h"
#include "platform/arx/ed/EdTestSupport.h"
#include "veskbase/EntExplode.h"
#include "veskbase/EntLayer.h"

namespace {

class EntExplodeTest : public edtest::EditorTest {
 protected:
  AcDbObjectId add(AcDbEntity* e) {
    e->setDatabaseDefaults(db);
    return dbtest::addToModelSpace(db, e);
  }
  AcDbObjectId bulgedPline() {
    auto* pl = new AcDbPolyline();
    pl->addVertexAt(0, AcGePoint2d(0, 0));
    pl->addVertexAt(1, AcGePoint2d(10, 0), 1.0);
    pl->addVertexAt(2, AcGePoint2d(10, 10));
    pl->setClosed(true);
    return add(pl);
  }
  std::wstring className(AcDbObjectId id) {
    AcDbEntity* e = nullptr;
    if (acdbOpenObject(e, id, AcDb::kForRead) != Acad::eOk) return L"";
    std::wstring n = e->isA()->name();
    e->close();
    return n;
  }
  AcDbObjectId layerOf(AcDbObjectId id) {
    AcDbEntity* e = nullptr;
    if (acdbOpenObject(e, id, AcDb::kForRead) != Acad::eOk) return AcDbObjectId();
    AcDbObjectId l = e->layerId();
    e->close();
    return l;
  }
};

TEST_F(EntExplodeTest, PolylinesGiveTheirPiecesOnlyWhenAsked) {
  const AcDbObjectId pl = bulgedPline();
  const AcDbObjectId ln = addLine(0, 0, 5, 5);
  AcDbObjectIdArray ids, simple, compound;
  ids.append(pl);
  ids.append(ln);
  ids.append(AcDbObjectId());
  // Not asked: both are simple as they are.
  EXPECT_EQ(vesk::ent::Explode(ids, simple, compound, AcDbObjectId(), 0, 1), 0);
  EXPECT_EQ(simple.length(), 2);
  EXPECT_TRUE(compound.isEmpty());
  EXPECT_FALSE(pl.isErased());
  // Asked, onto a layer, the source erased: a line, an arc and a line.
  AcDbObjectId layer;
  ASSERT_EQ(vesk::ent::CreateLayer(L"$work", layer), 1);
  simple.removeAll();
  EXPECT_EQ(vesk::ent::Explode(ids, simple, compound, layer, 1, 1), 1);
  ASSERT_EQ(simple.length(), 4);
  EXPECT_EQ(className(simple[0]), L"AcDbLine");
  EXPECT_EQ(className(simple[1]), L"AcDbArc");
  EXPECT_EQ(className(simple[2]), L"AcDbLine");
  for (int i = 0; i < 3; ++i) EXPECT_EQ(layerOf(simple[i]), layer);
  EXPECT_EQ(simple[3], ln);  // the simple line stays where it was
  EXPECT_NE(layerOf(ln), layer);
  EXPECT_TRUE(pl.isErased());
}

TEST_F(EntExplodeTest, BlockReferencesLeaveAttributesOutAndNestedOnesForLater) {
  AcDbBlockTable* table = nullptr;
  ASSERT_EQ(db->getBlockTable(table, AcDb::kForWrite), Acad::eOk);
  auto* inner = new AcDbBlockTableRecord();
  inner->setName(L"INNER");
  AcDbObjectId innerId, outerId;
  table->add(innerId, inner);
  auto* outer = new AcDbBlockTableRecord();
  outer->setName(L"OUTER");
  table->add(outerId, outer);
  table->close();
  auto* l = new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0));
  l->setDatabaseDefaults(db);
  inner->appendAcDbEntity(l);
  l->close();
  inner->close();
  for (AcDbEntity* e : std::vector<AcDbEntity*>{new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(0, 1, 0)),
                                                new AcDbAttributeDefinition(AcGePoint3d(), L"x", L"TAG", L"Tag"),
                                                new AcDbBlockReference(AcGePoint3d(5, 0, 0), innerId)}) {
    e->setDatabaseDefaults(db);
    outer->appendAcDbEntity(e);
    e->close();
  }
  outer->close();
  auto* ref = new AcDbBlockReference(AcGePoint3d(100, 0, 0), outerId);
  ref->setScaleFactors(AcGeScale3d(2.0));
  const AcDbObjectId refId = add(ref);
  {
    AcDbBlockReference* r = nullptr;
    ASSERT_EQ(acdbOpenObject(r, refId, AcDb::kForWrite), Acad::eOk);
    auto* att = new AcDbAttribute(AcGePoint3d(100, 0, 0), L"value", L"TAG");
    r->appendAttribute(att);
    att->close();
    r->close();
  }
  AcDbObjectIdArray ids, simple, compound;
  ids.append(refId);
  ASSERT_EQ(vesk::ent::Explode(ids, simple, compound, AcDbObjectId(), 1, 0), 1);
  ASSERT_EQ(simple.length(), 1);  // the line, carried by the reference
  ASSERT_EQ(compound.length(), 1);  // the nested reference
  AcDbLine* line = nullptr;
  ASSERT_EQ(acdbOpenObject(line, simple[0], AcDb::kForRead), Acad::eOk);
  EXPECT_TRUE(line->endPoint().isEqualTo(AcGePoint3d(100, 2, 0)));
  line->close();
  EXPECT_FALSE(refId.isErased());
  // The next round gives the inner line.
  AcDbObjectIdArray simple2, compound2;
  ASSERT_EQ(vesk::ent::Explode(compound, simple2, compound2, AcDbObjectId(), 1, 1), 1);
  ASSERT_EQ(simple2.length(), 1);
  EXPECT_TRUE(compound2.isEmpty());
  EXPECT_TRUE(compound[0].isErased());
  ASSERT_EQ(acdbOpenObject(line, simple2[0], AcDb::kForRead), Acad::eOk);
  EXPECT_TRUE(line->startPoint().isEqualTo(AcGePoint3d(110, 0, 0)));
  EXPECT_TRUE(line->endPoint().isEqualTo(AcGePoint3d(112, 0, 0)));
  line->close();
}

TEST_F(EntExplodeTest, OneEntityAtATimeLeavesTheSourceInPlace) {
  const AcDbObjectId pl = bulgedPline();
  AcDbObjectIdArray parts;
  EXPECT_EQ(vesk::ent::Explode(pl, parts), 3);
  EXPECT_FALSE(pl.isErased());
  // A region gives its edges.
  AcDbVoidPtrArray curves, regions;
  auto* sq = new AcDbPolyline();
  sq->addVertexAt(0, AcGePoint2d(0, 0));
  sq->addVertexAt(1, AcGePoint2d(4, 0));
  sq->addVertexAt(2, AcGePoint2d(4, 4));
  sq->addVertexAt(3, AcGePoint2d(0, 4));
  sq->setClosed(true);
  curves.append(sq);
  ASSERT_EQ(AcDbRegion::createFromCurves(curves, regions), Acad::eOk);
  delete sq;
  const AcDbObjectId rg = add(static_cast<AcDbEntity*>(regions[0]));
  AcDbObjectIdArray list;
  list.append(rg);
  list.append(pl);
  parts.removeAll();
  EXPECT_EQ(vesk::ent::Explode(list, parts), 7);
  // Lines and points do not explode.
  AcDbObjectIdArray none;
  EXPECT_EQ(vesk::ent::Explode(addLine(0, 0, 1, 1), none), 0);
  EXPECT_EQ(vesk::ent::Explode(AcDbObjectId(), none), 0);
  EXPECT_TRUE(none.isEmpty());
}

}  // namespace
