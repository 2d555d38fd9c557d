#include "arx/entities/AcDbRasterImage.h"

#include <cmath>

#include "arx/db/AcDbDwgFiler.h"
#include "arx/entities/AcDbRasterImageDef.h"
#include "arx/entities/VhostAnnotationUtil.h"
#include "arx/ge/AcDbExtents.h"
#include "arx/ge/AcGePlane.h"

VHOST_DEFINE_BUILTIN_CLASS(AcDbRasterImage, AcDbEntity, L"IMAGE")

using namespace vhost::annot;

AcDbRasterImage::AcDbRasterImage() = default;
AcDbRasterImage::~AcDbRasterImage() = default;

AcDbObjectId AcDbRasterImage::imageDefId() const {
  assertReadEnabled();
  return mDef;
}

Acad::ErrorStatus AcDbRasterImage::setImageDefId(AcDbObjectId imageId) {
  AcGeVector2d size = mCachedSize;
  if (!imageId.isNull()) {
    AcRxClass* cls = imageId.objectClass();
    if (cls == nullptr || !cls->isDerivedFrom(AcDbRasterImageDef::desc())) return Acad::eWrongObjectType;
    if (database() && imageId.database() != database()) return Acad::eWrongDatabase;
    ReadHandle<AcDbRasterImageDef> def(imageId);
    if (def) size = def->size();
  }
  assertWriteEnabled();
  mDef = imageId;
  if (size.x > 0.0 && size.y > 0.0 && size != mCachedSize) {
    mCachedSize = size;
    if (mClipType == kInvalid) resetClipBoundary();
  }
  return Acad::eOk;
}

AcGeVector2d AcDbRasterImage::pixelSize() const {
  if (!mDef.isNull()) {
    ReadHandle<AcDbRasterImageDef> def(mDef);
    if (def) {
      const AcGeVector2d s = def->size();
      if (s.x > 0.0 && s.y > 0.0) return s;
    }
  }
  return mCachedSize;
}

AcGeVector2d AcDbRasterImage::imageSize(bool getCachedValue) const {
  assertReadEnabled();
  return getCachedValue ? mCachedSize : pixelSize();
}

AcGeVector2d AcDbRasterImage::scale() const {
  assertReadEnabled();
  const AcGeVector2d px = pixelSize();
  if (!(px.x > 0.0) || !(px.y > 0.0)) return AcGeVector2d(0.0, 0.0);
  return AcGeVector2d(mU.length() / px.x, mV.length() / px.y);
}

bool AcDbRasterImage::setOrientation(const AcGePoint3d& origin, const AcGeVector3d& uCorner,
                                     const AcGeVector3d& onPlane) {
  const double lu = uCorner.length(), lv = onPlane.length();
  if (!isFinite(origin) || !isFinite(uCorner) || !isFinite(onPlane) || !(lu > 1e-12) || !(lv > 1e-12)) return false;
  if (std::fabs(uCorner.dotProduct(onPlane)) > 1e-9 * lu * lv) return false;
  assertWriteEnabled();
  mOrigin = origin;
  mU = uCorner;
  mV = onPlane;
  return true;
}

void AcDbRasterImage::getOrientation(AcGePoint3d& origin, AcGeVector3d& u, AcGeVector3d& v) const {
  assertReadEnabled();
  origin = mOrigin;
  u = mU;
  v = mV;
}

Acad::ErrorStatus AcDbRasterImage::getPixelToModelTransform(AcGeMatrix3d& pixelToModel) const {
  assertReadEnabled();
  const AcGeVector2d px = pixelSize();
  if (!(px.x > 0.0) || !(px.y > 0.0)) return Acad::eInvalidInput;
  // model = origin + (x + 0.5)/w u + (h - (y + 0.5))/h v
  const AcGeVector3d ex = mU / px.x;
  const AcGeVector3d ey = -mV / px.y;
  const AcGePoint3d at = mOrigin + ex * 0.5 + mV + ey * 0.5;
  const AcGeVector3d ez = mU.crossProduct(mV).normal();
  pixelToModel.setCoordSystem(at, ex, ey, ez);
  return Acad::eOk;
}

void AcDbRasterImage::resetClipBoundary() {
  mClip.removeAll();
  mClipType = kInvalid;
  if (mCachedSize.x > 0.0 && mCachedSize.y > 0.0) {
    mClip.append(AcGePoint2d(-0.5, -0.5));
    mClip.append(AcGePoint2d(mCachedSize.x - 0.5, mCachedSize.y - 0.5));
    mClipType = kRect;
  }
}

Acad::ErrorStatus AcDbRasterImage::setClipBoundary(ClipBoundaryType type, const AcGePoint2dArray& points) {
  AcGePoint2dArray pts;
  for (const AcGePoint2d& p : points) {
    if (!std::isfinite(p.x) || !std::isfinite(p.y)) return Acad::eInvalidInput;
    pts.append(p);
  }
  if (type == kRect) {
    if (pts.length() != 2) return Acad::eInvalidInput;
    const AcGePoint2d lo(std::fmin(pts[0].x, pts[1].x), std::fmin(pts[0].y, pts[1].y));
    const AcGePoint2d hi(std::fmax(pts[0].x, pts[1].x), std::fmax(pts[0].y, pts[1].y));
    if (!(hi.x - lo.x > 0.0) || !(hi.y - lo.y > 0.0)) return Acad::eInvalidInput;
    pts.removeAll();
    pts.append(lo);
    pts.append(hi);
  } else if (type == kPoly) {
    if (pts.length() >= 2 && pts.first().isEqualTo(pts.last())) pts.removeLast();
    if (pts.length() < 3) return Acad::eInvalidInput;
    double area2 = 0.0;
    for (int i = 0; i < pts.length(); ++i) {
      const AcGePoint2d& a = pts[i];
      const AcGePoint2d& b = pts[(i + 1) % pts.length()];
      area2 += a.x * b.y - b.x * a.y;
    }
    if (!(std::fabs(area2) > 0.0)) return Acad::eInvalidInput;
    pts.append(pts.first());
  } else {
    return Acad::eInvalidInput;
  }
  assertWriteEnabled();
  mClip = pts;
  mClipType = static_cast<Adesk::Int16>(type);
  mDisplay |= kClip;
  return Acad::eOk;
}

const AcGePoint2dArray& AcDbRasterImage::clipBoundary() const {
  assertReadEnabled();
  return mClip;
}

AcDbRasterImage::ClipBoundaryType AcDbRasterImage::clipBoundaryType() const {
  assertReadEnabled();
  return static_cast<ClipBoundaryType>(mClipType);
}

bool AcDbRasterImage::isClipped() const {
  assertReadEnabled();
  return (mDisplay & kClip) != 0 && mClipType != kInvalid;
}

Acad::ErrorStatus AcDbRasterImage::setClipped(bool clipped) { return setDisplayOpt(kClip, clipped); }

Acad::ErrorStatus AcDbRasterImage::getVertices(AcGePoint3dArray& vertices) const {
  assertReadEnabled();
  vertices.removeAll();
  if (!isClipped()) {
    vertices.append(mOrigin);
    vertices.append(mOrigin + mU);
    vertices.append(mOrigin + mU + mV);
    vertices.append(mOrigin + mV);
    vertices.append(mOrigin);
    return Acad::eOk;
  }
  AcGeMatrix3d toModel;
  Acad::ErrorStatus es = getPixelToModelTransform(toModel);
  if (es != Acad::eOk) return es;
  AcGePoint2dArray ring;
  if (mClipType == kRect) {
    const AcGePoint2d lo = mClip[0], hi = mClip[1];
    // Counter-clockwise in the drawing: pixel y grows downwards.
    ring.append(AcGePoint2d(lo.x, hi.y));
    ring.append(AcGePoint2d(hi.x, hi.y));
    ring.append(AcGePoint2d(hi.x, lo.y));
    ring.append(AcGePoint2d(lo.x, lo.y));
    ring.append(AcGePoint2d(lo.x, hi.y));
  } else {
    ring = mClip;
  }
  for (const AcGePoint2d& p : ring) vertices.append(toModel * AcGePoint3d(p.x, p.y, 0.0));
  return Acad::eOk;
}

bool AcDbRasterImage::isSetDisplayOpt(ImageDisplayOpt option) const {
  assertReadEnabled();
  return (mDisplay & option) != 0;
}

Acad::ErrorStatus AcDbRasterImage::setDisplayOpt(ImageDisplayOpt option, bool value) {
  if (option != kShow && option != kShowUnAligned && option != kClip && option != kTransparent)
    return Acad::eInvalidInput;
  assertWriteEnabled();
  mDisplay = static_cast<Adesk::Int16>(value ? (mDisplay | option) : (mDisplay & ~option));
  return Acad::eOk;
}

#define VHOST_IMAGE_PERCENT(GET, SET, FIELD)                 \
  Adesk::Int8 AcDbRasterImage::GET() const {                 \
    assertReadEnabled();                                     \
    return FIELD;                                            \
  }                                                          \
  Acad::ErrorStatus AcDbRasterImage::SET(Adesk::Int8 value) { \
    if (value < 0 || value > 100) return Acad::eInvalidInput; \
    assertWriteEnabled();                                    \
    FIELD = value;                                           \
    return Acad::eOk;                                        \
  }

VHOST_IMAGE_PERCENT(brightness, setBrightness, mBrightness)
VHOST_IMAGE_PERCENT(contrast, setContrast, mContrast)
VHOST_IMAGE_PERCENT(fade, setFade, mFade)
#undef VHOST_IMAGE_PERCENT

Acad::ErrorStatus AcDbRasterImage::getGeomExtents(AcDbExtents& extents) const {
  AcGePoint3dArray outline;
  Acad::ErrorStatus es = getVertices(outline);
  if (es != Acad::eOk) return es;
  extents = AcDbExtents();
  for (const AcGePoint3d& p : outline) extents.addPoint(p);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbRasterImage::transformBy(const AcGeMatrix3d& xform) {
  const AcGeVector3d u = xform * mU;
  const AcGeVector3d v = xform * mV;
  const double lu = u.length(), lv = v.length();
  if (!(lu > 1e-300) || !(lv > 1e-300)) return Acad::eInvalidInput;
  if (std::fabs(u.dotProduct(v)) > 1e-9 * lu * lv) return Acad::eCannotScaleNonUniformly;
  assertWriteEnabled();
  mOrigin = xform * mOrigin;
  mU = u;
  mV = v;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbRasterImage::getPlane(AcGePlane& plane, AcDb::Planarity& planarity) const {
  assertReadEnabled();
  plane.set(mOrigin, mU, mV);
  planarity = AcDb::kPlanar;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbRasterImage::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbEntity::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeHardPointerId(mDef);
  filer->writePoint3d(mOrigin);
  filer->writeVector3d(mU);
  filer->writeVector3d(mV);
  filer->writeVector2d(mCachedSize);
  filer->writeInt16(mClipType);
  filer->writeInt32(mClip.length());
  for (const AcGePoint2d& p : mClip) filer->writePoint2d(p);
  filer->writeInt16(mDisplay);
  filer->writeInt8(mBrightness);
  filer->writeInt8(mContrast);
  filer->writeInt8(mFade);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbRasterImage::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbEntity::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  AcDbHardPointerId def;
  Adesk::Int32 count = 0;
  filer->readHardPointerId(&def);
  filer->readPoint3d(&mOrigin);
  filer->readVector3d(&mU);
  filer->readVector3d(&mV);
  filer->readVector2d(&mCachedSize);
  filer->readInt16(&mClipType);
  filer->readInt32(&count);
  if (count < 0 || filer->filerStatus() != Acad::eOk) return Acad::eFilerError;
  mDef = def;
  mClip.removeAll();
  for (Adesk::Int32 i = 0; i < count && filer->filerStatus() == Acad::eOk; ++i) {
    AcGePoint2d p;
    filer->readPoint2d(&p);
    mClip.append(p);
  }
  filer->readInt16(&mDisplay);
  filer->readInt8(&mBrightness);
  filer->readInt8(&mContrast);
  filer->readInt8(&mFade);
  return filer->filerStatus();
}
