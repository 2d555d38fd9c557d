#include "arx/entities/EntityPlaneUtil.h"

#include <cmath>

#include "arx/ge/GeMath.h"

namespace vhost {

void ecsAxes(const AcGeVector3d& normal, AcGeVector3d& xAxis, AcGeVector3d& yAxis) {
  xAxis = normal.perpVector();
  yAxis = normal.crossProduct(xAxis).normal();
}

double ecsAngle(const AcGePoint3d& center, const AcGeVector3d& normal, const AcGePoint3d& point) {
  AcGeVector3d x, y;
  ecsAxes(normal, x, y);
  const AcGeVector3d w = point - center;
  return VeskGe::normalizeAngle(std::atan2(w.dotProduct(y), w.dotProduct(x)));
}

AcGePoint3d ecsPointAt(const AcGePoint3d& center, const AcGeVector3d& normal, double radius, double angle) {
  AcGeVector3d x, y;
  ecsAxes(normal, x, y);
  return center + x * (radius * std::cos(angle)) + y * (radius * std::sin(angle));
}

bool transformNormal(const AcGeMatrix3d& m, const AcGeVector3d& normal, AcGeVector3d& result) {
  AcGeVector3d x, y;
  ecsAxes(normal, x, y);
  AcGeVector3d n = (m * x).crossProduct(m * y);
  const double l = n.length();
  if (!(l > 1e-300)) return false;
  n /= l;
  // A mirror turns the plane's orientation over; the normal keeps pointing the
  // way the transformed normal does, and the curve's direction is reversed by
  // the caller.
  if (m.det() < 0.0) n = -n;
  result = n;
  return true;
}

double extrusionScale(const AcGeMatrix3d& m, const AcGeVector3d& normal) { return (m * normal).length(); }

bool validNormal(const AcGeVector3d& normal, AcGeVector3d& unit) {
  if (!isFinite(normal)) return false;
  const double l = normal.length();
  if (!(l > 1e-12)) return false;
  unit = normal / l;
  return true;
}

bool isFinite(const AcGePoint3d& p) { return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z); }
bool isFinite(const AcGeVector3d& v) { return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z); }

}  // namespace vhost
