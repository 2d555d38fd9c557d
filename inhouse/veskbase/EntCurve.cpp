// Curves as vertex lists with bulges; lightweight polylines from such lists.
#include "veskbase/EntCurve.h"

#include <cmath>
#include <memory>

#include "arx/db/AcDbBlockTable.h"
#include "arx/db/AcDbDatabase.h"
#include "arx/db/AcDbHostApplicationServices.h"
#include "arx/db/AcDbObjectPointer.h"
#include "arx/entities/AcDb2dPolyline.h"
#include "arx/entities/AcDb2dVertex.h"
#include "arx/entities/AcDb3dPolyline.h"
#include "arx/entities/AcDb3dPolylineVertex.h"
#include "arx/entities/AcDbArc.h"
#include "arx/entities/AcDbCircle.h"
#include "arx/entities/AcDbHatch.h"
#include "arx/entities/AcDbLine.h"
#include "arx/entities/AcDbObjectIterator.h"
#include "arx/entities/AcDbPolyline.h"
#include "arx/entities/AcDbRegion.h"
#include "arx/ge/AcGeContext.h"
#include "arx/ge/BulgePiece.h"
#include "veskbase/EntBasic.h"

namespace vesk {
namespace ent {

namespace {

constexpr double kPi = 3.14159265358979323846;

AcGePoint3d flat(const AcGePoint3d& p) { return AcGePoint3d(p.x, p.y, 0.0); }

bool finitePoint(const AcGePoint3d& p) { return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z); }

// The sign that turns a bulge measured about `normal` into one seen from +Z:
// +1 or -1 for a normal along Z, 0 for a tilted plane.
int bulgeSign(const AcGeVector3d& normal) {
  const double len = normal.length();
  if (!(len > 0.0)) return 0;
  const double z = normal.z / len;
  if (z > 1.0 - 1e-9) return 1;
  if (z < -1.0 + 1e-9) return -1;
  return 0;
}

// The list's bulge at i: given ones, a missing last one is 0.
bool bulgesFit(const AcGePoint3dArray& vertices, const AcGeDoubleArray* bulges) {
  if (bulges == nullptr) return true;
  const int n = vertices.length();
  const int b = bulges->length();
  if (b != n && b != n - 1) return false;
  for (double v : *bulges)
    if (!std::isfinite(v)) return false;
  return true;
}
double bulgeAt(const AcGeDoubleArray* bulges, int i) {
  if (bulges == nullptr || i >= bulges->length()) return 0.0;
  return (*bulges)[i];
}
bool validList(const AcGePoint3dArray& vertices, const AcGeDoubleArray* bulges) {
  if (vertices.length() < 2) return false;
  for (const AcGePoint3d& p : vertices)
    if (!finitePoint(p)) return false;
  return bulgesFit(vertices, bulges);
}

void closeList(AcGePoint3dArray& v, AcGeDoubleArray& b) {
  if (v.isEmpty()) return;
  v.append(v.first());
  b.append(0.0);
}

// Bulge of the piece between two drawn vertices of a polyline that is not in
// a database, from the point halfway in parameter.
double bulgeFromParams(const AcDbCurve* c, double param, const AcGePoint3d& p, const AcGePoint3d& q) {
  AcGePoint3d m;
  if (c->getPointAtParam(param + 0.5, m) != Acad::eOk) return 0.0;
  double bulge = 0.0;
  if (VeskGe::BulgePiece::bulgeFromThreePoints(AcGePoint2d(p.x, p.y), AcGePoint2d(m.x, m.y), AcGePoint2d(q.x, q.y),
                                               bulge) != Acad::eOk)
    return 0.0;
  return std::fabs(bulge) < 1e-9 ? 0.0 : bulge;
}

// Drawn vertices of a polyline not in a database, read through its parameters.
bool readByParams(const AcDbCurve* c, bool withBulges, AcGePoint3dArray& v, AcGeDoubleArray& b) {
  double endParam = 0.0;
  if (c->getEndParam(endParam) != Acad::eOk) return false;
  const bool closed = c->isClosed();
  const int pieces = static_cast<int>(std::lround(endParam));
  const int count = closed ? pieces : pieces + 1;
  for (int i = 0; i < count; ++i) {
    AcGePoint3d p;
    if (c->getPointAtParam(i, p) != Acad::eOk) return false;
    v.append(p);
  }
  for (int i = 0; i < count; ++i) {
    const bool hasPiece = closed || i + 1 < count;
    if (!withBulges || !hasPiece) {
      b.append(0.0);
      continue;
    }
    b.append(bulgeFromParams(c, i, v[i], v[(i + 1) % count]));
  }
  return !v.isEmpty();
}

bool read2dPolyline(const AcDb2dPolyline* pl, AcGePoint3dArray& v, AcGeDoubleArray& b) {
  const int sign = bulgeSign(pl->normal());
  if (pl->objectId().isNull()) {
    if (!readByParams(pl, true, v, b)) return false;
    for (double& x : b) x *= (sign == 0 ? 1 : sign);
  } else {
    std::unique_ptr<AcDbObjectIterator> it(pl->vertexIterator());
    for (it->start(); !it->done(); it->step()) {
      AcDb2dVertex* vx = nullptr;
      if (pl->openVertex(vx, it->objectId(), AcDb::kForRead) != Acad::eOk) return false;
      const bool frame = vx->vertexType() == AcDb::k2dSplineCtlVertex;
      if (!frame) {
        v.append(pl->vertexPosition(*vx));
        b.append(vx->bulge() * (sign == 0 ? 1 : sign));
      }
      vx->close();
    }
    if (v.isEmpty()) return false;
    if (!pl->isClosed() && !b.isEmpty()) b.last() = 0.0;
  }
  if (sign == 0) {
    for (double x : b)
      if (x != 0.0) return false;  // an arc in a tilted plane projects to no arc
  }
  if (pl->isClosed()) closeList(v, b);
  return true;
}

bool read3dPolyline(const AcDb3dPolyline* pl, AcGePoint3dArray& v, AcGeDoubleArray& b) {
  if (pl->objectId().isNull()) {
    if (!readByParams(pl, false, v, b)) return false;
  } else {
    std::unique_ptr<AcDbObjectIterator> it(pl->vertexIterator());
    for (it->start(); !it->done(); it->step()) {
      AcDb3dPolylineVertex* vx = nullptr;
      if (pl->openVertex(vx, it->objectId(), AcDb::kForRead) != Acad::eOk) return false;
      if (vx->vertexType() != AcDb::k3dControlVertex) {
        v.append(vx->position());
        b.append(0.0);
      }
      vx->close();
    }
    if (v.isEmpty()) return false;
  }
  if (pl->isClosed()) closeList(v, b);
  return true;
}

bool readCurve(const AcDbCurve* c, AcGePoint3dArray& v, AcGeDoubleArray& b) {
  if (const AcDbLine* ln = AcDbLine::cast(c)) {
    AcGePoint3d s, e;
    if (ln->getStartPoint(s) != Acad::eOk || ln->getEndPoint(e) != Acad::eOk) return false;
    v.append(s);
    v.append(e);
    b.append(0.0);
    b.append(0.0);
    return true;
  }
  if (const AcDbArc* arc = AcDbArc::cast(c)) {
    const int sign = bulgeSign(arc->normal());
    if (sign == 0) return false;
    AcGePoint3d s, e;
    if (arc->getStartPoint(s) != Acad::eOk || arc->getEndPoint(e) != Acad::eOk) return false;
    const double total = arc->totalAngle();
    if (total >= 2.0 * kPi - 1e-12) {  // a full turn: two halves, as a circle
      AcGePoint3d m;
      if (arc->getPointAtParam(arc->startAngle() + kPi, m) != Acad::eOk) return false;
      v.append(s);
      v.append(m);
      v.append(s);
      b.append(sign);
      b.append(sign);
      b.append(0.0);
      return true;
    }
    v.append(s);
    v.append(e);
    b.append(sign * VeskGe::BulgePiece::bulgeFromIncludedAngle(total));
    b.append(0.0);
    return true;
  }
  if (const AcDbCircle* ci = AcDbCircle::cast(c)) {
    const int sign = bulgeSign(ci->normal());
    if (sign == 0) return false;
    AcGePoint3d p0, p1;
    if (ci->getPointAtParam(0.0, p0) != Acad::eOk || ci->getPointAtParam(kPi, p1) != Acad::eOk) return false;
    v.append(p0);
    v.append(p1);
    v.append(p0);
    b.append(sign);
    b.append(sign);
    b.append(0.0);
    return true;
  }
  if (const AcDbPolyline* pl = AcDbPolyline::cast(c)) {
    const unsigned n = pl->numVerts();
    if (n == 0) return false;
    const int sign = bulgeSign(pl->normal());
    for (unsigned i = 0; i < n; ++i) {
      AcGePoint3d p;
      double bulge = 0.0;
      if (pl->getPointAt(i, p) != Acad::eOk || pl->getBulgeAt(i, bulge) != Acad::eOk) return false;
      if (sign == 0 && bulge != 0.0 && (pl->isClosed() || i + 1 < n)) return false;
      v.append(p);
      b.append(bulge * (sign == 0 ? 1 : sign));
    }
    if (pl->isClosed())
      closeList(v, b);
    else
      b.last() = 0.0;
    return true;
  }
  if (const AcDb2dPolyline* pl = AcDb2dPolyline::cast(c)) return read2dPolyline(pl, v, b);
  if (const AcDb3dPolyline* pl = AcDb3dPolyline::cast(c)) return read3dPolyline(pl, v, b);
  return false;
}

// The block a new entity goes to: the given record, else the current space
// of the working database.
AcDbObjectId targetBlock(const AcDbObjectId& ownerBlockId, AcDbDatabase*& db) {
  if (!ownerBlockId.isNull()) {
    db = ownerBlockId.database();
    return ownerBlockId;
  }
  db = acdbHostApplicationServices()->workingDatabase();
  if (db == nullptr) return AcDbObjectId::kNull;
  return db->currentSpaceId();
}

// Fills a lightweight polyline (in no database, or open for write) with a
// vertex list in the world XY plane.
void fillPolyline(AcDbPolyline* pl, const AcGePoint3dArray& vertices, const AcGeDoubleArray* bulges) {
  pl->setNormal(AcGeVector3d::kZAxis);
  pl->setElevation(vertices.first().z);
  for (int i = 0; i < vertices.length(); ++i)
    pl->addVertexAt(static_cast<unsigned>(i), AcGePoint2d(vertices[i].x, vertices[i].y), bulgeAt(bulges, i));
}

bool samePoint(const AcGePoint3d& a, const AcGePoint3d& b) {
  return a.isEqualTo(b, AcGeContext::gTol);
}

// Drops a repeated closing vertex from a list that a closed flag will close.
void dropClosingRepeat(AcGePoint3dArray& v, AcGeDoubleArray& b) {
  if (v.length() > 2 && samePoint(v.first(), v.last())) {
    v.removeLast();
    if (b.length() > v.length()) b.removeLast();
  }
}

int createPolyline(const AcGePoint3dArray& vertices, const AcGeDoubleArray* bulges, double width, AcDbObjectId& id,
                   const wchar_t* layer, int closed, const AcDbObjectId& ownerBlockId) {
  id.setNull();
  if (!validList(vertices, bulges) || !std::isfinite(width)) return 0;
  AcDbDatabase* db = nullptr;
  const AcDbObjectId blockId = targetBlock(ownerBlockId, db);
  if (blockId.isNull() || db == nullptr) return 0;
  AcDbObjectId layerId;
  if (layer != nullptr && layer[0] != L'\0') {
    layerId = db->layerId(layer);
    if (layerId.isNull()) return 0;
  }
  try {
    auto* pl = new AcDbPolyline(static_cast<unsigned>(vertices.length()));
    std::unique_ptr<AcDbPolyline> guard(pl);
    pl->setDatabaseDefaults(db);
    if (!layerId.isNull()) pl->setLayer(layerId);
    fillPolyline(pl, vertices, bulges);
    if (width >= 0.0) pl->setConstantWidth(width);
    pl->setClosed(closed != 0);
    return AddToDb(guard.release(), id, blockId);
  } catch (Acad::ErrorStatus) {
    id.setNull();
    return 0;
  }
}

// The simple vertices of a 2D or 3D polyline (open for read), for removing a
// repeated closing vertex.
template <class PL, class VX>
AcDbObjectIdArray vertexIds(PL* pl) {
  AcDbObjectIdArray ids;
  std::unique_ptr<AcDbObjectIterator> it(pl->vertexIterator());
  for (it->start(); !it->done(); it->step()) ids.append(it->objectId());
  return ids;
}

template <class PL, class VX>
void eraseRepeatedLastVertex(PL* pl) {
  AcDbObjectIdArray ids = vertexIds<PL, VX>(pl);
  if (ids.length() <= 2) return;
  AcGePoint3d first, last;
  {
    VX* a = nullptr;
    if (pl->openVertex(a, ids.first(), AcDb::kForRead) != Acad::eOk) return;
    first = a->position();
    a->close();
  }
  VX* z = nullptr;
  if (pl->openVertex(z, ids.last(), AcDb::kForWrite) != Acad::eOk) return;
  last = z->position();
  if (samePoint(first, last)) z->erase();
  z->close();
}

}  // namespace

int GetCurveParam(const AcDbCurve* curve, AcGePoint3dArray* vertices, AcGeDoubleArray* bulges) {
  if (curve == nullptr) return 0;
  AcGePoint3dArray v;
  AcGeDoubleArray b;
  try {
    if (!readCurve(curve, v, b)) return 0;
  } catch (Acad::ErrorStatus) {
    return 0;
  }
  for (AcGePoint3d& p : v) p = flat(p);
  for (double& x : b)
    if (x == 0.0) x = 0.0;  // no negative zeros from sign flips
  if (vertices != nullptr) *vertices = v;
  if (bulges != nullptr) *bulges = b;
  return 1;
}

int GetCurveParam(const AcDbObjectId& id, AcGePoint3dArray* vertices, AcGeDoubleArray* bulges) {
  if (id.isNull() || !id.isValid() || id.isErased()) return 0;
  AcDbObjectPointer<AcDbCurve> c(id, AcDb::kForRead);
  if (c.openStatus() != Acad::eOk) return 0;
  return GetCurveParam(c.object(), vertices, bulges);
}

int Create2dPline(const AcGePoint3dArray& vertices, const AcGeDoubleArray* bulges, double width, AcDbObjectId& id,
                  const wchar_t* layer, int closed, const AcDbObjectId& ownerBlockId) {
  return createPolyline(vertices, bulges, width, id, layer, closed, ownerBlockId);
}

int DrawPolyline(const AcGePoint3dArray& vertices, const AcGeDoubleArray& bulges, double width, AcDbObjectId& id,
                 const wchar_t* layer, int closed, const AcDbObjectId& ownerBlockId) {
  return createPolyline(vertices, &bulges, width, id, layer, closed, ownerBlockId);
}

int SetCurveClose(const AcDbObjectId& id, int close) {
  if (!FIsValidId(id)) return 0;
  AcDbObjectPointer<AcDbCurve> c(id, AcDb::kForWrite);
  if (c.openStatus() != Acad::eOk) return 0;
  try {
    if (AcDbPolyline* pl = AcDbPolyline::cast(c.object())) {
      if (close != 0) {
        const unsigned n = pl->numVerts();
        AcGePoint3d first, last;
        if (n > 2 && pl->getPointAt(0u, first) == Acad::eOk && pl->getPointAt(n - 1, last) == Acad::eOk &&
            samePoint(first, last))
          pl->removeVertexAt(n - 1);
      }
      pl->setClosed(close != 0);
      return 1;
    }
    if (AcDb2dPolyline* pl = AcDb2dPolyline::cast(c.object())) {
      if (close == 0) return pl->makeOpen() == Acad::eOk ? 1 : 0;
      if (pl->polyType() == AcDb::k2dSimplePoly) eraseRepeatedLastVertex<AcDb2dPolyline, AcDb2dVertex>(pl);
      return pl->makeClosed() == Acad::eOk ? 1 : 0;
    }
    if (AcDb3dPolyline* pl = AcDb3dPolyline::cast(c.object())) {
      if (close == 0) return pl->makeOpen() == Acad::eOk ? 1 : 0;
      if (pl->polyType() == AcDb::k3dSimplePoly) eraseRepeatedLastVertex<AcDb3dPolyline, AcDb3dPolylineVertex>(pl);
      return pl->makeClosed() == Acad::eOk ? 1 : 0;
    }
    if (AcDbCircle::cast(c.object()) != nullptr) return close != 0 ? 1 : 0;
    if (AcDbLine::cast(c.object()) != nullptr || AcDbArc::cast(c.object()) != nullptr) return 0;
    return (close != 0 && c->isClosed()) ? 1 : 0;
  } catch (Acad::ErrorStatus) {
    return 0;
  }
}

int GetArea(const AcDbObjectId& id, double& area) {
  if (!FIsValidId(id)) return 0;
  AcDbEntityPointer e(id, AcDb::kForRead);
  if (e.openStatus() != Acad::eOk) return 0;
  double a = 0.0;
  Acad::ErrorStatus es = Acad::eNotApplicable;
  try {
    if (const AcDbCurve* c = AcDbCurve::cast(e.object()))
      es = c->getArea(a);
    else if (const AcDbRegion* r = AcDbRegion::cast(e.object()))
      es = r->getArea(a);
    else if (const AcDbHatch* h = AcDbHatch::cast(e.object()))
      es = h->getArea(a);
  } catch (Acad::ErrorStatus) {
    return 0;
  }
  if (es != Acad::eOk || !std::isfinite(a)) return 0;
  area = std::fabs(a);
  return 1;
}

int IsClosed(const AcDbObjectId& id, bool byEndPoints) {
  if (!FIsValidId(id)) return 0;
  AcDbObjectPointer<AcDbCurve> c(id, AcDb::kForRead);
  if (c.openStatus() != Acad::eOk) return 0;
  try {
    if (c->isClosed()) return 1;
    if (!byEndPoints) return 0;
    AcGePoint3d s, e;
    if (c->getStartPoint(s) != Acad::eOk || c->getEndPoint(e) != Acad::eOk) return 0;
    if (!samePoint(s, e)) return 0;
    double endParam = 0.0, len = 0.0;
    if (c->getEndParam(endParam) != Acad::eOk || c->getDistAtParam(endParam, len) != Acad::eOk) return 0;
    return len > AcGeContext::gTol.equalPoint() ? 1 : 0;
  } catch (Acad::ErrorStatus) {
    return 0;
  }
}

int GetCurveLength(const AcDbObjectId& id, double& length) {
  if (!FIsValidId(id)) return 0;
  AcDbObjectPointer<AcDbCurve> c(id, AcDb::kForRead);
  if (c.openStatus() != Acad::eOk) return 0;
  try {
    double startParam = 0.0, endParam = 0.0, d0 = 0.0, d1 = 0.0;
    if (c->getStartParam(startParam) != Acad::eOk || c->getEndParam(endParam) != Acad::eOk) return 0;
    if (c->getDistAtParam(startParam, d0) != Acad::eOk || c->getDistAtParam(endParam, d1) != Acad::eOk) return 0;
    if (!std::isfinite(d1 - d0)) return 0;
    length = std::fabs(d1 - d0);
    return 1;
  } catch (Acad::ErrorStatus) {
    return 0;
  }
}

int ReplacePolyline(const AcDbObjectId& id, const AcGePoint3dArray& vertices, const AcGeDoubleArray& bulges) {
  if (!validList(vertices, &bulges) || !FIsValidId(id)) return 0;
  AcGePoint3dArray v = vertices;
  AcGeDoubleArray b = bulges;
  if (b.length() < v.length()) b.append(0.0);
  AcDbObjectPointer<AcDbCurve> c(id, AcDb::kForWrite);
  if (c.openStatus() != Acad::eOk) return 0;
  try {
    const bool closed = c->isClosed();
    if (closed) dropClosingRepeat(v, b);
    if (AcDbPolyline* pl = AcDbPolyline::cast(c.object())) {
      double width = -1.0;
      if (pl->getConstantWidth(width) != Acad::eOk) width = -1.0;
      while (pl->numVerts() > 0) pl->removeVertexAt(pl->numVerts() - 1);
      fillPolyline(pl, v, &b);
      if (width >= 0.0) pl->setConstantWidth(width);
      pl->setClosed(closed);
      return 1;
    }
    auto* pl = new AcDbPolyline(static_cast<unsigned>(v.length()));
    fillPolyline(pl, v, &b);
    pl->setClosed(closed);
    c.close();
    return HandOverTo(id, pl, 1);
  } catch (Acad::ErrorStatus) {
    return 0;
  }
}

int HandOverTo(const AcDbObjectId& oldId, AcDbEntity* newEnt, int keepData) {
  std::unique_ptr<AcDbEntity> owned(newEnt);
  if (newEnt == nullptr || !newEnt->objectId().isNull() || !FIsValidId(oldId)) return 0;
  AcDbEntity* old = nullptr;
  if (acdbOpenObject(old, oldId, AcDb::kForWrite) != Acad::eOk) return 0;
  try {
    if (keepData != 0) newEnt->setPropertiesFrom(old);
    const Acad::ErrorStatus es = old->handOverTo(newEnt, keepData != 0, keepData != 0);
    if (es != Acad::eObjectToBeDeleted && es != Acad::eOk) {
      old->close();
      return 0;
    }
    delete old;
    owned.release()->close();
    return 1;
  } catch (Acad::ErrorStatus) {
    if (old->objectId() == oldId) old->close();
    return 0;
  }
}

int HandOverTo(const AcDbObjectId& oldId, const AcDbObjectId& newId, int keepData) {
  if (oldId == newId || !FIsValidId(oldId) || !FIsValidId(newId)) return 0;
  AcDbEntity* copy = nullptr;
  {
    AcDbEntityPointer e(newId, AcDb::kForRead);
    if (e.openStatus() != Acad::eOk) return 0;
    copy = AcDbEntity::cast(e->clone());
    if (copy == nullptr) return 0;
  }
  if (!HandOverTo(oldId, copy, keepData)) return 0;
  Erase(newId);
  return 1;
}

}  // namespace ent
}  // namespace vesk
