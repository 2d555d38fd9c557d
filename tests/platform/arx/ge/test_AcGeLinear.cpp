#include <gtest/gtest.h>

#include <memory>

#include "arx/ge/AcGe.h"

namespace {

TEST(AcGeLineSeg3d, ParametersEndsAndClosestPoints) {
  const AcGePoint3d a(0.1, 0.2, 0.3), b(10.7, -3.3, 1.9);
  const AcGeLineSeg3d seg(a, b);
  // The end points come back exactly as given, also at parameters 0 and 1.
  EXPECT_EQ(seg.endPoint().x, b.x);
  EXPECT_EQ(seg.endPoint().y, b.y);
  EXPECT_EQ(seg.evalPoint(1.0).z, b.z);
  EXPECT_EQ(seg.evalPoint(0.0).x, a.x);
  EXPECT_DOUBLE_EQ(seg.paramOf(a), 0.0);
  EXPECT_DOUBLE_EQ(seg.paramOf(b), 1.0);
  EXPECT_NEAR(seg.paramOf(seg.midPoint()), 0.5, 1e-15);
  // paramOf is not clamped; closestPointTo is.
  EXPECT_NEAR(seg.paramOf(b + (b - a)), 2.0, 1e-14);
  EXPECT_EQ(seg.closestPointTo(b + (b - a) * 3.0).x, b.x);
  EXPECT_EQ(seg.closestPointTo(a - (b - a)).y, a.y);
  EXPECT_NEAR(seg.distanceTo(a - (b - a)), seg.length(), 1e-12);
  EXPECT_TRUE(seg.isOn(seg.evalPoint(0.37)));
  EXPECT_FALSE(seg.isOn(seg.evalPoint(1.0 + 1e-6)));
  EXPECT_NEAR(seg.length(0.25, 0.75), 0.5 * seg.length(), 1e-14);

  AcGePoint3d s, e;
  ASSERT_TRUE(seg.hasStartPoint(s));
  ASSERT_TRUE(seg.hasEndPoint(e));
  EXPECT_EQ(e.x, b.x);
  AcGeLine3d line(a, b);
  EXPECT_FALSE(line.hasStartPoint(s));

  AcGeLineSeg3d rev = seg;
  rev.reverseParam();
  EXPECT_EQ(rev.startPoint().x, b.x);
  EXPECT_EQ(rev.endPoint().x, a.x);
  EXPECT_TRUE(seg.direction().isUnitLength());
  EXPECT_TRUE(seg.isKindOf(AcGe::kLinearEnt3d));
  EXPECT_TRUE(seg.isKindOf(AcGe::kCurve3d));
  EXPECT_FALSE(seg.isKindOf(AcGe::kLine3d));
  std::unique_ptr<AcGeEntity3d> copy(seg.copy());
  EXPECT_EQ(copy->type(), AcGe::kLineSeg3d);
}

TEST(AcGeLinearEnt3d, Intersections) {
  AcGePoint3d p;
  const AcGeLineSeg3d s1(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0));
  ASSERT_TRUE(s1.intersectWith(AcGeLineSeg3d(AcGePoint3d(4, -1, 0), AcGePoint3d(4, 5, 0)), p));
  EXPECT_TRUE(p.isEqualTo(AcGePoint3d(4, 0, 0)));
  // Touching at an end point counts; stopping short does not.
  ASSERT_TRUE(s1.intersectWith(AcGeLineSeg3d(AcGePoint3d(10, 0, 0), AcGePoint3d(12, 3, 0)), p));
  EXPECT_TRUE(p.isEqualTo(AcGePoint3d(10, 0, 0)));
  EXPECT_FALSE(s1.intersectWith(AcGeLineSeg3d(AcGePoint3d(4, 1e-6, 0), AcGePoint3d(4, 5, 0)), p));
  // The unbounded line reaches further.
  EXPECT_TRUE(AcGeLine3d(AcGePoint3d(0, 0, 0), AcGeVector3d(1, 0, 0))
                  .intersectWith(AcGeLineSeg3d(AcGePoint3d(-40, -1, 0), AcGePoint3d(-40, 1, 0)), p));
  // Skew lines never meet; parallel and collinear ones give no single point.
  EXPECT_FALSE(s1.intersectWith(AcGeLineSeg3d(AcGePoint3d(4, -1, 1), AcGePoint3d(4, 5, 1)), p));
  EXPECT_FALSE(s1.intersectWith(AcGeLineSeg3d(AcGePoint3d(2, 0, 0), AcGePoint3d(20, 0, 0)), p));
  // A segment shrunk to a point meets what passes through it.
  EXPECT_TRUE(s1.intersectWith(AcGeLineSeg3d(AcGePoint3d(3, 0, 0), AcGePoint3d(3, 0, 0)), p));
}

TEST(AcGeLinearEnt3d, CollinearityAndOverlap) {
  const AcGeLineSeg3d s1(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0));
  const AcGeLineSeg3d s2(AcGePoint3d(12, 0, 0), AcGePoint3d(6, 0, 0));  // runs the other way
  EXPECT_TRUE(s1.isColinearTo(s2));
  EXPECT_TRUE(s1.isParallelTo(s2));
  EXPECT_FALSE(s1.isColinearTo(AcGeLineSeg3d(AcGePoint3d(0, 1, 0), AcGePoint3d(10, 1, 0))));

  AcGeLinearEnt3d* shared = nullptr;
  ASSERT_TRUE(s1.overlap(s2, shared));
  std::unique_ptr<AcGeLinearEnt3d> own(shared);
  ASSERT_EQ(shared->type(), AcGe::kLineSeg3d);
  const AcGeLineSeg3d* seg = static_cast<AcGeLineSeg3d*>(shared);
  // In this entity's direction, ending exactly at the other's end point.
  EXPECT_EQ(seg->startPoint().x, 6.0);
  EXPECT_EQ(seg->endPoint().x, 10.0);

  // Sharing only an end point, or lying side by side, is no overlap.
  AcGeLineSeg3d dummy;
  AcGeLinearEnt3d* none = &dummy;
  EXPECT_FALSE(s1.overlap(AcGeLineSeg3d(AcGePoint3d(10, 0, 0), AcGePoint3d(20, 0, 0)), none));
  EXPECT_EQ(none, nullptr);
  EXPECT_FALSE(s1.overlap(AcGeLineSeg3d(AcGePoint3d(2, 0.001, 0), AcGePoint3d(8, 0.001, 0)), none));

  // Under a coarse point tolerance nearly collinear segments overlap.
  const AcGeLineSeg3d near(AcGePoint3d(2, 0.005, 0), AcGePoint3d(8, 0.005, 0));
  AcGeLinearEnt3d* coarse = nullptr;
  ASSERT_TRUE(s1.overlap(near, coarse, AcGeTol(0.01, 1e-12)));
  delete coarse;

  // Two lines overlap as a line; a line and a segment as the segment.
  AcGeLinearEnt3d* both = nullptr;
  ASSERT_TRUE(AcGeLine3d(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 1, 1))
                  .overlap(AcGeLine3d(AcGePoint3d(5, 5, 5), AcGeVector3d(-2, -2, -2)), both));
  EXPECT_EQ(both->type(), AcGe::kLine3d);
  delete both;
  AcGeLinearEnt3d* part = nullptr;
  ASSERT_TRUE(AcGeLine3d(AcGePoint3d(0, 0, 0), AcGeVector3d(1, 0, 0)).overlap(s2, part));
  EXPECT_NEAR(static_cast<AcGeLineSeg3d*>(part)->length(), 6.0, 1e-12);
  delete part;
}

TEST(AcGeLinearEnt2d, SegmentsAndLines) {
  const AcGeLineSeg2d s(AcGePoint2d(0, 0), AcGePoint2d(4, 4));
  AcGePoint2d p;
  ASSERT_TRUE(s.intersectWith(AcGeLineSeg2d(AcGePoint2d(0, 4), AcGePoint2d(4, 0)), p));
  EXPECT_TRUE(p.isEqualTo(AcGePoint2d(2, 2)));
  EXPECT_FALSE(s.intersectWith(AcGeLineSeg2d(AcGePoint2d(0, 9), AcGePoint2d(1, 8)), p));
  EXPECT_TRUE(AcGeLine2d(AcGePoint2d(0, 9), AcGePoint2d(1, 8)).intersectWith(AcGeLine2d(AcGePoint2d(0, 0), AcGePoint2d(1, 1)), p));
  EXPECT_TRUE(p.isEqualTo(AcGePoint2d(4.5, 4.5)));
  EXPECT_EQ(s.closestPointTo(AcGePoint2d(9, 9)).x, 4.0);
  EXPECT_TRUE(s.closestPointTo(AcGePoint2d(0, 4)).isEqualTo(AcGePoint2d(2, 2)));
  AcGeLinearEnt2d* shared = nullptr;
  ASSERT_TRUE(s.overlap(AcGeLineSeg2d(AcGePoint2d(6, 6), AcGePoint2d(1, 1)), shared));
  const AcGeLineSeg2d* seg = static_cast<AcGeLineSeg2d*>(shared);
  EXPECT_EQ(seg->startPoint().x, 1.0);
  EXPECT_EQ(seg->endPoint().x, 4.0);
  delete shared;
  AcGeLine2d bis;
  s.getBisector(bis);
  EXPECT_TRUE(bis.isOn(AcGePoint2d(0, 4)));
}

}  // namespace
