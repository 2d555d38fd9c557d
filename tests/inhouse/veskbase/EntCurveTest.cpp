// Curves as vertex lists with bulges, polylines made from such lists, and the
// curve queries and rewrites.
#include <cmath>

#include "VeskBaseTestSupport.h"
#include "arx/db/AcDbHostApplicationServices.h"
#include "arx/db/AcDbObjectPointer.h"
#include "arx/entities/AcDbPoint.h"
#include "arx/ge/BulgePiece.h"
#include "veskbase/EntBasic.h"
#include "veskbase/EntCurve.h"

namespace {

using vbtest::DrawingTest;
using vbtest::V;
using vbtest::kPi;
using namespace vesk::ent;

class EntCurveTest : public DrawingTest {
 protected:
  // Reads a curve; fails the test when it cannot.
  void read(AcDbObjectId id, AcGePoint3dArray& v, AcGeDoubleArray& b) {
    ASSERT_EQ(GetCurveParam(id, &v, &b), 1);
    ASSERT_EQ(v.length(), b.length());
  }
  static AcGePoint3d midOf(const AcGePoint3dArray& v, const AcGeDoubleArray& b, int i) {
    return VeskGe::BulgePiece(v[i], v[i + 1], b[i]).midPoint();
  }
};

TEST_F(EntCurveTest, LinesArcsAndCirclesReadAsFlatVertexLists) {
  AcGePoint3dArray v;
  AcGeDoubleArray b;
  read(add(new AcDbLine(AcGePoint3d(1, 2, 5), AcGePoint3d(4, 6, 7))), v, b);
  ASSERT_EQ(v.length(), 2);
  EXPECT_PT(v[0], 1, 2, 0);
  EXPECT_PT(v[1], 4, 6, 0);
  EXPECT_EQ(b[0], 0.0);

  read(addArc(0, 0, 2, 0, kPi / 2, AcGeVector3d::kZAxis, 3.0), v, b);
  ASSERT_EQ(v.length(), 2);
  EXPECT_PT(v[0], 2, 0, 0);
  EXPECT_PT(v[1], 0, 2, 0);
  EXPECT_NEAR(b[0], std::tan(kPi / 8), 1e-12);
  EXPECT_EQ(b[1], 0.0);

  // Seen from +Z an arc about -Z runs clockwise: the bulge turns negative and
  // the piece still passes through the arc's own midpoint.
  read(addArc(0, 0, 2, 0, kPi / 2, -AcGeVector3d::kZAxis), v, b);
  EXPECT_PT(v[0], -2, 0, 0);
  EXPECT_PT(v[1], 0, 2, 0);
  EXPECT_NEAR(b[0], -std::tan(kPi / 8), 1e-12);
  EXPECT_PT(midOf(v, b, 0), -std::sqrt(2.0), std::sqrt(2.0), 0);

  // A major arc keeps its bulge above 1.
  read(addArc(0, 0, 1, 0, 1.5 * kPi), v, b);
  EXPECT_NEAR(b[0], std::tan(1.5 * kPi / 4), 1e-12);

  // A circle: two half arcs, the first vertex repeated.
  read(addCircle(1, 1, 2), v, b);
  ASSERT_EQ(v.length(), 3);
  EXPECT_PT(v[0], 3, 1, 0);
  EXPECT_PT(v[1], -1, 1, 0);
  EXPECT_PT(v[2], 3, 1, 0);
  EXPECT_EQ(b[0], 1.0);
  EXPECT_EQ(b[1], 1.0);
  EXPECT_EQ(b[2], 0.0);

  // Arcs in a tilted plane have no circular projection.
  EXPECT_EQ(GetCurveParam(addArc(0, 0, 2, 0, 1, AcGeVector3d(1, 0, 1)), &v, &b), 0);
}

TEST_F(EntCurveTest, PolylinesOfEveryKindReadWithTheirBulges) {
  AcGePoint3dArray v;
  AcGeDoubleArray b;
  // Open: the last vertex's bulge belongs to no piece and reads 0; Z drops.
  read(addLw({{0, 0, 0.5}, {10, 0, -0.5}, {10, 10, 0.3}}, false, 4.0), v, b);
  ASSERT_EQ(v.length(), 3);
  EXPECT_PT(v[2], 10, 10, 0);
  EXPECT_EQ(b[0], 0.5);
  EXPECT_EQ(b[1], -0.5);
  EXPECT_EQ(b[2], 0.0);

  // Closed: the first vertex comes again at the end; the closing piece keeps
  // the bulge of the last real vertex.
  read(addLw({{0, 0, 0}, {10, 0, 1}, {10, 10, 0}, {0, 10, 0.2}}, true), v, b);
  ASSERT_EQ(v.length(), 5);
  EXPECT_PT(v[4], 0, 0, 0);
  EXPECT_EQ(b[1], 1.0);
  EXPECT_EQ(b[3], 0.2);
  EXPECT_EQ(b[4], 0.0);

  // A polyline whose normal points down: world points, bulges turned.
  read(addLw({{1, 0, 0.5}, {3, 0, 0}}, false, 0.0, -AcGeVector3d::kZAxis), v, b);
  EXPECT_PT(v[0], -1, 0, 0);
  EXPECT_PT(v[1], -3, 0, 0);
  EXPECT_EQ(b[0], -0.5);

  // Straight pieces in a tilted plane project fine; bulged ones do not.
  EXPECT_EQ(GetCurveParam(addLw({{0, 0, 0}, {1, 0, 0}}, false, 0.0, AcGeVector3d(1, 1, 1)), &v, &b), 1);
  EXPECT_EQ(GetCurveParam(addLw({{0, 0, 0.4}, {1, 0, 0}}, false, 0.0, AcGeVector3d(1, 1, 1)), &v, &b), 0);

  read(add2d({{0, 0, 0.5}, {4, 0, 0}, {4, 4, 0}}, true, 2.0), v, b);
  ASSERT_EQ(v.length(), 4);
  EXPECT_PT(v[0], 0, 0, 0);
  EXPECT_PT(v[3], 0, 0, 0);
  EXPECT_EQ(b[0], 0.5);
  EXPECT_EQ(b[3], 0.0);

  read(add3d(vbtest::points({{0, 0, 1}, {5, 0, 2}, {5, 5, 3}}), true), v, b);
  ASSERT_EQ(v.length(), 4);
  EXPECT_PT(v[1], 5, 0, 0);
  EXPECT_PT(v[3], 0, 0, 0);
  for (double x : b) EXPECT_EQ(x, 0.0);

  // Polylines in no database read through their parameters.
  AcGePoint3dArray pts = vbtest::points({{0, 0, 0}, {4, 0, 0}, {4, 4, 0}});
  AcGeDoubleArray bs = vbtest::doubles({0.5, -0.25, 0});
  AcDb2dPolyline loose2d(AcDb::k2dSimplePoly, pts, 1.0, true, 0.0, 0.0, &bs);
  ASSERT_EQ(GetCurveParam(&loose2d, &v, &b), 1);
  ASSERT_EQ(v.length(), 4);
  EXPECT_PT(v[2], 4, 4, 0);
  EXPECT_NEAR(b[0], 0.5, 1e-9);
  EXPECT_NEAR(b[1], -0.25, 1e-9);
  EXPECT_NEAR(b[2], 0.0, 1e-9);
  AcDb3dPolyline loose3d(AcDb::k3dSimplePoly, vbtest::points({{0, 0, 1}, {5, 0, 2}}), false);
  ASSERT_EQ(GetCurveParam(&loose3d, &v, &b), 1);
  ASSERT_EQ(v.length(), 2);
  EXPECT_PT(v[1], 5, 0, 0);

  // Either output may be left out.
  AcGeDoubleArray only;
  EXPECT_EQ(GetCurveParam(addLine(0, 0, 1, 1), nullptr, &only), 1);
  EXPECT_EQ(only.length(), 2);
}

TEST_F(EntCurveTest, UnreadableEntitiesAndIdsFail) {
  AcGePoint3dArray v = vbtest::points({{9, 9, 9}});
  AcGeDoubleArray b;
  EXPECT_EQ(GetCurveParam(add(new AcDbPoint(AcGePoint3d(1, 1, 0))), &v, &b), 0);
  EXPECT_EQ(GetCurveParam(AcDbObjectId::kNull, &v, &b), 0);
  const AcDbObjectId gone = addLine(0, 0, 1, 0);
  ASSERT_EQ(Erase(gone), 1);
  EXPECT_EQ(GetCurveParam(gone, &v, &b), 0);
  EXPECT_EQ(v.length(), 1) << "a failed read leaves the outputs alone";
  EXPECT_EQ(GetCurveParam(static_cast<const AcDbCurve*>(nullptr), &v, &b), 0);
}

TEST_F(EntCurveTest, PolylinesAreMadeFromVertexListsInTheCurrentSpace) {
  const AcGePoint3dArray pts = vbtest::points({{0, 0, 0}, {10, 0, 0}, {10, 10, 0}});
  const AcGeDoubleArray bulges = vbtest::doubles({0.25, -1.0, 0.0});
  AcDbObjectId id;
  ASSERT_EQ(Create2dPline(pts, &bulges, -1.0, id), 1);
  AcGePoint3dArray v;
  AcGeDoubleArray b;
  read(id, v, b);
  EXPECT_EQ(v.length(), 3);
  EXPECT_EQ(b[0], 0.25);
  EXPECT_EQ(b[1], -1.0);
  {
    AcDbObjectPointer<AcDbPolyline> pl(id, AcDb::kForRead);
    ASSERT_EQ(pl.openStatus(), Acad::eOk);
    EXPECT_EQ(pl->ownerId(), db->currentSpaceId());
    EXPECT_FALSE(pl->isClosed());
    EXPECT_EQ(pl->layerId(), db->clayer());
    double w = -5;
    EXPECT_EQ(pl->getConstantWidth(w), Acad::eOk);
    EXPECT_EQ(w, 0.0);
  }

  // Bulges one short, a width, a layer, the closed flag and another block.
  const AcDbObjectId layer = dbtest::addLayer(db, L"ROAD");
  const AcGeDoubleArray shortBulges = vbtest::doubles({0.5, 0.0});
  ASSERT_EQ(DrawPolyline(pts, shortBulges, 2.0, id, L"road", 1, db->paperSpaceId()), 1);
  {
    AcDbObjectPointer<AcDbPolyline> pl(id, AcDb::kForRead);
    ASSERT_EQ(pl.openStatus(), Acad::eOk);
    EXPECT_EQ(pl->ownerId(), db->paperSpaceId());
    EXPECT_EQ(pl->layerId(), layer);
    EXPECT_TRUE(pl->isClosed());
    EXPECT_EQ(pl->numVerts(), 3u) << "the vertices stay exactly as given";
    double w = 0;
    pl->getConstantWidth(w);
    EXPECT_EQ(w, 2.0);
    double last = 9;
    pl->getBulgeAt(2, last);
    EXPECT_EQ(last, 0.0);
  }

  // No bulges at all; the elevation is the first vertex's Z.
  ASSERT_EQ(Create2dPline(vbtest::points({{0, 0, 7}, {1, 0, 7}}), nullptr, 0.0, id), 1);
  {
    AcDbObjectPointer<AcDbPolyline> pl(id, AcDb::kForRead);
    EXPECT_EQ(pl->elevation(), 7.0);
  }

  // Bad input makes nothing.
  EXPECT_EQ(Create2dPline(vbtest::points({{0, 0, 0}}), nullptr, 0.0, id), 0);
  EXPECT_TRUE(id.isNull());
  const AcGeDoubleArray tooMany = vbtest::doubles({0, 0, 0, 0});
  EXPECT_EQ(Create2dPline(pts, &tooMany, 0.0, id), 0);
  const AcGeDoubleArray notFinite = vbtest::doubles({NAN, 0, 0});
  EXPECT_EQ(Create2dPline(pts, &notFinite, 0.0, id), 0);
  EXPECT_EQ(DrawPolyline(pts, bulges, 0.0, id, L"NO_SUCH_LAYER"), 0);
  acdbHostApplicationServices()->setWorkingDatabase(nullptr);
  EXPECT_EQ(Create2dPline(pts, &bulges, 0.0, id), 0) << "no working database, no current space";
  acdbHostApplicationServices()->setWorkingDatabase(db);
}

TEST_F(EntCurveTest, ClosingDropsARepeatedEndVertex) {
  const AcDbObjectId open = addLw({{0, 0, 0}, {4, 0, 0.5}, {4, 4, 0}, {0, 0, 0}}, false);
  ASSERT_EQ(SetCurveClose(open, 1), 1);
  AcGePoint3dArray v;
  AcGeDoubleArray b;
  read(open, v, b);
  EXPECT_EQ(v.length(), 4) << "3 vertices and the repeated first";
  EXPECT_EQ(b[1], 0.5);
  EXPECT_EQ(IsClosed(open, false), 1);
  ASSERT_EQ(SetCurveClose(open, 0), 1);
  EXPECT_EQ(IsClosed(open, false), 0);
  read(open, v, b);
  EXPECT_EQ(v.length(), 3) << "opening removes the closing piece only";

  const AcDbObjectId pl2d = add2d({{0, 0, 0}, {4, 0, 0}, {4, 4, 0}, {0, 0, 0}}, false);
  ASSERT_EQ(SetCurveClose(pl2d, 1), 1);
  read(pl2d, v, b);
  EXPECT_EQ(v.length(), 4);
  const AcDbObjectId pl3d = add3d(vbtest::points({{0, 0, 0}, {4, 0, 0}, {4, 4, 0}}), false);
  ASSERT_EQ(SetCurveClose(pl3d, 1), 1);
  read(pl3d, v, b);
  EXPECT_EQ(v.length(), 4);

  EXPECT_EQ(SetCurveClose(addLine(0, 0, 1, 0), 1), 0);
  EXPECT_EQ(SetCurveClose(addArc(0, 0, 1, 0, 1), 1), 0);
  EXPECT_EQ(SetCurveClose(addCircle(0, 0, 1), 1), 1);
  EXPECT_EQ(SetCurveClose(addCircle(0, 0, 1), 0), 0);
  EXPECT_EQ(SetCurveClose(AcDbObjectId::kNull, 1), 0);
}

TEST_F(EntCurveTest, AreasAreUnsignedAndHonourArcs) {
  double a = -1;
  ASSERT_EQ(GetArea(addLw({{0, 0, 0}, {4, 0, 0}, {4, 4, 0}, {0, 4, 0}}, true), a), 1);
  EXPECT_NEAR(a, 16.0, 1e-9);
  ASSERT_EQ(GetArea(addLw({{0, 0, 0}, {0, 4, 0}, {4, 4, 0}, {4, 0, 0}}, true), a), 1);
  EXPECT_NEAR(a, 16.0, 1e-9) << "clockwise outlines are not negative";
  // A half circle of radius 2 bulging out of the bottom side of the square.
  ASSERT_EQ(GetArea(addLw({{0, 0, 1}, {4, 0, 0}, {4, 4, 0}, {0, 4, 0}}, true), a), 1);
  EXPECT_NEAR(a, 16.0 + kPi * 2.0, 1e-9);
  // ... and biting into it.
  ASSERT_EQ(GetArea(addLw({{0, 0, -1}, {4, 0, 0}, {4, 4, 0}, {0, 4, 0}}, true), a), 1);
  EXPECT_NEAR(a, 16.0 - kPi * 2.0, 1e-9);
  ASSERT_EQ(GetArea(addLw({{0, 0, 0}, {4, 0, 0}, {4, 4, 0}}, false), a), 1);
  EXPECT_NEAR(a, 8.0, 1e-9) << "an open outline counts as closed";
  ASSERT_EQ(GetArea(addCircle(5, 5, 3), a), 1);
  EXPECT_NEAR(a, 9.0 * kPi, 1e-9);
  EXPECT_EQ(GetArea(add(new AcDbPoint(AcGePoint3d())), a), 0);
  EXPECT_EQ(GetArea(AcDbObjectId::kNull, a), 0);
}

TEST_F(EntCurveTest, ClosednessAndLength) {
  EXPECT_EQ(IsClosed(addLw({{0, 0, 0}, {4, 0, 0}, {4, 4, 0}}, true)), 1);
  const AcDbObjectId backToStart = addLw({{0, 0, 0}, {4, 0, 0}, {4, 4, 0}, {0, 0, 0}}, false);
  EXPECT_EQ(IsClosed(backToStart), 1);
  EXPECT_EQ(IsClosed(backToStart, false), 0);
  EXPECT_EQ(IsClosed(addLw({{0, 0, 0}, {4, 0, 0}, {4, 4, 0}}, false)), 0);
  EXPECT_EQ(IsClosed(addLine(1, 1, 1, 1)), 0) << "a line of no length is no closed outline";
  EXPECT_EQ(IsClosed(addCircle(0, 0, 1)), 1);
  EXPECT_EQ(IsClosed(add(new AcDbPoint(AcGePoint3d()))), 0);

  double len = 0;
  ASSERT_EQ(GetCurveLength(addArc(0, 0, 2, 0, kPi / 2), len), 1);
  EXPECT_NEAR(len, kPi, 1e-9);
  ASSERT_EQ(GetCurveLength(addLw({{0, 0, 1}, {4, 0, 0}, {4, 3, 0}}, false), len), 1);
  EXPECT_NEAR(len, 2.0 * kPi + 3.0, 1e-9);
  ASSERT_EQ(GetCurveLength(addCircle(0, 0, 1), len), 1);
  EXPECT_NEAR(len, 2.0 * kPi, 1e-9);
  EXPECT_EQ(GetCurveLength(AcDbObjectId::kNull, len), 0);
}

TEST_F(EntCurveTest, ReplacingKeepsTheEntitysIdentity) {
  dbtest::addLayer(db, L"WATER");
  const AcDbObjectId line = addLine(0, 0, 5, 0, L"WATER");
  tagWithApp(line, L"FAPP_RIVER");
  const AcDbHandle handle = line.handle();
  ASSERT_EQ(ReplacePolyline(line, vbtest::points({{0, 0, 0}, {5, 0, 0}, {5, 5, 0}}), vbtest::doubles({0.5, 0})), 1);
  EXPECT_FALSE(line.isErased());
  EXPECT_EQ(line.handle(), handle);
  EXPECT_EQ(GetObjClassName(line), CString(L"AcDbPolyline"));
  {
    AcDbEntityPointer e(line, AcDb::kForRead);
    ASSERT_EQ(e.openStatus(), Acad::eOk);
    EXPECT_EQ(e->layerId(), db->layerId(L"WATER"));
    resbuf* xd = e->xData(L"FAPP_RIVER");
    EXPECT_NE(xd, nullptr) << "extended data stays with the entity";
    acutRelRb(xd);
  }
  AcGePoint3dArray v;
  AcGeDoubleArray b;
  read(line, v, b);
  EXPECT_EQ(v.length(), 3);
  EXPECT_EQ(b[0], 0.5);

  // A lightweight polyline is rewritten in place, keeping width and closure;
  // a repeated closing vertex is not doubled.
  const AcDbObjectId lw = addLw({{0, 0, 0}, {1, 0, 0}, {1, 1, 0}}, true);
  {
    AcDbObjectPointer<AcDbPolyline> pl(lw, AcDb::kForWrite);
    pl->setConstantWidth(0.5);
  }
  ASSERT_EQ(ReplacePolyline(lw, vbtest::points({{0, 0, 0}, {2, 0, 0}, {2, 2, 0}, {0, 2, 0}, {0, 0, 0}}),
                            vbtest::doubles({0, 0, 0, 0})),
            1);
  {
    AcDbObjectPointer<AcDbPolyline> pl(lw, AcDb::kForRead);
    EXPECT_EQ(pl->numVerts(), 4u);
    EXPECT_TRUE(pl->isClosed());
    double w = 0;
    pl->getConstantWidth(w);
    EXPECT_EQ(w, 0.5);
  }

  // A closed 3D polyline becomes a closed lightweight one.
  const AcDbObjectId p3 = add3d(vbtest::points({{0, 0, 3}, {6, 0, 3}, {6, 6, 3}}), true);
  ASSERT_EQ(ReplacePolyline(p3, vbtest::points({{0, 0, 0}, {6, 0, 0}, {6, 6, 0}}), vbtest::doubles({0, 0, 0})), 1);
  EXPECT_EQ(GetObjClassName(p3), CString(L"AcDbPolyline"));
  EXPECT_EQ(IsClosed(p3, false), 1);
  double area = 0;
  ASSERT_EQ(GetArea(p3, area), 1);
  EXPECT_NEAR(area, 18.0, 1e-9);

  EXPECT_EQ(ReplacePolyline(lw, vbtest::points({{0, 0, 0}}), vbtest::doubles({0})), 0);
  EXPECT_EQ(ReplacePolyline(lw, vbtest::points({{0, 0, 0}, {1, 0, 0}}), vbtest::doubles({0, 0, 0})), 0);
  EXPECT_EQ(ReplacePolyline(add(new AcDbPoint(AcGePoint3d())), vbtest::points({{0, 0, 0}, {1, 0, 0}}),
                            vbtest::doubles({0, 0})),
            0);
}

TEST_F(EntCurveTest, HandingOverGivesANewEntityTheOldIdentity) {
  dbtest::addLayer(db, L"PARCEL");
  const AcDbObjectId line = addLine(0, 0, 5, 0, L"PARCEL");
  ASSERT_EQ(ChangeColor(line, 3), 1);
  auto* circle = new AcDbCircle(AcGePoint3d(1, 1, 0), AcGeVector3d::kZAxis, 1.0);
  ASSERT_EQ(HandOverTo(line, circle, 1), 1);
  {
    AcDbEntityPointer e(line, AcDb::kForRead);
    ASSERT_EQ(e.openStatus(), Acad::eOk);
    EXPECT_NE(AcDbCircle::cast(e.object()), nullptr);
    EXPECT_EQ(e->layerId(), db->layerId(L"PARCEL"));
    EXPECT_EQ(e->colorIndex(), 3);
  }

  // Without keeping data the new entity's own properties stand.
  const AcDbObjectId other = addLine(0, 0, 5, 0, L"PARCEL");
  auto* arc = new AcDbArc(AcGePoint3d(), 1.0, 0.0, 1.0);
  arc->setDatabaseDefaults(db);
  ASSERT_EQ(HandOverTo(other, arc, 0), 1);
  {
    AcDbEntityPointer e(other, AcDb::kForRead);
    EXPECT_EQ(e->layerId(), db->layerZero());
  }

  // From an entity already in the drawing: that one is erased.
  const AcDbObjectId target = addLine(0, 0, 1, 0);
  const AcDbObjectId source = addCircle(0, 0, 4);
  ASSERT_EQ(HandOverTo(target, source, 1), 1);
  EXPECT_TRUE(source.isErased());
  double len = 0;
  ASSERT_EQ(GetCurveLength(target, len), 1);
  EXPECT_NEAR(len, 8.0 * kPi, 1e-9);

  EXPECT_EQ(HandOverTo(target, target, 1), 0);
  EXPECT_EQ(HandOverTo(AcDbObjectId::kNull, new AcDbLine(), 1), 0);
  EXPECT_EQ(HandOverTo(target, static_cast<AcDbEntity*>(nullptr), 1), 0);
}

}  // namespace
