// The vertex-list helpers of the drawing: writing lists back, inserting
// vertices, breaking, joining and de-duplicating curves, texts and selections.
#include <cmath>

#include "CurveTranTestSupport.h"
#include "arx/db/AcDbLayerTable.h"
#include "arx/entities/AcDbCircle.h"
#include "arx/entities/AcDbText.h"
#include "veskcad/geometry/FunVertexCleanup.h"

using namespace curvetest;
namespace Fun = VeskCad::Fun;

namespace {

class VertexCleanupFun : public DrawingTest {
 protected:
  AcDbObjectIdArray list(std::initializer_list<AcDbObjectId> ids) {
    AcDbObjectIdArray a;
    for (const AcDbObjectId& id : ids) a.append(id);
    return a;
  }
  std::vector<AcGePoint3d> pointsOf(const AcDbObjectId& id) {
    std::vector<AcGePoint3d> out;
    AcGePoint3dArray v;
    AcGeDoubleArray b;
    if (Fun::ReadEntPts(id, v, b))
      for (const AcGePoint3d& p : v) out.push_back(p);
    return out;
  }
};

TEST_F(VertexCleanupFun, WritesVertexListsBackByKind) {
  const AcDbObjectId pl = addPline({{0, 0, 0, 1, 1}, {10, 0}, {10, 10}}, true);
  ASSERT_EQ(Fun::ModiEntPts(pl, pts({P(0, 0, 2), P(20, 0, 2), P(20, 5, 2), P(0, 5, 2)}), nums({0, 0.5, 0, 0})), 1);
  const std::vector<V> v = plineOf(pl);
  ASSERT_EQ(v.size(), 4u);
  EXPECT_NEAR(v[1].bulge, 0.5, 1e-12);
  EXPECT_NEAR(v[0].sw, 1.0, 1e-12);  // the widths of a vertex that stays
  {
    AcDbObjectPointer<AcDbPolyline> p(pl, AcDb::kForRead);
    EXPECT_TRUE(p->isClosed());
    EXPECT_DOUBLE_EQ(p->elevation(), 2.0);
  }
  ASSERT_EQ(Fun::ModiEntPts(pl, pts({P(0, 0), P(1, 1)}), nums({0, 0})), 1);
  EXPECT_EQ(plineOf(pl).size(), 2u);

  // Arcs from two vertices and a bulge, either way round.
  const AcDbObjectId arc = addArc(P(0, 0), 1, 0, 1);
  ASSERT_EQ(Fun::ModiEntPts(arc, pts({P(1, 0), P(-1, 0)}), nums({1.0, 0})), 1);
  {
    AcDbObjectPointer<AcDbArc> a(arc, AcDb::kForRead);
    EXPECT_NEAR(a->radius(), 1.0, 1e-12);
    EXPECT_NEAR(a->startAngle(), 0.0, 1e-12);
    EXPECT_NEAR(a->endAngle(), M_PI, 1e-12);
  }
  ASSERT_EQ(Fun::ModiEntPts(arc, pts({P(4, 0), P(0, 4)}), nums({-std::tan(3 * M_PI / 8), 0})), 1);
  {
    AcDbObjectPointer<AcDbArc> a(arc, AcDb::kForRead);
    EXPECT_TRUE(Near(a->center(), P(0, 0), 1e-9));
    EXPECT_NEAR(a->startAngle(), M_PI / 2, 1e-9);  // clockwise from (4,0): stored from (0,4)
    EXPECT_NEAR(a->endAngle(), 0.0, 1e-9);
  }
  const AcDbObjectId line = addLine(P(0, 0), P(1, 0));
  ASSERT_EQ(Fun::ModiEntPts(line, pts({P(2, 2, 1), P(3, 3, 1)}), nums({0, 0})), 1);
  EXPECT_TRUE(Near(pointsOf(line)[1], P(3, 3, 1)));
  const AcDbObjectId p2 = add2dPline({{0, 0}, {1, 0}});
  ASSERT_EQ(Fun::ModiEntPts(p2, pts({P(0, 0, 4), P(5, 0, 4), P(5, 5, 4)}), nums({0.25, 0, 0})), 1);
  EXPECT_EQ(vertices2dOf(p2).size(), 3u);
  EXPECT_DOUBLE_EQ(pointsOf(p2)[2].z, 4.0);
  const AcDbObjectId p3 = add3dPline(pts({P(0, 0, 0), P(1, 0, 1)}));
  ASSERT_EQ(Fun::ModiEntPts(p3, pts({P(0, 0, 7), P(1, 1, 8), P(2, 0, 9)}), nums({0, 0, 0})), 1);
  EXPECT_TRUE(Near(pointsOf(p3)[1], P(1, 1, 8)));

  EXPECT_EQ(Fun::ModiEntPts(pl, pts({P(0, 0), P(1, 1)}), nums({0})), 0);
  EXPECT_EQ(Fun::ModiEntPts(pl, pts({P(0, 0)}), nums({0})), 0);
  EXPECT_EQ(
      Fun::ModiEntPts(add(new AcDbCircle(P(0, 0), AcGeVector3d::kZAxis, 1)), pts({P(0, 0), P(1, 1)}), nums({0, 0})), 0);
}

TEST_F(VertexCleanupFun, InsertsVerticesAndSharesThemBetweenOverlappingOutlines) {
  // A half circle with tapering width, cut at its top.
  const AcDbObjectId arc = addPline({{1, 0, 1.0, 1, 3}, {-1, 0}});
  ASSERT_EQ(Fun::InsertPtToPline(arc, P(0, 1.5)), 1);
  const std::vector<V> v = plineOf(arc);
  ASSERT_EQ(v.size(), 3u);
  EXPECT_NEAR(v[1].x, 0, 1e-9);
  EXPECT_NEAR(v[1].y, 1, 1e-9);
  EXPECT_NEAR(v[0].bulge, quarterBulge(), 1e-9);
  EXPECT_NEAR(v[1].bulge, quarterBulge(), 1e-9);
  EXPECT_NEAR(v[0].ew, 2.0, 1e-9);
  EXPECT_NEAR(v[1].sw, 2.0, 1e-9);
  EXPECT_NEAR(v[1].ew, 3.0, 1e-9);
  EXPECT_EQ(Fun::InsertPtToPline(arc, P(0, 1)), 0);  // a vertex already
  EXPECT_EQ(Fun::InsertPtToPline(addLine(P(0, 0), P(4, 0)), P(2, 0)), 0);
  const AcDbObjectId p2 = add2dPline({{0, 0}, {10, 0}});
  ASSERT_EQ(Fun::InsertPtToPline(p2, P(4, 1)), 1);
  EXPECT_NEAR(vertices2dOf(p2)[1].x, 4, 1e-12);

  const AcDbObjectId a = addPline({{0, 0}, {10, 0}});
  const AcDbObjectId b = addPline({{5, 0}, {15, 0}});
  const AcDbObjectId apart = addPline({{0, 5}, {10, 5}});
  int count = 3;  // raised, not reset
  ASSERT_EQ(Fun::InsertPtAtOverLapArcPos(list({a, b, apart}), count), 1);
  EXPECT_EQ(count, 5);
  EXPECT_EQ(plineOf(a).size(), 3u);
  EXPECT_NEAR(plineOf(a)[1].x, 5, 1e-12);
  EXPECT_EQ(plineOf(b).size(), 3u);
  EXPECT_NEAR(plineOf(b)[1].x, 10, 1e-12);
  EXPECT_EQ(plineOf(apart).size(), 2u);
  ASSERT_FALSE(ui.progressEvents().empty());
  EXPECT_EQ(ui.progressEvents().front().label, L"\n正在处理,请稍候...");
}

TEST_F(VertexCleanupFun, BreaksCurvesAndClearsVerticesAroundAMeetingPoint) {
  const AcDbObjectId line = addLine(P(0, 0), P(10, 0));
  ASSERT_EQ(Fun::FBreakCurveByPt(line, P(3, 1)), 1);
  EXPECT_NEAR(lengthOf(line), 3.0, 1e-9);
  EXPECT_EQ(Fun::FBreakCurveByPt(line, P(0, 0)), 0);
  EXPECT_EQ(Fun::FBreakCurveByPt(line, P(3.00001, 0)), 0);

  const AcDbObjectId first = addPline({{0, 0}, {4, 0}, {9.8, 0}, {10, 0}});
  const AcDbObjectId second = addPline({{10, 0.3}, {10, 5}, {10, 10}});
  ASSERT_EQ(Fun::FDelOnLinePtInCircle(first, second, 0.5), 1);
  const std::vector<V> a = plineOf(first), b = plineOf(second);
  ASSERT_EQ(a.size(), 3u);  // (9.8,0) went, (10,0) at the meeting point stays
  EXPECT_NEAR(a[2].x, 10, 1e-12);
  ASSERT_EQ(b.size(), 2u);
  EXPECT_NEAR(b[0].y, 5, 1e-12);
  const AcDbObjectId parallel = addLine(P(0, 1), P(10, 1));
  EXPECT_EQ(Fun::FDelOnLinePtInCircle(parallel, addLine(P(0, 2), P(10, 2)), 0.5), 0);
}

TEST_F(VertexCleanupFun, ErasesCurvesLyingOnTopOfOthers) {
  const AcDbObjectId longLine = addLine(P(0, 0), P(10, 0));
  const AcDbObjectId part = addLine(P(2, 0), P(6, 0));
  const AcDbObjectId twin = addPline({{10, 0}, {0, 0}});  // the same outline walked back
  const AcDbObjectId apart = addLine(P(0, 5), P(10, 5));
  const AcDbObjectId crossing = addLine(P(5, -5), P(5, 5));
  const int erased = Fun::FDelOverlapLine(list({longLine, part, twin, apart, crossing}), 0.001);
  EXPECT_EQ(erased, 2);
  EXPECT_FALSE(isErased(longLine));
  EXPECT_TRUE(isErased(part));
  EXPECT_TRUE(isErased(twin));
  EXPECT_FALSE(isErased(apart));
  EXPECT_FALSE(isErased(crossing));
  EXPECT_EQ(Fun::FDelOverlapLine(AcDbObjectIdArray(), 0.001), 0);
}

TEST_F(VertexCleanupFun, JoinsCurvesMeetingEndToEnd) {
  const AcDbObjectId a = addLine(P(0, 0, 2), P(10, 0, 2));
  const AcDbObjectId b = addLine(P(10, 0, 2), P(10, 10, 2));
  const AcDbObjectId c = addPline({{0, 0, 0.5}, {-5, -5}}, false, 2.0);  // meets a's start with its start
  const AcDbObjectId lone = addLine(P(50, 50), P(60, 60));
  const AcDbObjectId ring = addPline({{0, 20}, {5, 20}, {5, 25}}, true);
  AcDbObjectIdArray out;
  Fun::JointEnt(list({a, b, c, lone, ring}), out, 0.001);
  ASSERT_EQ(out.length(), 3);
  EXPECT_EQ(out[0], ring);
  EXPECT_EQ(out[1], a);
  EXPECT_EQ(out[2], lone);
  EXPECT_TRUE(isErased(b));
  EXPECT_TRUE(isErased(c));
  // The head carries the whole chain, walked from c's far end, at its own height.
  const std::vector<V> chain = plineOf(a);
  ASSERT_EQ(chain.size(), 4u);
  EXPECT_NEAR(chain[0].x, -5, 1e-12);
  EXPECT_NEAR(chain[0].bulge, -0.5, 1e-12);
  EXPECT_NEAR(chain[3].y, 10, 1e-12);
  {
    AcDbObjectPointer<AcDbPolyline> p(a, AcDb::kForRead);
    ASSERT_EQ(p.openStatus(), Acad::eOk);
    EXPECT_DOUBLE_EQ(p->elevation(), 2.0);
  }
  EXPECT_FALSE(isErased(lone));
  Fun::JointEnt(list({lone}), out, 0.001);
  ASSERT_EQ(out.length(), 1);
  EXPECT_EQ(out[0], lone);
}

TEST_F(VertexCleanupFun, FindsTextBoxesLayersAndEntitiesAlongOutlines) {
  const AcDbObjectId text = add(new AcDbText(P(10, 20), L"ROAD", AcDbObjectId::kNull, 2.0, 0.0));
  AcGePoint3dArray box;
  ASSERT_EQ(Fun::GetTextBoundary(text, box, 1.0, 0.5), 1);
  ASSERT_EQ(box.length(), 4);
  EXPECT_TRUE(Near(box[0], P(9, 19.5)));
  EXPECT_NEAR(box[2].y, 22.5, 1e-9);
  const double width = box[1].x - 11.0;
  EXPECT_GT(width, 0.0);
  {
    AcDbObjectPointer<AcDbText> t(text, AcDb::kForWrite);
    t->setRotation(M_PI / 2);
  }
  ASSERT_EQ(Fun::GetTextBoundary(text, box, 1.0, 0.5), 1);
  EXPECT_TRUE(Near(box[0], P(10.5, 19), 1e-9));
  EXPECT_TRUE(Near(box[1], P(10.5, 20 + width + 1), 1e-9));
  EXPECT_EQ(Fun::GetTextBoundary(addLine(P(0, 0), P(1, 1)), box, 0, 0), 0);

  // Layers by name, without regard to case.
  AcDbLayerTable* table = nullptr;
  ASSERT_EQ(db->getLayerTable(table, AcDb::kForWrite), Acad::eOk);
  auto* rec = new AcDbLayerTableRecord();
  rec->setName(L"Road");
  AcDbObjectId layerId;
  ASSERT_EQ(table->add(layerId, rec), Acad::eOk);
  rec->close();
  table->close();
  const AcDbObjectId roadLine = addLine(P(0, 0), P(1, 0));
  {
    AcDbObjectPointer<AcDbEntity> e(roadLine, AcDb::kForWrite);
    ASSERT_EQ(e->setLayer(layerId), Acad::eOk);
  }
  AcDbObjectIdArray found;
  found.append(text);
  ASSERT_EQ(Fun::GetObjIdArrOnLayer(found, L"ROAD"), 1);
  ASSERT_EQ(found.length(), 2);  // appended
  EXPECT_EQ(found[1], roadLine);

  // Along an open outline: what touches the band around it.
  const AcDbObjectId fence = addPline({{100, 0}, {200, 0}});
  const AcDbObjectId touching = addLine(P(150, -0.5), P(150, 0.5));
  const AcDbObjectId away = addLine(P(150, 10), P(160, 10));
  AcDbObjectIdArray along = Fun::FSSGetFenceObj(fence, 1.0, nullptr);
  EXPECT_TRUE(along.contains(touching));
  EXPECT_FALSE(along.contains(away));
  EXPECT_FALSE(along.contains(fence));
  // Inside a closed outline.
  const AcDbObjectId square = addPline({{300, 0}, {310, 0}, {310, 10}, {300, 10}}, true);
  const AcDbObjectId inside = add(new AcDbCircle(P(305, 5), AcGeVector3d::kZAxis, 1));
  const AcDbObjectId outside = add(new AcDbCircle(P(330, 5), AcGeVector3d::kZAxis, 1));
  along = Fun::FSSGetFenceObj(square, 0.5, nullptr);
  EXPECT_TRUE(along.contains(inside));
  EXPECT_FALSE(along.contains(outside));
  EXPECT_FALSE(along.contains(square));
}

}  // namespace
