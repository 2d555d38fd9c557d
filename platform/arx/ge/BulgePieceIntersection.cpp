// Intersection of two bulged pieces.
//
// Both pieces are taken into a local frame at the first piece's start point.
// Crossings come from one quadratic along a line: the straight piece itself, or
// for two arcs their radical line, solved against the circle of larger
// curvature. Circles are written without their centres (see BulgeGeometry.h), so
// nearly straight arcs keep full precision. A contact where the two curves stay
// within the tolerance of each other is one point (tangency), end points within
// the tolerance of the other piece are contacts, and contacts within the
// tolerance of an end point become that end point.
#include <algorithm>
#include <cmath>

#include "arx/ge/BulgeGeometry.h"
#include "arx/ge/BulgePiece.h"
#include "arx/ge/GeMath.h"

namespace VeskGe {

using namespace detail;

namespace {

constexpr int kMaxCandidates = 16;

struct Candidate {
  AcGeVector2d p;
  int endA = -1;  // 0 or 1 when p is that end point of the first piece
  int endB = -1;  // likewise for the second piece
  int rank() const { return endA >= 0 ? 2 : (endB >= 0 ? 1 : 0); }
};

// End point codes: which input end point a computed point is.
enum EndCode { kNoEnd = -1, kStartA = 0, kEndA = 1, kStartB = 2, kEndB = 3 };

struct Overlap {
  AcGeVector2d from, to;
  int fromEnd, toEnd;  // EndCode of each end
  double bulge;
  double posOnA;  // where it starts along the first piece, for ordering
};

class Solver {
 public:
  Solver(const PieceFrame& a, const PieceFrame& b, double eps) : A(a), B(b), eps(eps) {}

  void run();

  const PieceFrame& A;
  const PieceFrame& B;
  const double eps;
  Candidate cand[kMaxCandidates];
  int numCand = 0;
  Overlap over[2];
  int numOver = 0;

 private:
  bool onBoth(const AcGeVector2d& p) const {
    return distanceToPiece(A, p) <= eps && distanceToPiece(B, p) <= eps;
  }
  void add(const AcGeVector2d& p, int endA = -1, int endB = -1) {
    if (numCand == kMaxCandidates) return;
    Candidate& c = cand[numCand++];
    c.p = p;
    c.endA = endA;
    c.endB = endB;
  }
  void addIfOnBoth(const AcGeVector2d& p) {
    if (onBoth(p)) add(p);
  }
  void lineLine();
  void lineArc(const PieceFrame& line, const PieceFrame& arc);
  void arcArc();
  bool coCircular();
  void overlapsAlong(const PieceFrame& ref, const PieceFrame& oth, bool refIsA);
  void addOverlap(const AcGeVector2d& from, int fromEnd, const AcGeVector2d& to, int toEnd, double bulge,
                  double posOnA);
};

// Roots of a line P0 + t m (m unit) with the circle of an arc:
//   kappa t² + 2 bh t + cq = 0.
struct Quadratic {
  double a, bh, cq, D;
  double gap;  // signed distance from the line's point nearest the centre to the circle
};

Quadratic lineWithCircle(const AcGeVector2d& P0, const AcGeVector2d& m, const PieceFrame& K) {
  Quadratic q;
  const AcGeVector2d w0 = P0 - K.A;
  q.a = K.kappa;
  q.bh = K.kappa * dot(w0, m) - dot(K.G, m);
  q.cq = K.kappa * dot(w0, w0) - 2.0 * dot(K.G, w0);
  q.D = q.bh * q.bh - q.a * q.cq;
  const AcGeVector2d v = w0 * K.kappa - m * q.bh - K.G;
  q.gap = (q.D / q.a) / (1.0 + norm(v));
  return q;
}

// The two roots of a quadratic with D > 0; the stable form keeps the root near
// P0 accurate when the curvature is tiny.
void roots(const Quadratic& q, double& t1, double& t2) {
  const double sq = std::sqrt(q.D);
  const double qq = -(q.bh + std::copysign(sq, q.bh));
  t1 = qq / q.a;
  t2 = q.cq / qq;
}

void Solver::lineLine() {
  const bool bOnA = std::fabs(cross(A.u, B.A - A.A)) <= eps && std::fabs(cross(A.u, B.B - A.A)) <= eps;
  const bool aOnB = std::fabs(cross(B.u, A.A - B.A)) <= eps && std::fabs(cross(B.u, A.B - B.A)) <= eps;
  if (bOnA || aOnB) {
    // Collinear: compare the ranges along the first piece.
    const double t0 = dot(B.A - A.A, A.u), t1 = dot(B.B - A.A, A.u);
    const bool same = t1 >= t0;
    const double bLo = same ? t0 : t1, bHi = same ? t1 : t0;
    const double lo = std::max(0.0, bLo), hi = std::min(A.c, bHi);
    if (hi - lo > eps) {
      const bool fromA = bLo <= eps, toA = bHi >= A.c - eps;
      addOverlap(fromA ? A.A : (same ? B.A : B.B), fromA ? kStartA : (same ? kStartB : kEndB),
                 toA ? A.B : (same ? B.B : B.A), toA ? kEndA : (same ? kEndB : kStartB), 0.0, lo);
    }
    return;  // touching ends are found as end point contacts
  }
  const double den = cross(A.u, B.u);
  if (den == 0.0) return;
  const double t = cross(B.A - A.A, B.u) / den;
  addIfOnBoth(A.A + A.u * t);
}

void Solver::lineArc(const PieceFrame& line, const PieceFrame& arc) {
  const Quadratic q = lineWithCircle(line.A, line.u, arc);
  if (std::fabs(q.gap) <= eps) {
    // Tangent: one contact, halfway between the line and the circle.
    const double tv = -q.bh / q.a;
    const AcGeVector2d pv = line.A + line.u * tv;
    AcGeVector2d n;
    if (leftNormalAt(arc, pv, n)) addIfOnBoth(pv - n * (0.5 * signedDistance(arc, pv)));
    return;
  }
  if (!(q.D > 0.0)) return;
  double t1, t2;
  roots(q, t1, t2);
  addIfOnBoth(line.A + line.u * t1);
  addIfOnBoth(line.A + line.u * t2);
}

void Solver::addOverlap(const AcGeVector2d& from, int fromEnd, const AcGeVector2d& to, int toEnd, double bulge,
                        double posOnA) {
  if (numOver == 2) return;
  over[numOver++] = Overlap{from, to, fromEnd, toEnd, bulge, posOnA};
}

// Shared parts of two arcs of one circle, measured along ref's circle.
void Solver::overlapsAlong(const PieceFrame& ref, const PieceFrame& oth, bool refIsA) {
  const bool same = ref.sigma == oth.sigma;
  const AcGeVector2d othFirst = same ? oth.A : oth.B;  // the other's end met first along ref
  const AcGeVector2d othLast = same ? oth.B : oth.A;
  const int refStart = refIsA ? kStartA : kStartB, refEnd = refIsA ? kEndA : kEndB;
  const int othStart = refIsA ? kStartB : kStartA, othEnd = refIsA ? kEndB : kEndA;
  const int othFirstCode = same ? othStart : othEnd, othLastCode = same ? othEnd : othStart;
  const double s0 = lengthTo(ref, othFirst);
  const double circ = kTwoPi / std::fabs(ref.kappa);
  for (int k = -1; k <= 1; ++k) {
    const double a = s0 + k * circ, b = a + oth.len;
    const double lo = std::max(0.0, a), hi = std::min(ref.len, b);
    if (!(hi - lo > eps)) continue;
    const bool fromRef = a <= eps, toRef = b >= ref.len - eps;
    const AcGeVector2d from = fromRef ? ref.A : othFirst;
    const AcGeVector2d to = toRef ? ref.B : othLast;
    const int fromCode = fromRef ? refStart : othFirstCode, toCode = toRef ? refEnd : othLastCode;
    const double bulge = std::tan(0.25 * ref.kappa * (hi - lo));
    if (refIsA) {
      addOverlap(from, fromCode, to, toCode, bulge, lo);
    } else {
      // Re-orient along the first piece.
      double sf = 0.0, st = 0.0;
      closestOnPiece(A, from, sf);
      closestOnPiece(A, to, st);
      if (same)
        addOverlap(from, fromCode, to, toCode, bulge, sf);
      else
        addOverlap(to, toCode, from, fromCode, -bulge, st);
    }
  }
}

bool Solver::coCircular() {
  auto onCircle = [&](const PieceFrame& f, const AcGeVector2d& p) { return std::fabs(signedDistance(f, p)) <= eps; };
  if (onCircle(A, B.A) && onCircle(A, B.B) && onCircle(A, pointAtLength(B, 0.5 * B.len))) {
    overlapsAlong(A, B, true);
    return true;
  }
  if (onCircle(B, A.A) && onCircle(B, A.B) && onCircle(B, pointAtLength(A, 0.5 * A.len))) {
    overlapsAlong(B, A, false);
    return true;
  }
  return false;
}

void Solver::arcArc() {
  if (coCircular()) return;
  // Each circle as kappa |P|² - 2 V.P + cc = 0 in the local frame.
  const AcGeVector2d VA = A.A * A.kappa + A.G, VB = B.A * B.kappa + B.G;
  const double ccA = A.kappa * dot(A.A, A.A) + 2.0 * dot(A.G, A.A);
  const double ccB = B.kappa * dot(B.A, B.A) + 2.0 * dot(B.G, B.A);
  // Radical line: kappaB * circleA - kappaA * circleB = 0, i.e. N.P = e / 2.
  const AcGeVector2d N = VA * B.kappa - VB * A.kappa;
  const double e = B.kappa * ccA - A.kappa * ccB;
  const double nl = norm(N);
  if (!(nl > 0.0)) return;  // concentric
  const AcGeVector2d nh = N / nl;
  const AcGeVector2d P0 = nh * (0.5 * e / nl);
  const AcGeVector2d m = nh.perpVector();
  const bool aTighter = std::fabs(A.kappa) >= std::fabs(B.kappa);
  const PieceFrame& K = aTighter ? A : B;
  const PieceFrame& O = aTighter ? B : A;
  const Quadratic q = lineWithCircle(P0, m, K);
  // Closest approach of the two circles: the point of K nearest the radical line.
  const AcGeVector2d pv = P0 + m * (-q.bh / q.a);
  AcGeVector2d nk, no;
  if (leftNormalAt(K, pv, nk)) {
    const AcGeVector2d x = pv - nk * signedDistance(K, pv);
    const double gap = signedDistance(O, x);
    if (std::fabs(gap) <= eps) {
      if (leftNormalAt(O, x, no)) addIfOnBoth(x - no * (0.5 * gap));
      return;
    }
  }
  if (!(q.D > 0.0)) return;
  double t1, t2;
  roots(q, t1, t2);
  addIfOnBoth(P0 + m * t1);
  addIfOnBoth(P0 + m * t2);
}

void Solver::run() {
  const bool aPoint = A.c <= eps, bPoint = B.c <= eps;
  if (!aPoint && !bPoint) {
    if (A.straight && B.straight)
      lineLine();
    else if (A.straight)
      lineArc(A, B);
    else if (B.straight)
      lineArc(B, A);
    else
      arcArc();
  }
  // End points touching the other piece.
  if (distanceToPiece(B, A.A) <= eps) add(A.A, 0, -1);
  if (distanceToPiece(B, A.B) <= eps) add(A.B, 1, -1);
  if (distanceToPiece(A, B.A) <= eps) add(B.A, -1, 0);
  if (distanceToPiece(A, B.B) <= eps) add(B.B, -1, 1);
}

}  // namespace

PieceIntersection BulgePiece::intersectWith(const BulgePiece& other, const AcGeTol& tol) const {
  PieceIntersection res;
  const double eps = tol.equalPoint();

  // Quick rejection on boxes that surely hold each piece: the chord's box grown
  // by the sagitta up to a half circle, the circle's box beyond.
  auto roughBox = [](const BulgePiece& p, double& x0, double& y0, double& x1, double& y1) {
    x0 = std::min(p.mStart.x, p.mEnd.x);
    x1 = std::max(p.mStart.x, p.mEnd.x);
    y0 = std::min(p.mStart.y, p.mEnd.y);
    y1 = std::max(p.mStart.y, p.mEnd.y);
    const double ab = std::fabs(p.mBulge);
    if (ab < kLineBulge) return;
    const double dx = p.mEnd.x - p.mStart.x, dy = p.mEnd.y - p.mStart.y;
    const double c = std::sqrt(dx * dx + dy * dy);
    const double grow = ab <= 1.0 ? 0.5 * ab * c : c * (1.0 + ab * ab) / (2.0 * ab);
    x0 -= grow;
    y0 -= grow;
    x1 += grow;
    y1 += grow;
  };
  double ax0, ay0, ax1, ay1, bx0, by0, bx1, by1;
  roughBox(*this, ax0, ay0, ax1, ay1);
  roughBox(other, bx0, by0, bx1, by1);
  if (ax0 > bx1 + eps || bx0 > ax1 + eps || ay0 > by1 + eps || by0 > ay1 + eps) return res;

  const AcGePoint2d origin = mStart;
  const PieceFrame fa = makeFrame(mStart, mEnd, mBulge, origin);
  const PieceFrame fb = makeFrame(other.mStart, other.mEnd, other.mBulge, origin);
  Solver s(fa, fb, eps);
  s.run();

  // Input end points are handed back exactly as given.
  auto world = [&](const AcGeVector2d& local, int code) {
    switch (code) {
      case kStartA: return mStart;
      case kEndA: return mEnd;
      case kStartB: return other.mStart;
      case kEndB: return other.mEnd;
      default: return AcGePoint2d(origin.x + local.x, origin.y + local.y);
    }
  };

  // Overlaps, in order along the first piece.
  if (s.numOver == 2 && s.over[1].posOnA < s.over[0].posOnA) std::swap(s.over[0], s.over[1]);
  PieceFrame overFrames[2];
  for (int i = 0; i < s.numOver; ++i) {
    const Overlap& o = s.over[i];
    res.overlaps[i] = BulgePiece(world(o.from, o.fromEnd), world(o.to, o.toEnd), o.bulge, mZ);
    overFrames[i] = makeFrame(AcGePoint2d(o.from.x, o.from.y), AcGePoint2d(o.to.x, o.to.y), o.bulge,
                              AcGePoint2d(0.0, 0.0));
  }
  res.numOverlaps = s.numOver;

  // Contacts: drop those inside an overlap, merge those of one contact region
  // (an end point is preferred as the region's point).
  Candidate kept[kMaxCandidates];
  int numKept = 0;
  for (int i = 0; i < s.numCand; ++i) {
    const Candidate& c = s.cand[i];
    bool inOverlap = false;
    for (int k = 0; k < s.numOver && !inOverlap; ++k) inOverlap = distanceToPiece(overFrames[k], c.p) <= eps;
    if (inOverlap) continue;
    bool merged = false;
    for (int k = 0; k < numKept && !merged; ++k) {
      Candidate& o = kept[k];
      bool same = norm(c.p - o.p) <= eps;
      if (!same) {
        // One contact when the pieces stay together between the two points.
        double s1 = 0.0, s2 = 0.0;
        closestOnPiece(fa, c.p, s1);
        closestOnPiece(fa, o.p, s2);
        same = distanceToPiece(fb, pointAtLength(fa, 0.5 * (s1 + s2))) <= eps;
      }
      if (!same) continue;
      merged = true;
      if (c.rank() > o.rank()) {
        const int endB = o.endB;
        o = c;
        if (o.endB < 0) o.endB = endB;
      } else if (o.endA >= 0 && o.endB < 0 && c.endB >= 0) {
        o.endB = c.endB;
      }
    }
    if (!merged) kept[numKept++] = c;
  }

  // Snap to end points, then fractions along both pieces.
  struct Out {
    AcGeVector2d p;
    int code;
    double fa, fb;
  } out[kMaxCandidates];
  for (int i = 0; i < numKept; ++i) {
    Candidate& c = kept[i];
    if (c.endA < 0) {
      if (norm(c.p - fa.A) <= eps)
        c.endA = 0;
      else if (norm(c.p - fa.B) <= eps)
        c.endA = 1;
      if (c.endA >= 0) c.p = c.endA == 0 ? fa.A : fa.B;
    }
    if (c.endB < 0) {
      if (norm(c.p - fb.A) <= eps)
        c.endB = 0;
      else if (norm(c.p - fb.B) <= eps)
        c.endB = 1;
      if (c.endA < 0 && c.endB >= 0) c.p = c.endB == 0 ? fb.A : fb.B;
    }
    double s1 = 0.0, s2 = 0.0;
    closestOnPiece(fa, c.p, s1);
    closestOnPiece(fb, c.p, s2);
    out[i].p = c.p;
    out[i].code = c.endA >= 0 ? (c.endA == 0 ? kStartA : kEndA) : (c.endB >= 0 ? (c.endB == 0 ? kStartB : kEndB) : kNoEnd);
    out[i].fa = c.endA >= 0 ? double(c.endA) : (fa.len > 0.0 ? std::clamp(s1 / fa.len, 0.0, 1.0) : 0.0);
    out[i].fb = c.endB >= 0 ? double(c.endB) : (fb.len > 0.0 ? std::clamp(s2 / fb.len, 0.0, 1.0) : 0.0);
  }
  std::sort(out, out + numKept, [](const Out& x, const Out& y) { return x.fa < y.fa; });
  // Two circles meet in two places at most; should rounding leave more, keep the outer ones.
  if (numKept > 2) {
    out[1] = out[numKept - 1];
    numKept = 2;
  }
  for (int i = 0; i < numKept; ++i) {
    const AcGePoint2d w = world(out[i].p, out[i].code);
    res.points[i].set(w.x, w.y, mZ);
    res.fractionsOnFirst[i] = out[i].fa;
    res.fractionsOnSecond[i] = out[i].fb;
  }
  res.numPoints = numKept;
  return res;
}

}  // namespace VeskGe
