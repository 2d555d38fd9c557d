#pragma once
// One planar piece of an outline: a straight segment or a circular arc from a
// start point to an end point, given by its bulge (tangent of a quarter of the
// included angle; positive counter-clockwise, 0 straight). This is the single
// home of bulge geometry for polylines, contour search, trimming and vertex
// cleanup.
//
// Conventions:
// - The piece lies in the plane z = elevation(); the z of 3D input points other
//   than the start is ignored, and 3D output points carry the elevation.
// - |bulge| < kLineBulge is a straight piece. A piece whose start equals its end
//   is degenerate (a point); its bulge is kept but it has no arc.
// - Positions along the piece are fractions of its length: 0 at the start,
//   1 at the end.
// - Distances and tolerances are planar (X and Y only).
#include "arx/base/AcArray.h"
#include "arx/base/AcadErrorStatus.h"
#include "arx/ge/AcDbExtents.h"
#include "arx/ge/AcGeCircArc2d.h"
#include "arx/ge/AcGeCircArc3d.h"
#include "arx/ge/AcGeContext.h"
#include "arx/ge/AcGeLineSeg2d.h"
#include "arx/ge/AcGeLineSeg3d.h"
#include "arx/ge/AcGeMatrix3d.h"
#include "arx/ge/AcGePoint2d.h"
#include "arx/ge/AcGePoint3d.h"

namespace VeskGe {

struct PieceIntersection;

class BulgePiece {
 public:
  static constexpr double kLineBulge = 1e-10;

  BulgePiece();  // a degenerate straight piece at the origin
  // Throw Acad::eInvalidInput for a coordinate, elevation or bulge that is not finite.
  BulgePiece(const AcGePoint2d& start, const AcGePoint2d& end, double bulge = 0.0, double elevation = 0.0);
  BulgePiece(const AcGePoint3d& start, const AcGePoint3d& end, double bulge = 0.0);  // elevation = start.z

  // ---- construction helpers
  // Bulge of the arc around center from start to end, counter-clockwise or not.
  // The radius is taken from start; 0 when start and end coincide (a full circle
  // has no bulge) or start is the centre.
  static double bulgeFromCenter(const AcGePoint2d& center, const AcGePoint2d& start, const AcGePoint2d& end,
                                bool ccw);
  static BulgePiece fromCenter(const AcGePoint3d& center, const AcGePoint3d& start, const AcGePoint3d& end, bool ccw);
  // Bulge of the arc from start through onArc to end (0 when the three are in a
  // line with onArc between the others). eInvalidInput when two points coincide
  // or onArc lies on the line beyond start or end.
  static Acad::ErrorStatus bulgeFromThreePoints(const AcGePoint2d& start, const AcGePoint2d& onArc,
                                                const AcGePoint2d& end, double& bulge);
  // tan(includedAngle / 4); the angle must lie in (-2π, 2π).
  static double bulgeFromIncludedAngle(double includedAngle);

  // ---- data
  AcGePoint3d startPoint() const { return AcGePoint3d(mStart.x, mStart.y, mZ); }
  AcGePoint3d endPoint() const { return AcGePoint3d(mEnd.x, mEnd.y, mZ); }
  const AcGePoint2d& start2d() const { return mStart; }
  const AcGePoint2d& end2d() const { return mEnd; }
  double bulge() const { return mBulge; }
  double elevation() const { return mZ; }
  void set(const AcGePoint2d& start, const AcGePoint2d& end, double bulge, double elevation = 0.0);
  void set(const AcGePoint3d& start, const AcGePoint3d& end, double bulge);
  void setBulge(double bulge);
  void setElevation(double elevation);

  // ---- shape
  bool isLine() const;  // |bulge| < kLineBulge
  bool isDegenerate(const AcGeTol& tol = AcGeContext::gTol) const;  // start == end within tol
  bool isArc() const;   // not a line and start != end
  bool isCounterClockwise() const { return isArc() && mBulge > 0.0; }
  double chordLength() const;
  double includedAngle() const;  // signed, 4 atan(bulge); 0 for a straight or degenerate piece
  double curvature() const;      // signed 1/radius; 0 for a straight or degenerate piece
  double radius() const;         // 0 for a straight or degenerate piece
  bool center(AcGePoint3d& center) const;  // false for a straight or degenerate piece
  // Polar angles of the end points around the centre, in [0, 2π). For a
  // straight piece both give the direction angle of the piece.
  double startAngle() const;
  double endAngle() const;
  // Signed height of the arc's midpoint over the chord: bulge * chord / 2
  // (positive: the arc lies to the right of the chord's direction).
  double sagitta() const;
  double length() const;

  // ---- evaluation
  // Point at a fraction of the length; fractions outside [0, 1] continue along
  // the line or around the circle.
  AcGePoint3d pointAt(double fraction) const;
  // Point of the circle at a polar angle around the centre; returns whether it
  // lies on the piece (false, p unchanged, for a straight or degenerate piece).
  bool pointAtAngle(double angle, AcGePoint3d& p) const;
  AcGePoint3d midPoint() const;
  // Unit tangents in the direction of travel (zero for a degenerate piece).
  AcGeVector3d startTangent() const;
  AcGeVector3d endTangent() const;
  AcGeVector3d tangentAt(double fraction) const;

  // ---- queries
  AcGePoint3d closestPointTo(const AcGePoint3d& p, double* fraction = nullptr) const;
  double fractionOf(const AcGePoint3d& p) const;  // fraction of the closest point
  double distanceTo(const AcGePoint3d& p) const;
  bool isOn(const AcGePoint3d& p, const AcGeTol& tol = AcGeContext::gTol) const;
  // Bounding box, with the arc's extreme points where it crosses the axis directions.
  AcDbExtents extents() const;
  void getExtents(AcGePoint2d& minPoint, AcGePoint2d& maxPoint) const;
  // Area between the chord and the arc, signed as the bulge.
  double segmentArea() const;
  // The piece's contribution to the signed area of a closed outline: the
  // shoelace term of the chord (relative to origin, to keep precision far from
  // the world origin) plus the segment area.
  double signedArea(const AcGePoint2d& origin = AcGePoint2d::kOrigin) const;
  // Signed area of a closed outline with one bulge per vertex (missing bulges
  // are 0); a last vertex equal to the first (gTol) is not a piece of its own.
  static double outlineArea(const AcGePoint3dArray& vertices, const AcGeDoubleArray& bulges);

  // ---- derived pieces
  BulgePiece reversed() const;
  // The part between two fractions (the reverse direction when to < from).
  BulgePiece subPiece(double fromFraction, double toFraction) const;
  void splitAtFraction(double fraction, BulgePiece& first, BulgePiece& second) const;
  // Split at a point within tol of the piece; the point becomes the joint
  // vertex. False (outputs unchanged) when the point is off the piece.
  bool splitAt(const AcGePoint3d& p, BulgePiece& first, BulgePiece& second,
               const AcGeTol& tol = AcGeContext::gTol) const;
  // Bulges of the two parts of a split at p (first: start..p, second: p..end).
  bool splitBulges(const AcGePoint3d& p, double& firstBulge, double& secondBulge,
                   const AcGeTol& tol = AcGeContext::gTol) const;

  // ---- densification (start and end always included unless includeStart is
  // false; equal steps along the length). eInvalidInput for a step that is not
  // positive or would give more than kMaxDensifyPoints points.
  static constexpr int kMaxDensifyPoints = 1000000;
  // Consecutive points at most chordStep apart.
  Acad::ErrorStatus densify(double chordStep, AcGePoint3dArray& points, bool includeStart = true) const;
  // Arc steps of at most angleStep radians; a straight piece gives its two ends.
  Acad::ErrorStatus densifyByAngle(double angleStep, AcGePoint3dArray& points, bool includeStart = true) const;

  // ---- intersection (see PieceIntersection)
  PieceIntersection intersectWith(const BulgePiece& other, const AcGeTol& tol = AcGeContext::gTol) const;

  // ---- conversion
  AcGeLineSeg3d toLineSeg3d() const;  // the chord
  AcGeLineSeg2d toLineSeg2d() const;
  // The arc (normal +Z counter-clockwise, -Z clockwise, so that its start and end
  // are the piece's); false for a straight or degenerate piece.
  bool toCircArc3d(AcGeCircArc3d& arc) const;
  bool toCircArc2d(AcGeCircArc2d& arc) const;
  // A new AcGeLineSeg3d or AcGeCircArc3d that the caller deletes.
  AcGeCurve3d* toCurve3d() const;
  static BulgePiece fromLineSeg(const AcGeLineSeg3d& seg);
  static BulgePiece fromLineSeg(const AcGeLineSeg2d& seg, double elevation = 0.0);
  // eInvalidInput for an arc whose normal is not along Z or that is a full circle.
  static Acad::ErrorStatus fromCircArc(const AcGeCircArc3d& arc, BulgePiece& piece,
                                       const AcGeTol& tol = AcGeContext::gTol);
  static Acad::ErrorStatus fromCircArc(const AcGeCircArc2d& arc, BulgePiece& piece, double elevation = 0.0);
  // Apply a transform that keeps the XY plane (rotation, uniform scale,
  // mirroring, translation); a mirror turns the bulge's sign.
  // eCannotScaleNonUniformly otherwise, the piece unchanged.
  Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform);

  bool operator==(const BulgePiece& o) const;
  bool operator!=(const BulgePiece& o) const { return !(*this == o); }

 private:
  AcGePoint2d mStart;
  AcGePoint2d mEnd;
  double mBulge = 0.0;
  double mZ = 0.0;
};

}  // namespace VeskGe

#include "arx/ge/BulgePieceIntersection.h"
