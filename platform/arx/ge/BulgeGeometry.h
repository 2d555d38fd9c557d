#pragma once
// Internal geometry of one bulged piece, shared by BulgePiece and its
// intersection routines. Everything is expressed without the centre of the arc:
// a piece is its start point A, its unit tangent TA, the left normal G of TA and
// its signed curvature kappa, so that nearly straight arcs (huge radius, centre
// far away) keep full precision. A point P lies on the piece's circle when
//   F(P) = kappa |P - A|^2 - 2 G.(P - A) = 0,
// and for straight pieces (kappa = 0) this is the line through A.
#include <cmath>

#include "arx/ge/AcGePoint2d.h"
#include "arx/ge/AcGeVector2d.h"
#include "arx/ge/GeMath.h"

namespace VeskGe {
namespace detail {

// |bulge| below this is a straight piece.
constexpr double kStraightBulge = 1e-10;

inline double cross(const AcGeVector2d& a, const AcGeVector2d& b) { return a.x * b.y - a.y * b.x; }
inline double dot(const AcGeVector2d& a, const AcGeVector2d& b) { return a.x * b.x + a.y * b.y; }
// Plain square root: coordinates of drawings stay far from overflow, and hypot is slow.
inline double norm(const AcGeVector2d& a) { return std::sqrt(a.x * a.x + a.y * a.y); }

struct PieceFrame {
  AcGeVector2d A, B;      // end points, relative to the frame's origin
  double bulge = 0.0;
  double c = 0.0;         // chord length
  AcGeVector2d u, n;      // chord direction and its left normal (zero for a point)
  bool point = false;     // start == end exactly
  bool straight = true;   // a line (or a point)
  double sigma = 1.0;     // +1 counter-clockwise (and lines), -1 clockwise
  double cosH = 1.0;      // cos and sin of half the included angle
  double sinH = 0.0;
  double theta = 0.0;     // signed included angle
  double kappa = 0.0;     // signed curvature
  AcGeVector2d TA, TB;    // unit tangents at the ends, in the direction of travel
  AcGeVector2d G;         // left normal at A
  double len = 0.0;       // length of the piece
};

inline PieceFrame makeFrame(const AcGePoint2d& s, const AcGePoint2d& e, double bulge, const AcGePoint2d& origin) {
  PieceFrame f;
  f.A = s - origin;
  f.B = e - origin;
  f.bulge = bulge;
  const AcGeVector2d d = f.B - f.A;
  f.c = norm(d);
  if (!(f.c > 0.0)) {
    f.point = true;
    f.c = 0.0;
    f.bulge = 0.0;
    f.TA = f.TB = f.G = AcGeVector2d(0.0, 0.0);
    return f;
  }
  f.u = d / f.c;
  f.n = f.u.perpVector();
  if (std::fabs(bulge) < kStraightBulge) {
    f.straight = true;
    f.TA = f.TB = f.u;
    f.G = f.n;
    f.len = f.c;
    return f;
  }
  f.straight = false;
  f.sigma = bulge > 0.0 ? 1.0 : -1.0;
  const double b2 = bulge * bulge;
  const double den = 1.0 + b2;
  f.cosH = (1.0 - b2) / den;
  f.sinH = 2.0 * bulge / den;
  const double at = std::atan(bulge);
  f.theta = 4.0 * at;
  f.kappa = 2.0 * f.sinH / f.c;
  f.TA = f.u * f.cosH - f.n * f.sinH;
  f.TB = f.u * f.cosH + f.n * f.sinH;
  f.G = f.n * f.cosH + f.u * f.sinH;
  // Arc length = c * (θ/2) / sin(θ/2) = c * atan(b) (1 + b²) / b.
  f.len = f.c * (at / bulge) * den;
  return f;
}

// F(P) of the piece's circle (or line), evaluated relative to A.
inline double circleValue(const PieceFrame& f, const AcGeVector2d& P) {
  const AcGeVector2d w = P - f.A;
  return f.kappa * dot(w, w) - 2.0 * dot(f.G, w);
}

// Signed distance from P to the piece's full circle (or line); positive on the
// left of the direction of travel.
inline double signedDistance(const PieceFrame& f, const AcGeVector2d& P) {
  const AcGeVector2d w = P - f.A;
  const double F = f.kappa * dot(w, w) - 2.0 * dot(f.G, w);
  const AcGeVector2d q = w * f.kappa - f.G;
  return -F / (1.0 + norm(q));
}

// Unit normal at P pointing to the left of travel (towards the centre of a
// counter-clockwise arc); false at the centre.
inline bool leftNormalAt(const PieceFrame& f, const AcGeVector2d& P, AcGeVector2d& N) {
  const AcGeVector2d q = f.G - (P - f.A) * f.kappa;
  const double l = norm(q);
  if (!(l > 0.0)) return false;
  N = q / l;
  return true;
}

// Point of the circle (or line) at arc length s from A (any s).
inline AcGeVector2d pointAtLength(const PieceFrame& f, double s) {
  if (f.point) return f.A;
  if (f.straight) return f.A + f.u * s;
  const double ks = f.kappa * s;
  const double along = s * sinc(ks);
  const double across = s * std::sin(0.5 * ks) * sinc(0.5 * ks);
  return f.A + f.TA * along + f.G * across;
}

// Unit tangent at arc length s.
inline AcGeVector2d tangentAtLength(const PieceFrame& f, double s) {
  if (f.straight) return f.u;
  AcGeVector2d t = f.TA;
  return t.rotateBy(f.kappa * s);
}

// Signed arc length from A to a point X of the circle (or line), in (-πr, πr].
inline double lengthTo(const PieceFrame& f, const AcGeVector2d& X) {
  const AcGeVector2d w = X - f.A;
  if (f.straight) return dot(w, f.u);
  const double l = norm(w);
  if (!(l > 0.0)) return 0.0;
  // Tangent-chord angle: half the arc from A to X.
  const double side = std::fmax(0.0, f.sigma * cross(f.TA, w));
  const double psi = std::atan2(side, dot(f.TA, w));  // [0, π]
  const double ak = std::fabs(f.kappa);
  if (psi <= 0.25 * kPi) return l * asinc(0.5 * l * ak);
  if (psi >= 0.75 * kPi) return -l * asinc(0.5 * l * ak);
  double phi = 2.0 * psi;
  if (phi > kPi) phi -= kTwoPi;
  return phi / ak;
}

// Arc length from A to a point X of the piece, in [0, len] give or take
// rounding: past the half circle, lengthTo's negative answers wrap around.
inline double lengthOnPiece(const PieceFrame& f, const AcGeVector2d& X) {
  double s = lengthTo(f, X);
  if (s < 0.0 && !f.straight) {
    const double alt = s + kTwoPi / std::fabs(f.kappa);
    if (alt - f.len < -s) s = alt;
  }
  return s;
}

// Whether the radial projection of P falls within the piece (the sector of the
// arc, or the strip of a straight piece).
inline bool inSector(const PieceFrame& f, const AcGeVector2d& P) {
  if (f.straight) {
    const double t = dot(P - f.A, f.u);
    return t >= 0.0 && t <= f.c;
  }
  const bool fa = dot(f.TA, P - f.A) >= 0.0;
  const bool fb = dot(f.TB, P - f.B) <= 0.0;
  return std::fabs(f.bulge) <= 1.0 ? (fa && fb) : (fa || fb);
}

// Closest point of the piece to P, with its arc length from A.
inline AcGeVector2d closestOnPiece(const PieceFrame& f, const AcGeVector2d& P, double& s) {
  if (f.point) {
    s = 0.0;
    return f.A;
  }
  if (f.straight) {
    const double t = dot(P - f.A, f.u);
    if (t <= 0.0) {
      s = 0.0;
      return f.A;
    }
    if (t >= f.c) {
      s = f.len;
      return f.B;
    }
    s = t;
    return f.A + f.u * t;
  }
  AcGeVector2d N;
  if (inSector(f, P) && leftNormalAt(f, P, N)) {
    const AcGeVector2d X = P - N * signedDistance(f, P);
    s = lengthOnPiece(f, X);
    if (s <= 0.0) {
      s = 0.0;
      return f.A;
    }
    if (s >= f.len) {
      s = f.len;
      return f.B;
    }
    return X;
  }
  const AcGeVector2d da = P - f.A, db = P - f.B;
  if (dot(da, da) <= dot(db, db)) {
    s = 0.0;
    return f.A;
  }
  s = f.len;
  return f.B;
}

inline double distanceToPiece(const PieceFrame& f, const AcGeVector2d& P) {
  double s;
  return norm(P - closestOnPiece(f, P, s));
}

}  // namespace detail
}  // namespace VeskGe
