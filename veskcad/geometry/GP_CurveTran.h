#pragma once
// GP_CurveTran: one curve of the drawing (line, arc, lightweight polyline or
// old-style 2D polyline) seen as a planar vertex list with one bulge per
// vertex. The bulge of vertex i shapes the piece from vertex i to vertex i+1
// (0 straight, otherwise the tangent of a quarter of the included angle,
// positive counter-clockwise); the last vertex's bulge belongs to no piece.
//
// Queries are answered on an in-memory lightweight polyline built from the
// vertex list, so every kind of curve is handled alike. Geometry is planar:
// the vertex list is read flattened to Z = 0, points handed to the queries are
// taken to Z = 0 first and points handed back have Z = 0. Edits are written to
// the entity in the drawing, by kind, keeping its own elevation, and the curve
// is reopened afterwards so that the vertex list matches the entity.
//
// Results: 1 (or non-zero) for success, 0 for failure; nothing throws.
// Wherever an integer selects an end of the curve, 0 means the end (the last
// vertex) and any other value the start (the first vertex).
#include "arx/base/AcArray.h"
#include "arx/db/AcDbObjectId.h"
#include "arx/ge/AcGePoint3d.h"
#include "arx/ge/AcGeVector3d.h"
#include "mfc/CArray.h"

class AcDbCurve;
class AcDbEntity;

namespace VeskCad {

class GP_CurveTran {
 public:
  GP_CurveTran();
  explicit GP_CurveTran(AcDbObjectId id);  // SetEnt(id)
  // A copy takes the entity id and the tolerance and starts closed.
  GP_CurveTran(const GP_CurveTran& other);
  // Assignment takes the entity id and the tolerance and opens the curve.
  GP_CurveTran& operator=(const GP_CurveTran& other);
  virtual ~GP_CurveTran();

  // ---- opening and access
  int SetEnt(AcDbObjectId id);
  int OpenCurve();
  void CloseCurve();
  int IsOpenCurve() const;  // open and at least 2 vertices
  AcDbObjectId GetEntId() const { return m_entId; }
  void SetTol(double tol);
  double GetTol() const { return m_dTol; }

  // Strictly closer than the tolerance (3D distance).
  int IsEqual(const AcGePoint3d& a, const AcGePoint3d& b) const;
  static double GetDist(const AcGePoint3d& a, const AcGePoint3d& b);

  // The query polyline (owned by this object; null when closed).
  int GetCurveEnt(AcDbCurve*& curve) const;
  int GetCurveVect(AcGePoint3dArray& vertices, AcGeDoubleArray& bulges) const;
  AcGePoint3d GetSt() const;  // first vertex (origin when closed)
  AcGePoint3d GetEd() const;  // last vertex (origin when closed)
  int GetVertextPosition(int index, AcGePoint3d& point) const;
  int GetVertextBugle(int index, double& bulge) const;
  int GetVertexCount() const { return m_arrPts.length(); }

  // ---- queries on the curve
  int GetClosestPt(const AcGePoint3d& point, AcGePoint3d& out) const;
  int IsOn(const AcGePoint3d& point) const;
  // out starts at -1.0.
  int GetParam(const AcGePoint3d& point, double& out) const;
  int GetPointByParm(AcGePoint3d& out, double param) const;
  int GetCurveLen(double& out) const;
  int GetDistAtPoint(const AcGePoint3d& point, double& out) const;
  int GetPointByDis(double dist, AcGePoint3d& out) const;
  int GetMidPoint(AcGePoint3d& out) const;
  // -1 unusable curve; 1 when the point is at least as near to the last vertex
  // as to the first; 0 otherwise.
  int GetFlagByPt(const AcGePoint3d& point) const;
  // Index of the piece holding the point; -1 unusable curve, -2 not on the
  // curve, -3 at a vertex, -4 no parameter.
  int GetNear2Pt(const AcGePoint3d& point) const;
  // Orders points along the curve; ranks[i] = number of input points with a
  // strictly smaller parameter than input point i.
  int Sort(AcGePoint3dArray& points, AcGeIntArray& ranks) const;
  int GetArea(double& out) const;  // signed area of the outline

  // ---- geometry helpers
  static int isPointOnLine(AcGePoint3d a, AcGePoint3d b, AcGePoint3d p);
  // Centre of the arc p1 -> p2 with the bulge. A bulge below 1e-13 in magnitude
  // has none: the far point (-9999999.9996, -9999999.9996, 0) comes back and
  // m_bCalIsOk becomes 0 (it is set to 1 at every call).
  static AcGePoint3d getArcCentern(const AcGePoint3d& p1, const AcGePoint3d& p2, double bulge);
  static int m_bCalIsOk;
  static constexpr double kNoCentre = -9999999.9996;
  // Signed area between the chord and the arc.
  static double GetArcArea(const AcGePoint3d& p1, const AcGePoint3d& p2, double bulge);
  // Signed area of the outline (closed when open).
  static double GetCurveArea(const AcGePoint3dArray& vertices, const AcGeDoubleArray& bulges);
  // Bulges of the two arcs p1 -> q and q -> p2 when q on the arc p1 -> p2 is
  // made a vertex. Points compare with this object's tolerance.
  int GetArcBugleChangeAfterInsert(const AcGePoint3d& p1, const AcGePoint3d& p2, const AcGePoint3d& q, double bulge,
                                   double& firstBulge, double& secondBulge) const;
  // Whether p lies on the arc p1 -> p2 of the bulge (within the tolerance).
  int isPointOnArc(const AcGePoint3d& p1, const AcGePoint3d& p2, double bulge, const AcGePoint3d& p) const;
  // Length of the arc p1 -> p2 from p1 to the point of it nearest to p.
  static double GetPointToArcStartDistance(const AcGePoint3d& p1, const AcGePoint3d& p2, double bulge,
                                           const AcGePoint3d& p);
  // Point half-way along the curve between two of its points.
  int GetTowPointMid(const AcGePoint3d& a, const AcGePoint3d& b, AcGePoint3d& out) const;
  // Side of the point with respect to the curve at its closest point:
  // 1 left of the direction of travel, -1 right, 0 on the curve (or unusable).
  int GetPointOnSide(const AcGePoint3d& point) const;
  // Whether the point lies on the outline (within the tolerance); index
  // receives the piece it lies on.
  int ptIsOn2dPline(const AcGePoint3d& point, int& index) const;
  // Parameters of the curve's start and end.
  int GetParamExtrim(double& startParam, double& endParam) const;
  // The vertex list of the curve between two of its points, in the curve's
  // direction from the one nearer its start to the other.
  int GetCurveIn2Pt(const AcGePoint3d& a, const AcGePoint3d& b, AcGePoint3dArray& vertices,
                    AcGeDoubleArray& bulges) const;

  // ---- editing
  // Splits the vertex list at a point of the curve (not at its first or last
  // vertex): first = start .. point, second = point .. end.
  int BreakCurve(const AcGePoint3d& point, AcGePoint3dArray& firstVertices, AcGeDoubleArray& firstBulges,
                 AcGePoint3dArray& secondVertices, AcGeDoubleArray& secondBulges) const;
  // Splits the entity: with flag 1 the entity keeps start .. point and the new
  // entity (newId) gets point .. end; with 0 the roles are exchanged.
  int BreakCurve(AcGePoint3d point, AcDbObjectId& newId, int flag);
  // side 0 keeps start .. point, side 1 keeps point .. end.
  int TrimCurve(AcGePoint3d point, int side);
  // Between two points of the curve: flag 0 keeps the part between them;
  // any other flag takes that part out, the entity keeping start .. first point
  // and a new entity (newId) getting second point .. end.
  int TrimCurve(AcGePoint3d p1, AcGePoint3d p2, AcDbObjectId& newId, int flag);
  int ExtendCurve(AcGePoint3d point, int atStart);
  int ShortOrExtendCurve(AcGePoint3d point, int atStart);
  int AddToCurve(AcGePoint3d point, double bulge, int atStart);
  int InsertPtsToCurve(const AcGePoint3dArray& vertices, const AcGeDoubleArray& bulges);
  int InsertPtsToCurve(AcGePoint3d p1, AcGePoint3d p2, const AcGePoint3dArray& vertices, const AcGeDoubleArray& bulges);
  int ChangeStOrEd(AcGePoint3d point, int atStart);
  // Removes repeated consecutive vertices (0.0001) of a polyline entity.
  static int RemoveSamePoint(AcDbObjectId id);
  // A copy of the entity in the same owner block.
  int CopyCurve(AcDbObjectId& out) const;
  // Writes a vertex list into a lightweight or old-style 2D polyline that is
  // open for write.
  static int SetPolylineVertext(AcDbCurve* curve, const AcGePoint3dArray& vertices, const AcGeDoubleArray& bulges);

  // ---- paths through several curves
  // Every list (not excluded) starting or ending within 1e-5 of the point;
  // lists ending there are reversed in place so that all start there.
  static int GetCurveByPnt(const AcGePoint3d& point, CArray<AcGePoint3dArray>& vertexLists,
                           CArray<AcGeDoubleArray>& bulgeLists, const AcGeIntArray& excluded, AcGeIntArray& found);
  // The path with the fewest pieces from start to end along the curves.
  static int GetPathFromIds(AcGePoint3d start, AcGePoint3d end, const AcDbObjectIdArray& ids,
                            AcGePoint3dArray& vertices, AcGeDoubleArray& bulges);
  static int GetPathFromIds(AcGePoint3d start, AcGePoint3d end, const AcDbObjectIdArray& ids,
                            AcDbObjectIdArray& pathIds);

  // ---- queries across curves
  int GetNearLineByPnt(AcDbObjectIdArray ids, AcGePoint3d point, AcDbObjectIdArray& found,
                       AcGePoint3dArray& points) const;
  int GetClosetPtByVector(AcGePoint3d point, AcGePoint3d& out, AcGeVector3d direction) const;
  int isOnExtendLine(AcGePoint3d point, int atStart, double& bulge) const;
  // Moves the point to the curve and gives the first derivative there.
  int GetPointOnLineAsPect(AcGePoint3d& point, AcGeVector3d& direction) const;

 private:
  AcGePoint3d toPlane(const AcGePoint3d& p) const;
  int vertexIndexOf(const AcGePoint3d& point) const;
  // The part of the vertex list between two parameters (ta < tb); params
  // receives each vertex's parameter on the whole list.
  int subList(double ta, double tb, AcGePoint3dArray& vertices, AcGeDoubleArray& bulges, AcGeDoubleArray* params) const;
  // The split of the five-argument BreakCurve, with the parameters of the
  // vertices of both parts.
  int splitList(const AcGePoint3d& point, AcGePoint3dArray& firstVertices, AcGeDoubleArray& firstBulges,
                AcGeDoubleArray& firstParams, AcGePoint3dArray& secondVertices, AcGeDoubleArray& secondBulges,
                AcGeDoubleArray& secondParams) const;
  int isClosedOutline() const;
  int reopen();

  AcDbCurve* m_pCurve = nullptr;  // the query polyline
  AcDbObjectId m_entId;
  AcDbObjectId m_plineId;
  AcDbObjectId m_openId;
  AcGePoint3dArray m_arrPts;
  AcGeDoubleArray m_arrBulge;
  int m_bOpen = 0;
  double m_dTol = 0.0001;
};

}  // namespace VeskCad
