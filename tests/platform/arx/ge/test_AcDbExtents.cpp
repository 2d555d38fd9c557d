#include <gtest/gtest.h>

#include <cmath>

#include "arx/ge/AcGe.h"

namespace {

const double kPi = 3.14159265358979323846;

TEST(AcDbExtents, EmptyStateAddingAndExpanding) {
  AcDbExtents ext;
  EXPECT_FALSE(ext.isValidExtents());
  EXPECT_GT(ext.minPoint().x, ext.maxPoint().x);
  ext.addExt(AcDbExtents());  // adding an empty box changes nothing
  EXPECT_FALSE(ext.isValidExtents());
  ext.addPoint(AcGePoint3d(1, 2, 3));
  EXPECT_TRUE(ext.isValidExtents());
  EXPECT_TRUE(ext.minPoint().isEqualTo(AcGePoint3d(1, 2, 3)));
  EXPECT_TRUE(ext.maxPoint().isEqualTo(AcGePoint3d(1, 2, 3)));
  ext.addPoint(AcGePoint3d(-1, 5, 0));
  EXPECT_TRUE(ext.minPoint().isEqualTo(AcGePoint3d(-1, 2, 0)));
  EXPECT_TRUE(ext.maxPoint().isEqualTo(AcGePoint3d(1, 5, 3)));
  ext.addExt(AcDbExtents(AcGePoint3d(10, 0, 0), AcGePoint3d(9, -1, 1)));  // corners in any order
  EXPECT_TRUE(ext.maxPoint().isEqualTo(AcGePoint3d(10, 5, 3)));
  EXPECT_TRUE(ext.minPoint().isEqualTo(AcGePoint3d(-1, -1, 0)));
  ext.expandBy(AcGeVector3d(1, -2, 0));
  EXPECT_TRUE(ext.maxPoint().isEqualTo(AcGePoint3d(11, 5, 3)));
  EXPECT_TRUE(ext.minPoint().isEqualTo(AcGePoint3d(-1, -3, 0)));
  EXPECT_TRUE(ext.contains(AcGePoint3d(0, 0, 1)));
  EXPECT_FALSE(ext.contains(AcGePoint3d(0, 0, 4)));

  AcDbExtents box;
  EXPECT_EQ(box.set(AcGePoint3d(0, 0, 0), AcGePoint3d(1, -1, 1)), Acad::eInvalidExtents);
  EXPECT_FALSE(box.isValidExtents());
  EXPECT_EQ(box.set(AcGePoint3d(0, 0, 0), AcGePoint3d(2, 1, 0)), Acad::eOk);
  // Rotating a box by 45 degrees gives the box of its turned corners.
  box.transformBy(AcGeMatrix3d::rotation(kPi / 4, AcGeVector3d::kZAxis));
  EXPECT_NEAR(box.minPoint().x, -std::sqrt(0.5), 1e-14);
  EXPECT_NEAR(box.maxPoint().y, 3 * std::sqrt(0.5), 1e-14);
  AcDbExtents empty;
  empty.transformBy(AcGeMatrix3d::scaling(2.0));
  EXPECT_FALSE(empty.isValidExtents());
}

TEST(AcutGeometry, AnglePolarDistance) {
  ads_point a = {1, 1, 5}, b = {1, 0, -3}, r;
  EXPECT_NEAR(acutAngle(a, b), 3 * kPi / 2, 1e-15);  // [0, 2π), Z ignored
  EXPECT_DOUBLE_EQ(acutAngle(a, a), 0.0);
  ads_point c = {0, 0, 0}, d = {-1, -1e-300, 0};
  EXPECT_GE(acutAngle(c, d), 0.0);
  EXPECT_LT(acutAngle(c, d), 2 * kPi);
  EXPECT_DOUBLE_EQ(acutDistance(a, b), std::sqrt(1.0 + 64.0));
  acutPolar(a, kPi / 2, 2.0, r);
  EXPECT_NEAR(r[0], 1.0, 1e-15);
  EXPECT_NEAR(r[1], 3.0, 1e-15);
  EXPECT_DOUBLE_EQ(r[2], 5.0);  // keeps Z
  acutPolar(a, 0.0, 1.0, a);    // in place
  EXPECT_DOUBLE_EQ(a[0], 2.0);
  // The views share storage with the geometry classes.
  AcGePoint3d p(7, 8, 9);
  EXPECT_DOUBLE_EQ(asDblArray(p)[1], 8.0);
  asPnt3d(r).x = 42.0;
  EXPECT_DOUBLE_EQ(r[0], 42.0);
}

}  // namespace
