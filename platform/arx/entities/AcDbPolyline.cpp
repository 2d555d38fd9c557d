#include "arx/entities/AcDbPolyline.h"

#include <algorithm>
#include <cmath>

#include "arx/db/AcDbDwgFiler.h"
#include "arx/db/VhostDxfRecordFiling.h"
#include "arx/db/VhostDxfSupport.h"
#include "arx/entities/AcDb2dPolyline.h"
#include "arx/entities/AcDb2dVertex.h"
#include "arx/entities/AcDbArc.h"
#include "arx/entities/AcDbLine.h"
#include "arx/entities/EntityPlaneUtil.h"
#include "arx/ge/AcGeCircArc2d.h"
#include "arx/ge/AcGeCircArc3d.h"
#include "arx/ge/AcGeLineSeg2d.h"
#include "arx/ge/AcGeLineSeg3d.h"
#include "arx/ge/AcGePlane.h"
#include "arx/ge/BulgePiece.h"
#include "arx/ge/GeMath.h"

VHOST_DEFINE_BUILTIN_CLASS(AcDbPolyline, AcDbCurve, L"LWPOLYLINE")

namespace {

bool finite2(const AcGePoint2d& p) { return std::isfinite(p.x) && std::isfinite(p.y); }

}  // namespace

AcDbPolyline::AcDbPolyline() = default;

AcDbPolyline::AcDbPolyline(unsigned int numVerts) { mOutline.verts.reserve(numVerts); }

AcDbPolyline::~AcDbPolyline() = default;

// ---- vertices ----------------------------------------------------------------------------

unsigned int AcDbPolyline::numVerts() const {
  assertReadEnabled();
  return static_cast<unsigned int>(mOutline.verts.size());
}

Acad::ErrorStatus AcDbPolyline::getPointAt(unsigned int index, AcGePoint3d& pt) const {
  assertReadEnabled();
  if (!validIndex(index)) return Acad::eInvalidIndex;
  pt = mOutline.toWorld(mOutline.verts[index].pt);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getPointAt(unsigned int index, AcGePoint2d& pt) const {
  assertReadEnabled();
  if (!validIndex(index)) return Acad::eInvalidIndex;
  pt = mOutline.verts[index].pt;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::setPointAt(unsigned int index, const AcGePoint2d& pt) {
  assertReadEnabled();
  if (!validIndex(index)) return Acad::eInvalidIndex;
  if (!finite2(pt)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mOutline.verts[index].pt = pt;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::addVertexAt(unsigned int index, const AcGePoint2d& pt, double bulge, double startWidth,
                                            double endWidth) {
  if (!finite2(pt) || !std::isfinite(bulge) || !std::isfinite(startWidth) || !std::isfinite(endWidth))
    return Acad::eInvalidInput;
  assertWriteEnabled();
  vhost::OutlineVertex v;
  v.pt = pt;
  v.bulge = bulge;
  v.startWidth = startWidth < 0.0 ? mConstWidth : startWidth;
  v.endWidth = endWidth < 0.0 ? mConstWidth : endWidth;
  const size_t at = std::min<size_t>(index, mOutline.verts.size());
  mOutline.verts.insert(mOutline.verts.begin() + static_cast<std::ptrdiff_t>(at), v);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::removeVertexAt(unsigned int index) {
  assertReadEnabled();
  if (!validIndex(index)) return Acad::eInvalidIndex;
  assertWriteEnabled();
  mOutline.verts.erase(mOutline.verts.begin() + static_cast<std::ptrdiff_t>(index));
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getBulgeAt(unsigned int index, double& bulge) const {
  assertReadEnabled();
  if (!validIndex(index)) return Acad::eInvalidIndex;
  bulge = mOutline.verts[index].bulge;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::setBulgeAt(unsigned int index, double bulge) {
  assertReadEnabled();
  if (!validIndex(index)) return Acad::eInvalidIndex;
  if (!std::isfinite(bulge)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mOutline.verts[index].bulge = bulge;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getWidthsAt(unsigned int index, double& startWidth, double& endWidth) const {
  assertReadEnabled();
  if (!validIndex(index)) return Acad::eInvalidIndex;
  startWidth = mOutline.verts[index].startWidth;
  endWidth = mOutline.verts[index].endWidth;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getStartWidthAt(unsigned int index, double& startWidth) const {
  double e;
  return getWidthsAt(index, startWidth, e);
}

Acad::ErrorStatus AcDbPolyline::getEndWidthAt(unsigned int index, double& endWidth) const {
  double s;
  return getWidthsAt(index, s, endWidth);
}

Acad::ErrorStatus AcDbPolyline::setWidthsAt(unsigned int index, double startWidth, double endWidth) {
  assertReadEnabled();
  if (!validIndex(index)) return Acad::eInvalidIndex;
  if (!(startWidth >= 0.0) || !(endWidth >= 0.0) || !std::isfinite(startWidth) || !std::isfinite(endWidth))
    return Acad::eInvalidInput;
  assertWriteEnabled();
  mOutline.verts[index].startWidth = startWidth;
  mOutline.verts[index].endWidth = endWidth;
  return Acad::eOk;
}

void AcDbPolyline::reset(Adesk::Boolean reuse, unsigned int numVerts) {
  assertWriteEnabled();
  if (!reuse) {
    mOutline.verts.clear();
    mOutline.verts.reserve(numVerts);
  } else if (numVerts < mOutline.verts.size()) {
    mOutline.verts.resize(numVerts);
  }
}

void AcDbPolyline::minimizeMemory() {
  assertWriteEnabled();
  mOutline.verts.shrink_to_fit();
}

void AcDbPolyline::maximizeMemory() { assertWriteEnabled(); }

// ---- segments ----------------------------------------------------------------------------

AcDbPolyline::SegType AcDbPolyline::segType(unsigned int index) const {
  assertReadEnabled();
  const size_t n = mOutline.verts.size();
  if (n == 0 || index >= n) return kEmpty;
  if (n == 1) return kPoint;
  if (!mOutline.closed && index == n - 1) return kEmpty;
  const vhost::OutlineVertex& a = mOutline.verts[index];
  const vhost::OutlineVertex& b = mOutline.verts[(index + 1) % n];
  if (a.pt.isEqualTo(b.pt)) return kCoincident;
  return std::fabs(a.bulge) < VeskGe::BulgePiece::kLineBulge ? kLine : kArc;
}

Acad::ErrorStatus AcDbPolyline::getLineSegAt(unsigned int index, AcGeLineSeg2d& ln) const {
  const SegType t = segType(index);
  if (t == kEmpty) return Acad::eInvalidIndex;
  if (t != kLine) return Acad::eInvalidInput;
  ln.set(mOutline.verts[index].pt, mOutline.verts[(index + 1) % mOutline.verts.size()].pt);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getLineSegAt(unsigned int index, AcGeLineSeg3d& ln) const {
  const SegType t = segType(index);
  if (t == kEmpty) return Acad::eInvalidIndex;
  if (t != kLine) return Acad::eInvalidInput;
  ln.set(mOutline.toWorld(mOutline.verts[index].pt),
         mOutline.toWorld(mOutline.verts[(index + 1) % mOutline.verts.size()].pt));
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getArcSegAt(unsigned int index, AcGeCircArc2d& arc) const {
  const SegType t = segType(index);
  if (t == kEmpty) return Acad::eInvalidIndex;
  if (t != kArc) return Acad::eInvalidInput;
  const VeskGe::BulgePiece piece(mOutline.verts[index].pt, mOutline.verts[(index + 1) % mOutline.verts.size()].pt,
                                 mOutline.verts[index].bulge);
  return piece.toCircArc2d(arc) ? Acad::eOk : Acad::eInvalidInput;
}

Acad::ErrorStatus AcDbPolyline::getArcSegAt(unsigned int index, AcGeCircArc3d& arc) const {
  const SegType t = segType(index);
  if (t == kEmpty) return Acad::eInvalidIndex;
  if (t != kArc) return Acad::eInvalidInput;
  const VeskGe::BulgePiece piece(mOutline.verts[index].pt, mOutline.verts[(index + 1) % mOutline.verts.size()].pt,
                                 mOutline.verts[index].bulge, mOutline.elevation);
  if (!piece.toCircArc3d(arc)) return Acad::eInvalidInput;
  arc.transformBy(AcGeMatrix3d::planeToWorld(mOutline.normal));
  return Acad::eOk;
}

Adesk::Boolean AcDbPolyline::onSegAt(unsigned int index, const AcGePoint2d& pt2d, double& param) const {
  const SegType t = segType(index);
  if (t == kEmpty) return false;
  const size_t n = mOutline.verts.size();
  const VeskGe::BulgePiece piece(mOutline.verts[index].pt, mOutline.verts[(index + 1) % n].pt,
                                 t == kPoint ? 0.0 : mOutline.verts[index].bulge);
  const AcGePoint3d p(pt2d.x, pt2d.y, 0.0);
  const double mag = std::max(std::fabs(pt2d.x), std::fabs(pt2d.y));
  const AcGeTol tol(vhost::pointTolerance(mag), AcGeContext::gTol.equalVector());
  if (!piece.isOn(p, tol)) return false;
  param = index + (t == kPoint || t == kCoincident ? 0.0 : piece.fractionOf(p));
  return true;
}

// ---- properties --------------------------------------------------------------------------

void AcDbPolyline::setClosed(Adesk::Boolean closed) {
  assertWriteEnabled();
  mOutline.closed = closed;
}

Adesk::Boolean AcDbPolyline::isClosed() const {
  assertReadEnabled();
  return mOutline.closed;
}

void AcDbPolyline::setPlinegen(Adesk::Boolean plinegen) {
  assertWriteEnabled();
  mPlinegen = plinegen;
}

Adesk::Boolean AcDbPolyline::isPlinegen() const {
  assertReadEnabled();
  return mPlinegen;
}

double AcDbPolyline::elevation() const {
  assertReadEnabled();
  return mOutline.elevation;
}

void AcDbPolyline::setElevation(double elevation) {
  if (!std::isfinite(elevation)) return;
  assertWriteEnabled();
  mOutline.elevation = elevation;
}

double AcDbPolyline::thickness() const {
  assertReadEnabled();
  return mThickness;
}

Acad::ErrorStatus AcDbPolyline::setThickness(double thickness) {
  if (!std::isfinite(thickness)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mThickness = thickness;
  return Acad::eOk;
}

AcGeVector3d AcDbPolyline::normal() const {
  assertReadEnabled();
  return mOutline.normal;
}

Acad::ErrorStatus AcDbPolyline::setNormal(const AcGeVector3d& normal) {
  AcGeVector3d n;
  if (!vhost::validNormal(normal, n)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mOutline.normal = n;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getConstantWidth(double& width) const {
  assertReadEnabled();
  if (mOutline.verts.empty()) {
    width = mConstWidth;
    return Acad::eOk;
  }
  const double w = mOutline.verts.front().startWidth;
  for (const vhost::OutlineVertex& v : mOutline.verts)
    if (v.startWidth != w || v.endWidth != w) return Acad::eNotApplicable;
  width = w;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::setConstantWidth(double width) {
  if (!(width >= 0.0) || !std::isfinite(width)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mConstWidth = width;
  for (vhost::OutlineVertex& v : mOutline.verts) v.startWidth = v.endWidth = width;
  return Acad::eOk;
}

Adesk::Boolean AcDbPolyline::hasBulges() const {
  assertReadEnabled();
  const int segs = mOutline.numSegs();
  for (int i = 0; i < segs; ++i)
    if (mOutline.verts[static_cast<size_t>(i)].bulge != 0.0) return true;
  return false;
}

Adesk::Boolean AcDbPolyline::isOnlyLines() const {
  assertReadEnabled();
  const int segs = mOutline.numSegs();
  for (int i = 0; i < segs; ++i)
    if (segType(static_cast<unsigned int>(i)) == kArc) return false;
  return true;
}

Adesk::Boolean AcDbPolyline::hasWidth() const {
  assertReadEnabled();
  for (const vhost::OutlineVertex& v : mOutline.verts)
    if (v.startWidth != 0.0 || v.endWidth != 0.0) return true;
  return false;
}

// ---- geometry ----------------------------------------------------------------------------

AcDbPolyline* AcDbPolyline::newLike(std::vector<vhost::OutlineVertex> verts) const {
  AcDbPolyline* pl = new AcDbPolyline();
  pl->setPropertiesFrom(this);
  pl->mOutline = mOutline;
  pl->mOutline.closed = false;
  pl->mOutline.verts = std::move(verts);
  pl->mPlinegen = mPlinegen;
  pl->mConstWidth = mConstWidth;
  pl->mThickness = mThickness;
  return pl;
}

Acad::ErrorStatus AcDbPolyline::buildGeometry(vhost::CurveGeometry& g) const {
  assertReadEnabled();
  return mOutline.buildGeometry(g);
}

Acad::ErrorStatus AcDbPolyline::getSplitCurves(const AcGeDoubleArray& params, AcDbVoidPtrArray& curveSegments) const {
  assertReadEnabled();
  std::vector<double> ps;
  Acad::ErrorStatus es = splitParams(params, ps);
  if (es != Acad::eOk) return es;
  if (mOutline.numSegs() == 0) return Acad::eDegenerateGeometry;
  for (const auto& r : mOutline.splitRanges(ps)) curveSegments.append(newLike(mOutline.part(r.first, r.second)));
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::extend(double newParam) {
  assertReadEnabled();
  vhost::BulgeOutline o = mOutline;
  Acad::ErrorStatus es = o.extend(newParam);
  if (es != Acad::eOk) return es;
  assertWriteEnabled();
  mOutline = std::move(o);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::extend(Adesk::Boolean extendStart, const AcGePoint3d& toPoint) {
  assertReadEnabled();
  vhost::BulgeOutline o = mOutline;
  Acad::ErrorStatus es = o.extend(extendStart, toPoint);
  if (es != Acad::eOk) return es;
  assertWriteEnabled();
  mOutline = std::move(o);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::reverseCurve() {
  assertWriteEnabled();
  mOutline.reverse();
  return Acad::eOk;
}

// ---- entity protocol ---------------------------------------------------------------------

Acad::ErrorStatus AcDbPolyline::transformBy(const AcGeMatrix3d& xform) {
  assertReadEnabled();
  vhost::BulgeOutline o = mOutline;
  double thickness = mThickness;
  Acad::ErrorStatus es = o.transformBy(xform, thickness);
  if (es != Acad::eOk) return es;
  assertWriteEnabled();
  AcGeVector3d x, y;
  vhost::ecsAxes(mOutline.normal, x, y);
  mConstWidth *= std::sqrt((xform * x).crossProduct(xform * y).length());
  mOutline = std::move(o);
  mThickness = thickness;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::explode(AcDbVoidPtrArray& entitySet) const {
  assertReadEnabled();
  mOutline.explode(this, mThickness, entitySet);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getPlane(AcGePlane& plane, AcDb::Planarity& planarity) const {
  assertReadEnabled();
  planarity = AcDb::kPlanar;
  plane.set(AcGePoint3d::kOrigin + mOutline.normal * mOutline.elevation, mOutline.normal);
  return Acad::eOk;
}

// ---- conversion --------------------------------------------------------------------------

Acad::ErrorStatus AcDbPolyline::convertFrom(AcDbEntity*& pPline, Adesk::Boolean transferId) {
  AcDb2dPolyline* old = AcDb2dPolyline::cast(pPline);
  if (old == nullptr) return Acad::eIllegalEntityType;
  if (old->polyType() != AcDb::k2dSimplePoly && old->polyType() != AcDb::k2dFitCurvePoly)
    return Acad::eIllegalEntityType;
  if (transferId && old->objectId().isNull()) return Acad::eNotInDatabase;
  if (transferId && !old->isWriteEnabled()) return Acad::eNotOpenForWrite;
  std::vector<vhost::Poly2dVertexData> verts;
  Acad::ErrorStatus es = old->vhostDrawnVertices(verts);
  if (es != Acad::eOk) return es;
  assertWriteEnabled();
  setPropertiesFrom(old);
  mOutline.normal = old->normal();
  mOutline.elevation = old->elevation();
  mThickness = old->thickness();
  mOutline.closed = old->isClosed();
  mPlinegen = old->isLinetypeGenerationOn();
  mConstWidth = old->defaultStartWidth() == old->defaultEndWidth() ? old->defaultStartWidth() : 0.0;
  mOutline.verts.clear();
  for (const vhost::Poly2dVertexData& v : verts) {
    vhost::OutlineVertex w;
    w.pt.set(v.position.x, v.position.y);
    w.bulge = v.bulge;
    w.startWidth = v.startWidth;
    w.endWidth = v.endWidth;
    mOutline.verts.push_back(w);
  }
  if (transferId) {
    // This polyline takes the old one's place in the drawing; the old one is deleted.
    es = old->handOverTo(this);
    if (es != Acad::eObjectToBeDeleted) return es;
    delete old;
    pPline = this;
  }
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::convertTo(AcDb2dPolyline*& pPline, Adesk::Boolean transferId) const {
  assertReadEnabled();
  pPline = nullptr;
  AcDb2dPolyline* p = new AcDb2dPolyline();
  p->setPropertiesFrom(this);
  p->setNormal(mOutline.normal);
  p->setElevation(mOutline.elevation);
  p->setThickness(mThickness);
  if (mPlinegen) p->setLinetypeGenerationOn();
  p->setDefaultStartWidth(mConstWidth);
  p->setDefaultEndWidth(mConstWidth);
  for (const vhost::OutlineVertex& v : mOutline.verts) {
    AcDb2dVertex* vx =
        new AcDb2dVertex(AcGePoint3d(v.pt.x, v.pt.y, mOutline.elevation), v.bulge, v.startWidth, v.endWidth);
    p->appendVertex(vx);
  }
  if (mOutline.closed) p->makeClosed();
  if (transferId) {
    // The new polyline takes this one's place; this one leaves the drawing
    // and the caller deletes it.
    Acad::ErrorStatus es = const_cast<AcDbPolyline*>(this)->handOverTo(p);
    if (es != Acad::eObjectToBeDeleted) {
      delete p;
      return es;
    }
  }
  pPline = p;
  return Acad::eOk;
}

// ---- filing ------------------------------------------------------------------------------

Acad::ErrorStatus AcDbPolyline::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbEntity::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeUInt32(static_cast<Adesk::UInt32>(mOutline.verts.size()));
  for (const vhost::OutlineVertex& v : mOutline.verts) {
    filer->writePoint2d(v.pt);
    filer->writeDouble(v.bulge);
    filer->writeDouble(v.startWidth);
    filer->writeDouble(v.endWidth);
  }
  filer->writeBoolean(mOutline.closed);
  filer->writeBoolean(mPlinegen);
  filer->writeDouble(mConstWidth);
  filer->writeDouble(mOutline.elevation);
  filer->writeDouble(mThickness);
  filer->writeVector3d(mOutline.normal);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbPolyline::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbEntity::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  Adesk::UInt32 count = 0;
  filer->readUInt32(&count);
  if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();
  std::vector<vhost::OutlineVertex> verts;
  for (Adesk::UInt32 i = 0; i < count && filer->filerStatus() == Acad::eOk; ++i) {
    vhost::OutlineVertex v;
    filer->readPoint2d(&v.pt);
    filer->readDouble(&v.bulge);
    filer->readDouble(&v.startWidth);
    filer->readDouble(&v.endWidth);
    verts.push_back(v);
  }
  Adesk::Boolean closed = false, plinegen = false;
  filer->readBoolean(&closed);
  filer->readBoolean(&plinegen);
  filer->readDouble(&mConstWidth);
  filer->readDouble(&mOutline.elevation);
  filer->readDouble(&mThickness);
  filer->readVector3d(&mOutline.normal);
  mOutline.verts = std::move(verts);
  mOutline.closed = closed;
  mPlinegen = plinegen;
  return filer->filerStatus();
}

// ---- DXF filing --------------------------------------------------------------------------

namespace {

enum LwplineDxfFlags : Adesk::Int16 { kLwClosed = 1, kLwPlinegen = 128 };

// Vertex identifiers (91) are not part of the outline: the polyline keeps
// them, one per vertex, with its DXF groups under this name, and files them
// again while the number of vertices has not changed.
const ACHAR* const kVertexIdsKey = L"AcDbPolyline/vertex ids";

bool readNormal(const resbuf& rb, AcGeVector3d& normal) {
  const AcGeVector3d v = vhost::dxfVector(rb);
  if (!vhost::validNormal(v, normal)) return false;
  if (std::fabs(v.length() - 1.0) <= 4e-16) normal = v;
  return true;
}

bool isWorldZ(const AcGeVector3d& n) { return n.x == 0.0 && n.y == 0.0 && n.z == 1.0; }

}  // namespace

Acad::ErrorStatus AcDbPolyline::dxfOutFields(AcDbDxfFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = vhost::CurveEntity::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  const std::vector<vhost::OutlineVertex>& verts = mOutline.verts;
  filer->writeString(100, L"AcDbPolyline");
  filer->writeInt32(90, static_cast<Adesk::Int32>(verts.size()));
  Adesk::Int16 flags = 0;
  if (mOutline.closed) flags |= kLwClosed;
  if (mPlinegen) flags |= kLwPlinegen;
  flags |= static_cast<Adesk::Int16>(vhost::dxfKeptBits(this, L"AcDbPolyline", 70));
  filer->writeInt16(70, flags);
  // One width for every vertex is filed once (43); otherwise each vertex
  // files its own, and 43 keeps the width new vertices take.
  bool uniform = true;
  const double w0 = verts.empty() ? mConstWidth : verts.front().startWidth;
  for (const vhost::OutlineVertex& v : verts)
    if (v.startWidth != w0 || v.endWidth != w0) uniform = false;
  if (uniform)
    filer->writeDouble(43, w0);
  else if (mConstWidth != 0.0)
    filer->writeDouble(43, mConstWidth);
  if (mOutline.elevation != 0.0) filer->writeDouble(38, mOutline.elevation);
  if (mThickness != 0.0) filer->writeDouble(39, mThickness);
  const resbuf* ids = vhost::dxfKeptGroups(this, kVertexIdsKey);
  if (vhost::rbChainLength(ids) != static_cast<int>(verts.size())) ids = nullptr;
  for (const vhost::OutlineVertex& v : verts) {
    filer->writePoint2d(10, v.pt);
    if (!uniform) {
      filer->writeDouble(40, v.startWidth);
      filer->writeDouble(41, v.endWidth);
    }
    if (v.bulge != 0.0) filer->writeDouble(42, v.bulge);
    if (ids) {
      filer->writeInt32(91, ids->resval.rlong);
      ids = ids->rbnext;
    }
  }
  if (!isWorldZ(mOutline.normal)) filer->writeVector3d(210, mOutline.normal);
  vhost::dxfWriteKept(filer, this, L"AcDbPolyline");
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbPolyline::dxfInFields(AcDbDxfFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = vhost::CurveEntity::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  if (!filer->atSubclassData(L"AcDbPolyline")) return vhost::dxfBadSubclass(filer, L"AcDbPolyline");
  long long count = -1;
  int flags = 0;
  double constWidth = 0.0, elevation = 0.0, thickness = 0.0;
  AcGeVector3d normal = AcGeVector3d::kZAxis;
  std::vector<vhost::OutlineVertex> verts;
  std::vector<unsigned char> widthsGiven;  // bit 1: start width read, bit 2: end width read
  std::vector<Adesk::Int32> vertexIds;
  bool anyId = false;
  vhost::DxfKeptGroups kept(L"AcDbPolyline");
  const wchar_t* bad = nullptr;
  auto vertexField = [&](const wchar_t* message) {
    if (verts.empty()) bad = message;
    return !verts.empty();
  };
  resbuf rb;
  while ((es = filer->readResBuf(&rb)) == Acad::eOk) {
    switch (rb.restype) {
      case 90:
        count = rb.resval.rlong;
        if (count < 0) bad = L"LWPOLYLINE: number of vertices (90) is negative";
        break;
      case 70:
        flags = rb.resval.rint;
        break;
      case 43:
        constWidth = rb.resval.rreal;
        if (!(constWidth >= 0.0) || !std::isfinite(constWidth))
          bad = L"LWPOLYLINE: constant width (43) must be a number >= 0";
        break;
      case 38:
        elevation = rb.resval.rreal;
        if (!std::isfinite(elevation)) bad = L"LWPOLYLINE: elevation (38) is not a number";
        break;
      case 39:
        thickness = rb.resval.rreal;
        if (!std::isfinite(thickness)) bad = L"LWPOLYLINE: thickness (39) is not a number";
        break;
      case 210:
        if (!readNormal(rb, normal)) bad = L"LWPOLYLINE: extrusion direction (210) is zero or not a number";
        break;
      case 10: {
        vhost::OutlineVertex v;
        v.pt.set(rb.resval.rpoint[0], rb.resval.rpoint[1]);
        if (!std::isfinite(v.pt.x) || !std::isfinite(v.pt.y)) bad = L"LWPOLYLINE: vertex (10) is not a number";
        verts.push_back(v);
        widthsGiven.push_back(0);
        vertexIds.push_back(0);
        break;
      }
      case 40:
      case 41:
        if (vertexField(L"LWPOLYLINE: a width (40, 41) comes before the first vertex (10)")) {
          const double w = rb.resval.rreal;
          if (!(w >= 0.0) || !std::isfinite(w)) bad = L"LWPOLYLINE: a vertex width (40, 41) must be a number >= 0";
          (rb.restype == 40 ? verts.back().startWidth : verts.back().endWidth) = w;
          widthsGiven.back() |= rb.restype == 40 ? 1 : 2;
        }
        break;
      case 42:
        if (vertexField(L"LWPOLYLINE: a bulge (42) comes before the first vertex (10)")) {
          verts.back().bulge = rb.resval.rreal;
          if (!std::isfinite(rb.resval.rreal)) bad = L"LWPOLYLINE: bulge (42) is not a number";
        }
        break;
      case 91:
        if (vertexField(L"LWPOLYLINE: a vertex identifier (91) comes before the first vertex (10)")) {
          vertexIds.back() = rb.resval.rlong;
          anyId = anyId || rb.resval.rlong != 0;
        }
        break;
      default:
        kept.add(rb);
    }
    vhost::dxfReleaseValue(rb);
    if (bad) return vhost::dxfError(filer, bad);
  }
  if (es != Acad::eEndOfObject) return es;
  if (count >= 0 && static_cast<size_t>(count) != verts.size())
    return vhost::dxfError(filer, L"LWPOLYLINE: the number of vertices (90) says " + std::to_wstring(count) +
                                      L", the drawing has " + std::to_wstring(verts.size()));
  for (size_t i = 0; i < verts.size(); ++i) {
    if (!(widthsGiven[i] & 1)) verts[i].startWidth = constWidth;
    if (!(widthsGiven[i] & 2)) verts[i].endWidth = constWidth;
  }
  mOutline.verts = std::move(verts);
  mOutline.closed = (flags & kLwClosed) != 0;
  mOutline.elevation = elevation;
  mOutline.normal = normal;
  mPlinegen = (flags & kLwPlinegen) != 0;
  vhost::dxfKeepBits(this, L"AcDbPolyline", 70, flags & ~(kLwClosed | kLwPlinegen));
  mConstWidth = constWidth;
  mThickness = thickness;
  resbuf* idChain = nullptr;
  if (anyId) {
    resbuf* tail = nullptr;
    for (Adesk::Int32 id : vertexIds) {
      resbuf* node = acutNewRb(91);
      node->resval.rlong = id;
      (tail ? tail->rbnext : idChain) = node;
      tail = node;
    }
  }
  vhostSetDxfKept(kVertexIdsKey, idChain);
  kept.storeInto(this);
  return Acad::eOk;
}
