#include "arx/entities/AcDbLine.h"

#include <cmath>

#include "arx/db/AcDbDwgFiler.h"
#include "arx/db/VhostDxfSupport.h"
#include "arx/entities/EntityPlaneUtil.h"
#include "arx/ge/AcGePlane.h"

VHOST_DEFINE_BUILTIN_CLASS(AcDbLine, AcDbCurve, L"LINE")

AcDbLine::AcDbLine() = default;

AcDbLine::AcDbLine(const AcGePoint3d& start, const AcGePoint3d& end) : mStart(start), mEnd(end) {}

AcDbLine::~AcDbLine() = default;

AcGePoint3d AcDbLine::startPoint() const {
  assertReadEnabled();
  return mStart;
}

Acad::ErrorStatus AcDbLine::setStartPoint(const AcGePoint3d& point) {
  if (!vhost::isFinite(point)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mStart = point;
  return Acad::eOk;
}

AcGePoint3d AcDbLine::endPoint() const {
  assertReadEnabled();
  return mEnd;
}

Acad::ErrorStatus AcDbLine::setEndPoint(const AcGePoint3d& point) {
  if (!vhost::isFinite(point)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mEnd = point;
  return Acad::eOk;
}

double AcDbLine::thickness() const {
  assertReadEnabled();
  return mThickness;
}

Acad::ErrorStatus AcDbLine::setThickness(double thickness) {
  if (!std::isfinite(thickness)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mThickness = thickness;
  return Acad::eOk;
}

AcGeVector3d AcDbLine::normal() const {
  assertReadEnabled();
  return mNormal;
}

Acad::ErrorStatus AcDbLine::setNormal(const AcGeVector3d& normal) {
  AcGeVector3d n;
  if (!vhost::validNormal(normal, n)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mNormal = n;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::buildGeometry(vhost::CurveGeometry& g) const {
  assertReadEnabled();
  g = vhost::CurveGeometry();
  const double len = mStart.distanceTo(mEnd);
  g.pieces.push_back(vhost::CurvePiece::line(mStart, mEnd, 0.0, len));
  g.startParam = 0.0;
  g.endParam = len;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::getSplitCurves(const AcGeDoubleArray& params, AcDbVoidPtrArray& curveSegments) const {
  assertReadEnabled();
  std::vector<double> ps;
  Acad::ErrorStatus es = splitParams(params, ps);
  if (es != Acad::eOk) return es;
  const double len = mStart.distanceTo(mEnd);
  const double eps = 1e-10 * std::max(1.0, len);
  std::vector<double> cuts{0.0};
  for (double p : ps)
    if (p > eps && p < len - eps) cuts.push_back(p);
  cuts.push_back(len);
  const AcGeVector3d dir = len > 0.0 ? (mEnd - mStart) / len : AcGeVector3d();
  for (size_t i = 0; i + 1 < cuts.size(); ++i) {
    AcDbLine* piece = new AcDbLine(i == 0 ? mStart : mStart + dir * cuts[i],
                                   i + 2 == cuts.size() ? mEnd : mStart + dir * cuts[i + 1]);
    piece->setPropertiesFrom(this);
    piece->mThickness = mThickness;
    piece->mNormal = mNormal;
    curveSegments.append(piece);
  }
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::extend(double newParam) {
  assertReadEnabled();
  const double len = mStart.distanceTo(mEnd);
  if (!(len > 0.0)) return Acad::eDegenerateGeometry;
  if (!std::isfinite(newParam) || (newParam >= 0.0 && newParam <= len)) return Acad::eInvalidInput;
  const AcGeVector3d dir = (mEnd - mStart) / len;
  assertWriteEnabled();
  if (newParam < 0.0)
    mStart = mStart + dir * newParam;
  else
    mEnd = mStart + dir * newParam;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::extend(Adesk::Boolean extendStart, const AcGePoint3d& toPoint) {
  assertReadEnabled();
  const double len = mStart.distanceTo(mEnd);
  if (!(len > 0.0)) return Acad::eDegenerateGeometry;
  const AcGeVector3d dir = (mEnd - mStart) / len;
  const AcGeVector3d w = toPoint - mStart;
  const double s = w.dotProduct(dir);
  const double tol = vhost::pointTolerance(std::max(mStart.asVector().length(), toPoint.asVector().length()));
  if ((w - dir * s).length() > tol) return Acad::eInvalidInput;
  // The point must lie on the extension beyond the chosen end.
  if (extendStart ? s > tol : s < len - tol) return Acad::eInvalidInput;
  assertWriteEnabled();
  if (extendStart)
    mStart = toPoint;
  else
    mEnd = toPoint;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::reverseCurve() {
  assertWriteEnabled();
  std::swap(mStart, mEnd);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::transformBy(const AcGeMatrix3d& xform) {
  assertWriteEnabled();
  mStart.transformBy(xform);
  mEnd.transformBy(xform);
  const AcGeVector3d ext = xform * (mNormal * mThickness);
  AcGeVector3d n = xform * mNormal;
  if (n.length() > 1e-300) {
    mThickness = mThickness == 0.0 ? 0.0 : (ext.dotProduct(n) >= 0.0 ? ext.length() : -ext.length());
    mNormal = n.normal();
  }
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::getPlane(AcGePlane& plane, AcDb::Planarity& planarity) const {
  assertReadEnabled();
  planarity = AcDb::kLinear;
  AcGeVector3d d = mEnd - mStart;
  AcGeVector3d n = d.isZeroLength() ? mNormal : d.perpVector();
  plane.set(mStart, n);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbEntity::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writePoint3d(mStart);
  filer->writePoint3d(mEnd);
  filer->writeDouble(mThickness);
  filer->writeVector3d(mNormal);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbLine::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbEntity::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  filer->readPoint3d(&mStart);
  filer->readPoint3d(&mEnd);
  filer->readDouble(&mThickness);
  filer->readVector3d(&mNormal);
  return filer->filerStatus();
}

// ---- DXF filing --------------------------------------------------------------------------

namespace {

// An extrusion direction read from a drawing, unit length; a unit vector is
// kept exactly as read.
bool readNormal(const resbuf& rb, AcGeVector3d& normal) {
  const AcGeVector3d v = vhost::dxfVector(rb);
  if (!vhost::validNormal(v, normal)) return false;
  if (std::fabs(v.length() - 1.0) <= 4e-16) normal = v;
  return true;
}

bool isWorldZ(const AcGeVector3d& n) { return n.x == 0.0 && n.y == 0.0 && n.z == 1.0; }

}  // namespace

Acad::ErrorStatus AcDbLine::dxfOutFields(AcDbDxfFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = vhost::CurveEntity::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeString(100, L"AcDbLine");
  if (mThickness != 0.0) filer->writeDouble(39, mThickness);
  filer->writePoint3d(10, mStart);
  filer->writePoint3d(11, mEnd);
  if (!isWorldZ(mNormal)) filer->writeVector3d(210, mNormal);
  vhost::dxfWriteKept(filer, this, L"AcDbLine");
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbLine::dxfInFields(AcDbDxfFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = vhost::CurveEntity::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  if (!filer->atSubclassData(L"AcDbLine")) return vhost::dxfBadSubclass(filer, L"AcDbLine");
  AcGePoint3d start, end;
  double thickness = 0.0;
  AcGeVector3d normal = AcGeVector3d::kZAxis;
  vhost::DxfKeptGroups kept(L"AcDbLine");
  const wchar_t* bad = nullptr;
  resbuf rb;
  while ((es = filer->readResBuf(&rb)) == Acad::eOk) {
    switch (rb.restype) {
      case 10:
        start = vhost::dxfPoint(rb);
        if (!vhost::isFinite(start)) bad = L"LINE: start point (10) is not a number";
        break;
      case 11:
        end = vhost::dxfPoint(rb);
        if (!vhost::isFinite(end)) bad = L"LINE: end point (11) is not a number";
        break;
      case 39:
        thickness = rb.resval.rreal;
        if (!std::isfinite(thickness)) bad = L"LINE: thickness (39) is not a number";
        break;
      case 210:
        if (!readNormal(rb, normal)) bad = L"LINE: extrusion direction (210) is zero or not a number";
        break;
      default:
        kept.add(rb);
    }
    vhost::dxfReleaseValue(rb);
    if (bad) return vhost::dxfError(filer, bad);
  }
  if (es != Acad::eEndOfObject) return es;
  mStart = start;
  mEnd = end;
  mThickness = thickness;
  mNormal = normal;
  kept.storeInto(this);
  return Acad::eOk;
}
