// The lightweight polyline: vertices, bulges, parameters, area, split,
// extend, reverse, transformation and explode.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "arx/entities/AcDbArc.h"
#include "arx/entities/AcDbLine.h"
#include "arx/entities/AcDbPolyline.h"
#include "arx/ge/AcDbExtents.h"
#include "arx/ge/AcGeCircArc3d.h"
#include "arx/ge/AcGeLineSeg2d.h"
#include "arx/ge/AcGeMatrix3d.h"
#include "arx/ge/AcGePlane.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

void expectPt(const AcGePoint3d& a, const AcGePoint3d& b, double tol = 1e-9) {
  EXPECT_NEAR(a.x, b.x, tol);
  EXPECT_NEAR(a.y, b.y, tol);
  EXPECT_NEAR(a.z, b.z, tol);
}

void freeAll(AcDbVoidPtrArray& arr) {
  for (void* p : arr) delete static_cast<AcDbEntity*>(p);
  arr.removeAll();
}

// A 10 x 10 square from (0,0) whose top side bulges outwards as a half circle
// (going from (10,10) to (0,10) counter-clockwise), closed.
std::unique_ptr<AcDbPolyline> bulgedSquare() {
  auto pl = std::make_unique<AcDbPolyline>();
  pl->addVertexAt(0, AcGePoint2d(0, 0));
  pl->addVertexAt(1, AcGePoint2d(10, 0));
  pl->addVertexAt(2, AcGePoint2d(10, 10), 1.0);
  pl->addVertexAt(3, AcGePoint2d(0, 10));
  pl->setClosed(true);
  return pl;
}

}  // namespace

TEST(CurvesPolyline, VerticesSegmentsAndErrors) {
  AcDbPolyline pl;
  EXPECT_EQ(pl.segType(0), AcDbPolyline::kEmpty);
  ASSERT_EQ(pl.addVertexAt(0, AcGePoint2d(0, 0)), Acad::eOk);
  EXPECT_EQ(pl.segType(0), AcDbPolyline::kPoint);
  pl.addVertexAt(1, AcGePoint2d(5, 0));
  pl.setBulgeAt(0, -1.0);
  pl.addVertexAt(99, AcGePoint2d(5, 0));  // past the end: appended, coincident with the one before
  pl.addVertexAt(3, AcGePoint2d(5, 5), 0.0, 1.0, 2.0);
  EXPECT_EQ(pl.numVerts(), 4u);
  EXPECT_EQ(pl.segType(0), AcDbPolyline::kArc);
  EXPECT_EQ(pl.segType(1), AcDbPolyline::kCoincident);
  EXPECT_EQ(pl.segType(2), AcDbPolyline::kLine);
  EXPECT_EQ(pl.segType(3), AcDbPolyline::kEmpty);  // last vertex of an open polyline
  EXPECT_TRUE(pl.hasBulges());
  EXPECT_FALSE(pl.isOnlyLines());
  EXPECT_TRUE(pl.hasWidth());
  double w0, w1, b;
  EXPECT_EQ(pl.getWidthsAt(4, w0, w1), Acad::eInvalidIndex);
  EXPECT_EQ(pl.getBulgeAt(7, b), Acad::eInvalidIndex);
  EXPECT_EQ(pl.setWidthsAt(0, -1.0, 0.0), Acad::eInvalidInput);
  EXPECT_EQ(pl.addVertexAt(0, AcGePoint2d(NAN, 0)), Acad::eInvalidInput);
  EXPECT_EQ(pl.getConstantWidth(w0), Acad::eNotApplicable);
  pl.setConstantWidth(0.5);
  EXPECT_EQ(pl.getConstantWidth(w0), Acad::eOk);
  EXPECT_DOUBLE_EQ(w0, 0.5);
  AcGeLineSeg2d seg;
  EXPECT_EQ(pl.getLineSegAt(2, seg), Acad::eOk);
  EXPECT_EQ(pl.getLineSegAt(0, seg), Acad::eInvalidInput);
  // A clockwise half circle over the X axis: centre (2.5, 0), top point (2.5, 2.5).
  AcGeCircArc3d arc;
  ASSERT_EQ(pl.getArcSegAt(0, arc), Acad::eOk);
  expectPt(arc.center(), AcGePoint3d(2.5, 0, 0));
  AcGePoint3d mid;
  ASSERT_EQ(pl.getPointAtParam(0.5, mid), Acad::eOk);
  expectPt(mid, AcGePoint3d(2.5, 2.5, 0));
  double param;
  EXPECT_TRUE(pl.onSegAt(0, AcGePoint2d(2.5, 2.5), param));
  EXPECT_NEAR(param, 0.5, 1e-12);
  EXPECT_FALSE(pl.onSegAt(0, AcGePoint2d(2.5, -2.5), param));
  pl.reset(true, 2);
  EXPECT_EQ(pl.numVerts(), 2u);
  pl.reset(false, 0);
  EXPECT_EQ(pl.numVerts(), 0u);
}

TEST(CurvesPolyline, ParametersAtVerticesAndWorldPoints) {
  auto pl = bulgedSquare();
  double a, b, param, dist;
  pl->getStartParam(a);
  pl->getEndParam(b);
  EXPECT_DOUBLE_EQ(a, 0.0);
  EXPECT_DOUBLE_EQ(b, 4.0);  // closed: a segment back to the start
  // Every vertex is at its index; the start point is parameter 0, not 4.
  for (unsigned i = 0; i < 4; ++i) {
    AcGePoint3d v;
    pl->getPointAt(i, v);
    ASSERT_EQ(pl->getParamAtPoint(v, param), Acad::eOk);
    EXPECT_NEAR(param, double(i), 1e-12);
  }
  // The half circle's top at parameter 2.5, its length 5π.
  AcGePoint3d top;
  pl->getPointAtParam(2.5, top);
  expectPt(top, AcGePoint3d(5, 15, 0));
  pl->getDistAtParam(3.0, dist);
  EXPECT_NEAR(dist, 20 + 5 * kPi, 1e-10);
  pl->getDistAtParam(4.0, dist);
  EXPECT_NEAR(dist, 30 + 5 * kPi, 1e-10);
  ASSERT_EQ(pl->getParamAtDist(20 + 2.5 * kPi, param), Acad::eOk);
  EXPECT_NEAR(param, 2.5, 1e-12);
  AcGeVector3d d;
  pl->getFirstDeriv(2.5, d);  // along -X at the top, |d| = π r per unit parameter
  expectPt(AcGePoint3d::kOrigin + d, AcGePoint3d(-5 * kPi, 0, 0));
  AcDbExtents ext;
  pl->getGeomExtents(ext);
  expectPt(ext.maxPoint(), AcGePoint3d(10, 15, 0));
  double area;
  ASSERT_EQ(pl->getArea(area), Acad::eOk);
  EXPECT_NEAR(area, 100 + 12.5 * kPi, 1e-9);

  // A polyline in a tilted plane at an elevation: world points follow normal and elevation.
  AcDbPolyline t;
  t.addVertexAt(0, AcGePoint2d(1, 2));
  t.addVertexAt(1, AcGePoint2d(3, 2));
  t.setNormal(AcGeVector3d(0, 0, -1));
  t.setElevation(4.0);
  AcGePoint3d w;
  t.getPointAt(0, w);
  // The arbitrary axes of -Z are (-1, 0, 0) and (0, 1, 0).
  expectPt(w, AcGePoint3d(-1, 2, -4));
  ASSERT_EQ(t.getParamAtPoint(AcGePoint3d(-2, 2, -4), param), Acad::eOk);
  EXPECT_NEAR(param, 0.5, 1e-12);
}

TEST(CurvesPolyline, AreaIsPositiveEitherWayAndOpenOutlinesClose) {
  // Clockwise outline with a clockwise (negative bulge) arc bulging out.
  AcDbPolyline cw;
  cw.addVertexAt(0, AcGePoint2d(0, 0));
  cw.addVertexAt(1, AcGePoint2d(0, 10));
  cw.addVertexAt(2, AcGePoint2d(10, 10), -1.0);  // half circle to (10,0) bulging to x = 15
  cw.addVertexAt(3, AcGePoint2d(10, 0));
  cw.setClosed(true);
  double area;
  cw.getArea(area);
  EXPECT_NEAR(area, 100 + 12.5 * kPi, 1e-9);
  // The same outline left open has the same area (closed by its chord).
  cw.setClosed(false);
  cw.getArea(area);
  EXPECT_NEAR(area, 100 + 12.5 * kPi, 1e-9);
  // Bulge inwards instead: the half disc is cut away.
  cw.setBulgeAt(2, 1.0);
  cw.setClosed(true);
  cw.getArea(area);
  EXPECT_NEAR(area, 100 - 12.5 * kPi, 1e-9);
}

TEST(CurvesPolyline, SplitOpenAndClosed) {
  auto pl = bulgedSquare();
  // Closed: split at 1.5 and 2.5 -> the piece 1.5..2.5 and the piece 2.5 round to 1.5.
  AcGeDoubleArray params;
  params.append(2.5);
  params.append(1.5);
  AcDbVoidPtrArray parts;
  ASSERT_EQ(pl->getSplitCurves(params, parts), Acad::eOk);
  ASSERT_EQ(parts.length(), 2);
  AcDbPolyline* p0 = AcDbPolyline::cast(static_cast<AcDbEntity*>(parts[0]));
  AcDbPolyline* p1 = AcDbPolyline::cast(static_cast<AcDbEntity*>(parts[1]));
  ASSERT_TRUE(p0 && p1);
  EXPECT_FALSE(p0->isClosed());
  AcGePoint3d s, e;
  p0->getStartPoint(s);
  p0->getEndPoint(e);
  expectPt(s, AcGePoint3d(10, 5, 0));
  expectPt(e, AcGePoint3d(5, 15, 0));
  // The cut arc keeps its circle: a quarter circle has bulge tan(π/8).
  double bulge;
  p0->getBulgeAt(1, bulge);
  EXPECT_NEAR(bulge, std::tan(kPi / 8), 1e-12);
  EXPECT_EQ(p1->numVerts(), 5u);  // (5,15) (0,10) (0,0) (10,0) (10,5)
  p1->getEndPoint(e);
  expectPt(e, AcGePoint3d(10, 5, 0));
  double l0, l1, lAll, endParam;
  p0->getEndParam(endParam);
  p0->getDistAtParam(endParam, l0);
  p1->getEndParam(endParam);
  p1->getDistAtParam(endParam, l1);
  pl->getDistAtParam(4.0, lAll);
  EXPECT_NEAR(l0 + l1, lAll, 1e-9);
  freeAll(parts);

  // One split point opens the outline there.
  params.removeAll();
  params.append(0.0);
  ASSERT_EQ(pl->getSplitCurves(params, parts), Acad::eOk);
  ASSERT_EQ(parts.length(), 1);
  EXPECT_EQ(static_cast<AcDbPolyline*>(parts[0])->numVerts(), 5u);
  freeAll(parts);

  // Split by points, one of them a vertex.
  pl->setClosed(false);
  AcGePoint3dArray pts;
  pts.append(AcGePoint3d(10, 0, 0));
  pts.append(AcGePoint3d(5, 15, 0));
  ASSERT_EQ(pl->getSplitCurves(pts, parts), Acad::eOk);
  ASSERT_EQ(parts.length(), 3);
  EXPECT_EQ(static_cast<AcDbPolyline*>(parts[0])->numVerts(), 2u);
  freeAll(parts);
  pts.append(AcGePoint3d(50, 50, 0));
  EXPECT_EQ(pl->getSplitCurves(pts, parts), Acad::eInvalidInput);
  EXPECT_TRUE(parts.isEmpty());
}

TEST(CurvesPolyline, ExtendAndReverse) {
  AcDbPolyline pl;
  pl.addVertexAt(0, AcGePoint2d(0, 0));
  pl.addVertexAt(1, AcGePoint2d(10, 0), 1.0);  // counter-clockwise half circle to (20, 0), below the axis
  pl.addVertexAt(2, AcGePoint2d(20, 0));
  // Straight start extends along the line.
  ASSERT_EQ(pl.extend(-0.5), Acad::eOk);
  AcGePoint3d s;
  pl.getStartPoint(s);
  expectPt(s, AcGePoint3d(-5, 0, 0));
  // The arc end extends round its circle: to three quarters.
  ASSERT_EQ(pl.extend(2.5), Acad::eOk);
  AcGePoint3d e;
  pl.getEndPoint(e);
  expectPt(e, AcGePoint3d(15, 5, 0));
  double bulge;
  pl.getBulgeAt(1, bulge);
  EXPECT_NEAR(bulge, std::tan(3 * kPi / 8), 1e-12);
  EXPECT_EQ(pl.extend(1.0), Acad::eInvalidInput);
  // On round the circle to the point at 135° about the centre (15, 0).
  const AcGePoint3d further(15 - 5 * std::sqrt(0.5), 5 * std::sqrt(0.5), 0);
  EXPECT_EQ(pl.extend(false, further), Acad::eOk);
  pl.getEndPoint(e);
  expectPt(e, further);
  pl.getBulgeAt(1, bulge);
  EXPECT_NEAR(bulge, std::tan(7 * kPi / 16), 1e-12);
  // The segment's own start is no extension (it would close the circle).
  EXPECT_EQ(pl.extend(false, AcGePoint3d(10, 0, 0)), Acad::eInvalidInput);
  EXPECT_EQ(pl.extend(true, AcGePoint3d(3, 1, 0)), Acad::eInvalidInput);

  // Reverse: the same points walked backwards, bulges negated.
  AcDbPolyline r;
  r.addVertexAt(0, AcGePoint2d(0, 0), 0.5, 1.0, 2.0);
  r.addVertexAt(1, AcGePoint2d(4, 0), -0.25);
  r.addVertexAt(2, AcGePoint2d(4, 4));
  AcGePoint3d before[5];
  for (int i = 0; i <= 4; ++i) r.getPointAtParam(i * 0.5, before[i]);
  ASSERT_EQ(r.reverseCurve(), Acad::eOk);
  for (int i = 0; i <= 4; ++i) {
    AcGePoint3d p;
    r.getPointAtParam(2.0 - i * 0.5, p);
    expectPt(p, before[i]);
  }
  r.getBulgeAt(0, bulge);
  EXPECT_DOUBLE_EQ(bulge, 0.25);
  r.getBulgeAt(1, bulge);
  EXPECT_DOUBLE_EQ(bulge, -0.5);
  double w0, w1;
  r.getWidthsAt(1, w0, w1);
  EXPECT_DOUBLE_EQ(w0, 2.0);
  EXPECT_DOUBLE_EQ(w1, 1.0);
  // Closed: also the closing segment.
  auto sq = bulgedSquare();
  double areaBefore, areaAfter;
  sq->getArea(areaBefore);
  sq->reverseCurve();
  sq->getArea(areaAfter);
  EXPECT_NEAR(areaAfter, areaBefore, 1e-9);
  AcGePoint3d top;
  sq->getPointAtParam(0.5, top);  // the arc is now the first segment, from (0,10) to (10,10)
  expectPt(top, AcGePoint3d(5, 15, 0));
}

TEST(CurvesPolyline, TransformMirrorAndExplode) {
  auto pl = bulgedSquare();
  AcGeMatrix3d m = AcGeMatrix3d::rotation(kPi / 2, AcGeVector3d::kZAxis);
  m.preMultBy(AcGeMatrix3d::translation(AcGeVector3d(100, 0, 0)));
  ASSERT_EQ(pl->transformBy(m), Acad::eOk);
  AcGePoint3d top;
  pl->getPointAtParam(2.5, top);
  expectPt(top, AcGePoint3d(85, 5, 0));
  // Mirror in the plane x = 100: the bulge changes sign, the normal stays +Z.
  const AcGeMatrix3d mir = AcGeMatrix3d::mirroring(AcGePlane(AcGePoint3d(100, 0, 0), AcGeVector3d::kXAxis));
  ASSERT_EQ(pl->transformBy(mir), Acad::eOk);
  double bulge;
  pl->getBulgeAt(2, bulge);
  EXPECT_DOUBLE_EQ(bulge, -1.0);
  EXPECT_NEAR(pl->normal().z, 1.0, 1e-12);
  pl->getPointAtParam(2.5, top);
  expectPt(top, AcGePoint3d(115, 5, 0));
  double area;
  pl->getArea(area);
  EXPECT_NEAR(area, 100 + 12.5 * kPi, 1e-9);
  AcGeMatrix3d stretch;
  stretch.entry[1][1] = 3.0;
  EXPECT_EQ(pl->transformBy(stretch), Acad::eCannotScaleNonUniformly);

  AcDbVoidPtrArray pieces;
  ASSERT_EQ(pl->explode(pieces), Acad::eOk);
  ASSERT_EQ(pieces.length(), 4);
  int arcs = 0;
  for (void* v : pieces) {
    AcDbEntity* ent = static_cast<AcDbEntity*>(v);
    if (AcDbArc* a = AcDbArc::cast(ent)) {
      ++arcs;
      // Clockwise segment: a counter-clockwise arc about +Z from its end to its start.
      EXPECT_NEAR(a->normal().z, 1.0, 1e-12);
      EXPECT_NEAR(a->radius(), 5.0, 1e-9);
      AcGePoint3d mid;
      double s0, s1;
      a->getStartParam(s0);
      a->getEndParam(s1);
      a->getPointAtParam(0.5 * (s0 + s1), mid);
      expectPt(mid, AcGePoint3d(115, 5, 0));
    } else {
      EXPECT_NE(AcDbLine::cast(ent), nullptr);
    }
  }
  EXPECT_EQ(arcs, 1);
  freeAll(pieces);
}
