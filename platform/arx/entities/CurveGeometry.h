#pragma once
// The exact geometry of a curve entity, as the curve protocol sees it: a chain
// of pieces, each a straight segment, a conic arc (circle or ellipse), a NURBS
// span range or a curve of another class evaluated through its own protocol.
//
// Every piece maps its own (local) parameter linearly onto the entity's
// parameters: a line segment runs s in [0, 1], a conic angle t in [t0, t1]
// (point = origin + cos t u + sin t v), a NURBS its knot parameter. The entity
// parameter of local t is e0 + (t - t0) (e1 - e0) / (t1 - t0), so a
// polyline's piece i covers [i, i+1], an arc's single piece its angles, a
// line's its length.
//
// Extension (for closest points and intersections "with extension") widens
// the local domain of the end pieces to [extLo, extHi]: an infinite line, the
// full circle or ellipse; a polyline's end pieces extend outwards only.
#include <memory>
#include <vector>

#include "arx/ge/AcGeMatrix3d.h"
#include "arx/ge/AcGePoint3d.h"
#include "arx/ge/AcGeVector3d.h"

class AcDbCurve;

namespace vhost {

class NurbsCurve;

struct CurvePiece {
  enum Kind : unsigned char { kLine, kConic, kNurbs, kForeign };

  Kind kind = kLine;
  bool circular = false;  // a conic whose u and v are perpendicular and of equal length
  AcGePoint3d origin;     // line start, conic centre
  AcGeVector3d u;         // line: end - start; conic: the axis at t = 0
  AcGeVector3d v;         // conic: the axis at t = π/2
  std::shared_ptr<const NurbsCurve> nurbs;
  const AcDbCurve* foreign = nullptr;                 // evaluated through the curve's protocol
  std::shared_ptr<const AcGeMatrix3d> foreignXform;   // applied after evaluating a foreign curve
  double t0 = 0.0, t1 = 1.0;  // local domain
  double e0 = 0.0, e1 = 1.0;  // entity parameters of t0 and t1
  double extLo = 0.0, extHi = 1.0;  // local domain when extended

  static CurvePiece line(const AcGePoint3d& a, const AcGePoint3d& b, double e0, double e1);
  // Circle arc about centre in the plane of normal, counter-clockwise about it
  // from angle a0 to a1 (a1 > a0) measured from xAxis (unit, perpendicular to normal).
  static CurvePiece arc(const AcGePoint3d& center, const AcGeVector3d& normal, const AcGeVector3d& xAxis,
                        double radius, double a0, double a1, double e0, double e1);
  static CurvePiece conic(const AcGePoint3d& center, const AcGeVector3d& u, const AcGeVector3d& v, double a0,
                          double a1, double e0, double e1);
  static CurvePiece spline(std::shared_ptr<const NurbsCurve> curve, double a, double b, double e0, double e1);
  static CurvePiece foreignCurve(const AcDbCurve* curve, double a, double b);

  AcGePoint3d pointAt(double t) const;
  void evaluate(double t, AcGePoint3d& p, AcGeVector3d* d1, AcGeVector3d* d2) const;
  AcGePoint3d startPoint() const { return pointAt(t0); }
  AcGePoint3d endPoint() const { return pointAt(t1); }
  double toEntity(double t) const;
  double toLocal(double e) const;
  double entityPerLocal() const;  // de/dt
  bool isLine() const { return kind == kLine; }
  bool isCircle() const { return kind == kConic && circular; }
  bool isAnalytic() const { return kind == kLine || isCircle(); }
  double radius() const { return u.length(); }
  // Unit normal of a conic (u × v), zero for other kinds.
  AcGeVector3d conicNormal() const;
  // A piece without extent (a polyline segment between equal vertices).
  bool isDegenerate() const;

  // Length between two local parameters (ta <= tb).
  double length(double ta, double tb) const;
  // Local parameter at a length from ta (0 <= len <= length(ta, hi)).
  double paramAtLength(double ta, double len, double hi) const;
  // Closest point over the local range [lo, hi].
  double closestParam(const AcGePoint3d& p, double lo, double hi) const;
  // Tight box over [lo, hi] (unbounded lines give infinite coordinates).
  void bounds(double lo, double hi, AcGePoint3d& mn, AcGePoint3d& mx) const;
  // The piece under an affine map (foreign pieces carry the map along).
  CurvePiece transformed(const AcGeMatrix3d& m) const;
  // ∫ (P - o) × P' dt over [t0, t1]: twice the signed area swept about o.
  AcGeVector3d areaMoment(const AcGePoint3d& o) const;
};

class CurveGeometry {
 public:
  std::vector<CurvePiece> pieces;
  double startParam = 0.0;
  double endParam = 0.0;
  bool closed = false;    // as the entity's isClosed reports
  bool periodic = false;  // parameters wrap (circle, full ellipse)
  bool extendable = true; // whether "extend" widens the end pieces
  // Plane of a planar entity (normal zero when not known).
  AcGeVector3d normal;

  bool isEmpty() const { return pieces.empty(); }
  double period() const { return endParam - startParam; }

  // Sets extLo/extHi of the end pieces: lines become rays or full lines,
  // conics the rest of their full curve (nothing for closed geometries).
  void setupExtension();

  // Index of the piece holding an entity parameter (within the range, or
  // outside it when allowExtension picks an end piece); -1 when outside.
  int pieceAt(double param, bool allowExtension = false) const;
  // A parameter brought into range (wrapped for periodic curves, snapped
  // when within a small tolerance of an end); false when outside.
  bool normalizeParam(double& param) const;

  bool pointAtParam(double param, AcGePoint3d& p, bool allowExtension = false) const;
  bool derivsAtParam(double param, AcGePoint3d& p, AcGeVector3d* d1, AcGeVector3d* d2,
                     bool allowExtension = false) const;
  AcGePoint3d startPoint() const;
  AcGePoint3d endPoint() const;

  double length() const;
  bool distAtParam(double param, double& dist) const;
  bool paramAtDist(double dist, double& param) const;

  // Closest point (and its entity parameter) over the curve, or over its
  // extension; the first of equally near candidates wins.
  void closestPoint(const AcGePoint3d& p, bool extend, double& param, AcGePoint3d& onCurve) const;
  // Parameter of a point within tol of the curve; false when off the curve.
  bool paramAtPoint(const AcGePoint3d& p, double& param, double tol) const;

  void extents(AcGePoint3d& mn, AcGePoint3d& mx) const;
  // Area enclosed by the curve closed with its chord, positive; computed in
  // the plane of `normal` (or the best plane of the curve).
  double area() const;
  // The same curve under an affine map; parameters are unchanged.
  CurveGeometry transformed(const AcGeMatrix3d& m) const;
  // Projected along dir onto the plane through planePoint with normal planeNormal.
  CurveGeometry projected(const AcGePoint3d& planePoint, const AcGeVector3d& planeNormal,
                          const AcGeVector3d& dir) const;
  // Average magnitude of coordinates: the scale that rounding errors follow.
  double magnitude() const;
};

// Tolerance for point comparisons near coordinates of the given magnitude:
// gTol's equalPoint, raised where doubles cannot resolve it.
double pointTolerance(double magnitude);
// The matrix that projects along dir onto a plane (identity for a dir parallel to the plane).
AcGeMatrix3d projectionMatrix(const AcGePoint3d& planePoint, const AcGeVector3d& planeNormal,
                              const AcGeVector3d& dir);

}  // namespace vhost
