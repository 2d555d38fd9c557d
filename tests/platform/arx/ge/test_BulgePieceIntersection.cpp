#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "arx/ge/AcGe.h"

using VeskGe::BulgePiece;
using VeskGe::PieceIntersection;

namespace {

const double kPi = 3.14159265358979323846;

AcGePoint3d P(double x, double y) { return AcGePoint3d(x, y, 0.0); }

// Point i of a result, for brevity.
bool hasPoint(const PieceIntersection& r, const AcGePoint3d& p, double tol = 1e-12) {
  for (int i = 0; i < r.numPoints; ++i)
    if (r.points[i].distanceTo(p) <= tol) return true;
  return false;
}

TEST(PieceIntersection, StraightPieces) {
  const BulgePiece a(P(0, 0), P(10, 0), 0.0);
  PieceIntersection r = a.intersectWith(BulgePiece(P(3, -2), P(3, 6), 0.0));
  ASSERT_EQ(r.numPoints, 1);
  EXPECT_TRUE(r.points[0].isEqualTo(P(3, 0)));
  EXPECT_NEAR(r.fractionsOnFirst[0], 0.3, 1e-15);
  EXPECT_NEAR(r.fractionsOnSecond[0], 0.25, 1e-15);
  EXPECT_FALSE(r.hasOverlap());

  // Touching end to end at an angle: exactly the shared vertex, fractions 1 and 0.
  const AcGePoint3d v(10, 0, 0);
  r = a.intersectWith(BulgePiece(v, P(13.3, 7.1), 0.0));
  ASSERT_EQ(r.numPoints, 1);
  EXPECT_EQ(r.points[0].x, 10.0);
  EXPECT_EQ(r.points[0].y, 0.0);
  EXPECT_EQ(r.fractionsOnFirst[0], 1.0);
  EXPECT_EQ(r.fractionsOnSecond[0], 0.0);

  // A T: the other's end point on this piece's inside, returned exactly.
  const AcGePoint3d foot(4.1, 1e-11, 0);
  r = a.intersectWith(BulgePiece(foot, P(4.1, 5), 0.0));
  ASSERT_EQ(r.numPoints, 1);
  EXPECT_EQ(r.points[0].y, 1e-11);
  EXPECT_EQ(r.fractionsOnSecond[0], 0.0);
  // Stopping 1e-9 short is no contact under the default tolerance, a contact under a coarse one.
  const BulgePiece shortOf(P(4.1, 1e-9), P(4.1, 5), 0.0);
  EXPECT_TRUE(a.intersectWith(shortOf).isEmpty());
  EXPECT_EQ(a.intersectWith(shortOf, AcGeTol(1e-8, 1e-12)).numPoints, 1);

  // Parallel, apart: nothing.
  EXPECT_TRUE(a.intersectWith(BulgePiece(P(0, 1), P(10, 1), 0.0)).isEmpty());
  // Crossing beyond the ends of one: nothing.
  EXPECT_TRUE(a.intersectWith(BulgePiece(P(11, -1), P(11, 1), 0.0)).isEmpty());
  // Crossing at a very small angle keeps the point on both.
  const BulgePiece shallow(P(-5, -5e-9), P(15, 15e-9), 0.0);
  r = a.intersectWith(shallow);
  ASSERT_EQ(r.numPoints, 1);
  EXPECT_NEAR(r.points[0].x, 0.0, 1e-6);
  EXPECT_LE(a.distanceTo(r.points[0]), 1e-10);
  EXPECT_LE(shallow.distanceTo(r.points[0]), 1e-10);
}

TEST(PieceIntersection, CollinearOverlaps) {
  const BulgePiece a(P(0, 0), P(10, 0), 0.0);
  // Same direction, partial: the shared part runs from the other's start to this end.
  PieceIntersection r = a.intersectWith(BulgePiece(P(6, 0), P(14, 0), 0.0));
  ASSERT_EQ(r.numOverlaps, 1);
  EXPECT_EQ(r.numPoints, 0);
  EXPECT_EQ(r.overlaps[0].start2d().x, 6.0);
  EXPECT_EQ(r.overlaps[0].end2d().x, 10.0);
  EXPECT_TRUE(r.overlaps[0].isLine());
  // Opposite direction: still oriented as the first piece.
  r = a.intersectWith(BulgePiece(P(8, 0), P(-3, 0), 0.0));
  ASSERT_EQ(r.numOverlaps, 1);
  EXPECT_EQ(r.overlaps[0].start2d().x, 0.0);
  EXPECT_EQ(r.overlaps[0].end2d().x, 8.0);
  // Contained.
  r = BulgePiece(P(2, 0), P(3, 0), 0.0).intersectWith(a);
  ASSERT_EQ(r.numOverlaps, 1);
  EXPECT_EQ(r.overlaps[0].start2d().x, 2.0);
  EXPECT_EQ(r.overlaps[0].end2d().x, 3.0);
  // Collinear, sharing only an end point: a point, no overlap.
  r = a.intersectWith(BulgePiece(P(10, 0), P(20, 0), 0.0));
  EXPECT_EQ(r.numOverlaps, 0);
  ASSERT_EQ(r.numPoints, 1);
  EXPECT_EQ(r.points[0].x, 10.0);
  // Collinear and apart.
  EXPECT_TRUE(a.intersectWith(BulgePiece(P(11, 0), P(20, 0), 0.0)).isEmpty());
  // Nearly collinear within a coarse tolerance.
  r = a.intersectWith(BulgePiece(P(5, 0.004), P(20, 0.004), 0.0), AcGeTol(0.01, 1e-12));
  ASSERT_EQ(r.numOverlaps, 1);
  EXPECT_EQ(r.overlaps[0].start2d().y, 0.004);
  EXPECT_EQ(r.overlaps[0].end2d().x, 10.0);
  // A bulge below the straight threshold is a straight piece.
  EXPECT_EQ(a.intersectWith(BulgePiece(P(1, 0), P(2, 0), 1e-11)).numOverlaps, 1);
}

TEST(PieceIntersection, LineAndArc) {
  // Upper half circle of radius 5 about the origin, clockwise from (-5,0) to (5,0).
  const BulgePiece top(P(-5, 0), P(5, 0), -1.0);
  PieceIntersection r = top.intersectWith(BulgePiece(P(-10, 3), P(10, 3), 0.0));
  ASSERT_EQ(r.numPoints, 2);
  EXPECT_TRUE(r.points[0].isEqualTo(P(-4, 3)));  // ordered along the first piece
  EXPECT_TRUE(r.points[1].isEqualTo(P(4, 3)));
  EXPECT_LT(r.fractionsOnFirst[0], r.fractionsOnFirst[1]);
  EXPECT_NEAR(r.fractionsOnSecond[0], 0.3, 1e-14);
  // The lower crossing of the full circle is not on this arc.
  r = top.intersectWith(BulgePiece(P(3, -10), P(3, 10), 0.0));
  ASSERT_EQ(r.numPoints, 1);
  EXPECT_TRUE(r.points[0].isEqualTo(P(3, 4)));

  // Tangent at the top: one point, also when the line is off by half the tolerance.
  for (double off : {0.0, 5e-11, -5e-11}) {
    r = top.intersectWith(BulgePiece(P(-7, 5 + off), P(9, 5 + off), 0.0));
    ASSERT_EQ(r.numPoints, 1) << off;
    EXPECT_NEAR(r.points[0].x, 0.0, 1e-4);
    EXPECT_LE(top.distanceTo(r.points[0]), 1e-10);
  }
  // A micron inside: two real crossings about 3.2e-3 apart; a micron outside: none.
  r = top.intersectWith(BulgePiece(P(-7, 5 - 1e-6), P(9, 5 - 1e-6), 0.0));
  ASSERT_EQ(r.numPoints, 2);
  EXPECT_NEAR(r.points[1].x - r.points[0].x, 2 * std::sqrt(1e-5 - 1e-12), 1e-9);
  EXPECT_TRUE(top.intersectWith(BulgePiece(P(-7, 5 + 1e-6), P(9, 5 + 1e-6), 0.0)).isEmpty());

  // A line ending on the arc, and one starting at the arc's end point.
  r = top.intersectWith(BulgePiece(P(0, 0), P(3, 4), 0.0));
  ASSERT_EQ(r.numPoints, 1);
  EXPECT_EQ(r.points[0].x, 3.0);
  EXPECT_EQ(r.fractionsOnSecond[0], 1.0);
  r = top.intersectWith(BulgePiece(P(5, 0), P(8, -1), 0.0));
  ASSERT_EQ(r.numPoints, 1);
  EXPECT_EQ(r.points[0].x, 5.0);
  EXPECT_EQ(r.fractionsOnFirst[0], 1.0);
  // The chord of the arc meets it at both ends exactly.
  r = top.intersectWith(BulgePiece(P(5, 0), P(-5, 0), 0.0));
  ASSERT_EQ(r.numPoints, 2);
  EXPECT_EQ(r.points[0].x, -5.0);
  EXPECT_EQ(r.points[1].x, 5.0);
  // A tangent line ending at the tangent point: one contact, the line's end point.
  r = top.intersectWith(BulgePiece(P(-3, 5), P(0, 5), 0.0));
  ASSERT_EQ(r.numPoints, 1);
  EXPECT_EQ(r.points[0].x, 0.0);
}

TEST(PieceIntersection, NearlyStraightArcs) {
  // Bulge 1e-8 over a chord of 100 (sagitta 5e-7, below the chord).
  const BulgePiece flat(P(-50, 0), P(50, 0), 1e-8);
  PieceIntersection r = flat.intersectWith(BulgePiece(P(25, -1), P(25, 1), 0.0));
  ASSERT_EQ(r.numPoints, 1);
  EXPECT_EQ(r.points[0].x, 25.0);
  EXPECT_NEAR(r.points[0].y, -3.75e-7, 1e-15);
  // Its chord meets it only at the two ends; the mirrored arc likewise (no false overlap).
  r = flat.intersectWith(BulgePiece(P(50, 0), P(-50, 0), 0.0));
  EXPECT_EQ(r.numOverlaps, 0);
  ASSERT_EQ(r.numPoints, 2);
  r = flat.intersectWith(BulgePiece(P(-50, 0), P(50, 0), -1e-8));
  EXPECT_EQ(r.numOverlaps, 0);
  ASSERT_EQ(r.numPoints, 2);
  EXPECT_EQ(r.points[0].x, -50.0);
  EXPECT_EQ(r.points[1].x, 50.0);
  // Two such arcs crossing each other.
  const BulgePiece other(P(-50, -1e-6), P(50, 1e-6), -2e-8);
  r = flat.intersectWith(other);
  for (int i = 0; i < r.numPoints; ++i) {
    EXPECT_LE(flat.distanceTo(r.points[i]), 1e-10);
    EXPECT_LE(other.distanceTo(r.points[i]), 1e-10);
  }
  EXPECT_GE(r.numPoints, 1);
  // Pieces of one nearly straight circle overlap.
  r = flat.intersectWith(flat.subPiece(0.9, 0.2));
  ASSERT_EQ(r.numOverlaps, 1);
  EXPECT_NEAR(r.overlaps[0].length(), 70.0, 1e-9);
  EXPECT_NEAR(r.overlaps[0].bulge(), std::tan(0.7 * std::atan(1e-8)), 1e-20);
}

TEST(PieceIntersection, ArcsCrossingAndTangent) {
  // Unit circles about (0,0) and (1,0) as pairs of half pieces.
  const BulgePiece upper0(P(1, 0), P(-1, 0), 1.0), upper1(P(2, 0), P(0, 0), 1.0);
  PieceIntersection r = upper0.intersectWith(upper1);
  ASSERT_EQ(r.numPoints, 1);
  EXPECT_TRUE(r.points[0].isEqualTo(P(0.5, std::sqrt(0.75))));
  // The upper half of one circle and the lower half of the other miss each other.
  EXPECT_TRUE(upper0.intersectWith(BulgePiece(P(0, 0), P(2, 0), 1.0)).isEmpty());
  // Circles about (0,0) and (2,0) touch at (1,0), where both pieces start: one point, exact.
  r = upper0.intersectWith(BulgePiece(P(1, 0), P(3, 0), 1.0));
  ASSERT_EQ(r.numPoints, 1);
  EXPECT_EQ(r.points[0].x, 1.0);
  EXPECT_EQ(r.points[0].y, 0.0);
  EXPECT_EQ(r.fractionsOnFirst[0], 0.0);
  EXPECT_EQ(r.fractionsOnSecond[0], 0.0);

  // External tangency at (1, 0) of circles about (0,0) and (3,0), radius 1 and 2,
  // with the contact inside both arcs.
  const BulgePiece right0(P(0, -1), P(0, 1), 1.0);   // right half of the unit circle
  const BulgePiece left3(P(3, 2), P(3, -2), 1.0);    // left half of the radius-2 circle
  r = right0.intersectWith(left3);
  ASSERT_EQ(r.numPoints, 1);
  EXPECT_TRUE(r.points[0].isEqualTo(P(1, 0), AcGeTol(1e-10, 1e-12)));
  // Internal tangency at (2, 0): unit circle about (1,0) inside the radius-2 circle about the origin.
  const BulgePiece inner(P(1, -1), P(1, 1), 1.0), outer(P(0, -2), P(0, 2), 1.0);
  r = inner.intersectWith(outer);
  ASSERT_EQ(r.numPoints, 1);
  EXPECT_TRUE(r.points[0].isEqualTo(P(2, 0), AcGeTol(1e-10, 1e-12)));
  r = outer.intersectWith(inner.reversed());
  ASSERT_EQ(r.numPoints, 1);
  // Moved apart by a micron: nothing; overlapping by a micron: two points.
  EXPECT_TRUE(right0.intersectWith(BulgePiece(P(3 + 1e-6, 2), P(3 + 1e-6, -2), 1.0)).isEmpty());
  EXPECT_EQ(right0.intersectWith(BulgePiece(P(3 - 1e-6, 2), P(3 - 1e-6, -2), 1.0)).numPoints, 2);
}

TEST(PieceIntersection, CoCircularArcs) {
  // Arcs of the unit circle by angles, counter-clockwise.
  auto arc = [](double a0, double a1) {
    const double b = std::tan((a1 - a0) / 4);
    return BulgePiece(P(std::cos(a0), std::sin(a0)), P(std::cos(a1), std::sin(a1)), b);
  };
  const BulgePiece a = arc(0, kPi);
  PieceIntersection r = a.intersectWith(arc(kPi / 2, 3 * kPi / 2));
  ASSERT_EQ(r.numOverlaps, 1);
  EXPECT_EQ(r.numPoints, 0);
  EXPECT_TRUE(r.overlaps[0].startPoint().isEqualTo(P(0, 1)));
  EXPECT_EQ(r.overlaps[0].end2d().x, a.end2d().x);
  EXPECT_NEAR(r.overlaps[0].bulge(), std::tan(kPi / 8), 1e-14);
  // The other walked clockwise: the same stretch, oriented as the first piece.
  r = a.intersectWith(arc(kPi / 2, 3 * kPi / 2).reversed());
  ASSERT_EQ(r.numOverlaps, 1);
  EXPECT_TRUE(r.overlaps[0].startPoint().isEqualTo(P(0, 1)));
  EXPECT_GT(r.overlaps[0].bulge(), 0.0);
  // The first walked clockwise, the other counter-clockwise.
  r = a.reversed().intersectWith(arc(kPi / 2, 3 * kPi / 2));
  ASSERT_EQ(r.numOverlaps, 1);
  EXPECT_TRUE(r.overlaps[0].endPoint().isEqualTo(P(0, 1)));
  EXPECT_LT(r.overlaps[0].bulge(), 0.0);
  // Touching at one end only.
  r = a.intersectWith(arc(kPi, 1.5 * kPi));
  EXPECT_EQ(r.numOverlaps, 0);
  ASSERT_EQ(r.numPoints, 1);
  EXPECT_EQ(r.points[0].x, a.end2d().x);
  // Meeting at both ends (the two halves of the circle): two points, no overlap.
  r = a.intersectWith(arc(kPi, 2 * kPi));
  EXPECT_EQ(r.numOverlaps, 0);
  EXPECT_EQ(r.numPoints, 2);
  // Apart on the same circle.
  EXPECT_TRUE(a.intersectWith(arc(1.2 * kPi, 1.8 * kPi)).isEmpty());
  // Two three-quarter arcs covering each other's ends share two stretches.
  const BulgePiece big = arc(0, 1.5 * kPi);
  r = big.intersectWith(arc(kPi, 2.5 * kPi));
  ASSERT_EQ(r.numOverlaps, 2);
  EXPECT_EQ(r.numPoints, 0);
  EXPECT_EQ(r.overlaps[0].start2d().x, big.start2d().x);  // ordered along the first piece
  EXPECT_TRUE(r.overlaps[0].endPoint().isEqualTo(P(0, 1)));
  EXPECT_TRUE(r.overlaps[1].startPoint().isEqualTo(P(-1, 0)));
  EXPECT_NEAR(r.overlaps[0].length() + r.overlaps[1].length(), kPi, 1e-12);
}

TEST(PieceIntersection, DegeneratePieces) {
  const BulgePiece dot(P(3, 0), P(3, 0), 0.5);
  const BulgePiece a(P(0, 0), P(10, 0), 0.0);
  PieceIntersection r = a.intersectWith(dot);
  ASSERT_EQ(r.numPoints, 1);
  EXPECT_EQ(r.points[0].x, 3.0);
  r = dot.intersectWith(a);
  ASSERT_EQ(r.numPoints, 1);
  EXPECT_NEAR(r.fractionsOnSecond[0], 0.3, 1e-15);
  EXPECT_TRUE(a.intersectWith(BulgePiece(P(3, 1), P(3, 1), 0.0)).isEmpty());
  EXPECT_EQ(dot.intersectWith(dot).numPoints, 1);
  // A piece shorter than the tolerance is a point.
  EXPECT_EQ(a.intersectWith(BulgePiece(P(5, 0), P(5, 5e-11), 1.0)).numPoints, 1);
  // Elevation comes from the first piece.
  const BulgePiece high(AcGePoint3d(0, 5, 7), AcGePoint3d(10, -5, 7), 0.0);
  r = high.intersectWith(a);
  ASSERT_EQ(r.numPoints, 1);
  EXPECT_DOUBLE_EQ(r.points[0].z, 7.0);
}

TEST(PieceIntersection, ChainsMeetAtTheirJointsOnly) {
  // Consecutive pieces of random bulged outlines share exactly their joint vertex.
  std::mt19937 rng(7);
  std::uniform_real_distribution<double> coord(-1.0, 1.0), bulge(-0.9, 0.9);
  int checked = 0;
  for (int k = 0; k < 2000; ++k) {
    const AcGePoint3d p0(5000 + 50 * coord(rng), 3000 + 50 * coord(rng), 0);
    const AcGePoint3d p1(p0.x + 50 * coord(rng), p0.y + 50 * coord(rng), 0);
    const AcGePoint3d p2(p1.x + 50 * coord(rng), p1.y + 50 * coord(rng), 0);
    const BulgePiece a(p0, p1, k % 3 == 0 ? 0.0 : bulge(rng)), b(p1, p2, k % 4 == 0 ? 0.0 : bulge(rng));
    // Folding back onto itself would be a true second contact; skip those.
    if (a.endTangent().dotProduct(b.startTangent()) < -0.5) continue;
    const PieceIntersection r = a.intersectWith(b);
    if (r.numPoints != 1 || r.numOverlaps) {
      // A second crossing is possible for arcs; it must then be real.
      for (int i = 0; i < r.numPoints; ++i) {
        EXPECT_LE(a.distanceTo(r.points[i]), 1e-9);
        EXPECT_LE(b.distanceTo(r.points[i]), 1e-9);
      }
      ASSERT_TRUE(hasPoint(r, p1, 0.0)) << k;
      continue;
    }
    EXPECT_EQ(r.points[0].x, p1.x) << k;
    EXPECT_EQ(r.points[0].y, p1.y) << k;
    EXPECT_EQ(r.fractionsOnFirst[0], 1.0);
    EXPECT_EQ(r.fractionsOnSecond[0], 0.0);
    ++checked;
  }
  EXPECT_GT(checked, 1000);
}

TEST(PieceIntersection, SymmetricAndOnBothPieces) {
  // Random crossing, tangent-ish and touching pairs: the answer does not depend on
  // the order of the two pieces, and every point lies on both.
  std::mt19937 rng(11);
  std::uniform_real_distribution<double> u(0.0, 1.0);
  for (int k = 0; k < 3000; ++k) {
    const double cx = 8000 + 20 * u(rng), cy = 2000 + 20 * u(rng);
    const double len = 1 + 99 * u(rng), ang = 2 * kPi * u(rng);
    const BulgePiece a(P(cx, cy), P(cx + len * std::cos(ang), cy + len * std::sin(ang)),
                       k % 5 == 0 ? 0.0 : 3.0 * (u(rng) - 0.5));
    BulgePiece b;
    switch (k % 3) {
      case 0: {  // a random piece nearby
        const double x = cx + 40 * (u(rng) - 0.5), y = cy + 40 * (u(rng) - 0.5);
        b = BulgePiece(P(x, y), P(x + 60 * (u(rng) - 0.5), y + 60 * (u(rng) - 0.5)), 2.0 * (u(rng) - 0.5));
        break;
      }
      case 1: {  // a tangent line at a random point of a
        const AcGePoint3d t = a.pointAt(u(rng));
        const AcGeVector3d d = a.tangentAt(a.fractionOf(t));
        b = BulgePiece(t - d * (5 * u(rng) + 0.1), t + d * (5 * u(rng) + 0.1), 0.0);
        break;
      }
      default: {  // starting on a
        const AcGePoint3d t = a.pointAt(u(rng));
        b = BulgePiece(t, P(t.x + 30 * (u(rng) - 0.5), t.y + 30 * (u(rng) - 0.5)), 2.0 * (u(rng) - 0.5));
      }
    }
    const PieceIntersection ab = a.intersectWith(b), ba = b.intersectWith(a);
    ASSERT_EQ(ab.numPoints, ba.numPoints) << k;
    ASSERT_EQ(ab.numOverlaps, ba.numOverlaps) << k;
    for (int i = 0; i < ab.numPoints; ++i) {
      EXPECT_TRUE(hasPoint(ba, ab.points[i], 1e-9)) << k;
      EXPECT_LE(a.distanceTo(ab.points[i]), 1e-9) << k;
      EXPECT_LE(b.distanceTo(ab.points[i]), 1e-9) << k;
      EXPECT_TRUE(a.pointAt(ab.fractionsOnFirst[i]).isEqualTo(ab.points[i], AcGeTol(1e-8, 1e-12))) << k;
      EXPECT_TRUE(b.pointAt(ab.fractionsOnSecond[i]).isEqualTo(ab.points[i], AcGeTol(1e-8, 1e-12))) << k;
    }
    if (k % 3 == 1 && !a.isLine()) {
      EXPECT_GE(ab.numPoints, 1) << k;  // a tangent line touches
    }
  }
}

}  // namespace
