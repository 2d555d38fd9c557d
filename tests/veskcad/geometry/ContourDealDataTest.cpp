// Merging and filtering curves as they are (DealData): runs through joints of
// two are merged into one polyline, loose runs go, rings stay.
#include "veskbase/EntBasic.h"
#include "veskcad/geometry/ContourTestSupport.h"

using namespace contourtest;

namespace {

int colorOf(AcDbObjectId id) {
  AcDbEntity* e = nullptr;
  if (acdbOpenObject(e, id, AcDb::kForRead) != Acad::eOk) return -1;
  const int c = e->colorIndex();
  e->close();
  return c;
}

}  // namespace

class DealDataTest : public ContourTest {
 protected:
  // Three paths of two lines each between (0,0) and (10,0), a loose line on
  // (10,0), a triangle of three lines, and a closed polyline.
  void draw() {
    line(0, 0, 5, 5);
    line(5, 5, 10, 0);
    line(0, 0, 5, -5);
    line(5, -5, 10, 0);
    line(0, 0, 5, 0);
    line(5, 0, 10, 0);
    loose = line(10, 0, 15, 0);
    line(20, 0, 30, 0);
    line(30, 0, 20, 10);
    line(20, 10, 20, 0);
    ring = rect(40, 0, 44, 4);
  }
  AcDbObjectId loose, ring;
};

TEST_F(DealDataTest, MergesRunsDropsLooseOnesAndKeepsRingsInPlace) {
  draw();
  AcDbObjectIdArray ids = input;
  {
    CFSearchAllCloseCurve s;
    EXPECT_EQ(s.DealData(ids, 0), 1);
  }
  // Three merged paths, the merged triangle and the ring, in id order; all
  // outlive the search object.
  ASSERT_EQ(ids.length(), 5);
  for (int i = 1; i < ids.length(); ++i) EXPECT_LT(ids[i - 1], ids[i]);
  EXPECT_TRUE(ids.contains(ring));
  int merged = 0;
  double triangle = 0.0;
  for (const AcDbObjectId& id : ids) {
    ASSERT_FALSE(id.isErased());
    if (id == ring) continue;
    EXPECT_EQ(colorOf(id), 6);
    AcGePoint3dArray v;
    ASSERT_EQ(vesk::ent::GetCurveParam(id, &v, nullptr), 1);
    if (v.length() == 4 && v.first().isEqualTo(v.last())) ASSERT_EQ(vesk::ent::GetArea(id, triangle), 1);
    else EXPECT_EQ(v.length(), 3);
    ++merged;
  }
  EXPECT_EQ(merged, 4);
  EXPECT_NEAR(triangle, 50.0, 1e-9);
  // The caller's lines were merged away or, loose, erased.
  for (const AcDbObjectId& id : input)
    if (id != ring) EXPECT_TRUE(id.isErased());
  EXPECT_TRUE(loose.isErased());
}

TEST_F(DealDataTest, WorksOnFlattenedCopiesWhenAsked) {
  draw();
  AcDbObjectIdArray ids = input;
  CFSearchAllCloseCurve s;
  EXPECT_EQ(s.DealData(ids, 1), 1);
  ASSERT_EQ(ids.length(), 5);
  for (const AcDbObjectId& id : input) {
    EXPECT_FALSE(id.isErased());
    EXPECT_FALSE(ids.contains(id));
  }
  // Nothing to work on: an empty result, no failure.
  AcDbObjectIdArray none;
  EXPECT_EQ(s.DealData(none, 1), 1);
  EXPECT_TRUE(none.isEmpty());
  // The copies handed out before survive the next call.
  EXPECT_FALSE(ids[0].isErased());
}
