// The curve toolkit's opening, queries and geometry helpers.
#include <cmath>

#include "CurveTranTestSupport.h"
#include "arx/entities/AcDbCircle.h"
#include "veskcad/geometry/GP_CurveTran.h"

using namespace curvetest;
using VeskCad::GP_CurveTran;

namespace {

class CurveTranQuery : public DrawingTest {};

TEST_F(CurveTranQuery, OpensCurvesAndRefusesWhatIsNoCurve) {
  GP_CurveTran none;
  EXPECT_EQ(none.SetEnt(AcDbObjectId::kNull), 0);
  EXPECT_EQ(none.IsOpenCurve(), 0);
  double len = 0.0;
  EXPECT_EQ(none.GetCurveLen(len), 0);
  EXPECT_EQ(none.GetFlagByPt(P(0, 0)), -1);
  EXPECT_EQ(none.GetNear2Pt(P(0, 0)), -1);

  const AcDbObjectId line = addLine(P(0, 0, 5), P(10, 0, 5));
  GP_CurveTran c(line);
  ASSERT_EQ(c.IsOpenCurve(), 1);
  EXPECT_EQ(c.GetVertexCount(), 2);
  // The vertex list is planar whatever the entity's height.
  EXPECT_TRUE(Near(c.GetSt(), P(0, 0)));
  EXPECT_TRUE(Near(c.GetEd(), P(10, 0)));
  EXPECT_EQ(c.OpenCurve(), 1);
  EXPECT_DOUBLE_EQ(c.GetTol(), 0.0001);

  // A copy keeps the entity and the tolerance but starts closed; assignment opens.
  c.SetTol(0.5);
  GP_CurveTran copy(c);
  EXPECT_EQ(copy.IsOpenCurve(), 0);
  EXPECT_EQ(copy.GetEntId(), line);
  EXPECT_DOUBLE_EQ(copy.GetTol(), 0.5);
  GP_CurveTran assigned;
  assigned = c;
  EXPECT_EQ(assigned.IsOpenCurve(), 1);
  EXPECT_DOUBLE_EQ(assigned.GetTol(), 0.5);

  // A circle reads as two half arcs; an erased curve does not open.
  const AcDbObjectId circle = add(new AcDbCircle(P(0, 0), AcGeVector3d::kZAxis, 2.0));
  GP_CurveTran round(circle);
  ASSERT_EQ(round.IsOpenCurve(), 1);
  EXPECT_EQ(round.GetVertexCount(), 3);
  ASSERT_EQ(round.GetCurveLen(len), 1);
  EXPECT_NEAR(len, 4.0 * M_PI, 1e-9);
  {
    AcDbObjectPointer<AcDbEntity> e(line, AcDb::kForWrite);
    e->erase();
  }
  GP_CurveTran gone;
  EXPECT_EQ(gone.SetEnt(line), 0);
}

TEST_F(CurveTranQuery, AnswersPointsParametersAndDistancesInThePlane) {
  // An L at height 7: (0,0) -> (10,0) -> (10,10).
  GP_CurveTran c(addPline({{0, 0}, {10, 0}, {10, 10}}, false, 7.0));
  ASSERT_EQ(c.IsOpenCurve(), 1);
  double t = 0.0, d = 0.0;
  AcGePoint3d p;
  // Points are taken into the plane: a Z above the curve does not matter.
  EXPECT_EQ(c.IsOn(P(5, 0, 40)), 1);
  EXPECT_EQ(c.IsOn(P(5, 0.001)), 0);
  ASSERT_EQ(c.GetClosestPt(P(5, 3, 9), p), 1);
  EXPECT_TRUE(Near(p, P(5, 0)));
  ASSERT_EQ(c.GetParam(P(10, 5), t), 1);
  EXPECT_NEAR(t, 1.5, 1e-9);
  ASSERT_EQ(c.GetParam(P(10, 10.00005), t), 1);  // the last vertex within the tolerance
  EXPECT_DOUBLE_EQ(t, 2.0);
  EXPECT_EQ(c.GetParam(P(3, 3), t), 0);
  EXPECT_DOUBLE_EQ(t, -1.0);
  ASSERT_EQ(c.GetDistAtPoint(P(10, 5), d), 1);
  EXPECT_NEAR(d, 15.0, 1e-9);
  ASSERT_EQ(c.GetPointByDis(15.0, p), 1);
  EXPECT_TRUE(Near(p, P(10, 5)));
  ASSERT_EQ(c.GetPointByParm(p, 0.25), 1);
  EXPECT_TRUE(Near(p, P(2.5, 0)));
  ASSERT_EQ(c.GetCurveLen(d), 1);
  EXPECT_NEAR(d, 20.0, 1e-9);
  ASSERT_EQ(c.GetMidPoint(p), 1);
  EXPECT_TRUE(Near(p, P(10, 0)));
  ASSERT_EQ(c.GetTowPointMid(P(5, 0), P(10, 5), p), 1);
  EXPECT_TRUE(Near(p, P(10, 0)));
  AcGePoint3dArray part;
  AcGeDoubleArray partBulges;
  ASSERT_EQ(c.GetCurveIn2Pt(P(10, 5), P(5, 0), part, partBulges), 1);
  ASSERT_EQ(part.length(), 3);
  EXPECT_TRUE(Near(part[0], P(5, 0)));
  EXPECT_TRUE(Near(part[1], P(10, 0)));
  EXPECT_TRUE(Near(part[2], P(10, 5)));

  EXPECT_EQ(c.GetFlagByPt(P(1, 0)), 0);
  EXPECT_EQ(c.GetFlagByPt(P(10, 9)), 1);
  EXPECT_EQ(c.GetFlagByPt(P(5, 5)), 1);  // equally near: the end
  EXPECT_EQ(c.GetPointOnSide(P(5, 2)), 1);
  EXPECT_EQ(c.GetPointOnSide(P(12, 5)), -1);
  EXPECT_EQ(c.GetPointOnSide(P(5, 0)), 0);

  // Which piece holds a point.
  EXPECT_EQ(c.GetNear2Pt(P(5, 0)), 0);
  EXPECT_EQ(c.GetNear2Pt(P(10, 5)), 1);
  EXPECT_EQ(c.GetNear2Pt(P(10, 9.9995)), 1);
  EXPECT_EQ(c.GetNear2Pt(P(10, 0)), -3);
  EXPECT_EQ(c.GetNear2Pt(P(3, 3)), -2);
  int piece = -1;
  EXPECT_EQ(c.ptIsOn2dPline(P(10, 2), piece), 1);
  EXPECT_EQ(piece, 1);

  // Sorting along the curve: equal parameters share a rank.
  AcGePoint3dArray points = pts({P(10, 5), P(2, 0.00001), P(10, 5), P(10, 0)});
  AcGeIntArray ranks;
  ASSERT_EQ(c.Sort(points, ranks), 1);
  ASSERT_EQ(ranks.length(), 4);
  EXPECT_EQ(ranks[0], 2);
  EXPECT_EQ(ranks[1], 0);
  EXPECT_EQ(ranks[2], 2);
  EXPECT_EQ(ranks[3], 1);
  EXPECT_TRUE(Near(points[0], P(2, 0)));
  EXPECT_TRUE(Near(points[1], P(10, 0)));
  EXPECT_TRUE(Near(points[3], P(10, 5)));
  AcGePoint3dArray empty;
  EXPECT_EQ(c.Sort(empty, ranks), 0);

  // A curve shorter than the tolerance has no midpoint.
  GP_CurveTran tiny(addLine(P(0, 0), P(0.00005, 0)));
  EXPECT_EQ(tiny.GetMidPoint(p), 0);
}

TEST_F(CurveTranQuery, FindsArcCentresOrTheSentinel) {
  const double q = quarterBulge();
  struct Case {
    AcGePoint3d a, b;
    double bulge;
  } cases[] = {
      {P(1, 0), P(-1, 0), 1.0},                     // half circle over the top
      {P(1, 0), P(-1, 0), -1.0},                    // half circle underneath
      {P(1, 0), P(0, 1), q},                        // quarter, counter-clockwise
      {P(0, 1), P(1, 0), -q},                       // quarter, clockwise
      {P(1, 0), P(0, -1), std::tan(3 * M_PI / 8)},  // three quarters
  };
  for (const Case& k : cases) {
    const AcGePoint3d c = GP_CurveTran::getArcCentern(k.a, k.b, k.bulge);
    EXPECT_EQ(GP_CurveTran::m_bCalIsOk, 1);
    EXPECT_TRUE(Near(c, P(0, 0), 1e-9)) << "bulge " << k.bulge;
  }
  const AcGePoint3d shifted = GP_CurveTran::getArcCentern(P(11, 5), P(9, 5), 1.0);
  EXPECT_TRUE(Near(shifted, P(10, 5), 1e-9));

  const AcGePoint3d none = GP_CurveTran::getArcCentern(P(0, 0), P(1, 0), 1e-14);
  EXPECT_EQ(GP_CurveTran::m_bCalIsOk, 0);
  EXPECT_DOUBLE_EQ(none.x, -9999999.9996);
  EXPECT_DOUBLE_EQ(none.y, -9999999.9996);
  GP_CurveTran::getArcCentern(P(1, 0), P(-1, 0), 1.0);
  EXPECT_EQ(GP_CurveTran::m_bCalIsOk, 1);  // set again by the next call
  EXPECT_EQ(GP_CurveTran::isPointOnLine(P(0, 0, 3), P(10, 0), P(4, 0, -2)), 1);
  EXPECT_EQ(GP_CurveTran::isPointOnLine(P(0, 0), P(10, 0), P(4, 0.01)), 0);
  EXPECT_EQ(GP_CurveTran::isPointOnLine(P(0, 0), P(10, 0), P(12, 0)), 0);
}

TEST_F(CurveTranQuery, MeasuresAreasOfBulgedOutlines) {
  const AcGePoint3dArray ccw = pts({P(0, 0), P(4, 0), P(4, 4), P(0, 4)});
  const AcGeDoubleArray flat = nums({0, 0, 0, 0});
  EXPECT_NEAR(GP_CurveTran::GetCurveArea(ccw, flat), 16.0, 1e-12);
  const AcGePoint3dArray cw = pts({P(0, 0), P(0, 4), P(4, 4), P(4, 0)});
  EXPECT_NEAR(GP_CurveTran::GetCurveArea(cw, flat), -16.0, 1e-12);
  // A repeated last vertex, or the first vertex repeated, changes nothing.
  EXPECT_NEAR(GP_CurveTran::GetCurveArea(pts({P(0, 0), P(4, 0), P(4, 4), P(0, 4), P(0, 4)}), nums({0, 0, 0, 0, 0})),
              16.0, 1e-12);
  EXPECT_NEAR(GP_CurveTran::GetCurveArea(pts({P(0, 0), P(4, 0), P(4, 4), P(0, 4), P(0, 0)}), nums({0, 0, 0, 0, 0})),
              16.0, 1e-12);
  // Far from the origin the area keeps its precision.
  EXPECT_NEAR(
      GP_CurveTran::GetCurveArea(pts({P(1e7, 1e7), P(1e7 + 4, 1e7), P(1e7 + 4, 1e7 + 4), P(1e7, 1e7 + 4)}), flat), 16.0,
      1e-6);
  // A half disc: a chord closed by a half circle.
  EXPECT_NEAR(GP_CurveTran::GetCurveArea(pts({P(-1, 0), P(1, 0)}), nums({0, 1})), M_PI / 2, 1e-12);
  // A square with one side bowed out and one bowed in keeps 16.
  EXPECT_NEAR(GP_CurveTran::GetCurveArea(ccw, nums({-0.5, 0, 0.5, 0})), 16.0, 1e-12);
  EXPECT_NEAR(GP_CurveTran::GetArcArea(P(1, 0), P(-1, 0), 1.0), M_PI / 2, 1e-12);
  EXPECT_NEAR(GP_CurveTran::GetArcArea(P(1, 0), P(-1, 0), -1.0), -M_PI / 2, 1e-12);
  EXPECT_EQ(GP_CurveTran::GetCurveArea(pts({P(1, 1)}), nums({0})), 0.0);

  GP_CurveTran disc(addPline({{-1, 0, 1}, {1, 0, 1}}, true));
  double area = 0.0;
  ASSERT_EQ(disc.GetArea(area), 1);
  EXPECT_NEAR(area, M_PI, 1e-9);
}

TEST_F(CurveTranQuery, SplitsArcBulgesAtAPoint) {
  GP_CurveTran c;
  double b1 = 0, b2 = 0;
  // The top of a half circle halves it.
  ASSERT_EQ(c.GetArcBugleChangeAfterInsert(P(1, 0), P(-1, 0), P(0, 1), 1.0, b1, b2), 1);
  EXPECT_NEAR(b1, std::tan(M_PI / 8), 1e-12);
  EXPECT_NEAR(b2, std::tan(M_PI / 8), 1e-12);
  ASSERT_EQ(c.GetArcBugleChangeAfterInsert(P(1, 0), P(-1, 0), P(0, -1), -1.0, b1, b2), 1);
  EXPECT_NEAR(b1, -std::tan(M_PI / 8), 1e-12);
  EXPECT_NEAR(b2, -std::tan(M_PI / 8), 1e-12);
  // Unequal parts add up to the whole angle.
  const AcGePoint3d at30(std::cos(M_PI / 6), std::sin(M_PI / 6), 0);
  ASSERT_EQ(c.GetArcBugleChangeAfterInsert(P(1, 0), P(-1, 0), at30, 1.0, b1, b2), 1);
  EXPECT_NEAR(4 * std::atan(b1), M_PI / 6, 1e-12);
  EXPECT_NEAR(4 * std::atan(b2), 5 * M_PI / 6, 1e-12);
  // At an end the arc stays whole.
  c.GetArcBugleChangeAfterInsert(P(1, 0), P(-1, 0), P(1, 0), 1.0, b1, b2);
  EXPECT_EQ(b1, 0.0);
  EXPECT_EQ(b2, 1.0);
  c.GetArcBugleChangeAfterInsert(P(1, 0), P(-1, 0), P(-1, 0), 1.0, b1, b2);
  EXPECT_EQ(b1, 1.0);
  EXPECT_EQ(b2, 0.0);
  EXPECT_EQ(c.isPointOnArc(P(1, 0), P(-1, 0), 1.0, P(0, 1)), 1);
  EXPECT_EQ(c.isPointOnArc(P(1, 0), P(-1, 0), 1.0, P(0, -1)), 0);
  EXPECT_NEAR(GP_CurveTran::GetPointToArcStartDistance(P(1, 0), P(-1, 0), 1.0, P(0, 2)), M_PI / 2, 1e-9);
}

TEST_F(CurveTranQuery, TellsWhetherAPointContinuesAnEndPiece) {
  GP_CurveTran line(addLine(P(0, 0), P(10, 0)));
  double b = 9.0;
  EXPECT_EQ(line.isOnExtendLine(P(15, 0), 0, b), 1);
  EXPECT_EQ(b, 0.0);
  EXPECT_EQ(line.isOnExtendLine(P(5, 0), 0, b), 0);  // on the piece itself
  EXPECT_EQ(line.isOnExtendLine(P(15, 1), 0, b), 0);
  EXPECT_EQ(line.isOnExtendLine(P(-3, 0), 1, b), 1);
  EXPECT_EQ(line.isOnExtendLine(P(3, 0), 1, b), 0);

  // A counter-clockwise quarter of radius 10 from (10,0) to (0,10).
  GP_CurveTran arc(addArc(P(0, 0), 10, 0, M_PI / 2));
  const AcGePoint3d at120(10 * std::cos(2 * M_PI / 3), 10 * std::sin(2 * M_PI / 3), 0);
  const AcGePoint3d atMinus30(10 * std::cos(-M_PI / 6), 10 * std::sin(-M_PI / 6), 0);
  ASSERT_EQ(arc.isOnExtendLine(at120, 0, b), 1);
  EXPECT_NEAR(b, std::tan(M_PI / 6 / 4), 1e-9);  // the new piece (0,10) -> 120 degrees
  ASSERT_EQ(arc.isOnExtendLine(atMinus30, 1, b), 1);
  EXPECT_NEAR(b, std::tan(M_PI / 6 / 4), 1e-9);  // the new first piece -30 -> 0 degrees
  EXPECT_EQ(arc.isOnExtendLine(P(10 * std::cos(M_PI / 4), 10 * std::sin(M_PI / 4)), 0, b), 0);
  EXPECT_EQ(arc.isOnExtendLine(P(-6, 9), 0, b), 0);  // off the circle
  EXPECT_EQ(arc.isOnExtendLine(P(0, 0), 0, b), 0);   // the centre
}

TEST_F(CurveTranQuery, FindsPointsAlongDirectionsAndAcrossNormals) {
  const AcDbObjectId base = addLine(P(0, 0), P(10, 0));
  GP_CurveTran line(base);
  AcGePoint3d out;
  ASSERT_EQ(line.GetClosetPtByVector(P(5, 5), out, AcGeVector3d(0, 1, 0)), 1);
  EXPECT_TRUE(Near(out, P(5, 0), 2e-4));
  ASSERT_EQ(line.GetClosetPtByVector(P(4, 0), out, AcGeVector3d(1, 1, 0)), 1);
  EXPECT_TRUE(Near(out, P(4, 0)));
  EXPECT_EQ(line.GetClosetPtByVector(P(20, 5), out, AcGeVector3d(0, 1, 0)), 0);
  // Looking along the line itself finds its nearer end.
  ASSERT_EQ(line.GetClosetPtByVector(P(20, 0.00001), out, AcGeVector3d(1, 0, 0)), 1);
  EXPECT_TRUE(Near(out, P(10, 0)));

  GP_CurveTran cup(addPline({{0, 10}, {0, 0}, {10, 0}, {10, 10}}));
  ASSERT_EQ(cup.GetClosetPtByVector(P(5, 3), out, AcGeVector3d(0, 1, 0)), 1);
  EXPECT_TRUE(Near(out, P(5, 0), 2e-4));
  ASSERT_EQ(cup.GetClosetPtByVector(P(7, 5), out, AcGeVector3d(-1, 0, 0)), 1);
  EXPECT_TRUE(Near(out, P(10, 5), 2e-4));

  // The normal at (5,0) meets the two parallel lines, not the far one.
  const AcDbObjectId above = addLine(P(0, 3), P(10, 3));
  const AcDbObjectId below = addLine(P(10, -2), P(0, -2));
  const AcDbObjectId far = addLine(P(20, 0), P(30, 5));
  AcDbObjectIdArray found;
  AcGePoint3dArray where;
  AcDbObjectIdArray ids;
  for (const AcDbObjectId& id : {base, far, below, above}) ids.append(id);
  ASSERT_EQ(line.GetNearLineByPnt(ids, P(5, 0), found, where), 1);
  ASSERT_EQ(found.length(), 2);
  EXPECT_EQ(found[0], below);
  EXPECT_EQ(found[1], above);
  EXPECT_TRUE(Near(where[0], P(5, -2)));
  EXPECT_TRUE(Near(where[1], P(5, 3)));
  EXPECT_EQ(line.GetNearLineByPnt(ids, P(5, 1), found, where), 0);  // not on the curve
  AcDbObjectIdArray self;
  self.append(base);
  EXPECT_EQ(line.GetNearLineByPnt(self, P(5, 0), found, where), 0);

  AcGePoint3d at = P(0, 0.5);
  AcGeVector3d dir;
  ASSERT_EQ(line.GetPointOnLineAsPect(at, dir), 1);
  EXPECT_TRUE(Near(at, P(0, 0)));
  EXPECT_GT(dir.x, 0.0);
  EXPECT_NEAR(dir.y, 0.0, 1e-12);
}

}  // namespace
