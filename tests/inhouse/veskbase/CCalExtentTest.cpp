// Region outlines as polylines.
#include "arx/entities/AcDbCircle.h"
#include "arx/entities/AcDbPolyline.h"
#include "arx/entities/AcDbRegion.h"
#include "platform/arx/ed/EdTestSupport.h"
#include "veskbase/CCalExtent.h"
#include "veskbase/EntCurve.h"

namespace {

class CalExtentTest : public edtest::EditorTest {};

TEST_F(CalExtentTest, ARegionGivesItsOuterLoopsAndHolesAsClosedPolylines) {
  auto* sq = new AcDbPolyline();
  const AcGePoint2d c[] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
  for (unsigned i = 0; i < 4; ++i) sq->addVertexAt(i, c[i]);
  sq->setClosed(true);
  auto* hole = new AcDbCircle(AcGePoint3d(5, 5, 0), AcGeVector3d::kZAxis, 2.0);
  AcDbVoidPtrArray a, ra, b, rb;
  a.append(sq);
  b.append(hole);
  ASSERT_EQ(AcDbRegion::createFromCurves(a, ra), Acad::eOk);
  ASSERT_EQ(AcDbRegion::createFromCurves(b, rb), Acad::eOk);
  auto* region = static_cast<AcDbRegion*>(ra[0]);
  ASSERT_EQ(region->booleanOper(AcDb::kBoolSubtract, static_cast<AcDbRegion*>(rb[0])), Acad::eOk);
  delete static_cast<AcDbRegion*>(rb[0]);
  delete sq;
  delete hole;
  region->setDatabaseDefaults(db);
  region->setColorIndex(5);
  const AcDbObjectId rid = dbtest::addToModelSpace(db, region);

  AcDbObjectIdArray outer, holes;
  EXPECT_EQ(vesk::CCalExtent::FGetPlylineByRegion(rid, outer, holes), 2);
  ASSERT_EQ(outer.length(), 1);
  ASSERT_EQ(holes.length(), 1);
  double area = 0.0;
  ASSERT_EQ(vesk::ent::GetArea(outer[0], area), 1);
  EXPECT_NEAR(area, 100.0, 1e-9);
  ASSERT_EQ(vesk::ent::GetArea(holes[0], area), 1);
  EXPECT_NEAR(area, 4.0 * 3.14159265358979323846, 1e-9);
  for (const AcDbObjectId& id : {outer[0], holes[0]}) {
    EXPECT_EQ(vesk::ent::IsClosed(id, false), 1);
    AcDbEntity* e = nullptr;
    ASSERT_EQ(acdbOpenObject(e, id, AcDb::kForRead), Acad::eOk);
    EXPECT_EQ(e->colorIndex(), 5);
    e->close();
  }
  EXPECT_FALSE(rid.isErased());
  // Not a region: nothing.
  EXPECT_EQ(vesk::CCalExtent::FGetPlylineByRegion(addLine(0, 0, 1, 1), outer, holes), 0);
  EXPECT_EQ(vesk::CCalExtent::FGetPlylineByRegion(AcDbObjectId(), outer, holes), 0);
  EXPECT_EQ(outer.length(), 1);
}

}  // namespace
