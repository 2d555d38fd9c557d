// Hatches: areas with holes and islands, pattern lines clipped to the loops,
// transforms, and associativity with boundary objects in a drawing.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "arx/db/AcDbBlockTable.h"
#include "arx/db/AcDbDatabase.h"
#include "arx/entities/AcDbArc.h"
#include "arx/entities/AcDbCircle.h"
#include "arx/entities/AcDbHatch.h"
#include "arx/entities/AcDbLine.h"
#include "arx/entities/AcDbPolyline.h"
#include "arx/ge/AcDbExtents.h"
#include "arx/ge/AcGeMatrix3d.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

AcGePoint2dArray square(double x0, double y0, double x1, double y1) {
  AcGePoint2dArray v;
  v.append(AcGePoint2d(x0, y0));
  v.append(AcGePoint2d(x1, y0));
  v.append(AcGePoint2d(x1, y1));
  v.append(AcGePoint2d(x0, y1));
  return v;
}

double area(const AcDbHatch& h) {
  double a = -1.0;
  EXPECT_EQ(h.getArea(a), Acad::eOk);
  return a;
}

double totalLineLength(const AcDbHatch& h) {
  double sum = 0.0;
  for (int i = 0; i < h.numHatchLines(); ++i) {
    AcGePoint2d a, b;
    h.getHatchLineDataAt(i, a, b);
    sum += a.distanceTo(b);
  }
  return sum;
}

AcDbObjectId addToModelSpace(AcDbDatabase* db, AcDbEntity* ent, bool close = true) {
  AcDbBlockTableRecord* ms = nullptr;
  AcDbObjectId id;
  if (acdbOpenObject(ms, db->modelSpaceId(), AcDb::kForWrite) != Acad::eOk) return id;
  if (ms->appendAcDbEntity(id, ent) == Acad::eOk && close) ent->close();
  ms->close();
  return id;
}

}  // namespace

TEST(AnnotationHatch, AreaOfLoopsWithHolesAndIslands) {
  AcDbHatch h;
  AcGeDoubleArray none;
  ASSERT_EQ(h.appendLoop(AcDbHatch::kExternal, square(0.5, 0.5, 10.5, 10.5), none), Acad::eOk);
  // A round hole of radius 2 as two half circles.
  AcGePoint2dArray disc;
  disc.append(AcGePoint2d(3.5, 5.5));
  disc.append(AcGePoint2d(7.5, 5.5));
  AcGeDoubleArray halves;
  halves.append(1.0);
  halves.append(1.0);
  ASSERT_EQ(h.appendLoop(AcDbHatch::kDefault, disc, halves), Acad::eOk);
  EXPECT_NEAR(area(h), 100.0 - 4.0 * kPi, 1e-9);
  // An island in the hole counts again, unless the style stops at the outer area.
  ASSERT_EQ(h.appendLoop(AcDbHatch::kDefault, square(5, 5, 6, 6), none), Acad::eOk);
  EXPECT_NEAR(area(h), 101.0 - 4.0 * kPi, 1e-9);
  h.setHatchStyle(AcDbHatch::kOuter);
  EXPECT_NEAR(area(h), 100.0 - 4.0 * kPi, 1e-9);
  h.setHatchStyle(AcDbHatch::kIgnore);
  EXPECT_NEAR(area(h), 100.0, 1e-9);
  h.setHatchStyle(AcDbHatch::kNormal);

  // Loop data as given, and removal.
  Adesk::Int32 type = 0;
  AcGePoint2dArray v;
  AcGeDoubleArray b;
  ASSERT_EQ(h.getLoopAt(1, type, v, b), Acad::eOk);
  EXPECT_EQ(v.length(), 2);
  EXPECT_DOUBLE_EQ(b[0], 1.0);
  EXPECT_TRUE(type & AcDbHatch::kPolyline);
  ASSERT_EQ(h.removeLoopAt(2), Acad::eOk);
  EXPECT_EQ(h.numLoops(), 2);
  EXPECT_EQ(h.removeLoopAt(5), Acad::eInvalidIndex);

  // A closing vertex equal to the first is dropped; bad loops are refused.
  AcGePoint2dArray closed = square(0, 0, 1, 1);
  closed.append(AcGePoint2d(0, 0));
  EXPECT_EQ(h.appendLoop(AcDbHatch::kDefault, closed, none), Acad::eOk);
  ASSERT_EQ(h.getLoopAt(2, type, v, b), Acad::eOk);
  EXPECT_EQ(v.length(), 4);
  AcGePoint2dArray one;
  one.append(AcGePoint2d(1, 1));
  EXPECT_EQ(h.appendLoop(AcDbHatch::kDefault, one, none), Acad::eInvalidInput);
  AcGeDoubleArray wrong;
  wrong.append(0.5);
  EXPECT_EQ(h.appendLoop(AcDbHatch::kDefault, square(0, 0, 1, 1), wrong), Acad::eInvalidInput);
  EXPECT_EQ(h.numLoops(), 3);
}

TEST(AnnotationHatch, PatternLinesAreClippedToTheLoops) {
  AcDbHatch h;
  AcGeDoubleArray none;
  h.appendLoop(AcDbHatch::kExternal, square(0.5, 0.5, 10.5, 10.5), none);
  EXPECT_TRUE(h.isSolidFill());
  EXPECT_EQ(h.numHatchLines(), 0);
  AcDbVoidPtrArray none2;
  EXPECT_EQ(h.explode(none2), Acad::eNotApplicable);

  // Horizontal lines one unit apart: ten lines of length 10.
  ASSERT_EQ(h.setPattern(AcDbHatch::kUserDefined, L"_USER"), Acad::eOk);
  h.setPatternSpace(1.0);
  ASSERT_EQ(h.evaluateHatch(), Acad::eOk);
  EXPECT_EQ(h.numHatchLines(), 10);
  EXPECT_NEAR(totalLineLength(h), 100.0, 1e-9);
  // A round hole splits the four lines that cross it.
  AcGePoint2dArray disc;
  disc.append(AcGePoint2d(3.5, 5.5));
  disc.append(AcGePoint2d(7.5, 5.5));
  AcGeDoubleArray halves;
  halves.append(1.0);
  halves.append(1.0);
  h.appendLoop(AcDbHatch::kDefault, disc, halves);
  EXPECT_EQ(h.numHatchLines(), 14);
  AcDbVoidPtrArray lines;
  ASSERT_EQ(h.explode(lines), Acad::eOk);
  EXPECT_EQ(lines.length(), 14);
  for (void* p : lines) delete static_cast<AcDbEntity*>(p);
  // Crossed lines: twice the count; the total length is about area / spacing.
  h.setPatternDouble(true);
  EXPECT_EQ(h.numHatchLines(), 28);
  EXPECT_NEAR(totalLineLength(h) / 2.0, 100.0 - 4.0 * kPi, 0.5);
  EXPECT_EQ(h.numPatternDefinitions(), 2);

  // A predefined pattern turns with the pattern angle.
  ASSERT_EQ(h.setPattern(AcDbHatch::kPreDefined, L"ansi31"), Acad::eOk);
  EXPECT_FALSE(h.isSolidFill());
  h.setPatternAngle(kPi / 4);
  double angle, bx, by, ox, oy;
  AcGeDoubleArray dashes;
  ASSERT_EQ(h.getPatternDefinitionAt(0, angle, bx, by, ox, oy, dashes), Acad::eOk);
  EXPECT_NEAR(angle, kPi / 2, 1e-12);
  EXPECT_NEAR(std::hypot(ox, oy), 3.175, 1e-12);
  EXPECT_GT(h.numHatchLines(), 0);
  // Dashed families give pieces no longer than the dash.
  h.setPattern(AcDbHatch::kPreDefined, L"DASH");
  h.setPatternAngle(0.0);
  ASSERT_GT(h.numHatchLines(), 0);
  for (int i = 0; i < h.numHatchLines(); ++i) {
    AcGePoint2d a, b;
    h.getHatchLineDataAt(i, a, b);
    EXPECT_LE(a.distanceTo(b), 3.175 + 1e-9);
  }
  // Too dense a pattern is refused.
  h.setPattern(AcDbHatch::kUserDefined, L"");
  h.setPatternSpace(1e-6);
  EXPECT_EQ(h.evaluateHatch(), Acad::eInvalidInput);
  EXPECT_EQ(h.setPatternSpace(0.0), Acad::eInvalidInput);

  // Scaling the hatch scales its area and its pattern.
  AcDbHatch s;
  s.appendLoop(AcDbHatch::kExternal, square(0, 0, 2, 1), none);
  s.setPattern(AcDbHatch::kPreDefined, L"ANSI31");
  ASSERT_EQ(s.transformBy(AcGeMatrix3d::scaling(3.0) * AcGeMatrix3d::rotation(kPi / 2, AcGeVector3d::kZAxis)),
            Acad::eOk);
  EXPECT_NEAR(area(s), 18.0, 1e-9);
  EXPECT_NEAR(s.patternScale(), 3.0, 1e-12);
  EXPECT_NEAR(s.patternAngle(), kPi / 2, 1e-12);
  AcDbExtents ext;
  ASSERT_EQ(s.getGeomExtents(ext), Acad::eOk);
  EXPECT_NEAR(ext.minPoint().x, -3.0, 1e-9);
  EXPECT_NEAR(ext.maxPoint().y, 6.0, 1e-9);
}

TEST(AnnotationHatch, AssociativeHatchFollowsItsBoundary) {
  std::unique_ptr<AcDbDatabase> db(new AcDbDatabase());
  auto* pl = new AcDbPolyline();
  AcGePoint2dArray corners = square(0, 0, 4, 4);
  for (int i = 0; i < 4; ++i) pl->addVertexAt(i, corners[i]);
  pl->setClosed(true);
  const AcDbObjectId plId = addToModelSpace(db.get(), pl);

  // The host's order: associative, in the drawing, then the loop from the object.
  auto* h = new AcDbHatch();
  h->setAssociative(true);
  const AcDbObjectId hatchId = addToModelSpace(db.get(), h, false);
  AcDbObjectIdArray ids;
  ids.append(plId);
  ASSERT_EQ(h->appendLoop(AcDbHatch::kExternal, ids), Acad::eOk);
  EXPECT_NEAR(area(*h), 16.0, 1e-12);
  h->close();
  // Another hatch given its loop before it is in the drawing attaches when closed.
  auto* h2 = new AcDbHatch();
  h2->setAssociative(true);
  ASSERT_EQ(h2->appendLoop(AcDbHatch::kExternal, ids), Acad::eOk);
  const AcDbObjectId hatch2Id = addToModelSpace(db.get(), h2);

  AcDbPolyline* w = nullptr;
  ASSERT_EQ(acdbOpenObject(w, plId, AcDb::kForWrite), Acad::eOk);
  EXPECT_TRUE(w->hasPersistentReactor(hatchId));
  EXPECT_TRUE(w->hasPersistentReactor(hatch2Id));
  // Stretch the boundary: both hatches follow when it closes.
  w->setPointAt(2, AcGePoint2d(8, 4));
  w->setPointAt(1, AcGePoint2d(8, 0));
  w->close();
  for (AcDbObjectId id : {hatchId, hatch2Id}) {
    AcDbHatch* r = nullptr;
    ASSERT_EQ(acdbOpenObject(r, id, AcDb::kForRead), Acad::eOk);
    EXPECT_NEAR(area(*r), 32.0, 1e-12);
    EXPECT_TRUE(r->associative());
    AcDbObjectIdArray assoc;
    r->getAssocObjIds(assoc);
    EXPECT_EQ(assoc.length(), 1);
    r->close();
  }

  // Erasing the boundary ends the association; the hatch keeps its shape.
  ASSERT_EQ(acdbOpenObject(w, plId, AcDb::kForWrite), Acad::eOk);
  ASSERT_EQ(w->erase(), Acad::eOk);
  w->close();
  AcDbHatch* r = nullptr;
  ASSERT_EQ(acdbOpenObject(r, hatchId, AcDb::kForRead), Acad::eOk);
  EXPECT_FALSE(r->associative());
  AcDbObjectIdArray assoc;
  r->getAssocObjIds(assoc);
  EXPECT_TRUE(assoc.isEmpty());
  EXPECT_NEAR(area(*r), 32.0, 1e-12);
  r->close();

  // Boundaries that do not close, and objects that are not curves, are refused.
  auto* a = new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0));
  auto* b = new AcDbLine(AcGePoint3d(1, 0, 0), AcGePoint3d(1, 1, 0));
  AcDbObjectIdArray open;
  open.append(addToModelSpace(db.get(), a));
  open.append(addToModelSpace(db.get(), b));
  AcDbHatch loose;
  EXPECT_EQ(loose.appendLoop(AcDbHatch::kExternal, open), Acad::eInvalidInput);
  open.append(addToModelSpace(db.get(), new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 1, 0))));
  EXPECT_EQ(loose.appendLoop(AcDbHatch::kExternal, open), Acad::eOk);
  EXPECT_NEAR(area(loose), 0.5, 1e-12);
  // A circle and a half disc of a line and an arc read exactly.
  AcDbObjectIdArray circle;
  circle.append(addToModelSpace(db.get(), new AcDbCircle(AcGePoint3d(20, 0, 0), AcGeVector3d::kZAxis, 2.0)));
  AcDbHatch round;
  ASSERT_EQ(round.appendLoop(AcDbHatch::kExternal, circle), Acad::eOk);
  EXPECT_NEAR(area(round), 4.0 * kPi, 1e-9);
  AcDbObjectIdArray half;
  half.append(addToModelSpace(db.get(), new AcDbArc(AcGePoint3d(0, 20, 0), 1.0, 0.0, kPi)));
  half.append(addToModelSpace(db.get(), new AcDbLine(AcGePoint3d(-1, 20, 0), AcGePoint3d(1, 20, 0))));
  ASSERT_EQ(round.appendLoop(AcDbHatch::kExternal, half), Acad::eOk);
  EXPECT_NEAR(area(round), 4.0 * kPi + kPi / 2, 1e-9);
  // A mirror keeps the area (the arcs turn the other way).
  ASSERT_EQ(round.transformBy(AcGeMatrix3d::mirroring(AcGePoint3d(5, 5, 0))), Acad::eOk);
  EXPECT_NEAR(area(round), 4.5 * kPi, 1e-9);
  AcDbObjectIdArray notCurve;
  notCurve.append(hatch2Id);
  EXPECT_EQ(loose.appendLoop(AcDbHatch::kExternal, notCurve), Acad::eNotThatKindOfClass);
}
