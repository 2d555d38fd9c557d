#include <gtest/gtest.h>

#include <cmath>

#include "arx/ge/AcGe.h"

namespace {

const double kPi = 3.14159265358979323846;

TEST(AcGeCircArc3d, ConstructionParametersAndClosestPoints) {
  // Quarter arc of radius 2 about (1, 1, 0), from angle 0 to π/2.
  const AcGeCircArc3d arc(AcGePoint3d(1, 1, 0), AcGeVector3d::kZAxis, AcGeVector3d::kXAxis, 2.0, 0.0, kPi / 2);
  EXPECT_TRUE(arc.startPoint().isEqualTo(AcGePoint3d(3, 1, 0)));
  EXPECT_TRUE(arc.endPoint().isEqualTo(AcGePoint3d(1, 3, 0)));
  EXPECT_NEAR(arc.length(), kPi, 1e-14);
  EXPECT_NEAR(arc.paramOf(AcGePoint3d(1 + std::sqrt(2.0), 1 + std::sqrt(2.0), 0)), kPi / 4, 1e-14);
  // Beyond the ends the closest point is the nearer end point.
  EXPECT_TRUE(arc.closestPointTo(AcGePoint3d(5, -3, 0)).isEqualTo(arc.startPoint()));
  EXPECT_TRUE(arc.closestPointTo(AcGePoint3d(-5, 2, 0)).isEqualTo(arc.endPoint()));
  // Off the plane: projected onto the circle.
  EXPECT_TRUE(arc.closestPointTo(AcGePoint3d(1, 10, 7)).isEqualTo(AcGePoint3d(1, 3, 0)));
  EXPECT_TRUE(arc.isOn(AcGePoint3d(1, -1, 0)) == false);
  EXPECT_TRUE(arc.isInside(AcGePoint3d(1, 2, 0)));
  AcGeLine3d tan;
  ASSERT_TRUE(arc.tangent(AcGePoint3d(3, 1, 0), tan));
  EXPECT_TRUE(tan.direction().isEqualTo(AcGeVector3d::kYAxis));

  // Angles given the wrong way round are brought into (0, 2π].
  AcGeCircArc3d wrapped(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, AcGeVector3d::kXAxis, 1.0, 3 * kPi / 2, kPi / 2);
  EXPECT_NEAR(wrapped.endAng() - wrapped.startAng(), kPi, 1e-14);
  EXPECT_TRUE(wrapped.evalPoint(wrapped.endAng()).isEqualTo(AcGePoint3d(0, 1, 0)));

  // Full circle from centre, normal and radius; its reference axis follows the arbitrary-axis rule.
  const AcGeCircArc3d circle(AcGePoint3d(0, 0, 5), AcGeVector3d(1, 0, 0), 3.0);
  EXPECT_TRUE(circle.isClosed());
  EXPECT_TRUE(circle.startPoint().isEqualTo(AcGePoint3d(0, 3, 5)));

  AcGeCircArc3d rev = arc;
  rev.reverseParam();
  EXPECT_TRUE(rev.startPoint().isEqualTo(arc.endPoint()));
  EXPECT_TRUE(rev.endPoint().isEqualTo(arc.startPoint()));
  EXPECT_TRUE(rev.evalPoint(0.5 * (rev.startAng() + rev.endAng())).isEqualTo(arc.evalPoint(kPi / 4)));
}

TEST(AcGeCircArc3d, ThroughThreePoints) {
  // Through (1,0,0), (0,1,0), (-1,0,0) in a tilted frame.
  const AcGeMatrix3d tilt = AcGeMatrix3d::rotation(0.6, AcGeVector3d(1, -2, 0.5), AcGePoint3d(3, 4, 5));
  const AcGePoint3d p1 = tilt * AcGePoint3d(1, 0, 0), p2 = tilt * AcGePoint3d(0, 1, 0), p3 = tilt * AcGePoint3d(-1, 0, 0);
  const AcGeCircArc3d arc(p1, p2, p3);
  EXPECT_TRUE(arc.center().isEqualTo(tilt * AcGePoint3d::kOrigin, AcGeTol(1e-12, 1e-12)));
  EXPECT_NEAR(arc.radius(), 1.0, 1e-14);
  EXPECT_TRUE(arc.startPoint().isEqualTo(p1, AcGeTol(1e-12, 1e-12)));
  EXPECT_TRUE(arc.endPoint().isEqualTo(p3, AcGeTol(1e-12, 1e-12)));
  EXPECT_TRUE(arc.isOn(p2, AcGeTol(1e-12, 1e-12)));
  EXPECT_NEAR(arc.length(), kPi, 1e-13);
  // The major arc the other way round.
  const AcGeCircArc3d major(p1, tilt * AcGePoint3d(0, -1, 0), tilt * AcGePoint3d(0, 1, 0));
  EXPECT_NEAR(major.endAng() - major.startAng(), 3 * kPi / 2, 1e-13);

  AcGeError err = AcGe::kOk;
  AcGeCircArc3d bad;
  bad.set(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 1, 1), AcGePoint3d(2, 2, 2), err);
  EXPECT_EQ(err, AcGe::kLinearlyDependentArg1Arg2Arg3);
  bad.set(AcGePoint3d(0, 0, 0), AcGePoint3d(0, 0, 0), AcGePoint3d(2, 2, 2), err);
  EXPECT_EQ(err, AcGe::kEqualArg1Arg2);
  EXPECT_THROW(AcGeCircArc3d(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0), AcGePoint3d(2, 0, 0)), Acad::ErrorStatus);
}

TEST(AcGeCircArc3d, IntersectionsWithLinesAndArcs) {
  const AcGeCircArc3d circle(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, 5.0);
  int n = 0;
  AcGePoint3d p1, p2;
  // Secant segment.
  ASSERT_TRUE(circle.intersectWith(AcGeLineSeg3d(AcGePoint3d(-10, 3, 0), AcGePoint3d(10, 3, 0)), n, p1, p2));
  ASSERT_EQ(n, 2);
  EXPECT_NEAR(std::fabs(p1.x), 4.0, 1e-12);
  EXPECT_NEAR(p1.x, -p2.x, 1e-12);
  // Tangent unbounded line: exactly one point.
  ASSERT_TRUE(circle.intersectWith(AcGeLine3d(AcGePoint3d(0, 5, 0), AcGeVector3d(1, 0, 0)), n, p1, p2));
  EXPECT_EQ(n, 1);
  EXPECT_TRUE(p1.isEqualTo(AcGePoint3d(0, 5, 0)));
  // A line piercing the plane.
  ASSERT_TRUE(circle.intersectWith(AcGeLineSeg3d(AcGePoint3d(3, 4, -1), AcGePoint3d(3, 4, 1)), n, p1, p2));
  EXPECT_EQ(n, 1);
  EXPECT_FALSE(circle.intersectWith(AcGeLineSeg3d(AcGePoint3d(1, 1, -1), AcGePoint3d(1, 1, 1)), n, p1, p2));

  // Half arc (upper) misses the lower crossing.
  const AcGeCircArc3d upper(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, AcGeVector3d::kXAxis, 5.0, 0.0, kPi);
  ASSERT_TRUE(upper.intersectWith(AcGeLineSeg3d(AcGePoint3d(3, -10, 0), AcGePoint3d(3, 10, 0)), n, p1, p2));
  EXPECT_EQ(n, 1);
  EXPECT_TRUE(p1.isEqualTo(AcGePoint3d(3, 4, 0)));

  // Two coplanar circles, then an externally tangent one.
  const AcGeCircArc3d other(AcGePoint3d(6, 0, 0), AcGeVector3d::kZAxis, 5.0);
  ASSERT_TRUE(circle.intersectWith(other, n, p1, p2));
  EXPECT_EQ(n, 2);
  EXPECT_NEAR(p1.x, 3.0, 1e-12);
  EXPECT_NEAR(std::fabs(p1.y), 4.0, 1e-12);
  const AcGeCircArc3d touching(AcGePoint3d(8, 0, 0), -AcGeVector3d::kZAxis, 3.0);
  ASSERT_TRUE(circle.intersectWith(touching, n, p1, p2));
  EXPECT_EQ(n, 1);
  EXPECT_TRUE(p1.isEqualTo(AcGePoint3d(5, 0, 0)));
  // An arc lying along the circle shares a stretch: no isolated points.
  EXPECT_FALSE(circle.intersectWith(upper, n, p1, p2));
  EXPECT_EQ(n, 0);
  // A circle in a perpendicular plane through the centre crosses at two points.
  const AcGeCircArc3d vertical(AcGePoint3d(0, 0, 0), AcGeVector3d::kXAxis, 5.0);
  ASSERT_TRUE(circle.intersectWith(vertical, n, p1, p2));
  EXPECT_EQ(n, 2);
  EXPECT_NEAR(std::fabs(p1.y), 5.0, 1e-12);
  EXPECT_NEAR(p1.y, -p2.y, 1e-12);
}

TEST(AcGeCircArc3d, TransformKeepsCirclesAndRefusesStretching) {
  AcGeCircArc3d arc(AcGePoint3d(1, 0, 0), AcGeVector3d::kZAxis, AcGeVector3d::kXAxis, 1.0, 0.0, kPi / 2);
  const AcGePoint3d mid = arc.evalPoint(kPi / 4);
  const AcGeMatrix3d m = AcGeMatrix3d::mirroring(AcGePlane(AcGePoint3d(0, 0, 0), AcGeVector3d::kXAxis)) *
                         AcGeMatrix3d::scaling(2.0);
  arc.transformBy(m);
  EXPECT_NEAR(arc.radius(), 2.0, 1e-14);
  EXPECT_TRUE(arc.startPoint().isEqualTo(AcGePoint3d(-4, 0, 0)));
  EXPECT_TRUE(arc.endPoint().isEqualTo(AcGePoint3d(-2, 2, 0)));
  EXPECT_TRUE(arc.isOn(m * mid));
  AcGeMatrix3d stretch;
  stretch.entry[0][0] = 3.0;
  EXPECT_THROW(arc.transformBy(stretch), Acad::ErrorStatus);
  EXPECT_NEAR(arc.radius(), 2.0, 1e-14);
}

TEST(AcGeCircArc2d, BulgeConstructionAndIntersections) {
  // Half circle counter-clockwise from (0,0) to (2,0): passes below, through (1,-1).
  const AcGeCircArc2d ccw(AcGePoint2d(0, 0), AcGePoint2d(2, 0), 1.0);
  EXPECT_FALSE(ccw.isClockWise());
  EXPECT_TRUE(ccw.center().isEqualTo(AcGePoint2d(1, 0)));
  EXPECT_TRUE(ccw.isOn(AcGePoint2d(1, -1)));
  EXPECT_FALSE(ccw.isOn(AcGePoint2d(1, 1)));
  EXPECT_TRUE(ccw.startPoint().isEqualTo(AcGePoint2d(0, 0)));
  EXPECT_TRUE(ccw.endPoint().isEqualTo(AcGePoint2d(2, 0)));
  // Negative bulge: clockwise, through the top.
  const AcGeCircArc2d cw(AcGePoint2d(0, 0), AcGePoint2d(2, 0), -1.0);
  EXPECT_TRUE(cw.isClockWise());
  EXPECT_TRUE(cw.isOn(AcGePoint2d(1, 1)));
  EXPECT_TRUE(cw.endPoint().isEqualTo(AcGePoint2d(2, 0)));
  // Height form: a height of 1 over a chord of 2 is the same half circle.
  const AcGeCircArc2d byHeight(AcGePoint2d(0, 0), AcGePoint2d(2, 0), 1.0, Adesk::kFalse);
  EXPECT_NEAR(byHeight.radius(), 1.0, 1e-15);
  EXPECT_THROW(AcGeCircArc2d(AcGePoint2d(0, 0), AcGePoint2d(2, 0), 0.0), Acad::ErrorStatus);

  int n = 0;
  AcGePoint2d p1, p2;
  ASSERT_TRUE(cw.intersectWith(AcGeLineSeg2d(AcGePoint2d(-1, 0.5), AcGePoint2d(3, 0.5)), n, p1, p2));
  EXPECT_EQ(n, 2);
  ASSERT_TRUE(ccw.intersectWith(AcGeLineSeg2d(AcGePoint2d(-1, 0.5), AcGePoint2d(3, 0.5)), n, p1, p2) == false);
  // The two halves meet at both end points only.
  ASSERT_TRUE(ccw.intersectWith(cw, n, p1, p2));
  EXPECT_EQ(n, 2);
  // Tangent line at the bottom.
  ASSERT_TRUE(ccw.intersectWith(AcGeLine2d(AcGePoint2d(5, -1), AcGeVector2d(1, 0)), n, p1, p2));
  EXPECT_EQ(n, 1);
  EXPECT_TRUE(p1.isEqualTo(AcGePoint2d(1, -1)));

  // Three-point form picks the turning sense.
  const AcGeCircArc2d three(AcGePoint2d(0, 0), AcGePoint2d(1, 1), AcGePoint2d(2, 0));
  EXPECT_TRUE(three.isClockWise());
  EXPECT_TRUE(three.isOn(AcGePoint2d(1, 1)));
  EXPECT_NEAR(three.length(), kPi, 1e-14);

  // Mirroring reverses the turning sense and keeps the points.
  AcGeCircArc2d m = three;
  m.transformBy(AcGeMatrix2d::mirroring(AcGeLine2d(AcGePoint2d(0, 0), AcGeVector2d(1, 0))));
  EXPECT_FALSE(m.isClockWise());
  EXPECT_TRUE(m.isOn(AcGePoint2d(1, -1)));
  EXPECT_TRUE(m.endPoint().isEqualTo(AcGePoint2d(2, 0)));
}

}  // namespace
