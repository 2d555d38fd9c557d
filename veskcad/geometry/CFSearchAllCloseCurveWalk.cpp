// The closed contour search, stages 4 and 5: walking the network with the
// sharpest right turn, cutting the walks into rings, and dropping repeats.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <unordered_map>

#include "arx/ge/AcGeContext.h"
#include "arx/ge/BulgePiece.h"
#include "veskcad/geometry/CFSearchAllCloseCurve.h"

using BaseClass::CCloseCurve;
using BaseClass::CNextDirArc;
using BaseClass::FCPlineSeg;

namespace {

constexpr double kTwoPi = 6.283185307179586476925286766559;
// Directions closer than this (radians) leave a node together; the
// curvature then tells which lies to the left.
constexpr double kSameDirection = 1e-9;
// A walk closes across the gap between two loose ends nearer than this.
constexpr double kGapTol = 1.0;
// Rings smaller than this (square units) are not contours.
constexpr double kMinArea = 0.01;

// The first piece a half-edge walks along, in the direction it is walked.
VeskGe::BulgePiece leavingPiece(const FCPlineSeg& seg, bool backwards) {
  const int n = seg.m_pts.length();
  if (!backwards) {
    const AcGePoint3d& p = seg.m_pts[0];
    const AcGePoint3d& q = seg.m_pts[1];
    return VeskGe::BulgePiece(AcGePoint2d(p.x, p.y), AcGePoint2d(q.x, q.y), seg.m_blgs.length() > 0 ? seg.m_blgs[0] : 0.0);
  }
  const AcGePoint3d& p = seg.m_pts[n - 1];
  const AcGePoint3d& q = seg.m_pts[n - 2];
  return VeskGe::BulgePiece(AcGePoint2d(p.x, p.y), AcGePoint2d(q.x, q.y),
                            n - 2 < seg.m_blgs.length() ? -seg.m_blgs[n - 2] : 0.0);
}

}  // namespace

double CFSearchAllCloseCurve::AngleOfTwoArcs(const AcGePoint3d& a, const AcGePoint3d& p, const AcGePoint3d& b) {
  const double ax = a.x - p.x, ay = a.y - p.y, bx = b.x - p.x, by = b.y - p.y;
  if (!std::isfinite(ax) || !std::isfinite(ay) || !std::isfinite(bx) || !std::isfinite(by)) return 10.0;
  if (ax == 0.0 && ay == 0.0) return 10.0;
  double ang = std::atan2(ax * by - ay * bx, ax * bx + ay * by);
  if (ang < 0.0) ang += kTwoPi;
  return ang;
}

void CFSearchAllCloseCurve::BuildRotation() {
  const int nn = static_cast<int>(m_nodePt.size());
  const int nh = 2 * GetSegCount();
  m_rotStart.assign(nn + 1, 0);
  for (int s = 0; s < GetSegCount(); ++s) {
    if (!m_info[s].live) continue;
    ++m_rotStart[m_info[s].st + 1];
    ++m_rotStart[m_info[s].ed + 1];
  }
  for (int v = 0; v < nn; ++v) m_rotStart[v + 1] += m_rotStart[v];
  m_rot.assign(m_rotStart[nn], -1);
  m_rotPos.assign(nh, -1);
  m_heAngle.assign(nh, 0.0);
  std::vector<double> curvature(nh, 0.0);
  std::vector<int> fill(m_rotStart.begin(), m_rotStart.end() - 1);
  for (int s = 0; s < GetSegCount(); ++s) {
    if (!m_info[s].live) continue;
    for (int side = 0; side < 2; ++side) {
      const int he = 2 * s + side;
      const VeskGe::BulgePiece piece = leavingPiece(m_segs[s], side == 1);
      const AcGeVector3d t = piece.startTangent();
      double ang = std::atan2(t.y, t.x);
      if (ang < 0.0) ang += kTwoPi;
      if (ang > kTwoPi - kSameDirection) ang -= kTwoPi;
      m_heAngle[he] = ang;
      curvature[he] = piece.curvature();
      m_rot[fill[HeFrom(he)]++] = he;
    }
  }
  // Counter-clockwise order round each node; pieces leaving in the same
  // direction are ordered by how sharply they bend to the left.
  for (int v = 0; v < nn; ++v) {
    int* first = m_rot.data() + m_rotStart[v];
    int* last = m_rot.data() + m_rotStart[v + 1];
    if (last - first < 2) {
      if (last - first == 1) m_rotPos[*first] = m_rotStart[v];
      continue;
    }
    std::sort(first, last, [&](int a, int b) { return m_heAngle[a] < m_heAngle[b]; });
    for (int* run = first; run != last;) {
      int* end = run + 1;
      while (end != last && m_heAngle[*end] - m_heAngle[*(end - 1)] < kSameDirection) ++end;
      if (end - run > 1)
        std::stable_sort(run, end, [&](int a, int b) { return curvature[a] < curvature[b]; });
      run = end;
    }
    for (int* p = first; p != last; ++p) m_rotPos[*p] = static_cast<int>(p - m_rot.data());
  }
}

int CFSearchAllCloseCurve::GetNextArc(int halfEdge) const {
  const int v = HeTo(halfEdge);
  const int start = m_rotStart[v];
  const int deg = m_rotStart[v + 1] - start;
  const int back = m_rotPos[halfEdge ^ 1];
  if (deg <= 0 || back < 0) return -1;
  return m_rot[start + (back - start + 1) % deg];
}

int CFSearchAllCloseCurve::GetNextArc(const CNextDirArc& last, CNextDirArc& next) const {
  const int s = GetSegFromId(last.m_seg.m_id);
  int seg = s;
  if (seg < 0) {
    // A segment without an entity: found by its end points.
    for (int k = 0; k < GetSegCount() && seg < 0; ++k)
      if (m_info[k].live && m_segs[k].m_pts.length() == last.m_seg.m_pts.length() &&
          m_segs[k].GetSt().isEqualTo(last.m_seg.GetSt()) && m_segs[k].GetEd().isEqualTo(last.m_seg.GetEd()))
        seg = k;
  }
  if (seg < 0 || m_rotPos.empty()) return 0;
  const int he = 2 * seg + (last.m_nDir == 1 ? 0 : 1);
  const int nx = GetNextArc(he);
  if (nx < 0) return 0;
  next.m_seg = m_segs[nx >> 1];
  next.m_nDir = (nx & 1) ? -1 : 1;
  double turn = m_heAngle[nx] - m_heAngle[he ^ 1];
  if (turn < 0.0) turn += kTwoPi;
  next.m_dAngle = nx == (he ^ 1) ? kTwoPi : turn;
  return 1;
}

int CFSearchAllCloseCurve::BuildOnePolygon(int seg, int dir, std::vector<int>& walk) {
  walk.clear();
  if (seg < 0 || seg >= GetSegCount() || !m_info[seg].live) return 0;
  const int start = 2 * seg + (dir == 1 ? 0 : 1);
  if (GetIdSearchTime(seg) >= 2 || (m_info[seg].used & (dir == 1 ? 1 : 2))) return 0;
  int he = start;
  const size_t guard = m_rot.size() + 1;
  do {
    walk.push_back(he);
    AddSearchTime(he >> 1, (he & 1) ? -1 : 1);
    SetSearchDir(he >> 1, (he & 1) ? -1 : 1);
    he = GetNextArc(he);
  } while (he >= 0 && he != start && walk.size() <= guard);
  return he == start ? 1 : 0;
}

bool CFSearchAllCloseCurve::IsGapTip(int node) const {
  if (m_nodeDeg[node] != 1) return false;
  std::vector<int> near;
  m_nodeIndex.Query(m_nodePt[node], kGapTol, near);
  for (int r : near)
    if (r != node && m_nodeDeg[r] == 1) return true;
  return false;
}

void CFSearchAllCloseCurve::GetZjCloseArc(const std::vector<int>& walk, bool open,
                                          std::vector<std::vector<int>>& rings) const {
  const int L = static_cast<int>(walk.size());
  if (L == 0) return;
  // A closed walk is read from a step that does not go straight back along
  // the step before it, so that no such pair straddles the ends.
  int first = 0;
  if (!open) {
    first = -1;
    for (int k = 0; k < L && first < 0; ++k)
      if (walk[k] != (walk[(k + L - 1) % L] ^ 1)) first = k;
    if (first < 0) return;  // a tree walked round: no ring
  }
  if (m_scratch.size() < m_nodePt.size()) m_scratch.assign(m_nodePt.size(), -1);
  std::vector<int> stack;
  for (int k = 0; k < L; ++k) {
    const int he = walk[(first + k) % L];
    if (!stack.empty() && stack.back() == (he ^ 1)) {
      m_scratch[HeFrom(stack.back())] = -1;
      stack.pop_back();
      continue;
    }
    m_scratch[HeFrom(he)] = static_cast<int>(stack.size());
    stack.push_back(he);
    const int at = m_scratch[HeTo(he)];
    if (at >= 0 && !open) {
      rings.emplace_back(stack.begin() + at, stack.end());
      for (size_t i = at; i < stack.size(); ++i) m_scratch[HeFrom(stack[i])] = -1;
      stack.resize(at);
    } else if (at >= 0 && open) {
      rings.emplace_back(stack.begin() + at, stack.end());
      for (size_t i = at; i < stack.size(); ++i) m_scratch[HeFrom(stack[i])] = -1;
      stack.resize(at);
    }
  }
  for (int he : stack) m_scratch[HeFrom(he)] = -1;
  if (open && !stack.empty()) rings.push_back(std::move(stack));
}

void CFSearchAllCloseCurve::SplitWalk(const std::vector<int>& walk, std::vector<std::vector<int>>& rings) const {
  const int L = static_cast<int>(walk.size());
  // Where the walk turns back at a loose end with another loose end near.
  std::vector<int> cuts;
  for (int k = 0; k < L; ++k) {
    const int v = HeTo(walk[k]);
    if (m_nodeDeg[v] == 1 && walk[(k + 1) % L] == (walk[k] ^ 1) && IsGapTip(v)) cuts.push_back((k + 1) % L);
  }
  // A stretch between two such ends closes across the gap when they are near
  // each other; otherwise the cut at its far end is given up.
  bool changed = cuts.size() >= 2;
  while (changed && cuts.size() >= 2) {
    changed = false;
    const int m = static_cast<int>(cuts.size());
    for (int i = 0; i < m; ++i) {
      const int from = HeFrom(walk[cuts[i]]);
      const int to = HeTo(walk[(cuts[(i + 1) % m] + L - 1) % L]);
      if (m_nodePt[from].distanceTo(m_nodePt[to]) >= kGapTol) {
        cuts.erase(cuts.begin() + (i + 1) % m);
        changed = true;
        break;
      }
    }
  }
  if (cuts.size() < 2) {
    GetZjCloseArc(walk, false, rings);
    return;
  }
  std::sort(cuts.begin(), cuts.end());
  std::vector<int> part;
  const int m = static_cast<int>(cuts.size());
  for (int i = 0; i < m; ++i) {
    part.clear();
    const int a = cuts[i], b = cuts[(i + 1) % m];
    for (int k = a; k != b; k = (k + 1) % L) part.push_back(walk[k]);
    GetZjCloseArc(part, true, rings);
  }
}

void CFSearchAllCloseCurve::MakeContour(const Ring& ring, CCloseCurve& contour) const {
  contour.Clear();
  for (int he : ring.he) contour.Append(m_segs[he >> 1], (he & 1) ? -1 : 1);
}

void CFSearchAllCloseCurve::RingOutline(const Ring& ring, AcGePoint3dArray& pts, AcGeDoubleArray& blgs) const {
  pts.setLogicalLength(0);
  blgs.setLogicalLength(0);
  for (int h : ring.he) {
    const FCPlineSeg& seg = m_segs[h >> 1];
    const int n = seg.m_pts.length();
    // The joint vertex once: the previous segment's last vertex gives way.
    if (pts.length() > 0) {
      pts.setLogicalLength(pts.length() - 1);
      blgs.setLogicalLength(blgs.length() - 1);
    }
    if (!(h & 1)) {
      for (int i = 0; i < n; ++i) {
        pts.append(seg.m_pts[i]);
        blgs.append(i + 1 < n ? seg.m_blgs[i] : 0.0);
      }
    } else {
      for (int i = n - 1; i >= 0; --i) {
        pts.append(seg.m_pts[i]);
        blgs.append(i > 0 ? -seg.m_blgs[i - 1] : 0.0);
      }
    }
  }
}

double CFSearchAllCloseCurve::RingArea(const std::vector<int>& he) const {
  if (he.empty()) return 0.0;
  if (m_segArea.size() < m_segs.size()) m_segArea.resize(m_segs.size(), std::nan(""));
  double area = 0.0;
  for (int h : he) {
    const int s = h >> 1;
    if (std::isnan(m_segArea[s])) {
      const FCPlineSeg& seg = m_segs[s];
      double a = 0.0;
      for (int i = 0; i + 1 < seg.m_pts.length(); ++i) {
        const AcGePoint3d& p = seg.m_pts[i];
        const AcGePoint3d& q = seg.m_pts[i + 1];
        a += VeskGe::BulgePiece(AcGePoint2d(p.x, p.y), AcGePoint2d(q.x, q.y), seg.m_blgs[i]).signedArea(m_origin);
      }
      m_segArea[s] = a;
    }
    area += (h & 1) ? -m_segArea[s] : m_segArea[s];
  }
  // The chord back to the start of a ring closed across a gap.
  const AcGePoint2d& s = m_nodePt[HeFrom(he.front())];
  const AcGePoint2d& e = m_nodePt[HeTo(he.back())];
  if (!(s == e)) area += (e.x - m_origin.x) * (s.y - m_origin.y) - (s.x - m_origin.x) * (e.y - m_origin.y);
  return area;
}

void CFSearchAllCloseCurve::Buildpolygons(std::vector<Ring>& rings) {
  BuildRotation();
  std::vector<int> walk;
  std::vector<std::vector<int>> parts;
  for (int s = 0; s < GetSegCount(); ++s) {
    if (!m_info[s].live) continue;
    const int dir = GetSearchDir(s);
    for (int d : {dir, -dir}) {
      if (!BuildOnePolygon(s, d, walk)) continue;
      parts.clear();
      SplitWalk(walk, parts);
      for (std::vector<int>& p : parts) {
        Ring ring;
        ring.open = HeFrom(p.front()) != HeTo(p.back());
        ring.he = std::move(p);
        rings.push_back(std::move(ring));
      }
    }
  }
}

void CFSearchAllCloseCurve::RemoveSameContours(std::vector<Ring>& rings) const {
  // Rings made of the same segments share a key (the segments sorted);
  // rings of one key are chained.
  std::unordered_map<std::uint64_t, int> first;
  first.reserve(rings.size());
  std::vector<int> nextSame(rings.size(), -1);
  std::vector<char> keep(rings.size(), 1);
  std::vector<int> a, b;
  auto sortedSegs = [&](const Ring& r, std::vector<int>& out) {
    out.clear();
    for (int h : r.he) out.push_back(h >> 1);
    std::sort(out.begin(), out.end());
  };
  for (size_t i = 0; i < rings.size(); ++i) {
    Ring& r = rings[i];
    r.area = RingArea(r.he);
    sortedSegs(r, a);
    std::uint64_t key = 1469598103934665603ULL;
    for (int s : a) key = (key ^ static_cast<std::uint64_t>(s)) * 1099511628211ULL;
    auto ins = first.emplace(key, static_cast<int>(i));
    if (ins.second) continue;
    bool dup = false;
    for (int j = ins.first->second; j >= 0 && !dup; j = nextSame[j]) {
      if (!keep[j] || rings[j].he.size() != r.he.size()) continue;
      sortedSegs(rings[j], b);
      if (a != b) continue;
      dup = true;
      // The clockwise one of the two is kept, in the earlier one's place.
      if (rings[j].area > 0.0 && r.area < 0.0) std::swap(rings[j], r);
    }
    if (dup) {
      keep[i] = 0;
    } else {
      nextSame[i] = ins.first->second;
      ins.first->second = static_cast<int>(i);
    }
  }
  size_t out = 0;
  for (size_t i = 0; i < rings.size(); ++i) {
    if (!keep[i] || std::fabs(rings[i].area) < kMinArea) continue;
    if (out != i) rings[out] = std::move(rings[i]);
    ++out;
  }
  rings.resize(out);
}

void CFSearchAllCloseCurve::CollectRings(std::vector<Ring>& rings) {
  rings.clear();
  std::vector<Ring> runs;
  FilterOneEntPt(runs, false);
  LinkEnt(runs, false);
  // Runs closed on themselves are faces: clockwise like the walked ones.
  for (Ring& r : runs) {
    if (RingArea(r.he) > 0.0) {
      std::reverse(r.he.begin(), r.he.end());
      for (int& h : r.he) h ^= 1;
    }
    rings.push_back(std::move(r));
  }
  Buildpolygons(rings);
  RemoveSameContours(rings);
  m_stats.segments = 0;
  for (int s = 0; s < GetSegCount(); ++s) m_stats.segments += m_info[s].live ? 1 : 0;
}

void CFSearchAllCloseCurve::Search(CArray<CCloseCurve>& contours) {
  contours.RemoveAll();
  std::vector<Ring> rings;
  CollectRings(rings);
  contours.SetSize(static_cast<INT_PTR>(rings.size()));
  for (size_t i = 0; i < rings.size(); ++i) MakeContour(rings[i], contours[static_cast<INT_PTR>(i)]);
}
