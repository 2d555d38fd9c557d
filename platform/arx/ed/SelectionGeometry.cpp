#include "arx/ed/SelectionGeometry.h"

#include <algorithm>
#include <cmath>

#include "arx/db/AcDbBlockTable.h"
#include "arx/db/AcDbCurve.h"
#include "arx/db/AcDbDatabase.h"
#include "arx/db/AcDbEntity.h"
#include "arx/entities/AcDbLine.h"
#include "arx/ge/AcDbExtents.h"
#include "arx/ge/AcGePlane.h"

namespace vhost {

namespace {

constexpr double kTol = 1e-9;

struct P2 {
  double x, y;
};

P2 p2(const AcGePoint3d& p) { return P2{p.x, p.y}; }

double cross(const P2& o, const P2& a, const P2& b) { return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x); }

bool onSegment(const P2& a, const P2& b, const P2& p) {
  return std::fabs(cross(a, b, p)) <= kTol * (1.0 + std::fabs(b.x - a.x) + std::fabs(b.y - a.y)) &&
         p.x >= std::min(a.x, b.x) - kTol && p.x <= std::max(a.x, b.x) + kTol && p.y >= std::min(a.y, b.y) - kTol &&
         p.y <= std::max(a.y, b.y) + kTol;
}

// Segments a-b and c-d share a point (touching included).
bool segmentsMeet(const P2& a, const P2& b, const P2& c, const P2& d) {
  double d1 = cross(c, d, a), d2 = cross(c, d, b), d3 = cross(a, b, c), d4 = cross(a, b, d);
  if (((d1 > kTol && d2 < -kTol) || (d1 < -kTol && d2 > kTol)) && ((d3 > kTol && d4 < -kTol) || (d3 < -kTol && d4 > kTol)))
    return true;
  return onSegment(c, d, a) || onSegment(c, d, b) || onSegment(a, b, c) || onSegment(a, b, d);
}

// Even-odd rule; points on the boundary count as outside.
bool insidePolygon(const std::vector<P2>& poly, const P2& p) {
  bool in = false;
  std::size_t n = poly.size();
  for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
    if (onSegment(poly[i], poly[j], p)) return false;
    if ((poly[i].y > p.y) != (poly[j].y > p.y)) {
      double x = poly[j].x + (p.y - poly[j].y) * (poly[i].x - poly[j].x) / (poly[i].y - poly[j].y);
      if (p.x < x) in = !in;
    }
  }
  return in;
}

std::vector<P2> toP2(const std::vector<AcGePoint3d>& pts) {
  std::vector<P2> out;
  for (const AcGePoint3d& p : pts) out.push_back(p2(p));
  return out;
}

// The edges of a polyline (closed: with the closing edge).
std::vector<std::pair<P2, P2>> edgesOf(const std::vector<P2>& pts, bool closed) {
  std::vector<std::pair<P2, P2>> e;
  for (std::size_t i = 0; i + 1 < pts.size(); ++i) e.emplace_back(pts[i], pts[i + 1]);
  if (closed && pts.size() > 2) e.emplace_back(pts.back(), pts.front());
  return e;
}

// Whether the curve meets any of the edges (in XY).
bool curveMeetsEdges(const AcDbCurve* curve, const std::vector<std::pair<P2, P2>>& edges) {
  for (const auto& edge : edges) {
    AcDbLine line(AcGePoint3d(edge.first.x, edge.first.y, 0.0), AcGePoint3d(edge.second.x, edge.second.y, 0.0));
    AcGePoint3dArray hits;
    Acad::ErrorStatus es = curve->intersectWith(&line, AcDb::kOnBothOperands, AcGePlane::kXYPlane, hits);
    if (es != Acad::eOk) {
      hits.setLogicalLength(0);
      es = curve->intersectWith(&line, AcDb::kOnBothOperands, hits);
    }
    if (es == Acad::eOk && hits.length() > 0) return true;
  }
  return false;
}

bool boxOf(const AcDbEntity* e, P2& lo, P2& hi) {
  AcDbExtents ext;
  if (e->getGeomExtents(ext) != Acad::eOk || !ext.isValidExtents()) return false;
  lo = p2(ext.minPoint());
  hi = p2(ext.maxPoint());
  return true;
}

std::vector<P2> boxCorners(const P2& lo, const P2& hi) {
  return {P2{lo.x, lo.y}, P2{hi.x, lo.y}, P2{hi.x, hi.y}, P2{lo.x, hi.y}};
}

bool boxMeetsEdges(const P2& lo, const P2& hi, const std::vector<std::pair<P2, P2>>& edges) {
  std::vector<P2> c = boxCorners(lo, hi);
  auto boxEdges = edgesOf(c, true);
  for (const auto& e : edges) {
    // an edge end inside the box
    for (const P2& p : {e.first, e.second}) {
      if (p.x >= lo.x - kTol && p.x <= hi.x + kTol && p.y >= lo.y - kTol && p.y <= hi.y + kTol) return true;
    }
    for (const auto& b : boxEdges)
      if (segmentsMeet(e.first, e.second, b.first, b.second)) return true;
  }
  return false;
}

void collect(AcDbObjectId spaceId, std::vector<AcDbObjectId>& out, bool includeErased = false) {
  AcDbBlockTableRecord* space = nullptr;
  if (acdbOpenObject(space, spaceId, AcDb::kForRead) != Acad::eOk) return;
  for (const AcDbObjectId& id : space->vhostEntityIds()) {
    if (includeErased || !id.isErased()) out.push_back(id);
  }
  space->close();
}

}  // namespace

std::vector<AcDbObjectId> currentSpaceEntities(AcDbDatabase* db) {
  std::vector<AcDbObjectId> out;
  if (db != nullptr) collect(db->currentSpaceId(), out);
  return out;
}

std::vector<AcDbObjectId> allLayoutEntities(AcDbDatabase* db, bool includeErased) {
  std::vector<AcDbObjectId> out;
  if (db == nullptr) return out;
  AcDbBlockTable* table = nullptr;
  if (db->getBlockTable(table, AcDb::kForRead) != Acad::eOk) return out;
  AcDbBlockTableIterator* it = nullptr;
  std::vector<AcDbObjectId> layouts;
  if (table->newIterator(it) == Acad::eOk) {
    for (; !it->done(); it->step()) {
      AcDbBlockTableRecord* rec = nullptr;
      if (it->getRecord(rec, AcDb::kForRead) != Acad::eOk) continue;
      if (rec->isLayout()) layouts.push_back(rec->objectId());
      rec->close();
    }
    delete it;
  }
  table->close();
  for (const AcDbObjectId& id : layouts) collect(id, out, includeErased);
  // Creation order across the layouts, as the host lists a whole-drawing selection.
  std::sort(out.begin(), out.end());
  return out;
}

std::vector<AcGePoint3d> rectanglePolygon(const AcGePoint3d& a, const AcGePoint3d& b) {
  double x0 = std::min(a.x, b.x), x1 = std::max(a.x, b.x), y0 = std::min(a.y, b.y), y1 = std::max(a.y, b.y);
  return {AcGePoint3d(x0, y0, 0), AcGePoint3d(x1, y0, 0), AcGePoint3d(x1, y1, 0), AcGePoint3d(x0, y1, 0)};
}

bool entityInPolygon(const AcDbEntity* e, const std::vector<AcGePoint3d>& polygon, AreaMode mode) {
  if (e == nullptr || polygon.size() < 3) return false;
  std::vector<P2> poly = toP2(polygon);
  auto edges = edgesOf(poly, true);
  if (const AcDbCurve* curve = AcDbCurve::cast(e)) {
    AcGePoint3d start;
    if (curve->getStartPoint(start) == Acad::eOk) {
      bool meets = curveMeetsEdges(curve, edges);
      bool inside = !meets && insidePolygon(poly, p2(start));
      return mode == AreaMode::kWindow ? inside : (inside || meets);
    }
  }
  P2 lo, hi;
  if (!boxOf(e, lo, hi)) return false;
  std::vector<P2> corners = boxCorners(lo, hi);
  bool allIn = true;
  for (const P2& c : corners) allIn = allIn && insidePolygon(poly, c);
  bool meets = boxMeetsEdges(lo, hi, edges);
  if (mode == AreaMode::kWindow) {
    // Every corner inside, and no polygon vertex within the box (a concave
    // polygon can reach into it).
    if (!allIn) return false;
    for (const P2& v : poly) {
      if (v.x > lo.x + kTol && v.x < hi.x - kTol && v.y > lo.y + kTol && v.y < hi.y - kTol) return false;
    }
    return true;
  }
  if (allIn || meets) return true;
  for (const P2& c : corners)
    if (insidePolygon(poly, c)) return true;
  return false;
}

bool entityOnFence(const AcDbEntity* e, const std::vector<AcGePoint3d>& fence) {
  if (e == nullptr || fence.size() < 2) return false;
  auto edges = edgesOf(toP2(fence), false);
  if (const AcDbCurve* curve = AcDbCurve::cast(e)) {
    AcGePoint3d start;
    if (curve->getStartPoint(start) == Acad::eOk) return curveMeetsEdges(curve, edges);
  }
  P2 lo, hi;
  if (!boxOf(e, lo, hi)) return false;
  return boxMeetsEdges(lo, hi, edges);
}

double entityPickDistance(const AcDbEntity* e, const AcGePoint3d& pt, bool& boxBased) {
  boxBased = false;
  if (e == nullptr) return -1.0;
  if (const AcDbCurve* curve = AcDbCurve::cast(e)) {
    AcGePoint3d on;
    Acad::ErrorStatus es = curve->getClosestPointTo(pt, AcGeVector3d::kZAxis, on);
    if (es != Acad::eOk) es = curve->getClosestPointTo(pt, on);
    if (es == Acad::eOk) return std::hypot(on.x - pt.x, on.y - pt.y);
  }
  P2 lo, hi;
  if (!boxOf(e, lo, hi)) return -1.0;
  boxBased = true;
  double dx = pt.x < lo.x ? lo.x - pt.x : (pt.x > hi.x ? pt.x - hi.x : 0.0);
  double dy = pt.y < lo.y ? lo.y - pt.y : (pt.y > hi.y ? pt.y - hi.y : 0.0);
  return std::hypot(dx, dy);
}

}  // namespace vhost
