#pragma once
// Writing a planar vertex list back into a curve entity of the drawing, by
// kind, for the curve editing toolkit and the vertex cleanup.
//
// The vertex list is in world X and Y (Z is not used: every entity keeps its
// own elevation) with one bulge per vertex, counter-clockwise seen from +Z.
// When the list is a part of the entity's own list (a split, a trim, an
// extension), params gives, for each vertex, its parameter on the entity's
// list (vertex i at i, a point inside piece i at i + fraction); the widths of
// polyline pieces are then carried over (interpolated where a piece is cut),
// a line keeps its slope in Z, and the vertex entities of an old-style 2D
// polyline that stay in the list are kept (with their ids). Without params
// the widths are the defaults.
//
// Every function expects the entity open for write and returns Acad::eOk or
// the reason it could not write; it throws nothing.
#include "arx/base/AcArray.h"
#include "arx/base/AcadErrorStatus.h"
#include "arx/ge/AcGePoint3d.h"
#include "arx/ge/AcGeVector3d.h"

class AcDbEntity;
class AcDbPolyline;
class AcDb2dPolyline;
class AcDb3dPolyline;
class AcDbLine;
class AcDbArc;

namespace VeskCad {
namespace CurveRewrite {

struct Target {
  AcGePoint3dArray vertices;
  AcGeDoubleArray bulges;
  AcGeDoubleArray params;  // empty: not a part of the entity's list
  bool open = false;       // clear the closed flag
  // The source is a closed outline and parameters past its end continue
  // from its start (a part that runs over the closing vertex).
  bool cyclic = false;
};

// The kinds the toolkit edits: line, arc, lightweight and old-style 2D polyline.
bool isEditableKind(const AcDbEntity* ent);

// Dispatches by kind. A line or an arc takes exactly two vertices (an arc a
// bulged piece); polylines any number from 2.
Acad::ErrorStatus apply(AcDbEntity* ent, const Target& target);

Acad::ErrorStatus applyLine(AcDbLine* line, const Target& target);
Acad::ErrorStatus applyArc(AcDbArc* arc, const Target& target);
Acad::ErrorStatus applyPolyline(AcDbPolyline* pline, const Target& target);
Acad::ErrorStatus apply2dPolyline(AcDb2dPolyline* pline, const Target& target);
// Every vertex replaced by the points (Z kept as given; bulges not used).
Acad::ErrorStatus apply3dPolyline(AcDb3dPolyline* pline, const AcGePoint3dArray& points);

// Whether a plane normal is along +Z or -Z (the only planes the planar lists
// describe).
bool isAlongZ(const AcGeVector3d& normal);
// Polar angle of a world point about a centre, in the entity coordinate
// system of the normal (measured from that system's X axis about the normal).
double ocsAngle(const AcGeVector3d& normal, const AcGePoint3d& centre, const AcGePoint3d& point);

}  // namespace CurveRewrite
}  // namespace VeskCad
