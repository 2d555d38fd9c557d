#pragma once
// Curves as vertex lists with bulges, and the lightweight polylines made from
// such lists.
//
// A vertex list holds one AcGePoint3d per vertex and one bulge per vertex: the
// bulge of vertex i is the tangent of a quarter of the included angle of the
// piece from vertex i to vertex i+1 (positive counter-clockwise seen from +Z,
// 0 for a straight piece); the last vertex's bulge belongs to no piece and is
// 0. Lists read from the drawing are flattened: every point is projected onto
// Z = 0 of the world system.
//
// Closed outlines repeat their first vertex at the end: a closed polyline of n
// vertices reads as n + 1 vertices, the closing piece carrying the bulge of
// vertex n - 1, and the repeated vertex carrying bulge 0. So "closed" can be
// told from a list alone: at least 3 vertices and first == last.
//
// Results: 1 for success, 0 for failure (bad ids, erased or unreadable
// entities, entities of another kind, malformed lists); no call throws.
#include "arx/base/AcArray.h"
#include "arx/db/AcDbObjectId.h"
#include "arx/ge/AcGePoint3d.h"

class AcDbCurve;
class AcDbEntity;

namespace vesk {
namespace ent {

// The vertex list of a curve entity, flattened to Z = 0:
//   AcDbLine              its two end points, bulges {0, 0};
//   AcDbArc               start and end point, the bulge of the arc (negated
//                         when the arc's normal points down -Z), then 0;
//   AcDbCircle            two half arcs: the point at angle 0, the opposite
//                         point, the first point again; bulges {1, 1, 0}
//                         ({-1, -1, 0} for a normal along -Z);
//   AcDbPolyline          its vertices in world coordinates with their bulges;
//   AcDb2dPolyline        the vertices that are drawn (simple and fit
//                         vertices; spline frame vertices are skipped);
//   AcDb3dPolyline        the drawn vertices, bulges all 0.
// Closed polylines and circles repeat the first vertex at the end (see above).
// Either output may be null when not wanted; given ones are replaced.
// Fails for other kinds, for null/erased ids, for an arc or bulged piece
// whose plane is tilted against the XY plane (its projection is no circular
// arc), and for a polyline without vertices.
int GetCurveParam(const AcDbObjectId& id, AcGePoint3dArray* vertices, AcGeDoubleArray* bulges);
// The same for a curve already open (or not in any database).
int GetCurveParam(const AcDbCurve* curve, AcGePoint3dArray* vertices, AcGeDoubleArray* bulges);

// Makes a lightweight polyline from a vertex list and adds it to a block:
// the current space of the working database when ownerBlockId is null,
// otherwise that block table record (model space, paper space or a block).
//   bulges  one per vertex (a list one short gets a final 0); null: all 0;
//   width   the constant width; negative leaves the default (0);
//   layer   a layer name that must exist in the database; null or "" keeps
//           the database's current layer;
//   closed  sets the closed flag (the vertices are kept exactly as given).
// The vertices are taken in the XY plane of the world system (normal +Z); the
// elevation is the Z of the first vertex. At least 2 vertices are needed.
// id receives the new polyline's id (null on failure).
int Create2dPline(const AcGePoint3dArray& vertices, const AcGeDoubleArray* bulges, double width,
                  AcDbObjectId& id, const wchar_t* layer = nullptr, int closed = 0,
                  const AcDbObjectId& ownerBlockId = AcDbObjectId::kNull);

// The same as Create2dPline with the bulges given by reference (one per
// vertex, or one short).
int DrawPolyline(const AcGePoint3dArray& vertices, const AcGeDoubleArray& bulges, double width,
                 AcDbObjectId& id, const wchar_t* layer = nullptr, int closed = 0,
                 const AcDbObjectId& ownerBlockId = AcDbObjectId::kNull);

// Sets (close != 0) or clears (close == 0) the closed flag of a lightweight,
// 2D or 3D polyline. Closing a polyline of more than 2 vertices whose last
// vertex equals its first (AcGeContext::gTol) first removes that repeated
// vertex, so that the closing piece is not doubled. Opening clears the flag
// only (the closing piece disappears). A circle counts as closed already:
// closing it succeeds, opening it fails. Lines, arcs and other kinds fail.
int SetCurveClose(const AcDbObjectId& id, int close);

// The area enclosed by a curve, always >= 0 (independent of the direction):
// polylines (open ones as if closed, arc pieces honoured), circles, arcs (the
// segment between arc and chord), ellipses, splines, and also regions and
// hatches; a line encloses nothing (0). Fails for other kinds and unreadable
// ids.
int GetArea(const AcDbObjectId& id, double& area);

// Whether a curve is closed: the entity says so (closed polylines and
// splines, circles, full ellipses), or, with byEndPoints, its start point
// equals its end point (AcGeContext::gTol) and it is longer than that
// tolerance (a polyline drawn back to its start). 0 for non-curves and bad ids.
int IsClosed(const AcDbObjectId& id, bool byEndPoints = true);

// The length of a curve along its path (from its start to its end parameter).
int GetCurveLength(const AcDbObjectId& id, double& length);

// Gives the entity `id` the outline of a vertex list as a lightweight
// polyline, keeping its id, handle, layer and other properties, extended data
// and extension dictionary. A lightweight polyline is rewritten in place
// (constant width, thickness and closed flag kept); any other curve (line,
// arc, 2D or 3D polyline ...) is replaced by a new lightweight polyline that
// takes over its identity and keeps its closed flag. Vertices in world
// coordinates, normal +Z, elevation = Z of the first vertex. bulges: one per
// vertex or one short. Fails for fewer than 2 vertices, other bulge counts,
// non-curves and entities that cannot be opened for write.
int ReplacePolyline(const AcDbObjectId& id, const AcGePoint3dArray& vertices, const AcGeDoubleArray& bulges);

// Gives the identity of the database entity oldId (its id, handle, owner and
// reactors) to newEnt, an entity that is in no database; newEnt then stands in
// the drawing in place of the old entity, which is deleted. With keepData
// non-zero newEnt also takes the old entity's common properties (layer,
// colour, linetype and scale, lineweight, visibility), extended data and
// extension dictionary. HandOverTo takes ownership of newEnt in every case:
// on success the database owns it (it is closed), on failure it is deleted.
// Fails for null/erased ids, a newEnt that is null or already in a database,
// and an old entity that cannot be opened for write.
int HandOverTo(const AcDbObjectId& oldId, AcDbEntity* newEnt, int keepData = 1);
// The same with a new entity already in the database: a copy of newId's
// entity takes over oldId's identity and newId's entity is erased. Afterwards
// oldId carries the new geometry.
int HandOverTo(const AcDbObjectId& oldId, const AcDbObjectId& newId, int keepData = 1);

}  // namespace ent
}  // namespace vesk
