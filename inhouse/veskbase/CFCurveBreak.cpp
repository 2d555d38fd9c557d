#include "veskbase/CFCurveBreak.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "arx/db/AcDbBlockTable.h"
#include "arx/db/AcDbCurve.h"
#include "arx/db/AcDbDatabase.h"
#include "arx/entities/AcDbArc.h"
#include "arx/entities/AcDbCircle.h"
#include "arx/entities/AcDbLine.h"
#include "arx/entities/AcDbPolyline.h"
#include "veskbase/EntCurve.h"

namespace vesk {

namespace {

struct Box {
  double x0, y0, x1, y1;
};

// A uniform grid over the pieces' extents, stored as one array of piece
// indices per cell (ascending within each cell).
class PieceGrid {
 public:
  PieceGrid(const std::vector<Box>& boxes, const std::vector<char>& use) : mBoxes(boxes) {
    const int n = static_cast<int>(boxes.size());
    double X0 = std::numeric_limits<double>::max(), Y0 = X0;
    double X1 = -X0, Y1 = -X0;
    double sumSize = 0.0;
    int counted = 0;
    for (int i = 0; i < n; ++i) {
      if (!use[i]) continue;
      const Box& b = boxes[i];
      X0 = std::min(X0, b.x0);
      Y0 = std::min(Y0, b.y0);
      X1 = std::max(X1, b.x1);
      Y1 = std::max(Y1, b.y1);
      sumSize += std::max(b.x1 - b.x0, b.y1 - b.y0);
      ++counted;
    }
    if (counted == 0) {
      X0 = Y0 = 0.0;
      X1 = Y1 = 1.0;
    }
    mX0 = X0;
    mY0 = Y0;
    const double W = std::max(X1 - X0, 1e-9), H = std::max(Y1 - Y0, 1e-9);
    // Cells about as large as a typical piece, but never more than about
    // four cells per piece.
    double s = counted > 0 ? sumSize / counted : 1.0;
    const double maxCells = 4.0 * std::max(counted, 1) + 64.0;
    s = std::max(s, std::sqrt(W * H / maxCells));
    if (!(s > 0.0) || !std::isfinite(s)) s = std::max(W, H);
    for (;;) {
      mNx = static_cast<int>(std::min(W / s, 1e7)) + 1;
      mNy = static_cast<int>(std::min(H / s, 1e7)) + 1;
      if (static_cast<double>(mNx) * mNy <= maxCells) break;
      s *= 1.5;
    }
    mCell = s;
    mStart.assign(static_cast<size_t>(mNx) * mNy + 1, 0);
    for (int i = 0; i < n; ++i) {
      if (!use[i]) continue;
      int ix0, iy0, ix1, iy1;
      range(boxes[i], ix0, iy0, ix1, iy1);
      for (int iy = iy0; iy <= iy1; ++iy)
        for (int ix = ix0; ix <= ix1; ++ix) ++mStart[static_cast<size_t>(iy) * mNx + ix + 1];
    }
    for (size_t c = 1; c < mStart.size(); ++c) mStart[c] += mStart[c - 1];
    mItems.resize(mStart.back());
    std::vector<size_t> fill(mStart.begin(), mStart.end() - 1);
    for (int i = 0; i < n; ++i) {
      if (!use[i]) continue;
      int ix0, iy0, ix1, iy1;
      range(boxes[i], ix0, iy0, ix1, iy1);
      for (int iy = iy0; iy <= iy1; ++iy)
        for (int ix = ix0; ix <= ix1; ++ix) mItems[fill[static_cast<size_t>(iy) * mNx + ix]++] = i;
    }
  }

  int cellX(double x) const { return clampIndex((x - mX0) / mCell, mNx); }
  int cellY(double y) const { return clampIndex((y - mY0) / mCell, mNy); }
  void range(const Box& b, int& ix0, int& iy0, int& ix1, int& iy1) const {
    ix0 = cellX(b.x0);
    iy0 = cellY(b.y0);
    ix1 = cellX(b.x1);
    iy1 = cellY(b.y1);
  }
  const int* begin(int ix, int iy) const { return mItems.data() + mStart[static_cast<size_t>(iy) * mNx + ix]; }
  const int* end(int ix, int iy) const { return mItems.data() + mStart[static_cast<size_t>(iy) * mNx + ix + 1]; }

 private:
  static int clampIndex(double v, int n) {
    if (!(v > 0.0)) return 0;
    if (v >= n - 1) return n - 1;
    return static_cast<int>(v);
  }
  const std::vector<Box>& mBoxes;
  double mX0 = 0.0, mY0 = 0.0, mCell = 1.0;
  int mNx = 1, mNy = 1;
  std::vector<size_t> mStart;
  std::vector<int> mItems;
};

bool boxesMeet(const Box& a, const Box& b) { return a.x0 <= b.x1 && b.x0 <= a.x1 && a.y0 <= b.y1 && b.y0 <= a.y1; }

// ---- curves of the drawing as pieces

struct CurveRec {
  AcDbObjectId id;
  AcGePoint3dArray verts;
  AcGeDoubleArray bulges;
  int firstPiece = 0;
  int numPieces = 0;
  bool closed = false;
  std::vector<std::pair<int, double>> cuts;  // (piece, fraction)
};

bool readCurve(const AcDbObjectId& id, CurveRec& rec) {
  rec.id = id;
  AcDbCurve* curve = nullptr;
  if (acdbOpenObject(curve, id, AcDb::kForRead) != Acad::eOk) return false;
  const bool ok = ent::GetCurveParam(curve, &rec.verts, &rec.bulges) != 0;
  rec.closed = curve->isClosed();
  curve->close();
  return ok && rec.verts.length() >= 2 && rec.bulges.length() >= rec.verts.length() - 1;
}

VeskGe::BulgePiece pieceOf(const CurveRec& c, int k) {
  const AcGePoint3d& p = c.verts[k];
  const AcGePoint3d& q = c.verts[k + 1];
  return VeskGe::BulgePiece(AcGePoint2d(p.x, p.y), AcGePoint2d(q.x, q.y), c.bulges[k]);
}

// The entity's parameter at a place of its vertex list: linear inside each
// piece for the platform's curve classes; checked against the point, with
// the curve's own closest point (seen along Z) as the fallback.
bool paramAt(const AcDbCurve* curve, const CurveRec& c, int piece, double f, const AcGePoint2d& pt, double& param) {
  double sp = 0.0, ep = 0.0;
  curve->getStartParam(sp);
  curve->getEndParam(ep);
  bool have = false;
  if (curve->isKindOf(AcDbLine::desc()) || curve->isKindOf(AcDbArc::desc())) {
    param = sp + f * (ep - sp);
    have = true;
  } else if (curve->isKindOf(AcDbCircle::desc())) {
    const int pieces = c.verts.length() - 1;
    param = sp + (piece + f) * (ep - sp) / std::max(pieces, 1);
    have = true;
  } else {
    param = sp + piece + f;
    have = param <= ep + 1e-9;
  }
  const double scale = 1.0 + std::fabs(pt.x) + std::fabs(pt.y);
  if (have) {
    AcGePoint3d onCurve;
    if (curve->getPointAtParam(param, onCurve) == Acad::eOk &&
        std::hypot(onCurve.x - pt.x, onCurve.y - pt.y) <= 1e-7 * scale)
      return true;
  }
  AcGePoint3d onCurve;
  if (curve->getClosestPointTo(AcGePoint3d(pt.x, pt.y, 0.0), AcGeVector3d::kZAxis, onCurve) != Acad::eOk)
    return false;
  return curve->getParamAtPoint(onCurve, param) == Acad::eOk;
}

AcDbObjectId appendToOwner(AcDbObjectId owner, AcDbEntity* ent) {
  AcDbObjectId id;
  AcDbBlockTableRecord* btr = nullptr;
  if (acdbOpenObject(btr, owner, AcDb::kForWrite) != Acad::eOk) {
    delete ent;
    return id;
  }
  if (btr->appendAcDbEntity(id, ent) == Acad::eOk)
    ent->close();
  else {
    delete ent;
    id.setNull();
  }
  btr->close();
  return id;
}

}  // namespace

CFCurveBreak::CFCurveBreak(double tol, int autoExtend, int selfBreak, int eraseSource)
    : m_dTol(tol), m_bAutoExtend(autoExtend), m_bSelfBreak(selfBreak), m_bEraseSource(eraseSource) {}

int CFCurveBreak::FindContacts(const std::vector<VeskGe::BulgePiece>& pieces, const std::vector<int>& groups,
                               const AcGeTol& tol, std::vector<Contact>& contacts, const Progress& progress) {
  contacts.clear();
  const int n = static_cast<int>(pieces.size());
  if (n < 2) return 0;
  const double eps = std::max(tol.equalPoint(), 0.0);
  std::vector<Box> boxes(n);
  std::vector<char> use(n, 1);
  for (int i = 0; i < n; ++i) {
    AcGePoint2d lo, hi;
    pieces[i].getExtents(lo, hi);
    boxes[i] = {lo.x - eps, lo.y - eps, hi.x + eps, hi.y + eps};
    if (!std::isfinite(lo.x) || !std::isfinite(lo.y) || !std::isfinite(hi.x) || !std::isfinite(hi.y) ||
        pieces[i].isDegenerate(tol))
      use[i] = 0;
  }
  const bool grouped = static_cast<int>(groups.size()) == n;
  PieceGrid grid(boxes, use);
  for (int i = 0; i < n; ++i) {
    if ((i & 255) == 0 && progress && !progress(i, n)) return -1;
    if (!use[i]) continue;
    const Box& bi = boxes[i];
    int ix0, iy0, ix1, iy1;
    grid.range(bi, ix0, iy0, ix1, iy1);
    for (int iy = iy0; iy <= iy1; ++iy) {
      for (int ix = ix0; ix <= ix1; ++ix) {
        const int* e = grid.end(ix, iy);
        for (const int* p = std::upper_bound(grid.begin(ix, iy), e, i); p != e; ++p) {
          const int j = *p;
          if (grouped && groups[i] >= 0 && groups[i] == groups[j]) continue;
          const Box& bj = boxes[j];
          if (!boxesMeet(bi, bj)) continue;
          // The pair is looked at once: in the cell of the lower-left corner
          // of the common part of the two boxes.
          if (grid.cellX(std::max(bi.x0, bj.x0)) != ix || grid.cellY(std::max(bi.y0, bj.y0)) != iy) continue;
          const VeskGe::PieceIntersection r = pieces[i].intersectWith(pieces[j], tol);
          for (int k = 0; k < r.numPoints; ++k) {
            Contact c;
            c.a = i;
            c.b = j;
            c.fa = r.fractionsOnFirst[k];
            c.fb = r.fractionsOnSecond[k];
            c.pt = AcGePoint2d(r.points[k].x, r.points[k].y);
            contacts.push_back(c);
          }
          for (int k = 0; k < r.numOverlaps; ++k) {
            const AcGePoint3d ends[2] = {r.overlaps[k].startPoint(), r.overlaps[k].endPoint()};
            for (const AcGePoint3d& q : ends) {
              Contact c;
              c.a = i;
              c.b = j;
              c.fa = pieces[i].fractionOf(q);
              c.fb = pieces[j].fractionOf(q);
              c.pt = AcGePoint2d(q.x, q.y);
              c.overlapEnd = true;
              contacts.push_back(c);
            }
          }
        }
      }
    }
  }
  if (progress && !progress(n, n)) return -1;
  return static_cast<int>(contacts.size());
}

int CFCurveBreak::GetBreakEnts(const AcDbObjectIdArray& ids, AcDbObjectIdArray& result) {
  result.removeAll();
  const AcGeTol& tol = AcGeContext::gTol;
  const double eps = std::max(tol.equalPoint(), 1e-12);

  // Which entries are curves that can be read.
  std::vector<CurveRec> curves;
  std::vector<int> curveOf(ids.length(), -1);
  auto readAll = [&]() {
    curves.clear();
    for (int i = 0; i < ids.length(); ++i) {
      curveOf[i] = -1;
      CurveRec rec;
      if (!ids[i].isNull() && !ids[i].isErased() && readCurve(ids[i], rec)) {
        curveOf[i] = static_cast<int>(curves.size());
        curves.push_back(std::move(rec));
      }
    }
  };
  readAll();

  // Open ends lengthened first, so that the breaking below sees them touch.
  if (m_bAutoExtend && m_dTol > 0.0 && curves.size() > 1) {
    std::vector<VeskGe::BulgePiece> pieces;
    std::vector<int> groups, extOf;  // extOf: -1 for a curve piece, else 2 * curve + (0 start, 1 end)
    for (int ci = 0; ci < static_cast<int>(curves.size()); ++ci) {
      CurveRec& c = curves[ci];
      for (int k = 0; k + 1 < c.verts.length(); ++k) {
        pieces.push_back(pieceOf(c, k));
        groups.push_back(ci);
        extOf.push_back(-1);
      }
      if (c.closed) continue;
      for (int end = 0; end < 2; ++end) {
        const VeskGe::BulgePiece piece = pieceOf(c, end == 0 ? 0 : c.verts.length() - 2);
        const double len = piece.length();
        if (!(len > eps)) continue;
        // Beyond the end along the piece's line or circle (never more than
        // a half turn round an arc).
        double reach = m_dTol / len;
        if (piece.isArc()) reach = std::min(reach, 3.14159265358979 / std::fabs(piece.includedAngle()));
        pieces.push_back(end == 0 ? piece.subPiece(0.0, -reach) : piece.subPiece(1.0, 1.0 + reach));
        groups.push_back(ci);
        extOf.push_back(2 * ci + end);
      }
    }
    std::vector<Contact> contacts;
    if (FindContacts(pieces, groups, tol, contacts, m_progress) < 0) return 0;
    std::vector<double> best(2 * curves.size(), std::numeric_limits<double>::max());
    std::vector<AcGePoint2d> bestPt(2 * curves.size());
    for (const Contact& c : contacts) {
      const int ea = extOf[c.a], eb = extOf[c.b];
      if ((ea >= 0) == (eb >= 0)) continue;  // two curves, or two extensions
      const int ext = ea >= 0 ? ea : eb;
      const double f = ea >= 0 ? c.fa : c.fb;
      if (f > eps && f < best[ext]) {
        best[ext] = f;
        bestPt[ext] = c.pt;
      }
    }
    bool extended = false;
    for (size_t e = 0; e < best.size(); ++e) {
      if (best[e] == std::numeric_limits<double>::max()) continue;
      AcDbCurve* curve = nullptr;
      if (acdbOpenObject(curve, curves[e / 2].id, AcDb::kForWrite) != Acad::eOk) continue;
      AcGePoint3d endPt;
      if ((e % 2 == 0 ? curve->getStartPoint(endPt) : curve->getEndPoint(endPt)) == Acad::eOk &&
          curve->extend(e % 2 == 0, AcGePoint3d(bestPt[e].x, bestPt[e].y, endPt.z)) == Acad::eOk)
        extended = true;
      curve->close();
    }
    if (extended) readAll();
  }

  // Every piece, grouped by curve unless a curve may also break itself.
  std::vector<VeskGe::BulgePiece> pieces;
  std::vector<int> groups, owner, local;
  for (int ci = 0; ci < static_cast<int>(curves.size()); ++ci) {
    CurveRec& c = curves[ci];
    c.firstPiece = static_cast<int>(pieces.size());
    c.numPieces = c.verts.length() - 1;
    for (int k = 0; k < c.numPieces; ++k) {
      pieces.push_back(pieceOf(c, k));
      groups.push_back(m_bSelfBreak ? -1 : ci);
      owner.push_back(ci);
      local.push_back(k);
    }
  }
  std::vector<Contact> contacts;
  if (FindContacts(pieces, groups, tol, contacts, m_progress) < 0) return 0;
  for (const Contact& c : contacts) {
    const int ca = owner[c.a], cb = owner[c.b];
    if (ca == cb) {
      // Neighbouring pieces of one curve meet at their common vertex.
      const CurveRec& cr = curves[ca];
      const int ka = local[c.a], kb = local[c.b];
      const bool shared = (kb == ka + 1 && c.fa >= 1.0 - 1e-12 && c.fb <= 1e-12) ||
                          (cr.closed && ka == 0 && kb == cr.numPieces - 1 && c.fa <= 1e-12 && c.fb >= 1.0 - 1e-12);
      if (shared) continue;
    }
    curves[ca].cuts.emplace_back(local[c.a], c.fa);
    curves[cb].cuts.emplace_back(local[c.b], c.fb);
  }

  for (int i = 0; i < ids.length(); ++i) {
    const int ci = curveOf[i];
    if (ci < 0) {
      result.append(ids[i]);
      continue;
    }
    CurveRec& c = curves[ci];
    AcDbCurve* curve = nullptr;
    if (c.cuts.empty() || acdbOpenObject(curve, c.id, AcDb::kForRead) != Acad::eOk) {
      result.append(ids[i]);
      continue;
    }
    double sp = 0.0, ep = 0.0;
    curve->getStartParam(sp);
    curve->getEndParam(ep);
    const double pTol = 1e-9 * (1.0 + std::fabs(sp) + std::fabs(ep));
    std::vector<double> params;
    for (const auto& cut : c.cuts) {
      const VeskGe::BulgePiece piece = pieceOf(c, cut.first);
      const AcGePoint3d p3 = piece.pointAt(cut.second);
      const AcGePoint2d pt(p3.x, p3.y);
      // A cut at an end of an open curve changes nothing.
      if (!c.closed) {
        const AcGePoint3d& s = c.verts[0];
        const AcGePoint3d& e = c.verts[c.verts.length() - 1];
        if (std::hypot(pt.x - s.x, pt.y - s.y) <= eps || std::hypot(pt.x - e.x, pt.y - e.y) <= eps) continue;
      }
      double prm = 0.0;
      if (!paramAt(curve, c, cut.first, cut.second, pt, prm)) continue;
      if (!c.closed && (prm <= sp + pTol || prm >= ep - pTol)) continue;
      params.push_back(prm);
    }
    std::sort(params.begin(), params.end());
    params.erase(std::unique(params.begin(), params.end(), [&](double a, double b) { return b - a <= pTol; }),
                 params.end());
    // A closed curve cut at one place only is still one piece.
    if (params.empty() || (c.closed && params.size() == 1)) {
      curve->close();
      result.append(ids[i]);
      continue;
    }
    AcGeDoubleArray prmArray;
    for (double p : params) prmArray.append(p);
    AcDbVoidPtrArray parts;
    const Acad::ErrorStatus es = curve->getSplitCurves(prmArray, parts);
    // The pieces carry the curve's layer, colour, linetype and lineweight.
    for (int k = 0; k < parts.length(); ++k) static_cast<AcDbEntity*>(parts[k])->setPropertiesFrom(curve);
    const AcDbObjectId owner = curve->ownerId();
    curve->close();
    if (es != Acad::eOk || parts.length() == 0) {
      for (int k = 0; k < parts.length(); ++k) delete static_cast<AcDbEntity*>(parts[k]);
      result.append(ids[i]);
      continue;
    }
    for (int k = 0; k < parts.length(); ++k) {
      const AcDbObjectId pid = appendToOwner(owner, static_cast<AcDbEntity*>(parts[k]));
      if (!pid.isNull()) result.append(pid);
    }
    if (m_bEraseSource) {
      AcDbEntity* src = nullptr;
      if (acdbOpenObject(src, c.id, AcDb::kForWrite) == Acad::eOk) {
        src->erase();
        src->close();
      }
    }
  }
  return 1;
}

}  // namespace vesk
