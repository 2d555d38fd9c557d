// Arcs from two points and a bulge, or from three points.
#include <gtest/gtest.h>

#include <cmath>

#include "VeskBaseTestSupport.h"
#include "veskbase/vesk_geo_arc.h"

namespace {

using vbtest::kPi;
using vesk::vesk_geo_arc;

TEST(VeskGeoArcTest, FromTwoPointsAndABulge) {
  const vesk_geo_arc ccw(AcGePoint3d(0, 0, 3), AcGePoint3d(2, 0, 3), 1.0);
  ASSERT_EQ(ccw.IsValid(), 1);
  EXPECT_PT(ccw.GetCenter(), 1, 0, 0);
  EXPECT_NEAR(ccw.GetRadius(), 1.0, 1e-12);
  EXPECT_EQ(ccw.IsCCW(), 1);
  EXPECT_NEAR(ccw.GetIncludedAngle(), kPi, 1e-12);
  EXPECT_PT(ccw.GetMidPt(), 1, -1, 0);
  EXPECT_NEAR(ccw.GetLength(), kPi, 1e-12);
  // As an arc entity stores it: counter-clockwise from the start angle.
  EXPECT_NEAR(ccw.GetStartAngle(), kPi, 1e-12);
  EXPECT_NEAR(ccw.GetEndAngle(), 0.0, 1e-12);

  const vesk_geo_arc cw(AcGePoint3d(0, 0, 0), AcGePoint3d(2, 0, 0), -1.0);
  EXPECT_EQ(cw.IsCCW(), 0);
  EXPECT_PT(cw.GetMidPt(), 1, 1, 0);
  EXPECT_NEAR(cw.GetStartAngle(), 0.0, 1e-12) << "the sweep starts at the end point";
  EXPECT_NEAR(cw.GetEndAngle(), kPi, 1e-12);
  EXPECT_NEAR(cw.GetIncludedAngle(), -kPi, 1e-12);

  const vesk_geo_arc quarter(AcGePoint3d(2, 0, 0), AcGePoint3d(0, 2, 0), std::tan(kPi / 8));
  EXPECT_PT(quarter.GetCenter(), 0, 0, 0);
  EXPECT_NEAR(quarter.GetRadius(), 2.0, 1e-12);
  EXPECT_NEAR(quarter.GetStartAngle(), 0.0, 1e-12);
  EXPECT_NEAR(quarter.GetEndAngle(), kPi / 2, 1e-12);
  EXPECT_NEAR(quarter.AngleOf(AcGePoint3d(0, -2, 0)), 1.5 * kPi, 1e-12);

  // A major arc: centre on the far side of the chord.
  const vesk_geo_arc major(AcGePoint3d(0, 0, 0), AcGePoint3d(2, 0, 0), 3.0);
  EXPECT_PT(major.GetCenter(), 1, -4.0 / 3.0, 0);
  EXPECT_NEAR(major.GetRadius(), 5.0 / 3.0, 1e-12);

  vesk_geo_arc none;
  EXPECT_EQ(none.IsValid(), 0);
  EXPECT_EQ(none.Set(AcGePoint3d(0, 0, 0), AcGePoint3d(2, 0, 0), 0.0), 0);
  EXPECT_EQ(none.Set(AcGePoint3d(1, 1, 0), AcGePoint3d(1, 1, 5), 0.5), 0) << "ends coincide in the plane";
  EXPECT_EQ(none.Set(AcGePoint3d(0, 0, 0), AcGePoint3d(2, 0, 0), NAN), 0);
  EXPECT_EQ(none.GetRadius(), 0.0);
  // A failed Set forgets the arc held before.
  vesk_geo_arc reused(AcGePoint3d(0, 0, 0), AcGePoint3d(2, 0, 0), 1.0);
  EXPECT_EQ(reused.Set(AcGePoint3d(0, 0, 0), AcGePoint3d(0, 0, 0), 1.0), 0);
  EXPECT_EQ(reused.IsValid(), 0);
  EXPECT_EQ(reused.GetLength(), 0.0);
}

TEST(VeskGeoArcTest, FromThreePoints) {
  const vesk_geo_arc cw(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 1, 0), AcGePoint3d(2, 0, 0));
  ASSERT_EQ(cw.IsValid(), 1);
  EXPECT_NEAR(cw.GetBulge(), -1.0, 1e-12);
  EXPECT_PT(cw.GetCenter(), 1, 0, 0);

  // Three quarters of a circle, clockwise through the bottom.
  const vesk_geo_arc big(AcGePoint3d(2, 0, 0), AcGePoint3d(0, -2, 0), AcGePoint3d(0, 2, 0));
  EXPECT_NEAR(big.GetBulge(), -std::tan(1.5 * kPi / 4), 1e-12);
  EXPECT_NEAR(big.GetLength(), 3.0 * kPi, 1e-12);

  // Through its own midpoint an arc comes back with its bulge.
  for (double b : {0.05, 0.4, 1.0, 2.5, -0.3, -4.0}) {
    const vesk_geo_arc a(AcGePoint3d(-3, 1, 0), AcGePoint3d(5, 2, 0), b);
    const vesk_geo_arc again(a.GetStartPt(), a.GetMidPt(), a.GetEndPt());
    EXPECT_NEAR(again.GetBulge(), b, 1e-9 * std::max(1.0, std::fabs(b)));
  }

  vesk_geo_arc line;
  EXPECT_EQ(line.Set(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0), AcGePoint3d(2, 0, 0)), 0);
  EXPECT_EQ(line.Set(AcGePoint3d(0, 0, 0), AcGePoint3d(0, 0, 0), AcGePoint3d(2, 0, 0)), 0);
  EXPECT_EQ(line.Set(AcGePoint3d(0, 0, 0), AcGePoint3d(3, 0, 0), AcGePoint3d(2, 0, 0)), 0);
}

}  // namespace
