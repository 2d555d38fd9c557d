#include "arx/entities/BulgeOutline.h"

#include <algorithm>
#include <cmath>

#include "arx/entities/AcDbArc.h"
#include "arx/entities/AcDbLine.h"
#include "arx/entities/EntityPlaneUtil.h"
#include "arx/ge/BulgePiece.h"
#include "arx/ge/GeMath.h"

namespace vhost {

int BulgeOutline::numSegs() const {
  const int n = static_cast<int>(verts.size());
  if (n < 2) return 0;
  return closed ? n : n - 1;
}

AcGePoint3d BulgeOutline::toWorld(const AcGePoint2d& p) const {
  AcGeVector3d x, y;
  ecsAxes(normal, x, y);
  return AcGePoint3d::kOrigin + x * p.x + y * p.y + normal * elevation;
}

AcGePoint2d BulgeOutline::toPlane(const AcGePoint3d& p) const {
  AcGeVector3d x, y;
  ecsAxes(normal, x, y);
  return AcGePoint2d(p.asVector().dotProduct(x), p.asVector().dotProduct(y));
}

bool BulgeOutline::isCoincident(int i) const {
  const size_t n = verts.size();
  return verts[static_cast<size_t>(i) % n].pt.isEqualTo(verts[static_cast<size_t>(i + 1) % n].pt);
}

bool BulgeOutline::isStraight(int i) const {
  return std::fabs(verts[static_cast<size_t>(i) % verts.size()].bulge) < VeskGe::BulgePiece::kLineBulge;
}

Acad::ErrorStatus BulgeOutline::buildGeometry(CurveGeometry& g) const {
  g = CurveGeometry();
  const size_t n = verts.size();
  if (n == 0) return Acad::eDegenerateGeometry;
  AcGeVector3d x, y;
  ecsAxes(normal, x, y);
  const AcGeVector3d lift = normal * elevation;
  auto world = [&](const AcGePoint2d& p) { return AcGePoint3d::kOrigin + x * p.x + y * p.y + lift; };
  g.normal = normal;
  g.closed = closed;
  g.startParam = 0.0;
  if (n == 1) {
    const AcGePoint3d p = world(verts[0].pt);
    g.pieces.push_back(CurvePiece::line(p, p, 0.0, 0.0));
    g.endParam = 0.0;
    return Acad::eOk;
  }
  const int segs = numSegs();
  g.pieces.reserve(static_cast<size_t>(segs));
  const double eq = AcGeContext::gTol.equalPoint(), eq2 = eq * eq;
  for (int i = 0; i < segs; ++i) {
    const OutlineVertex& a = verts[static_cast<size_t>(i)];
    const OutlineVertex& b = verts[static_cast<size_t>(i + 1) % n];
    const AcGePoint3d pa = world(a.pt);
    const double dx = b.pt.x - a.pt.x, dy = b.pt.y - a.pt.y;
    if (dx * dx + dy * dy <= eq2) {
      g.pieces.push_back(CurvePiece::line(pa, pa, i, i + 1.0));
      continue;
    }
    if (std::fabs(a.bulge) < VeskGe::BulgePiece::kLineBulge) {
      g.pieces.push_back(CurvePiece::line(pa, world(b.pt), i, i + 1.0));
      continue;
    }
    const VeskGe::BulgePiece piece(a.pt, b.pt, a.bulge);
    AcGePoint3d c2;
    piece.center(c2);
    const AcGePoint3d c = world(AcGePoint2d(c2.x, c2.y));
    const double theta = std::fabs(piece.includedAngle());
    const AcGeVector3d an = a.bulge > 0.0 ? normal : -normal;
    const AcGeVector3d av = an.crossProduct(x);
    const AcGeVector3d w = pa - c;
    const double a0 = std::atan2(w.dotProduct(av), w.dotProduct(x));
    g.pieces.push_back(CurvePiece::arc(c, an, x, piece.radius(), a0, a0 + theta, i, i + 1.0));
  }
  g.endParam = segs;
  return Acad::eOk;
}

std::vector<OutlineVertex> BulgeOutline::part(double a, double b) const {
  const size_t n = verts.size();
  std::vector<OutlineVertex> out;
  if (n == 0) return out;
  auto seg = [&](long k) -> const OutlineVertex& { return verts[static_cast<size_t>(k) % n]; };
  auto widthAt = [&](long k, double f) { return seg(k).startWidth + (seg(k).endWidth - seg(k).startWidth) * f; };
  // The vertex at parameter p: the outline's own vertex at whole parameters.
  auto at = [&](double p) {
    long k = static_cast<long>(std::floor(p + 1e-12));
    double f = p - k;
    if (f < 0.0) f = 0.0;
    OutlineVertex v;
    if (f <= 1e-12) return seg(k);
    const VeskGe::BulgePiece piece(seg(k).pt, seg(k + 1).pt, seg(k).bulge);
    const AcGePoint3d q = piece.pointAt(f);
    v.pt.set(q.x, q.y);
    v.startWidth = v.endWidth = widthAt(k, f);
    return v;
  };
  double p = a;
  while (p < b - 1e-12) {
    const long k = static_cast<long>(std::floor(p + 1e-12));
    const double f0 = std::max(0.0, p - k);
    const double q = std::min(b, static_cast<double>(k + 1));
    const double f1 = q - k;
    OutlineVertex v = at(p);
    const double b0 = seg(k).bulge;
    v.bulge = (b0 == 0.0 || (f0 <= 1e-12 && f1 >= 1.0 - 1e-12)) ? b0 : std::tan(std::atan(b0) * (f1 - f0));
    v.startWidth = widthAt(k, f0);
    v.endWidth = widthAt(k, f1);
    out.push_back(v);
    p = q;
  }
  OutlineVertex last = at(b);
  last.bulge = 0.0;
  out.push_back(last);
  return out;
}

std::vector<std::pair<double, double>> BulgeOutline::splitRanges(const std::vector<double>& params) const {
  std::vector<std::pair<double, double>> ranges;
  const double end = numSegs();
  const double eps = 1e-10 * std::max(1.0, end);
  std::vector<double> ps = params;
  if (closed) {
    if (ps.size() > 1 && ps.back() >= end - eps) ps.pop_back();  // the end is the start
    if (ps.empty()) ps.push_back(0.0);
    for (size_t i = 0; i < ps.size(); ++i) ranges.emplace_back(ps[i], i + 1 < ps.size() ? ps[i + 1] : ps[0] + end);
  } else {
    std::vector<double> cuts{0.0};
    for (double p : ps)
      if (p > eps && p < end - eps) cuts.push_back(p);
    cuts.push_back(end);
    for (size_t i = 0; i + 1 < cuts.size(); ++i) ranges.emplace_back(cuts[i], cuts[i + 1]);
  }
  return ranges;
}

Acad::ErrorStatus BulgeOutline::extend(double newParam) {
  if (closed) return Acad::eNotApplicable;
  const int segs = numSegs();
  if (segs == 0) return Acad::eDegenerateGeometry;
  if (!std::isfinite(newParam) || (newParam >= 0.0 && newParam <= segs)) return Acad::eInvalidInput;
  const bool atStart = newParam < 0.0;
  const size_t i = atStart ? 0 : static_cast<size_t>(segs - 1);
  const OutlineVertex s = verts[i];
  const OutlineVertex e = verts[i + 1];
  if (s.pt.isEqualTo(e.pt)) return Acad::eDegenerateGeometry;
  // Fraction of the end segment at the new end; the segment grows to span it.
  const double f = atStart ? newParam : newParam - static_cast<double>(i);
  const double span = atStart ? 1.0 - f : f;
  const double theta = 4.0 * std::atan(s.bulge);
  if (std::fabs(theta * span) >= VeskGe::kTwoPi) return Acad::eInvalidInput;
  const VeskGe::BulgePiece piece(s.pt, e.pt, s.bulge);
  const AcGePoint3d q = piece.pointAt(f);
  verts[atStart ? 0 : i + 1].pt.set(q.x, q.y);
  verts[i].bulge = s.bulge == 0.0 ? 0.0 : std::tan(theta * span / 4.0);
  return Acad::eOk;
}

Acad::ErrorStatus BulgeOutline::extend(bool atStart, const AcGePoint3d& toPoint) {
  if (closed) return Acad::eNotApplicable;
  const int segs = numSegs();
  if (segs == 0) return Acad::eDegenerateGeometry;
  const size_t i = atStart ? 0 : static_cast<size_t>(segs - 1);
  const OutlineVertex s = verts[i];
  const OutlineVertex e = verts[i + 1];
  if (s.pt.isEqualTo(e.pt)) return Acad::eDegenerateGeometry;
  const double tol = pointTolerance(toPoint.asVector().length());
  if ((toPoint - toWorld(toPlane(toPoint))).length() > tol) return Acad::eInvalidInput;
  const AcGePoint2d p = toPlane(toPoint);
  double f;
  if (std::fabs(s.bulge) < VeskGe::BulgePiece::kLineBulge) {
    const AcGeVector2d d = e.pt - s.pt;
    const AcGeVector2d w = p - s.pt;
    if (std::fabs(d.x * w.y - d.y * w.x) / d.length() > tol) return Acad::eInvalidInput;
    f = w.dotProduct(d) / d.lengthSqrd();
  } else {
    const VeskGe::BulgePiece piece(s.pt, e.pt, s.bulge);
    AcGePoint3d c3;
    piece.center(c3);
    const AcGePoint2d c(c3.x, c3.y);
    if (std::fabs(p.distanceTo(c) - piece.radius()) > tol) return Acad::eInvalidInput;
    // Angle travelled from the segment's start to the point, in the segment's sense.
    const double sign = s.bulge > 0.0 ? 1.0 : -1.0;
    const double theta = std::fabs(piece.includedAngle());
    double travel = VeskGe::normalizeAngle(sign * ((p - c).angle() - (s.pt - c).angle()));
    if (atStart && travel > theta) travel -= VeskGe::kTwoPi;
    f = travel / theta;
  }
  const double fTol = 1e-12;
  if (atStart ? f > fTol : f < 1.0 - fTol) return Acad::eInvalidInput;
  const double theta = 4.0 * std::atan(s.bulge);
  const double span = atStart ? 1.0 - f : f;
  verts[atStart ? 0 : i + 1].pt = p;
  verts[i].bulge = s.bulge == 0.0 ? 0.0 : std::tan(theta * span / 4.0);
  return Acad::eOk;
}

void BulgeOutline::reverse() {
  const size_t n = verts.size();
  if (n < 2) return;
  std::vector<OutlineVertex> r(n);
  // Segment k of the reversed outline is segment n-2-k walked backwards; the
  // closing segment of a closed outline stays the closing segment.
  const size_t segs = closed ? n : n - 1;
  for (size_t k = 0; k < n; ++k) r[k].pt = verts[n - 1 - k].pt;
  for (size_t k = 0; k < segs; ++k) {
    const size_t src = (k + 1 < n) ? n - 2 - k : n - 1;
    r[k].bulge = -verts[src].bulge;
    r[k].startWidth = verts[src].endWidth;
    r[k].endWidth = verts[src].startWidth;
  }
  if (!closed) {
    r[n - 1].bulge = 0.0;
    r[n - 1].startWidth = verts[0].endWidth;
    r[n - 1].endWidth = verts[0].startWidth;
  }
  verts = std::move(r);
}

Acad::ErrorStatus BulgeOutline::transformBy(const AcGeMatrix3d& xform, double& thickness) {
  bool arcs = false;
  for (int i = 0; i < numSegs(); ++i)
    if (!isStraight(i) && !isCoincident(i)) arcs = true;
  if (arcs && !xform.isUniScaledOrtho()) return Acad::eCannotScaleNonUniformly;
  AcGeVector3d n;
  if (!transformNormal(xform, normal, n)) return Acad::eCannotScaleNonUniformly;
  std::vector<AcGePoint3d> world(verts.size());
  for (size_t i = 0; i < verts.size(); ++i) world[i] = xform * toWorld(verts[i].pt);
  const AcGeVector3d ext = xform * (normal * thickness);
  AcGeVector3d x, y;
  ecsAxes(normal, x, y);
  const double widthScale = std::sqrt((xform * x).crossProduct(xform * y).length());
  const bool mirrored = xform.det() < 0.0;
  const AcGePoint3d base = xform * toWorld(AcGePoint2d());
  normal = n;
  thickness = ext.dotProduct(n);
  elevation = base.asVector().dotProduct(n);
  for (size_t i = 0; i < verts.size(); ++i) {
    verts[i].pt = toPlane(world[i]);
    if (mirrored) verts[i].bulge = -verts[i].bulge;
    verts[i].startWidth *= widthScale;
    verts[i].endWidth *= widthScale;
  }
  return Acad::eOk;
}

void BulgeOutline::explode(const AcDbEntity* from, double thickness, AcDbVoidPtrArray& out) const {
  const size_t n = verts.size();
  const int segs = numSegs();
  for (int i = 0; i < segs; ++i) {
    if (isCoincident(i)) continue;
    const OutlineVertex& a = verts[static_cast<size_t>(i)];
    const OutlineVertex& b = verts[static_cast<size_t>(i + 1) % n];
    AcDbCurve* piece;
    if (isStraight(i)) {
      AcDbLine* line = new AcDbLine(toWorld(a.pt), toWorld(b.pt));
      line->setNormal(normal);
      line->setThickness(thickness);
      piece = line;
    } else {
      const VeskGe::BulgePiece bp(a.pt, b.pt, a.bulge);
      AcGePoint3d c2;
      bp.center(c2);
      const AcGePoint3d c = toWorld(AcGePoint2d(c2.x, c2.y));
      const AcGePoint3d pa = toWorld(a.pt), pb = toWorld(b.pt);
      // Arcs run counter-clockwise: a clockwise segment becomes the arc from its end to its start.
      const double s = ecsAngle(c, normal, a.bulge > 0.0 ? pa : pb);
      const double e = ecsAngle(c, normal, a.bulge > 0.0 ? pb : pa);
      AcDbArc* arc = new AcDbArc(c, normal, bp.radius(), s, e);
      arc->setThickness(thickness);
      piece = arc;
    }
    if (from) piece->setPropertiesFrom(from);
    out.append(piece);
  }
}

}  // namespace vhost
