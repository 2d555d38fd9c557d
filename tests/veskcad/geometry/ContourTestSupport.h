#pragma once
// A drawing made the working database, makers for linework, and readers for
// the contours the search returns, for the closed contour search tests.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "arx/db/AcDbBlockTable.h"
#include "arx/entities/AcDbArc.h"
#include "arx/entities/AcDbBlockReference.h"
#include "arx/entities/AcDbRegion.h"
#include "arx/entities/AcDbCircle.h"
#include "arx/entities/AcDbLine.h"
#include "arx/entities/AcDbPolyline.h"
#include "arx/ge/AcGeContext.h"
#include "platform/arx/ed/EdTestSupport.h"
#include "veskbase/EntCurve.h"
#include "veskcad/geometry/CFSearchAllCloseCurve.h"

namespace contourtest {

constexpr double kPi = 3.14159265358979323846;

struct Vx {
  double x, y, b = 0.0;
};

// What the search gave: the signed area of every contour (negative for a
// clockwise face), sorted.
struct Found {
  std::vector<double> faces;     // areas of the clockwise contours, as positive numbers
  std::vector<double> outlines;  // areas of the counter-clockwise ones
  AcDbObjectIdArray ids;
  double faceSum() const {
    double s = 0.0;
    for (double a : faces) s += a;
    return s;
  }
};

// Signed area of a closed polyline (arcs honoured).
inline double signedArea(AcDbObjectId id) {
  AcDbPolyline* pl = nullptr;
  if (acdbOpenObject(pl, id, AcDb::kForRead) != Acad::eOk) return 0.0;
  const unsigned n = pl->numVerts();
  AcGePoint3dArray pts;
  AcGeDoubleArray blgs;
  for (unsigned i = 0; i < n; ++i) {
    AcGePoint3d p;
    double b = 0.0;
    pl->getPointAt(i, p);
    pl->getBulgeAt(i, b);
    pts.append(p);
    blgs.append(b);
  }
  const bool closed = pl->isClosed();
  pl->close();
  if (!closed || n < 2) return 0.0;
  return VeskGe::BulgePiece::outlineArea(pts, blgs);
}

class ContourTest : public edtest::EditorTest {
 protected:
  AcDbObjectId add(AcDbEntity* e) {
    e->setDatabaseDefaults(db);
    AcDbObjectId id = dbtest::addToModelSpace(db, e);
    input.append(id);
    return id;
  }
  AcDbObjectId line(double x0, double y0, double x1, double y1, double z0 = 0.0, double z1 = 0.0) {
    return add(new AcDbLine(AcGePoint3d(x0, y0, z0), AcGePoint3d(x1, y1, z1)));
  }
  AcDbObjectId circle(double x, double y, double r) {
    return add(new AcDbCircle(AcGePoint3d(x, y, 0.0), AcGeVector3d::kZAxis, r));
  }
  AcDbObjectId arc(double x, double y, double r, double a0, double a1) {
    return add(new AcDbArc(AcGePoint3d(x, y, 0.0), AcGeVector3d::kZAxis, r, a0, a1));
  }
  AcDbObjectId pline(const std::vector<Vx>& vs, bool closed, double elevation = 0.0) {
    auto* pl = new AcDbPolyline();
    for (unsigned i = 0; i < vs.size(); ++i) pl->addVertexAt(i, AcGePoint2d(vs[i].x, vs[i].y), vs[i].b);
    pl->setClosed(closed);
    pl->setElevation(elevation);
    return add(pl);
  }
  // An axis-aligned rectangle as four lines.
  void rectLines(double x0, double y0, double x1, double y1) {
    line(x0, y0, x1, y0);
    line(x1, y0, x1, y1);
    line(x1, y1, x0, y1);
    line(x0, y1, x0, y0);
  }
  AcDbObjectId rect(double x0, double y0, double x1, double y1) {
    return pline({{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}}, true);
  }

  // A block definition holding the entities (which are in no database yet).
  AcDbObjectId defineBlock(const wchar_t* name, std::vector<AcDbEntity*> ents) {
    AcDbBlockTable* table = nullptr;
    AcDbObjectId id;
    if (db->getBlockTable(table, AcDb::kForWrite) != Acad::eOk) return id;
    auto* rec = new AcDbBlockTableRecord();
    rec->setName(name);
    table->add(id, rec);
    table->close();
    for (AcDbEntity* e : ents) {
      e->setDatabaseDefaults(db);
      rec->appendAcDbEntity(e);
      e->close();
    }
    rec->close();
    return id;
  }
  AcDbObjectId insert(AcDbObjectId block, double x, double y, const AcGeScale3d& scale, double rotation = 0.0) {
    auto* ref = new AcDbBlockReference(AcGePoint3d(x, y, 0.0), block);
    ref->setScaleFactors(scale);
    ref->setRotation(rotation);
    return add(ref);
  }
  // A region of the closed curves given (in no database), the second one
  // subtracted from the first when there are two.
  AcDbObjectId region(AcDbEntity* outer, AcDbEntity* hole = nullptr) {
    AcDbVoidPtrArray curves, regions;
    curves.append(outer);
    AcDbVoidPtrArray holeCurves, holeRegions;
    if (hole != nullptr) holeCurves.append(hole);
    AcDbRegion::createFromCurves(curves, regions);
    delete outer;
    auto* r = static_cast<AcDbRegion*>(regions[0]);
    if (hole != nullptr) {
      AcDbRegion::createFromCurves(holeCurves, holeRegions);
      r->booleanOper(AcDb::kBoolSubtract, static_cast<AcDbRegion*>(holeRegions[0]));
      delete static_cast<AcDbRegion*>(holeRegions[0]);
      delete hole;
    }
    return add(r);
  }

  Found search() { return search(input); }
  Found search(const AcDbObjectIdArray& ids) {
    Found f;
    CFSearchAllCloseCurve s;
    s.Search(ids, f.ids);
    stats = s.GetStats();
    for (const AcDbObjectId& id : f.ids) {
      const double a = signedArea(id);
      (a < 0.0 ? f.faces : f.outlines).push_back(std::fabs(a));
    }
    std::sort(f.faces.begin(), f.faces.end());
    std::sort(f.outlines.begin(), f.outlines.end());
    return f;
  }

  AcDbObjectIdArray input;
  CFSearchAllCloseCurve::Stats stats;
};

}  // namespace contourtest

#define EXPECT_AREAS(actual, ...)                                    \
  do {                                                               \
    const std::vector<double> _want = __VA_ARGS__;                   \
    const std::vector<double>& _got = (actual);                      \
    ASSERT_EQ(_got.size(), _want.size());                            \
    for (size_t _i = 0; _i < _want.size(); ++_i)                     \
      EXPECT_NEAR(_got[_i], _want[_i], 1e-6 * (1.0 + _want[_i])) << "area " << _i; \
  } while (0)
