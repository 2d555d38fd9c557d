#include "arx/entities/AcDb3dPolyline.h"

#include <algorithm>
#include <cmath>
#include <unordered_set>

#include "arx/db/AcDbDwgFiler.h"
#include "arx/db/AcDbDatabase.h"
#include "arx/db/VhostDxfRecordFiling.h"
#include "arx/db/VhostDxfSupport.h"
#include "arx/db/VhostMemoryFiler.h"
#include "arx/entities/AcDbLine.h"
#include "arx/entities/AcDbObjectIterator.h"
#include "arx/entities/NurbsCurve.h"

VHOST_DEFINE_BUILTIN_CLASS(AcDb3dPolyline, AcDbCurve, L"POLYLINE")

AcDb3dPolyline::AcDb3dPolyline() = default;

AcDb3dPolyline::AcDb3dPolyline(AcDb::Poly3dType type, const AcGePoint3dArray& vertices, Adesk::Boolean closed)
    : mClosed(closed) {
  for (const AcGePoint3d& p : vertices) {
    AcDbObjectId id;
    insertAt(-1, new AcDb3dPolylineVertex(p), id, false);
  }
  if (type != AcDb::k3dSimplePoly) setPolyType(type);
}

AcDb3dPolyline::~AcDb3dPolyline() = default;

Acad::ErrorStatus AcDb3dPolyline::subClose() {
  mVertices.adopt(this);
  return vhost::CurveEntity::subClose();
}

AcDb::Poly3dType AcDb3dPolyline::polyType() const {
  assertReadEnabled();
  return static_cast<AcDb::Poly3dType>(mType);
}

Acad::ErrorStatus AcDb3dPolyline::setPolyType(AcDb::Poly3dType type) {
  switch (type) {
    case AcDb::k3dSimplePoly:
      return straighten();
    case AcDb::k3dQuadSplinePoly:
    case AcDb::k3dCubicSplinePoly:
      return splineFit(type, 8);
  }
  return Acad::eInvalidInput;
}

Acad::ErrorStatus AcDb3dPolyline::makeClosed() {
  assertWriteEnabled();
  mClosed = true;
  return Acad::eOk;
}

Acad::ErrorStatus AcDb3dPolyline::makeOpen() {
  assertWriteEnabled();
  mClosed = false;
  return Acad::eOk;
}

Adesk::Boolean AcDb3dPolyline::isClosed() const {
  assertReadEnabled();
  return mClosed;
}

// ---- vertices ----------------------------------------------------------------------------

Acad::ErrorStatus AcDb3dPolyline::insertAt(int at, AcDb3dPolylineVertex* vertex, AcDbObjectId& id, bool leaveOpen) {
  id.setNull();
  if (vertex == nullptr) return Acad::eNullObjectPointer;
  if (database() != nullptr && !isWriteEnabled()) return Acad::eNotOpenForWrite;
  assertWriteEnabled();
  mVertices.adopt(this);
  return mVertices.insert(this, at < 0 ? mVertices.size() : at, vertex, id, leaveOpen);
}

Acad::ErrorStatus AcDb3dPolyline::appendVertex(AcDb3dPolylineVertex* vertex) {
  AcDbObjectId id;
  return appendVertex(id, vertex);
}

Acad::ErrorStatus AcDb3dPolyline::appendVertex(AcDbObjectId& vertexId, AcDb3dPolylineVertex* vertex) {
  return insertAt(-1, vertex, vertexId, true);
}

Acad::ErrorStatus AcDb3dPolyline::insertVertexAt(const AcDb3dPolylineVertex* indexVertex,
                                                 AcDb3dPolylineVertex* newVertex) {
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

Acad::ErrorStatus AcDb3dPolyline::insertVertexAt(AcDbObjectId& newVertexId, const AcDbObjectId& indexVertexId,
                                                 AcDb3dPolylineVertex* newVertex) {
  int at = 0;
  if (!indexVertexId.isNull()) {
    mVertices.adopt(this);
    const int i = mVertices.indexOf(indexVertexId);
    if (i < 0) return Acad::eInvalidInput;
    at = i + 1;
  }
  return insertAt(at, newVertex, newVertexId, true);
}

Acad::ErrorStatus AcDb3dPolyline::openVertex(AcDb3dPolylineVertex*& vertex, AcDbObjectId vertexId,
                                             AcDb::OpenMode mode, bool openErased) const {
  assertReadEnabled();
  vertex = nullptr;
  mVertices.adopt(this);
  if (mVertices.indexOf(vertexId) < 0) return Acad::eInvalidInput;
  return acdbOpenObject(vertex, vertexId, mode, openErased);
}

AcDbObjectIterator* AcDb3dPolyline::vertexIterator() const {
  assertReadEnabled();
  mVertices.adopt(this);
  return new AcDbObjectIterator(mVertices.ids());
}

// ---- geometry ----------------------------------------------------------------------------

Acad::ErrorStatus AcDb3dPolyline::drawn(std::vector<AcGePoint3d>& pts, std::vector<int>* entries) const {
  assertReadEnabled();
  mVertices.adopt(this);
  pts.clear();
  if (entries) entries->clear();
  return mVertices.forEach([&](const AcDbVertex* v, int i) {
    const AcDb3dPolylineVertex* v3 = AcDb3dPolylineVertex::cast(v);
    if (v3 == nullptr || v3->vertexType() == AcDb::k3dControlVertex) return;
    pts.push_back(v3->position());
    if (entries) entries->push_back(i);
  });
}

Acad::ErrorStatus AcDb3dPolyline::writeBack(const std::vector<AcGePoint3d>& pts, const std::vector<int>& entries) {
  std::vector<int> slot(static_cast<size_t>(mVertices.size()), -1);
  for (size_t k = 0; k < entries.size(); ++k) slot[static_cast<size_t>(entries[k])] = static_cast<int>(k);
  return mVertices.forEachWrite([&](AcDbVertex* v, int i) {
    const int k = slot[static_cast<size_t>(i)];
    if (AcDb3dPolylineVertex* v3 = AcDb3dPolylineVertex::cast(v))
      if (k >= 0) v3->setPosition(pts[static_cast<size_t>(k)]);
  });
}

Acad::ErrorStatus AcDb3dPolyline::buildGeometry(vhost::CurveGeometry& g) const {
  std::vector<AcGePoint3d> pts;
  Acad::ErrorStatus es = drawn(pts, nullptr);
  if (es != Acad::eOk) return es;
  g = vhost::CurveGeometry();
  const size_t n = pts.size();
  if (n == 0) return Acad::eDegenerateGeometry;
  g.closed = mClosed;
  if (n == 1) {
    g.pieces.push_back(vhost::CurvePiece::line(pts[0], pts[0], 0.0, 0.0));
    return Acad::eOk;
  }
  const size_t segs = mClosed ? n : n - 1;
  for (size_t i = 0; i < segs; ++i) {
    const AcGePoint3d& a = pts[i];
    const AcGePoint3d& b = pts[(i + 1) % n];
    g.pieces.push_back(vhost::CurvePiece::line(a, a.isEqualTo(b) ? a : b, double(i), double(i + 1)));
  }
  g.endParam = static_cast<double>(segs);
  return Acad::eOk;
}

// ---- fitting -----------------------------------------------------------------------------

Acad::ErrorStatus AcDb3dPolyline::straighten() {
  assertWriteEnabled();
  mVertices.adopt(this);
  std::vector<int> fits;
  Acad::ErrorStatus es = mVertices.forEach([&](const AcDbVertex* v, int i) {
    const AcDb3dPolylineVertex* v3 = AcDb3dPolylineVertex::cast(v);
    if (v3 && v3->vertexType() == AcDb::k3dFitVertex) fits.push_back(i);
  });
  if (es != Acad::eOk) return es;
  for (auto it = fits.rbegin(); it != fits.rend(); ++it) mVertices.remove(*it);
  es = mVertices.forEachWrite([&](AcDbVertex* v, int) {
    if (AcDb3dPolylineVertex* v3 = AcDb3dPolylineVertex::cast(v)) v3->vhostSetVertexType(AcDb::k3dSimpleVertex);
  });
  if (es != Acad::eOk) return es;
  mType = AcDb::k3dSimplePoly;
  return Acad::eOk;
}

Acad::ErrorStatus AcDb3dPolyline::splineFit() { return splineFit(AcDb::k3dCubicSplinePoly, 8); }

Acad::ErrorStatus AcDb3dPolyline::splineFit(AcDb::Poly3dType splineType, Adesk::Int16 splineSegs) {
  if (splineType != AcDb::k3dQuadSplinePoly && splineType != AcDb::k3dCubicSplinePoly) return Acad::eInvalidInput;
  if (splineSegs < 1) return Acad::eInvalidInput;
  assertWriteEnabled();
  Acad::ErrorStatus es = straighten();
  if (es != Acad::eOk) return es;
  std::vector<AcGePoint3d> frame;
  es = drawn(frame, nullptr);
  if (es != Acad::eOk) return es;
  mType = static_cast<Adesk::UInt8>(splineType);
  vhost::NurbsCurve curve;
  if (frame.size() < 3 ||
      !vhost::NurbsCurve::uniform(frame, splineType == AcDb::k3dQuadSplinePoly ? 2 : 3, mClosed, curve))
    return Acad::eOk;
  es = mVertices.forEachWrite([&](AcDbVertex* v, int) {
    if (AcDb3dPolylineVertex* v3 = AcDb3dPolylineVertex::cast(v)) v3->vhostSetVertexType(AcDb::k3dControlVertex);
  });
  if (es != Acad::eOk) return es;
  const int frameSegs = static_cast<int>(frame.size()) - (mClosed ? 0 : 1);
  const int count = frameSegs * splineSegs;
  const double a = curve.startParam(), b = curve.endParam();
  for (int i = 0; i <= count; ++i) {
    if (mClosed && i == count) break;
    AcDb3dPolylineVertex* fv = new AcDb3dPolylineVertex(curve.evalPoint(a + (b - a) * i / count));
    fv->vhostSetVertexType(AcDb::k3dFitVertex);
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

Acad::ErrorStatus AcDb3dPolyline::getSplitCurves(const AcGeDoubleArray& params, AcDbVoidPtrArray& curveSegments) const {
  assertReadEnabled();
  std::vector<double> ps;
  Acad::ErrorStatus es = splitParams(params, ps);
  if (es != Acad::eOk) return es;
  vhost::CurveGeometry g;
  es = buildGeometry(g);
  if (es != Acad::eOk) return es;
  std::vector<AcGePoint3d> pts;
  drawn(pts, nullptr);
  const size_t n = pts.size();
  const double end = g.endParam;
  if (end <= 0.0) return Acad::eDegenerateGeometry;
  const double eps = 1e-10 * std::max(1.0, end);
  std::vector<std::pair<double, double>> ranges;
  if (mClosed) {
    if (ps.size() > 1 && ps.back() >= end - eps) ps.pop_back();
    if (ps.empty()) ps.push_back(0.0);
    for (size_t i = 0; i < ps.size(); ++i) ranges.emplace_back(ps[i], i + 1 < ps.size() ? ps[i + 1] : ps[0] + end);
  } else {
    std::vector<double> cuts{0.0};
    for (double p : ps)
      if (p > eps && p < end - eps) cuts.push_back(p);
    cuts.push_back(end);
    for (size_t i = 0; i + 1 < cuts.size(); ++i) ranges.emplace_back(cuts[i], cuts[i + 1]);
  }
  auto at = [&](double p) {
    const long k = static_cast<long>(std::floor(p + 1e-12));
    const double f = std::max(0.0, p - k);
    const AcGePoint3d& a = pts[static_cast<size_t>(k) % n];
    if (f <= 1e-12) return a;
    const AcGePoint3d& b = pts[static_cast<size_t>(k + 1) % n];
    return a + (b - a) * f;
  };
  for (const auto& r : ranges) {
    AcGePoint3dArray part;
    part.append(at(r.first));
    for (long k = static_cast<long>(std::floor(r.first + 1e-12)) + 1; k < r.second - 1e-12; ++k)
      part.append(pts[static_cast<size_t>(k) % n]);
    part.append(at(r.second));
    AcDb3dPolyline* piece = new AcDb3dPolyline(AcDb::k3dSimplePoly, part, false);
    piece->setPropertiesFrom(this);
    curveSegments.append(piece);
  }
  return Acad::eOk;
}

Acad::ErrorStatus AcDb3dPolyline::extend(double newParam) {
  if (mClosed) return Acad::eNotApplicable;
  std::vector<AcGePoint3d> pts;
  std::vector<int> entries;
  Acad::ErrorStatus es = drawn(pts, &entries);
  if (es != Acad::eOk) return es;
  const size_t n = pts.size();
  if (n < 2) return Acad::eDegenerateGeometry;
  const double end = static_cast<double>(n - 1);
  if (!std::isfinite(newParam) || (newParam >= 0.0 && newParam <= end)) return Acad::eInvalidInput;
  if (newParam < 0.0) {
    if (pts[0].isEqualTo(pts[1])) return Acad::eDegenerateGeometry;
    pts[0] = pts[0] + (pts[1] - pts[0]) * newParam;
  } else {
    if (pts[n - 2].isEqualTo(pts[n - 1])) return Acad::eDegenerateGeometry;
    pts[n - 1] = pts[n - 2] + (pts[n - 1] - pts[n - 2]) * (newParam - (end - 1.0));
  }
  assertWriteEnabled();
  return writeBack(pts, entries);
}

Acad::ErrorStatus AcDb3dPolyline::extend(Adesk::Boolean extendStart, const AcGePoint3d& toPoint) {
  if (mClosed) return Acad::eNotApplicable;
  std::vector<AcGePoint3d> pts;
  std::vector<int> entries;
  Acad::ErrorStatus es = drawn(pts, &entries);
  if (es != Acad::eOk) return es;
  const size_t n = pts.size();
  if (n < 2) return Acad::eDegenerateGeometry;
  const AcGePoint3d& a = extendStart ? pts[1] : pts[n - 2];
  const AcGePoint3d& b = extendStart ? pts[0] : pts[n - 1];
  const AcGeVector3d d = b - a;
  if (d.isZeroLength()) return Acad::eDegenerateGeometry;
  const AcGeVector3d w = toPoint - a;
  const double f = w.dotProduct(d) / d.lengthSqrd();
  const double tol = vhost::pointTolerance(toPoint.asVector().length());
  if ((w - d * f).length() > tol || f < 1.0 - 1e-12) return Acad::eInvalidInput;
  pts[extendStart ? 0 : n - 1] = toPoint;
  assertWriteEnabled();
  return writeBack(pts, entries);
}

Acad::ErrorStatus AcDb3dPolyline::reverseCurve() {
  assertWriteEnabled();
  mVertices.adopt(this);
  mVertices.reverseOrder();
  return Acad::eOk;
}

// ---- entity protocol ---------------------------------------------------------------------

Acad::ErrorStatus AcDb3dPolyline::transformBy(const AcGeMatrix3d& xform) {
  assertWriteEnabled();
  mVertices.adopt(this);
  return mVertices.forEachWrite([&](AcDbVertex* v, int) {
    if (AcDb3dPolylineVertex* v3 = AcDb3dPolylineVertex::cast(v)) v3->setPosition(xform * v3->position());
  });
}

Acad::ErrorStatus AcDb3dPolyline::explode(AcDbVoidPtrArray& entitySet) const {
  std::vector<AcGePoint3d> pts;
  Acad::ErrorStatus es = drawn(pts, nullptr);
  if (es != Acad::eOk) return es;
  const size_t n = pts.size();
  if (n < 2) return Acad::eOk;
  const size_t segs = mClosed ? n : n - 1;
  for (size_t i = 0; i < segs; ++i) {
    const AcGePoint3d& a = pts[i];
    const AcGePoint3d& b = pts[(i + 1) % n];
    if (a.isEqualTo(b)) continue;
    AcDbLine* line = new AcDbLine(a, b);
    line->setPropertiesFrom(this);
    entitySet.append(line);
  }
  return Acad::eOk;
}

AcRxObject* AcDb3dPolyline::clone() const {
  assertReadEnabled();
  AcDb3dPolyline* p = new AcDb3dPolyline();
  p->setPropertiesFrom(this);
  p->vhostCopyExtrasFrom(this);
  p->mType = mType;
  p->mClosed = mClosed;
  mVertices.adopt(this);
  Acad::ErrorStatus es = mVertices.forEach([&](const AcDbVertex* v, int) {
    const AcDb3dPolylineVertex* v3 = AcDb3dPolylineVertex::cast(v);
    if (v3 == nullptr) return;
    AcDb3dPolylineVertex* c = new AcDb3dPolylineVertex(v3->position());
    c->vhostSetVertexType(v3->vertexType());
    c->setPropertiesFrom(v3);
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

Acad::ErrorStatus AcDb3dPolyline::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbEntity::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  mVertices.adopt(this);
  filer->writeUInt8(mType);
  filer->writeBoolean(mClosed);
  mVertices.dwgOut(filer);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDb3dPolyline::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbEntity::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  Adesk::Boolean closed = false;
  filer->readUInt8(&mType);
  filer->readBoolean(&closed);
  mClosed = closed;
  return mVertices.dwgIn(filer);
}

// ---- DXF filing --------------------------------------------------------------------------

namespace {

enum Polyline3dDxfFlags : Adesk::Int16 { kPlClosed = 1, kPlSplineFit = 4, kPl3d = 8, kPlMesh = 16 | 64 };
constexpr Adesk::Int16 kQuadraticCurve = 5;
constexpr Adesk::Int16 kCubicCurve = 6;

// Appends vertices of the owner's database to its vertex list. The list takes
// ids it did not make itself only through its filing, so the whole list is
// filed in again (once for all the vertices given).
Acad::ErrorStatus appendResidentVertices(vhost::PolylineVertexList& list, const AcDbObject* owner,
                                         const AcRxClass* vertexClass, const AcDbObjectIdArray& newIds) {
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
    if (vhost::openOwned(id, AcDb::kForRead, obj, opened) != Acad::eOk) continue;
    if (obj->ownerId() != owner->objectId()) obj->setOwnerId(owner->objectId());
    if (opened) obj->close();
  }
  return Acad::eOk;
}

}  // namespace

Acad::ErrorStatus AcDb3dPolyline::vhostAppendReadVertex(const AcDbObjectId& vertexId) {
  AcDbObjectIdArray ids;
  ids.append(vertexId);
  return vhostAppendReadVertices(ids);
}

Acad::ErrorStatus AcDb3dPolyline::vhostAppendReadVertices(const AcDbObjectIdArray& vertexIds) {
  assertWriteEnabled();
  return appendResidentVertices(mVertices, this, AcDb3dPolylineVertex::desc(), vertexIds);
}

Acad::ErrorStatus AcDb3dPolyline::dxfOutFields(AcDbDxfFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = vhost::CurveEntity::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeString(100, L"AcDb3dPolyline");
  filer->writeInt16(66, 1);  // vertices follow
  filer->writePoint3d(10, AcGePoint3d::kOrigin);
  Adesk::Int16 flags = kPl3d;
  if (mClosed) flags |= kPlClosed;
  const bool spline = mType != AcDb::k3dSimplePoly;
  if (spline) flags |= kPlSplineFit;
  flags |= static_cast<Adesk::Int16>(vhost::dxfKeptBits(this, L"AcDb3dPolyline", 70));
  filer->writeInt16(70, flags);
  if (spline) filer->writeInt16(75, mType == AcDb::k3dQuadSplinePoly ? kQuadraticCurve : kCubicCurve);
  vhost::dxfWriteKept(filer, this, L"AcDb3dPolyline");
  return filer->filerStatus();
}

Acad::ErrorStatus AcDb3dPolyline::dxfInFields(AcDbDxfFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = vhost::CurveEntity::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  if (!filer->atSubclassData(L"AcDb3dPolyline")) return vhost::dxfBadSubclass(filer, L"AcDb3dPolyline");
  int flags = kPl3d, curveType = 0;
  vhost::DxfKeptGroups kept(L"AcDb3dPolyline");
  resbuf rb;
  while ((es = filer->readResBuf(&rb)) == Acad::eOk) {
    switch (rb.restype) {
      case 66:  // "vertices follow": they always do
        break;
      case 10:  // a dummy point (the origin), written again as such
        break;
      case 70:
        flags = rb.resval.rint;
        break;
      case 75:
        curveType = rb.resval.rint;
        break;
      default:
        kept.add(rb);
    }
    vhost::dxfReleaseValue(rb);
  }
  if (es != Acad::eEndOfObject) return es;
  if (flags & kPlMesh) return vhost::dxfError(filer, L"POLYLINE: the flags (70) make a mesh, not a 3D polyline");
  if (flags & kPlSplineFit)
    mType = curveType == kQuadraticCurve ? AcDb::k3dQuadSplinePoly : AcDb::k3dCubicSplinePoly;
  else
    mType = AcDb::k3dSimplePoly;
  mClosed = (flags & kPlClosed) != 0;
  vhost::dxfKeepBits(this, L"AcDb3dPolyline", 70, flags & ~(kPlClosed | kPlSplineFit | kPl3d | kPlMesh));
  kept.storeInto(this);
  return Acad::eOk;
}
