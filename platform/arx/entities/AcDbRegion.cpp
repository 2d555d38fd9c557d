#include "arx/entities/AcDbRegion.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cwchar>

#include "arx/db/AcDbCurve.h"
#include "arx/db/AcDbDwgFiler.h"
#include "arx/entities/VhostAnnotationDxf.h"
#include "arx/entities/AcDbArc.h"
#include "arx/entities/AcDbCircle.h"
#include "arx/entities/AcDbLine.h"
#include "arx/entities/VhostAnnotationUtil.h"
#include "arx/entities/VhostLoopGeometry.h"
#include "arx/ge/AcDbExtents.h"
#include "arx/ge/AcGeMatrix3d.h"
#include "arx/ge/AcGePlane.h"
#include "arx/ge/GeMath.h"

VHOST_DEFINE_BUILTIN_CLASS(AcDbRegion, AcDbEntity, L"REGION")

using namespace vhost::annot;
using VeskGe::BulgePiece;

namespace {

Pieces reversedLoop(const Pieces& loop) {
  Pieces out;
  for (auto it = loop.rbegin(); it != loop.rend(); ++it) out.push_back(it->reversed());
  return out;
}

AcDbRegion::Loop toLoop(const Pieces& pieces) {
  AcDbRegion::Loop l;
  piecesToOutline(pieces, l.vertices, l.bulges);
  return l;
}

double sizeOf(const Pieces& pieces) {
  double size = 0.0;
  for (const BulgePiece& p : pieces) {
    AcGePoint2d lo, hi;
    p.getExtents(lo, hi);
    size = std::fmax(size, std::fmax(std::fmax(std::fabs(lo.x), std::fabs(lo.y)), std::fmax(std::fabs(hi.x), std::fabs(hi.y))));
  }
  return size;
}

// Gauss-Legendre rule of order 8 on [-1, 1].
struct GaussLegendre {
  static constexpr int kN = 8;
  double x[kN], w[kN];
  GaussLegendre() {
    for (int i = 0; i < kN; ++i) {
      double z = std::cos(VeskGe::kPi * (i + 0.75) / (kN + 0.5));
      double dp = 1.0;
      for (int iter = 0; iter < 100; ++iter) {
        double p0 = 1.0, p1 = z;
        for (int k = 2; k <= kN; ++k) {
          const double p2 = ((2.0 * k - 1.0) * z * p1 - (k - 1.0) * p0) / k;
          p0 = p1;
          p1 = p2;
        }
        dp = kN * (z * p1 - p0) / (z * z - 1.0);
        const double dz = p1 / dp;
        z -= dz;
        if (std::fabs(dz) < 1e-16) break;
      }
      x[i] = z;
      w[i] = 2.0 / ((1.0 - z * z) * dp * dp);
    }
  }
};

const GaussLegendre& gauss() {
  static const GaussLegendre g;
  return g;
}

// Area integrals by Green's theorem over closed outlines.
struct Moments {
  double a = 0.0, sx = 0.0, sy = 0.0, ixx = 0.0, iyy = 0.0, ixy = 0.0;
  void add(double x, double y, double dx, double dy, double w) {
    a += 0.5 * (x * dy - y * dx) * w;
    sx += 0.5 * x * x * dy * w;
    sy += -0.5 * y * y * dx * w;
    iyy += x * x * x * dy * w / 3.0;
    ixx += -y * y * y * dx * w / 3.0;
    ixy += 0.5 * x * x * y * dy * w;
  }
  void addPiece(const BulgePiece& p) {
    const GaussLegendre& g = gauss();
    if (!p.isArc()) {
      const AcGePoint2d a = p.start2d(), b = p.end2d();
      const double dx = b.x - a.x, dy = b.y - a.y;
      for (int i = 0; i < GaussLegendre::kN; ++i) {
        const double t = 0.5 * (g.x[i] + 1.0);
        add(a.x + dx * t, a.y + dy * t, dx, dy, 0.5 * g.w[i]);
      }
      return;
    }
    AcGePoint3d c;
    p.center(c);
    const double r = p.radius();
    const double sweep = p.includedAngle();
    const double t0 = std::atan2(p.start2d().y - c.y, p.start2d().x - c.x);
    constexpr int kParts = 8;
    for (int part = 0; part < kParts; ++part) {
      const double lo = t0 + sweep * part / kParts, span = sweep / kParts;
      for (int i = 0; i < GaussLegendre::kN; ++i) {
        const double th = lo + span * 0.5 * (g.x[i] + 1.0);
        add(c.x + r * std::cos(th), c.y + r * std::sin(th), -r * std::sin(th), r * std::cos(th), 0.5 * span * g.w[i]);
      }
    }
  }
};

enum class Side { kInside, kOutside, kSame, kOpposite };

Side classify(const BulgePiece& piece, const std::vector<Pieces>& region, double tolOn) {
  const AcGePoint3d m3 = piece.midPoint();
  const AcGePoint3d m(m3.x, m3.y, 0.0);
  double best = 1e300;
  const BulgePiece* closest = nullptr;
  for (const Pieces& loop : region) {
    for (const BulgePiece& q : loop) {
      const double d = q.distanceTo(m);
      if (d < best) {
        best = d;
        closest = &q;
      }
    }
  }
  if (closest != nullptr && best <= tolOn) {
    const AcGeVector3d tp = piece.tangentAt(0.5);
    const AcGeVector3d tq = closest->tangentAt(closest->fractionOf(m));
    return tp.dotProduct(tq) > 0.0 ? Side::kSame : Side::kOpposite;
  }
  int inside = 0;
  for (const Pieces& loop : region)
    if (pointInLoop(loop, AcGePoint2d(m.x, m.y))) ++inside;
  return (inside % 2) ? Side::kInside : Side::kOutside;
}

// Splits each piece at the fractions given.
Pieces splitPieces(const Pieces& pieces, std::vector<std::vector<double>>& cuts) {
  Pieces out;
  for (size_t i = 0; i < pieces.size(); ++i) {
    std::vector<double>& c = cuts[i];
    c.push_back(0.0);
    c.push_back(1.0);
    std::sort(c.begin(), c.end());
    std::vector<double> keep;
    for (double f : c) {
      f = std::fmin(1.0, std::fmax(0.0, f));
      if (keep.empty() || f - keep.back() > 1e-11) keep.push_back(f);
    }
    keep.back() = 1.0;
    if (keep.size() < 2) {
      out.push_back(pieces[i]);
      continue;
    }
    for (size_t k = 0; k + 1 < keep.size(); ++k) {
      if (keep[k] == 0.0 && keep[k + 1] == 1.0) {
        out.push_back(pieces[i]);
      } else {
        BulgePiece sub = pieces[i].subPiece(keep[k], keep[k + 1]);
        if (k == 0) sub.set(pieces[i].start2d(), sub.end2d(), sub.bulge(), sub.elevation());
        if (k + 2 == keep.size()) sub.set(sub.start2d(), pieces[i].end2d(), sub.bulge(), sub.elevation());
        out.push_back(sub);
      }
    }
  }
  return out;
}

}  // namespace

AcDbRegion::AcDbRegion() = default;
AcDbRegion::~AcDbRegion() = default;

void AcDbRegion::normalizeLoops() {
  std::vector<Pieces> loops;
  for (const Loop& l : mLoops) loops.push_back(outlinePieces(l.vertices, l.bulges));
  mLoops.clear();
  for (size_t i = 0; i < loops.size(); ++i) {
    if (loops[i].empty()) continue;
    const AcGePoint3d m = loops[i].front().midPoint();
    int depth = 0;
    for (size_t j = 0; j < loops.size(); ++j)
      if (j != i && !loops[j].empty() && pointInLoop(loops[j], AcGePoint2d(m.x, m.y))) ++depth;
    const double area = loopArea(loops[i]);
    const bool wantCcw = depth % 2 == 0;
    mLoops.push_back(toLoop((area > 0.0) == wantCcw ? loops[i] : reversedLoop(loops[i])));
  }
}

Acad::ErrorStatus AcDbRegion::createFromCurves(const AcDbVoidPtrArray& curveSegments, AcDbVoidPtrArray& regions) {
  if (curveSegments.isEmpty()) return Acad::eInvalidInput;
  std::vector<const AcDbCurve*> curves;
  for (void* raw : curveSegments) {
    if (raw == nullptr) return Acad::eInvalidInput;
    const AcDbCurve* c = AcDbCurve::cast(static_cast<AcDbEntity*>(raw));
    if (c == nullptr) return Acad::eNotThatKindOfClass;
    curves.push_back(c);
  }
  // The plane: that of the first planar curve, else of the points.
  std::vector<AcGePoint3d> pts;
  for (const AcDbCurve* c : curves) {
    double s = 0.0, e = 0.0;
    AcGePoint3d p;
    if (c->getStartParam(s) != Acad::eOk || c->getEndParam(e) != Acad::eOk) continue;
    for (double f : {0.0, 0.25, 0.5, 0.75, 1.0})
      if (c->getPointAtParam(s + (e - s) * f, p) == Acad::eOk) pts.push_back(p);
  }
  if (pts.empty()) return Acad::eInvalidInput;
  AcGeVector3d normal;
  bool found = false;
  for (const AcDbCurve* c : curves) {
    AcGePlane plane;
    AcDb::Planarity kind = AcDb::kNonPlanar;
    if (c->getPlane(plane, kind) == Acad::eOk && kind == AcDb::kPlanar) {
      normal = plane.normal();
      found = unitNormal(normal, normal);
      if (found) break;
    }
  }
  if (!found) {
    for (size_t i = 1; i < pts.size() && !found; ++i)
      for (size_t j = i + 1; j < pts.size() && !found; ++j) {
        AcGeVector3d n = (pts[i] - pts[0]).crossProduct(pts[j] - pts[0]);
        if (n.length() > 1e-9 * (1.0 + (pts[i] - pts[0]).lengthSqrd())) found = unitNormal(n, normal);
      }
  }
  if (!found) return Acad::eInvalidInput;
  if (normal.z < 0.0 || (normal.z == 0.0 && (normal.y < 0.0 || (normal.y == 0.0 && normal.x < 0.0)))) normal = -normal;
  const AcGeMatrix3d toPlane = AcGeMatrix3d::worldToPlane(normal);
  const double elevation = (toPlane * pts.front()).z;
  double size = 0.0;
  for (const AcGePoint3d& p : pts) size = std::fmax(size, p.asVector().length());
  const double planeTol = 1e-9 + 1e-9 * size;
  for (const AcGePoint3d& p : pts)
    if (std::fabs((toPlane * p).z - elevation) > planeTol) return Acad::eInvalidPlane;

  // A curve that closes by itself is one loop as it stands (and is refused
  // when it touches itself); the pieces of the others are joined up.
  Pieces loose;
  std::vector<Pieces> loops;
  for (const AcDbCurve* c : curves) {
    Pieces own;
    Acad::ErrorStatus es = curvePieces(c, toPlane, own);
    if (es != Acad::eOk) return es;
    Pieces closed;
    if (own.size() >= 2 && chainSingleLoop(own, joinTolerance(own), closed))
      loops.push_back(closed);
    else
      loose.insert(loose.end(), own.begin(), own.end());
  }
  Pieces leftovers;
  chainLoops(loose, joinTolerance(loose), loops, leftovers);
  int made = 0;
  for (Pieces& loop : loops) {
    const double area = loopArea(loop);
    if (!(std::fabs(area) > 1e-12 * (1.0 + size * size)) || loopSelfIntersects(loop)) continue;
    auto* region = new AcDbRegion();
    region->mNormal = normal;
    region->mElevation = elevation;
    region->mLoops.push_back(toLoop(area > 0.0 ? loop : reversedLoop(loop)));
    regions.append(region);
    ++made;
  }
  return made > 0 ? Acad::eOk : Acad::eInvalidInput;
}

bool AcDbRegion::isNull() const {
  assertReadEnabled();
  return mLoops.empty();
}

Acad::ErrorStatus AcDbRegion::getNormal(AcGeVector3d& normal) const {
  assertReadEnabled();
  normal = mNormal;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbRegion::getArea(double& area) const {
  assertReadEnabled();
  area = 0.0;
  for (const Loop& l : mLoops) area += loopArea(outlinePieces(l.vertices, l.bulges));
  return Acad::eOk;
}

Acad::ErrorStatus AcDbRegion::getPerimeter(double& perimeter) const {
  assertReadEnabled();
  perimeter = 0.0;
  for (const Loop& l : mLoops) perimeter += loopLength(outlinePieces(l.vertices, l.bulges));
  return Acad::eOk;
}

Acad::ErrorStatus AcDbRegion::getAreaProp(const AcGePoint3d& origin, const AcGeVector3d& xAxis,
                                          const AcGeVector3d& yAxis, double& perimeter, double& area,
                                          AcGePoint2d& centroid, double momInertia[2], double& prodInertia,
                                          double prinMoments[2], AcGeVector2d prinAxes[2], double radiiGyration[2],
                                          AcGePoint2d& extentsLow, AcGePoint2d& extentsHigh) const {
  assertReadEnabled();
  AcGeVector3d ux, uy;
  if (!unitNormal(xAxis, ux) || !unitNormal(yAxis, uy)) return Acad::eInvalidInput;
  if (std::fabs(ux.dotProduct(uy)) > 1e-9 || std::fabs(ux.dotProduct(mNormal)) > 1e-9 ||
      std::fabs(uy.dotProduct(mNormal)) > 1e-9)
    return Acad::eInvalidInput;
  const AcGeMatrix3d toWorld = AcGeMatrix3d::planeToWorld(mNormal);
  if (std::fabs((toWorld * AcGePoint3d(0, 0, mElevation) - origin).dotProduct(mNormal)) >
      1e-9 * (1.0 + origin.asVector().length()))
    return Acad::eInvalidInput;
  const bool mirrored = ux.crossProduct(uy).dotProduct(mNormal) < 0.0;
  auto map = [&](const AcGePoint2d& p) {
    const AcGeVector3d w = toWorld * AcGePoint3d(p.x, p.y, mElevation) - origin;
    return AcGePoint2d(w.dotProduct(ux), w.dotProduct(uy));
  };
  Moments mom;
  perimeter = 0.0;
  extentsLow.set(1e300, 1e300);
  extentsHigh.set(-1e300, -1e300);
  for (const Loop& l : mLoops) {
    for (const BulgePiece& p : outlinePieces(l.vertices, l.bulges)) {
      const BulgePiece q(map(p.start2d()), map(p.end2d()), mirrored ? -p.bulge() : p.bulge());
      mom.addPiece(q);
      perimeter += q.length();
      AcGePoint2d lo, hi;
      q.getExtents(lo, hi);
      extentsLow.set(std::fmin(extentsLow.x, lo.x), std::fmin(extentsLow.y, lo.y));
      extentsHigh.set(std::fmax(extentsHigh.x, hi.x), std::fmax(extentsHigh.y, hi.y));
    }
  }
  area = mom.a;
  if (!(std::fabs(area) > 0.0)) return Acad::eInvalidInput;
  centroid.set(mom.sx / area, mom.sy / area);
  momInertia[0] = mom.ixx;
  momInertia[1] = mom.iyy;
  prodInertia = mom.ixy;
  // About the centroid, then the principal values of the inertia tensor.
  const double ixx = mom.ixx - area * centroid.y * centroid.y;
  const double iyy = mom.iyy - area * centroid.x * centroid.x;
  const double ixy = mom.ixy - area * centroid.x * centroid.y;
  const double mean = 0.5 * (ixx + iyy);
  const double rad = std::sqrt(0.25 * (ixx - iyy) * (ixx - iyy) + ixy * ixy);
  prinMoments[0] = mean - rad;
  prinMoments[1] = mean + rad;
  const double phi = 0.5 * std::atan2(-2.0 * ixy, ixx - iyy);
  // The axis of the smaller moment is the one along which the area spreads most.
  AcGeVector2d a0(std::cos(phi), std::sin(phi)), a1(-std::sin(phi), std::cos(phi));
  auto momentAbout = [&](const AcGeVector2d& d) {
    // Moment about the axis through the centroid along d.
    return ixx * d.x * d.x + iyy * d.y * d.y - 2.0 * ixy * d.x * d.y;
  };
  if (momentAbout(a0) > momentAbout(a1)) std::swap(a0, a1);
  prinAxes[0] = a0;
  prinAxes[1] = a1;
  radiiGyration[0] = std::sqrt(std::fabs(mom.ixx / area));
  radiiGyration[1] = std::sqrt(std::fabs(mom.iyy / area));
  return Acad::eOk;
}

Acad::ErrorStatus AcDbRegion::booleanOper(AcDb::BoolOperType operation, AcDbRegion* otherRegion) {
  if (otherRegion == nullptr || otherRegion == this) return Acad::eInvalidInput;
  if (operation != AcDb::kBoolUnite && operation != AcDb::kBoolIntersect && operation != AcDb::kBoolSubtract)
    return Acad::eInvalidInput;
  assertReadEnabled();
  otherRegion->assertReadEnabled();
  // The other region's loops in this region's plane coordinates.
  std::vector<Pieces> a, b;
  for (const Loop& l : mLoops) a.push_back(outlinePieces(l.vertices, l.bulges));
  if (!otherRegion->mLoops.empty()) {
    if (!mLoops.empty()) {
      if (std::fabs(std::fabs(otherRegion->mNormal.dotProduct(mNormal)) - 1.0) > 1e-9) return Acad::eInvalidPlane;
    }
    const AcGeMatrix3d map = AcGeMatrix3d::worldToPlane(mNormal) * AcGeMatrix3d::planeToWorld(otherRegion->mNormal);
    const bool flip = otherRegion->mNormal.dotProduct(mNormal) < 0.0;
    double size = 0.0;
    for (const Loop& l : otherRegion->mLoops) {
      Pieces loop;
      for (const BulgePiece& p : outlinePieces(l.vertices, l.bulges)) {
        const AcGePoint3d s = map * AcGePoint3d(p.start2d().x, p.start2d().y, otherRegion->mElevation);
        const AcGePoint3d e = map * AcGePoint3d(p.end2d().x, p.end2d().y, otherRegion->mElevation);
        if (!mLoops.empty() && std::fabs(s.z - mElevation) > 1e-9 * (1.0 + std::fabs(s.z) + size))
          return Acad::eInvalidPlane;
        size = std::fmax(size, s.asVector().length());
        loop.emplace_back(AcGePoint2d(s.x, s.y), AcGePoint2d(e.x, e.y), flip ? -p.bulge() : p.bulge());
      }
      b.push_back(flip ? reversedLoop(loop) : loop);
    }
  }
  std::vector<Pieces> result;
  if (a.empty() || b.empty()) {
    if (operation != AcDb::kBoolIntersect) result = a;
  } else {
    Pieces aAll, bAll;
    for (const Pieces& l : a) aAll.insert(aAll.end(), l.begin(), l.end());
    for (const Pieces& l : b) bAll.insert(bAll.end(), l.begin(), l.end());
    const double size = std::fmax(sizeOf(aAll), sizeOf(bAll));
    const double tol = 1e-9 * (1.0 + size);
    const AcGeTol gt(tol, AcGeContext::gTol.equalVector());
    std::vector<std::vector<double>> aCuts(aAll.size()), bCuts(bAll.size());
    for (size_t i = 0; i < aAll.size(); ++i) {
      AcGePoint2d alo, ahi;
      aAll[i].getExtents(alo, ahi);
      for (size_t j = 0; j < bAll.size(); ++j) {
        AcGePoint2d blo, bhi;
        bAll[j].getExtents(blo, bhi);
        if (alo.x > bhi.x + tol || blo.x > ahi.x + tol || alo.y > bhi.y + tol || blo.y > ahi.y + tol) continue;
        const VeskGe::PieceIntersection r = aAll[i].intersectWith(bAll[j], gt);
        for (int k = 0; k < r.numPoints; ++k) {
          aCuts[i].push_back(r.fractionsOnFirst[k]);
          bCuts[j].push_back(r.fractionsOnSecond[k]);
        }
        for (int k = 0; k < r.numOverlaps; ++k) {
          for (const AcGePoint3d& end : {r.overlaps[k].startPoint(), r.overlaps[k].endPoint()}) {
            aCuts[i].push_back(aAll[i].fractionOf(end));
            bCuts[j].push_back(bAll[j].fractionOf(end));
          }
        }
      }
    }
    const Pieces aSplit = splitPieces(aAll, aCuts);
    const Pieces bSplit = splitPieces(bAll, bCuts);
    const double tolOn = 1e-8 * (1.0 + size);
    Pieces chosen;
    for (const BulgePiece& p : aSplit) {
      const Side s = classify(p, b, tolOn);
      const bool keep = operation == AcDb::kBoolUnite      ? (s == Side::kOutside || s == Side::kSame)
                        : operation == AcDb::kBoolIntersect ? (s == Side::kInside || s == Side::kSame)
                                                            : (s == Side::kOutside || s == Side::kOpposite);
      if (keep) chosen.push_back(p);
    }
    for (const BulgePiece& p : bSplit) {
      const Side s = classify(p, a, tolOn);
      if (operation == AcDb::kBoolUnite && s == Side::kOutside) chosen.push_back(p);
      if (operation == AcDb::kBoolIntersect && s == Side::kInside) chosen.push_back(p);
      if (operation == AcDb::kBoolSubtract && s == Side::kInside) chosen.push_back(p.reversed());
    }
    Pieces leftovers;
    chainLoops(chosen, std::fmax(joinTolerance(chosen), 1e3 * tol), result, leftovers);
    const double minArea = 1e-12 * (1.0 + size * size);
    result.erase(std::remove_if(result.begin(), result.end(),
                                [&](const Pieces& l) { return !(std::fabs(loopArea(l)) > minArea); }),
                 result.end());
  }
  otherRegion->assertWriteEnabled();
  assertWriteEnabled();
  if (a.empty()) {
    // An empty region united with another becomes a copy of it.
    if (operation == AcDb::kBoolUnite) {
      mNormal = otherRegion->mNormal;
      mElevation = otherRegion->mElevation;
      mLoops = otherRegion->mLoops;
    }
  } else {
    mLoops.clear();
    for (const Pieces& l : result) mLoops.push_back(toLoop(l));
  }
  normalizeLoops();
  otherRegion->mLoops.clear();
  return Acad::eOk;
}

int AcDbRegion::vhostNumLoops() const {
  assertReadEnabled();
  return static_cast<int>(mLoops.size());
}

Acad::ErrorStatus AcDbRegion::vhostGetLoopAt(int index, AcGePoint3dArray& vertices, AcGeDoubleArray& bulges,
                                             bool& isHole) const {
  assertReadEnabled();
  if (index < 0 || index >= static_cast<int>(mLoops.size())) return Acad::eInvalidIndex;
  const Loop& l = mLoops[static_cast<size_t>(index)];
  const AcGeMatrix3d toWorld = AcGeMatrix3d::planeToWorld(mNormal);
  vertices.removeAll();
  for (const AcGePoint2d& p : l.vertices) vertices.append(toWorld * AcGePoint3d(p.x, p.y, mElevation));
  bulges = l.bulges;
  isHole = loopArea(outlinePieces(l.vertices, l.bulges)) < 0.0;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbRegion::explode(AcDbVoidPtrArray& entitySet) const {
  assertReadEnabled();
  const AcGeMatrix3d toWorld = AcGeMatrix3d::planeToWorld(mNormal);
  auto world = [&](const AcGePoint2d& p) { return toWorld * AcGePoint3d(p.x, p.y, mElevation); };
  for (const Loop& l : mLoops) {
    const Pieces pieces = outlinePieces(l.vertices, l.bulges);
    AcGePoint3d c0, c1;
    if (pieces.size() == 2 && pieces[0].isArc() && pieces[1].isArc() && pieces[0].center(c0) && pieces[1].center(c1) &&
        AcGePoint2d(c0.x, c0.y).isEqualTo(AcGePoint2d(c1.x, c1.y)) &&
        std::fabs(std::fabs(pieces[0].includedAngle() + pieces[1].includedAngle()) - VeskGe::kTwoPi) < 1e-9) {
      auto* circle = new AcDbCircle(world(AcGePoint2d(c0.x, c0.y)), mNormal, pieces[0].radius());
      circle->setPropertiesFrom(this);
      entitySet.append(circle);
      continue;
    }
    for (const BulgePiece& p : pieces) {
      AcDbEntity* e = nullptr;
      AcGePoint3d c;
      if (p.isArc() && p.center(c)) {
        // Arcs run counter-clockwise about the normal.
        const double a0 = p.bulge() > 0.0 ? p.startAngle() : p.endAngle();
        const double a1 = p.bulge() > 0.0 ? p.endAngle() : p.startAngle();
        e = new AcDbArc(world(AcGePoint2d(c.x, c.y)), mNormal, p.radius(), a0, a1);
      } else {
        e = new AcDbLine(world(p.start2d()), world(p.end2d()));
      }
      e->setPropertiesFrom(this);
      entitySet.append(e);
    }
  }
  return Acad::eOk;
}

Acad::ErrorStatus AcDbRegion::getGeomExtents(AcDbExtents& extents) const {
  assertReadEnabled();
  extents = AcDbExtents();
  if (mLoops.empty()) return Acad::eInvalidExtents;
  const AcGeMatrix3d toWorld = AcGeMatrix3d::planeToWorld(mNormal);
  for (const Loop& l : mLoops) {
    for (const BulgePiece& p : outlinePieces(l.vertices, l.bulges)) {
      AcGePoint2d a, b;
      p.getExtents(a, b);
      for (const AcGePoint2d& c : {a, b, AcGePoint2d(a.x, b.y), AcGePoint2d(b.x, a.y)})
        extents.addPoint(toWorld * AcGePoint3d(c.x, c.y, mElevation));
    }
  }
  return Acad::eOk;
}

Acad::ErrorStatus AcDbRegion::transformBy(const AcGeMatrix3d& xform) {
  if (!xform.isUniScaledOrtho()) return Acad::eCannotScaleNonUniformly;
  AcGeVector3d n = xform * mNormal;
  if (!unitNormal(n, n)) return Acad::eInvalidInput;
  assertWriteEnabled();
  const AcGeMatrix3d toNew = AcGeMatrix3d::worldToPlane(n) * xform * AcGeMatrix3d::planeToWorld(mNormal);
  const bool mirrored = xform.det() < 0.0;
  double z = mElevation;
  for (Loop& l : mLoops) {
    for (int i = 0; i < l.vertices.length(); ++i) {
      const AcGePoint3d q = toNew * AcGePoint3d(l.vertices[i].x, l.vertices[i].y, mElevation);
      l.vertices[i].set(q.x, q.y);
      z = q.z;
      if (mirrored) l.bulges[i] = -l.bulges[i];
    }
  }
  if (mLoops.empty()) z = (toNew * AcGePoint3d(0, 0, mElevation)).z;
  // A mirror turns the loops about the (unchanged) normal: keep outer loops counter-clockwise.
  mNormal = n;
  mElevation = z;
  if (mirrored) normalizeLoops();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbRegion::getPlane(AcGePlane& plane, AcDb::Planarity& planarity) const {
  assertReadEnabled();
  plane.set(AcGePoint3d::kOrigin + mNormal * mElevation, mNormal);
  planarity = AcDb::kPlanar;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbRegion::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbEntity::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeVector3d(mNormal);
  filer->writeDouble(mElevation);
  filer->writeInt32(static_cast<Adesk::Int32>(mLoops.size()));
  for (const Loop& l : mLoops) {
    filer->writeInt32(l.vertices.length());
    for (int i = 0; i < l.vertices.length(); ++i) {
      filer->writePoint2d(l.vertices[i]);
      filer->writeDouble(l.bulges[i]);
    }
  }
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbRegion::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbEntity::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  Adesk::Int32 loops = 0;
  filer->readVector3d(&mNormal);
  filer->readDouble(&mElevation);
  filer->readInt32(&loops);
  if (loops < 0 || filer->filerStatus() != Acad::eOk) return Acad::eFilerError;
  mLoops.clear();
  for (Adesk::Int32 k = 0; k < loops && filer->filerStatus() == Acad::eOk; ++k) {
    Loop l;
    Adesk::Int32 count = 0;
    filer->readInt32(&count);
    if (count < 0) return Acad::eFilerError;
    for (Adesk::Int32 i = 0; i < count && filer->filerStatus() == Acad::eOk; ++i) {
      AcGePoint2d p;
      double bulge = 0.0;
      filer->readPoint2d(&p);
      filer->readDouble(&bulge);
      l.vertices.append(p);
      l.bulges.append(bulge);
    }
    mLoops.push_back(std::move(l));
  }
  return filer->filerStatus();
}

// --- DXF filing -----------------------------------------------------------------------------------

namespace {

const wchar_t* const kRegionHeader = L"VeskCAD-region 1";

// Modeler text in DXF: characters other than the space are mirrored (159 - c).
std::wstring flipText(const std::wstring& in) {
  std::wstring out(in);
  for (wchar_t& c : out)
    if (c != L' ' && c > 32 && c < 127) c = static_cast<wchar_t>(159 - c);
  return out;
}

std::wstring hexNumber(double d) {
  wchar_t buf[64];
  std::swprintf(buf, 64, L"%a", d);
  return buf;
}

bool parseNumbers(const std::wstring& line, const wchar_t* keyword, std::vector<double>& out, size_t count) {
  out.clear();
  const size_t klen = std::wcslen(keyword);
  if (line.compare(0, klen, keyword) != 0) return false;
  const wchar_t* p = line.c_str() + klen;
  for (size_t i = 0; i < count; ++i) {
    wchar_t* end = nullptr;
    const double v = std::wcstod(p, &end);
    if (end == p || !std::isfinite(v)) return false;
    out.push_back(v);
    p = end;
  }
  while (*p == L' ') ++p;
  return *p == 0;
}

}  // namespace

bool AcDbRegion::vhostHasForeignBody() const {
  assertReadEnabled();
  return mLoops.empty() && vhost::dxfKeptGroups(this, L"AcDbModelerGeometry#body") != nullptr;
}

Acad::ErrorStatus AcDbRegion::dxfOutFields(AcDbDxfFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = AcDbEntity::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeString(100, L"AcDbModelerGeometry");
  if (mLoops.empty()) {
    if (const resbuf* body = vhost::dxfKeptGroups(this, L"AcDbModelerGeometry#body"))
      return vhost::annotdxf::writeChain(filer, body);
  }
  filer->writeInt16(70, 1);
  std::vector<std::wstring> lines;
  lines.push_back(kRegionHeader);
  lines.push_back(L"normal " + hexNumber(mNormal.x) + L" " + hexNumber(mNormal.y) + L" " + hexNumber(mNormal.z));
  lines.push_back(L"elevation " + hexNumber(mElevation));
  lines.push_back(L"loops " + std::to_wstring(mLoops.size()));
  for (const Loop& loop : mLoops) {
    lines.push_back(L"loop " + std::to_wstring(loop.vertices.length()));
    for (int i = 0; i < loop.vertices.length(); ++i) {
      const double b = i < loop.bulges.length() ? loop.bulges[i] : 0.0;
      lines.push_back(L"v " + hexNumber(loop.vertices[i].x) + L" " + hexNumber(loop.vertices[i].y) + L" " +
                      hexNumber(b));
    }
  }
  lines.push_back(L"end");
  for (const std::wstring& line : lines) filer->writeString(1, flipText(line));
  return vhost::dxfWriteKept(filer, this, L"AcDbModelerGeometry");
}

Acad::ErrorStatus AcDbRegion::dxfInFields(AcDbDxfFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbEntity::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  if (!filer->atSubclassData(L"AcDbModelerGeometry")) return vhost::dxfBadSubclass(filer, L"AcDbModelerGeometry");
  vhost::annotdxf::GroupList list;
  es = list.readFrom(filer);
  if (es != Acad::eOk) return es;
  std::vector<std::wstring> lines;
  vhost::DxfKeptGroups kept(L"AcDbModelerGeometry");
  for (size_t i = 0; i < list.size(); ++i) {
    const resbuf& rb = list[i];
    const std::wstring text = rb.resval.rstring && (rb.restype == 1 || rb.restype == 3) ? rb.resval.rstring : L"";
    if (rb.restype == 1)
      lines.push_back(flipText(text));
    else if (rb.restype == 3 && !lines.empty())
      lines.back() += flipText(text);
    else if (rb.restype != 70)
      kept.add(rb);
  }
  if (lines.empty() || lines.front() != kRegionHeader) {
    // Another writer's body: kept exactly as read, not interpreted.
    mLoops.clear();
    vhost::DxfKeptGroups none(L"AcDbModelerGeometry");
    none.storeInto(this);
    vhostSetDxfKept(L"AcDbModelerGeometry#body", list.copyRange(0, list.size()));
    return Acad::eOk;
  }
  auto bad = [&](const std::wstring& why) { return vhost::dxfError(filer, L"region body: " + why); };
  std::vector<double> nums;
  size_t at = 1;
  AcGeVector3d normal;
  double elevation = 0.0;
  if (at >= lines.size() || !parseNumbers(lines[at++], L"normal", nums, 3)) return bad(L"normal expected");
  normal.set(nums[0], nums[1], nums[2]);
  AcGeVector3d unit;
  if (!unitNormal(normal, unit)) return bad(L"the normal is not a direction");
  if (at >= lines.size() || !parseNumbers(lines[at++], L"elevation", nums, 1)) return bad(L"elevation expected");
  elevation = nums[0];
  if (at >= lines.size() || !parseNumbers(lines[at++], L"loops", nums, 1) || nums[0] < 0 || nums[0] > 1e7)
    return bad(L"loop count expected");
  const size_t nLoops = static_cast<size_t>(nums[0]);
  std::vector<Loop> loops;
  for (size_t k = 0; k < nLoops; ++k) {
    if (at >= lines.size() || !parseNumbers(lines[at++], L"loop", nums, 1) || nums[0] < 2 || nums[0] > 1e7)
      return bad(L"loop vertex count expected");
    const size_t n = static_cast<size_t>(nums[0]);
    if (lines.size() - at < n) return bad(L"a loop has fewer vertices than its count");
    Loop loop;
    for (size_t i = 0; i < n; ++i) {
      if (!parseNumbers(lines[at++], L"v", nums, 3)) return bad(L"vertex expected");
      loop.vertices.append(AcGePoint2d(nums[0], nums[1]));
      loop.bulges.append(nums[2]);
    }
    loops.push_back(std::move(loop));
  }
  if (at >= lines.size() || lines[at] != L"end") return bad(L"end expected");
  mNormal = unit;
  mElevation = elevation;
  mLoops = std::move(loops);
  vhostSetDxfKept(L"AcDbModelerGeometry#body", nullptr);
  kept.storeInto(this);
  return Acad::eOk;
}
