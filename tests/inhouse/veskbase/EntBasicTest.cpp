// Adding, erasing, copying and colouring entities; id lists, extents and
// selection sets made from ids.
#include "VeskBaseTestSupport.h"
#include "arx/db/AcDbObjectPointer.h"
#include "arx/ed/AcedSelectionSet.h"
#include "arx/entities/AcDbText.h"
#include "veskbase/EntBasic.h"
#include "veskbase/EntCurve.h"

namespace {

using vbtest::DrawingTest;
using namespace vesk::ent;

class EntBasicTest : public DrawingTest {};

TEST_F(EntBasicTest, AddingPutsEntitiesInTheCurrentSpaceWithDefaults) {
  const AcDbObjectId layer = dbtest::addLayer(db, L"ANNO");
  ASSERT_EQ(db->setClayer(layer), Acad::eOk);
  AcDbObjectId id;
  ASSERT_EQ(AddToDb(new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0)), id), 1);
  {
    AcDbEntityPointer e(id, AcDb::kForRead);
    ASSERT_EQ(e.openStatus(), Acad::eOk);
    EXPECT_EQ(e->ownerId(), db->currentSpaceId());
    EXPECT_EQ(e->layerId(), layer) << "the current layer, as a new entity gets";
  }
  // A given block; the entity's own layer is kept.
  auto* text = new AcDbText(AcGePoint3d(1, 1, 0), L"note", AcDbObjectId::kNull, 2.5, 0.0);
  text->setDatabaseDefaults(db);
  text->setLayer(db->layerZero());
  ASSERT_EQ(AddToDb(text, id, db->paperSpaceId()), 1);
  {
    AcDbEntityPointer e(id, AcDb::kForRead);
    EXPECT_EQ(e->ownerId(), db->paperSpaceId());
    EXPECT_EQ(e->layerId(), db->layerZero());
  }
  // An entity already in the drawing is refused and stays untouched.
  const AcDbObjectId existing = addLine(0, 0, 2, 2);
  {
    AcDbEntityPointer e(existing, AcDb::kForWrite);
    AcDbObjectId again;
    EXPECT_EQ(AddToDb(e.object(), again), 0);
    EXPECT_TRUE(again.isNull());
  }
  EXPECT_EQ(FIsValidId(existing), 1);
  EXPECT_EQ(AddToDb(nullptr, id), 0);
  EXPECT_EQ(AddToDb(new AcDbLine(), id, existing), 0) << "a line is no block";
  EXPECT_TRUE(id.isNull());
}

TEST_F(EntBasicTest, ErasingCopyingAndColouring) {
  const AcDbObjectId a = addLine(0, 0, 1, 0);
  const AcDbObjectId b = addLine(0, 1, 1, 1);
  EXPECT_EQ(Erase(a), 1);
  EXPECT_TRUE(a.isErased());
  EXPECT_EQ(FIsValidId(a), 0);
  EXPECT_EQ(Erase(a), 1) << "already erased counts";
  EXPECT_EQ(Erase(AcDbObjectId::kNull), 0);
  AcDbObjectIdArray both;
  both.append(a);
  both.append(b);
  both.append(AcDbObjectId::kNull);
  EXPECT_EQ(Erase(both), 2);

  // A deep copy: an old-style polyline comes with its own vertices.
  const AcDbObjectId pl = add2d({{0, 0, 0.5}, {4, 0, 0}, {4, 4, 0}}, true);
  AcDbObjectId copy;
  ASSERT_EQ(Copy(pl, copy), 1);
  ASSERT_NE(copy, pl);
  AcGePoint3dArray v;
  AcGeDoubleArray bulges;
  ASSERT_EQ(GetCurveParam(copy, &v, &bulges), 1);
  EXPECT_EQ(v.length(), 4);
  EXPECT_EQ(bulges[0], 0.5);
  ASSERT_EQ(Erase(pl), 1);
  EXPECT_EQ(GetCurveParam(copy, &v, &bulges), 1) << "the copy does not share the vertices";
  {
    AcDbEntityPointer e(copy, AcDb::kForRead);
    EXPECT_EQ(e->ownerId(), db->modelSpaceId());
  }
  EXPECT_EQ(Copy(pl, copy), 0);
  EXPECT_TRUE(copy.isNull());

  const AcDbObjectId c = addCircle(0, 0, 1);
  ASSERT_EQ(ChangeColor(c, 6), 1);
  {
    AcDbEntityPointer e(c, AcDb::kForRead);
    EXPECT_EQ(e->colorIndex(), 6);
  }
  ASSERT_EQ(ChangeColor(c, -(10 * 65536 + 20 * 256 + 30)), 1);
  {
    AcDbEntityPointer e(c, AcDb::kForRead);
    const AcCmColor col = e->color();
    EXPECT_TRUE(col.isByColor());
    EXPECT_EQ(col.red(), 10);
    EXPECT_EQ(col.green(), 20);
    EXPECT_EQ(col.blue(), 30);
  }
  EXPECT_EQ(ChangeColor(c, 257), 0);
  EXPECT_EQ(ChangeColor(c, -0x1000000), 0);
  EXPECT_EQ(ChangeColor(a, 1), 0);
}

TEST_F(EntBasicTest, ClassNamesAndIdLists) {
  EXPECT_EQ(GetObjClassName(addLine(0, 0, 1, 0)), CString(L"AcDbLine"));
  EXPECT_EQ(GetObjClassName(add3d(vbtest::points({{0, 0, 0}, {1, 1, 1}}), false)), CString(L"AcDb3dPolyline"));
  EXPECT_EQ(GetObjClassName(db->layerZero()), CString(L"AcDbLayerTableRecord"));
  EXPECT_TRUE(GetObjClassName(AcDbObjectId::kNull).IsEmpty());

  const AcDbObjectId a = addLine(0, 0, 1, 0), b = addLine(1, 0, 2, 0), c = addLine(2, 0, 3, 0);
  AcDbObjectIdArray ids;
  for (AcDbObjectId id : {a, b, c, a, b}) ids.append(id);
  AcDbObjectIdArray remove;
  remove.append(a);
  remove.append(addLine(5, 5, 6, 6));
  EXPECT_EQ(FRemoveRepeatId(ids, remove), 2);
  ASSERT_EQ(ids.length(), 3);
  EXPECT_EQ(ids[0], b);
  EXPECT_EQ(ids[1], c);
  EXPECT_EQ(ids[2], b);
  EXPECT_EQ(FRemoveRepeatId(ids), 1);
  ASSERT_EQ(ids.length(), 2);
  EXPECT_EQ(ids[0], b);
  EXPECT_EQ(ids[1], c);
  EXPECT_EQ(FRemoveRepeatId(ids, AcDbObjectIdArray()), 0);
}

TEST_F(EntBasicTest, ExtentsAndSelectionSetsFromIds) {
  const AcDbObjectId line = addLine(-1, 2, 3, 5);
  const AcDbObjectId circle = addCircle(10, 10, 2);
  AcGePoint3d lo, hi;
  ASSERT_EQ(GetEntRect(line, lo, hi), 1);
  EXPECT_PT(lo, -1, 2, 0);
  EXPECT_PT(hi, 3, 5, 0);
  AcDbObjectIdArray ids;
  ids.append(line);
  ids.append(circle);
  ids.append(AcDbObjectId::kNull);
  ASSERT_EQ(GetEntRect(ids, lo, hi), 1);
  EXPECT_PT(lo, -1, 2, 0);
  EXPECT_PT(hi, 12, 12, 0);
  EXPECT_EQ(GetEntRect(AcDbObjectId::kNull, lo, hi), 0);
  EXPECT_EQ(GetEntRect(AcDbObjectIdArray(), lo, hi), 0);

  const int openBefore = vhost::openSelectionSetCount();
  ids.append(line);
  ads_name ss;
  ASSERT_EQ(IdsToSS(ids, ss), 1);
  Adesk::Int32 n = 0;
  acedSSLength(ss, &n);
  EXPECT_EQ(n, 2) << "null and repeated ids are skipped";
  AcGePoint3d slo, shi;
  ASSERT_EQ(GetSSRect(ss, slo, shi), 1);
  EXPECT_PT(slo, -1, 2, 0);
  EXPECT_PT(shi, 12, 12, 0);
  acedSSFree(ss);
  EXPECT_EQ(vhost::openSelectionSetCount(), openBefore);

  ASSERT_EQ(Erase(line), 1);
  AcDbObjectIdArray gone;
  gone.append(line);
  EXPECT_EQ(IdsToSS(gone, ss), 0);
  EXPECT_EQ(vhost::openSelectionSetCount(), openBefore) << "no set is made for nothing";
  ads_name notASet = {0, 0};
  EXPECT_EQ(GetSSRect(notASet, slo, shi), 0);
}

}  // namespace
