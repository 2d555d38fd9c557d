#pragma once
// Small helpers shared by the planar entities: the entity coordinate system
// of a normal (arbitrary-axis rule), angles in it, and how a normal and an
// extrusion thickness follow a transformation.
#include "arx/ge/AcGeMatrix3d.h"
#include "arx/ge/AcGePoint3d.h"
#include "arx/ge/AcGeVector3d.h"

namespace vhost {

// The X and Y axes of the entity coordinate system of a unit normal.
void ecsAxes(const AcGeVector3d& normal, AcGeVector3d& xAxis, AcGeVector3d& yAxis);
// Angle of point about center, counter-clockwise about normal from the ECS X axis, in [0, 2π).
double ecsAngle(const AcGePoint3d& center, const AcGeVector3d& normal, const AcGePoint3d& point);
// The point of the circle (center, radius) at an ECS angle.
AcGePoint3d ecsPointAt(const AcGePoint3d& center, const AcGeVector3d& normal, double radius, double angle);
// A normal carried through a transformation (as the normal of the image of
// its plane), unit length; false for a transformation that flattens the plane.
bool transformNormal(const AcGeMatrix3d& m, const AcGeVector3d& normal, AcGeVector3d& result);
// How far an extrusion along the normal stretches under m.
double extrusionScale(const AcGeMatrix3d& m, const AcGeVector3d& normal);
// A usable normal: non-zero, finite; made unit length.
bool validNormal(const AcGeVector3d& normal, AcGeVector3d& unit);
bool isFinite(const AcGePoint3d& p);
bool isFinite(const AcGeVector3d& v);

}  // namespace vhost
