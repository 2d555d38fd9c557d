#pragma once
// Plane geometry of straight and arc pieces given by bulges, written out
// here so that the checks do not lean on the geometry code under test.
#include <vector>

namespace vkplantest {

// A straight piece, or an arc piece about (cx, cy) of radius r from angle a0
// through the signed sweep (counter-clockwise positive).
struct Piece {
  bool arc = false;
  double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
  double cx = 0, cy = 0, r = 0, a0 = 0, sweep = 0;

  double DistanceTo(double x, double y) const;
  // The points after the start, up to and including the end point; arcs in
  // steps of at most stepRadians.
  void AppendPoints(double stepRadians, std::vector<double>& xy) const;
};

Piece StraightPiece(double x0, double y0, double x1, double y1);
Piece ArcPiece(double cx, double cy, double r, double a0, double sweep);
// The piece of the bulged segment from (x0, y0) to (x1, y1).
Piece BulgedPiece(double x0, double y0, double x1, double y1, double bulge);

// The signed area of a closed outline given as vertices and the bulges of
// the segments that start at them (counter-clockwise positive).
double SignedBulgeArea(const std::vector<double>& x, const std::vector<double>& y, const std::vector<double>& bulge);

}  // namespace vkplantest
