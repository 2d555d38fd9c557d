#include "veskcad/geometry/CCloseCurve.h"

#include "arx/ge/AcGeContext.h"
#include "arx/ge/BulgePiece.h"
#include "veskbase/GeoFunctions.h"

namespace BaseClass {

void CCloseCurve::Append(const FCPlineSeg& seg, int dir) {
  AcGePoint3dArray pts = seg.m_pts;
  AcGeDoubleArray blgs = seg.m_blgs;
  while (blgs.length() < pts.length()) blgs.append(0.0);
  if (dir != 1) vesk::geo::Reverse(pts, blgs);
  if (m_pts.length() > 0) {
    m_pts.removeLast();
    m_blgs.removeLast();
  }
  m_segs.Add(seg);
  m_dirs.append(dir == 1 ? 1 : -1);
  m_pts.append(pts);
  m_blgs.append(blgs);
}

void CCloseCurve::Clear() {
  m_segs.RemoveAll();
  m_dirs.removeAll();
  m_pts.removeAll();
  m_blgs.removeAll();
}

bool CCloseCurve::IsClosed() const {
  return m_pts.length() >= 3 && m_pts.first().isEqualTo(m_pts.last(), AcGeContext::gTol);
}

bool CCloseCurve::IsClosedWithin(double t) const {
  return m_pts.length() >= 3 && m_pts.first().distanceTo(m_pts.last()) < t;
}

double CCloseCurve::GetSignedArea() const {
  if (m_pts.length() < 2) return 0.0;
  const AcGePoint2d origin(m_pts[0].x, m_pts[0].y);
  double area = 0.0;
  const int n = m_pts.length();
  for (int i = 0; i < n; ++i) {
    const AcGePoint3d& p = m_pts[i];
    const AcGePoint3d& q = m_pts[(i + 1) % n];
    const double b = (i + 1 < n && i < m_blgs.length()) ? m_blgs[i] : 0.0;
    area += VeskGe::BulgePiece(AcGePoint2d(p.x, p.y), AcGePoint2d(q.x, q.y), b).signedArea(origin);
  }
  return area;
}

void CCloseCurve::Reverse() {
  vesk::geo::Reverse(m_pts, m_blgs);
  CArray<FCPlineSeg> segs;
  AcArray<int> dirs;
  for (int i = static_cast<int>(m_segs.GetSize()) - 1; i >= 0; --i) {
    segs.Add(m_segs[i]);
    dirs.append(-m_dirs[i]);
  }
  m_segs = std::move(segs);
  m_dirs = std::move(dirs);
}

}  // namespace BaseClass
