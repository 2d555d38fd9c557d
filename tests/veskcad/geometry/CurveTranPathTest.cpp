// Paths through several curves.
#include <cmath>

#include "CurveTranTestSupport.h"
#include "veskcad/geometry/GP_CurveTran.h"

using namespace curvetest;
using VeskCad::GP_CurveTran;

namespace {

class CurveTranPath : public DrawingTest {};

AcDbObjectIdArray idList(std::initializer_list<AcDbObjectId> ids) {
  AcDbObjectIdArray a;
  for (const AcDbObjectId& id : ids) a.append(id);
  return a;
}

TEST_F(CurveTranPath, FindsListsMeetingAPointAndTurnsThemToStartThere) {
  CArray<AcGePoint3dArray> lists;
  CArray<AcGeDoubleArray> bulges;
  lists.Add(pts({P(0, 0), P(1, 0)}));
  bulges.Add(nums({0, 0}));
  lists.Add(pts({P(2, 0), P(1, 1), P(0, 0.000001)}));
  bulges.Add(nums({0.5, 0.25, 0}));
  lists.Add(pts({P(0, 0), P(0, 1)}));
  bulges.Add(nums({0, 0}));
  lists.Add(pts({P(3, 3), P(4, 4)}));
  bulges.Add(nums({0, 0}));
  AcGeIntArray excluded, found;
  excluded.append(2);
  ASSERT_EQ(GP_CurveTran::GetCurveByPnt(P(0, 0), lists, bulges, excluded, found), 1);
  ASSERT_EQ(found.length(), 2);
  EXPECT_EQ(found[0], 0);
  EXPECT_EQ(found[1], 1);
  // The list that ended at the point now starts there, walked backwards.
  EXPECT_TRUE(Near(lists[1][0], P(0, 0.000001)));
  EXPECT_TRUE(Near(lists[1][2], P(2, 0)));
  EXPECT_DOUBLE_EQ(bulges[1][0], -0.25);
  EXPECT_DOUBLE_EQ(bulges[1][1], -0.5);
  EXPECT_TRUE(Near(lists[2][0], P(0, 0)));  // excluded: untouched
  EXPECT_EQ(GP_CurveTran::GetCurveByPnt(P(9, 9), lists, bulges, excluded, found), 0);
  EXPECT_TRUE(found.isEmpty());
}

TEST_F(CurveTranPath, TakesThePathWithTheFewestPieces) {
  // A long way round (a polyline of three pieces) and a short way (two lines).
  const AcDbObjectId longWay = addPline({{0, 0}, {0, 10}, {10, 10}, {10, 0.5}});
  const AcDbObjectId lineA = addLine(P(0, 0), P(5, -1));
  const AcDbObjectId lineB = addLine(P(10, 0.5), P(5, -1));  // drawn towards the joint
  const AcDbObjectId stray = addLine(P(5, -1), P(5, -20));
  const AcDbObjectIdArray ids = idList({longWay, stray, lineA, lineB});
  AcGePoint3dArray v;
  AcGeDoubleArray b;
  ASSERT_EQ(GP_CurveTran::GetPathFromIds(P(0, 0), P(10, 0.5), ids, v, b), 1);
  ASSERT_EQ(v.length(), 3);
  EXPECT_TRUE(Near(v[0], P(0, 0)));
  EXPECT_TRUE(Near(v[1], P(5, -1)));
  EXPECT_TRUE(Near(v[2], P(10, 0.5)));
  ASSERT_EQ(b.length(), 3);

  AcDbObjectIdArray used;
  ASSERT_EQ(GP_CurveTran::GetPathFromIds(P(0, 0), P(10, 0.5), ids, used), 1);
  ASSERT_EQ(used.length(), 2);
  EXPECT_EQ(used[0], lineA);
  EXPECT_EQ(used[1], lineB);

  // Without the short way the long one is taken, and it is named once.
  ASSERT_EQ(GP_CurveTran::GetPathFromIds(P(0, 0), P(10, 0.5), idList({longWay, stray, lineA}), used), 1);
  ASSERT_EQ(used.length(), 1);
  EXPECT_EQ(used[0], longWay);

  EXPECT_EQ(GP_CurveTran::GetPathFromIds(P(0, 0), P(0, 0.00001), ids, v, b), 0);  // start is the end
  EXPECT_EQ(GP_CurveTran::GetPathFromIds(P(0, 0), P(10, 0.5), AcDbObjectIdArray(), v, b), 0);
  EXPECT_EQ(GP_CurveTran::GetPathFromIds(P(0, 0), P(30, 30), ids, v, b), 0);  // unreachable
}

TEST_F(CurveTranPath, StartsAndEndsInsideCurvesAndKeepsArcs) {
  // The start lies inside the first line, the end inside the arc's polyline.
  const AcDbObjectId first = addLine(P(-10, 0), P(5, 0));
  const AcDbObjectId branch = addLine(P(5, 0), P(10, 0));
  const AcDbObjectId bow = addPline({{5, 0, 1.0}, {5, 10}});  // half circle through (10,5)
  const double drawn = lengthOf(first);
  AcGePoint3dArray v;
  AcGeDoubleArray b;
  ASSERT_EQ(GP_CurveTran::GetPathFromIds(P(0, 0.00003), P(10, 5), idList({first, branch, bow}), v, b), 1);
  ASSERT_EQ(v.length(), 3);
  EXPECT_TRUE(Near(v[0], P(0, 0.00003)));
  EXPECT_TRUE(Near(v[1], P(5, 0)));
  EXPECT_TRUE(Near(v[2], P(10, 5)));
  EXPECT_NEAR(b[0], 0.0, 1e-12);
  EXPECT_NEAR(b[1], quarterBulge(), 1e-9);  // a quarter of the half circle
  // The drawing is not changed by the search.
  EXPECT_NEAR(lengthOf(first), drawn, 1e-12);
  AcDbObjectIdArray used;
  ASSERT_EQ(GP_CurveTran::GetPathFromIds(P(0, 0), P(10, 5), idList({first, branch, bow}), used), 1);
  ASSERT_EQ(used.length(), 2);
  EXPECT_EQ(used[0], first);
  EXPECT_EQ(used[1], bow);
}

}  // namespace
