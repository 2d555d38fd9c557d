#pragma once
// Internal helpers of the arc classes: an arc given by radius, start angle and
// sweep (counter-clockwise, in a frame centred on the arc) as bulged pieces of at
// most a half circle each, and the common points of two sets of pieces.
#include <cmath>

#include "arx/ge/AcGePoint2d.h"
#include "arx/ge/BulgePiece.h"

namespace VeskGe {
namespace detail {

inline int arcToPieces(double radius, double startAng, double sweep, double bulgeSign, BulgePiece out[2]) {
  auto at = [&](double a) { return AcGePoint2d(radius * std::cos(a), radius * std::sin(a)); };
  if (sweep <= 3.14159265358979323846) {
    out[0] = BulgePiece(at(startAng), at(startAng + sweep), bulgeSign * std::tan(0.25 * sweep));
    return 1;
  }
  const double half = 0.5 * sweep;
  const double b = bulgeSign * std::tan(0.25 * half);
  const AcGePoint2d mid = at(startAng + half);
  out[0] = BulgePiece(at(startAng), mid, b);
  out[1] = BulgePiece(mid, at(startAng + sweep), b);
  return 2;
}

// Isolated common points of two piece chains (shared stretches give none),
// merged within the tolerance; at most two are kept.
inline int commonPoints(const BulgePiece* a, int na, const BulgePiece* b, int nb, const AcGeTol& tol,
                        AcGePoint2d out[2]) {
  const double eps = tol.equalPoint();
  AcGePoint2d pts[16];
  int np = 0;
  BulgePiece overlaps[8];
  int no = 0;
  for (int i = 0; i < na; ++i)
    for (int j = 0; j < nb; ++j) {
      const PieceIntersection r = a[i].intersectWith(b[j], tol);
      for (int k = 0; k < r.numOverlaps && no < 8; ++k) overlaps[no++] = r.overlaps[k];
      for (int k = 0; k < r.numPoints && np < 16; ++k) pts[np++] = AcGePoint2d(r.points[k].x, r.points[k].y);
    }
  int n = 0;
  for (int i = 0; i < np; ++i) {
    bool skip = false;
    for (int k = 0; k < no && !skip; ++k) skip = overlaps[k].isOn(AcGePoint3d(pts[i].x, pts[i].y, 0.0), tol);
    for (int k = 0; k < n && !skip; ++k) skip = out[k].distanceTo(pts[i]) <= eps;
    if (skip) continue;
    if (n == 2) break;
    out[n++] = pts[i];
  }
  return n;
}

}  // namespace detail
}  // namespace VeskGe
