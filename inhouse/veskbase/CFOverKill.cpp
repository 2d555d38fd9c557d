#include "veskbase/CFOverKill.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "arx/db/AcDbCurve.h"
#include "arx/ed/AcedInput.h"
#include "arx/ed/AcutPrintf.h"
#include "veskbase/EntCurve.h"

namespace vesk {

namespace {

struct CurveShape {
  AcDbObjectId id;
  AcDbObjectId layer;
  std::vector<AcGePoint3d> pts;  // without a repeated closing vertex
  std::vector<double> blgs;      // one per piece (closing piece included when closed)
  bool closed = false;
  double z0 = 0.0, z1 = 0.0;
};

bool readShape(const AcDbObjectId& id, CurveShape& s) {
  AcDbCurve* curve = nullptr;
  if (id.isNull() || !id.isValid() || id.isErased() || acdbOpenObject(curve, id, AcDb::kForRead) != Acad::eOk)
    return false;
  AcGePoint3dArray pts;
  AcGeDoubleArray blgs;
  const bool ok = ent::GetCurveParam(curve, &pts, &blgs) != 0;
  AcGePoint3d a, b;
  curve->getStartPoint(a);
  curve->getEndPoint(b);
  s.id = id;
  s.layer = curve->layerId();
  curve->close();
  if (!ok || pts.length() < 2) return false;
  s.z0 = a.z;
  s.z1 = b.z;
  int n = pts.length();
  s.closed = n >= 3 && pts[0].isEqualTo(pts[n - 1]);
  if (s.closed) --n;
  for (int i = 0; i < n; ++i) s.pts.push_back(pts[i]);
  const int pieces = s.closed ? n : n - 1;
  for (int i = 0; i < pieces; ++i) s.blgs.push_back(i < blgs.length() ? blgs[i] : 0.0);
  return true;
}

// The same path: vertex k of a matches vertex (start + k * step) of b, and
// the bulges the same way (negated when walked backwards).
bool samePath(const CurveShape& a, const CurveShape& b, double tol) {
  if (a.pts.size() != b.pts.size() || a.closed != b.closed) return false;
  if (std::fabs(a.z0 - b.z0) > tol && std::fabs(a.z0 - b.z1) > tol) return false;
  const int n = static_cast<int>(a.pts.size());
  const int pieces = static_cast<int>(a.blgs.size());
  auto eq = [&](const AcGePoint3d& p, const AcGePoint3d& q) { return std::hypot(p.x - q.x, p.y - q.y) <= tol; };
  for (int step : {1, -1}) {
    const int starts = a.closed ? n : 1;
    for (int s0 = 0; s0 < starts; ++s0) {
      const int start = a.closed ? s0 : (step == 1 ? 0 : n - 1);
      bool ok = true;
      for (int k = 0; k < n && ok; ++k) ok = eq(a.pts[k], b.pts[((start + k * step) % n + n) % n]);
      for (int k = 0; k < pieces && ok; ++k) {
        // Piece k of a runs from its vertex k to k + 1; in b that piece is
        // piece (start + k) forwards, or piece (start - k - 1) backwards.
        const int j = step == 1 ? ((start + k) % n + n) % n : ((start - k - 1) % n + n) % n;
        const double bb = step == 1 ? b.blgs[j] : -b.blgs[j];
        ok = std::fabs(a.blgs[k] - bb) <= tol;
      }
      if (ok) return true;
    }
  }
  return false;
}

}  // namespace

CFOverKill::CFOverKill() = default;
CFOverKill::~CFOverKill() = default;

int CFOverKill::OverKill(const AcDbObjectIdArray& ids) {
  std::vector<CurveShape> shapes;
  shapes.reserve(ids.length());
  for (const AcDbObjectId& id : ids) {
    CurveShape s;
    if (readShape(id, s)) shapes.push_back(std::move(s));
  }
  // Candidates share the rounded length of their outline and vertex count
  // and their rounded extents.
  const double q = std::max(m_dTol * 16.0, 1e-9);
  auto keyOf = [&](const CurveShape& s) {
    double x0 = s.pts[0].x, y0 = s.pts[0].y, x1 = x0, y1 = y0;
    for (const AcGePoint3d& p : s.pts) {
      x0 = std::min(x0, p.x);
      y0 = std::min(y0, p.y);
      x1 = std::max(x1, p.x);
      y1 = std::max(y1, p.y);
    }
    std::uint64_t h = 1469598103934665603ULL ^ s.pts.size() ^ (s.closed ? 0x100000000ULL : 0);
    for (double v : {x0 + x1, y0 + y1}) h = (h ^ static_cast<std::uint64_t>(std::llround(v / q))) * 1099511628211ULL;
    return h;
  };
  std::unordered_map<std::uint64_t, std::vector<int>> buckets;
  int done = 0;
  for (int i = 0; i < static_cast<int>(shapes.size()); ++i) {
    if ((i & 1023) == 0 && acedUsrBrk()) return 0;
    std::vector<int>& bucket = buckets[keyOf(shapes[i])];
    bool repeat = false;
    for (int j : bucket) {
      if (m_bOnlySameLayer && shapes[j].layer != shapes[i].layer) continue;
      if (shapes[j].id != shapes[i].id && samePath(shapes[j], shapes[i], m_dTol)) {
        repeat = true;
        break;
      }
    }
    if (repeat) {
      if (!m_repeats.contains(shapes[i].id)) m_repeats.append(shapes[i].id);
    } else {
      bucket.push_back(i);
    }
    ++done;
  }
  if (!m_bSilent) acutPrintf(L"\r已处理%d中第%d个实体...", static_cast<int>(shapes.size()), done);
  return 1;
}

int CFOverKill::GetRepeatIds(AcDbObjectIdArray& ids) const {
  ids = m_repeats;
  return ids.length();
}

}  // namespace vesk
