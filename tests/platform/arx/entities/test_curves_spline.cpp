// Splines: NURBS evaluation, fit data, knot editing, split, extend, reverse.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "arx/entities/AcDbSpline.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

AcGePoint3dArray pts(std::initializer_list<AcGePoint3d> list) {
  AcGePoint3dArray a;
  for (const AcGePoint3d& p : list) a.append(p);
  return a;
}

AcGeDoubleArray dbl(std::initializer_list<double> list) {
  AcGeDoubleArray a;
  for (double d : list) a.append(d);
  return a;
}

// The quarter of the unit circle as a rational quadratic.
std::unique_ptr<AcDbSpline> quarterCircle() {
  const double w = std::sqrt(0.5);
  return std::make_unique<AcDbSpline>(2, true, false, false, pts({{1, 0, 0}, {1, 1, 0}, {0, 1, 0}}),
                                      dbl({0, 0, 0, 1, 1, 1}), dbl({1, w, 1}));
}

double length(const AcDbCurve& c) {
  double e, l;
  c.getEndParam(e);
  c.getDistAtParam(e, l);
  return l;
}

}  // namespace

TEST(CurvesSpline, RationalEvaluationAndDerivatives) {
  auto s = quarterCircle();
  EXPECT_TRUE(s->isRational());
  EXPECT_EQ(s->degree(), 2);
  for (double u = 0.0; u <= 1.0; u += 0.1) {
    AcGePoint3d p;
    ASSERT_EQ(s->getPointAtParam(u, p), Acad::eOk);
    EXPECT_NEAR(p.asVector().length(), 1.0, 1e-14) << u;
    // First and second derivatives against central differences.
    const double h = 1e-5;
    if (u > h && u < 1 - h) {
      AcGePoint3d a, b;
      AcGeVector3d d1, d2;
      s->getPointAtParam(u - h, a);
      s->getPointAtParam(u + h, b);
      s->getFirstDeriv(u, d1);
      s->getSecondDeriv(u, d2);
      EXPECT_NEAR(((b - a) / (2 * h) - d1).length(), 0.0, 1e-8);
      EXPECT_NEAR(((b.asVector() + a.asVector() - p.asVector() * 2.0) / (h * h) - d2).length(), 0.0, 1e-3);
    }
  }
  EXPECT_NEAR(length(*s), kPi / 2, 1e-10);
  double area;
  s->getArea(area);  // quarter disc less the triangle under the chord
  EXPECT_NEAR(area, kPi / 4 - 0.5, 1e-10);
  // Shape-preserving edits.
  AcGePoint3d before, after;
  s->getPointAtParam(0.3, before);
  ASSERT_EQ(s->insertKnot(0.5), Acad::eOk);
  EXPECT_EQ(s->numControlPoints(), 4);
  s->getPointAtParam(0.3, after);
  EXPECT_TRUE(after.isEqualTo(before));
  ASSERT_EQ(s->elevateDegree(3), Acad::eOk);
  EXPECT_EQ(s->degree(), 3);
  s->getPointAtParam(0.3, after);
  EXPECT_TRUE(after.isEqualTo(before, AcGeTol(1e-12, 1e-12)));
  EXPECT_EQ(s->insertKnot(2.0), Acad::eInvalidInput);
  // Data that do not make a curve are refused.
  EXPECT_EQ(s->setNurbsData(3, false, false, false, pts({{0, 0, 0}, {1, 1, 0}}), dbl({0, 0, 0, 0, 1, 1}), dbl({})),
            Acad::eInvalidInput);
  EXPECT_EQ(s->setNurbsData(1, false, false, false, pts({{0, 0, 0}, {1, 1, 0}}), dbl({0, 1, 0, 1}), dbl({})),
            Acad::eInvalidInput);
  EXPECT_EQ(s->degree(), 3);
}

TEST(CurvesSpline, FitDataInterpolatesAndKeepsTangents) {
  const AcGePoint3dArray fit = pts({{0, 0, 0}, {3, 4, 0}, {7, 1, 0}, {10, 5, 2}, {14, 0, 0}});
  AcDbSpline s(fit, AcGeVector3d(0, 1, 0), AcGeVector3d(1, 0, 0));
  EXPECT_TRUE(s.hasFitData());
  EXPECT_EQ(s.numFitPoints(), 5);
  for (const AcGePoint3d& p : fit) {
    double param;
    EXPECT_EQ(s.getParamAtPoint(p, param), Acad::eOk);
  }
  AcGeVector3d d;
  double a, b;
  s.getStartParam(a);
  s.getEndParam(b);
  s.getFirstDeriv(a, d);
  EXPECT_NEAR(d.normal().dotProduct(AcGeVector3d(0, 1, 0)), 1.0, 1e-12);
  s.getFirstDeriv(b, d);
  EXPECT_NEAR(d.normal().dotProduct(AcGeVector3d(1, 0, 0)), 1.0, 1e-12);
  // Chord-length parameters: the end parameter is the length of the fit polygon.
  double chord = 0;
  for (int i = 1; i < fit.length(); ++i) chord += fit[i].distanceTo(fit[i - 1]);
  EXPECT_NEAR(b - a, chord, 1e-12);
  AcGePoint3dArray got;
  int degree;
  double tol;
  Adesk::Boolean tangents;
  AcGeVector3d t0, t1;
  ASSERT_EQ(s.getFitData(got, degree, tol, tangents, t0, t1), Acad::eOk);
  EXPECT_EQ(got.length(), 5);
  EXPECT_EQ(degree, 3);
  EXPECT_TRUE(tangents);
  // Moving a fit point rebuilds the curve through it; moving a control point drops the fit data.
  ASSERT_EQ(s.setFitPointAt(2, AcGePoint3d(7, 3, 0)), Acad::eOk);
  double param;
  EXPECT_EQ(s.getParamAtPoint(AcGePoint3d(7, 3, 0), param), Acad::eOk);
  EXPECT_EQ(s.getParamAtPoint(AcGePoint3d(7, 1, 0), param), Acad::eInvalidInput);
  AcGePoint3d cp;
  s.getControlPointAt(1, cp);
  s.setControlPointAt(1, cp + AcGeVector3d(0, 0, 1));
  EXPECT_FALSE(s.hasFitData());
  EXPECT_EQ(s.getFitData(got, degree, tol, tangents, t0, t1), Acad::eNotApplicable);
  EXPECT_FALSE(s.isPlanar());
  // Too few or repeated points are refused.
  EXPECT_EQ(s.setFitData(pts({{1, 1, 1}}), 3, 0.0, AcGeVector3d(), AcGeVector3d()), Acad::eInvalidInput);
  EXPECT_EQ(s.setFitData(pts({{1, 1, 1}, {1, 1, 1}, {2, 2, 2}}), 3, 0.0, AcGeVector3d(), AcGeVector3d()),
            Acad::eInvalidInput);
}

TEST(CurvesSpline, SplitReverseAndExtend) {
  AcDbSpline s(pts({{0, 0, 0}, {5, 5, 0}, {10, 0, 0}, {15, 5, 0}, {20, 0, 0}}));
  double a, b;
  s.getStartParam(a);
  s.getEndParam(b);
  const double total = length(s);
  AcGeDoubleArray params = dbl({a + 0.7 * (b - a), a + 0.25 * (b - a)});
  AcDbVoidPtrArray parts;
  ASSERT_EQ(s.getSplitCurves(params, parts), Acad::eOk);
  ASSERT_EQ(parts.length(), 3);
  double sum = 0;
  AcGePoint3d prevEnd;
  s.getStartPoint(prevEnd);
  for (void* v : parts) {
    AcDbSpline* piece = static_cast<AcDbSpline*>(v);
    AcGePoint3d ps, pe;
    piece->getStartPoint(ps);
    piece->getEndPoint(pe);
    EXPECT_TRUE(ps.isEqualTo(prevEnd, AcGeTol(1e-9, 1e-12)));
    prevEnd = pe;
    sum += length(*piece);
    delete piece;
  }
  EXPECT_NEAR(sum, total, 1e-8);

  // Reversed: the same points in the other order.
  AcDbSpline r(pts({{0, 0, 0}, {5, 5, 0}, {10, 0, 0}, {15, 5, 0}, {20, 0, 0}}));
  AcGePoint3d p0;
  r.getPointAtParam(a + 0.3 * (b - a), p0);
  ASSERT_EQ(r.reverseCurve(), Acad::eOk);
  AcGePoint3d p1;
  r.getPointAtParam(a + 0.7 * (b - a), p1);
  EXPECT_TRUE(p0.isEqualTo(p1, AcGeTol(1e-9, 1e-12)));

  // Extending continues the end span: the old curve is a part of the new one.
  AcGeVector3d d;
  s.getFirstDeriv(b, d);
  ASSERT_EQ(s.extend(b + 2.0), Acad::eOk);
  double b2;
  s.getEndParam(b2);
  EXPECT_DOUBLE_EQ(b2, b + 2.0);
  AcGePoint3d mid, q;
  r.reverseCurve();  // r is the original again
  r.getPointAtParam(a + 0.5 * (b - a), mid);
  double param;
  EXPECT_EQ(s.getParamAtPoint(mid, param), Acad::eOk);
  AcGeVector3d d2;
  s.getFirstDeriv(b, d2);
  EXPECT_TRUE(d2.isEqualTo(d, AcGeTol(1e-9, 1e-9)));
  AcGePoint3d newEnd;
  s.getEndPoint(newEnd);
  // Extending the start to a point of its continuation.
  AcDbSpline t(pts({{0, 0, 0}, {5, 5, 0}, {10, 0, 0}}));
  AcDbSpline probe(pts({{0, 0, 0}, {5, 5, 0}, {10, 0, 0}}));
  ASSERT_EQ(probe.extend(-3.0), Acad::eOk);
  AcGePoint3d target;
  probe.getStartPoint(target);
  ASSERT_EQ(t.extend(true, target), Acad::eOk);
  t.getStartPoint(q);
  EXPECT_TRUE(q.isEqualTo(target, AcGeTol(1e-7, 1e-9)));
  EXPECT_EQ(t.extend(true, AcGePoint3d(50, 50, 50)), Acad::eInvalidInput);
  EXPECT_EQ(t.extend(1.0), Acad::eInvalidInput);
}

TEST(CurvesSpline, ClosedSplineSplitsIntoPiecesFromTheFirstPoint) {
  // A closed periodic cubic through a square's corners.
  const AcGePoint3dArray ctrl =
      pts({{0, 0, 0}, {10, 0, 0}, {10, 10, 0}, {0, 10, 0}, {0, 0, 0}, {10, 0, 0}, {10, 10, 0}});
  AcDbSpline s(3, false, true, true, ctrl, dbl({-3, -2, -1, 0, 1, 2, 3, 4, 5, 6, 7}), dbl({}));
  EXPECT_TRUE(s.isClosed());
  EXPECT_TRUE(s.isPeriodic());
  double a, b;
  s.getStartParam(a);
  s.getEndParam(b);
  EXPECT_DOUBLE_EQ(a, 0.0);
  EXPECT_DOUBLE_EQ(b, 4.0);
  AcGePoint3d p;
  ASSERT_EQ(s.getPointAtParam(5.0, p), Acad::eOk);  // wraps
  AcGePoint3d q;
  s.getPointAtParam(1.0, q);
  EXPECT_TRUE(p.isEqualTo(q));
  const double total = length(s);
  AcDbVoidPtrArray parts;
  ASSERT_EQ(s.getSplitCurves(dbl({3.0, 1.0}), parts), Acad::eOk);
  ASSERT_EQ(parts.length(), 2);
  AcDbSpline* second = static_cast<AcDbSpline*>(parts[1]);
  AcGePoint3d s2, e2, at1, at3;
  second->getStartPoint(s2);
  second->getEndPoint(e2);
  s.getPointAtParam(3.0, at3);
  s.getPointAtParam(1.0, at1);
  EXPECT_TRUE(s2.isEqualTo(at3, AcGeTol(1e-9, 1e-12)));
  EXPECT_TRUE(e2.isEqualTo(at1, AcGeTol(1e-9, 1e-12)));  // round through the start
  EXPECT_NEAR(length(*static_cast<AcDbSpline*>(parts[0])) + length(*second), total, 1e-8);
  for (void* v : parts) delete static_cast<AcDbEntity*>(v);
  double area;
  s.getArea(area);
  EXPECT_GT(area, 0.0);
  EXPECT_LT(area, 100.0);
}
