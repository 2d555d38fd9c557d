// GP_CurveTran: opening, access, queries on the curve and the geometry helpers.
#include "veskcad/geometry/GP_CurveTran.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "arx/db/AcDbObject.h"
#include "arx/entities/AcDbPolyline.h"
#include "arx/ge/AcGeContext.h"
#include "arx/ge/AcGePoint2d.h"
#include "arx/ge/BulgePiece.h"
#include "veskbase/EntCurve.h"

namespace VeskCad {

int GP_CurveTran::m_bCalIsOk = 1;

namespace {
constexpr double kPi = 3.14159265358979323846;

AcGeVector3d flatVector(const AcGePoint3d& from, const AcGePoint3d& to) {
  return AcGeVector3d(to.x - from.x, to.y - from.y, 0.0);
}
}  // namespace

// ---- construction -------------------------------------------------------------------------------

GP_CurveTran::GP_CurveTran() = default;

GP_CurveTran::GP_CurveTran(AcDbObjectId id) { SetEnt(id); }

GP_CurveTran::GP_CurveTran(const GP_CurveTran& other) : m_entId(other.m_entId), m_dTol(other.m_dTol) {}

GP_CurveTran& GP_CurveTran::operator=(const GP_CurveTran& other) {
  if (this == &other) return *this;
  CloseCurve();
  m_entId = other.m_entId;
  m_dTol = other.m_dTol;
  OpenCurve();
  return *this;
}

GP_CurveTran::~GP_CurveTran() { CloseCurve(); }

// ---- opening and access -------------------------------------------------------------------------

int GP_CurveTran::SetEnt(AcDbObjectId id) {
  if (id != m_entId) CloseCurve();
  m_entId = id;
  return OpenCurve();
}

int GP_CurveTran::OpenCurve() {
  if (m_bOpen && m_pCurve != nullptr && !m_entId.isNull() && m_openId == m_entId && m_pCurve->objectId() == m_plineId)
    return 1;
  CloseCurve();
  if (m_entId.isNull() || !m_entId.isValid() || m_entId.isErased()) return 0;
  AcGePoint3dArray vertices;
  AcGeDoubleArray bulges;
  if (!vesk::ent::GetCurveParam(m_entId, &vertices, &bulges)) return 0;
  if (vertices.isEmpty()) return 0;
  // One bulge per vertex: a short list gets straight pieces.
  while (bulges.length() < vertices.length()) bulges.append(0.0);
  if (bulges.length() > vertices.length()) bulges.setLogicalLength(vertices.length());
  auto* pline = new AcDbPolyline(static_cast<unsigned int>(vertices.length()));
  try {
    for (int i = 0; i < vertices.length(); ++i) {
      vertices[i].z = 0.0;
      if (pline->addVertexAt(static_cast<unsigned int>(i), AcGePoint2d(vertices[i].x, vertices[i].y), bulges[i], -1.0,
                             -1.0) != Acad::eOk) {
        delete pline;
        return 0;
      }
    }
  } catch (...) {
    delete pline;
    return 0;
  }
  m_pCurve = pline;
  m_arrPts = vertices;
  m_arrBulge = bulges;
  m_plineId = m_pCurve->objectId();
  m_openId = m_entId;
  m_bOpen = 1;
  return 1;
}

void GP_CurveTran::CloseCurve() {
  delete m_pCurve;
  m_pCurve = nullptr;
  m_plineId.setNull();
  m_openId.setNull();
  m_bOpen = 0;
  m_arrPts.removeAll();
  m_arrBulge.removeAll();
}

int GP_CurveTran::IsOpenCurve() const { return (m_bOpen && m_pCurve != nullptr && m_arrPts.length() >= 2) ? 1 : 0; }

void GP_CurveTran::SetTol(double tol) {
  if (std::isfinite(tol) && tol >= 0.0) m_dTol = tol;
}

int GP_CurveTran::IsEqual(const AcGePoint3d& a, const AcGePoint3d& b) const { return GetDist(a, b) < m_dTol ? 1 : 0; }

double GP_CurveTran::GetDist(const AcGePoint3d& a, const AcGePoint3d& b) { return a.distanceTo(b); }

int GP_CurveTran::GetCurveEnt(AcDbCurve*& curve) const {
  curve = m_pCurve;
  return m_pCurve != nullptr ? 1 : 0;
}

int GP_CurveTran::GetCurveVect(AcGePoint3dArray& vertices, AcGeDoubleArray& bulges) const {
  vertices = m_arrPts;
  bulges = m_arrBulge;
  return IsOpenCurve();
}

AcGePoint3d GP_CurveTran::GetSt() const { return m_arrPts.isEmpty() ? AcGePoint3d::kOrigin : m_arrPts.first(); }

AcGePoint3d GP_CurveTran::GetEd() const { return m_arrPts.isEmpty() ? AcGePoint3d::kOrigin : m_arrPts.last(); }

int GP_CurveTran::GetVertextPosition(int index, AcGePoint3d& point) const {
  if (index < 0 || index >= m_arrPts.length()) return 0;
  point = m_arrPts[index];
  return 1;
}

int GP_CurveTran::GetVertextBugle(int index, double& bulge) const {
  if (index < 0 || index >= m_arrBulge.length()) return 0;
  bulge = m_arrBulge[index];
  return 1;
}

AcGePoint3d GP_CurveTran::toPlane(const AcGePoint3d& p) const { return AcGePoint3d(p.x, p.y, 0.0); }

int GP_CurveTran::vertexIndexOf(const AcGePoint3d& point) const {
  const AcGePoint3d p = toPlane(point);
  for (int i = 0; i < m_arrPts.length(); ++i)
    if (IsEqual(m_arrPts[i], p)) return i;
  return -1;
}

// ---- queries ------------------------------------------------------------------------------------

int GP_CurveTran::GetClosestPt(const AcGePoint3d& point, AcGePoint3d& out) const {
  if (!IsOpenCurve()) return 0;
  AcGePoint3d c;
  if (m_pCurve->getClosestPointTo(toPlane(point), c, false) != Acad::eOk) return 0;
  out = c;
  return 1;
}

int GP_CurveTran::IsOn(const AcGePoint3d& point) const {
  AcGePoint3d c;
  if (!GetClosestPt(point, c)) return 0;
  return IsEqual(c, toPlane(point));
}

int GP_CurveTran::GetParam(const AcGePoint3d& point, double& out) const {
  out = -1.0;
  if (!IsOpenCurve()) return 0;
  const AcGePoint3d p = toPlane(point);
  double param = -1.0;
  if (IsEqual(p, m_arrPts.first())) {
    if (m_pCurve->getStartParam(param) != Acad::eOk) return 0;
  } else if (IsEqual(p, m_arrPts.last())) {
    if (m_pCurve->getEndParam(param) != Acad::eOk) return 0;
  } else if (m_pCurve->getParamAtPoint(p, param) != Acad::eOk) {
    return 0;
  }
  out = param;
  return 1;
}

int GP_CurveTran::GetPointByParm(AcGePoint3d& out, double param) const {
  if (!IsOpenCurve()) return 0;
  return m_pCurve->getPointAtParam(param, out) == Acad::eOk ? 1 : 0;
}

int GP_CurveTran::GetCurveLen(double& out) const {
  if (!IsOpenCurve()) return 0;
  double endParam;
  if (m_pCurve->getEndParam(endParam) != Acad::eOk) return 0;
  return m_pCurve->getDistAtParam(endParam, out) == Acad::eOk ? 1 : 0;
}

int GP_CurveTran::GetDistAtPoint(const AcGePoint3d& point, double& out) const {
  double param;
  if (!GetParam(point, param)) return 0;
  return m_pCurve->getDistAtParam(param, out) == Acad::eOk ? 1 : 0;
}

int GP_CurveTran::GetPointByDis(double dist, AcGePoint3d& out) const {
  if (!IsOpenCurve()) return 0;
  return m_pCurve->getPointAtDist(dist, out) == Acad::eOk ? 1 : 0;
}

int GP_CurveTran::GetMidPoint(AcGePoint3d& out) const {
  double len;
  if (!GetCurveLen(len)) return 0;
  if (len < m_dTol || len * 0.5 < m_dTol) return 0;
  return GetPointByDis(len * 0.5, out);
}

int GP_CurveTran::GetFlagByPt(const AcGePoint3d& point) const {
  if (!IsOpenCurve()) return -1;
  const AcGePoint3d p = toPlane(point);
  return GetDist(p, m_arrPts.last()) <= GetDist(p, m_arrPts.first()) ? 1 : 0;
}

int GP_CurveTran::GetNear2Pt(const AcGePoint3d& point) const {
  if (!IsOpenCurve()) return -1;
  const AcGePoint3d p = toPlane(point);
  AcGePoint3d c;
  if (!GetClosestPt(p, c) || !IsEqual(c, p)) return -2;
  if (vertexIndexOf(p) >= 0) return -3;
  double param, endParam;
  if (!GetParam(c, param) || param < 0.0) return -4;
  if (m_pCurve->getEndParam(endParam) != Acad::eOk) return -4;
  if (std::fabs(endParam - param) < m_dTol) return static_cast<int>(endParam) - 1;
  const int piece = static_cast<int>(std::floor(param));
  return std::min(piece, m_arrPts.length() - 2);
}

int GP_CurveTran::Sort(AcGePoint3dArray& points, AcGeIntArray& ranks) const {
  if (points.isEmpty() || !IsOpenCurve()) return 0;
  const int n = points.length();
  std::vector<double> params(static_cast<size_t>(n));
  AcGePoint3dArray moved;
  for (int i = 0; i < n; ++i) {
    AcGePoint3d c;
    double t;
    if (!GetClosestPt(points[i], c) || !GetParam(c, t)) return 0;
    moved.append(c);
    params[static_cast<size_t>(i)] = t;
  }
  ranks.removeAll();
  for (int i = 0; i < n; ++i) {
    int r = 0;
    for (int j = 0; j < n; ++j)
      if (params[static_cast<size_t>(j)] < params[static_cast<size_t>(i)]) ++r;
    ranks.append(r);
  }
  std::vector<int> order(static_cast<size_t>(n));
  for (int i = 0; i < n; ++i) order[static_cast<size_t>(i)] = i;
  std::stable_sort(order.begin(), order.end(),
                   [&](int a, int b) { return params[static_cast<size_t>(a)] < params[static_cast<size_t>(b)]; });
  points.removeAll();
  for (int i : order) points.append(moved[i]);
  return 1;
}

int GP_CurveTran::GetArea(double& out) const {
  if (!IsOpenCurve()) return 0;
  out = GetCurveArea(m_arrPts, m_arrBulge);
  return 1;
}

// ---- geometry helpers ---------------------------------------------------------------------------

int GP_CurveTran::isPointOnLine(AcGePoint3d a, AcGePoint3d b, AcGePoint3d p) {
  a.z = b.z = p.z = 0.0;
  return (a.distanceTo(p) + p.distanceTo(b) - a.distanceTo(b)) < 1e-5 ? 1 : 0;
}

AcGePoint3d GP_CurveTran::getArcCentern(const AcGePoint3d& p1, const AcGePoint3d& p2, double bulge) {
  m_bCalIsOk = 1;
  const AcGeVector3d chord = flatVector(p1, p2);
  const double len = chord.length();
  if (!(std::fabs(bulge) >= 1e-13) || !(len > 0.0) || !std::isfinite(len)) {
    // A straight (or empty) piece has no centre.
    m_bCalIsOk = 0;
    return AcGePoint3d(kNoCentre, kNoCentre, 0.0);
  }
  const double theta = 4.0 * std::atan(bulge);
  const double radius = len / 2.0 / std::sin(std::fabs(theta) / 2.0);
  double turn = (kPi - std::fabs(theta)) / 2.0;
  if (theta < 0.0) turn = -turn;
  // From the arc's start point, the chord turned towards the centre.
  AcGeVector3d dir = chord / len;
  dir.rotateBy(turn, AcGeVector3d::kZAxis);
  return AcGePoint3d(p1.x + dir.x * radius, p1.y + dir.y * radius, p1.z);
}

double GP_CurveTran::GetArcArea(const AcGePoint3d& p1, const AcGePoint3d& p2, double bulge) {
  try {
    return VeskGe::BulgePiece(AcGePoint2d(p1.x, p1.y), AcGePoint2d(p2.x, p2.y), bulge).segmentArea();
  } catch (...) {
    return 0.0;
  }
}

double GP_CurveTran::GetCurveArea(const AcGePoint3dArray& vertices, const AcGeDoubleArray& bulges) {
  if (vertices.length() < 2) return 0.0;
  AcGePoint3dArray pts = vertices;
  AcGeDoubleArray blg;
  for (int i = 0; i < pts.length(); ++i) blg.append(i < bulges.length() ? bulges[i] : 0.0);
  const int n0 = pts.length();
  if (pts[n0 - 1].isEqualTo(pts[n0 - 2], AcGeContext::gTol)) {
    pts.removeLast();
    blg.removeLast();
  }
  if (!pts.first().isEqualTo(pts.last(), AcGeContext::gTol)) {
    const AcGePoint3d closing = pts.first();  // a copy: appending may move the array
    pts.append(closing);
    blg.append(0.0);
  }
  const AcGePoint3d o = pts.first();
  double area = 0.0;
  for (int i = 0; i + 1 < pts.length(); ++i) {
    const double xi = pts[i].x - o.x, yi = pts[i].y - o.y;
    const double xj = pts[i + 1].x - o.x, yj = pts[i + 1].y - o.y;
    area += (xi * yj - xj * yi) / 2.0;
    if (std::fabs(blg[i]) > 1e-6) area += GetArcArea(pts[i], pts[i + 1], blg[i]);
  }
  return area;
}

int GP_CurveTran::GetArcBugleChangeAfterInsert(const AcGePoint3d& p1, const AcGePoint3d& p2, const AcGePoint3d& q,
                                               double bulge, double& firstBulge, double& secondBulge) const {
  if (IsEqual(toPlane(q), toPlane(p1))) {
    firstBulge = 0.0;
    secondBulge = bulge;
    return 1;
  }
  if (IsEqual(toPlane(q), toPlane(p2))) {
    firstBulge = bulge;
    secondBulge = 0.0;
    return 1;
  }
  const AcGePoint3d c = getArcCentern(p1, p2, bulge);
  if (!m_bCalIsOk) {
    firstBulge = bulge;
    secondBulge = 0.0;
    return 1;
  }
  // Angles in the arc's own sense of turning.
  const AcGeVector3d axis = bulge < 0.0 ? -AcGeVector3d::kZAxis : AcGeVector3d::kZAxis;
  const double sign = bulge < 0.0 ? -1.0 : 1.0;
  const double a1 = flatVector(c, p1).angleTo(flatVector(c, q), axis);
  const double a2 = flatVector(c, q).angleTo(flatVector(c, p2), axis);
  firstBulge = sign * std::tan(a1 / 4.0);
  secondBulge = sign * std::tan(a2 / 4.0);
  return 1;
}

int GP_CurveTran::isPointOnArc(const AcGePoint3d& p1, const AcGePoint3d& p2, double bulge, const AcGePoint3d& p) const {
  try {
    const VeskGe::BulgePiece piece(AcGePoint2d(p1.x, p1.y), AcGePoint2d(p2.x, p2.y), bulge);
    AcGeTol tol;
    tol.setEqualPoint(m_dTol);
    return piece.isOn(toPlane(p), tol) ? 1 : 0;
  } catch (...) {
    return 0;
  }
}

double GP_CurveTran::GetPointToArcStartDistance(const AcGePoint3d& p1, const AcGePoint3d& p2, double bulge,
                                                const AcGePoint3d& p) {
  try {
    const VeskGe::BulgePiece piece(AcGePoint2d(p1.x, p1.y), AcGePoint2d(p2.x, p2.y), bulge);
    return piece.fractionOf(AcGePoint3d(p.x, p.y, 0.0)) * piece.length();
  } catch (...) {
    return 0.0;
  }
}

int GP_CurveTran::GetTowPointMid(const AcGePoint3d& a, const AcGePoint3d& b, AcGePoint3d& out) const {
  if (!IsOn(a) || !IsOn(b)) return 0;
  AcGePoint3d ca, cb;
  double da, db;
  if (!GetClosestPt(a, ca) || !GetClosestPt(b, cb)) return 0;
  if (!GetDistAtPoint(ca, da) || !GetDistAtPoint(cb, db)) return 0;
  return GetPointByDis((da + db) / 2.0, out);
}

int GP_CurveTran::GetPointOnSide(const AcGePoint3d& point) const {
  AcGePoint3d c;
  const AcGePoint3d p = toPlane(point);
  if (!GetClosestPt(p, c) || IsEqual(c, p)) return 0;
  double t;
  if (!GetParam(c, t)) return 0;
  AcGeVector3d d;
  if (m_pCurve->getFirstDeriv(t, d) != Acad::eOk) return 0;
  const AcGeVector3d w = flatVector(c, p);
  const double cross = d.x * w.y - d.y * w.x;
  return cross > 0.0 ? 1 : (cross < 0.0 ? -1 : 0);
}

int GP_CurveTran::ptIsOn2dPline(const AcGePoint3d& point, int& index) const {
  index = -1;
  if (!IsOn(point)) return 0;
  AcGePoint3d c;
  double t;
  if (!GetClosestPt(point, c) || !GetParam(c, t)) return 0;
  index = std::max(0, std::min(static_cast<int>(std::floor(t)), m_arrPts.length() - 2));
  return 1;
}

int GP_CurveTran::GetParamExtrim(double& startParam, double& endParam) const {
  if (!IsOpenCurve()) return 0;
  return (m_pCurve->getStartParam(startParam) == Acad::eOk && m_pCurve->getEndParam(endParam) == Acad::eOk) ? 1 : 0;
}

int GP_CurveTran::subList(double ta, double tb, AcGePoint3dArray& vertices, AcGeDoubleArray& bulges,
                          AcGeDoubleArray* params) const {
  const int n = m_arrPts.length();
  if (n < 2 || !(ta < tb) || ta < 0.0 || tb > n - 1 + 1e-9) return 0;
  tb = std::min(tb, static_cast<double>(n - 1));
  auto pieceOf = [&](int i) {
    return VeskGe::BulgePiece(AcGePoint2d(m_arrPts[i].x, m_arrPts[i].y),
                              AcGePoint2d(m_arrPts[i + 1].x, m_arrPts[i + 1].y), m_arrBulge[i]);
  };
  // Piece and fraction of each end; an end at a vertex is the start of the
  // piece after it (or the end of the last piece).
  int ia = std::min(static_cast<int>(std::floor(ta)), n - 2);
  double fa = ta - ia;
  int ib = std::min(static_cast<int>(std::floor(tb)), n - 2);
  double fb = tb - ib;
  if (fb <= 1e-12 && ib > ia) {
    --ib;
    fb = 1.0;
  }
  vertices.removeAll();
  bulges.removeAll();
  if (params) params->removeAll();
  try {
    if (ia == ib) {
      const VeskGe::BulgePiece part = pieceOf(ia).subPiece(fa, fb);
      vertices.append(fa <= 0.0 ? m_arrPts[ia] : part.startPoint());
      bulges.append(part.bulge());
      vertices.append(fb >= 1.0 ? m_arrPts[ia + 1] : part.endPoint());
      bulges.append(0.0);
    } else {
      const VeskGe::BulgePiece head = pieceOf(ia).subPiece(fa, 1.0);
      vertices.append(fa <= 0.0 ? m_arrPts[ia] : head.startPoint());
      bulges.append(head.bulge());
      for (int k = ia + 1; k <= ib; ++k) {
        vertices.append(m_arrPts[k]);
        bulges.append(m_arrBulge[k]);
      }
      const VeskGe::BulgePiece tail = pieceOf(ib).subPiece(0.0, fb);
      bulges.last() = tail.bulge();
      vertices.append(fb >= 1.0 ? m_arrPts[ib + 1] : tail.endPoint());
      bulges.append(0.0);
    }
  } catch (...) {
    return 0;
  }
  for (AcGePoint3d& p : vertices) p.z = 0.0;
  if (params) {
    params->append(ta);
    for (int k = ia + 1; k <= ib; ++k) params->append(k);
    params->append(tb);
  }
  return 1;
}

int GP_CurveTran::GetCurveIn2Pt(const AcGePoint3d& a, const AcGePoint3d& b, AcGePoint3dArray& vertices,
                                AcGeDoubleArray& bulges) const {
  if (!IsOn(a) || !IsOn(b)) return 0;
  AcGePoint3d ca, cb;
  double ta, tb;
  if (!GetClosestPt(a, ca) || !GetClosestPt(b, cb) || !GetParam(ca, ta) || !GetParam(cb, tb)) return 0;
  if (ta > tb) std::swap(ta, tb);
  return subList(ta, tb, vertices, bulges, nullptr);
}

}  // namespace VeskCad
