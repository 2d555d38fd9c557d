#pragma once
// Views between the geometry classes and the C-level ads_point arrays. A point
// or vector is three doubles laid out like ads_point, so the views share storage.
#include "arx/base/AdsTypes.h"
#include "arx/ge/AcGePoint2d.h"
#include "arx/ge/AcGePoint3d.h"
#include "arx/ge/AcGeVector3d.h"

static_assert(sizeof(AcGePoint3d) == 3 * sizeof(double), "AcGePoint3d must be three doubles");
static_assert(sizeof(AcGeVector3d) == 3 * sizeof(double), "AcGeVector3d must be three doubles");
static_assert(sizeof(AcGePoint2d) == 2 * sizeof(double), "AcGePoint2d must be two doubles");

inline double* asDblArray(const AcGePoint3d& pnt) { return const_cast<double*>(&pnt.x); }
inline double* asDblArray(const AcGeVector3d& vec) { return const_cast<double*>(&vec.x); }
inline double* asDblArray(const AcGePoint2d& pnt) { return const_cast<double*>(&pnt.x); }
inline AcGePoint3d& asPnt3d(const double* pnt) {
  return *reinterpret_cast<AcGePoint3d*>(const_cast<double*>(pnt));
}
inline AcGePoint2d& asPnt2d(const double* pnt) {
  return *reinterpret_cast<AcGePoint2d*>(const_cast<double*>(pnt));
}
inline AcGeVector3d& asVec3d(const double* vec) {
  return *reinterpret_cast<AcGeVector3d*>(const_cast<double*>(vec));
}
