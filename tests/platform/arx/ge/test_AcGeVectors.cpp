#include <gtest/gtest.h>

#include <cmath>

#include "arx/ge/AcGe.h"

namespace {

const double kPi = 3.14159265358979323846;

// Restores the process-wide tolerance after a test changes it.
struct TolGuard {
  AcGeTol saved = AcGeContext::gTol;
  ~TolGuard() { AcGeContext::gTol = saved; }
};

TEST(AcGeTol, DefaultsAndGlobalToleranceIsReadAtCallTime) {
  TolGuard guard;
  const AcGeTol t;
  EXPECT_DOUBLE_EQ(t.equalPoint(), 1e-10);
  EXPECT_DOUBLE_EQ(t.equalVector(), 1e-12);

  const AcGePoint3d a(1.0, 2.0, 3.0), b(1.0 + 1e-7, 2.0, 3.0);
  EXPECT_FALSE(a.isEqualTo(b));
  EXPECT_FALSE(a == b);
  AcGeContext::gTol.setEqualPoint(1e-6);
  EXPECT_TRUE(a.isEqualTo(b));  // the default argument follows the global
  EXPECT_TRUE(a == b);
  EXPECT_TRUE(AcGePoint2d(0, 0) == AcGePoint2d(5e-7, 5e-7));
  // An explicit tolerance wins over the global one.
  EXPECT_FALSE(a.isEqualTo(b, AcGeTol(1e-9, 1e-12)));

  AcGeContext::gTol.setEqualVector(1e-3);
  EXPECT_TRUE(AcGeVector3d(1, 0, 0).isParallelTo(AcGeVector3d(1, 1e-4, 0)));
  EXPECT_TRUE(AcGeVector3d(0, 0, 0.0005).isZeroLength());
  AcGeContext::gTol = AcGeTol();
  EXPECT_FALSE(AcGeVector3d(1, 0, 0).isParallelTo(AcGeVector3d(1, 1e-4, 0)));

  AcGeTol neg;
  neg.setEqualPoint(-0.5);
  EXPECT_DOUBLE_EQ(neg.equalPoint(), 0.5);
}

TEST(AcGeVector3d, AnglesAndDirectionTests) {
  const AcGeVector3d x = AcGeVector3d::kXAxis, y = AcGeVector3d::kYAxis, z = AcGeVector3d::kZAxis;
  EXPECT_NEAR(x.angleTo(y), kPi / 2, 1e-15);
  EXPECT_NEAR(x.angleTo(-x), kPi, 1e-15);
  EXPECT_NEAR(x.angleTo(AcGeVector3d(1, 1e-9, 0)), 1e-9, 1e-22);  // small angles keep precision
  // Signed angle about a reference: counter-clockwise about +Z.
  EXPECT_NEAR(x.angleTo(y, z), kPi / 2, 1e-15);
  EXPECT_NEAR(y.angleTo(x, z), 3 * kPi / 2, 1e-15);
  EXPECT_NEAR(x.angleTo(y, -z), 3 * kPi / 2, 1e-15);
  EXPECT_NEAR(x.angleTo(x, z), 0.0, 1e-15);

  EXPECT_TRUE(x.isParallelTo(-x * 3.0));
  EXPECT_FALSE(x.isCodirectionalTo(-x));
  EXPECT_TRUE(x.isCodirectionalTo(x * 2.0));
  EXPECT_TRUE(x.isPerpendicularTo(z));
  // A zero vector has no direction.
  EXPECT_FALSE(AcGeVector3d().isParallelTo(x));
  EXPECT_FALSE(AcGeVector3d().isPerpendicularTo(x));

  AcGeVector3d zero;
  AcGeError flag = AcGe::kOk;
  zero.normalize(AcGeContext::gTol, flag);
  EXPECT_EQ(flag, AcGe::k0This);
  EXPECT_TRUE(zero.isEqualTo(AcGeVector3d()));
  EXPECT_TRUE(AcGeVector3d(3, 4, 0).normal().isEqualTo(AcGeVector3d(0.6, 0.8, 0)));
  EXPECT_DOUBLE_EQ(AcGeVector3d(1e200, 1e200, 0).length(), std::sqrt(2.0) * 1e200);  // no overflow

  EXPECT_TRUE(x.crossProduct(y).isEqualTo(z));
  AcGeVector3d r = x;
  r.rotateBy(kPi / 2, z);
  EXPECT_TRUE(r.isEqualTo(y));
  AcGeVector3d m(1, 2, 3);
  m.mirror(z);
  EXPECT_TRUE(m.isEqualTo(AcGeVector3d(1, 2, -3)));
  EXPECT_TRUE(AcGeVector3d(1, 2, 3).orthoProject(z).isEqualTo(AcGeVector3d(1, 2, 0)));
  EXPECT_TRUE(AcGeVector3d(1, 0, 1).project(z, AcGeVector3d(1, 0, 1)).isEqualTo(AcGeVector3d()));
  EXPECT_EQ(AcGeVector3d(1, -7, 3).largestElement(), 1u);
  EXPECT_DOUBLE_EQ(AcGeVector3d(1, 2, 3)[2], 3.0);
}

TEST(AcGeVector3d, PerpVectorFollowsTheArbitraryAxisRule) {
  EXPECT_TRUE(AcGeVector3d::kZAxis.perpVector().isEqualTo(AcGeVector3d::kXAxis));
  EXPECT_TRUE(AcGeVector3d(0, 0, -2).perpVector().isEqualTo(-AcGeVector3d::kXAxis));
  // Away from the Z axis: Z x N.
  EXPECT_TRUE(AcGeVector3d::kXAxis.perpVector().isEqualTo(AcGeVector3d::kYAxis));
  for (const AcGeVector3d& n : {AcGeVector3d(0.01, 0.0, 1.0), AcGeVector3d(0.5, -0.3, 0.2), AcGeVector3d(0, 1, 0)}) {
    const AcGeVector3d p = n.perpVector();
    EXPECT_TRUE(p.isUnitLength());
    EXPECT_NEAR(p.dotProduct(n), 0.0, 1e-15);
  }
}

TEST(AcGeVector2d, AnglesAndTests) {
  EXPECT_NEAR(AcGeVector2d(0, -1).angle(), 3 * kPi / 2, 1e-15);
  EXPECT_DOUBLE_EQ(AcGeVector2d(1, 0).angle(), 0.0);
  EXPECT_NEAR(AcGeVector2d(1, 0).angleTo(AcGeVector2d(-1, 1e-12)), kPi, 1e-11);
  EXPECT_TRUE(AcGeVector2d(2, 0).perpVector().isEqualTo(AcGeVector2d(0, 2)));
  AcGeVector2d v(1, 0);
  v.rotateBy(kPi / 2);
  EXPECT_TRUE(v.isEqualTo(AcGeVector2d(0, 1)));
  AcGeVector2d m(1, 1);
  m.mirror(AcGeVector2d(1, 0));
  EXPECT_TRUE(m.isEqualTo(AcGeVector2d(1, -1)));
  EXPECT_TRUE(AcGeVector2d(1, 1).isParallelTo(AcGeVector2d(-2, -2)));
  EXPECT_FALSE(AcGeVector2d(0, 0).isParallelTo(AcGeVector2d(1, 0)));
  EXPECT_TRUE(AcGeVector2d(1, 1).isPerpendicularTo(AcGeVector2d(-1, 1)));
}

TEST(AcGePoint3d, ArithmeticTransformsAndPlanes) {
  const AcGePoint3d p(1, 2, 3);
  EXPECT_TRUE((p + AcGeVector3d(1, 1, 1)).isEqualTo(AcGePoint3d(2, 3, 4)));
  EXPECT_TRUE((AcGePoint3d(4, 6, 3) - p).isEqualTo(AcGeVector3d(3, 4, 0)));
  EXPECT_DOUBLE_EQ(p.distanceTo(AcGePoint3d(4, 6, 3)), 5.0);
  EXPECT_TRUE(p.asVector().isEqualTo(AcGeVector3d(1, 2, 3)));

  AcGePoint3d r(2, 0, 5);
  r.rotateBy(kPi / 2, AcGeVector3d::kZAxis, AcGePoint3d(1, 0, 0));
  EXPECT_TRUE(r.isEqualTo(AcGePoint3d(1, 1, 5)));
  AcGePoint3d s(3, 0, 0);
  s.scaleBy(2.0, AcGePoint3d(1, 0, 0));
  EXPECT_TRUE(s.isEqualTo(AcGePoint3d(5, 0, 0)));

  const AcGePlane plane(AcGePoint3d(0, 0, 2), AcGeVector3d(0, 0, 1));
  EXPECT_TRUE(p.orthoProject(plane).isEqualTo(AcGePoint3d(1, 2, 2)));
  EXPECT_TRUE(p.project(plane, AcGeVector3d(1, 0, 1)).isEqualTo(AcGePoint3d(0, 2, 2)));
  AcGePoint3d m = p;
  m.mirror(plane);
  EXPECT_TRUE(m.isEqualTo(AcGePoint3d(1, 2, 1)));
  const AcGePoint2d q = p.convert2d(plane);
  EXPECT_TRUE(AcGePoint3d(plane, q).isEqualTo(AcGePoint3d(1, 2, 2)));

  AcGePoint3d mut;
  mut[0] = 7;
  EXPECT_DOUBLE_EQ(mut.x, 7.0);
}

TEST(AcGePlane, ConstructionDistancesAndIntersections) {
  const AcGePlane byPoints(AcGePoint3d(1, 0, 1), AcGePoint3d(0, 0, 1), AcGePoint3d(0, 1, 1));
  EXPECT_TRUE(byPoints.normal().isEqualTo(AcGeVector3d::kZAxis));
  EXPECT_DOUBLE_EQ(byPoints.signedDistanceTo(AcGePoint3d(5, 5, 4)), 3.0);
  double a, b, c, d;
  byPoints.getCoefficients(a, b, c, d);
  EXPECT_DOUBLE_EQ(c, 1.0);
  EXPECT_DOUBLE_EQ(d, -1.0);
  const AcGePlane byCoef(0, 0, 2, -2);  // z = 1
  EXPECT_TRUE(byCoef.isCoplanarTo(byPoints));

  AcGePoint3d hit;
  EXPECT_TRUE(byPoints.intersectWith(AcGeLineSeg3d(AcGePoint3d(2, 3, 0), AcGePoint3d(2, 3, 4)), hit));
  EXPECT_TRUE(hit.isEqualTo(AcGePoint3d(2, 3, 1)));
  EXPECT_FALSE(byPoints.intersectWith(AcGeLineSeg3d(AcGePoint3d(2, 3, 2), AcGePoint3d(2, 3, 4)), hit));  // too short
  EXPECT_FALSE(byPoints.intersectWith(AcGeLine3d(AcGePoint3d(0, 0, 0), AcGeVector3d(1, 0, 0)), hit));  // parallel

  AcGeLine3d common;
  ASSERT_TRUE(byPoints.intersectWith(AcGePlane(AcGePoint3d(3, 0, 0), AcGeVector3d(1, 0, 0)), common));
  EXPECT_TRUE(common.isOn(AcGePoint3d(3, 17, 1)));
  EXPECT_TRUE(common.direction().isParallelTo(AcGeVector3d::kYAxis));
  EXPECT_FALSE(byPoints.intersectWith(byCoef, common));

  // Degenerate input falls back to the XY orientation instead of producing NaNs.
  const AcGePlane bad(AcGePoint3d(0, 0, 0), AcGeVector3d(0, 0, 0));
  EXPECT_TRUE(bad.normal().isEqualTo(AcGeVector3d::kZAxis));
}

}  // namespace
