#include "arx/entities/AcDbRotatedDimension.h"

#include <cmath>

#include "arx/db/AcDbDwgFiler.h"
#include "arx/entities/VhostAnnotationDxf.h"
#include "arx/entities/VhostAnnotationUtil.h"
#include "arx/ge/AcGeMatrix3d.h"
#include "arx/ge/GeMath.h"

VHOST_DEFINE_BUILTIN_CLASS(AcDbRotatedDimension, AcDbDimension, L"DIMENSION")

using namespace vhost::annot;

AcDbRotatedDimension::AcDbRotatedDimension() = default;

AcDbRotatedDimension::AcDbRotatedDimension(double rotation, const AcGePoint3d& xLine1Point,
                                           const AcGePoint3d& xLine2Point, const AcGePoint3d& dimLinePoint,
                                           const ACHAR* dimText, AcDbObjectId dimStyle)
    : mX1(xLine1Point), mX2(xLine2Point), mDimLine(dimLinePoint) {
  if (std::isfinite(rotation)) mRotation = VeskGe::normalizeAngle(rotation);
  if (dimText != nullptr) setDimensionText(dimText);
  if (!dimStyle.isNull()) setDimensionStyle(dimStyle);
}

AcDbRotatedDimension::~AcDbRotatedDimension() = default;

#define VHOST_DIM_POINT(GET, SET, FIELD)                                        \
  AcGePoint3d AcDbRotatedDimension::GET() const {                               \
    assertReadEnabled();                                                        \
    return FIELD;                                                               \
  }                                                                             \
  Acad::ErrorStatus AcDbRotatedDimension::SET(const AcGePoint3d& point) {       \
    if (!isFinite(point)) return Acad::eInvalidInput;                           \
    assertWriteEnabled();                                                       \
    FIELD = point;                                                              \
    vhostGeometryChanged();                                                     \
    return Acad::eOk;                                                           \
  }

VHOST_DIM_POINT(xLine1Point, setXLine1Point, mX1)
VHOST_DIM_POINT(xLine2Point, setXLine2Point, mX2)
VHOST_DIM_POINT(dimLinePoint, setDimLinePoint, mDimLine)
#undef VHOST_DIM_POINT

double AcDbRotatedDimension::rotation() const {
  assertReadEnabled();
  return mRotation;
}

Acad::ErrorStatus AcDbRotatedDimension::setRotation(double angle) {
  if (!isFinite(angle)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mRotation = VeskGe::normalizeAngle(angle);
  vhostGeometryChanged();
  return Acad::eOk;
}

double AcDbRotatedDimension::oblique() const {
  assertReadEnabled();
  return mOblique;
}

Acad::ErrorStatus AcDbRotatedDimension::setOblique(double angle) {
  if (!isFinite(angle) || std::fabs(std::remainder(angle, VeskGe::kPi)) > VeskGe::kHalfPi - 1e-6)
    return Acad::eInvalidInput;
  assertWriteEnabled();
  mOblique = angle;
  vhostGeometryChanged();
  return Acad::eOk;
}

double AcDbRotatedDimension::vhostMeasure() const {
  return std::fabs((mX2 - mX1).dotProduct(ocsDirection(normal(), mRotation)));
}

void AcDbRotatedDimension::vhostBuild(const Style& style, std::vector<AcDbEntity*>& out) const {
  const AcGeVector3d n = normal();
  const AcGeVector3d dir = ocsDirection(n, mRotation);
  const AcGeVector3d across = n.crossProduct(dir);
  const AcGeVector3d ext = across * std::cos(mOblique) - dir * std::sin(mOblique);
  vhostBuildLinear(style, mX1, mX2, mDimLine, dir, ext, out);
}

void AcDbRotatedDimension::vhostTransformPoints(const AcGeMatrix3d& xform) {
  // The measuring direction turns with the dimension.
  AcGeVector3d n = xform * normal();
  if (n.length() > 1e-300) mRotation = ocsAngle(n.normal(), xform * ocsDirection(normal(), mRotation));
  mX1 = xform * mX1;
  mX2 = xform * mX2;
  mDimLine = xform * mDimLine;
}

Acad::ErrorStatus AcDbRotatedDimension::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbDimension::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writePoint3d(mX1);
  filer->writePoint3d(mX2);
  filer->writePoint3d(mDimLine);
  filer->writeDouble(mOblique);
  filer->writeDouble(mRotation);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbRotatedDimension::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbDimension::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  filer->readPoint3d(&mX1);
  filer->readPoint3d(&mX2);
  filer->readPoint3d(&mDimLine);
  filer->readDouble(&mOblique);
  filer->readDouble(&mRotation);
  return filer->filerStatus();
}

// --- DXF filing -----------------------------------------------------------------------------------

AcGePoint3d AcDbRotatedDimension::vhostDxfDefinitionPoint() const { return mDimLine; }

Acad::ErrorStatus AcDbRotatedDimension::dxfOutFields(AcDbDxfFiler* filer) const {
  using namespace vhost::annotdxf;
  assertReadEnabled();
  Acad::ErrorStatus es = AcDbDimension::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeString(100, L"AcDbAlignedDimension");
  filer->writePoint3d(13, mX1);
  filer->writePoint3d(14, mX2);
  filer->writeDouble(50, toDegrees(mRotation));
  if (mOblique != 0.0) filer->writeDouble(52, toDegrees(mOblique));
  vhost::dxfWriteKept(filer, this, L"AcDbAlignedDimension");
  filer->writeString(100, L"AcDbRotatedDimension");
  vhost::dxfWriteKept(filer, this, L"AcDbRotatedDimension");
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbRotatedDimension::dxfInFields(AcDbDxfFiler* filer) {
  using namespace vhost::annotdxf;
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbDimension::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  if (!filer->atSubclassData(L"AcDbAlignedDimension")) return vhost::dxfBadSubclass(filer, L"AcDbAlignedDimension");
  vhost::DxfKeptGroups kept(L"AcDbAlignedDimension");
  AcGePoint3d x1, x2;
  double rotation = 0.0, oblique = 0.0;
  bool have13 = false, have14 = false;
  resbuf rb;
  while ((es = filer->readResBuf(&rb)) == Acad::eOk) {
    switch (rb.restype) {
      case 13: x1 = vhost::dxfPoint(rb); have13 = true; break;
      case 14: x2 = vhost::dxfPoint(rb); have14 = true; break;
      case 52: oblique = toRadians(rb.resval.rreal); break;
      case 50: rotation = toRadians(rb.resval.rreal); break;
      default: kept.add(rb);
    }
    vhost::dxfReleaseValue(rb);
  }
  if (es != Acad::eEndOfObject) return es;
  if (!have13 || !have14) return vhost::dxfError(filer, L"linear dimension needs its points 13 and 14");
  if (!good(x1) || !good(x2)) return vhost::dxfError(filer, L"dimension point is not finite");
  if (!good(rotation) || !good(oblique)) return vhost::dxfError(filer, L"dimension angle is not finite");
  mX1 = x1;
  mX2 = x2;
  mDimLine = vhostDxfReadDefinitionPoint();
  mOblique = oblique;
  mRotation = rotation;
  kept.storeInto(this);
  // The rotated kind's own marker has no groups of ours; any found are kept.
  if (filer->atSubclassData(L"AcDbRotatedDimension")) {
    vhost::DxfKeptGroups own(L"AcDbRotatedDimension");
    while ((es = filer->readResBuf(&rb)) == Acad::eOk) {
      own.add(rb);
      vhost::dxfReleaseValue(rb);
    }
    if (es != Acad::eEndOfObject) return es;
    own.storeInto(this);
  }
  return Acad::eOk;
}
