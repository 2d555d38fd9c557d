#pragma once
// A generated planning drawing for the contour search: a street grid of
// lines, circles and open arcs across it, bulged closed polylines over it
// and dangling lines, made from a fixed random seed. The loose ends of the
// open curves are kept at least 2 units from any other linework, so that
// every loose run is plainly dangling. The same linework is handed to GEOS
// (arcs followed in small angle steps) to get the faces independently.
#include <string>
#include <vector>

#include "BulgeGeometry.h"

namespace vkplantest {

class PlanLinework {
 public:
  struct Counts {
    int lines = 0, circles = 0, arcs = 0, polylines = 0, dangling = 0;
    int total() const { return lines + circles + arcs + polylines + dangling; }
  };

  // gridCells: the street grid is gridCells x gridCells blocks of about 100.
  PlanLinework(unsigned seed, int gridCells, int circles, int arcs, int polylines, int dangling);

  const Counts& counts() const { return mCounts; }

  // Writes the drawing as DXF; false with a message on failure.
  bool SaveDxf(const std::string& path, std::string& error) const;

  // The areas of the outer rings of the polygons GEOS builds from the noded
  // linework (arcs in steps of stepDegrees), those of at least minArea.
  std::vector<double> GeosFaceAreas(double stepDegrees, double minArea) const;

 private:
  enum class Kind { kLine, kCircle, kArc, kPolyline };
  struct Entity {
    Kind kind = Kind::kLine;
    std::vector<double> x, y, bulge;  // line: 2 points; polyline: closed outline
    double cx = 0, cy = 0, r = 0, a0 = 0, a1 = 0;  // circle, arc (counter-clockwise a0 -> a1)
    std::vector<Piece> pieces;
  };

  void add(Entity e);
  // True when (x, y) is at least `clear` from every piece made so far.
  bool clearOfAll(double x, double y, double clear) const;
  // True when the loose ends made so far are at least `clear` from e.
  bool clearOfLooseEnds(const Entity& e, double clear) const;
  // Adds an open entity when its loose ends and the loose ends made so far
  // stay clear; false when it was turned down.
  bool addOpen(Entity e, double ex0, double ey0, double ex1, double ey1);

  std::vector<Entity> mEntities;
  std::vector<std::pair<double, double>> mLooseEnds;
  Counts mCounts;
};

}  // namespace vkplantest
