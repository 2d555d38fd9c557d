#pragma once
// A drawing made the working database, a scripted front end, and helpers that
// add curves and read them back, for the curve toolkit and vertex cleanup tests.
#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <vector>

#include "arx/db/AcDbBlockTable.h"
#include "arx/db/AcDbDatabase.h"
#include "arx/db/AcDbHostApplicationServices.h"
#include "arx/db/AcDbObjectPointer.h"
#include "arx/ed/ScriptedHostUi.h"
#include "arx/entities/AcDb2dPolyline.h"
#include "arx/entities/AcDb2dVertex.h"
#include "arx/entities/AcDb3dPolyline.h"
#include "arx/entities/AcDbArc.h"
#include "arx/entities/AcDbLine.h"
#include "arx/entities/AcDbObjectIterator.h"
#include "arx/entities/AcDbPolyline.h"
#include "arx/ge/AcGePoint2d.h"

namespace curvetest {

struct V {  // a vertex of a test polyline
  double x, y, bulge = 0.0, sw = 0.0, ew = 0.0;
};

inline AcGePoint3d P(double x, double y, double z = 0.0) { return AcGePoint3d(x, y, z); }

inline AcGePoint3dArray pts(std::initializer_list<AcGePoint3d> list) {
  AcGePoint3dArray a;
  for (const AcGePoint3d& p : list) a.append(p);
  return a;
}

inline AcGeDoubleArray nums(std::initializer_list<double> list) {
  AcGeDoubleArray a;
  for (double d : list) a.append(d);
  return a;
}

// Bulge of a quarter circle, counter-clockwise.
inline double quarterBulge() { return std::tan(M_PI / 8.0); }

class DrawingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    db = new AcDbDatabase(true);
    acdbHostApplicationServices()->setWorkingDatabase(db);
    previousUi = vhost::setCurrentHostUi(&ui);
  }
  void TearDown() override {
    vhost::setCurrentHostUi(previousUi);
    acdbHostApplicationServices()->setWorkingDatabase(nullptr);
    delete db;
  }

  AcDbObjectId add(AcDbEntity* ent) {
    ent->setDatabaseDefaults(db);
    AcDbBlockTableRecord* ms = nullptr;
    AcDbObjectId id;
    if (acdbOpenObject(ms, db->modelSpaceId(), AcDb::kForWrite) != Acad::eOk) return id;
    if (ms->appendAcDbEntity(id, ent) == Acad::eOk) ent->close();
    ms->close();
    return id;
  }
  AcDbObjectId addLine(const AcGePoint3d& a, const AcGePoint3d& b) { return add(new AcDbLine(a, b)); }
  AcDbObjectId addArc(const AcGePoint3d& c, double r, double start, double end) {
    return add(new AcDbArc(c, r, start, end));
  }
  AcDbObjectId addPline(std::initializer_list<V> vs, bool closed = false, double elevation = 0.0) {
    auto* pl = new AcDbPolyline();
    unsigned int i = 0;
    for (const V& v : vs) pl->addVertexAt(i++, AcGePoint2d(v.x, v.y), v.bulge, v.sw, v.ew);
    pl->setClosed(closed);
    pl->setElevation(elevation);
    return add(pl);
  }
  AcDbObjectId add2dPline(std::initializer_list<V> vs, bool closed = false, double elevation = 0.0) {
    AcGePoint3dArray p;
    AcGeDoubleArray b;
    for (const V& v : vs) {
      p.append(AcGePoint3d(v.x, v.y, 0.0));
      b.append(v.bulge);
    }
    return add(new AcDb2dPolyline(AcDb::k2dSimplePoly, p, elevation, closed, 0.0, 0.0, &b));
  }
  AcDbObjectId add3dPline(const AcGePoint3dArray& p, bool closed = false) {
    return add(new AcDb3dPolyline(AcDb::k3dSimplePoly, p, closed));
  }

  // The vertices of a lightweight polyline in its plane, with bulges and widths.
  std::vector<V> plineOf(const AcDbObjectId& id) {
    std::vector<V> out;
    AcDbObjectPointer<AcDbPolyline> pl(id, AcDb::kForRead);
    if (pl.openStatus() != Acad::eOk) return out;
    for (unsigned int i = 0; i < pl->numVerts(); ++i) {
      AcGePoint2d p;
      V v{0, 0};
      pl->getPointAt(i, p);
      pl->getBulgeAt(i, v.bulge);
      pl->getWidthsAt(i, v.sw, v.ew);
      v.x = p.x;
      v.y = p.y;
      out.push_back(v);
    }
    return out;
  }
  // The vertex ids and records of an old-style 2D polyline.
  std::vector<AcDbObjectId> vertexIdsOf(const AcDbObjectId& id) {
    std::vector<AcDbObjectId> out;
    AcDbObjectPointer<AcDb2dPolyline> pl(id, AcDb::kForRead);
    if (pl.openStatus() != Acad::eOk) return out;
    AcDbObjectIterator* it = pl->vertexIterator();
    for (it->start(); !it->done(); it->step()) out.push_back(it->objectId());
    delete it;
    return out;
  }
  std::vector<V> vertices2dOf(const AcDbObjectId& id) {
    std::vector<V> out;
    for (const AcDbObjectId& vid : vertexIdsOf(id)) {
      AcDbObjectPointer<AcDb2dVertex> v(vid, AcDb::kForRead);
      if (v.openStatus() != Acad::eOk) continue;
      out.push_back(V{v->position().x, v->position().y, v->bulge(), v->startWidth(), v->endWidth()});
    }
    return out;
  }
  double lengthOf(const AcDbObjectId& id) {
    AcDbObjectPointer<AcDbCurve> c(id, AcDb::kForRead);
    double end = 0.0, len = -1.0;
    if (c.openStatus() != Acad::eOk) return len;
    c->getEndParam(end);
    c->getDistAtParam(end, len);
    return len;
  }
  bool isErased(const AcDbObjectId& id) { return id.isErased(); }

  AcDbDatabase* db = nullptr;
  vhost::ScriptedHostUi ui;
  vhost::HostUi* previousUi = nullptr;
};

inline ::testing::AssertionResult Near(const AcGePoint3d& a, const AcGePoint3d& b, double tol = 1e-7) {
  if (a.distanceTo(b) <= tol) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "(" << a.x << ", " << a.y << ", " << a.z << ") vs (" << b.x << ", " << b.y
                                       << ", " << b.z << ")";
}

}  // namespace curvetest
