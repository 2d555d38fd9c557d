// GP_CurveTran: splitting, trimming, extending and rewriting the curve entity.
#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "arx/db/AcDbDatabase.h"
#include "arx/db/AcDbIdMapping.h"
#include "arx/db/AcDbObjectPointer.h"
#include "arx/entities/AcDb2dPolyline.h"
#include "arx/entities/AcDb2dVertex.h"
#include "arx/entities/AcDbArc.h"
#include "arx/entities/AcDbLine.h"
#include "arx/entities/AcDbObjectIterator.h"
#include "arx/entities/AcDbPolyline.h"
#include "arx/ge/AcGePoint2d.h"
#include "arx/ge/BulgePiece.h"
#include "veskbase/EntBasic.h"
#include "veskbase/GeoFunctions.h"
#include "veskbase/vesk_geo_arc.h"
#include "veskcad/geometry/CurveRewrite.h"
#include "veskcad/geometry/GP_CurveTran.h"

namespace VeskCad {

namespace {

constexpr double kStraight = 1e-7;  // bulge magnitude of a straight end piece

AcGeVector3d flatVector(const AcGePoint3d& from, const AcGePoint3d& to) {
  return AcGeVector3d(to.x - from.x, to.y - from.y, 0.0);
}

double flatDist(const AcGePoint3d& a, const AcGePoint3d& b) { return std::hypot(b.x - a.x, b.y - a.y); }

// The point in the coordinates of a plane along Z (see CurveRewrite).
AcGePoint2d planePoint(const AcGeVector3d& normal, const AcGePoint3d& p) {
  const AcGeVector3d ax = normal.perpVector();
  const AcGeVector3d ay = normal.crossProduct(ax);
  const AcGeVector3d v(p.x, p.y, 0.0);
  return AcGePoint2d(v.dotProduct(ax), v.dotProduct(ay));
}

double planeBulge(const AcGeVector3d& normal, double bulge) { return normal.z < 0.0 ? -bulge : bulge; }

// Opens an entity of the editable kinds for write.
Acad::ErrorStatus openForWrite(const AcDbObjectId& id, AcDbEntity*& ent) {
  ent = nullptr;
  Acad::ErrorStatus es = acdbOpenObject(ent, id, AcDb::kForWrite);
  if (es != Acad::eOk) return es;
  if (!CurveRewrite::isEditableKind(ent)) {
    ent->close();
    ent = nullptr;
    return Acad::eWrongObjectType;
  }
  return Acad::eOk;
}

Acad::ErrorStatus applyTo(const AcDbObjectId& id, const CurveRewrite::Target& target) {
  AcDbEntity* ent = nullptr;
  Acad::ErrorStatus es = openForWrite(id, ent);
  if (es != Acad::eOk) return es;
  es = CurveRewrite::apply(ent, target);
  ent->close();
  return es;
}

bool isEditable(const AcDbObjectId& id) {
  AcDbObjectPointer<AcDbEntity> ent(id, AcDb::kForRead);
  return ent.openStatus() == Acad::eOk && CurveRewrite::isEditableKind(ent.object());
}

bool isClosedByFlag(const AcDbObjectId& id) {
  AcDbObjectPointer<AcDbCurve> curve(id, AcDb::kForRead);
  return curve.openStatus() == Acad::eOk && curve->isClosed();
}

CurveRewrite::Target makeTarget(const AcGePoint3dArray& v, const AcGeDoubleArray& b, const AcGeDoubleArray& p,
                                bool open) {
  CurveRewrite::Target t;
  t.vertices = v;
  t.bulges = b;
  t.params = p;
  t.open = open;
  return t;
}

}  // namespace

int GP_CurveTran::isClosedOutline() const {
  return (m_arrPts.length() >= 3 && IsEqual(m_arrPts.first(), m_arrPts.last())) ? 1 : 0;
}

int GP_CurveTran::reopen() {
  CloseCurve();
  return OpenCurve();
}

// ---- splitting ----------------------------------------------------------------------------------

int GP_CurveTran::splitList(const AcGePoint3d& point, AcGePoint3dArray& v1, AcGeDoubleArray& b1, AcGeDoubleArray& p1,
                            AcGePoint3dArray& v2, AcGeDoubleArray& b2, AcGeDoubleArray& p2) const {
  v1.removeAll();
  b1.removeAll();
  p1.removeAll();
  v2.removeAll();
  b2.removeAll();
  p2.removeAll();
  if (!IsOpenCurve()) return 0;
  AcGePoint3d c;
  if (!GetClosestPt(point, c)) return 0;
  if (IsEqual(c, m_arrPts.first()) || IsEqual(c, m_arrPts.last())) return 0;
  const int n = m_arrPts.length();
  const int piece = GetNear2Pt(c);
  if (piece == -3) {
    const int k = vertexIndexOf(c);
    if (k <= 0 || k >= n - 1) return 0;
    for (int i = 0; i <= k; ++i) {
      v1.append(m_arrPts[i]);
      b1.append(i == k ? 0.0 : m_arrBulge[i]);
      p1.append(i);
    }
    for (int i = k; i < n; ++i) {
      v2.append(m_arrPts[i]);
      b2.append(m_arrBulge[i]);
      p2.append(i);
    }
  } else if (piece < 0 || piece > n - 2) {
    return 0;
  } else {
    double t;
    if (!GetParam(c, t)) return 0;
    double first = 0.0, second = 0.0;
    const double b = m_arrBulge[piece];
    if (std::fabs(b) >= VeskGe::BulgePiece::kLineBulge)
      GetArcBugleChangeAfterInsert(m_arrPts[piece], m_arrPts[piece + 1], c, b, first, second);
    for (int i = 0; i <= piece; ++i) {
      v1.append(m_arrPts[i]);
      b1.append(i == piece ? first : m_arrBulge[i]);
      p1.append(i);
    }
    v1.append(c);
    b1.append(0.0);
    p1.append(t);
    v2.append(c);
    b2.append(second);
    p2.append(t);
    for (int i = piece + 1; i < n; ++i) {
      v2.append(m_arrPts[i]);
      b2.append(m_arrBulge[i]);
      p2.append(i);
    }
  }
  return (v1.length() >= 2 && v2.length() >= 2) ? 1 : 0;
}

int GP_CurveTran::BreakCurve(const AcGePoint3d& point, AcGePoint3dArray& firstVertices, AcGeDoubleArray& firstBulges,
                             AcGePoint3dArray& secondVertices, AcGeDoubleArray& secondBulges) const {
  AcGeDoubleArray p1, p2;
  return splitList(point, firstVertices, firstBulges, p1, secondVertices, secondBulges, p2);
}

int GP_CurveTran::BreakCurve(AcGePoint3d point, AcDbObjectId& newId, int flag) {
  newId.setNull();
  if (!IsOpenCurve() || !isEditable(m_entId)) return 0;
  AcGePoint3dArray v1, v2;
  AcGeDoubleArray b1, b2, p1, p2;
  if (!splitList(point, v1, b1, p1, v2, b2, p2)) return 0;
  {
    // An arc keeps its centre: there must be one.
    AcDbObjectPointer<AcDbArc> arc(m_entId, AcDb::kForRead);
    if (arc.openStatus() == Acad::eOk) {
      getArcCentern(m_arrPts.first(), m_arrPts.last(), m_arrBulge.first());
      if (!m_bCalIsOk) return 0;
    }
  }
  AcDbObjectId copyId;
  if (!CopyCurve(copyId)) return 0;
  const CurveRewrite::Target first = makeTarget(v1, b1, p1, true);
  const CurveRewrite::Target second = makeTarget(v2, b2, p2, true);
  const CurveRewrite::Target& forSource = flag ? first : second;
  const CurveRewrite::Target& forCopy = flag ? second : first;
  // The copy first: when it cannot take its part, the source stays as it was.
  if (applyTo(copyId, forCopy) != Acad::eOk || applyTo(m_entId, forSource) != Acad::eOk) {
    vesk::ent::Erase(copyId);
    reopen();
    return 0;
  }
  newId = copyId;
  reopen();
  return 1;
}

int GP_CurveTran::TrimCurve(AcGePoint3d point, int side) {
  AcDbObjectId newId;
  if (!BreakCurve(point, newId, side == 0 ? 1 : 0)) return 0;
  vesk::ent::Erase(newId);
  return 1;
}

int GP_CurveTran::TrimCurve(AcGePoint3d pa, AcGePoint3d pb, AcDbObjectId& newId, int flag) {
  newId.setNull();
  if (!IsOpenCurve() || !isEditable(m_entId)) return 0;
  if (!IsOn(pa) || !IsOn(pb)) return 0;
  AcGePoint3d ca, cb;
  double ta, tb;
  if (!GetClosestPt(pa, ca) || !GetClosestPt(pb, cb) || !GetParam(ca, ta) || !GetParam(cb, tb)) return 0;
  if (ta > tb) {
    std::swap(ta, tb);
    std::swap(ca, cb);
  }
  if (IsEqual(ca, cb)) return 0;
  const int n = m_arrPts.length();
  AcGePoint3dArray v1, v2;
  AcGeDoubleArray b1, b2, p1, p2;
  if (flag == 0) {
    // Keep the part between the two points.
    if (!subList(ta, tb, v1, b1, &p1)) return 0;
    const int ok = applyTo(m_entId, makeTarget(v1, b1, p1, true)) == Acad::eOk;
    reopen();
    return ok;
  }
  // Take the part between the two points out.
  const bool atStart = IsEqual(ca, m_arrPts.first()) != 0;
  const bool atEnd = IsEqual(cb, m_arrPts.last()) != 0;
  if (atStart && atEnd) return 0;
  if (atStart || atEnd) {
    const int ok = atStart ? subList(tb, n - 1, v1, b1, &p1) : subList(0.0, ta, v1, b1, &p1);
    if (!ok) return 0;
    const int done = applyTo(m_entId, makeTarget(v1, b1, p1, true)) == Acad::eOk;
    reopen();
    return done;
  }
  if (!subList(tb, n - 1, v2, b2, &p2) || !subList(0.0, ta, v1, b1, &p1)) return 0;
  if (isClosedOutline() || isClosedByFlag(m_entId)) {
    // A closed outline stays one curve: from the second point round the
    // closing vertex to the first point.
    CurveRewrite::Target t;
    t.vertices = v2;
    t.bulges = b2;
    t.params = p2;
    if (isClosedOutline()) {
      t.vertices.removeLast();
      t.bulges.removeLast();
      t.params.removeLast();
    }
    const double shift = isClosedOutline() ? n - 1 : n;
    for (int i = 0; i < v1.length(); ++i) {
      t.vertices.append(v1[i]);
      t.bulges.append(b1[i]);
      t.params.append(p1[i] + shift);
    }
    if (!isClosedOutline()) {
      // Closed by its flag only: the closing piece joins the two parts.
      double b = 0.0;
      GetVertextBugle(n - 1, b);
      t.bulges[v2.length() - 1] = b;
    }
    t.open = true;
    t.cyclic = true;
    const int ok = applyTo(m_entId, t) == Acad::eOk;
    reopen();
    return ok;
  }
  AcDbObjectId copyId;
  if (!CopyCurve(copyId)) return 0;
  if (applyTo(copyId, makeTarget(v2, b2, p2, true)) != Acad::eOk ||
      applyTo(m_entId, makeTarget(v1, b1, p1, true)) != Acad::eOk) {
    vesk::ent::Erase(copyId);
    reopen();
    return 0;
  }
  newId = copyId;
  reopen();
  return 1;
}

// ---- extending ----------------------------------------------------------------------------------

int GP_CurveTran::ExtendCurve(AcGePoint3d point, int atStart) {
  if (!IsOpenCurve() || !isEditable(m_entId)) return 0;
  if (isClosedOutline() || isClosedByFlag(m_entId)) return 0;
  const int n = m_arrPts.length();
  const bool start = atStart != 0;
  const AcGePoint3d p = toPlane(point);
  // The end piece walked towards the chosen end: a -> e with bulge b.
  const AcGePoint3d a = start ? m_arrPts[1] : m_arrPts[n - 2];
  const AcGePoint3d e = start ? m_arrPts[0] : m_arrPts[n - 1];
  const double b = start ? -m_arrBulge[0] : m_arrBulge[n - 2];
  const double chord = flatDist(a, e);
  if (!(chord > 0.0)) return 0;
  AcGePoint3d moved;
  double newBulge = 0.0;
  double reach = 1.0;  // the new end piece as a multiple of the old one
  if (std::fabs(b) <= kStraight) {
    const AcGeVector3d dir = flatVector(a, e) / chord;
    const double along = flatVector(a, p).dotProduct(dir);
    moved = AcGePoint3d(a.x + dir.x * along, a.y + dir.y * along, 0.0);
    // The foot must lie outside the piece, beyond the chosen end.
    if (!(flatDist(moved, a) + flatDist(moved, e) - chord > m_dTol) || along <= chord) return 0;
    reach = along / chord;
  } else {
    const AcGePoint3d c = getArcCentern(a, e, b);
    if (!m_bCalIsOk) return 0;
    const double r = flatDist(a, c);
    const AcGeVector3d toP = flatVector(c, p);
    if (toP.length() < m_dTol) return 0;
    const AcGeVector3d radial = toP / toP.length();
    moved = AcGePoint3d(c.x + radial.x * r, c.y + radial.y * r, 0.0);
    const AcGeVector3d axis = b > 0.0 ? AcGeVector3d::kZAxis : -AcGeVector3d::kZAxis;
    const double angle = flatVector(c, a).angleTo(flatVector(c, moved), axis);
    const double oldAngle = 4.0 * std::atan(std::fabs(b));
    // Only a longer arc extends the curve.
    if (!(angle > oldAngle + 1e-12) || flatDist(moved, e) < m_dTol) return 0;
    newBulge = (b > 0.0 ? 1.0 : -1.0) * std::tan(angle / 4.0);
    reach = angle / oldAngle;
  }
  CurveRewrite::Target t;
  t.vertices = m_arrPts;
  t.bulges = m_arrBulge;
  for (int i = 0; i < n; ++i) t.params.append(i);
  if (start) {
    t.vertices[0] = moved;
    t.bulges[0] = -newBulge;
    t.params[0] = 1.0 - reach;
  } else {
    t.vertices[n - 1] = moved;
    t.bulges[n - 2] = newBulge;
    t.params[n - 1] = (n - 2) + reach;
  }
  const int ok = applyTo(m_entId, t) == Acad::eOk;
  reopen();
  return ok;
}

int GP_CurveTran::ShortOrExtendCurve(AcGePoint3d point, int atStart) {
  if (!IsOpenCurve()) return 0;
  if (IsOn(point)) {
    AcGePoint3d c;
    if (!GetClosestPt(point, c)) return 0;
    return TrimCurve(c, atStart);
  }
  return ExtendCurve(point, atStart);
}

int GP_CurveTran::isOnExtendLine(AcGePoint3d point, int atStart, double& bulge) const {
  bulge = 0.0;
  if (!IsOpenCurve()) return 0;
  const int n = m_arrPts.length();
  const bool start = atStart != 0;
  const AcGePoint3d p = toPlane(point);
  const AcGePoint3d e0 = start ? m_arrPts[1] : m_arrPts[n - 2];
  const AcGePoint3d e1 = start ? m_arrPts[0] : m_arrPts[n - 1];
  const double b = start ? -m_arrBulge[0] : m_arrBulge[n - 2];
  if (std::fabs(b) <= kStraight) {
    const AcGeVector3d d = flatVector(e0, e1);
    const double len2 = d.dotProduct(d);
    if (!(len2 > 0.0)) return 0;
    const double s = flatVector(e0, p).dotProduct(d) / len2;
    const AcGePoint3d f(e0.x + d.x * s, e0.y + d.y * s, 0.0);
    return std::fabs(flatDist(f, e1) + flatDist(e1, e0) - flatDist(p, e0)) <= m_dTol ? 1 : 0;
  }
  const AcGePoint3d c = getArcCentern(e0, e1, b);
  if (!m_bCalIsOk) return 0;
  const double r = flatDist(e0, c);
  if (IsEqual(p, toPlane(c)) || std::fabs(flatDist(p, c) - r) >= m_dTol) return 0;
  const AcGeVector3d axis = b > 0.0 ? AcGeVector3d::kZAxis : -AcGeVector3d::kZAxis;
  const double a1 = flatVector(c, e0).angleTo(flatVector(c, p), axis);
  const double a2 = flatVector(c, e1).angleTo(flatVector(c, p), axis);
  double b1 = std::fabs(std::tan(a1 / 4.0));
  double b2 = std::fabs(std::tan(a2 / 4.0));
  if (b < 0.0) {
    b1 = -b1;
    b2 = -b2;
  }
  if (std::fabs(b1) - std::fabs(b) < m_dTol) return 0;
  // The bulge of the new piece between the end vertex and the point, in the
  // curve's own direction.
  bulge = start ? -b2 : b2;
  return 1;
}

// ---- adding and inserting vertices --------------------------------------------------------------

int GP_CurveTran::AddToCurve(AcGePoint3d point, double bulge, int atStart) {
  if (!IsOpenCurve()) return 0;
  double along = 0.0;
  if (isOnExtendLine(point, atStart, along) && std::fabs(along - bulge) < m_dTol) return ExtendCurve(point, atStart);
  const bool start = atStart != 0;
  AcDbEntity* ent = nullptr;
  if (acdbOpenObject(ent, m_entId, AcDb::kForWrite) != Acad::eOk) return 0;
  int ok = 0;
  try {
    if (auto* pl = AcDbPolyline::cast(ent)) {
      const AcGeVector3d normal = pl->normal();
      if (CurveRewrite::isAlongZ(normal)) {
        const AcGePoint2d q = planePoint(normal, point);
        if (start) {
          ok = pl->addVertexAt(0, q, planeBulge(normal, bulge), -1.0, -1.0) == Acad::eOk;
        } else {
          const unsigned int count = pl->numVerts();
          ok = count > 0 && pl->addVertexAt(count, q, 0.0, -1.0, -1.0) == Acad::eOk &&
               pl->setBulgeAt(count - 1, planeBulge(normal, bulge)) == Acad::eOk;
        }
      }
    } else if (auto* p2 = AcDb2dPolyline::cast(ent)) {
      const AcGeVector3d normal = p2->normal();
      if (CurveRewrite::isAlongZ(normal)) {
        const AcGePoint2d q = planePoint(normal, point);
        std::vector<AcDbObjectId> ids;
        std::unique_ptr<AcDbObjectIterator> it(p2->vertexIterator());
        for (it->start(); !it->done(); it->step()) ids.push_back(it->objectId());
        auto* v = new AcDb2dVertex(AcGePoint3d(q.x, q.y, p2->elevation()), start ? planeBulge(normal, bulge) : 0.0,
                                   p2->defaultStartWidth(), p2->defaultEndWidth());
        AcDbObjectId newId;
        Acad::ErrorStatus es = start ? p2->insertVertexAt(newId, AcDbObjectId::kNull, v) : p2->appendVertex(newId, v);
        if (es != Acad::eOk) {
          delete v;
        } else {
          v->close();
          ok = 1;
          if (!start && !ids.empty()) {
            AcDb2dVertex* lastV = nullptr;
            if (p2->openVertex(lastV, ids.back(), AcDb::kForWrite) == Acad::eOk) {
              lastV->setBulge(planeBulge(normal, bulge));
              lastV->close();
            }
          }
        }
      }
    }
  } catch (Acad::ErrorStatus) {
    ok = 0;
  }
  ent->close();
  reopen();
  return ok;
}

int GP_CurveTran::InsertPtsToCurve(const AcGePoint3dArray& vertices, const AcGeDoubleArray& bulges) {
  if (vertices.isEmpty() || bulges.length() != vertices.length()) return 0;
  return InsertPtsToCurve(vertices.first(), vertices.last(), vertices, bulges);
}

int GP_CurveTran::InsertPtsToCurve(AcGePoint3d p1, AcGePoint3d p2, const AcGePoint3dArray& vertices,
                                   const AcGeDoubleArray& bulges) {
  if (!IsOpenCurve() || vertices.length() < 2 || bulges.length() != vertices.length()) return 0;
  double t1 = -1.0, t2 = -1.0, endParam = 0.0;
  const bool on1 = GetParam(p1, t1) != 0;
  const bool on2 = GetParam(p2, t2) != 0;
  if (m_pCurve->getEndParam(endParam) != Acad::eOk) return 0;
  auto atStartParam = [&](double t) { return std::fabs(t) < m_dTol; };
  auto atEndParam = [&](double t) { return std::fabs(endParam - t) < m_dTol; };

  AcGePoint3dArray run = vertices;
  AcGeDoubleArray runBulges = bulges;
  bool reverse = false, keepHead = true, keepTail = true;
  const AcGePoint3d first = m_arrPts.first(), last = m_arrPts.last();
  if (!on1 && !on2) {
    keepHead = keepTail = false;
  } else if (on1 && on2) {
    reverse = t1 > t2;
    const double tFirst = reverse ? t2 : t1;
    const double tLast = reverse ? t1 : t2;
    keepHead = !atStartParam(tFirst);
    keepTail = !atEndParam(tLast);
  } else if (on1) {
    if (GetDist(toPlane(run.last()), first) < GetDist(toPlane(run.last()), last)) {
      reverse = true;
      keepHead = false;
      keepTail = !atEndParam(t1);
    } else {
      keepTail = false;
      keepHead = !atStartParam(t1);
    }
  } else {
    if (GetDist(toPlane(run.first()), first) < GetDist(toPlane(run.first()), last)) {
      keepHead = false;
      keepTail = !atEndParam(t2);
    } else {
      reverse = true;
      keepTail = false;
      keepHead = !atStartParam(t2);
    }
  }
  if (reverse) {
    run.reverse();
    vesk::geo::Reverse(runBulges);
  }

  AcGePoint3dArray out;
  AcGeDoubleArray outBulges;
  AcGePoint3dArray a, b;
  AcGeDoubleArray ab, bb;
  if (keepHead) {
    // A run that starts at the curve's last vertex follows the whole curve.
    if (IsEqual(toPlane(run.first()), last)) {
      a = m_arrPts;
      ab = m_arrBulge;
    } else if (!BreakCurve(run.first(), a, ab, b, bb)) {
      return 0;
    }
    a.removeLast();
    ab.removeLast();
    out = a;
    outBulges = ab;
  }
  out.append(run);
  outBulges.append(runBulges);
  if (keepTail) {
    // A run that ends at the curve's first vertex goes on with the whole curve.
    if (IsEqual(toPlane(run.last()), first)) {
      b = m_arrPts;
      bb = m_arrBulge;
    } else if (!BreakCurve(run.last(), a, ab, b, bb)) {
      return 0;
    }
    out.removeLast();
    outBulges.removeLast();
    out.append(b);
    outBulges.append(bb);
  }
  AcDbEntity* ent = nullptr;
  if (acdbOpenObject(ent, m_entId, AcDb::kForWrite) != Acad::eOk) return 0;
  AcDbCurve* curve = AcDbCurve::cast(ent);
  const int ok = curve != nullptr ? SetPolylineVertext(curve, out, outBulges) : 0;
  ent->close();
  if (ok) reopen();
  return ok;
}

// ---- moving an end ------------------------------------------------------------------------------

int GP_CurveTran::ChangeStOrEd(AcGePoint3d point, int atStart) {
  if (!IsOpenCurve()) return 0;
  const bool start = atStart != 0;
  AcDbEntity* ent = nullptr;
  if (acdbOpenObject(ent, m_entId, AcDb::kForWrite) != Acad::eOk) return 0;
  int ok = 0;
  try {
    if (auto* line = AcDbLine::cast(ent)) {
      // The end keeps its own height: the toolkit works in the plane.
      if (start) {
        ok = line->setStartPoint(AcGePoint3d(point.x, point.y, line->startPoint().z)) == Acad::eOk;
      } else {
        ok = line->setEndPoint(AcGePoint3d(point.x, point.y, line->endPoint().z)) == Acad::eOk;
      }
    } else if (auto* arc = AcDbArc::cast(ent)) {
      const double b = m_arrBulge.first();
      getArcCentern(m_arrPts.first(), m_arrPts.last(), b);
      const AcGeVector3d normal = arc->normal();
      if (m_bCalIsOk && CurveRewrite::isAlongZ(normal)) {
        const vesk::vesk_geo_arc made = start ? vesk::vesk_geo_arc(toPlane(point), m_arrPts.last(), b)
                                              : vesk::vesk_geo_arc(m_arrPts.first(), toPlane(point), b);
        if (made.IsValid()) {
          AcGePoint3d c = made.GetCenter();
          c.z = arc->center().z;
          arc->setCenter(c);
          arc->setRadius(made.GetRadius());
          arc->setStartAngle(CurveRewrite::ocsAngle(normal, c, made.GetStartPt()));
          arc->setEndAngle(CurveRewrite::ocsAngle(normal, c, made.GetEndPt()));
          ok = 1;
        }
      }
    } else if (auto* pl = AcDbPolyline::cast(ent)) {
      const unsigned int count = pl->numVerts();
      if (count >= 2 && CurveRewrite::isAlongZ(pl->normal()))
        ok = pl->setPointAt(start ? 0 : count - 1, planePoint(pl->normal(), point)) == Acad::eOk;
    } else if (auto* p2 = AcDb2dPolyline::cast(ent)) {
      std::vector<AcDbObjectId> ids;
      std::unique_ptr<AcDbObjectIterator> it(p2->vertexIterator());
      for (it->start(); !it->done(); it->step()) ids.push_back(it->objectId());
      if (!start) std::reverse(ids.begin(), ids.end());
      const AcGePoint2d q = planePoint(p2->normal(), point);
      for (const AcDbObjectId& id : ids) {
        if (id.isNull() || !id.isValid() || id.isErased()) continue;
        AcDb2dVertex* v = nullptr;
        if (p2->openVertex(v, id, AcDb::kForWrite) != Acad::eOk) continue;
        ok = v->setPosition(AcGePoint3d(q.x, q.y, v->position().z)) == Acad::eOk;
        v->close();
        break;
      }
    }
  } catch (Acad::ErrorStatus) {
    ok = 0;
  }
  ent->close();
  reopen();
  return ok;
}

// ---- whole-entity helpers -----------------------------------------------------------------------

int GP_CurveTran::RemoveSamePoint(AcDbObjectId id) {
  constexpr double kSame = 0.0001;
  AcDbEntity* ent = nullptr;
  if (id.isNull() || acdbOpenObject(ent, id, AcDb::kForWrite) != Acad::eOk) return 0;
  int ok = 0;
  try {
    if (auto* pl = AcDbPolyline::cast(ent)) {
      ok = 1;
      for (unsigned int i = 1; i < pl->numVerts() && pl->numVerts() >= 3;) {
        AcGePoint3d prev, cur;
        pl->getPointAt(i - 1, prev);
        pl->getPointAt(i, cur);
        if (prev.distanceTo(cur) >= kSame) {
          ++i;
          continue;
        }
        // The piece that started at the repeated vertex now starts at the one before.
        double bulge = 0.0, sw = 0.0, ew = 0.0;
        pl->getBulgeAt(i, bulge);
        pl->getWidthsAt(i, sw, ew);
        pl->removeVertexAt(i);
        pl->setBulgeAt(i - 1, bulge);
        pl->setWidthsAt(i - 1, sw, ew);
      }
    } else if (auto* p2 = AcDb2dPolyline::cast(ent)) {
      ok = 1;
      std::vector<AcDbObjectId> ids;
      std::unique_ptr<AcDbObjectIterator> it(p2->vertexIterator());
      for (it->start(); !it->done(); it->step()) ids.push_back(it->objectId());
      size_t remaining = ids.size();
      AcDbObjectId prevId;
      AcGePoint3d prevPos;
      for (const AcDbObjectId& vid : ids) {
        AcDb2dVertex* v = nullptr;
        if (p2->openVertex(v, vid, AcDb::kForWrite) != Acad::eOk) continue;
        const AcGePoint3d pos = v->position();
        if (!prevId.isNull() && remaining >= 3 && prevPos.distanceTo(pos) < kSame) {
          const double bulge = v->bulge(), sw = v->startWidth(), ew = v->endWidth();
          v->erase();
          v->close();
          --remaining;
          AcDb2dVertex* pv = nullptr;
          if (p2->openVertex(pv, prevId, AcDb::kForWrite) == Acad::eOk) {
            pv->setBulge(bulge);
            pv->setStartWidth(sw);
            pv->setEndWidth(ew);
            pv->close();
          }
          continue;
        }
        v->close();
        prevId = vid;
        prevPos = pos;
      }
    }
  } catch (Acad::ErrorStatus) {
    ok = 0;
  }
  ent->close();
  return ok;
}

int GP_CurveTran::CopyCurve(AcDbObjectId& out) const {
  out.setNull();
  if (m_entId.isNull() || !m_entId.isValid() || m_entId.isErased()) return 0;
  AcDbObjectId owner;
  {
    AcDbObjectPointer<AcDbEntity> ent(m_entId, AcDb::kForRead);
    if (ent.openStatus() != Acad::eOk) return 0;
    owner = ent->ownerId();
  }
  AcDbDatabase* db = m_entId.database();
  if (db == nullptr || owner.isNull()) return 0;
  AcDbObjectIdArray ids;
  ids.append(m_entId);
  AcDbIdMapping map;
  try {
    if (db->deepCloneObjects(ids, owner, map) != Acad::eOk) return 0;
  } catch (Acad::ErrorStatus) {
    return 0;
  }
  AcDbIdPair pair(m_entId, AcDbObjectId::kNull, false);
  if (!map.compute(pair) || !pair.isCloned() || pair.value().isNull()) return 0;
  out = pair.value();
  return 1;
}

int GP_CurveTran::SetPolylineVertext(AcDbCurve* curve, const AcGePoint3dArray& vertices,
                                     const AcGeDoubleArray& bulges) {
  if (curve == nullptr || vertices.length() < 2 || bulges.length() != vertices.length()) return 0;
  if (!curve->objectId().isNull() && !curve->isWriteEnabled()) return 0;
  CurveRewrite::Target t;
  t.vertices = vertices;
  t.bulges = bulges;
  if (auto* pl = AcDbPolyline::cast(curve)) return CurveRewrite::applyPolyline(pl, t) == Acad::eOk ? 1 : 0;
  if (auto* p2 = AcDb2dPolyline::cast(curve)) return CurveRewrite::apply2dPolyline(p2, t) == Acad::eOk ? 1 : 0;
  return 0;
}

}  // namespace VeskCad
