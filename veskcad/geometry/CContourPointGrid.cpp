#include "veskcad/geometry/CContourPointGrid.h"

#include <cmath>

CContourPointGrid::CContourPointGrid(double cell) : m_dCell(cell > 0.0 && std::isfinite(cell) ? cell : 1.0) {}

void CContourPointGrid::Clear() {
  m_entries.clear();
  m_heads.clear();
}

void CContourPointGrid::Reserve(size_t points) {
  m_entries.reserve(points);
  m_heads.reserve(points);
}

std::uint64_t CContourPointGrid::Key(std::int64_t ix, std::int64_t iy) {
  // One slot per cell for cell numbers within 32 bits (coordinates up to
  // about 4e9 cells from the origin).
  return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(ix)) << 32) | static_cast<std::uint32_t>(iy);
}

std::int64_t CContourPointGrid::CellOf(double v) const {
  const double c = std::floor(v / m_dCell);
  if (!(c > -4e18)) return static_cast<std::int64_t>(-4e18);
  if (!(c < 4e18)) return static_cast<std::int64_t>(4e18);
  return static_cast<std::int64_t>(c);
}

void CContourPointGrid::Insert(const AcGePoint2d& pt, int value) {
  const int idx = static_cast<int>(m_entries.size());
  auto ins = m_heads.emplace(Key(CellOf(pt.x), CellOf(pt.y)), idx);
  m_entries.push_back({pt, value, ins.second ? -1 : ins.first->second});
  if (!ins.second) ins.first->second = idx;
}

template <class F>
void CContourPointGrid::ForEachNear(const AcGePoint2d& pt, double radius, F&& f) const {
  const std::int64_t x0 = CellOf(pt.x - radius), x1 = CellOf(pt.x + radius);
  const std::int64_t y0 = CellOf(pt.y - radius), y1 = CellOf(pt.y + radius);
  // A square wider than the filed cells: every point once.
  if (static_cast<double>(x1 - x0 + 1) * static_cast<double>(y1 - y0 + 1) > static_cast<double>(m_heads.size())) {
    for (const Entry& e : m_entries) f(e);
    return;
  }
  for (std::int64_t ix = x0; ix <= x1; ++ix) {
    for (std::int64_t iy = y0; iy <= y1; ++iy) {
      auto it = m_heads.find(Key(ix, iy));
      if (it == m_heads.end()) continue;
      for (int k = it->second; k >= 0; k = m_entries[k].next) f(m_entries[k]);
    }
  }
}

void CContourPointGrid::Query(const AcGePoint2d& pt, double radius, std::vector<int>& out, bool inclusive) const {
  if (!(radius >= 0.0)) return;
  const double r2 = radius * radius;
  ForEachNear(pt, radius, [&](const Entry& e) {
    const double dx = e.pt.x - pt.x, dy = e.pt.y - pt.y;
    const double d2 = dx * dx + dy * dy;
    // Different cells may share a hash slot: the distance decides.
    if (d2 < r2 || (inclusive && d2 <= r2)) out.push_back(e.value);
  });
}

int CContourPointGrid::Nearest(const AcGePoint2d& pt, double radius) const {
  if (!(radius >= 0.0)) return -1;
  int best = -1;
  double bestD2 = radius * radius;
  ForEachNear(pt, radius, [&](const Entry& e) {
    const double dx = e.pt.x - pt.x, dy = e.pt.y - pt.y;
    const double d2 = dx * dx + dy * dy;
    if (d2 < bestD2 || (d2 == bestD2 && best < 0)) {
      bestD2 = d2;
      best = e.value;
    }
  });
  return best;
}
