#include "arx/ge/AcutGeometry.h"

#include <cmath>

#include "arx/ge/GeMath.h"

ads_real acutAngle(const ads_point pt1, const ads_point pt2) {
  const double dx = pt2[0] - pt1[0], dy = pt2[1] - pt1[1];
  if (dx == 0.0 && dy == 0.0) return 0.0;
  return VeskGe::normalizeAngle(std::atan2(dy, dx));
}

ads_real acutDistance(const ads_point pt1, const ads_point pt2) {
  const double dx = pt2[0] - pt1[0], dy = pt2[1] - pt1[1], dz = pt2[2] - pt1[2];
  return std::sqrt(dx * dx + dy * dy + dz * dz);
}

void acutPolar(const ads_point pt, ads_real angle, ads_real dist, ads_point result) {
  const double x = pt[0] + dist * std::cos(angle);
  const double y = pt[1] + dist * std::sin(angle);
  const double z = pt[2];
  result[0] = x;
  result[1] = y;
  result[2] = z;
}
