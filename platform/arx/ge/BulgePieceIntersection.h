#pragma once
// The result of intersecting two bulged pieces (BulgePiece::intersectWith).
//
// - points: isolated contacts, at most 2: crossings, tangent contacts (one point
//   per contact, never two close ones) and touching end points. A contact within
//   the tolerance of an end point of either piece is that end point exactly.
// - overlaps: shared stretches of collinear straight pieces or co-circular arcs
//   with positive length (at most 2, for two arcs covering each other's ends),
//   oriented as the first piece. The ends of an overlap are not repeated in points.
#include "arx/ge/AcGePoint3d.h"
#include "arx/ge/BulgePiece.h"

namespace VeskGe {

struct PieceIntersection {
  int numPoints = 0;
  AcGePoint3d points[2];           // with the first piece's elevation
  double fractionsOnFirst[2] = {0.0, 0.0};
  double fractionsOnSecond[2] = {0.0, 0.0};
  int numOverlaps = 0;
  BulgePiece overlaps[2];

  bool isEmpty() const { return numPoints == 0 && numOverlaps == 0; }
  bool hasOverlap() const { return numOverlaps > 0; }
};

}  // namespace VeskGe
