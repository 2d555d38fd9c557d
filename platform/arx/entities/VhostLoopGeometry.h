#pragma once
// Closed outlines made of straight and circular pieces in a plane, shared by
// hatches and regions: reading curves into pieces, chaining pieces into
// loops, and the line crossings behind point-in-loop tests, hatch lines and
// areas.
#include <vector>

#include "arx/base/AcArray.h"
#include "arx/base/AcadErrorStatus.h"
#include "arx/ge/AcGePoint2d.h"
#include "arx/ge/AcGeVector2d.h"
#include "arx/ge/BulgePiece.h"

class AcDbCurve;
class AcDbEntity;
class AcGeMatrix3d;
class AcRxObject;

namespace vhost {
namespace annot {

using Pieces = std::vector<VeskGe::BulgePiece>;

// Whether the object's class, or one of its parents, has that name (for
// classes this folder knows only by name).
bool isKindOfNamed(const AcRxObject* obj, const wchar_t* className);

// The pieces of a curve in plane coordinates (toPlane maps the world to the
// plane's coordinates; z is dropped): lines and arcs exactly, circles as two
// half arcs, polylines through their exploded pieces, other curves as 256
// straight pieces (exact is then set to false). eNotThatKindOfClass for an
// entity that is not a curve.
Acad::ErrorStatus curvePieces(const AcDbEntity* entity, const AcGeMatrix3d& toPlane, Pieces& out,
                              bool* exact = nullptr);

// The tolerance for end points that meet: relative to the coordinates' size.
double joinTolerance(const Pieces& pieces);

// Chains all pieces, each used once in either direction, into one closed
// loop starting with the first piece; false when they do not close.
bool chainSingleLoop(const Pieces& pieces, double tol, Pieces& loop);

// Splits pieces into closed loops: pieces joined end to end; a walk that
// comes back to a point it passed splits off the loop it closed. Pieces that
// end up in no closed loop are returned in leftovers.
void chainLoops(const Pieces& pieces, double tol, std::vector<Pieces>& loops, Pieces& leftovers);

// The pieces of a closed vertex/bulge outline (one bulge per vertex; missing
// bulges are 0); zero-length pieces are left out.
Pieces outlinePieces(const AcGePoint2dArray& vertices, const AcGeDoubleArray& bulges);
void piecesToOutline(const Pieces& pieces, AcGePoint2dArray& vertices, AcGeDoubleArray& bulges);

// Where the line p + t·d crosses the outline, as values of t (d a unit
// vector, n its left normal). A crossing at a vertex is counted once, a touch
// twice or not at all, so the count is even for a closed outline.
void lineCrossings(const Pieces& loop, const AcGePoint2d& p, const AcGeVector2d& d, const AcGeVector2d& n,
                   std::vector<double>& ts);
// Whether the point lies inside the closed outline (even-odd rule).
bool pointInLoop(const Pieces& loop, const AcGePoint2d& pt);
// Signed area (counter-clockwise positive) and length of a closed outline.
double loopArea(const Pieces& loop);
double loopLength(const Pieces& loop);
// Whether two pieces of the outline that are not neighbours meet, or two
// neighbours overlap.
bool loopSelfIntersects(const Pieces& loop);

}  // namespace annot
}  // namespace vhost
