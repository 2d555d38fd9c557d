#include "BulgeGeometry.h"

#include <algorithm>
#include <cmath>

namespace vkplantest {

namespace {

constexpr double kTwoPi = 6.28318530717958647692;

double pointToSegment(double px, double py, double x0, double y0, double x1, double y1) {
  const double dx = x1 - x0, dy = y1 - y0, len2 = dx * dx + dy * dy;
  double t = len2 > 0.0 ? ((px - x0) * dx + (py - y0) * dy) / len2 : 0.0;
  t = std::clamp(t, 0.0, 1.0);
  return std::hypot(px - (x0 + t * dx), py - (y0 + t * dy));
}

}  // namespace

Piece StraightPiece(double x0, double y0, double x1, double y1) {
  Piece p;
  p.x0 = x0;
  p.y0 = y0;
  p.x1 = x1;
  p.y1 = y1;
  return p;
}

Piece ArcPiece(double cx, double cy, double r, double a0, double sweep) {
  Piece p;
  p.arc = true;
  p.cx = cx;
  p.cy = cy;
  p.r = r;
  p.a0 = a0;
  p.sweep = sweep;
  p.x0 = cx + r * std::cos(a0);
  p.y0 = cy + r * std::sin(a0);
  // A whole circle ends exactly where it starts.
  const bool whole = std::fabs(sweep) >= kTwoPi - 1e-12;
  p.x1 = whole ? p.x0 : cx + r * std::cos(a0 + sweep);
  p.y1 = whole ? p.y0 : cy + r * std::sin(a0 + sweep);
  return p;
}

Piece BulgedPiece(double x0, double y0, double x1, double y1, double bulge) {
  if (std::fabs(bulge) < 1e-12) return StraightPiece(x0, y0, x1, y1);
  const double dx = x1 - x0, dy = y1 - y0, c = std::hypot(dx, dy);
  // The centre lies off the chord's midpoint along its left normal.
  const double off = (1.0 - bulge * bulge) / (4.0 * bulge);
  const double cx = (x0 + x1) / 2.0 - dy * off, cy = (y0 + y1) / 2.0 + dx * off;
  const double r = c * (1.0 + bulge * bulge) / (4.0 * std::fabs(bulge));
  Piece p = ArcPiece(cx, cy, r, std::atan2(y0 - cy, x0 - cx), 4.0 * std::atan(bulge));
  p.x0 = x0;
  p.y0 = y0;
  p.x1 = x1;
  p.y1 = y1;
  return p;
}

double Piece::DistanceTo(double x, double y) const {
  if (!arc) return pointToSegment(x, y, x0, y0, x1, y1);
  // Within the swept angles: the distance to the circle; else to an end.
  double rel = std::atan2(y - cy, x - cx) - a0;
  if (sweep < 0.0) rel = -rel;
  rel = std::fmod(rel, kTwoPi);
  if (rel < 0.0) rel += kTwoPi;
  if (rel <= std::fabs(sweep)) return std::fabs(std::hypot(x - cx, y - cy) - r);
  return std::min(std::hypot(x - x0, y - y0), std::hypot(x - x1, y - y1));
}

void Piece::AppendPoints(double stepRadians, std::vector<double>& xy) const {
  if (arc) {
    const int n = std::max(1, static_cast<int>(std::ceil(std::fabs(sweep) / stepRadians)));
    for (int k = 1; k < n; ++k) {
      const double a = a0 + sweep * k / n;
      xy.push_back(cx + r * std::cos(a));
      xy.push_back(cy + r * std::sin(a));
    }
  }
  xy.push_back(x1);
  xy.push_back(y1);
}

double SignedBulgeArea(const std::vector<double>& x, const std::vector<double>& y, const std::vector<double>& bulge) {
  const size_t n = x.size();
  double area = 0.0;
  for (size_t i = 0; i < n; ++i) {
    const size_t j = (i + 1) % n;
    area += (x[i] * y[j] - x[j] * y[i]) / 2.0;
    const double b = i < bulge.size() ? bulge[i] : 0.0;
    if (std::fabs(b) < 1e-12) continue;
    // The circular segment between the chord and the arc.
    const double theta = 4.0 * std::atan(std::fabs(b));
    const double c = std::hypot(x[j] - x[i], y[j] - y[i]);
    const double r = c / (2.0 * std::sin(theta / 2.0));
    area += (b > 0.0 ? 1.0 : -1.0) * r * r / 2.0 * (theta - std::sin(theta));
  }
  return area;
}

}  // namespace vkplantest
