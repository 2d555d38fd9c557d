#pragma once
// Vertex-list helpers of the drawing: writing vertex lists back into curves,
// inserting and deleting vertices, breaking, joining and de-duplicating
// curves, and finding entities along an outline.
#include "arx/base/AcArray.h"
#include "arx/base/Resbuf.h"
#include "arx/db/AcDbObjectId.h"
#include "arx/ge/AcGePoint3d.h"

namespace VeskCad {
namespace Fun {

// Writes a vertex list (one bulge per vertex) into a curve by kind: a
// lightweight polyline (elevation from the first vertex, closed flag, widths
// of the vertices kept and normal kept), a 3D polyline (every vertex
// replaced), an old-style 2D polyline (every vertex replaced), an arc (the
// arc of the two vertices and the bulge) or a line (its two end points).
int ModiEntPts(AcDbObjectId id, const AcGePoint3dArray& vertices, const AcGeDoubleArray& bulges);
// The vertex list of a curve as ModiEntPts takes it back: that of
// vesk::ent::GetCurveParam with the entity's own elevation as Z (a 3D
// polyline: its vertex positions, bulges 0). 0 for unreadable ids.
int ReadEntPts(AcDbObjectId id, AcGePoint3dArray& vertices, AcGeDoubleArray& bulges);

// Adds a vertex to a lightweight or old-style 2D polyline at the point of the
// outline nearest to the given point (0 when that point is a vertex already).
int InsertPtToPline(AcDbObjectId id, AcGePoint3d point);
// Makes outlines that run on top of each other share their vertices; count
// is raised by the number of vertices inserted.
int InsertPtAtOverLapArcPos(AcDbObjectIdArray ids, int& count);
// Breaks a curve at the point nearest to the given point (not at its ends).
int FBreakCurveByPt(AcDbObjectId id, AcGePoint3d point);
// Erases open curves lying on top of others; returns how many were erased.
int FDelOverlapLine(AcDbObjectIdArray ids, double tol);
// Takes out the vertices of two curves within the radius of the point where
// they meet (extended), except a vertex at that point itself.
int FDelOnLinePtInCircle(AcDbObjectId first, AcDbObjectId second, double radius);
// The four corners of a text's box widened by dx and dy on each side: lower
// left, lower right, upper right, upper left.
int GetTextBoundary(AcDbObjectId id, AcGePoint3dArray& corners, double dx, double dy);
// The entities along an outline (within the offset of it), by the filter.
AcDbObjectIdArray FSSGetFenceObj(AcDbObjectId id, double offset, resbuf* filter);
// Appends the model-space entities on the layer (names compared without case).
int GetObjIdArrOnLayer(AcDbObjectIdArray& ids, const wchar_t* layer);
// Joins open curves whose ends meet into polylines; out receives the
// resulting curves (and the closed or unreadable ones unchanged).
void JointEnt(AcDbObjectIdArray ids, AcDbObjectIdArray& out, double tol);

// Purges redundant vertices of a polyline with CDelMidPts: the angle
// tolerance (degrees) is at most 0.01, a distance below 0.02 means no limit.
int FPolylinePurge(AcDbObjectId polyline, double angle, double distance);

}  // namespace Fun
}  // namespace VeskCad
