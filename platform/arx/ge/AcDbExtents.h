#pragma once
// An axis-aligned box. A default-constructed box is empty: minPoint() is
// (1e20, 1e20, 1e20) and maxPoint() (-1e20, -1e20, -1e20), so that the first
// addPoint() makes it the point itself. isValidExtents() tells an empty (or
// otherwise inverted) box from a real one.
#include "arx/base/AcArray.h"
#include "arx/base/AcadErrorStatus.h"
#include "arx/ge/AcGePoint3d.h"
#include "arx/ge/AcGeVector3d.h"

class AcGeMatrix3d;

class AcDbExtents {
 public:
  AcDbExtents();
  // The box spanned by two corners, whatever their order.
  AcDbExtents(const AcGePoint3d& min, const AcGePoint3d& max);

  AcGePoint3d minPoint() const { return mMin; }
  AcGePoint3d maxPoint() const { return mMax; }
  // eInvalidExtents (box unchanged) unless min <= max on every axis.
  Acad::ErrorStatus set(const AcGePoint3d& min, const AcGePoint3d& max);

  void addPoint(const AcGePoint3d& pt);
  void addPoints(const AcArray<AcGePoint3d>& pts);
  // An empty box adds nothing.
  void addExt(const AcDbExtents& src);
  // Moves max by the positive components of vec and min by the negative ones.
  void expandBy(const AcGeVector3d& vec);
  // The box of the transformed corners (an empty box stays empty).
  void transformBy(const AcGeMatrix3d& mat);

  bool isValidExtents() const;
  void reset();  // back to empty
  // Whether the point (within tol) lies inside or on the box.
  bool contains(const AcGePoint3d& pt, double tol = 0.0) const;
  // Whether the two boxes share a point (within tol).
  bool intersects(const AcDbExtents& other, double tol = 0.0) const;

  bool operator==(const AcDbExtents& o) const;
  bool operator!=(const AcDbExtents& o) const { return !(*this == o); }

  static constexpr double kEmptyValue = 1e20;

 private:
  AcGePoint3d mMin;
  AcGePoint3d mMax;
};
