#include "veskcad/geometry/CGetPtsWithoutBlg.h"

#include <cmath>

#include "arx/db/AcDbCurve.h"
#include "veskbase/EntBasic.h"
#include "veskcad/geometry/GP_CurveTran.h"

namespace VeskCad {

namespace {
constexpr double kArcBulge = 0.0001;  // smallest bulge sampled as an arc
constexpr double kEndGap = 0.01;      // the last sample stays this far from a piece's end
constexpr int kMaxPoints = 1000000;
}  // namespace

int CGetPtsWithoutBlg::fnGetPts(AcGePoint3dArray& out, AcDbObjectId id, double step, double /*unused*/) {
  out.removeAll();
  if (!(step > 0.0) || !std::isfinite(step)) return 0;
  GP_CurveTran curve(id);
  if (!curve.IsOpenCurve()) return 0;
  AcGePoint3d lo, hi;
  if (vesk::ent::GetEntRect(id, lo, hi)) {
    const double diagonal = lo.distanceTo(hi);
    if (diagonal > 100000.0)
      step *= 100.0;
    else if (diagonal > 10000.0)
      step *= 10.0;
  }
  AcDbCurve* pline = nullptr;
  curve.GetCurveEnt(pline);
  AcGePoint3dArray v;
  AcGeDoubleArray b;
  curve.GetCurveVect(v, b);
  for (int i = 0; i + 1 < v.length(); ++i) {
    out.append(v[i]);
    if (std::fabs(b[i]) < kArcBulge || curve.IsEqual(v[i], v[i + 1])) continue;
    // Distances along the curve by the pieces' parameters, so that the
    // closing piece of an outline ends at the full length.
    double from = 0.0, to = 0.0;
    if (pline->getDistAtParam(i, from) != Acad::eOk || pline->getDistAtParam(i + 1, to) != Acad::eOk) return 0;
    if ((to - from) / step > kMaxPoints) return 0;
    for (double d = from + step; d < to - kEndGap; d += step) {
      AcGePoint3d p;
      if (curve.GetPointByDis(d, p)) out.append(p);
    }
  }
  out.append(v.last());
  return 1;
}

}  // namespace VeskCad
