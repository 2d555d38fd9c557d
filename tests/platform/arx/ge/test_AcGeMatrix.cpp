#include <gtest/gtest.h>

#include <cmath>

#include "arx/ge/AcGe.h"

namespace {

const double kPi = 3.14159265358979323846;

AcGeMatrix3d sampleMatrix() {
  // A rotation about a slanted axis, a scale and a translation.
  return AcGeMatrix3d::translation(AcGeVector3d(10, -4, 7)) *
         AcGeMatrix3d::rotation(0.7, AcGeVector3d(1, 2, 3), AcGePoint3d(1, 1, 1)) *
         AcGeMatrix3d::scaling(2.5, AcGePoint3d(-3, 0, 2));
}

TEST(AcGeMatrix3d, ProductsAndInversion) {
  const AcGeMatrix3d m = sampleMatrix();
  const AcGeMatrix3d inv = m.inverse();
  EXPECT_TRUE((m * inv).isEqualTo(AcGeMatrix3d::kIdentity));
  EXPECT_TRUE((inv * m).isEqualTo(AcGeMatrix3d::kIdentity));
  const AcGePoint3d p(3, -8, 12.5);
  EXPECT_TRUE((inv * (m * p)).isEqualTo(p, AcGeTol(1e-9, 1e-12)));
  EXPECT_NEAR(m.det(), 2.5 * 2.5 * 2.5, 1e-12);
  EXPECT_NEAR(m.scale(), 2.5, 1e-14);

  // preMultBy and postMultBy order.
  const AcGeMatrix3d t = AcGeMatrix3d::translation(AcGeVector3d(1, 0, 0));
  const AcGeMatrix3d r = AcGeMatrix3d::rotation(kPi / 2, AcGeVector3d::kZAxis);
  AcGeMatrix3d a = r, b = r;
  a.preMultBy(t);   // t * r: rotate, then move
  b.postMultBy(t);  // r * t: move, then rotate
  EXPECT_TRUE((a * AcGePoint3d(1, 0, 0)).isEqualTo(AcGePoint3d(1, 1, 0)));
  EXPECT_TRUE((b * AcGePoint3d(1, 0, 0)).isEqualTo(AcGePoint3d(0, 2, 0)));
  // Vectors ignore the translation.
  EXPECT_TRUE((a * AcGeVector3d(1, 0, 0)).isEqualTo(AcGeVector3d(0, 1, 0)));

  // A singular matrix: the throwing forms throw, the reporting form says false.
  AcGeMatrix3d flat = AcGeMatrix3d::kIdentity;
  flat.entry[2][2] = 0.0;
  EXPECT_TRUE(flat.isSingular());
  AcGeMatrix3d out;
  EXPECT_FALSE(flat.inverse(out, 1e-12));
  EXPECT_THROW(flat.inverse(), Acad::ErrorStatus);
  EXPECT_THROW(flat.invert(), Acad::ErrorStatus);
  EXPECT_FALSE(m.isSingular());

  // A matrix needing row exchanges inverts too.
  AcGeMatrix3d perm;
  perm.entry[0][0] = 0; perm.entry[0][1] = 1;
  perm.entry[1][0] = 1; perm.entry[1][1] = 0;
  EXPECT_TRUE((perm * perm.inverse()).isEqualTo(AcGeMatrix3d::kIdentity));
  EXPECT_NEAR(perm.det(), -1.0, 1e-15);
  EXPECT_TRUE(perm.transpose().isEqualTo(perm));
}

TEST(AcGeMatrix3d, OrthogonalityTests) {
  EXPECT_TRUE(sampleMatrix().isUniScaledOrtho());
  EXPECT_TRUE(AcGeMatrix3d::mirroring(AcGePlane(AcGePoint3d(1, 2, 3), AcGeVector3d(1, 1, 0))).isUniScaledOrtho());
  AcGeMatrix3d stretch;
  stretch.entry[0][0] = 2.0;
  EXPECT_FALSE(stretch.isUniScaledOrtho());
  EXPECT_TRUE(stretch.isScaledOrtho());
  AcGeMatrix3d shear;
  shear.entry[0][1] = 0.5;
  EXPECT_FALSE(shear.isScaledOrtho());
  AcGeMatrix3d projective;
  projective.entry[3][0] = 0.1;
  EXPECT_FALSE(projective.isUniScaledOrtho());
}

TEST(AcGeMatrix3d, MirroringRotationAndScaling) {
  const AcGePlane yz(AcGePoint3d(2, 0, 0), AcGeVector3d(1, 0, 0));
  EXPECT_TRUE((AcGeMatrix3d::mirroring(yz) * AcGePoint3d(5, 1, 1)).isEqualTo(AcGePoint3d(-1, 1, 1)));
  EXPECT_NEAR(AcGeMatrix3d::mirroring(yz).det(), -1.0, 1e-15);
  EXPECT_TRUE((AcGeMatrix3d::mirroring(AcGePoint3d(1, 1, 1)) * AcGePoint3d(2, 3, 4)).isEqualTo(AcGePoint3d(0, -1, -2)));
  const AcGeLine3d axis(AcGePoint3d(0, 1, 0), AcGeVector3d(0, 0, 1));
  EXPECT_TRUE((AcGeMatrix3d::mirroring(axis) * AcGePoint3d(1, 1, 5)).isEqualTo(AcGePoint3d(-1, 1, 5)));
  EXPECT_TRUE((AcGeMatrix3d::rotation(kPi, AcGeVector3d::kZAxis, AcGePoint3d(1, 1, 0)) * AcGePoint3d(2, 1, 3))
                  .isEqualTo(AcGePoint3d(0, 1, 3)));
  EXPECT_TRUE((AcGeMatrix3d::scaling(3.0, AcGePoint3d(1, 1, 1)) * AcGePoint3d(2, 1, 1)).isEqualTo(AcGePoint3d(4, 1, 1)));
  // A zero axis gives no rotation.
  EXPECT_TRUE(AcGeMatrix3d::rotation(1.0, AcGeVector3d()).isEqualTo(AcGeMatrix3d::kIdentity));
}

TEST(AcGeMatrix3d, CoordinateSystems) {
  const AcGePoint3d o(5, 6, 7);
  const AcGeVector3d x(0, 1, 0), y(-1, 0, 0), z(0, 0, 1);
  AcGeMatrix3d cs;
  cs.setCoordSystem(o, x, y, z);
  EXPECT_TRUE((cs * AcGePoint3d(1, 2, 3)).isEqualTo(AcGePoint3d(3, 7, 10)));
  AcGePoint3d go;
  AcGeVector3d gx, gy, gz;
  cs.getCoordSystem(go, gx, gy, gz);
  EXPECT_TRUE(go.isEqualTo(o));
  EXPECT_TRUE(gx.isEqualTo(x) && gy.isEqualTo(y) && gz.isEqualTo(z));
  EXPECT_TRUE(cs.translation().isEqualTo(o.asVector()));

  // alignCoordSys carries one system onto the other: its origin and axes map across.
  const AcGePoint3d o2(-1, 2, 0);
  const AcGeVector3d x2 = AcGeVector3d(1, 1, 0).normal(), y2 = AcGeVector3d(-1, 1, 0).normal(), z2(0, 0, 1);
  const AcGeMatrix3d al = AcGeMatrix3d::alignCoordSys(o, x, y, z, o2, x2, y2, z2);
  EXPECT_TRUE((al * o).isEqualTo(o2));
  EXPECT_TRUE((al * (o + x * 3.0)).isEqualTo(o2 + x2 * 3.0, AcGeTol(1e-9, 1e-12)));
  EXPECT_TRUE((al * y).isEqualTo(y2));
}

TEST(AcGeMatrix3d, ArbitraryAxisEntitySystems) {
  // Normal +Z: the world system.
  EXPECT_TRUE(AcGeMatrix3d::planeToWorld(AcGeVector3d::kZAxis).isEqualTo(AcGeMatrix3d::kIdentity));
  // Normal -Z (a mirrored entity): X becomes -X, Y stays.
  const AcGeMatrix3d down = AcGeMatrix3d::planeToWorld(AcGeVector3d(0, 0, -1));
  EXPECT_TRUE((down * AcGeVector3d::kXAxis).isEqualTo(AcGeVector3d(-1, 0, 0)));
  EXPECT_TRUE((down * AcGeVector3d::kYAxis).isEqualTo(AcGeVector3d(0, 1, 0)));
  // Normal +X: the X axis is Z x N = +Y and the Y axis +Z.
  const AcGeMatrix3d side = AcGeMatrix3d::planeToWorld(AcGeVector3d(2, 0, 0));
  EXPECT_TRUE((side * AcGeVector3d::kXAxis).isEqualTo(AcGeVector3d(0, 1, 0)));
  EXPECT_TRUE((side * AcGeVector3d::kYAxis).isEqualTo(AcGeVector3d(0, 0, 1)));
  // Just inside the 1/64 cone the world Y axis is used, just outside the world Z axis.
  const AcGeVector3d inside(0.015, 0.0, 1.0), outside(0.016, 0.0, 1.0);
  const AcGeVector3d xin = AcGeMatrix3d::planeToWorld(inside) * AcGeVector3d::kXAxis;
  const AcGeVector3d xout = AcGeMatrix3d::planeToWorld(outside) * AcGeVector3d::kXAxis;
  EXPECT_TRUE(xin.isEqualTo(AcGeVector3d::kYAxis.crossProduct(inside).normal()));
  EXPECT_TRUE(xout.isEqualTo(AcGeVector3d::kZAxis.crossProduct(outside).normal()));
  // worldToPlane undoes planeToWorld; the entity Z axis is the normal.
  const AcGeVector3d n(0.3, -0.4, 0.5);
  const AcGeMatrix3d p2w = AcGeMatrix3d::planeToWorld(n), w2p = AcGeMatrix3d::worldToPlane(n);
  EXPECT_TRUE((p2w * w2p).isEqualTo(AcGeMatrix3d::kIdentity));
  EXPECT_TRUE((p2w * AcGeVector3d::kZAxis).isEqualTo(n.normal()));
  EXPECT_TRUE(p2w.isUniScaledOrtho());
  EXPECT_NEAR(p2w.det(), 1.0, 1e-14);  // right-handed
  // With a plane, its origin is the system's origin.
  const AcGePlane plane(AcGePoint3d(1, 2, 3), n);
  EXPECT_TRUE((AcGeMatrix3d::planeToWorld(plane) * AcGePoint3d::kOrigin).isEqualTo(AcGePoint3d(1, 2, 3)));
  EXPECT_TRUE((AcGeMatrix3d::worldToPlane(plane) * AcGePoint3d(1, 2, 3)).isEqualTo(AcGePoint3d::kOrigin));
}

TEST(AcGeMatrix2d, TransformsAndInverse) {
  const AcGeMatrix2d r = AcGeMatrix2d::rotation(kPi / 2, AcGePoint2d(1, 0));
  EXPECT_TRUE((r * AcGePoint2d(2, 0)).isEqualTo(AcGePoint2d(1, 1)));
  EXPECT_TRUE((r * r.inverse()).isEqualTo(AcGeMatrix2d::kIdentity));
  const AcGeMatrix2d m = AcGeMatrix2d::mirroring(AcGeLine2d(AcGePoint2d(0, 1), AcGeVector2d(1, 0)));
  EXPECT_TRUE((m * AcGePoint2d(3, 3)).isEqualTo(AcGePoint2d(3, -1)));
  EXPECT_NEAR(m.det(), -1.0, 1e-15);
  EXPECT_TRUE((AcGeMatrix2d::scaling(2.0, AcGePoint2d(1, 1)) * AcGePoint2d(2, 2)).isEqualTo(AcGePoint2d(3, 3)));
  AcGeMatrix2d singular;
  singular.entry[1][1] = 0.0;
  EXPECT_THROW(singular.inverse(), Acad::ErrorStatus);
}

}  // namespace
