#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

#include "arx/ge/AcGe.h"

using VeskGe::BulgePiece;

namespace {

const double kPi = 3.14159265358979323846;

AcGePoint3d P(double x, double y, double z = 0.0) { return AcGePoint3d(x, y, z); }

TEST(BulgePiece, HalfCirclesBothWays) {
  const BulgePiece ccw(P(0, 0, 4), P(2, 0, 9), 1.0);  // z of the start is the elevation
  EXPECT_DOUBLE_EQ(ccw.elevation(), 4.0);
  EXPECT_TRUE(ccw.isArc());
  EXPECT_TRUE(ccw.isCounterClockwise());
  AcGePoint3d c;
  ASSERT_TRUE(ccw.center(c));
  EXPECT_TRUE(c.isEqualTo(P(1, 0, 4)));
  EXPECT_NEAR(ccw.radius(), 1.0, 1e-15);
  EXPECT_NEAR(ccw.includedAngle(), kPi, 1e-15);
  EXPECT_NEAR(ccw.length(), kPi, 1e-15);
  EXPECT_NEAR(ccw.curvature(), 1.0, 1e-15);
  // Counter-clockwise from (0,0) to (2,0) runs below the chord.
  EXPECT_TRUE(ccw.midPoint().isEqualTo(P(1, -1, 4)));
  EXPECT_TRUE(ccw.pointAt(0.5).isEqualTo(P(1, -1, 4)));
  EXPECT_NEAR(ccw.sagitta(), 1.0, 1e-15);
  EXPECT_NEAR(ccw.startAngle(), kPi, 1e-15);
  EXPECT_NEAR(ccw.endAngle(), 0.0, 1e-15);
  EXPECT_TRUE(ccw.startTangent().isEqualTo(AcGeVector3d(0, -1, 0)));
  EXPECT_TRUE(ccw.endTangent().isEqualTo(AcGeVector3d(0, 1, 0)));
  EXPECT_TRUE(ccw.tangentAt(0.5).isEqualTo(AcGeVector3d(1, 0, 0)));

  const BulgePiece cw(P(0, 0), P(2, 0), -1.0);
  EXPECT_FALSE(cw.isCounterClockwise());
  ASSERT_TRUE(cw.center(c));
  EXPECT_TRUE(c.isEqualTo(P(1, 0)));
  EXPECT_NEAR(cw.includedAngle(), -kPi, 1e-15);
  EXPECT_NEAR(cw.curvature(), -1.0, 1e-15);
  EXPECT_TRUE(cw.midPoint().isEqualTo(P(1, 1)));
  EXPECT_TRUE(cw.startTangent().isEqualTo(AcGeVector3d(0, 1, 0)));
  EXPECT_TRUE(cw.pointAt(0.25).isEqualTo(P(1 - std::sqrt(0.5), std::sqrt(0.5))));
  // Ends are exact at fractions 0 and 1.
  EXPECT_EQ(cw.pointAt(1.0).x, 2.0);
  EXPECT_EQ(cw.pointAt(0.0).y, 0.0);
}

TEST(BulgePiece, ClosestPointsFractionsAndAngles) {
  // Quarter circle around the origin, counter-clockwise from (1,0) to (0,1).
  const BulgePiece q(P(1, 0), P(0, 1), std::tan(kPi / 8));
  double t = -1.0;
  EXPECT_TRUE(q.closestPointTo(P(3, 3), &t).isEqualTo(P(std::sqrt(0.5), std::sqrt(0.5))));
  EXPECT_NEAR(t, 0.5, 1e-15);
  // Beyond the ends: the end point itself, fraction exactly 0 or 1.
  EXPECT_EQ(q.closestPointTo(P(2, -5), &t).x, 1.0);
  EXPECT_EQ(t, 0.0);
  EXPECT_EQ(q.closestPointTo(P(-3, 0.5), &t).y, 1.0);
  EXPECT_EQ(t, 1.0);
  // On the circle but outside the arc, nearer the start.
  EXPECT_EQ(q.closestPointTo(P(std::cos(-0.3), std::sin(-0.3)), &t).x, 1.0);
  EXPECT_NEAR(q.distanceTo(P(std::cos(-0.3), std::sin(-0.3))), 2 * std::sin(0.15), 1e-15);
  // Inside the circle, within the sector.
  EXPECT_NEAR(q.distanceTo(P(0.3, 0.4)), 0.5, 1e-15);
  EXPECT_NEAR(q.fractionOf(P(0.3 * 7, 0.4 * 7)), std::atan2(0.4, 0.3) / (kPi / 2), 1e-14);
  EXPECT_TRUE(q.isOn(P(std::cos(1.0), std::sin(1.0))));
  EXPECT_FALSE(q.isOn(P(std::cos(1.0) * (1 + 1e-9), std::sin(1.0))));

  AcGePoint3d p;
  EXPECT_TRUE(q.pointAtAngle(kPi / 3, p));
  EXPECT_TRUE(p.isEqualTo(P(0.5, std::sqrt(0.75))));
  EXPECT_FALSE(q.pointAtAngle(kPi, p));  // on the circle, not on the arc
  EXPECT_TRUE(p.isEqualTo(P(-1, 0)));
  EXPECT_FALSE(BulgePiece(P(0, 0), P(1, 0), 0.0).pointAtAngle(1.0, p));

  // A major arc (three quarters): fractions past the half keep growing.
  const BulgePiece major(P(1, 0), P(0, -1), std::tan(3 * kPi / 8));
  EXPECT_NEAR(major.fractionOf(P(-1, 0)), 2.0 / 3.0, 1e-14);
  EXPECT_EQ(major.fractionOf(P(0.5, -2)), 1.0);
  EXPECT_NEAR(major.fractionOf(P(-0.1, -2)), (kPi + std::atan2(2, 0.1)) / (1.5 * kPi), 1e-14);
  EXPECT_TRUE(major.pointAt(1.0 / 3.0).isEqualTo(P(0, 1)));

  // A straight piece: clamped projection.
  const BulgePiece line(P(0, 0), P(10, 0), 0.0);
  EXPECT_NEAR(line.fractionOf(P(2.5, 7)), 0.25, 1e-15);
  EXPECT_EQ(line.fractionOf(P(-3, 1)), 0.0);
  EXPECT_NEAR(line.distanceTo(P(13, 4)), 5.0, 1e-14);
  EXPECT_TRUE(line.pointAt(1.5).isEqualTo(P(15, 0)));  // beyond the end continues the line
  EXPECT_NEAR(line.startAngle(), 0.0, 1e-15);
}

TEST(BulgePiece, NearlyStraightArcsKeepPrecision) {
  // Bulge 1e-8 over a chord of 100: radius 2.5e9, sagitta 5e-7; a centre-based
  // evaluation would lose about 1e-6 here.
  const BulgePiece flat(P(-50, 0), P(50, 0), 1e-8);
  ASSERT_TRUE(flat.isArc());
  EXPECT_NEAR(flat.midPoint().y, -5e-7, 1e-20);
  EXPECT_NEAR(flat.pointAt(0.5).y, -5e-7, 1e-18);
  EXPECT_NEAR(flat.length(), 100.0 + 6.67e-15, 1e-13);
  EXPECT_NEAR(flat.segmentArea(), 3.3333333333333334e-5, 1e-18);
  // The arc at x = 25 lies at y = -3.75e-7; a point 1 above is 1 + 3.75e-7 away.
  EXPECT_NEAR(flat.distanceTo(P(25, 1)), 1.000000375, 1e-13);
  double t = 0.0;
  const AcGePoint3d onArc = flat.closestPointTo(P(25, 1), &t);
  EXPECT_NEAR(onArc.y, -3.75e-7, 1e-15);
  EXPECT_NEAR(t, 0.75, 1e-9);
  EXPECT_NEAR(flat.closestPointTo(P(-40, -3)).y, -1.8e-7, 1e-14);
  EXPECT_TRUE(flat.isOn(P(-40, -1.8e-7)));
  EXPECT_FALSE(flat.isOn(P(-40, 0)));
  // Below the threshold the piece is straight.
  EXPECT_TRUE(BulgePiece(P(0, 0), P(1, 0), 5e-11).isLine());
  EXPECT_DOUBLE_EQ(BulgePiece(P(0, 0), P(1, 0), 5e-11).midPoint().y, 0.0);
}

TEST(BulgePiece, ExtentsIncludeAxisCrossings) {
  const BulgePiece top(P(0.6, 0.8), P(-0.6, 0.8), std::tan(std::atan2(0.6, 0.8) / 2));  // over (0, 1)
  AcDbExtents e = top.extents();
  EXPECT_NEAR(e.maxPoint().y, 1.0, 1e-15);
  EXPECT_NEAR(e.minPoint().y, 0.8, 1e-15);
  EXPECT_NEAR(e.minPoint().x, -0.6, 1e-15);
  // The same chord walked clockwise dips to (0, -1) instead... through the far side.
  const BulgePiece around(P(0.6, 0.8), P(-0.6, 0.8), -1.0 / std::tan(std::atan2(0.6, 0.8) / 2));
  e = around.extents();
  EXPECT_NEAR(e.minPoint().y, -1.0, 1e-14);
  EXPECT_NEAR(e.minPoint().x, -1.0, 1e-14);
  EXPECT_NEAR(e.maxPoint().x, 1.0, 1e-14);
  EXPECT_NEAR(e.maxPoint().y, 0.8, 1e-15);
  // An arc ending exactly on an axis direction adds nothing beyond its end.
  const BulgePiece quarter(P(1, 0, 3), P(0, 1, 3), std::tan(kPi / 8));
  e = quarter.extents();
  EXPECT_TRUE(e.minPoint().isEqualTo(P(0, 0, 3)));
  EXPECT_TRUE(e.maxPoint().isEqualTo(P(1, 1, 3)));
}

TEST(BulgePiece, AreasOfClosedOutlines) {
  // A circle of radius 3 far from the origin, as two half circles.
  const double cx = 12345.0, cy = -6789.0, r = 3.0;
  AcGePoint3dArray v;
  v.append(P(cx + r, cy));
  v.append(P(cx - r, cy));
  AcGeDoubleArray b;
  b.append(1.0);
  b.append(1.0);
  EXPECT_NEAR(BulgePiece::outlineArea(v, b), kPi * r * r, 1e-9);
  b[0] = b[1] = -1.0;
  EXPECT_NEAR(BulgePiece::outlineArea(v, b), -kPi * r * r, 1e-9);
  // The same from the two pieces' own contributions.
  const BulgePiece h1(v[0], v[1], 1.0), h2(v[1], v[0], 1.0);
  const AcGePoint2d o(cx, cy);
  EXPECT_NEAR(h1.signedArea(o) + h2.signedArea(o), kPi * r * r, 1e-12);
  EXPECT_NEAR(h1.segmentArea(), kPi * r * r / 2, 1e-12);

  // A 4 x 2 rectangle, counter-clockwise, its right side bulged outwards into a half circle,
  // the closing vertex repeated.
  AcGePoint3dArray rect;
  for (const AcGePoint3d& p : {P(0, 0), P(4, 0), P(4, 2), P(0, 2), P(0, 0)}) rect.append(p);
  AcGeDoubleArray rb;
  for (double x : {0.0, 1.0, 0.0, 0.0, 0.0}) rb.append(x);
  EXPECT_NEAR(BulgePiece::outlineArea(rect, rb), 8.0 + kPi / 2, 1e-13);
  rb[1] = -1.0;  // bulged inwards
  EXPECT_NEAR(BulgePiece::outlineArea(rect, rb), 8.0 - kPi / 2, 1e-13);
  // A reversed piece cancels its contribution.
  const BulgePiece arc(P(3, 1), P(-2, 5), 0.7);
  EXPECT_NEAR(arc.signedArea() + arc.reversed().signedArea(), 0.0, 1e-13);
}

TEST(BulgePiece, SplittingAndSubPieces) {
  const BulgePiece half(P(0, 0), P(2, 0), -1.0);
  BulgePiece a, b;
  ASSERT_TRUE(half.splitAt(P(1, 1), a, b));
  EXPECT_NEAR(a.bulge(), -std::tan(kPi / 8), 1e-15);
  EXPECT_NEAR(b.bulge(), -std::tan(kPi / 8), 1e-15);
  EXPECT_EQ(a.end2d().x, 1.0);  // the joint is the given point
  EXPECT_EQ(b.start2d().y, 1.0);
  EXPECT_NEAR(a.length() + b.length(), half.length(), 1e-14);
  EXPECT_TRUE(a.midPoint().isEqualTo(half.pointAt(0.25)));
  EXPECT_FALSE(half.splitAt(P(1, 1.1), a, b));
  // Split a third of the way: included angles π/3 and 2π/3.
  double b1 = 0, b2 = 0;
  ASSERT_TRUE(half.splitBulges(half.pointAt(1.0 / 3.0), b1, b2));
  EXPECT_NEAR(b1, -std::tan(kPi / 12), 1e-14);
  EXPECT_NEAR(b2, -std::tan(kPi / 6), 1e-14);
  // Split at the ends: one part is a point.
  half.splitAtFraction(0.0, a, b);
  EXPECT_TRUE(a.isDegenerate());
  EXPECT_EQ(b.bulge(), half.bulge());
  // Straight pieces split into straight pieces.
  ASSERT_TRUE(BulgePiece(P(0, 0), P(4, 0), 0.0).splitBulges(P(1, 0), b1, b2));
  EXPECT_EQ(b1, 0.0);
  // A sub-piece walked backwards turns the other way.
  const BulgePiece back = half.subPiece(0.75, 0.25);
  EXPECT_NEAR(back.bulge(), std::tan(kPi / 8), 1e-15);
  EXPECT_TRUE(back.startPoint().isEqualTo(half.pointAt(0.75)));
  EXPECT_TRUE(back.midPoint().isEqualTo(P(1, 1)));
  EXPECT_TRUE(half.reversed().midPoint().isEqualTo(half.midPoint()));
}

TEST(BulgePiece, BulgesFromCentreAndThreePoints) {
  EXPECT_NEAR(BulgePiece::bulgeFromCenter(AcGePoint2d(0, 0), AcGePoint2d(1, 0), AcGePoint2d(0, 1), true),
              std::tan(kPi / 8), 1e-15);
  EXPECT_NEAR(BulgePiece::bulgeFromCenter(AcGePoint2d(0, 0), AcGePoint2d(1, 0), AcGePoint2d(0, 1), false),
              -std::tan(3 * kPi / 8), 1e-14);
  EXPECT_NEAR(BulgePiece::bulgeFromCenter(AcGePoint2d(5, 5), AcGePoint2d(6, 5), AcGePoint2d(4, 5), true), 1.0, 1e-15);
  EXPECT_EQ(BulgePiece::bulgeFromCenter(AcGePoint2d(0, 0), AcGePoint2d(1, 0), AcGePoint2d(1, 0), true), 0.0);
  const BulgePiece fc = BulgePiece::fromCenter(P(0, 0, 2), P(0, -3, 2), P(3, 0, 2), true);
  EXPECT_TRUE(fc.midPoint().isEqualTo(P(3 * std::sqrt(0.5), -3 * std::sqrt(0.5), 2)));

  double bulge = 0.0;
  ASSERT_EQ(BulgePiece::bulgeFromThreePoints(AcGePoint2d(0, 0), AcGePoint2d(1, -1), AcGePoint2d(2, 0), bulge),
            Acad::eOk);
  EXPECT_NEAR(bulge, 1.0, 1e-15);
  ASSERT_EQ(BulgePiece::bulgeFromThreePoints(AcGePoint2d(0, 0), AcGePoint2d(1, 1), AcGePoint2d(2, 0), bulge),
            Acad::eOk);
  EXPECT_NEAR(bulge, -1.0, 1e-15);
  // A point barely off the chord gives a tiny bulge without cancellation.
  ASSERT_EQ(BulgePiece::bulgeFromThreePoints(AcGePoint2d(-50, 0), AcGePoint2d(0, -5e-7), AcGePoint2d(50, 0), bulge),
            Acad::eOk);
  EXPECT_NEAR(bulge, 1e-8, 1e-22);
  ASSERT_EQ(BulgePiece::bulgeFromThreePoints(AcGePoint2d(0, 0), AcGePoint2d(1, 0), AcGePoint2d(2, 0), bulge),
            Acad::eOk);
  EXPECT_EQ(bulge, 0.0);
  EXPECT_EQ(BulgePiece::bulgeFromThreePoints(AcGePoint2d(0, 0), AcGePoint2d(3, 0), AcGePoint2d(2, 0), bulge),
            Acad::eInvalidInput);
  EXPECT_EQ(BulgePiece::bulgeFromThreePoints(AcGePoint2d(0, 0), AcGePoint2d(0, 0), AcGePoint2d(2, 0), bulge),
            Acad::eInvalidInput);
}

TEST(BulgePiece, Densification) {
  const BulgePiece half(P(0, 0, 1), P(2, 0, 1), 1.0);
  AcGePoint3dArray pts;
  ASSERT_EQ(half.densify(0.1, pts), Acad::eOk);
  ASSERT_EQ(pts.length(), 33);  // ceil(π / 0.1) = 32 steps
  EXPECT_EQ(pts.first().x, 0.0);
  EXPECT_EQ(pts.last().x, 2.0);
  for (int i = 0; i < pts.length(); ++i) {
    EXPECT_NEAR(pts[i].distanceTo(P(1, 0, 1)), 1.0, 1e-14);
    EXPECT_DOUBLE_EQ(pts[i].z, 1.0);
    if (i > 0) {
      EXPECT_LE(pts[i].distanceTo(pts[i - 1]), 0.1);
    }
  }
  AcGePoint3dArray more;
  ASSERT_EQ(half.densifyByAngle(kPi / 4, more, false), Acad::eOk);
  EXPECT_EQ(more.length(), 4);
  EXPECT_TRUE(more[1].isEqualTo(P(1, -1, 1)));
  AcGePoint3dArray line;
  ASSERT_EQ(BulgePiece(P(0, 0), P(1, 0), 0.0).densifyByAngle(0.1, line), Acad::eOk);
  EXPECT_EQ(line.length(), 2);
  EXPECT_EQ(half.densify(0.0, pts), Acad::eInvalidInput);
  EXPECT_EQ(half.densify(-1.0, pts), Acad::eInvalidInput);
  EXPECT_EQ(half.densify(1e-9, pts), Acad::eInvalidInput);  // far too many points
}

TEST(BulgePiece, ConversionsAndTransforms) {
  const BulgePiece cw(P(0, 0, 5), P(2, 0, 5), -0.5);
  AcGeCircArc3d arc;
  ASSERT_TRUE(cw.toCircArc3d(arc));
  EXPECT_TRUE(arc.normal().isEqualTo(-AcGeVector3d::kZAxis));
  EXPECT_TRUE(arc.startPoint().isEqualTo(cw.startPoint()));
  EXPECT_TRUE(arc.endPoint().isEqualTo(cw.endPoint()));
  EXPECT_TRUE(arc.evalPoint(0.5 * (arc.startAng() + arc.endAng())).isEqualTo(cw.midPoint()));
  BulgePiece back;
  ASSERT_EQ(BulgePiece::fromCircArc(arc, back), Acad::eOk);
  EXPECT_NEAR(back.bulge(), -0.5, 1e-15);
  EXPECT_DOUBLE_EQ(back.elevation(), 5.0);

  AcGeCircArc2d arc2;
  ASSERT_TRUE(cw.toCircArc2d(arc2));
  EXPECT_TRUE(arc2.isClockWise());
  ASSERT_EQ(BulgePiece::fromCircArc(arc2, back, 5.0), Acad::eOk);
  EXPECT_NEAR(back.bulge(), -0.5, 1e-15);
  EXPECT_TRUE(back.end2d().isEqualTo(AcGePoint2d(2, 0)));

  EXPECT_EQ(BulgePiece::fromCircArc(AcGeCircArc3d(P(0, 0), AcGeVector3d::kZAxis, 1.0), back), Acad::eInvalidInput);
  EXPECT_EQ(BulgePiece::fromCircArc(AcGeCircArc3d(P(0, 0), AcGeVector3d::kXAxis, AcGeVector3d::kYAxis, 1.0, 0, 1), back),
            Acad::eInvalidInput);

  std::unique_ptr<AcGeCurve3d> curve(BulgePiece(P(0, 0), P(3, 4), 0.0).toCurve3d());
  EXPECT_EQ(curve->type(), AcGe::kLineSeg3d);
  curve.reset(cw.toCurve3d());
  EXPECT_EQ(curve->type(), AcGe::kCircArc3d);
  EXPECT_FALSE(BulgePiece(P(0, 0), P(3, 4), 0.0).toCircArc3d(arc));

  // A mirror turns the bulge; the midpoint follows the transform.
  BulgePiece m = cw;
  const AcGeMatrix3d mirror = AcGeMatrix3d::mirroring(AcGePlane(P(0, 3), AcGeVector3d::kYAxis));
  ASSERT_EQ(m.transformBy(mirror), Acad::eOk);
  EXPECT_NEAR(m.bulge(), 0.5, 1e-15);
  EXPECT_TRUE(m.midPoint().isEqualTo(mirror * cw.midPoint()));
  BulgePiece r = cw;
  const AcGeMatrix3d rot = AcGeMatrix3d::rotation(1.0, AcGeVector3d::kZAxis, P(4, 4)) * AcGeMatrix3d::scaling(3.0);
  ASSERT_EQ(r.transformBy(rot), Acad::eOk);
  EXPECT_NEAR(r.bulge(), -0.5, 1e-15);
  EXPECT_TRUE(r.midPoint().isEqualTo(rot * cw.midPoint(), AcGeTol(1e-12, 1e-12)));
  AcGeMatrix3d stretch;
  stretch.entry[1][1] = 2.0;
  BulgePiece s = cw;
  EXPECT_EQ(s.transformBy(stretch), Acad::eCannotScaleNonUniformly);
  EXPECT_TRUE(s == cw);
  EXPECT_EQ(s.transformBy(AcGeMatrix3d::rotation(0.3, AcGeVector3d::kXAxis)), Acad::eCannotScaleNonUniformly);
}

TEST(BulgePiece, DegenerateAndInvalidInput) {
  const BulgePiece dot(P(3, 3), P(3, 3), 1.0);
  EXPECT_TRUE(dot.isDegenerate());
  EXPECT_FALSE(dot.isArc());
  EXPECT_EQ(dot.length(), 0.0);
  EXPECT_EQ(dot.radius(), 0.0);
  AcGePoint3d c;
  EXPECT_FALSE(dot.center(c));
  EXPECT_TRUE(dot.pointAt(0.5).isEqualTo(P(3, 3)));
  EXPECT_NEAR(dot.distanceTo(P(6, 7)), 5.0, 1e-15);
  EXPECT_EQ(dot.segmentArea(), 0.0);
  EXPECT_TRUE(dot.startTangent().isZeroLength());
  EXPECT_THROW(BulgePiece(P(0, 0), P(1, 0), std::nan("")), Acad::ErrorStatus);
  EXPECT_THROW(BulgePiece(P(0, std::numeric_limits<double>::infinity()), P(1, 0), 0.0), Acad::ErrorStatus);
  BulgePiece p;
  EXPECT_THROW(p.setBulge(std::numeric_limits<double>::infinity()), Acad::ErrorStatus);
  EXPECT_EQ(p.bulge(), 0.0);
}

}  // namespace
