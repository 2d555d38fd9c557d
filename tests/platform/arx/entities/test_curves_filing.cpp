// Filing round trips of the curve entities, and precision far from the
// origin (surveying coordinates).
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "arx/entities/AcDb2dPolyline.h"
#include "arx/entities/AcDbArc.h"
#include "arx/entities/AcDbCircle.h"
#include "arx/entities/AcDbEllipse.h"
#include "arx/entities/AcDbLine.h"
#include "arx/entities/AcDbPoint.h"
#include "arx/entities/AcDbPolyline.h"
#include "arx/entities/AcDbSpline.h"
#include "arx/ge/AcDbExtents.h"
#include "arx/ge/AcGeMatrix3d.h"
#include "arx/ge/AcGePlane.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

template <class T>
std::unique_ptr<T> copyOf(const T& e) {
  AcRxObject* c = e.clone();
  EXPECT_NE(T::cast(c), nullptr);
  return std::unique_ptr<T>(T::cast(c));
}

// The same points at a few parameters (shape and parametrisation kept).
void expectSameCurve(const AcDbCurve& a, const AcDbCurve& b) {
  double a0, a1, b0, b1;
  ASSERT_EQ(a.getStartParam(a0), Acad::eOk);
  ASSERT_EQ(a.getEndParam(a1), Acad::eOk);
  ASSERT_EQ(b.getStartParam(b0), Acad::eOk);
  ASSERT_EQ(b.getEndParam(b1), Acad::eOk);
  EXPECT_DOUBLE_EQ(a0, b0);
  EXPECT_DOUBLE_EQ(a1, b1);
  for (int i = 0; i <= 8; ++i) {
    AcGePoint3d p, q;
    a.getPointAtParam(a0 + (a1 - a0) * i / 8, p);
    b.getPointAtParam(a0 + (a1 - a0) * i / 8, q);
    EXPECT_EQ(p.x, q.x);
    EXPECT_EQ(p.y, q.y);
    EXPECT_EQ(p.z, q.z);
  }
}

}  // namespace

TEST(CurvesFiling, EveryFieldSurvivesACopy) {
  AcDbLine line(AcGePoint3d(1, 2, 3), AcGePoint3d(4, 5, 6));
  line.setThickness(2.5);
  line.setNormal(AcGeVector3d(0, 1, 1));
  auto l2 = copyOf(line);
  expectSameCurve(line, *l2);
  EXPECT_DOUBLE_EQ(l2->thickness(), 2.5);
  EXPECT_TRUE(l2->normal().isEqualTo(AcGeVector3d(0, 1, 1).normal()));

  AcDbArc arc(AcGePoint3d(1, 1, 1), AcGeVector3d(1, 0, 0), 3.0, 0.5, 4.0);
  arc.setThickness(-1.0);
  auto a2 = copyOf(arc);
  expectSameCurve(arc, *a2);
  EXPECT_DOUBLE_EQ(a2->thickness(), -1.0);

  AcDbCircle circle(AcGePoint3d(7, 8, 9), AcGeVector3d(0, 0, -1), 4.0);
  expectSameCurve(circle, *copyOf(circle));

  AcDbEllipse el(AcGePoint3d(1, 2, 0), AcGeVector3d::kZAxis, AcGeVector3d(0, 3, 0), 0.25, 1.0, 5.0);
  expectSameCurve(el, *copyOf(el));

  AcGePoint3dArray fit;
  fit.append(AcGePoint3d(0, 0, 0));
  fit.append(AcGePoint3d(2, 3, 1));
  fit.append(AcGePoint3d(5, -1, 0));
  AcDbSpline sp(fit, AcGeVector3d(1, 1, 0), AcGeVector3d(0, -1, 0), 4, 0.01);
  auto s2 = copyOf(sp);
  expectSameCurve(sp, *s2);
  EXPECT_TRUE(s2->hasFitData());
  EXPECT_DOUBLE_EQ(s2->fitTolerance(), 0.01);
  AcGeVector3d t0, t1;
  s2->getFitTangents(t0, t1);
  EXPECT_TRUE(t1.isEqualTo(AcGeVector3d(0, -1, 0)));

  AcDbPoint pt(AcGePoint3d(3, 4, 5));
  pt.setEcsRotation(0.75);
  pt.setThickness(2.0);
  auto p2 = copyOf(pt);
  EXPECT_TRUE(p2->position().isEqualTo(AcGePoint3d(3, 4, 5)));
  EXPECT_DOUBLE_EQ(p2->ecsRotation(), 0.75);
  EXPECT_DOUBLE_EQ(p2->thickness(), 2.0);

  AcDbPolyline pl;
  pl.addVertexAt(0, AcGePoint2d(0, 0), 0.3, 1.0, 2.0);
  pl.addVertexAt(1, AcGePoint2d(5, 0), -0.7);
  pl.addVertexAt(2, AcGePoint2d(5, 5));
  pl.setClosed(true);
  pl.setElevation(-2.0);
  pl.setNormal(AcGeVector3d(0, 0, -1));
  pl.setPlinegen(true);
  pl.setThickness(0.5);
  auto pl2 = copyOf(pl);
  expectSameCurve(pl, *pl2);
  EXPECT_TRUE(pl2->isClosed());
  EXPECT_TRUE(pl2->isPlinegen());
  EXPECT_DOUBLE_EQ(pl2->elevation(), -2.0);
  double w0, w1;
  pl2->getWidthsAt(0, w0, w1);
  EXPECT_DOUBLE_EQ(w1, 2.0);

  // A 2D polyline not in a database copies its vertices.
  AcDb2dPolyline old(AcDb::k2dFitCurvePoly, fit, 1.0, false);
  auto o2 = copyOf(old);
  expectSameCurve(old, *o2);
  EXPECT_EQ(o2->polyType(), AcDb::k2dFitCurvePoly);

  // Uniform transformed copies go through the same copying.
  AcDbEntity* moved = nullptr;
  ASSERT_EQ(arc.getTransformedCopy(AcGeMatrix3d::scaling(2.0, AcGePoint3d(1, 1, 1)), moved), Acad::eOk);
  std::unique_ptr<AcDbEntity> hold(moved);
  EXPECT_DOUBLE_EQ(AcDbArc::cast(moved)->radius(), 6.0);
}

TEST(CurvesFiling, SurveyingCoordinatesKeepVerticesAndTangentsExact) {
  const double X = 512345.678, Y = 3456789.012;
  // Two parcels sharing the edge (X+50, Y) .. (X+50, Y+40) and the corner
  // vertex; the right one has an arc side tangent to the shared edge's line.
  AcDbPolyline left, right;
  left.addVertexAt(0, AcGePoint2d(X, Y));
  left.addVertexAt(1, AcGePoint2d(X + 50, Y));
  left.addVertexAt(2, AcGePoint2d(X + 50, Y + 40));
  left.addVertexAt(3, AcGePoint2d(X, Y + 40));
  left.setClosed(true);
  right.addVertexAt(0, AcGePoint2d(X + 50, Y + 40));
  right.addVertexAt(1, AcGePoint2d(X + 50, Y), 1.0);  // half circle to the right, bulging away
  right.addVertexAt(2, AcGePoint2d(X + 50, Y + 20));
  AcGePoint3dArray pts;
  ASSERT_EQ(left.intersectWith(&right, AcDb::kOnBothOperands, pts), Acad::eOk);
  // The shared edge overlaps (its two ends, each once and exactly) and the
  // arc comes back to the edge at its end (X+50, Y+20): in order along left.
  ASSERT_EQ(pts.length(), 3);
  EXPECT_EQ(pts[0].x, X + 50);
  EXPECT_EQ(pts[0].y, Y);
  EXPECT_EQ(pts[1].y, Y + 20);
  EXPECT_EQ(pts[2].y, Y + 40);
  double param;
  ASSERT_EQ(left.getParamAtPoint(AcGePoint3d(X + 50, Y + 40, 0), param), Acad::eOk);
  EXPECT_DOUBLE_EQ(param, 2.0);
  ASSERT_EQ(left.getParamAtPoint(AcGePoint3d(X + 25, Y + 40, 0), param), Acad::eOk);
  EXPECT_NEAR(param, 2.5, 1e-12);
  double area;
  left.getArea(area);
  EXPECT_NEAR(area, 2000.0, 1e-6);
  // A circle tangent to the left parcel's top edge from above, far from the origin.
  AcDbCircle c(AcGePoint3d(X + 20, Y + 45, 0), AcGeVector3d::kZAxis, 5.0);
  pts.removeAll();
  ASSERT_EQ(c.intersectWith(&left, AcDb::kOnBothOperands, pts), Acad::eOk);
  ASSERT_EQ(pts.length(), 1);
  EXPECT_NEAR(pts[0].x, X + 20, 1e-6);
  EXPECT_NEAR(pts[0].y, Y + 40, 1e-9);
  // Extents and length of the arc side are exact to the last digits.
  AcDbExtents ext;
  right.getGeomExtents(ext);
  EXPECT_NEAR(ext.maxPoint().x, X + 60, 1e-9);
  double len;
  right.getDistAtParam(1.0, len);
  EXPECT_NEAR(len, 40.0, 1e-9);
  right.getDistAtParam(2.0, len);
  EXPECT_NEAR(len, 40.0 + 10.0 * kPi, 1e-8);
}

TEST(CurvesFiling, DirectionalClosestPointsAndProjectedPolylines) {
  // Seen along Z, the point (0, 7, 50) lies over the arc's extension only.
  AcDbArc arc(AcGePoint3d(0, 0, 0), 5.0, 0.0, kPi / 2);
  AcGePoint3d on;
  ASSERT_EQ(arc.getClosestPointTo(AcGePoint3d(3, 4, 50), AcGeVector3d::kZAxis, on), Acad::eOk);
  EXPECT_TRUE(on.isEqualTo(AcGePoint3d(3, 4, 0)));
  ASSERT_EQ(arc.getClosestPointTo(AcGePoint3d(-7, 0, 50), AcGeVector3d::kZAxis, on, true), Acad::eOk);
  EXPECT_TRUE(on.isEqualTo(AcGePoint3d(-5, 0, 0)));
  EXPECT_EQ(arc.getClosestPointTo(AcGePoint3d(1, 1, 1), AcGeVector3d(), on), Acad::eInvalidInput);
  // Two polylines at different elevations cross when projected on the XY plane.
  AcDbPolyline a, b;
  a.addVertexAt(0, AcGePoint2d(0, 0));
  a.addVertexAt(1, AcGePoint2d(10, 10), 0.4);
  a.addVertexAt(2, AcGePoint2d(20, 0));
  a.setElevation(3.0);
  b.addVertexAt(0, AcGePoint2d(0, 5));
  b.addVertexAt(1, AcGePoint2d(20, 5));
  b.setElevation(-1.0);
  AcGePoint3dArray pts;
  ASSERT_EQ(a.intersectWith(&b, AcDb::kOnBothOperands, pts), Acad::eOk);
  EXPECT_EQ(pts.length(), 0);
  ASSERT_EQ(a.intersectWith(&b, AcDb::kOnBothOperands, AcGePlane(), pts), Acad::eOk);
  ASSERT_EQ(pts.length(), 2);
  for (const AcGePoint3d& p : pts) {
    EXPECT_NEAR(p.y, 5.0, 1e-9);
    EXPECT_NEAR(p.z, 3.0, 1e-12);  // on a, not on the plane
  }
  // Ellipse extents are tight.
  AcDbEllipse e(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, AcGeVector3d(3, 4, 0), 0.4);
  AcDbExtents ext;
  ASSERT_EQ(e.getGeomExtents(ext), Acad::eOk);
  // x = 3 cos t - 1.6 sin t: extreme ±sqrt(9 + 2.56).
  EXPECT_NEAR(ext.maxPoint().x, std::sqrt(11.56), 1e-12);
  EXPECT_NEAR(ext.minPoint().y, -std::sqrt(16 + 1.44), 1e-12);
  // A point turns with its system.
  AcDbPoint pt(AcGePoint3d(1, 0, 0));
  pt.setEcsRotation(0.25);
  ASSERT_EQ(pt.transformBy(AcGeMatrix3d::rotation(kPi / 2, AcGeVector3d::kZAxis)), Acad::eOk);
  EXPECT_TRUE(pt.position().isEqualTo(AcGePoint3d(0, 1, 0)));
  EXPECT_NEAR(pt.ecsRotation(), 0.25 + kPi / 2, 1e-12);
}
