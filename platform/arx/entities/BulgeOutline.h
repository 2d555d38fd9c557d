#pragma once
// A planar outline of vertices with bulges and widths in the entity
// coordinate system of a normal, at one elevation: the shape shared by the
// lightweight and the old-style 2D polyline. Parameter i is vertex i; inside
// a segment it runs with length (straight) or angle (arc).
#include <utility>
#include <vector>

#include "arx/base/AcadErrorStatus.h"
#include "arx/db/AcDbObject.h"
#include "arx/entities/CurveGeometry.h"
#include "arx/ge/AcGePoint2d.h"

class AcDbEntity;

namespace vhost {

struct OutlineVertex {
  AcGePoint2d pt;
  double bulge = 0.0;
  double startWidth = 0.0;
  double endWidth = 0.0;
};

class BulgeOutline {
 public:
  std::vector<OutlineVertex> verts;
  bool closed = false;
  double elevation = 0.0;
  AcGeVector3d normal = AcGeVector3d::kZAxis;

  int numSegs() const;
  AcGePoint3d toWorld(const AcGePoint2d& p) const;
  AcGePoint2d toPlane(const AcGePoint3d& p) const;
  // Whether segment i (from vertex i to the next) has no length / is straight.
  bool isCoincident(int i) const;
  bool isStraight(int i) const;

  // Pieces in world coordinates: straight segments, arcs counter-clockwise
  // about the normal (clockwise ones about its reverse).
  Acad::ErrorStatus buildGeometry(CurveGeometry& g) const;
  // The vertices of the stretch between parameters a < b (b may pass the end
  // of a closed outline and wrap round); bulges and widths of cut segments
  // follow the part kept.
  std::vector<OutlineVertex> part(double a, double b) const;
  // The stretches into which sorted, distinct split parameters cut the
  // outline (a closed one into pieces starting at the first parameter).
  std::vector<std::pair<double, double>> splitRanges(const std::vector<double>& params) const;
  // Moves the first or last vertex along its segment's line or circle.
  Acad::ErrorStatus extend(double newParam);
  Acad::ErrorStatus extend(bool atStart, const AcGePoint3d& toPoint);
  // The same outline walked the other way.
  void reverse();
  // World transformation; widths scale with the plane; a mirror turns the
  // bulges' signs. thickness is updated along the new normal.
  Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform, double& thickness);
  // Lines and arcs for the segments that have length, with the properties of
  // `from`, the normal and the thickness.
  void explode(const AcDbEntity* from, double thickness, AcDbVoidPtrArray& out) const;
};

}  // namespace vhost
