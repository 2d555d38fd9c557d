// Regions from curves: loops found in loose pieces, areas with arcs,
// self-touching outlines, mass properties and boolean operations.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "arx/entities/AcDbArc.h"
#include "arx/entities/AcDbCircle.h"
#include "arx/entities/AcDbLine.h"
#include "arx/entities/AcDbPolyline.h"
#include "arx/entities/AcDbRegion.h"
#include "arx/ge/AcDbExtents.h"
#include "arx/ge/AcGeMatrix3d.h"
#include "arx/ge/AcGePlane.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

// Owns the curves and the regions of one test.
struct Bag {
  AcDbVoidPtrArray curves, regions;
  ~Bag() {
    for (void* p : curves) delete static_cast<AcDbEntity*>(p);
    for (void* p : regions) delete static_cast<AcDbEntity*>(p);
  }
  void line(double x0, double y0, double x1, double y1) {
    curves.append(new AcDbLine(AcGePoint3d(x0, y0, 0), AcGePoint3d(x1, y1, 0)));
  }
  AcDbRegion* region(int i) { return static_cast<AcDbRegion*>(regions[i]); }
};

AcDbPolyline* rectangle(double x0, double y0, double x1, double y1) {
  auto* p = new AcDbPolyline();
  p->addVertexAt(0, AcGePoint2d(x0, y0));
  p->addVertexAt(1, AcGePoint2d(x1, y0));
  p->addVertexAt(2, AcGePoint2d(x1, y1));
  p->addVertexAt(3, AcGePoint2d(x0, y1));
  p->setClosed(true);
  return p;
}

double areaOf(AcDbRegion* r) {
  double a = -1.0;
  EXPECT_EQ(r->getArea(a), Acad::eOk);
  return a;
}

}  // namespace

TEST(AnnotationRegion, LoopsFromCurves) {
  {
    // Four lines in scrambled order and direction, plus a dangling line.
    Bag bag;
    bag.line(0, 0, 4, 0);
    bag.line(0, 3, 4, 3);
    bag.line(4, 3, 4, 0);
    bag.line(0, 0, 0, 3);
    bag.line(10, 10, 11, 11);
    ASSERT_EQ(AcDbRegion::createFromCurves(bag.curves, bag.regions), Acad::eOk);
    ASSERT_EQ(bag.regions.length(), 1);
    EXPECT_NEAR(areaOf(bag.region(0)), 12.0, 1e-12);
    double perimeter = 0.0;
    bag.region(0)->getPerimeter(perimeter);
    EXPECT_NEAR(perimeter, 14.0, 1e-12);
  }
  {
    // A half disc: a diameter closed by an arc; and a full circle.
    Bag bag;
    bag.line(-2, 0, 2, 0);
    bag.curves.append(new AcDbArc(AcGePoint3d(0, 0, 0), 2.0, 0.0, kPi));
    bag.curves.append(new AcDbCircle(AcGePoint3d(10, 0, 0), AcGeVector3d::kZAxis, 1.0));
    ASSERT_EQ(AcDbRegion::createFromCurves(bag.curves, bag.regions), Acad::eOk);
    ASSERT_EQ(bag.regions.length(), 2);
    EXPECT_NEAR(areaOf(bag.region(0)) + areaOf(bag.region(1)), 2.0 * kPi + kPi, 1e-9);
  }
  {
    // A closed polyline with a bulge: a 4 × 2 rectangle with a half-disc bay on its right side.
    Bag bag;
    auto* p = rectangle(0, 0, 4, 2);
    p->setBulgeAt(1, 1.0);
    bag.curves.append(p);
    ASSERT_EQ(AcDbRegion::createFromCurves(bag.curves, bag.regions), Acad::eOk);
    ASSERT_EQ(bag.regions.length(), 1);
    EXPECT_NEAR(areaOf(bag.region(0)), 8.0 + kPi / 2, 1e-9);
    // Exploded back into three lines and the arc.
    AcDbVoidPtrArray parts;
    ASSERT_EQ(bag.region(0)->explode(parts), Acad::eOk);
    EXPECT_EQ(parts.length(), 4);
    int arcs = 0;
    for (void* q : parts) {
      if (AcDbArc::cast(static_cast<AcDbEntity*>(q))) ++arcs;
      delete static_cast<AcDbEntity*>(q);
    }
    EXPECT_EQ(arcs, 1);
  }
  {
    // A figure eight touching itself at one point: as one polyline it is
    // refused; as loose pieces it makes two regions.
    Bag bag;
    auto* eight = new AcDbPolyline();
    const double xs[] = {0, 2, 2, 4, 4, 2, 2, 0};
    const double ys[] = {0, 0, 1, 1, 2, 2, 1, 1};
    for (int i = 0; i < 8; ++i) eight->addVertexAt(i, AcGePoint2d(xs[i], ys[i]));
    eight->setClosed(true);
    bag.curves.append(eight);
    EXPECT_EQ(AcDbRegion::createFromCurves(bag.curves, bag.regions), Acad::eInvalidInput);
    EXPECT_EQ(bag.regions.length(), 0);
    Bag pieces;
    ASSERT_EQ(eight->explode(pieces.curves), Acad::eOk);
    ASSERT_EQ(AcDbRegion::createFromCurves(pieces.curves, pieces.regions), Acad::eOk);
    ASSERT_EQ(pieces.regions.length(), 2);
    EXPECT_NEAR(areaOf(pieces.region(0)), 2.0, 1e-12);
    EXPECT_NEAR(areaOf(pieces.region(1)), 2.0, 1e-12);
  }
  {
    // Nothing closes; a curve out of plane; no curves at all.
    Bag bag;
    bag.line(0, 0, 1, 0);
    bag.line(1, 0, 1, 1);
    EXPECT_EQ(AcDbRegion::createFromCurves(bag.curves, bag.regions), Acad::eInvalidInput);
    bag.line(1, 1, 0, 0);
    bag.curves.append(new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(0, 0, 5)));
    EXPECT_EQ(AcDbRegion::createFromCurves(bag.curves, bag.regions), Acad::eInvalidPlane);
    AcDbVoidPtrArray none;
    EXPECT_EQ(AcDbRegion::createFromCurves(none, bag.regions), Acad::eInvalidInput);
  }
}

TEST(AnnotationRegion, MassPropertiesAndTransform) {
  Bag bag;
  bag.curves.append(rectangle(1, 1, 5, 3));
  ASSERT_EQ(AcDbRegion::createFromCurves(bag.curves, bag.regions), Acad::eOk);
  AcDbRegion* r = bag.region(0);
  double perimeter, area, mom[2], prod, prin[2], gyr[2];
  AcGePoint2d centroid, lo, hi;
  AcGeVector2d axes[2];
  ASSERT_EQ(r->getAreaProp(AcGePoint3d::kOrigin, AcGeVector3d::kXAxis, AcGeVector3d::kYAxis, perimeter, area, centroid,
                           mom, prod, prin, axes, gyr, lo, hi),
            Acad::eOk);
  EXPECT_NEAR(area, 8.0, 1e-12);
  EXPECT_NEAR(perimeter, 12.0, 1e-12);
  EXPECT_NEAR(centroid.x, 3.0, 1e-12);
  EXPECT_NEAR(centroid.y, 2.0, 1e-12);
  // About the x axis: ∫y² dA = 4 · (27 - 1) / 3.
  EXPECT_NEAR(mom[0], 4.0 * 26.0 / 3.0, 1e-9);
  EXPECT_NEAR(prod, 8.0 * 3.0 * 2.0, 1e-9);
  // About the centroid: b h³ / 12 with b = 4, h = 2, and h b³ / 12.
  EXPECT_NEAR(prin[0], 4.0 * 8.0 / 12.0, 1e-9);
  EXPECT_NEAR(prin[1], 2.0 * 64.0 / 12.0, 1e-9);
  EXPECT_NEAR(std::fabs(axes[0].x), 1.0, 1e-9);
  EXPECT_TRUE(lo.isEqualTo(AcGePoint2d(1, 1)) && hi.isEqualTo(AcGePoint2d(5, 3)));
  // Axes outside the plane are refused.
  EXPECT_EQ(r->getAreaProp(AcGePoint3d::kOrigin, AcGeVector3d::kXAxis, AcGeVector3d::kZAxis, perimeter, area, centroid,
                           mom, prod, prin, axes, gyr, lo, hi),
            Acad::eInvalidInput);

  // A circle's centroid and area after a move, a scale and a mirror.
  Bag disc;
  disc.curves.append(new AcDbCircle(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, 1.0));
  ASSERT_EQ(AcDbRegion::createFromCurves(disc.curves, disc.regions), Acad::eOk);
  AcDbRegion* d = disc.region(0);
  ASSERT_EQ(d->transformBy(AcGeMatrix3d::scaling(2.0) * AcGeMatrix3d::translation(AcGeVector3d(3, 0, 0))), Acad::eOk);
  ASSERT_EQ(d->transformBy(AcGeMatrix3d::mirroring(AcGePlane(AcGePoint3d::kOrigin, AcGeVector3d::kYAxis))), Acad::eOk);
  EXPECT_NEAR(areaOf(d), 4.0 * kPi, 1e-9);
  ASSERT_EQ(d->getAreaProp(AcGePoint3d::kOrigin, AcGeVector3d::kXAxis, AcGeVector3d::kYAxis, perimeter, area, centroid,
                           mom, prod, prin, axes, gyr, lo, hi),
            Acad::eOk);
  EXPECT_NEAR(centroid.x, 6.0, 1e-9);
  EXPECT_NEAR(centroid.y, 0.0, 1e-9);
  EXPECT_NEAR(prin[0], kPi * 16.0 / 4.0, 1e-9);  // π r⁴ / 4
  AcDbExtents ext;
  ASSERT_EQ(d->getGeomExtents(ext), Acad::eOk);
  EXPECT_NEAR(ext.minPoint().x, 4.0, 1e-9);
  EXPECT_NEAR(ext.maxPoint().y, 2.0, 1e-9);
  AcGeMatrix3d stretch;
  stretch(0, 0) = 2.0;
  EXPECT_EQ(d->transformBy(stretch), Acad::eCannotScaleNonUniformly);
}

TEST(AnnotationRegion, BooleanOperations) {
  auto make = [](AcDbEntity* curve) {
    AcDbVoidPtrArray curves, regions;
    curves.append(curve);
    EXPECT_EQ(AcDbRegion::createFromCurves(curves, regions), Acad::eOk);
    delete curve;
    return std::unique_ptr<AcDbRegion>(static_cast<AcDbRegion*>(regions[0]));
  };
  // Two overlapping squares.
  {
    auto a = make(rectangle(0, 0, 2, 2));
    auto b = make(rectangle(1, 1, 3, 3));
    ASSERT_EQ(a->booleanOper(AcDb::kBoolUnite, b.get()), Acad::eOk);
    EXPECT_NEAR(areaOf(a.get()), 7.0, 1e-9);
    EXPECT_TRUE(b->isNull());
    EXPECT_EQ(a->vhostNumLoops(), 1);
  }
  {
    auto a = make(rectangle(0, 0, 2, 2));
    auto b = make(rectangle(1, 1, 3, 3));
    ASSERT_EQ(a->booleanOper(AcDb::kBoolIntersect, b.get()), Acad::eOk);
    EXPECT_NEAR(areaOf(a.get()), 1.0, 1e-9);
  }
  {
    auto a = make(rectangle(0, 0, 2, 2));
    auto b = make(rectangle(1, 1, 3, 3));
    ASSERT_EQ(a->booleanOper(AcDb::kBoolSubtract, b.get()), Acad::eOk);
    EXPECT_NEAR(areaOf(a.get()), 3.0, 1e-9);
  }
  // A hole: subtracting a disc inside a square leaves two loops.
  {
    auto a = make(rectangle(0, 0, 4, 4));
    auto b = make(new AcDbCircle(AcGePoint3d(2, 2, 0), AcGeVector3d::kZAxis, 1.0));
    ASSERT_EQ(a->booleanOper(AcDb::kBoolSubtract, b.get()), Acad::eOk);
    EXPECT_NEAR(areaOf(a.get()), 16.0 - kPi, 1e-9);
    ASSERT_EQ(a->vhostNumLoops(), 2);
    AcGePoint3dArray v;
    AcGeDoubleArray bl;
    bool holes[2];
    a->vhostGetLoopAt(0, v, bl, holes[0]);
    a->vhostGetLoopAt(1, v, bl, holes[1]);
    EXPECT_NE(holes[0], holes[1]);
  }
  // Squares sharing an edge unite into one rectangle; disjoint ones intersect to nothing.
  {
    auto a = make(rectangle(0, 0, 2, 2));
    auto b = make(rectangle(2, 0, 4, 2));
    ASSERT_EQ(a->booleanOper(AcDb::kBoolUnite, b.get()), Acad::eOk);
    EXPECT_NEAR(areaOf(a.get()), 8.0, 1e-9);
    EXPECT_EQ(a->vhostNumLoops(), 1);
    double perimeter = 0.0;
    a->getPerimeter(perimeter);
    EXPECT_NEAR(perimeter, 12.0, 1e-9);
    auto c = make(rectangle(10, 10, 11, 11));
    ASSERT_EQ(a->booleanOper(AcDb::kBoolIntersect, c.get()), Acad::eOk);
    EXPECT_TRUE(a->isNull());
  }
  // A lens: two discs overlapping.
  {
    auto a = make(new AcDbCircle(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, 1.0));
    auto b = make(new AcDbCircle(AcGePoint3d(1, 0, 0), AcGeVector3d::kZAxis, 1.0));
    ASSERT_EQ(a->booleanOper(AcDb::kBoolIntersect, b.get()), Acad::eOk);
    EXPECT_NEAR(areaOf(a.get()), 2.0 * kPi / 3.0 - std::sqrt(3.0) / 2.0, 1e-9);
  }
  // Another plane is refused.
  {
    auto a = make(rectangle(0, 0, 2, 2));
    auto b = make(rectangle(0, 0, 2, 2));
    b->transformBy(AcGeMatrix3d::translation(AcGeVector3d(0, 0, 1)));
    EXPECT_EQ(a->booleanOper(AcDb::kBoolUnite, b.get()), Acad::eInvalidPlane);
    EXPECT_NEAR(areaOf(a.get()), 4.0, 1e-12);
  }
}
