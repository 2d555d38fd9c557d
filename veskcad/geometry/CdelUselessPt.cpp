#include "veskcad/geometry/CdelUselessPt.h"

#include <algorithm>
#include <cmath>

#include "veskbase/EntCurve.h"
#include "veskbase/GeoFunctions.h"
#include "veskbase/vesk_geo_arc.h"
#include "veskcad/geometry/FunVertexCleanup.h"

namespace VeskCad {

namespace {
constexpr double kPi = 3.14159265358979323846;
constexpr double kStraight = 0.001;  // bulge magnitude of a straight piece
}  // namespace

CdelUselessPt::CdelUselessPt(double tol, int keepZ, int closed) : m_dTol(tol), m_bKeepZ(keepZ), m_bClosed(closed) {}

int CdelUselessPt::isOnline(const AcGePoint3d& a, const AcGePoint3d& b, const AcGePoint3d& c, double tol) {
  const double ab = a.distanceTo(b), bc = b.distanceTo(c), ac = a.distanceTo(c);
  const double longest = std::max(ab, std::max(bc, ac));
  return std::fabs(longest - (ab + bc + ac - longest)) <= tol ? 1 : 0;
}

int CdelUselessPt::getIndexOfMidpt(const AcGePoint3d& a, const AcGePoint3d& b, const AcGePoint3d& c) {
  const double ab = a.distanceTo(b), bc = b.distanceTo(c), ac = a.distanceTo(c);
  // The point opposite the longest side lies between the other two.
  if (ac >= ab && ac >= bc) return 1;
  if (ab > ac && ab > bc) return 2;
  if (bc > ac && bc > ab) return 0;
  return 1;
}

int CdelUselessPt::getArcIndexOfMidpt(double a1, double a2) {
  if (a1 == 0.0 || a2 == 0.0) return 0;
  if ((a1 > 0.0) == (a2 > 0.0)) return 2;
  // Turning back along the circle: the shorter arc ends between the others.
  return std::fabs(a1) > std::fabs(a2) ? 3 : 1;
}

double CdelUselessPt::GetBulge(const AcGePoint3d& p1, const AcGePoint3d& p2, const AcGePoint3d& sidePoint,
                               double radius) {
  if (!(radius >= 1e-8)) return 0.0;
  const int side = vesk::geo::IsOnLineSide(p1, p2, sidePoint);
  if (side == 0) return 1.0;
  const double chord = std::hypot(p2.x - p1.x, p2.y - p1.y);
  const double s = std::min(1.0, chord / 2.0 / radius);
  const double b = std::tan(std::asin(s) / 2.0);
  return side > 0 ? b : -b;
}

int CdelUselessPt::DelUselessPts(AcGePoint3dArray vertices, AcGeDoubleArray bulges, AcGePoint3dArray& outVertices,
                                 AcGeDoubleArray& outBulges) {
  if (vertices.length() < 2 || bulges.length() != vertices.length() || !(m_dTol >= 1e-7)) return 0;
  m_arrPts = vertices;
  m_arrBulge = bulges;
  if (!m_bKeepZ)
    for (AcGePoint3d& p : m_arrPts) p.z = 0.0;
  if (m_bClosed) {
    while (m_arrPts.length() > 2 && m_arrPts.last().distanceTo(m_arrPts.first()) <= m_dTol &&
           std::fabs(m_arrBulge.first()) < 0.1) {
      m_arrPts.removeLast();
      m_arrBulge.removeLast();
    }
  }
  DelLinePts();
  DelArcPts();
  outVertices = m_arrPts;
  outBulges = m_arrBulge;
  return m_arrPts.length() == m_arrBulge.length() ? 1 : 0;
}

void CdelUselessPt::DelLinePts() {
  for (int i = 0; i + 2 < m_arrPts.length();) {
    if (std::fabs(m_arrBulge[i]) < kStraight && std::fabs(m_arrBulge[i + 1]) < kStraight &&
        isOnline(m_arrPts[i], m_arrPts[i + 1], m_arrPts[i + 2], m_dTol)) {
      const int m = getIndexOfMidpt(m_arrPts[i], m_arrPts[i + 1], m_arrPts[i + 2]);
      const int k = i + m;
      // Taking an outer vertex of the three away joins its other piece to a
      // new vertex; an arc there would change, so the vertex stays.
      const bool arcAfter = m == 2 && k + 1 < m_arrPts.length() && std::fabs(m_arrBulge[k]) >= kStraight;
      const bool arcBefore = m == 0 && k > 0 && std::fabs(m_arrBulge[k - 1]) >= kStraight;
      if (!arcAfter && !arcBefore) {
        if (m == 2) m_arrBulge[k - 1] = m_arrBulge[k];
        m_arrPts.removeAt(k);
        m_arrBulge.removeAt(k);
        i = std::max(i - 1, 0);
        continue;
      }
    }
    ++i;
  }
}

void CdelUselessPt::DelArcPts() {
  if (m_arrPts.length() != m_arrBulge.length() || m_arrPts.length() <= 2) return;
  auto sameCircle = [&](const vesk::vesk_geo_arc& a, const vesk::vesk_geo_arc& b) {
    return a.IsValid() && b.IsValid() && std::fabs(a.GetRadius() - b.GetRadius()) < m_dTol &&
           a.GetCenter().distanceTo(b.GetCenter()) < m_dTol;
  };
  auto bulgeOf = [](double angle) { return std::tan(angle / 4.0); };
  for (int i = 2; i < m_arrPts.length();) {
    const double b1 = m_arrBulge[i - 2], b2 = m_arrBulge[i - 1];
    if (!(std::fabs(b1) > kStraight && std::fabs(b2) > kStraight)) {
      ++i;
      continue;
    }
    const vesk::vesk_geo_arc arc1(m_arrPts[i - 2], m_arrPts[i - 1], b1);
    const vesk::vesk_geo_arc arc2(m_arrPts[i - 1], m_arrPts[i], b2);
    if (!sameCircle(arc1, arc2)) {
      ++i;
      continue;
    }
    const double a1 = arc1.GetIncludedAngle(), a2 = arc2.GetIncludedAngle();
    const int mid = getArcIndexOfMidpt(a1, a2);
    const int n = m_arrPts.length();
    if (mid == 2 && std::fabs(a1 + a2) < 2.0 * kPi - 1e-9) {
      // One arc through the three vertices.
      m_arrBulge[i - 2] = bulgeOf(a1 + a2);
      m_arrPts.removeAt(i - 1);
      m_arrBulge.removeAt(i - 1);
      i = std::max(2, i - 1);
      continue;
    }
    if (mid == 1 && i - 2 == 0) {
      // The list starts by turning back over its own first arc.
      m_arrPts.removeAt(0);
      m_arrBulge.removeAt(0);
      continue;
    }
    if (mid == 3 && i == n - 1) {
      // The list ends by turning back over its last arc.
      m_arrPts.removeLast();
      m_arrBulge.removeLast();
      m_arrBulge.last() = 0.0;
      continue;
    }
    if (mid == 3 && i + 1 < n && std::fabs(m_arrBulge[i]) > kStraight) {
      const vesk::vesk_geo_arc arc3(m_arrPts[i], m_arrPts[i + 1], m_arrBulge[i]);
      const double a3 = arc3.GetIncludedAngle();
      if (sameCircle(arc1, arc3) && std::fabs(a2 + a3) < 2.0 * kPi - 1e-9) {
        // The vertex where the outline turns forward again lies between the
        // others: the two arcs around it become one.
        m_arrBulge[i - 1] = bulgeOf(a2 + a3);
        m_arrPts.removeAt(i);
        m_arrBulge.removeAt(i);
        i = std::max(2, i - 1);
        continue;
      }
    }
    ++i;
  }
}

int CdelUselessPt::DelUselessPts(AcDbObjectId id, AcDbObjectId& out) {
  out.setNull();
  AcGePoint3dArray v, cleanV;
  AcGeDoubleArray b, cleanB;
  if (!Fun::ReadEntPts(id, v, b)) return 0;
  const bool closedByFlag = vesk::ent::IsClosed(id, false) != 0;
  const double z = v.isEmpty() ? 0.0 : v.first().z;
  // A closed polyline is read with its first vertex repeated at the end; an
  // open one that returns to its start keeps that vertex.
  const int savedClosed = m_bClosed;
  if (closedByFlag && v.length() > 2 && v.first().distanceTo(v.last()) <= m_dTol) {
    v.removeLast();
    b.removeLast();
  } else if (!closedByFlag) {
    m_bClosed = 0;
  }
  const int ok = DelUselessPts(v, b, cleanV, cleanB);
  m_bClosed = savedClosed;
  if (!ok || cleanV.length() < 2) return 0;
  if (!m_bKeepZ)
    for (AcGePoint3d& p : cleanV) p.z = z;
  if (!Fun::ModiEntPts(id, cleanV, cleanB)) return 0;
  out = id;
  return 1;
}

int CdelUselessPt::getArrptsAndArrd(AcGePoint3dArray& vertices, AcGeDoubleArray& bulges) const {
  vertices = m_arrPts;
  bulges = m_arrBulge;
  return m_arrPts.isEmpty() ? 0 : 1;
}

}  // namespace VeskCad
