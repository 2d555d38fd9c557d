#include "arx/ge/AcDbExtents.h"

#include <algorithm>

#include "arx/ge/AcGeMatrix3d.h"

AcDbExtents::AcDbExtents() { reset(); }

AcDbExtents::AcDbExtents(const AcGePoint3d& a, const AcGePoint3d& b)
    : mMin(std::min(a.x, b.x), std::min(a.y, b.y), std::min(a.z, b.z)),
      mMax(std::max(a.x, b.x), std::max(a.y, b.y), std::max(a.z, b.z)) {}

void AcDbExtents::reset() {
  mMin.set(kEmptyValue, kEmptyValue, kEmptyValue);
  mMax.set(-kEmptyValue, -kEmptyValue, -kEmptyValue);
}

Acad::ErrorStatus AcDbExtents::set(const AcGePoint3d& min, const AcGePoint3d& max) {
  if (!(min.x <= max.x && min.y <= max.y && min.z <= max.z)) return Acad::eInvalidExtents;
  mMin = min;
  mMax = max;
  return Acad::eOk;
}

void AcDbExtents::addPoint(const AcGePoint3d& p) {
  mMin.set(std::min(mMin.x, p.x), std::min(mMin.y, p.y), std::min(mMin.z, p.z));
  mMax.set(std::max(mMax.x, p.x), std::max(mMax.y, p.y), std::max(mMax.z, p.z));
}

void AcDbExtents::addPoints(const AcArray<AcGePoint3d>& pts) {
  for (const AcGePoint3d& p : pts) addPoint(p);
}

void AcDbExtents::addExt(const AcDbExtents& src) {
  if (!src.isValidExtents()) return;
  addPoint(src.mMin);
  addPoint(src.mMax);
}

void AcDbExtents::expandBy(const AcGeVector3d& vec) {
  if (!isValidExtents()) return;
  for (unsigned i = 0; i < 3; ++i) {
    if (vec[i] > 0.0)
      mMax[i] += vec[i];
    else
      mMin[i] += vec[i];
  }
}

void AcDbExtents::transformBy(const AcGeMatrix3d& mat) {
  if (!isValidExtents()) return;
  const AcGePoint3d lo = mMin, hi = mMax;
  reset();
  for (int i = 0; i < 8; ++i) {
    const AcGePoint3d corner((i & 1) ? hi.x : lo.x, (i & 2) ? hi.y : lo.y, (i & 4) ? hi.z : lo.z);
    addPoint(mat * corner);
  }
}

bool AcDbExtents::isValidExtents() const {
  return mMin.x <= mMax.x && mMin.y <= mMax.y && mMin.z <= mMax.z;
}

bool AcDbExtents::contains(const AcGePoint3d& p, double tol) const {
  if (!isValidExtents()) return false;
  return p.x >= mMin.x - tol && p.x <= mMax.x + tol && p.y >= mMin.y - tol && p.y <= mMax.y + tol &&
         p.z >= mMin.z - tol && p.z <= mMax.z + tol;
}

bool AcDbExtents::intersects(const AcDbExtents& o, double tol) const {
  if (!isValidExtents() || !o.isValidExtents()) return false;
  return mMin.x <= o.mMax.x + tol && o.mMin.x <= mMax.x + tol && mMin.y <= o.mMax.y + tol &&
         o.mMin.y <= mMax.y + tol && mMin.z <= o.mMax.z + tol && o.mMin.z <= mMax.z + tol;
}

bool AcDbExtents::operator==(const AcDbExtents& o) const {
  return mMin.x == o.mMin.x && mMin.y == o.mMin.y && mMin.z == o.mMin.z && mMax.x == o.mMax.x &&
         mMax.y == o.mMax.y && mMax.z == o.mMax.z;
}
