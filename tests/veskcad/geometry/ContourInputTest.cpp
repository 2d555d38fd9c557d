// What the closed contour search reads: compound objects, regions, curves
// that are no chains of arcs; and how it behaves as a unit of work (user
// break, tolerance, the interactive test, the drawing left behind).
#include "arx/entities/AcDbAttributeDefinition.h"
#include "arx/entities/AcDbEllipse.h"
#include "arx/ge/AcGeScale3d.h"
#include "veskbase/EntLayer.h"
#include "veskcad/geometry/ContourTestSupport.h"

using namespace contourtest;

TEST_F(ContourTest, BlockReferencesAreReadThroughTheirTransforms) {
  // A unit square with a half disc on its right side, and an attribute
  // definition (text, never linework).
  auto* half = new AcDbArc(AcGePoint3d(1, 0.5, 0), AcGeVector3d::kZAxis, 0.5, -kPi / 2, kPi / 2);
  auto* square = new AcDbPolyline();
  square->addVertexAt(0, AcGePoint2d(0, 0));
  square->addVertexAt(1, AcGePoint2d(1, 0));
  square->addVertexAt(2, AcGePoint2d(1, 1));
  square->addVertexAt(3, AcGePoint2d(0, 1));
  square->setClosed(true);
  const AcDbObjectId parcel = defineBlock(
      L"PARCEL", {square, half, new AcDbAttributeDefinition(AcGePoint3d(0.2, 0.2, 0), L"1", L"NO", L"No.")});
  const double lens = kPi * 0.25 / 2.0;
  // Scaled by 4 and turned; mirrored; stretched (the half circle becomes
  // half an ellipse, followed through points).
  insert(parcel, 0, 0, AcGeScale3d(4.0), kPi / 2);
  insert(parcel, 20, 0, AcGeScale3d(-2.0, 2.0, 1.0));
  insert(parcel, 40, 0, AcGeScale3d(2.0, 1.0, 1.0));
  // A block holding a reference to the first one.
  auto* inner = new AcDbBlockReference(AcGePoint3d(0, 0, 0), parcel);
  inner->setScaleFactors(AcGeScale3d(3.0));
  const AcDbObjectId nest = defineBlock(L"NEST", {inner});
  insert(nest, 60, 0, AcGeScale3d(1.0));
  const Found f = search();
  ASSERT_EQ(f.faces.size(), 8u);
  EXPECT_NEAR(f.faces[0], 2.0 * lens, 2e-3 * 2.0 * lens);     // stretched: half an ellipse
  EXPECT_NEAR(f.faces[1], 4.0 * lens, 1e-9);                  // mirrored, scale 2
  EXPECT_NEAR(f.faces[2], 2.0, 1e-9);                         // stretched square
  EXPECT_NEAR(f.faces[3], 9.0 * lens, 1e-9);                  // nested, scale 3
  EXPECT_NEAR(f.faces[4], 4.0, 1e-9);
  EXPECT_NEAR(f.faces[5], 16.0 * lens, 1e-9);                 // scale 4
  EXPECT_NEAR(f.faces[6], 9.0, 1e-9);
  EXPECT_NEAR(f.faces[7], 16.0, 1e-9);
  EXPECT_EQ(f.outlines.size(), 4u);
}

TEST_F(ContourTest, RegionsEllipsesAndSplineLikeCurvesGiveTheirOutlines) {
  // A region with a hole: both loops are contours.
  auto* outer = new AcDbPolyline();
  auto* hole = new AcDbPolyline();
  for (const auto& p : std::vector<AcGePoint2d>{{0, 0}, {10, 0}, {10, 10}, {0, 10}})
    outer->addVertexAt(outer->numVerts(), p);
  for (const auto& p : std::vector<AcGePoint2d>{{4, 4}, {6, 4}, {6, 6}, {4, 6}}) hole->addVertexAt(hole->numVerts(), p);
  outer->setClosed(true);
  hole->setClosed(true);
  region(outer, hole);
  // A full ellipse, and one cut by a line along its major axis.
  add(new AcDbEllipse(AcGePoint3d(30, 0, 0), AcGeVector3d::kZAxis, AcGeVector3d(5, 0, 0), 0.5));
  add(new AcDbEllipse(AcGePoint3d(50, 0, 0), AcGeVector3d::kZAxis, AcGeVector3d(5, 0, 0), 0.5));
  line(44, 0, 56, 0);
  const Found f = search();
  const double e = kPi * 5.0 * 2.5;
  ASSERT_EQ(f.faces.size(), 5u);
  EXPECT_NEAR(f.faces[0], 4.0, 1e-9);
  EXPECT_NEAR(f.faces[1], e / 2, 1e-3 * e);
  EXPECT_NEAR(f.faces[2], e / 2, 1e-3 * e);
  EXPECT_NEAR(f.faces[3], e, 1e-3 * e);
  EXPECT_NEAR(f.faces[4], 100.0, 1e-9);
  ASSERT_EQ(f.outlines.size(), 1u);
  EXPECT_NEAR(f.outlines[0], e, 1e-3 * e);
}

TEST_F(ContourTest, AUserBreakEndsTheSearchWithNothingFound) {
  rectLines(0, 0, 10, 10);
  ui.addLine(L"break");
  const Found f = search();
  EXPECT_TRUE(f.ids.isEmpty());
  // The meter was shown with its title and taken down again.
  bool started = false, ended = false;
  for (const vhost::ProgressEvent& ev : ui.progressEvents()) {
    if (ev.kind == vhost::ProgressEvent::Kind::kStart) started = ev.label == L"正在处理...:";
    if (ev.kind == vhost::ProgressEvent::Kind::kEnd) ended = started;
  }
  EXPECT_TRUE(started);
  EXPECT_TRUE(ended);
  // The next search on the same linework finds it.
  EXPECT_AREAS(search().faces, {100.0});
}

TEST_F(ContourTest, TheSearchObjectHoldsThePointToleranceForItsLifetime) {
  const double before = AcGeContext::gTol.equalPoint();
  {
    CFSearchAllCloseCurve s;
    EXPECT_EQ(AcGeContext::gTol.equalPoint(), 1e-6);
    // Points 5e-7 apart meet while the object lives.
    line(0, 0, 10, 0);
    line(10, 0, 10, 10);
    line(10, 10, 0, 10);
    line(0, 10, 0, 5e-7);
    AcDbObjectIdArray out;
    s.Search(input, out);
    EXPECT_EQ(out.length(), 1);
  }
  EXPECT_EQ(AcGeContext::gTol.equalPoint(), before);
}

TEST_F(ContourTest, TheInteractiveTestPrintsHowManyContoursItFound) {
  rectLines(0, 0, 10, 10);
  line(5, 0, 5, 10);
  std::wstring picks;
  for (const AcDbObjectId& id : input) picks += handleOf(id) + L" ";
  script({picks.c_str(), L""});
  CFSearchAllCloseCurve s;
  s.Test();
  EXPECT_NE(ui.printedText().find(L"\n 搜索了3个轮廓"), std::wstring::npos) << ui.transcript();
}

TEST_F(ContourTest, ClearLeavesTheContoursAndRemovesTheTemporaryLayer) {
  AcDbObjectId tmp;
  ASSERT_EQ(vesk::ent::CreateLayer(L"$tmpLayer", tmp), 1);
  auto* leftover = new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 1, 0));
  leftover->setDatabaseDefaults(db);
  leftover->setLayer(tmp);
  const AcDbObjectId leftoverId = dbtest::addToModelSpace(db, leftover);
  rect(0, 0, 10, 10);
  const Found f = search();
  ASSERT_EQ(f.ids.length(), 1);
  EXPECT_FALSE(f.ids[0].isErased());
  EXPECT_TRUE(leftoverId.isErased());
  EXPECT_EQ(vesk::ent::GetLayer(L"$tmpLayer", tmp), 0);
}
