// Cleaning vertex lists: repeated and collinear vertices, useless vertices
// and arc joints, outlines as plain points.
#include <cmath>

#include "CurveTranTestSupport.h"
#include "veskcad/geometry/CDelMidPts.h"
#include "veskcad/geometry/CGetPtsWithoutBlg.h"
#include "veskcad/geometry/CdelUselessPt.h"
#include "veskcad/geometry/FunVertexCleanup.h"

using namespace curvetest;
using VeskCad::CDelMidPts;
using VeskCad::CdelUselessPt;
using VeskCad::CGetPtsWithoutBlg;

namespace {

class VertexCleanup : public DrawingTest {};

void expectPoints(const AcGePoint3dArray& got, std::initializer_list<AcGePoint3d> want) {
  ASSERT_EQ(got.length(), static_cast<int>(want.size()));
  int i = 0;
  for (const AcGePoint3d& w : want) EXPECT_TRUE(Near(got[i++], w)) << "vertex " << i - 1;
}

TEST_F(VertexCleanup, DropsRepeatedCollinearAndClosingVertices) {
  const CDelMidPts cleaner;  // 0.02 degrees, no distance limit
  // A closed square given with its closing vertex and a vertex mid-side.
  AcGePoint3dArray v = pts({P(0, 0), P(5, 0), P(10, 0), P(10, 10), P(0, 10), P(0, 0)});
  cleaner.fnDelMidPoint(v, nullptr);
  expectPoints(v, {P(0, 0), P(10, 0), P(10, 10), P(0, 10)});
  // The seam vertex of a closed outline counts as well.
  v = pts({P(5, 0), P(10, 0), P(10, 10), P(0, 10), P(0, 0), P(5, 0)});
  cleaner.fnDelMidPoint(v, nullptr);
  expectPoints(v, {P(10, 0), P(10, 10), P(0, 10), P(0, 0)});
  // A spike: the outline turns straight back.
  v = pts({P(0, 0), P(10, 0), P(10, 5), P(10, 2), P(20, 2)});
  cleaner.fnDelMidPoint(v, nullptr);
  expectPoints(v, {P(0, 0), P(10, 0), P(10, 2), P(20, 2)});
  // A run along the X axis whose direction falls just below 2π still is straight.
  v = pts({P(0, 0), P(10, 0), P(20, -1e-9)});
  cleaner.fnDelMidPoint(v, nullptr);
  expectPoints(v, {P(0, 0), P(20, -1e-9)});
  // Repeated vertices go, the piece before running on.
  v = pts({P(0, 0), P(4, 4), P(4, 4.0005), P(8, 0)});
  AcGeDoubleArray b = nums({0.2, 0.7, 0.3, 0});
  cleaner.fnDelMidPoint(v, &b);
  expectPoints(v, {P(0, 0), P(4, 4.0005), P(8, 0)});
  EXPECT_DOUBLE_EQ(b[0], 0.2);
  EXPECT_DOUBLE_EQ(b[1], 0.3);
  // Unequal counts change nothing.
  b = nums({0, 0});
  cleaner.fnDelMidPoint(v, &b);
  EXPECT_EQ(v.length(), 3);
}

TEST_F(VertexCleanup, KeepsArcJointsFarVerticesAndEverythingAtZeroTolerance) {
  const CDelMidPts cleaner;
  AcGePoint3dArray v = pts({P(0, 0), P(5, 0), P(10, 0)});
  AcGeDoubleArray b = nums({0.5, 0.5, 0});
  cleaner.fnDelMidPoint(v, &b);
  EXPECT_EQ(v.length(), 3);  // between two arcs
  cleaner.fnDelMidPoint(v, nullptr);
  EXPECT_EQ(v.length(), 2);  // without bulges it is a straight run

  const CDelMidPts limited(0.02, 5.0, 0);
  v = pts({P(0, 0), P(6, 0), P(12, 0)});
  limited.fnDelMidPoint(v, nullptr);
  EXPECT_EQ(v.length(), 3);  // both neighbours farther than 5
  v = pts({P(0, 0), P(3, 0), P(12, 0)});
  limited.fnDelMidPoint(v, nullptr);
  EXPECT_EQ(v.length(), 2);

  // The contour setting: repeats and the closing vertex only.
  const CDelMidPts repeatsOnly(0.0, -1.0, 0);
  v = pts({P(0, 0), P(0, 0.0005), P(5, 0), P(10, 0), P(10, 10), P(0, 0)});
  repeatsOnly.fnDelMidPoint(v, nullptr);
  expectPoints(v, {P(0, 0.0005), P(5, 0), P(10, 0), P(10, 10)});

  EXPECT_EQ(CDelMidPts::IsCommonLine(P(0, 0, 1), P(10, 10, -4), P(5, 5, 9), 1e-6), 1);
  EXPECT_EQ(CDelMidPts::IsCommonLine(P(0, 0), P(10, 10), P(5, 5.01), 1e-6), 0);
  EXPECT_EQ(CDelMidPts::IsCommonLine(P(0, 0), P(10, 10), P(5, 5), 0.0), 0);
}

TEST_F(VertexCleanup, CleansPolylinesOfTheDrawingInPlace) {
  const CDelMidPts cleaner;
  const AcDbObjectId closedId = addPline({{0, 0}, {5, 0}, {10, 0}, {10, 10}, {0, 10}}, true, 5.0);
  ASSERT_EQ(cleaner.fnDelMidPoint(closedId), 1);
  EXPECT_EQ(plineOf(closedId).size(), 4u);
  {
    AcDbObjectPointer<AcDbPolyline> p(closedId, AcDb::kForRead);
    EXPECT_TRUE(p->isClosed());
    EXPECT_DOUBLE_EQ(p->elevation(), 5.0);
  }
  // Drawn back to its start without being closed: the last side stays.
  const AcDbObjectId openId = addPline({{0, 0}, {5, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}});
  ASSERT_EQ(cleaner.fnDelMidPoint(openId), 1);
  EXPECT_EQ(plineOf(openId).size(), 5u);
  EXPECT_NEAR(lengthOf(openId), 40.0, 1e-9);

  // Widths follow the vertices that stay: a merged piece tapers over the whole run.
  const AcDbObjectId wide = addPline({{0, 0, 0, 1, 2}, {5, 0, 0, 2, 3}, {10, 0, 0, 3, 3}, {10, 10, 0, 4, 4}});
  ASSERT_EQ(cleaner.fnDelMidPoint(wide), 1);
  const std::vector<V> w = plineOf(wide);
  ASSERT_EQ(w.size(), 3u);
  EXPECT_DOUBLE_EQ(w[0].sw, 1.0);
  EXPECT_DOUBLE_EQ(w[0].ew, 3.0);
  EXPECT_DOUBLE_EQ(w[1].sw, 3.0);
  EXPECT_DOUBLE_EQ(w[2].sw, 4.0);

  // A 3D polyline keeps its heights.
  const AcDbObjectId p3 = add3dPline(pts({P(0, 0, 1), P(5, 0, 2), P(10, 0, 3)}));
  ASSERT_EQ(cleaner.fnDelMidPoint(p3), 1);
  AcGePoint3dArray v;
  AcGeDoubleArray b;
  ASSERT_EQ(CDelMidPts::fnGetPlineVect(p3, v, b), 1);
  expectPoints(v, {P(0, 0, 1), P(10, 0, 3)});
  EXPECT_EQ(CDelMidPts::fnGetPlineVect(add2dPline({{0, 0}, {1, 1}}), v, b), 2);
  EXPECT_EQ(CDelMidPts::fnGetPlineVect(closedId, v, b), 3);
  const AcDbObjectId line = addLine(P(0, 0), P(1, 0));
  EXPECT_EQ(CDelMidPts::fnGetPlineVect(line, v, b), 0);
  EXPECT_EQ(cleaner.fnDelMidPoint(line), 0);

  // Rebuilding: the 3D polyline becomes a lightweight one under the same id.
  const AcDbObjectId other3d = add3dPline(pts({P(0, 0), P(5, 0), P(10, 0), P(10, 5)}));
  AcDbObjectId out;
  cleaner.fnDelMidPoint(other3d, out);
  EXPECT_EQ(out, other3d);
  EXPECT_EQ(plineOf(other3d).size(), 3u);

  // Several at once, with the meter.
  const CDelMidPts withMeter(0.02, -1.0, 1);
  AcDbObjectIdArray ids, done;
  ids.append(openId);
  ids.append(line);
  withMeter.fnDelMidPoint(ids, done);
  ASSERT_EQ(done.length(), 1);
  EXPECT_EQ(done[0], openId);
  ASSERT_FALSE(ui.progressEvents().empty());
  EXPECT_EQ(ui.progressEvents().front().label, L"程序正在处理，请等候...");
  EXPECT_EQ(ui.progressEvents().back().kind, vhost::ProgressEvent::Kind::kEnd);
}

TEST_F(VertexCleanup, PurgeCapsTheAngleAndDropsSmallDistanceLimits) {
  // A vertex turning by about 0.05 degrees stays at the capped 0.01 degrees.
  const AcDbObjectId bent = addPline({{0, 0}, {10, 0.004363}, {20, 0}});
  ASSERT_EQ(VeskCad::Fun::FPolylinePurge(bent, 0.5, 0.01), 1);
  EXPECT_EQ(plineOf(bent).size(), 3u);
  const AcDbObjectId nearly = addPline({{0, 0}, {10, 0.0004363}, {20, 0}});
  ASSERT_EQ(VeskCad::Fun::FPolylinePurge(nearly, 0.5, 0.01), 1);
  EXPECT_EQ(plineOf(nearly).size(), 2u);
  // A limit of 0.02 or more applies.
  const AcDbObjectId far = addPline({{0, 0}, {10, 0}, {20, 0}});
  ASSERT_EQ(VeskCad::Fun::FPolylinePurge(far, 0.01, 5.0), 1);
  EXPECT_EQ(plineOf(far).size(), 3u);
  EXPECT_EQ(VeskCad::Fun::FPolylinePurge(AcDbObjectId::kNull, 0.01, 5.0), 0);
}

TEST_F(VertexCleanup, RemovesUselessVerticesAndMergesArcsOfOneCircle) {
  CdelUselessPt cleaner(0.0001);
  AcGePoint3dArray v;
  AcGeDoubleArray b;
  ASSERT_EQ(cleaner.DelUselessPts(pts({P(0, 0, 3), P(5, 0), P(10, 0), P(10, 10)}), nums({0, 0, 0, 0}), v, b), 1);
  expectPoints(v, {P(0, 0), P(10, 0), P(10, 10)});  // flattened too
  // Two quarters of one circle become a half circle.
  const double q = quarterBulge();
  ASSERT_EQ(cleaner.DelUselessPts(pts({P(10, 0), P(0, 10), P(-10, 0)}), nums({q, q, 0}), v, b), 1);
  expectPoints(v, {P(10, 0), P(-10, 0)});
  EXPECT_NEAR(b[0], 1.0, 1e-9);
  // Turning back over the first arc: the start is dropped.
  const AcGePoint3d at45(10 * std::cos(M_PI / 4), 10 * std::sin(M_PI / 4), 0);
  ASSERT_EQ(cleaner.DelUselessPts(pts({at45, P(0, 10), P(10, 0)}), nums({std::tan(M_PI / 16), -q, 0}), v, b), 1);
  expectPoints(v, {P(0, 10), P(10, 0)});
  EXPECT_NEAR(b[0], -q, 1e-9);
  // Turning back over the last arc: the end is dropped.
  ASSERT_EQ(cleaner.DelUselessPts(pts({P(10, 0), P(0, 10), at45}), nums({q, -std::tan(M_PI / 16), 0}), v, b), 1);
  expectPoints(v, {P(10, 0), P(0, 10)});
  EXPECT_NEAR(b[0], q, 1e-9);
  // A straight spike followed by an arc keeps the arc as it was.
  ASSERT_EQ(cleaner.DelUselessPts(pts({P(0, 0), P(10, 0), P(5, 0), P(5, -5)}), nums({0, 0, 0.5, 0}), v, b), 1);
  EXPECT_EQ(v.length(), 4);
  EXPECT_DOUBLE_EQ(b[2], 0.5);
  // A closed outline's repeated closing vertex goes.
  ASSERT_EQ(cleaner.DelUselessPts(pts({P(0, 0), P(10, 0), P(10, 10), P(0, 0)}), nums({0, 0, 0, 0}), v, b), 1);
  EXPECT_EQ(v.length(), 3);
  AcGePoint3dArray kept;
  AcGeDoubleArray keptB;
  ASSERT_EQ(cleaner.getArrptsAndArrd(kept, keptB), 1);
  EXPECT_EQ(kept.length(), 3);

  EXPECT_EQ(cleaner.DelUselessPts(pts({P(0, 0)}), nums({0}), v, b), 0);
  EXPECT_EQ(cleaner.DelUselessPts(pts({P(0, 0), P(1, 0)}), nums({0}), v, b), 0);
  CdelUselessPt fine(1e-8);
  EXPECT_EQ(fine.DelUselessPts(pts({P(0, 0), P(1, 0)}), nums({0, 0}), v, b), 0);

  EXPECT_EQ(CdelUselessPt::getIndexOfMidpt(P(0, 0), P(10, 0), P(4, 0)), 2);
  EXPECT_EQ(CdelUselessPt::getIndexOfMidpt(P(4, 0), P(0, 0), P(10, 0)), 0);
  EXPECT_EQ(CdelUselessPt::getArcIndexOfMidpt(0.5, 0.25), 2);
  EXPECT_EQ(CdelUselessPt::getArcIndexOfMidpt(-0.5, 0.25), 3);
  EXPECT_EQ(CdelUselessPt::getArcIndexOfMidpt(0.5, -0.75), 1);
  EXPECT_EQ(CdelUselessPt::getArcIndexOfMidpt(0.0, 0.75), 0);
  EXPECT_NEAR(CdelUselessPt::GetBulge(P(1, 0), P(0, 1), P(0, 0), 1.0), q, 1e-12);
  EXPECT_NEAR(CdelUselessPt::GetBulge(P(0, 1), P(1, 0), P(0, 0), 1.0), -q, 1e-12);
  EXPECT_DOUBLE_EQ(CdelUselessPt::GetBulge(P(1, 0), P(-1, 0), P(0, 0), 1.0), 1.0);
  EXPECT_DOUBLE_EQ(CdelUselessPt::GetBulge(P(1, 0), P(-1, 0), P(0, 3), 1e-9), 0.0);

  // On the drawing: height and closed flag stay.
  const AcDbObjectId id = addPline({{0, 0}, {5, 0}, {10, 0}, {10, 10}}, true, 3.0);
  AcDbObjectId out;
  ASSERT_EQ(cleaner.DelUselessPts(id, out), 1);
  EXPECT_EQ(out, id);
  EXPECT_EQ(plineOf(id).size(), 3u);
  AcDbObjectPointer<AcDbPolyline> p(id, AcDb::kForRead);
  EXPECT_TRUE(p->isClosed());
  EXPECT_DOUBLE_EQ(p->elevation(), 3.0);
}

TEST_F(VertexCleanup, SamplesArcPiecesIntoPoints) {
  // A straight piece, then a half circle of radius 5 about (10,5).
  const AcDbObjectId id = addPline({{0, 0}, {10, 0, 1.0}, {10, 10}});
  AcGePoint3dArray out;
  ASSERT_EQ(CGetPtsWithoutBlg::fnGetPts(out, id, 1.0), 1);
  ASSERT_EQ(out.length(), 2 + 15 + 1);
  EXPECT_TRUE(Near(out[0], P(0, 0)));
  EXPECT_TRUE(Near(out[1], P(10, 0)));
  EXPECT_TRUE(Near(out.last(), P(10, 10)));
  for (int i = 2; i + 1 < out.length(); ++i) {
    EXPECT_NEAR(out[i].distanceTo(P(10, 5)), 5.0, 1e-9);
    EXPECT_GT(out[i].x, 10.0);
  }
  // The closing arc of a closed outline is sampled up to the full length.
  const AcDbObjectId disc = addPline({{-1, 0, 1.0}, {1, 0, 1.0}}, true);
  ASSERT_EQ(CGetPtsWithoutBlg::fnGetPts(out, disc, 0.5), 1);
  EXPECT_EQ(out.length(), 1 + 6 + 1 + 6 + 1);
  // Large curves are sampled more coarsely.
  const AcDbObjectId big = addPline({{0, 0, 1.0}, {12000, 0}});
  ASSERT_EQ(CGetPtsWithoutBlg::fnGetPts(out, big, 100.0), 1);
  EXPECT_EQ(out.length(), 2 + 18);
  EXPECT_EQ(CGetPtsWithoutBlg::fnGetPts(out, id, 0.0), 0);
  EXPECT_EQ(CGetPtsWithoutBlg::fnGetPts(out, AcDbObjectId::kNull, 1.0), 0);
}

}  // namespace
