#pragma once
// Outlines of regions as polylines.
#include "arx/db/AcDbObjectId.h"

namespace vesk {

class CCalExtent {
 public:
  // Turns the boundary of a region into closed lightweight polylines in the
  // region's block, with the region's layer, colour, linetype and
  // lineweight: `outer` receives the outer loops, `holes` the loops of holes
  // (both appended). Loops run counter-clockwise about the region's normal
  // and holes clockwise, as the region holds them. The region stays. Returns
  // the number of polylines made (0 for an id that is not a region with
  // loops).
  static int FGetPlylineByRegion(const AcDbObjectId& regionId, AcDbObjectIdArray& outer, AcDbObjectIdArray& holes);
};

}  // namespace vesk
