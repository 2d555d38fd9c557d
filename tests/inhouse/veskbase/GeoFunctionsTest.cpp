// Planar geometry on points and vertex lists with bulges.
#include <gtest/gtest.h>

#include <cmath>

#include "VeskBaseTestSupport.h"
#include "arx/ge/BulgePiece.h"
#include "veskbase/GeoFunctions.h"

namespace {

using vbtest::doubles;
using vbtest::points;
using namespace vesk::geo;

TEST(GeoReverseTest, ReversedBulgesDescribeTheSameOutlineBackwards) {
  // Open list, one bulge per vertex.
  AcGePoint3dArray v = points({{0, 0, 0}, {4, 0, 0}, {4, 4, 0}, {0, 4, 0}});
  AcGeDoubleArray b = doubles({0.5, -0.2, 0.3, 0.0});
  AcGeDoubleArray r = b;
  Reverse(r);
  ASSERT_EQ(r.length(), 4);
  EXPECT_EQ(r[0], -0.3);
  EXPECT_EQ(r[1], 0.2);
  EXPECT_EQ(r[2], -0.5);
  EXPECT_EQ(r[3], 0.0);
  AcGePoint3dArray rv = v;
  rv.reverse();
  for (int i = 0; i < 3; ++i) {
    const AcGePoint3d a = VeskGe::BulgePiece(rv[i], rv[i + 1], r[i]).midPoint();
    const AcGePoint3d o = VeskGe::BulgePiece(v[2 - i], v[3 - i], b[2 - i]).midPoint();
    EXPECT_NEAR(a.distanceTo(o), 0.0, 1e-12) << "piece " << i << " runs over the same arc";
  }
  EXPECT_NEAR(VeskGe::BulgePiece::outlineArea(rv, r), -VeskGe::BulgePiece::outlineArea(v, b), 1e-9);
  Reverse(r);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(r[i], b[i]) << "twice gives the original back";

  // Closed by a flag: the last bulge is the closing piece and stays one.
  AcGeDoubleArray closed = doubles({0.1, 0.2, 0.3});
  Reverse(closed);
  EXPECT_EQ(closed[0], -0.2);
  EXPECT_EQ(closed[1], -0.1);
  EXPECT_EQ(closed[2], -0.3);

  // Vertices and bulges together, also with one bulge per piece.
  AcGePoint3dArray v3 = points({{0, 0, 0}, {1, 0, 0}, {2, 0, 0}});
  AcGeDoubleArray pieces = doubles({0.1, 0.2});
  ASSERT_EQ(Reverse(v3, pieces), 1);
  EXPECT_EQ(v3[0].x, 2.0);
  ASSERT_EQ(pieces.length(), 2);
  EXPECT_EQ(pieces[0], -0.2);
  EXPECT_EQ(pieces[1], -0.1);
  AcGeDoubleArray wrong = doubles({1, 2, 3, 4});
  EXPECT_EQ(Reverse(v3, wrong), 0);
  EXPECT_EQ(v3[0].x, 2.0) << "a refused call changes nothing";
  AcGeDoubleArray empty;
  Reverse(empty);
  EXPECT_TRUE(empty.isEmpty());
}

TEST(GeoPointTest, MidpointsComparisonsAndSides) {
  AcGePoint3d m;
  ASSERT_EQ(GetMidPt(AcGePoint3d(0, 0, 2), AcGePoint3d(2, 0, 4), 1.0, m), 1);
  EXPECT_PT(m, 1, -1, 3);  // counter-clockwise half circle passes below
  ASSERT_EQ(GetMidPt(AcGePoint3d(0, 0, 0), AcGePoint3d(2, 0, 0), -1.0, m), 1);
  EXPECT_PT(m, 1, 1, 0);
  ASSERT_EQ(GetMidPt(AcGePoint3d(0, 0, 0), AcGePoint3d(2, 2, 0), 0.0, m), 1);
  EXPECT_PT(m, 1, 1, 0);
  EXPECT_EQ(GetMidPt(AcGePoint3d(NAN, 0, 0), AcGePoint3d(2, 2, 0), 0.5, m), 0);
  GetMidPt(AcGePoint3d(0, 0, 0), AcGePoint3d(2, 4, 6), m);
  EXPECT_PT(m, 1, 2, 3);

  EXPECT_EQ(G3PtCmp(AcGePoint3d(1, 1, 1), AcGePoint3d(1, 1, 1)), 1);
  EXPECT_EQ(G3PtCmp(AcGePoint3d(1, 1, 0), AcGePoint3d(1, 1, 1)), 0) << "Z counts";
  EXPECT_EQ(G3PtCmp(AcGePoint3d(0, 0, 0), AcGePoint3d(0, 0.5, 0), 1.0), 1);
  EXPECT_EQ(G3PtCmp(AcGePoint3d(0, 0, 0), AcGePoint3d(0, 0.5, 0), 0.1), 0);

  const AcGePoint3d a(0, 0, 0), b(10, 0, 0);
  EXPECT_EQ(IsOnLineSide(a, b, AcGePoint3d(5, 1, 0)), 1);
  EXPECT_EQ(IsOnLineSide(a, b, AcGePoint3d(5, -1, 0)), -1);
  EXPECT_EQ(IsOnLineSide(b, a, AcGePoint3d(5, 1, 0)), -1);
  EXPECT_EQ(IsOnLineSide(a, b, AcGePoint3d(20, 0, 0)), 0) << "the whole line, beyond its ends";
  EXPECT_EQ(IsOnLineSide(a, b, AcGePoint3d(5, 0.05, 0), 0.1), 0);
  EXPECT_EQ(IsOnLineSide(a, b, AcGePoint3d(5, 0.05, 0), 0.01), 1);
  EXPECT_EQ(IsOnLineSide(a, a, AcGePoint3d(5, 1, 0)), 0);
}

TEST(GeoAreaTest, PointsAgainstOutlinesWithArcs) {
  const AcGePoint3dArray square = points({{0, 0, 0}, {4, 0, 0}, {4, 4, 0}, {0, 4, 0}});
  EXPECT_EQ(IsPtInArea(AcGePoint3d(2, 2, 0), square), 3);
  EXPECT_EQ(IsPtInArea(AcGePoint3d(5, 2, 0), square), 1);
  EXPECT_EQ(IsPtInArea(AcGePoint3d(4, 2, 0), square), 2);
  EXPECT_EQ(IsPtInArea(AcGePoint3d(0, 0, 0), square), 2);
  EXPECT_EQ(IsPtInArea(AcGePoint3d(2, 4.05, 0), square, nullptr, 0.1), 2);
  EXPECT_EQ(IsPtInArea(AcGePoint3d(2, 2, 99), square), 3) << "Z plays no part";

  // The bottom side bulges out as a half circle, or bites in.
  const AcGeDoubleArray out = doubles({1, 0, 0, 0});
  EXPECT_EQ(IsPtInArea(AcGePoint3d(2, -1.5, 0), square, &out), 3);
  EXPECT_EQ(IsPtInArea(AcGePoint3d(2, -2.5, 0), square, &out), 1);
  EXPECT_EQ(IsPtInArea(AcGePoint3d(2, -2, 0), square, &out), 2);
  EXPECT_EQ(IsPtInArea(AcGePoint3d(3.9, 0.1, 0), square, &out), 3);
  const AcGeDoubleArray in = doubles({-1, 0, 0, 0});
  EXPECT_EQ(IsPtInArea(AcGePoint3d(2, 1.5, 0), square, &in), 1);
  EXPECT_EQ(IsPtInArea(AcGePoint3d(2, 2.5, 0), square, &in), 3);
  EXPECT_EQ(IsPtInArea(AcGePoint3d(2, -0.5, 0), square, &in), 1);

  // Clockwise, with the closing vertex repeated: the same region.
  const AcGePoint3dArray cw = points({{0, 0, 0}, {0, 4, 0}, {4, 4, 0}, {4, 0, 0}, {0, 0, 0}});
  const AcGeDoubleArray cwOut = doubles({0, 0, 0, -1, 0});
  EXPECT_EQ(IsPtInArea(AcGePoint3d(2, -1.5, 0), cw, &cwOut), 3);
  EXPECT_EQ(IsPtInArea(AcGePoint3d(2, 2, 0), cw, &cwOut), 3);
  const AcGeDoubleArray perPiece = doubles({0, 0, 0, -1});
  EXPECT_EQ(IsPtInArea(AcGePoint3d(2, -1.5, 0), cw, &perPiece), 3) << "bulges one short";

  // A circle as two half arcs, and a major arc closed by its chord.
  const AcGePoint3dArray circle = points({{3, 1, 0}, {-1, 1, 0}, {3, 1, 0}});
  const AcGeDoubleArray halves = doubles({1, 1, 0});
  EXPECT_EQ(IsPtInArea(AcGePoint3d(1, 1, 0), circle, &halves), 3);
  EXPECT_EQ(IsPtInArea(AcGePoint3d(1, -0.9, 0), circle, &halves), 3);
  EXPECT_EQ(IsPtInArea(AcGePoint3d(1, 3.5, 0), circle, &halves), 1);
  EXPECT_EQ(IsPtInArea(AcGePoint3d(-0.5, 1, 0), circle, &halves), 3) << "level with both vertices";
  EXPECT_EQ(IsPtInArea(AcGePoint3d(-5, 3, 0), circle, &halves), 1) << "the ray grazes the top";
  EXPECT_EQ(IsPtInArea(AcGePoint3d(-5, -1, 0), circle, &halves), 1) << "... or the bottom";
  EXPECT_EQ(IsPtInArea(AcGePoint3d(2.9, 2.1, 0), circle, &halves), 1);
  EXPECT_EQ(IsPtInArea(AcGePoint3d(2.4, 2.1, 0), circle, &halves), 3);
  const AcGePoint3dArray chord = points({{0, 0, 0}, {2, 0, 0}});
  const AcGeDoubleArray major = doubles({3, 0});
  EXPECT_EQ(IsPtInArea(AcGePoint3d(1, -1, 0), chord, &major), 3);
  EXPECT_EQ(IsPtInArea(AcGePoint3d(2.5, -1.3, 0), chord, &major), 3);
  EXPECT_EQ(IsPtInArea(AcGePoint3d(1, 0.2, 0), chord, &major), 1) << "inside the circle, beyond the chord";

  // Concave outline.
  const AcGePoint3dArray ell = points({{0, 0, 0}, {4, 0, 0}, {4, 1, 0}, {1, 1, 0}, {1, 4, 0}, {0, 4, 0}});
  EXPECT_EQ(IsPtInArea(AcGePoint3d(2, 2, 0), ell), 1);
  EXPECT_EQ(IsPtInArea(AcGePoint3d(0.5, 3, 0), ell), 3);
  EXPECT_EQ(IsPtInArea(AcGePoint3d(3, 0.5, 0), ell), 3);

  // What cannot be told.
  EXPECT_EQ(IsPtInArea(AcGePoint3d(0, 0, 0), points({{1, 1, 0}})), 0);
  EXPECT_EQ(IsPtInArea(AcGePoint3d(0, 0, 0), points({{1, 1, 0}, {1, 1, 0}, {1, 1, 0}})), 0);
  const AcGeDoubleArray tooMany = doubles({0, 0, 0, 0, 0, 0});
  EXPECT_EQ(IsPtInArea(AcGePoint3d(2, 2, 0), square, &tooMany), 0);
  EXPECT_EQ(IsPtInArea(AcGePoint3d(NAN, 2, 0), square), 0);
}

TEST(GeoClosestTest, NearestPointOfAnOutline) {
  const AcGePoint3dArray v = points({{0, 0, 5}, {4, 0, 5}, {4, 4, 5}});
  const AcGeDoubleArray b = doubles({1, 0, 0});
  AcGePoint3d c;
  int piece = -1;
  double d = -1;
  ASSERT_EQ(GetClosestPt(AcGePoint3d(2, -5, 0), v, &b, c, &piece, &d), 1);
  EXPECT_PT(c, 2, -2, 0);
  EXPECT_EQ(piece, 0);
  EXPECT_NEAR(d, 3.0, 1e-12);
  ASSERT_EQ(GetClosestPt(AcGePoint3d(6, 2, 0), v, &b, c, &piece), 1);
  EXPECT_PT(c, 4, 2, 0);
  EXPECT_EQ(piece, 1);
  ASSERT_EQ(GetClosestPt(AcGePoint3d(9, 9, 0), v, nullptr, c), 1);
  EXPECT_PT(c, 4, 4, 0);  // no extension beyond the end
  ASSERT_EQ(GetClosestPt(AcGePoint3d(2, -5, 0), v, nullptr, c, &piece), 1);
  EXPECT_PT(c, 2, 0, 0);  // without bulges the first piece is straight
  ASSERT_EQ(GetClosestPt(AcGePoint3d(1, 1, 0), points({{3, 3, 3}}), nullptr, c, &piece, &d), 1);
  EXPECT_PT(c, 3, 3, 0);
  EXPECT_NEAR(d, std::sqrt(8.0), 1e-12);
  EXPECT_EQ(GetClosestPt(AcGePoint3d(), AcGePoint3dArray(), nullptr, c), 0);
  const AcGeDoubleArray bad = doubles({0});
  EXPECT_EQ(GetClosestPt(AcGePoint3d(), v, &bad, c), 0);
}

}  // namespace
