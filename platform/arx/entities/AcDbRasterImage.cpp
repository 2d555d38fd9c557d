#include "arx/entities/AcDbRasterImage.h"

#include <cmath>

#include "arx/db/AcDbDwgFiler.h"
#include "arx/entities/VhostAnnotationDxf.h"
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

// --- DXF filing -----------------------------------------------------------------------------------

Acad::ErrorStatus AcDbRasterImage::dxfOutFields(AcDbDxfFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = AcDbEntity::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeString(100, L"AcDbRasterImage");
  filer->writeInt32(90, 0);
  filer->writePoint3d(10, mOrigin);
  const AcGeVector2d size = pixelSize();
  filer->writeVector3d(11, size.x > 0.0 ? mU / size.x : mU);
  filer->writeVector3d(12, size.y > 0.0 ? mV / size.y : mV);
  filer->writePoint2d(13, AcGePoint2d(size.x, size.y));
  filer->writeObjectId(340, mDef);
  filer->writeInt16(70, mDisplay);
  filer->writeInt8(280, (mDisplay & kClip) ? 1 : 0);
  filer->writeInt8(281, mBrightness);
  filer->writeInt8(282, mContrast);
  filer->writeInt8(283, mFade);
  const resbuf* kept = vhost::dxfKeptGroups(this, L"AcDbRasterImage");
  // The definition reactor goes where it was read: before the clip data.
  for (const resbuf* rb = kept; rb; rb = rb->rbnext) {
    if (rb->restype != 360) continue;
    resbuf one = *rb;
    one.rbnext = nullptr;
    filer->writeResBuf(one);
  }
  filer->writeInt16(71, mClipType == kInvalid ? 1 : mClipType);
  filer->writeInt32(91, mClip.length());
  for (const AcGePoint2d& p : mClip) filer->writePoint2d(14, p);
  for (const resbuf* rb = kept; rb; rb = rb->rbnext) {
    if (rb->restype == 360) continue;
    resbuf one = *rb;
    one.rbnext = nullptr;
    filer->writeResBuf(one);
  }
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbRasterImage::dxfInFields(AcDbDxfFiler* filer) {
  using namespace vhost::annotdxf;
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbEntity::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  if (!filer->atSubclassData(L"AcDbRasterImage")) return vhost::dxfBadSubclass(filer, L"AcDbRasterImage");
  vhost::DxfKeptGroups kept(L"AcDbRasterImage");
  AcGePoint3d origin, u(1, 0, 0), v(0, 1, 0), size;
  AcDbObjectId def;
  long display = kShow, clipState = -1, brightness = 50, contrast = 50, fade = 0, clipType = kInvalid, count = -1;
  AcGePoint2dArray clip;
  std::wstring error;
  resbuf rb;
  while ((es = filer->readResBuf(&rb)) == Acad::eOk) {
    switch (rb.restype) {
      case 90: break;  // class version
      case 10: origin = vhost::dxfPoint(rb); break;
      case 11: u = vhost::dxfPoint(rb); break;
      case 12: v = vhost::dxfPoint(rb); break;
      case 13: size = vhost::dxfPoint(rb); break;
      case 340: def = vhost::dxfObjectId(rb); break;
      case 70: display = rb.resval.rint; break;
      case 280: clipState = rb.resval.rint; break;
      case 281: brightness = rb.resval.rint; break;
      case 282: contrast = rb.resval.rint; break;
      case 283: fade = rb.resval.rint; break;
      case 71: clipType = rb.resval.rint; break;
      case 91: count = rb.resval.rlong; break;
      case 14:
        if (count >= 0 && clip.length() >= count) error = L"image has more clip vertices than its count (91)";
        clip.append(AcGePoint2d(rb.resval.rpoint[0], rb.resval.rpoint[1]));
        break;
      default: kept.add(rb);
    }
    vhost::dxfReleaseValue(rb);
  }
  if (es != Acad::eEndOfObject) return es;
  if (error.empty()) {
    if (!good(origin) || !good(u) || !good(v) || !good(size)) error = L"image point or vector is not finite";
    else if (size.x < 0.0 || size.y < 0.0) error = L"image size (13) is negative";
    else if (brightness < 0 || brightness > 100 || contrast < 0 || contrast > 100 || fade < 0 || fade > 100)
      error = L"image brightness, contrast or fade out of 0..100";
    else if (clipType < kInvalid || clipType > kPoly) error = L"image clip boundary type (71) out of range";
    else if (count >= 0 && clip.length() != count) error = L"image clip vertex count (91) disagrees with the vertices";
    else if (clipType == kRect && clip.length() != 2 && clip.length() != 0) error = L"rectangular image clip needs two corners";
    else if (clipType == kPoly && clip.length() < 3) error = L"polygonal image clip needs three vertices or more";
  }
  for (const AcGePoint2d& p : clip)
    if (error.empty() && !(std::isfinite(p.x) && std::isfinite(p.y))) error = L"image clip vertex is not finite";
  AcGeVector3d uVec = u.asVector() * (size.x > 0.0 ? size.x : 1.0);
  AcGeVector3d vVec = v.asVector() * (size.y > 0.0 ? size.y : 1.0);
  if (error.empty() && (uVec.length() == 0.0 || vVec.length() == 0.0)) error = L"image pixel vectors (11, 12) are zero";
  if (!error.empty()) return vhost::dxfError(filer, error);
  mDef = def;
  mOrigin = origin;
  mU = uVec;
  mV = vVec;
  mCachedSize = AcGeVector2d(size.x, size.y);
  mDisplay = static_cast<Adesk::Int16>(display);
  if (clipState == 0) mDisplay = static_cast<Adesk::Int16>(mDisplay & ~kClip);
  if (clipState > 0) mDisplay = static_cast<Adesk::Int16>(mDisplay | kClip);
  mBrightness = static_cast<Adesk::Int8>(brightness);
  mContrast = static_cast<Adesk::Int8>(contrast);
  mFade = static_cast<Adesk::Int8>(fade);
  if (clip.isEmpty()) {
    resetClipBoundary();
  } else {
    mClipType = static_cast<Adesk::Int16>(clipType == kInvalid ? (clip.length() == 2 ? kRect : kPoly) : clipType);
    mClip = clip;
  }
  kept.storeInto(this);
  return Acad::eOk;
}
