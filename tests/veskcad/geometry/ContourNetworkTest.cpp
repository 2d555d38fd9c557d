// The pieces of the search: segments and contours as vertex lists, the
// network's end-point look-ups and links, the turn rule and the use counts.
#include "veskcad/geometry/CCloseCurve.h"
#include "veskcad/geometry/ContourTestSupport.h"

using namespace contourtest;
using BaseClass::CCloseCurve;
using BaseClass::CNextDirArc;
using BaseClass::FCPlineSeg;

namespace {

FCPlineSeg seg(std::initializer_list<AcGePoint3d> pts, std::initializer_list<double> blgs) {
  AcGePoint3dArray p;
  AcGeDoubleArray b;
  for (const auto& x : pts) p.append(x);
  for (double x : blgs) b.append(x);
  return FCPlineSeg(p, b);
}

// The search with its stages open to the tests.
class OpenSearch : public CFSearchAllCloseCurve {
 public:
  using CFSearchAllCloseCurve::AngleOfTwoArcs;
  using CFSearchAllCloseCurve::CollectRings;
  using CFSearchAllCloseCurve::GetAllSeg;
  using CFSearchAllCloseCurve::GetAllSegIds;
  using CFSearchAllCloseCurve::GetIdSearchTime;
  using CFSearchAllCloseCurve::GetIdsByPt;
  using CFSearchAllCloseCurve::GetNextArc;
  using CFSearchAllCloseCurve::GetSegFromId;
  using CFSearchAllCloseCurve::HaveLinkEnt;
  using CFSearchAllCloseCurve::Ring;
  int segAt(double x0, double y0, double x1, double y1) const {
    for (int s = 0; s < GetSegCount(); ++s) {
      const FCPlineSeg& g = *GetSegFromId(s);
      if (IsLive(s) && g.GetSt().isEqualTo(AcGePoint3d(x0, y0, 0)) && g.GetEd().isEqualTo(AcGePoint3d(x1, y1, 0)))
        return s;
    }
    return -1;
  }
};

}  // namespace

TEST(ContourParts, ContoursJoinSegmentsEitherWayRound) {
  const double q = std::tan(kPi / 8.0);
  CCloseCurve c;
  c.Append(seg({{0, 0, 0}, {10, 0, 0}}, {0.0, 0.0}), 1);
  // Walked backwards: its arc is walked the other way round.
  c.Append(seg({{0, 10, 0}, {10, 10, 0}, {10, 0, 0}}, {0.0, q, 0.0}), -1);
  ASSERT_EQ(c.m_pts.length(), 4);
  ASSERT_EQ(c.m_blgs.length(), 4);
  EXPECT_TRUE(c.m_pts[1].isEqualTo(AcGePoint3d(10, 0, 0)));
  EXPECT_NEAR(c.m_blgs[1], -q, 1e-15);
  EXPECT_TRUE(c.m_pts[3].isEqualTo(AcGePoint3d(0, 10, 0)));
  EXPECT_FALSE(c.IsClosed());
  EXPECT_FALSE(c.IsClosedWithin(10.0));
  EXPECT_TRUE(c.IsClosedWithin(10.0001));
  c.Append(seg({{0, 10, 0}, {0, 0, 0}}, {0.0, 0.0}), 1);
  EXPECT_TRUE(c.IsClosed());
  EXPECT_EQ(c.GetCount(), 3);
  EXPECT_EQ(c.m_dirs[1], -1);
  // Counter-clockwise, the side from (10,0) to (10,10) bulging inwards by
  // the segment of a quarter circle (radius 5√2).
  const double segment = 25.0 * (kPi / 2.0 - 1.0);
  EXPECT_NEAR(c.GetSignedArea(), 100.0 - segment, 1e-9);
  c.Reverse();
  EXPECT_NEAR(c.GetSignedArea(), -(100.0 - segment), 1e-9);
  EXPECT_EQ(c.m_dirs[0], -1);
  EXPECT_EQ(c.m_dirs[1], 1);
}

TEST_F(ContourTest, SegmentsReadTheirEntityAndShowHowTheyLeaveTheirEnds) {
  const AcDbObjectId a = arc(0, 0, 10, 0.0, kPi / 2);
  FCPlineSeg s(a);
  ASSERT_TRUE(s.IsValid());
  EXPECT_EQ(s.m_id, a);
  EXPECT_TRUE(s.GetSt().isEqualTo(AcGePoint3d(10, 0, 0)));
  EXPECT_TRUE(s.GetEd().isEqualTo(AcGePoint3d(0, 10, 0)));
  s.CalMidPoints();
  // The midpoint of the one piece lies on the arc.
  EXPECT_NEAR(s.m_ptStMid.distanceTo(AcGePoint3d(0, 0, 0)), 10.0, 1e-9);
  EXPECT_NEAR(s.m_ptStMid.x, s.m_ptStMid.y, 1e-9);
  EXPECT_NEAR(s.GetLength(), 5.0 * kPi, 1e-9);
  FCPlineSeg c(circle(0, 0, 1));
  EXPECT_TRUE(c.IsClosed());
  FCPlineSeg none{AcDbObjectId()};
  EXPECT_FALSE(none.IsValid());
  // A segment made in memory gets its entity on demand.
  FCPlineSeg m = seg({{0, 0, 0}, {1, 1, 0}}, {0.0});
  EXPECT_TRUE(m.IsValid());
  EXPECT_TRUE(m.m_id.isNull());
  ASSERT_EQ(m.CreateEntity(), 1);
  EXPECT_FALSE(m.m_id.isNull());
}

TEST(ContourParts, TurnAnglesRunCounterClockwiseFromTheWayBack) {
  const AcGePoint3d p(0, 0, 0);
  EXPECT_NEAR(OpenSearch::AngleOfTwoArcs(AcGePoint3d(1, 0, 0), p, AcGePoint3d(0, 1, 0)), kPi / 2, 1e-15);
  EXPECT_NEAR(OpenSearch::AngleOfTwoArcs(AcGePoint3d(1, 0, 0), p, AcGePoint3d(0, -1, 0)), 3 * kPi / 2, 1e-15);
  EXPECT_NEAR(OpenSearch::AngleOfTwoArcs(AcGePoint3d(1, 0, 0), p, AcGePoint3d(-1, 0, 0)), kPi, 1e-15);
  EXPECT_EQ(OpenSearch::AngleOfTwoArcs(p, p, AcGePoint3d(0, 1, 0)), 10.0);
}

TEST_F(ContourTest, TheNetworkKnowsItsJointsLinksAndWalks) {
  // A cross in a square, a line ending 0.5 from the square's corner, and a
  // line far from everything.
  rectLines(0, 0, 10, 10);
  line(5, 0, 5, 10);
  line(0, 5, 10, 5);
  line(10.3, 10.4, 14, 14);
  line(30, 30, 31, 31);
  OpenSearch s;
  ASSERT_EQ(s.GetAllSeg(input), 1);
  std::vector<int> at;
  EXPECT_EQ(s.GetIdsByPt(AcGePoint3d(5, 5, 0), at), 4);
  EXPECT_EQ(s.GetIdsByPt(AcGePoint3d(5, 0, 0), at), 3);
  EXPECT_EQ(s.GetIdsByPt(AcGePoint3d(5, 0.1, 0), at), 0);
  const int up = s.segAt(5, 0, 5, 5);
  ASSERT_GE(up, 0);
  EXPECT_EQ(s.HaveLinkEnt(up, 1), 1);
  const int near = s.segAt(10.3, 10.4, 14, 14);
  ASSERT_GE(near, 0);
  EXPECT_EQ(s.HaveLinkEnt(near, 1), 2);  // 0.5 from the corner
  EXPECT_EQ(s.HaveLinkEnt(near, 0), 0);
  EXPECT_EQ(s.HaveLinkEnt(s.segAt(30, 30, 31, 31), 1), 0);

  std::vector<OpenSearch::Ring> rings;
  s.CollectRings(rings);
  // Four cells and the square's outline; the corners were merged through
  // (four spokes and four corner runs are left), every segment is walked on
  // both sides, and the loose lines left the network.
  EXPECT_EQ(rings.size(), 5u);
  std::vector<int> live;
  s.GetAllSegIds(live);
  EXPECT_EQ(live.size(), 8u);
  const int corner = std::max(s.segAt(5, 0, 10, 5), s.segAt(10, 5, 5, 0));  // the run through (10, 0)
  ASSERT_GE(corner, 0);
  EXPECT_EQ(s.GetSegFromId(corner)->m_pts.length(), 3);
  for (int g : live) EXPECT_EQ(s.GetIdSearchTime(g), 2);
  EXPECT_EQ(s.GetIdSearchTime(-1), 10);
  EXPECT_EQ(s.GetIdSearchTime(100000), 10);

  // Arriving at the centre from below, the sharpest right turn goes east.
  CNextDirArc last(0.0, *s.GetSegFromId(up), 1), next;
  ASSERT_EQ(s.GetNextArc(last, next), 1);
  EXPECT_TRUE(next.StartPoint().isEqualTo(AcGePoint3d(5, 5, 0)));
  EXPECT_TRUE(next.EndPoint().isEqualTo(AcGePoint3d(10, 5, 0)));
  EXPECT_NEAR(next.m_dAngle, kPi / 2, 1e-12);
}
