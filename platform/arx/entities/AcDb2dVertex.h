#pragma once
// A vertex of an old-style 2D polyline: its position in the polyline's
// entity coordinate system (the polyline's elevation applies, the position's
// Z is kept but not used), the bulge and widths of the segment that starts
// here, a curve-fit tangent direction, and its kind.
#include "arx/entities/AcDbVertex.h"

class AcDb2dVertex : public AcDbVertex {
 public:
  ACRX_DECLARE_MEMBERS(AcDb2dVertex);
  AcDb2dVertex();
  AcDb2dVertex(const AcGePoint3d& position, double bulge = 0.0, double startWidth = 0.0, double endWidth = 0.0,
               double tangent = 0.0, Adesk::Int32 vertexIdentifier = 0);
  ~AcDb2dVertex() override;

  AcDb::Vertex2dType vertexType() const;
  AcGePoint3d position() const;
  Acad::ErrorStatus setPosition(const AcGePoint3d& position);
  double startWidth() const;
  Acad::ErrorStatus setStartWidth(double width);
  double endWidth() const;
  Acad::ErrorStatus setEndWidth(double width);
  double bulge() const;
  Acad::ErrorStatus setBulge(double bulge);
  Adesk::Boolean isTangentUsed() const;
  Acad::ErrorStatus useTangent();
  Acad::ErrorStatus ignoreTangent();
  Acad::ErrorStatus setTangentUsed(Adesk::Boolean use);
  double tangent() const;
  Acad::ErrorStatus setTangent(double tangent);
  Adesk::Int32 vertexIdentifier() const;
  Acad::ErrorStatus setVertexIdentifier(Adesk::Int32 id);

  // Platform use: fitting sets the kind of the vertices it makes.
  Acad::ErrorStatus vhostSetVertexType(AcDb::Vertex2dType type);
  // Platform use, DXF reading: a VERTEX that left out its widths (40, 41)
  // takes the polyline's default widths for them when the polyline takes it.
  void vhostTakeDefaultWidths(double startWidth, double endWidth);

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

 private:
  AcGePoint3d mPosition;
  double mBulge = 0.0;
  double mStartWidth = 0.0;
  double mEndWidth = 0.0;
  double mTangent = 0.0;
  bool mTangentUsed = false;
  Adesk::Int32 mIdentifier = 0;
  Adesk::UInt8 mType = AcDb::k2dVertex;
};
