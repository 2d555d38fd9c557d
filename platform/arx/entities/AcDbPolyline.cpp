#include "arx/entities/AcDbPolyline.h"

#include <algorithm>
#include <cmath>

#include "arx/db/AcDbDwgFiler.h"
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
