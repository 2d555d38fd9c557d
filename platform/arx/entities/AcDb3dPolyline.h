#pragma once
// The 3D polyline: straight segments through AcDb3dPolylineVertex objects
// that the polyline owns (see vhost::PolylineVertexList). A spline-fit 3D
// polyline keeps its original vertices as a frame (control vertices, not
// drawn) and draws through generated fit vertices. Parameter i is drawn vertex i.
#include "arx/entities/AcDb3dPolylineVertex.h"
#include "arx/entities/CurveEntity.h"
#include "arx/entities/PolylineVertexList.h"

class AcDbObjectIterator;

class AcDb3dPolyline : public vhost::CurveEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDb3dPolyline);
  AcDb3dPolyline();
  AcDb3dPolyline(AcDb::Poly3dType type, const AcGePoint3dArray& vertices, Adesk::Boolean closed = false);
  ~AcDb3dPolyline() override;

  AcDb::Poly3dType polyType() const;
  Acad::ErrorStatus setPolyType(AcDb::Poly3dType type);
  Acad::ErrorStatus convertToPolyType(AcDb::Poly3dType type) { return setPolyType(type); }
  Acad::ErrorStatus splineFit();
  Acad::ErrorStatus splineFit(AcDb::Poly3dType splineType, Adesk::Int16 splineSegs);
  Acad::ErrorStatus straighten();

  Acad::ErrorStatus makeClosed();
  Acad::ErrorStatus makeOpen();
  Adesk::Boolean isClosed() const override;
  Adesk::Boolean isPeriodic() const override { return false; }

  // --- vertices (see AcDb2dPolyline for the database rules)
  Acad::ErrorStatus appendVertex(AcDb3dPolylineVertex* vertex);
  Acad::ErrorStatus appendVertex(AcDbObjectId& vertexId, AcDb3dPolylineVertex* vertex);
  Acad::ErrorStatus insertVertexAt(const AcDb3dPolylineVertex* indexVertex, AcDb3dPolylineVertex* newVertex);
  Acad::ErrorStatus insertVertexAt(AcDbObjectId& newVertexId, const AcDbObjectId& indexVertexId,
                                   AcDb3dPolylineVertex* newVertex);
  Acad::ErrorStatus openVertex(AcDb3dPolylineVertex*& vertex, AcDbObjectId vertexId, AcDb::OpenMode mode,
                               bool openErased = false) const;
  AcDbObjectIterator* vertexIterator() const;

  // --- curve protocol
  Acad::ErrorStatus getSplitCurves(const AcGeDoubleArray& params, AcDbVoidPtrArray& curveSegments) const override;
  using vhost::CurveEntity::getSplitCurves;
  Acad::ErrorStatus extend(double newParam) override;
  Acad::ErrorStatus extend(Adesk::Boolean extendStart, const AcGePoint3d& toPoint) override;
  Acad::ErrorStatus reverseCurve() override;

  // --- entity protocol
  Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;
  Acad::ErrorStatus explode(AcDbVoidPtrArray& entitySet) const override;
  AcRxObject* clone() const override;

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

  Acad::ErrorStatus buildGeometry(vhost::CurveGeometry& geometry) const override;

  // Platform use, DXF reading: appends vertices read from a drawing and
  // already added to this polyline's database to the end of the vertex list,
  // as AcDb2dPolyline::vhostAppendReadVertices does (3D polyline vertices).
  // Which class a POLYLINE or VERTEX makes: AcDb2dPolyline::vhostDxfPolylineClass.
  Acad::ErrorStatus vhostAppendReadVertices(const AcDbObjectIdArray& vertexIds);
  Acad::ErrorStatus vhostAppendReadVertex(const AcDbObjectId& vertexId);

 protected:
  Acad::ErrorStatus subClose() override;

 private:
  Acad::ErrorStatus drawn(std::vector<AcGePoint3d>& pts, std::vector<int>* entries) const;
  Acad::ErrorStatus writeBack(const std::vector<AcGePoint3d>& pts, const std::vector<int>& entries);
  Acad::ErrorStatus insertAt(int at, AcDb3dPolylineVertex* vertex, AcDbObjectId& id, bool leaveOpen);

  mutable vhost::PolylineVertexList mVertices;
  Adesk::UInt8 mType = AcDb::k3dSimplePoly;
  bool mClosed = false;
};
