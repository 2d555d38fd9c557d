#include "arx/entities/VhostLoopGeometry.h"

#include <algorithm>
#include <cmath>
#include <cwchar>

#include "arx/db/AcDbCurve.h"
#include "arx/db/AcDbEntity.h"
#include "arx/ge/AcGeMatrix3d.h"
#include "arx/ge/GeMath.h"

namespace vhost {
namespace annot {

using VeskGe::BulgePiece;

bool isKindOfNamed(const AcRxObject* obj, const wchar_t* className) {
  if (obj == nullptr) return false;
  for (AcRxClass* c = obj->isA(); c != nullptr; c = c->myParent())
    if (std::wcscmp(c->name(), className) == 0) return true;
  return false;
}

namespace {

AcGePoint2d flat(const AcGeMatrix3d& toPlane, const AcGePoint3d& p) {
  const AcGePoint3d q = toPlane * p;
  return AcGePoint2d(q.x, q.y);
}

void addPiece(Pieces& out, const AcGePoint2d& a, const AcGePoint2d& b, double bulge = 0.0) {
  if (a.isEqualTo(b, AcGeTol(0.0, 0.0))) return;
  out.emplace_back(a, b, bulge);
}

// A piece through three points (straight when they are in a line).
void addThreePointPiece(Pieces& out, const AcGePoint2d& a, const AcGePoint2d& m, const AcGePoint2d& b) {
  double bulge = 0.0;
  if (BulgePiece::bulgeFromThreePoints(a, m, b, bulge) != Acad::eOk) bulge = 0.0;
  addPiece(out, a, b, bulge);
}

Acad::ErrorStatus sampleCurve(const AcDbCurve* c, const AcGeMatrix3d& toPlane, Pieces& out) {
  double s = 0.0, e = 0.0;
  Acad::ErrorStatus es = c->getStartParam(s);
  if (es == Acad::eOk) es = c->getEndParam(e);
  if (es != Acad::eOk) return es;
  constexpr int kSteps = 256;
  AcGePoint3d prev;
  if ((es = c->getPointAtParam(s, prev)) != Acad::eOk) return es;
  for (int i = 1; i <= kSteps; ++i) {
    AcGePoint3d p;
    if ((es = c->getPointAtParam(s + (e - s) * i / kSteps, p)) != Acad::eOk) return es;
    addPiece(out, flat(toPlane, prev), flat(toPlane, p));
    prev = p;
  }
  return Acad::eOk;
}

}  // namespace

Acad::ErrorStatus curvePieces(const AcDbEntity* entity, const AcGeMatrix3d& toPlane, Pieces& out, bool* exact) {
  const AcDbCurve* c = AcDbCurve::cast(entity);
  if (c == nullptr) return Acad::eNotThatKindOfClass;
  Acad::ErrorStatus es = Acad::eOk;
  if (isKindOfNamed(c, L"AcDbLine")) {
    AcGePoint3d a, b;
    if ((es = c->getStartPoint(a)) != Acad::eOk || (es = c->getEndPoint(b)) != Acad::eOk) return es;
    addPiece(out, flat(toPlane, a), flat(toPlane, b));
    return Acad::eOk;
  }
  const bool arc = isKindOfNamed(c, L"AcDbArc");
  const bool circle = isKindOfNamed(c, L"AcDbCircle");
  if (arc || circle) {
    double s = 0.0, e = 0.0;
    if ((es = c->getStartParam(s)) != Acad::eOk || (es = c->getEndParam(e)) != Acad::eOk) return es;
    const int parts = arc ? 2 : 4;
    AcGePoint2d p[5];
    for (int i = 0; i <= parts; ++i) {
      AcGePoint3d q;
      if ((es = c->getPointAtParam(s + (e - s) * i / parts, q)) != Acad::eOk) return es;
      p[i] = flat(toPlane, q);
    }
    if (arc) {
      addThreePointPiece(out, p[0], p[1], p[2]);
    } else {
      addThreePointPiece(out, p[0], p[1], p[2]);
      addThreePointPiece(out, p[2], p[3], p[0]);
    }
    return Acad::eOk;
  }
  if (isKindOfNamed(c, L"AcDbPolyline") || isKindOfNamed(c, L"AcDb2dPolyline") ||
      isKindOfNamed(c, L"AcDb3dPolyline")) {
    AcDbVoidPtrArray parts;
    if (c->explode(parts) == Acad::eOk) {
      Acad::ErrorStatus first = Acad::eOk;
      for (void* raw : parts) {
        auto* part = static_cast<AcDbEntity*>(raw);
        Acad::ErrorStatus one = curvePieces(part, toPlane, out, exact);
        if (one != Acad::eOk && first == Acad::eOk) first = one;
        delete part;
      }
      return first;
    }
  }
  if (exact) *exact = false;
  return sampleCurve(c, toPlane, out);
}

double joinTolerance(const Pieces& pieces) {
  double size = 0.0;
  for (const BulgePiece& p : pieces) {
    size = std::fmax(size, std::fmax(std::fabs(p.start2d().x), std::fabs(p.start2d().y)));
    size = std::fmax(size, std::fmax(std::fabs(p.end2d().x), std::fabs(p.end2d().y)));
  }
  return 1e-9 + 1e-10 * size;
}

namespace {
bool meets(const AcGePoint2d& a, const AcGePoint2d& b, double tol) { return a.distanceTo(b) <= tol; }
}  // namespace

bool chainSingleLoop(const Pieces& pieces, double tol, Pieces& loop) {
  loop.clear();
  if (pieces.empty()) return false;
  std::vector<bool> used(pieces.size(), false);
  used[0] = true;
  loop.push_back(pieces[0]);
  for (size_t step = 1; step < pieces.size(); ++step) {
    const AcGePoint2d cur = loop.back().end2d();
    bool found = false;
    for (size_t j = 0; j < pieces.size() && !found; ++j) {
      if (used[j]) continue;
      if (meets(pieces[j].start2d(), cur, tol)) {
        loop.push_back(pieces[j]);
      } else if (meets(pieces[j].end2d(), cur, tol)) {
        loop.push_back(pieces[j].reversed());
      } else {
        continue;
      }
      used[j] = true;
      found = true;
    }
    if (!found) return false;
  }
  if (!meets(loop.back().end2d(), loop.front().start2d(), tol)) return false;
  // Make the joints exact: each piece starts where the previous one ends.
  for (size_t i = 1; i < loop.size(); ++i)
    loop[i].set(loop[i - 1].end2d(), loop[i].end2d(), loop[i].bulge(), loop[i].elevation());
  loop.back().set(loop.back().start2d(), loop.front().start2d(), loop.back().bulge(), loop.back().elevation());
  return true;
}

void chainLoops(const Pieces& pieces, double tol, std::vector<Pieces>& loops, Pieces& leftovers) {
  std::vector<bool> used(pieces.size(), false);
  for (size_t seed = 0; seed < pieces.size(); ++seed) {
    if (used[seed]) continue;
    used[seed] = true;
    Pieces path{pieces[seed]};
    while (!path.empty()) {
      const AcGePoint2d cur = path.back().end2d();
      // Back at a point the walk passed: the stretch since then is a loop.
      long long closedAt = -1;
      for (size_t k = 0; k < path.size(); ++k) {
        if (meets(path[k].start2d(), cur, tol)) {
          closedAt = static_cast<long long>(k);
          break;
        }
      }
      if (closedAt >= 0) {
        Pieces loop(path.begin() + closedAt, path.end());
        for (size_t i = 1; i < loop.size(); ++i)
          loop[i].set(loop[i - 1].end2d(), loop[i].end2d(), loop[i].bulge(), loop[i].elevation());
        loop.back().set(loop.back().start2d(), loop.front().start2d(), loop.back().bulge(), loop.back().elevation());
        loops.push_back(loop);
        path.erase(path.begin() + closedAt, path.end());
        continue;
      }
      bool found = false;
      for (size_t j = 0; j < pieces.size() && !found; ++j) {
        if (used[j]) continue;
        if (meets(pieces[j].start2d(), cur, tol)) {
          path.push_back(pieces[j]);
        } else if (meets(pieces[j].end2d(), cur, tol)) {
          path.push_back(pieces[j].reversed());
        } else {
          continue;
        }
        used[j] = true;
        found = true;
      }
      if (!found) {
        leftovers.insert(leftovers.end(), path.begin(), path.end());
        path.clear();
      }
    }
  }
}

Pieces outlinePieces(const AcGePoint2dArray& vertices, const AcGeDoubleArray& bulges) {
  Pieces out;
  const int n = vertices.length();
  for (int i = 0; i < n; ++i) {
    const AcGePoint2d& a = vertices[i];
    const AcGePoint2d& b = vertices[(i + 1) % n];
    const double bulge = i < bulges.length() ? bulges[i] : 0.0;
    addPiece(out, a, b, bulge);
  }
  return out;
}

void piecesToOutline(const Pieces& pieces, AcGePoint2dArray& vertices, AcGeDoubleArray& bulges) {
  vertices.removeAll();
  bulges.removeAll();
  for (const BulgePiece& p : pieces) {
    vertices.append(p.start2d());
    bulges.append(p.bulge());
  }
}

namespace {

double dot(const AcGeVector2d& a, const AcGeVector2d& b) { return a.x * b.x + a.y * b.y; }

// Position of an angle along an arc from its start angle, in the arc's own sense.
double along(double angle, double a0, double sense) { return VeskGe::normalizeAngle(sense * (angle - a0)); }

}  // namespace

void lineCrossings(const Pieces& loop, const AcGePoint2d& p, const AcGeVector2d& d, const AcGeVector2d& n,
                   std::vector<double>& ts) {
  for (const BulgePiece& piece : loop) {
    const AcGePoint2d A = piece.start2d();
    const AcGePoint2d B = piece.end2d();
    if (!piece.isArc()) {
      const double sa = dot(A - p, n), sb = dot(B - p, n);
      if ((sa > 0.0) != (sb > 0.0)) {
        const AcGePoint2d X = A + (B - A) * (sa / (sa - sb));
        ts.push_back(dot(X - p, d));
      }
      continue;
    }
    AcGePoint3d c3;
    piece.center(c3);
    const AcGePoint2d C(c3.x, c3.y);
    const double r = piece.radius();
    const double sweep = piece.includedAngle();
    const double sense = sweep > 0.0 ? 1.0 : -1.0;
    const double a0 = std::atan2(A.y - C.y, A.x - C.x);
    const double total = std::fabs(sweep);
    // Split where the arc turns back across the line's direction.
    const double psi = std::atan2(n.y, n.x);
    std::vector<double> cuts{0.0};
    for (double ex : {psi, psi + VeskGe::kPi}) {
      const double u = along(ex, a0, sense);
      if (u > 1e-12 && u < total - 1e-12) cuts.push_back(u);
    }
    std::sort(cuts.begin(), cuts.end());
    cuts.push_back(total);
    auto pointAt = [&](size_t idx) -> AcGePoint2d {
      if (idx == 0) return A;
      if (idx + 1 == cuts.size()) return B;
      const double ang = a0 + sense * cuts[idx];
      return AcGePoint2d(C.x + r * std::cos(ang), C.y + r * std::sin(ang));
    };
    for (size_t k = 0; k + 1 < cuts.size(); ++k) {
      const AcGePoint2d P0 = pointAt(k), P1 = pointAt(k + 1);
      const double s0 = dot(P0 - p, n), s1 = dot(P1 - p, n);
      if ((s0 > 0.0) == (s1 > 0.0)) continue;
      // On this stretch the arc crosses the line exactly once.
      double kc = dot(p - C, n) / r;
      kc = std::fmax(-1.0, std::fmin(1.0, kc));
      const double h = std::acos(kc);
      double best = 0.0, bestMiss = 1e300;
      for (double phi : {psi + h, psi - h}) {
        const double u = along(phi, a0, sense);
        const double miss = u < cuts[k] ? cuts[k] - u : (u > cuts[k + 1] ? u - cuts[k + 1] : 0.0);
        if (miss < bestMiss) {
          bestMiss = miss;
          best = phi;
        }
      }
      const AcGePoint2d X(C.x + r * std::cos(best), C.y + r * std::sin(best));
      ts.push_back(dot(X - p, d));
    }
  }
}

bool pointInLoop(const Pieces& loop, const AcGePoint2d& pt) {
  std::vector<double> ts;
  lineCrossings(loop, pt, AcGeVector2d(1.0, 0.0), AcGeVector2d(0.0, 1.0), ts);
  int count = 0;
  for (double t : ts)
    if (t > 0.0) ++count;
  return (count % 2) == 1;
}

double loopArea(const Pieces& loop) {
  if (loop.empty()) return 0.0;
  const AcGePoint2d origin = loop.front().start2d();
  double area = 0.0;
  for (const BulgePiece& p : loop) area += p.signedArea(origin);
  return area;
}

double loopLength(const Pieces& loop) {
  double len = 0.0;
  for (const BulgePiece& p : loop) len += p.length();
  return len;
}

bool loopSelfIntersects(const Pieces& loop) {
  const size_t n = loop.size();
  if (n < 2) return false;
  std::vector<AcGePoint2d> lo(n), hi(n);
  for (size_t i = 0; i < n; ++i) loop[i].getExtents(lo[i], hi[i]);
  const double tol = joinTolerance(loop);
  const AcGeTol gt(tol, AcGeContext::gTol.equalVector());
  for (size_t i = 0; i < n; ++i) {
    for (size_t j = i + 1; j < n; ++j) {
      if (lo[i].x > hi[j].x + tol || lo[j].x > hi[i].x + tol || lo[i].y > hi[j].y + tol || lo[j].y > hi[i].y + tol)
        continue;
      const VeskGe::PieceIntersection r = loop[i].intersectWith(loop[j], gt);
      if (r.hasOverlap()) return true;
      const bool next = j == i + 1;
      const bool wrap = i == 0 && j == n - 1;
      for (int k = 0; k < r.numPoints; ++k) {
        const AcGePoint2d x(r.points[k].x, r.points[k].y);
        if (next && meets(x, loop[i].end2d(), tol)) continue;
        if (wrap && meets(x, loop[i].start2d(), tol)) continue;
        if (n == 2 && meets(x, loop[i].start2d(), tol)) continue;
        return true;
      }
    }
  }
  return false;
}

}  // namespace annot
}  // namespace vhost
