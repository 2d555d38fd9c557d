#include "arx/entities/CurveIntersection.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "arx/entities/NurbsCurve.h"
#include "arx/ge/BulgePiece.h"
#include "arx/ge/GeMath.h"

namespace vhost {

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

inline double len(const AcGeVector3d& v) { return std::sqrt(v.lengthSqrd()); }
inline double dist(const AcGePoint3d& a, const AcGePoint3d& b) { return len(a - b); }

// One piece of a curve with the local range taking part (its domain, or the
// extended one) and the box of that range.
struct Range {
  const CurvePiece* pc = nullptr;
  double lo = 0.0, hi = 0.0;
  AcGePoint3d mn, mx;
  AcGePoint3d start, end;  // the piece's own end points
  bool point = false;      // a curve that is a single point
};

void prepare(const CurveGeometry& g, bool extend, std::vector<Range>& out) {
  out.clear();
  const bool single = g.pieces.size() == 1;
  for (const CurvePiece& pc : g.pieces) {
    const bool degenerate = pc.isDegenerate();
    if (degenerate && !single) continue;
    Range r;
    r.pc = &pc;
    r.lo = extend ? pc.extLo : pc.t0;
    r.hi = extend ? pc.extHi : pc.t1;
    r.point = degenerate;
    if (degenerate) r.lo = r.hi = pc.t0;
    pc.bounds(r.lo, r.hi, r.mn, r.mx);
    r.start = pc.pointAt(pc.t0);
    r.end = pc.pointAt(pc.t1);
    out.push_back(r);
  }
}

bool boxesOverlap(const AcGePoint3d& amn, const AcGePoint3d& amx, const AcGePoint3d& bmn, const AcGePoint3d& bmx,
                  double tol) {
  for (int k = 0; k < 3; ++k)
    if (amn[k] > bmx[k] + tol || bmn[k] > amx[k] + tol) return false;
  return true;
}

// Narrows the parameter range of a straight piece to the part inside a box.
bool clipLine(const CurvePiece& pc, double& lo, double& hi, const AcGePoint3d& mn, const AcGePoint3d& mx,
              double margin) {
  for (int k = 0; k < 3; ++k) {
    if (!std::isfinite(mn[k]) || !std::isfinite(mx[k])) continue;
    const double a = mn[k] - margin, b = mx[k] + margin;
    if (pc.u[k] == 0.0) {
      if (pc.origin[k] < a || pc.origin[k] > b) return false;
      continue;
    }
    double s1 = (a - pc.origin[k]) / pc.u[k], s2 = (b - pc.origin[k]) / pc.u[k];
    if (s1 > s2) std::swap(s1, s2);
    lo = std::max(lo, s1);
    hi = std::min(hi, s2);
  }
  return std::isfinite(lo) && std::isfinite(hi) && lo <= hi;
}

double boxSize(const AcGePoint3d& mn, const AcGePoint3d& mx) {
  double s = 0.0;
  for (int k = 0; k < 3; ++k)
    if (std::isfinite(mn[k]) && std::isfinite(mx[k])) s = std::max(s, mx[k] - mn[k]);
  return s;
}

class Collector {
 public:
  Collector(std::vector<CurveHit>& hits, double tol) : mHits(hits), mTol(tol) {}

  // Records a contact; a point within tol of a piece's own end becomes that end.
  void add(const Range& A, double tA, const Range& B, double tB, AcGePoint3d p, bool iterated = false) const {
    bool snapped = false;
    if (dist(A.start, p) <= mTol) {
      tA = A.pc->t0;
      p = A.start;
      snapped = true;
    } else if (dist(A.end, p) <= mTol) {
      tA = A.pc->t1;
      p = A.end;
      snapped = true;
    }
    if (dist(B.start, p) <= mTol) {
      tB = B.pc->t0;
      if (!snapped) p = B.start;
    } else if (dist(B.end, p) <= mTol) {
      tB = B.pc->t1;
      if (!snapped) p = B.end;
    }
    CurveHit h;
    h.point = p;
    h.paramA = A.pc->toEntity(tA);
    h.paramB = B.pc->toEntity(tB);
    h.iterated = iterated;
    mHits.push_back(h);
  }
  double tol() const { return mTol; }

 private:
  std::vector<CurveHit>& mHits;
  double mTol;
};

// Angle of a point about a circular piece, brought into [lo, lo + 2π).
double angleOn(const CurvePiece& c, const AcGePoint3d& p, double lo) {
  const AcGeVector3d w = p - c.origin;
  const double a = std::atan2(w.dotProduct(c.v), w.dotProduct(c.u));
  return lo + VeskGe::normalizeAngle(a - lo);
}

// Whether a point of a circle's plane near its circle lies on the range
// [lo, hi] of it; t receives its angle.
bool onArcRange(const Range& R, const AcGePoint3d& p, double tol, double& t) {
  const CurvePiece& c = *R.pc;
  const double r = c.radius();
  if (std::fabs(p.distanceTo(c.origin) - r) > tol) return false;
  t = angleOn(c, p, R.lo);
  if (t <= R.hi) return true;
  // Just before lo or just after hi.
  const double angTol = tol / std::max(r, 1e-300);
  if (t - R.hi <= angTol) {
    t = R.hi;
    return true;
  }
  if (R.lo + VeskGe::kTwoPi - t <= angTol) {
    t = R.lo;
    return true;
  }
  return false;
}

// --- straight / straight -----------------------------------------------------------------

void lineLine(const Range& A, const Range& B, const Collector& out) {
  const double tol = out.tol();
  const AcGeVector3d da = A.pc->u, db = B.pc->u;
  const AcGeVector3d w = B.pc->origin - A.pc->origin;
  const double la = len(da), lb = len(db);
  const AcGeVector3d n = da.crossProduct(db);
  const double nn = len(n);
  const double tolA = tol / la, tolB = tol / lb;
  if (nn > 1e-12 * la * lb) {
    if (std::fabs(w.dotProduct(n)) / nn > tol) return;
    const double n2 = nn * nn;
    double s = w.crossProduct(db).dotProduct(n) / n2;
    double t = w.crossProduct(da).dotProduct(n) / n2;
    if (s < A.lo - tolA || s > A.hi + tolA || t < B.lo - tolB || t > B.hi + tolB) return;
    s = std::min(std::max(s, A.lo), A.hi);
    t = std::min(std::max(t, B.lo), B.hi);
    out.add(A, s, B, t, A.pc->pointAt(s));
    return;
  }
  // Parallel: only collinear pieces meet, along a common stretch.
  if (len(w.crossProduct(da)) / la > tol) return;
  const double la2 = la * la;
  const bool same = da.dotProduct(db) > 0.0;
  auto mapB = [&](double tb) {
    if (!std::isfinite(tb)) return (tb > 0) == same ? kInf : -kInf;
    return (B.pc->pointAt(tb) - A.pc->origin).dotProduct(da) / la2;
  };
  const double b0 = mapB(B.lo), b1 = mapB(B.hi);
  const double lo = std::max(A.lo, std::min(b0, b1));
  const double hi = std::min(A.hi, std::max(b0, b1));
  if (!std::isfinite(lo) || !std::isfinite(hi) || lo > hi + tolA) return;
  auto onB = [&](double s) {
    const double t = (A.pc->pointAt(s) - B.pc->origin).dotProduct(db) / (lb * lb);
    return std::min(std::max(t, B.lo), B.hi);
  };
  if (hi - lo <= tolA) {
    const double s = 0.5 * (lo + hi);
    out.add(A, s, B, onB(s), A.pc->pointAt(s));
    return;
  }
  out.add(A, lo, B, onB(lo), A.pc->pointAt(lo));
  out.add(A, hi, B, onB(hi), A.pc->pointAt(hi));
}

// --- coplanar pieces with a circle, through BulgePiece --------------------------------------

struct Frame {
  AcGePoint3d o;
  AcGeVector3d x, y, n;
  AcGePoint2d to2d(const AcGePoint3d& p) const {
    const AcGeVector3d w = p - o;
    return AcGePoint2d(w.dotProduct(x), w.dotProduct(y));
  }
};

struct Sub {
  VeskGe::BulgePiece bp;
  double lo, hi;
  double paramAt(double f) const { return lo + f * (hi - lo); }
};

// A piece as one or two planar bulged pieces (a full circle needs two).
struct Subs {
  Sub s[2];
  int n = 0;
  const Sub* begin() const { return s; }
  const Sub* end() const { return s + n; }
  void push_back(const Sub& sub) { s[n++] = sub; }
};

void toSubs(const Range& R, const Frame& f, Subs& subs) {
  const CurvePiece& pc = *R.pc;
  if (pc.kind == CurvePiece::kLine) {
    subs.push_back({VeskGe::BulgePiece(f.to2d(pc.pointAt(R.lo)), f.to2d(pc.pointAt(R.hi)), 0.0), R.lo, R.hi});
    return;
  }
  const double sigma = pc.conicNormal().dotProduct(f.n) >= 0.0 ? 1.0 : -1.0;
  const double span = R.hi - R.lo;
  // Bulges stay moderate up to three quarters of a turn; fuller arcs are halved.
  const int k = span > 1.5 * VeskGe::kPi ? 2 : 1;
  for (int i = 0; i < k; ++i) {
    const double a = R.lo + span * i / k;
    const double b = i + 1 == k ? R.hi : R.lo + span * (i + 1) / k;
    const double bulge = sigma * std::tan((b - a) / 4.0);
    subs.push_back({VeskGe::BulgePiece(f.to2d(pc.pointAt(a)), f.to2d(pc.pointAt(b)), bulge), a, b});
  }
}

void coplanarPair(const Range& A, const Range& B, const Frame& f, const Collector& out) {
  Subs sa, sb;
  toSubs(A, f, sa);
  toSubs(B, f, sb);
  const AcGeTol tol(out.tol(), AcGeContext::gTol.equalVector());
  for (const Sub& a : sa) {
    for (const Sub& b : sb) {
      const VeskGe::PieceIntersection r = a.bp.intersectWith(b.bp, tol);
      for (int i = 0; i < r.numPoints; ++i) {
        const double tA = a.paramAt(r.fractionsOnFirst[i]);
        const double tB = b.paramAt(r.fractionsOnSecond[i]);
        out.add(A, tA, B, tB, A.pc->pointAt(tA));
      }
      for (int i = 0; i < r.numOverlaps; ++i) {
        const VeskGe::BulgePiece& ov = r.overlaps[i];
        for (const AcGePoint3d& q : {ov.startPoint(), ov.endPoint()}) {
          const double tA = a.paramAt(a.bp.fractionOf(q));
          const double tB = b.paramAt(b.bp.fractionOf(q));
          out.add(A, tA, B, tB, A.pc->pointAt(tA));
        }
      }
    }
  }
}

// --- circle / line and circle / circle in different planes ---------------------------------

void circleLineCrossing(const Range& C, const Range& L, bool circleFirst, const Collector& out) {
  const CurvePiece& c = *C.pc;
  const CurvePiece& l = *L.pc;
  const AcGeVector3d n = c.conicNormal();
  const double den = l.u.dotProduct(n);
  if (std::fabs(den) <= 1e-14 * l.u.length()) return;
  const double s = (c.origin - l.origin).dotProduct(n) / den;
  const double tolL = out.tol() / l.u.length();
  if (s < L.lo - tolL || s > L.hi + tolL) return;
  const double sc = std::min(std::max(s, L.lo), L.hi);
  const AcGePoint3d p = l.pointAt(sc);
  double t;
  if (!onArcRange(C, p, out.tol(), t)) return;
  if (circleFirst)
    out.add(C, t, L, sc, p);
  else
    out.add(L, sc, C, t, p);
}

void circleCircleCrossing(const Range& A, const Range& B, const Collector& out) {
  const double tol = out.tol();
  const CurvePiece& a = *A.pc;
  const CurvePiece& b = *B.pc;
  const AcGeVector3d n1 = a.conicNormal(), n2 = b.conicNormal();
  AcGeVector3d L = n1.crossProduct(n2);
  const double l2 = L.lengthSqrd();
  if (l2 <= 1e-24) return;  // parallel planes, not the same plane
  // A point of both planes, relative to a's centre: n1·x = 0, n2·x = d2.
  const double d2 = n2.dotProduct(b.origin - a.origin);
  const double c12 = n1.dotProduct(n2);
  const double det = 1.0 - c12 * c12;
  const AcGeVector3d p0 = (n1 * (-d2 * c12) + n2 * d2) / det;
  L /= std::sqrt(l2);
  const AcGeVector3d foot = p0 - L * p0.dotProduct(L);
  const double d = foot.length(), r = a.radius();
  if (d > r + tol) return;
  const double h = std::sqrt(std::max(0.0, r * r - d * d));
  std::vector<AcGePoint3d> cands;
  if (h <= tol)
    cands.push_back(a.origin + foot);
  else {
    cands.push_back(a.origin + foot - L * h);
    cands.push_back(a.origin + foot + L * h);
  }
  for (const AcGePoint3d& p : cands) {
    double ta, tb;
    if (onArcRange(A, p, tol, ta) && onArcRange(B, p, tol, tb)) out.add(A, ta, B, tb, p);
  }
}

// --- anything else: subdivision and Newton on the distance ---------------------------------

struct Cell {
  double lo, hi;
  AcGePoint3d mn, mx;
};

std::vector<Cell> cells(const Range& R, double tol) {
  const CurvePiece& pc = *R.pc;
  std::vector<double> br;
  if (pc.kind == CurvePiece::kLine) {
    br = {R.lo, R.hi};
  } else if (pc.kind == CurvePiece::kConic) {
    const int n = std::max(1, static_cast<int>(std::ceil((R.hi - R.lo) / (VeskGe::kPi / 16.0))));
    for (int i = 0; i <= n; ++i) br.push_back(i == n ? R.hi : R.lo + (R.hi - R.lo) * i / n);
  } else if (pc.kind == CurvePiece::kNurbs) {
    std::vector<double> k = pc.nurbs->breakpoints();
    std::vector<double> spans{R.lo};
    for (double v : k)
      if (v > R.lo && v < R.hi) spans.push_back(v);
    spans.push_back(R.hi);
    const int split = 2 * std::max(2, pc.nurbs->degree());
    for (size_t i = 0; i + 1 < spans.size(); ++i)
      for (int j = 0; j < split; ++j) br.push_back(spans[i] + (spans[i + 1] - spans[i]) * j / split);
    br.push_back(R.hi);
  } else {
    for (int i = 0; i <= 64; ++i) br.push_back(i == 64 ? R.hi : R.lo + (R.hi - R.lo) * i / 64);
  }
  std::vector<Cell> out;
  for (size_t i = 0; i + 1 < br.size(); ++i) {
    Cell c{br[i], br[i + 1], {}, {}};
    const AcGePoint3d p0 = pc.pointAt(c.lo), p1 = pc.pointAt(c.hi);
    c.mn.set(std::min(p0.x, p1.x), std::min(p0.y, p1.y), std::min(p0.z, p1.z));
    c.mx.set(std::max(p0.x, p1.x), std::max(p0.y, p1.y), std::max(p0.z, p1.z));
    double dev = 0.0;
    if (pc.kind != CurvePiece::kLine) {
      // Deviation from the chord at three inner points, doubled for safety.
      const AcGeVector3d chord = p1 - p0;
      const double cl2 = chord.lengthSqrd();
      for (double f : {0.25, 0.5, 0.75}) {
        const AcGePoint3d q = pc.pointAt(c.lo + (c.hi - c.lo) * f);
        AcGeVector3d w = q - p0;
        if (cl2 > 0.0) w -= chord * (w.dotProduct(chord) / cl2);
        dev = std::max(dev, w.length());
        c.mn.set(std::min(c.mn.x, q.x), std::min(c.mn.y, q.y), std::min(c.mn.z, q.z));
        c.mx.set(std::max(c.mx.x, q.x), std::max(c.mx.y, q.y), std::max(c.mx.z, q.z));
      }
      dev *= 1.0;
    }
    const double g = dev + tol;
    c.mn -= AcGeVector3d(g, g, g);
    c.mx += AcGeVector3d(g, g, g);
    out.push_back(c);
  }
  return out;
}

// Minimises |A(s) - B(t)| over the ranges from (s, t) (damped Gauss-Newton).
double refine(const Range& A, const Range& B, double& s, double& t) {
  double mu = 0.0;
  AcGePoint3d P, Q;
  AcGeVector3d dP, dQ;
  A.pc->evaluate(s, P, &dP, nullptr);
  B.pc->evaluate(t, Q, &dQ, nullptr);
  double f = (P - Q).lengthSqrd();
  for (int it = 0; it < 100 && f > 0.0; ++it) {
    const AcGeVector3d r = P - Q;
    const double a11 = dP.dotProduct(dP), a22 = dQ.dotProduct(dQ), a12 = -dP.dotProduct(dQ);
    const double g1 = dP.dotProduct(r), g2 = -dQ.dotProduct(r);
    const double scale = std::max(a11 + a22, 1e-300);
    bool improved = false;
    for (int tries = 0; tries < 12; ++tries) {
      const double m11 = a11 + mu * scale, m22 = a22 + mu * scale;
      const double det = m11 * m22 - a12 * a12;
      if (!(std::fabs(det) > 1e-300)) {
        mu = std::max(mu * 10.0, 1e-12);
        continue;
      }
      const double ds = -(m22 * g1 - a12 * g2) / det;
      const double dt = -(m11 * g2 - a12 * g1) / det;
      const double ns = std::min(std::max(s + ds, A.lo), A.hi);
      const double nt = std::min(std::max(t + dt, B.lo), B.hi);
      AcGePoint3d P2, Q2;
      AcGeVector3d dP2, dQ2;
      A.pc->evaluate(ns, P2, &dP2, nullptr);
      B.pc->evaluate(nt, Q2, &dQ2, nullptr);
      const double f2 = (P2 - Q2).lengthSqrd();
      if (f2 <= f) {
        const bool tiny = std::fabs(ns - s) <= 1e-15 * std::max(1.0, std::fabs(s)) &&
                          std::fabs(nt - t) <= 1e-15 * std::max(1.0, std::fabs(t));
        s = ns;
        t = nt;
        P = P2;
        Q = Q2;
        dP = dP2;
        dQ = dQ2;
        f = f2;
        mu *= 0.25;
        improved = !tiny;
        break;
      }
      mu = std::max(mu * 10.0, 1e-9);
    }
    if (!improved) break;
  }
  return std::sqrt(f);
}

void numericPair(const Range& A, const Range& B, const Collector& out) {
  const double tol = out.tol();
  const std::vector<Cell> ca = cells(A, tol), cb = cells(B, tol);
  for (const Cell& x : ca) {
    for (const Cell& y : cb) {
      if (!boxesOverlap(x.mn, x.mx, y.mn, y.mx, 0.0)) continue;
      double s = 0.5 * (x.lo + x.hi), t = 0.5 * (y.lo + y.hi);
      const double d = refine(A, B, s, t);
      if (d <= tol) out.add(A, s, B, t, A.pc->pointAt(s), true);
    }
  }
}

void pointPair(const Range& A, const Range& B, const Collector& out) {
  if (A.point) {
    const AcGePoint3d p = A.pc->pointAt(A.lo);
    const double t = B.point ? B.lo : B.pc->closestParam(p, B.lo, B.hi);
    if (B.pc->pointAt(t).distanceTo(p) <= out.tol()) out.add(A, A.lo, B, t, p);
  } else {
    const AcGePoint3d p = B.pc->pointAt(B.lo);
    const double s = A.pc->closestParam(p, A.lo, A.hi);
    if (A.pc->pointAt(s).distanceTo(p) <= out.tol()) out.add(A, s, B, B.lo, A.pc->pointAt(s));
  }
}

void intersectPair(Range A, Range B, const Collector& out) {
  const double tol = out.tol();
  if (A.point || B.point) {
    pointPair(A, B, out);
    return;
  }
  const bool la = A.pc->isLine(), lb = B.pc->isLine();
  if (la && lb) {
    lineLine(A, B, out);
    return;
  }
  // Unbounded straight ranges are cut to the other piece's box.
  const double margin = tol + 1e-9 * std::max(boxSize(A.mn, A.mx), boxSize(B.mn, B.mx));
  if (la && !(std::isfinite(A.lo) && std::isfinite(A.hi)) && !clipLine(*A.pc, A.lo, A.hi, B.mn, B.mx, margin)) return;
  if (lb && !(std::isfinite(B.lo) && std::isfinite(B.hi)) && !clipLine(*B.pc, B.lo, B.hi, A.mn, A.mx, margin)) return;
  if (A.pc->isAnalytic() && B.pc->isAnalytic()) {
    const Range& C = A.pc->isCircle() ? A : B;  // a circle
    const Range& O = A.pc->isCircle() ? B : A;  // the other piece
    Frame f;
    f.n = C.pc->conicNormal();
    f.o = C.pc->origin;
    f.x = f.n.perpVector();
    f.y = f.n.crossProduct(f.x);
    bool coplanar;
    if (O.pc->isLine()) {
      coplanar = std::fabs((O.pc->pointAt(O.lo) - f.o).dotProduct(f.n)) <= tol &&
                 std::fabs((O.pc->pointAt(O.hi) - f.o).dotProduct(f.n)) <= tol;
    } else {
      coplanar = O.pc->conicNormal().crossProduct(f.n).length() <= 1e-10 &&
                 std::fabs((O.pc->origin - f.o).dotProduct(f.n)) <= tol;
    }
    if (coplanar) {
      coplanarPair(A, B, f, out);
    } else if (O.pc->isLine()) {
      circleLineCrossing(C, O, &C == &A, out);
    } else {
      circleCircleCrossing(A, B, out);
    }
    return;
  }
  numericPair(A, B, out);
}

// Hits closer than dedupTol are one; neighbouring hits between which the
// curves do not part (a tangent contact that the numeric search reached at
// several places along the touching stretch) are one contact too, placed
// where the tangents are parallel.
struct Cluster {
  CurveHit hit;
  double sLo, sHi;
  AcGePoint3d last;
};

void mergeContacts(const CurveGeometry& a, bool extA, const CurveGeometry& b, bool extB, double tol,
                   const std::vector<CurveHit>& raw, std::vector<CurveHit>& hits,
                   std::vector<Cluster>& scratchClusters) {
  const double dedupTol = 10.0 * tol;
  // A tangent contact spreads over about sqrt(2 tol r) either side (r the
  // radius of curvature); iterated hits that close are looked at together.
  double clusterTol = -1.0;  // worked out when first needed
  auto clusterLimit = [&]() {
    if (clusterTol < 0.0) {
      AcGePoint3d mn, mx;
      a.extents(mn, mx);
      clusterTol = 100.0 * std::sqrt(tol * std::max(1.0, boxSize(mn, mx)));
    }
    return clusterTol;
  };
  std::vector<Cluster>& clusters = scratchClusters;
  clusters.clear();
  auto touchesB = [&](double s) {
    AcGePoint3d p, q;
    double t;
    if (!a.pointAtParam(s, p, true)) return false;
    b.closestPoint(p, extB, t, q);
    return p.distanceTo(q) <= 4.0 * tol;
  };
  for (const CurveHit& h : raw) {
    // Hits come in order along a: the same contact found twice sits next to
    // itself, or at both ends of a closed curve.
    bool merged = false;
    const size_t nc = clusters.size();
    auto same = [&](const Cluster& c) {
      return c.last.distanceTo(h.point) <= dedupTol || c.hit.point.distanceTo(h.point) <= dedupTol;
    };
    for (size_t k = 0; k < std::min<size_t>(nc, 4) && !merged; ++k) merged = same(clusters[nc - 1 - k]);
    if (!merged && nc > 4) merged = same(clusters.front());
    if (merged) continue;
    if (!clusters.empty()) {
      Cluster& c = clusters.back();
      if (h.iterated && c.hit.iterated && c.last.distanceTo(h.point) <= clusterLimit() &&
          touchesB(0.5 * (c.sHi + h.paramA))) {
        c.sHi = h.paramA;
        c.last = h.point;
        continue;
      }
    }
    clusters.push_back({h, h.paramA, h.paramA, h.point});
  }
  AcGeVector3d n = a.normal.isZeroLength() ? b.normal : a.normal;
  for (Cluster& c : clusters) {
    if (c.sHi > c.sLo) {
      // Where the tangents turn parallel: the sign of their cross product about n changes.
      auto g = [&](double s, AcGePoint3d& p, double& t) {
        AcGeVector3d ta, tb;
        AcGePoint3d q, pb;
        a.derivsAtParam(s, p, &ta, nullptr, true);
        b.closestPoint(p, extB, t, q);
        b.derivsAtParam(t, pb, &tb, nullptr, true);
        return ta.crossProduct(tb).dotProduct(n);
      };
      double lo = c.sLo, hi = c.sHi, t = c.hit.paramB;
      AcGePoint3d p;
      double glo = g(lo, p, t);
      const double ghi = g(hi, p, t);
      double s = 0.5 * (lo + hi);
      if (!n.isZeroLength() && (glo > 0.0) != (ghi > 0.0)) {
        for (int it = 0; it < 60; ++it) {
          s = 0.5 * (lo + hi);
          const double gm = g(s, p, t);
          if ((gm > 0.0) == (glo > 0.0)) {
            lo = s;
            glo = gm;
          } else {
            hi = s;
          }
        }
      }
      g(s, p, t);
      c.hit.point = p;
      c.hit.paramA = s;
      c.hit.paramB = t;
    }
    (void)extA;
    hits.push_back(c.hit);
  }
}

}  // namespace

void intersectCurves(const CurveGeometry& a, bool extendA, const CurveGeometry& b, bool extendB,
                     std::vector<CurveHit>& hits) {
  hits.clear();
  if (a.isEmpty() || b.isEmpty()) return;
  const double tol = pointTolerance(std::max(a.magnitude(), b.magnitude()));
  // Working lists are kept per thread between calls (intersections run in
  // tight loops); a nested call (a curve of another class that intersects
  // while being evaluated) gets its own.
  struct Scratch {
    std::vector<Range> ra, rb;
    std::vector<CurveHit> raw;
    std::vector<Cluster> clusters;
    bool busy = false;
  };
  thread_local Scratch shared;
  Scratch local;
  Scratch& sc = shared.busy ? local : shared;
  struct Busy {
    Scratch& s;
    bool was;
    explicit Busy(Scratch& x) : s(x), was(x.busy) { s.busy = true; }
    ~Busy() { s.busy = was; }
  } busy(sc);
  std::vector<CurveHit>& raw = sc.raw;
  raw.clear();
  Collector out(raw, tol);
  {
    std::vector<Range>& ra = sc.ra;
    std::vector<Range>& rb = sc.rb;
    prepare(a, extendA, ra);
    prepare(b, extendB, rb);
    if (ra.size() * rb.size() <= 64) {
      for (const Range& x : ra)
        for (const Range& y : rb)
          if (boxesOverlap(x.mn, x.mx, y.mn, y.mx, tol)) intersectPair(x, y, out);
    } else {
      // Sweep along X: pieces of b sorted by their box's low X.
      std::vector<int> order(rb.size());
      for (size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
      std::sort(order.begin(), order.end(), [&](int i, int j) { return rb[size_t(i)].mn.x < rb[size_t(j)].mn.x; });
      std::vector<double> lows(order.size());
      double widest = 0.0;
      for (size_t i = 0; i < order.size(); ++i) {
        const Range& y = rb[size_t(order[i])];
        lows[i] = y.mn.x;
        widest = std::max(widest, y.mx.x - y.mn.x);
      }
      for (const Range& x : ra) {
        // Only pieces starting within the widest piece's width before x can reach it.
        const size_t begin =
            static_cast<size_t>(std::lower_bound(lows.begin(), lows.end(), x.mn.x - widest - tol) - lows.begin());
        const size_t end = static_cast<size_t>(std::upper_bound(lows.begin(), lows.end(), x.mx.x + tol) - lows.begin());
        for (size_t k = begin; k < end; ++k) {
          const Range& y = rb[size_t(order[k])];
          if (boxesOverlap(x.mn, x.mx, y.mn, y.mx, tol)) intersectPair(x, y, out);
        }
      }
    }
  }
  std::stable_sort(raw.begin(), raw.end(), [](const CurveHit& p, const CurveHit& q) { return p.paramA < q.paramA; });
  mergeContacts(a, extendA, b, extendB, tol, raw, hits, sc.clusters);
}

}  // namespace vhost
