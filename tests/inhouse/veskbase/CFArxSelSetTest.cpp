// Selection sets: the user's picks, the whole drawing, polygons and fences.
#include "VeskBaseTestSupport.h"
#include "arx/ed/AcedSelectionSet.h"
#include "veskbase/CFArxSelSet.h"

namespace {

using vbtest::DrawingTest;
using vbtest::points;
using vesk::CFArxSelSet;

class CFArxSelSetTest : public DrawingTest {
 protected:
  void SetUp() override {
    DrawingTest::SetUp();
    dbtest::addLayer(db, L"ROAD");
    road = addLine(0, 0, 10, 0, L"ROAD");
    river = addLine(0, 5, 10, 5);
    pond = addCircle(20, 20, 2);
    baseline = vhost::openSelectionSetCount();
  }
  AcDbObjectIdArray idsOf(const CFArxSelSet& ss) {
    AcDbObjectIdArray ids;
    ss.asArray(ids);
    return ids;
  }
  AcDbObjectId road, river, pond;
  int baseline = 0;
};

TEST_F(CFArxSelSetTest, UserSelectionFollowsTheScript) {
  {
    CFArxSelSet ss;
    script({L"c -1,-1 11,1", L"20,22", L""});
    ASSERT_EQ(ss.userSelect(), Acad::eOk);
    const AcDbObjectIdArray ids = idsOf(ss);
    ASSERT_EQ(ids.length(), 2);
    EXPECT_EQ(ids[0], road);
    EXPECT_EQ(ids[1], pond);
    EXPECT_EQ(ss.length(), 2);

    // A filter keeps only what passes; a new selection replaces the old set.
    resbuf* onRoad = acutBuildList(8, L"ROAD", 0);
    script({L"all", L""});
    ASSERT_EQ(ss.userSelect(onRoad), Acad::eOk);
    acutRelRb(onRoad);
    EXPECT_EQ(ss.length(), 1);
    EXPECT_EQ(vhost::openSelectionSetCount(), baseline + 1);

    script({L"~"});
    EXPECT_EQ(ss.userSelect(), Acad::eUserBreak);
    EXPECT_TRUE(ss.isEmpty());
    EXPECT_TRUE(idsOf(ss).isEmpty());
    script({L"100,100", L""});
    EXPECT_EQ(ss.userSelect(), Acad::eNotApplicable) << "nothing picked";
    EXPECT_EQ(ss.lastStatus(), Acad::eNotApplicable);
  }
  EXPECT_EQ(vhost::openSelectionSetCount(), baseline) << "every set was freed";
}

TEST_F(CFArxSelSetTest, ProgrammaticModesWithFilters) {
  CFArxSelSet ss;
  ASSERT_EQ(ss.allSelect(), Acad::eOk);
  EXPECT_EQ(ss.length(), 3);
  resbuf* circles = acutBuildList(RTDXF0, L"CIRCLE", 0);
  ASSERT_EQ(ss.allSelect(circles), Acad::eOk);
  EXPECT_EQ(idsOf(ss)[0], pond);
  acutRelRb(circles);

  // The crossing polygon takes the road it crosses and the river inside it.
  ASSERT_EQ(ss.crossingPolygonSelect(points({{-1, -1, 0}, {5, -1, 0}, {5, 6, 0}, {-1, 6, 0}})), Acad::eOk);
  EXPECT_EQ(ss.length(), 2);
  // A window polygon wants entities wholly inside.
  EXPECT_EQ(ss.windowPolygonSelect(points({{-1, -1, 0}, {5, -1, 0}, {5, 6, 0}, {-1, 6, 0}})), Acad::eNotApplicable);
  ASSERT_EQ(ss.windowPolygonSelect(points({{-1, -1, 0}, {11, -1, 0}, {11, 1, 0}, {-1, 1, 0}})), Acad::eOk);
  EXPECT_EQ(idsOf(ss)[0], road);

  // A fence through both lines, filtered by layer.
  resbuf* onRoad = acutBuildList(8, L"ROAD", 0);
  ASSERT_EQ(ss.fenceSelect(points({{5, -5, 0}, {5, 10, 0}})), Acad::eOk);
  EXPECT_EQ(ss.length(), 2);
  ASSERT_EQ(ss.fenceSelect(points({{5, -5, 0}, {5, 10, 0}}), onRoad), Acad::eOk);
  EXPECT_EQ(ss.length(), 1);
  EXPECT_EQ(idsOf(ss)[0], road);
  acutRelRb(onRoad);
  EXPECT_EQ(ss.fenceSelect(points({{50, 50, 0}, {60, 60, 0}})), Acad::eNotApplicable);

  EXPECT_EQ(ss.fenceSelect(points({{5, -5, 0}})), Acad::eInvalidInput);
  EXPECT_EQ(ss.crossingPolygonSelect(points({{0, 0, 0}, {1, 1, 0}})), Acad::eInvalidInput);
  EXPECT_TRUE(ss.isEmpty());
  ss.clear();
  EXPECT_EQ(vhost::openSelectionSetCount(), baseline);
}

}  // namespace
