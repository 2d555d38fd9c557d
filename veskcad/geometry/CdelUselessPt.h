#pragma once
// CdelUselessPt: removes the vertices of an outline that add nothing: the
// repeated closing vertex, vertices on straight runs (or at the tip of a
// straight spike) and the joints between arc pieces of one circle.
#include "arx/base/AcArray.h"
#include "arx/db/AcDbObjectId.h"
#include "arx/ge/AcGePoint3d.h"

namespace VeskCad {

class CdelUselessPt {
 public:
  // tolerance (distances and radii); keepZ 0 flattens to Z = 0 before
  // cleaning; closed 1 drops a last vertex lying on the first.
  explicit CdelUselessPt(double tol = 0.0001, int keepZ = 0, int closed = 1);
  CdelUselessPt(const CdelUselessPt&) = default;
  CdelUselessPt& operator=(const CdelUselessPt&) = default;
  virtual ~CdelUselessPt() = default;

  void SetTol(double tol) { m_dTol = tol; }
  double GetTol() const { return m_dTol; }
  void SetKeepZ(int keepZ) { m_bKeepZ = keepZ; }
  void SetClosed(int closed) { m_bClosed = closed; }

  // 0 for fewer than 2 vertices, unequal counts or a tolerance below 1e-7.
  int DelUselessPts(AcGePoint3dArray vertices, AcGeDoubleArray bulges, AcGePoint3dArray& outVertices,
                    AcGeDoubleArray& outBulges);
  // The same on a curve of the drawing, written back with ModiEntPts; out is
  // its id (null on failure).
  int DelUselessPts(AcDbObjectId id, AcDbObjectId& out);
  // The working lists of the last cleaning (0 when empty).
  int getArrptsAndArrd(AcGePoint3dArray& vertices, AcGeDoubleArray& bulges) const;

  // Whether three points lie on one line: the longest side equals the sum of
  // the other two within tol.
  static int isOnline(const AcGePoint3d& a, const AcGePoint3d& b, const AcGePoint3d& c, double tol);
  // Which of three points on a line lies between the others (0, 1, 2): the
  // one opposite the longest side; the middle one on equal lengths.
  static int getIndexOfMidpt(const AcGePoint3d& a, const AcGePoint3d& b, const AcGePoint3d& c);
  // Two consecutive arc pieces of one circle with signed included angles a1
  // and a2: which vertex lies between the others (1 the first, 2 the joint, 3
  // the last; 0 when an angle is 0).
  static int getArcIndexOfMidpt(double a1, double a2);
  // Bulge of the arc of a radius from p1 to p2 that turns about the centre
  // on the side given by sidePoint, taking the shorter way: tan(asin(chord /
  // 2 / radius) / 2), positive (counter-clockwise) when sidePoint lies left
  // of the chord p1 -> p2, negative when right, 1.0 (a half circle) when it
  // lies on the chord; 0 for a radius below 1e-8.
  static double GetBulge(const AcGePoint3d& p1, const AcGePoint3d& p2, const AcGePoint3d& sidePoint, double radius);

 protected:
  void DelLinePts();
  void DelArcPts();

  double m_dTol = 0.0001;
  int m_bKeepZ = 0;
  int m_bClosed = 1;
  AcGePoint3dArray m_arrPts;
  AcGeDoubleArray m_arrBulge;
};

}  // namespace VeskCad
