#pragma once
// Regions: bounded planar areas whose boundary is made of straight and
// circular pieces. A region may have several loops (after unions and
// subtractions): loops at an even nesting depth are outer boundaries and run
// counter-clockwise about the normal, holes run clockwise.
//
// Curves other than lines, arcs, circles and polylines (ellipses, splines)
// enter a region as fine polylines. Boolean operations are exact for the
// pieces: both boundaries are split where they meet, and the parts that
// bound the result are joined again.
#include <vector>

#include "arx/db/AcDbEntity.h"
#include "arx/ge/AcGePoint2d.h"
#include "arx/ge/AcGeVector2d.h"
#include "arx/ge/AcGeVector3d.h"

namespace AcDb {
enum BoolOperType { kBoolUnite = 0, kBoolIntersect = 1, kBoolSubtract = 2 };
}  // namespace AcDb

class AcDbRegion : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbRegion);
  AcDbRegion();
  ~AcDbRegion() override;

  // One new region (for the caller to delete) for each closed loop the
  // curves (AcDbCurve*) form: single closed curves, and lines, arcs and open
  // curves joined end to end. A loop that crosses or touches itself is left
  // out. eInvalidInput when the curves form no loop, eNotThatKindOfClass for
  // an entry that is not a curve, eInvalidPlane when they are not coplanar.
  static Acad::ErrorStatus createFromCurves(const AcDbVoidPtrArray& curveSegments, AcDbVoidPtrArray& regions);

  bool isNull() const;
  Acad::ErrorStatus getNormal(AcGeVector3d& normal) const;
  Acad::ErrorStatus getArea(double& area) const;
  Acad::ErrorStatus getPerimeter(double& perimeter) const;
  // Mass properties in the coordinate system of origin, xAxis and yAxis
  // (which must lie in the region's plane, perpendicular): perimeter, area,
  // centroid, moments of inertia about the x and y axes and their product,
  // principal moments and axes about the centroid, radii of gyration and the
  // extents. eInvalidInput for axes that are not in the plane.
  Acad::ErrorStatus getAreaProp(const AcGePoint3d& origin, const AcGeVector3d& xAxis, const AcGeVector3d& yAxis,
                                double& perimeter, double& area, AcGePoint2d& centroid, double momInertia[2],
                                double& prodInertia, double prinMoments[2], AcGeVector2d prinAxes[2],
                                double radiiGyration[2], AcGePoint2d& extentsLow, AcGePoint2d& extentsHigh) const;
  // Combines the other region (in the same plane, eInvalidPlane otherwise)
  // into this one; the other region is left empty. A result without area
  // leaves this region empty.
  Acad::ErrorStatus booleanOper(AcDb::BoolOperType operation, AcDbRegion* otherRegion);

  // The loops in world coordinates: vertices with one bulge each (about the
  // normal), and whether the loop is a hole.
  int vhostNumLoops() const;
  Acad::ErrorStatus vhostGetLoopAt(int index, AcGePoint3dArray& vertices, AcGeDoubleArray& bulges,
                                   bool& isHole) const;

  // --- entity protocol
  // Lines and arcs (a loop of two half circles as a circle).
  Acad::ErrorStatus explode(AcDbVoidPtrArray& entitySet) const override;
  Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const override;
  // Rotations, uniform scales, mirrors and moves.
  Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;
  bool isPlanar() const override { return true; }
  Acad::ErrorStatus getPlane(AcGePlane& plane, AcDb::Planarity& planarity) const override;

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  // REGION: "100 AcDbModelerGeometry", 70 version 1, then the body as text
  // lines (1, with 3 continuing a line longer than 255 characters), each
  // character c other than a space written as 159 - c as modeler data is.
  //
  // There is no solid modeler here, so a region this system made writes its
  // own body text: a first line "VeskCAD-region 1", then the normal and
  // elevation, and each loop's vertices and bulges in the plane, every
  // number in exact hexadecimal floating-point form; it reads back exactly.
  // Body data of any other writer (modeler data proper) is not interpreted:
  // the region reads as one without loops and keeps the groups exactly as
  // read, and writes them back unchanged for as long as it has no loops of
  // its own (a Boolean operation that gives it loops replaces them).
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;
  // Whether the region holds body data from another writer, kept as read.
  bool vhostHasForeignBody() const;

  struct Loop {
    AcGePoint2dArray vertices;  // in the plane's coordinates
    AcGeDoubleArray bulges;
  };

 private:
  void normalizeLoops();

  AcGeVector3d mNormal = AcGeVector3d::kZAxis;
  double mElevation = 0.0;
  std::vector<Loop> mLoops;
};
