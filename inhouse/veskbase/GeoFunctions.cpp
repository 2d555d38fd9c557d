// Planar geometry on points and vertex lists with bulges.
#include "veskbase/GeoFunctions.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "arx/ge/AcGeContext.h"
#include "arx/ge/BulgePiece.h"

namespace vesk {
namespace geo {

namespace {

double resolveTol(double tol) { return tol < 0.0 ? AcGeContext::gTol.equalPoint() : tol; }

bool finite(const AcGePoint3d& p) { return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z); }

AcGePoint2d xy(const AcGePoint3d& p) { return AcGePoint2d(p.x, p.y); }

bool bulgeCountFits(int vertices, const AcGeDoubleArray* bulges) {
  if (bulges == nullptr) return true;
  const int b = bulges->length();
  if (b != vertices && b != vertices - 1) return false;
  for (double v : *bulges)
    if (!std::isfinite(v)) return false;
  return true;
}

double bulgeAt(const AcGeDoubleArray* bulges, int i) {
  return (bulges == nullptr || i >= bulges->length()) ? 0.0 : (*bulges)[i];
}

// Signed double area of the triangle a, b, p: > 0 when p lies left of a -> b.
double cross(const AcGePoint2d& a, const AcGePoint2d& b, const AcGePoint2d& p) {
  return (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x);
}

// Crossings of the ray from p towards +X with one piece, by the half-open
// rule (an end counts when it lies strictly above p's height), so that ends
// shared by two pieces are counted once. An arc is cut at its highest and
// lowest points into parts along which the height only rises or only falls;
// each part is then crossed at most once, like a straight piece. The heights
// of the piece's own ends are the vertices' exact values.
int rayCrossings(const VeskGe::BulgePiece& piece, const AcGePoint2d& p) {
  const AcGePoint2d& a = piece.start2d();
  const AcGePoint2d& b = piece.end2d();
  AcGePoint3d c3;
  if (!piece.isArc() || !piece.center(c3)) {
    if ((a.y > p.y) == (b.y > p.y)) return 0;
    const double x = a.x + (p.y - a.y) * (b.x - a.x) / (b.y - a.y);
    return p.x < x ? 1 : 0;
  }
  constexpr double kHalfPi = 1.57079632679489661923;
  constexpr double kPi = 3.14159265358979323846;
  const double r = piece.radius();
  const double sweep = piece.includedAngle();
  const double t0 = std::atan2(a.y - c3.y, a.x - c3.x);
  const double lo = sweep > 0.0 ? t0 : t0 + sweep;
  const double hi = sweep > 0.0 ? t0 + sweep : t0;
  const double yLo = sweep > 0.0 ? a.y : b.y;
  const double yHi = sweep > 0.0 ? b.y : a.y;
  std::vector<double> cuts{lo};
  std::vector<double> heights{yLo};
  for (double t = kHalfPi + std::ceil((lo - kHalfPi) / kPi) * kPi; t < hi; t += kPi) {
    if (t <= lo) continue;
    cuts.push_back(t);
    heights.push_back(c3.y + r * std::sin(t));
  }
  cuts.push_back(hi);
  heights.push_back(yHi);
  int count = 0;
  const double dy = p.y - c3.y;
  const double half = std::sqrt(std::max(0.0, r * r - dy * dy));
  for (std::size_t i = 0; i + 1 < cuts.size(); ++i) {
    if ((heights[i] > p.y) == (heights[i + 1] > p.y)) continue;
    const double side = std::cos((cuts[i] + cuts[i + 1]) / 2.0) >= 0.0 ? 1.0 : -1.0;
    if (p.x < c3.x + side * half) ++count;
  }
  return count;
}

}  // namespace

void Reverse(AcGeDoubleArray& bulges) {
  const int n = bulges.length();
  if (n == 0) return;
  AcGeDoubleArray r;
  r.setLogicalLength(n);
  for (int i = 0; i < n; ++i) {
    const double b = bulges[((n - 2 - i) % n + n) % n];
    r[i] = b == 0.0 ? 0.0 : -b;
  }
  bulges = r;
}

int Reverse(AcGePoint3dArray& vertices, AcGeDoubleArray& bulges) {
  const int n = vertices.length();
  const int b = bulges.length();
  if (b != n && !(n > 0 && b == n - 1)) return 0;
  vertices.reverse();
  if (b == n) {
    Reverse(bulges);
  } else {
    bulges.reverse();
    for (double& x : bulges) x = x == 0.0 ? 0.0 : -x;
  }
  return 1;
}

int GetMidPt(const AcGePoint3d& p, const AcGePoint3d& q, double bulge, AcGePoint3d& mid) {
  if (!finite(p) || !finite(q) || !std::isfinite(bulge)) return 0;
  try {
    const VeskGe::BulgePiece piece(xy(p), xy(q), bulge, 0.0);
    const AcGePoint3d m = piece.isArc() ? piece.midPoint() : AcGePoint3d((p.x + q.x) / 2.0, (p.y + q.y) / 2.0, 0.0);
    mid.set(m.x, m.y, (p.z + q.z) / 2.0);
    return 1;
  } catch (Acad::ErrorStatus) {
    return 0;
  }
}

void GetMidPt(const AcGePoint3d& a, const AcGePoint3d& b, AcGePoint3d& mid) {
  mid.set((a.x + b.x) / 2.0, (a.y + b.y) / 2.0, (a.z + b.z) / 2.0);
}

int IsPtInArea(const AcGePoint3d& pt, const AcGePoint3dArray& vertices, const AcGeDoubleArray* bulges, double tol) {
  const int n = vertices.length();
  if (n < 2 || !bulgeCountFits(n, bulges) || !finite(pt)) return 0;
  for (const AcGePoint3d& v : vertices)
    if (!finite(v)) return 0;
  tol = resolveTol(tol);

  // The pieces of the closed outline, empty ones left out.
  std::vector<VeskGe::BulgePiece> pieces;
  pieces.reserve(n);
  for (int i = 0; i < n; ++i) {
    const AcGePoint2d a = xy(vertices[i]);
    const AcGePoint2d b = xy(vertices[(i + 1) % n]);
    if (a.distanceTo(b) <= 1e-12) continue;
    pieces.emplace_back(a, b, bulgeAt(bulges, i), 0.0);
  }
  if (pieces.size() < 2) return 0;  // fewer than 2 distinct vertices

  const AcGePoint2d p = xy(pt);
  const AcGePoint3d p3(p.x, p.y, 0.0);
  for (const VeskGe::BulgePiece& piece : pieces)
    if (piece.distanceTo(p3) <= tol) return 2;

  int crossings = 0;
  for (const VeskGe::BulgePiece& piece : pieces) crossings += rayCrossings(piece, p);
  return (crossings % 2) == 1 ? 3 : 1;
}

int G3PtCmp(const AcGePoint3d& a, const AcGePoint3d& b, double tol) {
  return a.distanceTo(b) <= resolveTol(tol) ? 1 : 0;
}

int IsOnLineSide(const AcGePoint3d& a, const AcGePoint3d& b, const AcGePoint3d& p, double tol) {
  const AcGePoint2d a2 = xy(a), b2 = xy(b), p2 = xy(p);
  const double len = a2.distanceTo(b2);
  if (!(len > 0.0)) return 0;
  const double dist = cross(a2, b2, p2) / len;
  if (!std::isfinite(dist) || std::fabs(dist) <= resolveTol(tol)) return 0;
  return dist > 0.0 ? 1 : -1;
}

int GetClosestPt(const AcGePoint3d& pt, const AcGePoint3dArray& vertices, const AcGeDoubleArray* bulges,
                 AcGePoint3d& closest, int* piece, double* dist) {
  const int n = vertices.length();
  if (n == 0 || !bulgeCountFits(n, bulges) || !finite(pt)) return 0;
  const AcGePoint3d p(pt.x, pt.y, 0.0);
  if (n == 1) {
    closest.set(vertices[0].x, vertices[0].y, 0.0);
    if (piece != nullptr) *piece = 0;
    if (dist != nullptr) *dist = closest.distanceTo(p);
    return 1;
  }
  try {
    double best = -1.0;
    int bestPiece = 0;
    AcGePoint3d bestPoint;
    for (int i = 0; i + 1 < n; ++i) {
      const VeskGe::BulgePiece seg(xy(vertices[i]), xy(vertices[i + 1]), bulgeAt(bulges, i), 0.0);
      const AcGePoint3d c = seg.closestPointTo(p);
      const double d = c.distanceTo(p);
      if (best < 0.0 || d < best) {
        best = d;
        bestPiece = i;
        bestPoint = c;
      }
    }
    closest.set(bestPoint.x, bestPoint.y, 0.0);
    if (piece != nullptr) *piece = bestPiece;
    if (dist != nullptr) *dist = best;
    return 1;
  } catch (Acad::ErrorStatus) {
    return 0;
  }
}

}  // namespace geo
}  // namespace vesk
