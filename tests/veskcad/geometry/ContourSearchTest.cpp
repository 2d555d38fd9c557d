// The closed contour search on the linework that trips contour finders up:
// shared edges, T-junctions, loose ends, nested and touching rings, curves,
// gaps near and beyond the tolerances, duplicates, tiny pieces, heights.
#include "arx/entities/AcDb3dPolyline.h"
#include "veskcad/geometry/ContourTestSupport.h"

using namespace contourtest;

TEST_F(ContourTest, CellsOfSharedEdgesAndTJunctionsComeWithTheirOutline) {
  // Two squares drawn as lines with an edge in common.
  rectLines(0, 0, 10, 10);
  rectLines(10, 0, 20, 10);
  // A closed rectangle cut in three by lines that end on its edges.
  rect(30, 0, 60, 10);
  line(40, 10, 40, 0);
  line(50, 0, 50, 10);
  const Found f = search();
  EXPECT_AREAS(f.faces, {100.0, 100.0, 100.0, 100.0, 100.0});
  EXPECT_AREAS(f.outlines, {200.0, 300.0});
  EXPECT_EQ(stats.contours, 7);
  EXPECT_EQ(stats.gapClosed, 0);
  // The contours are new closed polylines; the input is untouched.
  for (const AcDbObjectId& id : f.ids) EXPECT_EQ(vesk::ent::IsClosed(id, false), 1);
  for (const AcDbObjectId& id : input) EXPECT_FALSE(id.isErased());
}

TEST_F(ContourTest, LooseEndsAndTreesDoNotDisturbTheFace) {
  rect(0, 0, 10, 10);
  line(10, 5, 15, 5);   // sticking out
  line(15, 5, 18, 8);   // a tree on its end
  line(15, 5, 18, 2);
  line(0, 5, 3, 5);     // sticking in
  line(3, 5, 3, 7);
  line(2, 2, 4, 4);     // alone inside
  line(12, 12, 14, 14);  // alone outside
  const Found f = search();
  EXPECT_AREAS(f.faces, {100.0});
  // One face only: its outline is the same ring and is not repeated.
  EXPECT_TRUE(f.outlines.empty());
}

TEST_F(ContourTest, NestedAndTouchingRingsAreFacesOfTheirOwn) {
  rect(0, 0, 10, 10);  // a ring inside a ring, apart
  rect(3, 3, 7, 7);
  rect(20, 0, 22, 2);  // two squares touching at a corner
  rect(22, 2, 24, 4);
  rect(30, 0, 40, 10);  // a triangle touching its ring's edge from inside
  pline({{30, 5}, {33, 4}, {33, 6}}, true);
  const Found f = search();
  // A face with a hole counts its whole outline; the hole is a face itself.
  EXPECT_AREAS(f.faces, {3.0, 4.0, 4.0, 16.0, 100.0, 100.0});
  EXPECT_TRUE(f.outlines.empty());
}

TEST_F(ContourTest, ArcsCirclesAndBulgesCutFacesExactly) {
  // A circle cut by a line through its centre.
  circle(0, 0, 5);
  line(-10, 0, 10, 0);
  // A half circle bulging into a square from two of its corners.
  rect(20, -5, 30, 5);
  arc(30, 0, 5, kPi / 2, 3 * kPi / 2);
  // A polyline with a half-circle side crossing a rectangle's edge.
  pline({{40, 0}, {50, 0, 1.0}, {50, 10}, {40, 10}}, true);
  rect(52, 2, 60, 8);
  const double half = kPi * 25.0 / 2.0;
  // The rectangle's part inside the bulge (x >= 52, 2 <= y <= 8).
  const double cap = 25.0 * std::asin(0.6);
  const Found f = search();
  std::vector<double> want = {half, half, half, 100.0 - half, 100.0 + half - cap, cap, 48.0 - cap};
  std::sort(want.begin(), want.end());
  EXPECT_AREAS(f.faces, want);
  EXPECT_AREAS(f.outlines, {25.0 * kPi, 100.0, 100.0 + half + 48.0 - cap});
}

TEST_F(ContourTest, GapsCloseWithinTheirTolerancesOnly) {
  // An outline whose ends are 0.05 apart closes on itself.
  pline({{0, 0.05}, {0, 10}, {10, 10}, {10, 0}, {0, 0}}, false);
  // One whose ends are 0.5 apart, with a divider: the walk closes across the
  // gap, on both sides of it.
  pline({{20, 0.5}, {20, 10}, {40, 10}, {40, 0}, {20, 0}}, false);
  line(30, 10, 30, 0);
  // The same with a gap of 1.5: that part is open and drops out.
  pline({{50, 1.5}, {50, 10}, {70, 10}, {70, 0}, {50, 0}}, false);
  line(60, 10, 60, 0);
  // The same with 0.3 but alone: a loose run, not a contour.
  pline({{80, 0.3}, {80, 10}, {90, 10}, {90, 0}, {80, 0}}, false);
  const Found f = search();
  EXPECT_AREAS(f.faces, {100.0, 100.0, 100.0, 100.0});
  EXPECT_AREAS(f.outlines, {200.0});
  EXPECT_EQ(stats.gapClosed, 2);
}

TEST_F(ContourTest, CrossingsNearAnEndAreTakenToBeThatEnd) {
  // The upright crosses the base 0.005 after the base's start: the base is
  // not cut there; the upright is cut at the base's start instead.
  line(0, 0, 10, 0);
  line(10, 0, 10, 10);
  line(10, 10, 0.005, 10);
  line(0.005, 10, 0.005, -1);
  // 0.0005 before the end of a base (within 0.001): the same at its end.
  line(20, 0, 30, 0);
  line(20, 0, 20, 10);
  line(20, 10, 29.9995, 10);
  line(29.9995, 10, 29.9995, -1);
  // 0.05 from an end is an ordinary crossing.
  line(40, 0, 50, 0);
  line(50, 0, 50, 10);
  line(50, 10, 40.05, 10);
  line(40.05, 10, 40.05, -1);
  const Found f = search();
  // Trapezoids: the upright leans to the base's end by up to 0.005.
  EXPECT_AREAS(f.faces, {99.5, 10.0 * (10.0 + 9.995) / 2.0, 10.0 * (9.9995 + 10.0) / 2.0});
}

TEST_F(ContourTest, HeightsDuplicatesAndTinyPiecesChangeNothing) {
  // Lines at different heights, and a 3D polyline, meet as if flat.
  line(0, 0, 10, 0, 5.0, 5.0);
  line(10, 0, 10, 10, 5.0, -3.0);
  line(10, 10, 0, 10, 2.0, 2.0);
  AcGePoint3dArray pts;
  pts.append(AcGePoint3d(0, 10, 7.0));
  pts.append(AcGePoint3d(0, 0, -7.0));
  add(new AcDb3dPolyline(AcDb::k3dSimplePoly, pts, false));
  // A square drawn three times, once the other way round and from another
  // corner, and an edge drawn again in two overlapping halves.
  rect(20, 0, 30, 10);
  rect(20, 0, 30, 10);
  pline({{30, 10}, {30, 0}, {20, 0}, {20, 10}}, true);
  line(20, 0, 26, 0);
  line(24, 0, 30, 0);
  // A square whose corner is cut by a piece 0.002 long (shorter than the
  // 0.01 that crossings snap within), and one with a vertex repeated.
  pline({{40, 0}, {49.9985, 0}, {50, 0.0015}, {50, 10}, {40, 10}}, true);
  line(49.999, -1, 49.999, 0.5);  // crosses the short piece
  pline({{60, 0}, {70, 0}, {70, 0}, {70, 10}, {60, 10}}, true);
  const Found f = search();
  ASSERT_EQ(f.faces.size(), 4u);
  EXPECT_NEAR(f.faces[0], 100.0 - 0.0015 * 0.0015 / 2.0, 1e-6);
  EXPECT_AREAS(std::vector<double>(f.faces.begin() + 1, f.faces.end()), {100.0, 100.0, 100.0});
  EXPECT_TRUE(f.outlines.empty());
  // Every contour lies at Z = 0.
  for (const AcDbObjectId& id : f.ids) {
    AcGePoint3dArray v;
    ASSERT_EQ(vesk::ent::GetCurveParam(id, &v, nullptr), 1);
    AcDbPolyline* pl = nullptr;
    ASSERT_EQ(acdbOpenObject(pl, id, AcDb::kForRead), Acad::eOk);
    EXPECT_EQ(pl->elevation(), 0.0);
    pl->close();
  }
}

TEST_F(ContourTest, LoneClosedCurvesAreContoursRunningClockwise) {
  circle(0, 0, 2);
  pline({{10, 0}, {14, 0}, {14, 3}}, true);  // drawn counter-clockwise
  // Degenerate linework: a line of no length, a polyline on one point, the
  // same line many times over.
  line(20, 20, 20, 20);
  pline({{30, 30}, {30, 30}, {30, 30}}, true);
  for (int i = 0; i < 50; ++i) line(40, 0, 50, 0);
  const Found f = search();
  EXPECT_AREAS(f.faces, {6.0, 4.0 * kPi});
  EXPECT_TRUE(f.outlines.empty());
  // Nothing to search: no contour, no failure.
  CFSearchAllCloseCurve s;
  AcDbObjectIdArray none, out;
  s.Search(none, out);
  EXPECT_EQ(out.length(), 0);
  AcDbObjectIdArray bad;
  bad.append(AcDbObjectId());
  s.Search(bad, out);
  EXPECT_EQ(out.length(), 0);
}
