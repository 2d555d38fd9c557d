#pragma once
// Planar geometry on points and on vertex lists with bulges (one bulge per
// vertex: the bulge of vertex i belongs to the piece from vertex i to vertex
// i + 1; see veskbase/EntCurve.h). Everything is measured in X and Y unless a
// function says otherwise; tolerances default to AcGeContext::gTol's
// equal-point value.
#include "arx/base/AcArray.h"
#include "arx/ge/AcGePoint3d.h"

namespace vesk {
namespace geo {

// The bulges of the same outline walked the other way, for a list with one
// bulge per vertex whose vertex order is reversed by the caller:
// reversed[i] = -bulges[(n - 2 - i) mod n]. Piece i of the reversed list is
// piece n - 2 - i of the original walked backwards; the last slot takes the
// negated bulge of the original last vertex, which is the closing piece of a
// polyline closed by its flag (and 0 for an open list). Applying it twice
// gives the original back.
void Reverse(AcGeDoubleArray& bulges);
// Reverses the vertex order and the bulges together. The bulges may also be
// one short of the vertices (one per piece of an open list); they stay so.
// Fails (lists unchanged) for any other bulge count.
int Reverse(AcGePoint3dArray& vertices, AcGeDoubleArray& bulges);

// The midpoint of the piece from p to q with the bulge: on the arc for a
// bulged piece, halfway along the chord for a straight one (|bulge| < 1e-10).
// Z is the mean of the two Zs. Fails only for coordinates that are not finite.
int GetMidPt(const AcGePoint3d& p, const AcGePoint3d& q, double bulge, AcGePoint3d& mid);
// The plain midpoint of two points (all three coordinates).
void GetMidPt(const AcGePoint3d& a, const AcGePoint3d& b, AcGePoint3d& mid);

// Where a point lies against the closed outline of a vertex list (arcs
// honoured; the outline is closed from the last vertex back to the first
// with the last vertex's bulge, a repeated closing vertex making that piece
// empty):
//   3  strictly inside;
//   2  on the outline (within tol);
//   1  outside;
//   0  cannot tell: fewer than 2 distinct vertices, a bulge count that is
//      neither the vertex count nor one short, or a point that is not finite.
// bulges null: every piece straight. tol < 0 uses AcGeContext::gTol.
// Outlines that cross themselves follow the even-odd rule.
int IsPtInArea(const AcGePoint3d& pt, const AcGePoint3dArray& vertices, const AcGeDoubleArray* bulges = nullptr,
               double tol = -1.0);

// 1 when the two points coincide in 3D within tol (distance <= tol), else 0.
// tol < 0 uses AcGeContext::gTol's equal-point value.
int G3PtCmp(const AcGePoint3d& a, const AcGePoint3d& b, double tol = -1.0);

// On which side of the directed line a -> b the point p lies: 1 on the left
// (counter-clockwise), -1 on the right, 0 on the line itself (its distance
// from the infinite line at most tol; tol < 0 uses AcGeContext::gTol). A
// degenerate line (a == b) has no side: 0.
int IsOnLineSide(const AcGePoint3d& a, const AcGePoint3d& b, const AcGePoint3d& p, double tol = -1.0);

// The point of an outline nearest to pt (no extension beyond its ends); the
// pieces are those between consecutive vertices (a closed outline repeats its
// first vertex at the end). bulges null: every piece straight. closest gets
// Z = 0; piece, when given, the index of the piece it lies on (the first of
// equally near ones); dist, when given, the planar distance. A single vertex
// is its own closest point (piece 0). Fails for an empty list or a bulge
// count that is neither the vertex count nor one short.
int GetClosestPt(const AcGePoint3d& pt, const AcGePoint3dArray& vertices, const AcGeDoubleArray* bulges,
                 AcGePoint3d& closest, int* piece = nullptr, double* dist = nullptr);

}  // namespace geo
}  // namespace vesk
