#include "arx/entities/CurveGeometry.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>

#include "arx/db/AcDbCurve.h"
#include "arx/entities/NurbsCurve.h"
#include "arx/ge/AcGeContext.h"
#include "arx/ge/GeMath.h"

namespace vhost {

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

// 8-point Gauss-Legendre rule on [-1, 1].
constexpr double kGaussX[4] = {0.1834346424956498, 0.5255324099163290, 0.7966664774136267, 0.9602898564975363};
constexpr double kGaussW[4] = {0.3626837833783620, 0.3137066458778873, 0.2223810344533745, 0.1012285362903763};

template <class F>
double gauss(double a, double b, F&& f) {
  const double m = 0.5 * (a + b), h = 0.5 * (b - a);
  double s = 0.0;
  for (int i = 0; i < 4; ++i) s += kGaussW[i] * (f(m - h * kGaussX[i]) + f(m + h * kGaussX[i]));
  return s * h;
}

template <class F>
AcGeVector3d gaussVec(double a, double b, F&& f) {
  const double m = 0.5 * (a + b), h = 0.5 * (b - a);
  AcGeVector3d s;
  for (int i = 0; i < 4; ++i) s += (f(m - h * kGaussX[i]) + f(m + h * kGaussX[i])) * kGaussW[i];
  return s * h;
}

// Sub-interval breaks of [a, b] for numeric work on a piece: conic arcs of at
// most π/8, NURBS spans halved, foreign curves in 32 steps.
std::vector<double> subdivide(const CurvePiece& pc, double a, double b) {
  std::vector<double> out;
  if (!(b > a)) {
    out.push_back(a);
    out.push_back(b);
    return out;
  }
  int n = 1;
  if (pc.kind == CurvePiece::kConic) {
    n = std::max(1, static_cast<int>(std::ceil((b - a) / (VeskGe::kPi / 8.0))));
  } else if (pc.kind == CurvePiece::kNurbs) {
    std::vector<double> br = pc.nurbs->breakpoints();
    out.push_back(a);
    for (double k : br)
      if (k > a && k < b) out.push_back(k);
    out.push_back(b);
    std::vector<double> halves;
    const int split = std::max(2, pc.nurbs->degree());
    for (size_t i = 0; i + 1 < out.size(); ++i)
      for (int j = 0; j < split; ++j) halves.push_back(out[i] + (out[i + 1] - out[i]) * j / split);
    halves.push_back(b);
    return halves;
  } else if (pc.kind == CurvePiece::kForeign) {
    n = 32;
  }
  for (int i = 0; i <= n; ++i) out.push_back(i == n ? b : a + (b - a) * i / n);
  return out;
}

void growBox(AcGePoint3d& mn, AcGePoint3d& mx, const AcGePoint3d& p) {
  mn.set(std::min(mn.x, p.x), std::min(mn.y, p.y), std::min(mn.z, p.z));
  mx.set(std::max(mx.x, p.x), std::max(mx.y, p.y), std::max(mx.z, p.z));
}

}  // namespace

double pointTolerance(double magnitude) {
  return std::max(AcGeContext::gTol.equalPoint(), std::fabs(magnitude) * 1e-14);
}

AcGeMatrix3d projectionMatrix(const AcGePoint3d& o, const AcGeVector3d& nIn, const AcGeVector3d& d) {
  AcGeMatrix3d m;
  const AcGeVector3d n = nIn.normal();
  const double dn = d.dotProduct(n);
  if (n.isZeroLength() || std::fabs(dn) < 1e-12 * std::max(1.0, d.length())) return m;
  // P' = P - ((P - o)·n / (d·n)) d
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 3; ++c) m.entry[r][c] = (r == c ? 1.0 : 0.0) - d[r] * n[c] / dn;
  const double k = o.asVector().dotProduct(n) / dn;
  for (int r = 0; r < 3; ++r) m.entry[r][3] = d[r] * k;
  return m;
}

// ---- CurvePiece ------------------------------------------------------------------------

CurvePiece CurvePiece::line(const AcGePoint3d& a, const AcGePoint3d& b, double e0, double e1) {
  CurvePiece p;
  p.kind = kLine;
  p.origin = a;
  p.u = b - a;
  p.t0 = p.extLo = 0.0;
  p.t1 = p.extHi = 1.0;
  p.e0 = e0;
  p.e1 = e1;
  return p;
}

CurvePiece CurvePiece::arc(const AcGePoint3d& center, const AcGeVector3d& normal, const AcGeVector3d& xAxis,
                           double radius, double a0, double a1, double e0, double e1) {
  CurvePiece p;
  p.kind = kConic;
  p.circular = true;
  p.origin = center;
  const double ln = normal.lengthSqrd(), lx = xAxis.lengthSqrd();
  const AcGeVector3d n = std::fabs(ln - 1.0) < 1e-15 ? normal : normal / std::sqrt(ln);
  const AcGeVector3d x = std::fabs(lx - 1.0) < 1e-15 ? xAxis : xAxis / std::sqrt(lx);
  p.u = x * radius;
  p.v = n.crossProduct(x) * radius;
  p.t0 = p.extLo = a0;
  p.t1 = p.extHi = a1;
  p.e0 = e0;
  p.e1 = e1;
  return p;
}

CurvePiece CurvePiece::conic(const AcGePoint3d& center, const AcGeVector3d& u, const AcGeVector3d& v, double a0,
                             double a1, double e0, double e1) {
  CurvePiece p;
  p.kind = kConic;
  p.origin = center;
  p.u = u;
  p.v = v;
  const double lu = u.length(), lv = v.length();
  p.circular = lu > 0.0 && std::fabs(lu - lv) <= 1e-12 * lu && std::fabs(u.dotProduct(v)) <= 1e-12 * lu * lv;
  p.t0 = p.extLo = a0;
  p.t1 = p.extHi = a1;
  p.e0 = e0;
  p.e1 = e1;
  return p;
}

CurvePiece CurvePiece::spline(std::shared_ptr<const NurbsCurve> curve, double a, double b, double e0, double e1) {
  CurvePiece p;
  p.kind = kNurbs;
  p.nurbs = std::move(curve);
  p.t0 = p.extLo = a;
  p.t1 = p.extHi = b;
  p.e0 = e0;
  p.e1 = e1;
  return p;
}

CurvePiece CurvePiece::foreignCurve(const AcDbCurve* curve, double a, double b) {
  CurvePiece p;
  p.kind = kForeign;
  p.foreign = curve;
  p.t0 = p.extLo = p.e0 = a;
  p.t1 = p.extHi = p.e1 = b;
  return p;
}

void CurvePiece::evaluate(double t, AcGePoint3d& p, AcGeVector3d* d1, AcGeVector3d* d2) const {
  switch (kind) {
    case kLine:
      p = origin + u * t;
      if (d1) *d1 = u;
      if (d2) *d2 = AcGeVector3d();
      return;
    case kConic: {
      const double c = std::cos(t), s = std::sin(t);
      p = origin + u * c + v * s;
      if (d1) *d1 = v * c - u * s;
      if (d2) *d2 = -(u * c + v * s);
      return;
    }
    case kNurbs:
      nurbs->evaluate(std::min(std::max(t, nurbs->startParam()), nurbs->endParam()), p, d1, d2);
      return;
    case kForeign: {
      if (foreign->getPointAtParam(t, p) != Acad::eOk) p = AcGePoint3d();
      AcGeVector3d a, b;
      if (d1 || d2) {
        if (foreign->getFirstDeriv(t, a) != Acad::eOk) {
          const double h = 1e-6 * std::max(1.0, std::fabs(t1 - t0));
          AcGePoint3d q0, q1;
          foreign->getPointAtParam(std::max(t0, t - h), q0);
          foreign->getPointAtParam(std::min(t1, t + h), q1);
          a = (q1 - q0) / (std::min(t1, t + h) - std::max(t0, t - h));
        }
      }
      if (d2 && foreign->getSecondDeriv(t, b) != Acad::eOk) {
        const double h = 1e-5 * std::max(1.0, std::fabs(t1 - t0));
        AcGeVector3d a0, a1;
        if (foreign->getFirstDeriv(std::max(t0, t - h), a0) == Acad::eOk &&
            foreign->getFirstDeriv(std::min(t1, t + h), a1) == Acad::eOk)
          b = (a1 - a0) / (std::min(t1, t + h) - std::max(t0, t - h));
      }
      if (foreignXform) {
        p.transformBy(*foreignXform);
        a.transformBy(*foreignXform);
        b.transformBy(*foreignXform);
      }
      if (d1) *d1 = a;
      if (d2) *d2 = b;
      return;
    }
  }
}

AcGePoint3d CurvePiece::pointAt(double t) const {
  AcGePoint3d p;
  evaluate(t, p, nullptr, nullptr);
  return p;
}

double CurvePiece::toEntity(double t) const {
  if (t1 == t0) return e0;
  return e0 + (t - t0) * (e1 - e0) / (t1 - t0);
}

double CurvePiece::toLocal(double e) const {
  if (e1 == e0) return t0;
  return t0 + (e - e0) * (t1 - t0) / (e1 - e0);
}

double CurvePiece::entityPerLocal() const { return t1 == t0 ? 1.0 : (e1 - e0) / (t1 - t0); }

AcGeVector3d CurvePiece::conicNormal() const {
  if (kind != kConic) return AcGeVector3d();
  AcGeVector3d n = u.crossProduct(v);
  const double l = n.length();
  return l > 0.0 ? n / l : AcGeVector3d();
}

bool CurvePiece::isDegenerate() const {
  switch (kind) {
    case kLine:
      return !(u.lengthSqrd() > 0.0);
    case kConic:
      return !(t1 > t0) || !(u.lengthSqrd() > 0.0) || !(v.lengthSqrd() > 0.0);
    default:
      return !(t1 > t0);
  }
}

double CurvePiece::length(double ta, double tb) const {
  if (!(tb > ta)) return 0.0;
  if (kind == kLine) return u.length() * (tb - ta);
  if (isCircle()) return radius() * (tb - ta);
  const std::vector<double> br = subdivide(*this, ta, tb);
  auto speed = [&](double t) {
    AcGePoint3d p;
    AcGeVector3d d;
    evaluate(t, p, &d, nullptr);
    return d.length();
  };
  // Gauss on each sub-interval, halved until the halves agree with the whole.
  std::function<double(double, double, double, int)> adapt = [&](double a, double b, double whole, int depth) {
    const double m = 0.5 * (a + b);
    const double l = gauss(a, m, speed), r = gauss(m, b, speed);
    if (depth >= 12 || std::fabs(l + r - whole) <= 1e-14 * std::max(1.0, std::fabs(whole))) return l + r;
    return adapt(a, m, l, depth + 1) + adapt(m, b, r, depth + 1);
  };
  double s = 0.0;
  for (size_t i = 0; i + 1 < br.size(); ++i) s += adapt(br[i], br[i + 1], gauss(br[i], br[i + 1], speed), 0);
  return s;
}

double CurvePiece::paramAtLength(double ta, double len, double hi) const {
  if (len <= 0.0) return ta;
  if (kind == kLine) {
    const double l = u.length();
    return l > 0.0 ? ta + len / l : ta;
  }
  if (isCircle()) {
    const double r = radius();
    return r > 0.0 ? ta + len / r : ta;
  }
  // Bracketed Newton on length(ta, t) = len, working span by span.
  const std::vector<double> br = subdivide(*this, ta, hi);
  double acc = 0.0;
  for (size_t i = 0; i + 1 < br.size(); ++i) {
    const double seg = length(br[i], br[i + 1]);
    if (acc + seg < len && i + 2 < br.size()) {
      acc += seg;
      continue;
    }
    double lo = br[i], up = br[i + 1];
    const double want = len - acc;
    double t = lo + (up - lo) * std::min(1.0, std::max(0.0, seg > 0.0 ? want / seg : 0.0));
    for (int it = 0; it < 60; ++it) {
      const double f = length(br[i], t) - want;
      if (std::fabs(f) <= 1e-13 * std::max(1.0, len)) break;
      if (f > 0.0)
        up = t;
      else
        lo = t;
      AcGePoint3d p;
      AcGeVector3d d;
      evaluate(t, p, &d, nullptr);
      const double sp = d.length();
      double next = sp > 0.0 ? t - f / sp : 0.5 * (lo + up);
      if (!(next > lo && next < up)) next = 0.5 * (lo + up);
      if (std::fabs(next - t) <= 1e-15 * std::max(1.0, std::fabs(t))) {
        t = next;
        break;
      }
      t = next;
    }
    return t;
  }
  return hi;
}

double CurvePiece::closestParam(const AcGePoint3d& p, double lo, double hi) const {
  if (kind == kLine) {
    const double l2 = u.lengthSqrd();
    if (!(l2 > 0.0)) return std::isfinite(lo) ? lo : 0.0;
    const double s = (p - origin).dotProduct(u) / l2;
    return std::min(std::max(s, lo), hi);
  }
  if (isCircle()) {
    const AcGeVector3d w = p - origin;
    const double x = w.dotProduct(u), y = w.dotProduct(v);
    if (x == 0.0 && y == 0.0) return lo;
    double a = std::atan2(y, x);
    // Into [lo, lo + 2π).
    a = lo + VeskGe::normalizeAngle(a - lo);
    if (a <= hi) return a;
    // Outside the arc: the nearer end (the gap is split at its middle).
    const double gapMid = hi + 0.5 * (lo + VeskGe::kTwoPi - hi);
    return a < gapMid ? hi : lo;
  }
  // Numeric: samples, then Newton on (P - p)·P' = 0 from the best ones.
  const std::vector<double> br = subdivide(*this, lo, hi);
  std::vector<double> ts;
  for (size_t i = 0; i + 1 < br.size(); ++i)
    for (int j = 0; j < 4; ++j) ts.push_back(br[i] + (br[i + 1] - br[i]) * j / 4.0);
  ts.push_back(hi);
  std::vector<double> ds(ts.size());
  for (size_t i = 0; i < ts.size(); ++i) ds[i] = pointAt(ts[i]).distanceTo(p);
  double best = ts[0], bestD = ds[0];
  for (size_t i = 0; i < ts.size(); ++i) {
    const bool localMin = (i == 0 || ds[i] <= ds[i - 1]) && (i + 1 == ts.size() || ds[i] <= ds[i + 1]);
    if (!localMin) continue;
    double t = ts[i];
    const double a = i > 0 ? ts[i - 1] : lo, b = i + 1 < ts.size() ? ts[i + 1] : hi;
    for (int it = 0; it < 40; ++it) {
      AcGePoint3d q;
      AcGeVector3d d1, d2;
      evaluate(t, q, &d1, &d2);
      const AcGeVector3d w = q - p;
      const double f = w.dotProduct(d1);
      double fp = d1.dotProduct(d1) + w.dotProduct(d2);
      if (fp <= 0.0) fp = d1.dotProduct(d1);
      if (!(fp > 0.0)) break;
      double next = t - f / fp;
      next = std::min(std::max(next, a), b);
      if (std::fabs(next - t) <= 1e-15 * std::max(1.0, std::fabs(t))) {
        t = next;
        break;
      }
      t = next;
    }
    const double d = pointAt(t).distanceTo(p);
    if (d < bestD) {
      bestD = d;
      best = t;
    }
  }
  return best;
}

void CurvePiece::bounds(double lo, double hi, AcGePoint3d& mn, AcGePoint3d& mx) const {
  mn.set(kInf, kInf, kInf);
  mx.set(-kInf, -kInf, -kInf);
  if (kind == kLine) {
    for (int k = 0; k < 3; ++k) {
      double a, b;
      if (u[k] == 0.0) {
        a = b = origin[k];
      } else {
        a = std::isfinite(lo) ? origin[k] + u[k] * lo : (u[k] > 0 ? -kInf : kInf);
        b = std::isfinite(hi) ? origin[k] + u[k] * hi : (u[k] > 0 ? kInf : -kInf);
      }
      mn[k] = std::min(a, b);
      mx[k] = std::max(a, b);
    }
    return;
  }
  if (kind == kConic) {
    // Coordinate k is o + u cos t + v sin t: its extremes o ± |(u, v)| fall at
    // the directions ±(u, v) of the parameter circle. Such a direction lies on
    // the arc when it is on the same side of the chord as the arc's middle.
    const double cl = std::cos(lo), sl = std::sin(lo), ch = std::cos(hi), sh = std::sin(hi);
    const double cm = std::cos(0.5 * (lo + hi)), sm = std::sin(0.5 * (lo + hi));
    growBox(mn, mx, origin + u * cl + v * sl);
    growBox(mn, mx, origin + u * ch + v * sh);
    const bool full = hi - lo >= VeskGe::kTwoPi;
    const double ex = ch - cl, ey = sh - sl;
    const double side = ex * (sm - sl) - ey * (cm - cl);
    for (int k = 0; k < 3; ++k) {
      const double r = std::sqrt(u[k] * u[k] + v[k] * v[k]);
      if (r == 0.0) continue;
      for (int m = 0; m < 2; ++m) {
        const double dx = (m == 0 ? u[k] : -u[k]) / r, dy = (m == 0 ? v[k] : -v[k]) / r;
        const double here = ex * (dy - sl) - ey * (dx - cl);
        if (full || (here > 0.0) == (side > 0.0)) {
          const double val = origin[k] + (m == 0 ? r : -r);
          mn[k] = std::min(mn[k], val);
          mx[k] = std::max(mx[k], val);
        }
      }
    }
    return;
  }
  growBox(mn, mx, pointAt(lo));
  growBox(mn, mx, pointAt(hi));
  // Numeric: roots of each derivative coordinate between samples.
  const std::vector<double> br = subdivide(*this, lo, hi);
  std::vector<double> ts;
  for (size_t i = 0; i + 1 < br.size(); ++i)
    for (int j = 0; j < 4; ++j) ts.push_back(br[i] + (br[i + 1] - br[i]) * j / 4.0);
  ts.push_back(hi);
  std::vector<AcGePoint3d> ps(ts.size());
  std::vector<AcGeVector3d> dv(ts.size());
  for (size_t i = 0; i < ts.size(); ++i) {
    evaluate(ts[i], ps[i], &dv[i], nullptr);
    growBox(mn, mx, ps[i]);
  }
  for (int k = 0; k < 3; ++k) {
    for (size_t i = 0; i + 1 < ts.size(); ++i) {
      if ((dv[i][k] > 0.0) == (dv[i + 1][k] > 0.0)) continue;
      double a = ts[i], b = ts[i + 1];
      const bool aPos = dv[i][k] > 0.0;
      for (int it = 0; it < 50; ++it) {
        const double m = 0.5 * (a + b);
        AcGePoint3d q;
        AcGeVector3d d;
        evaluate(m, q, &d, nullptr);
        if ((d[k] > 0.0) == aPos)
          a = m;
        else
          b = m;
      }
      const AcGePoint3d q = pointAt(0.5 * (a + b));
      mn[k] = std::min(mn[k], q[k]);
      mx[k] = std::max(mx[k], q[k]);
    }
  }
}

CurvePiece CurvePiece::transformed(const AcGeMatrix3d& m) const {
  CurvePiece p = *this;
  switch (kind) {
    case kLine:
      p.origin = m * origin;
      p.u = m * u;
      break;
    case kConic: {
      p.origin = m * origin;
      p.u = m * u;
      p.v = m * v;
      const double lu = p.u.length(), lv = p.v.length();
      p.circular = lu > 0.0 && std::fabs(lu - lv) <= 1e-12 * lu && std::fabs(p.u.dotProduct(p.v)) <= 1e-12 * lu * lv;
      break;
    }
    case kNurbs: {
      auto c = std::make_shared<NurbsCurve>(*nurbs);
      c->transformBy(m);
      p.nurbs = c;
      break;
    }
    case kForeign:
      p.foreignXform = std::make_shared<AcGeMatrix3d>(foreignXform ? m * *foreignXform : m);
      break;
  }
  return p;
}

AcGeVector3d CurvePiece::areaMoment(const AcGePoint3d& o) const {
  switch (kind) {
    case kLine:
      return (origin - o).crossProduct(u) * (t1 - t0);
    case kConic: {
      const AcGeVector3d c = origin - o;
      return c.crossProduct(u) * (std::cos(t1) - std::cos(t0)) + c.crossProduct(v) * (std::sin(t1) - std::sin(t0)) +
             u.crossProduct(v) * (t1 - t0);
    }
    default: {
      const std::vector<double> br = subdivide(*this, t0, t1);
      AcGeVector3d s;
      for (size_t i = 0; i + 1 < br.size(); ++i)
        s += gaussVec(br[i], br[i + 1], [&](double t) {
          AcGePoint3d p;
          AcGeVector3d d;
          evaluate(t, p, &d, nullptr);
          return (p - o).crossProduct(d);
        });
      return s;
    }
  }
}

// ---- CurveGeometry ---------------------------------------------------------------------

void CurveGeometry::setupExtension() {
  for (CurvePiece& p : pieces) {
    p.extLo = p.t0;
    p.extHi = p.t1;
  }
  if (!extendable || closed || pieces.empty()) return;
  int first = 0, last = static_cast<int>(pieces.size()) - 1;
  while (first < last && pieces[static_cast<size_t>(first)].isDegenerate()) ++first;
  while (last > first && pieces[static_cast<size_t>(last)].isDegenerate()) --last;
  CurvePiece& a = pieces[static_cast<size_t>(first)];
  CurvePiece& b = pieces[static_cast<size_t>(last)];
  if (a.kind == CurvePiece::kLine) a.extLo = -kInf;
  if (b.kind == CurvePiece::kLine) b.extHi = kInf;
  if (first == last && a.kind == CurvePiece::kConic) {
    a.extHi = a.t0 + VeskGe::kTwoPi;
  } else {
    if (a.kind == CurvePiece::kConic) a.extLo = a.t1 - VeskGe::kTwoPi;
    if (b.kind == CurvePiece::kConic) b.extHi = b.t0 + VeskGe::kTwoPi;
  }
}

bool CurveGeometry::normalizeParam(double& param) const {
  if (!std::isfinite(param) || pieces.empty()) return false;
  const double span = endParam - startParam;
  const double eps = 1e-10 * std::max({1.0, std::fabs(startParam), std::fabs(endParam)});
  if (periodic && span > 0.0) {
    if (param < startParam || param > endParam) {
      double r = std::fmod(param - startParam, span);
      if (r < 0.0) r += span;
      param = startParam + r;
    }
    return true;
  }
  if (param < startParam) {
    if (param < startParam - eps) return false;
    param = startParam;
  }
  if (param > endParam) {
    if (param > endParam + eps) return false;
    param = endParam;
  }
  return true;
}

int CurveGeometry::pieceAt(double param, bool allowExtension) const {
  if (pieces.empty()) return -1;
  const int n = static_cast<int>(pieces.size());
  if (param < startParam) return allowExtension ? 0 : -1;
  if (param > endParam) return allowExtension ? n - 1 : -1;
  int lo = 0, hi = n - 1;
  while (lo < hi) {
    const int mid = (lo + hi + 1) / 2;
    if (pieces[static_cast<size_t>(mid)].e0 <= param)
      lo = mid;
    else
      hi = mid - 1;
  }
  return lo;
}

bool CurveGeometry::pointAtParam(double param, AcGePoint3d& p, bool allowExtension) const {
  if (!allowExtension && !normalizeParam(param)) return false;
  const int i = pieceAt(param, allowExtension);
  if (i < 0) return false;
  p = pieces[static_cast<size_t>(i)].pointAt(pieces[static_cast<size_t>(i)].toLocal(param));
  return true;
}

bool CurveGeometry::derivsAtParam(double param, AcGePoint3d& p, AcGeVector3d* d1, AcGeVector3d* d2,
                                  bool allowExtension) const {
  if (!allowExtension && !normalizeParam(param)) return false;
  const int i = pieceAt(param, allowExtension);
  if (i < 0) return false;
  const CurvePiece& pc = pieces[static_cast<size_t>(i)];
  AcGeVector3d a, b;
  pc.evaluate(pc.toLocal(param), p, &a, &b);
  const double k = 1.0 / pc.entityPerLocal();
  if (d1) *d1 = a * k;
  if (d2) *d2 = b * (k * k);
  return true;
}

AcGePoint3d CurveGeometry::startPoint() const { return pieces.empty() ? AcGePoint3d() : pieces.front().startPoint(); }

AcGePoint3d CurveGeometry::endPoint() const { return pieces.empty() ? AcGePoint3d() : pieces.back().endPoint(); }

double CurveGeometry::length() const {
  double s = 0.0;
  for (const CurvePiece& p : pieces) s += p.length(p.t0, p.t1);
  return s;
}

bool CurveGeometry::distAtParam(double param, double& dist) const {
  if (!normalizeParam(param)) return false;
  const int i = pieceAt(param);
  if (i < 0) return false;
  double s = 0.0;
  for (int k = 0; k < i; ++k) s += pieces[static_cast<size_t>(k)].length(pieces[static_cast<size_t>(k)].t0,
                                                                        pieces[static_cast<size_t>(k)].t1);
  const CurvePiece& pc = pieces[static_cast<size_t>(i)];
  s += pc.length(pc.t0, pc.toLocal(param));
  dist = s;
  return true;
}

bool CurveGeometry::paramAtDist(double dist, double& param) const {
  if (!std::isfinite(dist) || pieces.empty()) return false;
  const double total = length();
  const double eps = 1e-10 * std::max(1.0, total);
  if (dist < -eps || dist > total + eps) return false;
  dist = std::min(std::max(dist, 0.0), total);
  double acc = 0.0;
  for (size_t i = 0; i < pieces.size(); ++i) {
    const CurvePiece& pc = pieces[i];
    const double l = pc.length(pc.t0, pc.t1);
    if (acc + l >= dist || i + 1 == pieces.size()) {
      // Skip zero-length pieces unless nothing follows.
      if (l <= 0.0 && i + 1 < pieces.size()) continue;
      const double t = pc.paramAtLength(pc.t0, std::min(dist - acc, l), pc.t1);
      param = pc.toEntity(std::min(t, pc.t1));
      return true;
    }
    acc += l;
  }
  param = endParam;
  return true;
}

void CurveGeometry::closestPoint(const AcGePoint3d& p, bool extend, double& param, AcGePoint3d& onCurve) const {
  double bestD = kInf;
  param = startParam;
  onCurve = startPoint();
  for (size_t i = 0; i < pieces.size(); ++i) {
    const CurvePiece& pc = pieces[i];
    if (pc.isDegenerate() && pieces.size() > 1) continue;
    const double lo = extend ? pc.extLo : pc.t0;
    const double hi = extend ? pc.extHi : pc.t1;
    const double t = pc.closestParam(p, lo, hi);
    const AcGePoint3d q = pc.pointAt(t);
    const double d = q.distanceTo(p);
    if (!std::isfinite(bestD) || d < bestD - 1e-15 * std::max(1.0, bestD)) {
      bestD = d;
      param = pc.toEntity(t);
      onCurve = q;
    }
  }
}

bool CurveGeometry::paramAtPoint(const AcGePoint3d& p, double& param, double tol) const {
  if (pieces.empty()) return false;
  AcGePoint3d q;
  closestPoint(p, false, param, q);
  if (q.distanceTo(p) > tol) return false;
  if (periodic && param >= endParam) param = startParam;
  return true;
}

void CurveGeometry::extents(AcGePoint3d& mn, AcGePoint3d& mx) const {
  mn.set(kInf, kInf, kInf);
  mx.set(-kInf, -kInf, -kInf);
  for (const CurvePiece& pc : pieces) {
    AcGePoint3d a, b;
    pc.bounds(pc.t0, pc.t1, a, b);
    growBox(mn, mx, a);
    growBox(mn, mx, b);
  }
}

double CurveGeometry::area() const {
  if (pieces.empty()) return 0.0;
  const AcGePoint3d o = startPoint();
  AcGeVector3d m;
  for (const CurvePiece& pc : pieces) m += pc.areaMoment(o);
  // Closing chord from the end back to the start.
  m += (endPoint() - o).crossProduct(o - endPoint());
  AcGeVector3d n = normal;
  if (n.isZeroLength()) n = m;
  const double l = n.length();
  if (!(l > 0.0)) return 0.0;
  return std::fabs(m.dotProduct(n / l)) * 0.5;
}

CurveGeometry CurveGeometry::transformed(const AcGeMatrix3d& m) const {
  CurveGeometry g = *this;
  for (CurvePiece& p : g.pieces) p = p.transformed(m);
  if (!normal.isZeroLength()) {
    const AcGeVector3d x = normal.perpVector();
    const AcGeVector3d y = normal.crossProduct(x);
    g.normal = (m * x).crossProduct(m * y).normal();
  }
  return g;
}

CurveGeometry CurveGeometry::projected(const AcGePoint3d& planePoint, const AcGeVector3d& planeNormal,
                                       const AcGeVector3d& dir) const {
  CurveGeometry g = transformed(projectionMatrix(planePoint, planeNormal, dir));
  g.normal = planeNormal.normal();
  return g;
}

double CurveGeometry::magnitude() const {
  double m = 0.0;
  for (const CurvePiece& p : pieces) {
    if (p.kind == CurvePiece::kNurbs) {
      for (const AcGePoint3d& c : p.nurbs->controlPoints())
        m = std::max({m, std::fabs(c.x), std::fabs(c.y), std::fabs(c.z)});
      continue;
    }
    const AcGePoint3d q = p.kind == CurvePiece::kForeign ? p.pointAt(p.t0) : p.origin;
    double extra = 0.0;
    if (p.kind != CurvePiece::kForeign)
      extra = std::fabs(p.u.x) + std::fabs(p.u.y) + std::fabs(p.u.z) + std::fabs(p.v.x) + std::fabs(p.v.y) +
              std::fabs(p.v.z);
    m = std::max({m, std::fabs(q.x) + extra, std::fabs(q.y) + extra, std::fabs(q.z) + extra});
  }
  return m;
}

}  // namespace vhost
