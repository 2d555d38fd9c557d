// Curve protocol of lines, arcs, circles and ellipses.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "arx/entities/AcDbArc.h"
#include "arx/entities/AcDbCircle.h"
#include "arx/entities/AcDbEllipse.h"
#include "arx/entities/AcDbLine.h"
#include "arx/ge/AcDbExtents.h"
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

}  // namespace

TEST(CurvesLine, ParametersDistancesAndClosestPoints) {
  AcDbLine line(AcGePoint3d(1, 1, 0), AcGePoint3d(4, 5, 0));  // length 5
  double a, b, d, param;
  AcGePoint3d p;
  ASSERT_EQ(line.getStartParam(a), Acad::eOk);
  ASSERT_EQ(line.getEndParam(b), Acad::eOk);
  EXPECT_DOUBLE_EQ(a, 0.0);
  EXPECT_DOUBLE_EQ(b, 5.0);
  ASSERT_EQ(line.getPointAtParam(2.5, p), Acad::eOk);
  expectPt(p, AcGePoint3d(2.5, 3, 0));
  EXPECT_EQ(line.getPointAtParam(5.5, p), Acad::eInvalidInput);
  EXPECT_EQ(line.getParamAtPoint(AcGePoint3d(4, 5, 0), param), Acad::eOk);
  EXPECT_NEAR(param, 5.0, 1e-12);
  EXPECT_EQ(line.getParamAtPoint(AcGePoint3d(4, 5.001, 0), param), Acad::eInvalidInput);
  EXPECT_EQ(line.getDistAtPoint(AcGePoint3d(2.5, 3, 0), d), Acad::eOk);
  EXPECT_NEAR(d, 2.5, 1e-12);
  EXPECT_EQ(line.getPointAtDist(4.0, p), Acad::eOk);
  expectPt(p, AcGePoint3d(1 + 0.6 * 4, 1 + 0.8 * 4, 0));
  AcGeVector3d v;
  EXPECT_EQ(line.getFirstDeriv(1.0, v), Acad::eOk);
  EXPECT_NEAR(v.length(), 1.0, 1e-12);  // parameter is arc length
  // Closest point: clamped to the segment, or on the infinite line when extended.
  ASSERT_EQ(line.getClosestPointTo(AcGePoint3d(7, 9, 0), p), Acad::eOk);
  expectPt(p, AcGePoint3d(4, 5, 0));
  ASSERT_EQ(line.getClosestPointTo(AcGePoint3d(7, 9, 0), p, true), Acad::eOk);
  expectPt(p, AcGePoint3d(7, 9, 0));
  // Along a direction: the point on the line straight below (seen along Z).
  ASSERT_EQ(line.getClosestPointTo(AcGePoint3d(2.5, 3, 10), AcGeVector3d::kZAxis, p), Acad::eOk);
  expectPt(p, AcGePoint3d(2.5, 3, 0));
  EXPECT_EQ(line.getArea(d), Acad::eOk);
  EXPECT_DOUBLE_EQ(d, 0.0);
}

TEST(CurvesLine, SplitExtendReverseTransform) {
  AcDbLine line(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0));
  AcGeDoubleArray params;
  params.append(7.0);
  params.append(3.0);
  params.append(3.0);   // duplicate
  params.append(10.0);  // the end: no empty piece
  AcDbVoidPtrArray parts;
  ASSERT_EQ(line.getSplitCurves(params, parts), Acad::eOk);
  ASSERT_EQ(parts.length(), 3);
  expectPt(static_cast<AcDbLine*>(parts[0])->endPoint(), AcGePoint3d(3, 0, 0));
  expectPt(static_cast<AcDbLine*>(parts[1])->startPoint(), AcGePoint3d(3, 0, 0));
  expectPt(static_cast<AcDbLine*>(parts[2])->endPoint(), AcGePoint3d(10, 0, 0));
  freeAll(parts);
  params.append(11.0);
  EXPECT_EQ(line.getSplitCurves(params, parts), Acad::eInvalidInput);

  EXPECT_EQ(line.extend(-2.0), Acad::eOk);
  expectPt(line.startPoint(), AcGePoint3d(-2, 0, 0));
  EXPECT_EQ(line.extend(5.0), Acad::eInvalidInput);  // inside
  EXPECT_EQ(line.extend(false, AcGePoint3d(15, 0, 0)), Acad::eOk);
  expectPt(line.endPoint(), AcGePoint3d(15, 0, 0));
  EXPECT_EQ(line.extend(false, AcGePoint3d(20, 1, 0)), Acad::eInvalidInput);  // off the line
  EXPECT_EQ(line.reverseCurve(), Acad::eOk);
  expectPt(line.startPoint(), AcGePoint3d(15, 0, 0));

  AcGeMatrix3d m = AcGeMatrix3d::rotation(kPi / 2, AcGeVector3d::kZAxis, AcGePoint3d(0, 0, 0));
  m.preMultBy(AcGeMatrix3d::translation(AcGeVector3d(1, 2, 3)));
  ASSERT_EQ(line.transformBy(m), Acad::eOk);
  expectPt(line.startPoint(), AcGePoint3d(1, 17, 3));
  expectPt(line.endPoint(), AcGePoint3d(1, 0, 3));
  AcDbVoidPtrArray ex;
  EXPECT_EQ(line.explode(ex), Acad::eNotApplicable);
}

TEST(CurvesArc, AnglesParametersAndExtents) {
  // Quarter arc from 90° to 180° of radius 2, and a clockwise-looking one
  // given with angles that wrap past zero.
  AcDbArc arc(AcGePoint3d(1, 1, 0), 2.0, kPi / 2, kPi);
  double a, b, len;
  AcGePoint3d p;
  arc.getStartParam(a);
  arc.getEndParam(b);
  EXPECT_DOUBLE_EQ(a, kPi / 2);
  EXPECT_DOUBLE_EQ(b, kPi);
  ASSERT_EQ(arc.getDistAtParam(b, len), Acad::eOk);
  EXPECT_NEAR(len, kPi, 1e-12);
  arc.getStartPoint(p);
  expectPt(p, AcGePoint3d(1, 3, 0));
  arc.getEndPoint(p);
  expectPt(p, AcGePoint3d(-1, 1, 0));
  AcDbExtents ext;
  ASSERT_EQ(arc.getGeomExtents(ext), Acad::eOk);
  expectPt(ext.minPoint(), AcGePoint3d(-1, 1, 0));
  expectPt(ext.maxPoint(), AcGePoint3d(1, 3, 0));

  AcDbArc wrap(AcGePoint3d(0, 0, 0), 1.0, 1.5 * kPi, 0.5 * kPi);  // through angle 0
  wrap.getEndParam(b);
  EXPECT_NEAR(b, 2.5 * kPi, 1e-12);
  EXPECT_NEAR(wrap.totalAngle(), kPi, 1e-12);
  ASSERT_EQ(wrap.getGeomExtents(ext), Acad::eOk);
  EXPECT_NEAR(ext.maxPoint().x, 1.0, 1e-12);  // tight: the point at angle 0
  EXPECT_NEAR(ext.minPoint().x, 0.0, 1e-12);
  double param;
  ASSERT_EQ(wrap.getParamAtPoint(AcGePoint3d(1, 0, 0), param), Acad::eOk);
  EXPECT_NEAR(param, 2 * kPi, 1e-12);
  EXPECT_EQ(wrap.getParamAtPoint(AcGePoint3d(-1, 0, 0), param), Acad::eInvalidInput);
  // Closest point with extension: the full circle.
  wrap.getClosestPointTo(AcGePoint3d(-3, 0, 0), p, true);
  expectPt(p, AcGePoint3d(-1, 0, 0));
  wrap.getClosestPointTo(AcGePoint3d(-3, 0.1, 0), p, false);
  expectPt(p, AcGePoint3d(0, 1, 0));
  // Area of the segment between arc and chord: half the disc.
  ASSERT_EQ(wrap.getArea(len), Acad::eOk);
  EXPECT_NEAR(len, kPi / 2, 1e-12);
  AcGeVector3d d2;
  ASSERT_EQ(wrap.getSecondDeriv(2 * kPi, d2), Acad::eOk);
  expectPt(AcGePoint3d::kOrigin + d2, AcGePoint3d(-1, 0, 0));
}

TEST(CurvesArc, ArcInTiltedPlaneAndReverse) {
  const AcGeVector3d n(0, -1, 0);  // plane XZ, seen from -Y
  AcDbArc arc(AcGePoint3d(0, 0, 0), n, 1.0, 0.0, kPi / 2);
  AcGePoint3d s, e;
  arc.getStartPoint(s);
  arc.getEndPoint(e);
  // Arbitrary-axis rule: for -Y the X axis is (-1, 0, 0)... whatever it is,
  // both points lie in the plane at the radius and a quarter turn apart.
  EXPECT_NEAR(s.y, 0.0, 1e-12);
  EXPECT_NEAR(e.y, 0.0, 1e-12);
  EXPECT_NEAR((s - AcGePoint3d::kOrigin).dotProduct(e - AcGePoint3d::kOrigin), 0.0, 1e-12);
  EXPECT_NEAR((s.asVector().crossProduct(e.asVector())).normal().dotProduct(n), 1.0, 1e-12);
  ASSERT_EQ(arc.reverseCurve(), Acad::eOk);
  AcGePoint3d s2, e2;
  arc.getStartPoint(s2);
  arc.getEndPoint(e2);
  expectPt(s2, e);
  expectPt(e2, s);
  expectPt(AcGePoint3d::kOrigin + arc.normal(), AcGePoint3d(0, 1, 0));
}

TEST(CurvesArc, TransformsMirrorsAndNonUniformScaling) {
  AcDbArc arc(AcGePoint3d(2, 0, 0), 1.0, 0.0, kPi / 2);  // from (3,0) to (2,1)
  AcGeMatrix3d rot = AcGeMatrix3d::rotation(kPi / 2, AcGeVector3d::kZAxis);
  rot.preMultBy(AcGeMatrix3d::translation(AcGeVector3d(0, 0, 5)));
  ASSERT_EQ(arc.transformBy(rot), Acad::eOk);
  AcGePoint3d s, e;
  arc.getStartPoint(s);
  arc.getEndPoint(e);
  expectPt(s, AcGePoint3d(0, 3, 5));
  expectPt(e, AcGePoint3d(-1, 2, 5));
  // Mirror in the YZ plane: the same points mirrored, the normal still +Z,
  // so start and end change places.
  AcGeMatrix3d mir = AcGeMatrix3d::mirroring(AcGePlane(AcGePoint3d::kOrigin, AcGeVector3d::kXAxis));
  ASSERT_EQ(arc.transformBy(mir), Acad::eOk);
  arc.getStartPoint(s);
  arc.getEndPoint(e);
  expectPt(s, AcGePoint3d(1, 2, 5));
  expectPt(e, AcGePoint3d(0, 3, 5));
  EXPECT_NEAR(arc.normal().z, 1.0, 1e-12);
  EXPECT_NEAR(arc.totalAngle(), kPi / 2, 1e-12);

  AcGeMatrix3d stretch;
  stretch.entry[0][0] = 2.0;
  EXPECT_EQ(arc.transformBy(stretch), Acad::eCannotScaleNonUniformly);
  AcDbEntity* copy = nullptr;
  ASSERT_EQ(arc.getTransformedCopy(stretch, copy), Acad::eOk);
  std::unique_ptr<AcDbEntity> hold(copy);
  AcDbEllipse* el = AcDbEllipse::cast(copy);
  ASSERT_NE(el, nullptr);
  AcGePoint3d es, ee;
  el->getStartPoint(es);
  el->getEndPoint(ee);
  expectPt(es, AcGePoint3d(2, 2, 5));
  expectPt(ee, AcGePoint3d(0, 3, 5));
  // Every point of the ellipse is a stretched point of the arc: x/2 back on the circle.
  for (double t = 0; t <= 1.0; t += 0.125) {
    double a0, a1;
    el->getStartParam(a0);
    el->getEndParam(a1);
    AcGePoint3d q;
    el->getPointAtParam(a0 + (a1 - a0) * t, q);
    EXPECT_NEAR(std::hypot(q.x / 2.0, q.y - 2.0), 1.0, 1e-9);
  }

  AcDbCircle circle(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, 1.0);
  EXPECT_EQ(circle.transformBy(stretch), Acad::eCannotScaleNonUniformly);
  ASSERT_EQ(circle.getTransformedCopy(stretch, copy), Acad::eOk);
  hold.reset(copy);
  el = AcDbEllipse::cast(copy);
  ASSERT_NE(el, nullptr);
  EXPECT_NEAR(el->majorRadius(), 2.0, 1e-12);
  EXPECT_NEAR(el->radiusRatio(), 0.5, 1e-12);
  EXPECT_TRUE(el->isClosed());
}

TEST(CurvesCircle, ClosedPeriodicSplitAndArea) {
  AcDbCircle c(AcGePoint3d(10, 10, 0), AcGeVector3d::kZAxis, 2.0);
  EXPECT_TRUE(c.isClosed());
  EXPECT_TRUE(c.isPeriodic());
  double area, len, param;
  ASSERT_EQ(c.getArea(area), Acad::eOk);
  EXPECT_NEAR(area, 4 * kPi, 1e-10);
  c.getDistAtParam(2 * kPi, len);
  EXPECT_NEAR(len, 4 * kPi, 1e-10);
  // Parameters wrap on a periodic curve; the start point has parameter 0.
  AcGePoint3d p;
  ASSERT_EQ(c.getPointAtParam(2 * kPi + kPi / 2, p), Acad::eOk);
  expectPt(p, AcGePoint3d(10, 12, 0));
  ASSERT_EQ(c.getParamAtPoint(AcGePoint3d(12, 10, 0), param), Acad::eOk);
  EXPECT_NEAR(param, 0.0, 1e-12);

  // Split at two points: the pieces start at the first split point.
  AcGePoint3dArray pts;
  pts.append(AcGePoint3d(10, 8, 0));   // 270°
  pts.append(AcGePoint3d(10, 12, 0));  // 90°
  AcDbVoidPtrArray parts;
  ASSERT_EQ(c.getSplitCurves(pts, parts), Acad::eOk);
  ASSERT_EQ(parts.length(), 2);
  AcDbArc* a0 = AcDbArc::cast(static_cast<AcDbEntity*>(parts[0]));
  AcDbArc* a1 = AcDbArc::cast(static_cast<AcDbEntity*>(parts[1]));
  ASSERT_TRUE(a0 && a1);
  EXPECT_NEAR(a0->startAngle(), kPi / 2, 1e-12);
  EXPECT_NEAR(a0->endAngle(), 1.5 * kPi, 1e-12);
  EXPECT_NEAR(a1->startAngle(), 1.5 * kPi, 1e-12);
  EXPECT_NEAR(a1->endAngle(), kPi / 2, 1e-12);
  freeAll(parts);
  pts.append(AcGePoint3d(0, 0, 0));
  EXPECT_EQ(c.getSplitCurves(pts, parts), Acad::eInvalidInput);
  EXPECT_EQ(c.extend(1.0), Acad::eNotApplicable);
}

TEST(CurvesEllipse, AnglesParamsLengthAndSplit) {
  // Major axis along Y (radius 4), ratio 0.5: minor radius 2 along -X.
  AcDbEllipse e(AcGePoint3d(1, 1, 0), AcGeVector3d::kZAxis, AcGeVector3d(0, 4, 0), 0.5, 0.0, kPi / 2);
  EXPECT_NEAR(e.minorAxis().x, -2.0, 1e-12);
  AcGePoint3d s, t;
  e.getStartPoint(s);
  e.getEndPoint(t);
  expectPt(s, AcGePoint3d(1, 5, 0));
  expectPt(t, AcGePoint3d(-1, 1, 0));
  // An angle is not a parameter: 45° from the major axis is param atan(2).
  EXPECT_NEAR(e.paramAtAngle(kPi / 4), std::atan(2.0), 1e-12);
  EXPECT_NEAR(e.angleAtParam(std::atan(2.0)), kPi / 4, 1e-12);
  AcGePoint3d p;
  e.getPointAtParam(std::atan(2.0), p);
  EXPECT_NEAR(std::atan2(-(p.x - 1), p.y - 1), kPi / 4, 1e-12);

  AcDbEllipse full(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, AcGeVector3d(3, 0, 0), 2.0 / 3.0);
  EXPECT_TRUE(full.isClosed());
  double len, area, param;
  full.getDistAtParam(2 * kPi, len);
  EXPECT_NEAR(len, 15.865439589290589, 1e-9);  // perimeter of the 3 x 2 ellipse
  full.getArea(area);
  EXPECT_NEAR(area, 6 * kPi, 1e-10);
  // Distance and parameter invert each other.
  ASSERT_EQ(full.getParamAtDist(5.0, param), Acad::eOk);
  full.getDistAtParam(param, len);
  EXPECT_NEAR(len, 5.0, 1e-9);
  // Bad input is refused.
  EXPECT_EQ(full.setRadiusRatio(1.5), Acad::eInvalidInput);
  EXPECT_EQ(full.set(AcGePoint3d(), AcGeVector3d::kZAxis, AcGeVector3d(1, 0, 1), 0.5), Acad::eInvalidInput);

  AcGeDoubleArray params;
  params.append(1.0);
  params.append(4.0);
  AcDbVoidPtrArray parts;
  ASSERT_EQ(full.getSplitCurves(params, parts), Acad::eOk);
  ASSERT_EQ(parts.length(), 2);
  double total = 0;
  for (void* v : parts) {
    AcDbCurve* c = static_cast<AcDbCurve*>(v);
    double a1, l;
    c->getEndParam(a1);
    c->getDistAtParam(a1, l);
    total += l;
  }
  EXPECT_NEAR(total, 15.865439589290589, 1e-8);
  AcGePoint3d firstStart;
  static_cast<AcDbCurve*>(parts[0])->getStartPoint(firstStart);
  full.getPointAtParam(1.0, p);
  expectPt(firstStart, p);
  freeAll(parts);

  // Reversing keeps the shape and swaps the ends.
  AcDbEllipse arc(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, AcGeVector3d(3, 0, 0), 0.5, 0.3, 2.0);
  AcGePoint3d s0, e0, s1, e1;
  arc.getStartPoint(s0);
  arc.getEndPoint(e0);
  ASSERT_EQ(arc.reverseCurve(), Acad::eOk);
  arc.getStartPoint(s1);
  arc.getEndPoint(e1);
  expectPt(s1, e0);
  expectPt(e1, s0);
  // Extending to a point of the full ellipse beyond the end.
  AcGePoint3d target(-3, 0, 0);
  EXPECT_EQ(arc.extend(false, target), Acad::eOk);
  arc.getEndPoint(e1);
  expectPt(e1, target);
}
