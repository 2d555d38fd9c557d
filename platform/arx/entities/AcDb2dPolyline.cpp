#include "arx/entities/AcDb2dPolyline.h"

#include <algorithm>
#include <cmath>
#include <cwchar>
#include <functional>
#include <unordered_set>

#include "arx/db/AcDbDwgFiler.h"
#include "arx/db/VhostDxfRecordFiling.h"
#include "arx/db/VhostDxfSupport.h"
#include "arx/db/VhostMemoryFiler.h"
#include "arx/entities/AcDb3dPolyline.h"
#include "arx/entities/AcDb3dPolylineVertex.h"
#include "arx/entities/AcDbObjectIterator.h"
#include "arx/entities/EntityPlaneUtil.h"
#include "arx/entities/NurbsCurve.h"
#include "arx/ge/AcGePlane.h"
#include "arx/ge/GeMath.h"

VHOST_DEFINE_BUILTIN_CLASS(AcDb2dPolyline, AcDbCurve, L"POLYLINE")

namespace {

double cross2(const AcGeVector2d& a, const AcGeVector2d& b) { return a.x * b.y - a.y * b.x; }

double signedAngle(const AcGeVector2d& from, const AcGeVector2d& to) {
  return std::atan2(cross2(from, to), from.dotProduct(to));
}

// Unit tangent, in the direction a -> c, of the circle through a, b, c at b
// (at a when atStart, at c when atEnd); the chord direction when they are in a line.
AcGeVector2d circleTangent(const AcGePoint2d& a, const AcGePoint2d& b, const AcGePoint2d& c, int at) {
  const AcGeVector2d ab = b - a, ac = c - a;
  const double d = 2.0 * cross2(ab, ac);
  const AcGePoint2d& p = at == 0 ? a : (at == 1 ? b : c);
  AcGeVector2d dir = at == 0 ? (b - a) : (at == 1 ? (c - a) : (c - b));
  if (std::fabs(d) <= 1e-12 * ab.lengthSqrd() + 1e-300 || dir.isZeroLength()) return dir.normal();
  // Circumcentre relative to a.
  const double ab2 = ab.lengthSqrd(), ac2 = ac.lengthSqrd();
  const AcGeVector2d o((ac.y * ab2 - ab.y * ac2) / d, (ab.x * ac2 - ac.x * ab2) / d);
  const AcGeVector2d r = (p - a) - o;
  AcGeVector2d t = r.perpVector().normal();
  if (t.dotProduct(dir) < 0.0) t.negate();
  return t;
}

}  // namespace

AcDb2dPolyline::AcDb2dPolyline() = default;

AcDb2dPolyline::AcDb2dPolyline(AcDb::Poly2dType type, const AcGePoint3dArray& vertices, double elevation,
                               Adesk::Boolean closed, double defStartWidth, double defEndWidth,
                               const AcGeDoubleArray* bulges)
    : mClosed(closed),
      mDefStartWidth(defStartWidth >= 0.0 ? defStartWidth : 0.0),
      mDefEndWidth(defEndWidth >= 0.0 ? defEndWidth : 0.0),
      mElevation(std::isfinite(elevation) ? elevation : 0.0) {
  for (int i = 0; i < vertices.length(); ++i) {
    const double b = bulges && i < bulges->length() ? (*bulges)[i] : 0.0;
    AcGePoint3d p = vertices[i];
    p.z = mElevation;
    AcDbObjectId id;
    insertAt(-1, new AcDb2dVertex(p, b, mDefStartWidth, mDefEndWidth), id, false);
  }
  if (type != AcDb::k2dSimplePoly) setPolyType(type);
}

AcDb2dPolyline::~AcDb2dPolyline() = default;

Acad::ErrorStatus AcDb2dPolyline::subClose() {
  mVertices.adopt(this);
  return vhost::CurveEntity::subClose();
}

// ---- properties --------------------------------------------------------------------------

AcDb::Poly2dType AcDb2dPolyline::polyType() const {
  assertReadEnabled();
  return static_cast<AcDb::Poly2dType>(mType);
}

Acad::ErrorStatus AcDb2dPolyline::setPolyType(AcDb::Poly2dType type) {
  switch (type) {
    case AcDb::k2dSimplePoly:
      return straighten();
    case AcDb::k2dFitCurvePoly:
      return curveFit();
    case AcDb::k2dQuadSplinePoly:
    case AcDb::k2dCubicSplinePoly:
      return splineFit(type, 8);
  }
  return Acad::eInvalidInput;
}

Acad::ErrorStatus AcDb2dPolyline::makeClosed() {
  assertWriteEnabled();
  mClosed = true;
  return Acad::eOk;
}

Acad::ErrorStatus AcDb2dPolyline::makeOpen() {
  assertWriteEnabled();
  mClosed = false;
  return Acad::eOk;
}

Adesk::Boolean AcDb2dPolyline::isClosed() const {
  assertReadEnabled();
  return mClosed;
}

double AcDb2dPolyline::defaultStartWidth() const {
  assertReadEnabled();
  return mDefStartWidth;
}

Acad::ErrorStatus AcDb2dPolyline::setDefaultStartWidth(double width) {
  if (!(width >= 0.0) || !std::isfinite(width)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mDefStartWidth = width;
  return Acad::eOk;
}

double AcDb2dPolyline::defaultEndWidth() const {
  assertReadEnabled();
  return mDefEndWidth;
}

Acad::ErrorStatus AcDb2dPolyline::setDefaultEndWidth(double width) {
  if (!(width >= 0.0) || !std::isfinite(width)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mDefEndWidth = width;
  return Acad::eOk;
}

Acad::ErrorStatus AcDb2dPolyline::constantWidth(double& width) const {
  vhost::BulgeOutline o;
  Acad::ErrorStatus es = drawnOutline(o, nullptr);
  if (es != Acad::eOk) return es;
  if (o.verts.empty()) {
    width = mDefStartWidth;
    return mDefStartWidth == mDefEndWidth ? Acad::eOk : Acad::eNotApplicable;
  }
  const double w = o.verts.front().startWidth;
  for (const vhost::OutlineVertex& v : o.verts)
    if (v.startWidth != w || v.endWidth != w) return Acad::eNotApplicable;
  width = w;
  return Acad::eOk;
}

Acad::ErrorStatus AcDb2dPolyline::setConstantWidth(double width) {
  if (!(width >= 0.0) || !std::isfinite(width)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mDefStartWidth = mDefEndWidth = width;
  mVertices.adopt(this);
  return mVertices.forEachWrite([&](AcDbVertex* v, int) {
    AcDb2dVertex* v2 = AcDb2dVertex::cast(v);
    if (v2 == nullptr) return;
    v2->setStartWidth(width);
    v2->setEndWidth(width);
  });
}

double AcDb2dPolyline::thickness() const {
  assertReadEnabled();
  return mThickness;
}

Acad::ErrorStatus AcDb2dPolyline::setThickness(double thickness) {
  if (!std::isfinite(thickness)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mThickness = thickness;
  return Acad::eOk;
}

AcGeVector3d AcDb2dPolyline::normal() const {
  assertReadEnabled();
  return mNormal;
}

Acad::ErrorStatus AcDb2dPolyline::setNormal(const AcGeVector3d& normal) {
  AcGeVector3d n;
  if (!vhost::validNormal(normal, n)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mNormal = n;
  return Acad::eOk;
}

double AcDb2dPolyline::elevation() const {
  assertReadEnabled();
  return mElevation;
}

Acad::ErrorStatus AcDb2dPolyline::setElevation(double elevation) {
  if (!std::isfinite(elevation)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mElevation = elevation;
  return Acad::eOk;
}

Adesk::Boolean AcDb2dPolyline::isLinetypeGenerationOn() const {
  assertReadEnabled();
  return mPlinegen;
}

Acad::ErrorStatus AcDb2dPolyline::setLinetypeGenerationOn() {
  assertWriteEnabled();
  mPlinegen = true;
  return Acad::eOk;
}

Acad::ErrorStatus AcDb2dPolyline::setLinetypeGenerationOff() {
  assertWriteEnabled();
  mPlinegen = false;
  return Acad::eOk;
}

// ---- vertices ----------------------------------------------------------------------------

Acad::ErrorStatus AcDb2dPolyline::insertAt(int at, AcDb2dVertex* vertex, AcDbObjectId& id, bool leaveOpen) {
  id.setNull();
  if (vertex == nullptr) return Acad::eNullObjectPointer;
  if (database() != nullptr && !isWriteEnabled()) return Acad::eNotOpenForWrite;
  assertWriteEnabled();
  mVertices.adopt(this);
  return mVertices.insert(this, at < 0 ? mVertices.size() : at, vertex, id, leaveOpen);
}

Acad::ErrorStatus AcDb2dPolyline::appendVertex(AcDb2dVertex* vertex) {
  AcDbObjectId id;
  return appendVertex(id, vertex);
}

Acad::ErrorStatus AcDb2dPolyline::appendVertex(AcDbObjectId& vertexId, AcDb2dVertex* vertex) {
  return insertAt(-1, vertex, vertexId, true);
}

Acad::ErrorStatus AcDb2dPolyline::insertVertexAt(const AcDb2dVertex* indexVertex, AcDb2dVertex* newVertex) {
  AcDbObjectId id;
  int at = 0;
  if (indexVertex != nullptr) {
    mVertices.adopt(this);
    const int i = mVertices.indexOf(indexVertex);
    if (i < 0) return Acad::eInvalidInput;
    at = i + 1;
  }
  return insertAt(at, newVertex, id, true);
}

Acad::ErrorStatus AcDb2dPolyline::insertVertexAt(AcDbObjectId& newVertexId, const AcDbObjectId& indexVertexId,
                                                 AcDb2dVertex* newVertex) {
  int at = 0;
  if (!indexVertexId.isNull()) {
    mVertices.adopt(this);
    const int i = mVertices.indexOf(indexVertexId);
    if (i < 0) return Acad::eInvalidInput;
    at = i + 1;
  }
  return insertAt(at, newVertex, newVertexId, true);
}

Acad::ErrorStatus AcDb2dPolyline::openVertex(AcDb2dVertex*& vertex, AcDbObjectId vertexId, AcDb::OpenMode mode,
                                             bool openErased) const {
  assertReadEnabled();
  vertex = nullptr;
  mVertices.adopt(this);
  if (mVertices.indexOf(vertexId) < 0) return Acad::eInvalidInput;
  return acdbOpenObject(vertex, vertexId, mode, openErased);
}

AcDbObjectIterator* AcDb2dPolyline::vertexIterator() const {
  assertReadEnabled();
  mVertices.adopt(this);
  return new AcDbObjectIterator(mVertices.ids());
}

AcGePoint3d AcDb2dPolyline::vertexPosition(const AcDb2dVertex& vertex) const {
  assertReadEnabled();
  vhost::BulgeOutline o;
  o.normal = mNormal;
  o.elevation = mElevation;
  const AcGePoint3d p = vertex.position();
  return o.toWorld(AcGePoint2d(p.x, p.y));
}

// ---- geometry ----------------------------------------------------------------------------

Acad::ErrorStatus AcDb2dPolyline::drawnOutline(vhost::BulgeOutline& o, std::vector<int>* entries) const {
  assertReadEnabled();
  mVertices.adopt(this);
  o = vhost::BulgeOutline();
  o.closed = mClosed;
  o.elevation = mElevation;
  o.normal = mNormal;
  if (entries) entries->clear();
  return mVertices.forEach([&](const AcDbVertex* v, int i) {
    const AcDb2dVertex* v2 = AcDb2dVertex::cast(v);
    if (v2 == nullptr || v2->vertexType() == AcDb::k2dSplineCtlVertex) return;
    vhost::OutlineVertex ov;
    const AcGePoint3d p = v2->position();
    ov.pt.set(p.x, p.y);
    ov.bulge = v2->bulge();
    ov.startWidth = v2->startWidth();
    ov.endWidth = v2->endWidth();
    o.verts.push_back(ov);
    if (entries) entries->push_back(i);
  });
}

Acad::ErrorStatus AcDb2dPolyline::vhostDrawnVertices(std::vector<vhost::Poly2dVertexData>& out) const {
  vhost::BulgeOutline o;
  Acad::ErrorStatus es = drawnOutline(o, nullptr);
  if (es != Acad::eOk) return es;
  out.clear();
  for (const vhost::OutlineVertex& v : o.verts) {
    vhost::Poly2dVertexData d;
    d.position.set(v.pt.x, v.pt.y, mElevation);
    d.bulge = v.bulge;
    d.startWidth = v.startWidth;
    d.endWidth = v.endWidth;
    out.push_back(d);
  }
  return Acad::eOk;
}

Acad::ErrorStatus AcDb2dPolyline::buildGeometry(vhost::CurveGeometry& g) const {
  vhost::BulgeOutline o;
  Acad::ErrorStatus es = drawnOutline(o, nullptr);
  if (es != Acad::eOk) return es;
  return o.buildGeometry(g);
}

Acad::ErrorStatus AcDb2dPolyline::writeBack(const vhost::BulgeOutline& o, const std::vector<int>& entries) {
  std::vector<int> slot(static_cast<size_t>(mVertices.size()), -1);
  for (size_t k = 0; k < entries.size(); ++k) slot[static_cast<size_t>(entries[k])] = static_cast<int>(k);
  return mVertices.forEachWrite([&](AcDbVertex* v, int i) {
    const int k = slot[static_cast<size_t>(i)];
    AcDb2dVertex* v2 = AcDb2dVertex::cast(v);
    if (k < 0 || v2 == nullptr) return;
    const vhost::OutlineVertex& ov = o.verts[static_cast<size_t>(k)];
    v2->setPosition(AcGePoint3d(ov.pt.x, ov.pt.y, o.elevation));
    v2->setBulge(ov.bulge);
    v2->setStartWidth(ov.startWidth);
    v2->setEndWidth(ov.endWidth);
  });
}

// ---- fitting -----------------------------------------------------------------------------

Acad::ErrorStatus AcDb2dPolyline::straighten() {
  assertWriteEnabled();
  mVertices.adopt(this);
  // Fit vertices go; frame vertices become simple ones again.
  std::vector<int> fits;
  Acad::ErrorStatus es = mVertices.forEach([&](const AcDbVertex* v, int i) {
    const AcDb2dVertex* v2 = AcDb2dVertex::cast(v);
    if (v2 && (v2->vertexType() == AcDb::k2dCurveFitVertex || v2->vertexType() == AcDb::k2dSplineFitVertex))
      fits.push_back(i);
  });
  if (es != Acad::eOk) return es;
  for (auto it = fits.rbegin(); it != fits.rend(); ++it) mVertices.remove(*it);
  es = mVertices.forEachWrite([&](AcDbVertex* v, int) {
    AcDb2dVertex* v2 = AcDb2dVertex::cast(v);
    if (v2 == nullptr) return;
    v2->vhostSetVertexType(AcDb::k2dVertex);
    v2->setBulge(0.0);
  });
  if (es != Acad::eOk) return es;
  mType = AcDb::k2dSimplePoly;
  return Acad::eOk;
}

Acad::ErrorStatus AcDb2dPolyline::curveFit() {
  assertWriteEnabled();
  Acad::ErrorStatus es = straighten();
  if (es != Acad::eOk) return es;
  struct Node {
    int entry;
    AcGePoint2d p;
    double sw, ew;
    bool hasTangent;
    double tangent;
  };
  std::vector<Node> nodes;
  es = mVertices.forEach([&](const AcDbVertex* v, int i) {
    const AcDb2dVertex* v2 = AcDb2dVertex::cast(v);
    if (v2 == nullptr) return;
    const AcGePoint3d p = v2->position();
    nodes.push_back({i, AcGePoint2d(p.x, p.y), v2->startWidth(), v2->endWidth(), v2->isTangentUsed(), v2->tangent()});
  });
  if (es != Acad::eOk) return es;
  // Repeated points would have no tangent; they are left as they are.
  const int n = static_cast<int>(nodes.size());
  mType = AcDb::k2dFitCurvePoly;
  if (n < 2) return Acad::eOk;
  auto node = [&](int k) -> const Node& { return nodes[static_cast<size_t>((k % n + n) % n)]; };
  std::vector<AcGeVector2d> tang(static_cast<size_t>(n));
  for (int k = 0; k < n; ++k) {
    AcGeVector2d t;
    if (node(k).hasTangent) {
      t.set(std::cos(node(k).tangent), std::sin(node(k).tangent));
    } else if (n == 2) {
      t = (node(1).p - node(0).p).normal();
    } else if (mClosed || (k > 0 && k < n - 1)) {
      t = circleTangent(node(k - 1).p, node(k).p, node(k + 1).p, 1);
    } else if (k == 0) {
      t = circleTangent(node(0).p, node(1).p, node(2).p, 0);
    } else {
      t = circleTangent(node(n - 3).p, node(n - 2).p, node(n - 1).p, 2);
    }
    tang[static_cast<size_t>(k)] = t;
  }
  const int segs = mClosed ? n : n - 1;
  struct Fit {
    AcGePoint2d joint;
    double b1, b2;
  };
  std::vector<Fit> fits;
  for (int k = 0; k < segs; ++k) {
    const AcGePoint2d p0 = node(k).p, p1 = node(k + 1).p;
    const AcGeVector2d t0 = tang[static_cast<size_t>(k)], t1 = tang[static_cast<size_t>((k + 1) % n)];
    const AcGeVector2d v = p1 - p0;
    Fit f{p0 + v * 0.5, 0.0, 0.0};
    if (!v.isZeroLength() && !t0.isZeroLength() && !t1.isZeroLength()) {
      // Equal-arm biarc: control points p0 + d t0 and p1 - d t1, joint halfway between.
      const AcGeVector2d t = t0 + t1;
      const double denom = 2.0 * (1.0 - t0.dotProduct(t1));
      const double vt = v.dotProduct(t);
      double d;
      if (denom < 1e-12)
        d = v.lengthSqrd() / (2.0 * vt);
      else
        d = (-vt + std::sqrt(vt * vt + denom * v.lengthSqrd())) / denom;
      if (std::isfinite(d) && d > 0.0) {
        const AcGePoint2d q0 = p0 + t0 * d, q1 = p1 - t1 * d;
        f.joint = q0 + (q1 - q0) * 0.5;
        f.b1 = std::tan(signedAngle(t0, f.joint - p0) / 2.0);
        f.b2 = std::tan(signedAngle(p1 - f.joint, t1) / 2.0);
      }
    }
    fits.push_back(f);
  }
  // Original vertices take the first arc's bulge and their tangent; a fit
  // vertex carrying the second arc goes after each.
  std::vector<int> slot(static_cast<size_t>(mVertices.size()), -1);
  for (int k = 0; k < n; ++k) slot[static_cast<size_t>(nodes[static_cast<size_t>(k)].entry)] = k;
  es = mVertices.forEachWrite([&](AcDbVertex* v, int i) {
    const int k = slot[static_cast<size_t>(i)];
    AcDb2dVertex* v2 = AcDb2dVertex::cast(v);
    if (k < 0 || v2 == nullptr) return;
    const AcGeVector2d t = tang[static_cast<size_t>(k)];
    if (!t.isZeroLength()) v2->setTangent(std::atan2(t.y, t.x));
    if (k < segs) {
      v2->setBulge(fits[static_cast<size_t>(k)].b1);
      v2->setEndWidth(0.5 * (node(k).sw + node(k).ew));
    }
  });
  if (es != Acad::eOk) return es;
  for (int k = segs - 1; k >= 0; --k) {
    const Node& nd = node(k);
    const double mid = 0.5 * (nd.sw + nd.ew);
    AcDb2dVertex* fv = new AcDb2dVertex(AcGePoint3d(fits[static_cast<size_t>(k)].joint.x,
                                                    fits[static_cast<size_t>(k)].joint.y, mElevation),
                                        fits[static_cast<size_t>(k)].b2, mid, nd.ew);
    fv->vhostSetVertexType(AcDb::k2dCurveFitVertex);
    AcDbObjectId id;
    es = mVertices.insert(this, nd.entry + 1, fv, id, false);
    if (es != Acad::eOk) {
      delete fv;
      return es;
    }
  }
  return Acad::eOk;
}

Acad::ErrorStatus AcDb2dPolyline::splineFit() { return splineFit(AcDb::k2dCubicSplinePoly, 8); }

Acad::ErrorStatus AcDb2dPolyline::splineFit(AcDb::Poly2dType splineType, Adesk::Int16 splineSegs) {
  if (splineType != AcDb::k2dQuadSplinePoly && splineType != AcDb::k2dCubicSplinePoly) return Acad::eInvalidInput;
  if (splineSegs < 1) return Acad::eInvalidInput;
  assertWriteEnabled();
  Acad::ErrorStatus es = straighten();
  if (es != Acad::eOk) return es;
  std::vector<AcGePoint3d> frame;
  es = mVertices.forEach([&](const AcDbVertex* v, int) {
    if (const AcDb2dVertex* v2 = AcDb2dVertex::cast(v)) {
      const AcGePoint3d p = v2->position();
      frame.emplace_back(p.x, p.y, 0.0);
    }
  });
  if (es != Acad::eOk) return es;
  mType = static_cast<Adesk::UInt8>(splineType);
  vhost::NurbsCurve curve;
  if (frame.size() < 3 ||
      !vhost::NurbsCurve::uniform(frame, splineType == AcDb::k2dQuadSplinePoly ? 2 : 3, mClosed, curve))
    return Acad::eOk;  // too few frame vertices: drawn as they are
  es = mVertices.forEachWrite([&](AcDbVertex* v, int) {
    if (AcDb2dVertex* v2 = AcDb2dVertex::cast(v)) v2->vhostSetVertexType(AcDb::k2dSplineCtlVertex);
  });
  if (es != Acad::eOk) return es;
  const int frameSegs = static_cast<int>(frame.size()) - (mClosed ? 0 : 1);
  const int count = frameSegs * splineSegs;
  const double a = curve.startParam(), b = curve.endParam();
  for (int i = 0; i <= count; ++i) {
    if (mClosed && i == count) break;
    const AcGePoint3d p = curve.evalPoint(a + (b - a) * i / count);
    AcDb2dVertex* fv = new AcDb2dVertex(AcGePoint3d(p.x, p.y, mElevation), 0.0, mDefStartWidth, mDefEndWidth);
    fv->vhostSetVertexType(AcDb::k2dSplineFitVertex);
    AcDbObjectId id;
    es = mVertices.insert(this, mVertices.size(), fv, id, false);
    if (es != Acad::eOk) {
      delete fv;
      return es;
    }
  }
  return Acad::eOk;
}

// ---- curve protocol ----------------------------------------------------------------------

AcDb2dPolyline* AcDb2dPolyline::newLike(const std::vector<vhost::OutlineVertex>& verts) const {
  AcDb2dPolyline* p = new AcDb2dPolyline();
  p->setPropertiesFrom(this);
  p->mPlinegen = mPlinegen;
  p->mDefStartWidth = mDefStartWidth;
  p->mDefEndWidth = mDefEndWidth;
  p->mThickness = mThickness;
  p->mElevation = mElevation;
  p->mNormal = mNormal;
  for (const vhost::OutlineVertex& v : verts) {
    AcDbObjectId id;
    p->insertAt(-1, new AcDb2dVertex(AcGePoint3d(v.pt.x, v.pt.y, mElevation), v.bulge, v.startWidth, v.endWidth),
                id, false);
  }
  return p;
}

Acad::ErrorStatus AcDb2dPolyline::getSplitCurves(const AcGeDoubleArray& params, AcDbVoidPtrArray& curveSegments) const {
  assertReadEnabled();
  std::vector<double> ps;
  Acad::ErrorStatus es = splitParams(params, ps);
  if (es != Acad::eOk) return es;
  vhost::BulgeOutline o;
  es = drawnOutline(o, nullptr);
  if (es != Acad::eOk) return es;
  if (o.numSegs() == 0) return Acad::eDegenerateGeometry;
  for (const auto& r : o.splitRanges(ps)) curveSegments.append(newLike(o.part(r.first, r.second)));
  return Acad::eOk;
}

Acad::ErrorStatus AcDb2dPolyline::extend(double newParam) {
  vhost::BulgeOutline o;
  std::vector<int> entries;
  Acad::ErrorStatus es = drawnOutline(o, &entries);
  if (es != Acad::eOk) return es;
  es = o.extend(newParam);
  if (es != Acad::eOk) return es;
  assertWriteEnabled();
  return writeBack(o, entries);
}

Acad::ErrorStatus AcDb2dPolyline::extend(Adesk::Boolean extendStart, const AcGePoint3d& toPoint) {
  vhost::BulgeOutline o;
  std::vector<int> entries;
  Acad::ErrorStatus es = drawnOutline(o, &entries);
  if (es != Acad::eOk) return es;
  es = o.extend(extendStart, toPoint);
  if (es != Acad::eOk) return es;
  assertWriteEnabled();
  return writeBack(o, entries);
}

Acad::ErrorStatus AcDb2dPolyline::reverseCurve() {
  assertWriteEnabled();
  vhost::BulgeOutline o;
  std::vector<int> entries;
  Acad::ErrorStatus es = drawnOutline(o, &entries);
  if (es != Acad::eOk) return es;
  o.reverse();
  // The vertex objects change places; the reversed outline's data follow.
  const int n = mVertices.size();
  std::reverse(entries.begin(), entries.end());
  for (int& e : entries) e = n - 1 - e;
  mVertices.reverseOrder();
  return writeBack(o, entries);
}

// ---- entity protocol ---------------------------------------------------------------------

Acad::ErrorStatus AcDb2dPolyline::transformBy(const AcGeMatrix3d& xform) {
  assertReadEnabled();
  // Every vertex moves, frame vertices included.
  mVertices.adopt(this);
  vhost::BulgeOutline all;
  all.normal = mNormal;
  all.elevation = mElevation;
  std::vector<int> entries;
  Acad::ErrorStatus es = mVertices.forEach([&](const AcDbVertex* v, int i) {
    const AcDb2dVertex* v2 = AcDb2dVertex::cast(v);
    if (v2 == nullptr) return;
    vhost::OutlineVertex ov;
    const AcGePoint3d p = v2->position();
    ov.pt.set(p.x, p.y);
    ov.bulge = v2->bulge();
    ov.startWidth = v2->startWidth();
    ov.endWidth = v2->endWidth();
    all.verts.push_back(ov);
    entries.push_back(i);
  });
  if (es != Acad::eOk) return es;
  double thickness = mThickness;
  AcGeVector3d x, y;
  vhost::ecsAxes(mNormal, x, y);
  const double widthScale = std::sqrt((xform * x).crossProduct(xform * y).length());
  es = all.transformBy(xform, thickness);
  if (es != Acad::eOk) return es;
  assertWriteEnabled();
  mNormal = all.normal;
  mElevation = all.elevation;
  mThickness = thickness;
  mDefStartWidth *= widthScale;
  mDefEndWidth *= widthScale;
  return writeBack(all, entries);
}

Acad::ErrorStatus AcDb2dPolyline::explode(AcDbVoidPtrArray& entitySet) const {
  vhost::BulgeOutline o;
  Acad::ErrorStatus es = drawnOutline(o, nullptr);
  if (es != Acad::eOk) return es;
  o.explode(this, mThickness, entitySet);
  return Acad::eOk;
}

Acad::ErrorStatus AcDb2dPolyline::getPlane(AcGePlane& plane, AcDb::Planarity& planarity) const {
  assertReadEnabled();
  planarity = AcDb::kPlanar;
  plane.set(AcGePoint3d::kOrigin + mNormal * mElevation, mNormal);
  return Acad::eOk;
}

AcRxObject* AcDb2dPolyline::clone() const {
  assertReadEnabled();
  AcDb2dPolyline* p = new AcDb2dPolyline();
  p->setPropertiesFrom(this);
  p->vhostCopyExtrasFrom(this);
  p->mType = mType;
  p->mClosed = mClosed;
  p->mPlinegen = mPlinegen;
  p->mDefStartWidth = mDefStartWidth;
  p->mDefEndWidth = mDefEndWidth;
  p->mThickness = mThickness;
  p->mElevation = mElevation;
  p->mNormal = mNormal;
  mVertices.adopt(this);
  Acad::ErrorStatus es = mVertices.forEach([&](const AcDbVertex* v, int) {
    const AcDb2dVertex* v2 = AcDb2dVertex::cast(v);
    if (v2 == nullptr) return;
    AcDb2dVertex* c = new AcDb2dVertex(v2->position(), v2->bulge(), v2->startWidth(), v2->endWidth(), v2->tangent(),
                                       v2->vertexIdentifier());
    c->setTangentUsed(v2->isTangentUsed());
    c->vhostSetVertexType(v2->vertexType());
    c->setPropertiesFrom(v2);
    AcDbObjectId id;
    p->mVertices.insert(p, p->mVertices.size(), c, id, false);
  });
  if (es != Acad::eOk) {
    delete p;
    return nullptr;
  }
  return p;
}

// ---- filing ------------------------------------------------------------------------------

Acad::ErrorStatus AcDb2dPolyline::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbEntity::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  mVertices.adopt(this);
  filer->writeUInt8(mType);
  filer->writeBoolean(mClosed);
  filer->writeBoolean(mPlinegen);
  filer->writeDouble(mDefStartWidth);
  filer->writeDouble(mDefEndWidth);
  filer->writeDouble(mThickness);
  filer->writeDouble(mElevation);
  filer->writeVector3d(mNormal);
  mVertices.dwgOut(filer);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDb2dPolyline::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbEntity::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  Adesk::Boolean closed = false, plinegen = false;
  filer->readUInt8(&mType);
  filer->readBoolean(&closed);
  filer->readBoolean(&plinegen);
  filer->readDouble(&mDefStartWidth);
  filer->readDouble(&mDefEndWidth);
  filer->readDouble(&mThickness);
  filer->readDouble(&mElevation);
  filer->readVector3d(&mNormal);
  mClosed = closed;
  mPlinegen = plinegen;
  return mVertices.dwgIn(filer);
}

// ---- DXF filing --------------------------------------------------------------------------

namespace {

enum PolylineDxfFlags : Adesk::Int16 {
  kPlClosed = 1,
  kPlCurveFit = 2,
  kPlSplineFit = 4,
  kPl3d = 8,
  kPlPolygonMesh = 16,
  kPlPolyFaceMesh = 64,
  kPlPlinegen = 128,
  kPlKnownFlags = 1 | 2 | 4 | 8 | 16 | 64 | 128,  // other bits are kept as read
};
enum VertexDxfFlags : Adesk::Int16 { kVx3dPolyline = 32, kVxPolygonMesh = 64, kVxPolyFace = 128 };
// Curve types (75) of spline-fit polylines.
constexpr Adesk::Int16 kQuadraticCurve = 5;
constexpr Adesk::Int16 kCubicCurve = 6;

bool readNormal(const resbuf& rb, AcGeVector3d& normal) {
  const AcGeVector3d v = vhost::dxfVector(rb);
  if (!vhost::validNormal(v, normal)) return false;
  if (std::fabs(v.length() - 1.0) <= 4e-16) normal = v;
  return true;
}

bool isWorldZ(const AcGeVector3d& n) { return n.x == 0.0 && n.y == 0.0 && n.z == 1.0; }

bool sameName(const ACHAR* a, const ACHAR* b) { return std::wcscmp(a, b) == 0; }

// Appends vertices of the owner's database to its vertex list. The list takes
// ids it did not make itself only through its filing, so the whole list is
// filed in again (once for all the vertices given).
Acad::ErrorStatus appendResidentVertices(vhost::PolylineVertexList& list, const AcDbObject* owner,
                                         const AcRxClass* vertexClass, const AcDbObjectIdArray& newIds,
                                         const std::function<void(AcDbObject*)>& each = nullptr) {
  AcDbDatabase* db = owner->database();
  if (db == nullptr) return Acad::eNotInDatabase;
  list.adopt(owner);
  std::unordered_set<const void*> seen;
  for (const vhost::PolylineVertexList::Entry& e : list.entries()) {
    if (e.pending) return Acad::eNotInDatabase;  // a vertex that could not join the database
    seen.insert(e.id.stub());
  }
  for (const AcDbObjectId& id : newIds) {
    if (id.isNull() || id.database() != db) return Acad::eWrongDatabase;
    const AcRxClass* cls = id.objectClass();
    if (cls == nullptr || !cls->isDerivedFrom(vertexClass)) return Acad::eWrongObjectType;
    if (!seen.insert(id.stub()).second) return Acad::eAlreadyInDb;
  }
  vhost::MemoryDwgFiler filer;
  const AcDbObjectIdArray old = list.ids();
  filer.writeInt32(old.length() + newIds.length());
  for (const AcDbObjectId& id : old) filer.writeHardOwnershipId(id);
  for (const AcDbObjectId& id : newIds) filer.writeHardOwnershipId(id);
  filer.rewind();
  Acad::ErrorStatus es = list.dwgIn(&filer);
  if (es != Acad::eOk) return es;
  for (const AcDbObjectId& id : newIds) {
    AcDbObject* obj = nullptr;
    bool opened = false;
    if (vhost::openOwned(id, each ? AcDb::kForWrite : AcDb::kForRead, obj, opened) != Acad::eOk) continue;
    if (obj->ownerId() != owner->objectId()) obj->setOwnerId(owner->objectId());
    if (each) each(obj);
    if (opened) obj->close();
  }
  return Acad::eOk;
}

}  // namespace

AcRxClass* AcDb2dPolyline::vhostDxfPolylineClass(int flags, const ACHAR* subclassMarker) {
  if (subclassMarker && *subclassMarker) {
    if (sameName(subclassMarker, L"AcDb2dPolyline")) return AcDb2dPolyline::desc();
    if (sameName(subclassMarker, L"AcDb3dPolyline")) return AcDb3dPolyline::desc();
    return nullptr;  // AcDbPolygonMesh, AcDbPolyFaceMesh and anything else
  }
  if (flags & (kPlPolygonMesh | kPlPolyFaceMesh)) return nullptr;
  if (flags & kPl3d) return AcDb3dPolyline::desc();
  return AcDb2dPolyline::desc();
}

AcRxClass* AcDb2dPolyline::vhostDxfVertexClass(int flags, const ACHAR* subclassMarker) {
  if (subclassMarker && *subclassMarker) {
    if (sameName(subclassMarker, L"AcDb2dVertex")) return AcDb2dVertex::desc();
    if (sameName(subclassMarker, L"AcDb3dPolylineVertex")) return AcDb3dPolylineVertex::desc();
    return nullptr;
  }
  if (flags & (kVxPolygonMesh | kVxPolyFace)) return nullptr;
  if (flags & kVx3dPolyline) return AcDb3dPolylineVertex::desc();
  return AcDb2dVertex::desc();
}

Acad::ErrorStatus AcDb2dPolyline::vhostAppendReadVertex(const AcDbObjectId& vertexId) {
  AcDbObjectIdArray ids;
  ids.append(vertexId);
  return vhostAppendReadVertices(ids);
}

Acad::ErrorStatus AcDb2dPolyline::vhostAppendReadVertices(const AcDbObjectIdArray& vertexIds) {
  assertWriteEnabled();
  return appendResidentVertices(mVertices, this, AcDb2dVertex::desc(), vertexIds, [this](AcDbObject* obj) {
    if (AcDb2dVertex* v = AcDb2dVertex::cast(obj)) v->vhostTakeDefaultWidths(mDefStartWidth, mDefEndWidth);
  });
}

Acad::ErrorStatus AcDb2dPolyline::dxfOutFields(AcDbDxfFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = vhost::CurveEntity::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeString(100, L"AcDb2dPolyline");
  filer->writeInt16(66, 1);  // vertices follow
  filer->writePoint3d(10, AcGePoint3d(0.0, 0.0, mElevation));
  if (mThickness != 0.0) filer->writeDouble(39, mThickness);
  Adesk::Int16 flags = 0;
  if (mClosed) flags |= kPlClosed;
  if (mPlinegen) flags |= kPlPlinegen;
  if (mType == AcDb::k2dFitCurvePoly) flags |= kPlCurveFit;
  const bool spline = mType == AcDb::k2dQuadSplinePoly || mType == AcDb::k2dCubicSplinePoly;
  if (spline) flags |= kPlSplineFit;
  flags |= static_cast<Adesk::Int16>(vhost::dxfKeptBits(this, L"AcDb2dPolyline", 70));
  filer->writeInt16(70, flags);
  if (mDefStartWidth != 0.0) filer->writeDouble(40, mDefStartWidth);
  if (mDefEndWidth != 0.0) filer->writeDouble(41, mDefEndWidth);
  if (spline) filer->writeInt16(75, mType == AcDb::k2dQuadSplinePoly ? kQuadraticCurve : kCubicCurve);
  if (!isWorldZ(mNormal)) filer->writeVector3d(210, mNormal);
  vhost::dxfWriteKept(filer, this, L"AcDb2dPolyline");
  return filer->filerStatus();
}

Acad::ErrorStatus AcDb2dPolyline::dxfInFields(AcDbDxfFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = vhost::CurveEntity::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  if (!filer->atSubclassData(L"AcDb2dPolyline")) return vhost::dxfBadSubclass(filer, L"AcDb2dPolyline");
  int flags = 0, curveType = 0;
  double elevation = 0.0, thickness = 0.0, startWidth = 0.0, endWidth = 0.0;
  AcGeVector3d normal = AcGeVector3d::kZAxis;
  vhost::DxfKeptGroups kept(L"AcDb2dPolyline");
  const wchar_t* bad = nullptr;
  resbuf rb;
  while ((es = filer->readResBuf(&rb)) == Acad::eOk) {
    switch (rb.restype) {
      case 66:  // "vertices follow": they always do
        break;
      case 10:  // X and Y are always 0; Z is the elevation
        elevation = rb.resval.rpoint[2];
        if (!std::isfinite(elevation)) bad = L"POLYLINE: elevation (30) is not a number";
        break;
      case 39:
        thickness = rb.resval.rreal;
        if (!std::isfinite(thickness)) bad = L"POLYLINE: thickness (39) is not a number";
        break;
      case 70:
        flags = rb.resval.rint;
        break;
      case 40:
        startWidth = rb.resval.rreal;
        if (!(startWidth >= 0.0) || !std::isfinite(startWidth))
          bad = L"POLYLINE: default start width (40) must be a number >= 0";
        break;
      case 41:
        endWidth = rb.resval.rreal;
        if (!(endWidth >= 0.0) || !std::isfinite(endWidth))
          bad = L"POLYLINE: default end width (41) must be a number >= 0";
        break;
      case 75:
        curveType = rb.resval.rint;
        break;
      case 210:
        if (!readNormal(rb, normal)) bad = L"POLYLINE: extrusion direction (210) is zero or not a number";
        break;
      default:
        kept.add(rb);
    }
    vhost::dxfReleaseValue(rb);
    if (bad) return vhost::dxfError(filer, bad);
  }
  if (es != Acad::eEndOfObject) return es;
  if (flags & (kPl3d | kPlPolygonMesh | kPlPolyFaceMesh))
    return vhost::dxfError(filer, L"POLYLINE: the flags (70) make a 3D polyline or a mesh, not a 2D polyline");
  if (flags & kPlSplineFit)
    mType = curveType == kQuadraticCurve ? AcDb::k2dQuadSplinePoly : AcDb::k2dCubicSplinePoly;
  else if (flags & kPlCurveFit)
    mType = AcDb::k2dFitCurvePoly;
  else
    mType = AcDb::k2dSimplePoly;
  mClosed = (flags & kPlClosed) != 0;
  mPlinegen = (flags & kPlPlinegen) != 0;
  vhost::dxfKeepBits(this, L"AcDb2dPolyline", 70, flags & ~kPlKnownFlags);
  mDefStartWidth = startWidth;
  mDefEndWidth = endWidth;
  mThickness = thickness;
  mElevation = elevation;
  mNormal = normal;
  kept.storeInto(this);
  return Acad::eOk;
}
