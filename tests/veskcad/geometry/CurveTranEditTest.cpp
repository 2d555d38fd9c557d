// The curve toolkit's edits: splitting, trimming, extending, adding,
// inserting and moving vertices, written back to every kind of curve.
#include <cmath>

#include "CurveTranTestSupport.h"
#include "arx/entities/AcDbCircle.h"
#include "veskcad/geometry/GP_CurveTran.h"

using namespace curvetest;
using VeskCad::GP_CurveTran;

namespace {

class CurveTranEdit : public DrawingTest {
 protected:
  int modelSpaceCount() {
    AcDbBlockTableRecord* ms = nullptr;
    int n = 0;
    if (acdbOpenObject(ms, db->modelSpaceId(), AcDb::kForRead) != Acad::eOk) return -1;
    AcDbBlockTableRecordIterator* it = nullptr;
    ms->newIterator(it);
    for (it->start(); !it->done(); it->step()) ++n;
    delete it;
    ms->close();
    return n;
  }
};

void expectVertices(const std::vector<V>& got, std::initializer_list<V> want, double tol = 1e-7) {
  ASSERT_EQ(got.size(), want.size());
  size_t i = 0;
  for (const V& w : want) {
    EXPECT_NEAR(got[i].x, w.x, tol) << "vertex " << i;
    EXPECT_NEAR(got[i].y, w.y, tol) << "vertex " << i;
    EXPECT_NEAR(got[i].bulge, w.bulge, tol) << "vertex " << i;
    EXPECT_NEAR(got[i].sw, w.sw, tol) << "vertex " << i;
    EXPECT_NEAR(got[i].ew, w.ew, tol) << "vertex " << i;
    ++i;
  }
}

TEST_F(CurveTranEdit, SplitsVertexListsAtVerticesInsidePiecesAndOnArcs) {
  GP_CurveTran c(addPline({{0, 0}, {10, 0}, {10, 10}}));
  AcGePoint3dArray a, b;
  AcGeDoubleArray ab, bb;
  ASSERT_EQ(c.BreakCurve(P(10, 0), a, ab, b, bb), 1);  // at a vertex: no extra vertex
  ASSERT_EQ(a.length(), 2);
  ASSERT_EQ(b.length(), 2);
  EXPECT_TRUE(Near(a[1], P(10, 0)));
  EXPECT_TRUE(Near(b[0], P(10, 0)));
  ASSERT_EQ(c.BreakCurve(P(5, 0.3), a, ab, b, bb), 1);  // the closest point splits
  ASSERT_EQ(a.length(), 2);
  ASSERT_EQ(b.length(), 3);
  EXPECT_TRUE(Near(a[1], P(5, 0)));
  EXPECT_TRUE(Near(b[0], P(5, 0)));
  EXPECT_EQ(c.BreakCurve(P(0, 0), a, ab, b, bb), 0);
  EXPECT_EQ(c.BreakCurve(P(10, 10), a, ab, b, bb), 0);

  // A half circle split at its top: two quarters joining there.
  GP_CurveTran arc(addPline({{1, 0, 1.0}, {-1, 0}}));
  ASSERT_EQ(arc.BreakCurve(P(0, 1.2), a, ab, b, bb), 1);
  EXPECT_TRUE(Near(a[1], P(0, 1)));
  EXPECT_NEAR(ab[0], quarterBulge(), 1e-9);
  EXPECT_EQ(ab[1], 0.0);
  EXPECT_NEAR(bb[0], quarterBulge(), 1e-9);
}

TEST_F(CurveTranEdit, SplitsLinesAndArcsKeepingTheirGeometry) {
  // A sloped line keeps its slope in both parts.
  const AcDbObjectId lineId = addLine(P(0, 0, 0), P(10, 0, 10));
  GP_CurveTran line(lineId);
  AcDbObjectId newId;
  ASSERT_EQ(line.BreakCurve(P(4, 0), newId, 1), 1);
  ASSERT_FALSE(newId.isNull());
  {
    AcDbObjectPointer<AcDbLine> src(lineId, AcDb::kForRead), cp(newId, AcDb::kForRead);
    EXPECT_TRUE(Near(src->startPoint(), P(0, 0, 0)));
    EXPECT_TRUE(Near(src->endPoint(), P(4, 0, 4)));
    EXPECT_TRUE(Near(cp->startPoint(), P(4, 0, 4)));
    EXPECT_TRUE(Near(cp->endPoint(), P(10, 0, 10)));
  }
  // The curve follows its entity after the edit.
  EXPECT_TRUE(Near(line.GetEd(), P(4, 0)));
  // Flag 0: the entity keeps the part after the point.
  ASSERT_EQ(line.BreakCurve(P(1, 0), newId, 0), 1);
  {
    AcDbObjectPointer<AcDbLine> src(lineId, AcDb::kForRead), cp(newId, AcDb::kForRead);
    EXPECT_TRUE(Near(src->startPoint(), P(1, 0, 1)));
    EXPECT_TRUE(Near(cp->endPoint(), P(1, 0, 1)));
  }

  const AcDbObjectId arcId = addArc(P(3, 4, 2), 10, 0, M_PI / 2);
  GP_CurveTran arc(arcId);
  const AcGePoint3d mid(3 + 10 * std::cos(M_PI / 4), 4 + 10 * std::sin(M_PI / 4), 0);
  ASSERT_EQ(arc.BreakCurve(mid, newId, 1), 1);
  {
    AcDbObjectPointer<AcDbArc> src(arcId, AcDb::kForRead), cp(newId, AcDb::kForRead);
    EXPECT_TRUE(Near(src->center(), P(3, 4, 2)));
    EXPECT_NEAR(src->radius(), 10, 1e-9);
    EXPECT_NEAR(src->startAngle(), 0, 1e-9);
    EXPECT_NEAR(src->endAngle(), M_PI / 4, 1e-9);
    EXPECT_TRUE(Near(cp->center(), P(3, 4, 2)));
    EXPECT_NEAR(cp->startAngle(), M_PI / 4, 1e-9);
    EXPECT_NEAR(cp->endAngle(), M_PI / 2, 1e-9);
  }
  // Circles are read but not split.
  GP_CurveTran circle(add(new AcDbCircle(P(0, 0), AcGeVector3d::kZAxis, 2)));
  const int before = modelSpaceCount();
  EXPECT_EQ(circle.BreakCurve(P(2, 0.5), newId, 1), 0);
  EXPECT_TRUE(newId.isNull());
  EXPECT_EQ(modelSpaceCount(), before);
}

TEST_F(CurveTranEdit, SplitsPolylinesKeepingWidthsHeightAndVertexEntities) {
  const AcDbObjectId id = addPline({{0, 0, 0, 1, 3}, {10, 0, 0, 2, 2}, {10, 10}}, false, 5.0);
  GP_CurveTran c(id);
  AcDbObjectId newId;
  ASSERT_EQ(c.BreakCurve(P(5, 0, 5), newId, 1), 1);
  // The cut piece's widths are shared at the cut; the new end takes the width it ends with.
  expectVertices(plineOf(id), {{0, 0, 0, 1, 2}, {5, 0, 0, 2, 2}});
  expectVertices(plineOf(newId), {{5, 0, 0, 2, 3}, {10, 0, 0, 2, 2}, {10, 10}});
  {
    AcDbObjectPointer<AcDbPolyline> a(id, AcDb::kForRead), b(newId, AcDb::kForRead);
    EXPECT_DOUBLE_EQ(a->elevation(), 5.0);
    EXPECT_DOUBLE_EQ(b->elevation(), 5.0);
  }

  // A closed square opens into two parts that together keep the outline.
  const AcDbObjectId sq = addPline({{0, 0}, {10, 0}, {10, 10}, {0, 10}}, true);
  GP_CurveTran square(sq);
  ASSERT_EQ(square.BreakCurve(P(5, 0), newId, 1), 1);
  {
    AcDbObjectPointer<AcDbPolyline> a(sq, AcDb::kForRead);
    EXPECT_FALSE(a->isClosed());
  }
  EXPECT_NEAR(lengthOf(sq), 5.0, 1e-9);
  EXPECT_NEAR(lengthOf(newId), 35.0, 1e-9);
  expectVertices(plineOf(newId), {{5, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}});

  // An old-style polyline keeps the vertex entities that stay.
  const AcDbObjectId p2 = add2dPline({{0, 0}, {10, 0, 1.0}, {20, 0}}, false, 2.0);
  const std::vector<AcDbObjectId> before = vertexIdsOf(p2);
  GP_CurveTran old(p2);
  ASSERT_EQ(old.BreakCurve(P(15, -5), newId, 1), 1);  // the bottom of the half circle
  const std::vector<AcDbObjectId> after = vertexIdsOf(p2);
  ASSERT_EQ(after.size(), 3u);
  EXPECT_EQ(after[0], before[0]);
  EXPECT_EQ(after[1], before[1]);
  const std::vector<V> kept = vertices2dOf(p2);
  EXPECT_NEAR(kept[1].bulge, quarterBulge(), 1e-9);
  EXPECT_NEAR(kept[2].x, 15, 1e-9);
  EXPECT_NEAR(kept[2].y, -5, 1e-9);
  const std::vector<V> rest = vertices2dOf(newId);
  ASSERT_EQ(rest.size(), 2u);
  EXPECT_NEAR(rest[0].bulge, quarterBulge(), 1e-9);
  EXPECT_NEAR(rest[1].x, 20, 1e-9);
}

TEST_F(CurveTranEdit, EditsCurvesWhoseNormalPointsDown) {
  // Plane coordinates (x, y) about -Z are the world points (-x, y).
  auto* pl = new AcDbPolyline();
  pl->addVertexAt(0, AcGePoint2d(0, 0), 1.0);  // a half circle, counter-clockwise about -Z
  pl->addVertexAt(1, AcGePoint2d(10, 0));
  pl->setNormal(AcGeVector3d(0, 0, -1));
  const AcDbObjectId id = add(pl);
  GP_CurveTran c(id);
  ASSERT_EQ(c.IsOpenCurve(), 1);
  EXPECT_TRUE(Near(c.GetEd(), P(-10, 0)));
  AcGePoint3d low;
  ASSERT_EQ(c.GetPointByDis(5 * M_PI / 2, low), 1);  // half way round
  EXPECT_TRUE(Near(low, P(-5, -5), 1e-9));
  AcDbObjectId newId;
  ASSERT_EQ(c.BreakCurve(low, newId, 1), 1);
  {
    AcDbObjectPointer<AcDbPolyline> a(id, AcDb::kForRead), b(newId, AcDb::kForRead);
    AcGePoint3d p;
    ASSERT_EQ(a->numVerts(), 2u);
    a->getPointAt(1, p);
    EXPECT_TRUE(Near(p, P(-5, -5), 1e-9));
    b->getPointAt(1, p);
    EXPECT_TRUE(Near(p, P(-10, 0), 1e-9));
    double bulge = 0;
    a->getBulgeAt(0, bulge);
    EXPECT_NEAR(bulge, quarterBulge(), 1e-9);  // still counter-clockwise about its own normal
  }
  const AcDbObjectId arcId = add(new AcDbArc(P(0, 0), AcGeVector3d(0, 0, -1), 10, 0, M_PI / 2));
  GP_CurveTran arc(arcId);
  // About -Z the arc runs clockwise in the world from (-10,0) to (0,10).
  EXPECT_TRUE(Near(arc.GetSt(), P(-10, 0), 1e-9));
  ASSERT_EQ(arc.BreakCurve(P(-10 * std::cos(M_PI / 4), 10 * std::sin(M_PI / 4)), newId, 1), 1);
  AcDbObjectPointer<AcDbArc> a(arcId, AcDb::kForRead), b(newId, AcDb::kForRead);
  EXPECT_NEAR(a->startAngle(), 0, 1e-9);
  EXPECT_NEAR(a->endAngle(), M_PI / 4, 1e-9);
  EXPECT_NEAR(b->startAngle(), M_PI / 4, 1e-9);
}

TEST_F(CurveTranEdit, TrimsAtOneOrBetweenTwoPoints) {
  const AcDbObjectId a = addLine(P(0, 0), P(10, 0));
  GP_CurveTran line(a);
  const int count = modelSpaceCount();
  ASSERT_EQ(line.TrimCurve(P(7, 0), 0), 1);  // keeps the start
  EXPECT_NEAR(lengthOf(a), 7, 1e-9);
  ASSERT_EQ(line.TrimCurve(P(2, 0), 1), 1);  // keeps the end
  EXPECT_TRUE(Near(line.GetSt(), P(2, 0)));
  EXPECT_TRUE(Near(line.GetEd(), P(7, 0)));
  EXPECT_EQ(modelSpaceCount(), count);  // the cut parts are gone

  // Shorten when the point is on the curve, else lengthen.
  ASSERT_EQ(line.ShortOrExtendCurve(P(6, 0), 0), 1);
  EXPECT_TRUE(Near(line.GetEd(), P(6, 0)));
  ASSERT_EQ(line.ShortOrExtendCurve(P(9, 1), 0), 1);
  EXPECT_TRUE(Near(line.GetEd(), P(9, 0)));

  const AcDbObjectId p = addPline({{0, 0}, {10, 0}, {10, 10}});
  GP_CurveTran keep(p);
  AcDbObjectId newId;
  ASSERT_EQ(keep.TrimCurve(P(10, 4), P(4, 0), newId, 0), 1);  // keep what lies between
  EXPECT_TRUE(newId.isNull());
  expectVertices(plineOf(p), {{4, 0}, {10, 0}, {10, 4}});
  ASSERT_EQ(keep.TrimCurve(P(6, 0), P(10, 2), newId, 1), 1);  // take it out
  expectVertices(plineOf(p), {{4, 0}, {6, 0}});
  expectVertices(plineOf(newId), {{10, 2}, {10, 4}});

  // Out of a closed outline the rest stays one curve round the closing vertex.
  const AcDbObjectId sq = addPline({{0, 0}, {10, 0}, {10, 10}, {0, 10}}, true);
  GP_CurveTran square(sq);
  ASSERT_EQ(square.TrimCurve(P(2, 0), P(8, 0), newId, 1), 1);
  EXPECT_TRUE(newId.isNull());
  expectVertices(plineOf(sq), {{8, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}, {2, 0}});
  EXPECT_NEAR(lengthOf(sq), 34.0, 1e-9);
  EXPECT_EQ(square.TrimCurve(P(8, 0), P(8, 0), newId, 1), 0);
}

TEST_F(CurveTranEdit, ExtendsLinesArcsAndPolylinesBeyondTheirEnds) {
  const AcDbObjectId lineId = addLine(P(0, 0, 0), P(10, 0, 10));
  GP_CurveTran line(lineId);
  ASSERT_EQ(line.ExtendCurve(P(20, 3), 0), 1);
  {
    AcDbObjectPointer<AcDbLine> l(lineId, AcDb::kForRead);
    EXPECT_TRUE(Near(l->endPoint(), P(20, 0, 20)));  // along the 3D line
  }
  ASSERT_EQ(line.ExtendCurve(P(-5, -2), 1), 1);
  EXPECT_TRUE(Near(line.GetSt(), P(-5, 0)));
  // A point behind the chosen end does not fold the curve back.
  EXPECT_EQ(line.ExtendCurve(P(5, 1), 0), 0);
  EXPECT_EQ(line.ExtendCurve(P(-20, 1), 0), 0);
  EXPECT_TRUE(Near(line.GetEd(), P(20, 0)));

  const AcDbObjectId arcId = addArc(P(0, 0), 10, 0, M_PI / 2);
  GP_CurveTran arc(arcId);
  ASSERT_EQ(arc.ExtendCurve(P(-30, 30 * std::sqrt(3.0)), 0), 1);  // towards 120 degrees, carried onto the circle
  {
    AcDbObjectPointer<AcDbArc> e(arcId, AcDb::kForRead);
    EXPECT_NEAR(e->radius(), 10, 1e-9);
    EXPECT_NEAR(e->endAngle(), 2 * M_PI / 3, 1e-9);
    EXPECT_NEAR(e->startAngle(), 0, 1e-9);
  }
  ASSERT_EQ(arc.ExtendCurve(P(10, -10), 1), 1);  // back to -45 degrees
  {
    AcDbObjectPointer<AcDbArc> e(arcId, AcDb::kForRead);
    EXPECT_NEAR(e->startAngle(), 7 * M_PI / 4, 1e-9);
  }
  EXPECT_EQ(arc.ExtendCurve(P(10, 10), 0), 0);  // inside the arc: not longer

  const AcDbObjectId pl = addPline({{0, 0, 0, 1, 1}, {10, 0, 1.0}, {10, 10}}, false, 3.0);
  GP_CurveTran poly(pl);
  ASSERT_EQ(poly.ExtendCurve(P(-4, 1), 1), 1);
  ASSERT_EQ(poly.ExtendCurve(P(-5, 5), 0), 1);  // on round the half circle about (10,5)
  const std::vector<V> v = plineOf(pl);
  ASSERT_EQ(v.size(), 3u);
  EXPECT_NEAR(v[0].x, -4, 1e-9);
  EXPECT_NEAR(v[0].sw, 1, 1e-9);
  EXPECT_NEAR(v[2].x, 5, 1e-9);
  EXPECT_NEAR(v[2].y, 5, 1e-9);
  EXPECT_NEAR(4 * std::atan(v[1].bulge), 3 * M_PI / 2, 1e-9);

  GP_CurveTran closed(addPline({{0, 0}, {10, 0}, {10, 10}}, true));
  EXPECT_EQ(closed.ExtendCurve(P(-5, 0), 1), 0);

  // An old-style polyline moves its end vertex rather than making a new one.
  const AcDbObjectId p2 = add2dPline({{0, 0}, {10, 0}});
  const std::vector<AcDbObjectId> before = vertexIdsOf(p2);
  GP_CurveTran old(p2);
  ASSERT_EQ(old.ExtendCurve(P(14, 2), 0), 1);
  EXPECT_EQ(vertexIdsOf(p2), before);
  EXPECT_NEAR(vertices2dOf(p2)[1].x, 14, 1e-12);
}

TEST_F(CurveTranEdit, AddsVerticesOrExtendsAtTheEnds) {
  const AcDbObjectId pl = addPline({{0, 0}, {10, 0}});
  GP_CurveTran c(pl);
  ASSERT_EQ(c.AddToCurve(P(15, 0), 0.0, 0), 1);  // on the straight continuation: extended
  expectVertices(plineOf(pl), {{0, 0}, {15, 0}});
  ASSERT_EQ(c.AddToCurve(P(15, 5), 0.3, 0), 1);
  expectVertices(plineOf(pl), {{0, 0}, {15, 0, 0.3}, {15, 5}});
  ASSERT_EQ(c.AddToCurve(P(0, -5), -0.2, 1), 1);
  expectVertices(plineOf(pl), {{0, -5, -0.2}, {0, 0}, {15, 0, 0.3}, {15, 5}});

  const AcDbObjectId p2 = add2dPline({{0, 0}, {10, 0}});
  GP_CurveTran old(p2);
  ASSERT_EQ(old.AddToCurve(P(10, 5), 0.5, 0), 1);
  ASSERT_EQ(old.AddToCurve(P(0, 5), 0.25, 1), 1);
  const std::vector<V> v = vertices2dOf(p2);
  ASSERT_EQ(v.size(), 4u);
  EXPECT_NEAR(v[0].y, 5, 1e-12);
  EXPECT_NEAR(v[0].bulge, 0.25, 1e-12);
  EXPECT_NEAR(v[2].bulge, 0.5, 1e-12);
  EXPECT_NEAR(v[3].y, 5, 1e-12);

  GP_CurveTran line(addLine(P(0, 0), P(10, 0)));
  EXPECT_EQ(line.AddToCurve(P(10, 5), 0.0, 0), 0);
}

TEST_F(CurveTranEdit, InsertsRunsOfVerticesInTheCurvesDirection) {
  const AcDbObjectId pl = addPline({{0, 0}, {10, 0}, {20, 0}, {30, 0}});
  GP_CurveTran c(pl);
  // Both ends on the curve, given against its direction: reversed first.
  ASSERT_EQ(c.InsertPtsToCurve(pts({P(20, 0), P(15, 5), P(10, 0)}), nums({0.5, 0.25, 0})), 1);
  expectVertices(plineOf(pl), {{0, 0}, {10, 0, -0.25}, {15, 5, -0.5}, {20, 0}, {30, 0}});
  // Starting at the curve's start: the part before is dropped.
  ASSERT_EQ(c.InsertPtsToCurve(pts({P(0, 0), P(5, -5), P(10, 0)}), nums({0, 0, 0})), 1);
  expectVertices(plineOf(pl), {{0, 0}, {5, -5}, {10, 0, -0.25}, {15, 5, -0.5}, {20, 0}, {30, 0}});
  // Only one end on the curve, at its end: the run goes on from there.
  ASSERT_EQ(c.InsertPtsToCurve(pts({P(30, 0), P(35, 5)}), nums({0, 0})), 1);
  expectVertices(plineOf(pl), {{0, 0}, {5, -5}, {10, 0, -0.25}, {15, 5, -0.5}, {20, 0}, {30, 0}, {35, 5}});
  // Neither end on the curve: the run replaces it.
  ASSERT_EQ(c.InsertPtsToCurve(pts({P(0, 9), P(5, 9)}), nums({0, 0})), 1);
  expectVertices(plineOf(pl), {{0, 9}, {5, 9}});
  EXPECT_EQ(c.InsertPtsToCurve(pts({P(0, 9)}), nums({0})), 0);
  EXPECT_EQ(c.InsertPtsToCurve(pts({P(0, 9), P(1, 9)}), nums({0})), 0);

  GP_CurveTran line(addLine(P(0, 0), P(10, 0)));
  EXPECT_EQ(line.InsertPtsToCurve(pts({P(2, 0), P(5, 5), P(8, 0)}), nums({0, 0, 0})), 0);
}

TEST_F(CurveTranEdit, MovesEndsByKind) {
  const AcDbObjectId arcId = addArc(P(0, 0), 10, 0, M_PI / 2);
  GP_CurveTran arc(arcId);
  ASSERT_EQ(arc.ChangeStOrEd(P(-10, 10), 0), 1);
  {
    AcDbObjectPointer<AcDbArc> e(arcId, AcDb::kForRead);
    AcGePoint3d s, t;
    e->getStartPoint(s);
    e->getEndPoint(t);
    EXPECT_NEAR(e->totalAngle(), M_PI / 2, 1e-9);  // the included angle stays
    EXPECT_TRUE(Near(s, P(10, 0), 1e-9));
    EXPECT_TRUE(Near(t, P(-10, 10), 1e-9));
    EXPECT_NEAR(e->radius(), std::sqrt(500.0) / std::sqrt(2.0), 1e-9);
  }
  const AcDbObjectId lineId = addLine(P(0, 0, 4), P(10, 0, 4));
  GP_CurveTran line(lineId);
  ASSERT_EQ(line.ChangeStOrEd(P(-1, 1), 1), 1);
  {
    AcDbObjectPointer<AcDbLine> e(lineId, AcDb::kForRead);
    EXPECT_TRUE(Near(e->startPoint(), P(-1, 1, 4)));
  }
  const AcDbObjectId pl = addPline({{0, 0}, {10, 0}, {10, 10}});
  GP_CurveTran poly(pl);
  ASSERT_EQ(poly.ChangeStOrEd(P(12, 12), 0), 1);
  ASSERT_EQ(poly.ChangeStOrEd(P(-1, -1), 1), 1);
  expectVertices(plineOf(pl), {{-1, -1}, {10, 0}, {12, 12}});
  const AcDbObjectId p2 = add2dPline({{0, 0}, {10, 0}});
  GP_CurveTran old(p2);
  ASSERT_EQ(old.ChangeStOrEd(P(10, 3), 0), 1);
  EXPECT_NEAR(vertices2dOf(p2)[1].y, 3, 1e-12);
}

TEST_F(CurveTranEdit, RemovesRepeatsCopiesAndWritesVertexLists) {
  const AcDbObjectId pl = addPline({{0, 0}, {5, 0}, {5, 0.00005, 0.5}, {10, 0}});
  ASSERT_EQ(GP_CurveTran::RemoveSamePoint(pl), 1);
  expectVertices(plineOf(pl), {{0, 0}, {5, 0, 0.5}, {10, 0}});
  const AcDbObjectId p2 = add2dPline({{0, 0}, {5, 0}, {5, 0, -0.5}, {10, 0}});
  ASSERT_EQ(GP_CurveTran::RemoveSamePoint(p2), 1);
  const std::vector<V> v = vertices2dOf(p2);
  ASSERT_EQ(v.size(), 3u);
  EXPECT_NEAR(v[1].bulge, -0.5, 1e-12);
  const AcDbObjectId two = addPline({{0, 0}, {0, 0}});
  ASSERT_EQ(GP_CurveTran::RemoveSamePoint(two), 1);
  EXPECT_EQ(plineOf(two).size(), 2u);  // never below two vertices
  EXPECT_EQ(GP_CurveTran::RemoveSamePoint(addLine(P(0, 0), P(1, 0))), 0);

  GP_CurveTran c(pl);
  AcDbObjectId copy;
  ASSERT_EQ(c.CopyCurve(copy), 1);
  EXPECT_NE(copy, pl);
  expectVertices(plineOf(copy), {{0, 0}, {5, 0, 0.5}, {10, 0}});

  {
    AcDbObjectPointer<AcDbPolyline> e(pl, AcDb::kForWrite);
    ASSERT_EQ(GP_CurveTran::SetPolylineVertext(e.object(), pts({P(1, 1), P(2, 2), P(3, 1)}), nums({0.1, 0, 0})), 1);
    EXPECT_EQ(GP_CurveTran::SetPolylineVertext(e.object(), pts({P(1, 1)}), nums({0})), 0);
  }
  expectVertices(plineOf(pl), {{1, 1, 0.1}, {2, 2}, {3, 1}});
  {
    AcDbObjectPointer<AcDbPolyline> e(pl, AcDb::kForRead);
    EXPECT_EQ(GP_CurveTran::SetPolylineVertext(e.object(), pts({P(1, 1), P(2, 2)}), nums({0, 0})), 0);
  }
  {
    AcDbObjectPointer<AcDb2dPolyline> e(p2, AcDb::kForWrite);
    ASSERT_EQ(GP_CurveTran::SetPolylineVertext(e.object(), pts({P(1, 1), P(2, 2)}), nums({0.3, 0})), 1);
  }
  const std::vector<V> w = vertices2dOf(p2);
  ASSERT_EQ(w.size(), 2u);
  EXPECT_NEAR(w[0].bulge, 0.3, 1e-12);
  EXPECT_NEAR(w[1].x, 2, 1e-12);
}

}  // namespace
