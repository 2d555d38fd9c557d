// Breaking curves where they meet: the grid pairing against a plain
// all-pairs search, and the entities cut by kind.
#include <random>

#include "arx/entities/AcDbArc.h"
#include "arx/entities/AcDbCircle.h"
#include "arx/entities/AcDbLine.h"
#include "arx/entities/AcDbPolyline.h"
#include "platform/arx/ed/EdTestSupport.h"
#include "veskbase/CFCurveBreak.h"
#include "veskbase/EntCurve.h"

namespace {

using vesk::CFCurveBreak;

class CurveBreakTest : public edtest::EditorTest {
 protected:
  AcDbObjectId add(AcDbEntity* e) {
    e->setDatabaseDefaults(db);
    return dbtest::addToModelSpace(db, e);
  }
  std::wstring className(AcDbObjectId id) {
    AcDbEntity* e = nullptr;
    if (acdbOpenObject(e, id, AcDb::kForRead) != Acad::eOk) return L"";
    std::wstring n = e->isA()->name();
    e->close();
    return n;
  }
  double length(AcDbObjectId id) {
    double l = 0.0;
    vesk::ent::GetCurveLength(id, l);
    return l;
  }
};

TEST(CurveBreakPairing, FindsWhatComparingEveryPairFinds) {
  std::mt19937 rng(3);
  std::uniform_real_distribution<double> c(0.0, 1000.0), d(-60.0, 60.0), b(-1.5, 1.5);
  std::vector<VeskGe::BulgePiece> pieces;
  for (int i = 0; i < 1500; ++i) {
    const AcGePoint2d p(c(rng), c(rng));
    pieces.emplace_back(p, AcGePoint2d(p.x + d(rng), p.y + d(rng)), i % 3 == 0 ? b(rng) : 0.0);
  }
  // A few very long pieces across everything, a repeated piece and one
  // lying on part of another.
  pieces.emplace_back(AcGePoint2d(-10, 500), AcGePoint2d(1010, 520), 0.0);
  pieces.emplace_back(AcGePoint2d(300, -10), AcGePoint2d(320, 1010), 0.2);
  pieces.push_back(pieces[5]);
  pieces.emplace_back(AcGePoint2d(-10, 500), AcGePoint2d(500, 510), 0.0);
  const AcGeTol tol(1e-9, 1e-12);
  std::vector<CFCurveBreak::Contact> grid;
  ASSERT_GE(CFCurveBreak::FindContacts(pieces, {}, tol, grid), 0);
  size_t brute = 0;
  for (size_t i = 0; i < pieces.size(); ++i)
    for (size_t j = i + 1; j < pieces.size(); ++j) {
      const VeskGe::PieceIntersection r = pieces[i].intersectWith(pieces[j], tol);
      brute += r.numPoints + 2 * r.numOverlaps;
    }
  EXPECT_EQ(grid.size(), brute);
  EXPECT_GT(brute, 1000u);
  int overlapEnds = 0;
  for (const auto& k : grid) {
    EXPECT_LT(k.a, k.b);
    overlapEnds += k.overlapEnd ? 1 : 0;
    // The point lies on both pieces where the fractions say.
    EXPECT_LT(pieces[k.a].pointAt(k.fa).distanceTo(AcGePoint3d(k.pt.x, k.pt.y, 0)), 1e-6);
    EXPECT_LT(pieces[k.b].pointAt(k.fb).distanceTo(AcGePoint3d(k.pt.x, k.pt.y, 0)), 1e-6);
  }
  EXPECT_GE(overlapEnds, 4);
  // Pieces of one group are not compared with each other.
  std::vector<int> groups(pieces.size(), 0);
  EXPECT_EQ(CFCurveBreak::FindContacts(pieces, groups, tol, grid), 0);
  // The progress callback can break off.
  EXPECT_EQ(CFCurveBreak::FindContacts(pieces, {}, tol, grid, [](int, int) { return false; }), -1);
}

TEST_F(CurveBreakTest, CurvesAreCutByKindAtEveryPlaceTheyMeet) {
  const AcDbObjectId h = addLine(0, 0, 10, 0);
  const AcDbObjectId v = addLine(5, -5, 5, 5);
  const AcDbObjectId t = addLine(8, 0, 8, 4);  // touches h: h is cut, t is not
  const AcDbObjectId circ = add(new AcDbCircle(AcGePoint3d(20, 0, 0), AcGeVector3d::kZAxis, 2.0));
  const AcDbObjectId across = addLine(15, 0, 25, 0);
  auto* pl = new AcDbPolyline();
  pl->addVertexAt(0, AcGePoint2d(30, -1));
  pl->addVertexAt(1, AcGePoint2d(34, -1), 1.0);
  pl->addVertexAt(2, AcGePoint2d(34, 3));
  pl->setDatabaseDefaults(db);
  pl->setColorIndex(3);
  const AcDbObjectId bent = dbtest::addToModelSpace(db, pl);
  const AcDbObjectId cut = addLine(32, -5, 32, 5);
  AcDbObjectIdArray ids, result;
  for (AcDbObjectId id : {h, v, t, circ, across, bent, cut}) ids.append(id);
  CFCurveBreak br;
  ASSERT_EQ(br.GetBreakEnts(ids, result), 1);
  // h in 3 (at 5 and 8), v in 2, t whole, the circle in 2 arcs, the line
  // across it in 3, the polyline and its cut in 2 each.
  EXPECT_EQ(result.length(), 3 + 2 + 1 + 2 + 3 + 2 + 2);
  EXPECT_TRUE(result.contains(t));
  EXPECT_FALSE(t.isErased());
  for (AcDbObjectId id : {h, v, circ, across, bent, cut}) EXPECT_TRUE(id.isErased());
  double total = 0.0;
  int arcs = 0, plines = 0;
  for (const AcDbObjectId& id : result) {
    total += length(id);
    arcs += className(id) == L"AcDbArc" ? 1 : 0;
    if (className(id) == L"AcDbPolyline") {
      ++plines;
      AcDbEntity* e = nullptr;
      ASSERT_EQ(acdbOpenObject(e, id, AcDb::kForRead), Acad::eOk);
      EXPECT_EQ(e->colorIndex(), 3);  // the pieces keep the curve's properties
      e->close();
    }
  }
  EXPECT_EQ(arcs, 2);
  EXPECT_EQ(plines, 2);
  EXPECT_NEAR(total, 10 + 10 + 4 + 4 * 3.14159265358979 + 10 + (4 + 2 * 3.14159265358979) + 10, 1e-6);
}

TEST_F(CurveBreakTest, SourcesStayWhenAskedAndOpenEndsReachOutWhenAsked) {
  const AcDbObjectId a = addLine(0, 0, 10, 0);
  const AcDbObjectId b = addLine(5, 0.3, 5, 10);  // stops 0.3 short of a
  const AcDbObjectId c = addLine(20, 0, 30, 0);
  const AcDbObjectId d = addLine(25, 0.8, 25, 10);  // 0.8 short: beyond the reach
  AcDbObjectIdArray ids, result;
  for (AcDbObjectId id : {a, b, c, d}) ids.append(id);
  CFCurveBreak keep(0.5, 0, 0, 0);
  ASSERT_EQ(keep.GetBreakEnts(ids, result), 1);
  EXPECT_EQ(result.length(), 4);  // nothing meets
  CFCurveBreak reach(0.5, 1, 0, 0);
  ASSERT_EQ(reach.GetBreakEnts(ids, result), 1);
  // b now reaches a, which is cut in two and kept (eraseSource 0).
  EXPECT_EQ(result.length(), 5);
  EXPECT_FALSE(a.isErased());
  AcDbLine* line = nullptr;
  ASSERT_EQ(acdbOpenObject(line, b, AcDb::kForRead), Acad::eOk);
  EXPECT_TRUE(line->startPoint().isEqualTo(AcGePoint3d(5, 0, 0)));
  line->close();
  ASSERT_EQ(acdbOpenObject(line, d, AcDb::kForRead), Acad::eOk);
  EXPECT_TRUE(line->startPoint().isEqualTo(AcGePoint3d(25, 0.8, 0)));
  line->close();
  // A polyline crossing itself is cut there only when asked: on both of its
  // pieces that cross, so in three.
  auto* pl = new AcDbPolyline();
  const AcGePoint2d z[] = {{40, 0}, {50, 10}, {50, 0}, {40, 10}};
  for (unsigned i = 0; i < 4; ++i) pl->addVertexAt(i, z[i]);
  const AcDbObjectId zz = add(pl);
  AcDbObjectIdArray one;
  one.append(zz);
  EXPECT_EQ(CFCurveBreak(0.5, 0, 0, 0).GetBreakEnts(one, result), 1);
  EXPECT_EQ(result.length(), 1);
  EXPECT_EQ(CFCurveBreak(0.5, 0, 1, 1).GetBreakEnts(one, result), 1);
  EXPECT_EQ(result.length(), 3);
  EXPECT_TRUE(zz.isErased());
  // Broken off by the progress callback: nothing changes.
  CFCurveBreak stop;
  stop.SetProgress([](int, int) { return false; });
  EXPECT_EQ(stop.GetBreakEnts(ids, result), 0);
  EXPECT_FALSE(a.isErased());
}

}  // namespace
