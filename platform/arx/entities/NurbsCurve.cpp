#include "arx/entities/NurbsCurve.h"

#include <algorithm>
#include <cmath>

namespace vhost {

namespace {

// A control point in homogeneous form (w·P, w).
struct HPoint {
  double x = 0, y = 0, z = 0, w = 1;
};

HPoint lerp(const HPoint& a, const HPoint& b, double t) {
  return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t, a.z + (b.z - a.z) * t, a.w + (b.w - a.w) * t};
}

std::vector<HPoint> toHomogeneous(const std::vector<AcGePoint3d>& ctrl, const std::vector<double>& w) {
  std::vector<HPoint> out(ctrl.size());
  for (size_t i = 0; i < ctrl.size(); ++i) {
    const double wi = w.empty() ? 1.0 : w[i];
    out[i] = {ctrl[i].x * wi, ctrl[i].y * wi, ctrl[i].z * wi, wi};
  }
  return out;
}

void fromHomogeneous(const std::vector<HPoint>& h, bool rational, std::vector<AcGePoint3d>& ctrl,
                     std::vector<double>& w) {
  ctrl.resize(h.size());
  w.clear();
  if (rational) w.resize(h.size());
  for (size_t i = 0; i < h.size(); ++i) {
    ctrl[i].set(h[i].x / h[i].w, h[i].y / h[i].w, h[i].z / h[i].w);
    if (rational) w[i] = h[i].w;
  }
}

// Solves a banded system in place (no pivoting: interpolation matrices of
// B-splines are totally positive, the derivative rows sit next to their
// points). Rows hold the columns [row - bw, row + bw]. False on a zero pivot.
bool solveBanded(int n, int bw, std::vector<double>& a, std::vector<AcGeVector3d>& rhs) {
  const int width = 2 * bw + 1;
  auto at = [&](int r, int c) -> double& { return a[static_cast<size_t>(r) * width + (c - r + bw)]; };
  for (int c = 0; c < n; ++c) {
    const double piv = at(c, c);
    if (std::fabs(piv) < 1e-300) return false;
    for (int r = c + 1; r <= std::min(n - 1, c + bw); ++r) {
      const double f = at(r, c) / piv;
      if (f == 0.0) continue;
      for (int k = c; k <= std::min(n - 1, c + bw); ++k) at(r, k) -= f * at(c, k);
      rhs[static_cast<size_t>(r)] -= rhs[static_cast<size_t>(c)] * f;
    }
  }
  for (int r = n - 1; r >= 0; --r) {
    AcGeVector3d v = rhs[static_cast<size_t>(r)];
    for (int k = r + 1; k <= std::min(n - 1, r + bw); ++k) v -= rhs[static_cast<size_t>(k)] * at(r, k);
    rhs[static_cast<size_t>(r)] = v / at(r, r);
  }
  return true;
}

}  // namespace

NurbsCurve::NurbsCurve(int degree, std::vector<AcGePoint3d> controlPoints, std::vector<double> knots,
                       std::vector<double> weights)
    : mDegree(degree), mCtrl(std::move(controlPoints)), mKnots(std::move(knots)), mWeights(std::move(weights)) {}

bool NurbsCurve::isValid(std::string* why) const {
  auto fail = [&](const char* msg) {
    if (why) *why = msg;
    return false;
  };
  if (mDegree < 1 || mDegree > kMaxDegree) return fail("degree out of range");
  if (mCtrl.size() < static_cast<size_t>(mDegree) + 1) return fail("too few control points for the degree");
  if (mKnots.size() != mCtrl.size() + static_cast<size_t>(mDegree) + 1) return fail("wrong number of knots");
  if (!mWeights.empty() && mWeights.size() != mCtrl.size()) return fail("wrong number of weights");
  for (size_t i = 0; i < mKnots.size(); ++i) {
    if (!std::isfinite(mKnots[i])) return fail("knot not finite");
    if (i > 0 && mKnots[i] < mKnots[i - 1]) return fail("knots decrease");
  }
  for (double w : mWeights)
    if (!(w > 0.0) || !std::isfinite(w)) return fail("weights must be positive");
  for (const AcGePoint3d& p : mCtrl)
    if (!std::isfinite(p.x) || !std::isfinite(p.y) || !std::isfinite(p.z)) return fail("control point not finite");
  if (!(endParam() > startParam())) return fail("empty parameter domain");
  return true;
}

int NurbsCurve::findSpan(double u) const {
  const int n = numControlPoints();
  const int p = mDegree;
  if (u >= mKnots[static_cast<size_t>(n)]) {
    int s = n - 1;
    while (s > p && mKnots[static_cast<size_t>(s)] >= mKnots[static_cast<size_t>(s + 1)]) --s;
    return s;
  }
  if (u <= mKnots[static_cast<size_t>(p)]) {
    int s = p;
    while (s < n - 1 && mKnots[static_cast<size_t>(s + 1)] <= mKnots[static_cast<size_t>(p)]) ++s;
    return s;
  }
  int lo = p, hi = n;
  while (hi - lo > 1) {
    const int mid = (lo + hi) / 2;
    if (u < mKnots[static_cast<size_t>(mid)])
      hi = mid;
    else
      lo = mid;
  }
  return lo;
}

AcGePoint3d NurbsCurve::evalPoint(double u) const {
  // de Boor's algorithm on the homogeneous control points of the span.
  const int p = mDegree;
  const int k = findSpan(u);
  HPoint d[kMaxDegree + 1];
  for (int j = 0; j <= p; ++j) {
    const AcGePoint3d& c = mCtrl[static_cast<size_t>(k - p + j)];
    const double w = weight(k - p + j);
    d[j] = {c.x * w, c.y * w, c.z * w, w};
  }
  for (int r = 1; r <= p; ++r) {
    for (int j = p; j >= r; --j) {
      const int i = k - p + j;
      const double den = mKnots[static_cast<size_t>(i + p - r + 1)] - mKnots[static_cast<size_t>(i)];
      const double alpha = den > 0.0 ? (u - mKnots[static_cast<size_t>(i)]) / den : 0.0;
      d[j] = lerp(d[j - 1], d[j], alpha);
    }
  }
  return AcGePoint3d(d[p].x / d[p].w, d[p].y / d[p].w, d[p].z / d[p].w);
}

void NurbsCurve::basisDerivs(int span, double u, int n, double ders[3][kMaxDegree + 1]) const {
  const int p = mDegree;
  double ndu[kMaxDegree + 1][kMaxDegree + 1];
  double left[kMaxDegree + 1], right[kMaxDegree + 1];
  double a[2][kMaxDegree + 1];
  ndu[0][0] = 1.0;
  for (int j = 1; j <= p; ++j) {
    left[j] = u - mKnots[static_cast<size_t>(span + 1 - j)];
    right[j] = mKnots[static_cast<size_t>(span + j)] - u;
    double saved = 0.0;
    for (int r = 0; r < j; ++r) {
      ndu[j][r] = right[r + 1] + left[j - r];
      const double temp = ndu[j][r] != 0.0 ? ndu[r][j - 1] / ndu[j][r] : 0.0;
      ndu[r][j] = saved + right[r + 1] * temp;
      saved = left[j - r] * temp;
    }
    ndu[j][j] = saved;
  }
  for (int j = 0; j <= p; ++j) ders[0][j] = ndu[j][p];
  for (int k = 1; k <= n; ++k)
    for (int j = 0; j <= p; ++j) ders[k][j] = 0.0;
  for (int r = 0; r <= p; ++r) {
    int s1 = 0, s2 = 1;
    a[0][0] = 1.0;
    for (int k = 1; k <= n && k <= p; ++k) {
      double d = 0.0;
      const int rk = r - k, pk = p - k;
      if (r >= k) {
        a[s2][0] = ndu[pk + 1][rk] != 0.0 ? a[s1][0] / ndu[pk + 1][rk] : 0.0;
        d = a[s2][0] * ndu[rk][pk];
      }
      const int j1 = rk >= -1 ? 1 : -rk;
      const int j2 = (r - 1 <= pk) ? k - 1 : p - r;
      for (int j = j1; j <= j2; ++j) {
        a[s2][j] = ndu[pk + 1][rk + j] != 0.0 ? (a[s1][j] - a[s1][j - 1]) / ndu[pk + 1][rk + j] : 0.0;
        d += a[s2][j] * ndu[rk + j][pk];
      }
      if (r <= pk) {
        a[s2][k] = ndu[pk + 1][r] != 0.0 ? -a[s1][k - 1] / ndu[pk + 1][r] : 0.0;
        d += a[s2][k] * ndu[r][pk];
      }
      ders[k][r] = d;
      std::swap(s1, s2);
    }
  }
  double f = p;
  for (int k = 1; k <= n; ++k) {
    for (int j = 0; j <= p; ++j) ders[k][j] *= f;
    f *= (p - k);
  }
}

void NurbsCurve::evaluate(double u, AcGePoint3d& pt, AcGeVector3d* d1, AcGeVector3d* d2) const {
  if (d1 == nullptr && d2 == nullptr) {
    pt = evalPoint(u);
    return;
  }
  const int p = mDegree;
  const int span = findSpan(u);
  const int n = d2 ? 2 : 1;
  double ders[3][kMaxDegree + 1];
  basisDerivs(span, u, n, ders);
  // Homogeneous derivatives A(k), W(k).
  AcGeVector3d A[3];
  double W[3] = {0, 0, 0};
  for (int k = 0; k <= n; ++k) {
    for (int j = 0; j <= p; ++j) {
      const int i = span - p + j;
      const double w = weight(i);
      const AcGePoint3d& c = mCtrl[static_cast<size_t>(i)];
      const double f = ders[k][j] * w;
      A[k] += AcGeVector3d(c.x * f, c.y * f, c.z * f);
      W[k] += f;
    }
  }
  const AcGeVector3d C0 = A[0] / W[0];
  pt.set(C0.x, C0.y, C0.z);
  const AcGeVector3d C1 = (A[1] - C0 * W[1]) / W[0];
  if (d1) *d1 = C1;
  if (d2) *d2 = (A[2] - C1 * (2.0 * W[1]) - C0 * W[2]) / W[0];
}

std::vector<double> NurbsCurve::breakpoints() const {
  std::vector<double> out;
  const double a = startParam(), b = endParam();
  out.push_back(a);
  for (double k : mKnots)
    if (k > out.back() && k < b) out.push_back(k);
  out.push_back(b);
  return out;
}

void NurbsCurve::insertKnot(double u, int times) {
  const int p = mDegree;
  const int n = numControlPoints();
  if (times <= 0 || u < startParam() || u > endParam()) return;
  // The span [knot[k], knot[k+1]) holding u, also at the end of the domain
  // (for an unclamped end only the control points up to n-1 take part).
  const int k = std::min(static_cast<int>(std::upper_bound(mKnots.begin(), mKnots.end(), u) - mKnots.begin()) - 1,
                         static_cast<int>(mKnots.size()) - p - 1);
  int s = 0;
  for (double kv : mKnots)
    if (kv == u) ++s;
  const int r = std::min(times, p - s);
  if (r <= 0) return;
  std::vector<HPoint> Pw = toHomogeneous(mCtrl, mWeights);
  std::vector<HPoint> Qw(static_cast<size_t>(n + r));
  std::vector<double> UQ(mKnots.size() + static_cast<size_t>(r));
  for (int i = 0; i <= k; ++i) UQ[static_cast<size_t>(i)] = mKnots[static_cast<size_t>(i)];
  for (int i = 1; i <= r; ++i) UQ[static_cast<size_t>(k + i)] = u;
  for (int i = k + 1; i < static_cast<int>(mKnots.size()); ++i)
    UQ[static_cast<size_t>(i + r)] = mKnots[static_cast<size_t>(i)];
  for (int i = 0; i <= k - p; ++i) Qw[static_cast<size_t>(i)] = Pw[static_cast<size_t>(i)];
  for (int i = k - s; i < n; ++i) Qw[static_cast<size_t>(i + r)] = Pw[static_cast<size_t>(i)];
  std::vector<HPoint> Rw(static_cast<size_t>(p - s + 1));
  for (int i = 0; i <= p - s; ++i) Rw[static_cast<size_t>(i)] = Pw[static_cast<size_t>(k - p + i)];
  int L = k - p;
  for (int j = 1; j <= r; ++j) {
    L = k - p + j;
    for (int i = 0; i <= p - j - s; ++i) {
      const double den = mKnots[static_cast<size_t>(i + k + 1)] - mKnots[static_cast<size_t>(L + i)];
      const double alpha = den > 0.0 ? (u - mKnots[static_cast<size_t>(L + i)]) / den : 0.0;
      Rw[static_cast<size_t>(i)] = lerp(Rw[static_cast<size_t>(i)], Rw[static_cast<size_t>(i + 1)], alpha);
    }
    Qw[static_cast<size_t>(L)] = Rw[0];
    Qw[static_cast<size_t>(k + r - j - s)] = Rw[static_cast<size_t>(p - j - s)];
  }
  for (int i = L + 1; i < k - s; ++i) Qw[static_cast<size_t>(i)] = Rw[static_cast<size_t>(i - L)];
  mKnots = std::move(UQ);
  fromHomogeneous(Qw, isRational(), mCtrl, mWeights);
}

NurbsCurve NurbsCurve::segment(double a, double b) const {
  NurbsCurve c = *this;
  const int p = mDegree;
  a = std::max(a, startParam());
  b = std::min(b, endParam());
  c.insertKnot(a, p);
  c.insertKnot(b, p);
  // The curve passes through the control point before a run of p equal knots.
  int lastA = -1, firstB = -1;
  for (int i = 0; i < static_cast<int>(c.mKnots.size()); ++i) {
    if (c.mKnots[static_cast<size_t>(i)] == a) lastA = i;
    if (firstB < 0 && c.mKnots[static_cast<size_t>(i)] == b) firstB = i;
  }
  const int i0 = lastA - p;
  const int i1 = firstB - 1;
  NurbsCurve out;
  out.mDegree = p;
  for (int i = i0; i <= i1; ++i) {
    out.mCtrl.push_back(c.mCtrl[static_cast<size_t>(i)]);
    if (c.isRational()) out.mWeights.push_back(c.mWeights[static_cast<size_t>(i)]);
  }
  out.mKnots.assign(static_cast<size_t>(p + 1), a);
  for (double k : c.mKnots)
    if (k > a && k < b) out.mKnots.push_back(k);
  for (int i = 0; i <= p; ++i) out.mKnots.push_back(b);
  return out;
}

void NurbsCurve::reverse() {
  const double s = startParam() + endParam();
  std::reverse(mCtrl.begin(), mCtrl.end());
  std::reverse(mWeights.begin(), mWeights.end());
  std::vector<double> k(mKnots.size());
  for (size_t i = 0; i < k.size(); ++i) k[i] = s - mKnots[mKnots.size() - 1 - i];
  mKnots = std::move(k);
}

void NurbsCurve::transformBy(const AcGeMatrix3d& m) {
  for (AcGePoint3d& p : mCtrl) p.transformBy(m);
}

void NurbsCurve::extendEnd(double newEnd) {
  const double end = endParam();
  if (!(newEnd > end)) return;
  const int p = mDegree;
  const std::vector<double> br = breakpoints();
  const double k = br[br.size() - 2];
  // The last span as a Bézier piece, run on past its end by de Casteljau's
  // construction at t > 1.
  const NurbsCurve last = segment(k, end);
  std::vector<HPoint> b = toHomogeneous(last.mCtrl, last.mWeights);
  const double t = (newEnd - k) / (end - k);
  std::vector<HPoint> left{b[0]};
  for (int r = 1; r <= p; ++r) {
    for (int j = 0; j + r <= p; ++j)
      b[static_cast<size_t>(j)] = lerp(b[static_cast<size_t>(j)], b[static_cast<size_t>(j + 1)], t);
    left.push_back(b[0]);
  }
  std::vector<HPoint> ctrl;
  std::vector<double> knots;
  if (k > startParam()) {
    const NurbsCurve first = segment(startParam(), k);
    ctrl = toHomogeneous(first.mCtrl, first.mWeights);
    knots.assign(first.mKnots.begin(), first.mKnots.end() - (p + 1));
    for (int i = 0; i < p; ++i) knots.push_back(k);
    ctrl.insert(ctrl.end(), left.begin() + 1, left.end());
  } else {
    ctrl = left;
    knots.assign(static_cast<size_t>(p + 1), k);
  }
  for (int i = 0; i <= p; ++i) knots.push_back(newEnd);
  const bool rational = isRational();
  mKnots = std::move(knots);
  fromHomogeneous(ctrl, rational, mCtrl, mWeights);
}

void NurbsCurve::extendStart(double newStart) {
  const double s = startParam(), e = endParam();
  if (!(newStart < s)) return;
  reverse();
  extendEnd(s + e - newStart);
  reverse();
  // Reversing twice moved the domain; bring it to [newStart, e].
  const double shift = newStart - startParam();
  for (double& k : mKnots) k += shift;
}

void NurbsCurve::elevateDegree() {
  // Split into Bézier pieces, raise each one, and join them again; the
  // interior knots keep multiplicity p+1, which is exact.
  const int p = mDegree;
  if (p >= kMaxDegree) return;
  NurbsCurve c = segment(startParam(), endParam());
  const std::vector<double> br = breakpoints();
  for (size_t i = 1; i + 1 < br.size(); ++i) c.insertKnot(br[i], p);
  std::vector<HPoint> Pw = toHomogeneous(c.mCtrl, c.mWeights);
  // After full insertion the curve's pieces share end control points.
  std::vector<HPoint> out;
  const int pieces = static_cast<int>(br.size()) - 1;
  const int first = [&] {
    int last = -1;
    for (int i = 0; i < static_cast<int>(c.mKnots.size()); ++i)
      if (c.mKnots[static_cast<size_t>(i)] == br[0]) last = i;
    return last - p;
  }();
  for (int s = 0; s < pieces; ++s) {
    const HPoint* b = &Pw[static_cast<size_t>(first + s * p)];
    if (s == 0) out.push_back(b[0]);
    for (int i = 1; i <= p + 1; ++i) {
      const double t = double(i) / double(p + 1);
      HPoint q = i <= p ? lerp(b[i], b[i - 1], t) : b[p];
      out.push_back(q);
    }
  }
  std::vector<double> knots(static_cast<size_t>(p + 2), br.front());
  for (int s = 1; s < pieces; ++s)
    for (int i = 0; i <= p; ++i) knots.push_back(br[static_cast<size_t>(s)]);
  for (int i = 0; i < p + 2; ++i) knots.push_back(br.back());
  mDegree = p + 1;
  mKnots = std::move(knots);
  fromHomogeneous(out, isRational(), mCtrl, mWeights);
}

bool NurbsCurve::interpolate(const std::vector<AcGePoint3d>& pts, int degree, const AcGeVector3d& startTangent,
                             const AcGeVector3d& endTangent, NurbsCurve& out) {
  if (pts.size() < 2) return false;
  const bool ts = !startTangent.isZeroLength();
  const bool te = !endTangent.isZeroLength();
  // Chord-length parameters.
  std::vector<double> t(pts.size(), 0.0);
  for (size_t i = 1; i < pts.size(); ++i) t[i] = t[i - 1] + pts[i].distanceTo(pts[i - 1]);
  const double total = t.back();
  if (!(total > 0.0)) return false;
  for (size_t i = 1; i < pts.size(); ++i)
    if (!(t[i] > t[i - 1])) return false;  // repeated consecutive fit points
  const int nPts = static_cast<int>(pts.size());
  const int N = nPts + (ts ? 1 : 0) + (te ? 1 : 0);
  const int p = std::max(1, std::min(degree, N - 1));
  // Parameters with an end repeated where its derivative is given, averaged into knots.
  std::vector<double> tp;
  if (ts) tp.push_back(t.front());
  tp.insert(tp.end(), t.begin(), t.end());
  if (te) tp.push_back(t.back());
  std::vector<double> knots(static_cast<size_t>(p + 1), t.front());
  for (int j = 1; j <= N - p - 1; ++j) {
    double s = 0.0;
    for (int i = j; i <= j + p - 1; ++i) s += tp[static_cast<size_t>(i)];
    knots.push_back(s / p);
  }
  for (int i = 0; i <= p; ++i) knots.push_back(t.back());

  NurbsCurve c;
  c.mDegree = p;
  c.mKnots = knots;
  c.mCtrl.assign(static_cast<size_t>(N), AcGePoint3d());
  const int bw = p + 2;
  std::vector<double> a(static_cast<size_t>(N) * (2 * bw + 1), 0.0);
  std::vector<AcGeVector3d> rhs(static_cast<size_t>(N));
  auto setRow = [&](int row, double u, int derivOrder, const AcGeVector3d& value) {
    double ders[3][kMaxDegree + 1];
    const int span = c.findSpan(u);
    c.basisDerivs(span, u, derivOrder, ders);
    for (int j = 0; j <= p; ++j) {
      const int col = span - p + j;
      if (std::abs(col - row) > bw) return false;
      a[static_cast<size_t>(row) * (2 * bw + 1) + (col - row + bw)] = ders[derivOrder][j];
    }
    rhs[static_cast<size_t>(row)] = value;
    return true;
  };
  int row = 0;
  bool ok = setRow(row++, t[0], 0, pts[0].asVector());
  if (ts) ok = ok && setRow(row++, t[0], 1, startTangent.normal() * total);
  for (int i = 1; i < nPts - 1; ++i)
    ok = ok && setRow(row++, t[static_cast<size_t>(i)], 0, pts[static_cast<size_t>(i)].asVector());
  if (te) ok = ok && setRow(row++, t.back(), 1, endTangent.normal() * total);
  ok = ok && setRow(row++, t.back(), 0, pts.back().asVector());
  if (!ok || !solveBanded(N, bw, a, rhs)) return false;
  for (int i = 0; i < N; ++i) c.mCtrl[static_cast<size_t>(i)] = AcGePoint3d::kOrigin + rhs[static_cast<size_t>(i)];
  out = std::move(c);
  return true;
}

bool NurbsCurve::uniform(const std::vector<AcGePoint3d>& ctrl, int degree, bool closed, NurbsCurve& out) {
  const int n = static_cast<int>(ctrl.size());
  if (n < 2) return false;
  NurbsCurve c;
  if (closed && n >= 3) {
    const int p = std::max(1, std::min(degree, n - 1));
    c.mDegree = p;
    c.mCtrl = ctrl;
    for (int i = 0; i < p; ++i) c.mCtrl.push_back(ctrl[static_cast<size_t>(i)]);
    const int m = static_cast<int>(c.mCtrl.size()) + p + 1;
    for (int i = 0; i < m; ++i) c.mKnots.push_back(double(i - p));
  } else {
    const int p = std::max(1, std::min(degree, n - 1));
    c.mDegree = p;
    c.mCtrl = ctrl;
    c.mKnots.assign(static_cast<size_t>(p + 1), 0.0);
    for (int i = 1; i <= n - p - 1; ++i) c.mKnots.push_back(double(i));
    for (int i = 0; i <= p; ++i) c.mKnots.push_back(double(n - p));
  }
  out = std::move(c);
  return true;
}

}  // namespace vhost
