#pragma once
// Intersections of two curve geometries. Straight and circular pieces are
// solved exactly (coplanar pairs through VeskGe::BulgePiece, others in 3d);
// ellipses, splines and curves of other classes by subdivision and Newton
// iteration on the distance between the two curves, every result checked by
// evaluating both curves.
#include <vector>

#include "arx/entities/CurveGeometry.h"

namespace vhost {

struct CurveHit {
  AcGePoint3d point;
  double paramA = 0.0;  // entity parameter on the first curve (may lie on its extension)
  double paramB = 0.0;
  bool iterated = false;  // found by iteration (not in closed form)
};

// Every contact once: crossings, tangent contacts, and the end points of
// overlapping stretches; ordered by the parameter on a. extendA / extendB
// intersect the extended curves (see CurveGeometry::setupExtension).
void intersectCurves(const CurveGeometry& a, bool extendA, const CurveGeometry& b, bool extendB,
                     std::vector<CurveHit>& hits);

}  // namespace vhost
