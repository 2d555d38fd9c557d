#include "veskcad/geometry/CurveRewrite.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "arx/entities/AcDb2dPolyline.h"
#include "arx/entities/AcDb2dVertex.h"
#include "arx/entities/AcDb3dPolyline.h"
#include "arx/entities/AcDb3dPolylineVertex.h"
#include "arx/entities/AcDbArc.h"
#include "arx/entities/AcDbLine.h"
#include "arx/entities/AcDbObjectIterator.h"
#include "arx/entities/AcDbPolyline.h"
#include "arx/ge/AcGePoint2d.h"

namespace VeskCad {
namespace CurveRewrite {

namespace {

constexpr double kTwoPi = 6.28318530717958647692;

struct Widths {
  double start = 0.0;
  double end = 0.0;
};

// The entity coordinate system of a normal along Z: X axis and Y axis.
void ocsAxes(const AcGeVector3d& normal, AcGeVector3d& ax, AcGeVector3d& ay) {
  ax = normal.perpVector();
  ay = normal.crossProduct(ax);
}

AcGePoint2d toOcs(const AcGeVector3d& ax, const AcGeVector3d& ay, const AcGePoint3d& p) {
  const AcGeVector3d v(p.x, p.y, 0.0);
  return AcGePoint2d(v.dotProduct(ax), v.dotProduct(ay));
}

// Bulges of the list are counter-clockwise about +Z; about a normal along -Z
// they turn the other way.
double ocsBulge(const AcGeVector3d& normal, double bulge) { return normal.z < 0.0 ? -bulge : bulge; }

bool isIntegral(double t, int& k) {
  const double r = std::floor(t + 0.5);
  if (std::fabs(t - r) > 1e-9) return false;
  k = static_cast<int>(r);
  return true;
}

bool hasParams(const Target& t) { return t.params.length() == t.vertices.length(); }

// Widths of every target vertex (start and end width of the piece it
// begins), carried over from the source pieces by the parameters.
std::vector<Widths> targetWidths(const std::vector<Widths>& src, const Target& t) {
  const int n = t.vertices.length();
  std::vector<Widths> out(static_cast<size_t>(n));
  if (src.empty() || !hasParams(t)) return out;
  const int last = static_cast<int>(src.size()) - 1;
  for (int j = 0; j + 1 < n; ++j) {
    const double a = t.params[j], b = t.params[j + 1];
    int raw = static_cast<int>(std::floor(0.5 * (a + b)));
    int i = raw;
    if (t.cyclic && raw > last) {
      i = raw % (last + 1);
    } else {
      i = std::max(0, std::min(raw, last));
      raw = i;
    }
    const double fa = std::max(0.0, std::min(1.0, a - raw));
    const double fb = std::max(0.0, std::min(1.0, b - raw));
    const Widths& w = src[static_cast<size_t>(i)];
    out[static_cast<size_t>(j)].start = w.start + (w.end - w.start) * fa;
    out[static_cast<size_t>(j)].end = w.start + (w.end - w.start) * fb;
  }
  if (n >= 1) {
    int k = -1;
    Widths& w = out[static_cast<size_t>(n - 1)];
    if (isIntegral(t.params[n - 1], k) && k >= 0 && (k <= last || t.cyclic)) {
      k %= (last + 1);
      w = src[static_cast<size_t>(k)];
    } else if (n >= 2) {
      w.start = w.end = out[static_cast<size_t>(n - 2)].end;
    }
  }
  return out;
}

Acad::ErrorStatus checkList(const Target& t, int minCount) {
  if (t.vertices.length() < minCount || t.bulges.length() != t.vertices.length()) return Acad::eInvalidInput;
  for (const AcGePoint3d& p : t.vertices)
    if (!std::isfinite(p.x) || !std::isfinite(p.y)) return Acad::eInvalidInput;
  for (double b : t.bulges)
    if (!std::isfinite(b)) return Acad::eInvalidInput;
  return Acad::eOk;
}

}  // namespace

bool isAlongZ(const AcGeVector3d& normal) {
  const double len = normal.length();
  return len > 0.0 && std::fabs(std::fabs(normal.z) / len - 1.0) < 1e-9;
}

double ocsAngle(const AcGeVector3d& normal, const AcGePoint3d& centre, const AcGePoint3d& point) {
  AcGeVector3d ax, ay;
  ocsAxes(normal, ax, ay);
  const AcGeVector3d d(point.x - centre.x, point.y - centre.y, 0.0);
  double a = std::atan2(d.dotProduct(ay), d.dotProduct(ax));
  if (a < 0.0) a += kTwoPi;
  return a;
}

bool isEditableKind(const AcDbEntity* ent) {
  return ent != nullptr && (ent->isKindOf(AcDbLine::desc()) || ent->isKindOf(AcDbArc::desc()) ||
                            ent->isKindOf(AcDbPolyline::desc()) || ent->isKindOf(AcDb2dPolyline::desc()));
}

Acad::ErrorStatus apply(AcDbEntity* ent, const Target& target) {
  if (ent == nullptr) return Acad::eNullObjectPointer;
  if (auto* line = AcDbLine::cast(ent)) return applyLine(line, target);
  if (auto* arc = AcDbArc::cast(ent)) return applyArc(arc, target);
  if (auto* pl = AcDbPolyline::cast(ent)) return applyPolyline(pl, target);
  if (auto* p2 = AcDb2dPolyline::cast(ent)) return apply2dPolyline(p2, target);
  return Acad::eWrongObjectType;
}

Acad::ErrorStatus applyLine(AcDbLine* line, const Target& t) {
  Acad::ErrorStatus es = checkList(t, 2);
  if (es != Acad::eOk) return es;
  if (t.vertices.length() != 2) return Acad::eInvalidInput;
  try {
    const AcGePoint3d s = line->startPoint(), e = line->endPoint();
    AcGePoint3d p0, p1;
    if (hasParams(t)) {
      // The list is the line flattened: a parameter is the fraction along it,
      // so the same fraction of the 3D line keeps its slope.
      p0 = s + (e - s) * t.params[0];
      p1 = s + (e - s) * t.params[1];
      p0.x = t.vertices[0].x;
      p0.y = t.vertices[0].y;
      p1.x = t.vertices[1].x;
      p1.y = t.vertices[1].y;
    } else {
      p0 = AcGePoint3d(t.vertices[0].x, t.vertices[0].y, s.z);
      p1 = AcGePoint3d(t.vertices[1].x, t.vertices[1].y, e.z);
    }
    if (std::hypot(p1.x - p0.x, p1.y - p0.y) <= 0.0) return Acad::eDegenerateGeometry;
    if ((es = line->setStartPoint(p0)) != Acad::eOk) return es;
    return line->setEndPoint(p1);
  } catch (Acad::ErrorStatus thrown) {
    return thrown;
  }
}

Acad::ErrorStatus applyArc(AcDbArc* arc, const Target& t) {
  Acad::ErrorStatus es = checkList(t, 2);
  if (es != Acad::eOk) return es;
  if (t.vertices.length() != 2) return Acad::eInvalidInput;
  try {
    const AcGeVector3d normal = arc->normal();
    if (!isAlongZ(normal)) return Acad::eNotApplicable;
    double a0, a1;
    if (hasParams(t)) {
      // The list's parameter runs over the arc's sweep from 0 to 1.
      const double start = arc->startAngle(), total = arc->totalAngle();
      a0 = start + total * t.params[0];
      a1 = start + total * t.params[1];
      if (!(a1 - a0 > 1e-12) || a1 - a0 >= kTwoPi) return Acad::eDegenerateGeometry;
    } else {
      const AcGePoint3d c = arc->center();
      a0 = ocsAngle(normal, c, t.vertices[0]);
      a1 = ocsAngle(normal, c, t.vertices[1]);
      if (std::fabs(a1 - a0) < 1e-12) return Acad::eDegenerateGeometry;
    }
    a0 = std::fmod(a0, kTwoPi);
    if (a0 < 0.0) a0 += kTwoPi;
    a1 = std::fmod(a1, kTwoPi);
    if (a1 < 0.0) a1 += kTwoPi;
    if ((es = arc->setStartAngle(a0)) != Acad::eOk) return es;
    return arc->setEndAngle(a1);
  } catch (Acad::ErrorStatus thrown) {
    return thrown;
  }
}

Acad::ErrorStatus applyPolyline(AcDbPolyline* pl, const Target& t) {
  Acad::ErrorStatus es = checkList(t, 2);
  if (es != Acad::eOk) return es;
  try {
    const AcGeVector3d normal = pl->normal();
    if (!isAlongZ(normal)) return Acad::eNotApplicable;
    std::vector<Widths> src;
    for (unsigned int i = 0; i < pl->numVerts(); ++i) {
      Widths w;
      pl->getWidthsAt(i, w.start, w.end);
      src.push_back(w);
    }
    const bool withWidths = hasParams(t) && !src.empty();
    const std::vector<Widths> widths = targetWidths(src, t);
    AcGeVector3d ax, ay;
    ocsAxes(normal, ax, ay);
    pl->reset(false, 0);
    for (int j = 0; j < t.vertices.length(); ++j) {
      const Widths& w = widths[static_cast<size_t>(j)];
      es = pl->addVertexAt(static_cast<unsigned int>(j), toOcs(ax, ay, t.vertices[j]), ocsBulge(normal, t.bulges[j]),
                           withWidths ? w.start : -1.0, withWidths ? w.end : -1.0);
      if (es != Acad::eOk) return es;
    }
    if (t.open && pl->isClosed()) pl->setClosed(false);
    return Acad::eOk;
  } catch (Acad::ErrorStatus thrown) {
    return thrown;
  }
}

namespace {

struct VertexRecord {
  AcDbObjectId id;
  Widths widths;
  double z = 0.0;
  bool drawn = true;
};

Acad::ErrorStatus readVertexRecords(const AcDb2dPolyline* pl, std::vector<VertexRecord>& out) {
  out.clear();
  std::unique_ptr<AcDbObjectIterator> it(pl->vertexIterator());
  if (!it) return Acad::eNullObjectPointer;
  for (it->start(); !it->done(); it->step()) {
    AcDb2dVertex* v = nullptr;
    Acad::ErrorStatus es = pl->openVertex(v, it->objectId(), AcDb::kForRead);
    if (es != Acad::eOk) return es;
    VertexRecord r;
    r.id = it->objectId();
    r.widths.start = v->startWidth();
    r.widths.end = v->endWidth();
    r.z = v->position().z;
    r.drawn = v->vertexType() != AcDb::k2dSplineCtlVertex;
    v->close();
    out.push_back(r);
  }
  return Acad::eOk;
}

Acad::ErrorStatus eraseVertex(const AcDb2dPolyline* pl, const AcDbObjectId& id) {
  AcDb2dVertex* v = nullptr;
  Acad::ErrorStatus es = pl->openVertex(v, id, AcDb::kForWrite);
  if (es != Acad::eOk) return es;
  es = v->erase();
  v->close();
  return es;
}

}  // namespace

Acad::ErrorStatus apply2dPolyline(AcDb2dPolyline* pl, const Target& t) {
  Acad::ErrorStatus es = checkList(t, 2);
  if (es != Acad::eOk) return es;
  if (pl->objectId().isNull()) return Acad::eNotInDatabase;
  try {
    const AcGeVector3d normal = pl->normal();
    if (!isAlongZ(normal)) return Acad::eNotApplicable;
    std::vector<VertexRecord> records;
    if ((es = readVertexRecords(pl, records)) != Acad::eOk) return es;
    // Widths by the drawn vertices, which the vertex list follows.
    std::vector<Widths> src;
    std::vector<int> drawnIndex;
    for (size_t i = 0; i < records.size(); ++i) {
      if (!records[i].drawn) continue;
      src.push_back(records[i].widths);
      drawnIndex.push_back(static_cast<int>(i));
    }
    const bool withParams = hasParams(t);
    const std::vector<Widths> widths = targetWidths(src, t);
    bool reuse = withParams;
    if (pl->polyType() != AcDb::k2dSimplePoly) {
      // A fitted polyline becomes a simple one carrying the list itself.
      if ((es = pl->setPolyType(AcDb::k2dSimplePoly)) != Acad::eOk) return es;
      if ((es = readVertexRecords(pl, records)) != Acad::eOk) return es;
      reuse = false;
    }
    AcGeVector3d ax, ay;
    ocsAxes(normal, ax, ay);
    std::vector<bool> kept(records.size(), false);
    AcDbObjectId prev;
    int lastKept = -1;
    for (int j = 0; j < t.vertices.length(); ++j) {
      const AcGePoint2d q = toOcs(ax, ay, t.vertices[j]);
      const double bulge = ocsBulge(normal, t.bulges[j]);
      const Widths& w = widths[static_cast<size_t>(j)];
      // The vertex entity that stays: the one at an integral parameter, or an
      // end vertex moved beyond the ends of the list (an extension).
      const int count = static_cast<int>(drawnIndex.size());
      int k = -1;
      if (reuse && count > 0) {
        const double tj = t.params[j];
        if (isIntegral(tj, k)) {
          if (t.cyclic && k >= count) k %= count;
        } else if (!t.cyclic && tj < 0.0 && j == 0) {
          k = 0;
        } else if (!t.cyclic && tj > count - 1 && j == t.vertices.length() - 1) {
          k = count - 1;
        } else {
          k = -1;
        }
      }
      if (k >= 0 && k < count && drawnIndex[static_cast<size_t>(k)] > lastKept) {
        const int r = drawnIndex[static_cast<size_t>(k)];
        AcDb2dVertex* v = nullptr;
        if ((es = pl->openVertex(v, records[static_cast<size_t>(r)].id, AcDb::kForWrite)) != Acad::eOk) return es;
        v->setPosition(AcGePoint3d(q.x, q.y, records[static_cast<size_t>(r)].z));
        v->setBulge(bulge);
        v->setStartWidth(w.start);
        v->setEndWidth(w.end);
        v->close();
        kept[static_cast<size_t>(r)] = true;
        lastKept = r;
        prev = records[static_cast<size_t>(r)].id;
        continue;
      }
      auto* v =
          new AcDb2dVertex(AcGePoint3d(q.x, q.y, pl->elevation()), bulge,
                           withParams ? w.start : pl->defaultStartWidth(), withParams ? w.end : pl->defaultEndWidth());
      AcDbObjectId newId;
      es = pl->insertVertexAt(newId, prev, v);
      if (es != Acad::eOk) {
        delete v;
        return es;
      }
      v->close();
      prev = newId;
    }
    for (size_t i = 0; i < records.size(); ++i)
      if (!kept[i] && (es = eraseVertex(pl, records[i].id)) != Acad::eOk) return es;
    if (t.open && pl->isClosed()) pl->makeOpen();
    return Acad::eOk;
  } catch (Acad::ErrorStatus thrown) {
    return thrown;
  }
}

Acad::ErrorStatus apply3dPolyline(AcDb3dPolyline* pl, const AcGePoint3dArray& points) {
  if (points.length() < 2) return Acad::eInvalidInput;
  if (pl->objectId().isNull()) return Acad::eNotInDatabase;
  try {
    std::vector<AcDbObjectId> old;
    {
      std::unique_ptr<AcDbObjectIterator> it(pl->vertexIterator());
      if (!it) return Acad::eNullObjectPointer;
      for (it->start(); !it->done(); it->step()) old.push_back(it->objectId());
    }
    Acad::ErrorStatus es;
    for (const AcGePoint3d& p : points) {
      auto* v = new AcDb3dPolylineVertex(p);
      AcDbObjectId id;
      if ((es = pl->appendVertex(id, v)) != Acad::eOk) {
        delete v;
        return es;
      }
      v->close();
    }
    for (const AcDbObjectId& id : old) {
      AcDb3dPolylineVertex* v = nullptr;
      if ((es = pl->openVertex(v, id, AcDb::kForWrite)) != Acad::eOk) return es;
      es = v->erase();
      v->close();
      if (es != Acad::eOk) return es;
    }
    return Acad::eOk;
  } catch (Acad::ErrorStatus thrown) {
    return thrown;
  }
}

}  // namespace CurveRewrite
}  // namespace VeskCad
