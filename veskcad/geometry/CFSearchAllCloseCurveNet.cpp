// The closed contour search, stages 2 and 3: the network of segments between
// nodes, the loose-end filter and the merging of runs.
#include <algorithm>
#include <cmath>
#include <utility>

#include "arx/ge/AcGeContext.h"
#include "veskbase/EntBasic.h"
#include "veskcad/geometry/CFSearchAllCloseCurve.h"

using BaseClass::FCPlineSeg;

namespace {

// A loose end keeps its run when another segment ends this near.
constexpr double kLinkTol = 1.0;
// A run whose loose ends are this near each other is a contour by itself.
constexpr double kRunCloseTol = 0.1;

// Appends a segment walked in a direction to a vertex list (the joint once).
void appendRun(AcGePoint3dArray& pts, AcGeDoubleArray& blgs, const FCPlineSeg& seg, int dir) {
  const int n = seg.m_pts.length();
  if (pts.length() > 0) {
    pts.removeLast();
    blgs.removeLast();
  }
  if (dir == 1) {
    for (int i = 0; i < n; ++i) {
      pts.append(seg.m_pts[i]);
      blgs.append(i < seg.m_blgs.length() ? seg.m_blgs[i] : 0.0);
    }
  } else {
    for (int i = n - 1; i >= 0; --i) {
      pts.append(seg.m_pts[i]);
      blgs.append(i > 0 && i - 1 < seg.m_blgs.length() ? -seg.m_blgs[i - 1] : 0.0);
    }
  }
}

}  // namespace

void CFSearchAllCloseCurve::ResetNetwork() {
  m_segs.clear();
  m_info.clear();
  m_nodePt.clear();
  m_nodeDeg.clear();
  m_nodeHead.clear();
  m_heNext.clear();
  m_nodeIndex.Clear();
  m_rotStart.clear();
  m_rot.clear();
  m_rotPos.clear();
  m_heAngle.clear();
  m_scratch.clear();
  m_segArea.clear();
  m_origin = AcGePoint2d();
}

int CFSearchAllCloseCurve::AddNode(const AcGePoint2d& pt) {
  const int n = static_cast<int>(m_nodePt.size());
  if (n == 0) m_origin = pt;
  m_nodePt.push_back(pt);
  m_nodeDeg.push_back(0);
  m_nodeHead.push_back(-1);
  m_nodeIndex.Insert(pt, n);
  return n;
}

int CFSearchAllCloseCurve::NodeAt(const AcGePoint2d& pt) {
  const int n = m_nodeIndex.Nearest(pt, AcGeContext::gTol.equalPoint());
  return n >= 0 ? n : AddNode(pt);
}

int CFSearchAllCloseCurve::AddSeg(FCPlineSeg seg, int st, int ed, bool owned) {
  const int s = static_cast<int>(m_segs.size());
  m_segs.push_back(std::move(seg));
  SegInfo info;
  info.st = st;
  info.ed = ed;
  info.live = true;
  info.owned = owned;
  m_info.push_back(info);
  m_heNext.push_back(m_nodeHead[st]);
  m_nodeHead[st] = 2 * s;
  m_heNext.push_back(m_nodeHead[ed]);
  m_nodeHead[ed] = 2 * s + 1;
  ++m_nodeDeg[st];
  ++m_nodeDeg[ed];
  return s;
}

void CFSearchAllCloseCurve::RetireSeg(int seg, bool eraseEntity) {
  SegInfo& info = m_info[seg];
  if (!info.live) return;
  info.live = false;
  --m_nodeDeg[info.st];
  --m_nodeDeg[info.ed];
  if (eraseEntity && info.owned && !m_segs[seg].m_id.isNull()) vesk::ent::Erase(m_segs[seg].m_id);
}

int CFSearchAllCloseCurve::HeFrom(int he) const { return (he & 1) ? m_info[he >> 1].ed : m_info[he >> 1].st; }
int CFSearchAllCloseCurve::HeTo(int he) const { return (he & 1) ? m_info[he >> 1].st : m_info[he >> 1].ed; }

int CFSearchAllCloseCurve::GetIdsByPt(const AcGePoint3d& pt, std::vector<int>& segs) const {
  segs.clear();
  std::vector<int> nodes;
  m_nodeIndex.Query(AcGePoint2d(pt.x, pt.y), AcGeContext::gTol.equalPoint(), nodes, true);
  for (int v : nodes)
    for (int he = m_nodeHead[v]; he >= 0; he = m_heNext[he]) {
      const int s = he >> 1;
      if (m_info[s].live && std::find(segs.begin(), segs.end(), s) == segs.end()) segs.push_back(s);
    }
  return static_cast<int>(segs.size());
}

int CFSearchAllCloseCurve::GetTolIdsByPt(const AcGePoint3d& pt, std::vector<int>& segs, double tol) const {
  std::vector<int> nodes;
  m_nodeIndex.Query(AcGePoint2d(pt.x, pt.y), tol, nodes);
  for (int v : nodes)
    for (int he = m_nodeHead[v]; he >= 0; he = m_heNext[he]) {
      const int s = he >> 1;
      if (m_info[s].live && std::find(segs.begin(), segs.end(), s) == segs.end()) segs.push_back(s);
    }
  return static_cast<int>(segs.size());
}

int CFSearchAllCloseCurve::HaveLinkEnt(int seg, int side) const {
  if (seg < 0 || seg >= GetSegCount()) return 0;
  if (m_info[seg].st == m_info[seg].ed || m_segs[seg].IsClosed()) return 3;
  const int v = side == 1 ? m_info[seg].st : m_info[seg].ed;
  const AcGePoint3d p(m_nodePt[v].x, m_nodePt[v].y, 0.0);
  std::vector<int> segs;
  if (GetIdsByPt(p, segs) >= 2) return 1;
  segs.clear();
  if (GetTolIdsByPt(p, segs, kLinkTol) >= 2) return 2;
  return 0;
}

int CFSearchAllCloseCurve::TraceRun(int node, std::vector<std::pair<int, int>>& steps) const {
  steps.clear();
  int cur = node, prev = -1;
  const int guard = GetSegCount() + 1;
  for (int k = 0; k < guard; ++k) {
    int next = -1;
    for (int he = m_nodeHead[cur]; he >= 0; he = m_heNext[he]) {
      const int s = he >> 1;
      if (m_info[s].live && s != prev) {
        next = he;
        break;
      }
    }
    if (next < 0) break;
    steps.emplace_back(next >> 1, (next & 1) ? -1 : 1);
    prev = next >> 1;
    cur = HeTo(next);
    if (cur == node || m_nodeDeg[cur] != 2) break;
  }
  return cur;
}

void CFSearchAllCloseCurve::FilterOneEntPt(std::vector<Ring>& rings, bool keepRuns) {
  const int nn = static_cast<int>(m_nodePt.size());
  std::vector<int> work;
  std::vector<char> queued(nn, 0);
  for (int v = nn - 1; v >= 0; --v)
    if (m_nodeDeg[v] == 1) {
      work.push_back(v);
      queued[v] = 1;
    }
  std::vector<std::pair<int, int>> steps;
  std::vector<int> near;
  while (!work.empty()) {
    const int p = work.back();
    work.pop_back();
    queued[p] = 0;
    if (m_nodeDeg[p] != 1) continue;
    const int q = TraceRun(p, steps);
    if (steps.empty()) continue;
    // A run whose two loose ends nearly meet closes on itself.
    if (q != p && m_nodeDeg[q] == 1 && m_nodePt[p].distanceTo(m_nodePt[q]) < kRunCloseTol) {
      int vertices = 1;
      for (const auto& st : steps) vertices += m_segs[st.first].m_pts.length() - 1;
      if (vertices >= 3) {
        if (keepRuns) continue;
        Ring ring;
        for (const auto& st : steps) ring.he.push_back(2 * st.first + (st.second == 1 ? 0 : 1));
        for (const auto& st : steps) RetireSeg(st.first, false);
        rings.push_back(std::move(ring));
        continue;
      }
    }
    // Kept when another segment ends near the loose end (its own run's other
    // end counts only when more segments meet there).
    near.clear();
    m_nodeIndex.Query(m_nodePt[p], kLinkTol, near);
    bool linked = false;
    for (int r : near) {
      if (r == p || m_nodeDeg[r] == 0 || m_nodeDeg[r] == 2) continue;
      if (r == q && m_nodeDeg[q] == 1) continue;
      linked = true;
      break;
    }
    if (linked) continue;
    for (const auto& st : steps) RetireSeg(st.first, true);
    // The ends around may have leaned on this one.
    near.clear();
    m_nodeIndex.Query(m_nodePt[p], kLinkTol, near);
    m_nodeIndex.Query(m_nodePt[q], kLinkTol, near);
    near.push_back(q);
    for (int r : near)
      if (m_nodeDeg[r] == 1 && !queued[r]) {
        queued[r] = 1;
        work.push_back(r);
      }
  }
}

void CFSearchAllCloseCurve::LinkEnt(std::vector<Ring>& rings, bool keepRuns) {
  const int count = GetSegCount();
  std::vector<char> done(count, 0);
  std::vector<std::pair<int, int>> back, fwd;
  auto otherAt = [&](int node, int notSeg) {
    for (int he = m_nodeHead[node]; he >= 0; he = m_heNext[he]) {
      const int s = he >> 1;
      if (m_info[s].live && s != notSeg) return he;
    }
    return -1;
  };
  for (int s = 0; s < count; ++s) {
    if (!m_info[s].live || done[s]) continue;
    done[s] = 1;
    const int st = m_info[s].st, ed = m_info[s].ed;
    if (st == ed) {
      // A segment closed on itself with nothing else at its joint.
      if (m_nodeDeg[st] == 2 && !keepRuns) {
        Ring ring;
        ring.he.push_back(2 * s);
        RetireSeg(s, false);
        rings.push_back(std::move(ring));
      }
      continue;
    }
    // Forwards from the end, then backwards from the start.
    fwd.clear();
    back.clear();
    bool closed = false;
    int cur = ed, prev = s;
    while (m_nodeDeg[cur] == 2) {
      const int he = otherAt(cur, prev);
      if (he < 0) break;
      const int t = he >> 1;
      if (t == s || done[t]) {
        closed = t == s;
        break;
      }
      fwd.emplace_back(t, (he & 1) ? -1 : 1);
      done[t] = 1;
      prev = t;
      cur = HeTo(he);
    }
    const int endNode = cur;
    int startNode = st;
    if (!closed) {
      cur = st;
      prev = s;
      while (m_nodeDeg[cur] == 2) {
        const int he = otherAt(cur, prev);
        if (he < 0) break;
        const int t = he >> 1;
        if (t == s || done[t]) break;
        // Walked towards the chain's start, so backwards.
        back.emplace_back(t, (he & 1) ? 1 : -1);
        done[t] = 1;
        prev = t;
        cur = HeTo(he);
      }
      startNode = cur;
    } else {
      startNode = endNode;
    }
    if (fwd.empty() && back.empty()) continue;
    std::vector<std::pair<int, int>> chain(back.rbegin(), back.rend());
    chain.emplace_back(s, 1);
    chain.insert(chain.end(), fwd.begin(), fwd.end());
    if (closed && !keepRuns) {
      Ring ring;
      for (const auto& c : chain) ring.he.push_back(2 * c.first + (c.second == 1 ? 0 : 1));
      for (const auto& c : chain) RetireSeg(c.first, false);
      rings.push_back(std::move(ring));
      continue;
    }
    AcGePoint3dArray pts;
    AcGeDoubleArray blgs;
    for (const auto& c : chain) appendRun(pts, blgs, m_segs[c.first], c.second);
    FCPlineSeg merged(std::move(pts), std::move(blgs));
    if (keepRuns) {
      if (!merged.CreateEntity()) continue;
      vesk::ent::ChangeColor(merged.m_id, 6);
    }
    for (const auto& c : chain) RetireSeg(c.first, true);
    AddSeg(std::move(merged), startNode, endNode, true);
  }
}

void CFSearchAllCloseCurve::AddSearchTime(int seg, int dir) {
  if (seg < 0 || seg >= GetSegCount()) return;
  m_info[seg].used |= dir == 1 ? 1 : 2;
}

int CFSearchAllCloseCurve::GetIdSearchTime(int seg) const {
  if (seg < 0 || seg >= GetSegCount()) return 10;
  return (m_info[seg].used & 1) + ((m_info[seg].used >> 1) & 1);
}

void CFSearchAllCloseCurve::SetSearchDir(int seg, int dir) {
  if (seg >= 0 && seg < GetSegCount()) m_info[seg].dir = dir == 1 ? 1 : -1;
}

int CFSearchAllCloseCurve::GetSearchDir(int seg) const {
  return seg >= 0 && seg < GetSegCount() ? m_info[seg].dir : 1;
}

const FCPlineSeg* CFSearchAllCloseCurve::GetSegFromId(int seg) const {
  return seg >= 0 && seg < GetSegCount() ? &m_segs[seg] : nullptr;
}

int CFSearchAllCloseCurve::GetSegFromId(const AcDbObjectId& id) const {
  if (id.isNull()) return -1;
  for (int s = GetSegCount() - 1; s >= 0; --s)
    if (m_segs[s].m_id == id) return s;
  return -1;
}

void CFSearchAllCloseCurve::GetAllSegIds(std::vector<int>& segs) const {
  segs.clear();
  for (int s = 0; s < GetSegCount(); ++s)
    if (IsLive(s)) segs.push_back(s);
}

int CFSearchAllCloseCurve::IsLive(int seg) const {
  if (seg < 0 || seg >= GetSegCount() || !m_info[seg].live) return 0;
  const AcDbObjectId& id = m_segs[seg].m_id;
  return id.isNull() || (id.isValid() && !id.isErased()) ? 1 : 0;
}
