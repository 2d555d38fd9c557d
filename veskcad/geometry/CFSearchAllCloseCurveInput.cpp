// The closed contour search, stage 1: reading the input flat, cutting it into
// pieces, and breaking the pieces where they meet.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <unordered_map>
#include <unordered_set>

#include "arx/db/AcDbBlockTable.h"
#include "arx/db/AcDbCurve.h"
#include "arx/ed/AcedInput.h"
#include "arx/ed/StatusBar.h"
#include "arx/entities/AcDb2dPolyline.h"
#include "arx/entities/AcDb3dPolyline.h"
#include "arx/entities/AcDbAttributeDefinition.h"
#include "arx/entities/AcDbBlockReference.h"
#include "arx/entities/AcDbPolyline.h"
#include "arx/entities/AcDbRegion.h"
#include "arx/ge/AcGeMatrix3d.h"
#include "veskbase/CCalExtent.h"
#include "veskbase/CFCurveBreak.h"
#include "veskbase/CFDocLock.h"
#include "veskbase/CSaveSysVar.h"
#include "veskbase/EntBasic.h"
#include "veskbase/EntCurve.h"
#include "veskcad/geometry/CDelMidPts.h"
#include "veskcad/geometry/CFSearchAllCloseCurve.h"

using BaseClass::FCPlineSeg;

namespace {

// A crossing this near the start of a piece (along it), or this near its
// end, is taken to be that end: no piece shorter than that is cut off.
constexpr double kStartZone = 0.01;
constexpr double kEndZone = 0.001;
// Compound objects nested deeper than this are not read (a guard against
// block definitions that refer to themselves).
constexpr int kMaxNesting = 32;
// Curves that cannot be read as straight and arc pieces (ellipses, splines,
// arcs whose plane is tilted) are followed through this many points.
constexpr int kSamples = 128;
constexpr int kSamplesPerArcPiece = 16;

// Whether a transform maps the XY plane onto itself as a similarity that Z
// does not disturb (rotation, uniform scale, mirror, move): arcs stay arcs.
bool keepsArcs(const AcGeMatrix3d& m, bool& mirror) {
  const double a = m(0, 0), b = m(0, 1), c = m(1, 0), d = m(1, 1);
  const double n1 = a * a + c * c, n2 = b * b + d * d, dot = a * b + c * d;
  const double s = n1 + n2;
  if (!(s > 0.0)) return false;
  if (std::fabs(m(0, 2)) > 1e-12 * std::sqrt(s) || std::fabs(m(1, 2)) > 1e-12 * std::sqrt(s)) return false;
  if (std::fabs(n1 - n2) > 1e-9 * s || std::fabs(dot) > 1e-9 * s) return false;
  mirror = a * d - b * c < 0.0;
  return true;
}

AcGePoint3d flatten(const AcGePoint3d& p, const AcGeMatrix3d* xf) {
  AcGePoint3d q = xf != nullptr ? (*xf) * p : p;
  q.z = 0.0;
  return q;
}

// Drops repeated and collinear vertices (within 1e-5 degrees), keeping a
// closing vertex that repeats the first one.
void cleanOutline(AcGePoint3dArray& pts, AcGeDoubleArray& blgs) {
  for (AcGePoint3d& p : pts) p.z = 0.0;
  while (blgs.length() < pts.length()) blgs.append(0.0);
  if (blgs.length() > pts.length()) blgs.setLogicalLength(pts.length());
  const bool closed = pts.length() >= 3 && pts.first().isEqualTo(pts.last(), AcGeContext::gTol);
  const AcGePoint3d lastPt = pts.last();
  const double lastBlg = blgs.last();
  VeskCad::CDelMidPts(1e-5, -1.0, 0).fnDelMidPoint(pts, &blgs);
  if (closed && pts.length() >= 2 && !pts.last().isEqualTo(pts.first(), AcGeContext::gTol)) {
    pts.append(lastPt);
    blgs.append(lastBlg);
  }
}

// A curve followed through points (its own parameterisation), for kinds that
// are no chain of straight and arc pieces in the XY plane.
bool sampleCurve(const AcDbCurve* curve, const AcGeMatrix3d* xf, AcGePoint3dArray& pts) {
  pts.removeAll();
  double sp = 0.0, ep = 0.0;
  if (curve->getStartParam(sp) != Acad::eOk || curve->getEndParam(ep) != Acad::eOk || !(ep > sp)) return false;
  std::vector<double> params;
  const bool byVertex = curve->isKindOf(AcDbPolyline::desc()) || curve->isKindOf(AcDb2dPolyline::desc()) ||
                        curve->isKindOf(AcDb3dPolyline::desc());
  if (byVertex) {
    const AcDbPolyline* pl = AcDbPolyline::cast(curve);
    const int intervals = static_cast<int>(std::ceil(ep - sp - 1e-9));
    for (int k = 0; k < intervals; ++k) {
      const double a = sp + k, b = std::min(sp + k + 1, ep);
      int steps = kSamplesPerArcPiece;
      if (curve->isKindOf(AcDb3dPolyline::desc())) steps = 1;
      if (pl != nullptr) steps = pl->segType(static_cast<unsigned>(k)) == AcDbPolyline::kArc ? kSamplesPerArcPiece : 1;
      for (int s = 0; s < steps; ++s) params.push_back(a + (b - a) * s / steps);
    }
    params.push_back(ep);
  } else {
    for (int s = 0; s <= kSamples; ++s) params.push_back(sp + (ep - sp) * s / kSamples);
  }
  for (double prm : params) {
    AcGePoint3d p;
    if (curve->getPointAtParam(prm, p) != Acad::eOk) continue;
    pts.append(flatten(p, xf));
  }
  if (curve->isClosed() && pts.length() >= 2 && !pts.last().isEqualTo(pts.first())) {
    const AcGePoint3d first = pts.first();  // not a reference: the array may grow
    pts.append(first);
  }
  return pts.length() >= 2;
}

// A lightweight polyline in the XY plane (normal along +Z or -Z), read
// straight from its vertices: the commonest input, so it is read without
// going through the general curve reader. Closed ones repeat their first
// vertex at the end. False for other curves.
bool readFlatPolyline(const AcDbCurve* curve, AcGePoint3dArray& pts, AcGeDoubleArray& blgs) {
  const AcDbPolyline* pl = AcDbPolyline::cast(curve);
  if (pl == nullptr) return false;
  const AcGeVector3d normal = pl->normal();
  if (std::fabs(std::fabs(normal.z) - 1.0) > 1e-12) return false;
  const double sign = normal.z < 0.0 ? -1.0 : 1.0;
  const unsigned n = pl->numVerts();
  if (n < 2) return false;
  pts.setLogicalLength(0);
  blgs.setLogicalLength(0);
  pts.setPhysicalLength(static_cast<int>(n) + 1);
  blgs.setPhysicalLength(static_cast<int>(n) + 1);
  for (unsigned i = 0; i < n; ++i) {
    AcGePoint3d p;
    double b = 0.0;
    pl->getPointAt(i, p);
    pl->getBulgeAt(i, b);
    pts.append(AcGePoint3d(p.x, p.y, 0.0));
    blgs.append(sign * b);
  }
  if (pl->isClosed()) {
    const AcGePoint3d first = pts.first();
    pts.append(first);
    blgs.append(0.0);
  } else {
    blgs[blgs.length() - 1] = 0.0;
  }
  return true;
}

struct PieceKey {
  std::int64_t v[5];
  bool operator==(const PieceKey& o) const {
    return v[0] == o.v[0] && v[1] == o.v[1] && v[2] == o.v[2] && v[3] == o.v[3] && v[4] == o.v[4];
  }
};
struct PieceKeyHash {
  size_t operator()(const PieceKey& k) const {
    std::uint64_t h = 1469598103934665603ULL;
    for (std::int64_t x : k.v) h = (h ^ static_cast<std::uint64_t>(x)) * 1099511628211ULL;
    return static_cast<size_t>(h);
  }
};

// The same piece the same way round, whichever way it was drawn.
bool pieceKey(const VeskGe::BulgePiece& p, PieceKey& key) {
  AcGePoint2d a = p.start2d(), b = p.end2d();
  double bulge = p.bulge();
  if (b.x < a.x || (b.x == a.x && b.y < a.y)) {
    std::swap(a, b);
    bulge = -bulge;
  }
  const double vals[5] = {a.x, a.y, b.x, b.y, bulge};
  for (int i = 0; i < 5; ++i) {
    const double q = vals[i] / 1e-7;
    if (!(std::fabs(q) < 9e18)) return false;
    key.v[i] = std::llround(q);
  }
  return true;
}

class UnionFind {
 public:
  int add() {
    mParent.push_back(static_cast<int>(mParent.size()));
    return mParent.back();
  }
  void resize(int n) {
    mParent.resize(n);
    for (int i = 0; i < n; ++i) mParent[i] = i;
  }
  int find(int x) {
    while (mParent[x] != x) {
      mParent[x] = mParent[mParent[x]];
      x = mParent[x];
    }
    return x;
  }
  void unite(int a, int b) {
    a = find(a);
    b = find(b);
    if (a == b) return;
    // The smaller element stays the root: end points (filed first) win.
    if (a < b)
      mParent[b] = a;
    else
      mParent[a] = b;
  }
  int size() const { return static_cast<int>(mParent.size()); }

 private:
  std::vector<int> mParent;
};

}  // namespace

int CFSearchAllCloseCurve::GetAllSeg(const AcDbObjectIdArray& ids) {
  ResetNetwork();
  try {
    vesk::CSaveSysVar saveVars(true);
    vesk::CFDocLock lock;
    std::vector<Outline> outlines;
    ReadOutlines(ids, outlines);
    m_stats.curves = static_cast<int>(outlines.size());

    // Explode into pieces, and drop pieces drawn more than once.
    std::vector<VeskGe::BulgePiece> pieces;
    std::unordered_set<PieceKey, PieceKeyHash> seen;
    for (const Outline& o : outlines) {
      for (int i = 0; i + 1 < o.pts.length(); ++i) {
        const VeskGe::BulgePiece piece(AcGePoint2d(o.pts[i].x, o.pts[i].y),
                                       AcGePoint2d(o.pts[i + 1].x, o.pts[i + 1].y),
                                       i < o.blgs.length() ? o.blgs[i] : 0.0);
        if (piece.isDegenerate(AcGeContext::gTol)) continue;
        PieceKey key;
        if (pieceKey(piece, key) && !seen.insert(key).second) continue;
        pieces.push_back(piece);
      }
    }
    seen.clear();
    m_stats.pieces = static_cast<int>(pieces.size());
    return GetIntersectPts(pieces);
  } catch (const Acad::ErrorStatus& es) {
    ReportError(L"CFSearchAllCloseCurve::GetAllSeg", __LINE__, &es);
  } catch (...) {
    ReportError(L"CFSearchAllCloseCurve::GetAllSeg", __LINE__, nullptr);
  }
  return 0;
}

void CFSearchAllCloseCurve::ReadOutlines(const AcDbObjectIdArray& ids, std::vector<Outline>& outlines) const {
  // Reads one entity (seen through a block transform when xf is given).
  std::function<void(const AcDbEntity*, const AcGeMatrix3d*, int)> read;
  read = [&](const AcDbEntity* ent, const AcGeMatrix3d* xf, int depth) {
    if (const AcDbBlockReference* ref = AcDbBlockReference::cast(ent)) {
      if (depth >= kMaxNesting) return;
      const AcGeMatrix3d m = xf != nullptr ? (*xf) * ref->blockTransform() : ref->blockTransform();
      AcDbBlockTableRecord* btr = nullptr;
      if (acdbOpenObject(btr, ref->blockTableRecord(), AcDb::kForRead) != Acad::eOk) return;
      AcDbObjectIdArray children;
      AcDbBlockTableRecordIterator* it = nullptr;
      btr->newIterator(it);
      btr->close();
      for (; it != nullptr && !it->done(); it->step()) {
        AcDbObjectId cid;
        if (it->getEntityId(cid) == Acad::eOk) children.append(cid);
      }
      delete it;
      for (const AcDbObjectId& cid : children) {
        AcDbEntity* child = nullptr;
        if (acdbOpenObject(child, cid, AcDb::kForRead) != Acad::eOk) continue;
        // The reference's own attributes are not part of the block; the
        // definitions of them are left out too.
        if (!child->isKindOf(AcDbAttributeDefinition::desc())) read(child, &m, depth + 1);
        child->close();
      }
      return;
    }
    bool mirror = false;
    const bool fast = xf == nullptr || keepsArcs(*xf, mirror);
    if (const AcDbRegion* region = AcDbRegion::cast(ent)) {
      AcGeVector3d normal;
      region->getNormal(normal);
      if (fast && std::fabs(std::fabs(normal.z) - 1.0) < 1e-9) {
        for (int i = 0; i < region->vhostNumLoops(); ++i) {
          Outline o;
          bool hole = false;
          if (region->vhostGetLoopAt(i, o.pts, o.blgs, hole) != Acad::eOk || o.pts.length() < 2) continue;
          const bool flip = (normal.z < 0.0) != mirror;
          for (int k = 0; k < o.pts.length(); ++k) {
            o.pts[k] = flatten(o.pts[k], xf);
            if (flip && k < o.blgs.length()) o.blgs[k] = -o.blgs[k];
          }
          if (!o.pts.first().isEqualTo(o.pts.last())) {
            const AcGePoint3d first = o.pts.first();  // not a reference: the array may grow
            o.pts.append(first);
            o.blgs.setLogicalLength(o.pts.length() - 1);
            o.blgs.append(0.0);
          }
          cleanOutline(o.pts, o.blgs);
          o.closed = true;
          if (o.pts.length() >= 2) outlines.push_back(std::move(o));
        }
        return;
      }
      AcDbVoidPtrArray parts;
      if (region->explode(parts) == Acad::eOk)
        for (int k = 0; k < parts.length(); ++k) {
          auto* part = static_cast<AcDbEntity*>(parts[k]);
          read(part, xf, depth + 1);
          delete part;
        }
      return;
    }
    const AcDbCurve* curve = AcDbCurve::cast(ent);
    if (curve == nullptr) return;
    Outline o;
    bool ok = false;
    if (fast && readFlatPolyline(curve, o.pts, o.blgs)) {
      ok = true;
      if (xf != nullptr)
        for (int k = 0; k < o.pts.length(); ++k) {
          o.pts[k] = flatten(o.pts[k], xf);
          if (mirror) o.blgs[k] = -o.blgs[k];
        }
    } else if (fast && vesk::ent::GetCurveParam(curve, &o.pts, &o.blgs) && o.pts.length() >= 2) {
      ok = true;
      if (xf != nullptr)
        for (int k = 0; k < o.pts.length(); ++k) {
          o.pts[k] = flatten(AcGePoint3d(o.pts[k].x, o.pts[k].y, 0.0), xf);
          if (mirror && k < o.blgs.length()) o.blgs[k] = -o.blgs[k];
        }
    } else if (sampleCurve(curve, xf, o.pts)) {
      ok = true;
      o.blgs.removeAll();
      for (int k = 0; k < o.pts.length(); ++k) o.blgs.append(0.0);
    }
    if (!ok) return;
    cleanOutline(o.pts, o.blgs);
    o.closed = o.pts.length() >= 3 && o.pts.first().isEqualTo(o.pts.last());
    if (o.pts.length() >= 2) outlines.push_back(std::move(o));
  };

  for (const AcDbObjectId& id : ids) {
    if (!vesk::ent::FIsValidId(id)) continue;
    AcDbEntity* ent = nullptr;
    if (acdbOpenObject(ent, id, AcDb::kForRead) != Acad::eOk) continue;
    const size_t before = outlines.size();
    read(ent, nullptr, 0);
    ent->close();
    // An entity with coordinates or bulges that are not numbers is passed
    // over as a whole.
    for (size_t k = before; k < outlines.size(); ++k) {
      bool finite = true;
      for (const AcGePoint3d& p : outlines[k].pts) finite = finite && std::isfinite(p.x) && std::isfinite(p.y);
      for (double b : outlines[k].blgs) finite = finite && std::isfinite(b);
      if (!finite) {
        outlines.resize(before);
        break;
      }
    }
  }
}

void CFSearchAllCloseCurve::EntsCopyChange(const AcDbObjectIdArray& ids, AcDbObjectIdArray& out) {
  out.removeAll();
  for (const AcDbObjectId& id : ids) {
    const CString cls = vesk::ent::GetObjClassName(id);
    if (cls.CompareNoCase(L"AcDb3dPolyline") == 0) {
      // A 3D polyline becomes a simple 2D polyline of its flattened vertices.
      AcGePoint3dArray pts;
      AcGeDoubleArray blgs;
      if (!vesk::ent::GetCurveParam(id, &pts, &blgs) || pts.length() < 2) continue;
      const bool closed = vesk::ent::IsClosed(id, false) != 0;
      for (AcGePoint3d& p : pts) p.z = 0.0;
      if (closed && pts.length() >= 3 && pts.first().isEqualTo(pts.last())) pts.removeLast();
      VeskCad::CDelMidPts(1e-5, -1.0, 0).fnDelMidPoint(pts, nullptr);
      if (pts.length() < 2) continue;
      auto* pl = new AcDb2dPolyline(AcDb::k2dSimplePoly, pts, 0.0, closed, 0.0, 0.0);
      AcDbObjectId copy;
      if (vesk::ent::AddToDb(pl, copy)) out.append(copy);
      continue;
    }
    if (cls.CompareNoCase(L"AcDbRegion") == 0) {
      AcDbObjectId copy;
      if (!vesk::ent::Copy(id, copy)) continue;
      AcDbObjectIdArray outer, holes;
      vesk::CCalExtent::FGetPlylineByRegion(copy, outer, holes);
      vesk::ent::Erase(copy);
      out.append(outer);
      out.append(holes);
      continue;
    }
    // Curves, and what compound objects are made of, as flattened polylines.
    AcDbObjectIdArray one;
    one.append(id);
    std::vector<Outline> outlines;
    ReadOutlines(one, outlines);
    for (Outline& o : outlines) {
      AcDbObjectId copy;
      if (vesk::ent::Create2dPline(o.pts, &o.blgs, -1.0, copy)) out.append(copy);
    }
  }
}

int CFSearchAllCloseCurve::GetIntersectPts(std::vector<VeskGe::BulgePiece>& pieces) {
  const int n = static_cast<int>(pieces.size());
  const AcGeTol tol = AcGeContext::gTol;
  const double eps = tol.equalPoint();

  // Crossings of the pieces whose extents meet, with the meter running and
  // the user free to break off.
  acedSetStatusBarProgressMeter(L"正在处理...:", 0, n + 1);
  int shown = -1;
  bool broken = false;
  auto progress = [&](int done, int total) {
    const int step = std::max(total / 100, 1);
    if (done / step != shown) {
      shown = done / step;
      acedSetStatusBarProgressMeterPos(done);
    }
    if (acedUsrBrk()) {
      broken = true;
      return false;
    }
    return true;
  };
  std::vector<vesk::CFCurveBreak::Contact> contacts;
  const int found = vesk::CFCurveBreak::FindContacts(pieces, std::vector<int>(), tol, contacts, progress);
  acedRestoreStatusBar();
  if (found < 0 || broken) {
    ResetNetwork();
    return 0;
  }
  m_stats.contacts = static_cast<int>(contacts.size());

  // Every end of a piece and every crossing inside one is an element; the
  // elements that meet are joined into the nodes of the network.
  UnionFind uf;
  uf.resize(2 * n);
  std::vector<AcGePoint2d> elemPt(2 * n);
  std::vector<double> len(n);
  for (int i = 0; i < n; ++i) {
    elemPt[2 * i] = pieces[i].start2d();
    elemPt[2 * i + 1] = pieces[i].end2d();
    len[i] = pieces[i].length();
  }
  struct Split {
    int piece;
    double f;
    int elem;
  };
  std::vector<Split> splits;
  auto elementFor = [&](int piece, double f, const AcGePoint2d& pt) {
    const double L = len[piece];
    const double d = std::min(std::max(f, 0.0), 1.0) * L;
    const bool nearStart = d < kStartZone;
    const bool nearEnd = L - d < kEndZone;
    if (nearStart && nearEnd) return d <= L - d ? 2 * piece : 2 * piece + 1;
    if (nearStart) return 2 * piece;
    if (nearEnd) return 2 * piece + 1;
    const int e = uf.add();
    elemPt.push_back(pt);
    splits.push_back({piece, f, e});
    return e;
  };
  for (const auto& c : contacts) {
    const int ea = elementFor(c.a, c.fa, c.pt);
    const int eb = elementFor(c.b, c.fb, c.pt);
    uf.unite(ea, eb);
  }
  contacts.clear();
  contacts.shrink_to_fit();
  std::sort(splits.begin(), splits.end(), [](const Split& x, const Split& y) {
    return x.piece != y.piece ? x.piece < y.piece : x.f < y.f;
  });
  // Crossings at one place of a piece (three curves through one point) are one.
  for (size_t k = 1; k < splits.size(); ++k) {
    const Split& a = splits[k - 1];
    const Split& b = splits[k];
    if (a.piece == b.piece && elemPt[a.elem].distanceTo(elemPt[b.elem]) <= eps) uf.unite(a.elem, b.elem);
  }

  // Nodes: one per joined set, placed at an end point of a piece when the
  // set holds one (the smallest element is the root).
  std::vector<int> nodeOf(uf.size(), -1);
  m_nodePt.reserve(2 * static_cast<size_t>(n));
  m_nodeIndex.Reserve(2 * static_cast<size_t>(n));
  auto nodeFor = [&](int elem) {
    const int r = uf.find(elem);
    if (nodeOf[r] < 0) nodeOf[r] = AddNode(elemPt[r]);
    return nodeOf[r];
  };

  // The parts of every piece between its nodes; parts lying on top of each
  // other (same nodes, same bulge the same way round) are filed once.
  struct Part {
    int lo, hi;       // nodes, lo < hi
    double bulge;     // walked from lo to hi
    int order;        // place in the input
    bool flip;        // drawn from hi to lo
  };
  std::vector<Part> parts;
  parts.reserve(static_cast<size_t>(n) + splits.size());
  size_t s = 0;
  std::vector<std::pair<double, int>> stops;
  for (int i = 0; i < n; ++i) {
    stops.clear();
    stops.emplace_back(0.0, nodeFor(2 * i));
    for (; s < splits.size() && splits[s].piece == i; ++s) stops.emplace_back(splits[s].f, nodeFor(splits[s].elem));
    stops.emplace_back(1.0, nodeFor(2 * i + 1));
    for (size_t k = 0; k + 1 < stops.size(); ++k) {
      const int na = stops[k].second, nb = stops[k + 1].second;
      if (na == nb) continue;
      double bulge = pieces[i].bulge();
      if (stops[k].first > 0.0 || stops[k + 1].first < 1.0)
        bulge = pieces[i].subPiece(stops[k].first, stops[k + 1].first).bulge();
      const bool flip = na > nb;
      parts.push_back({flip ? nb : na, flip ? na : nb, flip ? -bulge : bulge, static_cast<int>(parts.size()), flip});
    }
  }
  pieces.clear();
  splits.clear();
  std::sort(parts.begin(), parts.end(), [](const Part& a, const Part& b) {
    if (a.lo != b.lo) return a.lo < b.lo;
    if (a.hi != b.hi) return a.hi < b.hi;
    if (a.bulge != b.bulge) return a.bulge < b.bulge;
    return a.order < b.order;
  });
  std::vector<char> keep(parts.size(), 1);
  for (size_t k = 1; k < parts.size(); ++k) {
    // Compared with the last one kept of the same pair of nodes.
    size_t j = k;
    while (j > 0 && !keep[j - 1]) --j;
    if (j == 0) continue;
    const Part& a = parts[j - 1];
    const Part& b = parts[k];
    if (a.lo == b.lo && a.hi == b.hi && std::fabs(a.bulge - b.bulge) <= 1e-6 * (1.0 + std::fabs(a.bulge)))
      keep[k] = 0;
  }
  // Filed in input order.
  std::vector<int> order;
  order.reserve(parts.size());
  for (size_t k = 0; k < parts.size(); ++k)
    if (keep[k]) order.push_back(static_cast<int>(k));
  std::sort(order.begin(), order.end(), [&](int a, int b) { return parts[a].order < parts[b].order; });
  m_segs.reserve(order.size());
  m_info.reserve(order.size());
  m_heNext.reserve(2 * order.size());
  for (int k : order) {
    const Part& p = parts[k];
    const int na = p.flip ? p.hi : p.lo, nb = p.flip ? p.lo : p.hi;
    const double bulge = p.flip ? -p.bulge : p.bulge;
    AcGePoint3dArray pts(2);
    pts.append(AcGePoint3d(m_nodePt[na].x, m_nodePt[na].y, 0.0));
    pts.append(AcGePoint3d(m_nodePt[nb].x, m_nodePt[nb].y, 0.0));
    AcGeDoubleArray blgs(2);
    blgs.append(bulge);
    blgs.append(0.0);
    AddSeg(FCPlineSeg(pts, blgs), na, nb, false);
  }
  return 1;
}
