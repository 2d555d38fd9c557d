#pragma once
// CGetPtsWithoutBlg: the outline of a curve as plain points, its arc pieces
// replaced by points taken along them.
#include "arx/base/AcArray.h"
#include "arx/db/AcDbObjectId.h"
#include "arx/ge/AcGePoint3d.h"

namespace VeskCad {

class CGetPtsWithoutBlg {
 public:
  // Points every `step` along each arc piece (the step grows tenfold for
  // curves larger than 10000 and a hundredfold beyond 100000); straight
  // pieces give their vertices. The last argument is accepted for callers
  // that pass a chord tolerance and is not used. 0 for an unreadable curve or
  // a step that is not positive.
  static int fnGetPts(AcGePoint3dArray& out, AcDbObjectId id, double step, double unused = 0.0);
};

}  // namespace VeskCad
