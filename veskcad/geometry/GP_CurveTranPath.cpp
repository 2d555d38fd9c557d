// GP_CurveTran: paths through several curves and queries across curves.
#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "arx/db/AcDbObjectPointer.h"
#include "arx/entities/AcDbPolyline.h"
#include "arx/ge/AcDbExtents.h"
#include "arx/ge/AcGePlane.h"
#include "arx/ge/AcGePoint2d.h"
#include "arx/ge/BulgePiece.h"
#include "veskbase/GeoFunctions.h"
#include "veskcad/geometry/GP_CurveTran.h"

namespace VeskCad {

namespace {

constexpr double kJoint = 1e-5;      // end points of pieces meet within this
constexpr double kPathTol = 0.0001;  // start and end points against the curves
constexpr double kProbeReach = 9e7;  // the longest probe line
constexpr double kPi = 3.14159265358979323846;
constexpr double kHalfPi = kPi / 2.0;

double flatDist(const AcGePoint3d& a, const AcGePoint3d& b) { return std::hypot(b.x - a.x, b.y - a.y); }

AcGePoint3d flat(const AcGePoint3d& p) { return AcGePoint3d(p.x, p.y, 0.0); }

// One piece of a path: two vertices, the bulge of the first.
struct PieceList {
  CArray<AcGePoint3dArray> vertices;
  CArray<AcGeDoubleArray> bulges;
  void add(const AcGePoint3d& a, const AcGePoint3d& b, double bulge) {
    AcGePoint3dArray v;
    v.append(a);
    v.append(b);
    AcGeDoubleArray w;
    w.append(bulge);
    w.append(0.0);
    vertices.Add(v);
    bulges.Add(w);
  }
  int size() const { return static_cast<int>(vertices.GetSize()); }
};

// Cuts the curves into single pieces, split where the start or the end point
// lies inside a piece; ends within the tolerance of those points take them
// exactly, so that the search meets them.
void cutIntoPieces(const AcDbObjectIdArray& ids, const AcGePoint3d& start, const AcGePoint3d& end, PieceList& pieces) {
  const AcGePoint3d marks[2] = {flat(start), flat(end)};
  auto snap = [&](AcGePoint3d p) {
    for (const AcGePoint3d& m : marks)
      if (flatDist(p, m) < kPathTol) return m;
    return flat(p);
  };
  AcGeTol tol;
  tol.setEqualPoint(kPathTol);
  for (const AcDbObjectId& id : ids) {
    GP_CurveTran curve(id);
    if (!curve.IsOpenCurve()) continue;
    AcGePoint3dArray v;
    AcGeDoubleArray b;
    curve.GetCurveVect(v, b);
    for (int i = 0; i + 1 < v.length(); ++i) {
      AcGePoint3d a = snap(v[i]);
      const AcGePoint3d z = snap(v[i + 1]);
      double bulge = b[i];
      if (flatDist(a, z) <= 0.0) continue;
      VeskGe::BulgePiece piece;
      try {
        piece = VeskGe::BulgePiece(AcGePoint2d(a.x, a.y), AcGePoint2d(z.x, z.y), bulge);
      } catch (...) {
        continue;
      }
      // The marks inside the piece, in its direction.
      std::vector<std::pair<double, AcGePoint3d>> cuts;
      for (const AcGePoint3d& m : marks) {
        if (flatDist(m, a) < kPathTol || flatDist(m, z) < kPathTol || !piece.isOn(m, tol)) continue;
        cuts.emplace_back(piece.fractionOf(m), m);
      }
      std::sort(cuts.begin(), cuts.end(), [](const auto& l, const auto& r) { return l.first < r.first; });
      for (const auto& cut : cuts) {
        if (flatDist(cut.second, a) < kPathTol) continue;
        double first = bulge, second = 0.0;
        curve.GetArcBugleChangeAfterInsert(a, z, cut.second, bulge, first, second);
        if (std::fabs(bulge) < VeskGe::BulgePiece::kLineBulge) first = second = 0.0;
        pieces.add(a, cut.second, first);
        a = cut.second;
        bulge = second;
      }
      pieces.add(a, z, bulge);
    }
  }
}

// The breadth-first search over pieces; the answer as piece indices, each
// piece oriented along the path.
bool searchPath(const AcGePoint3d& start, const AcGePoint3d& end, PieceList& pieces, std::vector<int>& answer) {
  answer.clear();
  AcGeIntArray used, found;
  auto endsAtEnd = [&](int k) { return flatDist(pieces.vertices[k].last(), end) <= kJoint; };
  std::vector<std::vector<int>> paths;
  GP_CurveTran::GetCurveByPnt(flat(start), pieces.vertices, pieces.bulges, used, found);
  for (int k : found) {
    used.append(k);
    paths.push_back({k});
  }
  for (int k : found)
    if (endsAtEnd(k)) {
      answer = {k};
      return true;
    }
  const int count = pieces.size();
  for (int level = 0; level < count && !paths.empty(); ++level) {
    std::vector<std::vector<int>> front;
    for (const std::vector<int>& path : paths) {
      if (static_cast<int>(path.size()) <= level) continue;
      if (static_cast<int>(path.size()) != level + 1) continue;
      const AcGePoint3d tail = pieces.vertices[path.back()].last();
      GP_CurveTran::GetCurveByPnt(tail, pieces.vertices, pieces.bulges, used, found);
      for (int k : found) {
        used.append(k);
        std::vector<int> grown = path;
        grown.push_back(k);
        if (endsAtEnd(k)) {
          answer = grown;
          return true;
        }
        front.insert(front.begin(), grown);
      }
    }
    paths.swap(front);
  }
  return false;
}

bool findPath(const AcGePoint3d& start, const AcGePoint3d& end, const AcDbObjectIdArray& ids,
              AcGePoint3dArray& vertices, AcGeDoubleArray& bulges) {
  vertices.removeAll();
  bulges.removeAll();
  if (ids.isEmpty() || flatDist(start, end) < kPathTol) return false;
  PieceList pieces;
  cutIntoPieces(ids, start, end, pieces);
  std::vector<int> answer;
  if (!searchPath(start, end, pieces, answer)) return false;
  for (size_t i = 0; i < answer.size(); ++i) {
    const AcGePoint3dArray& v = pieces.vertices[answer[i]];
    const AcGeDoubleArray& b = pieces.bulges[answer[i]];
    if (i == 0) {
      vertices.append(v[0]);
      bulges.append(b[0]);
    } else {
      bulges.last() = b[0];
    }
    vertices.append(v[1]);
    bulges.append(0.0);
  }
  return vertices.length() >= 2;
}

}  // namespace

int GP_CurveTran::GetCurveByPnt(const AcGePoint3d& point, CArray<AcGePoint3dArray>& vertexLists,
                                CArray<AcGeDoubleArray>& bulgeLists, const AcGeIntArray& excluded,
                                AcGeIntArray& found) {
  found.removeAll();
  const int n = static_cast<int>(std::min(vertexLists.GetSize(), bulgeLists.GetSize()));
  // Lists starting at the point, then lists ending there (turned round).
  for (int i = 0; i < n; ++i) {
    if (excluded.contains(i) || vertexLists[i].isEmpty()) continue;
    if (flatDist(vertexLists[i].first(), point) <= kJoint) found.append(i);
  }
  for (int i = 0; i < n; ++i) {
    if (excluded.contains(i) || found.contains(i) || vertexLists[i].isEmpty()) continue;
    if (flatDist(vertexLists[i].last(), point) <= kJoint) {
      if (!vesk::geo::Reverse(vertexLists[i], bulgeLists[i])) continue;
      found.append(i);
    }
  }
  return found.isEmpty() ? 0 : 1;
}

int GP_CurveTran::GetPathFromIds(AcGePoint3d start, AcGePoint3d end, const AcDbObjectIdArray& ids,
                                 AcGePoint3dArray& vertices, AcGeDoubleArray& bulges) {
  try {
    return findPath(start, end, ids, vertices, bulges) ? 1 : 0;
  } catch (...) {
    vertices.removeAll();
    bulges.removeAll();
    return 0;
  }
}

int GP_CurveTran::GetPathFromIds(AcGePoint3d start, AcGePoint3d end, const AcDbObjectIdArray& ids,
                                 AcDbObjectIdArray& pathIds) {
  pathIds.removeAll();
  AcGePoint3dArray v;
  AcGeDoubleArray b;
  if (!GetPathFromIds(start, end, ids, v, b)) return 0;
  std::vector<std::unique_ptr<GP_CurveTran>> curves;
  for (const AcDbObjectId& id : ids) curves.emplace_back(new GP_CurveTran(id));
  for (int i = 0; i + 1 < v.length(); ++i) {
    // The first curve holding the piece: both its ends and its middle.
    AcGePoint3d mid;
    vesk::geo::GetMidPt(v[i], v[i + 1], b[i], mid);
    for (size_t k = 0; k < curves.size(); ++k) {
      const GP_CurveTran& c = *curves[k];
      if (!c.IsOpenCurve() || !c.IsOn(v[i]) || !c.IsOn(v[i + 1]) || !c.IsOn(mid)) continue;
      if (!pathIds.contains(ids[static_cast<int>(k)])) pathIds.append(ids[static_cast<int>(k)]);
      break;
    }
  }
  return pathIds.isEmpty() ? 0 : 1;
}

// ---- queries across curves ----------------------------------------------------------------------

int GP_CurveTran::GetPointOnLineAsPect(AcGePoint3d& point, AcGeVector3d& direction) const {
  AcGePoint3d c;
  if (!GetClosestPt(point, c)) return 0;
  point = c;
  double startParam, endParam;
  if (!GetParamExtrim(startParam, endParam)) return 0;
  if (IsEqual(c, m_arrPts.first())) {
    if (m_pCurve->getFirstDeriv(startParam + 1e-5, direction) == Acad::eOk) return 1;
    return m_pCurve->getFirstDeriv(c, direction) == Acad::eOk ? 1 : 0;
  }
  if (IsEqual(c, m_arrPts.last())) {
    if (m_pCurve->getFirstDeriv(endParam - 1e-5, direction) == Acad::eOk) return 1;
    return m_pCurve->getFirstDeriv(c, direction) == Acad::eOk ? 1 : 0;
  }
  return m_pCurve->getFirstDeriv(c, direction) == Acad::eOk ? 1 : 0;
}

int GP_CurveTran::GetNearLineByPnt(AcDbObjectIdArray ids, AcGePoint3d point, AcDbObjectIdArray& found,
                                   AcGePoint3dArray& points) const {
  found.removeAll();
  points.removeAll();
  while (ids.remove(m_entId)) {
  }
  if (ids.isEmpty()) return 0;
  double t;
  if (!GetParam(point, t)) return 0;
  AcGePoint3d onCurve = toPlane(point);
  AcGeVector3d dir;
  if (!GetPointOnLineAsPect(onCurve, dir)) return 0;
  dir.z = 0.0;
  if (dir.isZeroLength()) return 0;
  AcGeVector3d n = dir;
  n.rotateBy(kHalfPi, AcGeVector3d::kZAxis);
  n.normalize();
  const AcGePoint3d p = toPlane(point);
  AcDbPolyline probe(2);
  probe.addVertexAt(0, AcGePoint2d(p.x + n.x * 1e7, p.y + n.y * 1e7));
  probe.addVertexAt(1, AcGePoint2d(p.x - n.x * 1e7, p.y - n.y * 1e7));
  for (const AcDbObjectId& id : ids) {
    AcDbObjectPointer<AcDbEntity> ent(id, AcDb::kForRead);
    if (ent.openStatus() != Acad::eOk) continue;
    AcGePoint3dArray hits;
    if (ent->intersectWith(&probe, AcDb::kOnBothOperands, AcGePlane::kXYPlane, hits) != Acad::eOk || hits.isEmpty())
      continue;
    int best = 0;
    for (int i = 1; i < hits.length(); ++i)
      if (flatDist(hits[i], p) < flatDist(hits[best], p)) best = i;
    points.append(flat(hits[best]));
    found.append(id);
  }
  return found.isEmpty() ? 0 : 1;
}

int GP_CurveTran::GetClosetPtByVector(AcGePoint3d point, AcGePoint3d& out, AcGeVector3d direction) const {
  AcGePoint3d c;
  if (!GetClosestPt(point, c)) return 0;
  const AcGePoint3d p = toPlane(point);
  if (IsEqual(c, p)) {
    out = c;
    return 1;
  }
  direction.z = 0.0;
  if (direction.isZeroLength()) return 0;
  const AcGeVector3d d = direction.normal();
  AcGeVector3d n = d;
  n.rotateBy(kHalfPi, AcGeVector3d::kZAxis);
  n.normalize();
  // The probe reaches past the whole curve (never farther than 9e7).
  double reach = 1.0;
  AcDbExtents ext;
  if (m_pCurve->getGeomExtents(ext) == Acad::eOk) {
    const AcGePoint3d lo = ext.minPoint(), hi = ext.maxPoint();
    reach += std::max(std::max(flatDist(p, lo), flatDist(p, hi)),
                      std::max(flatDist(p, AcGePoint3d(lo.x, hi.y, 0.0)), flatDist(p, AcGePoint3d(hi.x, lo.y, 0.0))));
  } else {
    reach = kProbeReach;
  }
  reach = std::min(reach, kProbeReach);
  const double t = m_dTol;
  AcDbPolyline probe(4);
  const AcGePoint3d corners[4] = {p - d * reach + n * t, p + d * reach + n * t, p + d * reach - n * t,
                                  p - d * reach - n * t};
  for (unsigned int i = 0; i < 4; ++i) probe.addVertexAt(i, AcGePoint2d(corners[i].x, corners[i].y));
  AcGePoint3dArray hits;
  if (m_pCurve->intersectWith(&probe, AcDb::kOnBothOperands, hits) != Acad::eOk) return 0;
  for (const AcGePoint3d& end : {m_arrPts.first(), m_arrPts.last()}) {
    const AcGeVector3d w(end.x - p.x, end.y - p.y, 0.0);
    if (w.isZeroLength()) continue;
    const double angle = w.angleTo(d);
    if (angle <= t / 10.0 || std::fabs(angle - kPi) <= t / 10.0) hits.append(end);
  }
  if (hits.isEmpty()) return 0;
  int best = 0;
  for (int i = 1; i < hits.length(); ++i)
    if (flatDist(hits[i], p) < flatDist(hits[best], p)) best = i;
  out = flat(hits[best]);
  return 1;
}

}  // namespace VeskCad
