// Curves drawn more than once: found whichever way round and from whichever
// vertex they were drawn, told apart by shape, height and (when asked) layer.
#include "arx/entities/AcDbArc.h"
#include "arx/entities/AcDbLine.h"
#include "arx/entities/AcDbPolyline.h"
#include "platform/arx/ed/EdTestSupport.h"
#include "veskbase/CFOverKill.h"
#include "veskbase/EntLayer.h"

namespace {

class OverKillTest : public edtest::EditorTest {
 protected:
  AcDbObjectId add(AcDbEntity* e) {
    e->setDatabaseDefaults(db);
    return dbtest::addToModelSpace(db, e);
  }
  AcDbObjectId pline(std::vector<AcGePoint2d> pts, std::vector<double> blgs, bool closed) {
    auto* pl = new AcDbPolyline();
    for (unsigned i = 0; i < pts.size(); ++i) pl->addVertexAt(i, pts[i], blgs[i]);
    pl->setClosed(closed);
    return add(pl);
  }
  AcDbObjectId line3(double x0, double y0, double z0, double x1, double y1, double z1) {
    return add(new AcDbLine(AcGePoint3d(x0, y0, z0), AcGePoint3d(x1, y1, z1)));
  }
};

TEST_F(OverKillTest, RepeatsAreFoundWhicheverWayTheyWereDrawn) {
  AcDbObjectIdArray ids;
  const AcDbObjectId a = addLine(0, 0, 10, 0);
  const AcDbObjectId aBack = addLine(10, 0, 0, 0);
  const AcDbObjectId other = addLine(0, 0, 10, 0.01);
  // A closed outline with an arc, then the same from another vertex and the
  // other way round (the arc's bulge walked backwards).
  const AcDbObjectId p = pline({{0, 0}, {4, 0}, {4, 4}}, {0.0, 0.5, 0.0}, true);
  const AcDbObjectId pTurned = pline({{4, 4}, {4, 0}, {0, 0}}, {-0.5, 0.0, 0.0}, true);
  const AcDbObjectId pOtherBulge = pline({{0, 0}, {4, 0}, {4, 4}}, {0.0, 0.4, 0.0}, true);
  const AcDbObjectId high = line3(0, 0, 5, 10, 0, 5);
  for (AcDbObjectId id : {a, aBack, other, p, pTurned, pOtherBulge, high}) ids.append(id);
  ids.append(a);  // listed twice: not a repeat of itself
  vesk::CFOverKill ok;
  ok.SetSilent(1);
  EXPECT_EQ(ok.OverKill(ids), 1);
  AcDbObjectIdArray repeats;
  EXPECT_EQ(ok.GetRepeatIds(repeats), 2);
  EXPECT_TRUE(repeats.contains(aBack));
  EXPECT_TRUE(repeats.contains(pTurned));
  EXPECT_EQ(ok.GetRepeatCount(), 2);
  // Nothing is erased, and silence is kept.
  for (const AcDbObjectId& id : ids) EXPECT_FALSE(id.isErased());
  EXPECT_EQ(ui.printedText().find(L"已处理"), std::wstring::npos);
}

TEST_F(OverKillTest, LayersAndTolerancesDecideWhenAsked) {
  AcDbObjectId layer;
  ASSERT_EQ(vesk::ent::CreateLayer(L"Other", layer), 1);
  const AcDbObjectId a = addLine(0, 0, 10, 0);
  const AcDbObjectId b = addLine(0, 0, 10, 0, L"Other");
  const AcDbObjectId c = addLine(0, 0, 10, 1e-4);
  AcDbObjectIdArray ids;
  for (AcDbObjectId id : {a, b, c}) ids.append(id);
  vesk::CFOverKill sameLayer;
  sameLayer.SetOnlySameLayer(1);
  sameLayer.SetTolerance(1e-3);
  EXPECT_EQ(sameLayer.OverKill(ids), 1);
  AcDbObjectIdArray repeats;
  EXPECT_EQ(sameLayer.GetRepeatIds(repeats), 1);
  EXPECT_EQ(repeats[0], c);
  // Not silent: the count is printed.
  EXPECT_NE(ui.printedText().find(L"已处理3中第3个实体..."), std::wstring::npos);
  vesk::CFOverKill any;
  any.SetSilent(1);
  EXPECT_EQ(any.OverKill(ids), 1);
  EXPECT_EQ(any.GetRepeatIds(repeats), 1);
  EXPECT_EQ(repeats[0], b);
  any.ClearRepeats();
  EXPECT_EQ(any.GetRepeatCount(), 0);
  // A break from the user stops the work.
  ui.addLine(L"break");
  EXPECT_EQ(any.OverKill(ids), 0);
}

}  // namespace
