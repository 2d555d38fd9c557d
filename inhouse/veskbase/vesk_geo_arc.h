#pragma once
// A circular arc in the XY plane, made from two points and a bulge or from
// three points on it, with the numbers the callers need: centre, radius,
// angles, bulge. The arc runs from its start point to its end point,
// counter-clockwise for a positive bulge and clockwise for a negative one.
// Z is ignored on input; points given out carry Z = 0.
//
// An arc that cannot be made (a straight piece, coinciding points, three
// points in a line) leaves the object invalid: IsValid() gives 0 and the
// getters give zeros.
#include "arx/ge/AcGePoint3d.h"

namespace vesk {

class vesk_geo_arc {
 public:
  vesk_geo_arc() = default;
  // From start to end with a bulge (tangent of a quarter of the included
  // angle); |bulge| below 1e-10 is a straight piece and makes no arc.
  vesk_geo_arc(const AcGePoint3d& start, const AcGePoint3d& end, double bulge);
  // From start through onArc to end.
  vesk_geo_arc(const AcGePoint3d& start, const AcGePoint3d& onArc, const AcGePoint3d& end);

  // The same as the constructors; 1 when an arc was made.
  int Set(const AcGePoint3d& start, const AcGePoint3d& end, double bulge);
  int Set(const AcGePoint3d& start, const AcGePoint3d& onArc, const AcGePoint3d& end);

  int IsValid() const { return mValid ? 1 : 0; }
  AcGePoint3d GetCenter() const;
  double GetRadius() const;
  AcGePoint3d GetStartPt() const;
  AcGePoint3d GetEndPt() const;
  // The bulge of the piece from the start point to the end point.
  double GetBulge() const;
  // Signed included angle, in (-2π, 2π): positive counter-clockwise.
  double GetIncludedAngle() const;
  // 1 for a counter-clockwise arc (positive bulge).
  int IsCCW() const;
  // The point halfway along the arc.
  AcGePoint3d GetMidPt() const;
  double GetLength() const;
  // The arc as an AcDbArc with normal +Z stores it: the counter-clockwise
  // sweep from the start angle to the end angle, both in [0, 2π). For a
  // clockwise arc the sweep starts at the end point.
  double GetStartAngle() const;
  double GetEndAngle() const;
  // Polar angle of a point about the centre, in [0, 2π).
  double AngleOf(const AcGePoint3d& pt) const;

 private:
  bool mValid = false;
  AcGePoint3d mStart;
  AcGePoint3d mEnd;
  double mBulge = 0.0;
  AcGePoint3d mCenter;
  double mRadius = 0.0;
};

}  // namespace vesk
