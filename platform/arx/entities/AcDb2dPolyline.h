#pragma once
// The old-style 2D polyline: a chain of AcDb2dVertex objects that the
// polyline owns (see vhost::PolylineVertexList), in the plane of its normal at
// its elevation. The shape is drawn through the vertices that take part in
// drawing: simple and fit vertices, not the frame (control) vertices of a
// spline-fit polyline. Parameters count those vertices as AcDbPolyline does.
//
// appendVertex / insertVertexAt on a polyline in a database add the vertex to
// the database (the polyline must be open for write; the vertex is left open
// for write for the caller to close). A polyline not yet in a database keeps
// its vertices and hands them to the database when it gets there.
#include "arx/entities/AcDb2dVertex.h"
#include "arx/entities/BulgeOutline.h"
#include "arx/entities/CurveEntity.h"
#include "arx/entities/PolylineVertexList.h"

class AcDbObjectIterator;

namespace vhost {
struct Poly2dVertexData {
  AcGePoint3d position;  // in the plane's coordinates
  double bulge = 0.0;
  double startWidth = 0.0;
  double endWidth = 0.0;
};
}  // namespace vhost

class AcDb2dPolyline : public vhost::CurveEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDb2dPolyline);
  AcDb2dPolyline();
  // Vertices in the plane's coordinates (their Z is not used); bulges one per
  // vertex when given.
  AcDb2dPolyline(AcDb::Poly2dType type, const AcGePoint3dArray& vertices, double elevation = 0.0,
                 Adesk::Boolean closed = false, double defStartWidth = 0.0, double defEndWidth = 0.0,
                 const AcGeDoubleArray* bulges = nullptr);
  ~AcDb2dPolyline() override;

  // --- kind and fitting
  AcDb::Poly2dType polyType() const;
  // Fits or straightens to reach the type.
  Acad::ErrorStatus setPolyType(AcDb::Poly2dType type);
  Acad::ErrorStatus convertToPolyType(AcDb::Poly2dType type) { return setPolyType(type); }
  // Smooth chain of arcs through the simple vertices: one curve-fit vertex is
  // added between each pair, and the bulges make two arcs meet tangentially
  // there; the tangent at a vertex is its own when set, else the one of the
  // circle through it and its neighbours.
  Acad::ErrorStatus curveFit();
  // A B-spline (cubic by default) with the simple vertices as its frame,
  // drawn through segments fit vertices per frame segment.
  Acad::ErrorStatus splineFit();
  Acad::ErrorStatus splineFit(AcDb::Poly2dType splineType, Adesk::Int16 splineSegs);
  // Removes fit vertices, makes frame vertices simple again and every segment straight.
  Acad::ErrorStatus straighten();

  // --- whole-polyline properties
  Acad::ErrorStatus makeClosed();
  Acad::ErrorStatus makeOpen();
  Adesk::Boolean isClosed() const override;
  Adesk::Boolean isPeriodic() const override { return false; }
  double defaultStartWidth() const;
  Acad::ErrorStatus setDefaultStartWidth(double width);
  double defaultEndWidth() const;
  Acad::ErrorStatus setDefaultEndWidth(double width);
  // The width of every drawn segment when they are all the same; eNotApplicable otherwise.
  Acad::ErrorStatus constantWidth(double& width) const;
  Acad::ErrorStatus setConstantWidth(double width);
  double thickness() const;
  Acad::ErrorStatus setThickness(double thickness);
  AcGeVector3d normal() const;
  Acad::ErrorStatus setNormal(const AcGeVector3d& normal);
  double elevation() const;
  Acad::ErrorStatus setElevation(double elevation);
  Adesk::Boolean isLinetypeGenerationOn() const;
  Acad::ErrorStatus setLinetypeGenerationOn();
  Acad::ErrorStatus setLinetypeGenerationOff();

  // --- vertices
  Acad::ErrorStatus appendVertex(AcDb2dVertex* vertex);
  Acad::ErrorStatus appendVertex(AcDbObjectId& vertexId, AcDb2dVertex* vertex);
  // Inserts after the given vertex (a null one: at the start).
  Acad::ErrorStatus insertVertexAt(const AcDb2dVertex* indexVertex, AcDb2dVertex* newVertex);
  Acad::ErrorStatus insertVertexAt(AcDbObjectId& newVertexId, const AcDbObjectId& indexVertexId,
                                   AcDb2dVertex* newVertex);
  Acad::ErrorStatus openVertex(AcDb2dVertex*& vertex, AcDbObjectId vertexId, AcDb::OpenMode mode,
                               bool openErased = false) const;
  // Iterates the vertices (their ids) of a polyline in a database; the
  // caller deletes the iterator.
  AcDbObjectIterator* vertexIterator() const;
  // World position of one of this polyline's vertices.
  AcGePoint3d vertexPosition(const AcDb2dVertex& vertex) const;

  // --- curve protocol
  Acad::ErrorStatus getSplitCurves(const AcGeDoubleArray& params, AcDbVoidPtrArray& curveSegments) const override;
  using vhost::CurveEntity::getSplitCurves;
  Acad::ErrorStatus extend(double newParam) override;
  Acad::ErrorStatus extend(Adesk::Boolean extendStart, const AcGePoint3d& toPoint) override;
  Acad::ErrorStatus reverseCurve() override;

  // --- entity protocol
  Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;
  Acad::ErrorStatus explode(AcDbVoidPtrArray& entitySet) const override;
  bool isPlanar() const override { return true; }
  Acad::ErrorStatus getPlane(AcGePlane& plane, AcDb::Planarity& planarity) const override;
  // A polyline not in any database with copies of the vertices.
  AcRxObject* clone() const override;

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

  Acad::ErrorStatus buildGeometry(vhost::CurveGeometry& geometry) const override;

  // Platform use: the vertices that are drawn, in order.
  Acad::ErrorStatus vhostDrawnVertices(std::vector<vhost::Poly2dVertexData>& out) const;

  // Platform use, DXF reading. POLYLINE and VERTEX name several classes: the
  // class for a POLYLINE from its 70 flags, or from its subclass marker when
  // one is given (AcDb2dPolyline, AcDb3dPolyline); null for the meshes
  // (AcDbPolygonMesh, flag 16; AcDbPolyFaceMesh, flag 64) and unknown markers,
  // which are not modelled and stay proxies.
  static AcRxClass* vhostDxfPolylineClass(int flags, const ACHAR* subclassMarker = nullptr);
  // The class for a VERTEX from its 70 flags, or from its second subclass
  // marker (AcDb2dVertex, AcDb3dPolylineVertex); null for mesh vertices and
  // face records (flags 64, 128; AcDbPolygonMeshVertex, AcDbPolyFaceMeshVertex,
  // AcDbFaceRecord) and unknown markers.
  static AcRxClass* vhostDxfVertexClass(int flags, const ACHAR* subclassMarker = nullptr);
  // Appends vertices read from a drawing and already added to this polyline's
  // database (under their own handles) to the end of the vertex list; they
  // become owned by this polyline. The polyline is in a database and open for
  // write; every id must be a 2D vertex of that database not yet in the list
  // (eWrongDatabase, eWrongObjectType, eAlreadyInDb; nothing is appended then).
  // A vertex that left out its widths takes the default widths.
  // Appending all of a polyline's vertices in one call costs the time of one.
  Acad::ErrorStatus vhostAppendReadVertices(const AcDbObjectIdArray& vertexIds);
  Acad::ErrorStatus vhostAppendReadVertex(const AcDbObjectId& vertexId);

 protected:
  Acad::ErrorStatus subClose() override;

 private:
  // The drawn outline and, for each of its vertices, its entry in the list.
  Acad::ErrorStatus drawnOutline(vhost::BulgeOutline& outline, std::vector<int>* entries) const;
  // Writes positions, bulges and widths of an outline back to the given entries.
  Acad::ErrorStatus writeBack(const vhost::BulgeOutline& outline, const std::vector<int>& entries);
  Acad::ErrorStatus insertAt(int at, AcDb2dVertex* vertex, AcDbObjectId& id, bool leaveOpen);
  AcDb2dPolyline* newLike(const std::vector<vhost::OutlineVertex>& verts) const;

  mutable vhost::PolylineVertexList mVertices;
  Adesk::UInt8 mType = AcDb::k2dSimplePoly;
  bool mClosed = false;
  bool mPlinegen = false;
  double mDefStartWidth = 0.0;
  double mDefEndWidth = 0.0;
  double mThickness = 0.0;
  double mElevation = 0.0;
  AcGeVector3d mNormal = AcGeVector3d::kZAxis;
};
