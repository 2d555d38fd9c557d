// intersectWith between every pair of curve kinds: crossings once, tangency
// once, overlaps by their end points, extension modes, projected variant.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <memory>

#include "arx/entities/AcDbArc.h"
#include "arx/entities/AcDbCircle.h"
#include "arx/entities/AcDbEllipse.h"
#include "arx/entities/AcDbLine.h"
#include "arx/entities/AcDbPoint.h"
#include "arx/entities/AcDbPolyline.h"
#include "arx/entities/AcDbSpline.h"
#include "arx/entities/AcDbText.h"
#include "arx/ge/AcGePlane.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

AcGePoint3dArray cross(const AcDbEntity& a, const AcDbEntity& b, AcDb::Intersect mode = AcDb::kOnBothOperands) {
  AcGePoint3dArray pts;
  EXPECT_EQ(a.intersectWith(&b, mode, pts), Acad::eOk);
  return pts;
}

bool has(const AcGePoint3dArray& pts, const AcGePoint3d& p, double tol = 1e-9) {
  for (const AcGePoint3d& q : pts)
    if (q.distanceTo(p) <= tol) return true;
  return false;
}

// Distance from p to the curve (0 when p lies on it).
double offCurve(const AcDbCurve& c, const AcGePoint3d& p) {
  AcGePoint3d q;
  c.getClosestPointTo(p, q);
  return q.distanceTo(p);
}

AcDbPolyline* poly(std::initializer_list<std::array<double, 3>> verts, bool closed = false) {
  auto* pl = new AcDbPolyline();
  unsigned i = 0;
  for (const auto& v : verts) pl->addVertexAt(i++, AcGePoint2d(v[0], v[1]), v[2]);
  pl->setClosed(closed);
  return pl;
}

}  // namespace

TEST(CurvesIntersect, LineLineCrossingTouchOverlapAndExtension) {
  AcDbLine a(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0));
  AcDbLine b(AcGePoint3d(5, -5, 0), AcGePoint3d(5, 5, 0));
  AcGePoint3dArray pts = cross(a, b);
  ASSERT_EQ(pts.length(), 1);
  EXPECT_TRUE(has(pts, AcGePoint3d(5, 0, 0)));
  // Touching at an end point: found once, exactly the end point.
  AcDbLine c(AcGePoint3d(10, 0, 0), AcGePoint3d(12, 7, 0));
  pts = cross(a, c);
  ASSERT_EQ(pts.length(), 1);
  EXPECT_EQ(pts[0].x, 10.0);
  EXPECT_EQ(pts[0].y, 0.0);
  // Collinear overlap: the ends of the shared stretch; touching end to end: one point.
  AcDbLine d(AcGePoint3d(15, 0, 0), AcGePoint3d(7, 0, 0));
  pts = cross(a, d);
  ASSERT_EQ(pts.length(), 2);
  EXPECT_TRUE(has(pts, AcGePoint3d(7, 0, 0)));
  EXPECT_TRUE(has(pts, AcGePoint3d(10, 0, 0)));
  AcDbLine e(AcGePoint3d(10, 0, 0), AcGePoint3d(20, 0, 0));
  EXPECT_EQ(cross(a, e).length(), 1);
  // Parallel apart, and skew in 3D: nothing.
  AcDbLine f(AcGePoint3d(0, 1, 0), AcGePoint3d(10, 1, 0));
  EXPECT_EQ(cross(a, f).length(), 0);
  AcDbLine g(AcGePoint3d(5, -5, 1), AcGePoint3d(5, 5, 1));
  EXPECT_EQ(cross(a, g).length(), 0);
  // Extension modes: short segment h crosses a's line only when extended.
  AcDbLine h(AcGePoint3d(20, 1, 0), AcGePoint3d(20, 5, 0));
  EXPECT_EQ(cross(a, h).length(), 0);
  EXPECT_EQ(cross(a, h, AcDb::kExtendThis).length(), 0);   // h still misses y = 0
  EXPECT_EQ(cross(a, h, AcDb::kExtendArg).length(), 0);    // a still ends at x = 10
  pts = cross(a, h, AcDb::kExtendBoth);
  ASSERT_EQ(pts.length(), 1);
  EXPECT_TRUE(has(pts, AcGePoint3d(20, 0, 0)));
  AcDbLine k(AcGePoint3d(20, -1, 0), AcGePoint3d(20, 5, 0));
  EXPECT_EQ(cross(a, k, AcDb::kExtendThis).length(), 1);
  EXPECT_EQ(cross(k, a, AcDb::kExtendArg).length(), 1);
  // A short shared stretch on a long line: both of its ends.
  AcDbLine longLine(AcGePoint3d(0, 0, 0), AcGePoint3d(10000, 0, 0));
  std::unique_ptr<AcDbPolyline> step(poly({{4000, -5, 0}, {5000, 0, 0}, {5000.5, 0, 0}, {5001, 5, 0}}));
  pts = cross(longLine, *step);
  ASSERT_EQ(pts.length(), 2);
  EXPECT_TRUE(pts[0].isEqualTo(AcGePoint3d(5000, 0, 0)));
  EXPECT_TRUE(pts[1].isEqualTo(AcGePoint3d(5000.5, 0, 0)));
  // Points are appended, not replaced.
  pts.removeAll();
  pts.append(AcGePoint3d(-1, -1, -1));
  ASSERT_EQ(a.intersectWith(&b, AcDb::kOnBothOperands, pts), Acad::eOk);
  EXPECT_EQ(pts.length(), 2);
}

TEST(CurvesIntersect, LineArcTangentAndThroughEnds) {
  AcDbArc arc(AcGePoint3d(0, 0, 0), 5.0, 0.0, kPi);  // upper half circle
  AcDbLine across(AcGePoint3d(-10, 3, 0), AcGePoint3d(10, 3, 0));
  AcGePoint3dArray pts = cross(arc, across);
  ASSERT_EQ(pts.length(), 2);
  // Ordered along the arc (counter-clockwise from angle 0): (4,3) first.
  EXPECT_TRUE(pts[0].isEqualTo(AcGePoint3d(4, 3, 0)));
  EXPECT_TRUE(pts[1].isEqualTo(AcGePoint3d(-4, 3, 0)));
  // Tangent at the top: a single point.
  AcDbLine tangent(AcGePoint3d(-10, 5, 0), AcGePoint3d(10, 5, 0));
  pts = cross(arc, tangent);
  ASSERT_EQ(pts.length(), 1);
  EXPECT_TRUE(pts[0].isEqualTo(AcGePoint3d(0, 5, 0)));
  // A line below the arc meets only its extension (the full circle).
  AcDbLine below(AcGePoint3d(-10, -3, 0), AcGePoint3d(10, -3, 0));
  EXPECT_EQ(cross(arc, below).length(), 0);
  pts = cross(arc, below, AcDb::kExtendThis);
  ASSERT_EQ(pts.length(), 2);
  EXPECT_TRUE(has(pts, AcGePoint3d(4, -3, 0)));
  // A short line that reaches the arc only when extended.
  AcDbLine shortLine(AcGePoint3d(0, 0, 0), AcGePoint3d(0, 1, 0));
  EXPECT_EQ(cross(shortLine, arc).length(), 0);
  pts = cross(shortLine, arc, AcDb::kExtendThis);
  ASSERT_EQ(pts.length(), 1);  // the lower crossing is off the arc
  EXPECT_TRUE(pts[0].isEqualTo(AcGePoint3d(0, 5, 0)));
  EXPECT_EQ(cross(shortLine, arc, AcDb::kExtendBoth).length(), 2);
  // Through both end points of the arc (the diameter): the ends exactly.
  AcDbLine diameter(AcGePoint3d(-5, 0, 0), AcGePoint3d(5, 0, 0));
  pts = cross(diameter, arc);
  ASSERT_EQ(pts.length(), 2);
  EXPECT_TRUE(pts[0].isEqualTo(AcGePoint3d(-5, 0, 0)));
  EXPECT_TRUE(pts[1].isEqualTo(AcGePoint3d(5, 0, 0)));
  // A line piercing the arc's plane on the circle; and one missing it.
  AcDbLine pierce(AcGePoint3d(3, 4, -2), AcGePoint3d(3, 4, 2));
  pts = cross(arc, pierce);
  ASSERT_EQ(pts.length(), 1);
  EXPECT_TRUE(pts[0].isEqualTo(AcGePoint3d(3, 4, 0)));
  AcDbLine miss(AcGePoint3d(3, 4.1, -2), AcGePoint3d(3, 4.1, 2));
  EXPECT_EQ(cross(arc, miss).length(), 0);
}

TEST(CurvesIntersect, ArcArcCrossingTangentAndOverlap) {
  AcDbCircle c1(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, 5.0);
  AcDbCircle c2(AcGePoint3d(8, 0, 0), AcGeVector3d::kZAxis, 5.0);
  AcGePoint3dArray pts = cross(c1, c2);
  ASSERT_EQ(pts.length(), 2);
  EXPECT_TRUE(has(pts, AcGePoint3d(4, 3, 0)));
  EXPECT_TRUE(has(pts, AcGePoint3d(4, -3, 0)));
  // External and internal tangency: one point each.
  AcDbCircle ext(AcGePoint3d(10, 0, 0), AcGeVector3d::kZAxis, 5.0);
  pts = cross(c1, ext);
  ASSERT_EQ(pts.length(), 1);
  EXPECT_TRUE(pts[0].isEqualTo(AcGePoint3d(5, 0, 0)));
  AcDbCircle in(AcGePoint3d(2, 0, 0), AcGeVector3d::kZAxis, 3.0);
  pts = cross(c1, in);
  ASSERT_EQ(pts.length(), 1);
  EXPECT_TRUE(pts[0].isEqualTo(AcGePoint3d(5, 0, 0)));
  // Arcs of one circle: the ends of the shared stretch.
  AcDbArc a1(AcGePoint3d(0, 0, 0), 5.0, 0.0, kPi);
  AcDbArc a2(AcGePoint3d(0, 0, 0), 5.0, kPi / 2, 1.5 * kPi);
  pts = cross(a1, a2);
  ASSERT_EQ(pts.length(), 2);
  EXPECT_TRUE(has(pts, AcGePoint3d(0, 5, 0)));
  EXPECT_TRUE(has(pts, AcGePoint3d(-5, 0, 0)));
  // Same circle, opposite normal (the arc runs the other way): still the same stretch.
  AcDbArc a3(AcGePoint3d(0, 0, 0), AcGeVector3d(0, 0, -1), 5.0, 0.0, kPi / 2);  // (-5,0) .. (0,5) seen from below
  pts = cross(a1, a3);
  ASSERT_EQ(pts.length(), 2);
  EXPECT_TRUE(has(pts, AcGePoint3d(0, 5, 0)));
  EXPECT_TRUE(has(pts, AcGePoint3d(-5, 0, 0)));
  // Circles in perpendicular planes through a common diameter line.
  AcDbCircle vertical(AcGePoint3d(0, 0, 0), AcGeVector3d::kXAxis, 5.0);
  pts = cross(c1, vertical);
  ASSERT_EQ(pts.length(), 2);
  EXPECT_TRUE(has(pts, AcGePoint3d(0, 5, 0)));
  EXPECT_TRUE(has(pts, AcGePoint3d(0, -5, 0)));
  AcDbCircle away(AcGePoint3d(0, 0, 6), AcGeVector3d::kXAxis, 5.0);
  EXPECT_EQ(cross(c1, away).length(), 0);
}

TEST(CurvesIntersect, PolylinesWithBulgesVerticesAndClosedOutlines) {
  // Square with a half circle bulging out on the right (negative bulge:
  // clockwise from (10,10) down to (10,0)).
  std::unique_ptr<AcDbPolyline> sq(poly({{0, 0, 0}, {0, 10, 0}, {10, 10, -1}, {10, 0, 0}}, true));
  // A horizontal zigzag crossing it: through the arc at y = 5 (x = 15) and
  // the left side, with a vertex exactly on the left side.
  std::unique_ptr<AcDbPolyline> z(poly({{-5, 5, 0}, {0, 5, 0}, {20, 5, 0}}));
  AcGePoint3dArray pts = cross(*sq, *z);
  ASSERT_EQ(pts.length(), 2);  // the vertex on the side counts once
  EXPECT_TRUE(pts[0].isEqualTo(AcGePoint3d(0, 5, 0)));
  EXPECT_TRUE(pts[1].isEqualTo(AcGePoint3d(15, 5, 0)));
  // The other way round: ordered along z.
  pts = cross(*z, *sq);
  ASSERT_EQ(pts.length(), 2);
  EXPECT_TRUE(pts[0].isEqualTo(AcGePoint3d(0, 5, 0)));
  // Two outlines sharing an edge partly, and an arc through a corner.
  std::unique_ptr<AcDbPolyline> other(poly({{5, 0, 0}, {5, -5, 0}, {20, -5, 0}, {20, 0, 0}}, true));
  pts = cross(*sq, *other);
  // Shared stretch (5,0)-(10,0), and the arc touching... the arc ends at (10,0).
  EXPECT_TRUE(has(pts, AcGePoint3d(5, 0, 0)));
  EXPECT_TRUE(has(pts, AcGePoint3d(10, 0, 0)));
  EXPECT_EQ(pts.length(), 2);
  // Bulged pieces crossing each other: two half circles.
  std::unique_ptr<AcDbPolyline> up(poly({{0, 0, 1}, {10, 0, 0}}));   // counter-clockwise: below the axis
  std::unique_ptr<AcDbPolyline> dn(poly({{5, 0, 1}, {15, 0, 0}}));
  pts = cross(*up, *dn);
  ASSERT_EQ(pts.length(), 1);  // the lower halves of the two circles cross once
  EXPECT_TRUE(pts[0].isEqualTo(AcGePoint3d(7.5, -std::sqrt(18.75), 0), AcGeTol(1e-9, 1e-12)));
  std::unique_ptr<AcDbPolyline> over(poly({{5, 0, -1}, {15, 0, 0}}));  // clockwise: above the axis
  EXPECT_EQ(cross(*up, *over).length(), 0);
  for (const AcGePoint3d& p : pts) {
    EXPECT_LT(offCurve(*up, p), 1e-9);
    EXPECT_LT(offCurve(*dn, p), 1e-9);
  }
  // Extension of a polyline's end segments (only outwards).
  std::unique_ptr<AcDbPolyline> hook(poly({{0, 20, 0}, {10, 20, 0}, {10, 30, 0}}));
  AcDbLine probe(AcGePoint3d(-5, 0, 0), AcGePoint3d(-5, 40, 0));
  EXPECT_EQ(cross(*hook, probe).length(), 0);
  pts = cross(*hook, probe, AcDb::kExtendThis);
  ASSERT_EQ(pts.length(), 1);  // the first segment backwards; the last one runs up, parallel
  EXPECT_TRUE(pts[0].isEqualTo(AcGePoint3d(-5, 20, 0)));
  AcDbLine probe2(AcGePoint3d(0, 40, 0), AcGePoint3d(20, 40, 0));
  pts = cross(*hook, probe2, AcDb::kExtendThis);
  ASSERT_EQ(pts.length(), 1);
  EXPECT_TRUE(pts[0].isEqualTo(AcGePoint3d(10, 40, 0)));
  AcDbLine probe3(AcGePoint3d(0, 10, 0), AcGePoint3d(20, 10, 0));  // below: the last segment does not extend backwards
  EXPECT_EQ(cross(*hook, probe3, AcDb::kExtendThis).length(), 0);
}

TEST(CurvesIntersect, EllipsesAndSplinesAgainstEverything) {
  AcDbEllipse el(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, AcGeVector3d(6, 0, 0), 0.5);  // 6 x 3
  AcDbLine line(AcGePoint3d(-10, 1, 0), AcGePoint3d(10, 2, 0));
  AcDbCircle circ(AcGePoint3d(5, 0, 0), AcGeVector3d::kZAxis, 2.0);
  AcDbEllipse el2(AcGePoint3d(1, 1, 0), AcGeVector3d::kZAxis, AcGeVector3d(0, 5, 0), 0.4);
  AcGePoint3dArray fit;
  fit.append(AcGePoint3d(-8, -4, 0));
  fit.append(AcGePoint3d(-3, 4, 0));
  fit.append(AcGePoint3d(2, -4, 0));
  fit.append(AcGePoint3d(7, 4, 0));
  AcDbSpline sp(fit);
  std::unique_ptr<AcDbPolyline> pl(poly({{-8, 0, 0.3}, {0, -6, -0.5}, {8, 0, 0}}));
  const AcDbCurve* curves[] = {&el, &line, &circ, &el2, &sp, pl.get()};
  // Counted independently on densely sampled copies of the curves.
  const int expected[6][6] = {
      // el  line circ el2  sp  pl
      {-1, 2, 2, 4, 2, 2},    // el
      {2, -1, 2, 2, 3, 0},    // line
      {2, 2, -1, 0, 2, 2},    // circ
      {4, 2, 0, -1, 2, 2},    // el2
      {2, 3, 2, 2, -1, 3},    // sp
      {2, 0, 2, 2, 3, -1}};   // pl
  for (int i = 0; i < 6; ++i) {
    for (int j = 0; j < 6; ++j) {
      if (i == j) continue;
      AcGePoint3dArray pts = cross(*curves[i], *curves[j]);
      EXPECT_EQ(pts.length(), expected[i][j]) << "pair " << i << "," << j;
      for (const AcGePoint3d& p : pts) {
        EXPECT_LT(offCurve(*curves[i], p), 1e-8) << "pair " << i << "," << j;
        EXPECT_LT(offCurve(*curves[j], p), 1e-8) << "pair " << i << "," << j;
      }
    }
  }
  // Tangency with an ellipse: the line y = 3 touches the top once.
  AcDbLine top(AcGePoint3d(-10, 3, 0), AcGePoint3d(10, 3, 0));
  AcGePoint3dArray pts = cross(el, top);
  ASSERT_EQ(pts.length(), 1);
  EXPECT_NEAR(pts[0].x, 0.0, 1e-6);
  EXPECT_NEAR(pts[0].y, 3.0, 1e-9);
  // An elliptical arc meets its own full ellipse's other half only with extension.
  AcDbEllipse half(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, AcGeVector3d(6, 0, 0), 0.5, 0.0, kPi);
  AcDbLine low(AcGePoint3d(-10, -1, 0), AcGePoint3d(10, -1, 0));
  EXPECT_EQ(cross(half, low).length(), 0);
  EXPECT_EQ(cross(half, low, AcDb::kExtendThis).length(), 2);
}

TEST(CurvesIntersect, ProjectedPlanePointsAndNonCurves) {
  // Two lines at different heights cross when seen from above.
  AcDbLine a(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 10, 10));
  AcDbLine b(AcGePoint3d(0, 10, -3), AcGePoint3d(10, 0, -3));
  EXPECT_EQ(cross(a, b).length(), 0);
  AcGePoint3dArray pts;
  ASSERT_EQ(a.intersectWith(&b, AcDb::kOnBothOperands, AcGePlane(), pts), Acad::eOk);
  ASSERT_EQ(pts.length(), 1);
  EXPECT_TRUE(pts[0].isEqualTo(AcGePoint3d(5, 5, 5)));  // on this line, not on the plane
  pts.removeAll();
  ASSERT_EQ(b.intersectWith(&a, AcDb::kOnBothOperands, AcGePlane(), pts), Acad::eOk);
  ASSERT_EQ(pts.length(), 1);
  EXPECT_TRUE(pts[0].isEqualTo(AcGePoint3d(5, 5, -3)));

  // Points: on a curve or not; the curve asks the point back.
  AcDbPoint on(AcGePoint3d(5, 5, 5)), off(AcGePoint3d(5, 6, 5)), ext(AcGePoint3d(20, 20, 20));
  EXPECT_EQ(cross(on, a).length(), 1);
  EXPECT_EQ(cross(a, on).length(), 1);
  EXPECT_EQ(cross(off, a).length(), 0);
  EXPECT_EQ(cross(ext, a).length(), 0);
  EXPECT_EQ(cross(ext, a, AcDb::kExtendArg).length(), 1);
  EXPECT_EQ(cross(a, ext, AcDb::kExtendThis).length(), 1);

  // An entity that is no curve and does not know curves: no endless asking back.
  AcDbText text(AcGePoint3d(0, 0, 0), L"abc");
  pts.removeAll();
  const Acad::ErrorStatus es = a.intersectWith(&text, AcDb::kOnBothOperands, pts);
  EXPECT_TRUE(es == Acad::eNotImplementedYet || es == Acad::eOk);
  EXPECT_EQ(a.intersectWith(nullptr, AcDb::kOnBothOperands, pts), Acad::eNullEntityPointer);
}
