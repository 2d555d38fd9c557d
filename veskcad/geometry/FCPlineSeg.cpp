#include "veskcad/geometry/FCPlineSeg.h"

#include <cmath>
#include <utility>

#include "arx/ge/AcGeContext.h"
#include "arx/ge/BulgePiece.h"
#include "veskbase/EntCurve.h"
#include "veskbase/GeoFunctions.h"

namespace BaseClass {

FCPlineSeg::FCPlineSeg(const AcDbObjectId& id) { SetFromEntity(id); }

FCPlineSeg::FCPlineSeg(AcGePoint3dArray vertices, AcGeDoubleArray bulges)
    : m_pts(std::move(vertices)), m_blgs(std::move(bulges)) {
  while (m_blgs.length() < m_pts.length()) m_blgs.append(0.0);
  if (m_blgs.length() > m_pts.length()) m_blgs.setLogicalLength(m_pts.length());
}

int FCPlineSeg::SetFromEntity(const AcDbObjectId& id) {
  m_id = id;
  m_pts.removeAll();
  m_blgs.removeAll();
  m_ptStMid = m_ptEdMid = AcGePoint3d();
  if (!vesk::ent::GetCurveParam(id, &m_pts, &m_blgs)) {
    m_pts.removeAll();
    m_blgs.removeAll();
    return 0;
  }
  while (m_blgs.length() < m_pts.length()) m_blgs.append(0.0);
  return IsValid() ? 1 : 0;
}

int FCPlineSeg::CreateEntity(const wchar_t* layer) {
  AcDbObjectId id;
  if (!IsValid() || !vesk::ent::Create2dPline(m_pts, &m_blgs, -1.0, id, layer)) return 0;
  m_id = id;
  return 1;
}

bool FCPlineSeg::IsClosed() const {
  return m_pts.length() >= 3 && m_pts.first().isEqualTo(m_pts.last(), AcGeContext::gTol);
}

bool FCPlineSeg::IsClosedWithin(double t) const {
  return m_pts.length() >= 3 && m_pts.first().distanceTo(m_pts.last()) < t;
}

void FCPlineSeg::CalMidPoints() {
  if (m_pts.length() < 2) return;
  const int n = m_pts.length();
  auto mid = [&](int i, AcGePoint3d& out) {
    const double b = i < m_blgs.length() ? m_blgs[i] : 0.0;
    if (std::fabs(b) < 1e-6 || !vesk::geo::GetMidPt(m_pts[i], m_pts[i + 1], b, out)) {
      out.set((m_pts[i].x + m_pts[i + 1].x) / 2.0, (m_pts[i].y + m_pts[i + 1].y) / 2.0, 0.0);
    }
    out.z = 0.0;
  };
  mid(0, m_ptStMid);
  mid(n - 2, m_ptEdMid);
}

double FCPlineSeg::GetLength() const {
  double len = 0.0;
  for (int i = 0; i + 1 < m_pts.length(); ++i)
    len += VeskGe::BulgePiece(m_pts[i], m_pts[i + 1], i < m_blgs.length() ? m_blgs[i] : 0.0).length();
  return len;
}

}  // namespace BaseClass
