#include "arx/entities/AcDbText.h"

#include <cmath>

#include "arx/db/AcDbDatabase.h"
#include "arx/db/AcDbDwgFiler.h"
#include "arx/entities/AcDbAttribute.h"
#include "arx/entities/AcDbAttributeDefinition.h"
#include "arx/entities/VhostAnnotationDxf.h"
#include "arx/entities/VhostAnnotationUtil.h"
#include "arx/ge/AcDbExtents.h"
#include "arx/ge/AcGeMatrix3d.h"
#include "arx/ge/AcGePlane.h"
#include "arx/ge/GeMath.h"

VHOST_DEFINE_BUILTIN_CLASS(AcDbText, AcDbEntity, L"TEXT")

using namespace vhost::annot;

namespace {
constexpr double kMaxOblique = 85.0 * VeskGe::kPi / 180.0;
}

AcDbText::AcDbText() = default;

AcDbText::AcDbText(const AcGePoint3d& position, const ACHAR* text, AcDbObjectId style, double height, double rotation)
    : mPosition(position), mAlignment(position), mText(text ? text : L""), mStyle(style) {
  if (height > 0.0 && std::isfinite(height)) mHeight = height;
  if (std::isfinite(rotation)) mRotation = VeskGe::normalizeAngle(rotation);
}

AcDbText::~AcDbText() = default;

// --- placement -----------------------------------------------------------------------

AcGePoint3d AcDbText::position() const {
  assertReadEnabled();
  return mPosition;
}

Acad::ErrorStatus AcDbText::setPosition(const AcGePoint3d& position) {
  if (!isFinite(position)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mPosition = position;
  updatePlacement();
  return Acad::eOk;
}

AcGePoint3d AcDbText::alignmentPoint() const {
  assertReadEnabled();
  return mAlignment;
}

Acad::ErrorStatus AcDbText::setAlignmentPoint(const AcGePoint3d& point) {
  if (!isFinite(point)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mAlignment = point;
  updatePlacement();
  return Acad::eOk;
}

bool AcDbText::isDefaultAlignment() const {
  assertReadEnabled();
  return mHorz == AcDb::kTextLeft && mVert == AcDb::kTextBase;
}

AcGeVector3d AcDbText::normal() const {
  assertReadEnabled();
  return mNormal;
}

Acad::ErrorStatus AcDbText::setNormal(const AcGeVector3d& normal) {
  AcGeVector3d n;
  if (!unitNormal(normal, n)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mNormal = n;
  updatePlacement();
  return Acad::eOk;
}

double AcDbText::thickness() const {
  assertReadEnabled();
  return mThickness;
}

Acad::ErrorStatus AcDbText::setThickness(double thickness) {
  if (!std::isfinite(thickness)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mThickness = thickness;
  return Acad::eOk;
}

double AcDbText::rotation() const {
  assertReadEnabled();
  return mRotation;
}

Acad::ErrorStatus AcDbText::setRotation(double rotation) {
  if (!std::isfinite(rotation)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mRotation = VeskGe::normalizeAngle(rotation);
  updatePlacement();
  return Acad::eOk;
}

// --- shape -------------------------------------------------------------------------------

double AcDbText::height() const {
  assertReadEnabled();
  return mHeight;
}

Acad::ErrorStatus AcDbText::setHeight(double height) {
  if (!(height > 0.0) || !std::isfinite(height)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mHeight = height;
  updatePlacement();
  return Acad::eOk;
}

double AcDbText::widthFactor() const {
  assertReadEnabled();
  return mWidthFactor;
}

Acad::ErrorStatus AcDbText::setWidthFactor(double factor) {
  if (!(factor > 0.0) || !std::isfinite(factor)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mWidthFactor = factor;
  updatePlacement();
  return Acad::eOk;
}

double AcDbText::oblique() const {
  assertReadEnabled();
  return mOblique;
}

Acad::ErrorStatus AcDbText::setOblique(double angle) {
  if (!std::isfinite(angle)) return Acad::eInvalidInput;
  // Angles are accepted in either form, (-85°, 85°) or (275°, 360°).
  double a = std::remainder(angle, VeskGe::kTwoPi);
  if (std::fabs(a) > kMaxOblique + 1e-12) return Acad::eInvalidInput;
  assertWriteEnabled();
  mOblique = a;
  return Acad::eOk;
}

bool AcDbText::isMirroredInX() const {
  assertReadEnabled();
  return mMirrorX;
}

Acad::ErrorStatus AcDbText::mirrorInX(bool mirror) {
  assertWriteEnabled();
  mMirrorX = mirror;
  updatePlacement();
  return Acad::eOk;
}

bool AcDbText::isMirroredInY() const {
  assertReadEnabled();
  return mMirrorY;
}

Acad::ErrorStatus AcDbText::mirrorInY(bool mirror) {
  assertWriteEnabled();
  mMirrorY = mirror;
  updatePlacement();
  return Acad::eOk;
}

// --- content ------------------------------------------------------------------------------

ACHAR* AcDbText::textString() const {
  assertReadEnabled();
  return dupString(mText);
}

const ACHAR* AcDbText::textStringConst() const {
  assertReadEnabled();
  return mText.c_str();
}

Acad::ErrorStatus AcDbText::setTextString(const ACHAR* text) {
  if (text == nullptr) return Acad::eInvalidInput;
  assertWriteEnabled();
  mText = text;
  updatePlacement();
  return Acad::eOk;
}

AcDbObjectId AcDbText::textStyle() const {
  assertReadEnabled();
  return mStyle;
}

Acad::ErrorStatus AcDbText::setTextStyle(AcDbObjectId style) {
  if (!style.isNull() && database() && style.database() != database()) return Acad::eWrongDatabase;
  assertWriteEnabled();
  mStyle = style;
  return Acad::eOk;
}

// --- alignment ------------------------------------------------------------------------------

AcDb::TextHorzMode AcDbText::horizontalMode() const {
  assertReadEnabled();
  return static_cast<AcDb::TextHorzMode>(mHorz);
}

Acad::ErrorStatus AcDbText::setHorizontalMode(AcDb::TextHorzMode mode) {
  if (mode < AcDb::kTextLeft || mode > AcDb::kTextFit) return Acad::eInvalidInput;
  assertWriteEnabled();
  mHorz = static_cast<Adesk::Int16>(mode);
  updatePlacement();
  return Acad::eOk;
}

AcDb::TextVertMode AcDbText::verticalMode() const {
  assertReadEnabled();
  return static_cast<AcDb::TextVertMode>(mVert);
}

Acad::ErrorStatus AcDbText::setVerticalMode(AcDb::TextVertMode mode) {
  if (mode < AcDb::kTextBase || mode > AcDb::kTextTop) return Acad::eInvalidInput;
  assertWriteEnabled();
  mVert = static_cast<Adesk::Int16>(mode);
  updatePlacement();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbText::adjustAlignment(const AcDbDatabase*) {
  assertWriteEnabled();
  updatePlacement();
  return Acad::eOk;
}

int AcDbText::displayLength() const { return static_cast<int>(displayText(mText).size()); }

void AcDbText::frame(AcGeVector3d& reading, AcGeVector3d& up) const {
  const AcGeVector3d dir = ocsDirection(mNormal, mRotation);
  reading = mMirrorX ? -dir : dir;
  up = mNormal.crossProduct(dir);
  if (mMirrorY) up = -up;
}

void AcDbText::updatePlacement() {
  if (mHorz == AcDb::kTextLeft && mVert == AcDb::kTextBase) return;
  const int n = displayLength();
  if (mHorz == AcDb::kTextAlign || mHorz == AcDb::kTextFit) {
    AcGeVector3d d = mAlignment - mPosition;
    d -= mNormal * d.dotProduct(mNormal);
    const double len = d.length();
    if (!(len > 1e-12)) return;
    mRotation = ocsAngle(mNormal, mMirrorX ? -d : d);
    if (n > 0) {
      if (mHorz == AcDb::kTextAlign)
        mHeight = len / (n * mWidthFactor);
      else
        mWidthFactor = len / (n * mHeight);
    }
    return;
  }
  const double w = n * mHeight * mWidthFactor;
  double ax = 0.0;
  double ay = 0.0;
  switch (mHorz) {
    case AcDb::kTextCenter:
    case AcDb::kTextMid:
      ax = w / 2.0;
      break;
    case AcDb::kTextRight:
      ax = w;
      break;
    default:
      break;
  }
  if (mHorz == AcDb::kTextMid) {
    ay = mHeight / 2.0;
  } else if (mVert == AcDb::kTextVCenter) {
    ay = mHeight / 2.0;
  } else if (mVert == AcDb::kTextTop) {
    ay = mHeight;
  }
  AcGeVector3d reading, up;
  frame(reading, up);
  mPosition = mAlignment - reading * ax - up * ay;
}

double AcDbText::vhostTextWidth() const {
  assertReadEnabled();
  if (mHorz == AcDb::kTextAlign || mHorz == AcDb::kTextFit) {
    AcGeVector3d d = mAlignment - mPosition;
    d -= mNormal * d.dotProduct(mNormal);
    if (d.length() > 1e-12) return d.length();
  }
  return displayLength() * mHeight * mWidthFactor;
}

Acad::ErrorStatus AcDbText::getBoundingPoints(AcGePoint3dArray& points) const {
  assertReadEnabled();
  AcGeVector3d reading, up;
  frame(reading, up);
  const double w = vhostTextWidth();
  const double slant = mHeight * std::tan(mOblique);
  points.removeAll();
  points.append(mPosition + up * mHeight + reading * slant);
  points.append(mPosition + up * mHeight + reading * (slant + w));
  points.append(mPosition);
  points.append(mPosition + reading * w);
  return Acad::eOk;
}

// --- entity protocol ----------------------------------------------------------------------------

Acad::ErrorStatus AcDbText::getGeomExtents(AcDbExtents& extents) const {
  AcGePoint3dArray corners;
  getBoundingPoints(corners);
  extents = AcDbExtents();
  for (const AcGePoint3d& p : corners) {
    extents.addPoint(p);
    if (mThickness != 0.0) extents.addPoint(p + mNormal * mThickness);
  }
  return Acad::eOk;
}

Acad::ErrorStatus AcDbText::transformBy(const AcGeMatrix3d& xform) {
  const AcGeVector3d dir = ocsDirection(mNormal, mRotation);
  FrameImage f;
  if (!transformFrame(xform, dir, mNormal.crossProduct(dir), mNormal, f)) return Acad::eCannotScaleNonUniformly;
  assertWriteEnabled();
  mPosition = xform * mPosition;
  mAlignment = xform * mAlignment;
  mHeight *= f.vScale;
  mWidthFactor *= f.uScale / f.vScale;
  mThickness *= f.normalScale;
  mNormal = f.normal;
  AcGeVector3d newDir = f.u;
  if (f.mirrored) {
    mMirrorX = !mMirrorX;
    newDir = -f.u;
  }
  mRotation = ocsAngle(mNormal, newDir);
  updatePlacement();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbText::getPlane(AcGePlane& plane, AcDb::Planarity& planarity) const {
  assertReadEnabled();
  plane.set(mPosition, mNormal);
  planarity = AcDb::kPlanar;
  return Acad::eOk;
}

void AcDbText::vhostCopyTextFrom(const AcDbText& o) {
  mPosition = o.mPosition;
  mAlignment = o.mAlignment;
  mNormal = o.mNormal;
  mThickness = o.mThickness;
  mRotation = o.mRotation;
  mHeight = o.mHeight;
  mWidthFactor = o.mWidthFactor;
  mOblique = o.mOblique;
  mText = o.mText;
  mStyle = o.mStyle;
  mHorz = o.mHorz;
  mVert = o.mVert;
  mMirrorX = o.mMirrorX;
  mMirrorY = o.mMirrorY;
}

AcDbText* AcDbText::vhostNewPlainText() const {
  assertReadEnabled();
  AcDbText* text = new AcDbText();
  text->vhostCopyTextFrom(*this);
  text->setPropertiesFrom(this);
  return text;
}

// --- filing ---------------------------------------------------------------------------------------

Acad::ErrorStatus AcDbText::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbEntity::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writePoint3d(mPosition);
  filer->writePoint3d(mAlignment);
  filer->writeVector3d(mNormal);
  filer->writeDouble(mThickness);
  filer->writeDouble(mRotation);
  filer->writeDouble(mHeight);
  filer->writeDouble(mWidthFactor);
  filer->writeDouble(mOblique);
  filer->writeString(mText);
  filer->writeHardPointerId(mStyle);
  filer->writeInt16(mHorz);
  filer->writeInt16(mVert);
  filer->writeInt16(static_cast<Adesk::Int16>((mMirrorX ? 2 : 0) | (mMirrorY ? 4 : 0)));
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbText::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbEntity::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  AcDbHardPointerId style;
  Adesk::Int16 generation = 0;
  filer->readPoint3d(&mPosition);
  filer->readPoint3d(&mAlignment);
  filer->readVector3d(&mNormal);
  filer->readDouble(&mThickness);
  filer->readDouble(&mRotation);
  filer->readDouble(&mHeight);
  filer->readDouble(&mWidthFactor);
  filer->readDouble(&mOblique);
  filer->readString(mText);
  filer->readHardPointerId(&style);
  filer->readInt16(&mHorz);
  filer->readInt16(&mVert);
  filer->readInt16(&generation);
  mStyle = style;
  mMirrorX = (generation & 2) != 0;
  mMirrorY = (generation & 4) != 0;
  return filer->filerStatus();
}

// --- DXF filing -----------------------------------------------------------------------------------

namespace {
bool isAttributeKind(const AcDbObject* obj) {
  return obj->isKindOf(AcDbAttribute::desc()) || obj->isKindOf(AcDbAttributeDefinition::desc());
}
}  // namespace

Acad::ErrorStatus AcDbText::dxfOutFields(AcDbDxfFiler* filer) const {
  using namespace vhost::annotdxf;
  assertReadEnabled();
  Acad::ErrorStatus es = AcDbEntity::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeString(100, L"AcDbText");
  if (mThickness != 0.0) filer->writeDouble(39, mThickness);
  filer->writePoint3d(10, wcsToOcs(mPosition, mNormal));
  filer->writeDouble(40, mHeight);
  filer->writeString(1, mText);
  if (mRotation != 0.0) filer->writeDouble(50, toDegrees(mRotation));
  if (mWidthFactor != 1.0) filer->writeDouble(41, mWidthFactor);
  if (mOblique != 0.0) filer->writeDouble(51, toDegrees(mOblique));
  if (!mStyle.isNull()) {
    const std::wstring name = recordName(mStyle);
    if (!name.empty()) filer->writeString(7, name);
  }
  const Adesk::Int16 generation = static_cast<Adesk::Int16>((mMirrorX ? 2 : 0) | (mMirrorY ? 4 : 0));
  if (generation != 0) filer->writeInt16(71, generation);
  if (mHorz != AcDb::kTextLeft) filer->writeInt16(72, mHorz);
  const bool justified = mHorz != AcDb::kTextLeft || mVert != AcDb::kTextBase;
  if (justified || mAlignment.x != mPosition.x || mAlignment.y != mPosition.y || mAlignment.z != mPosition.z)
    filer->writePoint3d(11, wcsToOcs(mAlignment, mNormal));
  if (!isZNormal(mNormal)) filer->writeVector3d(210, mNormal);
  vhost::dxfWriteKept(filer, this, L"AcDbText");
  if (!isAttributeKind(this)) {
    filer->writeString(100, L"AcDbText");
    if (mVert != AcDb::kTextBase) filer->writeInt16(73, mVert);
    vhost::dxfWriteKept(filer, this, L"AcDbText#2");
  }
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbText::dxfInFields(AcDbDxfFiler* filer) {
  using namespace vhost::annotdxf;
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbEntity::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  if (!filer->atSubclassData(L"AcDbText")) return vhost::dxfBadSubclass(filer, L"AcDbText");
  vhost::DxfKeptGroups kept(L"AcDbText");
  AcDbDatabase* db = databaseFor(filer, this);
  AcGePoint3d position, alignment;
  AcGeVector3d normal = AcGeVector3d::kZAxis;
  bool haveAlignment = false;
  double height = mHeight, width = 1.0, rotation = 0.0, oblique = 0.0, thickness = 0.0;
  long generation = 0, horz = AcDb::kTextLeft;
  std::wstring text;
  AcDbObjectId style;
  std::wstring error;
  resbuf rb;
  while ((es = filer->readResBuf(&rb)) == Acad::eOk) {
    switch (rb.restype) {
      case 39: thickness = rb.resval.rreal; break;
      case 10: position = vhost::dxfPoint(rb); break;
      case 11: alignment = vhost::dxfPoint(rb); haveAlignment = true; break;
      case 40: height = rb.resval.rreal; break;
      case 1: text = rb.resval.rstring ? rb.resval.rstring : L""; break;
      case 50: rotation = toRadians(rb.resval.rreal); break;
      case 41: width = rb.resval.rreal; break;
      case 51: oblique = toRadians(rb.resval.rreal); break;
      case 71: generation = rb.resval.rint; break;
      case 72: horz = rb.resval.rint; break;
      case 210: normal = vhost::dxfVector(rb); break;
      case 7: {
        const std::wstring name = rb.resval.rstring ? rb.resval.rstring : L"";
        style = db ? findRecord(db->textStyleTableId(), name) : AcDbObjectId();
        if (style.isNull()) kept.add(rb);  // a style the drawing lacks: written back as read
        break;
      }
      default: kept.add(rb);
    }
    vhost::dxfReleaseValue(rb);
  }
  if (es != Acad::eEndOfObject) return es;
  AcGeVector3d unit;
  if (!good(position) || (haveAlignment && !good(alignment))) error = L"text point is not finite";
  else if (!(height > 0.0) || !good(height)) error = L"text height must be positive";
  else if (!(width > 0.0) || !good(width)) error = L"text width factor must be positive";
  else if (!good(rotation) || !good(thickness) || !good(oblique)) error = L"text angle or thickness is not finite";
  else if (std::fabs(std::remainder(oblique, VeskGe::kTwoPi)) > kMaxOblique + 1e-9) error = L"text obliquing angle beyond 85 degrees";
  else if (horz < AcDb::kTextLeft || horz > AcDb::kTextFit) error = L"text horizontal mode (72) out of range";
  else if (generation < 0 || (generation & ~6L) != 0) error = L"text generation flags (71) invalid";
  else if (!unitNormal(normal, unit)) error = L"text normal (210) is not a direction";
  if (!error.empty()) return vhost::dxfError(filer, error);
  mNormal = unit;
  mPosition = ocsToWcs(position, mNormal);
  mAlignment = haveAlignment ? ocsToWcs(alignment, mNormal) : mPosition;
  mHeight = height;
  mWidthFactor = width;
  mRotation = VeskGe::normalizeAngle(rotation);
  mOblique = std::remainder(oblique, VeskGe::kTwoPi);
  mThickness = thickness;
  mText = text;
  mStyle = style;
  mHorz = static_cast<Adesk::Int16>(horz);
  mMirrorX = (generation & 2) != 0;
  mMirrorY = (generation & 4) != 0;
  kept.storeInto(this);
  // TEXT carries its vertical mode behind a second marker.
  vhost::DxfKeptGroups kept2(L"AcDbText#2");
  if (!isAttributeKind(this) && filer->atSubclassData(L"AcDbText")) {
    long vert = AcDb::kTextBase;
    while ((es = filer->readResBuf(&rb)) == Acad::eOk) {
      if (rb.restype == 73)
        vert = rb.resval.rint;
      else
        kept2.add(rb);
      vhost::dxfReleaseValue(rb);
    }
    if (es != Acad::eEndOfObject) return es;
    if (vert < AcDb::kTextBase || vert > AcDb::kTextTop)
      return vhost::dxfError(filer, L"text vertical mode (73) out of range");
    mVert = static_cast<Adesk::Int16>(vert);
  } else if (!isAttributeKind(this)) {
    mVert = AcDb::kTextBase;
  }
  kept2.storeInto(this);
  return Acad::eOk;
}
