// Old-style 2D and 3D polylines: owned vertex objects in the database, curve
// fitting, conversion, cloning.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

#include "arx/db/AcDbBlockTable.h"
#include "arx/db/AcDbDatabase.h"
#include "arx/entities/AcDb2dPolyline.h"
#include "arx/entities/AcDb3dPolyline.h"
#include "arx/entities/AcDbLine.h"
#include "arx/entities/AcDbObjectIterator.h"
#include "arx/entities/AcDbPolyline.h"
#include "arx/ge/AcGeMatrix3d.h"
#include "arx/ge/AcGePlane.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

AcDbObjectId addToModelSpace(AcDbDatabase* db, AcDbEntity* ent) {
  AcDbBlockTableRecord* ms = nullptr;
  AcDbObjectId id;
  if (acdbOpenObject(ms, db->modelSpaceId(), AcDb::kForWrite) != Acad::eOk) return id;
  if (ms->appendAcDbEntity(id, ent) == Acad::eOk) ent->close();
  ms->close();
  return id;
}

AcGePoint3dArray points(std::initializer_list<AcGePoint3d> pts) {
  AcGePoint3dArray a;
  for (const AcGePoint3d& p : pts) a.append(p);
  return a;
}

std::vector<AcDbObjectId> vertexIds(const AcDb2dPolyline* pl) {
  std::vector<AcDbObjectId> ids;
  std::unique_ptr<AcDbObjectIterator> it(pl->vertexIterator());
  for (; !it->done(); it->step()) ids.push_back(it->objectId());
  return ids;
}

double endParam(const AcDbCurve* c) {
  double e = -1;
  c->getEndParam(e);
  return e;
}

struct SubObjWatcher : AcDbObjectReactor {
  int count = 0;
  void subObjModified(const AcDbObject*, const AcDbObject*) override { ++count; }
};

}  // namespace

TEST(CurvesOldStyle, VerticesBecomeOwnedObjectsAndEraseTogether) {
  std::unique_ptr<AcDbDatabase> db(new AcDbDatabase());
  AcGeDoubleArray bulges;
  bulges.append(0.0);
  bulges.append(1.0);
  bulges.append(0.0);
  auto* pl = new AcDb2dPolyline(AcDb::k2dSimplePoly, points({{0, 0, 0}, {10, 0, 0}, {10, 10, 0}}), 2.0, false, 0, 0,
                                &bulges);
  // Before the database the geometry is there already.
  EXPECT_DOUBLE_EQ(endParam(pl), 2.0);
  AcGePoint3d mid;
  ASSERT_EQ(pl->getPointAtParam(1.5, mid), Acad::eOk);
  EXPECT_NEAR(mid.x, 15.0, 1e-9);
  EXPECT_NEAR(mid.z, 2.0, 1e-12);  // the elevation
  const AcDbObjectId plId = addToModelSpace(db.get(), pl);
  ASSERT_FALSE(plId.isNull());

  AcDb2dPolyline* r = nullptr;
  ASSERT_EQ(acdbOpenObject(r, plId, AcDb::kForRead), Acad::eOk);
  std::vector<AcDbObjectId> ids = vertexIds(r);
  ASSERT_EQ(ids.size(), 3u);
  for (const AcDbObjectId& id : ids) {
    AcDb2dVertex* v = nullptr;
    ASSERT_EQ(r->openVertex(v, id, AcDb::kForRead), Acad::eOk);
    EXPECT_EQ(v->ownerId(), plId);
    v->close();
  }
  // appendVertex needs the polyline open for write.
  EXPECT_EQ(r->appendVertex(new AcDb2dVertex(AcGePoint3d(0, 10, 0))), Acad::eNotOpenForWrite);
  r->close();

  // Erasing a vertex takes it out of the shape; unerasing brings it back in place.
  AcDb2dVertex* v1 = nullptr;
  ASSERT_EQ(acdbOpenObject(v1, ids[1], AcDb::kForWrite), Acad::eOk);
  ASSERT_EQ(v1->erase(), Acad::eOk);
  v1->close();
  ASSERT_EQ(acdbOpenObject(r, plId, AcDb::kForRead), Acad::eOk);
  EXPECT_DOUBLE_EQ(endParam(r), 1.0);
  AcGePoint3d e;
  r->getEndPoint(e);
  EXPECT_TRUE(e.isEqualTo(AcGePoint3d(10, 10, 2)));
  EXPECT_EQ(vertexIds(r).size(), 2u);
  r->close();
  ASSERT_EQ(acdbOpenObject(v1, ids[1], AcDb::kForWrite, true), Acad::eOk);
  ASSERT_EQ(v1->erase(false), Acad::eOk);
  v1->close();
  ASSERT_EQ(acdbOpenObject(r, plId, AcDb::kForRead), Acad::eOk);
  EXPECT_DOUBLE_EQ(endParam(r), 2.0);
  r->close();

  // Erasing the polyline erases its vertices.
  AcDb2dPolyline* w = nullptr;
  ASSERT_EQ(acdbOpenObject(w, plId, AcDb::kForWrite), Acad::eOk);
  ASSERT_EQ(w->erase(), Acad::eOk);
  w->close();
  for (const AcDbObjectId& id : ids) EXPECT_TRUE(id.isErased());
}

TEST(CurvesOldStyle, AppendInsertAndModifyReachTheOwner) {
  std::unique_ptr<AcDbDatabase> db(new AcDbDatabase());
  const AcDbObjectId plId = addToModelSpace(db.get(), new AcDb2dPolyline());
  AcDb2dPolyline* w = nullptr;
  ASSERT_EQ(acdbOpenObject(w, plId, AcDb::kForWrite), Acad::eOk);
  AcDbObjectId a, b, c;
  auto* va = new AcDb2dVertex(AcGePoint3d(0, 0, 0));
  ASSERT_EQ(w->appendVertex(a, va), Acad::eOk);
  EXPECT_FALSE(a.isNull());
  EXPECT_TRUE(va->isWriteEnabled());  // handed back open
  va->close();
  auto* vc = new AcDb2dVertex(AcGePoint3d(10, 0, 0));
  w->appendVertex(c, vc);
  vc->close();
  auto* vb = new AcDb2dVertex(AcGePoint3d(5, 5, 0));
  ASSERT_EQ(w->insertVertexAt(b, a, vb), Acad::eOk);  // after a
  vb->close();
  AcDbObjectId none;
  EXPECT_EQ(w->insertVertexAt(none, AcDbObjectId::kNull, nullptr), Acad::eNullObjectPointer);
  std::vector<AcDbObjectId> ids = vertexIds(w);
  ASSERT_EQ(ids.size(), 3u);
  EXPECT_EQ(ids[1], b);
  double len;
  w->getDistAtParam(2.0, len);
  EXPECT_NEAR(len, 2 * std::sqrt(50.0), 1e-12);
  SubObjWatcher watcher;
  w->addReactor(&watcher);
  w->close();
  AcDb2dVertex* v = nullptr;
  ASSERT_EQ(acdbOpenObject(v, b, AcDb::kForWrite), Acad::eOk);
  v->setBulge(0.5);
  v->close();
  EXPECT_EQ(watcher.count, 1);
  ASSERT_EQ(acdbOpenObject(w, plId, AcDb::kForRead), Acad::eOk);
  w->removeReactor(&watcher);
  w->getDistAtParam(2.0, len);
  EXPECT_GT(len, 2 * std::sqrt(50.0));
  w->close();
}

TEST(CurvesOldStyle, CurveFitSplineFitAndStraighten) {
  std::unique_ptr<AcDbDatabase> db(new AcDbDatabase());
  auto* pl = new AcDb2dPolyline(AcDb::k2dSimplePoly,
                                points({{0, 0, 0}, {10, 5, 0}, {20, 0, 0}, {30, 8, 0}}));
  const AcDbObjectId plId = addToModelSpace(db.get(), pl);
  AcDb2dPolyline* w = nullptr;
  ASSERT_EQ(acdbOpenObject(w, plId, AcDb::kForWrite), Acad::eOk);
  ASSERT_EQ(w->curveFit(), Acad::eOk);
  EXPECT_EQ(w->polyType(), AcDb::k2dFitCurvePoly);
  std::vector<AcDbObjectId> ids = vertexIds(w);
  ASSERT_EQ(ids.size(), 7u);  // a fit vertex between each pair
  EXPECT_DOUBLE_EQ(endParam(w), 6.0);
  // The curve passes through the original vertices ...
  const AcGePoint3d orig[4] = {{0, 0, 0}, {10, 5, 0}, {20, 0, 0}, {30, 8, 0}};
  for (int k = 0; k < 4; ++k) {
    AcGePoint3d p;
    w->getPointAtParam(2.0 * k, p);
    EXPECT_TRUE(p.isEqualTo(orig[k])) << k;
  }
  // ... and is smooth: the tangents on both sides of every inner vertex agree.
  for (double at = 1.0; at < 6.0; at += 1.0) {
    AcGeVector3d before, after;
    w->getFirstDeriv(at - 1e-9, before);
    w->getFirstDeriv(at + 1e-9, after);
    EXPECT_NEAR(before.normal().dotProduct(after.normal()), 1.0, 1e-6) << at;
  }
  int fitCount = 0;
  for (const AcDbObjectId& id : ids) {
    AcDb2dVertex* v = nullptr;
    w->openVertex(v, id, AcDb::kForRead);
    if (v->vertexType() == AcDb::k2dCurveFitVertex) ++fitCount;
    v->close();
  }
  EXPECT_EQ(fitCount, 3);

  ASSERT_EQ(w->straighten(), Acad::eOk);
  EXPECT_EQ(vertexIds(w).size(), 4u);
  EXPECT_DOUBLE_EQ(endParam(w), 3.0);
  AcGePoint3d p;
  w->getPointAtParam(0.5, p);
  EXPECT_TRUE(p.isEqualTo(AcGePoint3d(5, 2.5, 0)));  // straight again
  const std::vector<AcDbObjectId> kept = vertexIds(w);
  for (const AcDbObjectId& id : ids) {
    const bool gone = std::find(kept.begin(), kept.end(), id) == kept.end();
    EXPECT_EQ(gone, id.isErased());
  }

  // Spline fit: the frame vertices stay but are not drawn.
  ASSERT_EQ(w->splineFit(AcDb::k2dQuadSplinePoly, 4), Acad::eOk);
  EXPECT_EQ(vertexIds(w).size(), 4u + 13u);
  EXPECT_DOUBLE_EQ(endParam(w), 12.0);
  AcGePoint3d s, e;
  w->getStartPoint(s);
  w->getEndPoint(e);
  EXPECT_TRUE(s.isEqualTo(AcGePoint3d(0, 0, 0)));
  EXPECT_TRUE(e.isEqualTo(AcGePoint3d(30, 8, 0)));
  ASSERT_EQ(w->setPolyType(AcDb::k2dSimplePoly), Acad::eOk);
  EXPECT_EQ(vertexIds(w).size(), 4u);
  w->close();
}

TEST(CurvesOldStyle, ConversionCloneTransformAndSplit) {
  AcGeDoubleArray bulges;
  bulges.append(-0.5);
  bulges.append(0.0);
  AcDb2dPolyline old(AcDb::k2dSimplePoly, points({{0, 0, 0}, {4, 0, 0}, {4, 3, 0}}), 1.5, true, 0.2, 0.2, &bulges);
  AcDbPolyline lw;
  AcDbEntity* ent = &old;
  EXPECT_EQ(lw.convertFrom(ent, true), Acad::eNotInDatabase);  // nothing to take the place of
  ASSERT_EQ(lw.convertFrom(ent, false), Acad::eOk);
  EXPECT_EQ(lw.numVerts(), 3u);
  EXPECT_TRUE(lw.isClosed());
  EXPECT_DOUBLE_EQ(lw.elevation(), 1.5);
  double b, a1, a2;
  lw.getBulgeAt(0, b);
  EXPECT_DOUBLE_EQ(b, -0.5);
  lw.getArea(a1);
  old.getArea(a2);
  EXPECT_NEAR(a1, a2, 1e-12);
  AcDb2dPolyline* back = nullptr;
  ASSERT_EQ(lw.convertTo(back, false), Acad::eOk);
  std::unique_ptr<AcDb2dPolyline> hold(back);
  back->getArea(a1);
  EXPECT_NEAR(a1, a2, 1e-12);

  // A transformed copy has its own vertices; the original is untouched.
  AcDbEntity* copy = nullptr;
  ASSERT_EQ(old.getTransformedCopy(AcGeMatrix3d::translation(AcGeVector3d(100, 0, 0)), copy), Acad::eOk);
  std::unique_ptr<AcDbEntity> holdCopy(copy);
  AcGePoint3d s0, s1;
  old.getStartPoint(s0);
  static_cast<AcDbCurve*>(copy)->getStartPoint(s1);
  EXPECT_TRUE(s1.isEqualTo(s0 + AcGeVector3d(100, 0, 0)));
  // Mirror: positions mirrored, bulges turned over.
  ASSERT_EQ(back->transformBy(AcGeMatrix3d::mirroring(AcGePlane(AcGePoint3d::kOrigin, AcGeVector3d::kXAxis))),
            Acad::eOk);
  std::vector<vhost::Poly2dVertexData> data;
  back->vhostDrawnVertices(data);
  EXPECT_DOUBLE_EQ(data[0].bulge, 0.5);
  EXPECT_NEAR(data[1].position.x, -4.0, 1e-12);
  back->getArea(a1);
  EXPECT_NEAR(a1, a2, 1e-12);

  // Split a closed one at one point: an open polyline from there round to there.
  AcGeDoubleArray params;
  params.append(1.5);
  AcDbVoidPtrArray parts;
  ASSERT_EQ(old.getSplitCurves(params, parts), Acad::eOk);
  ASSERT_EQ(parts.length(), 1);
  AcDb2dPolyline* part = AcDb2dPolyline::cast(static_cast<AcDbEntity*>(parts[0]));
  ASSERT_NE(part, nullptr);
  EXPECT_FALSE(part->isClosed());
  EXPECT_DOUBLE_EQ(endParam(part), 4.0);  // the cut segment comes in two parts
  double l1, l2;
  part->getDistAtParam(4.0, l1);
  old.getDistAtParam(3.0, l2);
  EXPECT_NEAR(l1, l2, 1e-9);
  delete part;
  AcDbVoidPtrArray pieces;
  ASSERT_EQ(old.explode(pieces), Acad::eOk);
  EXPECT_EQ(pieces.length(), 3);
  for (void* v : pieces) delete static_cast<AcDbEntity*>(v);
}

TEST(CurvesOldStyle, ThreeDPolylineAndDeepClone) {
  std::unique_ptr<AcDbDatabase> db(new AcDbDatabase());
  auto* p3 = new AcDb3dPolyline(AcDb::k3dSimplePoly, points({{0, 0, 0}, {3, 4, 0}, {3, 4, 12}}), true);
  const AcDbObjectId id = addToModelSpace(db.get(), p3);
  AcDb3dPolyline* r = nullptr;
  ASSERT_EQ(acdbOpenObject(r, id, AcDb::kForRead), Acad::eOk);
  double len;
  r->getDistAtParam(3.0, len);
  EXPECT_NEAR(len, 5 + 12 + 13, 1e-12);
  double param;
  ASSERT_EQ(r->getParamAtPoint(AcGePoint3d(1.5, 2, 6), param), Acad::eOk);  // on the closing segment
  EXPECT_NEAR(param, 2.5, 1e-12);
  AcDbVoidPtrArray lines;
  r->explode(lines);
  EXPECT_EQ(lines.length(), 3);
  for (void* v : lines) delete static_cast<AcDbEntity*>(v);
  r->close();
  AcDb3dPolyline* w = nullptr;
  ASSERT_EQ(acdbOpenObject(w, id, AcDb::kForWrite), Acad::eOk);
  ASSERT_EQ(w->reverseCurve(), Acad::eOk);
  AcGePoint3d s;
  w->getStartPoint(s);
  EXPECT_TRUE(s.isEqualTo(AcGePoint3d(3, 4, 12)));
  ASSERT_EQ(w->transformBy(AcGeMatrix3d::scaling(2.0)), Acad::eOk);
  w->getDistAtParam(3.0, len);
  EXPECT_NEAR(len, 60, 1e-12);
  ASSERT_EQ(w->splineFit(), Acad::eOk);
  EXPECT_DOUBLE_EQ(endParam(w), 24.0);  // 3 closed frame segments, 8 fit segments each
  w->close();

  // Deep cloning copies the vertices with the polyline.
  AcDbObjectIdArray ids;
  ids.append(id);
  AcDbIdMapping map;
  ASSERT_EQ(db->deepCloneObjects(ids, db->modelSpaceId(), map), Acad::eOk);
  AcDbIdPair pair(id, AcDbObjectId::kNull, false);
  ASSERT_TRUE(map.compute(pair));
  AcDb3dPolyline* c = nullptr;
  ASSERT_EQ(acdbOpenObject(c, pair.value(), AcDb::kForRead), Acad::eOk);
  std::unique_ptr<AcDbObjectIterator> it(c->vertexIterator());
  int n = 0;
  for (; !it->done(); it->step(), ++n) {
    AcDb3dPolylineVertex* v = nullptr;
    ASSERT_EQ(c->openVertex(v, it->objectId(), AcDb::kForRead), Acad::eOk);
    EXPECT_EQ(v->ownerId(), pair.value());
    v->close();
  }
  EXPECT_EQ(n, 3 + 24);
  EXPECT_DOUBLE_EQ(endParam(c), 24.0);
  c->close();
}

namespace {

// Converting with transferId keeps the drawing's references to the polyline.
TEST(CurvesConversion, TransferIdKeepsIdentityBothWays) {
  AcDbDatabase db;
  AcDbBlockTableRecord* ms = nullptr;
  ASSERT_EQ(acdbOpenObject(ms, db.modelSpaceId(), AcDb::kForWrite), Acad::eOk);
  auto* lw = new AcDbPolyline();
  lw->addVertexAt(0, AcGePoint2d(0, 0), 0.5);
  lw->addVertexAt(1, AcGePoint2d(10, 0));
  lw->addVertexAt(2, AcGePoint2d(10, 10));
  AcDbObjectId id;
  ASSERT_EQ(ms->appendAcDbEntity(id, lw), Acad::eOk);
  ms->close();
  const AcDbHandle handle = lw->handle();

  AcDb2dPolyline* old = nullptr;
  ASSERT_EQ(lw->convertTo(old, true), Acad::eOk);
  delete lw;  // it left the database
  ASSERT_NE(old, nullptr);
  EXPECT_EQ(old->objectId(), id);
  EXPECT_EQ(old->handle(), handle);
  old->close();

  AcDb2dPolyline* reopened = nullptr;
  ASSERT_EQ(acdbOpenObject(reopened, id, AcDb::kForWrite), Acad::eOk);
  auto* back = new AcDbPolyline();
  AcDbEntity* asEntity = reopened;
  ASSERT_EQ(back->convertFrom(asEntity, true), Acad::eOk);
  EXPECT_EQ(asEntity, back);
  EXPECT_EQ(back->objectId(), id);
  EXPECT_EQ(back->numVerts(), 3u);
  double bulge = 0;
  back->getBulgeAt(0, bulge);
  EXPECT_DOUBLE_EQ(bulge, 0.5);
  back->close();

  AcDbPolyline* check = nullptr;
  ASSERT_EQ(acdbOpenObject(check, id, AcDb::kForRead), Acad::eOk);
  check->close();
}

}  // namespace
